// The bundled sample exported and read back with the independent reader: every layer holds
// what the model says, where the model puts it, and the texts read back in Japanese.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "engine/full_calculation.h"
#include "export/export_test_support.h"
#include "export/plan_drawing.h"
#include "model/number_format.h"
#include "support/plan_builder.h"

namespace tvk {
namespace {

using test::DxfEntity;
using test::DxfReadBack;

// The sample is exported and read once for the whole suite.
class SampleExport : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new test::ScratchDir;
    building_ = new Building(test::LoadSample());
    read_ = new DxfReadBack(test::ExportAndRead(*building_, {}, *dir_));
    stride_ = PlanStride(*building_);
  }
  static void TearDownTestSuite() {
    delete read_;
    delete building_;
    delete dir_;
  }
  // Entities of one storey's plan on a layer: from the middle of the gap before the plan to the
  // middle of the gap after it (the plans stand 5 m apart at least).
  std::vector<const DxfEntity*> Of(int storey, const std::string& prefix, const std::string& type = "") const {
    return test::InPlan(read_->Of(prefix, type), (storey - 1) * stride_ - 2500, storey * stride_ - 2500);
  }
  double Offset(int storey) const { return (storey - 1) * stride_; }

  static inline test::ScratchDir* dir_ = nullptr;
  static inline Building* building_ = nullptr;
  static inline DxfReadBack* read_ = nullptr;
  static inline double stride_ = 0;
};

TEST_F(SampleExport, FileIsR2000InMillimetresWithJapaneseLayersAndStyle) {
  EXPECT_EQ(read_->version, "AC1015");
  EXPECT_EQ(read_->encoding, "cp932");
  EXPECT_EQ(read_->codepage, "ANSI_932");
  EXPECT_EQ(read_->insunits, 4);
  EXPECT_EQ(read_->auditErrors, 0);
  EXPECT_TRUE(read_->seedAboveHandles);
  for (int k = 0; k < kPlanLayerCount; ++k) {
    const LayerLook& look = LookOf(static_cast<PlanLayer>(k));
    ASSERT_TRUE(read_->layers.count(look.name)) << look.name;
    EXPECT_EQ(read_->layers.at(look.name).linetype, look.line == LineKind::Dashed ? "DASHED" : "CONTINUOUS");
  }
  EXPECT_TRUE(read_->layers.count("TVK-BEAM 上階床梁・小屋梁"));
  ASSERT_TRUE(read_->styles.count("TVK"));
  EXPECT_EQ(read_->styles.at("TVK").font, "msmincho.ttc");
  EXPECT_EQ(read_->styles.at("TVK").family, "ＭＳ 明朝");
}

TEST_F(SampleExport, GridLinesAndNamesOfEveryStorey) {
  const Building& b = *building_;
  for (int s = 1; s <= 2; ++s) {
    const std::vector<const DxfEntity*> lines = Of(s, "TVK-GRID", "LINE");
    ASSERT_EQ(lines.size(), size_t(b.PointsX() + b.PointsY())) << s;
    const auto far = test::PointMm(b, b.PointsX(), b.PointsY(), Offset(s));
    for (int i = 1; i <= b.PointsX(); ++i) {
      const auto p = test::PointMm(b, i, 1, Offset(s));
      EXPECT_NEAR(lines[size_t(i - 1)]->numbers[0], p[0], 1e-3);
      EXPECT_NEAR(lines[size_t(i - 1)]->numbers[3], far[1], 1e-3);
    }
    const std::vector<std::string> names = test::SortedTexts(Of(s, "TVK-GRID-NAME", "TEXT"));
    for (const char* name : {"X1", "X5", "X9", "Y1", "Y4", "Y7", "X1a", "Y6a"}) {
      EXPECT_TRUE(std::binary_search(names.begin(), names.end(), name)) << name;
    }
    const std::vector<std::string> titles = test::SortedTexts(Of(s, "TVK-TITLE", "TEXT"));
    EXPECT_EQ(titles, std::vector<std::string>{std::to_string(s) + " 階構造伏図"});
  }
}

