// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "ui_test_support.h"

#include <stripewise_ui/look.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace stripewise::ui::testing {

std::vector<SeenBox> AnswerBoxes(const std::function<void()>& action, bool* roomy) {
  std::vector<SeenBox> seen;
  QTimer answerer;
  answerer.setInterval(5);
  QObject::connect(&answerer, &QTimer::timeout, [&seen, roomy] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    // A title bar's icon and three buttons take about 100 pixels beside the title.
    QFont bold = box->font();
    bold.setBold(true);
    if (roomy && box->width() < QFontMetrics(bold).horizontalAdvance(box->windowTitle()) + 100) {
      *roomy = false;
    }
    seen.push_back(
        {box->windowTitle(), box->text(), box->icon(), static_cast<int>(box->buttons().size())});
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
  });
  answerer.start();
  action();
  return seen;
}

void ClickEntry(QListWidget* list, int row) {
  const QRect entry = list->visualItemRect(list->item(row));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
}

void ClickButton(QWidget& window, std::string_view name) {
  QTest::mouseClick(Child<QPushButton>(window, name), Qt::LeftButton);
}

void TypeInto(QWidget& window, std::string_view name, const QString& text) {
  auto* box = Child<QLineEdit>(window, name);
  QTest::mouseClick(box, Qt::LeftButton);
  QTest::keyClicks(box, text);
}

QColor PaintedAtCentre(QWidget& window, std::string_view name) {
  const QImage image = window.grab().toImage();
  const QPoint centre = Child<QWidget>(window, name)->geometry().center();
  const qreal ratio = image.devicePixelRatio();
  return image.pixelColor((QPointF(centre) * ratio).toPoint());
}

QColor Screen(ColorValue value, const QWidget& window) {
  return ScreenColor(value, window.palette());
}

std::unique_ptr<Program> StartedProgram() {
  auto program = std::make_unique<Program>();
  program->Start();
  QWidget& form = program->MainWindow();
  form.activateWindow();
  if (!QTest::qWaitForWindowActive(&form)) throw std::runtime_error("main window not active");
  return program;
}

}  // namespace stripewise::ui::testing
