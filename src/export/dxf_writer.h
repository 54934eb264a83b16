#pragma once
// Writes a plan drawing as a DXF file with dxflib: DXF R2000 in the Japanese code page
// (dxf_text.h), millimetres ($INSUNITS 4), the line types and one layer per content of
// plan_drawing.h, and a text style named after a Japanese font that every text uses.

#include <string>

namespace tvk {

class PlanDrawing;

// The text style of every text: "ＭＳ 明朝", the report's face for plans.
inline constexpr const char* kDxfTextStyle = "TVK";
inline constexpr const char* kDxfFontFile = "msmincho.ttc";
inline constexpr const char* kDxfFontFamily = "ＭＳ 明朝";

// The whole file.
std::string DxfBytes(const PlanDrawing& drawing);

}  // namespace tvk
