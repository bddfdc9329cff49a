// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// The main window on a screen with a scale factor: drawn at that many device
// pixels per logical pixel, with the bands still showing their colours. Run
// under QT_SCALE_FACTOR=2 by CTest, and at scale 1.
#include <gtest/gtest.h>
#include <stripewise/band_tables.h>

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
using testing::Screen;
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
  const ColorValue expected[] = {kBandColors[4], kBandColors[7], kBandColors[2],
                                 kToleranceColors[5]};
  const char* bands[] = {"Shape2", "Shape3", "Shape4", "Shape5"};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(PaintedAtCentre(form, bands[i]), Screen(expected[i], form)) << bands[i];
  }
  // Every row of the longest list is inside it at any scale.
  auto* list = Child<QListWidget>(form, "List3");
  EXPECT_LE(list->visualItemRect(list->item(11)).bottom(), list->viewport()->height() - 1);
}

}  // namespace
}  // namespace stripewise::ui
