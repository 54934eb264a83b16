#pragma once
// An exported plan as CAD entities on named layers: lines, closed outlines, filled squares,
// circles and single-line texts, in millimetres with y upwards. The plan builders add to it;
// the DXF writer writes it.

#include <array>
#include <string>
#include <vector>

namespace tvk {

struct DxfPoint {
  double x = 0;
  double y = 0;

  bool operator==(const DxfPoint&) const = default;
};

inline DxfPoint operator+(DxfPoint a, DxfPoint b) { return {a.x + b.x, a.y + b.y}; }

// Layers by content, in the order of the file's layer table.
enum class PlanLayer {
  Grid,
  GridName,
  Floor,
  Void,
  Brace,
  Sheathing,
  Multiplier,
  Column,
  ThroughColumn,
  Beam,
  Grade,
  Hardware,
  Quarter,
  Centre,
  Title,
};
inline constexpr int kPlanLayerCount = static_cast<int>(PlanLayer::Title) + 1;

enum class LineKind { Continuous, Dashed };

// A layer's name (a stable ASCII prefix to filter by, then what it holds in Japanese), its
// colour (AutoCAD colour index) and line type.
struct LayerLook {
  const char* name;
  int colour;
  LineKind line;
};
const LayerLook& LookOf(PlanLayer layer);

// Colour of an entity: its layer's, or an AutoCAD colour index.
inline constexpr int kByLayer = 256;
inline constexpr int kRed = 1;
inline constexpr int kYellow = 2;

// DXF's text justification codes.
enum class HAlign { Left = 0, Centre = 1, Right = 2 };
enum class VAlign { Baseline = 0, Bottom = 1, Middle = 2, Top = 3 };

struct PlanText {
  DxfPoint at;  // the point the justification refers to
  std::string text;
  double height = 0;
  HAlign h = HAlign::Left;
  VAlign v = VAlign::Baseline;
  double angle = 0;  // degrees, counter-clockwise
};

struct PlanEntity {
  enum class Kind { Line, Outline, Solid, Circle, Text };
  Kind kind = Kind::Line;
  PlanLayer layer = PlanLayer::Grid;
  int colour = kByLayer;
  // Line: its two ends; Outline: a closed polyline; Solid: the corners of a filled square
  // in DXF's order (the third and fourth swapped); Circle: its centre.
  std::vector<DxfPoint> points;
  double radius = 0;
  PlanText text;
};

class PlanDrawing {
 public:
  void Line(PlanLayer layer, DxfPoint a, DxfPoint b, int colour = kByLayer);
  void Outline(PlanLayer layer, std::vector<DxfPoint> points, int colour = kByLayer);
  // An axis-parallel filled square.
  void Square(PlanLayer layer, DxfPoint centre, double side, int colour = kByLayer);
  void Circle(PlanLayer layer, DxfPoint centre, double radius, int colour = kByLayer);
  void Text(PlanLayer layer, PlanText text, int colour = kByLayer);

  const std::vector<PlanEntity>& Entities() const { return entities_; }
  // Lower left and upper right corners of every point and text anchor (texts by their height
  // around the anchor); both zero for an empty drawing.
  std::array<DxfPoint, 2> Extents() const;

 private:
  std::vector<PlanEntity> entities_;
};

}  // namespace tvk
