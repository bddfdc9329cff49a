// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// A subcommand's arguments as every command line takes them: options
// anywhere among the words, --opt value and --opt=value, -- ending the
// options, -h and --help. Read with getopt_long.

#include <stripewise_codes/answer.h>
#include <stripewise_codes/bands.h>
#include <stripewise_codes/series.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace stripewise::cli {

enum class Subcommand { Value, Bands, Smd };

// The subcommand a word names.
std::optional<Subcommand> SubcommandOf(std::string_view word);
std::string_view NameOf(Subcommand subcommand);

// What a subcommand is asked.
struct Question {
  Subcommand subcommand = Subcommand::Value;
  std::vector<std::string_view> words;  // of the arguments, split at blanks and tabs
  bool batch = false;                   // "-": one question per line of standard input
  bool json = false;
  bool help = false;
  codes::Coding coding;                 // for bands
  std::optional<codes::Series> series;  // for bands
};

// Reads the arguments after the program name, the subcommand first.
codes::Result<Question> ReadQuestion(std::span<char* const> args);

// Whether the arguments ask for JSON, looked at before they are read, so
// that a refusal of the options is written as JSON too.
bool AsksForJson(std::span<char* const> args);

// The words of a text, what blanks and tabs separate, added to `words`.
void SplitWords(std::string_view text, std::vector<std::string_view>& words);

}  // namespace stripewise::cli
