#pragma once
// The plan editor: turns presses, movements and keys on the plan canvas into checked
// edits of the building, which it hands to the document as commands. It owns the editor
// state of the main window; it asks the user through AskUser, shows rubber bands and view
// changes through PlanView and keeps the controls around the plan in step through
// EditorHost.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "editor/ask_user.h"
#include "editor/canvas_geometry.h"
#include "editor/edit_request.h"
#include "editor/editor_host.h"
#include "editor/plan_view.h"
#include "editor/side_controls.h"
#include "editor/view_state.h"

namespace tvk {

class Building;
class Document;

enum class MouseButton { Left, Right };

// A clicked grid point: indices and canvas position.
struct GridPick {
  GridPos at;
  CanvasPos pos;

  bool operator==(const GridPick&) const = default;
};

// What a partly sheathed wall placed next takes: its heights per kind (mm) and the m0 of
// the board whose m0 is entered. Remembered while the program runs.
struct QuasiChoice {
  int fullMm = 2400;   // 準耐力壁: the sheathed height
  int topMm = 500;     // 垂れ壁
  int bottomMm = 900;  // 腰壁
  float enteredM0 = 1.0f;

  bool operator==(const QuasiChoice&) const = default;
};

struct EditorState {
  Category InputCategory = Category::Floor;
  int Storey = 1;
  PerCategory<KindSelection> Selection;  // SelectedKind and the list key
  std::string SelectedGroupKey = "Kesa";
  float SelectedMultiplier = 1.0f;  // wall multiplier of the chosen wall entry
  QuasiChoice Quasi;
  EditMode Mode = EditMode::Place;
  int ClickState = 0;
  GridPick Start;
  GridPick End;
  std::optional<Dir> DirectionLock;  // a wall or beam runs along it
  LayerSet PopupLayers = LayerSet::None;
  bool PopupUsed = false;
  bool PopupCancelled = false;
  bool DeleteBothLayers = false;  // "筋かい・面材を同時に削除"
  bool WallAutoLink = true;       // "耐力壁と柱･梁配置の連動"
  DeleteToggles Toggles;
  bool ShowAll = false;           // "全部材表示"
  bool OtherStoreyWalls = false;  // other-storey walls toggle down
  bool OtherStoreyToggleEnabled = false;

  int SelectedKind(Category category) const { return Selection[category].subKind; }
};

class PlanEditor {
 public:
  PlanEditor(Document& document, AskUser& ask, PlanView& view, EditorHost& host);

  const EditorState& state() const { return s_; }
  const std::vector<KindNode>& kindList() const { return kindList_; }
  bool kindListVisible() const { return s_.InputCategory != Category::Beam; }
  // "筋かい・面材を同時に削除" can be used in a delete mode with bearing walls.
  bool deleteBothLayersEnabled() const;
  // The rubber band currently on the canvas, if any.
  const std::optional<RubberBand>& rubberBand() const { return band_; }

  // ---- canvas events (canvas units) -----------------------------------------
  void press(MouseButton button, CanvasPos at);
  void move(CanvasPos at);
  void escape();
  void cancel();  // the "ｷｬﾝｾﾙ" button
  // Another building, another grid or other line names: a pending edit and the position
  // read-out belong to the grid that is gone, and a one-storey building has no other
  // storey's walls to show.
  void gridChanged();

  // ---- controls ---------------------------------------------------------------
  void pressDeleteToggle(DeleteToggle which, bool down);
  void chooseCategory(Category category);
  void chooseStorey(int storey);
  // A leaf of the member-kind list becomes the active kind; a group heading only beeps
  // (false), and the kind chosen before stays active.
  bool chooseKind(const std::string& listKey);
  void setDeleteBothLayers(bool on) { s_.DeleteBothLayers = on; }
  void setWallAutoLink(bool on) { s_.WallAutoLink = on; }
  // The heights and entered m0 partly sheathed walls are placed with.
  void setQuasiChoice(const QuasiChoice& choice);
  void toggleShowAll();
  void toggleOtherStoreyWalls();
  // Takes the last plan edit back, with the hourglass.
  void undo();
  // Full redraw of the current storey, then its centre marks.
  void redrawAll();

 private:
  bool twoClick() const { return s_.InputCategory != Category::Column; }
  bool runsAlongLine() const { return s_.InputCategory == Category::Wall || s_.InputCategory == Category::Beam; }

  void takePoint(MouseButton button, CanvasPos at, const SnapResult& snap);
  void finishPoints(MouseButton button, CanvasPos at);
  void groupPress(MouseButton button, CanvasPos at, const SnapResult& snap);
  void zoomPopup(CanvasPos at);
  // Asks the category's pop-up; false when its cancel entry was chosen.
  bool deletionFromPopup(CanvasPos at);

  EditRequest makeRequest(const GridRect& rect) const;
  bool passesChecks(const EditRequest& edit);
  void commit(const EditRequest& edit);

  void updateLock(const GridPick& at);
  GridPick locked(GridPick pick) const;
  void showBand(CanvasPos to);
  void eraseBand();
  void abandon();
  void endOperation();

  void rebuildKindList();
  void applySelection();
  void showPosition(const SnapResult& snap);

  Document& doc_;
  const Building& b_;
  AskUser& ask_;
  PlanView& view_;
  EditorHost& host_;
  EditorState s_;
  std::vector<KindNode> kindList_;
  std::optional<RubberBand> band_;
};

}  // namespace tvk
