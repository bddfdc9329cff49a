// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// Lightweight controls that Qt has no widget for: shapes with an outline and
// a solid fill, and straight lines.

#include <stripewise/band_tables.h>

#include <QPoint>
#include <QWidget>
#include <optional>

namespace stripewise::ui {

enum class ShapeKind { Rectangle, Oval, RoundedRectangle };

// A shape filling its box: a one-pixel outline and, when it has one, a solid
// fill that can change at run time. Transparent elsewhere.
class ShapeWidget : public QWidget {
 public:
  ShapeWidget(ShapeKind kind, ColorValue outline, std::optional<ColorValue> fill, QWidget* parent);

  // Sets the fill colour; repaints at once when it changes.
  void SetFill(ColorValue fill);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRectF OutlineBox() const;

  ShapeKind kind_;
  ColorValue outline_;
  std::optional<ColorValue> fill_;
};

// A straight line between two points given in twips of the parent, drawn in
// the window-text colour with a width in pixels.
class LineWidget : public QWidget {
 public:
  LineWidget(QPoint from_twips, QPoint to_twips, int width_pixels, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPointF from_;  // in this widget's pixels
  QPointF to_;
  int width_;
};

}  // namespace stripewise::ui
