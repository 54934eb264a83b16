// Quarter strips in the exported plans: where the building profile lets the check judge them,
// at the strips the check measured, with their 充足率, red where a strip falls short.

#include <gtest/gtest.h>

#include "engine/profile_checks.h"
#include "export/export_test_support.h"
#include "model/number_format.h"
#include "model/profile_store.h"
#include "support/grid_print.h"
#include "support/plan_builder.h"
#include "support/profile_samples.h"

namespace tvk {
namespace {

using test::DxfEntity;

// Lower left and upper right corners of a closed rectangle.
std::array<double, 4> Corners(const DxfEntity& e) {
  std::array<double, 4> c{1e300, 1e300, -1e300, -1e300};
  for (size_t k = 0; k + 1 < e.numbers.size(); k += 2) {
    c = {std::min(c[0], e.numbers[k]), std::min(c[1], e.numbers[k + 1]), std::max(c[2], e.numbers[k]),
         std::max(c[3], e.numbers[k + 1])};
  }
  return c;
}

TEST(QuarterExport, StripsOfTheSampleStandWhereTheCheckMeasuredThem) {
  test::ScratchDir dir;
  Building b = test::LoadSample();
  ASSERT_FALSE(WriteProfile(b, test::PublishedProfile()));
  const test::DxfReadBack read = test::ExportAndRead(b, {.storey = 1, .quarters = true, .centres = true}, dir);
  const ProfileChecks checks = RunProfileChecks(b, ReadProfile(b), RunFullCalculation(b, false));
  const QuarterStorey& q = checks.quarters[0];
  const StoreyPlan& plan = checks.plans[0];
  const std::vector<const DxfEntity*> strips = read.Of("TVK-QUARTER", "LWPOLYLINE");
  const std::vector<const DxfEntity*> texts = read.Of("TVK-QUARTER", "TEXT");
  ASSERT_EQ(strips.size(), 4u);
  ASSERT_EQ(texts.size(), 4u);
  size_t k = 0;
  for (const Dir d : kDirs) {
    const CellRange& along = plan.extent[d];
    const double start = (along.first - 1) * plan.cellSide * 1000;
    const double end = along.last * plan.cellSide * 1000;
    for (const QuarterStrip& strip : q.dir[d].strips) {
      const std::array<double, 4> c = Corners(*strips[k]);
      const std::array<double, 4> expected = d == Dir::X ? std::array{start, strip.from * 1000, end, strip.to * 1000}
                                                         : std::array{strip.from * 1000, start, strip.to * 1000, end};
      for (size_t n = 0; n < 4; ++n) EXPECT_NEAR(c[n], expected[n], 1e-2) << d << " " << k << " " << n;
      ASSERT_TRUE(strip.fill);
      const std::string side =
          d == Dir::X ? (strip.low ? "Ｘ方向 下側" : "Ｘ方向 上側") : (strip.low ? "Ｙ方向 左側" : "Ｙ方向 右側");
      EXPECT_EQ(texts[k]->text, side + " 充足率 " + FormatFixed(*strip.fill, 2));
      EXPECT_EQ(strips[k]->colour, strip.Satisfied() ? 256 : 1);
      ++k;
    }
  }
}

TEST(QuarterExport, AStripWithoutWallsIsRedAndStripsCanBeLeftOut) {
  // One storey, 4 x 4 m of floor, braces only along the bottom line.
  test::PlanBuilder p(1, 8, 8, 2, 1.0f);
  p.Floor(1, 1, 1, 8, 8).Brace(1, Dir::X, 1, 1, 8, 3, test::kCrossed);
  p.Column(1, 1, 1).Column(9, 1, 1).Column(1, 9, 1).Column(9, 9, 1);
  BuildingProfile profile;
  profile.lwOneStorey = 20;
  const auto refused = WriteProfile(p.b, profile);
  ASSERT_FALSE(refused) << *refused;
  test::ScratchDir dir;
  const test::DxfReadBack read = test::ExportAndRead(p.b, {}, dir);
  const std::vector<const DxfEntity*> texts = read.Of("TVK-QUARTER", "TEXT");
  ASSERT_EQ(texts.size(), 4u);
  for (const DxfEntity* e : texts) {
    const bool xLow = e->text.rfind("Ｘ方向 下側", 0) == 0;
    // Force along X: the low strip holds the braces; the high strip and both Y strips nothing.
    EXPECT_EQ(e->text.find("充足率 0.00") == std::string::npos, xLow) << e->text;
    EXPECT_EQ(e->colour, xLow ? 256 : 1) << e->text;
  }
  const test::DxfReadBack without = test::ExportAndRead(p.b, {.storey = 0, .quarters = false, .centres = true}, dir);
  EXPECT_TRUE(without.Of("TVK-QUARTER").empty());
  EXPECT_FALSE(without.Of("TVK-CENTRE").empty());
}

}  // namespace
}  // namespace tvk
