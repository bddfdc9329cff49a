// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// Both windows as the user sees them: every figure here is written out in
// pixels (15 twips a pixel) and colours, and checked on the widgets and on a
// grab of what they paint. None is read from the layout
// tables, so a wrong entry there fails here.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <cmath>
#include <map>

#include "ui_test_support.h"

namespace stripewise::ui {
namespace {

using testing::Child;

class LayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = testing::StartedProgram();
    program_->ShowAbout();
    QApplication::processEvents();
  }
  void TearDown() override { About().close(); }
  QWidget& Main() { return program_->MainWindow(); }
  QWidget& About() { return *program_->AboutWindow(); }
  QWidget& Window(char which) { return which == '1' ? Main() : About(); }
  std::unique_ptr<Program> program_;
};

// What a window shows, one sample for each logical pixel at any scale.
QImage Shot(QWidget& window) {
  const QImage image = window.grab().toImage();
  return image.scaled(window.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// The main window after 4700 ohm with "Gold 5%": Yellow, Violet, Red, Gold.
QImage ConvertedMainWindow(Program& program) {
  Form1Record& form = program.MainWindow().Record();
  form.SetListIndex(ListId::List4, 5);
  form.SetListIndex(ListId::List1, 4);
  form.SetListIndex(ListId::List2, 7);
  form.SetListIndex(ListId::List3, 2);
  testing::ClickButton(program.MainWindow(), "Command1");
  return Shot(program.MainWindow());
}

bool Holds(const QImage& image, const QRect& box, QColor colour) {
  for (int y = box.top(); y <= box.bottom(); ++y) {
    for (int x = box.left(); x <= box.right(); ++x) {
      if (image.pixelColor(x, y) == colour) return true;
    }
  }
  return false;
}

int Lightest(const QImage& image, const QRect& box) {
  int lightest = 0;
  for (int y = box.top(); y <= box.bottom(); ++y) {
    for (int x = box.left(); x <= box.right(); ++x) {
      lightest = std::max(lightest, image.pixelColor(x, y).lightness());
    }
  }
  return lightest;
}

// The rows of a column, from `top` to `bottom`, that a line darkens.
std::vector<int> DarkRows(const QImage& image, int x, int top, int bottom) {
  std::vector<int> rows;
  for (int y = top; y <= bottom; ++y) {
    if (image.pixelColor(x, y).lightness() < 60) rows.push_back(y);
  }
  return rows;
}

TEST_F(LayoutTest, EveryControlOfBothWindowsHasItsPixelBox) {
  const struct {
    const char* name;  // the window's number, then the control's name
    int x, y, width, height;
  } boxes[] = {
      // clang-format off
    {"1Label6", 79, 17, 377, 17}, {"1Label2", 41, 48, 57, 17}, {"1Label3", 113, 48, 73, 17},
    {"1Label4", 193, 48, 57, 17}, {"1Label5", 273, 48, 57, 17}, {"1List1", 42, 72, 65, 164},
    {"1List2", 114, 72, 65, 164}, {"1List3", 186, 72, 65, 196}, {"1List4", 258, 72, 96, 132},
    {"1Label9", 9, 72, 25, 17}, {"1Label10", 9, 88, 25, 17}, {"1Label11", 9, 104, 25, 17},
    {"1Label12", 9, 120, 25, 17}, {"1Label13", 9, 136, 25, 17}, {"1Label14", 9, 152, 25, 17},
    {"1Label15", 9, 168, 25, 17}, {"1Label16", 9, 184, 25, 17}, {"1Label17", 9, 200, 25, 17},
    {"1Label18", 9, 216, 25, 17}, {"1Label24", 9, 232, 25, 17}, {"1Label25", 9, 248, 25, 17},
    {"1Label33", 416, 65, 81, 25}, {"1Shape1", 385, 153, 25, 49}, {"1Shape6", 481, 153, 25, 49},
    {"1Shape2", 401, 153, 17, 49}, {"1Shape3", 417, 153, 17, 49}, {"1Shape4", 432, 153, 17, 49},
    {"1Shape5", 481, 152, 9, 49}, {"1Label20", 361, 241, 57, 17}, {"1Label21", 385, 112, 73, 17},
    {"1Label22", 433, 241, 57, 17}, {"1Label23", 473, 105, 65, 17}, {"1Shape7", 89, 297, 344, 41},
    {"1Command1", 99, 305, 129, 25}, {"1Command2", 234, 305, 129, 25}, {"1Command3", 369, 305, 57, 25},
    {"1Shape8", 8, 345, 521, 81}, {"1Text1", 33, 352, 121, 26}, {"1Label7", 161, 361, 73, 17},
    {"1Label27", 253, 361, 119, 17}, {"1Label26", 384, 361, 121, 17}, {"1Label29", 16, 393, 17, 17},
    {"1Label28", 48, 393, 73, 17}, {"1Label8", 129, 393, 81, 17}, {"1Label30", 216, 393, 41, 17},
    {"1Label31", 264, 393, 97, 17}, {"1Label32", 376, 393, 145, 17}, {"2Label5", 21, 16, 360, 25},
    {"2Label2", 21, 56, 361, 49}, {"2Image1", 8, 112, 105, 137}, {"2Label19", 120, 112, 256, 73},
    {"2Label1", 117, 210, 265, 25}, {"2Label7", 13, 258, 369, 41},
      // clang-format on
  };
  EXPECT_EQ(Main().size(), QSize(535, 434));
  EXPECT_EQ(About().size(), QSize(389, 309));
  for (const auto& box : boxes) {
    EXPECT_EQ(Child<QWidget>(Window(box.name[0]), box.name + 1)->geometry(),
              QRect(box.x, box.y, box.width, box.height))
        << "Form" << box.name;
  }
}

TEST_F(LayoutTest, EveryCaptionHasItsFaceSizeWeightAndAlignment) {
  const struct {
    char window;
    const char* name;
    int pixels;
    bool bold, underline;
    Qt::Alignment align;
  } labels[] = {
      {'1', "Label6", 15, true, false, Qt::AlignLeft},
      {'1', "Label9", 12, false, false, Qt::AlignHCenter},
      {'1', "Label25", 12, false, false, Qt::AlignHCenter},
      {'1', "Label33", 19, false, true, Qt::AlignLeft},
      {'1', "Label23", 11, false, false, Qt::AlignLeft},
      {'1', "Label7", 13, false, false, Qt::AlignHCenter},
      {'1', "Label27", 15, false, false, Qt::AlignHCenter},
      {'1', "Label29", 19, false, false, Qt::AlignRight},
      {'1', "Label28", 15, false, false, Qt::AlignRight},
      {'1', "Label8", 13, false, false, Qt::AlignHCenter},
      {'1', "Label30", 15, false, false, Qt::AlignLeft},
      {'1', "Label31", 15, false, false, Qt::AlignHCenter},
      {'1', "Label32", 13, false, false, Qt::AlignLeft},
      {'2', "Label5", 15, true, true, Qt::AlignHCenter},
      {'2', "Label2", 13, false, false, Qt::AlignLeft},
      {'2', "Label1", 13, true, false, Qt::AlignLeft},
      {'2', "Label7", 15, true, false, Qt::AlignHCenter},
  };
  for (const auto& l : labels) {
    const QLabel* label = Child<QLabel>(Window(l.window), l.name);
    const QFont font = label->font();
    const std::string where = std::string("Form") + l.window + " " + l.name;
    EXPECT_EQ(font.family(), "Verdana") << where;
    EXPECT_EQ(font.pixelSize(), l.pixels) << where;
    EXPECT_EQ(font.bold(), l.bold) << where;
    EXPECT_EQ(font.underline(), l.underline) << where;
    EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, l.align) << where;
  }
  for (const char* control : {"List1", "List4", "Command1", "Command3"}) {
    EXPECT_EQ(Child<QWidget>(Main(), control)->font().pixelSize(), 13) << control;
  }
  EXPECT_EQ(Child<QWidget>(Main(), "Text1")->font().pixelSize(), 15);
}

// A caption that fits its one-line box in Verdana stays on one line in the
// face that stands in for it.
TEST_F(LayoutTest, OneLineCaptionsFitTheirBoxes) {
  for (QLabel* label : Main().findChildren<QLabel*>()) {
    if (label->height() > 20 || label->objectName() == "Label23") continue;  // runs off the edge
    EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width())
        << label->objectName().toStdString();
  }
}

