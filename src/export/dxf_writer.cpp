#include "export/dxf_writer.h"

#include <dxflib/dl_dxf.h>
#include <dxflib/dl_writer_ascii.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numbers>

#include "export/dxf_text.h"
#include "export/plan_drawing.h"
#include "export/plan_frame.h"

namespace tvk {

namespace {

std::string HexText(unsigned long value) {
  std::array<char, 24> text{};
  const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value, 16);
  std::string hex(text.data(), end);
  for (char& c : hex) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return hex;
}

// dxflib's writer for a file name, turned to collect the file in memory so that it can be
// written the program's safe way (and to write every string in the file's code page).
class ByteWriter final : public DL_WriterA {
 public:
  ByteWriter() : DL_WriterA("", DL_Codes::AC1015) {}

  void dxfReal(int gc, double value) const override {
    std::array<char, 64> text{};
    const double finite = std::isfinite(value) ? value : 0.0;
    const auto [end, error] =
        std::to_chars(text.data(), text.data() + text.size(), finite, std::chars_format::fixed, 6);
    std::string_view number(text.data(), error == std::errc{} ? static_cast<size_t>(end - text.data()) : 0);
    // Trailing zeros go, one decimal stays ("455.0").
    while (number.size() > 2 && number.back() == '0' && number[number.size() - 2] != '.') number.remove_suffix(1);
    put(gc, number);
  }
  void dxfInt(int gc, int value) const override { put(gc, std::to_string(value)); }
  void dxfHex(int gc, int value) const override { put(gc, HexText(static_cast<unsigned long>(value))); }
  void dxfString(int gc, const char* value) const override { put(gc, DxfString(value)); }
  void dxfString(int gc, const std::string& value) const override { put(gc, DxfString(value)); }

  std::string Take() { return std::move(bytes_); }

 private:
  void put(int gc, std::string_view value) const {
    // Group codes right-aligned in three columns, as dxflib writes them.
    if (gc < 10)
      bytes_ += "  ";
    else if (gc < 100)
      bytes_ += ' ';
    bytes_ += std::to_string(gc);
    bytes_ += '\n';
    bytes_ += value;
    bytes_ += '\n';
  }

  mutable std::string bytes_;
};

// The dashes of the beams, in millimetres of the drawing: 3 mm on paper at 1:100.
constexpr const char* kDashedName = "DASHED";
constexpr std::array<double, 2> kDashedPattern = {300, -150};

const char* LineTypeName(LineKind kind) { return kind == LineKind::Dashed ? kDashedName : "CONTINUOUS"; }

void WriteHeader(DL_Dxf& dxf, ByteWriter& dw, const PlanDrawing& drawing) {
  dxf.writeHeader(dw);
  dw.dxfString(9, "$DWGCODEPAGE");
  dw.dxfString(3, kDxfCodePage);
  dw.dxfString(9, "$INSUNITS");
  dw.dxfInt(70, 4);  // millimetres
  dw.dxfString(9, "$MEASUREMENT");
  dw.dxfInt(70, 1);  // metric
  dw.dxfString(9, "$LUNITS");
  dw.dxfInt(70, 2);  // decimal
  dw.dxfString(9, "$TEXTSTYLE");
  dw.dxfString(7, kDxfTextStyle);
  const std::array<DxfPoint, 2> extents = drawing.Extents();
  dw.dxfString(9, "$EXTMIN");
  dw.coord(10, extents[0].x, extents[0].y);
  dw.dxfString(9, "$EXTMAX");
  dw.coord(10, extents[1].x, extents[1].y);
  dw.sectionEnd();
}

void WriteLineTypes(DL_Dxf& dxf, ByteWriter& dw) {
  dw.tableLinetypes(4);
  dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
  dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
  dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
  std::array<double, 2> pattern = kDashedPattern;
  const double length = std::fabs(pattern[0]) + std::fabs(pattern[1]);
  dxf.writeLinetype(dw, DL_LinetypeData(kDashedName, "Dashed __ __ __", 0, 2, length, pattern.data()));
  dw.tableEnd();
}

void WriteLayers(DL_Dxf& dxf, ByteWriter& dw) {
  dw.tableLayers(1 + kPlanLayerCount);
  constexpr int kDefaultLineWeight = -3;
  dxf.writeLayer(dw, DL_LayerData("0", 0), DL_Attributes("", 7, -1, kDefaultLineWeight, "CONTINUOUS"));
  for (int k = 0; k < kPlanLayerCount; ++k) {
    const LayerLook& look = LookOf(static_cast<PlanLayer>(k));
    dxf.writeLayer(dw, DL_LayerData(look.name, 0),
                   DL_Attributes("", look.colour, -1, kDefaultLineWeight, LineTypeName(look.line)));
  }
  dw.tableEnd();
}

// dxflib's style record keeps a TrueType font only by its family name; the record of the
// program's style names the font file as well, and the character set, as CAD programs in
// Japan write it.
void WriteJapaneseStyle(ByteWriter& dw) {
  constexpr int kShiftJisFixedPitchRoman = 0x8011;
  dw.dxfString(0, "STYLE");
  dw.handle();
  dw.dxfString(100, "AcDbSymbolTableRecord");
  dw.dxfString(100, "AcDbTextStyleTableRecord");
  dw.dxfString(2, kDxfTextStyle);
  dw.dxfInt(70, 0);
  dw.dxfReal(40, 0.0);
  dw.dxfReal(41, 1.0);
  dw.dxfReal(50, 0.0);
  dw.dxfInt(71, 0);
  dw.dxfReal(42, kDxfLabelHeight);
  dw.dxfString(3, kDxfFontFile);
  dw.dxfString(4, "");
  dw.dxfString(1001, "ACAD");
  dw.dxfString(1000, kDxfFontFamily);
  dw.dxfInt(1071, kShiftJisFixedPitchRoman);
}

void WriteTables(DL_Dxf& dxf, ByteWriter& dw) {
  dw.sectionTables();
  dxf.writeVPort(dw);
  WriteLineTypes(dxf, dw);
  WriteLayers(dxf, dw);
  dw.tableStyle(2);
  dxf.writeStyle(dw, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, kDxfLabelHeight, kDxfFontFamily, ""));
  WriteJapaneseStyle(dw);
  dw.tableEnd();
  dxf.writeView(dw);
  dxf.writeUcs(dw);
  dw.tableAppid(1);
  dxf.writeAppid(dw, "ACAD");
  dw.tableEnd();
  dxf.writeDimStyle(dw, kDxfLabelHeight, kDxfLabelHeight, kDxfLabelHeight / 2, kDxfLabelHeight / 2, kDxfLabelHeight);
  dxf.writeBlockRecord(dw);
  dw.tableEnd();
  dw.sectionEnd();
}

