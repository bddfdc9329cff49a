// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include <cmath>
#include <optional>
#include <string>

#include "error_trap.h"
#include "stripewise/conversions.h"
#include "stripewise/numeric_text.h"
#include "stripewise/runtime_error.h"

namespace stripewise {

namespace {

// The texts one run of "Color Code Name" keeps while it decides: the input
// as a normalised number, its fractional part, and the input reduced to what
// two bands code (written only by the cases that reduce it).
struct FormTexts {
  std::string ValueText;
  std::string FractionText;
  std::string ReducedText;
};

// How Text1 is rewritten once the bands are set.
enum class NewText {
  Normalised,  // the normalised input (ValueText)
  Digits,      // the two digit positions, then a suffix of zeros
  Scaled,      // the two digit positions times 10 to a power
  Reduced,     // ReducedText
};

// The bands chosen for a value and how Text1 then reads.
struct ChosenBands {
  std::int16_t first;
  std::int16_t second;
  std::int16_t multiplier;
  NewText text;
  std::string_view suffix = {};  // with Digits
  int scale = 0;                 // with Scaled
};

// A single character taken as a list position (a digit gives 0-9).
std::int16_t Digit(std::string_view character) { return TextToSmallInt(character); }

ChosenBands ThreeCharacters(std::string_view t, double v) {
  if (v < 1) return {Digit(LastChar(t)), 0, kSilverPosition, NewText::Normalised};
  if (v >= 10) return {Digit(FirstChar(t)), Digit(NthChar(t, 2)), 1, NewText::Digits, "0"};
  return {Digit(FirstChar(t)), Digit(LastChar(t)), kGoldPosition, NewText::Normalised};
}

// 1 < V < 10 rounded to one decimal. A rounding that gives a whole number w
// (1.04, 2.97, 9.96) is coded as w with two significant figures: w, Black,
// Gold below 10 and Brown, Black, Black for 10. Picking the first and last
// character of "10" would code 9.96 as 1.0 ohm.
ChosenBands Tenths(std::string_view reduced) {
  if (Len(reduced) == 3) {
    return {Digit(FirstChar(reduced)), Digit(LastChar(reduced)), kGoldPosition, NewText::Reduced};
  }
  if (Len(reduced) == 1) return {Digit(reduced), 0, kGoldPosition, NewText::Reduced};
  return {1, 0, 0, NewText::Reduced};  // 10
}

ChosenBands FourCharacters(FormTexts& texts, std::string_view t, double v) {
  if (v < 0.1) return {0, Digit(LastChar(t)), kSilverPosition, NewText::Normalised};
  if (v < 1)
    return {Digit(NthChar(t, 3)), Digit(LastChar(t)), kSilverPosition, NewText::Normalised};
  if (v < 10) {
    std::string& reduced = texts.ReducedText;
    reduced = NumberTextBuffer(RoundToTenth(v));
    return Tenths(reduced);
  }
  if (v < 100) {
    std::string& reduced = texts.ReducedText;
    reduced = NumberTextBuffer(ScaledInteger{static_cast<std::int64_t>(IntegerPart(v)), 0});
    const std::string_view r = reduced;
    return {Digit(FirstChar(r)), Digit(LastChar(r)), 0, NewText::Digits, ""};
  }
  return {Digit(FirstChar(t)), Digit(NthChar(t, 2)), 2, NewText::Digits, "00"};
}

void Refuse(Form1Record& form, MessageBoxes& boxes, std::string_view prompt, std::string_view title,
            MsgBoxStyle style, bool focus) {
  boxes.MsgBox(prompt, title, style);
  if (focus) form.FocusText1();
}

void RefuseOutOfRange(Form1Record& form, MessageBoxes& boxes) {
  Refuse(form, boxes, kOutOfRangePrompt, kOutOfRangeTitle, MsgBoxStyle::Critical, true);
}

// The typed value as the case table sees it: ValueText read back, and
// whether FractionText reads above zero.
struct Typed {
  double v;
  bool fractional;
};

// Any typed text, by the general rules: ValueText is the value written as a
// number, read back, and FractionText the part of that after the point.
Typed ReadGeneral(FormTexts& texts, double value) {
  texts.ValueText = NumberText(value);
  const double v = ValueOfText(texts.ValueText);
  texts.FractionText = NumberText(v - IntegerPart(v));
  return {v, ValueOfText(texts.FractionText) > 0};
}

// Typed digits with at most one point, directly: ValueText laid out from the
// digits is the text the general rules write, the value is what reading it
// back gives, and the fraction is kept as the exact decimal it is.
Typed ReadPlain(FormTexts& texts, ScaledInteger typed) {
  texts.ValueText = NumberTextBuffer(typed);
  std::int64_t scale = 1;
  for (int power = typed.power; power < 0; ++power) scale *= 10;
  const ScaledInteger fraction{typed.mantissa % scale, typed.power};
  texts.FractionText = NumberTextBuffer(fraction);
  return {typed.Value(), fraction.mantissa > 0};
}

// The case table, by the length of ValueText and then by its value. Shows
// the refusal and gives nothing when no band is to be set.
std::optional<ChosenBands> ChooseBands(Form1Record& form, MessageBoxes& boxes, FormTexts& texts,
                                       Typed typed) {
  const std::string_view t = texts.ValueText;
  const double v = typed.v;
  const bool fractional = typed.fractional;
  const std::size_t length = Len(t);
  if (length == 1) return ChosenBands{Digit(FirstChar(t)), 0, kGoldPosition, NewText::Normalised};
  if (length == 2)
    return ChosenBands{Digit(FirstChar(t)), Digit(LastChar(t)), 0, NewText::Normalised};
  if (length == 3) return ThreeCharacters(t, v);
  if (length == 4) return FourCharacters(texts, t, v);
  if (length == 5 && fractional) {
    Refuse(form, boxes, kInvalidInputPrompt, kInvalidInputTitle, MsgBoxStyle::OkOnly, false);
  } else if (length == 5 && v < 100000) {
    return ChosenBands{Digit(FirstChar(t)), Digit(NthChar(t, 2)), 3, NewText::Digits, "000"};
  } else if (length >= 6 && fractional) {
    Refuse(form, boxes, kLargeFractionPrompt, kLargeFractionTitle, MsgBoxStyle::OkOnly, true);
  } else if (length >= 6 && length <= 11 && v <= 99999999999) {
    const int scale = static_cast<int>(length) - 2;
    return ChosenBands{Digit(FirstChar(t)),
                       Digit(NthChar(t, 2)),
                       static_cast<std::int16_t>(scale),
                       NewText::Scaled,
                       "",
                       scale};
  } else {
    // 10^11 ohm and more: beyond every multiplier the list has.
    RefuseOutOfRange(form, boxes);
  }
  return std::nullopt;
}

// The two digit bands side by side: 4 and 7 give 47, 0 and 5 give 5.
std::int64_t DigitPair(const Form1Record& form) {
  return form.ListIndex(ListId::List1) * 10 + form.ListIndex(ListId::List2);
}

void WriteNewText(Form1Record& form, const FormTexts& texts, const ChosenBands& chosen) {
  switch (chosen.text) {
    case NewText::Normalised:
      form.SetText1(texts.ValueText);
      break;
    case NewText::Digits: {  // both digits written, 05 for Black, Green
      const char digits[] = {static_cast<char>('0' + form.ListIndex(ListId::List1)),
                             static_cast<char>('0' + form.ListIndex(ListId::List2))};
      form.SetText1(std::string(digits, 2) + std::string(chosen.suffix));
      break;
    }
    case NewText::Scaled:
      form.SetText1(NumberTextBuffer(ScaledInteger{DigitPair(form), chosen.scale}));
      break;
    case NewText::Reduced:
      form.SetText1(texts.ReducedText);
      break;
  }
}

void ValueToBands(Form1Record& form, MessageBoxes& boxes) {
  FormTexts texts;
  Typed typed{};
  if (const std::optional<ScaledInteger> plain = PlainDecimal(form.Text1())) {
    typed = ReadPlain(texts, *plain);
  } else {
    double value = 0;
    try {
      value = std::fabs(ValueOfText(form.Text1()));
    } catch (const RuntimeError&) {  // beyond the range of a double
      RefuseOutOfRange(form, boxes);
      return;
    }
    typed = ReadGeneral(texts, value);
  }
  if (form.Text1().empty()) {
    Refuse(form, boxes, kValueMissingPrompt, kValueMissingTitle, MsgBoxStyle::Critical, true);
    return;
  }
  const std::optional<ChosenBands> chosen = ChooseBands(form, boxes, texts, typed);
  if (!chosen) return;
  form.SetListIndex(ListId::List1, chosen->first);
  form.SetListIndex(ListId::List2, chosen->second);
  form.SetListIndex(ListId::List3, chosen->multiplier);
  WriteNewText(form, texts, *chosen);
  Command1_Click(form, boxes);
}

}  // namespace

void Command2_Click(Form1Record& form, MessageBoxes& boxes) {
  RunTrapped([&] { ValueToBands(form, boxes); });
}

}  // namespace stripewise
