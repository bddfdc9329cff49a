// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_codes/colours.h"

#include <gtest/gtest.h>

#include "stated_colours.h"

namespace stripewise::codes {
namespace {

using enum Colour;
using testing::kStated;
using testing::Stated;

// The English name and IEC 60757 letters of each colour, in kStated order.
constexpr std::pair<std::string_view, std::string_view> kWritten[] = {
    {"black", "BK"}, {"brown", "BN"},  {"red", "RD"},    {"orange", "OG"}, {"yellow", "YE"},
    {"green", "GN"}, {"blue", "BU"},   {"violet", "VT"}, {"grey", "GY"},   {"white", "WH"},
    {"pink", "PK"},  {"silver", "SR"}, {"gold", "GD"}};

// Each colour is found by its name and letters in any case, and each of its
// figures leads back to it.
TEST(Colours, ReadByNameAndLettersAndFoundByEachFigure) {
  for (std::size_t i = 0; i < std::size(kStated); ++i) {
    const Stated& s = kStated[i];
    const auto [name, letters] = kWritten[i];
    EXPECT_EQ(NameOf(s.colour), name);
    EXPECT_EQ(LettersOf(s.colour), letters);
    std::string upper(name), lower(letters);
    for (char& c : upper) c = static_cast<char>(c - 32);
    for (char& c : lower) c = static_cast<char>(c + 32);
    for (const std::string_view word :
         {name, letters, std::string_view(upper), std::string_view(lower)}) {
      EXPECT_EQ(ParseColour(word), s.colour) << word;
    }
    EXPECT_EQ(DigitOf(s.colour), s.digit >= 0 ? std::optional(s.digit) : std::nullopt) << name;
    if (s.digit >= 0) {
      EXPECT_EQ(DigitColour(s.digit), s.colour);
    }
    EXPECT_EQ(PowerOf(s.colour), s.power) << name;
    EXPECT_EQ(PowerColour(s.power), s.colour) << name;
    if (s.tolerance_hundredths != 0) {
      EXPECT_EQ(ToleranceOf(s.colour), Decimal(s.tolerance_hundredths, -2)) << name;
      EXPECT_EQ(ToleranceColour(Decimal(s.tolerance_hundredths, -2)), s.colour) << name;
    } else {
      EXPECT_FALSE(ToleranceOf(s.colour)) << name;
    }
    EXPECT_EQ(TempcoOf(s.colour), s.tempco != 0 ? std::optional(s.tempco) : std::nullopt);
    if (s.tempco != 0) {
      EXPECT_EQ(TempcoColour(s.tempco), s.colour) << name;
    }
  }
  EXPECT_EQ(ParseColour("Gray"), Grey);
  EXPECT_EQ(ParseColour("PURPLE"), Violet);
  for (const char* word : {"", "blu", "b", "golden", "red ", "R", "bkk", "silvers"}) {
    EXPECT_FALSE(ParseColour(word)) << word;
  }
  EXPECT_FALSE(ToleranceColour(Decimal(3, 0)));
  EXPECT_FALSE(TempcoColour(30));
}

}  // namespace
}  // namespace stripewise::codes
