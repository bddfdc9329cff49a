// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_codes/smd.h"

#include <algorithm>
#include <string>

#include "helpers.h"
#include "stripewise_codes/quote.h"
#include "stripewise_codes/series.h"

namespace stripewise::codes {
namespace {

using detail::IsDigit;

// The EIA-96 letters written for the multipliers 10^-3 to 10^5, in order.
constexpr std::string_view kLetters = "ZYXABCDEF";

// The multiplier power of an EIA-96 letter; R, S and H share theirs with Y,
// X and B, which are written.
std::optional<int> EiaPower(char letter) {
  switch (letter) {
    case 'R':
      return -2;
    case 'S':
      return -1;
    case 'H':
      return 1;
    default:
      break;
  }
  const std::size_t at = kLetters.find(letter);
  return at == std::string_view::npos ? std::nullopt : std::optional<int>(static_cast<int>(at) - 3);
}

// 472 and 4702: the figures, then the power of ten.
std::optional<Decimal> Digits(std::string_view marking) {
  if (!std::all_of(marking.begin(), marking.end(), IsDigit)) return std::nullopt;
  const std::string_view figures = marking.substr(0, marking.size() - 1);
  return Decimal::Parse(figures)->Shifted(marking.back() - '0');
}

// 4R7, R47, 1R00: digits with R for the point.
std::optional<Decimal> WithPoint(std::string_view marking) {
  const std::size_t point = marking.find('R');
  if (point == std::string_view::npos ||
      std::count_if(marking.begin(), marking.end(), IsDigit) + 1 !=
          static_cast<std::ptrdiff_t>(marking.size())) {
    return std::nullopt;
  }
  std::string number(marking);
  number[point] = '.';
  return Decimal::Parse(number);
}

// The E96 figures of a value and the power that scales them: 10 kilo-ohms
// is 100 x 10^2.
std::optional<std::pair<int, int>> E96Figures(const Decimal& ohms) {
  const std::optional<int> figures = detail::FiguresOfValue(ohms, 3);
  if (!figures) return std::nullopt;
  const auto e96 = Figures(Series::E96);
  const auto at = std::lower_bound(e96.begin(), e96.end(), *figures);
  if (at == e96.end() || *at != *figures) return std::nullopt;
  return std::pair{static_cast<int>(at - e96.begin()) + 1, ohms.Order() - 2};
}

// A value written with R for its point, in `length` characters: 4R7, R47,
// 47R0, R047.
std::optional<std::string> PointForm(const Decimal& ohms, std::size_t length) {
  std::string text = ohms.Plain();
  if (text.starts_with("0.")) text.erase(0, 1);
  if (text.find('.') == std::string::npos) text += '.';
  while (text.size() < length) text += '0';
  if (text.size() != length) return std::nullopt;
  std::replace(text.begin(), text.end(), '.', 'R');
  return text;
}

// A value of at most `figures` figures, as those figures and the power of
// ten: 472, 4701.
std::optional<std::string> DigitForm(const Decimal& ohms, int figures) {
  const int missing = figures - ohms.Digits();
  const int power = ohms.Exponent() - missing;
  if (missing < 0 || power < 0 || power > 9) return std::nullopt;
  std::string text = std::to_string(ohms.Coefficient());
  text.append(static_cast<std::size_t>(missing), '0');
  text += static_cast<char>('0' + power);
  return text;
}

std::optional<std::string> Form(const Decimal& ohms, int figures) {
  const std::size_t length = static_cast<std::size_t>(figures) + 1;
  if (ohms.IsZero()) return std::string(length, '0');
  // Below 10 (three digits) or 100 (four), the figures cannot hold the
  // value with a power of ten from 0 on: R stands for the point instead.
  return ohms < Decimal(1, figures - 1) ? PointForm(ohms, length) : DigitForm(ohms, figures);
}

}  // namespace

Result<Part> ReadMarking(std::string_view text) {
  const std::string marking = detail::Upper(text);
  const auto unreadable = [text] {
    return Unreadable("cannot read " + Quote(text) + " as a surface-mount marking");
  };
  if (marking.size() == 3 && IsDigit(marking[0]) && IsDigit(marking[1]) && !IsDigit(marking[2])) {
    const std::optional<int> power = EiaPower(marking[2]);
    const int index = (marking[0] - '0') * 10 + (marking[1] - '0');
    if (!power || index < 1 || index > 96) return unreadable();
    return Part{Decimal(Figures(Series::E96)[static_cast<std::size_t>(index - 1)], *power),
                Decimal(1, 0), std::nullopt};
  }
  if (marking.size() != 3 && marking.size() != 4) return unreadable();
  std::optional<Decimal> ohms = Digits(marking);
  if (!ohms) ohms = WithPoint(marking);
  if (!ohms) return unreadable();
  return Part{*ohms, std::nullopt, std::nullopt};
}

Markings MarkingsOf(const Decimal& ohms) {
  Markings markings{Form(ohms, 2), Form(ohms, 3), std::nullopt};
  if (const auto e96 = E96Figures(ohms); e96 && e96->second >= -3 && e96->second <= 5) {
    const std::string index = std::to_string(e96->first);
    const int letter = e96->second + 3;  // kLetters starts at 10^-3
    markings.eia96 =
        (index.size() == 1 ? "0" : "") + index + kLetters[static_cast<std::size_t>(letter)];
  }
  return markings;
}

}  // namespace stripewise::codes
