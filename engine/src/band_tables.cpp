// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise/band_tables.h"

namespace stripewise {
namespace {

// A colour value written in decimal digits, held in place.
struct ColorText {
  std::array<char, 10> digits{};  // 0xFFFFFF has 8
  std::size_t size = 0;
};

constexpr ColorText DecimalText(ColorValue value) {
  ColorText text;
  do {
    text.digits[text.size++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  for (std::size_t i = 0; i < text.size / 2; ++i) {
    const char digit = text.digits[i];
    text.digits[i] = text.digits[text.size - 1 - i];
    text.digits[text.size - 1 - i] = digit;
  }
  return text;
}

// kBandColors as the decimal texts BandColor gives, written by the compiler.
constexpr auto kBandColorTexts = [] {
  std::array<ColorText, kBandColors.size()> texts{};
  for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = DecimalText(kBandColors[i]);
  return texts;
}();

}  // namespace

std::string_view BandColor(std::int16_t position) {
  if (position < 0 || position >= static_cast<std::int16_t>(kBandColorTexts.size())) return {};
  const ColorText& text = kBandColorTexts[static_cast<std::size_t>(position)];
  return {text.digits.data(), text.size};
}

}  // namespace stripewise
