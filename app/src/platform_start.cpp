// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "platform_start.h"

#include <sys/stat.h>

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace stripewise::app {
namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

struct Held {
  QtMsgType type;
  QByteArray category;
  QString text;
};

// The message handler is a plain function, so its state is the program's.
QtMessageHandler g_previous = nullptr;
std::vector<Held> g_held;
std::string g_failure_line;

// "cannot open a display (tried X11 display ":1", Wayland display "wayland-0")",
// naming what the chosen platform would have used.
std::string FailureLine(const CommandLine& line) {
  const std::string platform = line.platform.empty() ? Env("QT_QPA_PLATFORM") : line.platform;
  const std::string x11 = line.display.empty() ? Env("DISPLAY") : line.display;
  const std::string wayland = Env("WAYLAND_DISPLAY");
  const bool any = platform.empty();
  std::string tried;
  const auto add = [&tried](const std::string& what) {
    tried += (tried.empty() ? "" : ", ") + what;
  };
  if ((any && !wayland.empty()) || platform.find("wayland") != std::string::npos) {
    add("Wayland display \"" + wayland + "\"");
  }
  if ((any && !x11.empty()) || platform.find("xcb") != std::string::npos) {
    add("X11 display \"" + x11 + "\"");
  }
  if (any && tried.empty()) {
    return "stripewise: no graphical display (DISPLAY and WAYLAND_DISPLAY are unset)";
  }
  if (tried.empty()) return "stripewise: cannot start the Qt platform \"" + platform + "\"";
  return "stripewise: cannot open a display (tried " + tried + ")";
}

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n", g_failure_line.c_str());
    std::_Exit(1);
  }
  g_held.push_back({type, QByteArray(context.category), text});
}

}  // namespace

void AvoidSessionBusLaunch() {
  if (!Env("DBUS_SESSION_BUS_ADDRESS").empty()) return;
  const std::string runtime = Env("XDG_RUNTIME_DIR");
  struct stat bus {};
  if (!runtime.empty() && stat((runtime + "/bus").c_str(), &bus) == 0 && S_ISSOCK(bus.st_mode)) {
    return;  // libdbus finds the user's bus there by itself
  }
  setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

DisplayGuard::DisplayGuard(const CommandLine& line) {
  g_failure_line = FailureLine(line);
  g_previous = qInstallMessageHandler(Hold);
}

DisplayGuard::~DisplayGuard() {
  qInstallMessageHandler(g_previous);
  for (const Held& held : g_held) {
    const QMessageLogContext context(nullptr, 0, nullptr, held.category.constData());
    qt_message_output(held.type, context, held.text);
  }
  g_held.clear();
}

}  // namespace stripewise::app
