// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// The program as users start it, ended at the first paint of the main window,
// whose moment it prints.
#include <QApplication>
#include <memory>

#include "first_paint.h"
#include "run.h"

using stripewise::bench::FirstPaint;

int main(int argc, char** argv) {
  std::unique_ptr<FirstPaint> probe;
  return stripewise::app::Main(argc, argv, [&probe](stripewise::ui::Program& program) {
    probe = std::make_unique<FirstPaint>(&program.MainWindow(), [] {
      stripewise::bench::Report(stripewise::bench::Now());
      QApplication::exit(0);
    });
  });
}
