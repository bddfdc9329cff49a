// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// The whole program from its command line to the end of its event loop, so
// that the start-up benchmarks measure exactly what users start.

#include <stripewise_ui/program.h>

#include <functional>

namespace stripewise::app {

// Runs Stripewise; `started`, when given, sees the program before its main
// window is shown. Returns the process's exit status.
int Main(int argc, char** argv, const std::function<void(ui::Program&)>& started = {});

}  // namespace stripewise::app
