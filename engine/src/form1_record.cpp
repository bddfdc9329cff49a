// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise/form1_record.h"

#include "stripewise/numeric_text.h"
#include "stripewise/runtime_error.h"

namespace stripewise {

std::span<const std::string_view> ListEntries(ListId list) {
  switch (list) {
    case ListId::List1:
    case ListId::List2:
      return kDigitEntries;
    case ListId::List3:
      return kMultiplierEntries;
    case ListId::List4:
      break;
  }
  return kToleranceEntries;
}

int ListCount(ListId list) { return static_cast<int>(ListEntries(list).size()); }

Form1Record::Form1Record() = default;

void Form1Record::SetListIndex(ListId list, std::int16_t position) {
  Store(list, position);
  if (observer_ != nullptr) observer_->ListWritten(list);
  RaiseClick(list);
}

void Form1Record::UserSelected(ListId list, std::int16_t position) {
  Store(list, position);
  RaiseClick(list);
}

void Form1Record::UserTyped(std::string_view text) { text1_.assign(text); }

void Form1Record::Store(ListId list, std::int16_t position) {
  if (position < -1 || position >= ListCount(list)) throw RuntimeError(ErrorKind::InvalidPosition);
  list_index_[list] = position;
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
  if (observer_ != nullptr) observer_->Text1Written();
}

void Form1Record::SetCaption(LabelId label, std::string_view caption) {
  captions_[label].assign(caption);
  if (observer_ != nullptr) observer_->CaptionWritten(label);
}

void Form1Record::SetFillColor(ShapeId shape, ColorValue color) {
  fills_[shape] = color;
  if (observer_ != nullptr) observer_->FillWritten(shape);
}

void Form1Record::FocusText1() {
  if (observer_ != nullptr) observer_->Text1Focused();
}

void Form1Record::RepaintBand(ListId list) {
  if (list == ListId::List4) throw RuntimeError(ErrorKind::InvalidArgument);
  SetFillColor(BandOf(list), static_cast<ColorValue>(TextToInt32(BandColor(ListIndex(list)))));
}

}  // namespace stripewise
