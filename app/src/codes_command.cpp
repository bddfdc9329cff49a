// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "codes_command.h"

#include <stripewise_codes/bands.h>
#include <stripewise_codes/smd.h>
#include <stripewise_codes/written.h>

#include <algorithm>
#include <istream>
#include <optional>
#include <ostream>
#include <sstream>
#include <string_view>
#include <vector>

#include "codes_answer.h"

namespace stripewise::app {
namespace {

using codes::Refusal;
using codes::Result;

enum class Question { Value, Bands, Smd };

// A subcommand and its options, as the command line gives them.
struct Request {
  Question question = Question::Value;
  std::vector<std::string> words;  // the colours, value or marking; "-" for standard input
  bool json = false;
  codes::Coding coding;
  std::optional<codes::Series> series;
};

std::optional<Question> QuestionOf(std::string_view word) {
  if (word == "value") return Question::Value;
  if (word == "bands") return Question::Bands;
  if (word == "smd") return Question::Smd;
  return std::nullopt;
}

// "5", "5%", "0.05 %": a percentage.
std::optional<codes::Decimal> Percent(std::string_view text) {
  if (text.ends_with('%')) text.remove_suffix(1);
  while (text.ends_with(' ')) text.remove_suffix(1);
  return codes::Decimal::Parse(text);
}

// "50", "50ppm", "50 ppm/K": parts per million per kelvin.
std::optional<int> Ppm(std::string_view text) {
  for (std::string_view unit : {"ppm/K", "ppm"}) {
    if (text.ends_with(unit)) text.remove_suffix(unit.size());
  }
  while (text.ends_with(' ')) text.remove_suffix(1);
  const std::optional<codes::Decimal> ppm = codes::Decimal::Parse(text);
  if (!ppm || ppm->Exponent() < 0 || ppm->Order() > 6) return std::nullopt;
  int whole = static_cast<int>(ppm->Coefficient());
  for (int i = 0; i < ppm->Exponent(); ++i) whole *= 10;
  return whole;
}

// Reads one option with its value into the request.
std::optional<Refusal> TakeOption(std::string_view name, std::string_view value, Request& request) {
  const auto bad = [&](const std::string& what) {
    return codes::Unreadable("option '" + std::string(name) + "' " + what);
  };
  if (request.question != Question::Bands) return bad("belongs to 'bands'");
  if (name == "--bands") {
    if (value != "3" && value != "4" && value != "5" && value != "6")
      return bad("takes 3, 4, 5 or 6");
    request.coding.bands = value[0] - '0';
  } else if (name == "--tolerance") {
    request.coding.tolerance_percent = Percent(value);
    if (!request.coding.tolerance_percent)
      return bad("takes a percentage, not '" + std::string(value) + "'");
  } else if (name == "--tempco") {
    request.coding.tempco_ppm_per_kelvin = Ppm(value);
    if (!request.coding.tempco_ppm_per_kelvin)
      return bad("takes ppm/K, not '" + std::string(value) + "'");
  } else {
    request.series = codes::ParseSeries(value);
    if (!request.series) return bad("takes E3, E6, E12, E24, E48, E96 or E192");
  }
  return std::nullopt;
}

Result<Request> ParseRequest(std::span<char* const> args) {
  Request request;
  request.question = *QuestionOf(args[0]);
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--json") {
      request.json = true;
    } else if (arg == "--bands" || arg == "--tolerance" || arg == "--tempco" || arg == "--series") {
      if (i + 1 == args.size())
        return codes::Unreadable("option '" + std::string(arg) + "' needs a value");
      if (auto refusal = TakeOption(arg, args[++i], request)) return *refusal;
    } else if (arg.size() > 1 && arg.starts_with("--")) {
      return codes::Unreadable("unknown option '" + std::string(arg) + "'");
    } else {
      request.words.emplace_back(arg);
    }
  }
  if (request.words.empty())
    return codes::Unreadable(std::string(args[0]) + " needs a question; see --help");
  return request;
}

