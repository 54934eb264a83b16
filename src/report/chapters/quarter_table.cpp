// Table 4.5.n: the side strips of one storey (四分割法), one row per force direction with
// the low strip on the first line of each cell and the high strip on the second.
#include "model/building.h"
#include "model/number_format.h"
#include "model/path_parts.h"
#include "report/chapters/wall_tables.h"

namespace tvk {

namespace {

constexpr int kJudgementColumn = 10;
// Marks an Lw cell whose strip has a part with no 2F above (a note gives its arithmetic).
constexpr const char* kOneStoreyMark = "*";

std::string SideText(const QuarterStrip& strip, Dir d) { return QuarterSideName(d, strip.low); }

std::string FillText(const QuarterStrip& strip) {
  // A strip with no floor requires nothing: there is no quotient to show.
  if (strip.requiredCm && *strip.requiredCm <= 0) return "―";
  return Fixed(strip.fill, 2);
}

// The storey's Lw; a strip wholly without 2F above shows the one-storey Lw.
std::string LwCell(const QuarterStrip& strip) {
  const bool allOpen = strip.oneStoreyArea > 0 && strip.oneStoreyArea >= strip.area;
  const std::optional<double>& lw = allOpen ? strip.oneStoreyLw : strip.lw;
  const std::string text = lw ? LwText(*lw) : kNoValue;
  return strip.oneStoreyArea > 0 ? text + kOneStoreyMark : text;
}

// Two lines, the low strip's text over the high strip's.
template <class Text>
std::string Both(const QuarterDirection& q, Text text) {
  return text(q.strips[0]) + "\r" + text(q.strips[1]);
}

// "* １階 Ｘ方向 下側：２階のない部分 2.48 m² は平屋の Lw。必要壁量 = 7.46×39 + 2.48×20 = 340.3 cm"
std::string OneStoreyNote(int storey, Dir d, const QuarterStrip& strip) {
  const double shared = strip.area - strip.oneStoreyArea;
  std::string terms;
  if (shared > 0 && strip.lw) terms = FormatFixed(shared, 2) + "×" + LwText(*strip.lw) + " + ";
  terms += FormatFixed(strip.oneStoreyArea, 2) + "×" + (strip.oneStoreyLw ? LwText(*strip.oneStoreyLw) : kNoValue);
  return std::string(kOneStoreyMark) + " " + StoreyText(storey) + " " + DirectionText(d) + " " + SideText(strip, d) +
         "：２階のない部分 " + FormatFixed(strip.oneStoreyArea, 2) + " m² は平屋の Lw。必要壁量 = " + terms + " = " +
         Fixed(strip.requiredCm, 1) + " cm";
}

}  // namespace

CheckTable QuarterTable(const Building& building, const QuarterStorey& quarters) {
  const int s = quarters.storey;
  CheckTable table{"表-4.5." + std::to_string(s) + "." + StoreyText(s) + "の側端部の壁量",
                   "+^800|+^700|+^1500|+>900|+>700|+>1000|+>1000|+>800|+>800|+^1100;",
                   {"加力方向", "側端部", "範囲\r(m)", "床面積\r(m²)", "Lw\r(cm/m²)", "必要壁量\r(cm)",
                    "存在壁量\r(cm)", "充足率", "壁率比", "判定"},
                   {},
                   {},
                   {}};
  MissingFields missing;
  bool exempt = false;
  for (const Dir d : kDirs) {
    const QuarterDirection& q = quarters.dir[d];
    std::string judgement = JudgementText(q.ok);
    if (q.exempt) judgement += "\r偏心率\r" + FormatFixed(*q.eccentricityRatio, 3);
    table.rows.push_back(
        {DirectionText(d), Both(q, [d](const QuarterStrip& k) { return SideText(k, d); }),
         Both(q, [](const QuarterStrip& k) { return FormatFixed(k.from, 3) + "〜" + FormatFixed(k.to, 3); }),
         Both(q, [](const QuarterStrip& k) { return FormatFixed(k.area, 2); }), Both(q, LwCell),
         Both(q, [](const QuarterStrip& k) { return Fixed(k.requiredCm, 1); }),
         Both(q, [](const QuarterStrip& k) { return FormatFixed(k.existingCm, 1); }), Both(q, FillText),
         Fixed(q.balance, 2), judgement});
    if (q.ok && !*q.ok) table.red.emplace_back(static_cast<int>(table.rows.size()), kJudgementColumn);
    for (const QuarterStrip& strip : q.strips) {
      if (strip.oneStoreyArea > 0) table.notes.push_back(OneStoreyNote(s, d, strip));
    }
    missing.Add(q.missing);
    exempt = exempt || q.exempt;
  }
  table.notes.push_back("※ 範囲は " + TrimBlanks(building.LineNameX(1)) + " 通り・" +
                        TrimBlanks(building.LineNameY(1)) + " 通りからの距離。側端部の線上の耐力壁を含む。");
  if (exempt) {
    table.notes.push_back(
        "※ 判定欄に偏心率を示した方向は、偏心率が 0.3 以下のため四分割法による検討を要しない"
        " (参考として判定を示す)。");
  }
  if (!missing.Empty()) table.notes.push_back(MissingNote(missing));
  return table;
}

}  // namespace tvk
