// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

#include "stripewise_ui/look.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>
#include <cmath>

// Resources of a static library are registered by hand, once.
static void RegisterResources() { Q_INIT_RESOURCE(stripewise); }

namespace stripewise::ui {

QRect PixelBox(int left, int top, int width, int height) {
  const auto edge = [](int twips) { return static_cast<int>(std::lround(Pixels(twips))); };
  return QRect(QPoint(edge(left), edge(top)),
               QPoint(edge(left + width) - 1, edge(top + height) - 1));
}

QColor ScreenColor(ColorValue value, const QPalette& palette) {
  if ((value & 0x80000000u) == 0) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
  }
  switch (value & 0xFF) {
    case 0x04:
      return palette.color(QPalette::Active, QPalette::Window);  // menu
    case 0x05:
      return palette.color(QPalette::Active, QPalette::Base);
    case 0x08:
      return palette.color(QPalette::Active, QPalette::Text);
    case 0x12:
      return palette.color(QPalette::Active, QPalette::ButtonText);
    case 0x0F:
    default:
      return palette.color(QPalette::Active, QPalette::Button);
  }
}

QColor PartnerColor(ColorValue system, const QPalette& palette) {
  // The theme is the platform's palette, whatever this control's ground.
  const QPalette theme = QGuiApplication::palette();
  const bool dark = theme.color(QPalette::Active, QPalette::Window).lightness() <
                    theme.color(QPalette::Active, QPalette::WindowText).lightness();
  if (!dark) return ScreenColor(system, palette);
  switch (system & 0xFF) {
    case 0x05:
      return Qt::white;  // window background
    case 0x08:
    case 0x12:
      return Qt::black;  // window and button text
    default:
      return QColor(0xF0, 0xF0, 0xF0);  // button face and menu
  }
}

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont ControlFont(double points, bool bold, bool underline) {
  QFont font(kFontFace);
  font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
  font.setBold(bold);
  font.setUnderline(underline);
  return font;
}

void EnsureResources() {
  static const bool kRegistered = (RegisterResources(), true);
  (void)kRegistered;
}

QImage ReadResource(const char* path, const char* format) {
  EnsureResources();
  QImageReader reader(path, format);
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

bool OnWayland() { return QGuiApplication::platformName().startsWith("wayland"); }

QIcon AppIcon() {
  QIcon icon;  // Qt's own PNG reader: no image plugin at start
  for (const char* file : {":/stripewise/bulb-16.png", ":/stripewise/bulb-32.png"}) {
    icon.addPixmap(QPixmap::fromImage(ReadResource(file, "png")));
  }
  if (!OnWayland()) return icon;
  // Qt's own title bar on Wayland draws the bulb at the screen's scale.
  for (const char* file : {":/stripewise/bulb-48.png", ":/stripewise/bulb-64.png"}) {
    icon.addPixmap(QPixmap::fromImage(ReadResource(file, "png")));
  }
  return icon;
}

void RegisterFontFallback() {
  if (!QFontDatabase::hasFamily(kFontFace)) QFont::insertSubstitution(kFontFace, "DejaVu Sans");
}

}  // namespace stripewise::ui
