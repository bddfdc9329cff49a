// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// Drives the main window's record through any sequence of what a user and
// the program do: list picks (-1 and positions past the end among them),
// typed texts, "Color Code Value" and "Color Code Name". After every step:
// each list position lies within its list, each digit and multiplier band is
// painted in the colour of its list's position, a conversion that refused
// left the lists as they were, and one that answered painted the tolerance
// band and kept Text1 within 11 characters.
#include <stripewise/engine.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "recording.h"
#include "require.h"

namespace {

using namespace stripewise;

using stripewise::fuzz::Require;

// The characters typed texts are made of: what the value rules read, and a
// few they refuse.
constexpr std::string_view kTyped = "0123456789.,-+eEdD&HhOo kKmM\t%";

// The input, consumed byte by byte; zero once it is used up.
class Script {
 public:
  Script(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool Done() const { return at_ == size_; }
  std::uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

using Positions = std::array<std::int16_t, 4>;

Positions PositionsOf(const Form1Record& form) {
  Positions positions{};
  for (const ListId list : AllIds<ListId>()) {
    positions[static_cast<std::size_t>(list)] = form.ListIndex(list);
  }
  return positions;
}

// A pick of a list: a position from -1 to one past the last. One past the
// last is refused with InvalidPosition and changes nothing.
void Pick(Form1Record& form, ListId list, std::uint8_t byte, const std::string& trace) {
  const int count = ListCount(list);
  const auto position = static_cast<std::int16_t>(byte % (count + 2) - 1);
  const Positions before = PositionsOf(form);
  if (position < count) {
    form.UserSelected(list, position);
    return;
  }
  bool refused = false;
  try {
    form.SetListIndex(list, position);
  } catch (const RuntimeError&) {
    refused = true;
  }
  Require(refused && PositionsOf(form) == before, "a position past the end was taken", trace);
}

std::string Typed(Script& script) {
  std::string text;
  for (int length = script.Next() % 12; length > 0; --length) {
    text += kTyped[script.Next() % kTyped.size()];
  }
  return text;
}

// What must hold after every step.
void CheckInvariants(const Form1Record& form, const std::string& trace) {
  for (const ListId list : AllIds<ListId>()) {
    const std::int16_t position = form.ListIndex(list);
    Require(position >= -1 && position < ListCount(list), "a position outside its list", trace);
    if (list == ListId::List4 || position < 0) continue;
    Require(form.FillColor(BandOf(list)) == kBandColors[static_cast<std::size_t>(position)],
            "a band painted in another colour than its list's", trace);
  }
}

// Runs a conversion; a refusal leaves the lists alone, an answer paints the
// tolerance band and writes a short Text1.
template <typename Conversion>
void Convert(Form1Record& form, Conversion conversion, const std::string& trace) {
  testing::RecordingBoxes boxes;
  const Positions before = PositionsOf(form);
  conversion(form, boxes);
  if (!boxes.shown.empty()) {
    Require(boxes.shown.size() == 1, "more than one message", trace);
    Require(PositionsOf(form) == before, "a refusal moved a list", trace);
    return;
  }
  Require(form.Text1().size() <= 11, "Text1 longer than 11 characters", trace);
  if (const std::int16_t tolerance = form.ListIndex(ListId::List4); tolerance >= 0) {
    Require(
        form.FillColor(ShapeId::Shape5) == kToleranceColors[static_cast<std::size_t>(tolerance)],
        "the tolerance band painted in another colour than its list's", trace);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Script script(data, size);
  Form1Record form;
  std::string trace;  // the steps so far, for the report of a failure
  while (!script.Done()) {
    const std::uint8_t step = script.Next() % 7;
    if (step < 4) {
      const std::uint8_t byte = script.Next();
      trace += "pick List" + std::to_string(step + 1) + " " + std::to_string(byte) + "; ";
      Pick(form, static_cast<ListId>(step), byte, trace);
    } else if (step == 4) {
      const std::string text = Typed(script);
      trace += "type '" + text + "'; ";
      form.UserTyped(text);
    } else if (step == 5) {
      trace += "Color Code Value; ";
      Convert(form, Command1_Click, trace);
    } else {
      trace += "Color Code Name; ";
      Convert(form, Command2_Click, trace);
    }
    CheckInvariants(form, trace);
  }
  return 0;
}
