#include "ui/canvas/canvas_walls.h"

#include <array>

#include "model/number_format.h"
#include "ui/canvas/canvas_painter.h"
#include "ui/canvas/canvas_plan.h"
#include "ui/canvas/palette16.h"

namespace tvk {
namespace {

// Sizes in cm at zoom 1 (divided by the zoom factor).
constexpr double kSetBack = 0.1725;  // 2.3 x half the column square, room for the columns
constexpr double kBraceOffset = 0.15;
constexpr double kTickLength = 0.24;
constexpr double kSheathingHalfWidth = 0.1;
constexpr double kLabelGap = 0.05;
constexpr double kLabelFontSize = 7;

using MemberLine = WallDrawing::MemberLine;

// The member of unit segments first .. last on the line through (i, j) along d.
MemberLine MemberOnLine(const CanvasPlan& plan, SegmentRun run, int i, int j, int level, Dir d) {
  const auto [first, last] = run;
  const QPointF a = d == Dir::X ? plan.At(first, j, level) : plan.At(i, first, level);
  const QPointF b = d == Dir::X ? plan.At(last + 1, j, level) : plan.At(i, last + 1, level);
  return d == Dir::X ? MemberLine{d, a.x(), b.x(), a.y()} : MemberLine{d, a.y(), b.y(), a.x()};
}

// Slope 1 rises towards the higher index, 2 towards the lower, 3 is a crossed pair.
void DrawBrace(CanvasPainter& canvas, const CanvasPlan& plan, const MemberLine& m, int slope, const QColor& colour) {
  const double u1 = m.from + plan.Screen(kSetBack);
  const double u2 = m.to - plan.Screen(kSetBack);
  const double base = plan.Screen(kBraceOffset);
  const double tip = base + plan.Screen(kTickLength);
  auto segment = [&m](double a, double offA, double b, double offB) { return QLineF(m.P(a, offA), m.P(b, offB)); };
  const CanvasPen pen{Qt::SolidLine, 1, colour};
  if (slope == 3) {
    const std::array<QLineF, 6> crossed{segment(u1, base, u2, base), segment(u1, base, u1, tip),
                                        segment(u2, base, u2, tip),  segment(u1, tip, u2, tip),
                                        segment(u1, base, u2, tip),  segment(u2, base, u1, tip)};
    canvas.Lines(crossed, pen);
    return;
  }
  const double rise = slope == 2 ? u1 : u2;
  const double foot = slope == 2 ? u2 : u1;
  const std::array<QLineF, 3> single{segment(u1, base, u2, base), segment(rise, base, rise, tip),
                                     segment(foot, base, rise, tip)};
  canvas.Lines(single, pen);
}

void DrawSheathing(CanvasPainter& canvas, const CanvasPlan& plan, const MemberLine& m, const QColor& colour) {
  const double half = plan.Screen(kSheathingHalfWidth);
  const QPointF a = m.P(m.from + plan.Screen(kSetBack), -half);
  const QPointF b = m.P(m.to - plan.Screen(kSetBack), half);
  canvas.Box(a.x(), a.y(), b.x(), b.y(), CanvasPen{Qt::SolidLine, 1, colour}, CanvasFill{Qt::SolidPattern, colour});
}

// The label stands beside the middle of the member, on the side away from brace symbols.
void DrawAdjustLabel(CanvasPainter& canvas, const CanvasPlan& plan, const MemberLine& m, const QString& text,
                     const QColor& colour) {
  const CmSize size = CanvasPainter::MeasureText(text, kLabelFontSize);
  const double middle = (m.from + m.to) / 2;
  const double clear = plan.Screen(kSheathingHalfWidth + kLabelGap);
  const QPointF topLeft = m.d == Dir::X ? QPointF(middle - size.width / 2, m.line - clear)
                                        : QPointF(m.line + clear, middle + size.height / 2);
  canvas.Text(topLeft.x(), topLeft.y(), text, colour, kLabelFontSize);
}

// The slot of the same layer at another unit segment of the line through (i, j) along d.
const WallSeg& SlotAt(const Building& b, int i, int j, int level, Dir d, int index, bool brace) {
  const GridPoint& p = d == Dir::X ? b.Point(index, j, level) : b.Point(i, index, level);
  return brace ? p.brace(d) : p.sheathing(d);
}

// A member of several unit segments is one symbol, the same from each of its segments, and
// only its last drawing shows: a segment leaves it to the member's last segment when that
// one draws the very same symbol.
bool DrawnAgainLater(const Building& b, const WallSeg& seg, SegmentRun run, int i, int j, int level, Dir d, int index,
                     bool brace) {
  if (index == run.last) return false;
  const WallSeg& last = SlotAt(b, i, j, level, d, run.last, brace);
  const SegmentRun lastRun = DrawnRun(b, last, d, run.last);
  return last.Kind == seg.Kind && (!brace || last.Slope == seg.Slope) && lastRun.first == run.first &&
         lastRun.last == run.last;
}

}  // namespace

SegmentRun DrawnRun(const Building& building, const WallSeg& seg, Dir d, int index) {
  const bool holdsIndex = seg.RunStart >= 1 && seg.RunStart <= index && index <= seg.RunEnd;
  if (!holdsIndex || seg.RunEnd > building.Spans(d)) return {index, index};
  return {seg.RunStart, seg.RunEnd};
}

std::optional<int> BraceColourIndex(int kind) {
  static constexpr std::array<int, 4> kColours{kPalYellow, kPalLightCyan, kPalLightGreen, kPalLightRed};
  if (kind < 1 || kind > int(kColours.size())) return std::nullopt;
  return kColours[size_t(kind - 1)];
}

std::optional<int> SheathingColourIndex(int kind) {
  static constexpr std::array<int, 10> kColours{kPalWhite,   kPalLightCyan, kPalLightMagenta, kPalLightBlue,
                                                kPalMagenta, kPalYellow,    kPalBrown,        kPalLightGreen,
                                                kPalGrey,    kPalLightRed};
  if (kind < 1 || kind > int(kColours.size())) return std::nullopt;
  return kColours[size_t(kind - 1)];
}

bool HasAdjustLabel(const WallSeg& seg) { return double(seg.Multiplier) - 0.5 * seg.Kind > 0.01; }

QString SheathingAdjustLabel(const WallSeg& seg) {
  if (!HasAdjustLabel(seg)) return {};
  return QStringLiteral("＋") + QString::fromStdString(FormatFixed(double(seg.Multiplier) - 0.5 * seg.Kind, 1));
}

WallDrawing::WallDrawing(const CanvasPlan& plan, int level, bool greyed)
    : plan_(plan), level_(level), greyed_(greyed) {}

void WallDrawing::Add(int i, int j, Dir d) {
  const Building& b = plan_.building;
  const GridPoint& p = b.Point(i, j, level_);
  const int index = GridPos{i, j}.Along(d);
  if (const auto colour = SheathingColourIndex(p.sheathing(d).Kind)) {
    const WallSeg& seg = p.sheathing(d);
    const SegmentRun run = DrawnRun(b, seg, d, index);
    const MemberLine m = MemberOnLine(plan_, run, i, j, level_, d);
    if (!DrawnAgainLater(b, seg, run, i, j, level_, d, index, false)) {
      bars_.push_back(Bar{m, greyed_ ? GreyA() : CanvasColour(*colour)});
    }
    // Written once per member: antialiased text drawn over itself would thicken.
    if (index == run.first) {
      const QString label = SheathingAdjustLabel(seg);
      if (!label.isEmpty()) labels_.push_back(Label{m, label, greyed_ ? GreyA() : CanvasColour(kPalWhite)});
    }
  }
  if (const auto colour = BraceColourIndex(p.brace(d).Kind)) {
    const WallSeg& seg = p.brace(d);
    const SegmentRun run = DrawnRun(b, seg, d, index);
    if (!DrawnAgainLater(b, seg, run, i, j, level_, d, index, true)) {
      braces_.push_back(
          Brace{MemberOnLine(plan_, run, i, j, level_, d), seg.Slope, greyed_ ? GreyA() : CanvasColour(*colour)});
    }
  }
}

void WallDrawing::Draw(CanvasPainter& canvas) const {
  for (const Bar& bar : bars_) DrawSheathing(canvas, plan_, bar.m, bar.colour);
  for (const Brace& brace : braces_) DrawBrace(canvas, plan_, brace.m, brace.slope, brace.colour);
  for (const Label& label : labels_) DrawAdjustLabel(canvas, plan_, label.m, label.text, label.colour);
}

}  // namespace tvk
