// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_codes/decimal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <stdexcept>

#include "helpers.h"

namespace stripewise::codes {
namespace {

__extension__ using Wide = __int128;

Wide PowerOfTen(int n) {
  if (n > 36) throw std::overflow_error("a power of ten beyond 128 bits");
  return detail::PowerOfTen<Wide>(n);
}

// A wide coefficient and its exponent, back into a decimal; the trailing
// zeros go in 64 bits once the coefficient fits them.
Decimal Narrow(Wide coefficient, int exponent) {
  while (coefficient > INT64_MAX && coefficient % 10 == 0) {
    coefficient /= 10;
    ++exponent;
  }
  if (coefficient > INT64_MAX) throw std::overflow_error("a decimal beyond its digits");
  auto narrow = static_cast<std::int64_t>(coefficient);
  while (narrow != 0 && narrow % 10 == 0) {
    narrow /= 10;
    ++exponent;
  }
  if (narrow > Decimal::kMaxCoefficient) throw std::overflow_error("a decimal beyond its digits");
  return {narrow, exponent};
}

using detail::IsDigit;

std::string DigitsOf(Wide value) {
  std::string digits;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
    value /= 10;
  } while (value != 0);
  return digits;
}

// A product as its digits without trailing zeros and the power of ten of
// its leading digit.
struct Product {
  std::string digits;
  int order;
};

Product ProductOf(const Decimal& a, const Decimal& b) {
  std::string digits = DigitsOf(Wide(a.Coefficient()) * b.Coefficient());
  int exponent = a.Exponent() + b.Exponent();
  while (digits.size() > 1 && digits.back() == '0') {
    digits.pop_back();
    ++exponent;
  }
  return {digits, static_cast<int>(digits.size()) - 1 + exponent};
}

// The digits of a number, read in full: the first kMaxDigits significant
// ones as a coefficient, whether any digit after them is not zero, and the
// power of ten of the coefficient's last digit, saturated far beyond any
// order a decimal holds.
struct Scanned {
  std::int64_t coefficient = 0;
  std::int64_t exponent = 0;
  bool cut = false;
};

constexpr std::int64_t kSaturated = 1'000'000'000'000'000;  // 10^15

std::int64_t Saturate(std::int64_t value) { return std::clamp(value, -kSaturated, kSaturated); }

// Digits with at most one point; nothing when there is no digit.
std::optional<Scanned> ScanDigits(std::string_view text, std::size_t& i) {
  Scanned scanned;
  int kept = 0;
  std::int64_t zeros = 0;  // zeros after a significant digit, not yet in the coefficient
  bool point = false, digit = false;
  for (; i < text.size() && (IsDigit(text[i]) || (text[i] == '.' && !point)); ++i) {
    if (text[i] == '.') {
      point = true;
      continue;
    }
    digit = true;
    if (point) scanned.exponent = Saturate(scanned.exponent - 1);
    if (text[i] == '0') {  // kept back, so that trailing zeros cost no digits
      if (kept > 0) zeros = Saturate(zeros + 1);
      continue;
    }
    if (kept + zeros + 1 > Decimal::kMaxDigits) {  // beyond the digits kept
      scanned.cut = true;
      scanned.exponent = Saturate(scanned.exponent + zeros + 1);
      zeros = 0;
      continue;
    }
    for (; zeros > 0; --zeros, ++kept) scanned.coefficient *= 10;
    scanned.coefficient = scanned.coefficient * 10 + (text[i] - '0');
    ++kept;
  }
  if (!digit) return std::nullopt;
  scanned.exponent = Saturate(scanned.exponent + zeros);
  return scanned;
}

// An exponent (e or E, a sign, digits), saturated; nothing when malformed.
std::optional<std::int64_t> ScanExponent(std::string_view text, std::size_t& i) {
  if (i == text.size() || (text[i] != 'e' && text[i] != 'E')) return 0;
  ++i;
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  if (i == text.size() || !IsDigit(text[i])) return std::nullopt;
  std::int64_t power = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) power = Saturate(power * 10 + (text[i] - '0'));
  return negative ? -power : power;
}

// The order of magnitude of a coefficient with its exponent.
std::int64_t OrderOf(std::int64_t coefficient, std::int64_t exponent) {
  return Decimal(coefficient, 0).Digits() - 1 + exponent;
}

// A number beyond what a decimal holds, named in engineering form: its first
// digits, "…" where more follow, and an exponent that is a multiple of 3.
std::string EngineeringName(const Scanned& scanned, std::int64_t order) {
  if (order >= kSaturated) return "more than 1e" + std::to_string(kSaturated);
  if (order <= -kSaturated) return "less than 1e-" + std::to_string(kSaturated);
  const std::int64_t exponent = order >= 0 ? order / 3 * 3 : -((-order + 2) / 3 * 3);
  std::string digits = std::to_string(scanned.coefficient);
  const auto before = static_cast<std::size_t>(order - exponent + 1);  // 1 to 3
  if (digits.size() < before) digits.append(before - digits.size(), '0');
  if (digits.size() > before) digits.insert(before, ".");
  return digits + (scanned.cut ? "\u2026" : "") + "e" + std::to_string(exponent);
}

}  // namespace

