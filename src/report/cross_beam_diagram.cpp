#include "report/cross_beam_diagram.h"

#include <cmath>

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace tvk {

namespace {

constexpr double kDpi = 300;
constexpr double kPxPerCm = kDpi / 2.54;
constexpr double kWidthCm = 12.5;
constexpr double kHeightCm = 5.0;

QPointF At(double xCm, double yCm) { return {xCm * kPxPerCm, yCm * kPxPerCm}; }
double Px(double cm) { return cm * kPxPerCm; }

// Plan of the example: x of the two orthogonal beams, y of their ends and of the small beam.
constexpr double kLeftBeam = 1.6;
constexpr double kRightBeam = 7.6;
constexpr double kTopEnd = 0.7;
constexpr double kBottomEnd = 4.3;
constexpr double kSmallBeam = 2.5;
constexpr double kColumn1 = 3.6;
constexpr double kColumn2 = 5.6;

void Label(QPainter& p, double xCm, double yCm, const QString& text, double pt) {
  QFont font(QStringLiteral("ＭＳ ゴシック"));
  font.setPointSizeF(pt);
  p.setFont(font);
  p.drawText(At(xCm, yCm), text);
}

void LowerColumn(QPainter& p, double x, double y) {
  const double half = 0.14;
  p.fillRect(QRectF(At(x - half, y - half), At(x + half, y + half)), Qt::black);
}

void UpperColumn(QPainter& p, double x, double y) {
  const double half = 0.14;
  p.setBrush(Qt::white);
  p.setPen(QPen(Qt::black, Px(0.035)));
  p.drawRect(QRectF(At(x - half, y - half), At(x + half, y + half)));
  p.setBrush(Qt::NoBrush);
}

void Beam(QPainter& p, double x1, double y1, double x2, double y2, double widthCm, Qt::PenStyle style) {
  p.setPen(QPen(Qt::black, Px(widthCm), style, Qt::FlatCap));
  p.drawLine(At(x1, y1), At(x2, y2));
}

// A dashed path of the pull-out with an arrow head at its end.
void Flow(QPainter& p, const QPolygonF& cm) {
  QPolygonF px;
  for (const QPointF& q : cm) px << At(q.x(), q.y());
  p.setPen(QPen(Qt::darkGray, Px(0.025), Qt::DashLine));
  p.drawPolyline(px);
  const QPointF tip = px.back();
  const QPointF from = px[px.size() - 2];
  QPointF dir = tip - from;
  dir /= std::hypot(dir.x(), dir.y());
  const QPointF normal(-dir.y(), dir.x());
  const double len = Px(0.2), wid = Px(0.08);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::darkGray);
  p.drawPolygon(QPolygonF{tip, tip - dir * len + normal * wid, tip - dir * len - normal * wid});
  p.setBrush(Qt::NoBrush);
}

void DrawPlan(QPainter& p) {
  for (double x : {kLeftBeam, kRightBeam}) Beam(p, x, kTopEnd, x, kBottomEnd, 0.08, Qt::SolidLine);
  Beam(p, kLeftBeam, kSmallBeam, kRightBeam, kSmallBeam, 0.045, Qt::SolidLine);
  Flow(p, {QPointF(kColumn1, kSmallBeam - 0.25), QPointF(kLeftBeam + 0.25, kSmallBeam - 0.25),
           QPointF(kLeftBeam + 0.25, kTopEnd + 0.3)});
  Flow(p, {QPointF(kColumn1, kSmallBeam + 0.25), QPointF(kLeftBeam + 0.25, kSmallBeam + 0.25),
           QPointF(kLeftBeam + 0.25, kBottomEnd - 0.3)});
  Flow(p, {QPointF(kColumn2, kSmallBeam - 0.25), QPointF(kRightBeam - 0.25, kSmallBeam - 0.25),
           QPointF(kRightBeam - 0.25, kTopEnd + 0.3)});
  Flow(p, {QPointF(kColumn2, kSmallBeam + 0.25), QPointF(kRightBeam - 0.25, kSmallBeam + 0.25),
           QPointF(kRightBeam - 0.25, kBottomEnd - 0.3)});
  for (double x : {kLeftBeam, kRightBeam}) {
    LowerColumn(p, x, kTopEnd);
    LowerColumn(p, x, kBottomEnd);
  }
  UpperColumn(p, kColumn1, kSmallBeam);
  UpperColumn(p, kColumn2, kSmallBeam);
  p.setPen(Qt::black);
  Label(p, kColumn1 - 0.17, kSmallBeam - 0.42, QStringLiteral("①"), 9);
  Label(p, kColumn2 - 0.17, kSmallBeam - 0.42, QStringLiteral("②"), 9);
  Label(p, (kColumn1 + kColumn2) / 2 - 0.3, kSmallBeam + 0.7, QStringLiteral("小梁"), 8);
  Label(p, kLeftBeam - 1.45, (kTopEnd + kSmallBeam) / 2 + 0.1, QStringLiteral("直交梁"), 8);
  Label(p, kRightBeam + 0.25, (kTopEnd + kSmallBeam) / 2 + 0.1, QStringLiteral("直交梁"), 8);
}

void DrawLegend(QPainter& p) {
  const double x = 9.3;
  LowerColumn(p, x, 1.0);
  UpperColumn(p, x, 1.8);
  Beam(p, x - 0.3, 2.6, x + 0.3, 2.6, 0.08, Qt::SolidLine);
  Beam(p, x - 0.3, 3.4, x + 0.3, 3.4, 0.045, Qt::SolidLine);
  Flow(p, {QPointF(x - 0.3, 4.2), QPointF(x + 0.3, 4.2)});
  p.setPen(Qt::black);
  Label(p, x + 0.5, 1.13, QStringLiteral("１階柱"), 8);
  Label(p, x + 0.5, 1.93, QStringLiteral("２階柱"), 8);
  Label(p, x + 0.5, 2.73, QStringLiteral("２階床梁"), 8);
  Label(p, x + 0.5, 3.53, QStringLiteral("２階小梁"), 8);
  Label(p, x + 0.5, 4.33, QStringLiteral("引抜き力"), 8);
}

}  // namespace

QImage CrossBeamDiagram() {
  QImage image(static_cast<int>(Px(kWidthCm)), static_cast<int>(Px(kHeightCm)), QImage::Format_RGB32);
  const int dotsPerMetre = static_cast<int>(kDpi / 0.0254 + 0.5);
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, Px(0.02)));
  painter.drawRect(QRectF(At(0.02, 0.02), At(kWidthCm - 0.02, kHeightCm - 0.02)));
  DrawPlan(painter);
  DrawLegend(painter);
  return image;
}

}  // namespace tvk
