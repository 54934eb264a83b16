#pragma once
// The four layer routines of a frame elevation, shared by the report (chapter 2.2) and the
// frame elevation window.

#include <QString>
#include <initializer_list>
#include <vector>

#include "report/figures/elevation_transform.h"
#include "report/figures/figure_draw.h"
#include "report/figures/figure_fonts.h"
#include "report/figures/label_placer.h"

namespace tvk {

class Building;
class PageSurface;

enum class ElevationMode { Report, Window };

struct ElevationContext {
  const Building& building;
  ElevationTransform t;
  FrameRef frame;
  ElevationMode mode = ElevationMode::Report;
  FigureFonts fonts;
};

// The labels of one frame. Each takes its place as its layer is drawn (the first to ask
// gets the spot), and all are drawn on white after the last line, so that no column or
// beam runs through a multiplier ("3|0") or a hardware name.
class FrameLabels {
 public:
  LabelPlacer& placer() { return placer_; }
  // The first free place among the candidates' top-left corners.
  void Place(PageSurface& surface, const FigText& style, const QString& text, std::initializer_list<PagePoint> corners);
  void Draw(PageSurface& surface) const;

 private:
  struct Pending {
    FigText style;
    PageBox box;
    QString text;
  };
  LabelPlacer placer_;
  std::vector<Pending> pending_;
};

// Names of the crossing grid lines, centred under each line below the foot.
void DrawFrameNames(PageSurface& surface, const ElevationContext& frame, FrameLabels& labels);
// Sheathing (light grey), braces (diagonals) and wall multipliers of every storey.
void DrawFrameWalls(PageSurface& surface, const ElevationContext& frame, FrameLabels& labels);
// Columns per storey with "通し柱", "出" and the placed hardware at their ends.
void DrawFrameColumns(PageSurface& surface, const ElevationContext& frame, FrameLabels& labels);
// Beams of every floor level and the sill under panels that hold a bearing wall.
void DrawFrameBeams(PageSurface& surface, const ElevationContext& frame);

// True when a through-column stands on the frame's line (its label goes above the frame).
bool FrameHasThroughColumn(const Building& building, const FrameRef& frame);
// Height of one line of the frame's hardware labels (cm).
double FrameLabelHeight(PageSurface& surface, const ElevationContext& frame);

}  // namespace tvk