std::optional<Reading> Decimal::Read(std::string_view text, int shift) {
  std::size_t i = 0;
  std::optional<Scanned> scanned = ScanDigits(text, i);
  if (!scanned) return std::nullopt;
  const std::optional<std::int64_t> power = ScanExponent(text, i);
  if (!power || i != text.size()) return std::nullopt;
  scanned->exponent = Saturate(scanned->exponent + *power + shift);
  if (scanned->coefficient == 0 && !scanned->cut) return Reading{};
  const std::int64_t order = OrderOf(scanned->coefficient, scanned->exponent);
  if (order > kMaxOrder) {
    return Reading{Decimal(kMaxCoefficient, kMaxOrder - kMaxDigits + 1), false,
                   EngineeringName(*scanned, order)};
  }
  if (order < -kMaxOrder) return Reading{Decimal(), false, EngineeringName(*scanned, order)};
  const Decimal value(scanned->coefficient, static_cast<int>(scanned->exponent));
  if (scanned->cut) return Reading{value, false, EngineeringName(*scanned, order)};
  return Reading{value, true, {}};
}

std::optional<Decimal> Decimal::Parse(std::string_view text) {
  const std::optional<Reading> reading = Read(text);
  if (!reading || !reading->exact) return std::nullopt;
  return reading->value;
}

Decimal Decimal::Times(const Decimal& other) const {
  return Narrow(Wide(coefficient_) * other.coefficient_, exponent_ + other.exponent_);
}

Decimal Decimal::Plus(const Decimal& other) const {
  const int exponent = std::min(exponent_, other.exponent_);
  return Narrow(Wide(coefficient_) * PowerOfTen(exponent_ - exponent) +
                    Wide(other.coefficient_) * PowerOfTen(other.exponent_ - exponent),
                exponent);
}

Decimal Decimal::Minus(const Decimal& other) const {
  const int exponent = std::min(exponent_, other.exponent_);
  const Wide difference = Wide(coefficient_) * PowerOfTen(exponent_ - exponent) -
                          Wide(other.coefficient_) * PowerOfTen(other.exponent_ - exponent);
  if (difference < 0) throw std::domain_error("a negative decimal");
  return Narrow(difference, exponent);
}

void Decimal::AppendPlain(std::string& out) const {
  char digits[kMaxDigits + 1];
  const auto count = static_cast<std::size_t>(
      std::to_chars(digits, digits + sizeof digits, coefficient_).ptr - digits);
  const std::string_view figures(digits, count);
  if (exponent_ >= 0) {
    out += figures;
    if (coefficient_ != 0) out.append(static_cast<std::size_t>(exponent_), '0');
    return;
  }
  const int before = static_cast<int>(count) + exponent_;  // digits before the point
  if (before > 0) {
    out += figures.substr(0, static_cast<std::size_t>(before));
    out += '.';
    out += figures.substr(static_cast<std::size_t>(before));
    return;
  }
  out += "0.";
  out.append(static_cast<std::size_t>(-before), '0');
  out += figures;
}

std::string Decimal::Plain() const {
  std::string plain;
  AppendPlain(plain);
  return plain;
}

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b) {
  if (a.IsZero() || b.IsZero()) return a.coefficient_ <=> b.coefficient_;
  if (a.Order() != b.Order()) return a.Order() <=> b.Order();
  // The same order: both coefficients fit together at the smaller exponent.
  const int exponent = std::min(a.exponent_, b.exponent_);
  const Wide x = Wide(a.coefficient_) * PowerOfTen(a.exponent_ - exponent);
  const Wide y = Wide(b.coefficient_) * PowerOfTen(b.exponent_ - exponent);
  return x < y   ? std::strong_ordering::less
         : x > y ? std::strong_ordering::greater
                 : std::strong_ordering::equal;
}

std::strong_ordering CompareProducts(const Decimal& a, const Decimal& b, const Decimal& c,
                                     const Decimal& d) {
  const bool left_zero = a.IsZero() || b.IsZero(), right_zero = c.IsZero() || d.IsZero();
  if (left_zero || right_zero) return right_zero <=> left_zero;
  Product left = ProductOf(a, b), right = ProductOf(c, d);
  if (left.order != right.order) return left.order <=> right.order;
  const std::size_t length = std::max(left.digits.size(), right.digits.size());
  left.digits.resize(length, '0');
  right.digits.resize(length, '0');
  return left.digits <=> right.digits;
}

}  // namespace stripewise::codes
