// Table drawing: cell layout, rules, and breaking across pages.
#include "report/surface/table_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tvk {
namespace {

// One cell as laid out: position and width in paper twips, its font and wrapped lines.
// When a row is split over pages the lines already drawn are dropped from the front.
struct CellBox {
  double x = 0;
  double width = 0;
  int font = 0;
  double lineHeight = 0;
  QColor color;
  TextAlign align = TextAlign::Left;
  bool ruled = true;
  std::optional<QColor> background;
  QStringList lines;
  std::vector<double> widths;  // text width of each line, for alignment
};

using RowBox = std::vector<CellBox>;

double CellHeight(const CellBox& cell, qsizetype lines) { return double(lines) * cell.lineHeight + 2 * kCellPadY; }

double RowHeight(const RowBox& row) {
  double h = 2 * kCellPadY;
  for (const CellBox& cell : row) h = std::max(h, CellHeight(cell, cell.lines.size()));
  return h;
}

class TableWriter {
 public:
  TableWriter(PageSurface& surface, const PageTable& table);
  void Run();

 private:
  RowBox Layout(int row);
  void Place(RowBox& row);
  // Draws the row's lines that fit in available twips (all when they all fit or when not
  // even one line fits) and drops them; true when nothing is left.
  bool DrawRow(RowBox& row, double available);
  void DrawHeader();
  void BreakPage();

