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
  QWidget& form() { return program_->form1(); }
  QListWidget* list(int n) { return Child<QListWidget>(form(), "List" + std::to_string(n)); }
  QString caption(const char* label) { return Child<QLabel>(form(), label)->text(); }
  ColorValue fill(const char* band) { return *Child<ShapeWidget>(form(), band)->fill(); }
  std::vector<ColorValue> fills() {
    std::vector<ColorValue> all;
    for (const char* band : kBands) all.push_back(fill(band));
    return all;
  }
  QString text1() { return Child<QLineEdit>(form(), "Text1")->text(); }

  std::unique_ptr<Program> program_;
};

TEST_F(Form1Test, StartsWithDoNotCountSelectedBlankResultsAndFocusInTheFirstList) {
  EXPECT_EQ(form().windowTitle(), "Stripewise v2.0");
  EXPECT_EQ(fills(),
            (std::vector<ColorValue>{kButtonFaceColor, kMenuColor, kMenuColor, kButtonFaceColor}));
  for (const char* band : kBands) {
    EXPECT_EQ(PaintedAtCentre(form(), band), Screen(fill(band), form())) << band;
  }
  for (const char* label : kResultLabels) EXPECT_EQ(caption(label), "") << label;
  EXPECT_EQ(text1(), "");
  for (int n = 1; n <= 3; ++n) EXPECT_TRUE(list(n)->selectedItems().isEmpty()) << n;
  ASSERT_EQ(list(4)->selectedItems().size(), 1);
  EXPECT_EQ(list(4)->selectedItems().first()->text(), "Do not count");
  EXPECT_EQ(QApplication::focusWidget(), list(1));
  EXPECT_EQ(program_->form1().record().ListIndex(ListId::List1), -1);
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
    std::vector<ColorValue> expected = fills();
    ClickEntry(list(click.list), click.row);
    const auto slot = static_cast<std::size_t>(click.band[5] - '2');
    expected[slot] = kBandColors[static_cast<std::size_t>(click.row)];
    EXPECT_EQ(fills(), expected) << click.band << " " << click.row;
    EXPECT_EQ(PaintedAtCentre(form(), click.band), Screen(expected[slot], form()));
    for (const char* label : kResultLabels) EXPECT_EQ(caption(label), "");
    EXPECT_EQ(text1(), "");
  }
  const std::vector<ColorValue> before = fills();
  for (int row = 0; row < 8; ++row) ClickEntry(list(4), row);
  EXPECT_EQ(fills(), before);
}

TEST_F(Form1Test, ArrowKeysInAListRepaintItsBandAtEveryStep) {
  ClickEntry(list(1), 0);
  for (int row = 1; row < 10; ++row) {
    QTest::keyClick(list(1), Qt::Key_Down);
    EXPECT_EQ(fill("Shape2"), kBandColors[static_cast<std::size_t>(row)]) << row;
  }
}

TEST_F(Form1Test, ASecondClickOrCtrlClickNeverClearsASelection) {
  ClickEntry(list(2), 4);
  ClickEntry(list(2), 4);
  const QRect entry = list(2)->visualItemRect(list(2)->item(4));
  QTest::mouseClick(list(2)->viewport(), Qt::LeftButton, Qt::ControlModifier, entry.center());
  EXPECT_EQ(program_->form1().record().ListIndex(ListId::List2), 4);
  EXPECT_EQ(list(2)->selectedItems().size(), 1);
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
    ClickEntry(list(1), c.first);
    ClickEntry(list(2), c.second);
    ClickEntry(list(3), c.multiplier);
    ClickEntry(list(4), c.tolerance);
    ClickButton(form(), "Command1");
    SCOPED_TRACE(c.text1);
    EXPECT_EQ(text1(), c.text1);
    EXPECT_EQ(caption("Label27"), c.label27);
    EXPECT_EQ(caption("Label28"), c.label28);
    EXPECT_EQ(caption("Label31"), c.label31);
    EXPECT_EQ(caption("Label8"), c.label8);
    EXPECT_EQ(caption("Label26"), "Ohm Tolerence");
    EXPECT_EQ(caption("Label32"), QString(c.label8) + " Tolerence");
    const std::size_t positions[] = {std::size_t(c.first), std::size_t(c.second),
                                     std::size_t(c.multiplier)};
    for (std::size_t band = 0; band < 3; ++band) {
      EXPECT_EQ(PaintedAtCentre(form(), kBands[band]),
                Screen(kBandColors[positions[band]], form()));
    }
    EXPECT_EQ(PaintedAtCentre(form(), "Shape5"),
              Screen(kToleranceColors[std::size_t(c.tolerance)], form()));
  }
}

