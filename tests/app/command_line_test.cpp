// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// The real command line as a shell runs it: no toolkit loaded, and every
// fault of its input and output reported, except a reader going away.
#include <gtest/gtest.h>

#include <string>

#include "child_process.h"

namespace stripewise {
namespace {

// What bash prints and exits with for a command that runs the program as $P.
struct Ran {
  int status;
  std::string out;
  std::string err;
};

Ran Bash(const std::string& command) {
  testing::Child child("/bin/bash", {"-c", command}, {}, {"P=" STRIPEWISE_PROGRAM});
  const int status = child.Wait(20000);
  return {status, child.Stdout(), child.Stderr()};
}

TEST(CommandLine, AnswersWithoutLoadingQt) {
  for (const char* args : {"value red red red gold", "bands 4k7 --json", "smd 472", "--help",
                           "--version", "smd --help", "bands 1e400"}) {
    const Ran ran = Bash("LD_DEBUG=libs \"$P\" " + std::string(args) +
                         " 2>&1 >/dev/null | "
                         "grep -c -e 'calling init: .*libQt' -e 'find library=libQt'");
    EXPECT_EQ(ran.out, "0\n") << args;
  }
}

TEST(CommandLine, FailsOnEveryFaultOfItsOutputAndInput) {
  const struct {
    const char* command;
    const char* err;
  } kFaults[] = {
      {"\"$P\" value red red red gold >/dev/full",
       "write standard output: No space left on device"},
      {"\"$P\" bands 4k7 >&-", "write standard output: Bad file descriptor"},
      {"\"$P\" --help >/dev/full", "write standard output: No space left on device"},
      {"\"$P\" --version >&-", "write standard output: Bad file descriptor"},
      {"\"$P\" smd --help >/dev/full", "write standard output: No space left on device"},
      {"\"$P\" bands - </", "read standard input: Is a directory"},
      {"\"$P\" value - <&-", "read standard input: Bad file descriptor"},
  };
  for (const auto& fault : kFaults) {
    const Ran ran = Bash(fault.command);
    EXPECT_EQ(ran.status, 2) << fault.command;
    EXPECT_EQ(ran.err, "stripewise: cannot " + std::string(fault.err) + "\n") << fault.command;
  }
}

// A reader that closes the pipe ends a long batch at once and quietly,
// killed by SIGPIPE or, with SIGPIPE ignored, told by the write.
TEST(CommandLine, EndsQuietlyWhenTheReaderGoesAway) {
  for (const char* ignore : {"", "trap '' PIPE; "}) {
    const Ran ran =
        Bash(std::string(ignore) +
             "yes 472 2>/dev/null | head -n 2000000 2>/dev/null | \"$P\" smd - | head -n 1;"
             " echo \"${PIPESTATUS[2]}\"");
    const std::string status = *ignore == '\0' ? "141" : "0";
    EXPECT_EQ(ran.out,
              "4.7 k\u03A9, tolerance not marked; series E3, E6, E12, E24, E192\n" + status + "\n")
        << ignore;
    EXPECT_EQ(ran.err, "") << ignore;
  }
}

}  // namespace
}  // namespace stripewise
