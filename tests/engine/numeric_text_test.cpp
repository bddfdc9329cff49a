// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise/numeric_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <random>
#include <string>

#include "stripewise/runtime_error.h"

namespace stripewise {
namespace {

struct ValueCase {
  const char* text;
  double value;
};

TEST(ValueOfText, ReadsTheLeadingNumber) {
  const ValueCase cases[] = {
      {"abc", 0},
      {"12abc", 12},
      {"1 2", 12},
      {".47", 0.47},
      {"-4.7", -4.7},
      {"+.5", 0.5},
      {"", 0},
      {" ", 0},
      {"\t4\n7 ", 47},
      {"1e3", 1000},
      {"1E+3", 1000},
      {"1d3", 1000},
      {"2D-2", 0.02},
      {"1e", 1},
      {"1e+", 1},
      {"1ex5", 1},
      {"--5", 0},
      {"-", 0},
      {".", 0},
      {"1.2.3", 1.2},
      {"5.", 5},
      {"1 e 3", 1000},
      {"0.0000235", 0.0000235},
      {"1E+15", 1e15},
      {"99999999999", 99999999999.0},
      {"12,5", 12},
      {"\r5", 0},
      {"\xc3\xa9"
       "5",
       0},
      {"e5", 0},
      {"&", 0},
      {"&HFF", 255},
      {"&hff", 255},
      {"&O17", 15},
      {"&o777", 511},
      {"&H", 0},
      {"&HFFFFFFFF", -1},
      {"&H7FFFFFFF", 2147483647.0},
      {"&H1FFFFFFFF", -1},
      {"&O8", 0},
      {"&X5", 0},
      {"-&H10", 0},
      {"0e999999999999999999", 0},
      {"1e-400", 0},
      {"-1e-400", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ValueOfText(c.text), c.value) << '"' << c.text << '"';
  }
}

TEST(ValueOfText, FailsOnlyBeyondTheRangeOfADouble) {
  const std::string too_large[] = {
      "1e400", "-1e309", "1.8e308", "1D99999999999999999999", std::string(400, '9'), "0.01e311"};
  for (const auto& text : too_large) {
    try {
      ValueOfText(text);
      ADD_FAILURE() << text << " read without an error";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.Kind(), ErrorKind::Overflow) << text;
    }
  }
  EXPECT_EQ(ValueOfText("1.7976931348623157e308"), std::numeric_limits<double>::max());
  EXPECT_EQ(ValueOfText("4.9e-324"), std::numeric_limits<double>::denorm_min());
  EXPECT_EQ(ValueOfText("0." + std::string(500, '0') + "1e500"), 0.1);
}

// Random well-formed decimal texts read as the C library reads them.
TEST(ValueOfText, AgreesWithStrtodOnDecimalText) {
  std::mt19937_64 random(42);
  std::uniform_int_distribution<int> digit(0, 9), count(0, 12), exponent(-330, 330);
  for (int i = 0; i < 200000; ++i) {
    std::string text = random() % 2 ? "-" : "";
    for (int n = count(random); n > 0; --n) text += static_cast<char>('0' + digit(random));
    text += '.';
    for (int n = count(random) + 1; n > 0; --n) text += static_cast<char>('0' + digit(random));
    if (random() % 2) {
      text += 'e';
      text += std::to_string(exponent(random));
    }
    const double expected = std::strtod(text.c_str(), nullptr);
    if (std::isinf(expected)) continue;
    ASSERT_EQ(ValueOfText(text), expected) << text;
  }
}

// Whatever the double, the text is what C's printf writes for "%.15G"
// (4.7 is 4.7, 0.0000235 is 2.35E-05, 1E+15), except that -0 is 0.
TEST(NumberText, MatchesPrintfAcrossDoubles) {
  EXPECT_EQ(NumberText(-0.0), "0");
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> mantissa(-10, 10);
  std::uniform_int_distribution<int> exponent(-330, 310);
  char expected[64];
  std::uniform_int_distribution<std::int64_t> digits(1, 999999999);
  std::uniform_int_distribution<int> places(0, 12);
  for (int i = 0; i < 300000; ++i) {
    double value = i % 3 == 0 ? std::bit_cast<double>(random())
                              : mantissa(random) * std::pow(10.0, exponent(random));
    if (i % 3 == 2) value = static_cast<double>(digits(random)) / std::pow(10.0, places(random));
    if (!std::isfinite(value) || value == 0) continue;
    std::snprintf(expected, sizeof expected, "%.15G", value);
    ASSERT_EQ(NumberText(value), expected) << value;
  }
}

TEST(NumberText, ReadsBackAsTheSameShortText) {
  EXPECT_EQ(NumberText(ValueOfText("0.47")), "0.47");
  EXPECT_EQ(NumberText(ValueOfText("1E+15")), "1E+15");
  EXPECT_EQ(ValueOfText(NumberText(1e15)), 1e15);
  for (int n = 0; n < 100000; ++n) {
    const std::string text = std::to_string(n / 100) + "." + std::to_string(n % 100);
    EXPECT_EQ(NumberText(ValueOfText(NumberText(ValueOfText(text)))),
              NumberText(ValueOfText(text)));
  }
}

TEST(TextToInteger, TakesOnlyDecimalIntegerText) {
  for (int d = 0; d <= 9; ++d) EXPECT_EQ(TextToSmallInt(std::string(1, char('0' + d))), d);
  EXPECT_EQ(TextToInt32("8421504"), 8421504);
  EXPECT_EQ(TextToInt32("-1"), -1);
  for (const char* text : {"", ".", "E", "-", " ", "1.5", "4 7", "x", "+"}) {
    EXPECT_THROW(TextToSmallInt(text), RuntimeError) << text;
    EXPECT_THROW(TextToInt32(text), RuntimeError) << text;
  }
  try {
    TextToSmallInt("40000");
    ADD_FAILURE();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Kind(), ErrorKind::Overflow);
  }
  EXPECT_THROW(TextToInt32("2147483648"), RuntimeError);
}

