#pragma once
// The frame elevation window (軸組図): one grid line at a time on an A4 landscape page, with
// the previous and next frame of the chosen direction, a direction switch that returns to
// the frame last shown in the other direction, printing and closing. It is modeless and
// stays open until closed.

#include "report/figures/elevation_transform.h"
#include "ui/preview/page_window.h"

class QActionGroup;

namespace tvk {

class Building;
class Document;

// "軸組図を印刷します。" + two CRs + "ﾌﾟﾘﾝﾀ名： " + the printer name.
std::string ElevationPrintQuestion(const std::string& printerName);
// Window caption of a frame: the line name + " 通り 軸組図".
QString ElevationCaption(const Building& building, const FrameRef& frame);

class ElevationWindow : public PageWindow {
  Q_OBJECT

 public:
  // The window draws from building's current results; the caller has calculated them.
  // prompts: nullptr asks with message boxes.
  ElevationWindow(Document& document, const FigureFonts& fonts, QWidget* parent, WindowPrompts* prompts = nullptr);
  ~ElevationWindow() override;

  // Shows X line (dir 1) or Y line (dir 2) `line`, clamped to the grid, and remembers it
  // for its direction.
  void showFrame(Dir dir, int line);
  FrameRef frame() const { return frame_; }
  // "BeforFrame" / "NextFrame": the neighbouring line of the direction shown; at the ends
  // the frame stays and the window beeps.
  void previousFrame();
  void nextFrame();
  // The direction switch: shows the frame last shown in that direction (line 1 at first).
  void setDirection(Dir dir);
  // "Print": asks, then prints the page on the window's printer.
  void print();

 private:
  void redraw();
  void updateDirectionButtons();

  FrameRef frame_;
  PerDir<int> remembered_{1, 1};  // last line shown per direction
  QActionGroup* directions_;
};

// Shows owner's frame elevation window (made on first use, owned by owner) on X line (dir 1)
// or Y line (dir 2) `line`, after closing owner's check view and calculating the building
// as the report does.
ElevationWindow* ShowElevationWindow(Document& document, const FigureFonts& fonts, Dir dir, int line, QWidget* owner);

}  // namespace tvk
