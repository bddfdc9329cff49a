// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_codes/written.h"

#include <algorithm>
#include <array>
#include <optional>

#include "helpers.h"
#include "stripewise_codes/quote.h"

namespace stripewise::codes {
namespace {

// The orders of magnitude written with a unit prefix, from 0.1 mΩ to
// 99999 GΩ; the rest are written with a power of ten.
constexpr int kLeastPrefixedOrder = -4;
constexpr int kMostPrefixedOrder = 13;

// The power of ten of a unit prefix or of a letter of the letter code.
std::optional<int> PrefixPower(char letter) {
  switch (letter) {
    case 'R':
    case 'r':
      return 0;
    case 'm':
      return -3;
    case 'k':
    case 'K':
      return 3;
    case 'M':
      return 6;
    case 'G':
    case 'g':
      return 9;
    default:
      return std::nullopt;
  }
}

// The text without blanks at its ends and without a unit after it.
std::string_view WithoutUnit(std::string_view text) {
  const auto trim = [](std::string_view t) {
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
    return t;
  };
  text = trim(text);
  // Longest first: "ohms" before "ohm"; both ohm signs, Greek and the symbol.
  for (std::string_view unit : {"ohms", "ohm", "\u03A9", "\u2126"}) {
    if (detail::EndsWithFolded(text, unit)) return trim(text.substr(0, text.size() - unit.size()));
  }
  return text;
}

// 4K7, R47, 2M2: digits, one letter for the point, digits.
std::optional<Reading> LetterCode(std::string_view text) {
  const auto letter =
      std::find_if(text.begin(), text.end(), [](char c) { return !detail::IsDigit(c); });
  if (letter == text.end() || text.size() < 2) return std::nullopt;
  const std::optional<int> power = PrefixPower(*letter);
  const std::string_view after(letter + 1, text.end());
  if (!power || !std::all_of(after.begin(), after.end(), detail::IsDigit)) {
    return std::nullopt;
  }
  std::string number(text.begin(), letter);
  number += '.';
  number += after;
  return Decimal::Read(number == "." ? "" : number, *power);
}

// 4700, 4.7e3, 4.7k, 4.7 k, 470m.
std::optional<Reading> Prefixed(std::string_view text) {
  int power = 0;
  if (!text.empty()) {
    if (const std::optional<int> prefix = PrefixPower(text.back());
        prefix && text.back() != 'R' && text.back() != 'r') {
      power = *prefix;
      text.remove_suffix(1);
      while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    }
  }
  return Decimal::Read(text, power);
}

// Whether a number is written with a power of ten.
bool Engineering(const Decimal& number) {
  return !number.IsZero() &&
         (number.Order() < kLeastPrefixedOrder || number.Order() > kMostPrefixedOrder);
}

}  // namespace

Result<Reading> ReadValue(std::string_view text) {
  const std::string_view bare = WithoutUnit(text);
  if (std::optional<Reading> value = Prefixed(bare)) return *std::move(value);
  if (std::optional<Reading> value = LetterCode(bare)) return *std::move(value);
  return Unreadable("cannot read " + Quote(text) + " as a resistance");
}

void AppendNumber(std::string& out, const Decimal& number) {
  if (!Engineering(number)) {
    number.AppendPlain(out);
    return;
  }
  const int order = number.Order();
  const int power = order >= 0 ? order / 3 * 3 : -((-order + 2) / 3 * 3);
  number.Shifted(-power).AppendPlain(out);
  out += 'e';
  out += std::to_string(power);
}

void AppendWithUnit(std::string& out, const Decimal& ohms) {
  static constexpr std::array<std::string_view, 5> kPrefixes = {" m", " ", " k", " M", " G"};
  if (Engineering(ohms)) {
    AppendNumber(out, ohms);
    out += " \u03A9";
    return;
  }
  const int order = ohms.Order();
  const int group = std::clamp(ohms.IsZero() ? 0 : order >= 0 ? order / 3 : -1, -1, 3);
  ohms.Shifted(-3 * group).AppendPlain(out);
  out += kPrefixes[static_cast<std::size_t>(group) + 1];  // milli is the first
  out += "\u03A9";
}

std::string NumberText(const Decimal& number) {
  std::string text;
  AppendNumber(text, number);
  return text;
}

std::string WithUnit(const Decimal& ohms) {
  std::string text;
  AppendWithUnit(text, ohms);
  return text;
}

}  // namespace stripewise::codes
