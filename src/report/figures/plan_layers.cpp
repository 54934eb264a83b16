#include "report/figures/plan_layers.h"

#include <algorithm>

#include "engine/wall_members.h"
#include "model/building.h"
#include "model/number_format.h"
#include "report/figures/column_marks.h"
#include "report/figures/figure_draw.h"
#include "report/figures/grid_names.h"
#include "report/figures/plan_symbols.h"
#include "report/surface/page_primitives.h"
#include "report/surface/page_surface.h"

namespace tvk {

namespace {

constexpr int kGridPen = 5;
constexpr int kFloorPen = 1;
constexpr int kBeamPen = 10;
constexpr double kWallEndInset = kPlanColumnSide / 2;
constexpr double kMultiplierGap = 0.03;
constexpr double kNameGap = 0.12;
// Hardware labels start this far (metres on the plan) right of the column point.
constexpr double kHardwareOffsetM = 0.02;

PagePoint At(const PlanContext& plan, int i, int j) { return plan.t.At(plan.building, i, j); }
PagePoint At(const PlanContext& plan, GridPos p) { return At(plan, p.i, p.j); }

// Room the labels next to a wall or column need below the plan and left of it.
double LabelHeight(PageSurface& surface, const PlanContext& plan) {
  const int size = std::max(plan.fonts.planHardware, plan.fonts.planMultiplier);
  return MeasureFigText(surface, {kFigLabelFace, double(size)}, QStringLiteral("0")).height();
}

double LeftLabelWidth(PageSurface& surface, const PlanContext& plan) {
  if (plan.mode != PlanMode::Hardware) return kBraceSymbolDepth;
  return MeasureFigText(surface, {kFigLabelFace, double(plan.fonts.planHardware)}, QStringLiteral("(る)*")).width();
}

std::vector<GridNameSpot> PlanGridNameSpots(PageSurface& surface, const PlanContext& plan) {
  const Building& b = plan.building;
  std::vector<GridNameSpot> spots;
  const double xNamesTop = plan.t.y0 + kPlanColumnSide / 2 + LabelHeight(surface, plan) + kNameGap;
  for (int i = 1; i <= b.PointsX(); ++i) {
    const bool main = IsMainGridLine(i, b.Divisions());
    spots.push_back(MakeGridNameSpot(surface, b.LineNameX(i), PlanGridNameStyle(main), main,
                                     {At(plan, i, 1).x, xNamesTop}, NameAnchor::TopCentre));
  }
  const double yNamesRight = plan.t.x0 - LeftLabelWidth(surface, plan) - kNameGap;
  for (int j = 1; j <= b.PointsY(); ++j) {
    const bool main = IsMainGridLine(j, b.Divisions());
    spots.push_back(MakeGridNameSpot(surface, b.LineNameY(j), PlanGridNameStyle(main), main,
                                     {yNamesRight, At(plan, 1, j).y}, NameAnchor::RightMiddle));
  }
  return spots;
}

// The wall between the column squares at its ends.
void WallEnds(const PlanContext& plan, const WallMember& m, PagePoint& a, PagePoint& b) {
  a = At(plan, m.start);
  b = At(plan, m.start.At(m.d, m.last + 1));
  if (m.d == Dir::X) {
    a.x += kWallEndInset;
    b.x -= kWallEndInset;
  } else {
    a.y -= kWallEndInset;
    b.y += kWallEndInset;
  }
}

bool ShowsWall(const PlanContext& plan, const WallMember& m) {
  return plan.mode != PlanMode::CheckView || !m.sheathing;
}

// Multiplier beside the wall: below an X wall or right of a Y wall (turned a quarter there,
// running upwards). A second member on the same wall (a brace with sheathing) goes on the symbol's
// side, or one row further out when that is taken too. The middle of a wall often lies on a
// grid line: the number stands on white so that the line does not run through it.
void DrawMultiplier(PageSurface& surface, const PlanContext& plan, const WallMember& m, PagePoint a, PagePoint b,
                    LabelPlacer& labels) {
  const FigText style{kFigLabelFace, double(plan.fonts.planMultiplier)};
  const QString text = QString::fromStdString(FormatFixed(m.seg->Multiplier, 1));
  const QSizeF size = MeasureFigText(surface, style, text);
  const double far = kBraceSymbolDepth + kMultiplierGap;
  if (m.d == Dir::X) {
    const double x = (a.x + b.x) / 2 - size.width() / 2;
    const PageBox below{x, a.y + kMultiplierGap, size.width(), size.height()};
    const PageBox above{x, a.y - far - size.height(), size.width(), size.height()};
    const PageBox further{x, below.bottom(), size.width(), size.height()};
    DrawFigLabel(surface, style, labels.Place({below, above, further}), text);
    return;
  }
  // Rotated by 90 degrees the text runs upwards from its anchor and its height lies to the right.
  const double y = (a.y + b.y) / 2 - size.width() / 2;
  const PageBox right{a.x + kMultiplierGap, y, size.height(), size.width()};
  const PageBox left{a.x - far - size.height(), y, size.height(), size.width()};
  const PageBox further{right.right(), y, size.height(), size.width()};
  DrawFigLabel(surface, style, labels.Place({right, left, further}), text, 90);
}

void DrawHardwareLabels(PageSurface& surface, const PlanContext& plan, const ColumnRec& column, PagePoint p) {
  const FigText style{kFigLabelFace, double(plan.fonts.planHardware)};
  const QString need = QString::fromStdString(column.NeedGrade);
  const QSizeF needSize = MeasureFigText(surface, style, need);
  const double height = needSize.height();
  const double top = p.y - 1.1 * height;
  const double right = p.x + kHardwareOffsetM * plan.t.s;
  if (!need.isEmpty()) DrawFigText(surface, style, {p.x - needSize.width(), top}, need);
  if (!column.TopHardware.empty()) {
    DrawFigText(surface, style, {right, top}, QString::fromStdString(column.TopHardware));
  }
  if (!column.BottomHardware.empty()) {
    DrawFigText(surface, style, {right, p.y + kPlanColumnSide / 2}, QString::fromStdString(column.BottomHardware));
  }
}

ColumnMark PlanColumnMark(const PlanContext& plan, int i, int j) {
  switch (plan.mode) {
    case PlanMode::Hardware:
      return HardwarePlanMark(*plan.results, i, j, plan.storey);
    case PlanMode::CheckView:
      return CheckViewUpperMark(*plan.results, i, j);
    case PlanMode::BearingWall:
    case PlanMode::ColumnAreas:
      break;
  }
  return ColumnMark::Black;
}

}  // namespace

void DrawPlanGrid(PageSurface& surface, const PlanContext& plan, LabelPlacer& labels) {
  const Building& b = plan.building;
  for (int i = 1; i <= b.PointsX(); ++i) FigLine(surface, At(plan, i, 1), At(plan, i, b.PointsY()), kGridPen);
  for (int j = 1; j <= b.PointsY(); ++j) FigLine(surface, At(plan, 1, j), At(plan, b.PointsX(), j), kGridPen);
  DrawGridNames(surface, PlanGridNameSpots(surface, plan), labels);
}

void DrawPlanFloors(PageSurface& surface, const PlanContext& plan) {
  const Building& b = plan.building;
  for (int j = 1; j <= b.SpansY(); ++j) {
    for (int i = 1; i <= b.SpansX(); ++i) {
      const FloorCell kind = b.Point(i, j, plan.storey).FloorKind;
      if (kind != FloorCell::Slab && kind != FloorCell::Void) continue;
      if (kind == FloorCell::Slab && plan.mode == PlanMode::ColumnAreas) continue;
      const PagePoint low = At(plan, i, j);
      const PagePoint high = At(plan, i + 1, j + 1);
      const QColor grey = PaletteColor(kFigLightGrey);
      // A floor cell is grey with its outline; a void only cross-hatched.
      const bool slab = kind == FloorCell::Slab;
      PageRect(surface, low.x, high.y, high.x - low.x, low.y - high.y, slab ? kPenSolid : kPenNone, kFloorPen, grey,
               grey, slab ? kFillSolid : kFillDiagCross);
    }
  }
}

void DrawPlanBeams(PageSurface& surface, const PlanContext& plan, int level) {
  const Building& b = plan.building;
  for (int j = 1; j <= b.PointsY(); ++j) {
    for (int i = 1; i <= b.PointsX(); ++i) {
      const GridPoint& p = b.Point(i, j, level);
      if (i <= b.SpansX() && p.beam(Dir::X).BeamKind != 0)
        FigLine(surface, At(plan, i, j), At(plan, i + 1, j), kBeamPen);
      if (j <= b.SpansY() && p.beam(Dir::Y).BeamKind != 0)
        FigLine(surface, At(plan, i, j), At(plan, i, j + 1), kBeamPen);
    }
  }
}

void DrawPlanWalls(PageSurface& surface, const PlanContext& plan, LabelPlacer& labels) {
  std::vector<WallMember> members = WallMembersOfLevel(plan.building, plan.storey);
  std::erase_if(members, [&](const WallMember& m) { return !ShowsWall(plan, m); });
  const bool symbols = plan.mode != PlanMode::Hardware;
  for (const WallMember& m : members) {
    PagePoint a, b;
    WallEnds(plan, m, a, b);
    DrawWallSymbol(surface, a, b, symbols ? WallSymbolOf(*m.seg, m.sheathing) : WallSymbol::Plain);
    labels.OccupyLine(a, b);
  }
  if (!symbols) return;
  for (const WallMember& m : members) {
    PagePoint a, b;
    WallEnds(plan, m, a, b);
    DrawMultiplier(surface, plan, m, a, b, labels);
  }
}

void DrawPlanColumns(PageSurface& surface, const PlanContext& plan) {
  const Building& b = plan.building;
  for (int j = 1; j <= b.PointsY(); ++j) {
    for (int i = 1; i <= b.PointsX(); ++i) {
      const ColumnRec& column = b.Point(i, j, plan.storey).Column;
      if (column.ColKind == ColumnKind::None) continue;
      const PagePoint p = At(plan, i, j);
      DrawColumnSymbol(surface, p, PlanColumnMark(plan, i, j), column.Through != 0);
      if (plan.mode == PlanMode::Hardware) DrawHardwareLabels(surface, plan, column, p);
    }
  }
}

void DrawPlanLowerColumns(PageSurface& surface, const PlanContext& plan) {
  const Building& b = plan.building;
  for (int j = 1; j <= b.PointsY(); ++j) {
    for (int i = 1; i <= b.PointsX(); ++i) {
      if (b.Point(i, j, 1).hasColumn()) DrawColumnSymbol(surface, At(plan, i, j), ColumnMark::LowerOpen, false);
    }
  }
}

}  // namespace tvk
