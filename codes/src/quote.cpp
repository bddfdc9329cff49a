// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_codes/quote.h"

#include <cstdio>

namespace stripewise::codes {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr std::size_t kMostShown = 64;  // characters of a word shown whole
constexpr std::size_t kShownWhenCut = 40;

// How a character of a word is shown.
std::string Shown(char32_t c) {
  char escaped[12];
  if (c < 0x20 || c == 0x7F) {
    std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned>(c));
    return escaped;
  }
  if ((c >= 0x80 && c <= 0x9F) || IsBidiControl(c)) {
    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
    return escaped;
  }
  if (c == '\\') return "\\\\";
  std::string text;
  AppendUtf8(text, c);
  return text;
}

}  // namespace

char32_t NextCharacter(std::string_view text, std::size_t& at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  const int length = lead < 0x80                    ? 1
                     : lead >= 0xC2 && lead <= 0xDF ? 2
                     : lead >= 0xE0 && lead <= 0xEF ? 3
                     : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                    : 0;
  if (length == 1) return text[at++];
  if (length == 0 || at + static_cast<std::size_t>(length) > text.size()) {
    ++at;
    return kReplacement;
  }
  char32_t c = lead & (0x7F >> length);
  for (int i = 1; i < length; ++i) {
    const unsigned char next = byte(at + static_cast<std::size_t>(i));
    if ((next & 0xC0) != 0x80) {
      ++at;
      return kReplacement;
    }
    c = (c << 6) | (next & 0x3F);
  }
  const bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
  if (overlong || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
    ++at;
    return kReplacement;
  }
  at += static_cast<std::size_t>(length);
  return c;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
    return;
  }
  const int length = c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
  static constexpr unsigned char kLeads[] = {0, 0, 0xC0, 0xE0, 0xF0};
  out += static_cast<char>(kLeads[length] | (c >> (6 * (length - 1))));
  for (int i = length - 2; i >= 0; --i) out += static_cast<char>(0x80 | ((c >> (6 * i)) & 0x3F));
}

bool IsBidiControl(char32_t c) {
  return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
         (c >= 0x2066 && c <= 0x2069);
}

std::string Quote(std::string_view word) {
  std::string whole, cut;
  std::size_t characters = 0, shown = 0;
  for (std::size_t at = 0; at < word.size(); ++characters) {
    const std::string one = Shown(NextCharacter(word, at));
    const std::size_t width = one.size() > 1 && one[0] == '\\' ? one.size() : 1;
    if (shown + width <= kMostShown) whole += one;
    if (shown + width <= kShownWhenCut) cut += one;
    shown += width;
  }
  if (shown <= kMostShown) return "'" + whole + "'";
  return "'" + cut + "\u2026' (" + std::to_string(characters) + " characters)";
}

}  // namespace stripewise::codes
