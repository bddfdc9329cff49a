// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// The window for every resistor code, driven through its own controls: what
// it paints, what it answers (the command line's very line), and how it is
// reached from the main window.
#include <gtest/gtest.h>
#include <stripewise_ui/band_paint.h>
#include <stripewise_ui/band_roles.h>
#include <stripewise_ui/every_code.h>
#include <stripewise_ui/resistor_drawing.h>
#include <sys/mman.h>
#include <unistd.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <random>

#include "codes_command.h"
#include "ui_test_support.h"

namespace stripewise::ui {
namespace {

using codes::Colour;
using testing::Child;

// What `stripewise ARGS` writes, standard output and error together, less
// the program's name before a refusal and the final newline.
QString CommandLineSays(std::vector<std::string> args) {
  std::vector<char*> argv;
  argv.reserve(args.size());
  for (std::string& arg : args) argv.push_back(arg.data());
  const int in = memfd_create("in", 0), out = memfd_create("out", 0);
  cli::RunCodesCommand(argv, in, out, out);
  std::string said(static_cast<std::size_t>(lseek(out, 0, SEEK_END)), '\0');
  if (pread(out, said.data(), said.size(), 0) < 0) said.clear();
  close(in);
  close(out);
  if (said.starts_with("stripewise: ")) said.erase(0, 12);
  if (said.ends_with('\n')) said.pop_back();
  return QString::fromStdString(said);
}

std::vector<std::string> Names(const std::vector<Colour>& bands) {
  std::vector<std::string> names;
  names.reserve(bands.size());
  for (const Colour colour : bands) names.emplace_back(codes::NameOf(colour));
  return names;
}

class EveryCodeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  }
  QComboBox* List(std::string_view name) { return Child<QComboBox>(window_, name); }
  // Picks an entry of a list with the keyboard, as a user without a mouse.
  void Choose(std::string_view list, const QString& entry) {
    QComboBox* box = List(list);
    const int row = box->findText(entry);
    ASSERT_GE(row, 0) << entry.toStdString();
    box->setFocus();
    while (box->currentIndex() != row) {
      QTest::keyClick(box, box->currentIndex() < row ? Qt::Key_Down : Qt::Key_Up);
    }
  }
  void Type(std::string_view box, const QString& text) {
    QLineEdit* edit = Child<QLineEdit>(window_, box);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }
  QString Line(std::string_view label) { return Child<QLabel>(window_, label)->text(); }

  EveryCodeWindow window_;
};

// Five bands picked in their lists: the line of `stripewise value`, the
// reading from the other end, and "Turn round" swapping the two.
TEST_F(EveryCodeTest, AnswersBandsAsTheCommandLineAndTurnsThemRound) {
  Choose("Bands", "5 bands");
  for (const auto& [list, colour] :
       std::vector<std::pair<const char*, const char*>>{{"Band1", "Brown"},
                                                        {"Band2", "Black"},
                                                        {"Band3", "Black"},
                                                        {"Band4", "Red"},
                                                        {"Band5", "Brown"}}) {
    Choose(list, colour);
  }
  EXPECT_EQ(window_.AnswerLine(),
            CommandLineSays({"value", "brown", "black", "black", "red", "brown"}));
  EXPECT_EQ(Child<QLabel>(window_, "Answer")->accessibleName(), window_.AnswerLine());
  EXPECT_EQ(Line("Markings"), "SMD markings: 103, 1002, 01C");
  EXPECT_TRUE(Line("OtherEnd")
                  .startsWith(QString::fromUtf8(
                      "From the other end: 120 \u03A9 \u00B11 % (brown red black black brown); "
                      "series E12, E24, E192 (this end: series E3,")));
  QTest::mouseClick(Child<QPushButton>(window_, "TurnRound"), Qt::LeftButton);
  EXPECT_EQ(window_.Bands(),
            (std::vector{Colour::Brown, Colour::Red, Colour::Black, Colour::Black, Colour::Brown}));
  EXPECT_EQ(List("Band2")->currentText(), "Red");
}

