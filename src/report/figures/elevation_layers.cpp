#include "report/figures/elevation_layers.h"

#include "engine/wall_members.h"
#include "model/building.h"
#include "model/number_format.h"
#include "report/figures/figure_draw.h"
#include "report/figures/grid_names.h"
#include "report/surface/page_primitives.h"
#include "report/surface/page_surface.h"

namespace tvk {

namespace {

constexpr double kSubNameSize = 8;
constexpr double kWindowMultiplierSize = 10;
constexpr int kMemberPen = 10;
constexpr int kBracePen = 10;
constexpr int kColumnPen = 15;
constexpr double kNameGap = 0.08;
constexpr double kLabelGap = 0.04;

double X(const ElevationContext& f, int k) { return f.t.Map(FramePosition(f.building, f.frame, k), 0).x; }
double LevelY(const ElevationContext& f, int level) { return f.t.ey - f.t.sh * level; }

const GridPoint& PointOnFrame(const ElevationContext& f, int k, int level) {
  return f.building.Point(FramePoint(f.frame, k), level);
}

const std::string& CrossingName(const ElevationContext& f, int k) {
  return f.frame.dir == Dir::X ? f.building.LineNameY(k) : f.building.LineNameX(k);
}

FigText HardwareStyle(const ElevationContext& f) { return {kFigBodyFace, double(f.fonts.frameHardware)}; }

FigText MultiplierStyle(const ElevationContext& f) {
  const double size = f.mode == ElevationMode::Window ? kWindowMultiplierSize : f.fonts.frameMultiplier;
  return {kFigLabelFace, size};
}

struct Panel {
  double left, top, right, bottom;  // inset by the member thickness
};

Panel PanelOf(const ElevationContext& f, const WallMember& m, int storey) {
  const double mt = f.t.mt;
  return {X(f, m.first) + mt, LevelY(f, storey) + mt, X(f, m.last + 1) - mt, LevelY(f, storey - 1) - mt};
}

void DrawBraceLines(PageSurface& surface, const Panel& p, const WallSeg& seg) {
  const bool crossed = seg.Slope == 3 || seg.KindKey == kKeyTasuki;
  // Slope 1 rises towards the higher index, which lies to the right in every frame.
  if (crossed || seg.Slope != 2) FigLine(surface, {p.left, p.bottom}, {p.right, p.top}, kBracePen);
  if (crossed || seg.Slope == 2) FigLine(surface, {p.left, p.top}, {p.right, p.bottom}, kBracePen);
}

void DrawMemberRun(PageSurface& surface, const ElevationContext& f, const SegmentRun& run, double top) {
  const double left = X(f, run.first);
  PageRect(surface, left, top, X(f, run.last + 1) - left, f.t.mt, kPenSolid, kMemberPen, PaletteColor(kFigBlack),
           PaletteColor(kFigBlack), kFillNone);
}

bool HasWall(const GridPoint& p, Dir d) { return p.brace(d).Kind != 0 || p.sheathing(d).Kind != 0; }

}  // namespace

void FrameLabels::Place(PageSurface& surface, const FigText& style, const QString& text,
                        std::initializer_list<PagePoint> corners) {
  const QSizeF size = MeasureFigText(surface, style, text);
  std::vector<PageBox> boxes;
  for (const PagePoint& c : corners) boxes.push_back({c.x, c.y, size.width(), size.height()});
  pending_.push_back({style, placer_.Place(boxes), text});
}

void FrameLabels::Draw(PageSurface& surface) const {
  for (const Pending& label : pending_) DrawFigLabel(surface, label.style, label.box, label.text);
}

bool FrameHasThroughColumn(const Building& building, const FrameRef& frame) {
  for (int k = 1; k <= FramePoints(building, frame); ++k) {
    for (int s = 1; s <= building.Storeys(); ++s) {
      if (building.Point(FramePoint(frame, k), s).Column.Through != 0) return true;
    }
  }
  return false;
}

double FrameLabelHeight(PageSurface& surface, const ElevationContext& frame) {
  return MeasureFigText(surface, HardwareStyle(frame), QStringLiteral("通し柱")).height();
}

void DrawFrameNames(PageSurface& surface, const ElevationContext& f, FrameLabels& labels) {
  std::vector<GridNameSpot> spots;
  for (int k = 1; k <= FramePoints(f.building, f.frame); ++k) {
    const bool main = IsMainGridLine(k, f.building.Divisions());
    const FigText style{kFigBodyFace, main ? kFigBodySize : kSubNameSize};
    spots.push_back(MakeGridNameSpot(surface, CrossingName(f, k), style, main, {X(f, k), f.t.ey + kNameGap},
                                     NameAnchor::TopCentre));
  }
  DrawGridNames(surface, spots, labels.placer());
}

void DrawFrameWalls(PageSurface& surface, const ElevationContext& f, FrameLabels& labels) {
  const Dir along = FrameAlong(f.frame);
  const QColor grey = PaletteColor(kFigLightGrey);
  for (int s = 1; s <= f.building.Storeys(); ++s) {
    const std::vector<WallMember> members = WallMembersOnLine(f.building, s, along, f.frame.line);
    for (const WallMember& m : members) {
      if (!m.sheathing) continue;
      const Panel p = PanelOf(f, m, s);
      PageRect(surface, p.left, p.top, p.right - p.left, p.bottom - p.top, kPenNone, 0, grey, grey, kFillSolid);
    }
    for (const WallMember& m : members) {
      if (!m.sheathing) DrawBraceLines(surface, PanelOf(f, m, s), *m.seg);
    }
    // Multipliers in the middle of the panel; a brace and sheathing on one panel stack.
    const FigText style = MultiplierStyle(f);
    for (const WallMember& m : members) {
      const Panel p = PanelOf(f, m, s);
      const QString text = QString::fromStdString(FormatFixed(m.seg->Multiplier, 1));
      const QSizeF size = MeasureFigText(surface, style, text);
      const double x = (p.left + p.right - size.width()) / 2;
      const double y = (p.top + p.bottom - size.height()) / 2;
      const double step = size.height() + kLabelGap;
      labels.Place(surface, style, text, {{x, y}, {x, y - step}, {x, y + step}});
    }
  }
}

void DrawFrameColumns(PageSurface& surface, const ElevationContext& f, FrameLabels& labels) {
  const FigText style = HardwareStyle(f);
  const double height = FrameLabelHeight(surface, f);
  const double mt = f.t.mt;
  const int storeys = f.building.Storeys();
  for (int k = 1; k <= FramePoints(f.building, f.frame); ++k) {
    const double x = X(f, k);
    for (int s = 1; s <= storeys; ++s) {
      const ColumnRec& c = PointOnFrame(f, k, s).Column;
      if (c.ColKind == ColumnKind::None) continue;
      const double top = LevelY(f, s);
      const double bottom = LevelY(f, s - 1);
      FigLine(surface, {x, bottom}, {x, top}, kColumnPen);
      auto leftOf = [&](const QString& text) { return x - kLabelGap - MeasureFigText(surface, style, text).width(); };
      if (c.Through != 0 && s == storeys) {
        const QString text = QStringLiteral("通し柱");
        const double y = top - kLabelGap - height;
        const double cx = x - MeasureFigText(surface, style, text).width() / 2;
        labels.Place(surface, style, text, {{cx, y}, {cx, y - height}});
      }
      const QString topText = QString::fromStdString(c.TopHardware);
      const QString bottomText = QString::fromStdString(c.BottomHardware);
      const double topY = top + mt + kLabelGap;
      const double bottomY = bottom - mt - kLabelGap - height;
      if (!topText.isEmpty()) labels.Place(surface, style, topText, {{x + kLabelGap, topY}, {leftOf(topText), topY}});
      if (!bottomText.isEmpty()) {
        labels.Place(surface, style, bottomText, {{x + kLabelGap, bottomY}, {leftOf(bottomText), bottomY}});
      }
      if (c.Corner != 0) {
        // Between the hardware rows and the multipliers in the middle of the panels.
        const QString text = QStringLiteral("出");
        const double upper = topY + height + kLabelGap;
        const double lower = bottomY - kLabelGap - height;
        labels.Place(surface, style, text,
                     {{leftOf(text), upper}, {x + kLabelGap, upper}, {leftOf(text), lower}, {x + kLabelGap, lower}});
      }
    }
  }
}

void DrawFrameBeams(PageSurface& surface, const ElevationContext& f) {
  const Building& b = f.building;
  const Dir along = FrameAlong(f.frame);
  const int spans = b.Spans(along);
  for (int level = 2; level <= b.Storeys() + 1; ++level) {
    const auto beam = [&](int k) { return PointOnFrame(f, k, level).beam(along).BeamKind != 0; };
    for (const SegmentRun& run : SegmentRuns(spans, beam)) DrawMemberRun(surface, f, run, LevelY(f, level - 1));
  }
  const auto sill = [&](int k) { return HasWall(PointOnFrame(f, k, 1), along); };
  for (const SegmentRun& run : SegmentRuns(spans, sill)) DrawMemberRun(surface, f, run, f.t.ey - f.t.mt);
}

}  // namespace tvk
