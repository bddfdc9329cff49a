// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_codes/written.h"

#include <algorithm>
#include <array>
#include <optional>

#include "helpers.h"

namespace stripewise::codes {
namespace {

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
std::optional<Decimal> LetterCode(std::string_view text) {
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
  const std::optional<Decimal> value = Decimal::Parse(number == "." ? "" : number);
  return value ? std::optional<Decimal>(value->Shifted(*power)) : std::nullopt;
}

// 4700, 4.7e3, 4.7k, 4.7 k, 470m.
std::optional<Decimal> Prefixed(std::string_view text) {
  int power = 0;
  if (!text.empty()) {
    if (const std::optional<int> prefix = PrefixPower(text.back());
        prefix && text.back() != 'R' && text.back() != 'r') {
      power = *prefix;
      text.remove_suffix(1);
      while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    }
  }
  const std::optional<Decimal> value = Decimal::Parse(text);
  return value ? std::optional<Decimal>(value->Shifted(power)) : std::nullopt;
}

}  // namespace

Result<Decimal> ReadValue(std::string_view text) {
  const std::string_view bare = WithoutUnit(text);
  if (std::optional<Decimal> value = Prefixed(bare)) return *value;
  if (std::optional<Decimal> value = LetterCode(bare)) return *value;
  return Unreadable("cannot read '" + std::string(text) + "' as a resistance");
}

std::string WithUnit(const Decimal& ohms) {
  static constexpr std::array<std::string_view, 5> kPrefixes = {"m", "", "k", "M", "G"};
  int group = ohms.IsZero() ? 0 : ohms.Order() >= 0 ? ohms.Order() / 3 : -1;
  group = std::clamp(group, -1, 3);
  const int prefix = group + 1;  // milli is the first
  return ohms.Shifted(-3 * group).Plain() + " " +
         std::string(kPrefixes[static_cast<std::size_t>(prefix)]) + "\u03A9";
}

}  // namespace stripewise::codes
