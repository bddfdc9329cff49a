// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// Helpers for driving the real widgets headless: find controls by name,
// click list entries, read message boxes, sample painted colours.

#include <stripewise/band_tables.h>
#include <stripewise_ui/program.h>

#include <QImage>
#include <QMessageBox>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

class QListWidget;

namespace stripewise::ui::testing {

// A message box as the user saw it.
struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon;
  int buttons;  // how many buttons it offered
  bool operator==(const SeenBox&) const = default;
};

// Runs `action`, answering with OK every modal message box it opens, and
// returns the boxes seen; `roomy`, when given, is cleared if a box is too
// narrow for a title bar to show its whole title.
std::vector<SeenBox> AnswerBoxes(const std::function<void()>& action, bool* roomy = nullptr);

// The named child of a window, failing the test when it is missing.
template <typename T>
T* Child(QWidget& window, std::string_view name) {
  T* child =
      window.findChild<T*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  if (child == nullptr) throw std::runtime_error("no control " + std::string(name));
  return child;
}

// Clicks the entry at `row` of a list with the mouse.
void ClickEntry(QListWidget* list, int row);

// Clicks a named push button with the mouse.
void ClickButton(QWidget& window, std::string_view name);

// Types into a named text box with the keyboard, after clicking into it.
void TypeInto(QWidget& window, std::string_view name, const QString& text);

// The colour painted at the centre of a named control, from a grab of the window.
QColor PaintedAtCentre(QWidget& window, std::string_view name);

// The screen colour a colour value shows as in a window.
QColor Screen(ColorValue value, const QWidget& window);

// A started program whose main window is shown and active.
std::unique_ptr<Program> StartedProgram();

}  // namespace stripewise::ui::testing
