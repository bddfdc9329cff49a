// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise/band_tables.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace stripewise {
namespace {

TEST(BandColor, IsTheColourValueAsDecimalTextForEveryPosition) {
  // The screen colours the legend and the drawing show, as #RRGGBB.
  const unsigned screen_rgb[12] = {0x000000, 0x808080, 0xFF0000, 0xFFE0C0, 0xFFFF00, 0x00FF00,
                                   0x8080FF, 0x0000C0, 0xE0E0E0, 0xFFFFFF, 0xFFFFC0, 0xC0FFC0};
  for (int position = 0; position < 12; ++position) {
    const unsigned rgb = screen_rgb[position];
    const unsigned bgr = ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | (rgb >> 16);
    EXPECT_EQ(BandColor(static_cast<std::int16_t>(position)), std::to_string(bgr)) << position;
    EXPECT_EQ(kBandColors[static_cast<std::size_t>(position)], bgr) << position;
  }
  EXPECT_EQ(BandColor(0), "0");
  EXPECT_EQ(BandColor(9), "16777215");
  EXPECT_EQ(BandColor(11), "12648384");
}

TEST(BandColor, IsEmptyOutsideTheTwelveColours) {
  for (int position : {-1, 12, 13, -32768, 32767}) {
    EXPECT_EQ(BandColor(static_cast<std::int16_t>(position)), "") << position;
  }
}

}  // namespace
}  // namespace stripewise
