// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_ui/form1.h"

#include <stripewise/conversions.h>

#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>

#include "stripewise_ui/accessibility.h"
#include "stripewise_ui/build.h"
#include "stripewise_ui/form2.h"
#include "stripewise_ui/graphics.h"
#include "stripewise_ui/layout.h"
#include "stripewise_ui/look.h"
#include "stripewise_ui/placement.h"
#include "stripewise_ui/qt_message_boxes.h"
#include "stripewise_ui/spoken.h"

namespace stripewise::ui {
namespace {

// "Bands: Yellow, Violet, Red, Gold 5%", from the positions the bands were
// painted from.
QString DrawingDescription(const ById<ShapeId, std::int16_t>& painted) {
  QStringList names;
  for (const ShapeId band : AllIds<ShapeId>()) {
    const std::int16_t position = painted[band];
    names << (position < 0 ? QString("no band chosen")
                           : Text(ListEntries(ListOf(band))[static_cast<std::size_t>(position)]));
  }
  return "Bands: " + names.join(", ");
}

// The row a list shows selected, or -1.
std::int16_t SelectedRow(const QListWidget& list) {
  const QList<QListWidgetItem*> selected = list.selectedItems();
  return static_cast<std::int16_t>(selected.isEmpty() ? -1 : list.row(selected.first()));
}

}  // namespace

Form1::Form1(MessageBoxes* boxes, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      own_boxes_(boxes ? nullptr : std::make_unique<QtMessageBoxes>(this)),
      boxes_(boxes ? boxes : own_boxes_.get()) {
  InstallAccessibility();
  setObjectName("Form1");
  setWindowTitle(Text(kForm1Title));
  setWindowIcon(AppIcon());
  setFixedSize(kForm1Client.Pixels().size());
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, ScreenColor(kButtonFaceColor, palette));
  setPalette(palette);
  announcer_ = new Announcer(this);
  BuildDrawingDescription();
  BuildGraphics();
  BuildLists();  // the lists, text box and buttons lie above every drawing
  BuildButtons();
  BuildText1();
  SetTabOrder();
  ConnectUserActions();
  BuildEveryCodeLink();
  record_.SetObserver(this);
  lists_[ListId::List1]->setFocus();
}

Form1::~Form1() { record_.SetObserver(nullptr); }

// The result labels and bands are kept by the ids their rows carry.
void Form1::BuildGraphics() {
  for (const GraphicRow& row : Form1Graphics()) {
    QWidget* widget = MakeGraphic(row, this, kButtonFaceColor);
    if (row.result) results_[*row.result] = static_cast<QLabel*>(widget);
    if (row.band) bands_[*row.band] = static_cast<ShapeWidget*>(widget);
  }
}

// An invisible area over the resistor drawing that tells screen readers, in
// words, which colours the bands show.
void Form1::BuildDrawingDescription() {
  drawing_ = new QWidget(this);
  drawing_->setObjectName("Drawing");
  drawing_->setAttribute(Qt::WA_TransparentForMouseEvents);
  drawing_->setFocusPolicy(Qt::NoFocus);
  drawing_->setAccessibleName("Resistor drawing");
  drawing_->setGeometry(kDrawingBox.Pixels());
  DescribeDrawing();
}

// The caption "Resistor", drawn as a link, is one: to the window for every
// resistor code, which Ctrl+E opens as well.
void Form1::BuildEveryCodeLink() {
  auto* link = findChild<QLabel*>("Label33");
  link->setCursor(Qt::PointingHandCursor);
  link->setToolTip("Every resistor code: 3 to 6 bands, SMD markings, standard values");
  link->installEventFilter(this);
  auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this);
  connect(shortcut, &QShortcut::activated, this, [this] {
    if (every_code_) every_code_();
  });
  setAccessibleDescription(
      "Ctrl+E opens every resistor code: 3 to 6 bands, SMD markings, "
      "standard values");
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
      static_cast<QWidget*>(watched)->rect().contains(
          static_cast<QMouseEvent*>(event)->position().toPoint())) {
    if (every_code_) every_code_();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void Form1::DescribeDrawing() { drawing_->setAccessibleDescription(DrawingDescription(painted_)); }

void Form1::BuildLists() {
  for (const ListRow& row : Form1Lists()) lists_[row.list] = MakeList(row, this);
}

void Form1::BuildButtons() {
  for (const ButtonRow& row : Form1Buttons()) buttons_[row.button] = MakeButton(row, this);
}

void Form1::BuildText1() {
  text1_ = new QLineEdit(this);
  text1_->setObjectName("Text1");
  text1_->setAccessibleName("Resistance in ohms");
  text1_->setFont(ControlFont(11.25));
  text1_->setMaxLength(kText1MaxLength);
  text1_->setToolTip(Text(kText1Tooltip));
  QPalette palette = text1_->palette();
  palette.setColor(QPalette::Text, ScreenColor(kResultColor, palette));
  palette.setColor(QPalette::Base, PartnerColor(kWindowColor, palette));
  text1_->setPalette(palette);
  text1_->setGeometry(kText1Box.Pixels());
}

// Focus order by tab index: the lists, "Color Code Value", the text box,
// "Color Code Name", "About".
void Form1::SetTabOrder() {
  QWidget* order[] = {lists_[ListId::List1],        lists_[ListId::List2],
                      lists_[ListId::List3],        lists_[ListId::List4],
                      buttons_[ButtonId::Command1], text1_,
                      buttons_[ButtonId::Command2], buttons_[ButtonId::Command3]};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void Form1::Form_Load() { record_.SetListIndex(ListId::List4, 0); }

// A refusal is not announced: its message box is read out already.
void Form1::Convert(void (*handler)(Form1Record&, MessageBoxes&), bool with_bands) {
  completed_ = false;
  handler(record_, *boxes_);
  if (completed_) announcer_->Say(SpokenResults(record_, with_bands));
}

void Form1::Command3_Click() {
  if (about_) about_();
}

void Form1::Form_Unload() {
  if (unload_) unload_();
}

void Form1::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) KeepUnmaximized(this);
  QWidget::changeEvent(event);
}

