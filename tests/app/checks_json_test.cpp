// The 2025 checks in the calc output: their JSON members and the text tables.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <sstream>

#include "app/checks_json.h"
#include "app/checks_table.h"
#include "engine/calc_results.h"
#include "engine/eccentricity.h"
#include "engine/profile_checks.h"
#include "model/model_test_util.h"
#include "model/project_file.h"
#include "support/command_run.h"
#include "support/plan_builder.h"
#include "support/profile_samples.h"

namespace tvk {
namespace {

using test::PlanBuilder;

// 10 x 6 cells of 1 m on both storeys: 60 m² per floor. 1F: 2900 cm of walls along X, 2000
// along Y; 2F: 1500 along X. Columns every 2 m on both storeys.
Building SixtyPerFloor() {
  PlanBuilder p(2, 10, 6, 1, 1.0f);
  p.Floor(1, 1, 1, 10, 6).Floor(2, 1, 1, 10, 6);
  p.Sheathing(1, Dir::X, 1, 1, 4, 5).Brace(1, Dir::X, 1, 7, 3, 3, test::kCrossed);
  p.Brace(1, Dir::X, 5, 7, 1, 4, test::kCrossed).Sheathing(1, Dir::X, 5, 7, 1, 6);
  p.Sheathing(1, Dir::Y, 1, 1, 4, 5).Sheathing(1, Dir::Y, 11, 1, 4, 5);
  p.Sheathing(2, Dir::X, 1, 1, 6, 5);
  for (int level = 1; level <= 2; ++level) {
    for (int j = 1; j <= 7; j += 2) {
      for (int i = 1; i <= 11; i += 2) p.Column(i, j, level);
    }
  }
  return p.b;
}

QJsonObject ChecksJson(Building& b, const BuildingProfile& profile) {
  CalcResults calc;
  UpdateEccentricity(b, calc);
  std::ostringstream out;
  out << "{\n";
  WriteChecksJson(RunProfileChecks(b, profile, calc), out);
  out << "}\n";
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(out.str()), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << out.str();
  return doc.object();
}

float F(const QJsonValue& v) { return static_cast<float>(v.toDouble()); }

TEST(ChecksJson, PublishedBuildingWallQuantity) {
  Building b = SixtyPerFloor();
  const QJsonObject json = ChecksJson(b, test::PublishedProfile());
  const QJsonObject wq = json["wall_quantity"].toObject();
  const QJsonObject lw = wq["lw"].toObject();
  EXPECT_EQ(lw["storey1"].toDouble(), 44);
  EXPECT_EQ(lw["storey2"].toDouble(), 25);
  EXPECT_EQ(lw["one_storey"].toDouble(), 20);
  EXPECT_EQ(lw["source"].toString(), "formula");
  const QJsonObject w = wq["weights"].toObject();
  EXPECT_NEAR(w["z2"].toDouble(), 1.33269, 5e-6);
  EXPECT_NEAR(w["w1"].toDouble(), 4.21916, 5e-6);
  EXPECT_NEAR(w["w2"].toDouble(), 1.90487, 5e-6);
  EXPECT_NEAR(w["alpha"].toDouble(), 0.451482, 1e-6);
  EXPECT_NEAR(w["t"].toDouble(), 0.2025, 1e-7);
  EXPECT_NEAR(w["a2"].toDouble(), 1.26121, 5e-6);
  EXPECT_EQ(wq["missing"].toArray(), QJsonArray{});
  const QJsonArray storeys = wq["storeys"].toArray();
  ASSERT_EQ(storeys.size(), 2);
  const QJsonObject x1 = storeys[0]["x"].toObject();
  EXPECT_EQ(storeys[0]["storey"].toInt(), 1);
  EXPECT_EQ(F(x1["existing_cm"]), 2900.0f);
  EXPECT_EQ(F(x1["floor_area_m2"]), 60.0f);
  EXPECT_EQ(F(x1["required_earthquake_cm"]), 2640.0f);
  EXPECT_EQ(F(x1["wind_area_m2"]), 31.4f);
  EXPECT_TRUE(x1["wind_area_estimated"].toBool());
  EXPECT_EQ(F(x1["required_wind_cm"]), 1570.0f);
  EXPECT_NEAR(x1["ratio"].toDouble(), 2900.0 / 2640, 1e-6);
  EXPECT_TRUE(x1["ok"].toBool());
  const QJsonObject y2 = storeys[1]["y"].toObject();
  EXPECT_EQ(F(y2["required_earthquake_cm"]), 1500.0f);
  EXPECT_EQ(y2["ratio"].toDouble(), 0.0);
  EXPECT_FALSE(y2["ok"].toBool());
}

TEST(ChecksJson, QuartersAndColumnSize) {
  Building b = SixtyPerFloor();
  BuildingProfile profile = test::PublishedProfile();
  profile.wood = WoodChoice{ColumnWood::Sugi2, 0};
  profile.column = {ColumnSection{105, 105}, ColumnSection{105, 105}};
  const QJsonObject json = ChecksJson(b, profile);
  const QJsonArray quarters = json["quarters"].toArray();
  ASSERT_EQ(quarters.size(), 2);
  // 1F along X: strips y 0..1.5 and 4.5..6, 15 m² each at Lw 44 → 660 cm; 1000 on y = 0,
  // 1900 on y = 6.
  const QJsonObject x = quarters[0]["x"].toObject();
  const QJsonArray strips = x["strips"].toArray();
  ASSERT_EQ(strips.size(), 2);
  const QJsonObject low = strips[0].toObject();
  EXPECT_EQ(low["side"].toString(), "low");
  EXPECT_EQ(F(low["from_m"]), 0.0f);
  EXPECT_EQ(F(low["to_m"]), 1.5f);
  EXPECT_EQ(F(low["area_m2"]), 15.0f);
  EXPECT_EQ(F(low["lw"]), 44.0f);
  EXPECT_EQ(F(low["required_cm"]), 660.0f);
  EXPECT_EQ(F(low["existing_cm"]), 1000.0f);
  EXPECT_NEAR(low["fill"].toDouble(), 1000.0 / 660, 1e-6);
  EXPECT_EQ(strips[1]["side"].toString(), "high");
  EXPECT_EQ(F(strips[1]["existing_cm"]), 1900.0f);
  EXPECT_NEAR(x["balance"].toDouble(), 1000.0 / 1900, 1e-6);
  EXPECT_TRUE(x["ok"].toBool());
  EXPECT_TRUE(x["eccentricity_exempt"].isBool());
  // 2F along Y has no walls.
  EXPECT_TRUE(quarters[1]["y"]["balance"].isNull());
  EXPECT_FALSE(quarters[1]["y"]["ok"].toBool());

  const QJsonObject size = json["column_size"].toObject();
  const QJsonArray rows = size["storeys"].toArray();
  ASSERT_EQ(rows.size(), 2);
  const QJsonObject outer2 = rows[1]["outer"].toObject();
  EXPECT_NEAR(outer2["wd"].toDouble(), 1.904874, 1e-6);
  EXPECT_EQ(outer2["l_mm"].toDouble(), 2895);
  EXPECT_EQ(outer2["required_mm"].toInt(), 81);  // すぎ二級: a = 35.68, dbe 80.83
  EXPECT_EQ(outer2["section"].toObject(), (QJsonObject{{"b", 105}, {"d", 105}}));
  EXPECT_EQ(F(outer2["allowed_m2"]), 14.9f);
  EXPECT_TRUE(outer2["ok"].toBool());
  EXPECT_FALSE(outer2["slender"].toBool());
  const QJsonArray columns = size["columns"].toArray();
  ASSERT_EQ(columns.size(), 48);
  // Column (3, 3) of 1F stands inside: 2 x 2 m = 4 m² against the 1F inner figure.
  const QJsonObject inner = columns[7].toObject();
  EXPECT_EQ(inner["storey"].toInt(), 1);
  EXPECT_EQ(inner["i"].toInt(), 3);
  EXPECT_EQ(inner["j"].toInt(), 3);
  EXPECT_FALSE(inner["outer"].toBool());
  EXPECT_EQ(F(inner["tributary_m2"]), 4.0f);
  EXPECT_EQ(F(inner["allowed_m2"]), 8.0f);  // 105 □ すぎ二級 under 3.58416 kN/m²: 8.07
  EXPECT_TRUE(inner["ok"].toBool());
}

TEST(ChecksJson, EmptyProfileGivesNullsAndTheMissingFields) {
  Building b = SixtyPerFloor();
  const QJsonObject json = ChecksJson(b, BuildingProfile{});
  const QJsonObject wq = json["wall_quantity"].toObject();
  EXPECT_TRUE(wq["lw"]["storey1"].isNull());
  EXPECT_TRUE(wq["weights"]["z2"].isNull());
  EXPECT_EQ(wq["missing"].toArray(), (QJsonArray{"h1", "h2", "rise", "eaves", "pitch", "roof", "wall"}));
  const QJsonObject x1 = wq["storeys"][0]["x"].toObject();
  EXPECT_EQ(F(x1["existing_cm"]), 2900.0f);
  EXPECT_TRUE(x1["required_earthquake_cm"].isNull());
  EXPECT_TRUE(x1["wind_area_m2"].isNull());
  EXPECT_FALSE(x1["wind_area_estimated"].toBool());
  EXPECT_TRUE(x1["ratio"].isNull());
  EXPECT_TRUE(x1["ok"].isNull());
  EXPECT_TRUE(json["quarters"][0]["x"]["strips"][0]["required_cm"].isNull());
  EXPECT_TRUE(json["column_size"]["storeys"][0]["outer"]["required_mm"].isNull());
  EXPECT_TRUE(json["column_size"]["columns"][0]["ok"].isNull());
}

TEST(ChecksJson, EnteredLwIsLabelledSo) {
  Building b = SixtyPerFloor();
  BuildingProfile tables;
  tables.lw1 = 29;
  tables.lw2 = 15;
  const QJsonObject json = ChecksJson(b, tables);
  const QJsonObject lw = json["wall_quantity"]["lw"].toObject();
  EXPECT_EQ(lw["source"].toString(), "entered");
  EXPECT_EQ(lw["storey1"].toDouble(), 29);
  EXPECT_TRUE(lw["one_storey"].isNull());
}

TEST(ChecksTable, PrintsTheThreeChecks) {
  Building b = SixtyPerFloor();
  CalcResults calc;
  UpdateEccentricity(b, calc);
  BuildingProfile profile = test::PublishedProfile();
  profile.wood = WoodChoice{ColumnWood::Sugi, 0};
  std::ostringstream out;
  PrintChecksTable(b, RunProfileChecks(b, profile, calc), out);
  const std::string text = out.str();
  for (const char* expected :
       {"wall quantity 壁量計算", "Lw cm/m2: 1F 44  2F 25  one storey 20", "A2 1.26121",
        "     1   X    2900.0     60.00   2640.0   31.40*  1570.0    2640.0   1.10  OK", "* 概算", "quarters 四分割法",
        "column size 柱の小径", "不足: 柱の断面 (１階), 柱の断面 (２階)"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
  }
}

TEST(ChecksCommand, CalcWritesTheChecksOfTheStoredProfile) {
  test::ScratchDir dir;
  Building b = SixtyPerFloor();
  const std::string path = dir.file("sixty.TVK");
  ASSERT_TRUE(SaveProject(b, path).ok);
  const test::CommandRun run = test::RunCommand(TVK_BINARY, "calc " + test::ShellQuoted(path) + " --json", dir.path());
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
  EXPECT_EQ(F(json["wall_quantity"]["storeys"][0]["x"]["existing_cm"]), 2900.0f);
  EXPECT_TRUE(json["quarters"].isArray());
  EXPECT_EQ(json["column_size"]["columns"].toArray().size(), 48);
  const test::CommandRun table = test::RunCommand(TVK_BINARY, "calc " + test::ShellQuoted(path), dir.path());
  EXPECT_NE(table.out.find("wall quantity 壁量計算"), std::string::npos) << table.out;
}

}  // namespace
}  // namespace tvk