TEST_F(Form1Test, ColorCodeNameSelectsThePaintedBandsAndShowsTheFigures) {
  ClickEntry(list(4), 5);  // Gold 5%
  TypeInto(form(), "Text1", "4750");
  ClickButton(form(), "Command2");
  EXPECT_EQ(text1(), "4700");
  EXPECT_EQ(caption("Label27"), "235");
  EXPECT_EQ(caption("Label28"), "4.7");
  EXPECT_EQ(caption("Label8"), "Kilo-Ohm");
  EXPECT_EQ(list(1)->currentItem()->text(), "Yellow");
  EXPECT_EQ(list(2)->selectedItems().first()->text(), "Violet");
  EXPECT_EQ(list(3)->selectedItems().first()->text(), "Red");
  const ColorValue painted[] = {kBandColors[4], kBandColors[7], kBandColors[2],
                                kToleranceColors[5]};
  for (std::size_t band = 0; band < 4; ++band) {
    EXPECT_EQ(PaintedAtCentre(form(), kBands[band]), Screen(painted[band], form())) << kBands[band];
  }
}

TEST_F(Form1Test, ShowsEachMessageWithItsTitleTextAndIcon) {
  const auto select = AnswerBoxes([&] { ClickButton(form(), "Command1"); });
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
    Child<QLineEdit>(form(), "Text1")->clear();
    TypeInto(form(), "Text1", refusal.typed);
    ClickButton(form(), "Command3");  // the focus leaves the text box
    program_->form2()->close();
    form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    const auto seen = AnswerBoxes([&] { ClickButton(form(), "Command2"); });
    EXPECT_EQ(seen, std::vector<SeenBox>{refusal.box}) << refusal.typed;
    form().activateWindow();  // as the desktop does once the box is gone
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    EXPECT_EQ(QApplication::focusWidget(),
              Child<QWidget>(form(), refusal.focus ? "Text1" : "Command2"))
        << refusal.typed;
    EXPECT_EQ(text1(), refusal.typed);
    EXPECT_TRUE(list(1)->selectedItems().isEmpty());
  }
}

TEST_F(Form1Test, TheTextBoxKeepsAtMostElevenCharactersTypedOrPasted) {
  TypeInto(form(), "Text1", "123456789012345");
  EXPECT_EQ(text1(), "12345678901");
  EXPECT_EQ(program_->form1().record().Text1(), "12345678901");
  Child<QLineEdit>(form(), "Text1")->clear();
  QApplication::clipboard()->setText("99999999999999999");
  QTest::keyClick(Child<QLineEdit>(form(), "Text1"), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(text1(), "99999999999");
  EXPECT_EQ(program_->form1().record().Text1(), "99999999999");
}

TEST_F(Form1Test, TabMovesTheFocusInTheDocumentedOrder) {
  const char* const order[] = {"List2", "List3",    "List4",    "Command1",
                               "Text1", "Command2", "Command3", "List1"};
  for (const char* next : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Child<QWidget>(form(), next)) << next;
  }
}

TEST_F(Form1Test, EnterInTheTextBoxRunsNothing) {
  const auto seen = AnswerBoxes([&] {
    TypeInto(form(), "Text1", "4700");
    QTest::keyClick(Child<QLineEdit>(form(), "Text1"), Qt::Key_Return);
    QTest::keyClick(Child<QLineEdit>(form(), "Text1"), Qt::Key_Enter);
  });
  EXPECT_TRUE(seen.empty());
  EXPECT_TRUE(list(1)->selectedItems().isEmpty());
  for (const char* label : kResultLabels) EXPECT_EQ(caption(label), "");
}

TEST_F(Form1Test, ClosingTheMainWindowEndsTheProgram) {
  QApplication::setQuitOnLastWindowClosed(true);
  QTimer::singleShot(0, &form(), [this] { form().close(); });
  QTimer::singleShot(10000, [] { QCoreApplication::exit(99); });  // the program did not end
  EXPECT_EQ(QApplication::exec(), 0);
  QApplication::setQuitOnLastWindowClosed(false);
  EXPECT_FALSE(form().isVisible());
}

TEST_F(Form1Test, TheWindowHasAFixedSizeAndNoMaximiseButton) {
  EXPECT_EQ(form().size(), QSize(535, 434));
  EXPECT_EQ(form().minimumSize(), form().maximumSize());
  const Qt::WindowFlags flags = form().windowFlags();
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
  EXPECT_FALSE(form().windowIcon().isNull());
  EXPECT_EQ(form().windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}));
}

}  // namespace
}  // namespace stripewise::ui
