// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// Every help text of the program: the whole program's, which --help prints
// and a refused command line shows, and each subcommand's.

#include <string>
#include <string_view>

namespace stripewise::cli {

// The program's: how to start the window, the subcommands and the options.
std::string ProgramHelp();

// A subcommand's synopsis and options, for "value", "bands" or "smd".
std::string_view SubcommandHelp(std::string_view subcommand);

// "stripewise 2.0.0", what --version prints.
std::string VersionLine();

}  // namespace stripewise::cli
