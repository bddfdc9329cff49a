// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// What screen readers learn beyond what Qt's widgets tell them by themselves:
// which widgets only decorate, the About window as a dialog, and results
// said aloud without moving the focus.

#include <QString>
#include <QWidget>

namespace stripewise::ui {

// Installs, once for the program, the accessible interfaces of its own kinds
// of widget.
void InstallAccessibility();

// Marks a widget that only decorates (a shape, a line, a caption whose words
// another control says already): it has no name and reports itself invisible,
// so that screen readers pass over it.
void MarkDecorative(QWidget* widget);

// Marks a label that works as a link: screen readers hear a link, which
// their press action follows as a click does.
void MarkLink(QWidget* widget);

// Says short texts to screen readers without taking the focus: an accessible
// notification, invisible on screen, shown anew with each text.
class Announcer : public QWidget {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* parent);

  // Says `text` once.
  void Say(const QString& text);

  // The text said last.
  const QString& Said() const { return said_; }

 private:
  QString said_;
};

}  // namespace stripewise::ui
