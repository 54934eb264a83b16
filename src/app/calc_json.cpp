#include "app/calc_json.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <ostream>

#include "app/calc_results.h"
#include "app/checks_json.h"
#include "engine/calc_results.h"
#include "engine/eccentricity.h"
#include "engine/grade.h"
#include "engine/height_factor.h"
#include "engine/profile_checks.h"
#include "model/building.h"
#include "model/profile_store.h"
#include "model/version.h"

namespace tvk {

std::string JsonNumber(float value) {
  if (!std::isfinite(value)) return "null";
  char buf[32];
  const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
  std::string text(buf, end);
  // Keep floats recognisable as such: "2" becomes "2.0".
  if (text.find_first_of(".e") == std::string::npos) text += ".0";
  return text;
}

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

namespace {

const char* Bool(bool value) { return value ? "true" : "false"; }

// {"x": …, "y": …} of a per-direction pair given as JSON values.
std::string XY(const std::string& x, const std::string& y) { return "{\"x\": " + x + ", \"y\": " + y + "}"; }
std::string XY(float x, float y) { return XY(JsonNumber(x), JsonNumber(y)); }

// A direction without walls, or a storey that cannot resist torsion, has no ratio.
std::string Ratio(const StoreyBalance& bal, Dir d) { return HasRatio(bal, d) ? JsonNumber(bal.EccRatio[d]) : "null"; }

void WriteStorey(const CalcResults& results, int s, std::ostream& out) {
  const StoreyResult& storey = results.Storey(s);
  const StoreyBalance& bal = storey.balance;
  // Centres are plan coordinates: index 0 holds y (loading along X), index 1 holds x.
  out << "    {\"storey\": " << s << ", \"columns\": " << storey.columns
      << ", \"over_limit\": " << Bool(storey.overLimit) << ",\n"
      << "     \"eccentricity\": {\"gravity\": " << XY(bal.Gravity[Dir::Y], bal.Gravity[Dir::X])
      << ", \"rigidity\": " << XY(bal.Rigidity[Dir::Y], bal.Rigidity[Dir::X]) << ",\n"
      << "                      \"ratio\": " << XY(Ratio(bal, Dir::X), Ratio(bal, Dir::Y))
      << ", \"stiffness\": " << XY(bal.Stiffness[Dir::X], bal.Stiffness[Dir::Y])
      << ", \"elastic_radius\": " << XY(bal.ElasticRadius[Dir::X], bal.ElasticRadius[Dir::Y]) << "}}";
}

// heightFactor: the factor the column's own A x B carries.
std::string Direction(const ColumnResult& r, Dir d, float heightFactor) {
  return "{\"rating1\": " + JsonNumber(r.rating1[d]) + ", \"rating2\": " + JsonNumber(r.rating2[d]) +
         ", \"correction\": " + JsonNumber(r.correction[d]) + ", \"a\": " + JsonNumber(r.a[d]) +
         ", \"height_factor\": " + JsonNumber(heightFactor) + ", \"n\": " + JsonNumber(r.n[d]) +
         ", \"delta_n\": " + JsonNumber(r.deltaN[d]) + ", \"cross_share\": " + JsonNumber(r.crossShare[d]) +
         ", \"total\": " + JsonNumber(r.total(d)) + "}";
}

// Storey heights in metres, null where none is given.
std::string Heights(const Building& b) {
  std::string text = "{";
  for (int s = 1; s <= kMaxStoreys; ++s) {
    const std::optional<int> mm = StoreyHeightMm(b.Info, s);
    text += (s > 1 ? ", " : "") + std::string("\"storey") + std::to_string(s) +
            "\": " + (mm ? JsonNumber(static_cast<float>(*mm / 1000.0)) : std::string("null"));
  }
  return text + "}";
}

void WriteColumn(const Building& b, const ColumnRow& row, std::ostream& out) {
  const ColumnRec& c = row.column;
  const ColumnResult& r = row.result;
  const float factor = HeightFactor(b, row.storey);
  out << "    {\"storey\": " << row.storey << ", \"i\": " << row.i << ", \"j\": " << row.j
      << ", \"x_line\": " << JsonString(b.LineNameX(row.i)) << ", \"y_line\": " << JsonString(b.LineNameY(row.j))
      << ", \"kind\": " << static_cast<int>(c.ColKind) << ", \"through\": " << Bool(c.Through == 1) << ",\n"
      << "     \"corner\": " << Bool(c.Corner == 1) << ", \"b\": " << JsonNumber(r.b) << ", \"l\": " << JsonNumber(r.l)
      << ",\n"
      << "     \"x\": " << Direction(r, Dir::X, factor) << ",\n"
      << "     \"y\": " << Direction(r, Dir::Y, factor) << ",\n"
      << "     \"n\": " << JsonNumber(std::max(r.total(Dir::X), r.total(Dir::Y)))
      << ", \"grade\": " << JsonString(c.NeedGrade) << ", \"over_limit\": " << Bool(r.overLimit == 1)
      << ", \"not_transmitted\": " << Bool(r.notTransmitted == 1) << ",\n"
      << "     \"top\": " << JsonString(c.TopHardware) << ", \"bottom\": " << JsonString(c.BottomHardware)
      << ", \"top_ng\": " << Bool(IsHardwareNG(c.NeedGrade, c.TopHardware))
      << ", \"bottom_ng\": " << Bool(IsHardwareNG(c.NeedGrade, c.BottomHardware)) << "}";
}

}  // namespace

void WriteCalcJson(const Building& b, const CalcResults& results, std::ostream& out) {
  out << "{\n  \"version\": " << JsonString(VersionText()) << ",\n"
      << "  \"building\": {\"name\": " << JsonString(b.Info.BuildingName) << ", \"storeys\": " << b.Info.StoreyCount
      << ", \"spans\": [" << b.Info.GridSpansX << ", " << b.Info.GridSpansY
      << "], \"divisions\": " << b.Info.GridDivisions << ", \"pitch\": " << JsonNumber(b.Info.GridPitch)
      << ",\n               \"heights\": " << Heights(b) << "},\n"
      << "  \"not_transmitted\": " << Bool(results.notTransmitted) << ",\n  \"storeys\": [\n";
  for (int s = 1; s <= b.Storeys(); ++s) {
    WriteStorey(results, s, out);
    out << (s < b.Storeys() ? ",\n" : "\n");
  }
  out << "  ],\n  \"columns\": [";
  const char* separator = "\n";
  ForEachColumn(b, results, [&](const ColumnRow& row) {
    out << separator;
    WriteColumn(b, row, out);
    separator = ",\n";
  });
  out << "\n  ],\n";
  WriteChecksJson(RunProfileChecks(b, ReadProfile(b), results), out);
  out << "}\n";
}

}  // namespace tvk
