#include "editor/member_tooltip.h"

#include <cmath>
#include <optional>
#include <vector>

#include "editor/plan_editor.h"
#include "engine/quasi_texts.h"
#include "engine/quasi_walls.h"
#include "model/building.h"
#include "model/number_format.h"

namespace tvk {

namespace {

// How far from a grid line or point (in sub-grid pitches) the pointer still finds a member.
constexpr double kReach = 0.3;

// A position in grid indices: 1 on the first grid line, fractions between lines.
struct Spot {
  double i = 0;
  double j = 0;
};

struct Segment {
  int i = 0;  // the lower end point
  int j = 0;
  Dir d = Dir::X;
};

// The unit segment along d near the spot, if the spot is near a line of that direction.
std::optional<Segment> SegmentAt(const Building& b, Spot p, Dir d) {
  const double across = d == Dir::X ? p.j : p.i;
  const double along = d == Dir::X ? p.i : p.j;
  const int line = static_cast<int>(std::lround(across));
  const int first = static_cast<int>(std::floor(along));
  const int lines = d == Dir::X ? b.PointsY() : b.PointsX();
  if (std::abs(across - line) > kReach || line < 1 || line > lines || first < 1 || first > b.Spans(d)) {
    return std::nullopt;
  }
  return d == Dir::X ? Segment{first, line, d} : Segment{line, first, d};
}

const std::string& AlongName(const Building& b, Dir d, int k) { return d == Dir::X ? b.LineNameX(k) : b.LineNameY(k); }

// "Y3通り X1 - X4" for the unit segments first .. last of a line.
std::string RunText(const Building& b, const Segment& s, int first, int last) {
  const std::string& line = s.d == Dir::X ? b.LineNameY(s.j) : b.LineNameX(s.i);
  return line + "通り " + AlongName(b, s.d, first) + " - " + AlongName(b, s.d, last + 1);
}

void AddWalls(const Building& b, int storey, const Segment& s, std::vector<std::string>& lines) {
  const GridPoint& p = b.Point(s.i, s.j, storey);
  for (const WallSeg* seg : {&p.brace(s.d), &p.sheathing(s.d)}) {
    if (seg->Kind == 0) continue;
    lines.push_back(WallKindName(seg->KindKey, seg->Kind) + " 倍率 " + FormatFixed(seg->Multiplier, 1) + "  " +
                    RunText(b, s, seg->RunStart, seg->RunEnd));
  }
}

// "準耐力壁 せっこうボード m = 0.9×0.6×2400/2730 = 0.47  Y1通り X1 - X3", and below it why the
// wall does not count when it does not.
void AddQuasi(const Building& b, int storey, const Segment& s, const QuasiWalls& quasi,
              std::vector<std::string>& lines) {
  const int line = s.d == Dir::X ? s.j : s.i;
  const int at = s.d == Dir::X ? s.i : s.j;
  for (const QuasiWall& w : quasi.walls) {
    if (w.storey != storey || w.d != s.d || w.line != line || at < w.first || at > w.last) continue;
    lines.push_back(WallKindName(QuasiKindKey(w.kind), w.board) + " m = " + QuasiArithmetic(w) + "  " +
                    RunText(b, s, w.first, w.last));
    if (!w.Counts()) lines.push_back("　算入しない：" + std::string(QuasiFaultText(w.fault)));
  }
}

// A beam names the whole run of beam segments it belongs to.
void AddBeam(const Building& b, int storey, const Segment& s, std::vector<std::string>& lines) {
  const int level = storey + 1;
  const auto beamAt = [&](int k) {
    return s.d == Dir::X ? b.Point(k, s.j, level).beam(Dir::X).BeamKind > 0
                         : b.Point(s.i, k, level).beam(Dir::Y).BeamKind > 0;
  };
  const int at = s.d == Dir::X ? s.i : s.j;
  if (!beamAt(at)) return;
  int first = at;
  int last = at;
  while (first > 1 && beamAt(first - 1)) --first;
  while (last < b.Spans(s.d) && beamAt(last + 1)) ++last;
  lines.push_back(BeamName(storey, b.Storeys()) + "  " + RunText(b, s, first, last));
}

void AddColumn(const Building& b, int storey, Spot p, std::vector<std::string>& lines) {
  const int i = static_cast<int>(std::lround(p.i));
  const int j = static_cast<int>(std::lround(p.j));
  if (std::abs(p.i - i) > kReach || std::abs(p.j - j) > kReach || !b.Contains(GridPos{i, j}, storey)) return;
  const ColumnRec& c = b.Point(i, j, storey).Column;
  if (c.ColKind == ColumnKind::None) return;
  std::string text = std::string(c.ColKind == ColumnKind::Through ? "通し柱" : "管柱") + "  位置： " + b.LineNameX(i) +
                     " - " + b.LineNameY(j);
  if (!c.TopHardware.empty()) text += "  柱頭 " + c.TopHardware;
  if (!c.BottomHardware.empty()) text += "  柱脚 " + c.BottomHardware;
  lines.push_back(text);
}

void AddFloor(const Building& b, int storey, Spot p, std::vector<std::string>& lines) {
  const int i = static_cast<int>(std::floor(p.i));
  const int j = static_cast<int>(std::floor(p.j));
  if (i < 1 || i > b.SpansX() || j < 1 || j > b.SpansY()) return;
  const FloorCell kind = b.Point(i, j, storey).FloorKind;
  if (kind != FloorCell::Slab && kind != FloorCell::Void) return;
  lines.push_back(std::string(kind == FloorCell::Void ? "吹き抜け" : "床") + "  " + b.LineNameX(i) + " - " +
                  b.LineNameX(i + 1) + ", " + b.LineNameY(j) + " - " + b.LineNameY(j + 1));
}

}  // namespace

std::string MemberTooltip(const Building& building, const EditorState& state, const CanvasGeometry& geometry,
                          CanvasPos at, const QuasiWalls& quasi) {
  const auto [x, y] = geometry.FromCanvas(at);
  const double pitch = building.SubPitch();
  if (!(pitch > 0) || !building.Contains(GridPos{1, 1}, state.Storey)) return {};
  const Spot spot{x / pitch + 1, y / pitch + 1};
  const auto shown = [&](Category category) { return state.ShowAll || state.InputCategory == category; };
  std::vector<std::string> lines;
  if (shown(Category::Floor)) AddFloor(building, state.Storey, spot, lines);
  for (const Dir d : kDirs) {
    const std::optional<Segment> segment = SegmentAt(building, spot, d);
    if (!segment) continue;
    if (shown(Category::Wall)) {
      AddWalls(building, state.Storey, *segment, lines);
      AddQuasi(building, state.Storey, *segment, quasi, lines);
    }
    if (shown(Category::Beam)) AddBeam(building, state.Storey, *segment, lines);
  }
  if (shown(Category::Column)) AddColumn(building, state.Storey, spot, lines);
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
  return text;
}

}  // namespace tvk
