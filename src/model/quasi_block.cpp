#include "model/quasi_block.h"

#include <tuple>

#include "model/building.h"
#include "model/byte_io.h"
#include "model/quasi_walls.h"

namespace tvk {

namespace {

// The marker as a String: its length in two bytes, then its text.
std::string MarkerBytes() {
  const std::string_view text = kQuasiBlockMarker;
  return std::string{static_cast<char>(text.size()), '\0'} + std::string(text);
}
// storey, direction, i, j, segments, kind, board (Longs), m0 (Single), top, bottom (Longs).
constexpr size_t kRecordBytes = 10 * 4;

int32_t DirCode(Dir d) { return d == Dir::X ? 1 : 2; }

[[noreturn]] void Refuse(const std::string& detail, size_t record) {
  throw FormatError("準耐力壁等の記録が正しくありません（" + std::to_string(record + 1) + " 件目：" + detail + "）。");
}

struct Record {
  int32_t storey, dir, i, j, segments, kind, board;
  float m0;
  int32_t top, bottom;
};

Record ReadRecord(ByteReader& r) {
  Record rec{};
  rec.storey = r.Long();
  rec.dir = r.Long();
  rec.i = r.Long();
  rec.j = r.Long();
  rec.segments = r.Long();
  rec.kind = r.Long();
  rec.board = r.Long();
  rec.m0 = r.Single();
  rec.top = r.Long();
  rec.bottom = r.Long();
  return rec;
}

// The member a record describes, checked against the outline; its slot values in seg.
QuasiMember MemberOf(const Record& rec, const Building& b, size_t n, QuasiSeg& seg) {
  if (rec.storey < 1 || rec.storey > b.Storeys()) Refuse("階 " + std::to_string(rec.storey), n);
  if (rec.dir != 1 && rec.dir != 2) Refuse("方向 " + std::to_string(rec.dir), n);
  const Dir d = rec.dir == 1 ? Dir::X : Dir::Y;
  const GridPos start{rec.i, rec.j};
  if (!b.Contains(start, rec.storey)) Refuse("位置 " + std::to_string(rec.i) + ", " + std::to_string(rec.j), n);
  const int first = start.Along(d);
  if (rec.segments < 1 || rec.segments > b.Spans(d) - first + 1) Refuse("長さ " + std::to_string(rec.segments), n);
  if (rec.kind != 1 && rec.kind != 2) Refuse("種類 " + std::to_string(rec.kind), n);
  seg.KindKey = QuasiKindKey(static_cast<QuasiKind>(rec.kind));
  seg.Kind = rec.board;
  seg.Multiplier = rec.m0;
  seg.TopMm = rec.top;
  seg.BottomMm = rec.bottom;
  if (auto bad = CheckQuasiValues(seg)) Refuse(*bad, n);
  return QuasiMember{rec.storey, d, start.Along(Other(d)), first, first + rec.segments - 1, nullptr};
}

// Members follow in the order the writer gives them (storey, direction, line, start), and
// one starts only after the one before it on its line has ended.
bool Follows(const QuasiMember& before, const QuasiMember& next) {
  const auto key = [](const QuasiMember& m) { return std::tuple(m.storey, DirCode(m.d), m.line); };
  if (key(before) != key(next)) return key(before) < key(next);
  return next.first > before.last;
}

void WriteMember(Building& b, const QuasiMember& m, const QuasiSeg& values) {
  for (int k = m.first; k <= m.last; ++k) {
    QuasiSeg& seg = b.Point(GridPos::OnLine(m.d, m.line, k), m.storey).quasi(m.d);
    seg = values;
    seg.RunStart = m.first;
    seg.RunEnd = m.last;
    seg.RunPos = m.first == m.last ? 0 : (k == m.first ? 1 : (k == m.last ? 3 : 2));
  }
}

}  // namespace

std::optional<std::string> CheckQuasiLayer(const Building& b) {
  for (const QuasiMember& m : QuasiMembers(b)) {
    if (auto bad = CheckQuasiValues(*m.seg)) {
      const GridPos at = m.Start();
      return *bad + "（" + std::to_string(m.storey) + "階 " + b.LineNameX(at.i) + " - " + b.LineNameY(at.j) + "）";
    }
  }
  return std::nullopt;
}

std::string QuasiBlockBytes(const Building& b) {
  const std::vector<QuasiMember> members = QuasiMembers(b);
  if (members.empty()) return {};
  ByteWriter w;
  w.Cp932String(kQuasiBlockMarker);
  w.Long(kQuasiBlockVersion);
  w.Long(static_cast<int32_t>(members.size()));
  for (const QuasiMember& m : members) {
    const GridPos start = m.Start();
    const QuasiSeg& seg = *m.seg;
    const auto kind = QuasiKindOf(seg);
    w.Longs(std::array<int32_t, 7>{m.storey, DirCode(m.d), start.i, start.j, m.Segments(),
                                   static_cast<int32_t>(kind.value_or(QuasiKind::Full)), seg.Kind});
    w.Single(seg.Multiplier);
    w.Longs(std::array<int32_t, 2>{seg.TopMm, seg.BottomMm});
  }
  return w.Take();
}

bool QuasiBlockFollows(std::string_view rest) {
  if (rest.empty()) return false;
  const std::string marker = MarkerBytes();
  if (rest.size() < marker.size()) return marker.starts_with(rest);
  return rest.starts_with(marker);
}

void ReadQuasiBlock(ByteReader& r, Building& b) {
  if (r.String() != kQuasiBlockMarker) throw FormatError("準耐力壁等の記録の見出しが正しくありません。");
  if (const int32_t version = r.Long(); version != kQuasiBlockVersion) {
    throw FormatError("準耐力壁等の記録の版が読めません（" + std::to_string(version) + "）。");
  }
  const int32_t count = r.Long();
  if (count < 1 || static_cast<size_t>(count) > r.Left() / kRecordBytes) {
    throw FormatError("準耐力壁等の記録の件数が正しくありません（" + std::to_string(count) + "）。");
  }
  QuasiMember before{};
  for (size_t n = 0; n < static_cast<size_t>(count); ++n) {
    QuasiSeg values;
    const QuasiMember m = MemberOf(ReadRecord(r), b, n, values);
    if (n > 0 && !Follows(before, m)) Refuse("並び順または重なり", n);
    WriteMember(b, m, values);
    before = m;
  }
}

}  // namespace tvk
