// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// How the every-code window paints the colour bands: each colour in its true
// colour (brown is brown), gold and silver with the light and dark ends of a
// metal's sheen, and the text on a band in whichever of black and white
// reads best against it.

#include <stripewise_codes/colours.h>

#include <QColor>
#include <QString>

namespace stripewise::ui {

// A band's paint: one colour, or for a metal the light colour of its top
// and the dark colour of its bottom.
struct BandPaint {
  QColor light;
  QColor dark;
};

// The paint of a colour of the code.
BandPaint PaintOf(codes::Colour colour);

// The WCAG 2 relative luminance of a colour, from 0 (black) to 1 (white).
double RelativeLuminance(const QColor& colour);
// The WCAG 2 contrast ratio of two colours, from 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

// Black or white, whichever contrasts more with every part of the band.
QColor TextColourOn(codes::Colour colour);

// The colour's name as the window lists it: "Violet", "Grey".
QString ColourName(codes::Colour colour);

}  // namespace stripewise::ui
