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
  CanvasFill fill{Qt::SolidPattern, greyed ? GreyB() : CanvasColour(kPalBlue)};
  if (kind == FloorCell::Void) fill = CanvasFill{Qt::DiagCrossPattern, greyed ? GreyA() : CanvasColour(kPalLightBlue)};
  const QPointF a = plan.At(i, j, plan.style.storey);
  const QPointF c = plan.At(i + 1, j + 1, plan.style.storey);
  canvas.Box(a.x(), a.y(), c.x(), c.y(), CanvasPen{Qt::SolidLine, 1, Qt::black}, fill);
}

void DrawBeams(CanvasPainter& canvas, const CanvasPlan& plan, int i, int j) {
  const int level = plan.style.storey + 1;
  const QColor colour = plan.Greyed(Category::Beam) ? GreyA() : CanvasColour(kPalLightMagenta);
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
    canvas.Line(a.x(), a.y(), b.x(), b.y(), CanvasPen{Qt::DotLine, 1, CanvasColour(kPalLightGreen)});
  }
}

// The columns of the storey, kept as the points are visited and drawn afterwards.
class ColumnDrawing {
 public:
  explicit ColumnDrawing(const CanvasPlan& plan) : plan_(plan) {}
  void Add(int i, int j) {
    const ColumnKind kind = plan_.building.Point(i, j, plan_.style.storey).Column.ColKind;
    if (kind != ColumnKind::Storey && kind != ColumnKind::Through) return;
    QColor colour = CanvasColour(kind == ColumnKind::Storey ? kPalYellow : kPalLightCyan);
    if (plan_.Greyed(Category::Column)) colour = GreyA();
    columns_.emplace_back(plan_.At(i, j, plan_.style.storey), colour);
  }
  void Draw(CanvasPainter& canvas) const {
    const double half = plan_.Screen(kColumnSide) / 2;
    for (const auto& [c, colour] : columns_) {
      canvas.Box(c.x() - half, c.y() - half, c.x() + half, c.y() + half, CanvasPen{Qt::SolidLine, 1, colour},
                 CanvasFill{Qt::SolidPattern, colour});
    }
  }

 private:
  const CanvasPlan& plan_;
  std::vector<std::pair<QPointF, QColor>> columns_;
};

// The dots of the main grid intersections (white) or of the others (green). Dots lie on
// points of their own, so drawing the two kinds apart changes nothing but the pen.
void DrawGridDot(CanvasPainter& canvas, const CanvasPlan& plan, int i, int j, bool mainDots) {
  const int divisions = plan.building.Divisions();
  if ((MainLine(i, divisions) && MainLine(j, divisions)) != mainDots) return;
  const QPointF c = plan.At(i, j, plan.style.storey);
  canvas.Point(c.x(), c.y(), CanvasColour(mainDots ? kPalWhite : kPalGreen));
}

template <typename PerPoint>
void ForEachPoint(const GridRect& points, PerPoint perPoint) {
  for (int j = points.y1; j <= points.y2; ++j) {
    for (int i = points.x1; i <= points.x2; ++i) perPoint(i, j);
  }
}

void AddWalls(WallDrawing& walls, const Building& b, int i, int j) {
  for (const Dir d : kDirs) {
    if (HasSegment(b, i, j, d)) walls.Add(i, j, d);
  }
}

QString NameOf(const std::vector<std::string>& names, int index) {
  return index <= int(names.size()) ? QString::fromStdString(names[size_t(index - 1)]) : QString();
}

}  // namespace

void DrawCanvasLineNames(CanvasPainter& canvas, const CanvasPlan& plan) {
  const Building& b = plan.building;
  const QColor colour = CanvasColour(plan.style.deleteMode ? kPalLightRed : kPalWhite);
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

GridRect AllPoints(const Building& building) { return GridRect{1, 1, building.PointsX(), building.PointsY()}; }

void DrawCanvasPlan(CanvasPainter& canvas, const CanvasPlan& plan, const GridRect& points) {
  const Building& b = plan.building;
  DrawCanvasLineNames(canvas, plan);
  // The storey's points are read once; walls and columns are drawn when their turn comes.
  WallDrawing walls(plan, plan.style.storey, plan.Greyed(Category::Wall));
  ColumnDrawing columns(plan);
  ForEachPoint(points, [&](int i, int j) {
    DrawFloorCell(canvas, plan, i, j);
    AddWalls(walls, b, i, j);
    columns.Add(i, j);
  });
  walls.Draw(canvas);
  const int other = plan.style.otherWallsStorey;
  if (other >= 1 && other <= b.Storeys() && other != plan.style.storey) {
    WallDrawing otherWalls(plan, other, false);
    ForEachPoint(points, [&](int i, int j) { AddWalls(otherWalls, b, i, j); });
    otherWalls.Draw(canvas);
  }
  // A beam and the outline meet where a segment ends: they keep the order point by point.
  ForEachPoint(points, [&](int i, int j) {
    DrawBeams(canvas, plan, i, j);
    DrawOtherFloorOutline(canvas, plan, i, j);
  });
  columns.Draw(canvas);
  for (const bool mainDots : {false, true}) {
    ForEachPoint(points, [&](int i, int j) { DrawGridDot(canvas, plan, i, j, mainDots); });
  }
}

}  // namespace tvk