// Colours sampled where the window shows them: band and swatch colours, text
// colours, outlines, and the window's colour just outside a box.
TEST_F(LayoutTest, BandsSwatchesTextsAndFramesShowTheirColours) {
  const QImage shot = ConvertedMainWindow(*program_);
  const QColor face = Main().palette().color(QPalette::Window);
  const QRgb swatches[] = {0x000000, 0x808080, 0xFF0000, 0xFFE0C0, 0xFFFF00, 0x00FF00,
                           0x8080FF, 0x0000C0, 0xE0E0E0, 0xFFFFFF, 0xFFFFC0, 0xC0FFC0};
  for (int position = 0; position < 12; ++position) {
    const int top = 72 + 16 * position;
    EXPECT_EQ(shot.pixelColor(10, top + 1), QColor(swatches[position])) << position;
    EXPECT_EQ(shot.pixelColor(34, top + 8), face) << "right of swatch " << position;
  }
  EXPECT_GT(Lightest(shot, QRect(9, 72, 25, 16)), 200) << "digit 0 is white";
  EXPECT_GT(Lightest(shot, QRect(9, 184, 25, 16)), 200) << "digit 7 is white";
  EXPECT_LT(Lightest(shot, QRect(9, 88, 25, 16)), 140) << "digit 1 in the standard text colour";
  // The bands, each above the cap it overlaps, with black outlines.
  EXPECT_EQ(shot.pixelColor(405, 177), QColor(0xFFFF00)) << "first band over the left cap";
  EXPECT_EQ(shot.pixelColor(425, 177), QColor(0x0000C0));
  EXPECT_EQ(shot.pixelColor(440, 177), QColor(0xFF0000));
  EXPECT_EQ(shot.pixelColor(485, 177), QColor(0xFFFFC0)) << "tolerance band over the right cap";
  EXPECT_EQ(shot.pixelColor(401, 177), QColor(Qt::black));
  EXPECT_EQ(shot.pixelColor(401, 153), QColor(Qt::black)) << "a rectangle has corners";
  EXPECT_EQ(shot.pixelColor(385, 153), face) << "an oval has none";
  EXPECT_EQ(shot.pixelColor(505, 153), face);
  // The light-yellow and yellow frames, one pixel wide and rounded.
  EXPECT_EQ(shot.pixelColor(261, 297), QColor(0xFFFF80));
  EXPECT_EQ(shot.pixelColor(261, 298), face);
  EXPECT_EQ(shot.pixelColor(268, 345), QColor(0xFFFF00));
  EXPECT_EQ(shot.pixelColor(268, 344), face);
  EXPECT_NE(shot.pixelColor(8, 345), QColor(0xFFFF00));
  // Blue results, dark-blue entries, and the selection on "Gold 5%".
  for (const QRect& box : {QRect(33, 352, 121, 26), QRect(253, 361, 119, 17),
                           QRect(48, 393, 73, 17), QRect(264, 393, 97, 17)}) {
    EXPECT_TRUE(Holds(shot, box, QColor(0x0000FF))) << box.x() << "," << box.y();
  }
  EXPECT_TRUE(Holds(shot, QRect(44, 74, 61, 16), QColor(0x0000C0))) << "Black in List1";
  EXPECT_TRUE(Holds(shot, QRect(188, 250, 61, 16), QColor(0x0000C0))) << "Silver in List3";
  const QColor highlight =
      Child<QListWidget>(Main(), "List4")->palette().color(QPalette::Highlight);
  EXPECT_EQ(shot.pixelColor(261, 74 + 5 * 16 + 1), highlight);
  EXPECT_TRUE(Holds(shot, QRect(416, 65, 81, 25), QColor(0x8080FF))) << "Resistor";
}

