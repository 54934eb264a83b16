#include "engine/tributary_regions.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <tuple>
#include <utility>

#include "model/building.h"

namespace tvk {

namespace {

constexpr double kEps = 1e-9;
// Corners closer than 1 / kCornerScale pitches are the same corner.
constexpr double kCornerScale = 1e6;

GridXY PointOf(const ColumnTributary& c) { return {c.at.i - 1.0, c.at.j - 1.0}; }

double Dist2(GridXY p, GridXY q) { return (p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y); }

// Positive where p is nearer to n than to m, zero on the line of equal distance.
double Side(GridXY p, GridXY m, GridXY n) {
  return 2 * (p.x * (n.x - m.x) + p.y * (n.y - m.y)) - (n.x * n.x + n.y * n.y - m.x * m.x - m.y * m.y);
}

// A polygon corner and what the edge to the next corner runs along: the line of equal
// distance to column `label`, or the cell's border (-1).
struct Corner {
  GridXY p;
  int label = -1;
};

// The part of a convex polygon nearer to m than to column n (index `label` at point n).
std::vector<Corner> KeepNearer(const std::vector<Corner>& polygon, GridXY m, GridXY n, int label) {
  std::vector<Corner> out;
  out.reserve(polygon.size() + 1);  // a cut convex polygon gains one corner at most
  for (size_t k = 0; k < polygon.size(); ++k) {
    const Corner& a = polygon[k];
    const Corner& b = polygon[(k + 1) % polygon.size()];
    const double fa = Side(a.p, m, n);
    const double fb = Side(b.p, m, n);
    const bool aIn = fa <= kEps;
    const bool bIn = fb <= kEps;
    if (aIn) out.push_back(a);
    if (aIn != bIn) {
      const double t = fa / (fa - fb);
      out.push_back({{a.p.x + t * (b.p.x - a.p.x), a.p.y + t * (b.p.y - a.p.y)}, aIn ? label : a.label});
    }
  }
  // A corner on the line itself leaves an edge of no length: the edge after it is the real one.
  for (size_t k = 0; k < out.size() && out.size() > 1;) {
    const Corner& next = out[(k + 1) % out.size()];
    if (Dist2(out[k].p, next.p) < kEps) {
      out.erase(out.begin() + static_cast<std::ptrdiff_t>(k));
    } else {
      ++k;
    }
  }
  if (out.size() < 3) out.clear();
  return out;
}

class RegionBuilder {
 public:
  RegionBuilder(const Building& b, int storey) : spansX_(b.SpansX()), spansY_(b.SpansY()) {
    regions_.columns = TributaryAreas(b, storey);
    std::vector<int> columnAt(static_cast<size_t>(b.PointsX()) * static_cast<size_t>(b.PointsY()), -1);
    for (size_t k = 0; k < regions_.columns.size(); ++k) {
      const ColumnTributary& c = regions_.columns[k];
      columnAt[static_cast<size_t>(c.at.i - 1) + static_cast<size_t>(b.PointsX()) * static_cast<size_t>(c.at.j - 1)] =
          static_cast<int>(k);
    }
    const size_t cells = static_cast<size_t>(spansX_) * static_cast<size_t>(spansY_);
    first_.assign(cells, 0);
    count_.assign(cells, 0);
    for (const CellShare& s : TributaryShares(b, storey)) {
      const size_t cell = CellIndex(s.ci, s.cj);
      if (count_[cell] == 0) first_[cell] = static_cast<int>(owners_.size());
      ++count_[cell];
      owners_.push_back(
          columnAt[static_cast<size_t>(s.i - 1) + static_cast<size_t>(b.PointsX()) * static_cast<size_t>(s.j - 1)]);
    }
  }

  TributaryRegions Build() {
    for (int cj = 1; cj <= spansY_; ++cj) AddRowPieces(cj);
    for (int line = 0; line <= spansY_; ++line) AddLineEdges(line, true);
    for (int line = 0; line <= spansX_; ++line) AddLineEdges(line, false);
    return std::move(regions_);
  }

