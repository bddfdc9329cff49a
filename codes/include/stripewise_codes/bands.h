// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// Colour bands, both ways: 1 band (a single black band: a zero-ohm link), 3
// (two digits and a multiplier, 20 %), 4 (with a tolerance band), 5 (three
// digits) and 6 (five, and the temperature coefficient).

#include <optional>
#include <span>
#include <vector>

#include "stripewise_codes/answer.h"
#include "stripewise_codes/colours.h"

namespace stripewise::codes {

// The part the bands describe, first band first. A black first band is read
// (black brown red gold is 100 ohms).
Result<Part> ReadBands(std::span<const Colour> bands);

// How a value is to be coded.
struct Coding {
  int bands = 4;                             // 3, 4, 5 or 6
  std::optional<Decimal> tolerance_percent;  // 5 % on 4 bands, 1 % on 5 and 6 when not given
  std::optional<int> tempco_ppm_per_kelvin;  // needed on 6 bands
};

// The bands that code a value exactly, first digit not black; zero ohms is
// the single black band. A value the bands cannot hold exactly, and one that
// was not read exactly, is refused with the two nearest values they can.
Result<std::vector<Colour>> WriteBands(const Decimal& ohms, const Coding& coding);
Result<std::vector<Colour>> WriteBands(const Reading& ohms, const Coding& coding);

// The same bands read from the other end, when that is another valid code:
// the list reversed, read by ReadBands, its first band not black, and not
// the same list. One band, and bands that read the same both ways, have no
// other end.
std::optional<std::vector<Colour>> OtherEnd(std::span<const Colour> bands);

}  // namespace stripewise::codes
