// A saved two-storey building compared byte for byte with an image assembled by hand:
// every field holds its own value, so a field out of place or a point out of order
// (i fastest, then j, then level) shows up as a difference.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "byte_image.h"
#include "model/project_file.h"
#include "model/version.h"
#include "model_test_util.h"
#include "project_samples.h"

namespace tvk {
namespace {

using test::ByteImage;

// Two storeys, 1 x 1 span, 3 divisions: 2 x 2 points on 3 levels.
constexpr int kPoints = 12;

// Value of the k-th Long of point n (file order); every one differs from every other.
int32_t PointLong(int n, int k) { return 1000 * (n + 1) + k; }
float PointSingle(int n, int k) { return static_cast<float>(n + 1) + 0.125f * static_cast<float>(k); }
// Strings of point n: ASCII with the point's number, and one CP932 text ("柱頭" + n).
std::string PointText(int n, int k) { return "t" + std::to_string(n) + "_" + std::to_string(k); }
const std::string kPillarHeadUtf8 = "柱頭";
const std::string kPillarHeadCp932 = "\x92\x8C\x93\xAA";

// FloorEdge as the save recomputes it on levels 1 and 2 (the one cell at (1, 1) has a
// floor on both); level 3 keeps what it held.
std::array<int32_t, 2> SavedEdges(int n) {
  const int i = n % 2 + 1;
  const int j = (n / 2) % 2 + 1;
  const int level = n / 4 + 1;
  if (level == 3) return {PointLong(n, 40), PointLong(n, 41)};
  // The cell's bottom and left edges at (1, 1), its top edge at (1, 2), its right edge at (2, 1).
  return {i == 1 ? 1 : 0, j == 1 ? 1 : 0};
}

// Reserved values numbered from base, reserved texts named prefix + index.
template <class Values>
void Numbered(Values& values, int32_t base) {
  for (size_t k = 0; k < values.size(); ++k) values[k] = base + static_cast<int32_t>(k);
}
template <class Texts>
void Named(Texts& texts, const std::string& prefix) {
  for (size_t k = 0; k < texts.size(); ++k) texts[k] = prefix + std::to_string(k);
}

Building FilledTwoStorey() {
  Building b = test::MakeBuilding(2, 1, 1, 3, 0.909f);
  b.Header.HeaderSpare = -5;
  b.Info.BuildingName = "建物ｱ";
  b.Info.OfficeName = "office";
  b.Info.PersonName = "山田";
  b.Info.HideOfficeOnCover = 1;
  b.Info.HideDateOnCover = 1;
  b.Info.LevelHeight = {0, 3000, 5900, 0};
  // The slots of the building profile hold none; the others are kept as read.
  Numbered(b.Info.ReservedLongs, 500);
  for (int k = 0; k < 40; ++k) {
    if (test::ProfileSlot(k)) b.Info.ReservedLongs[static_cast<size_t>(k)] = 0;
  }
  Named(b.Info.ReservedTexts, "i");
  CalcSettings& s = b.Settings;
  s.LineNamesX = {"X1", "Ｘ１"};
  s.LineNamesY = {"", "Y2"};
  s.LineStyleX = 4;
  s.LineStyleY = 3;
  s.LineStartX = 7;
  s.LineStartY = 8;
  s.LineReverseX = 1;
  s.LineReverseY = 1;
  s.AutoHardwareOnReport = 0;
  s.DoublePullHD = 0;
  Numbered(s.Reserved1, 600);
  s.LMethod = 1;
  s.IgnoreCrossBeam = 1;
  s.NoCrossBeamWarning = 1;
  s.NoTransmitMissingColumn = 1;
  s.Match1FTo2F = 1;
  s.MaxWallMultiplier = 6.5f;
  s.SheathingAdjust = 0.25f;
  Numbered(s.Reserved2, 700);
  Named(s.ReservedTexts, "c");
  for (int n = 0; n < kPoints; ++n) {
    GridPoint& p = b.Points()[static_cast<size_t>(n)];
    int k = 0;
    for (auto* layer : {&p.Brace, &p.Sheathing}) {
      for (WallSeg& seg : *layer) {
        seg.Kind = PointLong(n, k++);
        seg.RunStart = PointLong(n, k++);
        seg.RunEnd = PointLong(n, k++);
        seg.KindKey = PointText(n, k);
        seg.Slope = PointLong(n, k++);
        seg.RunPos = PointLong(n, k++);
        seg.Multiplier = PointSingle(n, k++);
      }
    }
    p.Column.ColKind = ColumnKind{PointLong(n, k++)};
    p.Column.Through = PointLong(n, k++);
    p.Column.Corner = PointLong(n, k++);
    p.Column.NeedGrade = PointText(n, k);
    p.Column.TopHardware = kPillarHeadUtf8 + std::to_string(n);
    p.Column.BottomHardware = PointText(n, k + 1);
    k = 30;
    for (BeamSeg& beam : p.Beam) {
      beam.BeamKind = PointLong(n, k++);
      beam.AutoFlag = PointLong(n, k++);
    }
    p.FloorKind = FloorCell{PointLong(n, 34)};
    p.FloorEdge = {PointLong(n, 40), PointLong(n, 41)};
    b.Coords()[static_cast<size_t>(n)] = PointCoord{PointSingle(n, 50), PointSingle(n, 51), PointSingle(n, 52)};
  }
  for (size_t k = 0; k < b.SpareBlock.size(); ++k) {
    b.SpareBlock[k] = SpareEntry{"p" + std::to_string(k), 800 + static_cast<int32_t>(k)};
  }
  return b;
}

std::string HandImage() {
  ByteImage m;
  m.S(VersionText());
  m.S("VOLN-TVK");
  m.L(-5);
  // BuildingInfo
  m.S("\x8C\x9A\x95\xA8\xB1");  // 建物ｱ
  m.S("office");
  m.S("\x8E\x52\x93\x63");  // 山田
  // Cover flags, StoreyCount, LevelHeight 1..4, spans X and Y, divisions.
  for (int32_t v : {1, 1, 2, 0, 3000, 5900, 0, 1, 1, 3}) m.L(v);
  m.F(0.909f);
  for (int k = 0; k < 40; ++k) m.L(test::ProfileSlot(k) ? 0 : 500 + k);
  for (int k = 0; k < 20; ++k) m.S("i" + std::to_string(k));
  // CalcSettings
  // Two dynamic string arrays: one dimension of 2 elements from 1.
  for (const auto& names : {std::array<std::string, 2>{"X1", "\x82\x77\x82\x50"},  // Ｘ１
                            std::array<std::string, 2>{"", "Y2"}}) {
    m.W(1);
    for (int32_t v : {2, 1}) m.L(v);
    for (const std::string& name : names) m.S(name);
  }
  for (int32_t v : {4, 3, 7, 8, 1, 1, 0, 0}) m.L(v);
  for (int k = 0; k < 18; ++k) m.L(600 + k);
  for (int32_t v : {1, 1, 1, 1, 1}) m.L(v);
  m.F(6.5f);
  m.F(0.25f);
  for (int k = 0; k < 54; ++k) m.L(700 + k);
  for (int k = 0; k < 30; ++k) m.S("c" + std::to_string(k));
  // PointTable
  for (int n = 0; n < kPoints; ++n) {
    int k = 0;
    for (int wall = 0; wall < 4; ++wall) {
      m.L(PointLong(n, k++));
      m.L(PointLong(n, k++));
      m.L(PointLong(n, k++));
      m.S(PointText(n, k));
      m.L(PointLong(n, k++));
      m.L(PointLong(n, k++));
      m.F(PointSingle(n, k++));
    }
    m.L(PointLong(n, k++));
    m.L(PointLong(n, k++));
    m.L(PointLong(n, k++));
    m.S(PointText(n, k));
    m.S(kPillarHeadCp932 + std::to_string(n));
    m.S(PointText(n, k + 1));
    for (int beam = 30; beam < 34; ++beam) m.L(PointLong(n, beam));
    m.L(PointLong(n, 34));
    for (int32_t edge : SavedEdges(n)) m.L(edge);
  }
  // PointCoords
  for (int n = 0; n < kPoints; ++n) {
    for (int k = 50; k <= 52; ++k) m.F(PointSingle(n, k));
  }
  // SpareBlock
  for (int k = 0; k < 10; ++k) {
    m.S("p" + std::to_string(k));
    m.L(800 + k);
  }
  return m.bytes;
}

TEST(ProjectTwoStoreyImage, SavedFileIsTheHandAssembledImage) {
  test::ScratchDir dir;
  Building b = FilledTwoStorey();
  ASSERT_TRUE(SaveProject(b, dir.file("two.TVK")).ok);
  const std::string saved = test::ReadBytes(dir.file("two.TVK"));
  const std::string expected = HandImage();
  ASSERT_EQ(saved.size(), expected.size());
  for (size_t k = 0; k < saved.size(); ++k) {
    ASSERT_EQ(saved[k], expected[k]) << "first difference at byte " << k;
  }
  EXPECT_EQ(VersionText().rfind("Ver.", 0), 0u);
}

TEST(ProjectTwoStoreyImage, HandAssembledImageLoadsAsTheSavedBuilding) {
  test::ScratchDir dir;
  const std::string path = dir.file("hand.TVK");
  test::WriteBytes(path, HandImage());
  Building loaded;
  ASSERT_TRUE(LoadProject(loaded, path).ok);
  Building expected = FilledTwoStorey();
  for (int level = 1; level <= 2; ++level) expected.UpdateFloorEdges(level);
  expected.Header = FileHeader{VersionText(), kProductCode, -5};
  test::ExpectSameModel(loaded, expected);
  EXPECT_EQ(loaded.Point(2, 2, 3).FloorEdge, (PerDir<int32_t>{PointLong(11, 40), PointLong(11, 41)}));
  EXPECT_EQ(loaded.Point(2, 1, 2).Column.TopHardware, "柱頭5");
  EXPECT_EQ(loaded.Coord(1, 2, 3).z, PointSingle(10, 52));
}

}  // namespace
}  // namespace tvk
