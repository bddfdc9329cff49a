// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// What a screen reader learns through Qt's accessibility interface, and a
// conversion done with the keyboard alone.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "ui_test_support.h"

namespace stripewise::ui {
namespace {

using testing::Child;
using testing::ClickButton;
using testing::ClickEntry;
using testing::TypeInto;

class AccessibilityTest : public ::testing::Test {
 protected:
  void SetUp() override { program_ = testing::StartedProgram(); }
  QWidget& Form() { return program_->MainWindow(); }
  QString Read(std::string_view name, QAccessible::Text what) {
    QAccessibleInterface* face =
        QAccessible::queryAccessibleInterface(Child<QWidget>(Form(), name));
    return face == nullptr ? QString("<none>") : face->text(what);
  }
  QString Drawing() { return Read("Drawing", QAccessible::Description); }
  void Keys(Qt::Key key, int times = 1) {
    for (int i = 0; i < times; ++i) QTest::keyClick(QApplication::focusWidget(), key);
  }
  std::unique_ptr<Program> program_;
};

TEST_F(AccessibilityTest, EveryControlThatMattersSaysWhatItIs) {
  const std::pair<const char*, const char*> names[] = {
      {"List1", "First digit band"},
      {"List2", "Second digit band"},
      {"List3", "Multiplier band"},
      {"List4", "Tolerance band"},
      {"Text1", "Resistance in ohms"},
      {"Command1", "Find the resistance from the bands"},
      {"Command2", "Find the bands for the resistance"},
      {"Command3", "About Stripewise"},
      {"Label27", "Tolerance in ohms"},
      {"Label26", "Tolerance unit"},
      {"Label28", "Resistance in kilo-ohms or mega-ohms"},
      {"Label8", "Resistance unit"},
      {"Label31", "Tolerance in kilo-ohms or mega-ohms"},
      {"Label32", "Tolerance unit in kilo-ohms or mega-ohms"},
      {"Drawing", "Resistor drawing"},
  };
  for (const auto& [control, name] : names)
    EXPECT_EQ(Read(control, QAccessible::Name), name) << control;
}

TEST_F(AccessibilityTest, TheDrawingIsDescribedInWordsAfterEveryRepaint) {
  EXPECT_EQ(Drawing(), "Bands: no band chosen, no band chosen, no band chosen, no band chosen");
  ClickEntry(Child<QListWidget>(Form(), "List1"), 4);
  EXPECT_EQ(Drawing(), "Bands: Yellow, no band chosen, no band chosen, no band chosen");
  ClickEntry(Child<QListWidget>(Form(), "List4"), 5);  // the tolerance band waits for a conversion
  EXPECT_EQ(Drawing(), "Bands: Yellow, no band chosen, no band chosen, no band chosen");
  TypeInto(Form(), "Text1", "4700");
  ClickButton(Form(), "Command2");
  EXPECT_EQ(Drawing(), "Bands: Yellow, Violet, Red, Gold 5%");
  ClickEntry(Child<QListWidget>(Form(), "List3"), 10);
  EXPECT_EQ(Drawing(), "Bands: Yellow, Violet, Gold, Gold 5%");
  ClickEntry(Child<QListWidget>(Form(), "List4"), 0);
  ClickButton(Form(), "Command1");
  EXPECT_EQ(Drawing(), "Bands: Yellow, Violet, Gold, Do not count");
  EXPECT_EQ(Read("Label28", QAccessible::Description), "0.0047");
}

// The focus shows from the start, not only after a Tab: a frame around the
// first entry of the first list, and none in the others.
TEST_F(AccessibilityTest, TheFocusShowsInTheFirstListFromTheStart) {
  const auto framed = [this](const char* name) {
    auto* list = Child<QListWidget>(Form(), name);
    const QImage shot = list->grab().toImage();
    const QRect row = list->visualItemRect(list->item(0)).translated(list->viewport()->pos());
    const QColor ground = list->palette().color(QPalette::Base);
    for (int y = row.top() + 1; y < row.bottom(); ++y) {
      if (shot.pixelColor(row.left(), y) == ground || shot.pixelColor(row.right(), y) == ground) {
        return false;
      }
    }
    return true;
  };
  EXPECT_TRUE(framed("List1"));
  EXPECT_FALSE(framed("List2"));
  EXPECT_FALSE(framed("List3"));
}

// Arrows choose the bands (the first Down the first entry), Tab moves on,
// and Space or Return presses the focused button.
TEST_F(AccessibilityTest, AConversionCanBeDoneWithTheKeyboardAlone) {
  ASSERT_EQ(QApplication::focusWidget(), Child<QWidget>(Form(), "List1"));
  Keys(Qt::Key_Down, 5);  // Black, then on to Yellow
  Keys(Qt::Key_Tab);
  Keys(Qt::Key_Down, 8);  // Violet
  Keys(Qt::Key_Tab);
  Keys(Qt::Key_Down, 3);  // Red
  Keys(Qt::Key_Tab);
  Keys(Qt::Key_Down, 5);  // Gold 5%
  Keys(Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), Child<QWidget>(Form(), "Command1"));
  Keys(Qt::Key_Space);
  EXPECT_EQ(Child<QLineEdit>(Form(), "Text1")->text(), "4700");
  EXPECT_EQ(Child<QLabel>(Form(), "Label27")->text(), "235");

  Keys(Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), Child<QWidget>(Form(), "Text1"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(QApplication::focusWidget(), "0.47");
  Keys(Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), Child<QWidget>(Form(), "Command2"));
  Keys(Qt::Key_Return);
  EXPECT_EQ(Child<QLabel>(Form(), "Label28")->text(), "0.00047");
  EXPECT_EQ(Drawing(), "Bands: Yellow, Violet, Silver, Gold 5%");
}

}  // namespace
}  // namespace stripewise::ui
