// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_codes/report.h"

#include "stripewise_codes/written.h"

namespace stripewise::codes {
namespace {

void AppendBandNames(std::string& out, const std::vector<Colour>& bands) {
  for (std::size_t i = 0; i < bands.size(); ++i) {
    if (i > 0) out += ' ';
    out += NameOf(bands[i]);
  }
}

// " ±5 %", or nothing without a tolerance.
void AppendTolerance(std::string& out, const Part& part) {
  if (!part.tolerance_percent) return;
  out += " \u00B1";
  AppendNumber(out, *part.tolerance_percent);
  out += " %";
}

void AppendTempco(std::string& out, const Part& part) {
  if (!part.tempco_ppm_per_kelvin) return;
  out += ", ";
  out += std::to_string(*part.tempco_ppm_per_kelvin);
  out += " ppm/K";
}

// The figures of a part: "4.7 kΩ ±5 % (4.465 kΩ to 4.935 kΩ), 50 ppm/K".
void AppendFigures(std::string& out, const Facts& facts) {
  const Part& part = facts.part;
  AppendWithUnit(out, part.ohms);
  AppendTolerance(out, part);
  if (facts.range) {
    out += " (";
    AppendWithUnit(out, facts.range->min);
    out += " to ";
    AppendWithUnit(out, facts.range->max);
    out += ')';
  } else if (!part.ohms.IsZero()) {
    out += ", tolerance not marked";
  }
  AppendTempco(out, part);
  if (part.ohms.IsZero()) out += ", a zero-ohm link";
}

void AppendSeries(std::string& out, const std::vector<Series>& series) {
  if (series.empty()) return;
  out += "; series ";
  for (std::size_t i = 0; i < series.size(); ++i) {
    if (i > 0) out += ", ";
    out += NameOf(series[i]);
  }
}

void AppendMarkings(std::string& out, const Markings& markings) {
  bool first = true;
  for (const auto* marking : {&markings.three_digit, &markings.four_digit, &markings.eia96}) {
    if (!*marking) continue;
    out += first ? "; SMD " : ", ";
    out += **marking;
    first = false;
  }
}

void AppendOtherEnd(std::string& out, const OtherReading& other) {
  AppendWithUnit(out, other.facts.part.ohms);
  AppendTolerance(out, other.facts.part);
  AppendTempco(out, other.facts.part);
  out += " (";
  AppendBandNames(out, other.bands);
  out += ')';
}

}  // namespace

Facts FactsOf(const Part& part) {
  Facts facts{part, std::nullopt, SeriesOf(part.ohms)};
  if (part.tolerance_percent) {
    const Decimal hundred(100, 0);
    facts.range = Range{part.ohms.Times(hundred.Minus(*part.tolerance_percent)).Shifted(-2),
                        part.ohms.Times(hundred.Plus(*part.tolerance_percent)).Shifted(-2)};
  }
  return facts;
}

Result<Report> ReportOfBands(std::vector<Colour> bands) {
  const Result<Part> part = ReadBands(bands);
  if (!part.Ok()) return part.Refusal();
  Report report;
  report.facts = FactsOf(part.Value());
  report.markings = MarkingsOf(part.Value().ohms);
  std::optional<std::vector<Colour>> other = OtherEnd(bands);
  report.bands = std::move(bands);
  if (other) {
    const Part reversed = ReadBands(*other).Value();
    report.other_end = OtherReading{std::move(*other), FactsOf(reversed)};
  }
  return report;
}

Result<Report> ReportOfValue(const Reading& ohms, const Coding& coding,
                             std::optional<Series> series) {
  Report report;
  Reading coded = ohms;
  if (series && ohms.exact && !ohms.value.IsZero()) {
    report.asked_ohms = ohms.value;
    report.snapped_to = series;
    coded.value = Nearest(ohms.value, *series);
  }
  Result<std::vector<Colour>> bands = WriteBands(coded, coding);
  if (!bands.Ok()) return bands.Refusal();
  // What the bands say, read back: the tolerance they carry, too.
  report.facts = FactsOf(ReadBands(bands.Value()).Value());
  report.bands = std::move(bands).Value();
  report.coded = true;
  report.markings = MarkingsOf(report.facts.part.ohms);
  return report;
}

Result<Report> ReportOfMarking(std::string_view marking) {
  const Result<Part> part = ReadMarking(marking);
  if (!part.Ok()) return part.Refusal();
  Report report;
  report.facts = FactsOf(part.Value());
  report.markings = MarkingsOf(part.Value().ohms);
  return report;
}

std::string LineOf(const Report& report) {
  std::string text;
  AppendLine(text, report);
  return text;
}

void AppendLine(std::string& text, const Report& report) {
  if (report.asked_ohms && report.snapped_to) {
    AppendWithUnit(text, *report.asked_ohms);
    if (*report.asked_ohms == report.facts.part.ohms) {
      text += " is in ";
    } else {
      text += " is nearest ";
      AppendWithUnit(text, report.facts.part.ohms);
      text += " in ";
    }
    text += NameOf(*report.snapped_to);
    text += "; ";
  }
  if (report.coded && report.bands) {
    AppendBandNames(text, *report.bands);
    text += ": ";
  }
  AppendFigures(text, report.facts);
  AppendSeries(text, report.facts.series);
  if (report.coded) AppendMarkings(text, report.markings);
  if (report.other_end) {
    text += "; from the other end: ";
    AppendOtherEnd(text, *report.other_end);
  }
}

std::string OtherEndText(const OtherReading& other) {
  std::string text;
  AppendOtherEnd(text, other);
  return text;
}

}  // namespace stripewise::codes
