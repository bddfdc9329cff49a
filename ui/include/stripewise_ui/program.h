// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

#include "stripewise_ui/every_code.h"
#include "stripewise_ui/form1.h"
#include "stripewise_ui/form2.h"

namespace stripewise::ui {

// The program's two windows, each through one reference: the main window
// for the life of the program, the About window from "About" until closed.
class Program {
 public:
  // Message boxes go to `boxes` when given, else real ones are shown.
  explicit Program(MessageBoxes* boxes = nullptr);

  // Loads the main window, selects "Do not count" and shows it centred.
  void Start();

  Form1& MainWindow() { return *form1_; }

  // The open About window, or nullptr.
  Form2* AboutWindow() const { return form2_; }

  // Opens the About window, or brings the open one to the front.
  void ShowAbout();
  // The open window for every resistor code, or nullptr.
  EveryCodeWindow* EveryCode() const { return every_code_; }
  // Opens the window for every resistor code, built on its first opening,
  // or brings the open one to the front as it is.
  void ShowEveryCode();

 private:
  // Closing the main window closes the About window too.
  void UnloadForm1();

  std::unique_ptr<Form1> form1_;
  QPointer<Form2> form2_;
  QPointer<EveryCodeWindow> every_code_;
};

}  // namespace stripewise::ui
