// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_ui/every_code.h"

#include <stripewise_codes/written.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "stripewise_ui/accessibility.h"
#include "stripewise_ui/band_paint.h"
#include "stripewise_ui/band_roles.h"
#include "stripewise_ui/look.h"
#include "stripewise_ui/resistor_drawing.h"

namespace stripewise::ui {
namespace {

using codes::Colour;

// The rows of the form that show only when they have something to say.
constexpr int kValueProblemRow = 1;
constexpr int kNearestRow = 2;
constexpr int kMarkingProblemRow = 4;

// The band counts offered, in the order of the list.
constexpr std::array<std::size_t, 5> kCounts = {3, 4, 5, 6, 1};

// What each count starts with when the bands shown cannot be coded on it.
std::vector<Colour> FirstBands(std::size_t count) {
  using enum Colour;
  switch (count) {
    case 3:
      return {Brown, Black, Red};
    case 4:
      return {Brown, Black, Red, Gold};
    case 5:
      return {Brown, Black, Black, Brown, Brown};
    case 6:
      return {Brown, Black, Black, Brown, Brown, Brown};
    default:
      return {Black};
  }
}

// A swatch of a band's paint, for the lists and the palette.
QIcon PaintSwatch(Colour colour) {
  QPixmap swatch(32, 32);
  swatch.fill(Qt::transparent);
  QPainter painter(&swatch);
  const BandPaint paint = PaintOf(colour);
  QLinearGradient sheen(0, 0, 0, 32);
  sheen.setColorAt(0, paint.light);
  sheen.setColorAt(1, paint.dark);
  painter.setPen(QColor(0x60, 0x60, 0x60));
  painter.setBrush(sheen);
  painter.drawRect(QRect(2, 2, 27, 27));
  return QIcon(swatch);
}

// Each colour's swatch, painted once.
const QIcon& Swatch(Colour colour) {
  static std::array<QIcon, 13> swatches;
  QIcon& swatch = swatches[static_cast<std::size_t>(colour)];
  if (swatch.isNull()) swatch = PaintSwatch(colour);
  return swatch;
}

// "E3, E6, E12" or "no series".
QString SeriesNames(const std::vector<codes::Series>& series) {
  QStringList names;
  for (const codes::Series one : series) names << Text(codes::NameOf(one));
  return names.isEmpty() ? QString("no series") : "series " + names.join(", ");
}

// Ctrl+C in a text box without a selection copies the answer instead.
class CopyWithoutSelection : public QObject {
 public:
  CopyWithoutSelection(QObject* parent, std::function<void()> copy)
      : QObject(parent), copy_(std::move(copy)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box != nullptr && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) && !box->hasSelectedText()) {
      copy_();
      return true;
    }
    return false;
  }

 private:
  std::function<void()> copy_;
};

}  // namespace

EveryCodeWindow::EveryCodeWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  InstallAccessibility();
  setObjectName("EveryCode");
  setWindowTitle(QString::fromUtf8("Every resistor code \u2014 Stripewise"));
  announcer_ = new Announcer(this);
  BuildControls();
  SetTabOrder();
  ConnectUserActions();
  ShowBands({Colour::Yellow, Colour::Violet, Colour::Red, Colour::Gold});
  count_->setFocus();
}

