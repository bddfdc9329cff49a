// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// An answer of the command line about a resistor, as one readable line or
// one JSON object.

#include <stripewise_codes/answer.h>
#include <stripewise_codes/colours.h>
#include <stripewise_codes/series.h>
#include <stripewise_codes/smd.h>

#include <optional>
#include <string>
#include <vector>

namespace stripewise::app {

struct CodesAnswer {
  codes::Part part;
  std::optional<std::vector<codes::Colour>> bands;  // given or coded, first band first
  bool coded = false;                               // the bands were coded for the value
  std::optional<codes::Decimal> asked_ohms;         // before it was moved onto a series
  std::optional<codes::Series> snapped_to;
};

// "yellow violet red gold: 4.7 kΩ ±5 % (4.465 kΩ to 4.935 kΩ); series E3,
// E6, E12, E24, E192; SMD 472, 4701".
std::string TextOf(const CodesAnswer& answer);

// The answer as a JSON object on one line, with the keys ohms,
// tolerance_percent, min_ohms, max_ohms, tempco_ppm_per_kelvin, bands,
// series, smd, asked_ohms and text; absent facts are null.
std::string JsonOf(const CodesAnswer& answer);

// {"error": "...", "nearest_ohms": [...]}.
std::string JsonOf(const codes::Refusal& problem);

}  // namespace stripewise::app
