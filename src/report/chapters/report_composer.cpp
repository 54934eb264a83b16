#include "report/chapters/report_composer.h"

#include "engine/calc_results.h"
#include "model/building.h"
#include "model/profile_store.h"
#include "report/chapters/column_size_texts.h"
#include "report/chapters/report_context.h"
#include "report/chapters/wall_tables.h"
#include "report/surface/page_surface.h"

namespace tvk {

namespace {

// Steps 2-10 of the chapter order, then chapters 4 and 5 where the building has them; each
// takes the y the previous one left where the chapter continues on the same page.
void WriteChapters(ReportContext& ctx, const std::function<void(int)>& progress) {
  int done = 0;
  auto step = [&] {
    if (progress) progress(++done);
  };
  WriteCover(ctx);
  step();
  double y = WritePolicy(ctx);
  step();
  WriteMethod(ctx, y);
  step();
  WriteBraceTables(ctx);
  step();
  y = WriteHardwareList(ctx);
  step();
  WriteWallList(ctx, y);
  step();
  WriteWallPlans(ctx);
  step();
  WriteHardwarePlans(ctx);
  step();
  WriteFrames(ctx);
  step();
  WriteResultsTable(ctx);
  step();
  if (WriteWallChapter(ctx)) step();
  if (WriteColumnSize(ctx)) step();
}

int FirstOverLimitStorey(const Building& b, const CalcResults& results) {
  for (int s = 1; s <= b.Storeys(); ++s) {
    if (results.Storey(s).overLimit) return s;
  }
  return 0;
}

}  // namespace

ComposedReport ComposeReport(PageSurface& surface, const ReportRequest& request) {
  surface.SetMargins(PageMargins{});
  surface.SetupPage(kReportFontSize, PaperCode::A4, false);
  ReportContext ctx(surface, request);
  surface.SetPageStartedHandler([&ctx](PageSurface&) { StartReportPage(ctx); });
  surface.BeginDocument();
  WriteChapters(ctx, request.progress);
  surface.EndDocument();
  surface.SetPageStartedHandler(nullptr);

  ComposedReport report;
  report.document = surface.TakeDocument();
  report.index = ctx.index;
  report.ng = ctx.ng;
  report.overLimitStorey = FirstOverLimitStorey(request.building, request.results);
  return report;
}

std::vector<std::string> ComposedReport::Warnings() const {
  std::vector<std::string> warnings;
  if (ng) warnings.emplace_back(kNgWarning);
  if (overLimitStorey != 0) warnings.emplace_back(kOverLimitWarning);
  return warnings;
}

int ReportChapterSteps(const Building& building) {
  const BuildingProfile profile = ReadProfile(building);
  return kReportChapterCount + (HasWallProfile(profile) ? 1 : 0) + (HasColumnProfile(profile) ? 1 : 0);
}

bool ConditionalEntry(ReportEntry e) { return e >= ReportEntry::WallProfile; }

std::string PageLabel(int page, int pageCount) {
  if (page == 1) return "表紙";
  return std::to_string(page - 1) + " / " + std::to_string(pageCount - 1);
}

}  // namespace tvk
