#include "report/chapters/height_terms.h"

#include "engine/height_factor.h"
#include "model/building.h"
#include "model/number_format.h"
#include "model/profile_store.h"

namespace tvk {

namespace {

const char* const kHeightRule = "3.2m 以下の場合は 2.7 とする。";

}  // namespace

bool AnyHeightFactor(const Building& building) {
  for (int s = 1; s <= building.Storeys(); ++s) {
    if (HeightFactor(building, s) != 1.0f) return true;
  }
  return false;
}

std::string HeightFactorTerm(const Building& building, int storey) {
  if (HeightFactor(building, storey) == 1.0f) return {};
  return "x" + HeightMetres(*StoreyHeightMm(building.Info, storey)) + "/2.7";
}

FixedTable FormulaTable1WithHeight() {
  FixedTable table = FormulaTable1();
  table.rows[0][0] = "Ｎ＝Ａ1×Ｂ1×Ｈ1/2.7－Ｌ ･･････････････････ (1)";
  table.rows.push_back({"  Ｈ1", std::string("当該柱の階の横架材上端間の高さ(m)。") + kHeightRule});
  return table;
}

FixedTable FormulaTable2WithHeight(int lMethod) {
  FixedTable table = FormulaTable2(lMethod);
  table.rows[0][0] = "Ｎ＝Ａ1×Ｂ1×Ｈ1/2.7+Ａ2×Ｂ2×Ｈ2/2.7－Ｌ ･･･ (2)";
  table.rows[2][0] = "  Ａ1,Ｂ1,Ｈ1";
  table.rows.push_back({"  Ｈ2", std::string("当該柱に連続する２階柱の階の横架材上端間の高さ(m)。") + kHeightRule});
  return table;
}

std::string HeightsUsedLine(const Building& building) {
  std::string line = "本建物の階高Ｈ(横架材上端間)：";
  for (int s = 1; s <= building.Storeys(); ++s) {
    const std::optional<int> mm = StoreyHeightMm(building.Info, s);
    line += s == 1 ? "１階 " : "、２階 ";
    line += mm ? HeightMetres(*mm) + "m" : std::string("未入力");
    if (HeightFactor(building, s) == 1.0f) line += "(2.7 とする)";
  }
  return line;
}

std::string HeightMetres(int mm) { return FormatFixed(mm / 1000.0, mm % 10 == 0 ? 2 : 3); }

}  // namespace tvk
