// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// How the engine writes and reads numbers held as text. Several decisions of
// the conversions look at the length and at single characters of such text,
// so these rules are part of the program's behaviour, not a formatting detail.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace stripewise {

// Value of a text: blanks, tabs and line feeds are ignored, then an optional
// sign, digits, a fraction and an E/D exponent are read from the left until a
// character does not fit; &H and &O introduce a hexadecimal or octal integer,
// read as a 32-bit two's complement quantity (&HFFFFFFFF is -1). Text that
// does not begin with a number is 0. Throws Overflow beyond the range of a
// double; values too small for a double become 0 or a denormal.
double ValueOfText(std::string_view text);

// The number written as C's "%.15G" writes it, except that -0 is written 0.
std::string NumberText(double value);

// An integer scaled by a power of ten: mantissa times 10 to the power, with
// fewer than 16 digits in the mantissa, as a short decimal text writes it.
struct ScaledInteger {
  std::int64_t mantissa;
  int power;
  // The double nearest to it, as reading its text gives (|power| <= 22).
  double Value() const;
};

// Text of digits with at most one point and nothing else (4700, 4.75, .47,
// 007), with fewer than 16 digits, as the exact decimal it is; nothing for
// any other text. ValueOfText reads such text as ScaledInteger::Value.
std::optional<ScaledInteger> PlainDecimal(std::string_view text);

// NumberText written into a buffer of its own, read as a view of it.
class NumberTextBuffer {
 public:
  explicit NumberTextBuffer(double value);
  // The text NumberText writes for the double nearest to a decimal, laid out
  // from its digits without a general conversion.
  explicit NumberTextBuffer(ScaledInteger value);
  std::string_view View() const { return {chars_, size_}; }
  operator std::string_view() const { return View(); }

 private:
  char chars_[32];
  std::size_t size_;
};

// A text holding one decimal integer (optional sign, digits, nothing else)
// as a small integer. Throws TypeMismatch for anything else, including the
// empty text, and Overflow outside -32768..32767.
std::int16_t TextToSmallInt(std::string_view text);

// The same for a signed 32-bit integer; Overflow outside its range.
std::int32_t TextToInt32(std::string_view text);

// The largest whole number not greater than the value.
double IntegerPart(double value);

// The value rounded to one decimal, kept exact as a number of tenths: times
// 10, to the nearest whole number with an exact half going to the even
// neighbour.
ScaledInteger RoundToTenth(double value);

// Products and quotients whose floating-point status is tested: an invalid
// operation, a division by zero or an overflow throws; underflow and inexact
// results pass, exactly as the IEEE 754 flags would report them.
double CheckedMul(double a, double b);
double CheckedDiv(double a, double b);

// Character picking, counting from 1; too short a text gives the empty text.
inline std::size_t Len(std::string_view text) { return text.size(); }
inline std::string_view NthChar(std::string_view text, std::size_t n) {
  return n >= 1 && n <= text.size() ? text.substr(n - 1, 1) : std::string_view{};
}
inline std::string_view FirstChar(std::string_view text) { return NthChar(text, 1); }
inline std::string_view LastChar(std::string_view text) { return NthChar(text, text.size()); }

}  // namespace stripewise
