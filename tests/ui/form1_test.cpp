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

class Form1Test : public ::testing::Test {
 protected:
  void SetUp() override { program_ = testing::StartedProgram(); }
  QWidget& Form() { return program_->MainWindow(); }
  QListWidget* List(int n) { return Child<QListWidget>(Form(), "List" + std::to_string(n)); }
  QString Caption(const char* label) { return Child<QLabel>(Form(), label)->text(); }
  ColorValue Fill(const char* band) { return *Child<ShapeWidget>(Form(), band)->Fill(); }
  std::vector<ColorValue> Fills() {
    std::vector<ColorValue> all;
    for (const char* band : kBands) all.push_back(Fill(band));
    return all;
  }
  QString Text1() { return Child<QLineEdit>(Form(), "Text1")->text(); }

  std::unique_ptr<Program> program_;
};

TEST_F(Form1Test, StartsWithDoNotCountSelectedBlankResultsAndFocusInTheFirstList) {
  EXPECT_EQ(Form().windowTitle(), "Stripewise v2.0");
  EXPECT_EQ(Fills(),
            (std::vector<ColorValue>{kButtonFaceColor, kMenuColor, kMenuColor, kButtonFaceColor}));
  for (const char* band : kBands) {
    EXPECT_EQ(PaintedAtCentre(Form(), band), Screen(Fill(band), Form())) << band;
  }
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
    std::vector<ColorValue> expected = Fills();
    ClickEntry(List(click.list), click.row);
    const auto slot = static_cast<std::size_t>(click.band[5] - '2');
    expected[slot] = kBandColors[static_cast<std::size_t>(click.row)];
    EXPECT_EQ(Fills(), expected) << click.band << " " << click.row;
    EXPECT_EQ(PaintedAtCentre(Form(), click.band), Screen(expected[slot], Form()));
    for (const char* label : kResultLabels) EXPECT_EQ(Caption(label), "");
    EXPECT_EQ(Text1(), "");
  }
  const std::vector<ColorValue> before = Fills();
  for (int row = 0; row < 8; ++row) ClickEntry(List(4), row);
  EXPECT_EQ(Fills(), before);
}

TEST_F(Form1Test, ArrowKeysInAListRepaintItsBandAtEveryStep) {
  ClickEntry(List(1), 0);
  for (int row = 1; row < 10; ++row) {
    QTest::keyClick(List(1), Qt::Key_Down);
    EXPECT_EQ(Fill("Shape2"), kBandColors[static_cast<std::size_t>(row)]) << row;
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
  const char* text1;
  const char* label27;
  const char* label28;
  const char* label31;
  const char* label8;
};

const Conversion kConversions[] = {
    {4, 7, 2, 5, "4700", "235", "4.7", "0.235", "Kilo-Ohm"},
    {1, 0, 5, 1, "1000000", "10000", "1", "0.01", "Mega-Ohm"},
    {9, 9, 9, 7, "99000000000", "19800000000", "99000", "19800", "Mega-Ohm"},
    {1, 0, 11, 6, "0.1", "0.01", "0.0001", "1E-05", "Kilo-Ohm"},
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
    const std::size_t positions[] = {std::size_t(c.first), std::size_t(c.second),
                                     std::size_t(c.multiplier)};
    for (std::size_t band = 0; band < 3; ++band) {
      EXPECT_EQ(PaintedAtCentre(Form(), kBands[band]),
                Screen(kBandColors[positions[band]], Form()));
    }
    EXPECT_EQ(PaintedAtCentre(Form(), "Shape5"),
              Screen(kToleranceColors[std::size_t(c.tolerance)], Form()));
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
  const ColorValue painted[] = {kBandColors[4], kBandColors[7], kBandColors[2],
                                kToleranceColors[5]};
  for (std::size_t band = 0; band < 4; ++band) {
    EXPECT_EQ(PaintedAtCentre(Form(), kBands[band]), Screen(painted[band], Form())) << kBands[band];
  }
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

TEST_F(Form1Test, TabMovesTheFocusInTheDocumentedOrder) {
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
