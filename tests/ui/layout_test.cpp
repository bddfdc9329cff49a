// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// The main window as laid out from its tables: places, fonts, colours,
// stacking and the texts the user sees.
#include <gtest/gtest.h>
#include <stripewise_ui/layout.h>
#include <stripewise_ui/look.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

#include "ui_test_support.h"

namespace stripewise::ui {
namespace {

using testing::Child;

class LayoutTest : public ::testing::Test {
 protected:
  void SetUp() override { program_ = testing::StartedProgram(); }
  QWidget& Form() { return program_->MainWindow(); }
  std::unique_ptr<Program> program_;
};

// Every box of the tables lands on whole pixels at 15 twips a pixel.
TEST_F(LayoutTest, EveryControlSitsAtItsPlaceInPixels) {
  for (const GraphicSpec& row : Form1Graphics()) {
    if (row.kind == GraphicSpec::Kind::Line) continue;
    const QRect expected(
        qRound(row.box.left / 15.0), qRound(row.box.top / 15.0),
        qRound((row.box.left + row.box.width) / 15.0) - qRound(row.box.left / 15.0),
        qRound((row.box.top + row.box.height) / 15.0) - qRound(row.box.top / 15.0));
    EXPECT_EQ(Child<QWidget>(Form(), row.name)->geometry(), expected) << row.name;
  }
  EXPECT_EQ(Child<QWidget>(Form(), "List1")->geometry(), QRect(42, 72, 65, 164));
  EXPECT_EQ(Child<QWidget>(Form(), "List3")->geometry(), QRect(186, 72, 65, 196));
  EXPECT_EQ(Child<QWidget>(Form(), "Text1")->geometry(), QRect(33, 352, 121, 26));
  EXPECT_EQ(Child<QWidget>(Form(), "Command3")->geometry(), QRect(369, 305, 57, 25));
  // The pointer caption of the tolerance band runs past the right edge.
  EXPECT_GT(Child<QWidget>(Form(), "Label23")->geometry().right(), Form().width() - 1);
}

TEST_F(LayoutTest, ListsShowEveryEntryWithoutScrolling) {
  const int counts[] = {10, 10, 12, 8};
  for (int n = 0; n < 4; ++n) {
    auto* list = Child<QListWidget>(Form(), "List" + std::to_string(n + 1));
    ASSERT_EQ(list->count(), counts[n]);
    const QRect last = list->visualItemRect(list->item(list->count() - 1));
    EXPECT_LE(last.bottom(), list->viewport()->height() - 1) << n;
    EXPECT_EQ(list->palette().color(QPalette::Text), QColor(0x00, 0x00, 0xC0));
    EXPECT_EQ(list->font().pixelSize(), 13);
  }
  EXPECT_EQ(Child<QListWidget>(Form(), "List3")->item(10)->text(), "Gold");
  EXPECT_EQ(Child<QListWidget>(Form(), "List4")->item(7)->text(), "No Color 20%");
}

// Later siblings paint over earlier ones; the inputs lie above every drawing.
TEST_F(LayoutTest, ControlsAreStackedFromTheBottomUp) {
  const QObjectList& children = Form().children();
  qsizetype previous = -1;
  for (const GraphicSpec& row : Form1Graphics()) {
    const qsizetype at = children.indexOf(Child<QWidget>(Form(), row.name));
    EXPECT_GT(at, previous) << row.name;
    previous = at;
  }
  for (const char* input : {"List1", "List4", "Command1", "Command3", "Text1"}) {
    EXPECT_GT(children.indexOf(Child<QWidget>(Form(), input)), previous) << input;
  }
}

TEST_F(LayoutTest, TextsFontsAndColoursAreAsDesigned) {
  const struct {
    const char* name;
    const char* text;
    int pixels;
    bool bold;
    bool underline;
    Qt::Alignment align;
  } labels[] = {
      {"Label6", "Color-Code Method to find Out the Resistance", 15, true, false, Qt::AlignLeft},
      {"Label5", "Tolerence", 11, false, false, Qt::AlignLeft},
      {"Label33", "Resistor", 19, false, true, Qt::AlignLeft},
      {"Label29", "=", 19, false, false, Qt::AlignRight},
      {"Label7", "Ohm + / -", 13, false, false, Qt::AlignHCenter},
      {"Label30", "+ / -", 15, false, false, Qt::AlignLeft},
      {"Label24", "-1", 12, false, false, Qt::AlignHCenter},
      {"Label27", "", 15, false, false, Qt::AlignHCenter},
      {"Label28", "", 15, false, false, Qt::AlignRight},
  };
  for (const auto& l : labels) {
    auto* label = Child<QLabel>(Form(), l.name);
    EXPECT_EQ(label->text(), l.text) << l.name;
    EXPECT_EQ(label->font().pixelSize(), l.pixels) << l.name;
    EXPECT_EQ(label->font().bold(), l.bold) << l.name;
    EXPECT_EQ(label->font().underline(), l.underline) << l.name;
    EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, l.align) << l.name;
    EXPECT_TRUE(label->autoFillBackground()) << l.name;
  }
  EXPECT_EQ(Child<QLabel>(Form(), "Label9")->palette().color(QPalette::Window), QColor(Qt::black));
  EXPECT_EQ(Child<QLabel>(Form(), "Label9")->palette().color(QPalette::WindowText),
            QColor(Qt::white));
  EXPECT_EQ(Child<QLabel>(Form(), "Label16")->palette().color(QPalette::Window),
            QColor(0, 0, 0xC0));
  EXPECT_EQ(Child<QLabel>(Form(), "Label33")->palette().color(QPalette::WindowText),
            QColor(0x80, 0x80, 0xFF));
  EXPECT_EQ(Child<QLabel>(Form(), "Label27")->palette().color(QPalette::WindowText),
            QColor(Qt::blue));
  EXPECT_EQ(Child<QLineEdit>(Form(), "Text1")->palette().color(QPalette::Text), QColor(Qt::blue));
  EXPECT_EQ(Child<QLineEdit>(Form(), "Text1")->toolTip(), "Input / Output Box");
  EXPECT_EQ(Child<QPushButton>(Form(), "Command1")->toolTip(),
            "To find the numerical value of selected color codes.");
  EXPECT_EQ(Child<QPushButton>(Form(), "Command2")->toolTip(),
            "To get the color code names from the numerical value.");
  EXPECT_EQ(Child<QPushButton>(Form(), "Command3")->toolTip(), "");
  for (const char* button : {"Command1", "Command2", "Command3"}) {
    EXPECT_FALSE(Child<QPushButton>(Form(), button)->isDefault()) << button;
    EXPECT_FALSE(Child<QPushButton>(Form(), button)->autoDefault()) << button;
  }
}

// A caption that fits its one-line box in Verdana stays on one line in the
// face that stands in for it.
TEST_F(LayoutTest, OneLineCaptionsFitTheirBoxes) {
  for (const GraphicSpec& row : Form1Graphics()) {
    if (row.kind != GraphicSpec::Kind::Label || row.name == "Label23") continue;
    auto* label = Child<QLabel>(Form(), row.name);
    EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width())
        << row.name;
  }
}

TEST_F(LayoutTest, TheWindowOpensCentredOnTheScreen) {
  const QRect screen = Form().screen()->availableGeometry();
  const QPoint off = Form().frameGeometry().center() - screen.center();
  EXPECT_LE(std::abs(off.x()), 2) << off.x() << "," << off.y() << " " << Form().frameGeometry().x()
                                  << " " << Form().geometry().x();
  EXPECT_LE(std::abs(off.y()), 2);
}

}  // namespace
}  // namespace stripewise::ui
