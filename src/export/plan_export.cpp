#include "export/plan_export.h"

#include <cmath>
#include <optional>

#include "engine/calc_results.h"
#include "engine/profile_checks.h"
#include "export/dxf_writer.h"
#include "export/label_space.h"
#include "export/plan_frame.h"
#include "export/plan_parts.h"
#include "model/building.h"
#include "model/profile_store.h"

namespace tvk {

namespace {

constexpr double kPlanGap = 5000;

void AddStorey(PlanDrawing& drawing, const PlanFrame& frame, const ProfileChecks* checks,
               const DxfExportOptions& options) {
  AddGrid(drawing, frame);
  AddFloors(drawing, frame);
  AddBeamsAbove(drawing, frame);
  LabelSpace labels;
  AddColumns(drawing, frame, labels);
  AddWalls(drawing, frame, labels);
  const auto s = static_cast<size_t>(frame.storey - 1);
  if (checks != nullptr && s < checks->quarters.size() && s < checks->plans.size()) {
    for (const Dir d : kDirs) {
      const QuarterDirection& q = checks->quarters[s].dir[d];
      // Strips are drawn only where the check could judge them.
      if (q.ok) AddQuarterStrips(drawing, frame, labels, checks->plans[s], d, q);
    }
  }
  if (options.centres) AddCentreMarks(drawing, frame, labels, frame.results.Storey(frame.storey).balance);
}

}  // namespace

double PlanStride(const Building& building) {
  return std::ceil((PlanFrame{building, CalcResults{}, 1, {}}.Far().x + kPlanGap) / kMmPerM) * kMmPerM;
}

PlanDrawing DrawPlans(const Building& building, const CalcResults& results, const ProfileChecks* checks,
                      const DxfExportOptions& options) {
  PlanDrawing drawing;
  const double stride = PlanStride(building);
  int placed = 0;
  for (int storey = 1; storey <= building.Storeys(); ++storey) {
    if (options.storey != 0 && storey != options.storey) continue;
    AddStorey(drawing, PlanFrame{building, results, storey, {placed * stride, 0}}, checks, options);
    ++placed;
  }
  return drawing;
}

DxfPlans PlanDxf(const Building& building, const CalcResults& results, const DxfExportOptions& options) {
  DxfPlans plans;
  std::optional<ProfileChecks> checks;
  if (options.quarters) {
    checks = RunProfileChecks(building, ReadProfile(building), results);
    for (const QuarterStorey& storey : checks->quarters) {
      if (options.storey != 0 && storey.storey != options.storey) continue;
      for (const QuarterDirection& q : storey.dir) {
        if (!q.ok) plans.quartersLacking.Add(q.missing);
      }
    }
  }
  plans.bytes = DxfBytes(DrawPlans(building, results, checks ? &*checks : nullptr, options));
  return plans;
}

}  // namespace tvk
