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

// The resistance a text writes, in ohms. Prefixes m (milli), k or K (kilo),
// M (mega), G or g (giga); the letter code takes R or r for ohms as well;
// "Ω", "ohm" or "ohms" may follow. Anything else is refused, naming the text.
Result<Decimal> ReadValue(std::string_view text);

// A resistance with its unit prefix: "4.7 kΩ", "470 mΩ", "0 Ω".
std::string WithUnit(const Decimal& ohms);

}  // namespace stripewise::codes
