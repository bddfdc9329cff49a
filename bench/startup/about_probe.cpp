// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// The first opening of the About window: from "About" to its first paint,
// once the main window has painted. Prints that time.
#include <QApplication>
#include <memory>

#include "first_paint.h"
#include "run.h"

using stripewise::bench::FirstPaint;
using stripewise::bench::Now;

int main(int argc, char** argv) {
  std::unique_ptr<FirstPaint> main_paint;
  std::unique_ptr<FirstPaint> about_paint;
  long long pressed = 0;
  return stripewise::app::Main(argc, argv, [&](stripewise::ui::Program& started) {
    stripewise::ui::Program* program = &started;
    main_paint = std::make_unique<FirstPaint>(&program->MainWindow(), [&, program] {
      pressed = Now();
      program->ShowAbout();
      about_paint = std::make_unique<FirstPaint>(program->AboutWindow(), [&] {
        stripewise::bench::Report(Now() - pressed);
        QApplication::exit(0);
      });
    });
  });
}
