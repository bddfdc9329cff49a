// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// Twips, colour values and fonts, turned into Qt's.

#include <stripewise/band_tables.h>

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QRect>
#include <QString>
#include <string_view>

namespace stripewise::ui {

// Twips per logical pixel: 1440 twips an inch at 96 pixels an inch.
inline constexpr double kTwipsPerPixel = 15.0;

// A length in twips as logical pixels, not rounded.
constexpr double Pixels(int twips) { return twips / kTwipsPerPixel; }

// A box in twips as whole logical pixels; its edges round independently, so
// boxes that touch in twips touch on screen too.
QRect PixelBox(int left, int top, int width, int height);

// Further system colours of the standard looks of labels, lists and lines.
inline constexpr ColorValue kWindowColor = 0x80000005;      // window background
inline constexpr ColorValue kWindowTextColor = 0x80000008;  // window text
inline constexpr ColorValue kButtonTextColor = 0x80000012;  // button text

// The screen colour of a colour value: 0x00BBGGRR directly, a system colour
// 0x800000nn from the palette.
QColor ScreenColor(ColorValue value, const QPalette& palette);

// A system colour paired with a colour the program fixes (dark-blue entries
// on the window colour, a white ground behind the platform's text): the
// platform's colour under a light theme, and under a dark one the light
// colour the fixed one was chosen against, so that the pair stays readable.
QColor PartnerColor(ColorValue system, const QPalette& palette);

// A UTF-8 text of the program's own (a table's caption, an engine text) as
// a QString.
QString Text(std::string_view text);

// The font face every control uses.
inline constexpr const char* kFontFace = "Verdana";

// The face in a size in points, bold and underlined as asked. The size is
// set in pixels at 96 per inch, so text keeps its place in the twip layout
// whatever the screen reports.
QFont ControlFont(double points, bool bold = false, bool underline = false);

// Makes the icon and the About picture available as :/stripewise/...
void EnsureResources();

// An image of the resources, read by the reader of its named format alone:
// asked to detect the format, Qt would load every image plugin to ask each.
QImage ReadResource(const char* path, const char* format);

// Whether the windows are on a Wayland compositor.
bool OnWayland();

// The program's icon, a lit light bulb, in 16 and 32 pixels, and on Wayland
// also in 48 and 64, drawn for a scale of two.
QIcon AppIcon();

// Lets DejaVu Sans stand in where Verdana is not installed.
void RegisterFontFallback();

}  // namespace stripewise::ui
