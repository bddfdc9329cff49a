// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "report_json.h"

#include "json.h"

namespace stripewise::cli {
namespace {

using codes::Decimal;

template <typename T, typename Write>
void OrNull(Json& json, const std::optional<T>& value, Write write) {
  if (value) {
    write(*value);
  } else {
    json.Null();
  }
}

void Bands(Json& json, const std::vector<codes::Colour>& bands) {
  json.BeginArray();
  for (const codes::Colour colour : bands) json.String(codes::NameOf(colour));
  json.EndArray();
}

void SeriesList(Json& json, const std::vector<codes::Series>& series) {
  json.BeginArray();
  for (const codes::Series one : series) json.String(codes::NameOf(one));
  json.EndArray();
}

// The facts a reading of bands shares with the answer.
void Part(Json& json, const codes::Part& part) {
  json.Key("ohms").Number(part.ohms).Key("tolerance_percent");
  OrNull(json, part.tolerance_percent, [&](const Decimal& d) { json.Number(d); });
}

void Tempco(Json& json, const codes::Part& part) {
  json.Key("tempco_ppm_per_kelvin");
  OrNull(json, part.tempco_ppm_per_kelvin, [&](int ppm) { json.Integer(ppm); });
}

void OtherEnd(Json& json, const codes::OtherReading& other) {
  json.Begin().Key("bands");
  Bands(json, other.bands);
  Part(json, other.facts.part);
  Tempco(json, other.facts.part);
  json.Key("series");
  SeriesList(json, other.facts.series);
  json.End();
}

}  // namespace

std::string JsonOf(const codes::Report& report, std::string_view text) {
  const codes::Facts& facts = report.facts;
  const auto marking = [](Json& json, const std::optional<std::string>& m) {
    OrNull(json, m, [&](const std::string& s) { json.String(s); });
  };
  Json json;
  json.Begin();
  Part(json, facts.part);
  json.Key("min_ohms");
  OrNull(json, facts.range, [&](const codes::Range& r) { json.Number(r.min); });
  json.Key("max_ohms");
  OrNull(json, facts.range, [&](const codes::Range& r) { json.Number(r.max); });
  Tempco(json, facts.part);
  json.Key("bands");
  OrNull(json, report.bands, [&](const auto& bands) { Bands(json, bands); });
  json.Key("series");
  SeriesList(json, facts.series);
  json.Key("smd").Begin().Key("three_digit");
  marking(json, report.markings.three_digit);
  json.Key("four_digit");
  marking(json, report.markings.four_digit);
  json.Key("eia96");
  marking(json, report.markings.eia96);
  json.End().Key("asked_ohms");
  OrNull(json, report.asked_ohms, [&](const Decimal& d) { json.Number(d); });
  json.Key("other_end");
  OrNull(json, report.other_end, [&](const codes::OtherReading& o) { OtherEnd(json, o); });
  json.Key("text").String(text).End();
  return json.Text();
}

std::string JsonOf(const codes::Refusal& refusal, std::string_view message) {
  Json json;
  json.Begin().Key("error").String(message).Key("nearest_ohms").BeginArray();
  for (const Decimal& value : refusal.nearest) json.Number(value);
  json.EndArray().End();
  return json.Text();
}

}  // namespace stripewise::cli
