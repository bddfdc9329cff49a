// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// Another program run as a child of a test, as a desktop or a shell starts it.

#include <sys/types.h>

#include <string>
#include <vector>

namespace stripewise::testing {

// A program started with these arguments, without the named variables of
// this environment and with the added ones; killed and reaped when it goes.
// What it prints is kept in files of its own.
class Child {
 public:
  explicit Child(const std::string& program, const std::vector<std::string>& args = {},
                 const std::vector<std::string>& env_removed = {},
                 const std::vector<std::string>& env_added = {});
  ~Child();
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  // The exit code, or -1 when it did not end in time or did not exit.
  int Wait(int timeout_ms);
  std::string Stdout() const;
  std::string Stderr() const;

 private:
  pid_t pid_ = -1;
  bool exited_ = false;
  std::string stdout_;
  std::string stderr_;
};

// Runs xdotool with these arguments; false when it fails.
bool Xdotool(const std::string& arguments);

}  // namespace stripewise::testing
