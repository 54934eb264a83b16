#pragma once
// A building with every kind of field filled, and a whole-model comparison.

#include <gtest/gtest.h>

#include "model/building.h"
#include "model_test_util.h"

namespace tvk::test {

inline Building FilledBuilding() {
  Building b = MakeBuilding(2, 4, 3, 2, 0.91f);
  b.Header = FileHeader{"Ver.1.0.0", kProductCode, 0};
  b.Info.BuildingName = "テスト邸　新築工事";
  b.Info.OfficeName = "山田設計事務所";
  b.Info.PersonName = "山田 太郎";
  b.Info.HideDateOnCover = 1;
  b.Info.ReservedLongs[30] = -7;  // beyond the slots of the building profile
  b.Info.ReservedTexts[3] = "予備";
  for (int i = 1; i <= b.PointsX(); ++i) b.Settings.LineNamesX[static_cast<size_t>(i - 1)] = "X" + std::to_string(i);
  for (int j = 1; j <= b.PointsY(); ++j) b.Settings.LineNamesY[static_cast<size_t>(j - 1)] = "い" + std::to_string(j);
  b.Settings.LineStyleY = 2;
  b.Settings.Reserved1[0] = 5;
  b.Settings.Reserved2[53] = -1;
  b.Settings.ReservedTexts[29] = "末尾";
  b.Settings.SheathingAdjust = 0.5f;
  b.Settings.MaxWallMultiplier = 7.0f;
  b.SpareBlock[4] = SpareEntry{"spare", 42};
  WallSeg kesa{4, 1, 2, kKeyKesa, 2, 1, 3.0f};
  b.Point(1, 1, 1).brace(Dir::X) = kesa;
  kesa.RunPos = 3;
  b.Point(2, 1, 1).brace(Dir::X) = kesa;
  b.Point(1, 2, 2).sheathing(Dir::Y) = WallSeg{3, 2, 2, kKeyMenzai, 4, 0, 2.0f};
  b.Point(5, 1, 1).brace(Dir::Y) = WallSeg{9, 1, 1, kKeyTasuki, 3, 0, 5.0f};  // size code outside the table, kept
  b.Point(1, 1, 1).Column = ColumnRec{ColumnKind::Through, 1, 1, "(ほ)", "引き寄せ金物(HD-15)", "(ほ)"};
  b.Point(1, 1, 2).Column = ColumnRec{ColumnKind{7}, 1, 0, "", "", ""};  // column kind outside the table, kept
  b.Point(3, 2, 3).beam(Dir::X) = BeamSeg{1, 1};
  b.Point(2, 2, 1).FloorKind = FloorCell::Slab;
  b.Point(3, 2, 1).FloorKind = FloorCell::Void;
  b.UpdateFloorEdges(1);
  b.Coord(5, 4, 3).z = 2.5f;
  return b;
}

inline void ExpectSameModel(const Building& a, const Building& b) {
  EXPECT_EQ(a.Header, b.Header);
  EXPECT_EQ(a.Info, b.Info);
  EXPECT_EQ(a.Settings, b.Settings);
  EXPECT_EQ(a.SpareBlock, b.SpareBlock);
  EXPECT_EQ(PointsOf(a), PointsOf(b));
  EXPECT_EQ(CoordsOf(a), CoordsOf(b));
  EXPECT_EQ(a.SpansX(), b.SpansX());
  EXPECT_EQ(a.SpansY(), b.SpansY());
  EXPECT_EQ(a.Storeys(), b.Storeys());
  EXPECT_EQ(a.SubPitch(), b.SubPitch());
}

}  // namespace tvk::test
