// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// Exact decimal numbers: a resistance, a tolerance or a bound is an integer
// coefficient times a power of ten, so 4.7 kilo-ohms is 47 x 10^2 and no
// answer ever passes through binary floating point.

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace stripewise::codes {

struct Reading;

class Decimal {
 public:
  // The most significant digits a decimal holds, and the largest order of
  // magnitude, either way, of the numbers read as decimals: far beyond any
  // resistor, near enough that every product and sum stays exact.
  static constexpr int kMaxDigits = 15;
  static constexpr int kMaxOrder = 30;
  static constexpr std::int64_t kMaxCoefficient = 999'999'999'999'999;

  // Zero.
  constexpr Decimal() = default;
  // coefficient x 10^exponent, kept without trailing zeros in the
  // coefficient; a coefficient must be from 0 to 10^kMaxDigits - 1.
  constexpr Decimal(std::int64_t coefficient, int exponent)
      : coefficient_(coefficient), exponent_(coefficient == 0 ? 0 : exponent) {
    while (coefficient_ != 0 && coefficient_ % 10 == 0) {
      coefficient_ /= 10;
      ++exponent_;
    }
  }

  // Digits with at most one point, then an exponent (e or E, a sign,
  // digits): "4700", "4.7", ".47", "4.7e3", times 10^shift. Read in full,
  // whatever its digits and exponent: exactly when a decimal holds it.
  // Nothing for other text or a negative number.
  static std::optional<Reading> Read(std::string_view text, int shift = 0);
  // The same, but nothing for a number a decimal does not hold exactly.
  static std::optional<Decimal> Parse(std::string_view text);

  constexpr std::int64_t Coefficient() const { return coefficient_; }
  constexpr int Exponent() const { return exponent_; }
  constexpr bool IsZero() const { return coefficient_ == 0; }
  // How many significant digits it has (1 for zero).
  constexpr int Digits() const {
    int digits = 1;
    for (std::int64_t above = 10; digits < kMaxDigits && coefficient_ >= above; above *= 10) {
      ++digits;
    }
    return digits;
  }
  // The power of ten of its leading digit: 3 for 4700, -1 for 0.47.
  constexpr int Order() const { return Digits() - 1 + exponent_; }

  // Times 10^power.
  Decimal Shifted(int power) const { return {coefficient_, exponent_ + power}; }
  // The product, which must keep within kMaxDigits digits.
  Decimal Times(const Decimal& other) const;
  // The difference, which must not be negative.
  Decimal Minus(const Decimal& other) const;
  // The sum.
  Decimal Plus(const Decimal& other) const;

  // Written out plainly, without an exponent: "4700", "0.47", "0".
  std::string Plain() const;
  void AppendPlain(std::string& out) const;

  friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);
  friend bool operator==(const Decimal& a, const Decimal& b) = default;

 private:
  std::int64_t coefficient_ = 0;
  int exponent_ = 0;
};

// A number as its text writes it.
struct Reading {
  Decimal value;      // the number; when not exact, the largest decimal below it
  bool exact = true;  // false beyond kMaxDigits digits or kMaxOrder
  std::string name;   // when not exact, in engineering form: "10e399", "99.9999…e15"
};

// Compares a x b with c x d exactly, however many digits the products have.
std::strong_ordering CompareProducts(const Decimal& a, const Decimal& b, const Decimal& c,
                                     const Decimal& d);

}  // namespace stripewise::codes
