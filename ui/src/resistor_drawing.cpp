// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_ui/resistor_drawing.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "stripewise_ui/band_paint.h"
#include "stripewise_ui/band_roles.h"

namespace stripewise::ui {
namespace {

// The drawing's grid, in logical pixels at scale 1.
constexpr double kWidth = 480, kHeight = 120;
constexpr QRectF kBody(60, 20, 360, 80);
constexpr double kBandWidth = 44, kStep = 56, kToleranceGap = 30;  // extra gap before tolerance
const QColor kBodyColour(0xE6, 0xD0, 0xA4);
const QColor kBodyOutline(0x7A, 0x62, 0x3C);
const QColor kLeadColour(0x9A, 0x9A, 0x9A);

// The font at `pixels` or, where the text is wider than `width`, smaller
// until it fits.
QFont Fitted(QFont font, const QString& text, double width, int pixels, bool bold) {
  font.setBold(bold);
  for (font.setPixelSize(pixels); pixels > 7; font.setPixelSize(--pixels)) {
    if (QFontMetricsF(font).horizontalAdvance(text) <= width) break;
  }
  return font;
}

}  // namespace

ResistorDrawing::ResistorDrawing(QWidget* parent) : QWidget(parent) {
  setObjectName("Drawing");
  setFocusPolicy(Qt::NoFocus);  // the band lists take the keyboard
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  setCursor(Qt::PointingHandCursor);
}

void ResistorDrawing::SetBands(std::vector<codes::Colour> bands) {
  if (bands == bands_) return;
  bands_ = std::move(bands);
  update();
}

QSize ResistorDrawing::sizeHint() const {
  return {static_cast<int>(kWidth), static_cast<int>(kHeight)};
}

QSize ResistorDrawing::minimumSizeHint() const {
  return {static_cast<int>(kWidth * 0.75), static_cast<int>(kHeight * 0.75)};
}

double ResistorDrawing::Scale() const { return std::min(width() / kWidth, height() / kHeight); }

QPointF ResistorDrawing::Origin() const {
  return {(width() - kWidth * Scale()) / 2, (height() - kHeight * Scale()) / 2};
}

QRectF ResistorDrawing::GridBox(std::size_t index) const {
  const std::size_t count = bands_.size();
  if (count == 1)
    return {kBody.center().x() - kBandWidth / 2, kBody.top(), kBandWidth, kBody.height()};
  // The bands before the tolerance band side by side, then the gap.
  const double span =
      kStep * static_cast<double>(count - 1) + kBandWidth + (count >= 4 ? kToleranceGap : 0);
  double left = kBody.center().x() - span / 2 + kStep * static_cast<double>(index);
  if (count >= 4 && RoleOf(index, count) != BandRole::Digit &&
      RoleOf(index, count) != BandRole::Multiplier) {
    left += kToleranceGap;
  }
  return {left, kBody.top(), kBandWidth, kBody.height()};
}

QRectF ResistorDrawing::BandBox(std::size_t index) const {
  const QRectF grid = GridBox(index);
  const double scale = Scale();
  return {Origin() + grid.topLeft() * scale, grid.size() * scale};
}

std::optional<std::size_t> ResistorDrawing::BandAt(QPointF point) const {
  for (std::size_t i = 0; i < bands_.size(); ++i) {
    if (BandBox(i).contains(point)) return i;
  }
  return std::nullopt;
}

void ResistorDrawing::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (const std::optional<std::size_t> band = BandAt(event->position())) {
    emit BandClicked(static_cast<int>(*band), event->globalPosition().toPoint());
  }
}

void ResistorDrawing::PaintBand(QPainter& painter, std::size_t index) const {
  const codes::Colour colour = bands_[index];
  const QRectF box = GridBox(index);
  const BandPaint paint = PaintOf(colour);
  // A metal: light at the top, dark at the bottom, each a fifth of the band
  // in its pure colour, with the sheen between.
  QLinearGradient sheen(box.topLeft(), box.bottomLeft());
  sheen.setColorAt(0, paint.light);
  sheen.setColorAt(0.2, paint.light);
  sheen.setColorAt(0.8, paint.dark);
  sheen.setColorAt(1, paint.dark);
  painter.fillRect(box, sheen);
  // What the band means and its letters, in black or white, each within
  // the band.
  painter.setPen(TextColourOn(colour));
  const QString meaning = MeaningOf(RoleOf(index, bands_.size()), colour);
  const QRectF upper(box.left(), box.center().y() - 18, box.width(), 18);
  painter.setFont(Fitted(painter.font(), meaning, box.width() - 4, 13, true));
  painter.drawText(upper, Qt::AlignCenter, meaning);
  painter.setFont(Fitted(painter.font(), LetterCode(colour), box.width() - 4, 12, false));
  painter.drawText(upper.translated(0, 18), Qt::AlignCenter, LetterCode(colour));
}

void ResistorDrawing::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.translate(Origin());
  painter.scale(Scale(), Scale());
  painter.setPen(QPen(kLeadColour, 4, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(4, kHeight / 2), QPointF(kWidth - 4, kHeight / 2));
  QPainterPath body;
  body.addRoundedRect(kBody, 18, 18);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kBodyColour);
  painter.drawPath(body);
  painter.save();
  painter.setClipPath(body);  // the bands end where the body does
  for (std::size_t i = 0; i < bands_.size(); ++i) PaintBand(painter, i);
  painter.restore();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kBodyOutline, 1.5));
  painter.drawPath(body);
}

}  // namespace stripewise::ui
