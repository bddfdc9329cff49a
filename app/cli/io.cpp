// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "io.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace stripewise::cli {
namespace {

constexpr std::size_t kBlock = std::size_t{64} * 1024;

}  // namespace

void Output::Write(std::string_view text) {
  if (state_ != State::Good) return;
  buffer_.append(text);
  if (buffer_.size() >= kBlock) Flush();
}

void Output::Flush() {
  std::size_t done = 0;
  while (state_ == State::Good && done < buffer_.size()) {
    const ssize_t n = write(fd_, buffer_.data() + done, buffer_.size() - done);
    if (n >= 0) {
      done += static_cast<std::size_t>(n);
    } else if (errno == EPIPE) {
      state_ = State::Closed;
    } else if (errno != EINTR) {
      state_ = State::Failed;
      error_ = std::strerror(errno);
    }
  }
  buffer_.clear();
}

LineReader::LineReader(int fd, Output& out, Output& err)
    : fd_(fd), out_(out), err_(err), buffer_(kBlock, '\0') {}

bool LineReader::Fill() {
  if (start_ > 0) {  // keep the unread part at the front
    std::memmove(buffer_.data(), buffer_.data() + start_, end_ - start_);
    end_ -= start_;
    start_ = 0;
  }
  if (out_.Pending() || err_.Pending()) {
    pollfd ready{fd_, POLLIN, 0};
    if (poll(&ready, 1, 0) == 0) {  // reading would wait
      err_.Flush();
      out_.Flush();
    }
  }
  for (;;) {
    const ssize_t n = read(fd_, buffer_.data() + end_, buffer_.size() - end_);
    if (n > 0) {
      end_ += static_cast<std::size_t>(n);
      return true;
    }
    if (n == 0) {
      ended_ = true;
      return false;
    }
    if (errno != EINTR) {
      error_ = std::strerror(errno);
      return false;
    }
  }
}

LineReader::Got LineReader::Next(std::string_view& line, std::size_t& length) {
  std::size_t skipped = 0;  // bytes of a line too long to keep
  for (;;) {
    const std::string_view unread(buffer_.data() + start_, end_ - start_);
    const std::size_t newline = unread.find('\n');
    if (newline != std::string_view::npos) {
      start_ += newline + 1;
      length = skipped + newline;
      if (skipped > 0 || newline > kLongestLine) return Got::TooLong;
      line = unread.substr(0, newline);
      return Got::Line;
    }
    if (unread.size() > kLongestLine) {  // drop it, counting what is dropped
      skipped += unread.size();
      start_ = end_;
    }
    if (!ended_ && error_.empty() && Fill()) continue;
    if (!error_.empty()) return Got::Failed;
    const std::string_view rest(buffer_.data() + start_, end_ - start_);
    start_ = end_;
    length = skipped + rest.size();
    if (skipped > 0) return Got::TooLong;
    if (rest.empty()) return Got::End;
    line = rest;  // a last line without a newline
    return Got::Line;
  }
}

}  // namespace stripewise::cli
