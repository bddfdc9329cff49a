// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// Test doubles for the engine: message boxes that are recorded instead of
// shown, and a log of every write to the record.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "stripewise/engine.h"

namespace stripewise::testing {

struct ShownBox {
  std::string prompt;
  std::string title;
  MsgBoxStyle style;
  bool operator==(const ShownBox&) const = default;
};

class RecordingBoxes : public MessageBoxes {
 public:
  void MsgBox(std::string_view prompt, std::string_view title, MsgBoxStyle style) override {
    shown.push_back({std::string(prompt), std::string(title), style});
  }
  std::vector<ShownBox> shown;
};

// One write the record reports: a list, a caption or a band by its id, or
// kText1 and kFocus for the text of Text1 and the focus given to it.
using Write = std::variant<ListId, LabelId, ShapeId, std::string_view>;
inline const Write kText1 = std::string_view("Text1");
inline const Write kFocus = std::string_view("Text1 focus");

// Every write the record reports, in order.
class WriteLog : public Form1Observer {
 public:
  void ListWritten(ListId list) override { writes.emplace_back(list); }
  void Text1Written() override { writes.push_back(kText1); }
  void CaptionWritten(LabelId label) override { writes.emplace_back(label); }
  void FillWritten(ShapeId band) override { writes.emplace_back(band); }
  void Text1Focused() override { writes.push_back(kFocus); }
  std::vector<Write> writes;
};

// A record with the given band positions selected, then its observer set,
// so that only what a handler does afterwards is logged.
struct Bench {
  Form1Record form;
  RecordingBoxes boxes;
  WriteLog log;

  Bench(int first, int second, int multiplier, int tolerance) {
    Select(ListId::List1, first);
    Select(ListId::List2, second);
    Select(ListId::List3, multiplier);
    Select(ListId::List4, tolerance);
    form.SetObserver(&log);
  }
  Bench(const Bench&) = delete;  // the record points at this log
  Bench& operator=(const Bench&) = delete;

  // Types a text into Text1, as the user does: not an engine write.
  void Type(const std::string& text) { form.UserTyped(text); }
  void Select(ListId list, int position) {
    if (position >= 0) form.SetListIndex(list, static_cast<std::int16_t>(position));
  }
  const std::string& Caption(LabelId label) const { return form.Caption(label); }
};

}  // namespace stripewise::testing
