#pragma once
// Bearing-wall members and segment runs along grid lines, as the figures draw them.

#include <functional>
#include <vector>

#include "model/grid_types.h"

namespace tvk {

class Building;
struct WallSeg;

struct WallMember {
  Dir d = Dir::X;  // direction the member runs in
  int first = 1;   // first unit segment (index along d)
  int last = 1;    // last unit segment
  GridPos start;   // grid point where the member starts
  bool sheathing = false;
  const WallSeg* seg = nullptr;  // its first segment (kind, key, slope, multiplier)
};

// The members of the brace and sheathing layers on grid line lineIndex along d at a
// level, each once, from its run positions. A run never passes an empty segment.
std::vector<WallMember> WallMembersOnLine(const Building& building, int level, Dir d, int lineIndex);

// Every member of a level: lines along X (by j), then lines along Y (by i).
std::vector<WallMember> WallMembersOfLevel(const Building& building, int level);

// How the plans draw a member: a single brace by the end it rises to, crossed braces, a
// sheathed wall; a plain line where the member kind is not shown.
enum class WallSymbol { Plain, BraceRightUp, BraceLeftUp, Crossed, Sheathing };

WallSymbol WallSymbolOf(const WallSeg& seg, bool sheathing);

struct SegmentRun {
  int first = 1;
  int last = 1;
};

// Maximal runs of consecutive segments 1..count for which `holds` is true.
std::vector<SegmentRun> SegmentRuns(int count, const std::function<bool(int)>& holds);

}  // namespace tvk
