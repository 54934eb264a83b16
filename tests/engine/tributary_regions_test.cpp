// Where the tributary areas lie on the plan: pieces, the lines between them, tint classes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <set>

#include "engine/tributary_regions.h"
#include "support/plan_builder.h"

namespace tvk {
namespace {

using test::PlanBuilder;

double PolygonArea(const std::vector<GridXY>& outline) {
  double twice = 0;
  for (size_t k = 0; k < outline.size(); ++k) {
    const GridXY& a = outline[k];
    const GridXY& b = outline[(k + 1) % outline.size()];
    twice += a.x * b.y - b.x * a.y;
  }
  return twice / 2;
}

// Pieces are convex and counter-clockwise.
bool Contains(const TributaryPiece& piece, GridXY p) {
  for (size_t k = 0; k < piece.outline.size(); ++k) {
    const GridXY& a = piece.outline[k];
    const GridXY& b = piece.outline[(k + 1) % piece.outline.size()];
    if ((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x) < 0) return false;
  }
  return true;
}

// Columns whose pieces hold p.
std::vector<int> OwnersAt(const TributaryRegions& r, GridXY p) {
  std::vector<int> owners;
  for (const TributaryPiece& piece : r.pieces) {
    if (Contains(piece, p)) owners.push_back(piece.column);
  }
  return owners;
}

int IndexOf(const TributaryRegions& r, int i, int j) {
  for (size_t k = 0; k < r.columns.size(); ++k) {
    if (r.columns[k].at == GridPos{i, j}) return static_cast<int>(k);
  }
  return -1;
}

std::vector<double> PieceAreas(const TributaryRegions& r) {
  std::vector<double> areas(r.columns.size(), 0);
  for (const TributaryPiece& piece : r.pieces) areas[static_cast<size_t>(piece.column)] += PolygonArea(piece.outline);
  return areas;
}

TEST(TributaryRegions, CellsCarriedAloneJoinIntoRunsAlongARow) {
  // 4 x 2 cells of 1 m, columns at x = 0 and x = 4 on y = 0 and y = 2: each column carries
  // the 2 x 1 block of cells nearest to it, one run per row.
  PlanBuilder p(1, 4, 2, 1, 1.0f);
  p.Floor(1, 1, 1, 4, 2);
  p.Column(1, 1, 1).Column(5, 1, 1).Column(1, 3, 1).Column(5, 3, 1);
  const TributaryRegions r = TributaryRegionsOf(p.b, 1);
  ASSERT_EQ(r.columns.size(), 4u);
  ASSERT_EQ(r.pieces.size(), 4u);
  for (const double area : PieceAreas(r)) EXPECT_DOUBLE_EQ(area, 2);
  // Lines: x = 2 between left and right, y = 1 between bottom and top (both whole), and the
  // floor's edge: two runs along each side of the rectangle.
  int inner = 0;
  int border = 0;
  for (const TributaryEdge& e : r.edges) (e.other < 0 ? border : inner) += 1;
  EXPECT_EQ(inner, 4);
  EXPECT_EQ(border, 8);
  for (const TributaryEdge& e : r.edges) {
    if (e.other < 0) continue;
    const double length = std::hypot(e.b.x - e.a.x, e.b.y - e.a.y);
    EXPECT_DOUBLE_EQ(length, e.a.x == e.b.x ? 1.0 : 2.0);
  }
}

TEST(TributaryRegions, TiesCutTheCellAlongTheLineOfEqualDistance) {
  struct Case {
    const char* what;
    std::vector<std::pair<int, int>> columns;
    GridXY probeA;  // lies in the first column's part
    GridXY probeB;  // lies in the second column's part
  };
  // One cell of 1 m between grid points (1..2, 1..2), its centre at (0.5, 0.5).
  const Case cases[] = {
      // Columns left and right on the bottom line three cells apart: the middle cell halves at x = 1.5.
      {"left and right", {{1, 1}, {4, 1}}, {1.4, 0.5}, {1.6, 0.5}},
      // Columns at opposite corners of a cell: the cut is its other diagonal.
      {"diagonal", {{1, 1}, {2, 2}}, {0.4, 0.4}, {0.6, 0.6}},
  };
  for (const Case& c : cases) {
    PlanBuilder p(1, 3, 1, 1, 1.0f);
    p.Floor(1, 1, 1, 3, 1);
    for (const auto& [i, j] : c.columns) p.Column(i, j, 1);
    const TributaryRegions r = TributaryRegionsOf(p.b, 1);
    const int a = IndexOf(r, c.columns[0].first, c.columns[0].second);
    const int b = IndexOf(r, c.columns[1].first, c.columns[1].second);
    EXPECT_EQ(OwnersAt(r, c.probeA), std::vector<int>{a}) << c.what;
    EXPECT_EQ(OwnersAt(r, c.probeB), std::vector<int>{b}) << c.what;
    // The cut is written once, between the two columns.
    int cuts = 0;
    for (const TributaryEdge& e : r.edges) cuts += (e.other >= 0) ? 1 : 0;
    EXPECT_GE(cuts, 1) << c.what;
    for (const TributaryEdge& e : r.edges) {
      if (e.other < 0) continue;
      EXPECT_EQ((std::set<int>{e.column, e.other}), (std::set<int>{a, b})) << c.what;
    }
  }
  // A column at every point: every cell is cut into four quarters.
  PlanBuilder dense(1, 2, 2, 1, 1.0f);
  dense.Floor(1, 1, 1, 2, 2);
  for (int j = 1; j <= 3; ++j) {
    for (int i = 1; i <= 3; ++i) dense.Column(i, j, 1);
  }
  const TributaryRegions r = TributaryRegionsOf(dense.b, 1);
  EXPECT_EQ(r.pieces.size(), 16u);
  const std::vector<double> areas = PieceAreas(r);
  EXPECT_DOUBLE_EQ(areas[static_cast<size_t>(IndexOf(r, 1, 1))], 0.25);
  EXPECT_DOUBLE_EQ(areas[static_cast<size_t>(IndexOf(r, 2, 2))], 1.0);
}

// Every point of a floor cell lies in exactly one piece, of a column that shares the cell
// and is the nearest of those to the point; every line has its two areas on either side.
TEST(TributaryRegions, PiecesCoverTheFloorOnceAndLinesSeparateDifferentAreas) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> unit(0.01, 0.99);
  for (int round = 0; round < 30; ++round) {
    const int sx = 3 + round % 7;
    const int sy = 2 + round % 5;
    PlanBuilder p(1, sx, sy, 1, 1.0f);
    std::bernoulli_distribution column(round % 2 == 0 ? 0.15 : 0.45);
    std::bernoulli_distribution floor(0.8);
    for (int j = 1; j <= sy + 1; ++j) {
      for (int i = 1; i <= sx + 1; ++i) {
        if (i <= sx && j <= sy && floor(random))
          p.Floor(1, i, j, i, j, random() % 9 == 0 ? FloorCell::Void : FloorCell::Slab);
        if (column(random)) p.Column(i, j, 1);
      }
    }
    const TributaryRegions r = TributaryRegionsOf(p.b, 1);
    std::map<std::pair<int, int>, std::vector<int>> shares;
    for (const CellShare& s : TributaryShares(p.b, 1)) shares[{s.ci, s.cj}].push_back(IndexOf(r, s.i, s.j));
    for (int cj = 1; cj <= sy; ++cj) {
      for (int ci = 1; ci <= sx; ++ci) {
        for (int sample = 0; sample < 4; ++sample) {
          const GridXY at{ci - 1 + unit(random), cj - 1 + unit(random)};
          const std::vector<int> owners = OwnersAt(r, at);
          const auto cell = shares.find({ci, cj});
          if (cell == shares.end()) {
            EXPECT_TRUE(owners.empty()) << round;
            continue;
          }
          ASSERT_EQ(owners.size(), 1u) << round << " cell " << ci << "," << cj;
          const auto& candidates = cell->second;
          ASSERT_NE(std::find(candidates.begin(), candidates.end(), owners[0]), candidates.end()) << round;
          auto distance = [&](int k) {
            const ColumnTributary& c = r.columns[static_cast<size_t>(k)];
            return std::hypot(at.x - (c.at.i - 1), at.y - (c.at.j - 1));
          };
          for (const int k : candidates) EXPECT_LE(distance(owners[0]), distance(k) + 1e-12) << round;
        }
      }
    }
    for (const TributaryEdge& e : r.edges) {
      const double length = std::hypot(e.b.x - e.a.x, e.b.y - e.a.y);
      ASSERT_GT(length, 0) << round;
      const GridXY n{-(e.b.y - e.a.y) / length * 1e-6, (e.b.x - e.a.x) / length * 1e-6};
      const GridXY mid{(e.a.x + e.b.x) / 2, (e.a.y + e.b.y) / 2};
      std::multiset<int> sides;
      for (const GridXY& at : {GridXY{mid.x + n.x, mid.y + n.y}, GridXY{mid.x - n.x, mid.y - n.y}}) {
        const std::vector<int> owners = OwnersAt(r, at);
        sides.insert(owners.empty() ? -1 : owners[0]);
      }
      EXPECT_EQ(sides, (std::multiset<int>{e.column, e.other})) << round;
    }
  }
}

TEST(TributaryRegions, NeighbouringAreasGetDifferentTints) {
  PlanBuilder p(1, 6, 6, 1, 1.0f);
  p.Floor(1, 1, 1, 6, 6);
  for (int j = 1; j <= 7; j += 2) {
    for (int i = 1; i <= 7; i += 2) p.Column(i, j, 1);
  }
  const TributaryRegions r = TributaryRegionsOf(p.b, 1);
  const std::vector<int> tint = ColourClasses(r, 4);
  ASSERT_EQ(tint.size(), 16u);
  for (const TributaryEdge& e : r.edges) {
    if (e.other < 0) continue;
    EXPECT_NE(tint[static_cast<size_t>(e.column)], tint[static_cast<size_t>(e.other)]);
    EXPECT_GE(tint[static_cast<size_t>(e.column)], 0);
    EXPECT_LT(tint[static_cast<size_t>(e.column)], 4);
  }
}

}  // namespace
}  // namespace tvk
