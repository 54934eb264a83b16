// Table description: format strings, body texts, cell lines and wrapping, cell styles.
#include <QRegularExpression>

#include "report/surface/table_layout.h"

namespace tvk {
namespace {

// Opening brackets that must not end a line.
bool IsOpening(char32_t c) {
  static const QString kOpening = QStringLiteral("（「『【〔｛〈《([{");
  return c < 0x10000 && kOpening.contains(QChar(char16_t(c)));
}

// Characters between which a line may break without a space: Japanese text (CJK, kana,
// full-width forms and their punctuation).
bool IsWide(char32_t c) { return c >= 0x2E80 || (c >= 0x2010 && c <= 0x2015); }

// Closing punctuation that must not start a line.
bool IsClosing(char32_t c) {
  static const QString kClosing =
      QStringLiteral("、。，．）」』】〕｝〉》・：；？！ー々ぁぃぅぇぉっゃゅょァィゥェォッャュョ)]},.");
  return c < 0x10000 && kClosing.contains(QChar(char16_t(c)));
}

// Code point at i (a surrogate pair counts once) and its length in UTF-16 units.
char32_t CodePointAt(const QString& s, int i, int* length) {
  const QChar c = s.at(i);
  if (c.isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) {
    *length = 2;
    return QChar::surrogateToUcs4(c, s.at(i + 1));
  }
  *length = 1;
  return c.unicode();
}

QString TrimmedRight(QString s) {
  while (!s.isEmpty() && s.back().isSpace()) s.chop(1);
  return s;
}

}  // namespace

std::vector<TableColumn> ParseTableFormat(QStringView format) {
  QStringView body = format.trimmed();
  if (body.endsWith(u';')) body.chop(1);
  std::vector<TableColumn> columns;
  if (body.isEmpty()) return columns;
  for (QStringView part : body.split(u'|')) {
    QStringView d = part.trimmed();
    if (d.startsWith(u'+')) d = d.mid(1).trimmed();
    TableColumn column;
    if (!d.isEmpty() && (d[0] == u'^' || d[0] == u'<' || d[0] == u'>')) {
      column.align = d[0] == u'^' ? TextAlign::Centre : d[0] == u'<' ? TextAlign::Left : TextAlign::Right;
      d = d.mid(1);
    }
    bool ok = false;
    const int width = d.trimmed().toInt(&ok);
    column.width = ok && width > 0 ? width : 0;
    columns.push_back(column);
  }
  return columns;
}

QList<QStringList> ParseTableBody(QStringView body) {
  QList<QStringList> rows;
  QList<QStringView> parts = body.split(u';');
  if (!parts.isEmpty() && parts.back().isEmpty()) parts.removeLast();
  for (QStringView row : parts) {
    QStringList cells;
    for (QStringView cell : row.split(u'|')) cells << cell.toString();
    rows << cells;
  }
  return rows;
}

QStringList SplitCellLines(QStringView cell) {
  static const QRegularExpression kBreak(QStringLiteral("\r\n|\r|\n"));
  if (!cell.contains(u'\r') && !cell.contains(u'\n')) return {cell.toString()};
  return cell.toString().split(kBreak);
}

QStringList WrapLine(const QString& line, double width, const ReportFontMetrics& metrics) {
  if (metrics.Width(line) <= width) return {line};
  QStringList out;
  int start = 0;
  int breakAt = -1;  // where the next line would start at the last break opportunity
  double lineWidth = 0;
  for (int i = 0; i < line.size();) {
    int length = 1;
    const char32_t c = CodePointAt(line, i, &length);
    const double advance = metrics.Width(line.mid(i, length));
    if (lineWidth + advance > width && i > start && !QChar::isSpace(c)) {
      const int cut = breakAt > start ? breakAt : i;
      out << TrimmedRight(line.mid(start, cut - start));
      start = cut;
      breakAt = -1;
      lineWidth = metrics.Width(line.mid(start, i - start));
    }
    lineWidth += advance;
    i += length;
    if (i < line.size()) {
      int nextLength = 1;
      const char32_t next = CodePointAt(line, i, &nextLength);
      const bool wide = IsWide(c) || IsWide(next);
      if (QChar::isSpace(c) || (wide && !IsClosing(next) && !IsOpening(c) && !QChar::isSpace(next))) {
        breakAt = i;
      }
    }
  }
  out << line.mid(start);
  return out;
}

// --- PageTable ---

PageTable::PageTable(QStringView format) : columns_(ParseTableFormat(format)) {}

PageTable::PageTable(std::vector<TableColumn> columns) : columns_(std::move(columns)) {}

void PageTable::SetHeader(QStringView header) { SetHeaderCells(header.toString().split(u'|')); }

void PageTable::SetHeaderCells(const QStringList& cells) {
  rows_[0] = cells;
  hasHeader_ = true;
}

void PageTable::AddBody(QStringView body) { AddRows(ParseTableBody(body)); }

void PageTable::AddRow(const QStringList& cells) { rows_.push_back(cells); }

void PageTable::AddRows(const QList<QStringList>& rows) {
  rows_.reserve(rows_.size() + rows.size());
  for (const QStringList& row : rows) rows_.push_back(row);
}

void PageTable::SetStyle(int row1, int col1, int row2, int col2, const CellStyle& style) {
  styles_.push_back({row1, col1, row2, col2, style});
}

QString PageTable::Cell(int row, int column) const {
  if (row < 0 || row >= int(rows_.size())) return {};
  const QStringList& cells = rows_[row];
  return column >= 1 && column <= int(cells.size()) ? cells[column - 1] : QString();
}

CellStyle PageTable::StyleAt(int row, int column) const {
  CellStyle out;
  const int lastRow = RowCount();
  const int lastColumn = int(columns_.size());
  for (const RangeStyle& r : styles_) {
    const int row2 = r.row2 < 0 ? lastRow : r.row2;
    const int col2 = r.col2 < 0 ? lastColumn : r.col2;
    if (row < r.row1 || row > row2 || column < r.col1 || column > col2) continue;
    const CellStyle& s = r.style;
    if (s.fontSize) out.fontSize = s.fontSize;
    if (s.bold) out.bold = s.bold;
    if (s.fontName) out.fontName = s.fontName;
    if (s.align) out.align = s.align;
    if (s.ruled) out.ruled = s.ruled;
    if (s.background) out.background = s.background;
    if (s.textColor) out.textColor = s.textColor;
    if (s.span) out.span = s.span;
  }
  return out;
}

}  // namespace tvk
