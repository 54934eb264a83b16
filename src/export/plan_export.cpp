#include "export/plan_export.h"

#include <cmath>
#include <optional>

#include "engine/full_calculation.h"
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
  const Building& b = frame.building;
  AddGrid(drawing, frame);
  AddFloors(drawing, frame);
  AddBeamsAbove(drawing, frame);
  LabelSpace labels;
  AddColumns(drawing, frame, labels);
  AddWalls(drawing, frame, labels);
  const auto s = static_cast<size_t>(frame.storey - 1);
  if (checks != nullptr && s < checks->quarters.size() && s < checks->plans.size()) {
    for (int d = 1; d <= 2; ++d) {
      const QuarterDirection& q = checks->quarters[s].dir[static_cast<size_t>(d - 1)];
      // Strips are drawn only where the check could judge them.
      if (q.ok) AddQuarterStrips(drawing, frame, labels, checks->plans[s], d, q);
    }
  }
  if (options.centres) AddCentreMarks(drawing, frame, labels, b.Balance[s]);
}

}  // namespace

double PlanStride(const Building& building) {
  const PlanFrame frame{building, 1, {}};
  return std::ceil((frame.Far().x + kPlanGap) / kMmPerM) * kMmPerM;
}

PlanDrawing DrawPlans(const Building& building, const ProfileChecks* checks, const DxfExportOptions& options) {
  PlanDrawing drawing;
  const double stride = PlanStride(building);
  int placed = 0;
  for (int storey = 1; storey <= building.Storeys(); ++storey) {
    if (options.storey != 0 && storey != options.storey) continue;
    AddStorey(drawing, PlanFrame{building, storey, {placed * stride, 0}}, checks, options);
    ++placed;
  }
  return drawing;
}

DxfPlans PlanDxf(Building& building, const DxfExportOptions& options) {
  RunFullCalculation(building, false);
  DxfPlans plans;
  std::optional<ProfileChecks> checks;
  if (options.quarters) {
    checks = RunProfileChecks(building, ReadProfile(building));
    for (const QuarterStorey& storey : checks->quarters) {
      if (options.storey != 0 && storey.storey != options.storey) continue;
      for (const QuarterDirection& q : storey.dir) {
        if (!q.ok) plans.quartersLacking.Add(q.missing);
      }
    }
  }
  plans.bytes = DxfBytes(DrawPlans(building, checks ? &*checks : nullptr, options));
  return plans;
}

}  // namespace tvk
