#pragma once
// What the plan editor needs from the window it runs in: answers from the user in
// the middle of an operation, and feedback on the canvas and the controls. The main
// window implements it; tests implement it with scripted answers.

#include <string>

#include "editor/canvas_geometry.h"
#include "editor/popup_menus.h"

namespace tvk {

// Palette colours of the rubber band.
constexpr int kBandPlaceColour = 15;   // white
constexpr int kBandDeleteColour = 12;  // light red

enum class BandShape { Line, Rectangle };

// A rubber band as drawn in exclusive-or mode, width kRubberBandWidth. Erasing passes
// the band exactly as it was drawn (same colour, even if the edit mode changed since).
struct RubberBand {
  CanvasPos from;
  CanvasPos to;
  BandShape shape = BandShape::Line;
  int colour = kBandPlaceColour;

  bool operator==(const RubberBand&) const = default;
};

class EditorHost {
 public:
  virtual ~EditorHost() = default;

  // ---- questions (modal) --------------------------------------------------
  // A pop-up menu at the press point; returns the entry chosen (Cancel when dismissed).
  virtual PopupChoice askPopup(PopupKind kind, CanvasPos at) = 0;
  // OK / Cancel question titled "確認メッセージ" before members are deleted; true on OK.
  // Its default button (Enter) is Cancel, which keeps them.
  virtual bool confirm(const std::string& text) = 0;
  // Message titled "確認メッセージ" with an OK button. Line breaks are "\n".
  virtual void showMessage(const std::string& text) = 0;
  virtual void beep() = 0;

  // ---- feedback -------------------------------------------------------------
  virtual void drawRubberBand(const RubberBand& band) = 0;
  virtual void eraseRubberBand(const RubberBand& band) = 0;
  virtual void setCancelEnabled(bool enabled) = 0;  // the "ｷｬﾝｾﾙ" button
  virtual void setPositionLabels(const std::string& x, const std::string& y) = 0;
  virtual void setBusy(bool busy) = 0;                     // hourglass pointer
  virtual void setZoom(double factor) = 0;                 // chosen in the zoom pop-up
  virtual void undoAvailabilityChanged(bool canUndo) = 0;  // the "Undo" button

  // ---- canvas drawing of the current storey ---------------------------------
  virtual void eraseRect(const GridRect& rect) = 0;  // members of a grid rectangle, in black
  virtual void drawRect(const GridRect& rect) = 0;   // members of a grid rectangle, afresh
  virtual void fullRedraw() = 0;
  virtual void showOtherStoreyWalls(int storey, bool shown) = 0;
  // StoreyBalance was recomputed: refresh the eccentricity panel and the centre marks.
  virtual void eccentricityChanged() = 0;
};

}  // namespace tvk
