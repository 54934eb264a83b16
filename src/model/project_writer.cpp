// Writing the project file.

#include <array>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "model/byte_io.h"
#include "model/profile_store.h"
#include "model/project_file.h"
#include "model/project_layout.h"
#include "model/quasi_block.h"
#include "model/safe_file.h"
#include "model/text_codec.h"
#include "model/version.h"

namespace tvk {

namespace {

// A value the file cannot hold; what() is the whole message for the user.
class UnsavableValue : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ProjectWriter {
 public:
  explicit ProjectWriter(const Building& b) : b_(b) {}

  std::string Run() {
    CheckShape();
    Header();
    Info();
    w_.Reserve(w_.Size() + MinimumRestBytes(b_.Info) + TextBytesAfterOutline());
    Settings();
    for (size_t n = 0; n < b_.Points().size(); ++n) Point(b_.Points()[n], n);
    for (const PointCoord& c : b_.Coords()) {
      Single(c.x);
      Single(c.y);
      Single(c.z);
    }
    for (const SpareEntry& e : b_.SpareBlock) {
      Text(e.Text, [] { return std::string("予備文字列"); });
      w_.Long(e.Value);
    }
    w_.Raw(QuasiBlockBytes(b_));
    return w_.Take();
  }

 private:
  // The arrays must have the sizes the outline announces, or the file could not be read back.
  void CheckShape() const {
    const BuildingInfo& info = b_.Info;
    const size_t points =
        static_cast<size_t>(b_.PointsX()) * static_cast<size_t>(b_.PointsY()) * static_cast<size_t>(b_.Levels());
    if (info.GridSpansX != b_.SpansX() || info.GridSpansY != b_.SpansY() || info.StoreyCount != b_.Storeys() ||
        b_.Points().size() != points || b_.Coords().size() != points ||
        b_.Settings.LineNamesX.size() != static_cast<size_t>(b_.PointsX()) ||
        b_.Settings.LineNamesY.size() != static_cast<size_t>(b_.PointsY())) {
      throw UnsavableValue("建物データの配列の大きさが建物概要と一致しません。\n\nデータは保存されませんでした。");
    }
    // A profile the reader would refuse must not reach the disk.
    if (auto profile = CheckStoredProfile(info)) {
      throw UnsavableValue(*profile + "\n\nデータは保存されませんでした。");
    }
    if (auto quasi = CheckQuasiLayer(b_)) throw UnsavableValue(*quasi + "\n\nデータは保存されませんでした。");
  }

  // At least what the texts after the outline take in the file: a text's UTF-8 bytes are
  // never fewer than its CP932 ones.
  size_t TextBytesAfterOutline() const {
    size_t bytes = 0;
    auto add = [&bytes](const auto& texts) {
      for (const std::string& t : texts) bytes += t.size();
    };
    add(b_.Settings.LineNamesX);
    add(b_.Settings.LineNamesY);
    add(b_.Settings.ReservedTexts);
    for (const GridPoint& p : b_.Points()) {
      for (const auto* layer : {&p.Brace, &p.Sheathing}) {
        for (const WallSeg& seg : *layer) bytes += seg.KindKey.size();
      }
      bytes += p.Column.NeedGrade.size() + p.Column.TopHardware.size() + p.Column.BottomHardware.size();
    }
    for (const SpareEntry& e : b_.SpareBlock) bytes += e.Text.size();
    return bytes;
  }

  template <class Label>
  void Text(const std::string& text, Label label) {
    // Kind keys and most names are ASCII: the same bytes in the file.
    if (text.size() <= kMaxStringBytes && IsAscii(text)) {
      w_.Cp932String(text);
      return;
    }
    const auto encoded = Utf8ToCp932(text);
    if (!encoded || encoded->size() > kMaxStringBytes) {
      throw UnsavableValue(RefusedTextMessage(label(), text, encoded.has_value(), kMaxStringBytes));
    }
    w_.Cp932String(*encoded);
  }

  void Text(const std::string& text, const char* label) {
    Text(text, [label] { return std::string(label); });
  }

  void Single(float value) {
    if (!std::isfinite(value)) throw UnsavableValue("数値でない値があるため、データは保存されませんでした。");
    w_.Single(value);
  }

  template <size_t N>
  void Longs(const std::array<int32_t, N>& values) {
    w_.Longs(values);
  }

  void Header() {
    Text(b_.Header.VersionText, "バージョン");
    Text(b_.Header.ProductCode, "製品コード");
    w_.Long(b_.Header.HeaderSpare);
  }

