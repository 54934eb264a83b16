// Reading the project file. Nothing in it is trusted: every count is checked against
// the model's limits before anything is allocated, and the building being replaced
// is only touched once the whole file has been read.

#include "model/byte_io.h"
#include "model/number_format.h"
#include "model/path_parts.h"
#include "model/profile_store.h"
#include "model/project_file.h"
#include "model/project_layout.h"
#include "model/quasi_block.h"
#include "model/safe_file.h"

namespace tvk {

namespace {

void ReadHeader(ByteReader& r, FileHeader& h) {
  h.VersionText = r.String();
  h.ProductCode = r.String();
  h.HeaderSpare = r.Long();
}

void ReadLongs(ByteReader& r, auto& values) {
  for (auto& v : values) v = r.Long();
}

void ReadTexts(ByteReader& r, auto& texts) {
  for (auto& t : texts) r.String(t);
}

void ReadInfo(ByteReader& r, BuildingInfo& info) {
  info.BuildingName = r.String();
  info.OfficeName = r.String();
  info.PersonName = r.String();
  info.HideOfficeOnCover = r.Long();
  info.HideDateOnCover = r.Long();
  info.StoreyCount = r.Long();
  ReadLongs(r, info.LevelHeight);
  info.GridSpansX = r.Long();
  info.GridSpansY = r.Long();
  info.GridDivisions = r.Long();
  info.GridPitch = r.Single();
  ReadLongs(r, info.ReservedLongs);
  ReadTexts(r, info.ReservedTexts);
}

void CheckRange(int32_t value, int32_t low, int32_t high, const char* what) {
  if (value < low || value > high) {
    throw FormatError(std::string(what) + "が正しくありません（" + std::to_string(value) + "）。");
  }
}

void CheckOutline(const BuildingInfo& info) {
  CheckRange(info.StoreyCount, 1, kMaxStoreys, "階数");
  CheckRange(info.GridDivisions, 1, kMaxDivisions, "補助グリッドの分割数");
  CheckRange(info.GridSpansX, 1, kMaxSpans, "Ｘ方向のグリッド数");
  CheckRange(info.GridSpansY, 1, kMaxSpans, "Ｙ方向のグリッド数");
  // Only lengths the grid dialogs could have given: anything else makes every distance
  // of the calculation meaningless (an enormous grid gives no number at all).
  const double pitchMm = static_cast<double>(info.GridPitch) * 1000.0;
  if (!(pitchMm >= kMinGridLengthMm - 0.5 && pitchMm < kMaxGridLengthMm + 0.5)) {
    throw FormatError("グリッド長が正しくありません（" + FormatFixed(pitchMm, 1) + " mm）。");
  }
  if (auto profile = CheckStoredProfile(info)) throw FormatError(*profile);
}

// A dynamic string array: its descriptor must announce exactly the line count of the outline.
void ReadLineNames(ByteReader& r, std::vector<std::string>& names, const char* axis) {
  const uint16_t dimensions = r.Word();
  const int32_t count = r.Long();
  const int32_t lowerBound = r.Long();
  if (dimensions != 1 || lowerBound != 1 || count < 0 || static_cast<size_t>(count) != names.size()) {
    throw FormatError(std::string(axis) + "通り名の配列の形式が正しくありません（次元数 " + std::to_string(dimensions) +
                      "、要素数 " + std::to_string(count) + "、下限 " + std::to_string(lowerBound) + "）。");
  }
  ReadTexts(r, names);
}

void ReadSettings(ByteReader& r, CalcSettings& s) {
  ReadLineNames(r, s.LineNamesX, "Ｘ");
  ReadLineNames(r, s.LineNamesY, "Ｙ");
  for (int32_t* v : {&s.LineStyleX, &s.LineStyleY, &s.LineStartX, &s.LineStartY, &s.LineReverseX, &s.LineReverseY,
                     &s.AutoHardwareOnReport, &s.DoublePullHD}) {
    *v = r.Long();
  }
  ReadLongs(r, s.Reserved1);
  for (int32_t* v :
       {&s.LMethod, &s.IgnoreCrossBeam, &s.NoCrossBeamWarning, &s.NoTransmitMissingColumn, &s.Match1FTo2F}) {
    *v = r.Long();
  }
  s.MaxWallMultiplier = r.Single();
  s.SheathingAdjust = r.Single();
  ReadLongs(r, s.Reserved2);
  ReadTexts(r, s.ReservedTexts);
}

void ReadWall(ByteReader& r, WallSeg& seg) {
  seg.Kind = r.Long();
  seg.RunStart = r.Long();
  seg.RunEnd = r.Long();
  r.String(seg.KindKey);
  seg.Slope = r.Long();
  seg.RunPos = r.Long();
  seg.Multiplier = r.Single();
}

void ReadPoint(ByteReader& r, GridPoint& p) {
  for (WallSeg& seg : p.Brace) ReadWall(r, seg);
  for (WallSeg& seg : p.Sheathing) ReadWall(r, seg);
  ColumnRec& c = p.Column;
  c.ColKind = static_cast<ColumnKind>(r.Long());
  c.Through = r.Long();
  c.Corner = r.Long();
  r.String(c.NeedGrade);
  r.String(c.TopHardware);
  r.String(c.BottomHardware);
  for (BeamSeg& beam : p.Beam) {
    beam.BeamKind = r.Long();
    beam.AutoFlag = r.Long();
  }
  p.FloorKind = static_cast<FloorCell>(r.Long());
  ReadLongs(r, p.FloorEdge);
}

}  // namespace

FileResult ParseProject(std::string_view bytes, Building& out) {
  Building b;
  try {
    ByteReader r(bytes);
    ReadHeader(r, b.Header);
    ReadInfo(r, b.Info);
    if (b.Info.StoreyCount == 0) return FileResult::Failure(kBadDataMessage);
    CheckOutline(b.Info);
    if (const size_t needed = MinimumRestBytes(b.Info); r.Left() < needed) {
      throw FormatError("ファイルが途中で終わっています（" + std::to_string(bytes.size()) + " バイト、少なくとも " +
                        std::to_string(r.Offset() + needed) + " バイト必要）。");
    }
    b.AllocateModel();
    ReadSettings(r, b.Settings);
    for (GridPoint& p : b.Points()) ReadPoint(r, p);
    for (PointCoord& c : b.Coords()) {
      c.x = r.Single();
      c.y = r.Single();
      c.z = r.Single();
    }
    for (SpareEntry& e : b.SpareBlock) {
      r.String(e.Text);
      e.Value = r.Long();
    }
    if (QuasiBlockFollows(bytes.substr(r.Offset()))) ReadQuasiBlock(r, b);
  } catch (const FormatError& e) {
    return FileResult::Failure(std::string(kBadDataMessage) + "\n\n" + e.what());
  }
  if (b.Settings.MaxWallMultiplier == 0) b.Settings.MaxWallMultiplier = 5.0f;
  out = std::move(b);
  return {};
}

FileResult LoadProject(Building& b, const std::string& path) {
  std::string bytes;
  if (FileResult read = ReadFileBytes(path, bytes, kMaxProjectFileBytes, true); !read.ok) return read;
  return ParseProject(bytes, b);
}

std::optional<std::string> CheckProductCode(const std::string& path) {
  // The header is two Strings and a Long.
  constexpr size_t kHeaderBytes = 2 * (2 + kMaxStringBytes) + 4;
  std::string bytes;
  if (FileResult read = ReadFileBytes(path, bytes, kHeaderBytes, false); !read.ok) return read.message;
  FileHeader header;
  try {
    ByteReader r(bytes);
    ReadHeader(r, header);
  } catch (const FormatError&) {
    header.ProductCode.clear();
  }
  if (header.ProductCode == kProductCode) return std::nullopt;
  return std::string("このファイルは、[ ") + kProgramTitle +
         " ] のデータではありません。\n\nFile Name: " + FileNamePart(path);
}

}  // namespace tvk
