#include "stripewise_ui/build.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

#include "stripewise_ui/look.h"

namespace stripewise::ui {
namespace {

Qt::Alignment AlignmentOf(Align align) {
  switch (align) {
    case Align::Centre: return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Right: return Qt::AlignRight | Qt::AlignTop;
    case Align::Left: break;
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

QLabel* MakeLabel(const GraphicSpec& spec, QWidget* parent, ColorValue standard_back) {
  const QString caption = Text(spec.caption);
  auto* label = new QLabel(caption, parent);
  label->setFont(FittedFont(ControlFont(spec.points, spec.bold, spec.underline), caption,
                            spec.box.pixels()));
  label->setAlignment(AlignmentOf(spec.align));
  // A caption wider than a box of several lines wraps at blanks; a one-line
  // box keeps its caption on its line.
  label->setWordWrap(spec.box.pixels().height() >= 2 * QFontMetrics(label->font()).lineSpacing());
  label->setAutoFillBackground(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, ScreenColor(spec.back.value_or(standard_back), palette));
  palette.setColor(QPalette::WindowText, ScreenColor(spec.fore.value_or(kButtonTextColor), palette));
  label->setPalette(palette);
  label->setGeometry(spec.box.pixels());
  if (!spec.accessible.empty()) label->setAccessibleName(Text(spec.accessible));
  return label;
}

// Selecting is the only thing a click or key does: a second click or Ctrl
// with a click never clears the selection, as the lists have always behaved.
class BandList : public QListWidget {
 public:
  using QListWidget::QListWidget;

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override {
    if (!index.isValid()) return QItemSelectionModel::NoUpdate;
    return QListWidget::selectionCommand(index, event) == QItemSelectionModel::NoUpdate
               ? QItemSelectionModel::NoUpdate
               : QItemSelectionModel::ClearAndSelect;
  }
};

// Entries drawn as the lists have always drawn them: two pixels from the
// left edge, never shortened with an ellipsis.
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
      focus.backgroundColor = palette.color(selected ? QPalette::Highlight : QPalette::Base);
      option.widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, option.widget);
    }
  }
};

}  // namespace

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QWidget* MakeGraphic(const GraphicSpec& spec, QWidget* parent, ColorValue standard_back) {
  QWidget* widget = nullptr;
  switch (spec.kind) {
    case GraphicSpec::Kind::Label: widget = MakeLabel(spec, parent, standard_back); break;
    case GraphicSpec::Kind::Line: widget = new LineWidget(spec.from, spec.to, spec.width, parent); break;
    case GraphicSpec::Kind::Shape:
      widget = new ShapeWidget(spec.shape, spec.fore.value_or(0), spec.back, parent);
      widget->setGeometry(spec.box.pixels());
      break;
  }
  widget->setObjectName(Text(spec.name));
  return widget;
}

QListWidget* MakeList(const ListSpec& spec, QWidget* parent) {
  auto* list = new BandList(parent);
  list->setObjectName(Text(spec.name));
  list->setAccessibleName(Text(spec.accessible_name));
  list->setFont(ControlFont(9.75));
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  list->setLineWidth(2);
  list->setUniformItemSizes(true);
  list->setItemDelegate(new EntryDelegate(list));
  QPalette palette = list->palette();
  palette.setColor(QPalette::Text, ScreenColor(kListTextColor, palette));
  list->setPalette(palette);
  const int row_height = static_cast<int>(Pixels(kListRowTwips));
  for (std::string_view entry : spec.entries) {
    auto* item = new QListWidgetItem(Text(entry), list);
    item->setSizeHint(QSize(0, row_height));
  }
  list->setGeometry(spec.box.pixels());
  return list;
}

QPushButton* MakeButton(const ButtonSpec& spec, QWidget* parent) {
  auto* button = new QPushButton(Text(spec.caption), parent);
  button->setObjectName(Text(spec.name));
  button->setFont(ControlFont(9.75));
  button->setAutoDefault(false);
  button->setDefault(false);
  button->setToolTip(Text(spec.tooltip));
  button->setAccessibleName(Text(spec.accessible_name));
  button->setGeometry(spec.box.pixels());
  return button;
}

void CentreOnScreen(QWidget* window) {
  const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect frame = window->frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window->move(frame.topLeft());
}

}  // namespace stripewise::ui