void EveryCodeWindow::BuildControls() {
  count_ = new QComboBox;
  count_->setObjectName("Bands");
  count_->setAccessibleName("Bands");
  for (const std::size_t count : kCounts) {
    count_->addItem(count == 1 ? QString("Zero-ohm link") : QString("%1 bands").arg(count),
                    static_cast<int>(count));
  }
  drawing_ = new ResistorDrawing;
  drawing_->setAccessibleName("Resistor drawing");
  // Each list under its caption, which screen readers take for its name.
  auto* lists = new QGridLayout;
  for (std::size_t i = 0; i < kMostBands; ++i) {
    band_lists_[i] = new QComboBox;
    band_lists_[i]->setObjectName(QString("Band%1").arg(i + 1));
    // As wide as "Yellow" or "Silver" with its swatch, whatever it holds now.
    band_lists_[i]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    band_lists_[i]->setMinimumContentsLength(6);
    band_captions_[i] = new QLabel(QString("Band %1").arg(i + 1));
    band_captions_[i]->setBuddy(band_lists_[i]);
    // Room for six bands whatever the count, so that the window keeps its
    // size and place as the count changes.
    for (QWidget* widget :
         {static_cast<QWidget*>(band_lists_[i]), static_cast<QWidget*>(band_captions_[i])}) {
      QSizePolicy policy = widget->sizePolicy();
      policy.setRetainSizeWhenHidden(true);
      widget->setSizePolicy(policy);
    }
    lists->addWidget(band_captions_[i], 0, static_cast<int>(i));
    lists->addWidget(band_lists_[i], 1, static_cast<int>(i));
  }
  value_ = new QLineEdit;
  value_->setObjectName("Value");
  value_->setAccessibleName("Value");
  value_->setPlaceholderText(QString::fromUtf8("4700, 4.7k, 4K7, 4.7 k\u03A9, 470m, 2.2M"));
  value_problem_ = new QLabel;
  value_problem_->setObjectName("ValueProblem");
  marking_ = new QLineEdit;
  marking_->setObjectName("Marking");
  marking_->setAccessibleName("SMD marking");
  marking_->setPlaceholderText("472, 4R7, 4702, 01C");
  marking_problem_ = new QLabel;
  marking_problem_->setObjectName("MarkingProblem");
  for (QLabel* problem : {value_problem_, marking_problem_}) problem->setWordWrap(true);
  // Texts that hold what the user typed are never read as markup.
  for (QLabel* text : {value_problem_, marking_problem_}) text->setTextFormat(Qt::PlainText);
  auto* nearest = new QHBoxLayout;
  for (QPushButton*& button : nearest_) {
    button = new QPushButton;
    nearest->addWidget(button);
  }
  series_ = new QComboBox;
  series_->setObjectName("Series");
  series_->setAccessibleName("Series");
  for (const codes::Series series : codes::kAllSeries) {
    series_->addItem(Text(codes::NameOf(series)), static_cast<int>(series));
  }
  series_->setCurrentIndex(3);  // E24, the series of most parts
  series_nearest_ = new QPushButton;
  series_nearest_->setObjectName("SeriesNearest");
  nearest->addWidget(series_);
  nearest->addWidget(series_nearest_);
  nearest->addStretch();
  answer_label_ = new QLabel;
  answer_label_->setObjectName("Answer");
  markings_ = new QLabel;
  markings_->setObjectName("Markings");
  other_end_ = new QLabel;
  other_end_->setObjectName("OtherEnd");
  for (QLabel* line : {answer_label_, markings_, other_end_}) {
    line->setTextFormat(Qt::PlainText);
    line->setWordWrap(true);
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  turn_round_ = new QPushButton("Turn round");
  turn_round_->setObjectName("TurnRound");
  turn_round_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  copy_ = new QPushButton("Copy");
  copy_->setObjectName("Copy");

  auto* count_row = new QHBoxLayout;
  auto* count_caption = new QLabel("&Bands:");
  count_caption->setAccessibleName("Bands");
  count_caption->setBuddy(count_);
  count_row->addWidget(count_caption);
  count_row->addWidget(count_);
  count_row->addStretch();
  form_ = new QFormLayout;
  auto* value_caption = new QLabel("&Value:");
  value_caption->setAccessibleName("Value");
  value_caption->setBuddy(value_);
  form_->addRow(value_caption, value_);
  form_->addRow(nullptr, value_problem_);
  form_->addRow(nullptr, nearest);
  auto* marking_caption = new QLabel("SMD &marking:");
  marking_caption->setAccessibleName("SMD marking");
  marking_caption->setBuddy(marking_);
  form_->addRow(marking_caption, marking_);
  form_->addRow(nullptr, marking_problem_);
  for (const int row : {kValueProblemRow, kNearestRow, kMarkingProblemRow}) {
    form_->setRowVisible(row, false);
  }
  auto* other_row = new QHBoxLayout;
  other_row->addWidget(other_end_, 1);
  other_row->addWidget(turn_round_, 0, Qt::AlignRight | Qt::AlignTop);
  auto* copy_row = new QHBoxLayout;
  copy_row->addStretch();
  copy_row->addWidget(copy_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(count_row);
  layout->addWidget(drawing_);
  layout->addLayout(lists);
  layout->addLayout(form_);
  layout->addWidget(answer_label_);
  layout->addWidget(markings_);
  layout->addLayout(other_row);
  layout->addLayout(copy_row);
  layout->addStretch();
}

void EveryCodeWindow::SetTabOrder() {
  std::vector<QWidget*> order = {count_};
  order.insert(order.end(), band_lists_.begin(), band_lists_.end());
  order.insert(order.end(), {value_, nearest_[0], nearest_[1], series_, series_nearest_, marking_,
                             copy_, turn_round_});
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void EveryCodeWindow::ConnectUserActions() {
  connect(count_, &QComboBox::currentIndexChanged, this, &EveryCodeWindow::CountChosen);
  for (std::size_t i = 0; i < kMostBands; ++i) {
    connect(band_lists_[i], &QComboBox::currentIndexChanged, this, [this, i](int row) {
      if (row >= 0) PickBand(i, static_cast<Colour>(band_lists_[i]->itemData(row).toInt()));
    });
  }
  connect(drawing_, &ResistorDrawing::BandClicked, this, &EveryCodeWindow::ShowPalette);
  connect(value_, &QLineEdit::textEdited, this, &EveryCodeWindow::ValueTyped);
  connect(marking_, &QLineEdit::textEdited, this, &EveryCodeWindow::MarkingTyped);
  for (QPushButton* button : nearest_) {
    connect(button, &QPushButton::clicked, this, [this, button] {
      value_->setText(button->property("value").toString());
      ValueTyped(value_->text());
    });
  }
  connect(series_, &QComboBox::currentIndexChanged, this, &EveryCodeWindow::NearestSeriesChosen);
  connect(series_nearest_, &QPushButton::clicked, this, [this] {
    value_->setText(series_nearest_->property("value").toString());
    ValueTyped(value_->text());
  });
  connect(turn_round_, &QPushButton::clicked, this, &EveryCodeWindow::TurnRound);
  connect(copy_, &QPushButton::clicked, this, &EveryCodeWindow::Copy);
  auto* copy = new QShortcut(QKeySequence::Copy, this);
  connect(copy, &QShortcut::activated, this, &EveryCodeWindow::Copy);
  auto* filter = new CopyWithoutSelection(this, [this] { Copy(); });
  value_->installEventFilter(filter);
  marking_->installEventFilter(filter);
}

std::size_t EveryCodeWindow::ChosenCount() const {
  return static_cast<std::size_t>(count_->currentData().toInt());
}

codes::Coding EveryCodeWindow::CodingNow(std::size_t count) const {
  codes::Coding coding{static_cast<int>(count), std::nullopt, std::nullopt};
  const std::size_t now = bands_.size();
  for (std::size_t i = 0; i < now; ++i) {
    if (RoleOf(i, now) == BandRole::Tolerance && count >= 4) {
      coding.tolerance_percent = codes::ToleranceOf(bands_[i]);
    }
    if (RoleOf(i, now) == BandRole::Tempco)
      coding.tempco_ppm_per_kelvin = codes::TempcoOf(bands_[i]);
  }
  if (count == 6 && !coding.tempco_ppm_per_kelvin) {
    coding.tempco_ppm_per_kelvin = codes::TempcoOf(Colour::Brown);
  }
  if (count != 6) coding.tempco_ppm_per_kelvin.reset();
  return coding;
}

void EveryCodeWindow::CountChosen() {
  const std::size_t count = ChosenCount();
  if (count == bands_.size()) return;
  // The value kept, with the tolerance and temperature coefficient a part
  // of that many bands has unless the user picks others.
  const codes::Decimal ohms = codes::ReadBands(bands_).Value().ohms;
  const codes::Coding coding{static_cast<int>(count), std::nullopt,
                             count == 6 ? codes::TempcoOf(Colour::Brown) : std::nullopt};
  const auto written = codes::WriteBands(ohms, coding);
  ShowBands(written.Ok() && written.Value().size() == count ? written.Value() : FirstBands(count));
}

void EveryCodeWindow::PickBand(std::size_t index, Colour colour) {
  if (index >= bands_.size() || bands_[index] == colour) return;
  std::vector<Colour> bands = bands_;
  bands[index] = colour;
  ShowBands(std::move(bands));
}

void EveryCodeWindow::ShowPalette(int band, QPoint global) {
  const auto index = static_cast<std::size_t>(band);
  QMenu palette(this);
  palette.setObjectName("Palette");
  for (const Colour colour : ColoursFor(RoleOf(index, bands_.size()))) {
    QAction* action = palette.addAction(Swatch(colour), ColourName(colour));
    action->setCheckable(true);
    action->setChecked(colour == bands_[index]);
    connect(action, &QAction::triggered, this, [this, index, colour] { PickBand(index, colour); });
  }
  palette.exec(global);
}

void EveryCodeWindow::ShowBands(std::vector<Colour> bands, const codes::Report* report) {
  const bool new_count = bands.size() != bands_.size();
  bands_ = std::move(bands);
  const std::size_t count = bands_.size();
  {
    const QSignalBlocker blocker(count_);
    count_->setCurrentIndex(count_->findData(static_cast<int>(count)));
  }
  for (std::size_t i = 0; i < kMostBands; ++i) {
    QComboBox* list = band_lists_[i];
    const QSignalBlocker blocker(list);
    list->setVisible(i < count);
    band_captions_[i]->setVisible(i < count);
    if (i >= count) continue;
    if (new_count) {
      list->clear();
      for (const Colour colour : ColoursFor(RoleOf(i, count))) {
        list->addItem(Swatch(colour), ColourName(colour), static_cast<int>(colour));
      }
      const QString name = QString("Band %1, %2").arg(i + 1).arg(RoleName(i, count));
      list->setAccessibleName(name);
      band_captions_[i]->setAccessibleName(name);
    }
    list->setCurrentIndex(list->findData(static_cast<int>(bands_[i])));
  }
  drawing_->SetBands(bands_);
  const codes::Result<codes::Report> read = codes::ReportOfBands(bands_);
  QStringList names;
  for (const Colour colour : bands_) names << ColourName(colour);
  drawing_->setAccessibleDescription("Bands: " + names.join(", "));
  const codes::Report& shown = report ? *report : read.Value();
  ShowAnswer(Text(codes::LineOf(shown)));
  ShowMarkings(&shown);
  ShowOtherEnd(read.Value());
}

void EveryCodeWindow::ShowMarkings(const codes::Report* report) {
  // A coded value's answer line names its markings already.
  QStringList markings;
  if (report != nullptr && !report->coded) {
    for (const auto* marking :
         {&report->markings.three_digit, &report->markings.four_digit, &report->markings.eia96}) {
      if (*marking) markings << Text(**marking);
    }
  }
  const QString line = markings.isEmpty() ? QString() : "SMD markings: " + markings.join(", ");
  markings_->setText(line);
  markings_->setAccessibleName(line);
  markings_->setVisible(!line.isEmpty());
}

void EveryCodeWindow::ShowAnswer(const QString& line) {
  if (line == answer_) return;
  answer_ = line;
  answer_label_->setText(line);
  answer_label_->setAccessibleName(line);
  if (isVisible()) announcer_->Say(line);  // the first answer is read with the window
}

void EveryCodeWindow::ShowOtherEnd(const codes::Report& report) {
  turn_round_->setEnabled(report.other_end.has_value());
  if (!report.other_end) {
    other_end_->clear();
    other_end_->setAccessibleName({});
    other_end_->hide();
    return;
  }
  const QString line = "From the other end: " + Text(codes::OtherEndText(*report.other_end)) +
                       "; " + SeriesNames(report.other_end->facts.series) +
                       " (this end: " + SeriesNames(report.facts.series) + ")";
  other_end_->setText(line);
  other_end_->setAccessibleName(line);
  other_end_->show();
}

void EveryCodeWindow::TurnRound() {
  const auto read = codes::ReportOfBands(bands_);
  if (read.Ok() && read.Value().other_end) ShowBands(read.Value().other_end->bands);
}

void EveryCodeWindow::Copy() {
  QApplication::clipboard()->setText(
      answer_label_->hasSelectedText() ? answer_label_->selectedText() : answer_);
}

void EveryCodeWindow::ShowProblem(QLineEdit* box, QLabel* problem, int row,
                                  const QString& message) {
  problem->setText(message);
  form_->setRowVisible(row, !message.isEmpty());
  box->setAccessibleDescription(message);
}

void EveryCodeWindow::ValueTyped(const QString& text) {
  ShowProblem(value_, value_problem_, kValueProblemRow, {});
  form_->setRowVisible(kNearestRow, false);
  asked_.reset();
  if (text.trimmed().isEmpty()) return;
  const codes::Result<codes::Reading> read = codes::ReadValue(text.toStdString());
  if (!read.Ok()) {
    ShowProblem(value_, value_problem_, kValueProblemRow, Text(read.Refusal().message));
    return;
  }
  const std::size_t count = ChosenCount() == 1 ? 4 : ChosenCount();  // zero-ohm: code on four
  const codes::Result<codes::Report> coded =
      codes::ReportOfValue(read.Value(), CodingNow(count), std::nullopt);
  if (coded.Ok()) {
    ShowBands(*coded.Value().bands, &coded.Value());
    return;
  }
  ShowAnswer(Text(coded.Refusal().message));
  ShowMarkings(nullptr);
  ShowNearest(coded.Refusal(), read.Value());
}

void EveryCodeWindow::ShowNearest(const codes::Refusal& refusal, const codes::Reading& asked) {
  form_->setRowVisible(kNearestRow, true);
  for (std::size_t i = 0; i < nearest_.size(); ++i) {
    nearest_[i]->setVisible(i < refusal.nearest.size());
    if (i >= refusal.nearest.size()) continue;
    const QString value = Text(codes::WithUnit(refusal.nearest[i]));
    nearest_[i]->setText(value);
    nearest_[i]->setAccessibleName("Use " + value);
    nearest_[i]->setProperty("value", value);
  }
  const bool series = asked.exact && !asked.value.IsZero();
  series_->setVisible(series);
  series_nearest_->setVisible(series);
  if (series) {
    asked_ = asked;
    NearestSeriesChosen();
  }
}

void EveryCodeWindow::NearestSeriesChosen() {
  if (!asked_) return;
  const auto series = static_cast<codes::Series>(series_->currentData().toInt());
  const QString value = Text(codes::WithUnit(codes::Nearest(asked_->value, series)));
  series_nearest_->setText("Nearest in " + series_->currentText() + ": " + value);
  series_nearest_->setProperty("value", value);
}

void EveryCodeWindow::MarkingTyped(const QString& text) {
  ShowProblem(marking_, marking_problem_, kMarkingProblemRow, {});
  if (text.trimmed().isEmpty()) return;
  const codes::Result<codes::Report> read = codes::ReportOfMarking(text.trimmed().toStdString());
  if (!read.Ok()) {
    ShowProblem(marking_, marking_problem_, kMarkingProblemRow, Text(read.Refusal().message));
    return;
  }
  // The bands show the marking's value where they can code it.
  const codes::Part& part = read.Value().facts.part;
  const std::size_t count = ChosenCount() == 1 ? 4 : ChosenCount();
  codes::Coding coding = CodingNow(count);
  if (part.tolerance_percent && count >= 4) coding.tolerance_percent = part.tolerance_percent;
  const auto bands = codes::WriteBands(part.ohms, coding);
  if (bands.Ok()) {
    ShowBands(bands.Value(), &read.Value());
  } else {
    ShowAnswer(Text(codes::LineOf(read.Value())));
    ShowMarkings(&read.Value());
  }
}

}  // namespace stripewise::ui
