// The plan of the quarter check: the side strips of both directions hatched over the
// floors, the quarter lines dashed, the strip widths right of and above the plan.
#include "model/building.h"
#include "model/number_format.h"
#include "report/figures/check_plan_frame.h"
#include "report/figures/check_plans.h"
#include "report/figures/figure_draw.h"
#include "report/surface/page_primitives.h"

namespace tvk {

namespace {

constexpr int kStripColor = 8;  // dark grey
constexpr int kFillAlongX = 6;  // "／": strips of force along X
constexpr int kFillAlongY = 5;  // "＼": strips of force along Y
constexpr int kPenDash = 1;
constexpr int kQuarterPen = 5;
constexpr int kDimensionPen = 3;
constexpr double kDimensionGap = 0.35;  // between the plan's edge and a dimension line
constexpr double kTick = 0.08;
constexpr double kTextGap = 0.05;

struct QuarterFigure {
  const CheckPlanFrame& frame;
  const StoreyPlan& plan;
  const QuarterStorey& quarters;

  const QuarterDirection& Quarters(Dir d) const { return quarters.dir[d]; }
  // Page point of a plan point given in metres from grid line 1.
  PagePoint At(double x, double y) const {
    const PointCoord& origin = frame.plan.building.Coord(1, 1, 1);
    return frame.plan.t.Map(origin.x + x, origin.y + y);
  }
  // The storey's extent along d (metres from line 1): the length of d's strips.
  std::pair<double, double> Along(Dir d) const {
    const CellRange& r = plan.extent[d];
    return {(r.first - 1) * plan.cellSide, r.last * plan.cellSide};
  }
  // A rectangle from position a to b along d and from to across it.
  PageBox Box(Dir d, double a, double b, double from, double to) const {
    const PagePoint p = d == Dir::X ? At(a, from) : At(from, a);
    const PagePoint q = d == Dir::X ? At(b, to) : At(to, b);
    return {std::min(p.x, q.x), std::min(p.y, q.y), std::abs(q.x - p.x), std::abs(q.y - p.y)};
  }
};

QString StripName(Dir d, const QuarterStrip& strip) {
  return (d == Dir::X ? QStringLiteral("Ｘ方向 ") : QStringLiteral("Ｙ方向 ")) +
         QString::fromUtf8(QuarterSideName(d, strip.low));
}

void DrawStrips(PageSurface& surface, const QuarterFigure& f) {
  const QColor grey = PaletteColor(kStripColor);
  for (const Dir d : kDirs) {
    const auto [a, b] = f.Along(d);
    if (b <= a) continue;
    for (const QuarterStrip& strip : f.Quarters(d).strips) {
      const PageBox box = f.Box(d, a, b, strip.from, strip.to);
      PageRect(surface, box.x, box.y, box.w, box.h, kPenNone, 0, grey, grey, d == Dir::X ? kFillAlongX : kFillAlongY);
    }
    // The quarter lines: the inner edges of the strips.
    for (const double at : {f.Quarters(d).strips[0].to, f.Quarters(d).strips[1].from}) {
      const PagePoint p = d == Dir::X ? f.At(a, at) : f.At(at, a);
      const PagePoint q = d == Dir::X ? f.At(b, at) : f.At(at, b);
      PageLine(surface, p.x, p.y, q.x, q.y, kPenDash, kQuarterPen, grey);
    }
  }
}

void DrawStripNames(PageSurface& surface, const QuarterFigure& f, LabelPlacer& labels) {
  const FigText style{kFigLabelFace, double(f.frame.plan.fonts.planMultiplier)};
  for (const Dir d : kDirs) {
    const auto [a, b] = f.Along(d);
    if (b <= a) continue;
    for (const QuarterStrip& strip : f.Quarters(d).strips) {
      const QString text = StripName(d, strip);
      const QSizeF size = MeasureFigText(surface, style, text);
      std::vector<PageBox> spots;
      // Along the strip from its middle outwards.
      for (const double k : {0.5, 0.3, 0.7, 0.15, 0.85}) {
        const PagePoint c = d == Dir::X ? f.At(a + k * (b - a), (strip.from + strip.to) / 2)
                                        : f.At((strip.from + strip.to) / 2, a + k * (b - a));
        spots.push_back({c.x - size.width() / 2, c.y - size.height() / 2, size.width(), size.height()});
      }
      // A strip crowded with walls keeps its hatch and the legend without a name.
      if (const std::optional<PageBox> box = PlaceInRoom(f.frame, labels, spots)) {
        DrawFigLabel(surface, style, *box, text);
      }
    }
  }
}

// The widths of the three parts of the extent across d: right of the plan for d = X
// (texts turned to run upwards), above it for d = Y.
void DrawDimensions(PageSurface& surface, const QuarterFigure& f, Dir d, LabelPlacer& labels) {
  const QuarterDirection& q = f.Quarters(d);
  const double marks[] = {q.strips[0].from, q.strips[0].to, q.strips[1].from, q.strips[1].to};
  if (marks[3] <= marks[0]) return;
  const FigText style{kFigLabelFace, double(f.frame.plan.fonts.planMultiplier)};
  const QColor black = PaletteColor(kFigBlack);
  const bool right = d == Dir::X;
  const double line = right ? f.frame.right + kDimensionGap : f.frame.top - kDimensionGap;
  auto at = [&](double m) { return right ? f.At(0, m).y : f.At(m, 0).x; };
  auto segment = [&](double from, double to, double across1, double across2) {
    if (right) return PageLine(surface, across1, from, across2, to, kPenSolid, kDimensionPen, black);
    PageLine(surface, from, across1, to, across2, kPenSolid, kDimensionPen, black);
  };
  segment(at(marks[0]), at(marks[3]), line, line);
  for (const double m : marks) segment(at(m), at(m), line - kTick, line + kTick);
  // Each width beside its part of the line; a row further out when a narrow part's
  // neighbour took the place.
  for (int k = 0; k < 3; ++k) {
    const QString text = QString::fromStdString(FormatFixed(marks[k + 1] - marks[k], 3));
    const QSizeF size = MeasureFigText(surface, style, text);
    const double centre = (at(marks[k]) + at(marks[k + 1])) / 2;
    const double out = kTextGap + size.height();
    const PageBox spot = right ? PageBox{line + kTextGap, centre - size.width() / 2, size.height(), size.width()}
                               : PageBox{centre - size.width() / 2, line - out, size.width(), size.height()};
    const PageBox further =
        right ? PageBox{spot.x + out, spot.y, spot.w, spot.h} : PageBox{spot.x, spot.y - out, spot.w, spot.h};
    if (const std::optional<PageBox> box = PlaceInRoom(f.frame, labels, {spot, further})) {
      DrawFigText(surface, style, right ? PagePoint{box->x, box->bottom()} : PagePoint{box->x, box->y}, text,
                  right ? 90 : 0);
    }
  }
}

void HatchSymbol(PageSurface& surface, const PageBox& box, int fill) {
  const QColor grey = PaletteColor(kStripColor);
  PageRect(surface, box.x, box.y, box.w, box.h, kPenSolid, 1, grey, grey, fill);
}

}  // namespace

QString QuarterPlanTitle(int storey) {
  const QString n = QString::number(storey);
  return "(" + n + ") " + n + QStringLiteral(" 階 側端部の範囲 (四分割法)");
}

double DrawQuarterPlan(PageSurface& surface, const Building& building, const StoreyPlan& plan,
                       const QuarterStorey& quarters, double y, const FigureFonts& fonts) {
  const SurfaceState saved = surface.State();
  const CheckPlanFrame frame = StartCheckPlan(surface, building, plan.storey, y, QuarterPlanTitle(plan.storey), fonts);
  const QuarterFigure figure{frame, plan, quarters};
  LabelPlacer labels;
  DrawCheckPlanLayers(surface, frame, labels, [&] { DrawStrips(surface, figure); });
  DrawStripNames(surface, figure, labels);
  DrawDimensions(surface, figure, Dir::X, labels);
  DrawDimensions(surface, figure, Dir::Y, labels);

  double legend = DrawCheckLegendRow(
      surface, frame, frame.legendY, [&](const PageBox& box) { HatchSymbol(surface, box, kFillAlongX); },
      QStringLiteral("：Ｘ方向加力の側端部 (下側・上側)"));
  legend = DrawCheckLegendRow(
      surface, frame, legend, [&](const PageBox& box) { HatchSymbol(surface, box, kFillAlongY); },
      QStringLiteral("：Ｙ方向加力の側端部 (左側・右側)"));
  legend = DrawCheckLegendRow(
      surface, frame, legend,
      [&](const PageBox& box) {
        const double yc = box.y + box.h / 2;
        PageLine(surface, box.x, yc, box.right(), yc, kPenDash, kQuarterPen, PaletteColor(kStripColor));
      },
      QStringLiteral("：側端部の境界 (平面を四等分する線)　寸法の単位は m"));
  surface.SetState(saved);
  return legend;
}

}  // namespace tvk
