// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include <optional>
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

// The resistance the bands code, exactly: the two digits side by side (47
// for Yellow, Violet; 5 for Black, Green) times the multiplier's power of
// ten, 10^-1 for Gold and 10^-2 for Silver.
ScaledInteger Resistance(const Form1Record& form) {
  const std::int16_t multiplier = form.ListIndex(ListId::List3);
  if (multiplier >= ListCount(ListId::List3)) throw RuntimeError(ErrorKind::InvalidPosition);
  return {form.ListIndex(ListId::List1) * 10 + form.ListIndex(ListId::List2),
          MultiplierPower(multiplier)};
}

// The results are kept as the exact decimals they are and each text is
// written once. The texts are what reading back Text1 and Label27 and
// converting the products and quotients would give: every figure has at most
// four digits, far inside the 15 that the texts keep.
void WriteResults(Form1Record& form, ScaledInteger resistance) {
  form.SetText1(NumberTextBuffer(resistance));
  const std::int16_t tolerance = form.ListIndex(ListId::List4);
  std::optional<ScaledInteger> ohms;  // the tolerance in ohms, when this run writes it
  if (tolerance >= 0) {
    const auto slot = static_cast<std::size_t>(tolerance);
    ohms = ScaledInteger{resistance.mantissa * kTolerancePercents[slot], resistance.power - 2};
    form.SetCaption(LabelId::Label27, NumberTextBuffer(*ohms));
    form.SetFillColor(ShapeId::Shape5, kToleranceColors[slot]);
  }
  form.SetCaption(LabelId::Label26, "Ohm Tolerence");
  // Both figures again in mega-ohms from 1000000 ohms on, else in kilo-ohms.
  const bool mega = resistance.Value() >= 1000000;
  const int shift = mega ? 6 : 3;
  form.SetCaption(LabelId::Label28,
                  NumberTextBuffer(ScaledInteger{resistance.mantissa, resistance.power - shift}));
  if (ohms) {
    form.SetCaption(LabelId::Label31,
                    NumberTextBuffer(ScaledInteger{ohms->mantissa, ohms->power - shift}));
  } else {  // whatever an earlier run left in Label27
    const double left = ValueOfText(form.Caption(LabelId::Label27));
    form.SetCaption(LabelId::Label31, NumberTextBuffer(CheckedDiv(left, mega ? 1e6 : 1e3)));
  }
  form.SetCaption(LabelId::Label8, mega ? "Mega-Ohm" : "Kilo-Ohm");
  form.SetCaption(LabelId::Label32, mega ? "Mega-Ohm Tolerence" : "Kilo-Ohm Tolerence");
}

void BandsToValue(Form1Record& form, MessageBoxes& boxes) {
  if (AnyBandMissing(form)) {
    boxes.MsgBox(kSelectDigitsPrompt, kSelectDigitsTitle, MsgBoxStyle::Information);
    return;
  }
  WriteResults(form, Resistance(form));
  form.RepaintBand(ListId::List1);
  form.RepaintBand(ListId::List2);
  form.RepaintBand(ListId::List3);
}

}  // namespace

void Command1_Click(Form1Record& form, MessageBoxes& boxes) {
  RunTrapped([&] { BandsToValue(form, boxes); });
}

}  // namespace stripewise
