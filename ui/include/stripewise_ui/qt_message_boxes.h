// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

#include <stripewise/message_boxes.h>

#include <QPointer>
#include <QWidget>

namespace stripewise::ui {

// Real modal message boxes: the prompt, the title, the icon the style names
// and a single OK button, over the given window.
class QtMessageBoxes : public MessageBoxes {
 public:
  explicit QtMessageBoxes(QWidget* parent) : parent_(parent) {}
  void MsgBox(std::string_view prompt, std::string_view title, MsgBoxStyle style) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace stripewise::ui
