#include "app/calc_table.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "app/calc_results.h"
#include "app/checks_table.h"
#include "engine/calc_results.h"
#include "engine/eccentricity.h"
#include "engine/grade.h"
#include "engine/profile_checks.h"
#include "model/building.h"
#include "model/number_format.h"
#include "model/profile_store.h"

namespace tvk {

namespace {

// Columns of a terminal that a UTF-8 text takes: East Asian wide and full-width
// characters take two.
int DisplayWidth(const std::string& text) {
  int width = 0;
  for (size_t k = 0; k < text.size();) {
    const auto lead = static_cast<unsigned char>(text[k]);
    const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (size_t m = 1; m < length && k + m < text.size(); ++m) {
      code = (code << 6) | (static_cast<unsigned char>(text[k + m]) & 0x3F);
    }
    const bool wide = (code >= 0x1100 && code <= 0x115F) || (code >= 0x2E80 && code <= 0xA4CF) ||
                      (code >= 0xAC00 && code <= 0xD7A3) || (code >= 0xF900 && code <= 0xFAFF) ||
                      (code >= 0xFF00 && code <= 0xFF60) || (code >= 0xFFE0 && code <= 0xFFE6);
    width += wide ? 2 : 1;
    k += length;
  }
  return width;
}

// The text padded with spaces to `width` columns, on the left when rightAlign.
std::string Cell(const std::string& text, int width, bool rightAlign = false) {
  const std::string pad(static_cast<size_t>(std::max(0, width - DisplayWidth(text))), ' ');
  return rightAlign ? pad + text : text + pad;
}

std::string Number(float value) { return Cell(FormatFixed(value, 2), 7, true); }

std::string Placed(const std::string& need, const std::string& placed) {
  return placed + (IsHardwareNG(need, placed) ? " NG*" : "");
}

void PrintHeader(std::ostream& out) {
  out << Cell("storey", 7) << Cell("X line", 8) << Cell("Y line", 8) << Cell("dir", 4) << Cell("A", 7, true)
      << Cell("B", 7, true) << Cell("L", 7, true) << Cell("N", 7, true) << Cell("ΔN", 7, true) << Cell("cross", 7, true)
      << Cell("total", 7, true) << "  " << Cell("grade", 7) << Cell("top", 10) << "bottom\n";
}

void PrintColumn(const Building& b, const ColumnRow& row, std::ostream& out) {
  const ColumnRec& c = row.column;
  const ColumnResult& r = row.result;
  for (const Dir d : kDirs) {
    out << Cell(std::to_string(row.storey), 7) << Cell(b.LineNameX(row.i), 8) << Cell(b.LineNameY(row.j), 8)
        << Cell(d == Dir::X ? "X" : "Y", 4) << Number(r.a[d]) << Number(r.b) << Number(r.l) << Number(r.n[d])
        << Number(r.deltaN[d]) << Number(r.crossShare[d]) << Number(r.total(d)) << "  " << Cell(c.NeedGrade, 7)
        << Cell(Placed(c.NeedGrade, c.TopHardware), 10) << Placed(c.NeedGrade, c.BottomHardware) << "\n";
  }
}

void PrintEccentricity(const CalcResults& results, int s, std::ostream& out) {
  const StoreyBalance& bal = results.Storey(s).balance;
  const EccentricityText x = FormatEccentricity(bal, Dir::X);
  const EccentricityText y = FormatEccentricity(bal, Dir::Y);
  out << "storey " << s << " eccentricity   " << Cell("X方向加力", 12) << "Ｙ方向加力\n"
      << "  " << Cell("重心(◎)", 22) << Cell(x.gravity, 12) << y.gravity << "\n"
      << "  " << Cell("剛心(×)", 22) << Cell(x.rigidity, 12) << y.rigidity << "\n"
      << "  " << Cell("偏心率", 22) << Cell(x.ratio, 12) << y.ratio << "\n";
}

}  // namespace

void PrintCalcTable(const Building& building, const CalcResults& results, std::ostream& out) {
  out << building.Info.BuildingName << "  (" << building.Info.StoreyCount << " storeys, " << building.Info.GridSpansX
      << " x " << building.Info.GridSpansY << " spans)\n\n";
  PrintHeader(out);
  ForEachColumn(building, results, [&](const ColumnRow& row) { PrintColumn(building, row, out); });
  for (int s = 1; s <= building.Storeys(); ++s) {
    out << "\n";
    PrintEccentricity(results, s, out);
  }
  PrintChecksTable(building, RunProfileChecks(building, ReadProfile(building), results), out);
}

}  // namespace tvk
