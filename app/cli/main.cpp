// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// Stripewise: the resistor colour-code converter. This program answers the
// command line itself, without loading any toolkit, and starts the window
// program installed beside it for everything else.
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <span>
#include <string>

#include "codes_command.h"
#include "command_line.h"
#include "help.h"
#include "io.h"

namespace {

using namespace stripewise::cli;

constexpr int kFailed = 2;

void Complain(const std::string& message) {
  const std::string line = "stripewise: " + message + "\n";
  if (write(STDERR_FILENO, line.data(), line.size()) < 0) return;  // nowhere else to say it
}

// Writes a text to standard output; a failure to do so fails the program.
int Print(const std::string& text, int status) {
  Output out(STDOUT_FILENO);
  out.Write(text);
  out.Flush();
  if (out.Status() != Output::State::Failed) return status;
  Complain("cannot write standard output: " + out.Error());
  return kFailed;
}

// The window program: STRIPEWISE_WINDOW_PROGRAM, relative to the folder of
// this one.
std::string WindowProgram() {
  char self[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
  if (length <= 0) return STRIPEWISE_WINDOW_PROGRAM;
  std::string path(self, static_cast<std::size_t>(length));
  return path.substr(0, path.rfind('/') + 1) + STRIPEWISE_WINDOW_PROGRAM;
}

}  // namespace

int main(int argc, char** argv) {
  const auto args =
      std::span<char* const>(argv, static_cast<std::size_t>(argc)).subspan(argc > 0 ? 1 : 0);
  if (IsCodesCommand(args)) {
    return RunCodesCommand(args, STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO);
  }
  const CommandLine line = ParseCommandLine(args);
  switch (line.action) {
    case CommandLine::Action::Help:
      return Print(ProgramHelp(), 0);
    case CommandLine::Action::Version:
      return Print(VersionLine() + "\n", 0);
    case CommandLine::Action::Refuse:
      Complain(line.error);
      if (write(STDERR_FILENO, ProgramHelp().data(), ProgramHelp().size()) < 0) return kFailed;
      return kFailed;
    case CommandLine::Action::Run:
      break;
  }
  const std::string window = WindowProgram();
  execv(window.c_str(), argv);
  Complain("cannot start the window program " + window + ": " + std::strerror(errno));
  return 1;
}
