// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// Finds, photographs and closes a top-level window of another program on the
// X server named by DISPLAY, the way a desktop would.

#include <QImage>
#include <QRect>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace stripewise::x11 {

class Display {
 public:
  Display();  // throws std::runtime_error without an X server
  ~Display();
  Display(const Display&) = delete;
  Display& operator=(const Display&) = delete;

  // The window with this title, other than `other`, waiting up to
  // `timeout_ms` for it to be mapped.
  std::optional<std::uint32_t> WaitForWindow(const QString& title, int timeout_ms,
                                             std::uint32_t other = 0);

  // The window's client area in root coordinates.
  QRect Geometry(std::uint32_t window);

  // What the window shows now.
  QImage Grab(std::uint32_t window);

  // Asks the window to close, as its close box does.
  void Close(std::uint32_t window);

  // The 32-bit values of a property of a window (0 for the root window);
  // empty when it is not set.
  std::vector<std::uint32_t> Property(std::uint32_t window, const char* name);

  // The atom of a name.
  std::uint32_t Atom(const char* name);

  // Whether a window manager runs, waiting up to `timeout_ms` for one.
  bool WaitForWindowManager(int timeout_ms);

 private:
  struct Connection;
  std::unique_ptr<Connection> connection_;
};

}  // namespace stripewise::x11
