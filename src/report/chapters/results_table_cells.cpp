#include "report/chapters/results_table_cells.h"

#include <cmath>

#include "engine/calc_results.h"
#include "engine/grade.h"
#include "engine/transmission.h"
#include "model/building.h"
#include "model/number_format.h"
#include "report/chapters/height_terms.h"
#include "report/chapters/results_header_block.h"

namespace tvk {

namespace {

constexpr const char* kCr = "\r";

std::string F1(float v) { return FormatFixed(v, 1); }
std::string F2(double v) { return FormatFixed(v, 2); }

// Multiplied in this order, as the header states it: a product 5.292 stored beforehand lies
// just off its decimal value and tips exact halves such as 6.25 x 5.292 = 33.075 downwards.
std::string KiloNewtonLine(float n) { return "(" + F2(static_cast<double>(n) * 1.96 * 2.7) + "kN)"; }

// X block, separator line, Y block.
std::string PerDirection(const PerDir<std::string>& blocks, const char* separator) {
  return blocks[Dir::X] + kCr + separator + kCr + blocks[Dir::Y];
}

// One placed-hardware entry, with the NG line below it when it is too weak.
std::string PlacedEntry(const std::string& need, const std::string& placed, bool& ng) {
  if (placed.empty()) return kEmptyPlaced;
  if (!IsHardwareNG(need, placed)) return placed;
  ng = true;
  return placed + kCr + kNgMark;
}

std::string PlacedCell(const ColumnRec& column, bool& ng) {
  return PlacedEntry(column.NeedGrade, column.TopHardware, ng) + kCr + kCr +
         PlacedEntry(column.NeedGrade, column.BottomHardware, ng);
}

const char* const kDashPlaced = "-\r\r-";

// A height term moved to the start of the next line; nothing when there is none.
std::string WithBreak(const std::string& term) { return term.empty() ? term : kCr + term; }

bool IsThrough(const Building& b, GridPos at) {
  for (int s = 1; s <= b.Storeys(); ++s) {
    const ColumnRec& c = b.Point(at, s).Column;
    if (c.Through == 1 || c.ColKind == ColumnKind::Through) return true;
  }
  return false;
}

std::string LineNamesCell(const Building& b, GridPos at) {
  std::string text = "  " + b.LineNameX(at.i) + kCr + "  " + b.LineNameY(at.j);
  if (IsThrough(b, at)) text += std::string(kCr) + "通し柱";
  return text;
}

void FillUpperStorey(const Building& b, const CalcResults& results, GridPos at, ResultsRow& row) {
  const GridPoint& p = b.Point(at, 2);
  const ColumnResult& r = results.Column(at, 2);
  // The height term goes on a line of its own: the column is too narrow for the whole formula.
  const std::string factor = WithBreak(HeightFactorTerm(b, 2));
  PerDir<std::string> n;
  for (const Dir d : kDirs) {
    n[d] = F2(r.n[d]) + kCr + "=" + F1(r.a[d]) + "x" + F1(r.b) + factor + "-" + F1(r.l) + kCr + KiloNewtonLine(r.n[d]);
  }
  row.cells[2] = PerDirection(n, "―――――");
  if (r.notTransmitted != 0) {
    row.notTransmitted = true;
    row.cells[2] += std::string(kCr) + kNotTransmittedMark;
  }
  row.cells[3] = p.Column.NeedGrade;
  row.cells[4] = PlacedCell(p.Column, row.ng);
}

void FillLowerStorey(const Building& b, const CalcResults& results, GridPos at, bool hasUpper, ResultsRow& row) {
  const GridPoint& p = b.Point(at, 1);
  const ColumnResult& r = results.Column(at, 1);
  const ColumnResult upper = hasUpper ? results.Column(at, 2) : ColumnResult{};
  // With the L option 1 the storey-1 L the engine stores already holds the storey-2 L
  // (L1 + L2), so it is printed as it is: the formula then adds up to the N' beside it.
  const float l = r.l;
  const std::string factor1 = HeightFactorTerm(b, 1);
  const std::string factor2 = hasUpper ? HeightFactorTerm(b, 2) : std::string();
  // With a height term the storey-2 product starts a line of its own.
  const std::string plus = factor1.empty() && factor2.empty() ? "+" : std::string(kCr) + "+";
  PerDir<std::string> nPrime, deltaN, total;
  bool anyValue = false;
  for (const Dir d : kDirs) {
    const float received = r.deltaN[d] + r.crossShare[d];
    if (r.n[d] == 0 && received == 0 && upper.n[d] == 0) {
      nPrime[d] = deltaN[d] = total[d] = "-";
      continue;
    }
    anyValue = true;
    nPrime[d] = F2(r.n[d]) + kCr + "=" + F1(r.a[d]) + "x" + F1(r.b) + factor1 + plus + F1(upper.a[d]) + "x" +
                F1(upper.b) + factor2 + "-" + F1(l);
    deltaN[d] = DeltaNCell(b, results, d, at);
    const float n = r.total(d);
    total[d] = ShiftedNText(n) + kCr + KiloNewtonLine(n);
  }
  row.cells[5] = PerDirection(nPrime, "―――――――――");
  row.cells[6] = PerDirection(deltaN, "――――――――");
  row.cells[7] = PerDirection(total, "――――");
  if (anyValue) {
    row.cells[8] = p.Column.NeedGrade;
    row.cells[9] = PlacedCell(p.Column, row.ng);
  } else {
    row.cells[8] = "-";
    row.cells[9] = kDashPlaced;
  }
}

// "(A2xB2)x0.75" or, with the L option 1, "(A2xB2-L2)x0.75"; with the storey-2 height
// factor "(A2xB2x3.30/2.7)" and the ratio on the next line.
std::string SourceTerm(const Building& b, const CalcResults& results, Dir d, GridPos at, float ratio) {
  const ColumnResult& r = results.Column(at, 2);
  const std::string factor = HeightFactorTerm(b, 2);
  std::string term = "(" + F1(r.a[d]) + "x" + F1(r.b) + factor;
  if (b.Settings.LMethod == 1) term += "-" + F1(r.l);
  return term + ")" + (factor.empty() ? "" : kCr) + "x" + F2(ratio);
}

}  // namespace

std::string ShiftedNText(float n) {
  const double v = n > 0 ? static_cast<double>(n) + 0.0005 : static_cast<double>(n) - 0.0005;
  return F2(v);
}

std::string DeltaNCell(const Building& b, const CalcResults& results, Dir d, GridPos at) {
  const ColumnResult& r = results.Column(at, 1);
  const float received = r.deltaN[d] + r.crossShare[d];
  if (received == 0) return "-";
  std::string text = F2(received) + kCr + "=";
  // Beam-end terms exist only when that transmission is on; listing them otherwise would
  // print shares that were never added.
  if (b.Settings.NoTransmitMissingColumn == 0) {
    const int maxSteps = b.Spans(d) + 1;
    for (const Side side : kSides) {
      std::optional<GridPos> after;
      for (int step = 0; step < maxSteps; ++step) {
        const NSource src = ColNukeNSource(b, side, d, at, 1, after);
        if (!src.found || src.at == after) break;
        if (src.ratio > 0) text += SourceTerm(b, results, d, src.at, src.ratio) + kCr + "+";
        after = src.at;
      }
    }
  }
  if (std::fabs(r.crossShare[d]) > 0.000001f) text += "[" + FormatFixed(r.crossShare[d], 3) + "] +";
  if (text.size() <= 7) return "-";
  text.resize(text.size() - 2);
  return text;
}

std::optional<ResultsRow> ResultsRowCells(const Building& b, const CalcResults& results, GridPos at) {
  const bool upper = b.Storeys() >= 2 && b.Point(at, 2).hasColumn();
  const bool lower = b.Point(at, 1).hasColumn();
  if (!upper && !lower) return std::nullopt;
  ResultsRow row;
  row.cells[0] = LineNamesCell(b, at);
  row.cells[1] = std::string("X―") + kCr + "Y";
  if (upper) {
    FillUpperStorey(b, results, at, row);
  } else {
    row.cells[2] = row.cells[3] = "-";
    row.cells[4] = kDashPlaced;
  }
  if (lower) {
    FillLowerStorey(b, results, at, upper, row);
  } else {
    row.cells[5] = row.cells[6] = row.cells[7] = row.cells[8] = "-";
    row.cells[9] = kDashPlaced;
  }
  return row;
}

std::string ResultsBodyFormat() {
  std::string format;
  bool first = true;
  for (int width : kResultsHeaderWidths) {
    if (width == 0) continue;
    if (!format.empty()) format += "|";
    format += (first ? "+<" : "+^") + std::to_string(width);
    first = false;
  }
  return format + ";";
}

}  // namespace tvk
