// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_codes/colours.h"

#include <array>
#include <string>

#include "helpers.h"

namespace stripewise::codes {
namespace {

// What each colour stands for, in Colour order.
struct Facts {
  std::string_view name;
  std::string_view letters;  // IEC 60757
  int power;                 // as a multiplier
  std::optional<Decimal> tolerance;
  std::optional<int> tempco;
};

constexpr std::array<Facts, 13> kFacts = {{
    {"black", "BK", 0, std::nullopt, 250},
    {"brown", "BN", 1, Decimal{1, 0}, 100},
    {"red", "RD", 2, Decimal{2, 0}, 50},
    {"orange", "OG", 3, Decimal{5, -2}, 15},
    {"yellow", "YE", 4, Decimal{2, -2}, 25},
    {"green", "GN", 5, Decimal{5, -1}, 20},
    {"blue", "BU", 6, Decimal{25, -2}, 10},
    {"violet", "VT", 7, Decimal{1, -1}, 5},
    {"grey", "GY", 8, Decimal{1, -2}, 1},
    {"white", "WH", 9, std::nullopt, std::nullopt},
    {"pink", "PK", -3, std::nullopt, std::nullopt},
    {"silver", "SR", -2, Decimal{10, 0}, std::nullopt},
    {"gold", "GD", -1, Decimal{5, 0}, std::nullopt},
}};

const Facts& FactsOf(Colour colour) { return kFacts[static_cast<std::size_t>(colour)]; }

template <typename Match>
std::optional<Colour> Find(Match match) {
  for (std::size_t i = 0; i < kFacts.size(); ++i) {
    if (match(kFacts[i])) return static_cast<Colour>(i);
  }
  return std::nullopt;
}

}  // namespace

std::string_view NameOf(Colour colour) { return FactsOf(colour).name; }

std::string_view LettersOf(Colour colour) { return FactsOf(colour).letters; }

std::optional<Colour> ParseColour(std::string_view word) {
  char folded[8];  // no name is longer than "purple" and "silver"
  if (word.size() > 6) return std::nullopt;
  for (std::size_t i = 0; i < word.size(); ++i) folded[i] = detail::ToLower(word[i]);
  const std::string_view lower(folded, word.size());
  if (lower == "gray") return Colour::Grey;
  if (lower == "purple") return Colour::Violet;
  if (lower.size() == 2) {
    const char letters[2] = {detail::ToUpper(lower[0]), detail::ToUpper(lower[1])};
    return Find([&](const Facts& facts) { return facts.letters == std::string_view(letters, 2); });
  }
  return Find([lower](const Facts& facts) { return facts.name == lower; });
}

std::optional<int> DigitOf(Colour colour) {
  const int power = FactsOf(colour).power;
  return colour <= Colour::White ? std::optional<int>(power) : std::nullopt;
}

Colour DigitColour(int digit) { return static_cast<Colour>(digit); }

int PowerOf(Colour colour) { return FactsOf(colour).power; }

Colour PowerColour(int power) {
  return *Find([power](const Facts& facts) { return facts.power == power; });
}

std::optional<Decimal> ToleranceOf(Colour colour) { return FactsOf(colour).tolerance; }

std::optional<Colour> ToleranceColour(const Decimal& percent) {
  return Find([&percent](const Facts& facts) { return facts.tolerance == percent; });
}

std::optional<int> TempcoOf(Colour colour) { return FactsOf(colour).tempco; }

std::optional<Colour> TempcoColour(int ppm_per_kelvin) {
  return Find([ppm_per_kelvin](const Facts& facts) { return facts.tempco == ppm_per_kelvin; });
}

}  // namespace stripewise::codes
