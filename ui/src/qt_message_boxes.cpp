// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_ui/qt_message_boxes.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QString>

#include "stripewise_ui/look.h"

namespace stripewise::ui {
namespace {

// What a title bar holds besides its title: icon, buttons and margins.
constexpr int kTitleBarRoom = 150;

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

}  // namespace

void QtMessageBoxes::MsgBox(std::string_view prompt, std::string_view title, MsgBoxStyle style) {
  QMessageBox box(IconOf(style), Text(title), Text(prompt), QMessageBox::Ok, parent_);
  box.setObjectName("MsgBox");
  // A window manager shortens a title that its title bar cannot hold ("Error"
  // showed as an ellipsis): leave room for the title in a bold face, and for
  // the icon and buttons that share the bar.
  QFont bold = box.font();
  bold.setBold(true);
  const int needed = QFontMetrics(bold).horizontalAdvance(box.windowTitle()) + kTitleBarRoom;
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    grid->addItem(new QSpacerItem(needed, 0), grid->rowCount(), 0, 1, grid->columnCount());
  }
  box.exec();
}

}  // namespace stripewise::ui
