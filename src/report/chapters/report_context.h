#pragma once
// What the chapter procedures of the report share while it is composed: the surface, the
// inputs, the text metrics of the current font size, the chapter index and the flags.
// Chapter procedures take the current y (cm in the margin box) and return the y below
// their last line.

#include <QString>
#include <string>

#include "report/chapters/report_composer.h"
#include "report/chapters/report_fixed_texts.h"

namespace tvk {

class PageTable;

inline constexpr double kReportFontSize = 11;
inline const QString kBodyFace = QStringLiteral("ＭＳ 明朝");
inline const QString kPropFace = QStringLiteral("ＭＳ Ｐ明朝");

class ReportContext {
 public:
  ReportContext(PageSurface& surface, const ReportRequest& request);

  PageSurface& surface;
  const ReportRequest& request;
  const Building& building;
  const CalcResults& results;
  ChapterIndex index{};
  bool ng = false;
  bool resultsRunning = false;  // the page-started handler draws the results header block
  double cw = 0;                // width of "A" in the current font, cm
  double lp = 0;                // line pitch of the current font, cm
  double reportLp = 0;          // line pitch of the body font at the report font size

  // Sets the body face at size points and re-measures cw and lp.
  void SetFontSize(double points);
  void SetFont(const QString& face, double points);
  // Writes one line at (x, y) and returns the y of the next line.
  double Line(double x, double y, const std::string& text);
  // Writes text from (x, y) wrapped to the printable width, each line on a new page when it
  // does not fit below, the lines after the first indented by hanging cm; returns the y of
  // the next line.
  double Paragraph(double x, double y, const std::string& text, double hanging = 0);
  // Starts a new page; the current y is 0.
  void NewPage();
  // Records that entry e starts here with its heading at y.
  void Mark(ReportEntry e, double headingY);
  // A new page when height cm no longer fit below y; returns the y to draw at.
  double Room(double y, double height);
  // Draws table at y with its left edge indent cm right of the page's left margin;
  // returns the y below it.
  double Table(const PageTable& table, double y, double indent);
  // Title lines and the table of a fixed table, the table at tableSize points.
  double FixedTableBlock(const FixedTable& fixed, double y, double indent, double tableSize);
  double PrintableWidth() const;
  double PrintableHeight() const;
};

// Top of the cover's name box (cm) for a name of the given width at 20 pt.
double CoverNameTop(double nameWidthCm, double frameTop);

// The chapters, in report order.
double WriteCover(ReportContext& ctx);
double WritePolicy(ReportContext& ctx);
double WriteMethod(ReportContext& ctx, double y);
double WriteBraceTables(ReportContext& ctx);
double WriteHardwareList(ReportContext& ctx);
double WriteWallList(ReportContext& ctx, double y);
double WriteWallPlans(ReportContext& ctx);
double WriteHardwarePlans(ReportContext& ctx);
double WriteFrames(ReportContext& ctx);
double WriteResultsTable(ReportContext& ctx);
// Chapter 4 (壁量の検討); false, and nothing written, when the building profile gives
// nothing the wall checks read besides the storey heights.
bool WriteWallChapter(ReportContext& ctx);
// Chapter 5 (柱の小径の検討); false, and nothing written, when the building profile gives
// nothing besides the storey heights.
bool WriteColumnSize(ReportContext& ctx);

// Page-started handling: header and footer of every page, and the results header block.
void StartReportPage(ReportContext& ctx);
void DrawResultsHeaderBlock(ReportContext& ctx);

// Texts of the page header and footer ("left|centre|right").
QString ReportHeaderText(int page, const std::string& buildingName);
QString ReportFooterText(int page);

}  // namespace tvk
