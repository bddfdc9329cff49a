// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_codes/series.h"

#include <algorithm>
#include <array>
#include <string>

#include "helpers.h"

namespace stripewise::codes {
namespace {

// E24, with its historic values (2.7, 3.0, 3.3, 3.6, 3.9, 4.3, 4.7, 8.2 are
// not the rounded powers of ten); E3, E6 and E12 take every 8th, 4th and
// 2nd of them.
constexpr std::array<int, 24> kE24 = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                      33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

// E192: 10^(i/192) rounded to three figures, but 920 for 919; E48 and E96
// take every 4th and 2nd of them.
constexpr std::array<int, 192> kE192 = {
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123,
    124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152,
    154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189,
    191, 193, 196, 198, 200, 203, 205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234,
    237, 240, 243, 246, 249, 252, 255, 258, 261, 264, 267, 271, 274, 277, 280, 284, 287, 291,
    294, 298, 301, 305, 309, 312, 316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361,
    365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448,
    453, 459, 464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673, 681, 690,
    698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

template <std::size_t N, std::size_t Step>
constexpr std::array<int, N / Step> EveryNth(const std::array<int, N>& all) {
  std::array<int, N / Step> some{};
  for (std::size_t i = 0; i < some.size(); ++i) some[i] = all[i * Step];
  return some;
}

constexpr auto kE3 = EveryNth<24, 8>(kE24);
constexpr auto kE6 = EveryNth<24, 4>(kE24);
constexpr auto kE12 = EveryNth<24, 2>(kE24);
constexpr auto kE48 = EveryNth<192, 4>(kE192);
constexpr auto kE96 = EveryNth<192, 2>(kE192);

// How many figures the values of a series have.
int FiguresOf(Series series) { return series >= Series::E48 ? 3 : 2; }

}  // namespace

std::string_view NameOf(Series series) {
  static constexpr std::array<std::string_view, 7> kNames = {"E3",  "E6",  "E12", "E24",
                                                             "E48", "E96", "E192"};
  return kNames[static_cast<std::size_t>(series)];
}

std::optional<Series> ParseSeries(std::string_view name) {
  const std::string upper = detail::Upper(name);
  for (const Series series : kAllSeries) {
    if (NameOf(series) == upper) return series;
  }
  return std::nullopt;
}

std::span<const int> Figures(Series series) {
  switch (series) {
    case Series::E3:
      return kE3;
    case Series::E6:
      return kE6;
    case Series::E12:
      return kE12;
    case Series::E24:
      return kE24;
    case Series::E48:
      return kE48;
    case Series::E96:
      return kE96;
    case Series::E192:
      break;
  }
  return kE192;
}

namespace {

// Where a value's figures stand in E24 or E192; the coarser series take
// every 2nd, 4th or 8th figure of them.
std::optional<std::size_t> PlaceIn(const Decimal& ohms, std::span<const int> all, int figures) {
  const std::optional<int> value = detail::FiguresOfValue(ohms, figures);
  if (!value) return std::nullopt;
  const auto at = std::lower_bound(all.begin(), all.end(), *value);
  if (at == all.end() || *at != *value) return std::nullopt;
  return static_cast<std::size_t>(at - all.begin());
}

}  // namespace

std::vector<Series> SeriesOf(const Decimal& ohms) {
  std::vector<Series> holding;
  holding.reserve(std::size(kAllSeries));
  const auto add = [&holding](std::optional<std::size_t> place, std::initializer_list<Series> all,
                              std::size_t step) {
    for (const Series series : all) {
      if (place && *place % step == 0) holding.push_back(series);
      step /= 2;
    }
  };
  add(PlaceIn(ohms, kE24, 2), {Series::E3, Series::E6, Series::E12, Series::E24}, 8);
  add(PlaceIn(ohms, kE192, 3), {Series::E48, Series::E96, Series::E192}, 4);
  return holding;
}

// The value moved into the decade of the series' figures (4.75 kilo-ohms is
// 47.5 for two figures); between two neighbours a and b, it is nearer to a
// on a logarithmic scale when value / a < b / value, that is value^2 < a b.
Decimal Nearest(const Decimal& ohms, Series series) {
  const int figures = FiguresOf(series);
  const int shift = figures - 1 - ohms.Order();
  const Decimal scaled = ohms.Shifted(shift);
  const std::span<const int> all = Figures(series);
  const auto above = std::upper_bound(all.begin(), all.end(), scaled,
                                      [](const Decimal& v, int f) { return v < Decimal(f, 0); });
  const Decimal lower(*(above - 1), 0);
  // Past the last figure, the next one is the first of the next decade.
  const Decimal upper = above == all.end() ? Decimal(all.front(), 1) : Decimal(*above, 0);
  const bool nearer_lower = std::is_lteq(CompareProducts(scaled, scaled, lower, upper));
  return (nearer_lower ? lower : upper).Shifted(-shift);
}

}  // namespace stripewise::codes
