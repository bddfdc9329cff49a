// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// What each band of a resistor of 1 to 6 bands stands for, which colours it
// can take, and how the every-code window writes its meaning on it.

#include <stripewise_codes/colours.h>

#include <QString>
#include <cstddef>
#include <vector>

namespace stripewise::ui {

enum class BandRole { Digit, Multiplier, Tolerance, Tempco, ZeroOhm };

// The role of band `index` (from 0) of `count` bands.
BandRole RoleOf(std::size_t index, std::size_t count);

// "first digit", "multiplier", "tolerance", "temperature coefficient",
// "zero-ohm link": band `index` of `count` as its accessible name says it.
QString RoleName(std::size_t index, std::size_t count);

// The colours a band of a role can take: the ten digit colours for a digit,
// those and gold, silver and pink for the multiplier, the tolerance and
// temperature-coefficient colours, black for a zero-ohm link.
std::vector<codes::Colour> ColoursFor(BandRole role);

// What a band says, written on it: "4", "×100", "5 %", "50 ppm", "0 Ω".
QString MeaningOf(BandRole role, codes::Colour colour);

// The IEC 60757 letters of a colour as text: "RD", "OG", "BN".
QString LetterCode(codes::Colour colour);

}  // namespace stripewise::ui
