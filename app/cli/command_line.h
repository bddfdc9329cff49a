// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// The program's command line: its own two options, and Qt's standard ones,
// which are left for Qt to read.

#include <span>
#include <string>

namespace stripewise::cli {

struct CommandLine {
  enum class Action { Run, Help, Version, Refuse };
  Action action = Action::Run;
  std::string error;        // the one-line complaint when refused
  std::string platform;     // the value of Qt's -platform, when given
  std::string display;      // the value of Qt's -display, when given
  bool verbose = false;     // --verbose: say everything Qt says when it cannot start
  bool every_code = false;  // --every-code: open the window for every resistor code too
};

// Reads the arguments after the program name, before any display is opened.
CommandLine ParseCommandLine(std::span<char* const> args);

}  // namespace stripewise::cli
