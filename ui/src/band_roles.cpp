// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_ui/band_roles.h"

#include <stripewise_codes/written.h>

#include <array>

#include "stripewise_ui/look.h"

namespace stripewise::ui {
namespace {

using codes::Colour;

constexpr std::array<Colour, 13> kEveryColour = {
    Colour::Black, Colour::Brown,  Colour::Red,    Colour::Orange, Colour::Yellow,
    Colour::Green, Colour::Blue,   Colour::Violet, Colour::Grey,   Colour::White,
    Colour::Gold,  Colour::Silver, Colour::Pink};

// "×100", "×4.7k"-style multipliers: ×0.001 to ×1G.
QString Multiplier(int power) {
  static constexpr std::array<const char*, 13> kTimes = {
      "0.001", "0.01", "0.1", "1", "10", "100", "1k", "10k", "100k", "1M", "10M", "100M", "1G"};
  return QString::fromUtf8("\u00D7") + kTimes[static_cast<std::size_t>(power) + 3];
}

}  // namespace

BandRole RoleOf(std::size_t index, std::size_t count) {
  if (count == 1) return BandRole::ZeroOhm;
  const std::size_t digits = count >= 5 ? 3 : 2;
  if (index < digits) return BandRole::Digit;
  if (index == digits) return BandRole::Multiplier;
  return index == digits + 1 ? BandRole::Tolerance : BandRole::Tempco;
}

QString RoleName(std::size_t index, std::size_t count) {
  static constexpr std::array<const char*, 3> kOrdinals = {"first", "second", "third"};
  switch (RoleOf(index, count)) {
    case BandRole::Digit:
      return QString(kOrdinals[index]) + " digit";
    case BandRole::Multiplier:
      return "multiplier";
    case BandRole::Tolerance:
      return "tolerance";
    case BandRole::Tempco:
      return "temperature coefficient";
    case BandRole::ZeroOhm:
      break;
  }
  return "zero-ohm link";
}

std::vector<Colour> ColoursFor(BandRole role) {
  std::vector<Colour> colours;
  for (const Colour colour : kEveryColour) {
    const bool fits = role == BandRole::Digit        ? codes::DigitOf(colour).has_value()
                      : role == BandRole::Multiplier ? true
                      : role == BandRole::Tolerance  ? codes::ToleranceOf(colour).has_value()
                      : role == BandRole::Tempco     ? codes::TempcoOf(colour).has_value()
                                                     : colour == Colour::Black;
    if (fits) colours.push_back(colour);
  }
  return colours;
}

QString MeaningOf(BandRole role, Colour colour) {
  switch (role) {
    case BandRole::Digit:
      return QString::number(codes::DigitOf(colour).value_or(0));
    case BandRole::Multiplier:
      return Multiplier(codes::PowerOf(colour));
    case BandRole::Tolerance:
      return Text(codes::NumberText(codes::ToleranceOf(colour).value_or(codes::Decimal()))) + " %";
    case BandRole::Tempco:
      return QString::number(codes::TempcoOf(colour).value_or(0)) + " ppm";
    case BandRole::ZeroOhm:
      break;
  }
  return QString::fromUtf8("0 \u03A9");
}

QString LetterCode(Colour colour) { return Text(codes::LettersOf(colour)); }

}  // namespace stripewise::ui
