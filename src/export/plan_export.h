#pragma once
// The structural plans as one DXF file: one plan per storey side by side (storey 1 with
// grid lines X1/Y1 at the origin, each further storey to the right of the one before), or
// one storey alone at the origin.

#include <string>

#include "engine/check_inputs.h"
#include "export/plan_drawing.h"

namespace tvk {

class Building;
class CalcResults;
struct ProfileChecks;

struct DxfExportOptions {
  int storey = 0;        // 0: every storey; else only this one
  bool quarters = true;  // the quarter strips of each direction the building profile lets the check judge
  bool centres = true;   // the centres of gravity and rigidity
};

// How far each storey's plan stands right of the one before (mm): the plan's width and room
// for the labels between, in whole metres.
double PlanStride(const Building& building);

// The plans of a building with the results of its calculation. checks: its 2025 checks, or nullptr for no quarter
// strips.
PlanDrawing DrawPlans(const Building& building, const CalcResults& results, const ProfileChecks* checks,
                      const DxfExportOptions& options);

struct DxfPlans {
  std::string bytes;  // the DXF file
  // What the quarter check lacked where strips were asked for and left out.
  MissingFields quartersLacking;
};

// The whole export of a building after the calculation the report runs (grades, hardware as
// the project's option says, eccentricity): the 2025 checks when quarter strips are asked
// for, then the file.
DxfPlans PlanDxf(const Building& building, const CalcResults& results, const DxfExportOptions& options);

}  // namespace tvk
