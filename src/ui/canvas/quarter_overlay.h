#pragma once
// The side strips of the quarter check on the plan canvas: a translucent band per strip of
// the storey being edited, tinted by force direction (X yellowish, Y cyanish) and red where
// the strip falls short, with its name and 充足率 in the middle. Like the centre marks it is
// painted over the plan image, never into it.

#include <QColor>
#include <QPointF>
#include <QString>
#include <vector>

#include "editor/quarter_bands.h"

namespace tvk {

class CanvasPainter;

// Label size (points of the logical page).
inline constexpr double kQuarterLabelSize = 10;

// Fill, outline and label colours of a band.
struct QuarterBandLook {
  QColor fill;
  QColor outline;
  QColor text;
  bool bold = false;
};
QuarterBandLook QuarterLook(Dir d, ReadoutState state);

class QuarterOverlay {
 public:
  // The bands in plan metres at a plan scale (cm per metre).
  void Show(const std::vector<QuarterBand>& bands, double scale);
  void Hide() { shown_.clear(); }
  void Paint(CanvasPainter& canvas) const;

  // A band as shown: corners in cm of the logical page (y upwards).
  struct Shown {
    QuarterBand band;
    QPointF low;
    QPointF high;
  };
  const std::vector<Shown>& Bands() const { return shown_; }

 private:
  std::vector<Shown> shown_;
};

}  // namespace tvk
