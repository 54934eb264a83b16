// The storey-2 transmission check page on the recorded page.
#include <gtest/gtest.h>

#include "report/figure_test_building.h"
#include "report/figure_test_ops.h"
#include "report/figures/check_view_page.h"
#include "report/figures/figure_fonts.h"
#include "report/figures/plan_layers.h"
#include "report/surface/report_fonts.h"
#include "report/surface_test_app.h"

namespace tvk {
namespace {

const QString kNote1 = QStringLiteral("赤い柱は、下階に柱がなくその引抜き力が、下階柱に正しく伝達されていません。");
const QString kNote2 = QStringLiteral("梁配置のモデル化を変更してください。");

struct CheckCase {
  const char* name;
  bool notTransmitted;
};

class CheckViewPageTest : public ::testing::TestWithParam<CheckCase> {
 protected:
  void SetUp() override {
    test::EnsureGuiApp();
    RegisterReportFonts();
  }
};

TEST_P(CheckViewPageTest, RedColumnsAndTheNoteFollowTheMarks) {
  const CheckCase& c = GetParam();
  test::PlanBuilder plan(2, 4, 2);
  plan.Column(1, 1, 1).Column(5, 1, 1).Column(1, 1, 2).Column(3, 1, 2).Beam(2, Dir::X, 1, 1, 4);
  auto [b, calc] = test::Figures(plan);
  calc.Column(3, 1, 2).notTransmitted = c.notTransmitted ? 1 : 0;
  calc.notTransmitted = c.notTransmitted;
  PageSurface surface;
  DrawCheckViewPage(surface, b, calc, FigureFonts{});
  const PageDocument& doc = surface.Document();
  ASSERT_EQ(doc.pages.size(), 1u);
  EXPECT_TRUE(test::FindText(doc, 0, QStringLiteral("[２階柱Ｎ値伝達チェック]   試験邸")));
  EXPECT_EQ(bool(test::FindText(doc, 0, kNote1)), c.notTransmitted);
  EXPECT_EQ(bool(test::FindText(doc, 0, kNote2)), c.notTransmitted);
  // Storey-2 squares: the two columns, then the legend's black and red samples.
  const std::vector<RectOp> upper = test::SquaresOfSide(doc, 0, kPlanColumnSide);
  ASSERT_EQ(upper.size(), 2u + 3u);
  const QColor red(255, 0, 0);
  EXPECT_EQ(upper[0].brush.color, QColor(0, 0, 0));  // (1, 1) stands on a storey-1 column
  EXPECT_EQ(upper[1].brush.color, c.notTransmitted ? red : QColor(0, 0, 0));
  // Storey-1 columns: larger open squares, and the legend's.
  EXPECT_EQ(test::SquaresOfSide(doc, 0, 0.22).size(), 2u + 1u);
}

INSTANTIATE_TEST_SUITE_P(Marks, CheckViewPageTest,
                         ::testing::Values(CheckCase{"AllTransmitted", false}, CheckCase{"OneNotTransmitted", true}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tvk
