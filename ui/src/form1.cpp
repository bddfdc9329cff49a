// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_ui/form1.h"

#include <stripewise/conversions.h>

#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "stripewise_ui/build.h"
#include "stripewise_ui/form2.h"
#include "stripewise_ui/graphics.h"
#include "stripewise_ui/layout.h"
#include "stripewise_ui/look.h"
#include "stripewise_ui/qt_message_boxes.h"

namespace stripewise::ui {
namespace {

// The result labels and band shapes the engine writes, by control name, in
// the order of LabelId and ShapeId.
constexpr std::array<std::string_view, 6> kResultLabels = {"Label8",  "Label26", "Label27",
                                                           "Label28", "Label31", "Label32"};
constexpr std::array<std::string_view, 4> kBandShapes = {"Shape2", "Shape3", "Shape4", "Shape5"};

template <std::size_t N>
int SlotOf(const std::array<std::string_view, N>& names, std::string_view name) {
  for (std::size_t i = 0; i < N; ++i) {
    if (names[i] == name) return static_cast<int>(i);
  }
  return -1;
}

int Position(const Effect effect, const Effect first) {
  return static_cast<int>(effect) - static_cast<int>(first);
}

// "Bands: Yellow, Violet, Red, Gold 5%", from the positions the bands were
// painted from.
QString DrawingDescription(const std::array<std::int16_t, 4>& painted) {
  QStringList names;
  for (std::size_t band = 0; band < painted.size(); ++band) {
    const std::int16_t position = painted[band];
    const auto& entries = Form1Lists()[band].entries;
    names << (position < 0 ? QString("no band chosen")
                           : Text(entries[static_cast<std::size_t>(position)]));
  }
  return "Bands: " + names.join(", ");
}

}  // namespace

Form1::Form1(MessageBoxes* boxes, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      own_boxes_(boxes ? nullptr : std::make_unique<QtMessageBoxes>(this)),
      boxes_(boxes ? boxes : own_boxes_.get()) {
  setObjectName("Form1");
  setWindowTitle(Text(kForm1Title));
  setWindowIcon(AppIcon());
  setFixedSize(kForm1Client.Pixels().size());
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, ScreenColor(kButtonFaceColor, palette));
  setPalette(palette);
  BuildDrawingDescription();
  BuildGraphics();
  BuildLists();  // the lists, text box and buttons lie above every drawing
  BuildButtons();
  BuildText1();
  SetTabOrder();
  ConnectUserActions();
  record_.SetObserver(this);
  lists_[0]->setFocus();
}

Form1::~Form1() { record_.SetObserver(nullptr); }

void Form1::BuildGraphics() {
  for (const GraphicSpec& row : Form1Graphics()) {
    QWidget* widget = MakeGraphic(row, this, kButtonFaceColor);
    if (const int slot = SlotOf(kResultLabels, row.name); slot >= 0) {
      results_[static_cast<std::size_t>(slot)] = static_cast<QLabel*>(widget);
    }
    if (const int slot = SlotOf(kBandShapes, row.name); slot >= 0) {
      bands_[static_cast<std::size_t>(slot)] = static_cast<ShapeWidget*>(widget);
    }
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

void Form1::DescribeDrawing() { drawing_->setAccessibleDescription(DrawingDescription(painted_)); }

void Form1::BuildLists() {
  const auto rows = Form1Lists();
  for (std::size_t i = 0; i < rows.size(); ++i) lists_[i] = MakeList(rows[i], this);
}

void Form1::BuildButtons() {
  const auto rows = Form1Buttons();
  for (std::size_t i = 0; i < rows.size(); ++i) buttons_[i] = MakeButton(rows[i], this);
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
  QWidget* order[] = {lists_[0],   lists_[1], lists_[2],   lists_[3],
                      buttons_[0], text1_,    buttons_[1], buttons_[2]};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void Form1::Form_Load() { record_.SetListIndex(ListId::List4, 0); }

void Form1::Command3_Click() {
  if (about_) about_();
}

void Form1::Form_Unload() {
  if (unload_) unload_();
}

void Form1::closeEvent(QCloseEvent* event) {
  Form_Unload();
  event->accept();  // closing is never refused
}

// The binding, one way at a time. What the user does reaches the engine
// through the handlers below; what the engine writes reaches the widgets
// through Written alone, with the widget's signals blocked, so that it never
// comes back as a user action.
void Form1::ConnectUserActions() {
  for (std::size_t i = 0; i < lists_.size(); ++i) {
    connect(lists_[i], &QListWidget::itemSelectionChanged, this, [this, i] {
      const QList<QListWidgetItem*> selected = lists_[i]->selectedItems();
      const int row = selected.isEmpty() ? -1 : lists_[i]->row(selected.first());
      record_.UserSelected(static_cast<ListId>(i), static_cast<std::int16_t>(row));
    });
  }
  connect(text1_, &QLineEdit::textEdited, this,
          [this](const QString& text) { record_.UserTyped(text.toStdString()); });
  connect(buttons_[0], &QPushButton::clicked, this, [this] { Command1_Click(record_, *boxes_); });
  connect(buttons_[1], &QPushButton::clicked, this, [this] { Command2_Click(record_, *boxes_); });
  // The About picture is read while "About" is held down, before the click.
  connect(buttons_[2], &QPushButton::pressed, this, &Form2::PreparePicture);
  connect(buttons_[2], &QPushButton::clicked, this, &Form1::Command3_Click);
}

void Form1::Written(Effect effect) {
  if (effect <= Effect::List4) {
    const auto slot = static_cast<std::size_t>(Position(effect, Effect::List1));
    const QSignalBlocker blocker(lists_[slot]);
    const int row = record_.ListIndex(static_cast<ListId>(slot));
    if (row < 0) {
      lists_[slot]->clearSelection();
    } else {
      lists_[slot]->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    }
  } else if (effect == Effect::Text1) {
    const QSignalBlocker blocker(text1_);
    text1_->setText(QString::fromStdString(record_.Text1()));
  } else if (effect <= Effect::Label32) {
    const auto slot = static_cast<std::size_t>(Position(effect, Effect::Label8));
    const QString caption = QString::fromStdString(record_.Caption(static_cast<LabelId>(slot)));
    results_[slot]->setText(caption);
    results_[slot]->setAccessibleDescription(caption);  // its name says what it holds
  } else if (effect <= Effect::Shape5) {
    const auto slot = static_cast<std::size_t>(Position(effect, Effect::Shape2));
    bands_[slot]->SetFill(record_.FillColor(static_cast<ShapeId>(slot)));
    painted_[slot] = record_.ListIndex(static_cast<ListId>(slot));  // Shape5 is painted from List4
    DescribeDrawing();
  } else {
    text1_->setFocus(Qt::OtherFocusReason);
  }
}

}  // namespace stripewise::ui
