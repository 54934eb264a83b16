// The largest building (120 x 120 spans, two storeys, a member on every segment and a column
// at every point) exported and read back: every layer holds one entity per member.

#include <gtest/gtest.h>

#include "export/export_test_support.h"
#include "support/plan_builder.h"

namespace tvk {
namespace {

TEST(LargeExport, EveryMemberOfTheLargestPlanReadsBack) {
  test::ScratchDir dir;
  Building b = test::LargestPlan();
  const test::DxfReadBack read = test::ExportAndRead(b, {}, dir);
  ASSERT_TRUE(read.read);
  // More than 65535 handles: the seed follows them.
  EXPECT_TRUE(read.seedAboveHandles);
  EXPECT_EQ(read.auditErrors, 0);
  const size_t points = 121 * 121;
  const size_t members = 2 * 121 * 30;  // per layer and storey: 30 members on each of 121 lines, both ways
  struct Expect {
    const char* layer;
    const char* type;
    size_t count;
  };
  const Expect expected[] = {
      {"TVK-GRID", "LINE", 2 * 242},
      {"TVK-COLUMN", "SOLID", 2 * points},
      {"TVK-BRACE", "LWPOLYLINE", 2 * members},
      {"TVK-BRACE", "LINE", 2 * 2 * members},  // crossed braces: both diagonals
      {"TVK-SHEATHING", "LWPOLYLINE", 2 * members},
      {"TVK-SHEATHING", "LINE", 2 * members},
      {"TVK-MULTIPLIER", "TEXT", 2 * 2 * members},
      // A beam on every segment of every line: one line per grid line and storey.
      {"TVK-BEAM", "LINE", 2 * 242},
      {"TVK-FLOOR", "LINE", 2 * 4},
      {"TVK-GRADE", "TEXT", 2 * points},
      {"TVK-TITLE", "TEXT", 2},
  };
  for (const Expect& e : expected) EXPECT_EQ(read.Of(e.layer, e.type).size(), e.count) << e.layer << " " << e.type;
  // Storey 2 stands one stride to the right; its last grid point is the far corner of its plan.
  const double stride = PlanStride(b);
  const auto far = test::PointMm(b, 121, 121, stride);
  const test::DxfEntity* lastColumn = read.Of("TVK-COLUMN", "SOLID").back();
  EXPECT_NEAR((lastColumn->numbers[0] + lastColumn->numbers[6]) / 2, far[0], 1e-3);
  EXPECT_NEAR((lastColumn->numbers[1] + lastColumn->numbers[7]) / 2, far[1], 1e-3);
}

}  // namespace
}  // namespace tvk
