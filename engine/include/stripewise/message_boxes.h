// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

#include <string_view>

namespace stripewise {

// Style of a message box: its icon, always with a single OK button.
enum class MsgBoxStyle : int {
  OkOnly = 0,        // no icon
  Critical = 16,     // error icon
  Information = 64,  // information icon
};

// Shows modal message boxes. The window shows real ones; tests record them.
// The answer of a box is never used.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Shows one box and returns when it is closed.
  virtual void MsgBox(std::string_view prompt, std::string_view title, MsgBoxStyle style) = 0;
};

}  // namespace stripewise
