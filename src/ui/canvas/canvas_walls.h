#pragma once
// Bearing walls on the plan canvas: braces as symbols beside their grid line, sheathed
// walls as bars on it, and the label of a sheathing adjustment.

#include <QColor>
#include <QPointF>
#include <QString>
#include <optional>
#include <vector>

#include "model/grid_point.h"

namespace tvk {

class Building;
class CanvasPainter;
struct CanvasPlan;
struct WallSeg;

// Unit segments first .. last of the member a wall slot belongs to, as drawn: the slot's
// run, or the slot's own segment `index` when the run does not hold it (damaged data).
struct SegmentRun {
  int first = 0;
  int last = 0;
};
SegmentRun DrawnRun(const Building& building, const WallSeg& seg, Dir d, int index);

// Palette colour of a brace by size (Kind 1..4) and of a sheathed wall by list entry
// (Kind 1..10); nullopt for a code outside the tables, which is then not drawn.
std::optional<int> BraceColourIndex(int kind);
std::optional<int> SheathingColourIndex(int kind);

// "＋" and the excess of a sheathed wall's multiplier over its entry's base multiplier
// (Kind x 0.5), "#0.0"; empty unless the excess is more than 0.01.
QString SheathingAdjustLabel(const WallSeg& seg);
// Whether that label is not empty.
bool HasAdjustLabel(const WallSeg& seg);

// The wall members of one level as the grid points are visited, drawn afterwards layer by
// layer over the whole part visited: the sheathed walls, then the braces, then the
// adjustment labels, which so stay readable.
class WallDrawing {
 public:
  // A member between two grid points of one line, in page cm. Positions are given along
  // the line and off it; positive offsets lie on the brace side (above an X line, left of
  // a Y line).
  struct MemberLine {
    Dir d = Dir::X;
    double from = 0;  // along-coordinate of the lower-index end point
    double to = 0;    // along-coordinate of the higher-index end point
    double line = 0;  // across-coordinate of the grid line

    QPointF P(double along, double offset) const {
      return d == Dir::X ? QPointF(along, line + offset) : QPointF(line - offset, along);
    }
  };

  // Greyed members are drawn grey A.
  WallDrawing(const CanvasPlan& plan, int level, bool greyed);

  // The members through the unit segment leaving (i, j) along d. A member of several unit
  // segments is drawn whole. Drawn from each of its segments in turn, only the last
  // drawing would show, so the earlier segments leave it to that one whenever it draws
  // the same symbol (the plan looks the same, drawn once instead of n times); its label
  // is written from its first segment.
  void Add(int i, int j, Dir d);
  void Draw(CanvasPainter& canvas) const;

 private:
  struct Bar {
    MemberLine m;
    QColor colour;
  };
  struct Brace {
    MemberLine m;
    int slope;
    QColor colour;
  };
  struct Label {
    MemberLine m;
    QString text;
    QColor colour;
  };

  const CanvasPlan& plan_;
  int level_;
  bool greyed_;
  std::vector<Bar> bars_;
  std::vector<Brace> braces_;
  std::vector<Label> labels_;
};

}  // namespace tvk
