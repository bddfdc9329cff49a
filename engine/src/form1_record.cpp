// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise/form1_record.h"

#include "stripewise/numeric_text.h"
#include "stripewise/runtime_error.h"

namespace stripewise {

Effect EffectOf(ListId list) {
  return static_cast<Effect>(static_cast<int>(Effect::List1) + static_cast<int>(list));
}
Effect EffectOf(LabelId label) {
  return static_cast<Effect>(static_cast<int>(Effect::Label8) + static_cast<int>(label));
}
Effect EffectOf(ShapeId shape) {
  return static_cast<Effect>(static_cast<int>(Effect::Shape2) + static_cast<int>(shape));
}

int ListCount(ListId list) {
  switch (list) {
    case ListId::List1:
    case ListId::List2:
      return static_cast<int>(kDigitEntries.size());
    case ListId::List3:
      return static_cast<int>(kMultiplierEntries.size());
    case ListId::List4:
      return static_cast<int>(kToleranceEntries.size());
  }
  return 0;
}

Form1Record::Form1Record() = default;

void Form1Record::SetListIndex(ListId list, std::int16_t position) {
  Store(list, position);
  Report(EffectOf(list));
  RaiseClick(list);
}

void Form1Record::UserSelected(ListId list, std::int16_t position) {
  Store(list, position);
  RaiseClick(list);
}

void Form1Record::UserTyped(std::string_view text) { text1_.assign(text); }

void Form1Record::Store(ListId list, std::int16_t position) {
  if (position < -1 || position >= ListCount(list)) throw RuntimeError(ErrorKind::InvalidPosition);
  list_index_[Slot(list)] = position;
}

void Form1Record::RaiseClick(ListId list) {
  if (ListIndex(list) < 0) return;  // a cleared selection raises nothing
  switch (list) {
    case ListId::List1:
      List1_Click();
      break;
    case ListId::List2:
      List2_Click();
      break;
    case ListId::List3:
      List3_Click();
      break;
    case ListId::List4:
      break;  // the tolerance list has no click handler
  }
}

void Form1Record::SetText1(std::string_view text) {
  text1_.assign(text);
  Report(Effect::Text1);
}

void Form1Record::SetCaption(LabelId label, std::string_view caption) {
  captions_[Slot(label)].assign(caption);
  Report(EffectOf(label));
}

void Form1Record::SetFillColor(ShapeId shape, ColorValue color) {
  fills_[Slot(shape)] = color;
  Report(EffectOf(shape));
}

void Form1Record::FocusText1() { Report(Effect::Text1Focus); }

void Form1Record::RepaintBand(ListId list) {
  if (list == ListId::List4) throw RuntimeError(ErrorKind::InvalidArgument);
  // List1..List3 paint Shape2..Shape4, in the same order.
  const auto band = static_cast<ShapeId>(static_cast<int>(list));
  SetFillColor(band, static_cast<ColorValue>(TextToInt32(BandColor(ListIndex(list)))));
}

}  // namespace stripewise
