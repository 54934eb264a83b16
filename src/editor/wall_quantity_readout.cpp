#include "editor/wall_quantity_readout.h"

#include "engine/wall_quantity.h"
#include "model/number_format.h"

namespace tvk {

namespace {

constexpr const char* kNoValue = "----";
constexpr const char* kNothingRequired = "―";

std::string Fixed(const std::optional<double>& value, int decimals) {
  return value ? FormatFixed(*value, decimals) : kNoValue;
}

WallQuantityCells CellsOf(const WallQuantityDirection& q) {
  WallQuantityCells cells;
  cells.existing = FormatFixed(q.existingCm, 1);
  cells.required = Fixed(q.requiredCm, 1);
  cells.quasi = q.quasiCm == 0 ? FormatFixed(0.0, 1) : Fixed(q.quasiCountedCm, 1);
  if (!q.ok) {
    cells.ratio = kNoValue;
    return cells;
  }
  cells.ratio = q.ratio ? FormatFixed(*q.ratio, 2) : kNothingRequired;
  cells.state = *q.ok ? ReadoutState::Met : ReadoutState::Short;
  return cells;
}

bool LacksProfileField(const MissingFields& missing) {
  for (const CheckInput field : missing.List()) {
    if (field != CheckInput::Floor1 && field != CheckInput::Floor2) return true;
  }
  return false;
}

std::string MissingTooltip(const MissingFields& missing) {
  std::string text = "次の項目がないため必要壁量を算定できません：\n・" + MissingFieldNames(missing, "\n・");
  if (LacksProfileField(missing)) text += "\n建物仕様は「設定」→「建物仕様」で入力します。";
  return text;
}

// "Ｘ方向加力：地震力 1638.0 (床面積 60.00 m²)、風圧力 1000.0 (見付面積 20.00 m² 概算)".
std::string RequirementLine(Dir d, const WallQuantityDirection& q) {
  const bool estimated = q.wind.area && q.wind.source == ValueSource::Estimated;
  return std::string(d == Dir::X ? "Ｘ方向加力" : "Ｙ方向加力") + "：地震力 " + Fixed(q.requiredEarthquakeCm, 1) +
         " (床面積 " + FormatFixed(q.floorArea, 2) + " m²)、風圧力 " + Fixed(q.requiredWindCm, 1) + " (見付面積 " +
         Fixed(q.wind.area, 2) + " m²" + (estimated ? " 概算" : "") + ")";
}

// "Ｘ方向加力：耐力壁 1200.0 + 準耐力壁等 1050.0 (2200.0 のうち上限 1050.0 まで)".
std::string PartsLine(Dir d, const WallQuantityDirection& q) {
  return std::string(d == Dir::X ? "Ｘ方向加力" : "Ｙ方向加力") + "：耐力壁 " + FormatFixed(q.bearingCm, 1) +
         " + 準耐力壁等 " + Fixed(q.quasiCountedCm, 1) + " (" + FormatFixed(q.quasiCm, 1) + " のうち上限 " +
         Fixed(q.quasiCapCm, 1) + " まで)";
}

}  // namespace

WallQuantityReadout FormatWallQuantity(const WallQuantityStorey& storey) {
  WallQuantityReadout readout;
  MissingFields missing;
  for (const Dir d : kDirs) {
    readout.dir[d] = CellsOf(storey.dir[d]);
    missing.Add(storey.dir[d].missing);
  }
  if (!missing.Empty()) {
    readout.tooltip = MissingTooltip(missing);
    return readout;
  }
  const std::string name = storey.storey == 2 ? "２階" : "１階";
  readout.tooltip = name + "の必要壁量 (cm)：地震力と風圧力の大きい方";
  for (const Dir d : kDirs) readout.tooltip += "\n" + RequirementLine(d, storey.dir[d]);
  if (storey.dir[Dir::X].quasiCm > 0 || storey.dir[Dir::Y].quasiCm > 0) {
    readout.tooltip += "\n" + name + "の存在壁量 (cm)：準耐力壁等は必要壁量の 1/2 まで";
    for (const Dir d : kDirs) readout.tooltip += "\n" + PartsLine(d, storey.dir[d]);
  }
  return readout;
}

}  // namespace tvk
