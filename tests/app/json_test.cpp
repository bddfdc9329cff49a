// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// The JSON writer: every string it writes is valid JSON whatever the bytes,
// and numbers stay the exact decimals they are.
#include "json.h"

#include <gtest/gtest.h>

#include <string>

namespace stripewise::cli {
namespace {

TEST(Json, EscapesWhatAStringCannotHoldAndReplacesInvalidUtf8) {
  const std::pair<std::string, std::string> escaped[] = {
      {"plain \u03A9 \u2026", "\"plain \u03A9 \u2026\""},
      {"\"quoted\"", "\"\\\"quoted\\\"\""},
      {"back\\slash", "\"back\\\\slash\""},
      {"line\nfeed\ttab\r\x01\x1f\x7f",
       "\"line\\u000afeed\\u0009tab\\u000d\\u0001\\u001f\\u007f\""},
      {std::string("nul\0byte", 8), "\"nul\\u0000byte\""},
      {"\xff\xfe", "\"\uFFFD\uFFFD\""},                      // bytes that start no character
      {"\xc3", "\"\uFFFD\""},                                // cut short
      {"\xc0\xaf", "\"\uFFFD\uFFFD\""},                      // overlong
      {"\xed\xa0\x80", "\"\uFFFD\uFFFD\uFFFD\""},            // a surrogate
      {"\xf4\x90\x80\x80", "\"\uFFFD\uFFFD\uFFFD\uFFFD\""},  // beyond U+10FFFF
  };
  for (const auto& [text, json] : escaped) EXPECT_EQ(Json().String(text).Text(), json) << json;
}

TEST(Json, WritesObjectsArraysAndExactNumbers) {
  Json json;
  json.Begin().Key("ohms").Number(codes::Decimal(47, 2)).Key("percent");
  json.Number(codes::Decimal(5, -2)).Key("tiny").Number(codes::Decimal(1, -40));
  json.Key("list").BeginArray().String("a").Integer(-3).Null().EndArray();
  json.Key("inner").Begin().Key("zero").Number(codes::Decimal()).End().End();
  EXPECT_EQ(json.Text(),
            "{\"ohms\": 4700, \"percent\": 0.05, \"tiny\": 1e-40, \"list\": [\"a\", -3, null], "
            "\"inner\": {\"zero\": 0}}");
}

}  // namespace
}  // namespace stripewise::cli
