// The project file's byte layout: a hand-assembled image read field by field, and
// byte-exact round trips.

#include <gtest/gtest.h>

#include <cstring>

#include "byte_image.h"
#include "model/project_file.h"
#include "model_test_util.h"
#include "project_samples.h"

namespace tvk {
namespace {

using test::ByteImage;

// One storey, 1 x 1 span, 1 division: 2 x 2 x 2 points. Every field gets its own value.
std::string HandImage() {
  ByteImage m;
  m.S("Ver.9.8.7");
  m.S("VOLN-TVK");
  m.L(77);
  m.S("\x8C\x9A\x95\xA8");  // 建物
  m.S("ABC");
  m.S("");
  m.L(1);
  m.L(0);
  m.L(1);                                    // StoreyCount
  for (int32_t v : {0, 2900, 0, 0}) m.L(v);  // LevelHeight: h1 2900 mm
  m.L(1);
  m.L(1);
  m.L(1);
  m.F(0.91f);
  // Reserved Longs: the profile's presence mask with rise, eaves and pitch given, their
  // values, the rest of the profile's slots 0, then the slots it does not use.
  for (int k = 0; k < 40; ++k) m.L(k == 0 ? 7 : (k <= 3 ? 100 + k : (test::ProfileSlot(k) ? 0 : 100 + k)));
  for (int k = 0; k < 20; ++k) m.S(k == 19 ? "r19" : "");
  for (const char* axis : {"X", "Y"}) {
    m.W(1);
    m.L(2);
    m.L(1);
    m.S(std::string(axis) + "1");
    m.S(std::string(axis) + "2");
  }
  for (int32_t v : {1, 2, 3, 4, 1, 0, 1, 0}) m.L(v);
  for (int k = 0; k < 18; ++k) m.L(200 + k);
  for (int32_t v : {1, 1, 0, 1, 1}) m.L(v);
  m.F(0.0f);  // MaxWallMultiplier: read as 5.0
  m.F(0.5f);
  for (int k = 0; k < 54; ++k) m.L(300 + k);
  for (int k = 0; k < 30; ++k) m.S(k == 0 ? "r0" : "");
  for (int n = 0; n < 8; ++n) {
    const bool full = n == 0;
    for (int w = 0; w < 4; ++w) {
      m.L(full ? 1 + w : 0);
      m.L(full ? 1 : 0);
      m.L(full ? 1 : 0);
      m.S(full ? (w < 2 ? "Kesa" : "Menzai") : "");
      m.L(full ? (w < 2 ? 1 : 4) : 0);
      m.L(0);
      m.F(full ? 1.5f * static_cast<float>(w + 1) : 0.0f);
    }
    m.L(full ? 2 : 0);
    m.L(full ? 1 : 0);
    m.L(full ? 1 : 0);
    m.S(full ? "(\x82\xD9)" : "");  // (ほ)
    m.S(full ? "TOP" : "");
    m.S(full ? "BOT" : "");
    for (int32_t v : {1, 1, 1, 0}) m.L(full ? v : 0);
    for (int32_t v : {2, 1, 1}) m.L(full ? v : 0);
  }
  for (int n = 0; n < 8; ++n) {
    m.F(static_cast<float>(n % 2) * 0.91f);
    m.F(static_cast<float>((n / 2) % 2) * 0.91f);
    m.F(0.0f);
  }
  for (int k = 0; k < 10; ++k) {
    m.S(k == 9 ? "spare" : "");
    m.L(k);
  }
  return m.bytes;
}

TEST(ProjectImage, HandAssembledImageIsReadFieldByField) {
  Building b;
  ASSERT_TRUE(ParseProject(HandImage(), b).ok);
  EXPECT_EQ(b.Header.VersionText, "Ver.9.8.7");
  EXPECT_EQ(b.Header.ProductCode, "VOLN-TVK");
  EXPECT_EQ(b.Header.HeaderSpare, 77);
  EXPECT_EQ(b.Info.BuildingName, "建物");
  EXPECT_EQ(b.Info.OfficeName, "ABC");
  EXPECT_EQ(b.Info.PersonName, "");
  EXPECT_EQ(b.Info.HideOfficeOnCover, 1);
  EXPECT_EQ(b.Info.StoreyCount, 1);
  EXPECT_EQ(b.Info.LevelHeight, (std::array<int32_t, 4>{0, 2900, 0, 0}));
  EXPECT_EQ(b.Info.ReservedLongs[3], 103);
  EXPECT_FLOAT_EQ(b.Info.GridPitch, 0.91f);
  EXPECT_EQ(b.Info.ReservedLongs[39], 139);
  EXPECT_EQ(b.Info.ReservedTexts[19], "r19");
  EXPECT_EQ(b.Settings.LineNamesX, (std::vector<std::string>{"X1", "X2"}));
  EXPECT_EQ(b.Settings.LineNamesY, (std::vector<std::string>{"Y1", "Y2"}));
  EXPECT_EQ(b.Settings.LineStyleY, 2);
  EXPECT_EQ(b.Settings.LineStartY, 4);
  EXPECT_EQ(b.Settings.LineReverseX, 1);
  EXPECT_EQ(b.Settings.AutoHardwareOnReport, 1);
  EXPECT_EQ(b.Settings.Reserved1[17], 217);
  EXPECT_EQ(b.Settings.NoCrossBeamWarning, 0);
  EXPECT_EQ(b.Settings.Match1FTo2F, 1);
  EXPECT_EQ(b.Settings.MaxWallMultiplier, 5.0f);
  EXPECT_EQ(b.Settings.SheathingAdjust, 0.5f);
  EXPECT_EQ(b.Settings.Reserved2[53], 353);
  EXPECT_EQ(b.Settings.ReservedTexts[0], "r0");
  const GridPoint& p = b.Point(1, 1, 1);
  EXPECT_EQ(p.brace(Dir::Y), (WallSeg{2, 1, 1, "Kesa", 1, 0, 3.0f}));
  EXPECT_EQ(p.sheathing(Dir::Y), (WallSeg{4, 1, 1, "Menzai", 4, 0, 6.0f}));
  EXPECT_EQ(p.Column, (ColumnRec{ColumnKind::Through, 1, 1, "(ほ)", "TOP", "BOT"}));
  EXPECT_EQ(p.beam(Dir::X), (BeamSeg{1, 1}));
  EXPECT_EQ(p.beam(Dir::Y), (BeamSeg{1, 0}));
  EXPECT_EQ(p.FloorKind, FloorCell::Void);
  EXPECT_EQ(p.FloorEdge, (PerDir<int32_t>{1, 1}));
  EXPECT_EQ(b.Point(2, 2, 2), GridPoint{});
  EXPECT_EQ(b.Coord(2, 2, 2), (PointCoord{0.91f, 0.91f, 0.0f}));
  EXPECT_EQ(b.SpareBlock[9], (SpareEntry{"spare", 9}));
  EXPECT_EQ(b.SubPitch(), 0.91f);
}

TEST(ProjectImage, HandAssembledImageIsWrittenBackByteForByte) {
  Building b;
  ASSERT_TRUE(ParseProject(HandImage(), b).ok);
  b.Settings.MaxWallMultiplier = 0.0f;  // the file held 0; the reader showed it as 5.0
  const ProjectBytes written = SerializeProject(b);
  ASSERT_TRUE(written.result.ok) << written.result.message;
  EXPECT_EQ(written.bytes, HandImage());
}

TEST(ProjectImage, FilledBuildingRoundTripsByteExactly) {
  const Building original = test::FilledBuilding();
  const ProjectBytes first = SerializeProject(original);
  ASSERT_TRUE(first.result.ok) << first.result.message;
  Building read;
  ASSERT_TRUE(ParseProject(first.bytes, read).ok);
  test::ExpectSameModel(read, original);
  const ProjectBytes second = SerializeProject(read);
  EXPECT_EQ(second.bytes, first.bytes);
}

TEST(ProjectImage, LargestPlanRoundTrips) {
  Building b = test::LargestPlan();
  b.Header = FileHeader{"Ver.1.0.0", kProductCode, 0};
  const ProjectBytes image = SerializeProject(b);
  ASSERT_TRUE(image.result.ok);
  Building read;
  ASSERT_TRUE(ParseProject(image.bytes, read).ok);
  EXPECT_EQ(test::PointsOf(read), test::PointsOf(b));
  EXPECT_EQ(SerializeProject(read).bytes, image.bytes);
}

size_t EmptyFileSize(int storeys, int spansX, int spansY) {
  Building b = test::MakeBuilding(storeys, spansX, spansY);
  b.Header.VersionText = "Ver.1.0.0";
  b.Header.ProductCode = kProductCode;
  return SerializeProject(b).bytes.size();
}

TEST(ProjectImage, EmptyPointRecordTakes150Bytes) {
  // One more X span of a one-storey 1 x 1 building adds one empty line name and
  // 2 (Y points) x 2 (levels) point records with their coordinates.
  const size_t grown = EmptyFileSize(1, 2, 1) - EmptyFileSize(1, 1, 1);
  EXPECT_EQ(grown, 2 + 4 * (150 + 12));
  // Header 25, outline 250, names 2 x (10 + 2 x 2), 87 values and 30 empty texts,
  // 8 points, 8 coordinates, 10 spare pairs.
  EXPECT_EQ(EmptyFileSize(1, 1, 1), 25u + 250u + 28u + 348u + 60u + 8u * 150u + 8u * 12u + 60u);
}

TEST(ProjectImage, TextLengthsCountCp932Bytes) {
  Building b = test::MakeBuilding(1, 1, 1);
  b.Header.VersionText = "Ver.1.0.0";
  b.Header.ProductCode = kProductCode;
  b.Info.BuildingName = "建物ｱA";
  const std::string bytes = SerializeProject(b).bytes;
  ASSERT_GT(bytes.size(), 40u);
  EXPECT_EQ(bytes.substr(25, 8), std::string("\x06\x00\x8C\x9A\x95\xA8\xB1\x41", 8));
  EXPECT_EQ(bytes.substr(33, 4), std::string("\x00\x00\x00\x00", 4));  // empty office and person
}

}  // namespace
}  // namespace tvk
