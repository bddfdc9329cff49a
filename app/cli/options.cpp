// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "options.h"

#include <getopt.h>
#include <stripewise_codes/quote.h>

#include <array>

namespace stripewise::cli {
namespace {

using codes::Decimal;
using codes::Refusal;
using codes::Unreadable;

// What getopt_long returns for each long option: past every character.
constexpr int kBands = 256;
constexpr int kTolerance = 257;
constexpr int kTempco = 258;
constexpr int kSeries = 259;
constexpr int kJson = 260;

constexpr std::array<std::string_view, 3> kNames = {"value", "bands", "smd"};

// "5", "5%", "0.05 %": a percentage.
std::optional<Decimal> Percent(std::string_view text) {
  if (text.ends_with('%')) text.remove_suffix(1);
  while (text.ends_with(' ')) text.remove_suffix(1);
  return Decimal::Parse(text);
}

// "50", "50ppm", "50 ppm/K": parts per million per kelvin.
std::optional<int> Ppm(std::string_view text) {
  for (std::string_view unit : {"ppm/K", "ppm"}) {
    if (text.ends_with(unit)) text.remove_suffix(unit.size());
  }
  while (text.ends_with(' ')) text.remove_suffix(1);
  const std::optional<Decimal> ppm = Decimal::Parse(text);
  if (!ppm || ppm->Exponent() < 0 || ppm->Order() > 6) return std::nullopt;
  int whole = static_cast<int>(ppm->Coefficient());
  for (int i = 0; i < ppm->Exponent(); ++i) whole *= 10;
  return whole;
}

std::string Named(std::string_view option) { return "option " + codes::Quote(option); }

// Reads one option's value into the question.
std::optional<Refusal> Take(int option, std::string_view value, Question& question) {
  const auto bad = [](std::string_view name, const std::string& what) {
    return Unreadable(Named(name) + " " + what);
  };
  switch (option) {
    case kBands:
      if (value != "3" && value != "4" && value != "5" && value != "6") {
        return bad("--bands", "takes 3, 4, 5 or 6, not " + codes::Quote(value));
      }
      question.coding.bands = value[0] - '0';
      break;
    case kTolerance:
      question.coding.tolerance_percent = Percent(value);
      if (!question.coding.tolerance_percent) {
        return bad("--tolerance", "takes a percentage, not " + codes::Quote(value));
      }
      break;
    case kTempco:
      question.coding.tempco_ppm_per_kelvin = Ppm(value);
      if (!question.coding.tempco_ppm_per_kelvin) {
        return bad("--tempco", "takes ppm/K, not " + codes::Quote(value));
      }
      break;
    default:
      question.series = codes::ParseSeries(value);
      if (!question.series) return bad("--series", "takes E3, E6, E12, E24, E48, E96 or E192");
      break;
  }
  return std::nullopt;
}

// The options of a subcommand: bands has those of the coding.
std::vector<option> OptionsOf(Subcommand subcommand) {
  std::vector<option> options = {{"json", no_argument, nullptr, kJson},
                                 {"help", no_argument, nullptr, 'h'}};
  if (subcommand == Subcommand::Bands) {
    options.insert(options.end(), {{"bands", required_argument, nullptr, kBands},
                                   {"tolerance", required_argument, nullptr, kTolerance},
                                   {"tempco", required_argument, nullptr, kTempco},
                                   {"series", required_argument, nullptr, kSeries}});
  }
  options.push_back({nullptr, 0, nullptr, 0});
  return options;
}

// Whether an option is one of bands' coding options.
bool IsCodingOption(std::string_view name) {
  return name == "--bands" || name == "--tolerance" || name == "--tempco" || name == "--series";
}

// Why getopt_long stopped at an argument.
Refusal Misused(std::string_view arg, Subcommand subcommand, bool missing) {
  const std::string_view name = arg.substr(0, arg.find('='));
  if (missing) return Unreadable(Named(name) + " needs a value");
  if (IsCodingOption(name) && subcommand != Subcommand::Bands) {
    return Unreadable(Named(name) + " belongs to 'bands', not '" + std::string(NameOf(subcommand)) +
                      "'");
  }
  if (IsCodingOption(name) || name == "--json" || name == "--help") {
    return Unreadable(Named(name) + " takes no value");
  }
  return Unreadable("unknown option " + codes::Quote(arg) + "; see 'stripewise " +
                    std::string(NameOf(subcommand)) + " --help'");
}

}  // namespace

std::optional<Subcommand> SubcommandOf(std::string_view word) {
  for (std::size_t i = 0; i < kNames.size(); ++i) {
    if (kNames[i] == word) return static_cast<Subcommand>(i);
  }
  return std::nullopt;
}

std::string_view NameOf(Subcommand subcommand) {
  return kNames[static_cast<std::size_t>(subcommand)];
}

codes::Result<Question> ReadQuestion(std::span<char* const> args) {
  Question question;
  question.subcommand = *SubcommandOf(args[0]);
  // getopt_long moves the words after the options: it works on a copy.
  std::vector<char*> argv(args.begin(), args.end());
  argv.push_back(nullptr);
  const std::vector<option> options = OptionsOf(question.subcommand);
  optind = 0;  // a fresh scan
  opterr = 0;  // the refusals are ours
  const int argc = static_cast<int>(args.size());
  // "-" first: words come back in place as 1, whatever POSIXLY_CORRECT says.
  for (int got; (got = getopt_long(argc, argv.data(), "-:h", options.data(), nullptr)) != -1;) {
    if (got == 1) {
      SplitWords(optarg, question.words);
    } else if (got == '?' || got == ':') {
      const bool short_option = got == '?' && optopt > 0 && optopt < kBands;
      const std::string arg = short_option ? std::string{'-', static_cast<char>(optopt)}
                                           : argv[static_cast<std::size_t>(optind - 1)];
      return Misused(arg, question.subcommand, got == ':');
    } else if (got == 'h') {
      question.help = true;
    } else if (got == kJson) {
      question.json = true;
    } else if (const auto refusal = Take(got, optarg, question)) {
      return *refusal;
    }
  }
  for (int i = optind; i < argc; ++i) SplitWords(argv[static_cast<std::size_t>(i)], question.words);
  question.batch = question.words.size() == 1 && question.words[0] == "-";
  return question;
}

bool AsksForJson(std::span<char* const> args) {
  for (const char* arg : args.subspan(1)) {
    const std::string_view word(arg);
    if (word == "--") return false;
    // getopt_long takes any unambiguous start of --json: --j, --js, --jso.
    if (word.size() >= 3 && std::string_view("--json").starts_with(word)) return true;
  }
  return false;
}

void SplitWords(std::string_view text, std::vector<std::string_view>& words) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  for (std::size_t at = 0; at < text.size();) {
    while (at < text.size() && blank(text[at])) ++at;
    const std::size_t start = at;
    while (at < text.size() && !blank(text[at])) ++at;
    if (at > start) words.push_back(text.substr(start, at - start));
  }
}

}  // namespace stripewise::cli
