#pragma once
// How a wall member's unit segments hang together along its line: from its first segment a
// member goes on over segments that continue it (run position 2 or 3) and ends at its last
// one (3); it never passes an empty segment. Shared by every wall layer.

#include "model/grid_point.h"

namespace tvk {

// The last unit segment of the member whose first segment is k, on a line of `spans` unit
// segments; segAt(m) is the slot of segment m.
template <class SegAt>
int MemberRunLast(int k, int spans, SegAt segAt) {
  int last = k;
  const int pos = segAt(k).RunPos;
  if (pos != 1 && pos != 2) return last;
  while (last < spans) {
    const WallSeg& next = segAt(last + 1);
    if (next.Kind == 0 || (next.RunPos != 2 && next.RunPos != 3)) break;
    ++last;
    if (next.RunPos == 3) break;
  }
  return last;
}

}  // namespace tvk
