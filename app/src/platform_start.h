// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// What the program does around Qt's start so that a missing display or a
// missing session bus is handled the way a command-line user expects.

#include "command_line.h"

namespace stripewise::app {

// Without a session bus, libdbus would start one of its own (dbus-launch)
// that outlives the program; with none to be had, the program goes without.
void AvoidSessionBusLaunch();

// While alive, holds back Qt's start-up messages; when Qt finds no display
// it can use, prints one line naming the displays tried and exits with 1.
// Messages of a start that succeeds are passed on when it ends.
class DisplayGuard {
 public:
  explicit DisplayGuard(const CommandLine& line);
  ~DisplayGuard();
  DisplayGuard(const DisplayGuard&) = delete;
  DisplayGuard& operator=(const DisplayGuard&) = delete;
};

}  // namespace stripewise::app
