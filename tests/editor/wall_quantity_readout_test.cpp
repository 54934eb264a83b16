// The wall-quantity read-out beside the eccentricity panel: the texts and colour of each
// direction, and a tooltip that shows the requirements or names what the profile lacks.

#include <gtest/gtest.h>

#include "editor/wall_quantity_readout.h"
#include "engine/wall_quantity.h"

namespace tvk {
namespace {

struct ReadoutCase {
  const char* what;
  double existing;
  std::optional<double> earthquake;
  std::optional<double> wind;
  WallQuantityCells expected;
};

// A direction judged as the engine judges it: the larger requirement governs.
WallQuantityDirection Judged(const ReadoutCase& c) {
  WallQuantityDirection q;
  q.existingCm = c.existing;
  q.requiredEarthquakeCm = c.earthquake;
  q.requiredWindCm = c.wind;
  if (c.earthquake && c.wind) {
    q.requiredCm = std::max(*c.earthquake, *c.wind);
    if (*q.requiredCm > 0) q.ratio = c.existing / *q.requiredCm;
    q.ok = c.existing >= *q.requiredCm;
  }
  return q;
}

TEST(WallQuantityReadout, CellsAndColourPerDirection) {
  using S = ReadoutState;
  const ReadoutCase cases[] = {
      {"walls beyond the requirement", 2002.0, 1500.5, 900.0, {"2002.0", "1500.5", "1.33", S::Met, "0.0"}},
      {"wind governs", 1200.0, 800.0, 1500.0, {"1200.0", "1500.0", "0.80", S::Short, "0.0"}},
      {"exactly enough is white", 1500.0, 1500.0, 1000.0, {"1500.0", "1500.0", "1.00", S::Met, "0.0"}},
      {"short though it reads 1.00", 1499.9, 1500.0, 0.0, {"1499.9", "1500.0", "1.00", S::Short, "0.0"}},
      {"no walls", 0.0, 1500.0, 0.0, {"0.0", "1500.0", "0.00", S::Short, "0.0"}},
      {"nothing required: no floor, no wind area", 45.5, 0.0, 0.0, {"45.5", "0.0", "―", S::Met, "0.0"}},
      {"no Lw: required unknown", 910.0, std::nullopt, 1000.0, {"910.0", "----", "----", S::Unknown, "0.0"}},
      {"no wind area: required unknown", 910.0, 800.0, std::nullopt, {"910.0", "----", "----", S::Unknown, "0.0"}},
  };
  for (const ReadoutCase& c : cases) {
    WallQuantityStorey storey;
    storey.dir[Dir::Y] = Judged(c);
    EXPECT_EQ(FormatWallQuantity(storey).dir[Dir::Y], c.expected) << c.what;
  }
}

TEST(WallQuantityReadout, PartlySheathedWallsShowTheirCountedShare) {
  WallQuantityStorey storey;
  for (const Dir d : kDirs) {
    WallQuantityDirection& q = storey.dir[d];
    q.floorArea = 60.0;
    q.requiredEarthquakeCm = 2100.0;
    q.wind.area = 0.0;
    q.wind.source = ValueSource::Entered;
    q.requiredWindCm = 0.0;
    q.requiredCm = 2100.0;
    q.bearingCm = 1200.0;
    q.quasiCm = d == Dir::X ? 1300.0 : 800.0;
    q.quasiCapCm = 1050.0;
    q.quasiCountedCm = std::min(q.quasiCm, 1050.0);
    q.existingCm = q.bearingCm + *q.quasiCountedCm;
    q.ratio = q.existingCm / 2100.0;
    q.ok = q.existingCm >= 2100.0;
  }
  const WallQuantityReadout readout = FormatWallQuantity(storey);
  EXPECT_EQ(readout.dir[Dir::X], (WallQuantityCells{"2250.0", "2100.0", "1.07", ReadoutState::Met, "1050.0"}));
  EXPECT_EQ(readout.dir[Dir::Y], (WallQuantityCells{"2000.0", "2100.0", "0.95", ReadoutState::Short, "800.0"}));
  EXPECT_NE(readout.tooltip.find("\n１階の存在壁量 (cm)：準耐力壁等は必要壁量の 1/2 まで\n"
                                 "Ｘ方向加力：耐力壁 1200.0 + 準耐力壁等 1050.0 (1300.0 のうち上限 1050.0 まで)\n"
                                 "Ｙ方向加力：耐力壁 1200.0 + 準耐力壁等 800.0 (800.0 のうち上限 1050.0 まで)"),
            std::string::npos)
      << readout.tooltip;
  // Without a requirement there is no cap, and the share is not known.
  storey.dir[Dir::X].quasiCountedCm.reset();
  storey.dir[Dir::X].quasiCapCm.reset();
  EXPECT_EQ(FormatWallQuantity(storey).dir[Dir::X].quasi, "----");
}

TEST(WallQuantityReadout, TooltipNamesWhatIsMissingByTheProfileDialogsLabels) {
  WallQuantityStorey storey;
  storey.dir[Dir::X].missing.Add(CheckInput::H1);
  storey.dir[Dir::X].missing.Add(CheckInput::Roof);
  storey.dir[Dir::Y].missing.Add(CheckInput::Eaves);
  storey.dir[Dir::Y].missing.Add(CheckInput::H1);
  EXPECT_EQ(FormatWallQuantity(storey).tooltip,
            "次の項目がないため必要壁量を算定できません：\n・１階の階高\n・軒の出\n・屋根仕上げ\n"
            "建物仕様は「設定」→「建物仕様」で入力します。");
  // A plan without floor lacks nothing the profile dialog could give.
  WallQuantityStorey noFloor;
  noFloor.dir[Dir::X].missing.Add(CheckInput::Floor2);
  EXPECT_EQ(FormatWallQuantity(noFloor).tooltip, "次の項目がないため必要壁量を算定できません：\n・２階の床");
}

TEST(WallQuantityReadout, TooltipShowsBothRequirementsWhenNothingIsMissing) {
  WallQuantityStorey storey;
  storey.storey = 2;
  for (const Dir d : kDirs) {
    WallQuantityDirection& q = storey.dir[d];
    q.floorArea = 60.0;
    q.requiredEarthquakeCm = 1500.0;
    q.wind.area = d == Dir::X ? 21.125 : 30.0;
    q.wind.source = d == Dir::X ? ValueSource::Estimated : ValueSource::Entered;
    q.requiredWindCm = *q.wind.area * 50;
  }
  EXPECT_EQ(FormatWallQuantity(storey).tooltip,
            "２階の必要壁量 (cm)：地震力と風圧力の大きい方\n"
            "Ｘ方向加力：地震力 1500.0 (床面積 60.00 m²)、風圧力 1056.3 (見付面積 21.13 m² 概算)\n"
            "Ｙ方向加力：地震力 1500.0 (床面積 60.00 m²)、風圧力 1500.0 (見付面積 30.00 m²)");
}

}  // namespace
}  // namespace tvk
