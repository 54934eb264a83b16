// The 2025 checks the plan shows while it is edited: the document keeps them in step with
// every change as the report's checks would find them, the quarter strips as bands on the
// plan, and the columns' tributary areas with their tooltip.

#include <gtest/gtest.h>

#include <functional>

#include "editor/column_areas.h"
#include "editor/commands.h"
#include "editor/document.h"
#include "editor/quarter_bands.h"
#include "engine/eccentricity.h"
#include "model/line_names.h"
#include "model/number_format.h"
#include "model/profile_store.h"
#include "support/document_setup.h"
#include "support/profile_samples.h"

namespace tvk {
namespace {

using test::PlanWriter;

constexpr double kCell = 0.455;  // 0.91 m grids of two divisions
// The grid's pitch is a 32-bit float: lengths and areas agree to its precision.
constexpr double kMetres = 1e-6;

// Two storeys of 8 x 4 grids (16 x 8 cells), floors everywhere on both.
Building TwoStoreys() {
  test::PlanBuilder plan(2, 16, 8);
  plan.Floor(1, 1, 1, 16, 8).Floor(2, 1, 1, 16, 8);
  GenerateLineNames(plan.b);
  return plan.b;
}

// The profile of the published check with Lw entered, which the quarters need alone.
BuildingProfile EnteredLw(double lw1, double lw2) {
  BuildingProfile p = test::PublishedProfile();
  p.lw1 = lw1;
  p.lw2 = lw2;
  return p;
}

EditRequest SheathingAlongX(int j, int from, int to, float multiplier) {
  EditRequest wall;
  wall.category = Category::Wall;
  wall.rect = GridRect{from, j, to, j};
  wall.groupKey = kKeyMenzai;
  wall.multiplier = multiplier;
  wall.layers = LayerSet::Sheathing;
  wall.slope = 4;
  return wall;
}

class LiveChecksTest : public ::testing::Test {
 protected:
  LiveChecksTest() : doc(TwoStoreys()) {}

  void SetProfile(const BuildingProfile& profile) { doc.apply(ProfileCommand(profile)); }
  // The checks as the report and "calc" run them on the document's building now.
  ProfileChecks ReportChecks() const {
    CalcResults results;
    UpdateEccentricity(doc.building(), results);
    return RunProfileChecks(doc.building(), ReadProfile(doc.building()), results);
  }