 private:
  size_t CellIndex(int ci, int cj) const {
    return static_cast<size_t>(ci - 1) + static_cast<size_t>(spansX_) * static_cast<size_t>(cj - 1);
  }
  bool InPlan(int ci, int cj) const { return ci >= 1 && ci <= spansX_ && cj >= 1 && cj <= spansY_; }
  int Count(int ci, int cj) const { return InPlan(ci, cj) ? count_[CellIndex(ci, cj)] : 0; }
  const int* Owners(int ci, int cj) const { return owners_.data() + first_[CellIndex(ci, cj)]; }
  GridXY At(int column) const { return PointOf(regions_.columns[static_cast<size_t>(column)]); }

  // The column whose area holds point p of cell (ci, cj), -1 for no floor.
  int OwnerAt(int ci, int cj, GridXY p) const {
    const int count = Count(ci, cj);
    if (count == 0) return -1;
    const int* owners = Owners(ci, cj);
    int best = owners[0];
    for (int k = 1; k < count; ++k) {
      if (Dist2(p, At(owners[k])) < Dist2(p, At(best))) best = owners[k];
    }
    return best;
  }

  // Cells carried by one column alone join into runs; a shared cell is cut between its columns.
  void AddRowPieces(int cj) {
    const double y0 = cj - 1.0;
    for (int ci = 1; ci <= spansX_;) {
      const int count = Count(ci, cj);
      if (count == 0) {
        ++ci;
        continue;
      }
      if (count > 1) {
        AddSharedCell(ci, cj);
        ++ci;
        continue;
      }
      const int owner = Owners(ci, cj)[0];
      int last = ci;
      while (last < spansX_ && Count(last + 1, cj) == 1 && Owners(last + 1, cj)[0] == owner) ++last;
      regions_.pieces.push_back(
          {owner, {{ci - 1.0, y0}, {double(last), y0}, {double(last), y0 + 1}, {ci - 1.0, y0 + 1}}});
      ci = last + 1;
    }
  }

  void AddSharedCell(int ci, int cj) {
    const int count = Count(ci, cj);
    const int* owners = Owners(ci, cj);
    const double x0 = ci - 1.0;
    const double y0 = cj - 1.0;
    for (int k = 0; k < count; ++k) {
      const int m = owners[k];
      std::vector<Corner> part{{{x0, y0}}, {{x0 + 1, y0}}, {{x0 + 1, y0 + 1}}, {{x0, y0 + 1}}};
      for (int q = 0; q < count && !part.empty(); ++q) {
        if (q != k) part = KeepNearer(part, At(m), At(owners[q]), owners[q]);
      }
      if (part.empty()) continue;
      TributaryPiece piece{m, {}};
      for (size_t v = 0; v < part.size(); ++v) {
        piece.outline.push_back(part[v].p);
        // The cut between two columns is written once, from the one listed first.
        const int other = part[v].label;
        if (other > m) regions_.edges.push_back({part[v].p, part[(v + 1) % part.size()].p, m, other});
      }
      regions_.pieces.push_back(std::move(piece));
    }
  }

  // Where the lines of equal distance between the columns of cell (ci, cj) cross the grid
  // line at `line` (y = line when along X, x = line otherwise), as positions along it.
  void AddCrossings(int ci, int cj, bool alongX, int line, std::vector<double>& at) const {
    const int count = Count(ci, cj);
    if (count < 2) return;
    const int* owners = Owners(ci, cj);
    for (int p = 0; p < count; ++p) {
      for (int q = p + 1; q < count; ++q) {
        const GridXY m = At(owners[p]);
        const GridXY n = At(owners[q]);
        // Side(p) = 0 along the line: solve for the free coordinate.
        const double slope = 2 * (alongX ? n.x - m.x : n.y - m.y);
        if (std::fabs(slope) < kEps) continue;
        const double fixed = 2 * line * (alongX ? n.y - m.y : n.x - m.x);
        at.push_back((n.x * n.x + n.y * n.y - m.x * m.x - m.y * m.y - fixed) / slope);
      }
    }
  }

