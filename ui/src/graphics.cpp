// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_ui/graphics.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "stripewise_ui/look.h"

namespace stripewise::ui {
namespace {

// Lightweight controls never take input; clicks go to what lies below.
void MakeDecorative(QWidget* widget) {
  widget->setAttribute(Qt::WA_TransparentForMouseEvents);
  widget->setFocusPolicy(Qt::NoFocus);
}

}  // namespace

ShapeWidget::ShapeWidget(ShapeKind kind, ColorValue outline, std::optional<ColorValue> fill,
                         QWidget* parent)
    : QWidget(parent), kind_(kind), outline_(outline), fill_(fill) {
  MakeDecorative(this);
}

void ShapeWidget::SetFill(ColorValue fill) {
  if (fill_ == fill) return;
  fill_ = fill;
  update();
}

void ShapeWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(ScreenColor(outline_, palette()), 1));
  painter.setBrush(fill_ ? QBrush(ScreenColor(*fill_, palette())) : QBrush(Qt::NoBrush));
  const QRect box = rect().adjusted(0, 0, -1, -1);  // the outline lies inside the box
  switch (kind_) {
    case ShapeKind::Rectangle:
      painter.drawRect(box);
      break;
    case ShapeKind::Oval:
      painter.setRenderHint(QPainter::Antialiasing);
      painter.drawEllipse(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
      break;
    case ShapeKind::RoundedRectangle: {
      const double radius = std::min(box.width(), box.height()) / 6.0;
      painter.setRenderHint(QPainter::Antialiasing);
      painter.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
      break;
    }
  }
}

LineWidget::LineWidget(QPoint from_twips, QPoint to_twips, int width_pixels, QWidget* parent)
    : QWidget(parent), width_(width_pixels) {
  MakeDecorative(this);
  const QPointF a(Pixels(from_twips.x()), Pixels(from_twips.y()));
  const QPointF b(Pixels(to_twips.x()), Pixels(to_twips.y()));
  const double pad = width_pixels / 2.0 + 1;
  const QPoint top_left(static_cast<int>(std::floor(std::min(a.x(), b.x()) - pad)),
                        static_cast<int>(std::floor(std::min(a.y(), b.y()) - pad)));
  const QPoint bottom_right(static_cast<int>(std::ceil(std::max(a.x(), b.x()) + pad)),
                            static_cast<int>(std::ceil(std::max(a.y(), b.y()) + pad)));
  setGeometry(QRect(top_left, bottom_right));
  from_ = a - QPointF(top_left);
  to_ = b - QPointF(top_left);
}

void LineWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(
      QPen(ScreenColor(kWindowTextColor, palette()), width_, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(from_, to_);
}

}  // namespace stripewise::ui
