// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// Feeds arbitrary text to "Color Code Name". Every run must end in one of two
// ways: one message box with nothing written but the focus, or the three bands
// set, Text1 rewritten and the bands-to-value results complete.
#include <stripewise/engine.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "recording.h"
#include "require.h"

namespace {

using namespace stripewise;

using stripewise::fuzz::Require;
using testing::kFocus;
using testing::kText1;
using testing::Write;

// The writes of a complete run, from the first band to the last repaint.
bool IsCompleteRun(const std::vector<Write>& writes, bool tolerance_selected) {
  std::vector<Write> expected = {ListId::List1, ShapeId::Shape2, ListId::List2, ShapeId::Shape3,
                                 ListId::List3, ShapeId::Shape4, kText1,        kText1};
  if (tolerance_selected) expected.insert(expected.end(), {LabelId::Label27, ShapeId::Shape5});
  expected.insert(expected.end(),
                  {LabelId::Label26, LabelId::Label28, LabelId::Label31, LabelId::Label8,
                   LabelId::Label32, ShapeId::Shape2, ShapeId::Shape3, ShapeId::Shape4});
  return writes == expected;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int tolerance = data[0] % 9 - 1;  // -1 (nothing) to 7
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

  Form1Record form;
  if (tolerance >= 0) form.SetListIndex(ListId::List4, static_cast<std::int16_t>(tolerance));
  form.SetText1(text);
  testing::RecordingBoxes boxes;
  testing::WriteLog log;
  form.SetObserver(&log);
  Command2_Click(form, boxes);

  if (!boxes.shown.empty()) {
    Require(boxes.shown.size() == 1, "more than one message", text);
    Require(log.writes.empty() || log.writes == std::vector<Write>{kFocus},
            "a refusal wrote to the window", text);
  } else {
    Require(IsCompleteRun(log.writes, tolerance >= 0), "a run stopped half-way", text);
    Require(form.Text1().size() <= 11, "Text1 longer than 11 characters", text);
  }
  Require(form.ListIndex(ListId::List4) == tolerance, "the tolerance band changed", text);
  return 0;
}