  PageSurface& surface_;
  const PageTable& table_;
  std::vector<int> visible_;  // column numbers (from 1) of the shown columns
  FontKey base_;
  QColor baseColor_;
  bool rules_ = true;
  double left_ = 0;             // paper x of the table's left edge
  double top_ = 0;              // paper y of the margin box's top
  double y_ = 0;                // twips from the margin box's top
  double bottom_ = 0;           // twips from the margin box's top
  bool fresh_ = false;          // no body row on this page yet
  bool headerPending_ = false;  // the header row goes above the next row drawn
  RowBox header_;
};

TableWriter::TableWriter(PageSurface& surface, const PageTable& table)
    : surface_(surface),
      table_(table),
      base_(surface.CurrentFontKey()),
      baseColor_(surface.State().textColor),
      rules_(surface.State().tableRules) {
  for (int c = 0; c < int(table.Columns().size()); ++c) {
    if (table.Columns()[c].width > 0) visible_.push_back(c + 1);
  }
  const QPointF origin = surface.ToPaper(QPointF());
  left_ = origin.x();
  top_ = origin.y();
  y_ = surface.CurrentY() * kTwipsPerCm;
  bottom_ = surface.PrintableCm().height() * kTwipsPerCm;
  fresh_ = surface.CurrentY() <= surface.PageBodyTop() + 1e-9;
}

RowBox TableWriter::Layout(int row) {
  RowBox out;
  double x = left_;
  for (size_t v = 0; v < visible_.size();) {
    const int column = visible_[v];
    const CellStyle style = table_.StyleAt(row, column);
    const size_t span = std::clamp<size_t>(size_t(std::max(1, style.span.value_or(1))), 1, visible_.size() - v);
    CellBox cell;
    cell.x = x;
    for (size_t k = v; k < v + span; ++k) cell.width += table_.Columns()[visible_[k] - 1].width;
    FontKey key = base_;
    if (style.fontName) key.name = *style.fontName;
    if (style.fontSize) key.sizeTwips = int(std::lround(*style.fontSize * kTwipsPerPoint));
    if (style.bold) key.bold = *style.bold;
    cell.font = surface_.FontIndex(key);
    const ReportFontMetrics& fm = surface_.Metrics(cell.font);
    cell.lineHeight = fm.Height();
    cell.color = style.textColor.value_or(baseColor_);
    cell.align = style.align.value_or(table_.Columns()[column - 1].align);
    cell.ruled = style.ruled.value_or(rules_);
    cell.background = style.background;
    const double room = cell.width - 2 * kCellPadX;
    for (const QString& line : SplitCellLines(table_.Cell(row, column))) cell.lines << WrapLine(line, room, fm);
    if (cell.align != TextAlign::Left) {
      for (const QString& line : cell.lines) cell.widths.push_back(fm.Width(line));
    }
    x += cell.width;
    v += span;
    out.push_back(std::move(cell));
  }
  return out;
}

void TableWriter::BreakPage() {
  surface_.NewPage();
  y_ = surface_.CurrentY() * kTwipsPerCm;
  fresh_ = true;
  headerPending_ = table_.HasHeader() && table_.RepeatHeader();
}

void TableWriter::DrawHeader() {
  RowBox copy = header_;
  DrawRow(copy, std::numeric_limits<double>::infinity());
  headerPending_ = false;
}

void TableWriter::Place(RowBox& row) {
  for (;;) {
    const double header = headerPending_ ? RowHeight(header_) : 0;
    if (y_ + header + RowHeight(row) <= bottom_) {
      if (headerPending_) DrawHeader();
      DrawRow(row, std::numeric_limits<double>::infinity());
      fresh_ = false;
      return;
    }
    // A row that fits on a page of its own moves on; a taller one is split between its
    // lines from here.
    if (!fresh_ && header + RowHeight(row) <= bottom_ - surface_.PageBodyTop() * kTwipsPerCm) {
      BreakPage();
      continue;
    }
    if (headerPending_) DrawHeader();
    if (DrawRow(row, bottom_ - y_)) return;
    BreakPage();
  }
}

bool TableWriter::DrawRow(RowBox& row, double available) {
  std::vector<qsizetype> counts;
  bool any = false;
  for (const CellBox& cell : row) {
    const double fit = std::floor((available - 2 * kCellPadY) / cell.lineHeight + 1e-9);
    counts.push_back(std::min(cell.lines.size(), qsizetype(std::max(0.0, std::min(fit, 1e9)))));
    any = any || counts.back() > 0;
  }
  if (!any) {
    for (size_t i = 0; i < row.size(); ++i) counts[i] = row[i].lines.size();
  }
  double height = 2 * kCellPadY;
  for (size_t i = 0; i < row.size(); ++i) height = std::max(height, CellHeight(row[i], counts[i]));
  const double top = top_ + y_;
  const PenSpec rule{Qt::SolidLine, kRuleWidth, Qt::black};
  bool done = true;
  for (size_t i = 0; i < row.size(); ++i) {
    CellBox& cell = row[i];
    const QRectF box(cell.x, top, cell.width, height);
    if (cell.background) {
      surface_.Record(RectOp{box, PenSpec{Qt::NoPen, 0, Qt::black}, BrushSpec{Qt::SolidPattern, *cell.background}});
    }
    for (qsizetype k = 0; k < counts[i]; ++k) {
      const QString& text = cell.lines[k];
      if (text.isEmpty()) continue;
      double x = cell.x + kCellPadX;
      if (cell.align == TextAlign::Centre) x = cell.x + (cell.width - cell.widths[k]) / 2;
      if (cell.align == TextAlign::Right) x = cell.x + cell.width - kCellPadX - cell.widths[k];
      surface_.Record(
          TextOp{text, QPointF(x, top + kCellPadY + double(k) * cell.lineHeight), cell.font, cell.color, 0});
    }
    if (cell.ruled) surface_.Record(RectOp{box, rule, BrushSpec{}});
    cell.lines.remove(0, counts[i]);
    if (!cell.widths.empty()) cell.widths.erase(cell.widths.begin(), cell.widths.begin() + counts[i]);
    done = done && cell.lines.isEmpty();
  }
  y_ += height;
  return done;
}

void TableWriter::Run() {
  if (visible_.empty()) return;
  if (table_.HasHeader()) {
    header_ = Layout(0);
    headerPending_ = true;
  }
  for (int row = 1; row <= table_.RowCount(); ++row) {
    RowBox box = Layout(row);
    Place(box);
  }
  if (headerPending_) {  // a header without body rows
    if (y_ + RowHeight(header_) > bottom_ && !fresh_) BreakPage();
    DrawHeader();
  }
  surface_.SetCurrentY(y_ / kTwipsPerCm);
}

}  // namespace

void DrawTable(PageSurface& surface, const PageTable& table) { TableWriter(surface, table).Run(); }

}  // namespace tvk
