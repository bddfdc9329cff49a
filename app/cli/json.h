// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// A writer of one JSON object on one line, members in the order written:
// {"ohms": 4700, "bands": ["yellow", "violet"], "smd": {"eia96": null}}.

#include <stripewise_codes/decimal.h>

#include <string>
#include <string_view>

namespace stripewise::cli {

class Json {
 public:
  Json& Begin();  // an object, as a value or the whole
  Json& End();
  Json& BeginArray();
  Json& EndArray();
  // The name of the next member.
  Json& Key(std::string_view name);

  // A string, with quotes, backslashes and control characters escaped and
  // invalid UTF-8 written as U+FFFD.
  Json& String(std::string_view text);
  // An exact decimal, never through binary floating point: 4700, 0.05, 1e-40.
  Json& Number(const codes::Decimal& number);
  Json& Integer(long long number);
  Json& Null();

  const std::string& Text() const { return text_; }

 private:
  void Separate();

  std::string text_;
  bool first_ = true;  // no member or element yet at this level
};

}  // namespace stripewise::cli
