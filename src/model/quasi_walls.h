#pragma once
// Partly sheathed walls (準耐力壁等) as the model keeps them: the two kinds, the boards with
// the multiplier each has as a bearing wall (m0), what a stored wall may hold, and the
// members of the layer walked from their run positions.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/grid_point.h"

namespace tvk {

class Building;

enum class QuasiKind {
  Full = 1,     // 準耐力壁: the board runs over (nearly) the whole clear height
  Opening = 2,  // 垂れ壁・腰壁: the solid parts above and below an opening
};

std::optional<QuasiKind> QuasiKindOf(const WallSeg& seg);
const char* QuasiKindKey(QuasiKind kind);   // "Juntai", "Tarekoshi"
const char* QuasiKindName(QuasiKind kind);  // "準耐力壁", "垂れ壁・腰壁"

struct QuasiBoard {
  const char* name;
  float m0;   // its multiplier as a bearing wall; 0 for the board whose m0 is entered
  bool lath;  // 木ずり: m = 0.5 x hs / H0, without the factor 0.6
};

// Boards by code 1 .. kQuasiBoardCount; the last one takes an entered m0.
inline constexpr int kQuasiBoardCount = 7;
inline constexpr int kEnteredBoard = kQuasiBoardCount;
std::span<const QuasiBoard> QuasiBoards();
// nullptr for a code outside the list.
const QuasiBoard* FindQuasiBoard(int code);

// An entered m0, at 0.1.
inline constexpr double kMinEnteredM0 = 0.1;
inline constexpr double kMaxEnteredM0 = 5.0;
// A sheathed height (each part), mm.
inline constexpr int kMaxSheathedMm = 9999;

// Why a wall's own values cannot be stored (the kind, board, m0 and heights), or nullopt.
// The rules of where such a wall counts are the engine's.
std::optional<std::string> CheckQuasiValues(const QuasiSeg& seg);

// One partly sheathed wall member: on grid line `line` across d (j for X, i for Y) of a
// storey, unit segments first .. last.
struct QuasiMember {
  int storey = 1;
  Dir d = Dir::X;
  int line = 1;
  int first = 1;
  int last = 1;
  const QuasiSeg* seg = nullptr;  // its first segment

  GridPos Start() const { return GridPos::OnLine(d, line, first); }
  int Segments() const { return last - first + 1; }
};

// Every member of one storey: lines along X (by j), then along Y (by i), each from its start.
std::vector<QuasiMember> QuasiMembersOfStorey(const Building& building, int storey);
// Every member of the building, storey by storey.
std::vector<QuasiMember> QuasiMembers(const Building& building);
bool HasQuasiWalls(const Building& building);

}  // namespace tvk
