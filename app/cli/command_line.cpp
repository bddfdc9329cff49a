// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "command_line.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace stripewise::cli {
namespace {

// Qt's standard options (see qt6options(7)); Qt takes them with one dash
// or two, and the first group with "=value" too.
constexpr std::array<std::string_view, 5> kQtJoinedOptions = {
    "style", "stylesheet", "qmljsdebugger", "dialogs", "fontengine"};
constexpr std::array<std::string_view, 12> kQtValueOptions = {
    "style",         "stylesheet", "platform",        "platformpluginpath",
    "platformtheme", "plugin",     "qwindowgeometry", "qwindowicon",
    "qwindowtitle",  "session",    "display",         "geometry"};
constexpr std::array<std::string_view, 5> kQtFlags = {"reverse", "widgetcount", "nograb", "dograb",
                                                      "sync"};

template <std::size_t N>
bool Holds(const std::array<std::string_view, N>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// The option's name without its dashes, or empty for a bare word.
std::string_view OptionName(std::string_view arg) {
  if (arg.size() < 2 || arg[0] != '-') return {};
  arg.remove_prefix(arg.starts_with("--") ? 2 : 1);
  return arg;
}

CommandLine WithAction(CommandLine::Action action, std::string error = {}) {
  CommandLine line;
  line.action = action;
  line.error = std::move(error);
  return line;
}

CommandLine Refuse(std::string error) {
  return WithAction(CommandLine::Action::Refuse, std::move(error));
}

}  // namespace

CommandLine ParseCommandLine(std::span<char* const> args) {
  CommandLine line;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "-h" || arg == "--help") return WithAction(CommandLine::Action::Help);
    if (arg == "--version") return WithAction(CommandLine::Action::Version);
    if (arg == "--verbose") {
      line.verbose = true;
      continue;
    }
    if (arg == "--every-code") {
      line.every_code = true;
      continue;
    }
    const std::string_view name = OptionName(arg);
    if (name.empty()) return Refuse("unexpected argument '" + std::string(arg) + "'");
    const std::size_t equals = name.find('=');
    if (equals != std::string_view::npos && Holds(kQtJoinedOptions, name.substr(0, equals))) {
      continue;
    }
    if (Holds(kQtFlags, name)) continue;
    if (!Holds(kQtValueOptions, name)) return Refuse("unknown option '" + std::string(arg) + "'");
    if (i + 1 == args.size()) return Refuse("option '" + std::string(arg) + "' needs a value");
    const std::string_view value = args[++i];
    if (name == "platform") line.platform = value;
    if (name == "display") line.display = value;
  }
  return line;
}

}  // namespace stripewise::cli
