// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include <string>

#include "error_trap.h"
#include "stripewise/conversions.h"
#include "stripewise/numeric_text.h"
#include "stripewise/runtime_error.h"

namespace stripewise {
namespace {

// A position compared as a number. Positions are small integers, so reading
// one through its number text would give the same value exactly.
double Position(const Form1Record& form, ListId list) { return form.ListIndex(list); }

// Reads all three band lists, in order, whatever the first ones show.
bool AnyBandMissing(const Form1Record& form) {
  const bool first = Position(form, ListId::List1) == -1;
  const bool second = Position(form, ListId::List2) == -1;
  const bool multiplier = Position(form, ListId::List3) == -1;
  return first || second || multiplier;
}

// The two digit positions side by side, read as a number: 47 for Yellow,
// Violet; 5 for Black, Green.
double DigitPair(const Form1Record& form) {
  return ValueOfText(IntegerText(form.ListIndex(ListId::List1)) +
                     IntegerText(form.ListIndex(ListId::List2)));
}

double Resistance(const Form1Record& form) {
  const double multiplier = Position(form, ListId::List3);
  if (multiplier == 10) return CheckedMul(DigitPair(form), 0.1);
  if (multiplier == 11) return CheckedMul(DigitPair(form), 0.01);
  if (multiplier < 10) {
    const double factor = ValueOfText(NumberTextBuffer(PowerOfTen(static_cast<int>(multiplier))));
    return CheckedMul(DigitPair(form), factor);
  }
  throw RuntimeError(ErrorKind::InvalidPosition);  // the multiplier list has 12 entries
}

// Tolerance in ohms and the colour of the tolerance band; both stay as they
// were while the tolerance list has no selection.
void WriteTolerance(Form1Record& form) {
  const std::int16_t position = form.ListIndex(ListId::List4);
  const double resistance = ValueOfText(form.Text1());
  if (position < 0) return;
  const auto slot = static_cast<std::size_t>(position);
  if (position == 0) {
    form.SetCaption(LabelId::Label27, "0");
  } else {
    form.SetCaption(LabelId::Label27,
                    NumberTextBuffer(CheckedMul(resistance, kToleranceFractions[slot])));
  }
  form.SetFillColor(ShapeId::Shape5, kToleranceColors[slot]);
}

// Both figures again in mega-ohms from 1000000 ohms on, else in kilo-ohms.
void WriteUnits(Form1Record& form) {
  form.SetCaption(LabelId::Label26, "Ohm Tolerence");
  const bool mega = ValueOfText(form.Text1()) >= 1000000;
  const double divisor = mega ? 1000000 : 1000;
  form.SetCaption(LabelId::Label28,
                  NumberTextBuffer(CheckedDiv(ValueOfText(form.Text1()), divisor)));
  form.SetCaption(LabelId::Label31, NumberTextBuffer(CheckedDiv(
                                        ValueOfText(form.Caption(LabelId::Label27)), divisor)));
  form.SetCaption(LabelId::Label8, mega ? "Mega-Ohm" : "Kilo-Ohm");
  form.SetCaption(LabelId::Label32, mega ? "Mega-Ohm Tolerence" : "Kilo-Ohm Tolerence");
}

void BandsToValue(Form1Record& form, MessageBoxes& boxes) {
  if (AnyBandMissing(form)) {
    boxes.MsgBox(kSelectDigitsPrompt, kSelectDigitsTitle, MsgBoxStyle::Information);
    return;
  }
  form.SetText1(NumberTextBuffer(Resistance(form)));
  WriteTolerance(form);
  WriteUnits(form);
  form.RepaintBand(ListId::List1);
  form.RepaintBand(ListId::List2);
  form.RepaintBand(ListId::List3);
}

}  // namespace

void Command1_Click(Form1Record& form, MessageBoxes& boxes) {
  RunTrapped([&] { BandsToValue(form, boxes); });
}

}  // namespace stripewise
