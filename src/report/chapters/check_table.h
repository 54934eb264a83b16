#pragma once
// What the chapters of the 2025 checks (4 壁量, 5 柱の小径) share: a table with its title, a
// header row repeated on every page it runs over, its notes and its NG cells in red; the
// texts of a value the profile does not give enough for and of what it lacks.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/check_inputs.h"
#include "report/chapters/report_fixed_texts.h"

namespace tvk {

class ReportContext;

inline constexpr const char* kNoValue = "----";

// A table of the chapter: its title above, a header row repeated on every page it runs
// over, its rows, and the notes written below it.
struct CheckTable {
  std::string title;
  std::string format;  // column format, e.g. "+^700|+<6700|+^1600;"
  std::vector<std::string> header;
  TextRows rows;
  std::vector<std::string> notes;
  // Body cells (row, column from 1) written in red: the NG judgements.
  std::vector<std::pair<int, int>> red;
};

// The title, the table at size points and its notes from y; returns the y below the notes.
double WriteCheckTable(ReportContext& ctx, const CheckTable& table, double y, double size);

// "OK", "NG", or "----" when the check could not judge.
std::string JudgementText(const std::optional<bool>& ok);
// The missing fields as the profile dialog names them: "屋根仕上げ、屋根勾配".
std::string MissingNames(const MissingFields& missing);
// "※ 次の項目がないため算定できません：屋根仕上げ、屋根勾配"; "" when nothing is missing.
std::string MissingNote(const MissingFields& missing);
// "１階", "２階".
std::string StoreyText(int storey);

}  // namespace tvk
