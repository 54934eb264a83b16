// Chapter 1.3 (the joint details table from the hardware list in use) and, on the
// same page, chapter 1.4 (brace and sheathing lists).
#include "model/building.h"
#include "report/chapters/report_context.h"

namespace tvk {

double WriteHardwareList(ReportContext& ctx) {
  ctx.NewPage();
  ctx.Mark(ReportEntry::HardwareList, 0);
  double y = ctx.Line(0, 0, kHeadHardwareList);
  y = ctx.FixedTableBlock(JointSpecTable(ctx.request.hardwareNames), y, 0, 10);
  return y + ctx.lp;
}

double WriteWallList(ReportContext& ctx, double y) {
  y = ctx.Room(y, 4 * ctx.lp);
  ctx.Mark(ReportEntry::WallList, y);
  y = ctx.Line(0, y, kHeadWallList);
  y = ctx.FixedTableBlock(BraceListTable(), y, 0, 10);
  y = ctx.FixedTableBlock(SheathingListTable(ctx.building.Settings.MaxWallMultiplier), y, 0, 10);
  return y + ctx.lp;
}

}  // namespace tvk
