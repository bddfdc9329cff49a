// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include <gtest/gtest.h>
#include <stripewise_ui/look.h>

#include <QApplication>
#include <cstring>

// --scale-factor=N runs the tests on a screen scaled N times, as a high-DPI
// desktop would.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  constexpr const char* kScale = "--scale-factor=";
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], kScale, std::strlen(kScale)) == 0) {
      qputenv("QT_SCALE_FACTOR", argv[i] + std::strlen(kScale));
    }
  }
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);  // the tests close windows at will
  stripewise::ui::RegisterFontFallback();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
