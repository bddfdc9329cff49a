// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// The markings printed on surface-mount resistors: three digits (472, 4R7,
// R47), four digits (4702, 1R00, R010) and EIA-96 (two digits for the E96
// figures, then a letter for the multiplier: 01C is 10 kilo-ohms, 1 %).

#include <optional>
#include <string>
#include <string_view>

#include "stripewise_codes/answer.h"

namespace stripewise::codes {

// The part a marking describes, in either case. Two digits and a letter are
// always EIA-96 (47R is 3.01 ohms), which implies 1 %; the digit markings
// say no tolerance.
Result<Part> ReadMarking(std::string_view marking);

// The markings of a value, each where the value allows it.
struct Markings {
  std::optional<std::string> three_digit;
  std::optional<std::string> four_digit;
  std::optional<std::string> eia96;  // with Y, X and B of the letters that share a multiplier
};
Markings MarkingsOf(const Decimal& ohms);

}  // namespace stripewise::codes
