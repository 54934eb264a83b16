// Speed of the full N-value calculation, the storey eccentricity and the 2025 checks on the
// sample house, the largest plan, dense plans from 12 to 120 spans, and the plan that makes
// the pull-out walks longest.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <optional>

#include "../tests/support/plan_builder.h"
#include "../tests/support/profile_samples.h"
#include "engine/calc_results.h"
#include "engine/eccentricity.h"
#include "engine/n_value.h"
#include "engine/profile_checks.h"
#include "engine/transmission.h"
#include "model/project_file.h"

namespace tvk {
namespace {

Building SampleHouse() {
  Building b;
  const std::string path = std::string(TVK_SOURCE_DIR) + "/examples/sample-house.TVK";
  if (!std::filesystem::exists(path) || !LoadProject(b, path).ok) return Building{};
  return b;
}

// Plans are prepared once; the calculation runs from scratch on them every iteration,
// as the program does before every view.
const Building& Plan(int which) {
  static const Building sample = SampleHouse();
  static const Building largest = test::LargestPlan();
  static const Building transmission = test::TransmissionPlan();
  return which == 0 ? sample : which == 1 ? largest : transmission;
}

const char* const kPlanNames[] = {"sample", "largest", "transmission"};

// A working copy of plan state.range(0), or none (the run is marked skipped).
std::optional<Building> PlanCopy(benchmark::State& state) {
  const Building& plan = Plan(static_cast<int>(state.range(0)));
  if (plan.Points().empty()) {
    state.SkipWithError("sample project missing");
    return std::nullopt;
  }
  state.SetLabel(kPlanNames[state.range(0)]);
  return plan;
}

void CalcAll(benchmark::State& state) {
  std::optional<Building> b = PlanCopy(state);
  if (!b) return;
  RefreshBeamRuns(*b);
  CalcResults results;
  for (auto _ : state) {
    CalcAllN(*b, results, false);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(CalcAll)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// The calculation on dense plans of 12 .. 120 spans a side; per_point, the time per grid
// point of every level, should not grow with the plan.
void CalcAllSpans(benchmark::State& state) {
  Building b = test::DensePlan(static_cast<int>(state.range(0)));
  RefreshBeamRuns(b);
  CalcResults results;
  for (auto _ : state) {
    CalcAllN(b, results, false);
    benchmark::ClobberMemory();
  }
  state.counters["per_point"] =
      benchmark::Counter(static_cast<double>(b.Points().size()),
                         benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(CalcAllSpans)->DenseRange(12, 120, 12)->Unit(benchmark::kMicrosecond);

void Eccentricity(benchmark::State& state) {
  std::optional<Building> b = PlanCopy(state);
  if (!b) return;
  CalcResults results;
  for (auto _ : state) {
    UpdateEccentricity(*b, results);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(Eccentricity)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

// The 2025 checks (wall quantity, quarters, column size with tributary areas) as they run
// after every edit; the transmission plan has columns on the outer lines of 1F only, the
// longest nearest-column walks.
void ProfileChecksRun(benchmark::State& state) {
  std::optional<Building> b = PlanCopy(state);
  if (!b) return;
  BuildingProfile profile = test::PublishedProfile();
  profile.wood = WoodChoice{ColumnWood::Sugi, 0};
  profile.column = {ColumnSection{120, 120}, ColumnSection{105, 105}};
  CalcResults results;
  UpdateEccentricity(*b, results);
  for (auto _ : state) {
    benchmark::DoNotOptimize(RunProfileChecks(*b, profile, results));
  }
}
BENCHMARK(ProfileChecksRun)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// Baseline: reading every point record of the largest plan once.
void ReadEveryPoint(benchmark::State& state) {
  const Building& b = Plan(1);
  for (auto _ : state) {
    long sum = 0;
    for (int level = 1; level <= b.Levels(); ++level) {
      for (int j = 1; j <= b.PointsY(); ++j) {
        for (int i = 1; i <= b.PointsX(); ++i) {
          const GridPoint& p = b.Point(i, j, level);
          sum += static_cast<int>(p.Column.ColKind) + p.brace(Dir::X).Kind + p.beam(Dir::Y).BeamKind;
        }
      }
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(ReadEveryPoint)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tvk

BENCHMARK_MAIN();