// A value typed in sets the bands of the chosen count; one the bands cannot
// hold names the nearest that they can, and text that cannot be read is
// marked at the box with the command line's words, in no message box.
TEST_F(EveryCodeTest, CodesTypedValuesAndMarkingsAsTheCommandLine) {
  Choose("Bands", "5 bands");
  Type("Value", "4k7");
  EXPECT_EQ(window_.Bands(), (std::vector{Colour::Yellow, Colour::Violet, Colour::Black,
                                          Colour::Brown, Colour::Brown}));
  EXPECT_EQ(window_.AnswerLine(), CommandLineSays({"bands", "4k7", "--bands", "5"}));
  EXPECT_TRUE(window_.AnswerLine().endsWith("SMD 472, 4701"));
  Choose("Bands", "4 bands");
  Type("Value", "4.75k");
  EXPECT_EQ(window_.AnswerLine(), CommandLineSays({"bands", "4.75k", "--bands", "4"}));
  const QList<QPushButton*> nearest = window_.findChildren<QPushButton*>();
  const auto shown = [&](const QString& text) {
    return std::any_of(nearest.begin(), nearest.end(),
                       [&](QPushButton* b) { return b->isVisible() && b->text() == text; });
  };
  EXPECT_TRUE(shown(QString::fromUtf8("4.7 k\u03A9")) && shown(QString::fromUtf8("4.8 k\u03A9")));
  EXPECT_TRUE(shown(QString::fromUtf8("Nearest in E24: 4.7 k\u03A9")));
  Type("Value", "4x7");
  EXPECT_EQ(Line("ValueProblem"), CommandLineSays({"bands", "4x7"}));
  EXPECT_TRUE(Child<QLabel>(window_, "ValueProblem")->isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  Type("Marking", "01C");
  EXPECT_EQ(window_.AnswerLine(), CommandLineSays({"smd", "01C"}));
  Type("Value", "0");
  EXPECT_EQ(window_.Bands(), std::vector{Colour::Black});
  EXPECT_EQ(List("Bands")->currentText(), "Zero-ohm link");
}

// For every band count, codes set through the window's lists answer with
// the very line of `stripewise value` for the same bands.
TEST_F(EveryCodeTest, EveryCountAnswersAsTheCommandLineOverASampleOfCodes) {
  std::mt19937 random(24);
  for (const QString count : {"3 bands", "4 bands", "5 bands", "6 bands", "Zero-ohm link"}) {
    Choose("Bands", count);
    for (int sample = 0; sample < 12; ++sample) {
      for (std::size_t band = 0; band < window_.Bands().size(); ++band) {
        QComboBox* list = List("Band" + std::to_string(band + 1));
        list->setCurrentIndex(static_cast<int>(random() % static_cast<unsigned>(list->count())));
      }
      ASSERT_EQ(window_.AnswerLine(), CommandLineSays([&] {
                  std::vector<std::string> args = Names(window_.Bands());
                  args.insert(args.begin(), "value");
                  return args;
                }()))
          << count.toStdString();
    }
  }
}

// The keyboard alone: tab order, names a screen reader says, and Ctrl+C
// with nothing selected copying the answer.
TEST_F(EveryCodeTest, WorksFromTheKeyboardWithNamedControls) {
  Choose("Bands", "5 bands");
  Choose("Band4", "Red");  // brown black black red brown reads from both ends
  Choose("Band1", "Brown");
  Choose("Band2", "Black");
  Choose("Band3", "Black");
  List("Bands")->setFocus();
  QStringList order;
  for (int i = 0; i < 10; ++i) {
    QWidget* focus = QApplication::focusWidget();
    // A list is named by its caption, as screen readers on Linux hear it.
    QAccessibleInterface* control = QAccessible::queryAccessibleInterface(focus);
    const auto labels = control->relations(QAccessible::Label);
    order << (labels.isEmpty() ? control : labels.front().first)->text(QAccessible::Name);
    QTest::keyClick(focus, Qt::Key_Tab);
  }
  EXPECT_EQ(order.join(" | ").toStdString(),
            "Bands | Band 1, first digit | Band 2, second digit | Band 3, third digit | "
            "Band 4, multiplier | Band 5, tolerance | Value | SMD marking | Copy | Turn round");
  QApplication::clipboard()->clear();
  Child<QLineEdit>(window_, "Value")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), window_.AnswerLine());
}

// The palette, stated here: each colour as it is painted, metals light at
// the top and dark at the bottom, sampled from a grab of the drawing; and
// every text on a band at least 4.5:1 against it (WCAG 2), read off the
// grab too.
class EveryCodePaintTest : public EveryCodeTest, public ::testing::WithParamInterface<bool> {};

