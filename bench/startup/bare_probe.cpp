// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// The least a Qt Widgets program can show: one label in the same font.
#include <stripewise_ui/look.h>

#include <QApplication>
#include <QLabel>

#include "first_paint.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  stripewise::ui::RegisterFontFallback();
  QLabel label("Stripewise v2.0");
  label.setFont(stripewise::ui::ControlFont(9.75));
  stripewise::bench::FirstPaint probe(&label);
  label.show();
  return QApplication::exec();
}
