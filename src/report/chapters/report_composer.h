#pragma once
// Composition of the calculation report (計算書): every chapter in order onto the page
// surface, the chapter index for the preview's contents list, and the two conditions the
// preview and the batch command warn about afterwards.

#include <QDate>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "model/hardware_names.h"
#include "report/figures/figure_fonts.h"
#include "report/surface/page_ops.h"

namespace tvk {

class Building;
class CalcResults;
class PageSurface;

// Entries of the preview's contents list, in its order.
enum class ReportEntry {
  Cover,           // 表紙
  Policy,          // 1.1
  Method,          // 1.2
  HardwareList,    // 1.3
  WallList,        // 1.4
  WallPlans,       // 1.5
  WallFrames,      // 1.6 (no pages)
  HardwarePlans,   // 2.1
  HardwareFrames,  // 2.2
  Results,         // 2.3
  Strengths,       // 3.1 (no pages)
  JointDetails,    // 3.2 (no pages)
  WallProfile,     // 4.1 (with a building profile only)
  WallEarthquake,  // 4.2
  WallWind,        // 4.3
  WallJudgement,   // 4.4
  WallQuarters,    // 4.5
  ColumnDiameter,  // 5.1 (with a building profile only)
  ColumnAreas,     // 5.2
  ColumnCheck,     // 5.3
};
constexpr int kReportEntryCount = 20;

// Entries of a chapter only some buildings have (4 and 5: the building profile gives them). The
// contents list leaves them out when the report has no pages for them; the entries every
// report names stay, greyed out when they have no pages.
bool ConditionalEntry(ReportEntry e);

struct ChapterMark {
  int page = 0;           // 1-based start page; 0 when the report has no pages for the entry
  double headingYTw = 0;  // y of the heading from the top of the paper, twips
};

using ChapterIndex = std::array<ChapterMark, kReportEntryCount>;

inline const ChapterMark& MarkOf(const ChapterIndex& index, ReportEntry e) { return index[static_cast<size_t>(e)]; }

// Draws the figures of one chapter below its heading, starting at y (cm in the margin box)
// on the current page; returns the y below the last thing drawn.
using FigureChapter =
    std::function<double(PageSurface& surface, const Building& building, const CalcResults& results, double y)>;

// The plan and elevation figures. An empty one leaves its chapter with its heading only.
struct FigureChapters {
  FigureChapter wallPlans;      // 1.5.耐力壁伏図
  FigureChapter hardwarePlans;  // 2.1.接合金物伏図
  FigureChapter frames;         // 2.2.接合金物軸組図
  FigureFonts fonts{};          // label sizes of the plans chapter 4 draws itself
};

struct ReportRequest {
  const Building& building;            // calculated beforehand
  const CalcResults& results;          // of that calculation
  const HardwareNames& hardwareNames;  // the list in use
  FigureChapters figures;
  QDate date = QDate::currentDate();  // printed on the cover
  std::function<void(int chaptersDone)> progress;
};

inline constexpr const char* kOverLimitWarning =
    "必要金物が (る*) を超える柱があります。\n「2.1.接合金物伏図」で確認してください。(赤い四角)";
inline constexpr const char* kNgWarning =
    "耐力不足の金物が配置されています。\n\n計算書『2.3.Ｎ値･接合金物 算定結果一覧表』の\n"
    "金物仕様欄(柱頭･柱脚)で確認してください。\n「ＮＧ*」が表示されています。";
// Title of the message boxes that show them.
inline constexpr const char* kWarningTitle = "確認メッセージ";

// Chapters reported through progress: one step each; chapters 4 and 5 add one each where
// they are written.
constexpr int kReportChapterCount = 10;
// The steps the progress of this building's report takes.
int ReportChapterSteps(const Building& building);

struct ComposedReport {
  PageDocument document;
  ChapterIndex index{};
  bool ng = false;          // some placed hardware in the results table is too weak
  int overLimitStorey = 0;  // first storey with a column beyond (る)*, 0 when none

  int PageCount() const { return static_cast<int>(document.pages.size()); }
  // The warnings to show, in the order they are shown.
  std::vector<std::string> Warnings() const;
};

// Composes the whole report on surface (set up here: A4 portrait, report margins, 11 pt).
ComposedReport ComposeReport(PageSurface& surface, const ReportRequest& request);

// The preview's page label: "表紙" on page 1, else "n / total" with the cover not counted.
std::string PageLabel(int page, int pageCount);

}  // namespace tvk
