// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_codes/bands.h"

#include <string>

#include "helpers.h"
#include "stripewise_codes/written.h"

namespace stripewise::codes {
namespace {

constexpr int kLowestPower = -3;  // pink
constexpr int kHighestPower = 9;  // white

std::string Numbered(std::size_t band, Colour colour) {
  return "band " + std::to_string(band + 1) + " '" + std::string(NameOf(colour)) + "'";
}

// How many digit bands a count of bands has.
int DigitBands(std::size_t count) { return count >= 5 ? 3 : 2; }

// The smallest and largest value with `digits` digits, first not zero.
std::int64_t LeastWith(int digits) { return digits == 3 ? 100 : 10; }
std::int64_t MostWith(int digits) { return digits == 3 ? 999 : 99; }

constexpr auto PowerOfTen = detail::PowerOfTen<std::int64_t>;

// The whole part of a value below 10^15, and whether a fraction is left.
std::pair<std::int64_t, bool> WholePart(const Decimal& value) {
  if (value.IsZero()) return {0, false};
  if (value.Exponent() >= 0) return {value.Coefficient() * PowerOfTen(value.Exponent()), false};
  if (value.Order() < 0) return {0, true};
  const std::int64_t divisor = PowerOfTen(-value.Exponent());
  return {value.Coefficient() / divisor, value.Coefficient() % divisor != 0};
}

// The values that `digits` digits and a multiplier code nearest below and
// above a value they cannot code; zero ohms, the single black band, is
// below every other.
std::vector<Decimal> NearestCodable(const Decimal& ohms, int digits) {
  Decimal below;
  std::optional<Decimal> above;
  for (int power = kLowestPower; power <= kHighestPower; ++power) {
    const Decimal scaled = ohms.Shifted(-power);  // ohms in steps of this multiplier
    if (scaled.Order() >= digits) {               // above every value it codes
      below = std::max(below, Decimal(MostWith(digits), power));
      continue;
    }
    const auto [whole, fraction] = WholePart(scaled);
    if (whole >= LeastWith(digits)) below = std::max(below, Decimal(whole, power));
    const std::int64_t up = std::max(whole + (fraction ? 1 : 0), LeastWith(digits));
    if (up <= MostWith(digits) && (!above || Decimal(up, power) < *above)) {
      above = Decimal(up, power);
    }
  }
  std::vector<Decimal> nearest = {below};
  if (above) nearest.push_back(*above);
  return nearest;
}

// The digits and multiplier power that code a value exactly.
std::optional<std::pair<std::int64_t, int>> Coded(const Decimal& ohms, int digits) {
  const int missing = digits - ohms.Digits();
  if (missing < 0) return std::nullopt;
  const int power = ohms.Exponent() - missing;
  if (power < kLowestPower || power > kHighestPower) return std::nullopt;
  return std::pair{ohms.Coefficient() * PowerOfTen(missing), power};
}

std::string Spelled(int bands) {
  static constexpr const char* kNames[] = {"", "one", "two", "three", "four", "five", "six"};
  return bands >= 1 && bands <= 6 ? kNames[bands] : std::to_string(bands);
}

// Why a value cannot be coded on these bands, with the nearest that can,
// and five or six bands when they can.
Refusal Uncodable(const Decimal& ohms, int bands) {
  const int digits = DigitBands(static_cast<std::size_t>(bands));
  const std::vector<Decimal> nearest = NearestCodable(ohms, digits);
  std::string message = WithUnit(ohms) + " cannot be coded exactly on " + Spelled(bands) +
                        " bands; nearest: " + WithUnit(nearest.front());
  if (nearest.size() > 1) message += " and " + WithUnit(nearest.back());
  if (digits == 2 && Coded(ohms, 3)) message += ", or five bands";
  return {Refusal::Kind::Uncodable, message, nearest};
}

// The tolerance and temperature coefficient a coding asks for, as bands.
Result<std::vector<Colour>> LastBands(const Coding& coding) {
  std::vector<Colour> last;
  const Decimal tolerance = coding.tolerance_percent.value_or(coding.bands == 4   ? Decimal(5, 0)
                                                              : coding.bands == 3 ? kNoBandTolerance
                                                                                  : Decimal(1, 0));
  if (coding.bands == 3) {
    if (tolerance != kNoBandTolerance) {
      return Unreadable("three bands carry no tolerance band: they are " +
                        kNoBandTolerance.Plain() + " %");
    }
  } else if (const std::optional<Colour> colour = ToleranceColour(tolerance)) {
    last.push_back(*colour);
  } else {
    return Unreadable("no tolerance band is " + tolerance.Plain() + " %");
  }
  if (coding.bands == 6) {
    if (!coding.tempco_ppm_per_kelvin) return Unreadable("six bands need --tempco");
    const std::optional<Colour> colour = TempcoColour(*coding.tempco_ppm_per_kelvin);
    if (!colour) {
      return Unreadable("no band is " + std::to_string(*coding.tempco_ppm_per_kelvin) + " ppm/K");
    }
    last.push_back(*colour);
  } else if (coding.tempco_ppm_per_kelvin) {
    return Unreadable("only six bands carry a temperature coefficient");
  }
  return last;
}

}  // namespace

Result<Part> ReadBands(std::span<const Colour> bands) {
  const std::size_t count = bands.size();
  if (count == 1) {
    if (bands[0] != Colour::Black)
      return Unreadable("a single band is a zero-ohm link, black, not '" +
                        std::string(NameOf(bands[0])) + "'");
    return Part{};
  }
  if (count < 3 || count > 6) {
    return Unreadable(std::to_string(count) + " bands: a resistor has 1, 3, 4, 5 or 6");
  }
  const std::size_t digits = static_cast<std::size_t>(DigitBands(count));
  std::int64_t value = 0;
  for (std::size_t i = 0; i < digits; ++i) {
    const std::optional<int> digit = DigitOf(bands[i]);
    if (!digit) return Unreadable(Numbered(i, bands[i]) + " is not a digit");
    value = value * 10 + *digit;
  }
  Part part{Decimal(value, PowerOf(bands[digits])), kNoBandTolerance, std::nullopt};
  if (count >= 4) {
    part.tolerance_percent = ToleranceOf(bands[digits + 1]);
    if (!part.tolerance_percent) {
      return Unreadable(Numbered(digits + 1, bands[digits + 1]) + " is not a tolerance");
    }
  }
  if (count == 6) {
    part.tempco_ppm_per_kelvin = TempcoOf(bands[5]);
    if (!part.tempco_ppm_per_kelvin) {
      return Unreadable(Numbered(5, bands[5]) + " is not a temperature coefficient");
    }
  }
  return part;
}

Result<std::vector<Colour>> WriteBands(const Decimal& ohms, const Coding& coding) {
  if (coding.bands < 3 || coding.bands > 6) {
    return Unreadable(std::to_string(coding.bands) + " bands: a value is coded on 3, 4, 5 or 6");
  }
  Result<std::vector<Colour>> last = LastBands(coding);
  if (!last.Ok()) return last;
  if (ohms.IsZero()) return std::vector<Colour>{Colour::Black};
  const int digits = DigitBands(static_cast<std::size_t>(coding.bands));
  const auto coded = Coded(ohms, digits);
  if (!coded) return Uncodable(ohms, coding.bands);
  std::vector<Colour> bands;
  const std::string figures = std::to_string(coded->first);
  for (const char figure : figures) bands.push_back(DigitColour(figure - '0'));
  bands.push_back(PowerColour(coded->second));
  bands.insert(bands.end(), last.Value().begin(), last.Value().end());
  return bands;
}

}  // namespace stripewise::codes
