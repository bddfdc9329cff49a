// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_ui/program.h"

#include "stripewise_ui/look.h"
#include "stripewise_ui/placement.h"

namespace stripewise::ui {

Program::Program(MessageBoxes* boxes) : form1_(std::make_unique<Form1>(boxes)) {
  form1_->SetAboutHandler([this] { ShowAbout(); });
  form1_->SetEveryCodeHandler([this] { ShowEveryCode(); });
  form1_->SetUnloadHandler([this] { UnloadForm1(); });
}

void Program::Start() {
  form1_->Form_Load();
  CentreOnScreen(form1_.get(), form1_->screen());
  form1_->show();
}

void Program::ShowAbout() {
  // A Wayland compositor brings a window forward only when the user asks
  // it, and Qt's request cannot prove that the user did: a window that is
  // not active is opened anew instead, which every compositor puts in
  // front, in the state any fresh About window has.
  if (!form2_.isNull() && OnWayland() && !form2_->isActiveWindow()) {
    form2_->close();
    delete form2_;
  }
  if (form2_.isNull()) {
    form2_ = new Form2;  // deletes itself when closed, which empties the reference
    CentreOnScreen(form2_, form1_->screen());  // the screen of the main window
  }
  form2_->show();
  form2_->raise();
  form2_->activateWindow();
}

void Program::ShowEveryCode() {
  if (every_code_.isNull()) {
    every_code_ = new EveryCodeWindow;
    every_code_->setAttribute(Qt::WA_DeleteOnClose);  // which empties the reference
    every_code_->adjustSize();
    CentreOnScreen(every_code_, form1_->screen());
  } else if (OnWayland() && !every_code_->isActiveWindow()) {
    // Shown anew, the window is a new one to the compositor, which puts it
    // in front (see ShowAbout); hidden and shown, it keeps what it shows.
    every_code_->hide();
  }
  every_code_->show();
  every_code_->raise();
  every_code_->activateWindow();
}

void Program::UnloadForm1() {
  if (!form2_.isNull()) form2_->close();
  if (!every_code_.isNull()) every_code_->close();
}

}  // namespace stripewise::ui