  // Edges on one grid line: wherever the areas on its two sides differ, joined along the line.
  void AddLineEdges(int line, bool alongX) {
    const int cells = alongX ? spansX_ : spansY_;
    bool open = false;
    TributaryEdge run;
    std::pair<int, int> runSides{-1, -1};  // areas before and after the line along the run
    auto flush = [&] {
      if (open) regions_.edges.push_back(run);
      open = false;
    };
    std::vector<double> at;
    for (int c = 1; c <= cells; ++c) {
      // The cells before (below or left of) and after the line at cell c along it.
      const int ci1 = alongX ? c : line;
      const int cj1 = alongX ? line : c;
      const int ci2 = alongX ? c : line + 1;
      const int cj2 = alongX ? line + 1 : c;
      at.assign({c - 1.0, double(c)});
      AddCrossings(ci1, cj1, alongX, line, at);
      AddCrossings(ci2, cj2, alongX, line, at);
      std::sort(at.begin(), at.end());
      for (size_t k = 0; k + 1 < at.size(); ++k) {
        const double from = std::max(at[k], c - 1.0);
        const double to = std::min(at[k + 1], double(c));
        if (to - from < kEps) continue;
        const double mid = (from + to) / 2;
        const GridXY p = alongX ? GridXY{mid, double(line)} : GridXY{double(line), mid};
        const int before = OwnerAt(ci1, cj1, p);
        const int after = OwnerAt(ci2, cj2, p);
        const GridXY a = alongX ? GridXY{from, double(line)} : GridXY{double(line), from};
        const GridXY b = alongX ? GridXY{to, double(line)} : GridXY{double(line), to};
        if (before == after) {
          flush();
          continue;
        }
        if (open && runSides == std::pair{before, after} && Dist2(run.b, a) < kEps) {
          run.b = b;
        } else {
          flush();
          run = before >= 0 ? TributaryEdge{a, b, before, after} : TributaryEdge{a, b, after, -1};
          runSides = {before, after};
          open = true;
        }
      }
    }
    flush();
  }

  int spansX_;
  int spansY_;
  std::vector<int> first_;   // per cell: its first entry in owners_
  std::vector<int> count_;   // per cell: columns sharing it (0: no floor)
  std::vector<int> owners_;  // column indices, cell by cell
  TributaryRegions regions_;
};

}  // namespace

TributaryRegions TributaryRegionsOf(const Building& building, int storey) {
  return RegionBuilder(building, storey).Build();
}

std::vector<int> ColourClasses(const TributaryRegions& regions, int classes) {
  const size_t n = regions.columns.size();
  std::vector<std::vector<int>> neighbours(n);
  auto touch = [&](int a, int b) {
    if (a == b) return;
    neighbours[static_cast<size_t>(a)].push_back(b);
    neighbours[static_cast<size_t>(b)].push_back(a);
  };
  for (const TributaryEdge& e : regions.edges) {
    if (e.other >= 0) touch(e.column, e.other);
  }
  // Areas that meet only at a corner would read as one area in the same tint. The pieces'
  // corners sorted by place, each place's in the order of the pieces (a map of the places
  // costs many times more on a large plan).
  struct PieceCorner {
    int64_t x = 0;
    int64_t y = 0;
    int column = 0;
  };
  std::vector<PieceCorner> corners;
  for (const TributaryPiece& piece : regions.pieces) {
    for (const GridXY& p : piece.outline) {
      corners.push_back({std::llround(p.x * kCornerScale), std::llround(p.y * kCornerScale), piece.column});
    }
  }
  std::stable_sort(corners.begin(), corners.end(),
                   [](const PieceCorner& a, const PieceCorner& b) { return std::tie(a.x, a.y) < std::tie(b.x, b.y); });
  for (size_t first = 0; first < corners.size();) {
    size_t end = first + 1;
    while (end < corners.size() && corners[end].x == corners[first].x && corners[end].y == corners[first].y) ++end;
    for (size_t k = first + 1; k < end; ++k) {
      for (size_t m = first; m < k; ++m) touch(corners[m].column, corners[k].column);
    }
    first = end;
  }
  std::vector<int> colour(n, -1);
  for (size_t k = 0; k < n; ++k) {
    // The class least used among the neighbours coloured so far: an unused one when there is one.
    std::vector<int> used(static_cast<size_t>(classes), 0);
    for (const int other : neighbours[k]) {
      const int c = colour[static_cast<size_t>(other)];
      if (c >= 0) ++used[static_cast<size_t>(c)];
    }
    colour[k] = static_cast<int>(std::min_element(used.begin(), used.end()) - used.begin());
  }
  return colour;
}

}  // namespace tvk
