// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "platform_start.h"

#include <sys/stat.h>
#include <wayland-client.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

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

// Whether the Wayland compositor draws the title bars of windows that ask it
// (it offers xdg-decoration); nothing when it cannot be reached.
std::optional<bool> CompositorDrawsTitleBars() {
  wl_display* display = wl_display_connect(nullptr);
  if (display == nullptr) return std::nullopt;
  bool draws = false;
  static const wl_registry_listener kListener = {
      [](void* data, wl_registry*, std::uint32_t, const char* interface, std::uint32_t) {
        if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0) {
          *static_cast<bool*>(data) = true;
        }
      },
      [](void*, wl_registry*, std::uint32_t) {}};
  wl_registry* registry = wl_display_get_registry(display);
  wl_registry_add_listener(registry, &kListener, &draws);
  const bool answered = wl_display_roundtrip(display) >= 0;
  wl_registry_destroy(registry);
  wl_display_disconnect(display);
  return answered ? std::optional<bool>(draws) : std::nullopt;
}

}  // namespace

void PreferCompositorTitleBars(const cli::CommandLine& line) {
  if (!line.platform.empty() || !Env("QT_QPA_PLATFORM").empty()) return;
  if (Env("WAYLAND_DISPLAY").empty() || Env("DISPLAY").empty()) return;
  if (CompositorDrawsTitleBars().value_or(true)) return;
  setenv("QT_QPA_PLATFORM", "xcb", 1);
}

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

StartupGuard::StartupGuard(const cli::CommandLine& line)
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