  Document doc;
};

TEST_F(LiveChecksTest, AreTheReportsChecksOfTheStoreyAsked) {
  SetProfile(test::PublishedProfile());
  doc.apply(PlanEditCommand(SheathingAlongX(1, 1, 17, 2.5f)));
  const ProfileChecks report = ReportChecks();
  for (int storey = 1; storey <= 2; ++storey) {
    const std::optional<LiveChecks> live = doc.liveChecks(storey);
    ASSERT_TRUE(live) << storey;
    const WallQuantityStorey& expected = Nth(report.wallQuantity.storeys, storey);
    EXPECT_EQ(live->wallQuantity.storey, storey);
    EXPECT_EQ(live->plan.storey, storey);
    EXPECT_EQ(live->quarters.storey, storey);
    for (const Dir d : kDirs) {
      EXPECT_EQ(live->wallQuantity.dir[d].existingCm, expected.dir[d].existingCm);
      EXPECT_EQ(live->wallQuantity.dir[d].requiredCm, expected.dir[d].requiredCm);
      EXPECT_EQ(live->quarters.dir[d].balance, Nth(report.quarters, storey).dir[d].balance);
    }
    EXPECT_TRUE(live->wallQuantity.dir[Dir::X].requiredCm) << "the published profile gives every input";
  }
  EXPECT_FALSE(doc.liveChecks(3));
  EXPECT_FALSE(doc.liveChecks(0));
}

TEST_F(LiveChecksTest, FollowEveryEditUndoAndProfileChange) {
  auto existingX = [&] { return doc.liveChecks(1)->wallQuantity.dir[Dir::X].existingCm; };
  auto requiredX = [&] { return doc.liveChecks(1)->wallQuantity.dir[Dir::X].requiredEarthquakeCm; };
  EXPECT_EQ(existingX(), 0.0);
  EXPECT_FALSE(requiredX()) << "no profile yet";
  doc.apply(PlanEditCommand(SheathingAlongX(1, 1, 5, 2.5f)));
  EXPECT_NEAR(existingX(), 4 * kCell * 100 * 2.5, 1e-3);
  doc.undo();
  EXPECT_EQ(existingX(), 0.0);
  SetProfile(EnteredLw(30, 20));
  ASSERT_TRUE(requiredX());
  EXPECT_NEAR(*requiredX(), 30 * 16 * 8 * kCell * kCell, 1e-3);
  EXPECT_NEAR(*doc.liveChecks(2)->wallQuantity.dir[Dir::X].requiredEarthquakeCm, 20 * 16 * 8 * kCell * kCell, 1e-3);
  SetProfile(EnteredLw(40, 20));
  EXPECT_NEAR(*requiredX(), 40 * 16 * 8 * kCell * kCell, 1e-3);
}

// ---- the quarter strips on the plan ------------------------------------------------

struct BandCase {
  const char* what;
  std::function<void(Building&)> plan;
  std::optional<BuildingProfile> profile;
  std::vector<QuarterBand> expected;
};

TEST_F(LiveChecksTest, QuarterBandsOfTheStoreyBeingEdited) {
  using S = ReadoutState;
  const double w = 16 * kCell;  // 7.28 m
  const double h = 8 * kCell;   // 3.64 m
  // X strips: a quarter of the depth (0.91 m); Y strips: a quarter of the width (1.82 m).
  auto band = [&](Dir d, bool low, const std::string& text, S state, const std::string& note = "") {
    QuarterBand b;
    b.d = d;
    b.low = low;
    b.x1 = d == Dir::X ? 0 : (low ? 0 : 0.75 * w);
    b.x2 = d == Dir::X ? w : (low ? 0.25 * w : w);
    b.y1 = d == Dir::Y ? 0 : (low ? 0 : 0.75 * h);
    b.y2 = d == Dir::Y ? h : (low ? 0.25 * h : h);
    b.text = text;
    b.note = note;
    b.state = state;
    return b;
  };
  // The lower X strip holds 7.28 m of walls of 2.5 (1820 cm) against 6.6248 m² x 30:
  // 充足率 9.16; the upper one none.
  auto lowerWall = [](Building& b) { PlanWriter(b).Sheathing(1, Dir::X, 1, 1, 16, 5); };
  auto bothWalls = [](Building& b) {
    PlanWriter(b).Sheathing(1, Dir::X, 1, 1, 16, 5).Sheathing(1, Dir::X, 1, 9, 16, 5);
  };
  const BandCase cases[] = {
      {"no profile: no Lw, 充足率 unknown",
       lowerWall,
       std::nullopt,
       {band(Dir::X, true, "Ｘ方向 下側 充足率 ----", S::Unknown),
        band(Dir::X, false, "Ｘ方向 上側 充足率 ----", S::Unknown),
        band(Dir::Y, true, "Ｙ方向 左側 充足率 ----", S::Unknown),
        band(Dir::Y, false, "Ｙ方向 右側 充足率 ----", S::Unknown)}},
      {"walls along one side only: the other strip is short",
       lowerWall,
       EnteredLw(30, 20),
       {band(Dir::X, true, "Ｘ方向 下側 充足率 9.16", S::Met), band(Dir::X, false, "Ｘ方向 上側 充足率 0.00", S::Short),
        band(Dir::Y, true, "Ｙ方向 左側 充足率 0.00", S::Short),
        band(Dir::Y, false, "Ｙ方向 右側 充足率 0.00", S::Short)}},
      {"walls on both sides: eccentricity 0, the check is not required",
       bothWalls,
       EnteredLw(30, 20),
       {band(Dir::X, true, "Ｘ方向 下側 充足率 9.16", S::Met, "偏心率≦0.3 で不要"),
        band(Dir::X, false, "Ｘ方向 上側 充足率 9.16", S::Met, "偏心率≦0.3 で不要"),
        band(Dir::Y, true, "Ｙ方向 左側 充足率 0.00", S::Short),
        band(Dir::Y, false, "Ｙ方向 右側 充足率 0.00", S::Short)}},
  };
  for (const BandCase& c : cases) {
    test::StartFrom(doc, [&](Building& b) {
      b = TwoStoreys();
      c.plan(b);
      if (c.profile) {
        ASSERT_FALSE(WriteProfile(b, *c.profile));
      }
    });
    const std::optional<LiveChecks> live = doc.liveChecks(1);
    ASSERT_TRUE(live);
    const std::vector<QuarterBand> bands = QuarterBands(doc.building(), live->plan, live->quarters);
    ASSERT_EQ(bands.size(), c.expected.size()) << c.what;
    for (size_t k = 0; k < bands.size(); ++k) {
      const QuarterBand& e = c.expected[k];
      EXPECT_EQ(bands[k].text, e.text) << c.what << " band " << k;
      EXPECT_EQ(bands[k].note, e.note) << c.what << " band " << k;
      EXPECT_EQ(bands[k].state, e.state) << c.what << " band " << k;
      EXPECT_EQ(bands[k].d, e.d) << c.what;
      EXPECT_EQ(bands[k].low, e.low) << c.what;
      EXPECT_NEAR(bands[k].x1, e.x1, kMetres) << c.what << " band " << k;
      EXPECT_NEAR(bands[k].x2, e.x2, kMetres) << c.what << " band " << k;
      EXPECT_NEAR(bands[k].y1, e.y1, kMetres) << c.what << " band " << k;
      EXPECT_NEAR(bands[k].y2, e.y2, kMetres) << c.what << " band " << k;
    }
  }
}

TEST_F(LiveChecksTest, AStoreyWithoutFloorHasNoBands) {
  test::StartFrom(doc, [](Building& b) { b = test::PlanBuilder(2, 16, 8).Floor(1, 1, 1, 4, 4).b; });
  EXPECT_TRUE(QuarterBands(doc.building(), doc.liveChecks(2)->plan, doc.liveChecks(2)->quarters).empty());
  EXPECT_EQ(QuarterBands(doc.building(), doc.liveChecks(1)->plan, doc.liveChecks(1)->quarters).size(), 4u);
}

// ---- the columns' tributary areas ------------------------------------------------------

// Columns at the four corners of storey 1: each carries a quarter of the floor (32 cells).
class ColumnAreasTest : public LiveChecksTest {
 protected:
  void Corners(const std::optional<ColumnSection>& section) {
    test::StartFrom(doc, [&](Building& b) {
      b = TwoStoreys();
      PlanWriter(b).Column(1, 1, 1).Column(17, 1, 1).Column(1, 9, 1).Column(17, 9, 1);
      if (!section) return;
      BuildingProfile p = test::PublishedProfile();
      p.wood = WoodChoice{ColumnWood::Sugi2, 0};
      p.column = {*section, ColumnSection{105, 105}};
      ASSERT_FALSE(WriteProfile(b, p));
    });
  }
  std::string TooltipAt(double i, double j) const {
    const CanvasGeometry geometry = CanvasGeometry::For(doc.building());
    return ColumnAreaTooltip(doc.building(), doc.liveColumns(1), geometry,
                             geometry.ToCanvas((i - 1) * kCell, (j - 1) * kCell));
  }
};

TEST_F(ColumnAreasTest, StatesAndTooltipsFollowTheAllowance) {
  struct Case {
    const char* what;
    std::optional<ColumnSection> section;
    ReadoutState state;
    std::string figures;
  };
  const double area = 32 * kCell * kCell;  // 6.6248 m²
  const Case cases[] = {
      {"no wood or section", std::nullopt, ReadoutState::Unknown,
       "負担面積 6.62 m²  負担可能面積 ----\n次の項目がないため判定できません："},
      {"150 square", ColumnSection{150, 150}, ReadoutState::Met, "負担面積 6.62 m² ≦ 負担可能面積 "},
      {"60 square", ColumnSection{60, 60}, ReadoutState::Short, "負担面積 6.62 m² ＞ 負担可能面積 "},
  };
  for (const Case& c : cases) {
    Corners(c.section);
    const LiveColumns& live = doc.liveColumns(1);
    EXPECT_EQ(live.storey, 1);
    ASSERT_EQ(live.columns.size(), 4u) << c.what;
    ASSERT_EQ(live.regions.columns.size(), 4u) << c.what;
    EXPECT_EQ(ColumnStates(live), std::vector<ReadoutState>(4, c.state)) << c.what;
    for (size_t k = 0; k < 4; ++k) {
      EXPECT_NEAR(live.columns[k].tributary.areaM2, area, 1e-5) << c.what;
      EXPECT_EQ(live.columns[k].tributary.at, live.regions.columns[k].at) << "the same order";
    }
    const std::string tip = TooltipAt(17, 9);
    EXPECT_EQ(tip.rfind("柱の負担面積  X9 - Y5 (外周の柱)\n" + c.figures, 0), 0u) << c.what << ": " << tip;
    if (c.section) {
      const std::string allowed = FormatFixed(*live.columns[3].allowedM2, 1);
      const std::string judged = c.state == ReadoutState::Met ? "  判定 OK" : "  判定 NG";
      EXPECT_EQ(tip, "柱の負担面積  X9 - Y5 (外周の柱)\n" + c.figures + allowed + " m²" + judged) << c.what;
    } else {
      EXPECT_NE(tip.find("柱の樹種"), std::string::npos) << tip;
    }
  }
}

TEST_F(ColumnAreasTest, TooltipOnlyNearAColumnOfTheStorey) {
  Corners(ColumnSection{105, 105});
  EXPECT_FALSE(TooltipAt(1.25, 1.0).empty()) << "within a quarter pitch";
  EXPECT_TRUE(TooltipAt(1.4, 1.0).empty()) << "beyond the reach";
  EXPECT_TRUE(TooltipAt(5, 5).empty()) << "a grid point without a column";
  EXPECT_TRUE(doc.liveColumns(2).columns.empty()) << "storey 2 has no columns";
  EXPECT_EQ(doc.liveColumns(2).storey, 2);
}

}  // namespace
}  // namespace tvk
