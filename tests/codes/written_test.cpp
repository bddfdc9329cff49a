// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_codes/written.h"

#include <gtest/gtest.h>

namespace stripewise::codes {
namespace {

TEST(ReadValue, ReadsNumbersPrefixesAndTheLetterCode) {
  const std::pair<const char*, Decimal> read[] = {{"4700", Decimal(47, 2)},
                                                  {"4.7e3", Decimal(47, 2)},
                                                  {"4.7k", Decimal(47, 2)},
                                                  {"4.7 k\u03A9", Decimal(47, 2)},
                                                  {"4.7K ohm", Decimal(47, 2)},
                                                  {"470m", Decimal(47, -2)},
                                                  {"2.2M", Decimal(22, 5)},
                                                  {"1G", Decimal(1, 9)},
                                                  {"1g ohms", Decimal(1, 9)},
                                                  {"4K7", Decimal(47, 2)},
                                                  {"4k7", Decimal(47, 2)},
                                                  {"R47", Decimal(47, -2)},
                                                  {"4R7", Decimal(47, -1)},
                                                  {"2M2", Decimal(22, 5)},
                                                  {"1G5", Decimal(15, 8)},
                                                  {"2m2", Decimal(22, -4)},
                                                  {"47R", Decimal(47, 0)},
                                                  {" 10 Ohms ", Decimal(1, 1)},
                                                  {"0", Decimal()},
                                                  {".47", Decimal(47, -2)},
                                                  {"4.7\u2126", Decimal(47, -1)}};
  for (const auto& [text, ohms] : read) {
    const Result<Reading> value = ReadValue(text);
    ASSERT_TRUE(value.Ok() && value.Value().exact) << text;
    EXPECT_EQ(value.Value().value, ohms) << text;
  }
  for (const char* text :
       {"", "4x7", "-47", "4.7 kk", "4k7k", "k", "M", "4 7", "4.7e", "ohm", "4,7k", "4.7mm"}) {
    const Result<Reading> value = ReadValue(text);
    ASSERT_FALSE(value.Ok()) << text;
    EXPECT_NE(value.Refusal().message.find(std::string("'") + text + "'"), std::string::npos);
  }
}

// A value written with its unit prefix reads back as itself, for every
// figure from 1 to 999 at every power a resistor has.
TEST(WithUnit, WritesWhatReadValueReadsBack) {
  EXPECT_EQ(WithUnit(Decimal(47, 2)), "4.7 k\u03A9");
  EXPECT_EQ(WithUnit(Decimal(47, -2)), "470 m\u03A9");
  EXPECT_EQ(WithUnit(Decimal(99, 9)), "99 G\u03A9");
  EXPECT_EQ(WithUnit(Decimal()), "0 \u03A9");
  for (int figures = 1; figures < 1000; ++figures) {
    for (int power = -5; power <= 10; ++power) {
      const Decimal ohms(figures, power);
      ASSERT_EQ(ReadValue(WithUnit(ohms)).Value().value, ohms) << WithUnit(ohms);
    }
  }
}

}  // namespace
}  // namespace stripewise::codes
