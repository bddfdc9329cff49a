// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// Builds widgets from the rows of the layout tables.

#include <QWidget>

#include "stripewise_ui/layout.h"

class QListWidget;
class QPushButton;

namespace stripewise::ui {

// A label, shape or line as a child of `parent`, on top of those made
// before it. Labels without a background of their own take `standard_back`.
QWidget* MakeGraphic(const GraphicRow& row, QWidget* parent, ColorValue standard_back);

// A single-selection list of band colours that shows every entry without
// scrolling. The user can change the selection but not clear it.
QListWidget* MakeList(const ListRow& row, QWidget* parent);

// A push button that is never the window's default button.
QPushButton* MakeButton(const ButtonRow& row, QWidget* parent);

}  // namespace stripewise::ui