Result<CodesAnswer> AnswerColours(const std::vector<std::string>& words) {
  std::vector<codes::Colour> bands;
  for (const std::string& word : words) {
    const std::optional<codes::Colour> colour = codes::ParseColour(word);
    if (!colour) return codes::Unreadable("'" + word + "' is not a colour");
    bands.push_back(*colour);
  }
  const Result<codes::Part> part = codes::ReadBands(bands);
  if (!part.Ok()) return part.Refusal();
  CodesAnswer answer;
  answer.part = part.Value();
  answer.bands = bands;
  return answer;
}

Result<CodesAnswer> AnswerValue(const std::string& text, const Request& request) {
  const Result<codes::Decimal> read = codes::ReadValue(text);
  if (!read.Ok()) return read.Refusal();
  CodesAnswer answer;
  codes::Decimal ohms = read.Value();
  if (request.series && !ohms.IsZero()) {
    answer.asked_ohms = ohms;
    answer.snapped_to = request.series;
    ohms = codes::Nearest(ohms, *request.series);
  }
  const Result<std::vector<codes::Colour>> bands = codes::WriteBands(ohms, request.coding);
  if (!bands.Ok()) return bands.Refusal();
  answer.part = codes::ReadBands(bands.Value()).Value();  // what the bands say, read back
  answer.bands = bands.Value();
  answer.coded = true;
  return answer;
}

Result<CodesAnswer> AnswerMarking(const std::string& marking) {
  const Result<codes::Part> part = codes::ReadMarking(marking);
  if (!part.Ok()) return part.Refusal();
  CodesAnswer answer;
  answer.part = part.Value();
  return answer;
}

Result<CodesAnswer> Answer(const std::vector<std::string>& words, const Request& request) {
  std::string joined;
  for (const std::string& word : words) joined += (joined.empty() ? "" : " ") + word;
  switch (request.question) {
    case Question::Value:
      return AnswerColours(words);
    case Question::Bands:
      return AnswerValue(joined, request);
    case Question::Smd:
      break;
  }
  return AnswerMarking(joined);
}

// Writes an answer or a refusal; the exit status it earns.
int Tell(const Result<CodesAnswer>& result, bool json, std::ostream& out, std::ostream& err) {
  if (result.Ok()) {
    out << (json ? JsonOf(result.Value()) : TextOf(result.Value())) << '\n';
    return 0;
  }
  const Refusal& refusal = result.Refusal();
  err << "stripewise: " << refusal.message << '\n';
  if (json) out << JsonOf(refusal) << '\n';
  return refusal.kind == Refusal::Kind::Uncodable ? 1 : 2;
}

std::vector<std::string> Words(const std::string& line) {
  std::istringstream split(line);
  std::vector<std::string> words;
  for (std::string word; split >> word;) words.push_back(word);
  return words;
}

}  // namespace

bool IsCodesCommand(std::span<char* const> args) {
  return !args.empty() && QuestionOf(args[0]).has_value();
}

int RunCodesCommand(std::span<char* const> args, std::istream& in, std::ostream& out,
                    std::ostream& err) {
  const Result<Request> request = ParseRequest(args);
  if (!request.Ok()) return Tell(request.Refusal(), false, out, err);
  const Request& asked = request.Value();
  if (asked.words != std::vector<std::string>{"-"})
    return Tell(Answer(asked.words, asked), asked.json, out, err);
  int status = 0;
  for (std::string line; std::getline(in, line);) {
    const std::vector<std::string> words = Words(line);
    if (!words.empty()) status = std::max(status, Tell(Answer(words, asked), asked.json, out, err));
  }
  return status;
}

std::string CodesUsage() {
  return "       stripewise value COLOUR... [--json]\n"
         "       stripewise bands VALUE [--bands 3|4|5|6] [--tolerance PERCENT] [--tempco PPM]\n"
         "                        [--series E24] [--json]\n"
         "       stripewise smd MARKING [--json]\n";
}

}  // namespace stripewise::app
