// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// What a screen reader learns through Qt's accessibility interface: the
// names it reads and the events Qt sends it, with Qt's AT-SPI bridge switched
// on (run on an X server with an accessibility bus). A conversion done with
// the keyboard alone is heard through Orca in tests/app.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <algorithm>
#include <vector>

#include "ui_test_support.h"

namespace stripewise::ui {
namespace {

using testing::Child;
using testing::ClickButton;
using testing::ClickEntry;
using testing::TypeInto;

// An event Qt sends a screen reader: what happened, to which control (and
// which of its entries), and what the control is called.
struct Heard {
  QAccessible::Event type;
  QString control;
  int child;
  QString name;
  QAccessible::Role role;
};

std::vector<Heard>& Log() {
  static std::vector<Heard> log;
  return log;
}

void Hear(QAccessibleEvent* event) {
  QAccessibleInterface* face = event->accessibleInterface();
  Log().push_back({event->type(), event->object()->objectName(), event->child(),
                   face ? face->text(QAccessible::Name) : QString(),
                   face ? face->role() : QAccessible::NoRole});
}

class AccessibilityTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = testing::StartedProgram();
    ASSERT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }, 5000));
    QAccessible::installUpdateHandler(Hear);
    Log().clear();
  }
  void TearDown() override { QAccessible::installUpdateHandler(nullptr); }
  // The texts announced since the last call.
  QStringList Announced() {
    QStringList said;
    for (const Heard& heard : Log()) {
      if (heard.type == QAccessible::ObjectShow && heard.role == QAccessible::Notification) {
        said << heard.name;
      }
    }
    Log().clear();
    return said;
  }
  QWidget& Form() { return program_->MainWindow(); }
  QString Read(std::string_view name, QAccessible::Text what) {
    QAccessibleInterface* face =
        QAccessible::queryAccessibleInterface(Child<QWidget>(Form(), name));
    return face == nullptr ? QString("<none>") : face->text(what);
  }
  QString Drawing() { return Read("Drawing", QAccessible::Description); }
  std::unique_ptr<Program> program_;
};

// Names as they are seen; the legend says colours, and the shapes, lines
// and captions that only repeat what a named control says are passed over.
TEST_F(AccessibilityTest, EveryControlSaysWhatItIsOrIsPassedOver) {
  const std::pair<const char*, const char*> names[] = {
      {"List1", "First digit band"},    {"List4", "Tolerance band"},
      {"Text1", "Resistance in ohms"},  {"Command1", "Color Code Value"},
      {"Command2", "Color Code Name"},  {"Command3", "About"},
      {"Label9", "0, Black"},           {"Label16", "7, Violet"},
      {"Label25", "-2, Silver"},        {"Drawing", "Resistor drawing"},
      {"Label27", "Tolerance in ohms"},
  };
  for (const auto& [control, name] : names) {
    EXPECT_EQ(Read(control, QAccessible::Name), name) << control;
  }
  EXPECT_EQ(Read("Command1", QAccessible::Description),
            "To find the numerical value of selected color codes.");
  for (const char* control : {"Shape2", "Line4", "Label8", "Label26", "Label29", "Label20"}) {
    QAccessibleInterface* face =
        QAccessible::queryAccessibleInterface(Child<QWidget>(Form(), control));
    EXPECT_TRUE(face->state().invisible && face->text(QAccessible::Name).isEmpty()) << control;
  }
  program_->ShowAbout();
  QAccessibleInterface* about = QAccessible::queryAccessibleInterface(program_->AboutWindow());
  EXPECT_EQ(about->role(), QAccessible::Dialog);
  EXPECT_EQ(
      QAccessible::queryAccessibleInterface(Child<QWidget>(*program_->AboutWindow(), "Image1"))
          ->text(QAccessible::Name),
      "Picture of a resistor banded yellow, violet, red and gold");
  program_->AboutWindow()->close();
}

// A completed conversion is said once, its figures in words; a refusal is
// not, since its message box is; the result labels take their figures.
TEST_F(AccessibilityTest, EveryConversionThatCompletesIsAnnouncedOnce) {
  ClickEntry(Child<QListWidget>(Form(), "List1"), 1);  // Brown, Black, Silver, Silver 10%
  ClickEntry(Child<QListWidget>(Form(), "List2"), 0);
  ClickEntry(Child<QListWidget>(Form(), "List3"), 11);
  ClickEntry(Child<QListWidget>(Form(), "List4"), 6);
  ClickButton(Form(), "Command1");
  EXPECT_EQ(Announced(), QStringList{"0.1 ohms, plus or minus 0.01 ohms; 0.0001 kilo-ohms, plus "
                                     "or minus 0.00001 kilo-ohms"});
  EXPECT_EQ(Read("Label31", QAccessible::Name), "Tolerance: 0.00001 kilo-ohms");
  Child<QLineEdit>(Form(), "Text1")->clear();
  TypeInto(Form(), "Text1", "1000000");
  ClickButton(Form(), "Command2");
  EXPECT_EQ(Announced(), QStringList{"Brown, Black, Green, Silver 10%: 1000000 ohms, plus or "
                                     "minus 100000 ohms; 1 mega-ohm, plus or minus 0.1 mega-ohms"});
  EXPECT_EQ(Read("Label27", QAccessible::Name), "Tolerance: 100000 ohms");
  EXPECT_EQ(Read("Label28", QAccessible::Name), "Resistance: 1 mega-ohm");
  Child<QLineEdit>(Form(), "Text1")->clear();
  TypeInto(Form(), "Text1", "1.234");
  const auto boxes = testing::AnswerBoxes([this] { ClickButton(Form(), "Command2"); });
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(Announced().isEmpty());
}

// A key the user presses in a list is said, the first Down in an empty list
// as every later one; rows the program selects move no screen reader into a
// list.
TEST_F(AccessibilityTest, OnlyTheListTheUserIsInReportsItsFocus) {
  QTest::keyClick(Child<QListWidget>(Form(), "List1"), Qt::Key_Down);  // Black
  TypeInto(Form(), "Text1", "4700");
  ClickButton(Form(), "Command2");  // Yellow, Violet, Red
  Child<QListWidget>(Form(), "List4")->setFocus(Qt::MouseFocusReason);
  QTest::keyClick(Child<QListWidget>(Form(), "List4"), Qt::Key_Down);  // Brown 1%
  QStringList said;
  for (const Heard& heard : Log()) {
    if (heard.type == QAccessible::Focus && heard.child >= 0) {
      said << heard.control + ":" + QString::number(heard.child);
    }
  }
  EXPECT_EQ(said, (QStringList{"List1:0", "List4:1"}));
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

}  // namespace
}  // namespace stripewise::ui
