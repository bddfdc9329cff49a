// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// Feeds arbitrary text to "Color Code Name". Every run must end in one of two
// ways: one message box with nothing written but the focus, or the three bands
// set, Text1 rewritten and the bands-to-value results complete.
#include <stripewise/engine.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace stripewise;

class CountingBoxes : public MessageBoxes {
 public:
  void MsgBox(std::string_view, std::string_view, MsgBoxStyle) override { ++shown; }
  int shown = 0;
};

class EffectLog : public Form1Observer {
 public:
  void Written(Effect effect) override { effects.push_back(effect); }
  std::vector<Effect> effects;
};

void Require(bool condition, const char* what, const std::string& text) {
  if (condition) return;
  std::fprintf(stderr, "%s for input \"%s\"\n", what, text.c_str());
  std::abort();
}

// The writes of a complete run, from the first band to the last repaint.
bool IsCompleteRun(const std::vector<Effect>& e, bool tolerance_selected) {
  std::vector<Effect> expected = {Effect::List1, Effect::Shape2, Effect::List2, Effect::Shape3,
                                  Effect::List3, Effect::Shape4, Effect::Text1, Effect::Text1};
  if (tolerance_selected) expected.insert(expected.end(), {Effect::Label27, Effect::Shape5});
  expected.insert(expected.end(),
                  {Effect::Label26, Effect::Label28, Effect::Label31, Effect::Label8,
                   Effect::Label32, Effect::Shape2, Effect::Shape3, Effect::Shape4});
  return e == expected;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int tolerance = data[0] % 9 - 1;  // -1 (nothing) to 7
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

  Form1Record form;
  if (tolerance >= 0) form.SetListIndex(ListId::List4, static_cast<std::int16_t>(tolerance));
  form.SetText1(text);
  CountingBoxes boxes;
  EffectLog log;
  form.SetObserver(&log);
  Command2_Click(form, boxes);

  if (boxes.shown > 0) {
    Require(boxes.shown == 1, "more than one message", text);
    Require(
        log.effects.empty() || (log.effects.size() == 1 && log.effects[0] == Effect::Text1Focus),
        "a refusal wrote to the window", text);
  } else {
    Require(IsCompleteRun(log.effects, tolerance >= 0), "a run stopped half-way", text);
    Require(form.Text1().size() <= 11, "Text1 longer than 11 characters", text);
  }
  Require(form.ListIndex(ListId::List4) == tolerance, "the tolerance band changed", text);
  return 0;
}
