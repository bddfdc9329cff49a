// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_ui/band_paint.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "stripewise_ui/look.h"

namespace stripewise::ui {
namespace {

// Each colour's paint, in the order of codes::Colour: black to white, pink,
// silver, gold.
constexpr std::array<std::pair<QRgb, QRgb>, 13> kPaints = {{
    {0x000000, 0x000000},  // black
    {0x964B00, 0x964B00},  // brown
    {0xFF0000, 0xFF0000},  // red
    {0xFF8C00, 0xFF8C00},  // orange
    {0xFFFF00, 0xFFFF00},  // yellow
    {0x00A000, 0x00A000},  // green
    {0x0000FF, 0x0000FF},  // blue
    {0x8A2BE2, 0x8A2BE2},  // violet
    {0x808080, 0x808080},  // grey
    {0xFFFFFF, 0xFFFFFF},  // white
    {0xFFC0CB, 0xFFC0CB},  // pink
    {0xF2F2F2, 0xA0A0A0},  // silver: light and dark
    {0xF6E27A, 0xB8860B},  // gold: light and dark
}};

// A channel of the sRGB colour space as linear light.
double Linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

}  // namespace

BandPaint PaintOf(codes::Colour colour) {
  const auto& [light, dark] = kPaints[static_cast<std::size_t>(colour)];
  return {QColor(light), QColor(dark)};
}

double RelativeLuminance(const QColor& colour) {
  return 0.2126 * Linear(colour.redF()) + 0.7152 * Linear(colour.greenF()) +
         0.0722 * Linear(colour.blueF());
}

double ContrastRatio(const QColor& a, const QColor& b) {
  const double x = RelativeLuminance(a), y = RelativeLuminance(b);
  return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

QColor TextColourOn(codes::Colour colour) {
  const BandPaint paint = PaintOf(colour);
  const auto worst = [&paint](const QColor& text) {
    return std::min(ContrastRatio(text, paint.light), ContrastRatio(text, paint.dark));
  };
  return worst(Qt::black) >= worst(Qt::white) ? QColor(Qt::black) : QColor(Qt::white);
}

QString ColourName(codes::Colour colour) {
  QString name = Text(codes::NameOf(colour));
  name[0] = name[0].toUpper();
  return name;
}

}  // namespace stripewise::ui
