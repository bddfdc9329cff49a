// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_ui/spoken.h"

#include <QStringList>

#include "stripewise_ui/look.h"

namespace stripewise::ui {
namespace {

// "4700 ohms", "1 kilo-ohm": a figure and its unit, plural but for exactly 1.
QString Quantity(std::string_view figure, const QString& unit) {
  return SpokenNumber(figure) + ' ' + unit + (figure == "1" ? "" : "s");
}

// The unit of the second result row, as Label8 names it.
QString ScaledUnit(const Form1Record& record) {
  return record.Caption(LabelId::Label8) == "Mega-Ohm" ? "mega-ohm" : "kilo-ohm";
}

}  // namespace

QString SpokenNumber(std::string_view text) {
  const std::size_t e = text.find('E');
  if (e == std::string_view::npos) return Text(text);
  const bool negative = text.front() == '-';
  QString digits = Text(text.substr(negative ? 1 : 0, e - (negative ? 1 : 0))).remove('.');
  const int exponent = Text(text.substr(e + 1)).toInt();
  const int point = 1 + exponent;  // digits before the decimal point
  if (point <= 0) {
    digits = "0." + QString(-point, '0') + digits;
  } else if (point < digits.size()) {
    digits.insert(point, '.');
  } else {
    digits += QString(point - digits.size(), '0');
  }
  return (negative ? "-" : "") + digits;
}

QString SpokenFigure(const Form1Record& record, LabelId label) {
  const std::string& figure = record.Caption(label);
  if (figure.empty()) return {};
  switch (label) {
    case LabelId::Label27:
      return "Tolerance: " + Quantity(figure, "ohm");
    case LabelId::Label28:
      return "Resistance: " + Quantity(figure, ScaledUnit(record));
    case LabelId::Label31:
      return "Tolerance: " + Quantity(figure, ScaledUnit(record));
    default:
      return {};
  }
}

QString SpokenResults(const Form1Record& record, bool with_bands) {
  const QString unit = ScaledUnit(record);
  QString said = Quantity(record.Text1(), "ohm") + ", plus or minus " +
                 Quantity(record.Caption(LabelId::Label27), "ohm") + "; " +
                 Quantity(record.Caption(LabelId::Label28), unit) + ", plus or minus " +
                 Quantity(record.Caption(LabelId::Label31), unit);
  if (!with_bands) return said;
  QStringList bands;
  for (const ListId list : AllIds<ListId>()) {
    const std::int16_t position = record.ListIndex(list);
    if (position >= 0) bands << Text(ListEntries(list)[static_cast<std::size_t>(position)]);
  }
  return bands.join(", ") + ": " + said;
}

}  // namespace stripewise::ui