TEST_F(SampleExport, ColumnsStandAtTheirPointsWithGradesAndHardwareInJapanese) {
  const Building& b = *building_;
  for (int s = 1; s <= 2; ++s) {
    std::multiset<std::pair<long, long>> storeyColumns, throughColumns;
    std::multiset<std::string> grades, hardware;
    for (int j = 1; j <= b.PointsY(); ++j) {
      for (int i = 1; i <= b.PointsX(); ++i) {
        const ColumnRec& c = b.Point(i, j, s).Column;
        if (c.ColKind == ColumnKind::None) continue;
        const auto p = test::PointMm(b, i, j, Offset(s));
        (c.ColKind == ColumnKind::Through ? throughColumns : storeyColumns)
            .insert({std::lround(p[0]), std::lround(p[1])});
        if (!c.NeedGrade.empty()) grades.insert(c.NeedGrade);
        for (const std::string& h : {c.TopHardware, c.BottomHardware}) {
          if (!h.empty()) hardware.insert(h);
        }
      }
    }
    auto centres = [&](const char* layer) {
      std::multiset<std::pair<long, long>> found;
      for (const DxfEntity* e : Of(s, layer, "SOLID")) {
        EXPECT_NEAR(e->numbers[2] - e->numbers[0], 120, 1e-6);
        found.insert(
            {std::lround((e->numbers[0] + e->numbers[6]) / 2), std::lround((e->numbers[1] + e->numbers[7]) / 2)});
      }
      return found;
    };
    EXPECT_EQ(centres("TVK-COLUMN"), storeyColumns) << s;
    EXPECT_EQ(centres("TVK-THROUGH-COLUMN"), throughColumns) << s;
    EXPECT_EQ(Of(s, "TVK-THROUGH-COLUMN", "CIRCLE").size(), throughColumns.size());
    const std::vector<std::string> gradeTexts = test::SortedTexts(Of(s, "TVK-GRADE", "TEXT"));
    EXPECT_EQ(std::multiset<std::string>(gradeTexts.begin(), gradeTexts.end()), grades);
    const std::vector<std::string> hardwareTexts = test::SortedTexts(Of(s, "TVK-HARDWARE", "TEXT"));
    EXPECT_EQ(std::multiset<std::string>(hardwareTexts.begin(), hardwareTexts.end()), hardware);
  }
  // The calculation placed grades on every column: they read back as the table's symbols.
  EXPECT_FALSE(Of(1, "TVK-GRADE").empty());
  for (const DxfEntity* e : Of(1, "TVK-GRADE")) EXPECT_EQ(e->text.rfind("(", 0), 0u) << e->text;
}

TEST_F(SampleExport, BracesSheathingAndMultipliersMatchTheMembers) {
  const Building& b = *building_;
  for (int s = 1; s <= 2; ++s) {
    const int braces = test::CountMembers(b, s, false);
    const int crossed = test::CountMembers(b, s, false, 3);
    const int sheathing = test::CountMembers(b, s, true);
    ASSERT_GT(braces, 0);
    EXPECT_EQ(Of(s, "TVK-BRACE", "LWPOLYLINE").size(), size_t(braces)) << s;
    EXPECT_EQ(Of(s, "TVK-BRACE", "LINE").size(), size_t(2 * crossed)) << s;
    EXPECT_EQ(Of(s, "TVK-SHEATHING", "LWPOLYLINE").size(), size_t(sheathing)) << s;
    EXPECT_EQ(Of(s, "TVK-SHEATHING", "LINE").size(), size_t(sheathing)) << s;
    for (const DxfEntity* e : Of(s, "TVK-BRACE", "LWPOLYLINE")) {
      EXPECT_TRUE(e->closed);
      // A single brace is a triangle on its wall, crossed braces a rectangle (with two diagonals).
      EXPECT_TRUE(e->numbers.size() == 6 || e->numbers.size() == 8);
    }
    std::multiset<std::string> multipliers;
    for (int j = 1; j <= b.PointsY(); ++j) {
      for (int i = 1; i <= b.PointsX(); ++i) {
        for (const Dir d : kDirs) {
          for (const WallSeg* seg : {&b.Point(i, j, s).brace(d), &b.Point(i, j, s).sheathing(d)}) {
            if (seg->Kind != 0 && (seg->RunPos == 0 || seg->RunPos == 1)) {
              multipliers.insert(FormatFixed(seg->Multiplier, 1));
            }
          }
        }
      }
    }
    const std::vector<std::string> texts = test::SortedTexts(Of(s, "TVK-MULTIPLIER", "TEXT"));
    EXPECT_EQ(std::multiset<std::string>(texts.begin(), texts.end()), multipliers) << s;
  }
}

