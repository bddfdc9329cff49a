// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

#include <QWidget>

namespace stripewise::ui {

// The About window: the program's title, its working range, a memory aid for
// the colour order with a note, a picture and a credits line. Nothing in it
// takes input; it is closed with its close box.
class Form2 : public QWidget {
  Q_OBJECT

 public:
  Form2();

  // Reads the picture ahead, once for the program's life, so that a window
  // opening later shows it at once.
  static void PreparePicture();

 protected:
  void changeEvent(QEvent* event) override;
};

}  // namespace stripewise::ui
