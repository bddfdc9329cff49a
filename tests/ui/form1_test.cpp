// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include <gtest/gtest.h>
#include <stripewise/band_tables.h>
#include <stripewise_ui/graphics.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include "ui_test_support.h"

namespace stripewise::ui {
namespace {

using testing::AnswerBoxes;
using testing::Child;
using testing::ClickButton;
using testing::ClickEntry;
using testing::PaintedAtCentre;
using testing::Screen;
using testing::SeenBox;
using testing::TypeInto;

const char* const kResultLabels[] = {"Label8",  "Label26", "Label27",
                                     "Label28", "Label31", "Label32"};
const char* const kBands[] = {"Shape2", "Shape3", "Shape4", "Shape5"};

// The colour a band shows for each entry of the multiplier list, Black to
// Silver: Brown is painted a mid grey and Grey a light one.
const QColor kBandScreen[] = {0x000000u, 0x808080u, 0xFF0000u, 0xFFE0C0u, 0xFFFF00u, 0x00FF00u,
                              0x8080FFu, 0x0000C0u, 0xE0E0E0u, 0xFFFFFFu, 0xFFFFC0u, 0xC0FFC0u};

class Form1Test : public ::testing::Test {
 protected:
  void SetUp() override { program_ = testing::StartedProgram(); }
  QWidget& Form() { return program_->MainWindow(); }
  QListWidget* List(int n) { return Child<QListWidget>(Form(), "List" + std::to_string(n)); }
  QString Caption(const char* label) { return Child<QLabel>(Form(), label)->text(); }
  // The colours the four bands show.
  std::vector<QColor> Bands() {
    std::vector<QColor> all;
    for (const char* band : kBands) all.push_back(PaintedAtCentre(Form(), band));
    return all;
  }
  QColor Face() { return Screen(kButtonFaceColor, Form()); }
  QString Text1() { return Child<QLineEdit>(Form(), "Text1")->text(); }

