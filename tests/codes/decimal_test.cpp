// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_codes/decimal.h"

#include <gtest/gtest.h>

#include <string>

namespace stripewise::codes {
namespace {

// Numbers read in full, whatever their digits and exponents: exactly when
// a decimal holds them, otherwise by the decimal just below and their
// magnitude, never rounded or capped.
TEST(Decimal, ReadsEveryNumberInFullAndNamesWhatItCannotHold) {
  const struct {
    std::string text;
    Decimal value;
    const char* name;  // nullptr for an exact reading
  } kRead[] = {
      {"4700", Decimal(47, 2), nullptr},
      {"4.7e3", Decimal(47, 2), nullptr},
      {".47", Decimal(47, -2), nullptr},
      {"007.50", Decimal(75, -1), nullptr},
      {"0", Decimal(), nullptr},
      {"0.000e999999", Decimal(), nullptr},
      {"4.7E+3", Decimal(47, 2), nullptr},
      {"1e30", Decimal(1, 30), nullptr},
      {"1e-30", Decimal(1, -30), nullptr},
      {"999999999999999", Decimal(999999999999999, 0), nullptr},
      {"1000000000000000000000", Decimal(1, 21), nullptr},
      {"0." + std::string(996, '0') + "47e999", Decimal(47, 1), nullptr},
      {"1e31", Decimal(999999999999999, 16), "10e30"},
      {"1e400", Decimal(999999999999999, 16), "10e399"},
      {"1e-400", Decimal(), "100e-402"},
      {"4.7e-31", Decimal(), "470e-33"},
      {"99999999999999999", Decimal(999999999999999, 2), "99.9999999999999\u2026e15"},
      {"4.70000000000000001", Decimal(47, -1), "4.7\u2026e0"},
      {"1" + std::string(5000, '2'), Decimal(999999999999999, 16), "122.222222222222\u2026e4998"},
      {"1e99999999999999999999", Decimal(999999999999999, 16), "more than 1e1000000000000000"},
      {"1e-99999999999999999999", Decimal(), "less than 1e-1000000000000000"},
  };
  for (const auto& read : kRead) {
    const std::optional<Reading> reading = Decimal::Read(read.text);
    const std::string where = read.text.substr(0, 30);
    ASSERT_TRUE(reading) << where;
    EXPECT_EQ(reading->value, read.value) << where;
    EXPECT_EQ(reading->exact, read.name == nullptr) << where;
    EXPECT_EQ(reading->name, read.name == nullptr ? "" : read.name) << where;
    EXPECT_EQ(Decimal::Parse(read.text).has_value(), read.name == nullptr) << where;
  }
  for (const char* text :
       {"", ".", "e3", "4.7e", "4.7e+", "-1", "+1", "1..2", "4.7.", "4 7", "1e3.5", "0x10", "4k"}) {
    EXPECT_FALSE(Decimal::Read(text)) << text;
  }
  EXPECT_EQ(Decimal::Read("4.7", 3)->value, Decimal(47, 2));
}

// Digits, order, the exact products, sums and differences, comparisons of
// products beyond 64 bits, and the plain writing.
TEST(Decimal, ComputesAndComparesExactly) {
  EXPECT_EQ(Decimal(4700, 0), Decimal(47, 2));
  EXPECT_EQ(Decimal(47, 2).Digits(), 2);
  EXPECT_EQ(Decimal(47, 2).Order(), 3);
  EXPECT_EQ(Decimal(47, -2).Order(), -1);
  EXPECT_EQ(Decimal(999999999999999, 0).Digits(), 15);
  EXPECT_EQ(Decimal(47, 2).Times(Decimal(95, -2)), Decimal(4465, 0));
  EXPECT_EQ(Decimal(100, 0).Minus(Decimal(5, -2)), Decimal(9995, -2));
  EXPECT_EQ(Decimal(1, 12).Plus(Decimal(1, -2)), Decimal(100000000000001, -2));
  EXPECT_THROW(Decimal(1, 0).Minus(Decimal(2, 0)), std::domain_error);
  EXPECT_LT(Decimal(47, -1), Decimal(5, 0));
  EXPECT_GT(Decimal(1, 0), Decimal());
  EXPECT_LT(Decimal(999, -3), Decimal(1, 0));
  // (10^15 - 1)^2 is (10^15 - 2) x 10^15 + 1: they differ in the 30th digit.
  const Decimal big(999999999999999, 0);
  EXPECT_EQ(CompareProducts(big, big, Decimal(999999999999998, 0), Decimal(1, 15)),
            std::strong_ordering::greater);
  EXPECT_EQ(CompareProducts(Decimal(2, 0), Decimal(5, 0), Decimal(1, 1), Decimal(1, 0)),
            std::strong_ordering::equal);
  EXPECT_EQ(CompareProducts(Decimal(), big, Decimal(1, -9), Decimal(1, 0)),
            std::strong_ordering::less);
  const std::pair<Decimal, const char*> kPlain[] = {
      {Decimal(47, 2), "4700"},   {Decimal(47, -2), "0.47"},
      {Decimal(47, -1), "4.7"},   {Decimal(), "0"},
      {Decimal(5, -4), "0.0005"}, {Decimal(123456789012345, -3), "123456789012.345"}};
  for (const auto& [value, text] : kPlain) EXPECT_EQ(value.Plain(), text);
}

}  // namespace
}  // namespace stripewise::codes
