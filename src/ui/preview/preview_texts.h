#pragma once
// Texts of the report preview and of the report command: the contents list, the L option
// beside the pages, the questions, and the PDF file's default name.

#include <QString>
#include <array>
#include <string>

#include "report/chapters/report_composer.h"

namespace tvk {

class Building;

// The contents list: "表紙", "１．概要" with 1.1 to 1.6, "２．接合金物" with 2.1 to 2.3,
// "３．接合金物資料" with 3.1 and 3.2, "４．壁量の検討" with 4.1 to 4.5, "５．柱の小径の検討" with
// 5.1 to 5.3. group: the heading an entry stands under ("" for "表紙").
struct ContentsEntry {
  const char* group;
  const char* text;
  ReportEntry entry;
};
const std::array<ContentsEntry, kReportEntryCount>& ContentsEntries();

// The L option in words, shown beside the pages.
std::string LOptionText(int lMethod);

// The report command's question when some storey-2 column's pull-out reaches no storey-1
// column (Yes / No).
std::string NotTransmittedQuestion();

std::string PrintAllQuestion(const QString& printerName);
std::string PrintPageQuestion(const QString& printerName);
inline constexpr const char* kClosePreviewQuestion = "プレビュー画面を閉じます。";

// PDF output: the save dialog's title and filter, the default file name "Ｎ値計算書_" +
// the building name (trimmed, with the path separators / and \ as _), and the questions
// around writing.
inline constexpr const char* kPdfDialogTitle = "『 Ｎ値計算書 の PDF 出力 』";
inline constexpr const char* kPdfFilter = "PDF(*.pdf);;すべてのﾌｧｲﾙ(*.*)";
std::string PdfDefaultName(const Building& building);
// A file name made of a prefix and the building name, trimmed, with / and \ as _.
std::string BuildingFileName(const std::string& prefix, const Building& building);
// The name the save dialog starts with: the default name, with ".pdf" added when a dot in
// the building name would pass for an extension (the dialog adds its default extension only
// to a name without one).
std::string PdfDialogName(const Building& building);
std::string PdfOverwriteQuestion(const std::string& path);
std::string PdfWrittenQuestion(const std::string& path);
// A document the desktop cannot open: its name + " が見つかりません。".
std::string NotFoundMessage(const std::string& path);
// A written PDF that no program could be started for: where the file is.
std::string NoPdfViewerMessage(const std::string& path);

}  // namespace tvk
