// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>

#include "stripewise_ui/form2.h"

namespace stripewise::ui {
namespace {

constexpr const char* kDecorative = "stripewise_decorative";
constexpr const char* kLink = "stripewise_link";

// A decoration: nameless and invisible to screen readers, though it paints.
class DecorationAccessible : public QAccessibleWidget {
 public:
  explicit DecorationAccessible(QWidget* widget)
      : QAccessibleWidget(widget, QAccessible::Graphic) {}
  QString text(QAccessible::Text) const override { return {}; }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.invisible = true;
    return state;
  }
};

// The announcer: a notification whose name is the text it says.
class AnnouncerAccessible : public QAccessibleWidget {
 public:
  explicit AnnouncerAccessible(Announcer* announcer)
      : QAccessibleWidget(announcer, QAccessible::Notification) {}
  QString text(QAccessible::Text text) const override {
    return text == QAccessible::Name ? static_cast<Announcer*>(widget())->Said() : QString();
  }
};

// A label that is a link: its caption is its name, and pressing it clicks it.
class LinkAccessible : public QAccessibleWidget {
 public:
  explicit LinkAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Link) {}
  QString text(QAccessible::Text text) const override {
    if (text == QAccessible::Name) return static_cast<QLabel*>(widget())->text();
    if (text == QAccessible::Description) return widget()->toolTip();
    return QAccessibleWidget::text(text);
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (action != pressAction()) return;
    const QPointF centre = QRectF(widget()->rect()).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QMouseEvent click(type, centre, widget()->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton,
                        Qt::NoModifier);
      QCoreApplication::sendEvent(widget(), &click);
    }
  }
};

QAccessibleInterface* Interface(const QString& key, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) return nullptr;
  if (auto* announcer = qobject_cast<Announcer*>(widget);
      announcer && key == "stripewise::ui::Announcer") {
    return new AnnouncerAccessible(announcer);
  }
  // The About window is an ordinary window to the window manager, and a
  // dialog to screen readers, which then read its texts when it opens.
  if (qobject_cast<Form2*>(widget) && key == "stripewise::ui::Form2") {
    return new QAccessibleWidget(widget, QAccessible::Dialog);
  }
  if (widget->property(kDecorative).toBool()) return new DecorationAccessible(widget);
  if (widget->property(kLink).toBool()) return new LinkAccessible(widget);
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  static const bool kInstalled = (QAccessible::installFactory(Interface), true);
  (void)kInstalled;
}

void MarkDecorative(QWidget* widget) { widget->setProperty(kDecorative, true); }

void MarkLink(QWidget* widget) { widget->setProperty(kLink, true); }

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
  setObjectName("Announcer");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(0, 0, 1, 1);  // paints nothing, beneath every other control
  lower();
  hide();
}

void Announcer::Say(const QString& text) {
  hide();
  said_ = text;
  show();  // a notification shown is read out
}

}  // namespace stripewise::ui
