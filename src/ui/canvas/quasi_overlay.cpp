#include "ui/canvas/quasi_overlay.h"

#include "engine/quasi_texts.h"
#include "model/number_format.h"
#include "ui/canvas/canvas_painter.h"
#include "ui/canvas/canvas_plan.h"
#include "ui/canvas/palette16.h"

namespace tvk {

namespace {

// Sizes in cm at zoom 1 (divided by the zoom factor), off the grid line on the side away
// from the braces: clear of the sheathing bar (0.1) and of the column squares at the ends.
constexpr double kSetBack = 0.1725;
constexpr double kBandNear = 0.12;
constexpr double kBandFar = 0.22;
constexpr double kLabelGap = 0.08;
constexpr double kLabelFontSize = 7;

QString LabelOf(const QuasiWall& w) {
  if (w.m) return QString::fromStdString(QuasiMultiplierText(*w.m));
  return QStringLiteral("m0 ") + QString::fromStdString(FormatFixed(w.m0, 1));
}

}  // namespace

QColor QuasiCountedColour() { return QColor(255, 160, 48); }
QColor QuasiLeftOutColour() { return QColor(150, 150, 150); }

void QuasiOverlay::Show(const CanvasPlan& plan, const QuasiWalls& quasi) {
  shown_.clear();
  const int storey = plan.style.storey;
  const bool greyed = plan.Greyed(Category::Wall);
  for (const QuasiWall& w : quasi.walls) {
    if (w.storey != storey) continue;
    const GridPos from = w.Start();
    const GridPos to = GridPos::OnLine(w.d, w.line, w.last + 1);
    if (!plan.building.Contains(to, storey)) continue;
    const QPointF a = plan.At(from.i, from.j, storey);
    const QPointF b = plan.At(to.i, to.j, storey);
    const double back = plan.Screen(kSetBack);
    const double near = plan.Screen(kBandNear);
    const double far = plan.Screen(kBandFar);
    Shown s{w, {}, {}, {}, LabelOf(w), greyed ? GreyA() : (w.Counts() ? QuasiCountedColour() : QuasiLeftOutColour())};
    const CmSize text = CanvasPainter::MeasureText(s.label, kLabelFontSize);
    const double gap = plan.Screen(kLabelGap);
    if (w.d == Dir::X) {
      s.low = QPointF(a.x() + back, a.y() - far);
      s.high = QPointF(b.x() - back, a.y() - near);
      s.labelAt = QPointF((a.x() + b.x() - text.width) / 2, a.y() - far - gap);
    } else {
      s.low = QPointF(a.x() + near, a.y() + back);
      s.high = QPointF(a.x() + far, b.y() - back);
      s.labelAt = QPointF(a.x() + far + gap, (a.y() + b.y() + text.height) / 2);
    }
    shown_.push_back(s);
  }
}

void QuasiOverlay::Paint(CanvasPainter& canvas) const {
  for (const Shown& s : shown_) {
    const Qt::PenStyle outline = s.wall.Counts() ? Qt::SolidLine : Qt::DashLine;
    canvas.Box(s.low.x(), s.low.y(), s.high.x(), s.high.y(), CanvasPen{outline, 1, s.colour},
               CanvasFill{Qt::BDiagPattern, s.colour});
  }
  for (const Shown& s : shown_) canvas.Text(s.labelAt.x(), s.labelAt.y(), s.label, s.colour, kLabelFontSize);
}

}  // namespace tvk
