// Composing the calculation report and writing it as PDF: the sample house, and the largest
// building (120 x 120 spans, two storeys, a column at every point), whose results table runs
// to more than a thousand pages. Run with --benchmark_filter to see one case's peak memory.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <filesystem>

#include "../tests/support/plan_builder.h"
#include "../tests/support/profile_samples.h"
#include "engine/full_calculation.h"
#include "model/profile_store.h"
#include "model/project_file.h"
#include "report/chapters/report_composer.h"
#include "report/chapters/report_figures.h"
#include "report/surface/page_replay.h"
#include "report/surface/page_surface.h"

namespace tvk {
namespace {

QGuiApplication& App() {
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  static int argc = 1;
  static char name[] = "report_compose";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
  return app;
}

// A building and the results of its calculation.
struct Calculated {
  Building building;
  CalcResults results;
};

Calculated Calculate(Building b) {
  CalcResults results;
  if (!b.Points().empty()) RunFullCalculation(b, results, false);
  return {std::move(b), std::move(results)};
}

Building SampleHouse() {
  Building b;
  const std::string path = std::string(TVK_SOURCE_DIR) + "/examples/sample-house.TVK";
  if (std::filesystem::exists(path)) LoadProject(b, path);
  return b;
}

// The largest building with a profile: the report adds chapter 5 with a tributary-area plan
// of 14641 columns per storey.
Building LargestWithProfile() {
  Building b = test::LargestPlan();
  BuildingProfile profile = test::PublishedProfile();
  profile.wood = WoodChoice{ColumnWood::Sugi2, 0};
  profile.column = {ColumnSection{105, 105}, ColumnSection{105, 105}};
  WriteProfile(b, profile);
  return b;
}

// Calculated once; composition only reads them.
const Calculated& Plan(int which) {
  if (which == 2) {
    static const Calculated profiled = Calculate(LargestWithProfile());
    return profiled;
  }
  static const Calculated sample = Calculate(SampleHouse());
  static const Calculated largest = Calculate(test::LargestPlan());
  return which == 0 ? sample : largest;
}

ComposedReport Compose(const Calculated& c, bool figures) {
  static const HardwareNames names = LoadBuiltInHardwareNames();
  PageSurface surface;
  const FigureChapters chapters = figures ? ReportFigureChapters(FigureFonts{}) : FigureChapters{};
  return ComposeReport(surface, ReportRequest{c.building, c.results, names, chapters, QDate(2024, 1, 1), {}});
}

int ResultsPages(const ComposedReport& r) { return r.PageCount() - MarkOf(r.index, ReportEntry::Results).page + 1; }

void PeakMemory(benchmark::State& state) {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// range(0): 0 sample, 1 largest, 2 largest with a profile; range(1): 1 with the plan and
// elevation figures.
void ComposeWholeReport(benchmark::State& state) {
  App();
  const Calculated& b = Plan(static_cast<int>(state.range(0)));
  if (b.building.Points().empty()) return state.SkipWithError("sample project missing");
  int pages = 0, results = 0;
  for (auto _ : state) {
    const ComposedReport r = Compose(b, state.range(1) == 1);
    pages = r.PageCount();
    results = ResultsPages(r);
    benchmark::DoNotOptimize(r.document.pages.data());
  }
  state.counters["pages"] = pages;
  state.counters["results_pages"] = results;
  state.counters["pages_per_s"] = benchmark::Counter(pages, benchmark::Counter::kIsIterationInvariantRate);
  state.counters["results_pages_per_s"] = benchmark::Counter(results, benchmark::Counter::kIsIterationInvariantRate);
  PeakMemory(state);
}
BENCHMARK(ComposeWholeReport)->Args({0, 1})->Args({0, 0})->Unit(benchmark::kMillisecond);
BENCHMARK(ComposeWholeReport)->Args({1, 0})->Args({1, 1})->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(ComposeWholeReport)->Args({2, 1})->Unit(benchmark::kMillisecond)->Iterations(1);

// Composition and PDF writing together, as `voln-tvk report` does after the calculation.
void ComposeAndWritePdf(benchmark::State& state) {
  App();
  const Calculated& b = Plan(static_cast<int>(state.range(0)));
  if (b.building.Points().empty()) return state.SkipWithError("sample project missing");
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("report.pdf"));
  int pages = 0;
  for (auto _ : state) {
    const ComposedReport r = Compose(b, true);
    pages = r.PageCount();
    if (!WritePdf(r.document, path).isEmpty()) return state.SkipWithError("PDF not written");
  }
  state.counters["pages"] = pages;
  state.counters["pages_per_s"] = benchmark::Counter(pages, benchmark::Counter::kIsIterationInvariantRate);
  state.counters["pdf_MB"] = static_cast<double>(std::filesystem::file_size(path.toStdString())) / 1e6;
  PeakMemory(state);
}
BENCHMARK(ComposeAndWritePdf)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(ComposeAndWritePdf)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace tvk

BENCHMARK_MAIN();
