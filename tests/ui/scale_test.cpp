// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// The main window on a screen with a scale factor: drawn at that many device
// pixels per logical pixel, with the bands still showing their colours. Run
// under QT_SCALE_FACTOR=2 by CTest, and at scale 1.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>

#include "ui_test_support.h"

namespace stripewise::ui {
namespace {

using testing::Child;
using testing::ClickButton;
using testing::ClickEntry;
using testing::PaintedAtCentre;
using testing::TypeInto;

double ScaleFactor() {
  const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
  return factor.isEmpty() ? 1.0 : factor.toDouble();
}

TEST(Scale, TheWindowIsDrawnAtTheScreensScaleWithItsBandsInColour) {
  auto program = testing::StartedProgram();
  QWidget& form = program->MainWindow();
  const double scale = ScaleFactor();
  EXPECT_EQ(form.devicePixelRatioF(), scale);
  EXPECT_EQ(form.size(), QSize(535, 434));  // logical pixels do not change
  const QImage grab = form.grab().toImage();
  EXPECT_EQ(grab.size(), QSize(qRound(535 * scale), qRound(434 * scale)));

  ClickEntry(Child<QListWidget>(form, "List4"), 5);
  TypeInto(form, "Text1", "4700");
  ClickButton(form, "Command2");
  const QColor expected[] = {0xFFFF00u, 0x0000C0u, 0xFF0000u,
                             0xFFFFC0u};  // Yellow, Violet, Red, Gold
  const char* bands[] = {"Shape2", "Shape3", "Shape4", "Shape5"};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(PaintedAtCentre(form, bands[i]), expected[i]) << bands[i];
  }
  // Every outline of the drawing is whole on all four sides, in the screen's
  // pixels: the band and cap boxes below, in logical pixels.
  const QImage shot = form.grab().toImage();
  const auto dark_near = [&](double x, double y, bool across) {
    for (int d = -1; d <= 1; ++d) {
      const int px = qFloor(x * scale) + (across ? d : 0),
                py = qFloor(y * scale) + (across ? 0 : d);
      if (shot.pixelColor(px, py).lightness() < 60) return true;
    }
    return false;
  };
  const QRect boxes[] = {
      {401, 153, 17, 49}, {417, 153, 17, 49}, {432, 153, 17, 49}, {481, 152, 9, 49}};
  for (const QRect& b : boxes) {
    const double mid_x = b.x() + b.width() / 2.0, mid_y = b.y() + b.height() / 2.0;
    EXPECT_TRUE(dark_near(b.x() + 0.2, mid_y, true)) << "left " << b.x();
    EXPECT_TRUE(dark_near(mid_x, b.y() + 0.2, false)) << "top " << b.x();
    EXPECT_TRUE(dark_near(mid_x, b.y() + b.height() - 0.8, false)) << "bottom " << b.x();
  }
  // Each band's right side is the next band's left one; the last two show theirs.
  EXPECT_TRUE(dark_near(448.2, 177.5, true)) << "right of the multiplier band";
  EXPECT_TRUE(dark_near(489.2, 177.5, true)) << "right of the tolerance band";
  EXPECT_TRUE(dark_near(385.2, 177.5, true)) << "left of the left cap";
  EXPECT_TRUE(dark_near(505.2, 177.5, true)) << "right of the right cap";
  // Every row of the longest list is inside it at any scale.
  auto* list = Child<QListWidget>(form, "List3");
  EXPECT_LE(list->visualItemRect(list->item(11)).bottom(), list->viewport()->height() - 1);
}

}  // namespace
}  // namespace stripewise::ui
