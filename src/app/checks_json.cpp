#include "app/checks_json.h"

#include <ostream>
#include <string>

#include "app/calc_json.h"
#include "engine/profile_checks.h"

namespace tvk {

namespace {

// Check values are kept in double; they are written as the calc output writes every number.
std::string Num(double value) { return JsonNumber(static_cast<float>(value)); }
std::string Num(const std::optional<double>& value) { return value ? Num(*value) : "null"; }
std::string Flag(bool value) { return value ? "true" : "false"; }
std::string Flag(const std::optional<bool>& value) { return value ? Flag(*value) : "null"; }

std::string Missing(const MissingFields& missing) {
  std::string text = "[";
  for (const CheckInput field : missing.List()) {
    text += (text.size() > 1 ? ", " : "") + JsonString(CheckInputKey(field));
  }
  return text + "]";
}

const char* LwSource(const LwDerivation& lw, int storeys) {
  const bool entered =
      lw.storey1.source == ValueSource::Entered || (storeys >= 2 && lw.storey2.source == ValueSource::Entered);
  return entered ? "entered" : "formula";
}

void WriteWallQuantity(const ProfileChecks& c, std::ostream& out) {
  const int storeys = static_cast<int>(c.plans.size());
  const SeismicWeights& w = c.lw.weights;
  const std::optional<double> z2 = w.roof ? std::optional(w.roof->z2) : std::nullopt;
  out << "  \"wall_quantity\": {\"lw\": {\"storey1\": " << Num(c.lw.storey1.value)
      << ", \"storey2\": " << Num(storeys >= 2 ? c.lw.storey2.value : std::nullopt)
      << ", \"one_storey\": " << Num(c.lw.oneStorey.value) << ", \"source\": " << JsonString(LwSource(c.lw, storeys))
      << "},\n"
      << "    \"weights\": {\"z2\": " << Num(z2) << ", \"w1\": " << Num(w.w1) << ", \"w2\": " << Num(w.w2)
      << ", \"alpha\": " << Num(w.alpha) << ", \"t\": " << Num(w.t) << ", \"a2\": " << Num(w.a2) << "},\n"
      << "    \"missing\": " << Missing(c.wallQuantity.missing) << ",\n    \"storeys\": [";
  const char* separator = "\n";
  for (const WallQuantityStorey& s : c.wallQuantity.storeys) {
    out << separator << "      {\"storey\": " << s.storey;
    for (const Dir d : kDirs) {
      const WallQuantityDirection& q = s.dir[d];
      out << ",\n       " << (d == Dir::X ? "\"x\"" : "\"y\"") << ": {\"existing_cm\": " << Num(q.existingCm)
          << ", \"floor_area_m2\": " << Num(q.floorArea)
          << ", \"required_earthquake_cm\": " << Num(q.requiredEarthquakeCm)
          << ", \"wind_area_m2\": " << Num(q.wind.area)
          << ", \"wind_area_estimated\": " << Flag(q.wind.area && q.wind.source == ValueSource::Estimated)
          << ", \"required_wind_cm\": " << Num(q.requiredWindCm) << ", \"ratio\": " << Num(q.ratio)
          << ", \"ok\": " << Flag(q.ok) << "}";
    }
    out << "}";
    separator = ",\n";
  }
  out << "\n    ]},\n";
}

std::string Strip(const QuarterStrip& s) {
  return std::string("{\"side\": ") + (s.low ? "\"low\"" : "\"high\"") + ", \"from_m\": " + Num(s.from) +
         ", \"to_m\": " + Num(s.to) + ", \"area_m2\": " + Num(s.area) + ", \"lw\": " + Num(s.lw) +
         ", \"required_cm\": " + Num(s.requiredCm) + ", \"existing_cm\": " + Num(s.existingCm) +
         ", \"fill\": " + Num(s.fill) + ", \"one_storey_area_m2\": " + Num(s.oneStoreyArea) +
         ", \"one_storey_lw\": " + Num(s.oneStoreyArea > 0 ? s.oneStoreyLw : std::nullopt) + "}";
}

void WriteQuarters(const ProfileChecks& c, std::ostream& out) {
  out << "  \"quarters\": [";
  const char* separator = "\n";
  for (const QuarterStorey& s : c.quarters) {
    out << separator << "    {\"storey\": " << s.storey;
    for (const Dir d : kDirs) {
      const QuarterDirection& q = s.dir[d];
      out << ",\n     " << (d == Dir::X ? "\"x\"" : "\"y\"") << ": {\"strips\": [\n       " << Strip(q.strips[0])
          << ",\n       " << Strip(q.strips[1]) << "],\n       \"balance\": " << Num(q.balance)
          << ", \"ok\": " << Flag(q.ok) << ", \"eccentricity_exempt\": " << Flag(q.exempt) << "}";
    }
    out << "}";
    separator = ",\n";
  }
  out << "\n  ],\n";
}

std::string Figure(const ColumnDiameter& c) {
  std::string section = "null";
  if (c.capacity) {
    section =
        "{\"b\": " + std::to_string(c.capacity->section.b) + ", \"d\": " + std::to_string(c.capacity->section.d) + "}";
  }
  return "{\"wd\": " + Num(c.load ? std::optional(c.load->wd) : std::nullopt) + ", \"l_mm\": " + Num(c.lMm) +
         ", \"required_mm\": " + (c.requirement ? std::to_string(c.requirement->requiredMm) : "null") +
         ", \"section\": " + section +
         ", \"allowed_m2\": " + Num(c.capacity ? std::optional(c.capacity->allowedM2) : std::nullopt) +
         ", \"ok\": " + Flag(c.ok) + ", \"slender\": " + (c.capacity ? Flag(c.capacity->slender) : "null") + "}";
}

void WriteColumnSize(const ProfileChecks& c, std::ostream& out) {
  out << "  \"column_size\": {\"missing\": " << Missing(c.columnSize.missing) << ",\n    \"storeys\": [";
  const char* separator = "\n";
  for (const ColumnStorey& s : c.columnSize.storeys) {
    out << separator << "      {\"storey\": " << s.storey << ", \"outer\": " << Figure(s.outer)
        << ",\n       \"inner\": " << Figure(s.inner) << "}";
    separator = ",\n";
  }
  out << "\n    ],\n    \"columns\": [";
  separator = "\n";
  for (const ColumnSizeColumn& column : c.columnSize.columns) {
    const ColumnTributary& t = column.tributary;
    out << separator << "      {\"storey\": " << t.storey << ", \"i\": " << t.at.i << ", \"j\": " << t.at.j
        << ", \"outer\": " << Flag(t.outer) << ", \"tributary_m2\": " << Num(t.areaM2)
        << ", \"allowed_m2\": " << Num(column.allowedM2) << ", \"ok\": " << Flag(column.ok) << "}";
    separator = ",\n";
  }
  out << "\n    ]}\n";
}

}  // namespace

void WriteChecksJson(const ProfileChecks& checks, std::ostream& out) {
  WriteWallQuantity(checks, out);
  WriteQuarters(checks, out);
  WriteColumnSize(checks, out);
}

}  // namespace tvk
