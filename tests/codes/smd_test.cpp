// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_codes/smd.h"

#include <gtest/gtest.h>

#include "stripewise_codes/series.h"

namespace stripewise::codes {
namespace {

TEST(ReadMarking, ReadsEachKindOfMarking) {
  const std::pair<const char*, Decimal> read[] = {
      {"472", Decimal(47, 2)},  {"4R7", Decimal(47, -1)}, {"R47", Decimal(47, -2)},
      {"000", Decimal()},       {"105", Decimal(1, 6)},   {"4702", Decimal(47, 3)},
      {"1R00", Decimal(1, 0)},  {"R010", Decimal(1, -2)}, {"0000", Decimal()},
      {"47R0", Decimal(47, 0)}, {"01c", Decimal(1, 4)},   {"47R", Decimal(301, -2)}};
  for (const auto& [marking, ohms] : read) {
    const Result<Part> part = ReadMarking(marking);
    ASSERT_TRUE(part.Ok()) << marking;
    EXPECT_EQ(part.Value().ohms, ohms) << marking;
    EXPECT_EQ(part.Value().tolerance_percent.has_value(),
              std::string(marking).size() == 3 && std::isalpha(marking[2]))
        << marking;
  }
  for (const char* marking : {"", "47", "00A", "97A", "47Q", "4K7", "4RR", "47021", "R", "4.7"}) {
    EXPECT_FALSE(ReadMarking(marking).Ok()) << marking;
  }
}

// All 96 x 12 EIA-96 markings: the E96 figures times the letter's power,
// 1 %; the marking written for that value reads back to it.
TEST(ReadMarking, ReadsEveryEia96MarkingAndWritesItBack) {
  const std::pair<char, int> letters[] = {{'Z', -3}, {'Y', -2}, {'R', -2}, {'X', -1},
                                          {'S', -1}, {'A', 0},  {'B', 1},  {'H', 1},
                                          {'C', 2},  {'D', 3},  {'E', 4},  {'F', 5}};
  const auto e96 = Figures(Series::E96);
  for (int index = 1; index <= 96; ++index) {
    for (const auto& [letter, power] : letters) {
      const std::string marking = (index < 10 ? "0" : "") + std::to_string(index) + letter;
      const Result<Part> part = ReadMarking(marking);
      ASSERT_TRUE(part.Ok()) << marking;
      ASSERT_EQ(part.Value().ohms, Decimal(e96[static_cast<std::size_t>(index - 1)], power));
      ASSERT_EQ(part.Value().tolerance_percent, Decimal(1, 0));
      ASSERT_EQ(ReadMarking(*MarkingsOf(part.Value().ohms).eia96).Value().ohms, part.Value().ohms);
    }
  }
}

// Every value of every series, in every decade from 1 milliohm to 10
// gigaohms, is written in each digit form that can hold it, and each
// marking written reads back to the value.
TEST(MarkingsOf, WriteEveryStandardValueInEachFormThatHoldsIt) {
  for (const Series series : kAllSeries) {
    for (const int figures : Figures(series)) {
      for (int power = -5; power <= 8; ++power) {
        const Decimal ohms(figures, power);
        const Markings markings = MarkingsOf(ohms);
        const int digits = ohms.Digits();
        // Three digits hold two figures in steps of 0.01 ohm (R01) up to
        // 99 x 10^9; four digits three figures in steps of 0.001 ohm (R001)
        // up to 999 x 10^9.
        EXPECT_EQ(markings.three_digit.has_value(),
                  digits <= 2 && ohms.Exponent() >= -2 && ohms < Decimal(1, 11))
            << ohms.Plain();
        EXPECT_EQ(markings.four_digit.has_value(),
                  digits <= 3 && ohms.Exponent() >= -3 && ohms < Decimal(1, 12))
            << ohms.Plain();
        for (const auto& marking : {markings.three_digit, markings.four_digit, markings.eia96}) {
          if (marking) {
            EXPECT_EQ(ReadMarking(*marking).Value().ohms, ohms) << *marking;
          }
        }
      }
    }
  }
  const Markings zero = MarkingsOf(Decimal());
  EXPECT_EQ(zero.three_digit, "000");
  EXPECT_EQ(zero.four_digit, "0000");
  EXPECT_FALSE(zero.eia96);
}

}  // namespace
}  // namespace stripewise::codes
