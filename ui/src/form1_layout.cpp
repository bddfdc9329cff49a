// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include <array>

#include "stripewise_ui/layout.h"
#include "stripewise_ui/look.h"

namespace stripewise::ui {
namespace {

using Kind = GraphicRow::Kind;

constexpr GraphicRow Label(std::string_view name, TwipBox box, std::string_view caption,
                           double points) {
  return {.name = name, .kind = Kind::Label, .box = box, .caption = caption, .points = points};
}

constexpr GraphicRow Line(std::string_view name, QPoint from, QPoint to, int width = 1) {
  return {.name = name, .kind = Kind::Line, .from = from, .to = to, .width = width};
}

constexpr GraphicRow Shape(std::string_view name, ShapeKind shape, TwipBox box,
                           std::optional<ColorValue> fill, ColorValue outline = 0x000000) {
  return {
      .name = name, .kind = Kind::Shape, .box = box, .back = fill, .fore = outline, .shape = shape};
}

// A swatch of the colour legend, level with the list row of its position;
// screen readers say its figure and colour.
constexpr GraphicRow Swatch(std::string_view name, std::string_view caption, int position,
                            std::string_view spoken) {
  GraphicRow row = Label(name, {135, 1080 + kListRowTwips * position, 375, 255}, caption, 9);
  row.accessible = spoken;
  row.align = Align::Centre;
  row.back = kBandColors[static_cast<std::size_t>(position)];
  if (position == 0 || position == 7) row.fore = 0x00FFFFFF;  // white on black and violet
  return row;
}

constexpr GraphicRow With(GraphicRow row, Align align, std::optional<ColorValue> fore = {}) {
  row.align = align;
  if (fore) row.fore = fore;
  return row;
}

constexpr GraphicRow Named(GraphicRow row, std::string_view accessible) {
  row.accessible = accessible;
  return row;
}

// A result label: the conversions write the caption of `label` into it.
constexpr GraphicRow Result(GraphicRow row, LabelId label) {
  row.result = label;
  return row;
}

// A band of the drawing: the conversions and list clicks paint `band`.
constexpr GraphicRow Band(GraphicRow row, ShapeId band) {
  row.band = band;
  return row;
}

// A caption whose words the controls beside it say already: screen readers
// pass over it.
constexpr GraphicRow Decorative(GraphicRow row) {
  row.decorative = true;
  return row;
}

// A caption that is a link, and is heard as one.
constexpr GraphicRow Link(GraphicRow row) {
  row.link = true;
  return row;
}

constexpr GraphicRow Styled(GraphicRow row, bool bold, bool underline) {
  row.bold = bold;
  row.underline = underline;
  return row;
}

constexpr std::array kGraphics = {
    // Shape1: left end cap of the resistor body.
    Shape("Shape1", ShapeKind::Oval, {5775, 2295, 375, 735}, kButtonFaceColor),
    // Label2: column header above List1, "First Digit".
    Label("Label2", {615, 720, 855, 255}, "First Digit", 8.25),
    // Label3: column header above List2, "Second Digit".
    Label("Label3", {1695, 720, 1095, 255}, "Second Digit", 8.25),
    // Label4: column header above List3, "Multiplier".
    Label("Label4", {2895, 720, 855, 255}, "Multiplier", 8.25),
    // Label5: column header above List4, "Tolerence".
    Label("Label5", {4095, 720, 855, 255}, "Tolerence", 8.25),
    // Label6: title line of the window.
    Styled(Label("Label6", {1185, 255, 5655, 255}, "Color-Code Method to find Out the Resistance",
                 11.25),
           true, false),
    // Label7: fixed caption "Ohm + / -" after Text1.
    Decorative(With(Label("Label7", {2415, 5415, 1095, 255}, "Ohm + / -", 9.75), Align::Centre)),
    // Label8: unit caption of Label28, "Kilo-Ohm" or "Mega-Ohm".
    Result(Decorative(With(Label("Label8", {1935, 5895, 1215, 255}, "", 9.75), Align::Centre)),
           LabelId::Label8),
    // Label9: colour legend swatch "0" (Black), level with row 0 of the lists.
    Swatch("Label9", "0", 0, "0, Black"),
    // Label10: colour legend swatch "1" (Brown).
    Swatch("Label10", "1", 1, "1, Brown"),
    // Label11: colour legend swatch "2" (Red).
    Swatch("Label11", "2", 2, "2, Red"),
    // Label12: colour legend swatch "3" (Orange).
    Swatch("Label12", "3", 3, "3, Orange"),
    // Label13: colour legend swatch "4" (Yellow).
    Swatch("Label13", "4", 4, "4, Yellow"),
    // Label14: colour legend swatch "5" (Green).
    Swatch("Label14", "5", 5, "5, Green"),
    // Label15: colour legend swatch "6" (Blue).
    Swatch("Label15", "6", 6, "6, Blue"),
    // Label16: colour legend swatch "7" (Violet).
    Swatch("Label16", "7", 7, "7, Violet"),
    // Label17: colour legend swatch "8" (Grey).
    Swatch("Label17", "8", 8, "8, Grey"),
    // Label18: colour legend swatch "9" (White).
    Swatch("Label18", "9", 9, "9, White"),
    // Line1: rule under the title.
    Line("Line1", {172, 615}, {7837, 615}, 2),
    // Shape2: first-digit band, painted from List1.
    Band(Shape("Shape2", ShapeKind::Rectangle, {6015, 2295, 255, 735}, kButtonFaceColor),
         ShapeId::Shape2),
    // Shape3: second-digit band, painted from List2.
    Band(Shape("Shape3", ShapeKind::Rectangle, {6255, 2295, 255, 735}, kMenuColor),
         ShapeId::Shape3),
    // Shape4: multiplier band, painted from List3.
    Band(Shape("Shape4", ShapeKind::Rectangle, {6480, 2295, 255, 735}, kMenuColor),
         ShapeId::Shape4),
    // Shape6: right end cap of the resistor body.
    Shape("Shape6", ShapeKind::Oval, {7215, 2295, 375, 735}, kButtonFaceColor),
    // Shape5: tolerance band, painted by the conversions from List4.
    Band(Shape("Shape5", ShapeKind::Rectangle, {7215, 2280, 135, 735}, kButtonFaceColor),
         ShapeId::Shape5),
    // Line2: top edge of the resistor body.
    Line("Line2", {6015, 2295}, {7440, 2295}),
    // Line3: bottom edge of the resistor body.
    Line("Line3", {6015, 3015}, {7440, 3015}),
    // Line4: left lead of the drawn resistor.
    Line("Line4", {5415, 2655}, {5895, 2655}, 3),
    // Line5: right lead of the drawn resistor.
    Line("Line5", {7455, 2655}, {7935, 2655}, 3),
    // Label20: pointer caption "First Digit".
    Decorative(Label("Label20", {5415, 3615, 855, 255}, "First Digit", 8.25)),
    // Line6: pointer from the first-digit band down to Label20.
    Line("Line6", {6135, 3015}, {5775, 3615}),
    // Label21: pointer caption "Second Digit".
    Decorative(Label("Label21", {5775, 1680, 1095, 255}, "Second Digit", 8.25)),
    // Line7: pointer from the second-digit band up to Label21.
    Line("Line7", {6375, 2295}, {6015, 1935}),
    // Label22: pointer caption "Multiplier".
    Decorative(Label("Label22", {6495, 3615, 855, 255}, "Multiplier", 8.25)),
    // Line8: pointer from the multiplier band down to Label22.
    Line("Line8", {6615, 3015}, {6735, 3615}),
    // Label23: pointer caption "Tolerence".
    Decorative(Label("Label23", {7095, 1575, 975, 255}, "Tolerence", 8.25)),
    // Line9: pointer from the tolerance band up to Label23.
    Line("Line9", {7335, 2295}, {7575, 1815}),
    // Label24: colour legend swatch "-1" (Gold), level with the Gold row of List3.
    Swatch("Label24", "-1", kGoldPosition, "-1, Gold"),
    // Label25: colour legend swatch "-2" (Silver), level with the Silver row of List3.
    Swatch("Label25", "-2", kSilverPosition, "-2, Silver"),
    // Label26: unit caption of Label27, "Ohm Tolerence".
    Result(Decorative(Label("Label26", {5760, 5415, 1815, 255}, "", 9.75)), LabelId::Label26),
    // Label27: tolerance in ohms.
    Result(Named(With(Label("Label27", {3795, 5415, 1785, 255}, "", 11.25), Align::Centre,
                      kResultColor),
                 "Tolerance in ohms"),
           LabelId::Label27),
    // Label28: resistance in kilo-ohms or mega-ohms.
    Result(
        Named(With(Label("Label28", {720, 5895, 1095, 255}, "", 11.25), Align::Right, kResultColor),
              "Resistance in kilo-ohms or mega-ohms"),
        LabelId::Label28),
    // Label29: fixed sign "=" starting the second result row.
    Decorative(With(Label("Label29", {240, 5895, 255, 255}, "=", 14.25), Align::Right)),
    // Label30: fixed caption "+ / -".
    Decorative(Label("Label30", {3240, 5895, 615, 255}, "+ / -", 11.25)),
    // Label31: tolerance in kilo-ohms or mega-ohms.
    Result(Named(With(Label("Label31", {3960, 5895, 1455, 255}, "", 11.25), Align::Centre,
                      kResultColor),
                 "Tolerance in kilo-ohms or mega-ohms"),
           LabelId::Label31),
    // Label32: unit caption of Label31, "Kilo-Ohm Tolerence" or "Mega-Ohm Tolerence".
    Result(Decorative(Label("Label32", {5640, 5895, 2175, 255}, "", 9.75)), LabelId::Label32),
    // Shape7: light-yellow frame around the three buttons.
    Shape("Shape7", ShapeKind::RoundedRectangle, {1335, 4455, 5160, 615}, std::nullopt, 0x0080FFFF),
    // Shape8: yellow frame around the results.
    Shape("Shape8", ShapeKind::RoundedRectangle, {120, 5175, 7815, 1215}, std::nullopt, 0x0000FFFF),
    // Label33: caption "Resistor" above the drawing, the link to the window
    // for every resistor code.
    Link(Styled(
        With(Label("Label33", {6240, 975, 1215, 375}, "Resistor", 14.25), Align::Left, 0x00FF8080),
        false, true)),
    // Line10: rule above the buttons.
    Line("Line10", {120, 4215}, {7680, 4215}, 2),
};

constexpr std::array kLists = {
    // List1: first-digit band: Black (0) to White (9).
    ListRow{"List1", ListId::List1, {630, 1080, 975, 2460}, 0, "First digit band"},
    // List2: second-digit band: Black (0) to White (9).
    ListRow{"List2", ListId::List2, {1710, 1080, 975, 2460}, 1, "Second digit band"},
    // List3: multiplier band: Black (x1) to White, Gold (x0.1), Silver (x0.01).
    ListRow{"List3", ListId::List3, {2790, 1080, 975, 2940}, 2, "Multiplier band"},
    // List4: tolerance band: "Do not count" and 1% to 20%.
    ListRow{"List4", ListId::List4, {3870, 1080, 1440, 1980}, 3, "Tolerance band"},
};

constexpr std::array kButtons = {
    // Command1: button "Color Code Value": bands to value.
    ButtonRow{"Command1",
              ButtonId::Command1,
              "Color Code Value",
              {1485, 4575, 1935, 375},
              4,
              "To find the numerical value of selected color codes."},
    // Command2: button "Color Code Name": value to bands.
    ButtonRow{"Command2",
              ButtonId::Command2,
              "Color Code Name",
              {3510, 4575, 1935, 375},
              6,
              "To get the color code names from the numerical value."},
    // Command3: button "About": opens the About window.
    ButtonRow{"Command3", ButtonId::Command3, "About", {5535, 4575, 855, 375}, 38, ""},
};

}  // namespace

QRect TwipBox::Pixels() const { return PixelBox(left, top, width, height); }

QRect ListRow::RowBox(int row) const {
  const QRect list = box.Pixels();
  const int height = static_cast<int>(Pixels(kListRowTwips));
  return QRect(list.left() + kListFramePixels, list.top() + kListFramePixels + row * height,
               list.width() - 2 * kListFramePixels, height);
}

std::span<const GraphicRow> Form1Graphics() { return kGraphics; }
std::span<const ListRow> Form1Lists() { return kLists; }
std::span<const ButtonRow> Form1Buttons() { return kButtons; }

}  // namespace stripewise::ui
