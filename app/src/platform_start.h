// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// What the program does around Qt's start so that a display that cannot be
// reached, a platform that cannot start or a missing session bus is handled
// the way a command-line user expects.

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <string>
#include <vector>

#include "command_line.h"

namespace stripewise::app {

// Without a session bus, libdbus would start one of its own (dbus-launch)
// that outlives the program; with none to be had, the program goes without.
void AvoidSessionBusLaunch();

// On a Wayland compositor that leaves title bars to its programs (GNOME,
// weston), Qt's own title bar would offer minimize and maximize to windows
// of fixed size that can do neither: there, and where XWayland is at hand,
// the windows go through it and the compositor draws their title bars. A
// platform asked for with -platform or QT_QPA_PLATFORM is kept.
void PreferCompositorTitleBars(const cli::CommandLine& line);

// While alive, holds back the messages of Qt's start. When Qt gives up, it
// prints one line that says why and exits with 1: the displays it tried when
// none could be reached, else what Qt said; with --verbose or
// QT_DEBUG_PLUGINS, everything Qt said follows. The messages of a start that
// succeeds are passed on when the guard ends.
class StartupGuard {
 public:
  explicit StartupGuard(const cli::CommandLine& line);
  ~StartupGuard();
  StartupGuard(const StartupGuard&) = delete;
  StartupGuard& operator=(const StartupGuard&) = delete;

 private:
  struct Held {
    QtMsgType type;
    QByteArray category;
    QString text;
  };

  // Qt's message handler is a plain function; it reaches the one guard alive.
  static void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text);
  [[noreturn]] void GiveUp(const QString& fatal) const;
  // The line that says why Qt gave up.
  std::string Reason(const QString& fatal) const;
  std::string UnreachableDisplay() const;

  // The one guard alive, or nullptr.
  static StartupGuard*& Active();
  cli::CommandLine line_;
  bool verbose_;
  QtMessageHandler previous_ = nullptr;
  std::vector<Held> held_;
};

}  // namespace stripewise::app
