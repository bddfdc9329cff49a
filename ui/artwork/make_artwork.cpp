// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// Draws the project's artwork and writes it into the folder given:
//   bulb-16.png, bulb-32.png  the window icon, a lit light bulb, 16 colours
//   bulb-48.png, bulb-64.png  the same bulb smoothed, for title bars and
//                             panels at twice the scale
//   bulb.svg                  the same bulb, scalable
//   about.jpg                 the About window's picture: a resistor with its
//                             bands, 142 x 192, progressive JPEG
// The bulb is one list of primitives that both the painter and the SVG writer
// read, so the sizes cannot drift apart.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPolygonF>
#include <QTextStream>
#include <cstdio>
#include <vector>

namespace {

// Colours of the 16-colour palette the icon keeps to.
constexpr QRgb kBlack = 0xFF000000, kOlive = 0xFF808000, kYellow = 0xFFFFFF00, kSilver = 0xFFC0C0C0,
               kGrey = 0xFF808080, kRed = 0xFFFF0000;

struct Primitive {
  enum Kind { Line, Circle, Polygon } kind;
  std::vector<QPointF> points;  // line: two ends; circle: centre; polygon: corners
  double size;                  // line width or circle radius
  QRgb fill;
  QRgb stroke;
};

// The bulb on a 32 x 32 grid: rays, glass, glowing filament, neck, screw base.
std::vector<Primitive> Bulb() {
  std::vector<Primitive> bulb;
  const QPointF rays[][2] = {{{16, 0.5}, {16, 3}},    {{5, 4}, {7, 6}},     {{27, 4}, {25, 6}},
                             {{1, 12}, {4, 12}},      {{31, 12}, {28, 12}}, {{3, 20}, {5.5, 18.5}},
                             {{29, 20}, {26.5, 18.5}}};
  for (const auto& ray : rays) bulb.push_back({Primitive::Line, {ray[0], ray[1]}, 2, 0, kOlive});
  bulb.push_back({Primitive::Circle, {{16, 12.5}}, 8.5, kYellow, kBlack});
  bulb.push_back(
      {Primitive::Polygon, {{11, 18}, {21, 18}, {20, 23}, {12, 23}}, 1, kYellow, kBlack});
  bulb.push_back({Primitive::Line, {{13, 15}, {16, 10}}, 1, 0, kRed});
  bulb.push_back({Primitive::Line, {{16, 10}, {19, 15}}, 1, 0, kRed});
  bulb.push_back(
      {Primitive::Polygon, {{12, 23}, {20, 23}, {20, 28}, {12, 28}}, 1, kSilver, kBlack});
  bulb.push_back({Primitive::Line, {{12, 25.5}, {20, 25.5}}, 1, 0, kGrey});
  bulb.push_back(
      {Primitive::Polygon, {{14, 28}, {18, 28}, {17, 30.5}, {15, 30.5}}, 1, kGrey, kBlack});
  return bulb;
}

void Paint(QPainter& painter, const Primitive& p) {
  QPen pen(QColor::fromRgb(p.stroke), p.kind == Primitive::Line ? p.size : 1);
  pen.setCapStyle(Qt::FlatCap);
  painter.setPen(pen);
  painter.setBrush(p.kind == Primitive::Line ? QBrush() : QBrush(QColor::fromRgb(p.fill)));
  switch (p.kind) {
    case Primitive::Line:
      painter.drawLine(p.points[0], p.points[1]);
      break;
    case Primitive::Circle:
      painter.drawEllipse(p.points[0], p.size, p.size);
      break;
    case Primitive::Polygon:
      painter.drawPolygon(QPolygonF(QList<QPointF>(p.points.begin(), p.points.end())));
      break;
  }
}

// The 16 and 32 pixel ones without anti-aliasing, so that only the
// palette's colours appear; the larger ones smoothed.
QImage BulbImage(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, size > 32);
  painter.scale(size / 32.0, size / 32.0);
  for (const Primitive& p : Bulb()) Paint(painter, p);
  return image;
}

QString SvgColour(QRgb rgb) { return QColor::fromRgb(rgb).name(); }

QString BulbSvg() {
  QString svg;
  QTextStream out(&svg);
  out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" viewBox=\"0 0 32 "
         "32\">\n";
  for (const Primitive& p : Bulb()) {
    if (p.kind == Primitive::Line) {
      out << QString(
                 "  <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke=\"%5\" "
                 "stroke-width=\"%6\"/>\n")
                 .arg(p.points[0].x())
                 .arg(p.points[0].y())
                 .arg(p.points[1].x())
                 .arg(p.points[1].y())
                 .arg(SvgColour(p.stroke))
                 .arg(p.size);
    } else if (p.kind == Primitive::Circle) {
      out << QString("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\" stroke=\"%5\"/>\n")
                 .arg(p.points[0].x())
                 .arg(p.points[0].y())
                 .arg(p.size)
                 .arg(SvgColour(p.fill), SvgColour(p.stroke));
    } else {
      QStringList corners;
      for (const QPointF& c : p.points) corners << QString("%1,%2").arg(c.x()).arg(c.y());
      out << QString("  <polygon points=\"%1\" fill=\"%2\" stroke=\"%3\"/>\n")
                 .arg(corners.join(' '), SvgColour(p.fill), SvgColour(p.stroke));
    }
  }
  out << "</svg>\n";
  return svg;
}

// A resistor standing upright, banded Yellow, Violet, Red, Gold, on white.
QImage AboutImage() {
  QImage image(142, 192, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(96, 96, 96), 4));
  painter.drawLine(QPointF(71, 4), QPointF(71, 188));  // the leads
  painter.setPen(QPen(Qt::black, 1.5));
  painter.setBrush(QColor(222, 196, 150));  // the body
  painter.drawRoundedRect(QRectF(43, 36, 56, 120), 22, 22);
  const QColor bands[] = {QColor(255, 255, 0), QColor(0, 0, 192), QColor(255, 0, 0),
                          QColor(255, 255, 192)};
  const double tops[] = {52, 72, 92, 128};
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < 4; ++i) {
    painter.setBrush(bands[i]);
    painter.drawRect(QRectF(44, tops[i], 54, 12));
  }
  return image;
}

bool SaveJpeg(const QImage& image, const QString& path) {
  QImageWriter writer(path, "jpeg");
  writer.setQuality(90);
  writer.setProgressiveScanWrite(true);
  return writer.write(image);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fputs("usage: make_artwork <folder>\n", stderr);
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  QFile svg(out.filePath("bulb.svg"));
  const bool ok = BulbImage(16).save(out.filePath("bulb-16.png")) &&
                  BulbImage(32).save(out.filePath("bulb-32.png")) &&
                  BulbImage(48).save(out.filePath("bulb-48.png")) &&
                  BulbImage(64).save(out.filePath("bulb-64.png")) &&
                  svg.open(QIODevice::WriteOnly | QIODevice::Text) &&
                  svg.write(BulbSvg().toUtf8()) > 0 &&
                  SaveJpeg(AboutImage(), out.filePath("about.jpg"));
  if (!ok) std::fputs("make_artwork: could not write the artwork\n", stderr);
  return ok ? 0 : 1;
}
