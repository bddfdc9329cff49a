// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// x11_window_tool wait TITLE          waits until the window is shown
// x11_window_tool geometry TITLE      prints its client area: x y width height
// x11_window_tool shot TITLE FILE     saves what it shows as a PNG
// x11_window_tool close TITLE         asks it to close
// x11_window_tool centre CONTROL [ROW] prints the centre of a control of the
//                                     main window (or of a list's row) in
//                                     window pixels, from the layout tables
#include <stripewise_ui/layout.h>
#include <stripewise_ui/look.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string_view>

#include "x11_window.h"

namespace {

int PrintCentre(std::string_view control, int row) {
  using namespace stripewise::ui;
  QRect box;
  for (const auto& list : Form1Lists()) {
    if (list.name == control) box = list.RowBox(row);
  }
  for (const auto& button : Form1Buttons()) {
    if (button.name == control) box = button.box.Pixels();
  }
  for (const auto& graphic : Form1Graphics()) {
    if (graphic.name == control && graphic.kind == GraphicRow::Kind::Label)
      box = graphic.box.Pixels();
  }
  if (control == "Text1") box = kText1Box.Pixels();
  if (box.isNull()) return 1;
  std::printf("%d %d\n", box.center().x(), box.center().y());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], "centre") == 0) {
    return PrintCentre(argv[2], argc > 3 ? std::atoi(argv[3]) : 0);
  }
  if (argc < 3 || (std::strcmp(argv[1], "shot") == 0 && argc < 4)) {
    std::fputs("usage: x11_window_tool wait|geometry|shot|close TITLE [FILE]\n", stderr);
    return 2;
  }
  try {
    stripewise::x11::Display display;
    const auto window = display.WaitForWindow(QString::fromUtf8(argv[2]), 15000);
    if (!window) {
      std::fprintf(stderr, "x11_window_tool: no window \"%s\"\n", argv[2]);
      return 1;
    }
    const char* verb = argv[1];
    if (std::strcmp(verb, "geometry") == 0) {
      const QRect box = display.Geometry(*window);
      std::printf("%d %d %d %d\n", box.x(), box.y(), box.width(), box.height());
    } else if (std::strcmp(verb, "shot") == 0) {
      if (!display.Grab(*window).save(QString::fromLocal8Bit(argv[3]), "PNG")) return 1;
    } else if (std::strcmp(verb, "close") == 0) {
      display.Close(*window);
    }
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "x11_window_tool: %s\n", error.what());
    return 1;
  }
}