// Lines at their places and in their widths.
TEST_F(LayoutTest, LinesLieAtTheirPlacesInTheirWidths) {
  const QImage shot = Shot(Main());
  EXPECT_EQ(DarkRows(shot, 260, 30, 55), (std::vector<int>{40, 41})) << "Line1";
  EXPECT_EQ(DarkRows(shot, 300, 270, 292), (std::vector<int>{280, 281})) << "Line10";
  EXPECT_EQ(DarkRows(shot, 370, 170, 185), (std::vector<int>{176, 177, 178})) << "Line4";
  EXPECT_EQ(DarkRows(shot, 520, 170, 185), (std::vector<int>{176, 177, 178})) << "Line5";
  EXPECT_EQ(DarkRows(shot, 460, 140, 215), (std::vector<int>{153, 201})) << "Line2, Line3";
}

TEST_F(LayoutTest, TheAboutWindowShowsItsTextsAndThePictureScaledToItsBox) {
  const QImage shot = Shot(About());
  EXPECT_EQ(shot.pixelColor(1, 1), QColor(Qt::white));
  EXPECT_EQ(shot.pixelColor(22, 17), QColor(Qt::white)) << "label ground";
  EXPECT_TRUE(Holds(shot, QRect(13, 258, 369, 41), QColor(0xFF0000))) << "red credits";
  // The picture fills its box, scaled smoothly, in the screen's own pixels.
  const int scale = qRound(About().devicePixelRatioF());
  QImageReader reader(":/stripewise/about.jpg", "jpeg");
  const QImage picture = reader.read().scaled(105 * scale, 137 * scale, Qt::IgnoreAspectRatio,
                                              Qt::SmoothTransformation);
  const QImage drawn =
      About().grab().toImage().copy(8 * scale, 112 * scale, 105 * scale, 137 * scale);
  EXPECT_EQ(drawn.convertToFormat(QImage::Format_RGB32),
            picture.convertToFormat(QImage::Format_RGB32));
}

