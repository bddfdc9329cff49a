// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// Resistances as people write them: 4700, 4.7e3, 4.7k, 4.7 kΩ, 470m, 2.2M,
// 1G, and the letter code of schematics where the letter stands for the
// decimal point (4K7, R47, 2M2).

#include <string>
#include <string_view>

#include "stripewise_codes/answer.h"
#include "stripewise_codes/decimal.h"

namespace stripewise::codes {

// The resistance a text writes, in ohms, read in full: exactly, or named
// when no decimal holds it. Prefixes m (milli), k or K (kilo), M (mega), G
// or g (giga); the letter code takes R or r for ohms as well; "Ω", "ohm" or
// "ohms" may follow. Anything else is refused, naming the text.
Result<Reading> ReadValue(std::string_view text);

// A resistance with its unit prefix, "4.7 kΩ", "470 mΩ", "0 Ω", or beyond
// 0.1 mΩ to 99999 GΩ in engineering form: "100e12 Ω".
std::string WithUnit(const Decimal& ohms);
void AppendWithUnit(std::string& out, const Decimal& ohms);

// A number written plainly from 0.0001 to below 10^14, "4.7", "0.05", and
// in engineering form beyond: "100e12".
std::string NumberText(const Decimal& number);
void AppendNumber(std::string& out, const Decimal& number);

}  // namespace stripewise::codes
