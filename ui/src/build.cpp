// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_ui/build.h"

#include <stripewise/form1_record.h>

#include <QAccessible>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTimer>
#include <algorithm>

#include "stripewise_ui/accessibility.h"
#include "stripewise_ui/look.h"

namespace stripewise::ui {
namespace {

Qt::Alignment AlignmentOf(Align align) {
  switch (align) {
    case Align::Centre:
      return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Right:
      return Qt::AlignRight | Qt::AlignTop;
    case Align::Left:
      break;
  }
  return Qt::AlignLeft | Qt::AlignTop;
}

// A caption that the box holds on one line with Verdana can be a little
// wider in the face that stands in for it; narrow that face just enough.
QFont FittedFont(QFont font, const QString& caption, const QRect& box) {
  const QFontMetrics metrics(font);
  const int width = metrics.horizontalAdvance(caption);
  if (box.height() < 2 * metrics.lineSpacing() && width > box.width()) {
    font.setStretch(std::max(80, box.width() * 100 / width));
  }
  return font;
}

QLabel* MakeLabel(const GraphicRow& row, QWidget* parent, ColorValue standard_back) {
  const QString caption = Text(row.caption);
  auto* label = new QLabel(parent);
  // Marked before its caption is set, since Qt keeps the accessible
  // interface it makes for a label when the label's text first changes.
  if (row.decorative) MarkDecorative(label);
  if (row.link) MarkLink(label);
  label->setText(caption);
  label->setFont(
      FittedFont(ControlFont(row.points, row.bold, row.underline), caption, row.box.Pixels()));
  label->setAlignment(AlignmentOf(row.align));
  // A caption wider than a box of several lines wraps at blanks; a one-line
  // box keeps its caption on its line.
  label->setWordWrap(row.box.Pixels().height() >= 2 * QFontMetrics(label->font()).lineSpacing());
  label->setAutoFillBackground(true);
  QPalette palette = label->palette();
  // Where the row fixes one colour of the pair, the other is its partner.
  const ColorValue back = row.back.value_or(standard_back);
  const ColorValue fore = row.fore.value_or(kButtonTextColor);
  palette.setColor(QPalette::Window, row.fore && !row.back ? PartnerColor(back, palette)
                                                           : ScreenColor(back, palette));
  palette.setColor(QPalette::WindowText, row.back && !row.fore ? PartnerColor(fore, palette)
                                                               : ScreenColor(fore, palette));
  label->setPalette(palette);
  label->setGeometry(row.box.Pixels());
  if (!row.accessible.empty()) label->setAccessibleName(Text(row.accessible));
  return label;
}

// Selecting is the only thing a click or key does: a second click or Ctrl
// with a click never clears the selection, so a list always names a colour
// once the user has picked one.
// Screen readers hear of the entries the user moves to, and of no other.
class BandList : public QListWidget {
 public:
  using QListWidget::QListWidget;

 protected:
  // With nothing selected, Down or Up selects the entry that shows the focus,
  // the first one, rather than moving past it; it is said like any step.
  void keyPressEvent(QKeyEvent* event) override {
    const bool arrow = event->key() == Qt::Key_Down || event->key() == Qt::Key_Up;
    if (arrow && event->modifiers() == Qt::NoModifier && selectedItems().isEmpty()) {
      const int row = std::max(currentRow(), 0);
      const bool moves = row != currentRow();
      setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
      if (!moves) SayFocused(row);
      return;
    }
    QListWidget::keyPressEvent(event);
  }

  // A row the program selects in a list the user is not in moves no screen
  // reader there.
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override {
    if (hasFocus()) {
      QListWidget::currentChanged(current, previous);
    } else {
      // QListView's own would send a focus event.
      QAbstractItemView::currentChanged(current, previous);  // NOLINT(bugprone-parent-virtual-call)
    }
  }

