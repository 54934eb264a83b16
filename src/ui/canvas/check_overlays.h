#pragma once
// The plan options of the 2025 checks, painted over the plan canvas's image like the centre
// marks (so an edit's partial repaint of the plan never waits for them): the quarter strips
// ("四分割法の側端部を表示") and the columns' tributary areas ("柱の負担面積を表示") of the
// storey being edited. Each follows the document's live checks whenever the centre marks
// do, and costs nothing while it is off.

#include <QString>
#include <array>

#include "editor/canvas_geometry.h"
#include "ui/canvas/quarter_overlay.h"
#include "ui/canvas/tributary_overlay.h"

class QPainter;

namespace tvk {

class Document;

enum class CheckOverlay { Quarters, Tributaries };
inline constexpr std::array<CheckOverlay, 2> kCheckOverlays = {CheckOverlay::Quarters, CheckOverlay::Tributaries};

class CheckOverlays {
 public:
  void SetShown(CheckOverlay which, bool shown);
  bool Shown(CheckOverlay which) const { return shown_[Index(which)]; }
  // Takes a storey's checks from the document, for the overlays shown.
  void Refresh(const Document& document, int storey, double scale);
  // Nothing to show (no grid): the overlays stay switched as they are.
  void Clear();
  // The painter maps canvas units onto its device.
  void Paint(QPainter& painter) const;
  // Over a column, with the tributary areas shown: its figures; empty elsewhere.
  QString ToolTipAt(const Document& document, int storey, const CanvasGeometry& geometry, CanvasPos at) const;

  const QuarterOverlay& Quarters() const { return quarters_; }
  const TributaryOverlay& Tributaries() const { return tributaries_; }

 private:
  static size_t Index(CheckOverlay which) { return static_cast<size_t>(which); }

  std::array<bool, 2> shown_{};
  QuarterOverlay quarters_;
  TributaryOverlay tributaries_;
};

}  // namespace tvk
