#pragma once
// The frame the wall-quantity chapter's plans share: the title, a transform that leaves
// room right of and above the plan, the bearing-wall plan's layers, and legend rows of a
// symbol and a text.

#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "report/figures/label_placer.h"
#include "report/figures/plan_layers.h"
#include "report/surface/page_surface.h"

namespace tvk {

struct CheckPlanFrame {
  PlanContext plan;
  CharMetrics body;  // of the title and legend font
  double left = 0;   // page edges of the grid (cm)
  double right = 0;
  double top = 0;
  double bottom = 0;
  PageBox room{};      // what the plan and the texts beside and above it may take
  double legendY = 0;  // first legend row
};

// Writes the title at y and sets up the plan of the storey below it.
CheckPlanFrame StartCheckPlan(PageSurface& surface, const Building& building, int storey, double y,
                              const QString& title, const FigureFonts& fonts);

// Floors, then what overFloors draws, then grid and names, walls with their multipliers
// and columns.
void DrawCheckPlanLayers(PageSurface& surface, const CheckPlanFrame& frame, LabelPlacer& labels,
                         const std::function<void()>& overFloors);

// The first candidate that lies in the frame's room and is free, occupied; none when every
// one is taken (the text is then left out rather than drawn over another).
std::optional<PageBox> PlaceInRoom(const CheckPlanFrame& frame, LabelPlacer& labels,
                                   const std::vector<PageBox>& candidates);

// A legend row at y: symbol draws into the given symbol box (cm), the text follows it.
// Returns the y of the next row.
double DrawCheckLegendRow(PageSurface& surface, const CheckPlanFrame& frame, double y,
                          const std::function<void(const PageBox&)>& symbol, const QString& text);

}  // namespace tvk
