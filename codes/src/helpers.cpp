// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "helpers.h"

#include <algorithm>

namespace stripewise::codes::detail {

std::string Upper(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(), ToUpper);
  return upper;
}

bool EqualsFolded(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return ToLower(x) == ToLower(y);
         });
}

bool EndsWithFolded(std::string_view text, std::string_view word) {
  return text.size() >= word.size() && EqualsFolded(text.substr(text.size() - word.size()), word);
}

std::optional<int> FiguresOfValue(const Decimal& ohms, int figures) {
  const int digits = ohms.Digits();
  if (ohms.IsZero() || digits > figures) return std::nullopt;
  return static_cast<int>(ohms.Coefficient()) * PowerOfTen<int>(figures - digits);
}

}  // namespace stripewise::codes::detail
