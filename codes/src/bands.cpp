// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_codes/bands.h"

#include <algorithm>
#include <array>
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

std::int64_t PowerOfTen(int n) { return detail::PowerOfTen<std::int64_t>(n); }

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
// below every other. A value `beyond` is a little more than `ohms`, which
// is the largest decimal below it.
std::vector<Decimal> NearestCodable(const Decimal& ohms, int digits, bool beyond) {
  Decimal below;
  std::optional<Decimal> above;
  for (int power = kLowestPower; power <= kHighestPower; ++power) {
    const Decimal scaled = ohms.Shifted(-power);  // ohms in steps of this multiplier
    if (scaled.Order() >= digits) {               // above every value it codes
      below = std::max(below, Decimal(MostWith(digits), power));
      continue;
    }
    auto [whole, fraction] = WholePart(scaled);
    fraction = fraction || beyond;
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
Refusal Uncodable(const Reading& ohms, int bands) {
  const int digits = DigitBands(static_cast<std::size_t>(bands));
  const std::vector<Decimal> nearest = NearestCodable(ohms.value, digits, !ohms.exact);
  std::string message = (ohms.exact ? WithUnit(ohms.value) : ohms.name + " \u03A9") +
                        " cannot be coded exactly on " + Spelled(bands) +
                        " bands; nearest: " + WithUnit(nearest.front());
  if (nearest.size() > 1) message += " and " + WithUnit(nearest.back());
  if (digits == 2 && ohms.exact && Coded(ohms.value, 3)) message += ", or five bands";
  return {Refusal::Kind::Uncodable, message, nearest};
}

// The tolerance and temperature coefficient a coding asks for, as bands.
struct LastBands {
  std::array<Colour, 2> colours{};
  std::size_t count = 0;
  void Add(Colour colour) { colours[count++] = colour; }
};

Result<LastBands> LastBandsOf(const Coding& coding) {
  LastBands last;
  const Decimal tolerance = coding.tolerance_percent.value_or(coding.bands == 4   ? Decimal(5, 0)
                                                              : coding.bands == 3 ? kNoBandTolerance
                                                                                  : Decimal(1, 0));
  using Subject = Refusal::Subject;
  if (coding.bands == 3) {
    if (tolerance != kNoBandTolerance) {
      return Unreadable(
          "three bands carry no tolerance band: they are " + kNoBandTolerance.Plain() + " %",
          Subject::Tolerance);
    }
  } else if (const std::optional<Colour> colour = ToleranceColour(tolerance)) {
    last.Add(*colour);
  } else {
    return Unreadable("no tolerance band is " + NumberText(tolerance) + " %", Subject::Tolerance);
  }
  if (coding.bands == 6) {
    if (!coding.tempco_ppm_per_kelvin) {
      return Unreadable("six bands need a temperature coefficient", Subject::Tempco);
    }
    const std::optional<Colour> colour = TempcoColour(*coding.tempco_ppm_per_kelvin);
    if (!colour) {
      return Unreadable("no band is " + std::to_string(*coding.tempco_ppm_per_kelvin) + " ppm/K",
                        Subject::Tempco);
    }
    last.Add(*colour);
  } else if (coding.tempco_ppm_per_kelvin) {
    return Unreadable("only six bands carry a temperature coefficient", Subject::BandCount);
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
  return WriteBands(Reading{ohms, true, {}}, coding);
}

Result<std::vector<Colour>> WriteBands(const Reading& reading, const Coding& coding) {
  if (coding.bands < 3 || coding.bands > 6) {
    return Unreadable(std::to_string(coding.bands) + " bands: a value is coded on 3, 4, 5 or 6",
                      Refusal::Subject::BandCount);
  }
  const Result<LastBands> last = LastBandsOf(coding);
  if (!last.Ok()) return last.Refusal();
  const Decimal& ohms = reading.value;
  if (!reading.exact) return Uncodable(reading, coding.bands);
  if (ohms.IsZero()) return std::vector<Colour>{Colour::Black};
  const int digits = DigitBands(static_cast<std::size_t>(coding.bands));
  const auto coded = Coded(ohms, digits);
  if (!coded) return Uncodable(reading, coding.bands);
  std::vector<Colour> bands;
  bands.reserve(static_cast<std::size_t>(coding.bands));
  for (std::int64_t place = PowerOfTen(digits - 1); place > 0; place /= 10) {
    bands.push_back(DigitColour(static_cast<int>(coded->first / place % 10)));
  }
  bands.push_back(PowerColour(coded->second));
  const LastBands& tail = last.Value();
  bands.insert(bands.end(), tail.colours.begin(),
               tail.colours.begin() + static_cast<std::ptrdiff_t>(tail.count));
  return bands;
}

std::optional<std::vector<Colour>> OtherEnd(std::span<const Colour> bands) {
  if (bands.size() < 2 || bands.size() > 6 || bands.back() == Colour::Black ||
      std::equal(bands.begin(), bands.end(), bands.rbegin())) {
    return std::nullopt;
  }
  std::array<Colour, 6> reversed{};
  std::reverse_copy(bands.begin(), bands.end(), reversed.begin());
  const std::span<const Colour> other(reversed.data(), bands.size());
  if (!ReadBands(other).Ok()) return std::nullopt;
  return std::vector<Colour>(other.begin(), other.end());
}

}  // namespace stripewise::codes
