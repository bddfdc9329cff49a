// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_codes/series.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace stripewise::codes {
namespace {

// E24 with its historic values; E3 to E12 every 8th, 4th, 2nd of them.
// E192 is 10^(i/192) to three figures but 920 for 919; E48 and E96 every
// 4th and 2nd of it.
TEST(Series, HoldTheStandardFigures) {
  const std::vector<int> e24 = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
  const auto every = [](const std::vector<int>& all, std::size_t step) {
    std::vector<int> some;
    for (std::size_t i = 0; i < all.size(); i += step) some.push_back(all[i]);
    return some;
  };
  std::vector<int> e192;
  e192.reserve(192);
  for (int i = 0; i < 192; ++i)
    e192.push_back(static_cast<int>(std::lround(100 * std::pow(10.0L, i / 192.0L))));
  std::replace(e192.begin(), e192.end(), 919, 920);
  const std::vector<int> expected[] = {every(e24, 8),  every(e24, 4),  every(e24, 2), e24,
                                       every(e192, 4), every(e192, 2), e192};
  for (std::size_t s = 0; s < std::size(kAllSeries); ++s) {
    const auto figures = Figures(kAllSeries[s]);
    EXPECT_EQ(std::vector<int>(figures.begin(), figures.end()), expected[s])
        << NameOf(kAllSeries[s]);
  }
}

// Every figure of every series, in every decade a resistor has, belongs to
// that series and is its own nearest; between two neighbours, the nearest
// is the one nearer on a logarithmic scale.
TEST(Series, EveryValueBelongsAndIsItsOwnNearestAndNeighboursSplitAtTheGeometricMean) {
  for (const Series series : kAllSeries) {
    const auto figures = Figures(series);
    const int scale = figures.front() == 10 ? 1 : 2;  // two or three figures
    for (std::size_t i = 0; i < figures.size(); ++i) {
      const double next = i + 1 < figures.size() ? figures[i + 1] : figures.front() * 10;
      const double mean = std::sqrt(figures[i] * next);  // where the nearest changes
      for (int power = -3 - scale; power <= 9 - scale; ++power) {
        const Decimal value(figures[i], power);
        const std::vector<Series> holding = SeriesOf(value);
        ASSERT_NE(std::find(holding.begin(), holding.end(), series), holding.end());
        ASSERT_EQ(Nearest(value, series), value);
        const auto below = Decimal(static_cast<std::int64_t>(std::floor(mean * 1000)), power - 3);
        const auto above = Decimal(static_cast<std::int64_t>(std::ceil(mean * 1000)), power - 3);
        ASSERT_EQ(Nearest(below, series), value) << NameOf(series) << " " << below.Plain();
        ASSERT_EQ(Nearest(above, series), Decimal(static_cast<std::int64_t>(next), power));
      }
    }
  }
  EXPECT_TRUE(SeriesOf(Decimal()).empty());
  EXPECT_TRUE(SeriesOf(Decimal(4751, 0)).empty());
  EXPECT_EQ(SeriesOf(Decimal(47, 2)),
            (std::vector{Series::E3, Series::E6, Series::E12, Series::E24, Series::E192}));
  EXPECT_EQ(ParseSeries("e24"), Series::E24);
  EXPECT_FALSE(ParseSeries("E25"));
}

}  // namespace
}  // namespace stripewise::codes
