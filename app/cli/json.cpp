// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "json.h"

#include <stripewise_codes/quote.h>

#include <cstdio>

namespace stripewise::cli {

void Json::Separate() {
  if (!first_) text_ += ", ";
  first_ = false;
}

Json& Json::Begin() {
  Separate();
  text_ += '{';
  first_ = true;
  return *this;
}

Json& Json::End() {
  text_ += '}';
  first_ = false;
  return *this;
}

Json& Json::BeginArray() {
  Separate();
  text_ += '[';
  first_ = true;
  return *this;
}

Json& Json::EndArray() {
  text_ += ']';
  first_ = false;
  return *this;
}

Json& Json::Key(std::string_view name) {
  String(name);
  text_ += ": ";
  first_ = true;  // the value follows without a comma
  return *this;
}

Json& Json::String(std::string_view text) {
  Separate();
  text_ += '"';
  for (std::size_t at = 0; at < text.size();) {
    const char32_t c = codes::NextCharacter(text, at);
    if (c == '"' || c == '\\') {
      text_ += '\\';
      text_ += static_cast<char>(c);
    } else if (c < 0x20 || c == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      text_ += escaped;
    } else {
      codes::AppendUtf8(text_, c);
    }
  }
  text_ += '"';
  return *this;
}

Json& Json::Number(const codes::Decimal& number) {
  Separate();
  // Plain within the orders a resistor has, with an exponent beyond.
  if (number.IsZero() || (number.Order() >= -20 && number.Order() <= 20)) {
    text_ += number.Plain();
  } else {
    text_ += std::to_string(number.Coefficient()) + "e" + std::to_string(number.Exponent());
  }
  return *this;
}

Json& Json::Integer(long long number) {
  Separate();
  text_ += std::to_string(number);
  return *this;
}

Json& Json::Null() {
  Separate();
  text_ += "null";
  return *this;
}

}  // namespace stripewise::cli
