#include "ui/canvas/quarter_overlay.h"

#include <QStringList>

#include "ui/canvas/canvas_painter.h"
#include "ui/canvas/canvas_plan.h"

namespace tvk {

namespace {

constexpr int kFillAlpha = 56;
constexpr int kShortAlpha = 96;
// Room kept between a horizontal label and the band's sides (cm).
constexpr double kLabelRoom = 0.2;

// The name and 充足率 centred in the band, the note on a line below; a label wider than a
// tall band runs upwards along it.
void Label(CanvasPainter& canvas, const QuarterOverlay::Shown& s, const QuarterBandLook& look) {
  QStringList lines{QString::fromStdString(s.band.text)};
  if (!s.band.note.empty()) lines << QString::fromStdString(s.band.note);
  const CmSize size = CanvasPainter::MeasureText(lines.join('\n'), kQuarterLabelSize, look.bold);
  const double line = size.height / double(lines.size());
  const QPointF centre = (s.low + s.high) / 2;
  const double wide = s.high.x() - s.low.x();
  const bool upwards = size.width + kLabelRoom > wide && s.high.y() - s.low.y() > wide;
  for (int k = 0; k < lines.size(); ++k) {
    const double w = CanvasPainter::MeasureText(lines[k], kQuarterLabelSize, look.bold).width;
    if (upwards) {
      canvas.RotatedText(centre.x() - size.height / 2 + k * line, centre.y() - w / 2, lines[k], look.text,
                         kQuarterLabelSize, look.bold, 90);
    } else {
      canvas.Text(centre.x() - w / 2, centre.y() + size.height / 2 - k * line, lines[k], look.text, kQuarterLabelSize,
                  look.bold);
    }
  }
}

}  // namespace

QuarterBandLook QuarterLook(Dir d, ReadoutState state) {
  switch (state) {
    case ReadoutState::Short:
      return {QColor(255, 40, 40, kShortAlpha), QColor(255, 80, 80), QColor(255, 96, 96), true};
    case ReadoutState::Unknown:
      return {QColor(160, 160, 160, kFillAlpha), QColor(160, 160, 160), QColor(200, 200, 200), false};
    case ReadoutState::Met:
      break;
  }
  const QColor hue = d == Dir::X ? QColor(255, 255, 120) : QColor(120, 255, 255);
  QColor fill = hue;
  fill.setAlpha(kFillAlpha);
  return {fill, hue, QColor(255, 255, 255), false};
}

void QuarterOverlay::Show(const std::vector<QuarterBand>& bands, double scale) {
  shown_.clear();
  for (const QuarterBand& band : bands) {
    shown_.push_back({band, PlanToPage(band.x1, band.y1, scale), PlanToPage(band.x2, band.y2, scale)});
  }
}

void QuarterOverlay::Paint(CanvasPainter& canvas) const {
  for (const Shown& s : shown_) {
    const QuarterBandLook look = QuarterLook(s.band.d, s.band.state);
    canvas.Box(s.low.x(), s.low.y(), s.high.x(), s.high.y(), CanvasPen{Qt::DashLine, 1, look.outline},
               CanvasFill{Qt::SolidPattern, look.fill});
  }
  for (const Shown& s : shown_) Label(canvas, s, QuarterLook(s.band.d, s.band.state));
}

}  // namespace tvk
