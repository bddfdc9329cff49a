// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// Feeds arbitrary text to the readers of written values and surface-mount
// markings. Whatever they read must write back: a value with its unit
// prefix reads as itself, its bands on four and five bands read back as the
// value (or the refusal names neighbours around it), and a marking's value
// is written in a marking that reads as that value.
#include <stripewise_codes/bands.h>
#include <stripewise_codes/smd.h>
#include <stripewise_codes/written.h>

#include <cstdint>
#include <string>

#include "require.h"

namespace {

using namespace stripewise::codes;
using stripewise::fuzz::Require;

void CheckValue(const std::string& text) {
  const Result<Reading> read = ReadValue(text);
  if (!read.Ok()) return;
  const Reading& reading = read.Value();
  const Decimal& ohms = reading.value;  // or, when not exact, the decimal just below
  Require(
      reading.exact || (reading.name.size() < 40 && reading.name.find('e') != std::string::npos),
      "a value beyond the decimals is not named by its magnitude", text);
  Require(ReadValue(WithUnit(ohms)).Value().value == ohms, "the value written does not read back",
          text);
  for (const int bands : {4, 5}) {
    const Result<std::vector<Colour>> coded = WriteBands(reading, Coding{bands, {}, {}});
    if (coded.Ok()) {
      Require(reading.exact && ReadBands(coded.Value()).Value().ohms == ohms,
              "the bands do not read back", text);
    } else {
      const std::vector<Decimal>& near = coded.Refusal().nearest;
      const bool below = reading.exact ? near.front() < ohms : near.front() <= ohms;
      Require(below && (near.size() == 1 || ohms < near.back()),
              "the nearest values do not bracket it", text);
      Require(coded.Refusal().message.size() < 200, "a refusal longer than a line", text);
    }
  }
}

void CheckMarking(const std::string& text) {
  const Result<Part> read = ReadMarking(text);
  if (!read.Ok()) return;
  const Markings written = MarkingsOf(read.Value().ohms);
  bool any = false;
  for (const auto& marking : {written.three_digit, written.four_digit, written.eia96}) {
    if (!marking) continue;
    any = true;
    Require(ReadMarking(*marking).Value().ohms == read.Value().ohms, "a marking reads otherwise",
            text);
  }
  Require(any, "the value of a marking has no marking", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  CheckValue(text);
  CheckMarking(text);
  return 0;
}