  void Info() {
    const BuildingInfo& info = b_.Info;
    Text(info.BuildingName, "建物名称");
    Text(info.OfficeName, "事務所名");
    Text(info.PersonName, "担当者名");
    Longs(std::array{info.HideOfficeOnCover, info.HideDateOnCover, info.StoreyCount});
    Longs(info.LevelHeight);
    Longs(std::array{info.GridSpansX, info.GridSpansY, info.GridDivisions});
    Single(info.GridPitch);
    Longs(info.ReservedLongs);
    for (const std::string& t : info.ReservedTexts) Text(t, "予備文字列");
  }

  void LineNames(const std::vector<std::string>& names, const char* axis) {
    w_.Word(1);
    w_.Long(static_cast<int32_t>(names.size()));
    w_.Long(1);
    for (size_t k = 0; k < names.size(); ++k) {
      Text(names[k], [&] { return std::string(axis) + "通り名（" + std::to_string(k + 1) + " 番目）"; });
    }
  }

  void Settings() {
    const CalcSettings& s = b_.Settings;
    LineNames(s.LineNamesX, "Ｘ");
    LineNames(s.LineNamesY, "Ｙ");
    Longs(std::array{s.LineStyleX, s.LineStyleY, s.LineStartX, s.LineStartY, s.LineReverseX, s.LineReverseY,
                     s.AutoHardwareOnReport, s.DoublePullHD});
    Longs(s.Reserved1);
    Longs(std::array{s.LMethod, s.IgnoreCrossBeam, s.NoCrossBeamWarning, s.NoTransmitMissingColumn, s.Match1FTo2F});
    Single(s.MaxWallMultiplier);
    Single(s.SheathingAdjust);
    Longs(s.Reserved2);
    for (const std::string& t : s.ReservedTexts) Text(t, "予備文字列");
  }

  // "（1階 X3 - Y2）" for the point with file position n.
  std::string Place(size_t n) const {
    const auto nx = static_cast<size_t>(b_.PointsX());
    const auto ny = static_cast<size_t>(b_.PointsY());
    const size_t i = n % nx;
    const size_t j = (n / nx) % ny;
    const size_t level = n / (nx * ny) + 1;
    auto name = [](const std::vector<std::string>& names, size_t k, const char* axis) {
      return k < names.size() && !names[k].empty() ? names[k] : axis + std::to_string(k + 1);
    };
    return "（" + std::to_string(level) + "階 " + name(b_.Settings.LineNamesX, i, "i=") + " - " +
           name(b_.Settings.LineNamesY, j, "j=") + "）";
  }

  void Point(const GridPoint& p, size_t n) {
    for (const auto* layer : {&p.Brace, &p.Sheathing}) {
      for (const WallSeg& seg : *layer) {
        Longs(std::array{seg.Kind, seg.RunStart, seg.RunEnd});
        Text(seg.KindKey, [&] { return "耐力壁の種別キー" + Place(n); });
        Longs(std::array{seg.Slope, seg.RunPos});
        Single(seg.Multiplier);
      }
    }
    const ColumnRec& c = p.Column;
    Longs(std::array{static_cast<int32_t>(c.ColKind), c.Through, c.Corner});
    Text(c.NeedGrade, [&] { return "必要接合部の記号" + Place(n); });
    Text(c.TopHardware, [&] { return "柱頭金物" + Place(n); });
    Text(c.BottomHardware, [&] { return "柱脚金物" + Place(n); });
    for (const BeamSeg& beam : p.Beam) Longs(std::array{beam.BeamKind, beam.AutoFlag});
    Longs(std::array{static_cast<int32_t>(p.FloorKind), p.FloorEdge[Dir::X], p.FloorEdge[Dir::Y]});
  }

  const Building& b_;
  ByteWriter w_;
};

}  // namespace

ProjectBytes SerializeProject(const Building& b) {
  ProjectBytes out;
  try {
    out.bytes = ProjectWriter(b).Run();
  } catch (const UnsavableValue& e) {
    out.result = FileResult::Failure(e.what());
  }
  return out;
}

FileResult SaveProject(Building& b, const std::string& path) {
  for (int level = 1; level <= b.Storeys(); ++level) b.UpdateFloorEdges(level);
  b.Header.ProductCode = kProductCode;
  b.Header.VersionText = VersionText();
  const ProjectBytes image = SerializeProject(b);
  if (!image.result.ok) return image.result;
  return WriteFileAtomically(path, image.bytes);
}

}  // namespace tvk
