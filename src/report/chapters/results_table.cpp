// Chapter 2.3: the results table, one row per grid point with a column, under a column
// header block that the page-started handler draws on every page of the table.
#include "model/building.h"
#include "report/chapters/report_context.h"
#include "report/chapters/results_header_block.h"
#include "report/chapters/results_table_cells.h"
#include "report/surface/page_surface.h"
#include "report/surface/table_layout.h"

namespace tvk {

namespace {

constexpr double kTableFontSize = 8;
// The storey-2 N column, where a column whose pull-out is not transmitted is marked in red.
constexpr int kUpperNColumn = 3;
const QColor kMarkRed(255, 0, 0);

QStringList ToCells(const ResultsRow& row) {
  QStringList cells;
  cells.reserve(kResultsColumns);
  for (const std::string& cell : row.cells) cells << QString::fromStdString(cell);
  return cells;
}

// What the red "未伝達*" of column 3 means, below the table in the table's font.
double WriteNotTransmittedLegend(ReportContext& ctx, double y) {
  PageSurface& s = ctx.surface;
  y = ctx.Room(y + 0.5 * ctx.lp, 2 * ctx.lp);
  const QString mark = QString::fromUtf8(kNotTransmittedMark);
  s.SetTextColor(kMarkRed);
  s.Text(0, y, mark);
  s.SetTextColor(Qt::black);
  const double indent = s.MeasureText(mark).width() / kTwipsPerCm;
  y = ctx.Line(indent, y, kNotTransmittedLegend1);
  return ctx.Line(indent, y, kNotTransmittedLegend2);
}

}  // namespace

void DrawResultsHeaderBlock(ReportContext& ctx) {
  PageSurface& s = ctx.surface;
  const double topCm = ctx.reportLp;
  const double top = topCm * kTwipsPerCm;
  s.SetFont(kPropFace, kTableFontSize);
  const double textHeight = s.TextHeightTw();
  auto measure = [&](const std::string& text) {
    return TextSize{s.MeasureText(QString::fromStdString(text)).width(), textHeight};
  };
  for (const PlacedText& t : LayoutResultsHeader(ctx.building.Settings, measure)) {
    s.TextTw(t.x, top + t.y, QString::fromStdString(t.text));
  }
  s.SetPen(PenSpec{Qt::SolidLine, kRuleWidth, Qt::black});
  for (const RuleLine& r : ResultsHeaderRules()) s.LineTw({r.x1, top + r.y1}, {r.x2, top + r.y2});
  s.SetCurrentY(topCm + kResultsHeaderHeight / double(kTwipsPerCm));
}

double WriteResultsTable(ReportContext& ctx) {
  const Building& b = ctx.building;
  ctx.ng = false;
  ctx.resultsRunning = true;
  ctx.NewPage();
  const double bodyTop = ctx.surface.PageBodyTop();
  ctx.SetFontSize(kReportFontSize);
  ctx.Mark(ReportEntry::Results, 0);
  ctx.Line(0, 0, kHeadResults);

  PageTable table{QString::fromStdString(ResultsBodyFormat())};
  bool notTransmitted = false;
  for (int j = 1; j <= b.PointsY(); ++j) {
    for (int i = 1; i <= b.PointsX(); ++i) {
      const std::optional<ResultsRow> row = ResultsRowCells(b, ctx.results, {i, j});
      if (!row) continue;
      ctx.ng = ctx.ng || row->ng;
      table.AddRow(ToCells(*row));
      if (row->notTransmitted) {
        const int r = table.RowCount();
        table.SetStyle(r, kUpperNColumn, r, kUpperNColumn, CellStyle{.textColor = kMarkRed});
        notTransmitted = true;
      }
    }
  }
  if (table.RowCount() == 0) {
    table.AddRow({QString::fromUtf8(kNoColumnsText)});
    table.SetStyle(1, 1, 1, 1, CellStyle{.span = kResultsColumns});
  }
  ctx.SetFont(kPropFace, kTableFontSize);
  double y = ctx.Table(table, bodyTop, 0);
  ctx.resultsRunning = false;
  if (notTransmitted) y = WriteNotTransmittedLegend(ctx, y);
  ctx.SetFontSize(kReportFontSize);
  return y;
}

}  // namespace tvk
