// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// Words from the input as messages show them, whatever bytes they hold: on a
// terminal and in JSON alike, a refused word can neither move the cursor,
// turn the text round, forge a line, nor fill the screen.

#include <cstddef>
#include <string>
#include <string_view>

namespace stripewise::codes {

// The character of UTF-8 text that starts at `at`, moving `at` past it; a
// byte that starts no valid sequence (overlong, surrogate, beyond U+10FFFF,
// cut short) is U+FFFD and moves `at` on by one.
char32_t NextCharacter(std::string_view text, std::size_t& at);

// Appends a character as UTF-8.
void AppendUtf8(std::string& out, char32_t character);

// Whether a character reorders the text around it: the bidi marks,
// embeddings, overrides and isolates.
bool IsBidiControl(char32_t character);

// A word in single quotes, with control characters escaped (\x1b, and
// \u0085 above 0x7F), bidi controls escaped (\u202e), a backslash doubled
// and invalid UTF-8 as U+FFFD. A word that would show more than 64
// characters is cut, with "…" and its length in characters: 'aaaa…'
// (102400 characters).
std::string Quote(std::string_view word);

}  // namespace stripewise::codes
