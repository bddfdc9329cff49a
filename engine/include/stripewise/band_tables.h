// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// What each list of band colours holds, what each position means, and which
// screen colour each band colour is painted with.

#include <array>
#include <cstdint>
#include <string_view>

namespace stripewise {

// A colour value: 0x00BBGGRR, or a system colour 0x800000nn.
using ColorValue = std::uint32_t;

inline constexpr ColorValue kButtonFaceColor = 0x8000000F;  // system button face
inline constexpr ColorValue kMenuColor = 0x80000004;        // system menu

// Entries of the digit lists (List1, List2): position = digit.
inline constexpr std::array<std::string_view, 10> kDigitEntries = {
    "Black", "Brown", "Red", "Orange", "Yellow", "Green", "Blue", "Violet", "Grey", "White"};

// Entries of the multiplier list (List3): the digits, then Gold and Silver.
inline constexpr std::array<std::string_view, 12> kMultiplierEntries = {
    "Black", "Brown",  "Red",  "Orange", "Yellow", "Green",
    "Blue",  "Violet", "Grey", "White",  "Gold",   "Silver"};

// Positions of the two multipliers below one in the multiplier list.
inline constexpr std::int16_t kGoldPosition = 10;    // times 0.1
inline constexpr std::int16_t kSilverPosition = 11;  // times 0.01

// The power of ten a multiplier position stands for: the position itself
// from Black to White, -1 for Gold and -2 for Silver.
constexpr int MultiplierPower(std::int16_t position) {
  return position == kGoldPosition ? -1 : position == kSilverPosition ? -2 : position;
}

// Entries of the tolerance list (List4).
inline constexpr std::array<std::string_view, 8> kToleranceEntries = {
    "Do not count", "Brown 1%", "Red 2%",     "Orange 3%",
    "Yellow 4%",    "Gold 5%",  "Silver 10%", "No Color 20%"};

// The tolerance, in percent of the resistance, that each tolerance position
// stands for; position 0 ("Do not count") has none.
inline constexpr std::array<int, 8> kTolerancePercents = {0, 1, 2, 3, 4, 5, 10, 20};

// The colour the tolerance band is painted with for each tolerance position.
inline constexpr std::array<ColorValue, 8> kToleranceColors = {
    kButtonFaceColor, 0x808080, 0x0000FF, 0xC0E0FF, 0x00FFFF, 0xC0FFFF, 0xC0FFC0, kButtonFaceColor};

// Band colour of each colour position 0-11, as 0x00BBGGRR. Brown is painted
// a mid grey and Grey a lighter grey, the colours the legend beside the lists
// shows them in, so that a band looks like its legend entry.
inline constexpr std::array<ColorValue, 12> kBandColors = {0x000000, 0x808080, 0x0000FF, 0xC0E0FF,
                                                           0x00FFFF, 0x00FF00, 0xFF8080, 0xC00000,
                                                           0xE0E0E0, 0xFFFFFF, 0xC0FFFF, 0xC0FFC0};

// The band colour of a colour position as decimal integer text (8421504 for
// Brown, 0 for Black); the empty text for a position outside 0-11.
std::string_view BandColor(std::int16_t position);

}  // namespace stripewise
