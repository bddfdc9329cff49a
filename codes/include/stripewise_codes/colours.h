// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// The colours of the resistor colour code (IEC 60062) and what each stands
// for in each kind of band.

#include <optional>
#include <string_view>

#include "stripewise_codes/decimal.h"

namespace stripewise::codes {

enum class Colour : std::uint8_t {
  Black,
  Brown,
  Red,
  Orange,
  Yellow,
  Green,
  Blue,
  Violet,
  Grey,
  White,
  Pink,
  Silver,
  Gold,
};

// Its English name in lower case: "violet", "grey".
std::string_view NameOf(Colour colour);
// Its IEC 60757 letters: "VT", "GY".
std::string_view LettersOf(Colour colour);

// A colour by its English name in any case (gray and grey, purple for
// violet) or by its IEC 60757 letters (BK BN RD OG YE GN BU VT GY WH PK GD SR).
std::optional<Colour> ParseColour(std::string_view word);

// The digit a digit band of this colour stands for: black 0 to white 9.
std::optional<int> DigitOf(Colour colour);
// The colour of a digit 0-9.
Colour DigitColour(int digit);

// The power of ten of a multiplier band: pink -3, silver -2, gold -1, black
// to white 0 to 9.
int PowerOf(Colour colour);
// The colour of a multiplier power from -3 to 9.
Colour PowerColour(int power);

// The tolerance in percent of a tolerance band; nothing for a colour that no
// tolerance band takes. A resistor without one is 20 %.
std::optional<Decimal> ToleranceOf(Colour colour);
// The colour of a tolerance in percent, if a band has one.
std::optional<Colour> ToleranceColour(const Decimal& percent);
inline constexpr Decimal kNoBandTolerance{20, 0};

// The temperature coefficient, in ppm/K, of a sixth band.
std::optional<int> TempcoOf(Colour colour);
std::optional<Colour> TempcoColour(int ppm_per_kelvin);

}  // namespace stripewise::codes
