#pragma once
// The export tests: a building exported through PlanDxf, written and read back with the
// independent reader, and what the model says each layer must hold, counted from the model.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/full_calculation.h"
#include "export/plan_export.h"
#include "model/building.h"
#include "model/model_test_util.h"
#include "model/project_file.h"
#include "support/dxf_readback.h"

namespace tvk::test {

inline const std::string kSamplePath = std::string(TVK_SOURCE_DIR) + "/examples/sample-house.TVK";

inline Building LoadSample() {
  Building b;
  const FileResult loaded = LoadProject(b, kSamplePath);
  EXPECT_TRUE(loaded.ok) << loaded.message;
  return b;
}

inline DxfReadBack ExportAndRead(Building& b, const DxfExportOptions& options, const ScratchDir& dir) {
  const std::string path = dir.file("plans.dxf");
  WriteBytes(path, PlanDxf(b, RunFullCalculation(b, false), options).bytes);
  DxfReadBack read = ReadBackDxf(path, dir.path());
  EXPECT_TRUE(read.read) << read.error;
  return read;
}

// A grid point of a storey's plan in the file (mm), the plan standing at x offset.
inline std::array<double, 2> PointMm(const Building& b, int i, int j, double offset) {
  const PointCoord& c = b.Coord(i, j, 1);
  return {offset + std::round(c.x * 1e6) / 1e3, std::round(c.y * 1e6) / 1e3};
}

// Wall members of a layer on a level, counted where a member starts (run position 0 or 1).
inline int CountMembers(const Building& b, int level, bool sheathing, int slope = 0) {
  int count = 0;
  for (int j = 1; j <= b.PointsY(); ++j) {
    for (int i = 1; i <= b.PointsX(); ++i) {
      for (const Dir d : kDirs) {
        if ((d == Dir::X && i > b.SpansX()) || (d == Dir::Y && j > b.SpansY())) continue;
        const WallSeg& s = sheathing ? b.Point(i, j, level).sheathing(d) : b.Point(i, j, level).brace(d);
        if (s.Kind != 0 && (s.RunPos == 0 || s.RunPos == 1) && (slope == 0 || s.Slope == slope)) ++count;
      }
    }
  }
  return count;
}

// Total length (mm) of the lines of a list of entities.
inline double LineLength(const std::vector<const DxfEntity*>& lines) {
  double sum = 0;
  for (const DxfEntity* e : lines) sum += std::hypot(e->numbers[2] - e->numbers[0], e->numbers[3] - e->numbers[1]);
  return sum;
}

inline std::vector<std::string> SortedTexts(const std::vector<const DxfEntity*>& texts) {
  std::vector<std::string> result;
  for (const DxfEntity* e : texts) result.push_back(e->text);
  std::sort(result.begin(), result.end());
  return result;
}

// Entities of one plan of a side-by-side file: those left of the next plan's start.
inline std::vector<const DxfEntity*> InPlan(const std::vector<const DxfEntity*>& entities, double from, double to) {
  std::vector<const DxfEntity*> found;
  for (const DxfEntity* e : entities) {
    if (!e->numbers.empty() && e->numbers[0] >= from && e->numbers[0] < to) found.push_back(e);
  }
  return found;
}

}  // namespace tvk::test
