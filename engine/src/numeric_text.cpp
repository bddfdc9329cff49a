// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise/numeric_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "stripewise/runtime_error.h"

namespace stripewise {
namespace {

// The powers of ten that a double holds exactly.
constexpr std::array<double, 23> kPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Blanks, tabs and line feeds count for nothing anywhere in a number text.
bool IsIgnored(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// Walks a text from the left, stepping over the ignored characters.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  // The next character that counts, or -1 at the end.
  int Peek() {
    while (pos_ < text_.size() && IsIgnored(text_[pos_])) ++pos_;
    return pos_ < text_.size() ? static_cast<unsigned char>(text_[pos_]) : -1;
  }
  void Next() { ++pos_; }
  std::size_t Mark() const { return pos_; }
  void Reset(std::size_t mark) { pos_ = mark; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

bool IsDigit(int c) { return c >= '0' && c <= '9'; }

int DigitIn(int c, unsigned radix) {
  int d = -1;
  if (IsDigit(c))
    d = c - '0';
  else if (c >= 'a' && c <= 'f')
    d = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F')
    d = c - 'A' + 10;
  return d >= 0 && static_cast<unsigned>(d) < radix ? d : -1;
}

// &H and &O integers: the low 32 bits, taken as two's complement.
double RadixValue(Reader& in, unsigned radix) {
  std::uint32_t acc = 0;
  for (int d; (d = DigitIn(in.Peek(), radix)) >= 0; in.Next()) {
    acc = acc * radix + static_cast<std::uint32_t>(d);
  }
  return static_cast<std::int32_t>(acc);
}

// Reads "[sign]digits" of an exponent; leaves the reader untouched and
// returns false when no digit follows the marker. Saturates far beyond any
// exponent a double can reach, so absurdly long exponents stay defined.
bool ReadExponent(Reader& in, long& exponent) {
  const std::size_t mark = in.Mark();
  in.Next();  // the E or D marker
  bool negative = false;
  if (int c = in.Peek(); c == '+' || c == '-') {
    negative = c == '-';
    in.Next();
  }
  if (!IsDigit(in.Peek())) {
    in.Reset(mark);
    return false;
  }
  long value = 0;
  for (int c; IsDigit(c = in.Peek()); in.Next()) {
    value = std::min(value * 10 + (c - '0'), 1'000'000'000L);
  }
  exponent = negative ? -value : value;
  return true;
}

// The decimal number at the reader: its text in the canonical form
// from_chars takes, and its digits as an integer while they stay exact.
struct DecimalText {
  std::string chars;  // digits, optional '.', digits
  bool negative = false;
  bool has_digits = false;
  std::uint64_t mantissa = 0;  // the significant digits, while exact
  int significant = 0;         // how many significant digits were read
  long fraction_digits = 0;    // digits after the point up to the last in mantissa
  long magnitude = 0;          // decimal position of the leading significant digit
  long exponent = 0;
};

void AddDigit(DecimalText& num, int c, bool after_point) {
  if (num.significant == 0 && c == '0') {
    if (after_point) ++num.fraction_digits;  // 0.0047 is 47 * 10^-4
    return;
  }
  if (++num.significant <= 15) {
    num.mantissa = num.mantissa * 10 + static_cast<unsigned>(c - '0');
    if (after_point) ++num.fraction_digits;
  }
}

void ReadMantissa(Reader& in, DecimalText& num) {
  long int_digits = 0, frac_zeros = 0;
  bool seen_point = false;
  for (int c = in.Peek();; c = in.Peek()) {
    if (IsDigit(c)) {
      num.has_digits = true;
      if (seen_point && num.significant == 0 && c == '0') ++frac_zeros;
      AddDigit(num, c, seen_point);
      if (!seen_point && num.significant > 0) ++int_digits;
    } else if (c != '.' || seen_point) {
      break;
    } else {
      seen_point = true;
    }
    num.chars.push_back(static_cast<char>(c));
    in.Next();
  }
  num.magnitude = int_digits > 0 ? int_digits : -frac_zeros;
}

// Up to 15 significant digits and a power of ten that a double holds exactly:
// one multiplication or division then rounds correctly.
bool ExactValue(const DecimalText& num, double& value) {
  if (num.significant > 15) return false;
  const long power = num.exponent - num.fraction_digits;
  const auto exact = static_cast<long>(kPowersOfTen.size());
  if (power <= -exact || power >= exact) return false;
  const auto m = static_cast<double>(num.mantissa);
  const double scale = kPowersOfTen[static_cast<std::size_t>(power < 0 ? -power : power)];
  value = power >= 0 ? m * scale : m / scale;
  return true;
}

double DecimalValue(Reader& in) {
  DecimalText num;
  if (int c = in.Peek(); c == '+' || c == '-') {
    num.negative = c == '-';
    in.Next();
  }
  ReadMantissa(in, num);
  if (!num.has_digits) return 0.0;
  if (int c = in.Peek(); c == 'e' || c == 'E' || c == 'd' || c == 'D') {
    if (ReadExponent(in, num.exponent)) {
      num.chars.push_back('e');
      num.chars += std::to_string(num.exponent);
    }
  }
  double value = 0.0;
  if (!ExactValue(num, value)) {
    const char* first = num.chars.data();
    const auto result = std::from_chars(first, first + num.chars.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
      // from_chars refuses both ends of the range; only the top one is an error.
      if (num.magnitude + num.exponent > 0) throw RuntimeError(ErrorKind::Overflow);
      value = 0.0;
    }
  }
  return num.negative ? -value : value;
}

}  // namespace

double ValueOfText(std::string_view text) {
  Reader in(text);
  if (in.Peek() == '&') {
    const std::size_t mark = in.Mark();
    in.Next();
    const int c = in.Peek();
    if (c == 'H' || c == 'h' || c == 'O' || c == 'o') {
      in.Next();
      return RadixValue(in, c == 'H' || c == 'h' ? 16 : 8);
    }
    in.Reset(mark);
  }
  return DecimalValue(in);
}

namespace {

// Lays out significant digits d1 d2 ... dn times 10^exponent (of d1) the way
// %G does: plain from 1E-04 up to below 1E+15, else d1.d2...E+XX.
std::size_t LayOut(bool negative, std::string_view digits, int exponent, char* out) {
  char* p = out;
  if (negative) *p++ = '-';
  const auto n = static_cast<int>(digits.size());
  auto put = [&p](std::string_view text) { p = std::copy(text.begin(), text.end(), p); };
  if (exponent < -4 || exponent >= 15) {
    *p++ = digits[0];
    if (n > 1) *p++ = '.', put(digits.substr(1));
    *p++ = 'E';
    *p++ = exponent < 0 ? '-' : '+';
    const int e = exponent < 0 ? -exponent : exponent;
    if (e < 10) *p++ = '0';
    p = std::to_chars(p, p + 4, e).ptr;
  } else if (exponent < 0) {
    put("0.");
    p = std::fill_n(p, -exponent - 1, '0');
    put(digits);
  } else {
    const int whole = exponent + 1;
    put(digits.substr(0, static_cast<std::size_t>(std::min(n, whole))));
    if (n < whole) p = std::fill_n(p, whole - n, '0');
    if (n > whole) *p++ = '.', put(digits.substr(static_cast<std::size_t>(whole)));
  }
  return static_cast<std::size_t>(p - out);
}

// The values the conversions write are mostly short decimals: m / 10^k with
// few digits. When some m < 10^15 divided by 10^k gives the value back
// exactly, that decimal reads as the value, and so it is also the value
// rounded to 15 digits: a normal double lies within half an ulp of it, far
// inside half a step of the 15-digit grid. The smallest k gives it without
// trailing zeros.
bool ShortDecimal(double value, char* out, std::size_t& size) {
  const double magnitude = std::fabs(value);
  if (!std::isnormal(magnitude) || magnitude >= 1e15 || magnitude < 1e-8) return false;
  for (int k = 0; k < 9; ++k) {
    const double scale = kPowersOfTen[static_cast<std::size_t>(k)];
    const double m = std::nearbyint(magnitude * scale);
    if (m >= 1e15) return false;
    if (m / scale != magnitude) continue;
    char digits[20];
    const auto end =
        std::to_chars(digits, digits + sizeof digits, static_cast<std::uint64_t>(m)).ptr;
    const auto n = static_cast<int>(end - digits);
    size = LayOut(value < 0, std::string_view(digits, static_cast<std::size_t>(n)), n - 1 - k, out);
    return true;
  }
  return false;
}

}  // namespace

NumberTextBuffer::NumberTextBuffer(double value) {
  if (value == 0.0) {  // -0 too is written 0
    chars_[0] = '0';
    size_ = 1;
    return;
  }
  if (ShortDecimal(value, chars_, size_)) return;
  // to_chars in general format with a precision is exactly %.15g; only the
  // exponent letter (and inf/nan) need upper case to match %.15G.
  const auto result =
      std::to_chars(chars_, chars_ + sizeof chars_, value, std::chars_format::general, 15);
  for (char* p = chars_; p != result.ptr; ++p) {
    if (*p >= 'a' && *p <= 'z') *p = static_cast<char>(*p - 'a' + 'A');
  }
  size_ = static_cast<std::size_t>(result.ptr - chars_);
}

// A decimal's digits, without its trailing zeros, laid out as %.15G lays out
// the double nearest to it: with fewer than 16 digits, that double rounded to
// 15 digits is the decimal itself.
NumberTextBuffer::NumberTextBuffer(ScaledInteger value) {
  if (value.mantissa == 0) {
    chars_[0] = '0';
    size_ = 1;
    return;
  }
  std::uint64_t m = value.mantissa < 0 ? 0 - static_cast<std::uint64_t>(value.mantissa)
                                       : static_cast<std::uint64_t>(value.mantissa);
  int power = value.power;
  for (; m % 10 == 0; m /= 10) ++power;
  char digits[20];
  const auto n = static_cast<int>(std::to_chars(digits, digits + sizeof digits, m).ptr - digits);
  size_ = LayOut(value.mantissa < 0, std::string_view(digits, static_cast<std::size_t>(n)),
                 n - 1 + power, chars_);
}

std::optional<ScaledInteger> PlainDecimal(std::string_view text) {
  ScaledInteger decimal{0, 0};
  bool point = false;
  int digits = 0;
  for (const char c : text) {
    if (c == '.' && !point) {
      point = true;
    } else if (c >= '0' && c <= '9' && ++digits < 16) {
      decimal.mantissa = decimal.mantissa * 10 + (c - '0');
      decimal.power -= point ? 1 : 0;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0) return std::nullopt;
  return decimal;
}

double ScaledInteger::Value() const {
  // Both operands are exact, and one correctly rounded operation gives the
  // nearest double.
  const auto m = static_cast<double>(mantissa);
  const auto scale = kPowersOfTen[static_cast<std::size_t>(power < 0 ? -power : power)];
  return power < 0 ? m / scale : m * scale;
}

std::string NumberText(double value) { return std::string(NumberTextBuffer(value).View()); }

namespace {

template <typename Int>
Int TextToInteger(std::string_view text) {
  Int value{};
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  if (result.ec == std::errc::result_out_of_range) throw RuntimeError(ErrorKind::Overflow);
  if (result.ec != std::errc{} || result.ptr != end) throw RuntimeError(ErrorKind::TypeMismatch);
  return value;
}

}  // namespace

std::int16_t TextToSmallInt(std::string_view text) { return TextToInteger<std::int16_t>(text); }

std::int32_t TextToInt32(std::string_view text) { return TextToInteger<std::int32_t>(text); }

double IntegerPart(double value) { return std::floor(value); }

ScaledInteger RoundToTenth(double value) {
  return {static_cast<std::int64_t>(std::nearbyint(CheckedMul(value, 10.0))), -1};
}

// The IEEE flags are derived from the operands and the result rather than read
// from the floating-point environment: the same answer, without depending on
// the compiler keeping every operation in place around fetestexcept.
double CheckedMul(double a, double b) {
  const double r = a * b;
  if (std::isnan(r) && !std::isnan(a) && !std::isnan(b)) {
    throw RuntimeError(ErrorKind::InvalidOperation);
  }
  if (std::isinf(r) && std::isfinite(a) && std::isfinite(b))
    throw RuntimeError(ErrorKind::Overflow);
  return r;
}

double CheckedDiv(double a, double b) {
  const double r = a / b;
  if (std::isnan(r) && !std::isnan(a) && !std::isnan(b)) {
    throw RuntimeError(ErrorKind::InvalidOperation);
  }
  if (b == 0.0 && std::isfinite(a)) throw RuntimeError(ErrorKind::DivisionByZero);
  if (std::isinf(r) && std::isfinite(a) && std::isfinite(b))
    throw RuntimeError(ErrorKind::Overflow);
  return r;
}

}  // namespace stripewise
