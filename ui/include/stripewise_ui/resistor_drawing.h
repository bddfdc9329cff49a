// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#pragma once

// The every-code window's drawing of a resistor: a body with its bands in
// true colours, the gap before the tolerance band wider as on real parts,
// and on each band what it means and its IEC 60757 letters. Painted as
// shapes at any scale; a band clicked or tapped asks for a colour.

#include <stripewise_codes/colours.h>

#include <QWidget>
#include <optional>
#include <vector>

namespace stripewise::ui {

class ResistorDrawing : public QWidget {
  Q_OBJECT

 public:
  explicit ResistorDrawing(QWidget* parent = nullptr);

  // Shows these bands, first band on the left; repaints.
  void SetBands(std::vector<codes::Colour> bands);
  const std::vector<codes::Colour>& Bands() const { return bands_; }

  // Where band `index` lies in the widget.
  QRectF BandBox(std::size_t index) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  // A band was clicked or tapped at `global`, a point of the screen.
  void BandClicked(int index, QPoint global);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // The scale and origin that fit the drawing, drawn on a fixed grid, into
  // the widget.
  double Scale() const;
  QPointF Origin() const;
  // Band `index` on the drawing's own grid.
  QRectF GridBox(std::size_t index) const;
  std::optional<std::size_t> BandAt(QPointF point) const;
  void PaintBand(QPainter& painter, std::size_t index) const;

  std::vector<codes::Colour> bands_;
};

}  // namespace stripewise::ui
