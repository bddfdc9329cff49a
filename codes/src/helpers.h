// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// Small helpers that the readers and writers of the codes share: ASCII case
// folding, digits, powers of ten and a value's figures.

#include <optional>
#include <string>
#include <string_view>

#include "stripewise_codes/decimal.h"

namespace stripewise::codes::detail {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

constexpr char ToLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }
constexpr char ToUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

// The text with its ASCII letters in upper case; other bytes, UTF-8 among
// them, stay as they are.
std::string Upper(std::string_view text);

// Whether two texts are the same, ASCII letters in any case.
bool EqualsFolded(std::string_view a, std::string_view b);
// Whether a text ends with a word, ASCII letters in any case.
bool EndsWithFolded(std::string_view text, std::string_view word);

// 10^n for n >= 0, which the caller keeps within the integer type.
template <typename Integer>
constexpr Integer PowerOfTen(int n) {
  Integer power = 1;
  for (int i = 0; i < n; ++i) power *= 10;
  return power;
}

// A value's figures when it has at most `figures` of them: 4700 with two
// figures is 47, 1 with three is 100; nothing for zero.
std::optional<int> FiguresOfValue(const Decimal& ohms, int figures);

}  // namespace stripewise::codes::detail
