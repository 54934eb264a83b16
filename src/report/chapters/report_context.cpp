#include "report/chapters/report_context.h"

#include "model/building.h"
#include "report/surface/page_surface.h"
#include "report/surface/table_layout.h"

namespace tvk {

namespace {

// Text that follows a table keeps a little distance from its bottom rule.
constexpr double kAfterTableGap = 0.3;

}  // namespace

ReportContext::ReportContext(PageSurface& s, const ReportRequest& r)
    : surface(s), request(r), building(r.building), results(r.results) {
  SetFontSize(kReportFontSize);
  reportLp = lp;
}

void ReportContext::SetFont(const QString& face, double points) {
  surface.SetFont(face, points);
  const CharMetrics m = surface.MeasureA();
  cw = m.width;
  lp = m.pitch;
}

void ReportContext::SetFontSize(double points) { SetFont(kBodyFace, points); }

double ReportContext::Line(double x, double y, const std::string& text) {
  surface.Text(x, y, QString::fromStdString(text));
  return y + lp;
}

double ReportContext::Paragraph(double x, double y, const std::string& text, double hanging) {
  const ReportFontMetrics& metrics = surface.Metrics(surface.FontIndex(surface.CurrentFontKey()));
  const double width = (PrintableWidth() - x - hanging) * kTwipsPerCm;
  double indent = 0;
  for (const QString& line : WrapLine(QString::fromStdString(text), width, metrics)) {
    y = Room(y, lp);
    surface.Text(x + indent, y, line);
    y += lp;
    indent = hanging;
  }
  return y;
}

void ReportContext::NewPage() { surface.NewPage(); }

void ReportContext::Mark(ReportEntry e, double headingY) {
  ChapterMark& mark = index[static_cast<size_t>(e)];
  mark.page = surface.CurrentPage();
  mark.headingYTw = (surface.Setup().margins.top + headingY - lp / 2) * kTwipsPerCm;
}

double ReportContext::Room(double y, double height) {
  if (y <= 0 || y + height <= PrintableHeight()) return y;
  NewPage();
  return surface.PageBodyTop();
}

double ReportContext::Table(const PageTable& table, double y, double indent) {
  const double margin = surface.LeftMargin();
  surface.SetLeftMargin(margin + indent);
  surface.SetCurrentY(y);
  DrawTable(surface, table);
  surface.SetLeftMargin(margin);
  return surface.CurrentY();
}

double ReportContext::FixedTableBlock(const FixedTable& fixed, double y, double indent, double tableSize) {
  if (!fixed.title.empty()) y = Line(2 * cw, y, fixed.title);
  if (!fixed.titleLine2.empty()) y = Line(2 * cw, y, fixed.titleLine2);
  PageTable table{QString::fromStdString(fixed.format)};
  for (const auto& row : fixed.rows) {
    QStringList cells;
    for (const std::string& cell : row) cells << QString::fromStdString(cell);
    table.AddRow(cells);
  }
  const int columns = static_cast<int>(table.Columns().size());
  for (const SpanningCell& c : fixed.spans) {
    CellStyle style{.span = columns - c.column + 1};
    if (c.leftAligned) style.align = TextAlign::Left;
    table.SetStyle(c.row, c.column, c.row, c.column, style);
  }
  const double bodySize = surface.State().fontSize;
  SetFontSize(tableSize);
  y = Table(table, y, indent);
  SetFontSize(bodySize);
  return y + kAfterTableGap * lp;
}

double ReportContext::PrintableWidth() const { return surface.PrintableCm().width(); }
double ReportContext::PrintableHeight() const { return surface.PrintableCm().height(); }

}  // namespace tvk
