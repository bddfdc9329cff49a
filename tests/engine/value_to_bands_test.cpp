// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "recording.h"
#include "stripewise/conversions.h"

namespace stripewise {
namespace {

using testing::Bench;
using testing::kFocus;
using testing::kText1;
using testing::ShownBox;
using testing::Write;

enum Color { Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White, Gold, Silver };
constexpr int kGold5 = 5;

std::vector<int> Bands(const Form1Record& form) {
  return {form.ListIndex(ListId::List1), form.ListIndex(ListId::List2),
          form.ListIndex(ListId::List3)};
}

struct Coded {
  const char* typed;
  int first, second, multiplier;
  const char* text1;
};

void ExpectCoded(const Coded& c) {
  Bench bench(-1, -1, -1, kGold5);
  bench.Type(c.typed);
  Command2_Click(bench.form, bench.boxes);
  SCOPED_TRACE(c.typed);
  EXPECT_EQ(Bands(bench.form), (std::vector<int>{c.first, c.second, c.multiplier}));
  EXPECT_EQ(bench.form.Text1(), c.text1);
  EXPECT_TRUE(bench.boxes.shown.empty());
  EXPECT_EQ(bench.form.ListIndex(ListId::List4), kGold5);
}

TEST(Command2Click, CodesTypedValuesWithTwoSignificantFigures) {
  const Coded cases[] = {
      {"4700", Yellow, Violet, Red, "4700"},
      {"4750", Yellow, Violet, Red, "4700"},
      {"475", Yellow, Violet, Brown, "470"},
      {"47", Yellow, Violet, Black, "47"},
      {"-47", Yellow, Violet, Black, "47"},
      {"5", Green, Black, Gold, "5"},
      {"0", Black, Black, Gold, "0"},
      {"abc", Black, Black, Gold, "0"},
      {"4.7", Yellow, Violet, Gold, "4.7"},
      {"4.75", Yellow, Grey, Gold, "4.8"},
      {"47.9", Yellow, Violet, Black, "47"},
      {"0.5", Green, Black, Silver, "0.5"},
      {".5", Green, Black, Silver, "0.5"},
      {"0.47", Yellow, Violet, Silver, "0.47"},
      {".47", Yellow, Violet, Silver, "0.47"},
      {"0.05", Black, Green, Silver, "0.05"},
      {"47000", Yellow, Violet, Orange, "47000"},
      {"1e3", Brown, Black, Red, "1000"},
      {"470000", Yellow, Violet, Yellow, "470000"},
      {"99999999999", White, White, White, "99000000000"},
      {" ", Black, Black, Gold, "0"},
      {"4.25", Yellow, Red, Gold, "4.2"},
      {"1.35", Brown, Yellow, Gold, "1.4"},
      {"&H3E8", Brown, Black, Red, "1000"},
  };
  for (const auto& c : cases) ExpectCoded(c);
}

// Roundings of 1 < V < 10 to a whole number code that whole number.
TEST(Command2Click, CodesAWholeRoundingWithTwoSignificantFigures) {
  const Coded cases[] = {
      {"1.01", Brown, Black, Gold, "1"},   {"1.04", Brown, Black, Gold, "1"},
      {"1.05", Brown, Black, Gold, "1"},   {"1.95", Red, Black, Gold, "2"},
      {"2.97", Orange, Black, Gold, "3"},  {"9.95", Brown, Black, Black, "10"},
      {"9.96", Brown, Black, Black, "10"}, {"9.99", Brown, Black, Black, "10"},
  };
  for (const auto& c : cases) ExpectCoded(c);
}

// Every x.yz from 1.01 to 9.99 ends as x.yz rounded to tenths, half to even.
TEST(Command2Click, RoundsEveryTwoDecimalValueBelowTenToTenths) {
  for (int hundredths = 101; hundredths < 1000; ++hundredths) {
    if (hundredths % 10 == 0) continue;  // x.y0 is written x.y
    int tenths = hundredths / 10;
    const int rest = hundredths % 10;
    if (rest > 5 || (rest == 5 && tenths % 2 == 1)) ++tenths;
    const std::string typed = std::to_string(hundredths / 100) + "." +
                              std::to_string(hundredths / 10 % 10) + std::to_string(rest);
    const std::string expected =
        tenths % 10 == 0 ? std::to_string(tenths / 10)
                         : std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
    Bench bench(-1, -1, -1, kGold5);
    bench.Type(typed);
    Command2_Click(bench.form, bench.boxes);
    ASSERT_EQ(bench.form.Text1(), expected) << typed;
  }
}

struct Refusal {
  const char* typed;
  ShownBox box;
  bool focus;
};

TEST(Command2Click, RefusesWithOneMessageAndWritesNothingElse) {
  const ShownBox invalid{"Invalid Input", "Error", MsgBoxStyle::OkOnly};
  const ShownBox fraction{"Large Resistor Value should not be Fractional.",
                          "Large Fractional Value", MsgBoxStyle::OkOnly};
  const ShownBox missing{"Write proper Resistor Value.", "Resistor Value Missing",
                         MsgBoxStyle::Critical};
  const ShownBox range{"Resistor Value should not be more than 99000000000 Ohm.",
                       "Value Out Of Range", MsgBoxStyle::Critical};
  const Refusal cases[] = {
      {"12.34", invalid, false},  {"4.725", invalid, false},  {"0.005", invalid, false},
      {"1E-05", invalid, false},  {"123.45", fraction, true}, {"0.0047", fraction, true},
      {"0.0001", fraction, true}, {"", missing, true},        {"1e11", range, true},
      {"1E+15", range, true},     {"1.5E+20", range, true},   {"100000000000", range, true},
      {"1e400", range, true},     {"-1e400", range, true},    {"1e308", range, true},
  };
  for (const auto& c : cases) {
    Bench bench(Yellow, Violet, Red, kGold5);
    Command1_Click(bench.form, bench.boxes);
    bench.form.SetText1(c.typed);
    bench.log.writes.clear();
    Command2_Click(bench.form, bench.boxes);
    SCOPED_TRACE(c.typed);
    EXPECT_EQ(bench.boxes.shown, std::vector<ShownBox>{c.box});
    // The log hears every write: nothing but the focus changed.
    EXPECT_EQ(bench.log.writes, c.focus ? std::vector<Write>{kFocus} : std::vector<Write>{});
  }
}

// The writes of a complete run: the three bands set and repainted one after
// the other, then Text1 rewritten, then the nested bands-to-value run.
const std::vector<Write> kConverted = {
    ListId::List1,    ShapeId::Shape2,  ListId::List2,    ShapeId::Shape3,  ListId::List3,
    ShapeId::Shape4,  kText1,           kText1,           LabelId::Label27, ShapeId::Shape5,
    LabelId::Label26, LabelId::Label28, LabelId::Label31, LabelId::Label8,  LabelId::Label32,
    ShapeId::Shape2,  ShapeId::Shape3,  ShapeId::Shape4};

TEST(Command2Click, SetsTheBandsInOrderBeforeRunningCommand1) {
  Bench bench(-1, -1, -1, kGold5);
  bench.Type("4700");
  Command2_Click(bench.form, bench.boxes);
  EXPECT_EQ(bench.log.writes, kConverted);
  EXPECT_EQ(bench.Caption(LabelId::Label27), "235");
}

// Whatever Command1_Click writes, typed back, codes to the same text.
TEST(Command2Click, RoundTripsTheValueOfEveryBandSelection) {
  for (int first = 0; first < 10; ++first) {
    for (int second = 0; second < 10; ++second) {
      for (int multiplier = 0; multiplier < 12; ++multiplier) {
        Bench bench(first, second, multiplier, kGold5);
        Command1_Click(bench.form, bench.boxes);
        const std::string value = bench.form.Text1();
        Command2_Click(bench.form, bench.boxes);
        ASSERT_EQ(bench.form.Text1(), value);
        ASSERT_TRUE(bench.boxes.shown.empty()) << value;
      }
    }
  }
}

// A run ends with one message and nothing written but the focus, or with the
// bands set, Text1 rewritten and the results complete; never half-way.
void ExpectOneOfTwoEndings(const std::string& typed) {
  Bench bench(-1, -1, -1, kGold5);
  bench.Type(typed);
  Command2_Click(bench.form, bench.boxes);
  const auto& effects = bench.log.writes;
  if (!bench.boxes.shown.empty()) {
    ASSERT_EQ(bench.boxes.shown.size(), 1u) << typed;
    ASSERT_TRUE(effects.empty() || effects == std::vector<Write>{kFocus}) << typed;
    return;
  }
  ASSERT_EQ(effects, kConverted) << '"' << typed << '"';
  ASSERT_LE(bench.form.Text1().size(), 11u) << typed;
}

// A sample of typed texts; the fuzz target (scripts/fuzz) runs the long sweep.
TEST(Command2Click, EndsOneOfTwoWaysForTextsOfUpToElevenCharacters) {
  std::mt19937 random(2026);
  const std::vector<std::string> pieces = {"0",  "1", "2", "3", "4", "5", "6", "7", "8",  "9",
                                           ".",  "e", "E", "d", "D", "+", "-", " ", "\t", "&H",
                                           "&O", "a", "x", "F", "Z", "0", "9", "5", "."};
  std::uniform_int_distribution<std::size_t> piece(0, pieces.size() - 1), length(0, 11);
  for (int i = 0; i < 20'000; ++i) {
    std::string typed;
    for (std::size_t n = length(random); typed.size() < n;) typed += pieces[piece(random)];
    if (typed.size() > 11) typed.resize(11);
    ExpectOneOfTwoEndings(typed);
  }
}

TEST(Command2Click, EndsOneOfTwoWaysForWholeNumbersAndEveryShortDecimal) {
  for (int n = 0; n <= 99999; n += n < 1000 ? 1 : 97) ExpectOneOfTwoEndings(std::to_string(n));
  const std::string alphabet = "0123456789.";
  for (int length = 1; length <= 3; ++length) {
    std::vector<std::size_t> at(static_cast<std::size_t>(length), 0);
    while (true) {
      std::string typed;
      for (std::size_t k : at) typed += alphabet[k];
      ExpectOneOfTwoEndings(typed);
      std::size_t k = 0;
      while (k < at.size() && ++at[k] == alphabet.size()) at[k++] = 0;
      if (k == at.size()) break;
    }
  }
}

}  // namespace
}  // namespace stripewise
