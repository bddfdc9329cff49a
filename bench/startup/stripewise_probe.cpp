// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// The program's own start-up, ended at the first paint of the main window.
#include <stripewise_ui/look.h>
#include <stripewise_ui/program.h>

#include <QApplication>

#include "first_paint.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setWindowIcon(stripewise::ui::AppIcon());
  stripewise::ui::RegisterFontFallback();
  stripewise::ui::Program program;
  stripewise::bench::FirstPaint probe(&program.MainWindow());
  program.Start();
  return QApplication::exec();
}
