// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_codes/decimal.h"

#include <algorithm>
#include <stdexcept>

#include "helpers.h"

namespace stripewise::codes {
namespace {

__extension__ using Wide = __int128;

Wide PowerOfTen(int n) {
  if (n > 36) throw std::overflow_error("a power of ten beyond 128 bits");
  return detail::PowerOfTen<Wide>(n);
}

// A wide coefficient and its exponent, back into a decimal.
Decimal Narrow(Wide coefficient, int exponent) {
  while (coefficient != 0 && coefficient % 10 == 0) {
    coefficient /= 10;
    ++exponent;
  }
  if (coefficient >= PowerOfTen(Decimal::kMaxDigits)) {
    throw std::overflow_error("a decimal beyond its digits");
  }
  return {static_cast<std::int64_t>(coefficient), exponent};
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

}  // namespace

std::optional<Decimal> Decimal::Parse(std::string_view text) {
  std::int64_t coefficient = 0;
  int exponent = 0, digits = 0, significant = 0, zeros = 0;  // zeros not yet in the coefficient
  bool point = false;
  std::size_t i = 0;
  for (; i < text.size() && (IsDigit(text[i]) || (text[i] == '.' && !point)); ++i) {
    if (text[i] == '.') {
      point = true;
      continue;
    }
    ++digits;
    exponent -= point ? 1 : 0;
    if (text[i] == '0') {  // kept back, so that trailing zeros cost no digits
      zeros += significant > 0 ? 1 : 0;
      continue;
    }
    significant += zeros + 1;
    if (significant > kMaxDigits) return std::nullopt;
    for (; zeros > 0; --zeros) coefficient *= 10;
    coefficient = coefficient * 10 + (text[i] - '0');
  }
  if (digits == 0) return std::nullopt;
  exponent += zeros;  // the trailing zeros, as a power of ten
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    if (i == text.size()) return std::nullopt;
    int power = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
      power = std::min(power * 10 + (text[i] - '0'), 1000);  // far beyond any resistor
    }
    exponent += negative ? -power : power;
  }
  if (i != text.size()) return std::nullopt;
  return Decimal(coefficient, exponent);
}

int Decimal::Digits() const {
  int digits = 1;
  for (std::int64_t c = coefficient_; c >= 10; c /= 10) ++digits;
  return digits;
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

std::string Decimal::Plain() const {
  std::string digits = std::to_string(coefficient_);
  if (exponent_ >= 0) {
    if (coefficient_ != 0) digits.append(static_cast<std::size_t>(exponent_), '0');
    return digits;
  }
  const int before = static_cast<int>(digits.size()) + exponent_;  // digits before the point
  if (before > 0) {
    digits.insert(digits.begin() + before, '.');
    return digits;
  }
  std::string plain = "0.";
  plain.append(static_cast<std::size_t>(-before), '0');
  return plain + digits;
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
