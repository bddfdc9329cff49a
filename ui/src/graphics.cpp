// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_ui/graphics.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "stripewise_ui/accessibility.h"
#include "stripewise_ui/look.h"

namespace stripewise::ui {
namespace {

// Lightweight controls never take input, clicks go to what lies below, and
// screen readers hear of the drawing from its description instead.
void MakeDecorative(QWidget* widget) {
  widget->setAttribute(Qt::WA_TransparentForMouseEvents);
  widget->setFocusPolicy(Qt::NoFocus);
  MarkDecorative(widget);
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

// The box the outline runs along: at whole scale factors the widget's own
// pixels; at fractional ones, half a screen pixel inside the screen pixels
// this widget owns, so that no side falls between two pixels and is lost.
QRectF ShapeWidget::OutlineBox() const {
  const double scale = devicePixelRatioF();
  const QRect box = rect().adjusted(0, 0, -1, -1);  // the outline lies inside the box
  if (scale == std::floor(scale)) return box;
  const QPointF from = QPointF(mapTo(window(), QPoint(0, 0))) * scale;
  const QPointF to = QPointF(mapTo(window(), QPoint(width(), height()))) * scale;
  const auto inside = [scale](double first, double edge) { return (edge - first) / scale; };
  const double half = 0.5 / scale;
  return {QPointF(inside(from.x(), std::ceil(from.x())) + half,
                  inside(from.y(), std::ceil(from.y())) + half),
          QPointF(inside(from.x(), std::floor(to.x())) - half,
                  inside(from.y(), std::floor(to.y())) - half)};
}

void ShapeWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QPen pen(ScreenColor(outline_, palette()), 1);
  pen.setCosmetic(devicePixelRatioF() != std::floor(devicePixelRatioF()));  // one screen pixel
  painter.setPen(pen);
  painter.setBrush(fill_ ? QBrush(ScreenColor(*fill_, palette())) : QBrush(Qt::NoBrush));
  const QRectF box = OutlineBox();
  switch (kind_) {
    case ShapeKind::Rectangle:
      painter.drawRect(box);
      break;
    case ShapeKind::Oval:
      painter.setRenderHint(QPainter::Antialiasing);
      painter.drawEllipse(box.adjusted(0.5, 0.5, -0.5, -0.5));
      break;
    case ShapeKind::RoundedRectangle: {
      const double radius = std::min(box.width(), box.height()) / 6.0;
      painter.setRenderHint(QPainter::Antialiasing);
      painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
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
