#pragma once
// The centre marks of the storey being edited: the centre of gravity (two white circles),
// the centre of rigidity (a light cyan ×) and the frames of the allowable eccentric
// distance for ratios 0.2 (yellow) and 0.3 (red) around the centre of gravity.
//
// The canvas paints the marks over its plan image rather than into it, and remembers
// the set it shows: showing new values replaces that set, so the old marks are gone
// without leaving anything behind on the plan.

#include <QRectF>
#include <optional>

namespace tvk {

class CanvasPainter;
struct StoreyBalance;

// Positions in cm of the logical page (y upwards); frame sizes are half the width and
// half the height. A storey without floor cells has no centre of gravity (nor frames around
// it), one without walls no centre of rigidity.
struct EccentricityMarkSet {
  std::optional<QPointF> gravity;
  std::optional<QPointF> rigidity;
  QSizeF inner;
  QSizeF outer;

  bool operator==(const EccentricityMarkSet&) const = default;
};

// The marks of one storey's values at a plan scale (cm per metre); none for an empty storey.
std::optional<EccentricityMarkSet> MarksOf(const StoreyBalance& balance, double scale);
void DrawEccentricityMarks(CanvasPainter& canvas, const EccentricityMarkSet& marks);

class EccentricityMarks {
 public:
  // Shows the marks of a storey's values in place of the ones shown before.
  void Show(const StoreyBalance& balance, double scale);
  void Hide() { shown_.reset(); }
  const std::optional<EccentricityMarkSet>& Shown() const { return shown_; }
  void Paint(CanvasPainter& canvas) const;
  // Canvas units covering the marks shown; empty when none are.
  QRectF Bounds() const;

 private:
  std::optional<EccentricityMarkSet> shown_;
};

}  // namespace tvk