  // Tabbing in, the entry selected is said after the list's name.
  void focusInEvent(QFocusEvent* event) override {
    QListWidget::focusInEvent(event);
    if (event->reason() != Qt::TabFocusReason && event->reason() != Qt::BacktabFocusReason) return;
    QTimer::singleShot(0, this, [this] {
      const QList<QListWidgetItem*> selected = selectedItems();
      if (hasFocus() && !selected.isEmpty()) SayFocused(row(selected.first()));
    });
  }

 private:
  void SayFocused(int row) {
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(row);
    QAccessible::updateAccessibility(&focus);
  }

  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override {
    if (!index.isValid()) return QItemSelectionModel::NoUpdate;
    return QListWidget::selectionCommand(index, event) == QItemSelectionModel::NoUpdate
               ? QItemSelectionModel::NoUpdate
               : QItemSelectionModel::ClearAndSelect;
  }
};

// Entries drawn two pixels from the left edge and never shortened with an
// ellipsis, so that every entry is read whole in the narrow lists.
class EntryDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& palette = option.palette;
    if (selected) painter->fillRect(option.rect, palette.brush(QPalette::Highlight));
    painter->setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(option.font);
    painter->drawText(option.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                      index.data(Qt::DisplayRole).toString());
    if (option.state & QStyle::State_HasFocus) {
      QStyleOptionFocusRect focus;
      focus.QStyleOption::operator=(option);
      focus.state |= QStyle::State_KeyboardFocusChange;  // shown from the start, not only after Tab
      focus.backgroundColor = palette.color(selected ? QPalette::Highlight : QPalette::Base);
      option.widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter,
                                            option.widget);
    }
  }
};

// Return, as Space, presses the focused button; none is the default button,
// so Return elsewhere presses nothing.
class Button : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      click();
      return;
    }
    QPushButton::keyPressEvent(event);
  }
};

}  // namespace

QWidget* MakeGraphic(const GraphicRow& row, QWidget* parent, ColorValue standard_back) {
  QWidget* widget = nullptr;
  switch (row.kind) {
    case GraphicRow::Kind::Label:
      widget = MakeLabel(row, parent, standard_back);
      break;
    case GraphicRow::Kind::Line:
      widget = new LineWidget(row.from, row.to, row.width, parent);
      break;
    case GraphicRow::Kind::Shape:
      widget = new ShapeWidget(row.shape, row.fore.value_or(0), row.back, parent);
      widget->setGeometry(row.box.Pixels());
      break;
  }
  widget->setObjectName(Text(row.name));
  return widget;
}

QListWidget* MakeList(const ListRow& row, QWidget* parent) {
  auto* list = new BandList(parent);
  list->setObjectName(Text(row.name));
  list->setAccessibleName(Text(row.accessible_name));
  list->setFont(ControlFont(9.75));
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  list->setLineWidth(kListFramePixels);
  list->setUniformItemSizes(true);
  list->setItemDelegate(new EntryDelegate(list));
  QPalette palette = list->palette();
  palette.setColor(QPalette::Text, ScreenColor(kListTextColor, palette));
  palette.setColor(QPalette::Base, PartnerColor(kWindowColor, palette));
  list->setPalette(palette);
  for (std::string_view entry : ListEntries(row.list)) {
    auto* item = new QListWidgetItem(Text(entry), list);
    item->setSizeHint(QSize(0, row.RowBox(0).height()));
  }
  list->setGeometry(row.box.Pixels());
  return list;
}

QPushButton* MakeButton(const ButtonRow& row, QWidget* parent) {
  auto* button = new Button(Text(row.caption), parent);
  button->setObjectName(Text(row.name));
  button->setFont(ControlFont(9.75));
  button->setAutoDefault(false);
  button->setDefault(false);
  button->setToolTip(Text(row.tooltip));  // screen readers take it as the description
  button->setGeometry(row.box.Pixels());
  return button;
}

}  // namespace stripewise::ui