void WriteBlocks(DL_Dxf& dxf, ByteWriter& dw) {
  dw.sectionBlocks();
  for (const char* name : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
    dxf.writeBlock(dw, DL_BlockData(name, 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, name);
  }
  dw.sectionEnd();
}

// dxflib writes a fixed handle seed, which a large drawing's handles pass: the seed becomes the
// handle after the last one written.
void SetHandleSeed(std::string& bytes, unsigned long next) {
  const std::string key = "$HANDSEED\n  5\n";
  const size_t at = bytes.find(key);
  if (at == std::string::npos) return;
  const size_t value = at + key.size();
  const size_t end = bytes.find('\n', value);
  if (end == std::string::npos) return;
  bytes.replace(value, end - value, HexText(std::max(next, 0xFFFFUL)));
}

void WriteText(DL_Dxf& dxf, ByteWriter& dw, const PlanText& t, const DL_Attributes& attributes) {
  const double angle = t.angle * std::numbers::pi / 180;
  dxf.writeText(dw,
                DL_TextData(t.at.x, t.at.y, 0, t.at.x, t.at.y, 0, t.height, 1.0, 0, static_cast<int>(t.h),
                            static_cast<int>(t.v), t.text, kDxfTextStyle, angle),
                attributes);
}

void WriteEntity(DL_Dxf& dxf, ByteWriter& dw, const PlanEntity& e) {
  const DL_Attributes attributes(LookOf(e.layer).name, e.colour, -1, -1, "BYLAYER");
  const std::vector<DxfPoint>& p = e.points;
  switch (e.kind) {
    case PlanEntity::Kind::Line:
      dxf.writeLine(dw, DL_LineData(p[0].x, p[0].y, 0, p[1].x, p[1].y, 0), attributes);
      break;
    case PlanEntity::Kind::Outline:
      dxf.writePolyline(dw, DL_PolylineData(static_cast<int>(p.size()), 0, 0, 1), attributes);
      for (const DxfPoint& v : p) dxf.writeVertex(dw, DL_VertexData(v.x, v.y, 0, 0));
      dxf.writePolylineEnd(dw);
      break;
    case PlanEntity::Kind::Solid:
      dxf.writeSolid(dw, DL_SolidData(p[0].x, p[0].y, 0, p[1].x, p[1].y, 0, p[2].x, p[2].y, 0, p[3].x, p[3].y, 0),
                     attributes);
      break;
    case PlanEntity::Kind::Circle:
      dxf.writeCircle(dw, DL_CircleData(p[0].x, p[0].y, 0, e.radius), attributes);
      break;
    case PlanEntity::Kind::Text:
      WriteText(dxf, dw, e.text, attributes);
      break;
  }
}

}  // namespace

std::string DxfBytes(const PlanDrawing& drawing) {
  // DL_Dxf writes DXF R2000 unless told otherwise.
  DL_Dxf dxf;
  ByteWriter dw;
  WriteHeader(dxf, dw, drawing);
  WriteTables(dxf, dw);
  WriteBlocks(dxf, dw);
  dw.sectionEntities();
  for (const PlanEntity& e : drawing.Entities()) WriteEntity(dxf, dw, e);
  dw.sectionEnd();
  dxf.writeObjects(dw);
  dxf.writeObjectsEnd(dw);
  dw.dxfEOF();
  const unsigned long next = dw.getNextHandle();
  std::string bytes = dw.Take();
  SetHandleSeed(bytes, next);
  return bytes;
}

}  // namespace tvk
