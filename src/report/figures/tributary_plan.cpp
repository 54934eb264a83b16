#include "report/figures/tributary_plan.h"

#include <array>
#include <map>

#include "engine/tributary_regions.h"
#include "model/building.h"
#include "model/number_format.h"
#include "report/figures/figure_draw.h"
#include "report/figures/plan_figures.h"
#include "report/figures/plan_symbols.h"
#include "report/surface/page_primitives.h"
#include "report/surface/page_surface.h"

namespace tvk {

namespace {

constexpr double kAreaLabelSize = 7;
// Room between a column square and its area label (cm).
constexpr double kLabelGap = 0.04;

const std::array<QColor, kTributaryTints> kTints = {
    QColor(255, 243, 176), QColor(204, 236, 204), QColor(200, 224, 250),
    QColor(232, 212, 246), QColor(255, 224, 188), QColor(200, 240, 238),
};

struct ColumnFigure {
  double areaM2 = 0;
  bool ng = false;
  bool outer = false;  // judged against the outer columns' allowance
  bool through = false;
};

// NG in red; otherwise outer columns open, inner ones filled.
ColumnMark SymbolOf(const ColumnFigure& f) {
  if (f.ng) return ColumnMark::Red;
  return f.outer ? ColumnMark::White : ColumnMark::Black;
}

class AreaPlan {
 public:
  AreaPlan(const PlanContext& plan, const std::vector<ColumnSizeColumn>& columns)
      : plan_(plan), regions_(TributaryRegionsOf(plan.building, plan.storey)) {
    origin_ = plan.t.At(plan.building, 1, 1);
    unit_ = plan.t.s * plan.building.SubPitch();
    std::map<std::pair<int, int>, const ColumnSizeColumn*> judged;
    for (const ColumnSizeColumn& c : columns) {
      if (c.tributary.storey == plan.storey) judged[{c.tributary.at.i, c.tributary.at.j}] = &c;
    }
    for (const ColumnTributary& t : regions_.columns) {
      const auto found = judged.find({t.at.i, t.at.j});
      const ColumnSizeColumn* c = found == judged.end() ? nullptr : found->second;
      figures_.push_back({c ? c->tributary.areaM2 : t.areaM2, c && c->ok && !*c->ok, t.outer,
                          plan.building.Point(t.at.i, t.at.j, plan.storey).Column.Through != 0});
    }
    tints_ = ColourClasses(regions_, kTributaryTints);
  }

  void DrawAreas(PageSurface& surface) const {
    for (const TributaryPiece& piece : regions_.pieces) {
      QPolygonF polygon;
      for (const GridXY& g : piece.outline) polygon << QPointF(Page(g).x, Page(g).y);
      const QColor tint = TintOf(piece.column);
      PagePolygon(surface, polygon, kPenNone, 0, tint, tint, kFillSolid);
    }
  }

  void DrawLines(PageSurface& surface) const {
    for (const TributaryEdge& e : regions_.edges) {
      const PagePoint a = Page(e.a);
      const PagePoint b = Page(e.b);
      PageLine(surface, a.x, a.y, b.x, b.y, kPenSolid, kTributaryLinePen, TributaryLineColor());
    }
  }

  // Column squares first, so that no label covers a column; then the labels around them.
  void DrawColumns(PageSurface& surface, LabelPlacer& labels) const {
    const double reach = kPlanThroughRadius + kLabelGap;
    for (size_t k = 0; k < regions_.columns.size(); ++k) {
      const PagePoint p = ColumnAt(k);
      DrawColumnSymbol(surface, p, SymbolOf(figures_[k]), figures_[k].through);
      labels.Occupy({p.x - reach, p.y - reach, 2 * reach, 2 * reach});
    }
    for (size_t k = 0; k < regions_.columns.size(); ++k) {
      const FigText style{kFigLabelFace, kAreaLabelSize, false, figures_[k].ng ? kFigRed : kFigBlack};
      const QString text = QString::fromStdString(FormatFixed(figures_[k].areaM2, 2));
      const QSizeF size = MeasureFigText(surface, style, text);
      const PagePoint p = ColumnAt(k);
      const double gap = kPlanColumnSide / 2 + kLabelGap;
      const double w = size.width();
      const double h = size.height();
      DrawFigLabel(surface, style,
                   labels.Place({{p.x + gap, p.y - gap - h, w, h},
                                 {p.x + gap, p.y + gap, w, h},
                                 {p.x - gap - w, p.y - gap - h, w, h},
                                 {p.x - gap - w, p.y + gap, w, h}}),
                   text);
    }
  }

