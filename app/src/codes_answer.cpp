// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "codes_answer.h"

#include <stripewise_codes/written.h>

#include <cstdio>

namespace stripewise::app {
namespace {

using codes::Decimal;

// The lowest and highest value the tolerance allows.
std::pair<Decimal, Decimal> Range(const Decimal& ohms, const Decimal& percent) {
  const Decimal hundred(100, 0);
  return {ohms.Times(hundred.Minus(percent)).Shifted(-2),
          ohms.Times(hundred.Plus(percent)).Shifted(-2)};
}

std::string Joined(const std::vector<std::string>& words, const std::string& between) {
  std::string joined;
  for (const std::string& word : words) joined += (joined.empty() ? "" : between) + word;
  return joined;
}

std::vector<std::string> BandNames(const std::vector<codes::Colour>& bands) {
  std::vector<std::string> names;
  names.reserve(bands.size());
  for (const codes::Colour colour : bands) names.emplace_back(codes::NameOf(colour));
  return names;
}

std::vector<std::string> SeriesNames(const Decimal& ohms) {
  std::vector<std::string> names;
  for (const codes::Series series : codes::SeriesOf(ohms))
    names.emplace_back(codes::NameOf(series));
  return names;
}

std::vector<std::string> MarkingList(const codes::Markings& markings) {
  std::vector<std::string> list;
  for (const auto& marking : {markings.three_digit, markings.four_digit, markings.eia96}) {
    if (marking) list.push_back(*marking);
  }
  return list;
}

// The figures of the part: "4.7 kΩ ±5 % (4.465 kΩ to 4.935 kΩ), 50 ppm/K".
std::string Figures(const codes::Part& part) {
  if (part.ohms.IsZero()) return codes::WithUnit(part.ohms) + ", a zero-ohm link";
  std::string text = codes::WithUnit(part.ohms);
  if (part.tolerance_percent) {
    const auto [low, high] = Range(part.ohms, *part.tolerance_percent);
    text += " \u00B1" + part.tolerance_percent->Plain() + " % (" + codes::WithUnit(low) + " to " +
            codes::WithUnit(high) + ")";
  } else {
    text += ", tolerance not marked";
  }
  if (part.tempco_ppm_per_kelvin) {
    text += ", " + std::to_string(*part.tempco_ppm_per_kelvin) + " ppm/K";
  }
  return text;
}

std::string Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      quoted += escaped;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

template <typename T, typename Write>
std::string OrNull(const std::optional<T>& value, Write write) {
  return value ? write(*value) : "null";
}

std::string Strings(const std::vector<std::string>& words) {
  std::vector<std::string> quoted;
  quoted.reserve(words.size());
  for (const std::string& word : words) quoted.push_back(Quoted(word));
  std::string list = "[";
  list += Joined(quoted, ",");
  return list + "]";
}

std::string Number(const Decimal& value) { return value.Plain(); }

}  // namespace

std::string TextOf(const CodesAnswer& answer) {
  std::string text;
  if (answer.asked_ohms && answer.snapped_to) {
    const std::string series(codes::NameOf(*answer.snapped_to));
    text += codes::WithUnit(*answer.asked_ohms) +
            (*answer.asked_ohms == answer.part.ohms
                 ? " is in " + series
                 : " is nearest " + codes::WithUnit(answer.part.ohms) + " in " + series) +
            "; ";
  }
  if (answer.coded && answer.bands) text += Joined(BandNames(*answer.bands), " ") + ": ";
  text += Figures(answer.part);
  if (const auto series = SeriesNames(answer.part.ohms); !series.empty()) {
    text += "; series " + Joined(series, ", ");
  }
  if (const auto markings = MarkingList(codes::MarkingsOf(answer.part.ohms));
      answer.coded && !markings.empty()) {
    text += "; SMD " + Joined(markings, ", ");
  }
  return text;
}

std::string JsonOf(const CodesAnswer& answer) {
  const codes::Part& part = answer.part;
  std::optional<std::pair<Decimal, Decimal>> range;
  if (part.tolerance_percent && !part.ohms.IsZero()) {
    range = Range(part.ohms, *part.tolerance_percent);
  }
  const codes::Markings smd = codes::MarkingsOf(part.ohms);
  const auto marking = [](const std::optional<std::string>& m) { return OrNull(m, Quoted); };
  return "{\"ohms\": " + Number(part.ohms) +
         ", \"tolerance_percent\": " + OrNull(part.tolerance_percent, Number) +
         ", \"min_ohms\": " + OrNull(range, [](const auto& r) { return Number(r.first); }) +
         ", \"max_ohms\": " + OrNull(range, [](const auto& r) { return Number(r.second); }) +
         ", \"tempco_ppm_per_kelvin\": " +
         OrNull(part.tempco_ppm_per_kelvin, [](int ppm) { return std::to_string(ppm); }) +
         ", \"bands\": " +
         OrNull(answer.bands, [](const auto& b) { return Strings(BandNames(b)); }) +
         ", \"series\": " + Strings(SeriesNames(part.ohms)) +
         ", \"smd\": {\"three_digit\": " + marking(smd.three_digit) +
         ", \"four_digit\": " + marking(smd.four_digit) + ", \"eia96\": " + marking(smd.eia96) +
         "}, \"asked_ohms\": " + OrNull(answer.asked_ohms, Number) +
         ", \"text\": " + Quoted(TextOf(answer)) + "}";
}

std::string JsonOf(const codes::Refusal& refusal) {
  std::vector<std::string> nearest;
  for (const Decimal& value : refusal.nearest) nearest.push_back(Number(value));
  return "{\"error\": " + Quoted(refusal.message) + ", \"nearest_ohms\": [" +
         Joined(nearest, ", ") + "]}";
}

}  // namespace stripewise::app
