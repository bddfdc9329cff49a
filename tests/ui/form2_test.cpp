// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include <gtest/gtest.h>
#include <stripewise_ui/form2.h>
#include <stripewise_ui/look.h>

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "ui_test_support.h"

namespace stripewise::ui {
namespace {

using testing::Child;
using testing::ClickButton;
using testing::ClickEntry;
using testing::TypeInto;

class Form2Test : public ::testing::Test {
 protected:
  void SetUp() override { program_ = testing::StartedProgram(); }
  void TearDown() override {
    if (program_->AboutWindow() != nullptr) program_->AboutWindow()->close();
  }
  QWidget& MainWindow() { return program_->MainWindow(); }
  Form2* OpenAbout() {
    ClickButton(MainWindow(), "Command3");
    QApplication::processEvents();
    return program_->AboutWindow();
  }
  static int AboutWindows() {
    int open = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
      open += qobject_cast<Form2*>(window) && window->isVisible();
    return open;
  }
  std::unique_ptr<Program> program_;
};

TEST_F(Form2Test, AboutOpensOneModelessWindowHoweverOftenItIsPressed) {
  Form2* about = OpenAbout();
  ASSERT_NE(about, nullptr);
  for (int press = 0; press < 4; ++press) EXPECT_EQ(OpenAbout(), about);
  EXPECT_EQ(AboutWindows(), 1);
  EXPECT_TRUE(about->isVisible());
  EXPECT_EQ(about->parentWidget(), nullptr);
  EXPECT_FALSE(about->isModal());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(about->windowTitle(), "About");
}

TEST_F(Form2Test, ShowsItsCaptionsWithEveryBlankKept) {
  Form2* about = OpenAbout();
  EXPECT_EQ(Child<QLabel>(*about, "Label5")->text(), "Stripewise v2.0");
  EXPECT_EQ(Child<QLabel>(*about, "Label1")->text(), "B B ROY Goes Bombay Via Gate Way");
  EXPECT_EQ(Child<QLabel>(*about, "Label19")->text(),
            "NOTE   :  Following sentence helps to remember color names. Each capital letter of "
            "this sentence  corresponds to the first letter of each color.");
  const QString range = Child<QLabel>(*about, "Label2")->text();
  EXPECT_TRUE(range.contains("0.01 ohm") && range.contains("99000000000 ohm"))
      << range.toStdString();
  auto* credits = Child<QLabel>(*about, "Label7");
  EXPECT_EQ(credits->palette().color(QPalette::WindowText), QColor(Qt::red));
  EXPECT_LE(QFontMetrics(credits->font()).horizontalAdvance(credits->text()), credits->width());
  EXPECT_EQ(about->size(), QSize(389, 309));
  EXPECT_EQ(Child<QWidget>(*about, "Image1")->geometry(), QRect(8, 112, 105, 137));
  for (QLabel* label : about->findChildren<QLabel*>()) {
    if (label->objectName() != "Image1") {
      EXPECT_EQ(label->palette().color(QPalette::Window), QColor(Qt::white));
    }
    EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
  }
}

TEST_F(Form2Test, ClosingReleasesTheWindowAndTheNextIsFreshAndCentred) {
  QPointer<Form2> first = OpenAbout();
  const QPoint centred = first->pos();
  first->move(centred + QPoint(40, 30));
  Child<QLabel>(*first, "Label1")->setText("changed");
  first->close();
  QTest::qWait(0);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(first.isNull());
  EXPECT_EQ(program_->AboutWindow(), nullptr);
  Form2* second = OpenAbout();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->pos(), centred);
  EXPECT_EQ(Child<QLabel>(*second, "Label1")->text(), "B B ROY Goes Bombay Via Gate Way");
}

TEST_F(Form2Test, BothConversionsWorkWithTheAboutWindowOpenAndLeaveItUnchanged) {
  Form2* about = OpenAbout();
  const QImage before = about->grab().toImage();
  ClickEntry(Child<QListWidget>(MainWindow(), "List1"), 4);
  ClickEntry(Child<QListWidget>(MainWindow(), "List2"), 7);
  ClickEntry(Child<QListWidget>(MainWindow(), "List3"), 2);
  ClickButton(MainWindow(), "Command1");
  EXPECT_EQ(Child<QLineEdit>(MainWindow(), "Text1")->text(), "4700");
  Child<QLineEdit>(MainWindow(), "Text1")->clear();
  TypeInto(MainWindow(), "Text1", "0.47");
  ClickButton(MainWindow(), "Command2");
  EXPECT_EQ(Child<QLabel>(MainWindow(), "Label28")->text(), "0.00047");
  EXPECT_EQ(program_->AboutWindow(), about);
  EXPECT_EQ(about->grab().toImage(), before);
}

TEST_F(Form2Test, ClosingTheMainWindowClosesBothAndEndsTheProgram) {
  QPointer<Form2> about = OpenAbout();
  QApplication::setQuitOnLastWindowClosed(true);
  QTimer::singleShot(0, &MainWindow(), [this] { MainWindow().close(); });
  QTimer::singleShot(10000, [] { QCoreApplication::exit(99); });  // the program did not end
  EXPECT_EQ(QApplication::exec(), 0);
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(about.isNull());
  EXPECT_EQ(AboutWindows(), 0);
}

// A window of its own, not a tool window tied to the main one, with only a
// close box and no icon, while the main window keeps the bulb.
TEST_F(Form2Test, IsAFixedWindowOfItsOwnWithOnlyACloseBoxAndNoIcon) {
  Form2* about = OpenAbout();
  const Qt::WindowFlags flags = about->windowFlags();
  EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Window);
  EXPECT_TRUE(about->windowIcon().isNull());
  EXPECT_FALSE(MainWindow().windowIcon().isNull());
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(about->minimumSize(), about->maximumSize());
}

// A JPEG is progressive when its frame header is SOF2.
TEST(Artwork, ThePictureIsA142By192ProgressiveJpeg) {
  EnsureResources();
  QFile file(":/stripewise/about.jpg");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_TRUE(bytes.contains(QByteArray("\xFF\xC2", 2)));
  EXPECT_FALSE(bytes.contains(QByteArray("\xFF\xC0", 2)));
  QBuffer buffer(const_cast<QByteArray*>(&bytes));
  QImageReader reader(&buffer, "jpeg");
  EXPECT_EQ(reader.size(), QSize(142, 192));
  EXPECT_FALSE(reader.read().isGrayscale());
}

TEST(Artwork, TheIconIsABulbIn16And32PixelsOfAtMost16Colours) {
  EnsureResources();
  for (int size : {16, 32}) {
    const QImage icon(QString(":/stripewise/bulb-%1.png").arg(size));
    ASSERT_EQ(icon.size(), QSize(size, size));
    QSet<QRgb> colours;
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        if (qAlpha(icon.pixel(x, y)) != 0) colours.insert(icon.pixel(x, y));
      }
    }
    EXPECT_LE(colours.size(), 16) << size;
    EXPECT_TRUE(colours.contains(qRgb(255, 255, 0))) << "a lit, yellow bulb";
  }
}

}  // namespace
}  // namespace stripewise::ui
