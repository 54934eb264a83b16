// The tables of chapter 4 as text: the profile as entered and used, the Lw derivation of
// the published two-storey example, wind areas, the judgement, the walls line by line and
// the side strips, with "----" and a note where the profile lacks a value.
#include <gtest/gtest.h>

#include "engine/calc_results.h"
#include "engine/eccentricity.h"
#include "report/chapters/wall_tables.h"
#include "support/plan_builder.h"
#include "support/profile_samples.h"

namespace tvk {
namespace {

using test::kCrossed;
using test::PlanBuilder;
using test::PublishedProfile;
using Row = std::vector<std::string>;

// 10 x 6 cells of 1 m on both storeys (60 m² per floor), lines named X1.., Y1...
// 1F along X: y = 0 sheathing 2.5 over 4 m; y = 6 crossed 45x90 (4.0) over 2 m, then one
// metre of crossed 90x90 (5.0) with sheathing 3.0, capped at 7.0. 1F along Y: x = 0
// sheathing 2.5 over 4 m. 2F: x walls at y = 0 sheathing 2.5 over 6 m, nothing along Y.
Building SixtyPerFloor() {
  PlanBuilder p(2, 10, 6, 1, 1.0f);
  p.Floor(1, 1, 1, 10, 6).Floor(2, 1, 1, 10, 6);
  p.Sheathing(1, Dir::X, 1, 1, 4, 5).Brace(1, Dir::X, 1, 7, 2, 3, kCrossed);
  p.Brace(1, Dir::X, 3, 7, 1, 4, kCrossed).Sheathing(1, Dir::X, 3, 7, 1, 6);
  p.Sheathing(1, Dir::Y, 1, 1, 4, 5);
  p.Sheathing(2, Dir::X, 1, 1, 6, 5);
  for (int i = 1; i <= p.b.PointsX(); ++i) p.b.Settings.LineNamesX[size_t(i - 1)] = "X" + std::to_string(i);
  for (int j = 1; j <= p.b.PointsY(); ++j) p.b.Settings.LineNamesY[size_t(j - 1)] = "Y" + std::to_string(j);
  return p.b;
}

ProfileChecks Check(Building& b, const BuildingProfile& profile) {
  CalcResults calc;
  UpdateEccentricity(b, calc);
  return RunProfileChecks(b, profile, calc);
}

// The row whose first cell is first.
const Row* FindRow(const CheckTable& t, const std::string& first) {
  for (const Row& row : t.rows) {
    if (!row.empty() && row[0] == first) return &row;
  }
  return nullptr;
}

bool HasNote(const CheckTable& t, const std::string& part) {
  for (const std::string& note : t.notes) {
    if (note.find(part) != std::string::npos) return true;
  }
  return false;
}

TEST(WallTables, ChapterNeedsMoreThanTheHeights) {
  struct Case {
    const char* what;
    BuildingProfile profile;
    bool chapter;
  };
  BuildingProfile heights;
  heights.h1 = 3000;
  heights.h2 = 2900;
  BuildingProfile columns = heights;
  columns.wood = WoodChoice{ColumnWood::Sugi, 0};
  columns.column = {ColumnSection{105, 105}, ColumnSection{105, 105}};
  BuildingProfile roof;
  roof.roof = RoofChoice{RoofFinish::Tile, 0};
  BuildingProfile c0;
  c0.c0 = 0.3;
  BuildingProfile wind;
  wind.windArea[2][Dir::X] = 12.5;
  const Case cases[] = {
      {"nothing", BuildingProfile{}, false},
      {"heights", heights, false},
      {"columns", columns, false},
      {"roof", roof, true},
      {"c0", c0, true},
      {"wind area", wind, true},
      {"published", PublishedProfile(), true},
  };
  for (const Case& c : cases) EXPECT_EQ(HasWallProfile(c.profile), c.chapter) << c.what;
}

TEST(WallTables, ProfileRowsShowWhatWasEnteredAndWhatTheChecksUse) {
  BuildingProfile profile = PublishedProfile();
  profile.roof = RoofChoice{RoofFinish::Custom, 820};
  profile.solar = SolarChoice{SolarPanels::Mass, 300};
  profile.use = BuildingUse::Office;
  profile.lw1 = 44.5;
  profile.windArea[1][Dir::Y] = 30.25;
  const CheckTable t = ProfileTable(profile, ResolveLoads(profile), 2);
  const Row expected[] = {
      {"１階の階高", "3000 mm", "3.000 m"},
      {"小屋の高さ", "500 mm", "0.500 m"},
      {"屋根勾配", "4 寸", "4.00 寸"},
      {"屋根仕上げ", "820 N/m²", "820 N/m² (屋根面)"},
      {"太陽光パネル", "300 kg", "質量×9.8/最大の床面積 (床面)"},
      {"天井断熱材", "未入力", "100 N/m² (床面)"},
      {"外壁仕上げ", "サイディング", "600 N/m² (壁面の 91%)"},
      {"外壁断熱材", "未入力", "70 N/m² (壁面の 91%)"},
      {"開口部", "―", "400 N/m² (壁面の 9%)"},
      {"用途", "事務所等", "事務所等 (積載荷重 800 N/m²)"},
      {"標準せん断力係数Ｃ0", "未入力", "0.2"},
      {"風圧力の係数", "未入力", "50 cm/m²"},
      {"必要壁量 Lw (２階建ての１階)", "44.5 cm/m²", "入力値による"},
      {"必要壁量 Lw (２階建ての２階)", "未入力", "算定式による (4.2)"},
      {"見付面積 (１階・Ｙ方向加力)", "30.25 m²", "入力値による"},
      {"見付面積 (２階・Ｘ方向加力)", "未入力", "概算による (4.3)"},
  };
  for (const Row& row : expected) {
    const Row* found = FindRow(t, row[0]);
    ASSERT_NE(found, nullptr) << row[0];
    EXPECT_EQ(*found, row);
  }
  EXPECT_EQ(t.header, (Row{"項　　目", "入力値", "算定に用いる値"}));

  // A one-storey building has no rows of a second storey; a missing value shows "----".
  BuildingProfile one;
  one.roof = RoofChoice{RoofFinish::Tile, 0};
  const CheckTable single = ProfileTable(one, ResolveLoads(one), 1);
  EXPECT_EQ(FindRow(single, "２階の階高"), nullptr);
  EXPECT_EQ(FindRow(single, "見付面積 (２階・Ｘ方向加力)"), nullptr);
  EXPECT_EQ(*FindRow(single, "１階の階高"), (Row{"１階の階高", "未入力", "----"}));
  EXPECT_EQ(*FindRow(single, "屋根仕上げ"), (Row{"屋根仕上げ", "瓦", "990 N/m² (屋根面)"}));
}

// The published check: Z2 1.33269, W1 4.21916, W2 1.90487, A2 1.26121, Lw1 44, Lw2 25.
TEST(WallTables, LwDerivationOfThePublishedExampleShowsEveryStep) {
  Building b = SixtyPerFloor();
  const ProfileChecks c = Check(b, PublishedProfile());
  const CheckTable t = LwTable(c.lw, c.loads, c.plans);
  struct Step {
    const char* symbol;
    const char* cell;  // formula, CR, the numbers put in
    const char* result;
  };
  const Step steps[] = {
      {"Z2", "(16.5+2×ov)×(6.0+2×ov)×√(p²+100)/10/99\r(16.5+2×0.500)×(6.0+2×0.500)×√(4.00²+100)/10/99", "1.33269"},
      {"屋根", "(屋根仕上げ×Z2 + 太陽光 + 天井断熱材)/1000\r(740×1.33269 + 200×1.33269 + 100)/1000", "1.35273 kN/m²"},
      {"壁(h1)", "表-4.2.2 の１階の計", "1.10429 kN/m²"},
      {"r", "Af2/Af1\r60.00/60.00", "1.00000"},
      {"W2", "屋根×r + 0.5×壁(h2)×r\r1.35273×1.00000 + 0.5×1.10429×1.00000", "1.90487 kN/m²"},
      {"W1",
       "屋根×r + 壁(h2)×r + (床+積載荷重)×r/1000 + 0.5×壁(h1)\r1.35273×1.00000 + 1.10429×1.00000 + "
       "(610+600)×1.00000/1000 + 0.5×1.10429",
       "4.21916 kN/m²"},
      {"h", "小屋の高さ/2 + h2 + h1 + 0.5\r0.500/2 + 3.000 + 3.000 + 0.5", "6.750 m"},
      {"T", "0.03×h\r0.03×6.750", "0.20250"},
      {"α", "W2/W1\r1.90487/4.21916", "0.45148"},
      {"A2", "1 + (1/√α − α)×2T/(1 + 3T)\r1 + (1/√0.45148 − 0.45148)×2×0.20250/(1 + 3×0.20250)", "1.26121"},
      {"Lw1", "C0×W1/0.0196 (切上げ)\r0.2×4.21916/0.0196 = 43.05", "44 cm/m²"},
      {"Lw2", "A2×C0×W2/0.0196/r (切上げ)\r1.26121×0.2×1.90487/0.0196/1.00000 = 24.51", "25 cm/m²"},
      {"Lw平屋", "C0×(屋根 + 0.5×壁(h1))/0.0196 (切上げ)\r0.2×(1.35273 + 0.5×1.10429)/0.0196 = 19.44", "20 cm/m²"},
  };
  for (const Step& s : steps) {
    const Row* row = FindRow(t, s.symbol);
    ASSERT_NE(row, nullptr) << s.symbol;
    EXPECT_EQ((*row)[1], s.cell) << s.symbol;
    EXPECT_EQ((*row)[2], s.result) << s.symbol;
  }
  EXPECT_TRUE(t.notes.empty());
  EXPECT_EQ(LwSummaryLine(c.lw, 2), "本建物の Lw：１階 44 cm/m²、２階 25 cm/m²、２階のない１階部分 20 cm/m²");

  const CheckTable bands = WallBandTable(c.lw, c.loads, 2);
  ASSERT_EQ(bands.rows.size(), 2u);
  EXPECT_EQ(bands.rows[0], (Row{"１階", "3.000", "135.00", "750", "90", "50", "214.29", "1.10429"}));
  const CheckTable areas = FloorAreaTable(c.plans);
  EXPECT_EQ(areas.rows[1], (Row{"２階", "60", "1.000×1.000", "60.00"}));
}

TEST(WallTables, SmallerUpperFloorAddsTheRoofOverTheRestToW1) {
  PlanBuilder p(2, 10, 6, 1, 1.0f);
  p.Floor(1, 1, 1, 10, 6).Floor(2, 1, 1, 5, 6);
  const ProfileChecks c = Check(p.b, PublishedProfile());
  const CheckTable t = LwTable(c.lw, c.loads, c.plans);
  EXPECT_EQ((*FindRow(t, "r"))[1], "Af2/Af1\r30.00/60.00");
  const std::string w1 = (*FindRow(t, "W1"))[1];
  EXPECT_NE(w1.find("0.5×壁(h1) + (1−r)×屋根\r"), std::string::npos) << w1;
  EXPECT_NE(w1.find("0.5×1.10429 + (1−0.50000)×1.35273"), std::string::npos) << w1;
}

TEST(WallTables, MissingInputsShowDashesAndNameTheFields) {
  Building b = SixtyPerFloor();
  BuildingProfile profile;
  profile.roof = RoofChoice{RoofFinish::Slate, 0};
  profile.lw2 = 30;
  const ProfileChecks c = Check(b, profile);
  const CheckTable t = LwTable(c.lw, c.loads, c.plans);
  EXPECT_EQ(*FindRow(t, "Z2"), (Row{"Z2", "(16.5+2×ov)×(6.0+2×ov)×√(p²+100)/10/99", "----"}));
  EXPECT_EQ(*FindRow(t, "Lw1"), (Row{"Lw1", "C0×W1/0.0196 (切上げ)", "----"}));
  EXPECT_EQ(*FindRow(t, "Lw2"), (Row{"Lw2", "入力値 (早見表による)", "30 cm/m²"}));
  ASSERT_EQ(t.notes.size(), 1u);
  EXPECT_EQ(t.notes[0],
            "※ 次の項目がないため算定できません：１階の階高、２階の階高、小屋の高さ、軒の出、屋根勾配、外壁仕上げ");
  EXPECT_EQ(LwSummaryLine(c.lw, 2), "本建物の Lw：１階 ----、２階 30 cm/m² (入力値)、２階のない１階部分 ----");

  const CheckTable judgement = WallJudgementTable(c.wallQuantity);
  EXPECT_EQ(judgement.rows[0],
            (Row{"１階", "Ｘ", "2500.0", "60.00", "----", "----", "----", "----", "----", "----", "----"}));
  EXPECT_TRUE(HasNote(judgement, "※ 次の項目がないため算定できません：１階の階高"));
  const CheckTable wind = WindTable(c.wallQuantity, c.loads.windCoefficient.value);
  EXPECT_EQ(wind.rows[0], (Row{"１階", "Ｘ方向", "----", "----", "50", "----"}));
  EXPECT_TRUE(WindPartsTable(c.wallQuantity).rows.empty());
}

TEST(WallTables, OneStoreyDerivesOneLw) {
  PlanBuilder p(1, 10, 6, 1, 1.0f);
  p.Floor(1, 1, 1, 10, 6);
  BuildingProfile profile = PublishedProfile();
  profile.h2.reset();
  const ProfileChecks c = Check(p.b, profile);
  const CheckTable t = LwTable(c.lw, c.loads, c.plans);
  std::vector<std::string> symbols;
  for (const Row& row : t.rows) symbols.push_back(row[0]);
  EXPECT_EQ(symbols, (std::vector<std::string>{"Z2", "屋根", "壁(h1)", "Lw"}));
  EXPECT_EQ(t.rows[3][2], "20 cm/m²");
  EXPECT_EQ(LwSummaryLine(c.lw, 1), "本建物の Lw：１階 20 cm/m²");
  EXPECT_EQ(WallBandTable(c.lw, c.loads, 1).rows.size(), 1u);
}

// Along X the 6 m elevation: 1F 6·1.65 + 6·3.0 + 7·0.5 = 31.4 m²; 2F 6·1.65 + 3.5 = 13.4 m².
TEST(WallTables, WindAreasListTheirSourceAndTheEstimatedParts) {
  Building b = SixtyPerFloor();
  BuildingProfile profile = PublishedProfile();
  profile.windArea[1][Dir::Y] = 60.0;
  const ProfileChecks c = Check(b, profile);
  const CheckTable wind = WindTable(c.wallQuantity, c.loads.windCoefficient.value);
  ASSERT_EQ(wind.rows.size(), 4u);
  EXPECT_EQ(wind.rows[0], (Row{"１階", "Ｘ方向", "31.40", "概算", "50", "1570.0"}));
  EXPECT_EQ(wind.rows[1], (Row{"１階", "Ｙ方向", "60.00", "入力値", "50", "3000.0"}));
  const CheckTable parts = WindPartsTable(c.wallQuantity);
  const std::vector<Row> expected = {
      {"１階 Ｘ方向", "１階外壁", "6.000", "0.000", "3.000", "1.350", "1.650", "9.90"},
      {"１階 Ｘ方向", "２階外壁", "6.000", "3.000", "6.000", "1.350", "3.000", "18.00"},
      {"１階 Ｘ方向", "屋根", "7.000", "6.000", "6.500", "1.350", "0.500", "3.50"},
      {"１階 Ｘ方向", "計", "", "", "", "", "", "31.40"},
      {"２階 Ｘ方向", "２階外壁", "6.000", "3.000", "6.000", "4.350", "1.650", "9.90"},
      {"２階 Ｘ方向", "屋根", "7.000", "6.000", "6.500", "4.350", "0.500", "3.50"},
      {"２階 Ｘ方向", "計", "", "", "", "", "", "13.40"},
  };
  ASSERT_GE(parts.rows.size(), expected.size() + 3);  // 2F along Y follows
  for (size_t k = 0; k < expected.size(); ++k) EXPECT_EQ(parts.rows[k], expected[k]) << k;
}

TEST(WallTables, JudgementMarksNgInRed) {
  Building b = SixtyPerFloor();
  const ProfileChecks c = Check(b, PublishedProfile());
  const CheckTable t = WallJudgementTable(c.wallQuantity);
  ASSERT_EQ(t.rows.size(), 4u);
  // 1F along Y: 1000 cm against 44 x 60 = 2640 (wind 52 m² x 50 = 2600).
  EXPECT_EQ(t.rows[1],
            (Row{"１階", "Ｙ", "1000.0", "60.00", "44", "2640.0", "52.00\r(概算)", "2600.0", "2640.0", "0.38", "NG"}));
  EXPECT_EQ(t.rows[2].back(), "OK");  // 2F along X: 1500 cm against 25 x 60
  EXPECT_EQ(t.red, (std::vector<std::pair<int, int>>{{1, 11}, {2, 11}, {4, 11}}));
}

TEST(WallTables, WallLinesListRunsOfEqualMultipliersCappedAtSeven) {
  Building b = SixtyPerFloor();
  const ProfileChecks c = Check(b, PublishedProfile());
  const CheckTable one = WallLineTable(b, 1, c.walls[0]);
  EXPECT_EQ(one.title, "表-4.4.2.１階の存在壁量");
  const std::vector<Row> expected = {
      {"Ｘ方向", "Y1", "400.0×2.5", "1000.0"}, {"Ｘ方向", "Y7", "200.0×4.0 + 100.0×7.0", "1500.0"},
      {"Ｘ方向", "計", "", "2500.0"},          {"Ｙ方向", "X1", "400.0×2.5", "1000.0"},
      {"Ｙ方向", "計", "", "1000.0"},
  };
  EXPECT_EQ(one.rows, expected);
  const CheckTable two = WallLineTable(b, 2, c.walls[1]);
  EXPECT_EQ(two.title, "表-4.4.3.２階の存在壁量");
  EXPECT_EQ(two.rows.back(), (Row{"Ｙ方向", "計", "", "0.0"}));
  EXPECT_EQ(two.rows[two.rows.size() - 2], (Row{"Ｙ方向", "―", "耐力壁なし", "0.0"}));
}

// The example of the rules: 600 cm required per strip, walls 375 and 750: 充足率 0.625 and
// 1.25, 壁率比 0.50, passes. 8 x 4 m of 0.5 m cells, Lw 75 entered.
TEST(WallTables, QuarterRowsHoldBothStripsAndTheBalance) {
  PlanBuilder p(1, 16, 8, 2, 1.0f);
  p.Floor(1, 1, 1, 16, 8);
  p.Sheathing(1, Dir::X, 1, 1, 3, 5).Sheathing(1, Dir::X, 1, 9, 6, 5);
  for (int i = 1; i <= p.b.PointsX(); ++i) p.b.Settings.LineNamesX[size_t(i - 1)] = "X" + std::to_string(i);
  for (int j = 1; j <= p.b.PointsY(); ++j) p.b.Settings.LineNamesY[size_t(j - 1)] = "Y" + std::to_string(j);
  BuildingProfile profile;
  profile.lwOneStorey = 75;
  const ProfileChecks c = Check(p.b, profile);
  const CheckTable t = QuarterTable(p.b, c.quarters[0]);
  EXPECT_EQ(t.title, "表-4.5.1.１階の側端部の壁量");
  ASSERT_EQ(t.rows.size(), 2u);
  EXPECT_EQ(t.rows[0], (Row{"Ｘ方向", "下側\r上側", "0.000〜1.000\r3.000〜4.000", "8.00\r8.00", "75\r75",
                            "600.0\r600.0", "375.0\r750.0", "0.63\r1.25", "0.50", "OK"}));
  // Along Y no walls at all: both strips 0, 壁率比 none, NG in red.
  EXPECT_EQ(t.rows[1][7], "0.00\r0.00");
  EXPECT_EQ(t.rows[1][8], "----");
  EXPECT_EQ(t.rows[1][9], "NG");
  EXPECT_EQ(t.red, (std::vector<std::pair<int, int>>{{2, 10}}));
  EXPECT_TRUE(HasNote(t, "※ 範囲は X1 通り・Y1 通りからの距離。"));
}

TEST(WallTables, QuarterNotesGiveTheOneStoreyPartAndTheExemption) {
  // 1F 10 x 6 m with 2F over x 0..6; walls all round on both storeys.
  PlanBuilder p(2, 10, 6, 1, 1.0f);
  p.Floor(1, 1, 1, 10, 6).Floor(2, 1, 1, 6, 6);
  p.Sheathing(1, Dir::X, 1, 1, 10, 5).Sheathing(1, Dir::X, 1, 7, 10, 5);
  p.Sheathing(1, Dir::Y, 1, 1, 6, 5).Sheathing(1, Dir::Y, 11, 1, 6, 5);
  p.Sheathing(2, Dir::X, 1, 1, 6, 5).Sheathing(2, Dir::X, 1, 7, 6, 5);
  p.Sheathing(2, Dir::Y, 1, 1, 6, 5).Sheathing(2, Dir::Y, 7, 1, 6, 5);
  const ProfileChecks c = Check(p.b, PublishedProfile());
  const CheckTable t = QuarterTable(p.b, c.quarters[0]);
  // Along Y the high strip x 7.5..10 has no 2F above: 15 m² at the one-storey Lw.
  const QuarterStrip& high = c.quarters[0].dir[Dir::Y].strips[1];
  ASSERT_DOUBLE_EQ(high.oneStoreyArea, 15);
  EXPECT_EQ(t.rows[1][4], LwText(*high.lw) + "\r" + LwText(*high.oneStoreyLw) + "*");
  EXPECT_TRUE(HasNote(t, "* １階 Ｙ方向 右側：２階のない部分 15.00 m² は平屋の Lw。必要壁量 = 15.00×" +
                             LwText(*high.oneStoreyLw) + " = "));
  // The symmetric storey is exempt by its eccentricity ratio 0.
  ASSERT_TRUE(c.quarters[1].dir[Dir::X].exempt);
  const CheckTable upper = QuarterTable(p.b, c.quarters[1]);
  EXPECT_EQ(upper.rows[0][9], "OK\r偏心率\r0.000");
  EXPECT_TRUE(HasNote(upper, "偏心率が 0.3 以下のため四分割法による検討を要しない"));
}

TEST(WallTables, NumberTexts) {
  EXPECT_EQ(LwText(44), "44");
  EXPECT_EQ(LwText(44.5), "44.5");
  EXPECT_EQ(Fixed(std::nullopt, 2), "----");
  EXPECT_EQ(Fixed(1.005, 2), "1.01");
  EXPECT_EQ(JudgementText(std::nullopt), "----");
  EXPECT_EQ(JudgementText(false), "NG");
  EXPECT_EQ(MissingNote(MissingFields{}), "");
}

}  // namespace
}  // namespace tvk
