// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// The least a Qt Widgets program can show: one label in the same font. Prints
// the moment of its first paint.
#include <stripewise_ui/look.h>

#include <QApplication>
#include <QLabel>

#include "first_paint.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  stripewise::ui::RegisterFontFallback();
  QLabel label("Stripewise v2.0");
  label.setFont(stripewise::ui::ControlFont(9.75));
  stripewise::bench::FirstPaint probe(&label, [] {
    stripewise::bench::Report(stripewise::bench::Now());
    QApplication::exit(0);
  });
  label.show();
  return QApplication::exec();
}
