// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "codes_command.h"

#include <stripewise_codes/quote.h>
#include <stripewise_codes/report.h>
#include <stripewise_codes/written.h>
#include <unistd.h>

#include <algorithm>
#include <string>

#include "help.h"
#include "io.h"
#include "options.h"
#include "report_json.h"

namespace stripewise::cli {
namespace {

using codes::Refusal;
using codes::Report;
using codes::Result;

constexpr int kUnreadable = 2;

using Words = std::span<const std::string_view>;

std::string Joined(Words words) {
  std::string joined;
  for (const std::string_view word : words) {
    if (!joined.empty()) joined += ' ';
    joined += word;
  }
  return joined;
}

Result<Report> AnswerColours(Words words) {
  std::vector<codes::Colour> bands;
  bands.reserve(words.size());
  for (const std::string_view word : words) {
    const std::optional<codes::Colour> colour = codes::ParseColour(word);
    if (!colour) return codes::Unreadable(codes::Quote(word) + " is not a colour");
    bands.push_back(*colour);
  }
  return codes::ReportOfBands(std::move(bands));
}

Result<Report> Answer(Words words, const Question& question) {
  if (words.empty()) {
    return codes::Unreadable(
        std::string(question.batch ? "a blank line" : NameOf(question.subcommand)) +
        " asks no question; see 'stripewise " + std::string(NameOf(question.subcommand)) +
        " --help'");
  }
  switch (question.subcommand) {
    case Subcommand::Value:
      return AnswerColours(words);
    case Subcommand::Bands: {
      const Result<codes::Reading> ohms = codes::ReadValue(Joined(words));
      if (!ohms.Ok()) return ohms.Refusal();
      return codes::ReportOfValue(ohms.Value(), question.coding, question.series);
    }
    case Subcommand::Smd:
      break;
  }
  return codes::ReportOfMarking(Joined(words));
}

// The refusal's message, with the option that asks for what it is about.
std::string MessageOf(const Refusal& refusal) {
  switch (refusal.subject) {
    case Refusal::Subject::Question:
      break;
    case Refusal::Subject::BandCount:
      return refusal.message + " (--bands)";
    case Refusal::Subject::Tolerance:
      return refusal.message + " (--tolerance)";
    case Refusal::Subject::Tempco:
      return refusal.message + " (--tempco PPM)";
  }
  return refusal.message;
}

// Where the answers and refusals go: both streams gathered into blocks.
class Teller {
 public:
  Teller(Output& out, Output& err, bool json) : out_(out), err_(err), json_(json) {}

  // Writes an answer or a refusal; the exit status it earns.
  int Tell(const Result<Report>& result) {
    if (result.Ok()) {
      line_.clear();
      codes::AppendLine(line_, result.Value());
      out_.Write(json_ ? JsonOf(result.Value(), line_) : line_);
      out_.Write("\n");
      return 0;
    }
    const Refusal& refusal = result.Refusal();
    const std::string message = MessageOf(refusal);
    Complain(message);
    if (json_) {
      out_.Write(JsonOf(refusal, message));
      out_.Write("\n");
    }
    return refusal.kind == Refusal::Kind::Uncodable ? 1 : kUnreadable;
  }

  // One line on standard error.
  void Complain(std::string_view message) const {
    err_.Write("stripewise: ");
    err_.Write(message);
    err_.Write("\n");
  }

 private:
  Output& out_;
  Output& err_;
  bool json_;
  std::string line_;  // the answer being written, kept for its capacity
};

int AnswerLines(const Question& question, int in, Output& out, Output& err, Teller& teller) {
  LineReader lines(in, out, err);
  int status = 0;
  std::string_view line;
  std::size_t length = 0;
  std::vector<std::string_view> words;
  for (;;) {
    const LineReader::Got got = lines.Next(line, length);
    if (got == LineReader::Got::End) return status;
    if (got == LineReader::Got::Failed) {
      teller.Complain("cannot read standard input: " + lines.Error());
      return kUnreadable;
    }
    if (got == LineReader::Got::TooLong) {
      status = std::max(status,
                        teller.Tell(codes::Unreadable("a line of " + std::to_string(length) +
                                                      " bytes; a question is at most " +
                                                      std::to_string(LineReader::kLongestLine))));
    } else {
      words.clear();
      SplitWords(line, words);
      status = std::max(status, teller.Tell(Answer(words, question)));
    }
    if (out.Status() != Output::State::Good) return status;
  }
}

// The status once everything is written: a write error is a failure, a
// reader gone away is not said.
int Finish(Output& out, Output& err, const Teller& teller, int status) {
  out.Flush();
  if (out.Status() == Output::State::Failed) {
    teller.Complain("cannot write standard output: " + out.Error());
    status = std::max(status, kUnreadable);
  }
  err.Flush();
  return status;
}

}  // namespace

bool IsCodesCommand(std::span<char* const> args) {
  return !args.empty() && SubcommandOf(args[0]).has_value();
}

int RunCodesCommand(std::span<char* const> args, int in, int out_fd, int err_fd) {
  Output out(out_fd), err(err_fd);
  const Result<Question> read = ReadQuestion(args);
  if (!read.Ok()) {
    Teller teller(out, err, AsksForJson(args));
    return Finish(out, err, teller, teller.Tell(read.Refusal()));
  }
  const Question& question = read.Value();
  Teller teller(out, err, question.json);
  int status = 0;
  if (question.help) {
    out.Write(SubcommandHelp(NameOf(question.subcommand)));
  } else if (question.batch) {
    status = AnswerLines(question, in, out, err, teller);
  } else {
    status = teller.Tell(Answer(question.words, question));
  }
  return Finish(out, err, teller, status);
}

}  // namespace stripewise::cli
