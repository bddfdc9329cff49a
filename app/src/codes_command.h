// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// The questions the command line answers without a window:
//   stripewise value COLOUR...   the resistance of 1, 3, 4, 5 or 6 bands
//   stripewise bands VALUE       the bands (and markings) of a resistance
//   stripewise smd MARKING       the resistance of a surface-mount marking

#include <iosfwd>
#include <span>
#include <string>

namespace stripewise::app {

// Whether the arguments after the program name ask one of those questions:
// a subcommand counts only as the first argument.
bool IsCodesCommand(std::span<char* const> args);

// Answers it, or one question per line of `in` when "-" stands for the
// question; answers go to `out`, errors to `err` (and to `out` as JSON
// with --json). Returns the exit status: 0 all answered, 1 a question read
// but not answerable, 2 one that cannot be read; the highest of any line.
int RunCodesCommand(std::span<char* const> args, std::istream& in, std::ostream& out,
                    std::ostream& err);

// The lines --help adds for the subcommands.
std::string CodesUsage();

}  // namespace stripewise::app
