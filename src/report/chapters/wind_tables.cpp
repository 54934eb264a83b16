// Tables 4.3.1 and 4.3.2: the 見付面積 per storey and direction with the wind
// requirement, and the parts of the estimated areas.
#include <algorithm>

#include "model/number_format.h"
#include "report/chapters/wall_tables.h"

namespace tvk {

namespace {

bool Estimated(const WindArea& wind) { return wind.area && wind.source == ValueSource::Estimated; }

std::string SourceText(const WindArea& wind) {
  if (!wind.area) return kNoValue;
  return wind.source == ValueSource::Entered ? "入力値" : "概算";
}

std::string PartName(const WindPart& part) {
  switch (part.kind) {
    case WindPartKind::Wall:
      return StoreyText(part.storey) + "外壁";
    case WindPartKind::Roof:
      return "屋根";
    case WindPartKind::LowerRoof:
      return "下屋";
  }
  return "";
}

}  // namespace

CheckTable WindTable(const WallQuantity& quantity, double windCoefficient) {
  CheckTable table{"表-4.3.1.見付面積と風圧力に対する必要壁量",
                   "+^1200|+^1400|+>1800|+^1400|+>1700|+>1800;",
                   {"階", "加力方向", "見付面積\r(m²)", "区分", "風圧力の係数\r(cm/m²)", "必要壁量\r(cm)"},
                   {},
                   {},
                   {}};
  MissingFields missing;
  for (const WallQuantityStorey& s : quantity.storeys) {
    for (const Dir d : kDirs) {
      const WallQuantityDirection& q = s.dir[d];
      table.rows.push_back({StoreyText(s.storey), DirectionText(d), Fixed(q.wind.area, 2), SourceText(q.wind),
                            LwText(windCoefficient), Fixed(q.requiredWindCm, 1)});
      missing.Add(q.wind.missing);
    }
  }
  if (!missing.Empty()) table.notes.push_back(MissingNote(missing));
  return table;
}

CheckTable WindPartsTable(const WallQuantity& quantity) {
  CheckTable table{
      "表-4.3.2.見付面積の概算",
      "+^1300|+^1500|+>1000|+>1000|+>1000|+>1200|+>1100|+>1200;",
      {"階・方向", "部分", "幅\r(m)", "下端\r(m)", "上端\r(m)", "算入下限\r(m)", "算入高さ\r(m)", "面積\r(m²)"},
      {},
      {"※ 高さは１階の床面から。算入下限 = その階の床面 + 1.35 m、算入高さ = 上端 − max(下端, 算入下限)、"
       "面積 = 幅 × 算入高さ。",
       "※ 幅は加力方向と直交する方向の長さ (外壁はその階の床と吹抜けの範囲、屋根・下屋は軒の出を含む)。"},
      {}};
  for (const WallQuantityStorey& s : quantity.storeys) {
    for (const Dir d : kDirs) {
      const WindArea& wind = s.dir[d].wind;
      if (!Estimated(wind)) continue;
      // Every row names its storey and direction: the table may break between them.
      const std::string label = StoreyText(s.storey) + " " + DirectionText(d);
      for (const WindPart& part : wind.parts) {
        // A part wholly below the cut adds nothing to this storey's area.
        if (part.area <= 0) continue;
        const double counted = std::max(0.0, part.top - std::max(part.bottom, wind.cut));
        table.rows.push_back({label, PartName(part), FormatFixed(part.width, 3), FormatFixed(part.bottom, 3),
                              FormatFixed(part.top, 3), FormatFixed(wind.cut, 3), FormatFixed(counted, 3),
                              FormatFixed(part.area, 2)});
      }
      table.rows.push_back({label, "計", "", "", "", "", "", FormatFixed(*wind.area, 2)});
    }
  }
  return table;
}

}  // namespace tvk