// Invalid operations, divisions by zero and overflows fault; NaN operands,
// infinite operands with an exact result and underflows pass, as the IEEE
// 754 status flags would say.
TEST(Arithmetic, FaultsOnInvalidOperationsDivisionsByZeroAndOverflowsOnly) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double max = std::numeric_limits<double>::max();
  const double tiny = std::numeric_limits<double>::denorm_min();
  using K = ErrorKind;
  const struct {
    bool divide;
    double a, b;
    std::optional<ErrorKind> fault;
  } cases[] = {
      {false, 0.0, inf, K::InvalidOperation}, {false, -inf, -0.0, K::InvalidOperation},
      {false, 1e308, 10, K::Overflow},        {false, -max, max, K::Overflow},
      {false, nan, 0.0, std::nullopt},        {false, inf, -inf, std::nullopt},
      {false, inf, 1e-310, std::nullopt},     {false, 1e-310, 1e-310, std::nullopt},
      {false, tiny, 0.1, std::nullopt},       {false, 0.1, 10, std::nullopt},
      {true, 0.0, -0.0, K::InvalidOperation}, {true, inf, -inf, K::InvalidOperation},
      {true, 1.0, 0.0, K::DivisionByZero},    {true, -1e-310, -0.0, K::DivisionByZero},
      {true, max, 0.1, K::Overflow},          {true, 1e308, 1e-308, K::Overflow},
      {true, inf, 0.0, std::nullopt},         {true, nan, 0.0, std::nullopt},
      {true, 0.0, nan, std::nullopt},         {true, 1.0, inf, std::nullopt},
      {true, 1e-308, 1e10, std::nullopt},     {true, -inf, 2, std::nullopt},
  };
  for (const auto& c : cases) {
    std::optional<ErrorKind> fault;
    try {
      c.divide ? CheckedDiv(c.a, c.b) : CheckedMul(c.a, c.b);
    } catch (const RuntimeError& e) {
      fault = e.Kind();
    }
    EXPECT_EQ(fault, c.fault) << c.a << (c.divide ? " / " : " * ") << c.b;
  }
}

}  // namespace
}  // namespace stripewise
