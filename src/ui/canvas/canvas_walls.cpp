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

// The member of unit segments first .. last on the line through (i, j) along d.
MemberLine MemberOnLine(const CanvasPlan& plan, SegmentRun run, int i, int j, int level, Dir d) {
  const auto [first, last] = run;
  const QPointF a = d == Dir::X ? plan.At(first, j, level) : plan.At(i, first, level);
  const QPointF b = d == Dir::X ? plan.At(last + 1, j, level) : plan.At(i, last + 1, level);
  return d == Dir::X ? MemberLine{d, a.x(), b.x(), a.y()} : MemberLine{d, a.y(), b.y(), a.x()};
}

void Segment(CanvasPainter& canvas, const MemberLine& m, double u1, double off1, double u2, double off2,
             const QColor& colour) {
  const QPointF a = m.P(u1, off1);
  const QPointF b = m.P(u2, off2);
  canvas.Line(a.x(), a.y(), b.x(), b.y(), CanvasPen{Qt::SolidLine, 1, colour});
}

// Slope 1 rises towards the higher index, 2 towards the lower, 3 is a crossed pair.
void DrawBrace(CanvasPainter& canvas, const CanvasPlan& plan, const MemberLine& m, int slope, const QColor& colour) {
  const double u1 = m.from + plan.Screen(kSetBack);
  const double u2 = m.to - plan.Screen(kSetBack);
  const double base = plan.Screen(kBraceOffset);
  const double tip = base + plan.Screen(kTickLength);
  Segment(canvas, m, u1, base, u2, base, colour);
  if (slope == 3) {
    Segment(canvas, m, u1, base, u1, tip, colour);
    Segment(canvas, m, u2, base, u2, tip, colour);
    Segment(canvas, m, u1, tip, u2, tip, colour);
    Segment(canvas, m, u1, base, u2, tip, colour);
    Segment(canvas, m, u2, base, u1, tip, colour);
    return;
  }
  const double rise = slope == 2 ? u1 : u2;
  const double foot = slope == 2 ? u2 : u1;
  Segment(canvas, m, rise, base, rise, tip, colour);
  Segment(canvas, m, foot, base, rise, tip, colour);
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

QString SheathingAdjustLabel(const WallSeg& seg) {
  const double excess = double(seg.Multiplier) - 0.5 * seg.Kind;
  if (excess <= 0.01) return {};
  return QStringLiteral("＋") + QString::fromStdString(FormatFixed(excess, 1));
}

void DrawCanvasWallSlots(CanvasPainter& canvas, const CanvasPlan& plan, int i, int j, int level, Dir d, bool greyed) {
  const GridPoint& p = plan.building.Point(i, j, level);
  const int index = GridPos{i, j}.Along(d);
  if (const auto colour = SheathingColourIndex(p.sheathing(d).Kind)) {
    const SegmentRun run = DrawnRun(plan.building, p.sheathing(d), d, index);
    const MemberLine m = MemberOnLine(plan, run, i, j, level, d);
    DrawSheathing(canvas, plan, m, greyed ? GreyA() : PaletteColor(*colour));
    // Written once per member: antialiased text drawn over itself would thicken.
    const QString label = SheathingAdjustLabel(p.sheathing(d));
    if (!label.isEmpty() && index == run.first) {
      DrawAdjustLabel(canvas, plan, m, label, greyed ? GreyA() : PaletteColor(kPalWhite));
    }
  }
  if (const auto colour = BraceColourIndex(p.brace(d).Kind)) {
    const MemberLine m = MemberOnLine(plan, DrawnRun(plan.building, p.brace(d), d, index), i, j, level, d);
    DrawBrace(canvas, plan, m, p.brace(d).Slope, greyed ? GreyA() : PaletteColor(*colour));
  }
}

}  // namespace tvk