 private:
  PagePoint Page(const GridXY& g) const { return {origin_.x + unit_ * g.x, origin_.y - unit_ * g.y}; }
  PagePoint ColumnAt(size_t k) const {
    const ColumnTributary& t = regions_.columns[k];
    return plan_.t.At(plan_.building, t.at.i, t.at.j);
  }
  QColor TintOf(int column) const {
    const auto k = static_cast<size_t>(column);
    return figures_[k].ng ? TributaryNgTint() : TributaryTint(tints_[k]);
  }

  const PlanContext& plan_;
  TributaryRegions regions_;
  PagePoint origin_;
  double unit_ = 1;  // cm per sub-grid pitch
  std::vector<ColumnFigure> figures_;
  std::vector<int> tints_;
};

std::vector<LegendRow> AreaLegendRows() {
  return {
      {LegendSymbol::Column, QStringLiteral("：内部の柱 (数値は負担面積 m²)")},
      {LegendSymbol::OpenColumn, QStringLiteral("：外周の柱 (周囲の床区画が４未満)")},
      {LegendSymbol::NgTributaryArea, QStringLiteral("：負担面積が負担可能面積を超える柱 (NG)")},
      {LegendSymbol::ThroughColumn, QStringLiteral("：通し柱")},
      {LegendSymbol::TributaryArea, QStringLiteral("：柱ごとの負担範囲と境界")},
      {LegendSymbol::Void, QStringLiteral("：吹抜け")},
  };
}

}  // namespace

QColor TributaryTint(int colourClass) { return kTints[static_cast<size_t>(colourClass) % kTints.size()]; }
QColor TributaryNgTint() { return {255, 196, 196}; }
QColor TributaryLineColor() { return {40, 90, 170}; }

QString TributaryPlanTitle(int storey) {
  const QString n = QString::number(storey);
  return "(" + n + ") " + n + QStringLiteral(" 階柱の負担面積図") + QStringLiteral(" (数値は負担面積 m²)");
}

double DrawTributaryPlanPage(PageSurface& surface, const Building& building, int storey,
                             const std::vector<ColumnSizeColumn>& columns, double chapterY, const FigureFonts& fonts) {
  const SurfaceState saved = surface.State();
  surface.SetFont(kFigBodyFace, kFigBodySize);
  const CharMetrics m = surface.MeasureA();
  const double printableWidth = surface.PrintableCm().width();
  DrawFigText(surface, {kFigBodyFace, kFigBodySize}, {0, chapterY + m.pitch / 2}, TributaryPlanTitle(storey));

  const PlanContext plan{building, MakePlanTransform(building, chapterY, printableWidth, m.pitch), storey,
                         PlanMode::ColumnAreas, fonts};
  const AreaPlan areas(plan, columns);
  LabelPlacer labels;
  areas.DrawAreas(surface);
  DrawPlanFloors(surface, plan);
  DrawPlanGrid(surface, plan, labels);
  areas.DrawLines(surface);
  areas.DrawColumns(surface, labels);
  const double bottom = DrawLegendRows(surface, PlanLegendFrame(chapterY, printableWidth, m), AreaLegendRows());
  surface.SetState(saved);
  return bottom;
}

}  // namespace tvk
