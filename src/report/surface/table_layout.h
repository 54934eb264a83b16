#pragma once
// Tables on the page surface. A table is described by a format string (one descriptor per
// column), an optional header row and a body, then drawn at the current y from the current
// left margin:
//
//   PageTable table(u"+^700|+<6700|+^1600;");
//   table.SetHeader(u"|軸  組  の  種  類|倍  率");
//   table.AddBody(u"(1)|厚さ...|1.0;(2)|...|1.5;");   // or AddRow / AddRows with cell texts
//   table.SetStyle(1, 1, 1, -1, CellStyle{.bold = true});
//   DrawTable(surface, table);                        // surface's current y is now below it
//
// Cells wrap to their column width (Japanese text per character, other text at spaces where
// it can), measured with the real font; CR, LF or CR LF break a line inside a cell. A row is
// as high as its tallest cell. The table breaks across pages between rows (a row taller than
// a page is split between its lines); each new page runs the surface's page-started handler
// and the table continues at the current y the handler leaves, repeating the header row.

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <vector>

#include "report/surface/page_surface.h"

namespace tvk {

// Inner space between a cell's rules and its text, in twips (about 0.07 cm across, 0.05 cm
// down), and the width of cell rules.
inline constexpr double kCellPadX = 25;
inline constexpr double kCellPadY = 28;
inline constexpr double kRuleWidth = 8;

// One column: width in twips (0 hides the column and its cells) and alignment.
struct TableColumn {
  int width = 0;
  TextAlign align = TextAlign::Left;
  bool operator==(const TableColumn&) const = default;
};

// Columns of a format such as "+^700|+<6700|+^1600;": descriptors separated by "|", ";" at the
// end; each is an optional "+", an alignment mark ("^" centred, "<" left, ">" right; none:
// left) and the width in twips. An unreadable width counts as 0 (hidden).
std::vector<TableColumn> ParseTableFormat(QStringView format);

// Rows of a body text: rows end with ";" (the last may omit it), cells are split by "|".
QList<QStringList> ParseTableBody(QStringView body);

// Lines of a cell text, broken at CR LF, CR or LF.
QStringList SplitCellLines(QStringView cell);

// One line wrapped to width twips: breaks after a space, or between characters where either
// side is Japanese (or anywhere when a single word is too wide). Never returns no lines.
QStringList WrapLine(const QString& line, double width, const ReportFontMetrics& metrics);

// Attributes of a cell range; unset fields keep the table's own.
struct CellStyle {
  std::optional<double> fontSize{};  // points
  std::optional<bool> bold{};
  std::optional<QString> fontName{};
  std::optional<TextAlign> align{};
  std::optional<bool> ruled{};  // false: no rules around these cells
  std::optional<QColor> background{};
  std::optional<QColor> textColor{};
  std::optional<int> span{};  // this cell covers this many visible columns from itself
};

class PageTable {
 public:
  explicit PageTable(QStringView format);
  explicit PageTable(std::vector<TableColumn> columns);

  // Header row: cells split by "|".
  void SetHeader(QStringView header);
  void SetHeaderCells(const QStringList& cells);
  // Appends the rows of a body text (see ParseTableBody).
  void AddBody(QStringView body);
  // Appends rows given as cell texts (the two-dimensional form; texts may hold "|" and ";").
  void AddRow(const QStringList& cells);
  void AddRows(const QList<QStringList>& rows);

  // Sets attributes on the cells of rows row1..row2 and columns col1..col2 (inclusive).
  // Row 0 is the header row, body rows count from 1; columns count from 1 as in the format,
  // hidden columns included. -1 as row2 or col2 means the last. Later calls win.
  void SetStyle(int row1, int col1, int row2, int col2, const CellStyle& style);
  // Repeat the header row at the top of every page the table continues on (default on).
  void SetRepeatHeader(bool on) { repeatHeader_ = on; }

  const std::vector<TableColumn>& Columns() const { return columns_; }
  bool HasHeader() const { return hasHeader_; }
  int RowCount() const { return int(rows_.size()) - 1; }  // body rows
  bool RepeatHeader() const { return repeatHeader_; }
  // Row r (0 header, 1.. body) cells as given; missing cells are empty.
  QString Cell(int row, int column) const;
  // The style in force for a cell (row and column numbered as in SetStyle).
  CellStyle StyleAt(int row, int column) const;

 private:
  struct RangeStyle {
    int row1, col1, row2, col2;
    CellStyle style;
  };

  std::vector<TableColumn> columns_;
  std::vector<QStringList> rows_{QStringList()};  // rows_[0]: header
  bool hasHeader_ = false;
  bool repeatHeader_ = true;
  std::vector<RangeStyle> styles_;
};

// Draws the table at the surface's current y, from its current left margin, in its current
// font and with its table-rules setting; afterwards the current y lies below the table.
void DrawTable(PageSurface& surface, const PageTable& table);

}  // namespace tvk
