// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include <array>

#include "stripewise_ui/layout.h"
#include "stripewise_ui/look.h"

namespace stripewise::ui {
namespace {

using Kind = GraphicSpec::Kind;

constexpr GraphicSpec Label(std::string_view name, TwipBox box, std::string_view caption,
                            double points) {
  return {.name = name, .kind = Kind::Label, .box = box, .caption = caption, .points = points};
}

constexpr GraphicSpec Line(std::string_view name, QPoint from, QPoint to, int width = 1) {
  return {.name = name, .kind = Kind::Line, .from = from, .to = to, .width = width};
}

constexpr GraphicSpec Shape(std::string_view name, ShapeKind shape, TwipBox box,
                            std::optional<ColorValue> fill, ColorValue outline = 0x000000) {
  return {
      .name = name, .kind = Kind::Shape, .box = box, .back = fill, .fore = outline, .shape = shape};
}

// A swatch of the colour legend, level with the list row of its position.
constexpr GraphicSpec Swatch(std::string_view name, std::string_view caption, int position) {
  GraphicSpec row = Label(name, {135, 1080 + kListRowTwips * position, 375, 255}, caption, 9);
  row.align = Align::Centre;
  row.back = kBandColors[static_cast<std::size_t>(position)];
  if (position == 0 || position == 7) row.fore = 0x00FFFFFF;  // white on black and violet
  return row;
}

constexpr GraphicSpec With(GraphicSpec row, Align align, std::optional<ColorValue> fore = {}) {
  row.align = align;
  if (fore) row.fore = fore;
  return row;
}

constexpr GraphicSpec Named(GraphicSpec row, std::string_view accessible) {
  row.accessible = accessible;
  return row;
}

constexpr GraphicSpec Styled(GraphicSpec row, bool bold, bool underline) {
  row.bold = bold;
  row.underline = underline;
  return row;
}

constexpr std::array kGraphics = {
    Shape("Shape1", ShapeKind::Oval, {5775, 2295, 375, 735}, kButtonFaceColor),
    Label("Label2", {615, 720, 855, 255}, "First Digit", 8.25),
    Label("Label3", {1695, 720, 1095, 255}, "Second Digit", 8.25),
    Label("Label4", {2895, 720, 855, 255}, "Multiplier", 8.25),
    Label("Label5", {4095, 720, 855, 255}, "Tolerence", 8.25),
    Styled(Label("Label6", {1185, 255, 5655, 255}, "Color-Code Method to find Out the Resistance",
                 11.25),
           true, false),
    With(Label("Label7", {2415, 5415, 1095, 255}, "Ohm + / -", 9.75), Align::Centre),
    Named(With(Label("Label8", {1935, 5895, 1215, 255}, "", 9.75), Align::Centre),
          "Resistance unit"),
    Swatch("Label9", "0", 0),
    Swatch("Label10", "1", 1),
    Swatch("Label11", "2", 2),
    Swatch("Label12", "3", 3),
    Swatch("Label13", "4", 4),
    Swatch("Label14", "5", 5),
    Swatch("Label15", "6", 6),
    Swatch("Label16", "7", 7),
    Swatch("Label17", "8", 8),
    Swatch("Label18", "9", 9),
    Line("Line1", {172, 615}, {7837, 615}, 2),
    Shape("Shape2", ShapeKind::Rectangle, {6015, 2295, 255, 735}, kButtonFaceColor),
    Shape("Shape3", ShapeKind::Rectangle, {6255, 2295, 255, 735}, kMenuColor),
    Shape("Shape4", ShapeKind::Rectangle, {6480, 2295, 255, 735}, kMenuColor),
    Shape("Shape6", ShapeKind::Oval, {7215, 2295, 375, 735}, kButtonFaceColor),
    Shape("Shape5", ShapeKind::Rectangle, {7215, 2280, 135, 735}, kButtonFaceColor),
    Line("Line2", {6015, 2295}, {7440, 2295}),
    Line("Line3", {6015, 3015}, {7440, 3015}),
    Line("Line4", {5415, 2655}, {5895, 2655}, 3),
    Line("Line5", {7455, 2655}, {7935, 2655}, 3),
    Label("Label20", {5415, 3615, 855, 255}, "First Digit", 8.25),
    Line("Line6", {6135, 3015}, {5775, 3615}),
    Label("Label21", {5775, 1680, 1095, 255}, "Second Digit", 8.25),
    Line("Line7", {6375, 2295}, {6015, 1935}),
    Label("Label22", {6495, 3615, 855, 255}, "Multiplier", 8.25),
    Line("Line8", {6615, 3015}, {6735, 3615}),
    Label("Label23", {7095, 1575, 975, 255}, "Tolerence", 8.25),
    Line("Line9", {7335, 2295}, {7575, 1815}),
    Swatch("Label24", "-1", 10),
    Swatch("Label25", "-2", 11),
    Named(Label("Label26", {5760, 5415, 1815, 255}, "", 9.75), "Tolerance unit"),
    Named(With(Label("Label27", {3795, 5415, 1785, 255}, "", 11.25), Align::Centre, kResultColor),
          "Tolerance in ohms"),
    Named(With(Label("Label28", {720, 5895, 1095, 255}, "", 11.25), Align::Right, kResultColor),
          "Resistance in kilo-ohms or mega-ohms"),
    With(Label("Label29", {240, 5895, 255, 255}, "=", 14.25), Align::Right),
    Label("Label30", {3240, 5895, 615, 255}, "+ / -", 11.25),
    Named(With(Label("Label31", {3960, 5895, 1455, 255}, "", 11.25), Align::Centre, kResultColor),
          "Tolerance in kilo-ohms or mega-ohms"),
    Named(Label("Label32", {5640, 5895, 2175, 255}, "", 9.75),
          "Tolerance unit in kilo-ohms or mega-ohms"),
    Shape("Shape7", ShapeKind::RoundedRectangle, {1335, 4455, 5160, 615}, std::nullopt, 0x0080FFFF),
    Shape("Shape8", ShapeKind::RoundedRectangle, {120, 5175, 7815, 1215}, std::nullopt, 0x0000FFFF),
    Styled(
        With(Label("Label33", {6240, 975, 1215, 375}, "Resistor", 14.25), Align::Left, 0x00FF8080),
        false, true),
    Line("Line10", {120, 4215}, {7680, 4215}, 2),
};

constexpr std::array kLists = {
    ListSpec{"List1", {630, 1080, 975, 2460}, 0, kDigitEntries, "First digit band"},
    ListSpec{"List2", {1710, 1080, 975, 2460}, 1, kDigitEntries, "Second digit band"},
    ListSpec{"List3", {2790, 1080, 975, 2940}, 2, kMultiplierEntries, "Multiplier band"},
    ListSpec{"List4", {3870, 1080, 1440, 1980}, 3, kToleranceEntries, "Tolerance band"},
};

constexpr std::array kButtons = {
    ButtonSpec{"Command1",
               "Color Code Value",
               {1485, 4575, 1935, 375},
               4,
               "To find the numerical value of selected color codes.",
               "Find the resistance from the bands"},
    ButtonSpec{"Command2",
               "Color Code Name",
               {3510, 4575, 1935, 375},
               6,
               "To get the color code names from the numerical value.",
               "Find the bands for the resistance"},
    ButtonSpec{"Command3", "About", {5535, 4575, 855, 375}, 38, "", "About Stripewise"},
};

}  // namespace

QRect TwipBox::pixels() const { return PixelBox(left, top, width, height); }

QRect ListSpec::RowBox(int row) const {
  const QRect list = box.pixels();
  const int height = static_cast<int>(Pixels(kListRowTwips));
  return QRect(list.left() + kListFramePixels, list.top() + kListFramePixels + row * height,
               list.width() - 2 * kListFramePixels, height);
}

std::span<const GraphicSpec> Form1Graphics() { return kGraphics; }
std::span<const ListSpec> Form1Lists() { return kLists; }
std::span<const ButtonSpec> Form1Buttons() { return kButtons; }

}  // namespace stripewise::ui
