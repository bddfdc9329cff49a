// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// Layout tables of the windows: every control with its place in twips, its
// look and, for the labels, shapes and lines, its stacking order.

#include <stripewise/band_tables.h>
#include <stripewise/form1_ids.h>
#include <stripewise/version.h>

#include <QPoint>
#include <QRect>
#include <optional>
#include <span>
#include <string_view>

#include "stripewise_ui/graphics.h"

namespace stripewise::ui {

enum class Align { Left, Centre, Right };

// A box in twips: left, top, width, height.
struct TwipBox {
  int left, top, width, height;
  QRect Pixels() const;
};

// A label, shape or line of a window.
struct GraphicRow {
  enum class Kind { Label, Line, Shape };
  std::string_view name;
  Kind kind;
  TwipBox box{};                  // label or shape
  QPoint from{}, to{};            // line end points, in twips
  std::string_view caption = {};  // label
  double points = 8.25;           // label font size
  bool bold = false, underline = false;
  Align align = Align::Left;
  std::optional<ColorValue> back = {};  // label background, shape fill
  std::optional<ColorValue> fore = {};  // label text, shape outline
  ShapeKind shape = ShapeKind::Rectangle;
  int width = 1;                       // line width in pixels
  std::string_view accessible = {};    // what a screen reader calls it
  bool decorative = false;             // passed over by screen readers
  bool link = false;                   // a link to screen readers, clicked to follow
  std::optional<LabelId> result = {};  // the result label the conversions write into it
  std::optional<ShapeId> band = {};    // the band shape the conversions paint
};

// A list box of band colours.
struct ListRow {
  std::string_view name;
  ListId list;  // the list of the record it shows
  TwipBox box;
  int tab_index;
  std::string_view accessible_name;

  // Where an entry lies, in the window's pixels: rows of kListRowTwips
  // inside a frame of kListFramePixels.
  QRect RowBox(int row) const;
};

// The push buttons of the main window.
enum class ButtonId : std::uint8_t { Command1, Command2, Command3 };

// A push button.
struct ButtonRow {
  std::string_view name;
  ButtonId button;
  std::string_view caption;
  TwipBox box;
  int tab_index;
  std::string_view tooltip;  // also what screen readers say the button does
};

// The main window: client size, title and its controls.
inline constexpr std::string_view kForm1Title = "Stripewise v" STRIPEWISE_VERSION_MAJOR_MINOR;
inline constexpr TwipBox kForm1Client{0, 0, 8025, 6510};

// Labels, shapes and lines of the main window, from the bottom-most up.
std::span<const GraphicRow> Form1Graphics();
std::span<const ListRow> Form1Lists();
std::span<const ButtonRow> Form1Buttons();

// Text1, the input/output box: the resistance in ohms, typed by the user
// and rewritten by both conversions.
inline constexpr TwipBox kText1Box{495, 5280, 1815, 390};
inline constexpr int kText1TabIndex = 5;
inline constexpr int kText1MaxLength = 11;
inline constexpr std::string_view kText1Tooltip = "Input / Output Box";
inline constexpr ColorValue kResultColor = 0x00FF0000;    // blue results
inline constexpr ColorValue kListTextColor = 0x00C00000;  // dark blue entries
inline constexpr int kListRowTwips = 240;
inline constexpr int kListFramePixels = 2;

// The area of the resistor drawing, described in words to screen readers.
inline constexpr TwipBox kDrawingBox{5415, 1575, 2610, 2295};

}  // namespace stripewise::ui

namespace stripewise {
template <>
inline constexpr std::size_t kIdCount<ui::ButtonId> =
    static_cast<std::size_t>(ui::ButtonId::Command3) + 1;
}  // namespace stripewise
