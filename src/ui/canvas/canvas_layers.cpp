#include "ui/canvas/canvas_layers.h"

#include "ui/canvas/canvas_painter.h"
#include "ui/canvas/canvas_plan.h"
#include "ui/canvas/canvas_walls.h"
#include "ui/canvas/palette16.h"

namespace tvk {
namespace {

constexpr double kNameFontSize = 10;
constexpr double kColumnSide = 0.15;  // cm at zoom 1
constexpr double kBeamShift = 0.03;   // cm at zoom 1: X beams down, Y beams right

// Main grid lines: every GridDivisions-th line, starting with the first.
bool MainLine(int index, int divisions) { return divisions <= 1 || index % divisions == 1; }

// Whether a unit segment along d leaves point (i, j) inside the grid.
bool HasSegment(const Building& b, int i, int j, Dir d) { return d == Dir::X ? i <= b.SpansX() : j <= b.SpansY(); }

QPointF Next(const CanvasPlan& plan, int i, int j, int level, Dir d) {
  return d == Dir::X ? plan.At(i + 1, j, level) : plan.At(i, j + 1, level);
}

void DrawFloorCell(CanvasPainter& canvas, const CanvasPlan& plan, int i, int j) {
  const Building& b = plan.building;
  if (i > b.SpansX() || j > b.SpansY()) return;
  const FloorCell kind = b.Point(i, j, plan.style.storey).FloorKind;
  if (kind != FloorCell::Slab && kind != FloorCell::Void) return;
  const bool greyed = plan.Greyed(Category::Floor);
  CanvasFill fill{Qt::SolidPattern, greyed ? GreyB() : PaletteColor(kPalBlue)};
  if (kind == FloorCell::Void) fill = CanvasFill{Qt::DiagCrossPattern, greyed ? GreyA() : PaletteColor(kPalLightBlue)};
  const QPointF a = plan.At(i, j, plan.style.storey);
  const QPointF c = plan.At(i + 1, j + 1, plan.style.storey);
  canvas.Box(a.x(), a.y(), c.x(), c.y(), CanvasPen{Qt::SolidLine, 1, Qt::black}, fill);
}

void DrawWalls(CanvasPainter& canvas, const CanvasPlan& plan, int i, int j, int level, bool greyed) {
  for (const Dir d : kDirs) {
    if (HasSegment(plan.building, i, j, d)) DrawCanvasWallSlots(canvas, plan, i, j, level, d, greyed);
  }
}

void DrawBeams(CanvasPainter& canvas, const CanvasPlan& plan, int i, int j) {
  const int level = plan.style.storey + 1;
  const QColor colour = plan.Greyed(Category::Beam) ? GreyA() : PaletteColor(kPalLightMagenta);
  const double shift = plan.Screen(kBeamShift);
  for (const Dir d : kDirs) {
    if (!HasSegment(plan.building, i, j, d) || plan.building.Point(i, j, level).beam(d).BeamKind <= 0) continue;
    const QPointF offset = d == Dir::X ? QPointF(0, -shift) : QPointF(shift, 0);
    const QPointF a = plan.At(i, j, level) + offset;
    const QPointF b = Next(plan, i, j, level, d) + offset;
    canvas.Line(a.x(), a.y(), b.x(), b.y(), CanvasPen{Qt::SolidLine, 1, colour});
  }
}

// Floor outline of the other storey (level 2 under storey 1, level 1 under storey 2).
void DrawOtherFloorOutline(CanvasPainter& canvas, const CanvasPlan& plan, int i, int j) {
  const int level = plan.style.storey == 1 ? 2 : 1;
  for (const Dir d : kDirs) {
    if (!HasSegment(plan.building, i, j, d) || plan.building.Point(i, j, level).FloorEdge[d] == 0) continue;
    const QPointF a = plan.At(i, j, level);
    const QPointF b = Next(plan, i, j, level, d);
    canvas.Line(a.x(), a.y(), b.x(), b.y(), CanvasPen{Qt::DotLine, 1, PaletteColor(kPalLightGreen)});
  }
}

void DrawColumn(CanvasPainter& canvas, const CanvasPlan& plan, int i, int j) {
  const ColumnKind kind = plan.building.Point(i, j, plan.style.storey).Column.ColKind;
  if (kind != ColumnKind::Storey && kind != ColumnKind::Through) return;
  QColor colour = PaletteColor(kind == ColumnKind::Storey ? kPalYellow : kPalLightCyan);
  if (plan.Greyed(Category::Column)) colour = GreyA();
  const QPointF c = plan.At(i, j, plan.style.storey);
  const double half = plan.Screen(kColumnSide) / 2;
  canvas.Box(c.x() - half, c.y() - half, c.x() + half, c.y() + half, CanvasPen{Qt::SolidLine, 1, colour},
             CanvasFill{Qt::SolidPattern, colour});
}

void DrawGridDot(CanvasPainter& canvas, const CanvasPlan& plan, int i, int j) {
  const int divisions = plan.building.Divisions();
  const bool main = MainLine(i, divisions) && MainLine(j, divisions);
  const QPointF c = plan.At(i, j, plan.style.storey);
  canvas.Point(c.x(), c.y(), PaletteColor(main ? kPalWhite : kPalGreen));
}

template <typename PerPoint>
void ForEachPoint(const Building& b, PerPoint perPoint) {
  for (int j = 1; j <= b.PointsY(); ++j) {
    for (int i = 1; i <= b.PointsX(); ++i) perPoint(i, j);
  }
}

QString NameOf(const std::vector<std::string>& names, int index) {
  return index <= int(names.size()) ? QString::fromStdString(names[size_t(index - 1)]) : QString();
}

}  // namespace

void DrawCanvasLineNames(CanvasPainter& canvas, const CanvasPlan& plan) {
  const Building& b = plan.building;
  const QColor colour = PaletteColor(plan.style.deleteMode ? kPalLightRed : kPalWhite);
  const CmSize a = CanvasPainter::Measure(kNameFontSize);
  const int level = plan.style.storey;
  const double top = plan.At(1, b.PointsY(), level).y() + 1.5 + 1.2 * a.height;
  for (int i = 1; i <= b.PointsX(); ++i) {
    const QString name = NameOf(b.Settings.LineNamesX, i);
    if (!MainLine(i, b.Divisions()) || name.isEmpty()) continue;
    const double x = plan.At(i, 1, level).x() - CanvasPainter::MeasureText(name, kNameFontSize).width / 2;
    canvas.Text(x, 2 * a.height, name, colour, kNameFontSize);
    canvas.Text(x, top, name, colour, kNameFontSize);
  }
  const double right = plan.At(b.PointsX(), 1, level).x() + 2.8 * a.width;
  for (int j = 1; j <= b.PointsY(); ++j) {
    const QString name = NameOf(b.Settings.LineNamesY, j);
    if (!MainLine(j, b.Divisions()) || name.isEmpty()) continue;
    const double y = plan.At(1, j, level).y() + a.height / 2;
    canvas.Text(a.width, y, name, colour, kNameFontSize);
    canvas.Text(right, y, name, colour, kNameFontSize);
  }
}

void DrawCanvasStoreyWalls(CanvasPainter& canvas, const CanvasPlan& plan, int storey) {
  ForEachPoint(plan.building, [&](int i, int j) { DrawWalls(canvas, plan, i, j, storey, false); });
}

void DrawCanvasPlan(CanvasPainter& canvas, const CanvasPlan& plan) {
  const Building& b = plan.building;
  DrawCanvasLineNames(canvas, plan);
  const bool wallsGreyed = plan.Greyed(Category::Wall);
  ForEachPoint(b, [&](int i, int j) {
    DrawFloorCell(canvas, plan, i, j);
    DrawWalls(canvas, plan, i, j, plan.style.storey, wallsGreyed);
  });
  const int other = plan.style.otherWallsStorey;
  if (other >= 1 && other <= b.Storeys() && other != plan.style.storey) DrawCanvasStoreyWalls(canvas, plan, other);
  ForEachPoint(b, [&](int i, int j) {
    DrawBeams(canvas, plan, i, j);
    DrawOtherFloorOutline(canvas, plan, i, j);
    DrawColumn(canvas, plan, i, j);
    DrawGridDot(canvas, plan, i, j);
  });
}

}  // namespace tvk
