// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_ui/form2.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>

#include "stripewise_ui/build.h"
#include "stripewise_ui/look.h"
#include "stripewise_ui/placement.h"

namespace stripewise::ui {
namespace {

constexpr ColorValue kWhite = 0x00FFFFFF;

GraphicRow Label(std::string_view name, TwipBox box, std::string_view caption, double points,
                 bool bold = false, bool underline = false, Align align = Align::Left,
                 std::optional<ColorValue> fore = {}) {
  return {.name = name,
          .kind = GraphicRow::Kind::Label,
          .box = box,
          .caption = caption,
          .points = points,
          .bold = bold,
          .underline = underline,
          .align = align,
          .back = kWhite,
          .fore = fore};
}

const GraphicRow kLabels[] = {
    // Label5: the program's name and version.
    Label("Label5", {315, 240, 5400, 375}, kForm1Title, 11.25, true, true, Align::Centre),
    // Label2: the working range, 0.01 ohm to 99000000000 ohm.
    Label("Label2", {315, 840, 5415, 735},
          "Finds the colour code of resistors from 0.01 ohm to 99000000000 ohm, and the "
          "resistance of a colour code.",
          9.75),
    // Label19: note that explains the memory aid.
    Label("Label19", {1800, 1680, 3840, 1095},
          "NOTE   :  Following sentence helps to remember color names. Each capital letter of this "
          "sentence  corresponds to the first letter of each color.",
          9.75),
    // Label1: memory aid "B B ROY Goes Bombay Via Gate Way".
    Label("Label1", {1755, 3150, 3975, 375}, "B B ROY Goes Bombay Via Gate Way", 9.75, true),
    // Label7: credits line, in red.
    Label("Label7", {195, 3870, 5535, 615}, "Made by the Stripewise developers", 11.25, true, false,
          Align::Centre, 0x000000FF),
};

// Image1: a picture of a banded resistor, scaled to its box.
constexpr TwipBox kImage1Box{120, 1680, 1575, 2055};
constexpr TwipBox kForm2Client{0, 0, 5835, 4635};

// The About picture, read as JPEG by name so that only the JPEG plugin loads,
// and only when first wanted: not at start.
const QImage& Picture() {
  static const QImage kPicture = ReadResource(":/stripewise/about.jpg", "jpeg");
  return kPicture;
}

}  // namespace

void Form2::PreparePicture() { (void)Picture(); }

void Form2::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) KeepUnmaximized(this);
  QWidget::changeEvent(event);
}

Form2::Form2()
    // A window of its own with only a close box: no owner, so that it and the
    // main window stack independently, whichever the user activates.
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint) {
  setObjectName("Form2");
  setWindowTitle("About");
  setAttribute(Qt::WA_DeleteOnClose);  // closing releases the window
  setFixedSize(kForm2Client.Pixels().size());
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
  for (const GraphicRow& row : kLabels) MakeGraphic(row, this, kWhite);
  auto* image = new QLabel(this);
  image->setObjectName("Image1");
  image->setPixmap(QPixmap::fromImage(Picture()));
  image->setScaledContents(true);
  image->setAccessibleName("Picture of a resistor banded yellow, violet, red and gold");
  image->setGeometry(kImage1Box.Pixels());
}

}  // namespace stripewise::ui
