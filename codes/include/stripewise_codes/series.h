// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// The standard values of resistors (IEC 60063): the E series, each a set of
// figures repeated in every decade.

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "stripewise_codes/decimal.h"

namespace stripewise::codes {

enum class Series : std::uint8_t { E3, E6, E12, E24, E48, E96, E192 };

// Every series, from the coarsest.
inline constexpr Series kAllSeries[] = {Series::E3,  Series::E6,  Series::E12, Series::E24,
                                        Series::E48, Series::E96, Series::E192};

// "E24".
std::string_view NameOf(Series series);
// A series by its name, in any case.
std::optional<Series> ParseSeries(std::string_view name);

// The figures of a series in one decade, ascending: two figures (10 to 91)
// for E3 to E24, three (100 to 988) for E48 to E192.
std::span<const int> Figures(Series series);

// The series that hold a value, from the coarsest; none for zero.
std::vector<Series> SeriesOf(const Decimal& ohms);

// The value of a series nearest to a value above zero, nearest on a
// logarithmic scale; a tie goes to the lower value.
Decimal Nearest(const Decimal& ohms, Series series);

}  // namespace stripewise::codes
