// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "run.h"

#include <stripewise/version.h>
#include <stripewise_ui/look.h>
#include <stripewise_ui/program.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <span>

#include "command_line.h"
#include "help.h"
#include "platform_start.h"

namespace stripewise::app {
namespace {

using cli::CommandLine;

// Answers --help, --version and a refused command line without a display,
// when the window program is started by hand.
std::optional<int> AnswerWithoutWindow(const CommandLine& line) {
  using Action = CommandLine::Action;
  switch (line.action) {
    case Action::Run:
      return std::nullopt;
    case Action::Help:
      std::fputs(cli::ProgramHelp().c_str(), stdout);
      return 0;
    case Action::Version:
      std::puts(cli::VersionLine().c_str());
      return 0;
    case Action::Refuse:
      std::fprintf(stderr, "stripewise: %s\n%s", line.error.c_str(), cli::ProgramHelp().c_str());
      return 2;
  }
  return std::nullopt;
}

}  // namespace

int Main(int argc, char** argv, const std::function<void(ui::Program&)>& started) {
  const auto args =
      std::span<char* const>(argv, static_cast<std::size_t>(argc)).subspan(argc > 0 ? 1 : 0);
  const CommandLine line = cli::ParseCommandLine(args);
  if (const auto status = AnswerWithoutWindow(line)) return *status;
  AvoidSessionBusLaunch();
  setenv("RESOURCE_NAME", STRIPEWISE_X11_NAME, 0);  // the X11 instance name desktops match
  PreferCompositorTitleBars(line);
  std::optional<StartupGuard> guard(std::in_place, line);
  QApplication app(argc, argv);
  guard.reset();
  QApplication::setApplicationName("Stripewise");
  QApplication::setApplicationVersion(STRIPEWISE_VERSION);
  QGuiApplication::setDesktopFileName(STRIPEWISE_APP_ID);  // names the icon on Wayland
  ui::RegisterFontFallback();
  ui::Program program;
  if (started) started(program);
  program.Start();
  if (line.every_code) program.ShowEveryCode();
  return QApplication::exec();
}

}  // namespace stripewise::app
