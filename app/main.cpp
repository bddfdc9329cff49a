// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// Stripewise: the resistor colour-code converter.
#include <stripewise_ui/look.h>
#include <stripewise_ui/program.h>

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>

namespace {

// Qt aborts with a long diagnostic when it finds no display; say it plainly.
bool HasDisplay() {
  const auto set = [](const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
  };
  return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char** argv) {
  if (!HasDisplay()) {
    std::fputs("stripewise: no graphical display (DISPLAY and WAYLAND_DISPLAY are unset)\n",
               stderr);
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("Stripewise");
  QApplication::setApplicationVersion("2.0");
  QApplication::setWindowIcon(stripewise::ui::AppIcon());
  stripewise::ui::RegisterFontFallback();
  stripewise::ui::Program program;
  program.Start();
  return QApplication::exec();
}
