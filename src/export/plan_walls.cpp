#include <vector>

#include "engine/member_codes.h"
#include "engine/wall_members.h"
#include "export/label_space.h"
#include "export/plan_frame.h"
#include "export/plan_parts.h"
#include "model/building.h"
#include "model/number_format.h"

namespace tvk {

namespace {

// A wall between the column squares at its ends, and the side its brace symbol stands on:
// above an X wall, left of a Y wall.
struct WallLine {
  DxfPoint a;  // lower grid index
  DxfPoint b;
  DxfPoint n;  // unit normal towards the symbol
};

WallLine LineOf(const PlanFrame& frame, const WallMember& m) {
  if (m.d == Dir::X) {
    const DxfPoint a = frame.At(m.start.i, m.start.j);
    const DxfPoint b = frame.At(m.last + 1, m.start.j);
    return {{a.x + kDxfWallInset, a.y}, {b.x - kDxfWallInset, b.y}, {0, 1}};
  }
  const DxfPoint a = frame.At(m.start.i, m.start.j);
  const DxfPoint b = frame.At(m.start.i, m.last + 1);
  return {{a.x, a.y + kDxfWallInset}, {b.x, b.y - kDxfWallInset}, {-1, 0}};
}

DxfPoint Off(DxfPoint p, DxfPoint n, double k) { return {p.x + n.x * k, p.y + n.y * k}; }

void AddSymbol(PlanDrawing& drawing, const WallLine& w, WallSymbol symbol) {
  const DxfPoint aUp = Off(w.a, w.n, kDxfBraceDepth);
  const DxfPoint bUp = Off(w.b, w.n, kDxfBraceDepth);
  switch (symbol) {
    case WallSymbol::Plain:
      drawing.Line(PlanLayer::Brace, w.a, w.b);
      break;
    case WallSymbol::BraceRightUp:
      drawing.Outline(PlanLayer::Brace, {w.a, w.b, bUp});
      break;
    case WallSymbol::BraceLeftUp:
      drawing.Outline(PlanLayer::Brace, {w.a, w.b, aUp});
      break;
    case WallSymbol::Crossed:
      drawing.Outline(PlanLayer::Brace, {w.a, w.b, bUp, aUp});
      drawing.Line(PlanLayer::Brace, w.a, bUp);
      drawing.Line(PlanLayer::Brace, w.b, aUp);
      break;
    case WallSymbol::Sheathing:
      drawing.Line(PlanLayer::Sheathing, w.a, w.b);
      drawing.Outline(PlanLayer::Sheathing, {Off(w.a, w.n, -kDxfSheathingHalf), Off(w.b, w.n, -kDxfSheathingHalf),
                                             Off(w.b, w.n, kDxfSheathingHalf), Off(w.a, w.n, kDxfSheathingHalf)});
      break;
  }
}

// The places of a multiplier: below an X wall or right of a Y wall (turned a quarter, reading
// upwards), then on the symbol's side beyond the brace symbol, then one row further out.
std::vector<PlanText> MultiplierPlaces(const WallLine& w, const WallSeg& seg) {
  const DxfPoint mid{(w.a.x + w.b.x) / 2, (w.a.y + w.b.y) / 2};
  const std::string text = FormatFixed(seg.Multiplier, 1);
  const double angle = w.n.x == 0 ? 0.0 : 90.0;
  const auto at = [&](double reach, VAlign v) {
    return PlanText{Off(mid, w.n, reach), text, kDxfLabelHeight, HAlign::Centre, v, angle};
  };
  return {at(-kDxfLabelGap, VAlign::Top), at(kDxfBraceDepth + kDxfLabelGap, VAlign::Bottom),
          at(-kDxfLabelGap - kDxfLabelHeight - kDxfLabelGap, VAlign::Top)};
}

bool Shown(const WallMember& m) { return m.sheathing ? HasSheathing(*m.seg) : HasBrace(*m.seg); }

void AddLine(PlanDrawing& drawing, const PlanFrame& frame, LabelSpace& labels, Dir d, int line) {
  for (const WallMember& m : WallMembersOnLine(frame.building, frame.storey, d, line)) {
    if (!Shown(m)) continue;
    const WallLine w = LineOf(frame, m);
    AddSymbol(drawing, w, WallSymbolOf(*m.seg, m.sheathing));
    drawing.Text(PlanLayer::Multiplier, labels.Place(MultiplierPlaces(w, *m.seg)));
  }
}

}  // namespace

void AddWalls(PlanDrawing& drawing, const PlanFrame& frame, LabelSpace& labels) {
  for (int j = 1; j <= frame.building.PointsY(); ++j) AddLine(drawing, frame, labels, Dir::X, j);
  for (int i = 1; i <= frame.building.PointsX(); ++i) AddLine(drawing, frame, labels, Dir::Y, i);
}

}  // namespace tvk
