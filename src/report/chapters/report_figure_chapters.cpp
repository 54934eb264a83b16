// Chapters 1.5, 2.1 and 2.2: each on a new page with its heading, then its figures.
#include "report/chapters/report_context.h"
#include "report/surface/page_surface.h"

namespace tvk {

namespace {

double Figures(ReportContext& ctx, const FigureChapter& figures, double y) {
  if (!figures) return y;
  const double below = figures(ctx.surface, ctx.building, ctx.results, y);
  ctx.SetFontSize(kReportFontSize);
  return below;
}

}  // namespace

double WriteWallPlans(ReportContext& ctx) {
  ctx.NewPage();
  ctx.Mark(ReportEntry::WallPlans, 0);
  const double y = ctx.Line(0, 0, kHeadWallPlans);
  return Figures(ctx, ctx.request.figures.wallPlans, y);
}

double WriteHardwarePlans(ReportContext& ctx) {
  ctx.NewPage();
  double y = ctx.Line(0, 0, kHeadHardware);
  ctx.Mark(ReportEntry::HardwarePlans, y);
  y = ctx.Line(0, y, kHeadHardwarePlans);
  y += 0.5 * ctx.lp;
  y = ctx.Line(2 * ctx.cw, y, kHardwarePlansLine);
  return Figures(ctx, ctx.request.figures.hardwarePlans, y);
}

double WriteFrames(ReportContext& ctx) {
  ctx.NewPage();
  ctx.Mark(ReportEntry::HardwareFrames, 0);
  const double y = ctx.Line(0, 0, kHeadFrames);
  return Figures(ctx, ctx.request.figures.frames, y);
}

}  // namespace tvk
