// Tables 4.4.1 (existing against required per storey and direction) and 4.4.2 (the walls
// of one storey line by line).
#include <cmath>

#include "model/building.h"
#include "model/number_format.h"
#include "model/path_parts.h"
#include "report/chapters/wall_tables.h"

namespace tvk {

namespace {

constexpr int kJudgementColumn = 11;

std::string WindAreaCell(const WindArea& wind) {
  const std::string area = Fixed(wind.area, 2);
  return wind.area && wind.source == ValueSource::Estimated ? area + "\r(概算)" : area;
}

// A multiplier with one decimal, two where the sheathing adjustment needs them.
std::string MultiplierText(double m) {
  return std::fabs(m * 10 - std::round(m * 10)) < 1e-6 ? FormatFixed(m, 1) : FormatFixed(m, 2);
}

// The segment along d that starts k segments into line `line` (j for d = X, i for d = Y).
const GridPoint& SegmentStart(const Building& b, int storey, Dir d, int line, int k) {
  return d == Dir::X ? b.Point(k, line, storey) : b.Point(line, k, storey);
}

// "136.5×2.5 + 91.0×4.0": runs of neighbouring segments with the same multiplier.
std::string LineTerms(const Building& b, int storey, Dir d, int line) {
  const double segmentCm = CellSide(b) * 100;
  std::string terms;
  const int spans = b.Spans(d);
  for (int k = 1; k <= spans;) {
    const double m = SegmentMultiplier(SegmentStart(b, storey, d, line, k), d);
    int last = k;
    while (last < spans && SegmentMultiplier(SegmentStart(b, storey, d, line, last + 1), d) == m) ++last;
    if (m > 0) {
      terms += (terms.empty() ? "" : " + ") + FormatFixed((last - k + 1) * segmentCm, 1) + "×" + MultiplierText(m);
    }
    k = last + 1;
  }
  return terms;
}

std::string LineName(const Building& b, Dir d, int line) {
  return TrimBlanks(d == Dir::X ? b.LineNameY(line) : b.LineNameX(line));
}

}  // namespace

CheckTable WallJudgementTable(const WallQuantity& quantity) {
  CheckTable table{"表-4.4.1.壁量の判定",
                   "+^600|+^700|+>1000|+>900|+>800|+>1000|+>900|+>1000|+>1000|+>700|+^700;",
                   {"階", "加力\r方向", "存在壁量\r(cm)", "床面積\r(m²)", "Lw\r(cm/m²)", "地震力\r必要壁量\r(cm)",
                    "見付面積\r(m²)", "風圧力\r必要壁量\r(cm)", "必要壁量\r(cm)", "存在/\r必要", "判定"},
                   {},
                   {"※ 地震力の必要壁量 = Lw × 床面積、風圧力の必要壁量 = 見付面積 × 風圧力の係数。",
                    "※ 必要壁量は地震力と風圧力の大きい方とし、存在壁量がそれ以上であれば OK とする。"},
                   {}};
  for (const WallQuantityStorey& s : quantity.storeys) {
    for (const Dir d : kDirs) {
      const WallQuantityDirection& q = s.dir[d];
      table.rows.push_back({StoreyText(s.storey), d == Dir::X ? "Ｘ" : "Ｙ", FormatFixed(q.existingCm, 1),
                            FormatFixed(q.floorArea, 2), q.lw ? LwText(*q.lw) : kNoValue,
                            Fixed(q.requiredEarthquakeCm, 1), WindAreaCell(q.wind), Fixed(q.requiredWindCm, 1),
                            Fixed(q.requiredCm, 1), Fixed(q.ratio, 2), JudgementText(q.ok)});
      if (q.ok && !*q.ok) table.red.emplace_back(static_cast<int>(table.rows.size()), kJudgementColumn);
    }
  }
  if (!quantity.missing.Empty()) table.notes.push_back(MissingNote(quantity.missing));
  return table;
}

CheckTable WallLineTable(const Building& building, int storey, const PerDir<WallLines>& walls) {
  CheckTable table{"表-4.4." + std::to_string(storey + 1) + "." + StoreyText(storey) + "の存在壁量",
                   "+^1100|+^1100|+<5400|+>1700;",
                   {"加力方向", "通り", "耐力壁 (長さ cm × 壁倍率)", "存在壁量\r(cm)"},
                   {},
                   {"※ 筋かいと面材を併用する区画の壁倍率は、その和 (7.0 まで) とする。"},
                   {}};
  for (const Dir d : kDirs) {
    const WallLines& lines = walls[d];
    // Every row names its direction: the table may break between them.
    const std::string direction = DirectionText(d);
    for (int line = 1; line <= static_cast<int>(lines.cm.size()); ++line) {
      const double cm = Nth(lines.cm, line);
      if (cm <= 0) continue;
      table.rows.push_back(
          {direction, LineName(building, d, line), LineTerms(building, storey, d, line), FormatFixed(cm, 1)});
    }
    if (lines.totalCm <= 0) table.rows.push_back({direction, "―", "耐力壁なし", FormatFixed(0.0, 1)});
    table.rows.push_back({direction, "計", "", FormatFixed(lines.totalCm, 1)});
  }
  return table;
}

}  // namespace tvk
