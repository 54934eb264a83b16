// The brace correction tables 表-1.2.1 to 表-1.2.3, on a page of their own.
#include "report/chapters/report_context.h"

namespace tvk {

double WriteBraceTables(ReportContext& ctx) {
  ctx.NewPage();
  double y = ctx.Line(0, 0, kHeadBraceCorrection);
  for (const FixedTable& table : BraceCorrectionTables()) y = ctx.FixedTableBlock(table, y, 2 * ctx.cw, 10);
  return y + ctx.lp;
}

}  // namespace tvk
