// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_ui/qt_message_boxes.h"

#include <QMessageBox>
#include <QString>

namespace stripewise::ui {
namespace {

QMessageBox::Icon IconOf(MsgBoxStyle style) {
  switch (style) {
    case MsgBoxStyle::Critical:
      return QMessageBox::Critical;
    case MsgBoxStyle::Information:
      return QMessageBox::Information;
    case MsgBoxStyle::OkOnly:
      break;
  }
  return QMessageBox::NoIcon;
}

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void QtMessageBoxes::MsgBox(std::string_view prompt, std::string_view title, MsgBoxStyle style) {
  QMessageBox box(IconOf(style), FromUtf8(title), FromUtf8(prompt), QMessageBox::Ok, parent_);
  box.setObjectName("MsgBox");
  box.exec();
}

}  // namespace stripewise::ui
