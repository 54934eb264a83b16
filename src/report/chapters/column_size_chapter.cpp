// Chapter 5, only for a building with a profile: 5.1 the required small diameter and the area
// a column may carry per storey, 5.2 a plan per storey with the area each column carries,
// 5.3 the columns that carry more than they may.
#include <algorithm>
#include <string>
#include <vector>

#include "engine/profile_checks.h"
#include "model/building.h"
#include "model/profile_store.h"
#include "report/chapters/column_size_texts.h"
#include "report/chapters/report_context.h"
#include "report/figures/tributary_plan.h"
#include "report/surface/page_surface.h"

namespace tvk {

namespace {

constexpr double kTableSize = 10;
// The storey tables carry whole formulas with their numbers in a cell.
constexpr double kStoreyTableSize = 9;
// A table title stays with the table's header and first rows.
constexpr double kTableStartPitches = 6;

double WriteDiameters(ReportContext& ctx, const ProfileChecks& checks, const BuildingProfile& profile) {
  ctx.NewPage();
  ctx.SetFontSize(kReportFontSize);
  const double indent = 2 * ctx.cw;
  double y = ctx.Line(0, 0, kHeadColumnSize);
  ctx.Mark(ReportEntry::ColumnDiameter, y);
  y = ctx.Line(0, y, kHeadColumnDiameter);
  for (const std::string& line : ColumnDiameterIntroLines()) y = ctx.Line(indent, y, line);
  y = ctx.Line(indent, y + 0.5 * ctx.lp, kColumnFormulaTitle);
  y = ctx.FixedTableBlock(ColumnFormulaTable(), y, indent, kTableSize);
  y = ctx.Line(indent, ctx.Room(y + 0.5 * ctx.lp, kTableStartPitches * ctx.lp), kColumnStoreysTitle);
  const int storeys = ctx.building.Storeys();
  for (const ColumnStorey& s : checks.columnSize.storeys) {
    y = WriteCheckTable(ctx, ColumnStoreyTable(checks, profile, s.storey, storeys), y, kStoreyTableSize);
  }
  return y;
}

double WriteAreaPlans(ReportContext& ctx, const ProfileChecks& checks) {
  ctx.NewPage();
  ctx.Mark(ReportEntry::ColumnAreas, 0);
  double y = ctx.Line(0, 0, kHeadColumnAreaPlans);
  for (const std::string& line : ColumnAreaIntroLines()) y = ctx.Line(2 * ctx.cw, y, line);
  // Every storey's plan stands at the same place on its page, as in the other plan chapters.
  const double planY = y;
  for (int storey = 1; storey <= ctx.building.Storeys(); ++storey) {
    if (storey > 1) ctx.NewPage();
    y = DrawTributaryPlanPage(ctx.surface, ctx.building, storey, checks.columnSize.columns, planY,
                              ctx.request.figures.fonts);
  }
  ctx.SetFontSize(kReportFontSize);
  return y;
}

double WriteAreaCheck(ReportContext& ctx, const ProfileChecks& checks, double y) {
  const double indent = 2 * ctx.cw;
  std::vector<std::string> notJudged;
  for (const ColumnStorey& s : checks.columnSize.storeys) {
    std::string line = NotJudgedLine(s);
    if (!line.empty()) notJudged.push_back(std::move(line));
  }
  const bool anyJudged = std::any_of(checks.columnSize.columns.begin(), checks.columnSize.columns.end(),
                                     [](const ColumnSizeColumn& c) { return c.ok.has_value(); });
  const CheckTable ng = NgColumnsTable(ctx.building, checks);
  const bool list = anyJudged && !ng.rows.empty();
  // The heading stays with what follows it: its first lines, or the start of the list.
  const double following = list ? kTableStartPitches : 1 + 2.0 * static_cast<double>(notJudged.size());
  y = ctx.Room(y + 0.5 * ctx.lp, (1 + following) * ctx.lp);
  ctx.Mark(ReportEntry::ColumnCheck, y);
  y = ctx.Line(0, y, kHeadColumnAreaCheck);
  for (const std::string& line : notJudged) y = ctx.Paragraph(indent, y, line);
  if (!anyJudged) return y;
  if (!list) return ctx.Line(indent, ctx.Room(y, ctx.lp), kNoNgColumns);
  y = ctx.Line(indent, ctx.Room(y, kTableStartPitches * ctx.lp), kNgColumnsIntro);
  return WriteCheckTable(ctx, ng, y, kTableSize);
}

}  // namespace

bool WriteColumnSize(ReportContext& ctx) {
  const BuildingProfile profile = ReadProfile(ctx.building);
  if (!HasColumnProfile(profile)) return false;
  const ProfileChecks checks = RunProfileChecks(ctx.building, profile, ctx.results);
  WriteDiameters(ctx, checks, profile);
  const double y = WriteAreaPlans(ctx, checks);
  WriteAreaCheck(ctx, checks, y);
  return true;
}

}  // namespace tvk
