// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "platform_start.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>

namespace stripewise::app {
namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

// What the display plugins say when their display server cannot be reached.
bool SaysDisplayUnreachable(const QString& text) {
  return text.startsWith("could not connect to display") ||
         text.startsWith("Failed to create wl_display");
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

StartupGuard*& StartupGuard::Active() {
  static StartupGuard* guard = nullptr;
  return guard;
}

StartupGuard::StartupGuard(const CommandLine& line)
    : line_(line), verbose_(line.verbose || !Env("QT_DEBUG_PLUGINS").empty()) {
  // Asked to say more, Qt's plugin loader says why a plugin would not load.
  if (line.verbose) setenv("QT_DEBUG_PLUGINS", "1", 0);
  Active() = this;
  previous_ = qInstallMessageHandler(Hold);
}

StartupGuard::~StartupGuard() {
  qInstallMessageHandler(previous_);
  Active() = nullptr;
  for (const Held& held : held_) {
    const QMessageLogContext context(nullptr, 0, nullptr, held.category.constData());
    qt_message_output(held.type, context, held.text);
  }
}

void StartupGuard::Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) Active()->GiveUp(text);
  Active()->held_.push_back({type, QByteArray(context.category), text});
}

void StartupGuard::GiveUp(const QString& fatal) const {
  std::fprintf(stderr, "%s\n", Reason(fatal).c_str());
  if (verbose_) {
    for (const Held& held : held_) {
      const QMessageLogContext context(nullptr, 0, nullptr, held.category.constData());
      std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(held.type, context, held.text)));
    }
    std::fprintf(stderr, "%s\n", qPrintable(fatal));
  }
  std::_Exit(1);
}

// The display plugins name the display they could not reach, and the plugin
// loader the plugin it could not find or load; any other failure is Qt's
// fatal message itself.
std::string StartupGuard::Reason(const QString& fatal) const {
  QString said = fatal.section('\n', 0, 0);
  for (const Held& held : held_) {
    if (SaysDisplayUnreachable(held.text)) return UnreachableDisplay();
    if (held.category == "qt.qpa.plugin") said = held.text;
  }
  return "stripewise: cannot start the Qt platform: " + said.toStdString();
}

// "cannot open a display (tried X11 display ":1", Wayland display
// "wayland-0")", naming what the chosen platform would have used.
std::string StartupGuard::UnreachableDisplay() const {
  const std::string platform = line_.platform.empty() ? Env("QT_QPA_PLATFORM") : line_.platform;
  const std::string x11 = line_.display.empty() ? Env("DISPLAY") : line_.display;
  const std::string wayland = Env("WAYLAND_DISPLAY");
  // libwayland's own choice when none is named.
  const std::string wayland_tried = wayland.empty() ? "wayland-0" : wayland;
  const bool any = platform.empty();
  std::string tried;
  const auto add = [&tried](const std::string& what) {
    tried += (tried.empty() ? "" : ", ") + what;
  };
  if ((any && !wayland.empty()) || platform.find("wayland") != std::string::npos) {
    add("Wayland display \"" + wayland_tried + "\"");
  }
  if ((any && !x11.empty()) || platform.find("xcb") != std::string::npos) {
    add("X11 display \"" + x11 + "\"");
  }
  if (tried.empty())
    return "stripewise: no graphical display (DISPLAY and WAYLAND_DISPLAY are unset)";
  return "stripewise: cannot open a display (tried " + tried + ")";
}

}  // namespace stripewise::app