TEST_F(SampleExport, WallSymbolsStandBetweenTheColumnSquares) {
  // Storey 1, Y1: a single brace from X1 to X3 (two grids), the multiplier 2.0 below its middle.
  const Building& b = *building_;
  const auto a = test::PointMm(b, 1, 1, 0);
  const auto z = test::PointMm(b, 5, 1, 0);
  bool found = false;
  for (const DxfEntity* e : Of(1, "TVK-BRACE", "LWPOLYLINE")) {
    if (std::fabs(e->numbers[1] - a[1]) > 1e-3 || std::fabs(e->numbers[0] - (a[0] + 60)) > 1e-3) continue;
    found = true;
    EXPECT_NEAR(e->numbers[2], z[0] - 60, 1e-3);
    EXPECT_NEAR(e->numbers[3], a[1], 1e-3);
    // The third corner stands 180 above one end of the wall.
    EXPECT_NEAR(e->numbers[5], a[1] + 180, 1e-3);
  }
  EXPECT_TRUE(found);
  bool label = false;
  for (const DxfEntity* e : Of(1, "TVK-MULTIPLIER", "TEXT")) {
    label =
        label || (std::fabs(e->numbers[0] - (a[0] + z[0]) / 2) < 1e-3 && std::fabs(e->numbers[1] - (a[1] - 30)) < 1e-3);
  }
  EXPECT_TRUE(label);
}

TEST_F(SampleExport, FloorOutlineVoidsAndBeamsHaveTheModelsLengths) {
  Building b = *building_;
  const double side = std::round(b.SubPitch() * 1e6) / 1e3;
  for (int s = 1; s <= 2; ++s) {
    b.UpdateFloorEdges(s);
    int edges = 0, voids = 0, beams = 0;
    for (int j = 1; j <= b.PointsY(); ++j) {
      for (int i = 1; i <= b.PointsX(); ++i) {
        const GridPoint& p = b.Point(i, j, s);
        edges += p.FloorEdge[Dir::X] + p.FloorEdge[Dir::Y];
        voids += p.FloorKind == FloorCell::Void ? 1 : 0;
        const GridPoint& above = b.Point(i, j, s + 1);
        beams += (i <= b.SpansX() && above.Beam[Dir::X].BeamKind != 0) +
                 (j <= b.SpansY() && above.Beam[Dir::Y].BeamKind != 0);
      }
    }
    EXPECT_NEAR(test::LineLength(Of(s, "TVK-FLOOR", "LINE")), edges * side, 1e-2) << s;
    EXPECT_NEAR(test::LineLength(Of(s, "TVK-BEAM", "LINE")), beams * side, 1e-2) << s;
    // A void cell is crossed by its two diagonals.
    const double diagonals = 2 * voids * std::sqrt(2.0) * side;
    const double voidLines = test::LineLength(Of(s, "TVK-VOID", "LINE"));
    EXPECT_GE(voidLines + 1e-2, diagonals) << s;
    EXPECT_EQ(voids > 0, voidLines > 0) << s;
  }
  EXPECT_GT(test::LineLength(Of(2, "TVK-VOID", "LINE")), 0);
}

TEST_F(SampleExport, CentreMarksStandAtTheCentresOfGravityAndRigidity) {
  const CalcResults calc = RunFullCalculation(*building_, false);
  for (int s = 1; s <= 2; ++s) {
    const StoreyBalance& bal = calc.Storey(s).balance;
    const std::vector<const DxfEntity*> circles = Of(s, "TVK-CENTRE", "CIRCLE");
    ASSERT_EQ(circles.size(), 2u) << s;
    EXPECT_NEAR(circles[0]->numbers[0], Offset(s) + bal.Gravity[Dir::Y] * 1000.0, 1e-2);
    EXPECT_NEAR(circles[0]->numbers[1], bal.Gravity[Dir::X] * 1000.0, 1e-2);
    const std::vector<std::string> names = test::SortedTexts(Of(s, "TVK-CENTRE", "TEXT"));
    EXPECT_EQ(names, (std::vector<std::string>{"剛心", "重心"}));
  }
}

TEST(TextExport, TextsBeyondTheCodePageReadBackThroughTheirEscapes) {
  // Hardware names typed in the desktop program may hold characters CP932 has no code for.
  test::PlanBuilder p(1, 2, 2, 1);
  p.Column(1, 1, 1);
  p.b.Point(1, 1, 1).Column.TopHardware = "金物ℵ𠮷";
  p.b.Point(1, 1, 1).Column.BottomHardware = "ホールダウン15kN";
  test::ScratchDir dir;
  const DxfReadBack read = test::ExportAndRead(p.b, {}, dir);
  EXPECT_EQ(test::SortedTexts(read.Of("TVK-HARDWARE")), (std::vector<std::string>{"ホールダウン15kN", "金物ℵ𠮷"}));
}

}  // namespace
}  // namespace tvk
