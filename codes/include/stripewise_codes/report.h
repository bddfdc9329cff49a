// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// Everything an answer about a resistor tells, computed once: the part, its
// range, its series, its markings and, for bands, their other end; and the
// one readable line that says it.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "stripewise_codes/answer.h"
#include "stripewise_codes/bands.h"
#include "stripewise_codes/colours.h"
#include "stripewise_codes/series.h"
#include "stripewise_codes/smd.h"

namespace stripewise::codes {

// The lowest and highest value a tolerance allows.
struct Range {
  Decimal min;
  Decimal max;
};

// A part with what follows from it.
struct Facts {
  Part part;
  std::optional<Range> range;  // with a tolerance; 0 to 0 for zero ohms
  std::vector<Series> series;  // the series that hold its value, from the coarsest
};
Facts FactsOf(const Part& part);

// The same bands read from their other end.
struct OtherReading {
  std::vector<Colour> bands;
  Facts facts;
};

struct Report {
  Facts facts;
  std::optional<std::vector<Colour>> bands;  // given or coded, first band first
  bool coded = false;                        // the bands were coded for a value
  std::optional<Decimal> asked_ohms;         // the value asked, before it was moved onto a series
  std::optional<Series> snapped_to;          // the series it was moved onto
  Markings markings;                         // the surface-mount markings of the value
  std::optional<OtherReading> other_end;     // of given bands, when they have one
};

// What colour bands say, first band first.
Result<Report> ReportOfBands(std::vector<Colour> bands);

// The bands that code a value as asked, moved first onto the nearest value
// of a series when one is given.
Result<Report> ReportOfValue(const Reading& ohms, const Coding& coding,
                             std::optional<Series> series);

// What a surface-mount marking says.
Result<Report> ReportOfMarking(std::string_view marking);

// The answer in one line: "yellow violet red gold: 4.7 kΩ ±5 % (4.465 kΩ to
// 4.935 kΩ); series E3, E6, E12, E24, E192; SMD 472, 4701", the bands and
// markings named for a coded value, the other end for given bands.
std::string LineOf(const Report& report);
void AppendLine(std::string& out, const Report& report);

// "120 Ω ±1 % (brown red black black brown)": a reading from the other end.
std::string OtherEndText(const OtherReading& other);

}  // namespace stripewise::codes
