#include "app/checks_table.h"

#include <algorithm>
#include <ostream>
#include <string>

#include "engine/profile_checks.h"
#include "model/building.h"
#include "model/number_format.h"

namespace tvk {

namespace {

// Table cells are ASCII, so that padding by bytes lines them up.
std::string Right(const std::string& text, size_t width) {
  return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

std::string Fixed(const std::optional<double>& value, int decimals, size_t width) {
  return Right(value ? FormatFixed(*value, decimals) : "----", width);
}

std::string Judgement(const std::optional<bool>& ok) { return !ok ? "----" : *ok ? "OK" : "NG"; }

const char* DirName(Dir d) { return d == Dir::X ? "X" : "Y"; }

void PrintMissing(const MissingFields& missing, std::ostream& out) {
  if (!missing.Empty()) out << "  不足: " << MissingText(missing) << "\n";
}

void PrintLw(const ProfileChecks& c, std::ostream& out) {
  const LwDerivation& lw = c.lw;
  const SeismicWeights& w = lw.weights;
  auto value = [](const LwValue& v) {
    return (v.value ? FormatFixed(*v.value, 0) : std::string("----")) +
           (v.source == ValueSource::Entered ? " (entered)" : "");
  };
  out << "  Lw cm/m2: 1F " << value(lw.storey1);
  if (c.plans.size() >= 2) out << "  2F " << value(lw.storey2);
  out << "  one storey " << value(lw.oneStorey) << "  C0 " << FormatFixed(lw.c0.value, 1) << "\n";
  if (w.roof) {
    out << "  Z2 " << FormatFixed(w.roof->z2, 5) << "  W1 " << Fixed(w.w1, 5, 0) << "  W2 " << Fixed(w.w2, 5, 0)
        << "  alpha " << Fixed(w.alpha, 5, 0) << "  T " << Fixed(w.t, 5, 0) << "  A2 " << Fixed(w.a2, 5, 0) << "\n";
  }
}

void PrintWallQuantity(const ProfileChecks& c, std::ostream& out) {
  out << "\nwall quantity 壁量計算\n";
  PrintLw(c, out);
  PrintMissing(c.wallQuantity.missing, out);
  out << "storey dir  existing  floor m2  seismic  wind m2     wind  required  ratio  judge\n";
  bool estimated = false;
  for (const WallQuantityStorey& s : c.wallQuantity.storeys) {
    for (const Dir d : kDirs) {
      const WallQuantityDirection& q = s.dir[d];
      const bool guess = q.wind.area && q.wind.source == ValueSource::Estimated;
      estimated = estimated || guess;
      out << Right(std::to_string(s.storey), 6) << Right(DirName(d), 4) << Fixed(q.existingCm, 1, 10)
          << Fixed(q.floorArea, 2, 10) << Fixed(q.requiredEarthquakeCm, 1, 9) << Fixed(q.wind.area, 2, 8)
          << (guess ? "*" : " ") << Fixed(q.requiredWindCm, 1, 8) << Fixed(q.requiredCm, 1, 10) << Fixed(q.ratio, 2, 7)
          << "  " << Judgement(q.ok) << "\n";
    }
  }
  if (estimated) out << "  * 概算\n";
}

void PrintQuarters(const ProfileChecks& c, std::ostream& out) {
  out << "\nquarters 四分割法\n";
  out << "storey dir side   from_m   to_m  area m2   Lw  required  existing   fill  balance  judge\n";
  for (const QuarterStorey& s : c.quarters) {
    for (const Dir d : kDirs) {
      const QuarterDirection& q = s.dir[d];
      for (const QuarterStrip& strip : q.strips) {
        out << Right(std::to_string(s.storey), 6) << Right(DirName(d), 4) << Right(strip.low ? "low" : "high", 5)
            << Fixed(strip.from, 2, 9) << Fixed(strip.to, 2, 7) << Fixed(strip.area, 2, 9) << Fixed(strip.lw, 0, 5)
            << Fixed(strip.requiredCm, 1, 10) << Fixed(strip.existingCm, 1, 10) << Fixed(strip.fill, 2, 7);
        if (!strip.low) {
          out << Fixed(q.balance, 2, 9) << "  " << Judgement(q.ok);
          if (q.exempt) out << "  偏心率 " << FormatFixed(*q.eccentricityRatio, 3) << " ≤ 0.3: 不要";
        }
        out << "\n";
        if (strip.oneStoreyArea > 0) {
          out << Right("", 15) << "of which one storey" << Fixed(strip.oneStoreyArea, 2, 9)
              << Fixed(strip.oneStoreyLw, 0, 5) << "\n";
        }
      }
    }
  }
}

std::string Section(const ColumnDiameter& c) {
  if (!c.capacity) return "----";
  return std::to_string(c.capacity->section.b) + "x" + std::to_string(c.capacity->section.d);
}

void PrintColumnSize(const Building& b, const ProfileChecks& c, std::ostream& out) {
  out << "\ncolumn size 柱の小径\n";
  PrintMissing(c.columnSize.missing, out);
  out << "storey column      Wd   l mm  de mm   section  allowed m2  judge\n";
  for (const ColumnStorey& s : c.columnSize.storeys) {
    for (const ColumnDiameter* figure : {&s.outer, &s.inner}) {
      const std::optional<double> wd = figure->load ? std::optional(figure->load->wd) : std::nullopt;
      const std::optional<double> de =
          figure->requirement ? std::optional<double>(figure->requirement->requiredMm) : std::nullopt;
      const std::optional<double> allowed =
          figure->capacity ? std::optional(figure->capacity->allowedM2) : std::nullopt;
      out << Right(std::to_string(s.storey), 6) << Right(figure->outer ? "outer" : "inner", 7) << Fixed(wd, 3, 8)
          << Fixed(figure->lMm, 0, 7) << Fixed(de, 0, 7) << Right(Section(*figure), 10) << Fixed(allowed, 1, 12) << "  "
          << Judgement(figure->ok) << (figure->capacity && figure->capacity->slender ? "  有効細長比 150 以上" : "")
          << "\n";
    }
  }
  for (const ColumnSizeColumn& column : c.columnSize.columns) {
    if (!column.ok || *column.ok) continue;
    const ColumnTributary& t = column.tributary;
    out << "  NG storey " << t.storey << " " << b.LineNameX(t.at.i) << " " << b.LineNameY(t.at.j) << "  tributary "
        << FormatFixed(t.areaM2, 2) << " m2 > " << FormatFixed(*column.allowedM2, 1) << " m2\n";
  }
}

}  // namespace

std::string MissingText(const MissingFields& missing) { return MissingFieldNames(missing, ", "); }

void PrintChecksTable(const Building& building, const ProfileChecks& checks, std::ostream& out) {
  PrintWallQuantity(checks, out);
  PrintQuarters(checks, out);
  PrintColumnSize(building, checks, out);
}

}  // namespace tvk
