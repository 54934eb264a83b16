#include "report/chapters/check_table.h"

#include "report/chapters/report_context.h"
#include "report/surface/page_surface.h"
#include "report/surface/table_layout.h"

namespace tvk {

namespace {

const QColor kNgRed(255, 0, 0);

PageTable ToPageTable(const CheckTable& t) {
  PageTable table{QString::fromStdString(t.format)};
  QStringList header;
  for (const std::string& cell : t.header) header << QString::fromStdString(cell);
  table.SetHeaderCells(header);
  table.SetStyle(0, 1, 0, -1, CellStyle{.align = TextAlign::Centre});
  for (const auto& row : t.rows) {
    QStringList cells;
    for (const std::string& cell : row) cells << QString::fromStdString(cell);
    table.AddRow(cells);
  }
  for (const auto& [row, column] : t.red) table.SetStyle(row, column, row, column, CellStyle{.textColor = kNgRed});
  return table;
}

}  // namespace

double WriteCheckTable(ReportContext& ctx, const CheckTable& t, double y, double size) {
  y = ctx.Room(y, 5 * ctx.lp);  // the title stays with the header and a first row
  y = ctx.Line(2 * ctx.cw, y, t.title);
  ctx.SetFontSize(size);
  y = ctx.Table(ToPageTable(t), y, 0) + 0.3 * ctx.lp;
  // Notes start with a mark ("※ ", "* "); their further lines stand clear of it.
  const double hanging = ctx.surface.MeasureText(QStringLiteral("※ ")).width() / kTwipsPerCm;
  for (const std::string& note : t.notes) y = ctx.Paragraph(0, y, note, hanging);
  ctx.SetFontSize(kReportFontSize);
  return y + 0.5 * ctx.lp;
}

std::string JudgementText(const std::optional<bool>& ok) { return !ok ? kNoValue : *ok ? "OK" : "NG"; }

std::string MissingNames(const MissingFields& missing) { return MissingFieldNames(missing, "、"); }

std::string MissingNote(const MissingFields& missing) {
  if (missing.Empty()) return "";
  return "※ 次の項目がないため算定できません：" + MissingNames(missing);
}

std::string StoreyText(int storey) { return storey == 2 ? "２階" : "１階"; }

}  // namespace tvk