TEST_P(EveryCodePaintTest, PaintsTrueColoursWithReadableTextOnEveryBand) {
  const std::pair<Colour, std::pair<QRgb, QRgb>> kPalette[] = {
      {Colour::Black, {0x000000, 0x000000}},  {Colour::Brown, {0x964B00, 0x964B00}},
      {Colour::Red, {0xFF0000, 0xFF0000}},    {Colour::Orange, {0xFF8C00, 0xFF8C00}},
      {Colour::Yellow, {0xFFFF00, 0xFFFF00}}, {Colour::Green, {0x00A000, 0x00A000}},
      {Colour::Blue, {0x0000FF, 0x0000FF}},   {Colour::Violet, {0x8A2BE2, 0x8A2BE2}},
      {Colour::Grey, {0x808080, 0x808080}},   {Colour::White, {0xFFFFFF, 0xFFFFFF}},
      {Colour::Gold, {0xF6E27A, 0xB8860B}},   {Colour::Silver, {0xF2F2F2, 0xA0A0A0}},
      {Colour::Pink, {0xFFC0CB, 0xFFC0CB}}};
  Choose("Bands", "4 bands");
  auto* drawing = Child<ResistorDrawing>(window_, "Drawing");
  // Under a dark theme the text follows the palette; the bands keep their own.
  QPalette dark = window_.palette();
  dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
  dark.setColor(QPalette::WindowText, QColor(0xE0, 0xE0, 0xE0));
  if (GetParam()) window_.setPalette(dark);
  for (const auto& [colour, paint] : kPalette) {
    window_.PickBand(2, colour);  // the multiplier takes every colour
    const QImage grab = drawing->grab().toImage();
    const double scale = grab.devicePixelRatio();
    const QRectF box = drawing->BandBox(2);
    const QRect band =
        QRectF(box.topLeft() * scale, box.size() * scale).toRect().adjusted(2, 2, -2, -2);
    const auto at = [&](double y) {
      return grab.pixelColor(band.center().x(), int(y)).rgb() & 0xFFFFFF;
    };
    const QString name = ColourName(colour);
    EXPECT_EQ(at(band.top() + band.height() * 0.08), paint.first) << name.toStdString();
    EXPECT_EQ(at(band.bottom() - band.height() * 0.08), paint.second) << name.toStdString();
    // The text: the pixel of the band's middle that differs most from it.
    QColor text = QColor::fromRgb(paint.first);
    for (int y = band.center().y() - int(18 * scale); y < band.center().y() + int(18 * scale);
         ++y) {
      for (int x = band.left(); x <= band.right(); ++x) {
        const QColor pixel = grab.pixelColor(x, y);
        if (ContrastRatio(pixel, QColor::fromRgb(paint.first)) >
            ContrastRatio(text, QColor::fromRgb(paint.first)))
          text = pixel;
      }
    }
    EXPECT_GE(ContrastRatio(text, QColor::fromRgb(paint.first)), 4.5) << name.toStdString();
    EXPECT_GE(ContrastRatio(text, QColor::fromRgb(paint.second)), 4.5) << name.toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(LightAndDark, EveryCodePaintTest, ::testing::Bool());

// What each band says on the drawing, stated for every multiplier and a
// row of each other role: its figure and its IEC 60757 letters.
TEST(BandTexts, SayEachFigureAndLetters) {
  const std::pair<Colour, const char*> kMultipliers[] = {
      {Colour::Black, "\u00D71 BK"},    {Colour::Brown, "\u00D710 BN"},
      {Colour::Red, "\u00D7100 RD"},    {Colour::Orange, "\u00D71k OG"},
      {Colour::Yellow, "\u00D710k YE"}, {Colour::Green, "\u00D7100k GN"},
      {Colour::Blue, "\u00D71M BU"},    {Colour::Violet, "\u00D710M VT"},
      {Colour::Grey, "\u00D7100M GY"},  {Colour::White, "\u00D71G WH"},
      {Colour::Gold, "\u00D70.1 GD"},   {Colour::Silver, "\u00D70.01 SR"},
      {Colour::Pink, "\u00D70.001 PK"}};
  const auto says = [](BandRole role, Colour colour) {
    return (MeaningOf(role, colour) + ' ' + LetterCode(colour)).toStdString();
  };
  for (const auto& [colour, text] : kMultipliers)
    EXPECT_EQ(says(BandRole::Multiplier, colour), text);
  EXPECT_EQ(says(BandRole::Digit, Colour::Violet), "7 VT");
  EXPECT_EQ(says(BandRole::Tolerance, Colour::Orange), "0.05 % OG");
  EXPECT_EQ(says(BandRole::Tolerance, Colour::Silver), "10 % SR");
  EXPECT_EQ(says(BandRole::Tempco, Colour::Red), "50 ppm RD");
  EXPECT_EQ(says(BandRole::ZeroOhm, Colour::Black), "0 \u03A9 BK");
}

// "Resistor" in the main window is a link to the window, as is Ctrl+E; a
// second press brings the same window forward, as it stands.
TEST(EveryCodeLink, OpensTheWindowFromTheMainWindowAndBringsItForward) {
  const auto program = testing::StartedProgram();
  QWidget& main = program->MainWindow();
  auto* link = Child<QLabel>(main, "Label33");
  EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(link)->role(), QAccessible::Link);
  EXPECT_EQ(link->toolTip(), "Every resistor code: 3 to 6 bands, SMD markings, standard values");
  EXPECT_NE(main.accessibleDescription().indexOf("Ctrl+E"), -1);
  QTest::mouseClick(link, Qt::LeftButton);
  EveryCodeWindow* window = program->EveryCode();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Every resistor code \u2014 Stripewise"));
  window->PickBand(0, Colour::Red);
  main.activateWindow();
  QTest::keyClick(&main, Qt::Key_E, Qt::ControlModifier);
  EXPECT_EQ(program->EveryCode(), window);
  EXPECT_EQ(window->Bands().front(), Colour::Red);
  main.close();
  QApplication::processEvents();
  EXPECT_EQ(program->EveryCode(), nullptr);
}

}  // namespace
}  // namespace stripewise::ui
