// Writes the bundled sample project through the model's own API.
//
// Regenerate after a change to this program or to the file format:
//   cmake --build build --target make_sample && build/tools/make_sample examples/sample-house.TVK
//   build/tools/make_sample --tiny fuzz/seeds/project/tiny.TVK      (the smallest one-storey seed)
//   cp examples/sample-house.TVK fuzz/seeds/project/                 (the fuzzer starts from it too)
//
// The sample is a two-storey house of 8 x 6 grids (0.91 m, 2 divisions) with a one-storey
// wing: floors on both storeys with a void on storey 2, single braces of both slopes and
// crossed braces of every size, sheathed walls (one with an adjustment), storey columns and
// through-columns, floor and roof beams, a storey-2 column without a storey-1 column below
// (its pull-out reaches the beam-end columns), and hand-placed hardware, one piece too weak.

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

#include "model/building.h"
#include "model/default_settings.h"
#include "model/line_names.h"
#include "model/project_file.h"

namespace {

using tvk::Building;
using tvk::Dir;
using tvk::GridPos;

// Single and crossed brace multipliers by size code 1..4 (15x90, 30x90, 45x90, 90x90).
constexpr float kKesaMultiplier[] = {0, 1.0f, 1.5f, 2.0f, 3.0f};
constexpr float kTasukiMultiplier[] = {0, 2.0f, 3.0f, 4.0f, 5.0f};

// Writes a wall member from point index `from` to point index `to` along direction d on
// grid line `line`, the way the editor stores it: every unit segment gets the same kind,
// key, slope, multiplier and extent, and its own run position.
void PlaceWall(Building& b, int level, Dir d, int line, int from, int to, const char* key, int kind, int slope,
               float multiplier) {
  const int first = std::min(from, to);
  const int last = std::max(from, to) - 1;
  for (int k = first; k <= last; ++k) {
    const int pos = first == last ? 0 : k == first ? 1 : k == last ? 3 : 2;
    tvk::GridPoint& p = b.Point(GridPos::OnLine(d, line, k), level);
    tvk::WallSeg& slot = std::string(key) == tvk::kKeyMenzai ? p.sheathing(d) : p.brace(d);
    slot = tvk::WallSeg{kind, first, last, key, slope, pos, multiplier};
  }
}

// A single brace drawn from `from` to `to`: it rises towards the second click.
void Kesa(Building& b, int level, Dir d, int line, int from, int to, int size) {
  PlaceWall(b, level, d, line, from, to, tvk::kKeyKesa, size, to > from ? 1 : 2, kKesaMultiplier[size]);
}

void Tasuki(Building& b, int level, Dir d, int line, int from, int to, int size) {
  PlaceWall(b, level, d, line, from, to, tvk::kKeyTasuki, size, 3, kTasukiMultiplier[size]);
}

// Sheathing entry 1..10 has the multiplier 0.5 x entry, plus the adjustment in force.
void Menzai(Building& b, int level, Dir d, int line, int from, int to, int entry, float adjust = 0.0f) {
  PlaceWall(b, level, d, line, from, to, tvk::kKeyMenzai, entry, 4, 0.5f * static_cast<float>(entry) + adjust);
}

void Beams(Building& b, int level, Dir d, int line, int from, int to) {
  for (int k = from; k < to; ++k) b.Point(GridPos::OnLine(d, line, k), level).beam(d).BeamKind = 1;
}

void Floor(Building& b, int level, int i1, int j1, int i2, int j2, tvk::FloorCell kind) {
  for (int j = j1; j < j2; ++j) {
    for (int i = i1; i < i2; ++i) b.Point(i, j, level).FloorKind = kind;
  }
}

void Column(Building& b, int level, int i, int j) { b.Point(i, j, level).Column.ColKind = tvk::ColumnKind::Storey; }

void ThroughColumn(Building& b, int i, int j) {
  for (int level = 1; level <= 2; ++level) {
    b.Point(i, j, level).Column.ColKind = tvk::ColumnKind::Through;
    b.Point(i, j, level).Column.Through = 1;
  }
}

void Outline(Building& b, int storeys, int spansX, int spansY, int divisions) {
  b.ResetForNewBuilding(tvk::DefaultSettings{});
  b.Info.StoreyCount = storeys;
  b.Info.GridDivisions = divisions;
  b.Info.GridSpansX = spansX;
  b.Info.GridSpansY = spansY;
  b.Info.GridPitch = 0.91f;
  b.CreateModelArrays();
  tvk::GenerateLineNames(b);
}

// Main house on points 1..13 x 1..13 (both storeys), wing on 13..17 x 1..9 (storey 1 only).
// Columns stand on every second grid line (every fourth point).
void SampleHouse(Building& b) {
  Outline(b, 2, 16, 12, 2);
  b.Info.BuildingName = "サンプル邸 新築工事";
  b.Info.OfficeName = "みどり建築設計事務所";
  b.Info.PersonName = "佐藤 一郎";

  Floor(b, 1, 1, 1, 13, 13, tvk::FloorCell::Slab);
  Floor(b, 1, 13, 1, 17, 9, tvk::FloorCell::Slab);
  Floor(b, 2, 1, 1, 13, 13, tvk::FloorCell::Slab);
  Floor(b, 2, 3, 9, 5, 11, tvk::FloorCell::Void);

  for (int i : {1, 13}) {
    for (int j : {1, 13}) ThroughColumn(b, i, j);
  }
  for (int i : {1, 5, 9, 13}) {
    for (int j : {1, 5, 9, 13}) {
      if (!b.Point(i, j, 1).hasColumn()) Column(b, 1, i, j);
    }
  }
  for (int j : {1, 5, 9}) Column(b, 1, 17, j);
  for (auto [i, j] : {std::pair{5, 1}, {9, 1}, {1, 5}, {1, 9}, {13, 5}, {13, 9}, {5, 13}, {9, 13}, {7, 13}}) {
    Column(b, 2, i, j);  // (7, 13) has no storey-1 column below: it stands on the floor beam 5..9
  }

  // Storey 1 walls.
  Kesa(b, 1, Dir::X, 1, 1, 5, 3);
  Kesa(b, 1, Dir::X, 1, 9, 5, 2);
  Menzai(b, 1, Dir::X, 1, 9, 13, 5);
  Kesa(b, 1, Dir::X, 1, 13, 17, 4);  // 90x90 at the wing's exterior corner (17, 1)
  Tasuki(b, 1, Dir::X, 13, 1, 5, 1);
  Tasuki(b, 1, Dir::X, 13, 9, 13, 2);
  Tasuki(b, 1, Dir::X, 5, 5, 9, 3);
  Menzai(b, 1, Dir::X, 9, 13, 17, 6, 0.5f);  // entered with the sheathing adjustment 0.5
  Kesa(b, 1, Dir::Y, 1, 1, 5, 1);
  Kesa(b, 1, Dir::Y, 1, 5, 9, 2);
  Menzai(b, 1, Dir::Y, 1, 5, 9, 2);  // brace and sheathing on the same extent
  Tasuki(b, 1, Dir::Y, 1, 9, 13, 4);
  Kesa(b, 1, Dir::Y, 13, 5, 1, 3);
  Menzai(b, 1, Dir::Y, 13, 9, 13, 4);
  Kesa(b, 1, Dir::Y, 17, 1, 5, 2);
  Menzai(b, 1, Dir::Y, 17, 5, 9, 5);
  Kesa(b, 1, Dir::Y, 9, 9, 5, 4);

  // Storey 2 walls.
  Kesa(b, 2, Dir::X, 1, 5, 1, 3);
  Kesa(b, 2, Dir::X, 1, 9, 13, 3);
  Menzai(b, 2, Dir::X, 13, 1, 5, 5);
  Kesa(b, 2, Dir::X, 13, 7, 9, 2);  // the wall that makes the column at (7, 13) pull
  Tasuki(b, 2, Dir::Y, 1, 1, 5, 2);
  Kesa(b, 2, Dir::Y, 1, 13, 9, 1);
  Kesa(b, 2, Dir::Y, 13, 1, 5, 4);
  Menzai(b, 2, Dir::Y, 13, 9, 13, 4);

  // Storey-2 floor beams, and the wing's roof beams on the same level.
  for (int j : {1, 5, 9, 13}) Beams(b, 2, Dir::X, j, 1, 13);
  for (int i : {1, 5, 9, 13}) Beams(b, 2, Dir::Y, i, 1, 13);
  for (int j : {1, 5, 9}) Beams(b, 2, Dir::X, j, 13, 17);
  Beams(b, 2, Dir::Y, 17, 1, 9);
  // Storey-2 roof beams.
  for (int j : {1, 7, 13}) Beams(b, 3, Dir::X, j, 1, 13);
  for (int i : {1, 13}) Beams(b, 3, Dir::Y, i, 1, 13);

  // Hand-placed hardware; "(い)" is far too weak for the 90x90 brace corner at (17, 1).
  b.Point(17, 1, 1).Column.TopHardware = "(い)";
  b.Point(17, 1, 1).Column.BottomHardware = "(い)";
  b.Point(1, 5, 1).Column.BottomHardware = "(ほ)";
  b.Point(5, 1, 1).Column.BottomHardware = "(は)";
  b.Point(9, 1, 2).Column.TopHardware = "(ろ)";
}

// One storey, one span each way, one division: the smallest building there is.
void TinyBuilding(Building& b) {
  Outline(b, 1, 1, 1, 1);
  b.Info.BuildingName = "小屋";
  Column(b, 1, 1, 1);
  Column(b, 1, 2, 1);
  Kesa(b, 1, Dir::X, 1, 1, 2, 1);
  Floor(b, 1, 1, 1, 2, 2, tvk::FloorCell::Slab);
  Beams(b, 2, Dir::X, 1, 1, 2);
}

}  // namespace

int main(int argc, char** argv) {
  const bool tiny = argc == 3 && std::string(argv[1]) == "--tiny";
  if (argc != 2 && !tiny) {
    std::fprintf(stderr, "usage: make_sample [--tiny] OUT.TVK\n");
    return 2;
  }
  Building b;
  if (tiny) {
    TinyBuilding(b);
  } else {
    SampleHouse(b);
  }
  const tvk::FileResult saved = tvk::SaveProject(b, argv[argc - 1]);
  if (!saved.ok) {
    std::fprintf(stderr, "%s\n", saved.message.c_str());
    return 1;
  }
  return 0;
}
