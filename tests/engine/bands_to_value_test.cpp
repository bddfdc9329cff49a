// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exact_decimal.h"
#include "recording.h"
#include "stripewise/conversions.h"

namespace stripewise {
namespace {

using testing::Bench;
using testing::Decimal;
using testing::kFocus;
using testing::kText1;
using testing::ShownBox;
using testing::Write;
using testing::Written;

enum Color { Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White, Gold, Silver };
enum Tolerance { DoNotCount, Brown1, Red2, Orange3, Yellow4, Gold5, Silver10, NoColor20 };

struct EdgeCase {
  int first, second, multiplier, tolerance;
  const char* text1;
  const char* label27;
  const char* label28;
  const char* label31;
  const char* label8;
};

TEST(Command1Click, WritesTheFiguresOfTheEdgeBands) {
  const EdgeCase cases[] = {
      {Yellow, Violet, Red, Gold5, "4700", "235", "4.7", "0.235", "Kilo-Ohm"},
      {Brown, Black, Green, Brown1, "1000000", "10000", "1", "0.01", "Mega-Ohm"},
      {White, White, White, NoColor20, "99000000000", "19800000000", "99000", "19800", "Mega-Ohm"},
      {White, White, Grey, DoNotCount, "9900000000", "0", "9900", "0", "Mega-Ohm"},
      {Yellow, Violet, Black, Orange3, "47", "1.41", "0.047", "0.00141", "Kilo-Ohm"},
      {Yellow, Violet, Gold, Gold5, "4.7", "0.235", "0.0047", "0.000235", "Kilo-Ohm"},
      {Brown, Black, Silver, Silver10, "0.1", "0.01", "0.0001", "1E-05", "Kilo-Ohm"},
      {Black, Black, Orange, Red2, "0", "0", "0", "0", "Kilo-Ohm"},
      {Black, Green, Brown, DoNotCount, "50", "0", "0.05", "0", "Kilo-Ohm"},
  };
  for (const auto& c : cases) {
    Bench bench(c.first, c.second, c.multiplier, c.tolerance);
    Command1_Click(bench.form, bench.boxes);
    SCOPED_TRACE(c.text1);
    EXPECT_EQ(bench.form.Text1(), c.text1);
    EXPECT_EQ(bench.Caption(LabelId::Label27), c.label27);
    EXPECT_EQ(bench.Caption(LabelId::Label28), c.label28);
    EXPECT_EQ(bench.Caption(LabelId::Label31), c.label31);
    EXPECT_EQ(bench.Caption(LabelId::Label8), c.label8);
    EXPECT_EQ(bench.Caption(LabelId::Label26), "Ohm Tolerence");
    EXPECT_EQ(bench.Caption(LabelId::Label32), std::string(c.label8) + " Tolerence");
    EXPECT_TRUE(bench.boxes.shown.empty());
  }
}

TEST(Command1Click, WritesText1AndTheResultsBeforeRepaintingTheBands) {
  Bench bench(Yellow, Violet, Red, Gold5);
  Command1_Click(bench.form, bench.boxes);
  EXPECT_EQ(
      bench.log.writes,
      (std::vector<Write>{kText1, LabelId::Label27, ShapeId::Shape5, LabelId::Label26,
                          LabelId::Label28, LabelId::Label31, LabelId::Label8, LabelId::Label32,
                          ShapeId::Shape2, ShapeId::Shape3, ShapeId::Shape4}));
}

// Without a digit or the multiplier, the message is the only effect.
TEST(Command1Click, AMissingBandShowsOneMessageAndWritesNothing) {
  const ShownBox expected{"Select First Digit, Second Digit and Multiplier.  ", "Select Digits",
                          MsgBoxStyle::Information};
  EXPECT_EQ(expected.prompt.size(), 50u);
  for (int missing = 1; missing < 8; ++missing) {  // every non-empty set of unselected lists
    Bench bench(missing & 1 ? -1 : Red, missing & 2 ? -1 : Red, missing & 4 ? -1 : Red, Gold5);
    Command1_Click(bench.form, bench.boxes);
    EXPECT_EQ(bench.boxes.shown, std::vector<ShownBox>{expected}) << missing;
    EXPECT_TRUE(bench.log.writes.empty()) << missing;
  }
}

TEST(Command1Click, KeepsEarlierResultsWhenABandIsMissing) {
  Bench bench(Yellow, Violet, Red, Gold5);
  Command1_Click(bench.form, bench.boxes);
  bench.form.SetListIndex(ListId::List2, -1);
  bench.log.writes.clear();
  Command1_Click(bench.form, bench.boxes);
  EXPECT_TRUE(bench.log.writes.empty());  // the log hears every write: nothing changed
  EXPECT_EQ(bench.Caption(LabelId::Label27), "235");
}

TEST(Command1Click, AnUnselectedToleranceLeavesItsFiguresAndDividesWhatLabel27Shows) {
  Bench bench(Yellow, Violet, Red, -1);
  Command1_Click(bench.form, bench.boxes);
  EXPECT_EQ(bench.Caption(LabelId::Label27), "");
  EXPECT_EQ(bench.Caption(LabelId::Label31), "0");
  EXPECT_EQ(bench.form.FillColor(ShapeId::Shape5), kButtonFaceColor);
  EXPECT_EQ(std::count(bench.log.writes.begin(), bench.log.writes.end(), Write{LabelId::Label27}),
            0);

  bench.form.SetCaption(LabelId::Label27, "470");  // left there by an earlier run
  Command1_Click(bench.form, bench.boxes);
  EXPECT_EQ(bench.Caption(LabelId::Label31), "0.47");
}

// Every band selection, against figures computed with exact decimals.
TEST(Command1Click, MatchesExactDecimalArithmeticOverTheWholeBandSpace) {
  const int percent[8] = {0, 1, 2, 3, 4, 5, 10, 20};
  for (int first = 0; first < 10; ++first) {
    for (int second = 0; second < 10; ++second) {
      for (int multiplier = 0; multiplier < 12; ++multiplier) {
        const int power = multiplier == Gold ? -1 : multiplier == Silver ? -2 : multiplier;
        const Decimal ohms{first * 10 + second, power};
        const bool mega = ohms.AtLeastPowerOfTen(6);
        const int shift = mega ? -6 : -3;
        for (int tolerance = 0; tolerance < 8; ++tolerance) {
          Bench bench(first, second, multiplier, tolerance);
          Command1_Click(bench.form, bench.boxes);
          const Decimal tol = ohms.Times(percent[tolerance], -2);
          const std::string where = Written(ohms) + " " + std::to_string(tolerance);
          ASSERT_LE(bench.form.Text1().size(), 11u) << where;
          ASSERT_EQ(bench.form.Text1(), Written(ohms)) << where;
          ASSERT_EQ(bench.Caption(LabelId::Label27), Written(tol)) << where;
          ASSERT_EQ(bench.Caption(LabelId::Label28), Written(ohms.Times(1, shift))) << where;
          ASSERT_EQ(bench.Caption(LabelId::Label31), Written(tol.Times(1, shift))) << where;
          ASSERT_EQ(bench.Caption(LabelId::Label8), mega ? "Mega-Ohm" : "Kilo-Ohm") << where;
          ASSERT_EQ(bench.Caption(LabelId::Label32),
                    mega ? "Mega-Ohm Tolerence" : "Kilo-Ohm Tolerence");
          ASSERT_EQ(bench.form.FillColor(ShapeId::Shape4), kBandColors[std::size_t(multiplier)]);
          ASSERT_EQ(bench.form.FillColor(ShapeId::Shape5),
                    kToleranceColors[std::size_t(tolerance)]);
          ASSERT_EQ(bench.log.writes.size(), 11u) << where;
          ASSERT_TRUE(bench.boxes.shown.empty()) << where;
        }
      }
    }
  }
}

}  // namespace
}  // namespace stripewise
