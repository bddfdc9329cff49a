// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// The questions the command line answers without a window:
//   stripewise value COLOUR...   the resistance of 1, 3, 4, 5 or 6 bands
//   stripewise bands VALUE       the bands (and markings) of a resistance
//   stripewise smd MARKING       the resistance of a surface-mount marking

#include <span>

namespace stripewise::cli {

// Whether the arguments after the program name ask one of those questions:
// a subcommand counts only as the first argument.
bool IsCodesCommand(std::span<char* const> args);

// Answers it, or one question per line of `in` when "-" stands for the
// question; answers go to `out`, refusals to `err` (and to `out` as JSON
// with --json). Returns the exit status: 0 all answered, 1 a question read
// but not codable, 2 one that cannot be read, or a failure to read or write;
// the highest of any line. A reader that closes `out` ends it quietly.
int RunCodesCommand(std::span<char* const> args, int in, int out, int err);

}  // namespace stripewise::cli