  std::unique_ptr<Program> program_;
};

TEST_F(Form1Test, StartsWithDoNotCountSelectedBlankResultsAndFocusInTheFirstList) {
  EXPECT_EQ(Form().windowTitle(), "Stripewise v2.0");
  const QColor menu = Screen(kMenuColor, Form());
  EXPECT_EQ(Bands(), (std::vector<QColor>{Face(), menu, menu, Face()}));
  for (const char* label : kResultLabels) EXPECT_EQ(Caption(label), "") << label;
  EXPECT_EQ(Text1(), "");
  for (int n = 1; n <= 3; ++n) EXPECT_TRUE(List(n)->selectedItems().isEmpty()) << n;
  ASSERT_EQ(List(4)->selectedItems().size(), 1);
  EXPECT_EQ(List(4)->selectedItems().first()->text(), "Do not count");
  EXPECT_EQ(QApplication::focusWidget(), List(1));
  EXPECT_EQ(program_->MainWindow().Record().ListIndex(ListId::List1), -1);
}

// A click in a band list repaints its band at once and nothing else.
TEST_F(Form1Test, AClickInAListRepaintsOnlyItsBand) {
  const struct {
    int list;
    int row;
    const char* band;
  } clicks[] = {
      {2, 2, "Shape3"}, {3, 10, "Shape4"}, {1, 0, "Shape2"}, {3, 11, "Shape4"}, {1, 9, "Shape2"}};
  for (const auto& click : clicks) {
    std::vector<QColor> expected = Bands();
    ClickEntry(List(click.list), click.row);
    expected[static_cast<std::size_t>(click.band[5] - '2')] = kBandScreen[click.row];
    EXPECT_EQ(Bands(), expected) << click.band << " " << click.row;
    for (const char* label : kResultLabels) EXPECT_EQ(Caption(label), "");
    EXPECT_EQ(Text1(), "");
  }
  const std::vector<QColor> before = Bands();
  for (int row = 0; row < 8; ++row) ClickEntry(List(4), row);
  EXPECT_EQ(Bands(), before);
}

TEST_F(Form1Test, ArrowKeysInAListRepaintItsBandAtEveryStep) {
  ClickEntry(List(1), 0);
  for (int row = 1; row < 10; ++row) {
    QTest::keyClick(List(1), Qt::Key_Down);
    EXPECT_EQ(PaintedAtCentre(Form(), "Shape2"), kBandScreen[row]) << row;
  }
}

TEST_F(Form1Test, ASecondClickOrCtrlClickNeverClearsASelection) {
  ClickEntry(List(2), 4);
  ClickEntry(List(2), 4);
  const QRect entry = List(2)->visualItemRect(List(2)->item(4));
  QTest::mouseClick(List(2)->viewport(), Qt::LeftButton, Qt::ControlModifier, entry.center());
  EXPECT_EQ(program_->MainWindow().Record().ListIndex(ListId::List2), 4);
  EXPECT_EQ(List(2)->selectedItems().size(), 1);
}

struct Conversion {
  int first, second, multiplier, tolerance;
  QColor band5;  // the tolerance band's colour
  const char* text1;
  const char* label27;
  const char* label28;
  const char* label31;
  const char* label8;
};

const Conversion kConversions[] = {
    {4, 7, 2, 5, 0xFFFFC0u, "4700", "235", "4.7", "0.235", "Kilo-Ohm"},
    {1, 0, 5, 1, 0x808080u, "1000000", "10000", "1", "0.01", "Mega-Ohm"},
    {9, 9, 9, 6, 0xC0FFC0u, "99000000000", "9900000000", "99000", "9900", "Mega-Ohm"},
    {1, 0, 11, 2, 0xFF0000u, "0.1", "0.002", "0.0001", "2E-06", "Kilo-Ohm"},
};

TEST_F(Form1Test, ColorCodeValueShowsTheFiguresAndPaintsTheBands) {
  for (const Conversion& c : kConversions) {
    ClickEntry(List(1), c.first);
    ClickEntry(List(2), c.second);
    ClickEntry(List(3), c.multiplier);
    ClickEntry(List(4), c.tolerance);
    ClickButton(Form(), "Command1");
    SCOPED_TRACE(c.text1);
    EXPECT_EQ(Text1(), c.text1);
    EXPECT_EQ(Caption("Label27"), c.label27);
    EXPECT_EQ(Caption("Label28"), c.label28);
    EXPECT_EQ(Caption("Label31"), c.label31);
    EXPECT_EQ(Caption("Label8"), c.label8);
    EXPECT_EQ(Caption("Label26"), "Ohm Tolerence");
    EXPECT_EQ(Caption("Label32"), QString(c.label8) + " Tolerence");
    EXPECT_EQ(Bands(), (std::vector<QColor>{kBandScreen[c.first], kBandScreen[c.second],
                                            kBandScreen[c.multiplier], c.band5}));
  }
}

// Each list shows its entries, and each tolerance its band in the colour
// that names it once a conversion runs; "Do not count" and "No Color 20%"
// leave the band in the window's colour.
TEST_F(Form1Test, ListsShowTheirEntriesAndTheToleranceBandItsColour) {
  const QStringList digits = {"Black", "Brown", "Red",    "Orange", "Yellow",
                              "Green", "Blue",  "Violet", "Grey",   "White"};
  const QStringList tolerances = {"Do not count", "Brown 1%", "Red 2%",     "Orange 3%",
                                  "Yellow 4%",    "Gold 5%",  "Silver 10%", "No Color 20%"};
  const QStringList shown[] = {digits, digits, digits + QStringList{"Gold", "Silver"}, tolerances};
  for (int n = 1; n <= 4; ++n) {
    QStringList entries;
    for (int row = 0; row < List(n)->count(); ++row) entries << List(n)->item(row)->text();
    EXPECT_EQ(entries, shown[n - 1]) << n;
  }
  const QColor band5[] = {Face(),         kBandScreen[1],  kBandScreen[2],  kBandScreen[3],
                          kBandScreen[4], kBandScreen[10], kBandScreen[11], Face()};
  for (int row = 0; row < 8; ++row) {
    ClickEntry(List(4), row);
    Child<QLineEdit>(Form(), "Text1")->clear();
    TypeInto(Form(), "Text1", "47");
    ClickButton(Form(), "Command2");
    EXPECT_EQ(PaintedAtCentre(Form(), "Shape5"), band5[row]) << row;
  }
}

TEST_F(Form1Test, ColorCodeNameSelectsThePaintedBandsAndShowsTheFigures) {
  ClickEntry(List(4), 5);  // Gold 5%
  TypeInto(Form(), "Text1", "4750");
  ClickButton(Form(), "Command2");
  EXPECT_EQ(Text1(), "4700");
  EXPECT_EQ(Caption("Label27"), "235");
  EXPECT_EQ(Caption("Label28"), "4.7");
  EXPECT_EQ(Caption("Label8"), "Kilo-Ohm");
  EXPECT_EQ(List(1)->currentItem()->text(), "Yellow");
  EXPECT_EQ(List(2)->selectedItems().first()->text(), "Violet");
  EXPECT_EQ(List(3)->selectedItems().first()->text(), "Red");
  EXPECT_EQ(Bands(), (std::vector<QColor>{0xFFFF00u, 0x0000C0u, 0xFF0000u, 0xFFFFC0u}));
}

// Each box also leaves a window manager room for its whole title.
TEST_F(Form1Test, ShowsEachMessageWithItsTitleTextAndIcon) {
  bool roomy = true;
  const auto select = AnswerBoxes([&] { ClickButton(Form(), "Command1"); }, &roomy);
  EXPECT_EQ(select, (std::vector<SeenBox>{{"Select Digits",
                                           "Select First Digit, Second Digit and Multiplier.  ",
                                           QMessageBox::Information, 1}}));
  const struct {
    const char* typed;
    SeenBox box;
    bool focus;
  } refusals[] = {
      {"",
       {"Resistor Value Missing", "Write proper Resistor Value.", QMessageBox::Critical, 1},
       true},
      {"12.34", {"Error", "Invalid Input", QMessageBox::NoIcon, 1}, false},
      {"123.45",
       {"Large Fractional Value", "Large Resistor Value should not be Fractional.",
        QMessageBox::NoIcon, 1},
       true},
      {"1e11",
       {"Value Out Of Range", "Resistor Value should not be more than 99000000000 Ohm.",
        QMessageBox::Critical, 1},
       true},
  };
  for (const auto& refusal : refusals) {
    Child<QLineEdit>(Form(), "Text1")->clear();
    TypeInto(Form(), "Text1", refusal.typed);
    ClickButton(Form(), "Command3");  // the focus leaves the text box
    program_->AboutWindow()->close();
    Form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
    const auto seen = AnswerBoxes([&] { ClickButton(Form(), "Command2"); }, &roomy);
    EXPECT_EQ(seen, std::vector<SeenBox>{refusal.box}) << refusal.typed;
    Form().activateWindow();  // as the desktop does once the box is gone
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
    EXPECT_EQ(QApplication::focusWidget(),
              Child<QWidget>(Form(), refusal.focus ? "Text1" : "Command2"))
        << refusal.typed;
    EXPECT_EQ(Text1(), refusal.typed);
    EXPECT_TRUE(List(1)->selectedItems().isEmpty());
  }
  EXPECT_TRUE(roomy);
}

TEST_F(Form1Test, TheTextBoxKeepsAtMostElevenCharactersTypedOrPasted) {
  TypeInto(Form(), "Text1", "123456789012345");
  EXPECT_EQ(Text1(), "12345678901");
  EXPECT_EQ(program_->MainWindow().Record().Text1(), "12345678901");
  Child<QLineEdit>(Form(), "Text1")->clear();
  QApplication::clipboard()->setText("99999999999999999");
  QTest::keyClick(Child<QLineEdit>(Form(), "Text1"), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Text1(), "99999999999");
  EXPECT_EQ(program_->MainWindow().Record().Text1(), "99999999999");
}

TEST_F(Form1Test, TabMovesThroughTheListsThenTheButtonsAndTheTextBox) {
  const char* const order[] = {"List2", "List3",    "List4",    "Command1",
                               "Text1", "Command2", "Command3", "List1"};
  for (const char* next : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Child<QWidget>(Form(), next)) << next;
  }
}

TEST_F(Form1Test, EnterInTheTextBoxRunsNothing) {
  const auto seen = AnswerBoxes([&] {
    TypeInto(Form(), "Text1", "4700");
    QTest::keyClick(Child<QLineEdit>(Form(), "Text1"), Qt::Key_Return);
    QTest::keyClick(Child<QLineEdit>(Form(), "Text1"), Qt::Key_Enter);
  });
  EXPECT_TRUE(seen.empty());
  EXPECT_TRUE(List(1)->selectedItems().isEmpty());
  for (const char* label : kResultLabels) EXPECT_EQ(Caption(label), "");
}

TEST_F(Form1Test, ClosingTheMainWindowEndsTheProgram) {
  QApplication::setQuitOnLastWindowClosed(true);
  QTimer::singleShot(0, &Form(), [this] { Form().close(); });
  QTimer::singleShot(10000, [] { QCoreApplication::exit(99); });  // the program did not end
  EXPECT_EQ(QApplication::exec(), 0);
  QApplication::setQuitOnLastWindowClosed(false);
  EXPECT_FALSE(Form().isVisible());
}

TEST_F(Form1Test, TheWindowHasAFixedSizeAndNoMaximiseButton) {
  EXPECT_EQ(Form().size(), QSize(535, 434));
  EXPECT_EQ(Form().minimumSize(), Form().maximumSize());
  const Qt::WindowFlags flags = Form().windowFlags();
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
  EXPECT_FALSE(Form().windowIcon().isNull());
  EXPECT_EQ(Form().windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}));
}

}  // namespace
}  // namespace stripewise::ui