void Form1::closeEvent(QCloseEvent* event) {
  Form_Unload();
  event->accept();  // closing is never refused
}

// The binding, one way at a time. What the user does reaches the engine
// through the handlers below; what the engine writes reaches the widgets
// through the observer calls after them alone, with the widget's signals
// blocked, so that it never comes back as a user action.
void Form1::ConnectUserActions() {
  for (const ListId list : AllIds<ListId>()) {
    connect(lists_[list], &QListWidget::itemSelectionChanged, this,
            [this, list] { record_.UserSelected(list, SelectedRow(*lists_[list])); });
  }
  connect(text1_, &QLineEdit::textEdited, this,
          [this](const QString& text) { record_.UserTyped(text.toStdString()); });
  connect(buttons_[ButtonId::Command1], &QPushButton::clicked, this,
          [this] { Convert(Command1_Click, false); });
  connect(buttons_[ButtonId::Command2], &QPushButton::clicked, this,
          [this] { Convert(Command2_Click, true); });
  // The About picture is read while "About" is held down, before the click.
  connect(buttons_[ButtonId::Command3], &QPushButton::pressed, this, &Form2::PreparePicture);
  connect(buttons_[ButtonId::Command3], &QPushButton::clicked, this, &Form1::Command3_Click);
}

void Form1::ListWritten(ListId list) {
  const QSignalBlocker blocker(lists_[list]);
  const int row = record_.ListIndex(list);
  if (row < 0) {
    lists_[list]->clearSelection();
  } else {
    lists_[list]->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
  }
}

void Form1::Text1Written() {
  const QSignalBlocker blocker(text1_);
  text1_->setText(Text(record_.Text1()));
}

// A figure's accessible name says it with its role and unit ("Tolerance:
// 235 ohms"); a unit written after it renames it.
void Form1::CaptionWritten(LabelId label) {
  results_[label]->setText(Text(record_.Caption(label)));
  for (const LabelId figure : AllIds<LabelId>()) {
    const QString spoken = SpokenFigure(record_, figure);
    if (!spoken.isEmpty()) results_[figure]->setAccessibleName(spoken);
  }
  completed_ = completed_ || label == LabelId::Label32;  // the last caption of a run
}

void Form1::FillWritten(ShapeId band) {
  bands_[band]->SetFill(record_.FillColor(band));
  painted_[band] = record_.ListIndex(ListOf(band));
  DescribeDrawing();
}

void Form1::Text1Focused() { text1_->setFocus(Qt::OtherFocusReason); }

}  // namespace stripewise::ui
