// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// Exact decimal arithmetic for checking the engine: a value is an integer
// times a power of ten, and it is written the way a "%.15G" conversion
// writes such a short decimal. Deliberately shares nothing with the engine.

#include <cstdint>
#include <string>

namespace stripewise::testing {

struct Decimal {
  std::int64_t digits;  // non-negative
  int exponent;         // value = digits * 10^exponent

  Decimal Times(std::int64_t factor, int shift) const {
    return {digits * factor, exponent + shift};
  }
  // Whether the value is at least 10^power.
  bool AtLeastPowerOfTen(int power) const {
    return digits != 0 && static_cast<int>(std::to_string(digits).size()) - 1 + exponent >= power;
  }
};

// The text of a decimal with at most 15 significant digits: plain from 1E-04
// up to below 1E+15, otherwise mantissa, E, sign and two or more digits.
inline std::string Written(Decimal value) {
  if (value.digits == 0) return "0";
  while (value.digits % 10 == 0) {
    value.digits /= 10;
    ++value.exponent;
  }
  const std::string d = std::to_string(value.digits);
  const int lead = static_cast<int>(d.size()) - 1 + value.exponent;  // decimal exponent
  if (lead < -4 || lead >= 15) {
    std::string exp = std::to_string(lead < 0 ? -lead : lead);
    if (exp.size() < 2) exp = "0" + exp;
    return d.substr(0, 1) + (d.size() > 1 ? "." + d.substr(1) : "") + "E" + (lead < 0 ? "-" : "+") +
           exp;
  }
  if (value.exponent >= 0) return d + std::string(static_cast<std::size_t>(value.exponent), '0');
  const int point = static_cast<int>(d.size()) + value.exponent;  // digits before the point
  if (point > 0)
    return d.substr(0, static_cast<std::size_t>(point)) + "." +
           d.substr(static_cast<std::size_t>(point));
  return "0." + std::string(static_cast<std::size_t>(-point), '0') + d;
}

}  // namespace stripewise::testing
