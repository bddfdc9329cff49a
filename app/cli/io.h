// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// The command line's standard output and input: output gathered into large
// writes, and input read as lines in bounded chunks, so that neither a long
// batch nor a long line is held whole.

#include <cstddef>
#include <string>
#include <string_view>

namespace stripewise::cli {

// Text written to a file descriptor in blocks.
class Output {
 public:
  enum class State {
    Good,
    Closed,  // the reader went away (EPIPE): stop, and say nothing
    Failed,  // any other write error
  };

  explicit Output(int fd) : fd_(fd) {}
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  // Adds text, writing out a full block.
  void Write(std::string_view text);
  // Writes out what is gathered.
  void Flush();
  bool Pending() const { return !buffer_.empty(); }
  State Status() const { return state_; }
  // The system's words for a failure: "No space left on device".
  const std::string& Error() const { return error_; }

 private:
  int fd_;
  std::string buffer_;
  State state_ = State::Good;
  std::string error_;
};

// The lines of a file descriptor, each without its newline.
class LineReader {
 public:
  static constexpr std::size_t kLongestLine = 4096;

  enum class Got {
    Line,
    TooLong,  // a line longer than kLongestLine, skipped
    End,
    Failed,  // a read error; Error() names it
  };

  // `err` and `out` are written out before any read that would wait for
  // input, so that a person typing questions sees each answer at once.
  LineReader(int fd, Output& out, Output& err);
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // The next line, valid until the next call; for TooLong, `length` is the
  // length of the skipped line.
  Got Next(std::string_view& line, std::size_t& length);
  const std::string& Error() const { return error_; }

 private:
  // Reads more input after what is kept; false at the end or on an error.
  bool Fill();

  int fd_;
  Output& out_;
  Output& err_;
  std::string buffer_;
  std::size_t start_ = 0, end_ = 0;  // the unread part of buffer_
  bool ended_ = false;
  std::string error_;
};

}  // namespace stripewise::cli
