#include "report/figures/cross_beam_diagram.h"

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
constexpr double kHeightCm = 4.4;

QPointF At(double xCm, double yCm) { return {xCm * kPxPerCm, yCm * kPxPerCm}; }
double Px(double cm) { return cm * kPxPerCm; }

// Plan of the example: x of the two orthogonal beams, y of their ends and of the small beam.
constexpr double kLeftBeam = 1.6;
constexpr double kRightBeam = 7.6;
constexpr double kTopEnd = 0.6;
constexpr double kBottomEnd = 3.8;
constexpr double kSmallBeam = 2.2;
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
  const double top = 0.8, pitch = 0.65;
  LowerColumn(p, x, top);
  UpperColumn(p, x, top + pitch);
  Beam(p, x - 0.3, top + 2 * pitch, x + 0.3, top + 2 * pitch, 0.08, Qt::SolidLine);
  Beam(p, x - 0.3, top + 3 * pitch, x + 0.3, top + 3 * pitch, 0.045, Qt::SolidLine);
  Flow(p, {QPointF(x - 0.3, top + 4 * pitch), QPointF(x + 0.3, top + 4 * pitch)});
  p.setPen(Qt::black);
  const char16_t* const labels[] = {u"１階柱", u"２階柱", u"２階床梁", u"２階小梁", u"引抜き力"};
  for (int k = 0; k < 5; ++k) Label(p, x + 0.5, top + k * pitch + 0.13, QString::fromUtf16(labels[k]), 8);
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