// WCAG's contrast ratio of two colours.
double Contrast(QColor a, QColor b) {
  const auto luminance = [](QColor c) {
    const auto linear = [](double v) {
      return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of a text with the ground right behind it: its most common
// colour against the pixel that stands out most from it.
double TextContrast(const QImage& image, const QRect& box) {
  std::map<QRgb, int> counts;
  for (int y = box.top(); y <= box.bottom(); ++y) {
    for (int x = box.left(); x <= box.right(); ++x) ++counts[image.pixel(x, y)];
  }
  const QColor ground(std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                        return a.second < b.second;
                      })->first);
  double best = 1;
  for (const auto& [rgb, n] : counts) best = std::max(best, Contrast(ground, QColor(rgb)));
  return best;
}

// Every text whose colours are half fixed by the program and half the
// platform's stays readable, under a light and under a dark theme.
TEST(Contrast, TextsWithOneFixedColourStayReadableUnderLightAndDarkThemes) {
  const QPalette light = QApplication::palette();
  QPalette dark = light;
  for (auto [role, colour] : {std::pair{QPalette::Window, 0x353535},
                              {QPalette::WindowText, 0xEEEEEE},
                              {QPalette::Base, 0x2A2A2A},
                              {QPalette::Text, 0xEEEEEE},
                              {QPalette::Button, 0x353535},
                              {QPalette::ButtonText, 0xEEEEEE}}) {
    dark.setColor(role, QColor(QRgb(colour)));
  }
  for (const bool is_dark : {false, true}) {
    QApplication::setPalette(is_dark ? dark : light);
    auto program = testing::StartedProgram();
    program->ShowAbout();
    const QImage main = ConvertedMainWindow(*program);
    testing::TypeInto(program->MainWindow(), "Text1", "4700");
    const QImage typed = Shot(program->MainWindow());
    const QImage about = Shot(*program->AboutWindow());
    const struct {
      const QImage& shot;
      QRect box;
    } texts[] = {
        {main, {9, 89, 25, 15}},      {main, {9, 105, 25, 15}},   {main, {9, 121, 25, 15}},
        {main, {9, 137, 25, 15}},     {main, {9, 153, 25, 15}},   {main, {9, 169, 25, 15}},
        {main, {9, 201, 25, 15}},     {main, {9, 217, 25, 15}},   {main, {9, 233, 25, 15}},
        {main, {9, 249, 25, 15}},     {main, {44, 122, 61, 16}},  {main, {116, 122, 61, 16}},
        {main, {188, 122, 61, 16}},   {main, {260, 122, 92, 16}}, {typed, {35, 354, 117, 22}},
        {main, {253, 361, 119, 16}},  {main, {48, 393, 73, 16}},  {main, {264, 393, 97, 16}},
        {about, {21, 16, 360, 25}},   {about, {21, 56, 361, 49}}, {about, {120, 112, 256, 73}},
        {about, {117, 210, 265, 25}},
    };
    for (const auto& text : texts) {
      EXPECT_GE(TextContrast(text.shot, text.box), 4.5)
          << (is_dark ? "dark " : "light ") << text.box.x() << "," << text.box.y();
    }
    program->AboutWindow()->close();
  }
  QApplication::setPalette(light);
}

// Centred by the outer frame on the free area of the screen; a window larger
// than that area starts at its top-left corner on that side, never off it.
TEST_F(LayoutTest, BothWindowsOpenCentredOnTheScreenAndTheAboutWindowAgainAfterAMove) {
  const QRect area = Main().screen()->availableGeometry();
  const auto expect_placed = [&](const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const std::string name = window.objectName().toStdString();
    if (frame.width() >= area.width()) {
      EXPECT_EQ(frame.left(), area.left()) << name;
    } else {
      EXPECT_LE(std::abs(frame.center().x() - area.center().x()), 1) << name;
    }
    if (frame.height() >= area.height()) {
      EXPECT_EQ(frame.top(), area.top()) << name;
    } else {
      EXPECT_LE(std::abs(frame.center().y() - area.center().y()), 1) << name;
    }
  };
  expect_placed(Main());
  for (int opening = 0; opening < 2; ++opening) {
    expect_placed(About());
    About().move(About().pos() + QPoint(40, 30));
    About().close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    program_->ShowAbout();
    QApplication::processEvents();
  }
}

}  // namespace
}  // namespace stripewise::ui
