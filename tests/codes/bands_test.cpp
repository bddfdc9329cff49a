// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_codes/bands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "stated_colours.h"

namespace stripewise::codes {
namespace {

using enum Colour;
using testing::kStated;
using testing::Stated;

// Every tolerance and temperature coefficient colour, once, on six bands
// (brown black black black: 100 ohms); the others refused in those places.
TEST(ReadBands, EachToleranceAndTempcoColourSaysItsFigure) {
  for (const Stated& s : kStated) {
    const Result<Part> tolerance =
        ReadBands(std::vector{Brown, Black, Black, Black, s.colour, Red});
    ASSERT_EQ(tolerance.Ok(), s.tolerance_hundredths != 0) << NameOf(s.colour);
    if (tolerance.Ok()) {
      EXPECT_EQ(tolerance.Value().tolerance_percent, Decimal(s.tolerance_hundredths, -2));
      EXPECT_EQ(tolerance.Value().ohms, Decimal(100, 0));
    }
    const Result<Part> tempco = ReadBands(std::vector{Brown, Black, Black, Black, Brown, s.colour});
    ASSERT_EQ(tempco.Ok(), s.tempco != 0) << NameOf(s.colour);
    if (tempco.Ok()) {
      EXPECT_EQ(tempco.Value().tempco_ppm_per_kelvin, s.tempco);
    }
  }
}

// Every digit and multiplier combination of each band count decodes to
// its digits times its power of ten, and codes back to itself unless its
// first band is black; digit bands take only the ten digit colours.
TEST(Bands, EveryCombinationOfEachCountDecodesAndCodesBackToItself) {
  const std::vector<std::vector<Colour>> last = {{}, {Gold}, {Brown}, {Brown, Violet}};
  for (int count = 3; count <= 6; ++count) {
    const int digits = count >= 5 ? 3 : 2;
    const std::vector<Colour>& tail = last[static_cast<std::size_t>(count - 3)];
    for (int figures = 0; figures < (digits == 3 ? 1000 : 100); ++figures) {
      for (const Stated& multiplier : kStated) {
        std::vector<Colour> bands;
        for (int place = digits - 1, f = figures; place >= 0; --place, f /= 10) {
          bands.insert(bands.begin(), kStated[f % 10].colour);
        }
        bands.push_back(multiplier.colour);
        bands.insert(bands.end(), tail.begin(), tail.end());
        const Result<Part> read = ReadBands(bands);
        ASSERT_TRUE(read.Ok()) << figures << " " << NameOf(multiplier.colour);
        ASSERT_EQ(read.Value().ohms, Decimal(figures, multiplier.power));
        if (bands.front() == Black) continue;
        const Coding coding{count, read.Value().tolerance_percent,
                            read.Value().tempco_ppm_per_kelvin};
        const Result<std::vector<Colour>> written = WriteBands(read.Value().ohms, coding);
        ASSERT_TRUE(written.Ok()) << written.Refusal().message;
        ASSERT_EQ(written.Value(), bands);
      }
    }
  }
  for (const Stated& s : kStated) {
    EXPECT_EQ(ReadBands(std::vector{s.colour, Black, Black}).Ok(), s.digit >= 0)
        << NameOf(s.colour);
  }
}

// A value off the codes is refused with the nearest values on both sides,
// which are codable and neighbours: one step of the lower one's last digit
// apart. Zero ohms is the single black band.
TEST(WriteBands, RefusesWhatTheBandsCannotHoldWithItsNearestNeighbours) {
  const Result<std::vector<Colour>> refused = WriteBands(Decimal(475, 1), Coding{});
  ASSERT_FALSE(refused.Ok());
  EXPECT_EQ(refused.Refusal().kind, Refusal::Kind::Uncodable);
  EXPECT_EQ(refused.Refusal().nearest, (std::vector{Decimal(47, 2), Decimal(48, 2)}));
  EXPECT_NE(refused.Refusal().message.find("or five bands"), std::string::npos);
  EXPECT_EQ(WriteBands(Decimal(), Coding{}).Value(), std::vector{Black});
  for (int figures = 100; figures < 1000; figures += 7) {
    for (int power = -5; power <= 9; ++power) {
      const Decimal ohms(figures, power);
      const Result<std::vector<Colour>> coded = WriteBands(ohms, Coding{});
      if (coded.Ok()) continue;
      const std::vector<Decimal>& near = coded.Refusal().nearest;
      ASSERT_LT(near.front(), ohms);
      if (near.size() == 1) continue;  // above every code
      ASSERT_LT(ohms, near.back());
      ASSERT_TRUE(WriteBands(near.back(), Coding{}).Ok());
      const Decimal below = near.front().IsZero() ? Decimal(1, -2) : near.front();  // 10 mohm
      const int step = below.Digits() == 1 ? below.Exponent() - 1 : below.Exponent();
      ASSERT_EQ(near.front().IsZero() ? below : below.Plus(Decimal(1, step)), near.back())
          << figures;
    }
  }
}

TEST(ReadBands, RefusesBandsThatAreNotACodeNamingTheBand) {
  const std::pair<std::vector<Colour>, const char*> refused[] = {
      {{Red}, "'red'"},
      {{Red, Red}, "2 bands"},
      {{Red, Red, Red, Gold, Brown, Red, Red}, "7 bands"},
      {{Gold, Red, Red}, "band 1 'gold'"},
      {{Red, Red, Red, Black}, "band 4 'black'"},
      {{Red, Red, Red, Red, Red, White}, "band 6 'white'"},
  };
  for (const auto& [bands, named] : refused) {
    const Result<Part> read = ReadBands(bands);
    ASSERT_FALSE(read.Ok()) << named;
    EXPECT_EQ(read.Refusal().kind, Refusal::Kind::Unreadable);
    EXPECT_NE(read.Refusal().message.find(named), std::string::npos) << read.Refusal().message;
  }
}

// Bands read from the other end: the reversed list, when it is another
// valid code of the same count with a first band that is not black, and
// the reading of that reading is the original, over every code of 3 to 6
// bands.
TEST(OtherEnd, IsTheReversedCodeAndLeadsBackOverEveryCode) {
  EXPECT_EQ(OtherEnd(std::vector{Brown, Black, Black, Red, Brown}),
            (std::vector{Brown, Red, Black, Black, Brown}));
  for (const auto& none : std::vector<std::vector<Colour>>{{Black},
                                                           {Yellow, Violet, Red, Gold},
                                                           {Red, Black, Red},
                                                           {Brown, Black, Brown},
                                                           {Red, Red, Black}}) {
    EXPECT_FALSE(OtherEnd(none)) << NameOf(none.front());
  }
  std::size_t with_other_end = 0;
  for (std::size_t count = 3; count <= 6; ++count) {
    const std::size_t digits = count >= 5 ? 3 : 2;
    // The colours each place of a code takes.
    const auto fits = [&](std::size_t at, const Stated& s) {
      if (at < digits) return s.digit >= (at == 0 ? 1 : 0);
      if (at == digits) return true;
      return at == digits + 1 ? s.tolerance_hundredths != 0 : s.tempco != 0;
    };
    std::vector<Colour> bands(count);
    const auto visit = [&](auto& self, std::size_t at) -> void {
      if (at == count) {
        ASSERT_TRUE(ReadBands(bands).Ok());
        const auto other = OtherEnd(bands);
        if (!other) return;
        ++with_other_end;
        ASSERT_TRUE(std::equal(bands.rbegin(), bands.rend(), other->begin()));
        ASSERT_NE(*other, bands);
        ASSERT_TRUE(ReadBands(*other).Ok());
        ASSERT_EQ(OtherEnd(*other), bands);
        return;
      }
      for (const Stated& s : kStated) {
        if (!fits(at, s)) continue;
        bands[at] = s.colour;
        self(self, at + 1);
      }
    };
    visit(visit, 0);
  }
  EXPECT_GT(with_other_end, 0u);
}

}  // namespace
}  // namespace stripewise::codes
