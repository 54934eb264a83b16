#include "editor/plan_editor.h"

#include <algorithm>

#include "editor/commands.h"
#include "editor/document.h"
#include "editor/edit_checks.h"

namespace tvk {

PlanEditor::PlanEditor(Document& document, AskUser& ask, PlanView& view, EditorHost& host)
    : doc_(document), b_(document.building()), ask_(ask), view_(view), host_(host) {
  for (const Category c : kCategories) s_.Selection[c] = InitialSelection(c);
  rebuildKindList();
}

bool PlanEditor::deleteBothLayersEnabled() const {
  return s_.Mode != EditMode::Place && s_.InputCategory == Category::Wall;
}

// ---- presses ------------------------------------------------------------------

void PlanEditor::press(MouseButton button, CanvasPos at) {
  if (s_.SelectedKind(s_.InputCategory) == 0) {
    ask_.beep();
    return;
  }
  const CanvasGeometry geometry = CanvasGeometry::For(b_);
  if (s_.Mode == EditMode::GroupDelete) {
    groupPress(button, at, SnapForGroupDelete(b_, geometry, at));
    return;
  }
  const SnapResult snap = Snap(b_, geometry, at);
  if (!snap.inside) {
    if (button == MouseButton::Right) zoomPopup(at);
    return;
  }
  takePoint(button, at, snap);
}

void PlanEditor::takePoint(MouseButton button, CanvasPos at, const SnapResult& snap) {
  const GridPick pick{snap.at, snap.pos};
  if (!twoClick()) {
    s_.Start = s_.End = pick;
    finishPoints(button, at);
    return;
  }
  if (s_.ClickState == 0) {
    if (button == MouseButton::Right) return;
    s_.Start = s_.End = pick;
    s_.ClickState = 1;
    host_.setCancelEnabled(true);
    // A press is also a movement to its point: the lock starts along X.
    if (runsAlongLine()) updateLock(pick);
    showBand(pick.pos);
    return;
  }
  if (runsAlongLine()) updateLock(pick);
  s_.End = runsAlongLine() ? locked(pick) : pick;
  finishPoints(button, at);
}

void PlanEditor::finishPoints(MouseButton button, CanvasPos at) {
  s_.PopupUsed = false;
  if (button == MouseButton::Right && !deletionFromPopup(at)) {
    s_.ClickState = 0;
    eraseBand();
    return;
  }
  eraseBand();
  const GridPos a = s_.Start.at;
  const GridPos b = s_.End.at;
  GridRect rect{std::min(a.i, b.i), std::min(a.j, b.j), std::max(a.i, b.i), std::max(a.j, b.j)};
  if (runsAlongLine()) {
    if (s_.DirectionLock == Dir::X) rect.y2 = rect.y1;
    if (s_.DirectionLock == Dir::Y) rect.x2 = rect.x1;
  }
  const EditRequest edit = makeRequest(rect);
  if (!passesChecks(edit)) return;
  commit(edit);
}

bool PlanEditor::deletionFromPopup(CanvasPos at) {
  const bool walls = s_.InputCategory == Category::Wall;
  const PopupChoice choice = ask_.askPopup(walls ? PopupKind::WallLayers : PopupKind::Delete, at);
  host_.setCancelEnabled(false);
  const LayerSet layers = LayersOf(choice);
  const bool chosen = walls ? layers != LayerSet::None : choice == PopupChoice::Delete;
  if (!chosen) {
    // The cancel entry ends the operation at once.
    s_.PopupCancelled = true;
    s_.PopupCancelled = false;
    return false;
  }
  s_.PopupUsed = true;
  if (s_.Mode == EditMode::Place) s_.Mode = EditMode::Delete;
  if (walls) s_.PopupLayers = layers;
  return true;
}

void PlanEditor::zoomPopup(CanvasPos at) {
  const PopupChoice choice = ask_.askPopup(PopupKind::Zoom, at);
  const double factor = ZoomFactorOf(choice);
  if (factor > 0) {
    host_.setZoom(factor);
  } else {
    abandon();
  }
}

void PlanEditor::groupPress(MouseButton button, CanvasPos at, const SnapResult& snap) {
  if (s_.ClickState == 0) {
    if (button == MouseButton::Right) {
      host_.setCancelEnabled(false);
      return;
    }
    s_.Start = s_.End = GridPick{snap.at, at};
    s_.ClickState = 1;
    host_.setCancelEnabled(true);
    return;
  }
  s_.End = GridPick{snap.at, at};
  s_.PopupUsed = false;
  const std::optional<GridRect> rect = RectToGrid(b_, CanvasGeometry::For(b_), s_.Start.pos, at);
  if (!rect || (button == MouseButton::Right && !deletionFromPopup(at))) {
    abandon();
    return;
  }
  const EditRequest edit = makeRequest(*rect);
  const bool ok = ask_.confirm(GroupDeleteQuestion(b_, *rect, GroupDeleteName(edit.category, edit.layers)));
  abandon();
  if (ok) commit(edit);
}

// ---- the edit ---------------------------------------------------------------

EditRequest PlanEditor::makeRequest(const GridRect& rect) const {
  EditRequest edit;
  edit.category = s_.InputCategory;
  edit.editMode = s_.Mode;
  edit.storey = s_.Storey;
  edit.rect = rect;
  edit.subKind = s_.SelectedKind(s_.InputCategory);
  edit.groupKey = s_.SelectedGroupKey;
  edit.multiplier = s_.SelectedMultiplier;
  if (s_.SelectedGroupKey == kKeyJuntai) edit.topMm = s_.Quasi.fullMm;
  if (s_.SelectedGroupKey == kKeyTarekoshi) {
    edit.topMm = s_.Quasi.topMm;
    edit.bottomMm = s_.Quasi.bottomMm;
  }
  edit.layers = EditLayers(s_.SelectedGroupKey, s_.Mode, s_.DeleteBothLayers, s_.PopupUsed, s_.PopupLayers);
  const Dir d = edit.direction();
  edit.slope = WallSlope(s_.SelectedGroupKey, s_.Start.at.Along(d), s_.End.at.Along(d));
  edit.autoLink = s_.WallAutoLink;
  return edit;
}

bool PlanEditor::passesChecks(const EditRequest& edit) {
  if (edit.category == Category::Wall) {
    if (const auto message = CheckWallOverlap(b_, edit)) {
      ask_.showMessage(*message);
      s_.ClickState = 0;
      if (!s_.Toggles.remove && !s_.Toggles.group) s_.Mode = EditMode::Place;
      host_.setCancelEnabled(false);
      return false;
    }
  }
  if (edit.editMode == EditMode::Place) {
    std::optional<std::string> message = CheckQuasiPlacement(edit);
    if (!message) message = CheckCrossing(b_, edit);
    if (message) {
      ask_.showMessage(*message);
      s_.ClickState = 0;
      host_.setCancelEnabled(false);
      return false;
    }
  }
  return true;
}

void PlanEditor::commit(const EditRequest& edit) {
  const bool floors = edit.category == Category::Floor;
  if (floors) ask_.setBusy(true);
  doc_.apply(PlanEditCommand(edit));
  if (floors) ask_.setBusy(false);
  if (edit.category == Category::Column && edit.editMode == EditMode::Place &&
      static_cast<ColumnKind>(edit.subKind) == ColumnKind::Through) {
    if (const auto message = ThroughColumnHardwareMessage(b_, edit.rect.Low())) ask_.showMessage(*message);
  }
  endOperation();
}

void PlanEditor::endOperation() {
  s_.ClickState = 0;
  host_.setCancelEnabled(false);
  // A deletion started from the pop-up lasts for one operation.
  if (s_.Mode != EditMode::Place && !s_.Toggles.remove && !s_.Toggles.group) s_.Mode = EditMode::Place;
}

// ---- movement and the rubber band ---------------------------------------------

void PlanEditor::move(CanvasPos at) {
  const CanvasGeometry geometry = CanvasGeometry::For(b_);
  if (s_.Mode == EditMode::GroupDelete) {
    showPosition(SnapForGroupDelete(b_, geometry, at));
    if (s_.ClickState == 1) showBand(at);
    return;
  }
  const SnapResult snap = Snap(b_, geometry, at);
  showPosition(snap);
  if (!snap.inside || s_.ClickState == 0 || !twoClick()) return;
  GridPick pick{snap.at, snap.pos};
  if (runsAlongLine()) {
    updateLock(pick);
    pick = locked(pick);
  }
  showBand(pick.pos);
}

void PlanEditor::updateLock(const GridPick& at) {
  if (at.at.i == s_.Start.at.i) s_.DirectionLock = Dir::Y;
  if (at.at.j == s_.Start.at.j) s_.DirectionLock = Dir::X;
}

GridPick PlanEditor::locked(GridPick pick) const {
  if (s_.DirectionLock == Dir::X) {
    pick.at.j = s_.Start.at.j;
    pick.pos.y = s_.Start.pos.y;
  } else if (s_.DirectionLock == Dir::Y) {
    pick.at.i = s_.Start.at.i;
    pick.pos.x = s_.Start.pos.x;
  }
  return pick;
}

void PlanEditor::showBand(CanvasPos to) {
  eraseBand();
  const bool rectangle = s_.InputCategory == Category::Floor || s_.Mode == EditMode::GroupDelete;
  band_ = RubberBand{s_.Start.pos, to, rectangle ? BandShape::Rectangle : BandShape::Line,
                     s_.Mode == EditMode::Place ? kBandPlaceColour : kBandDeleteColour};
  view_.drawRubberBand(*band_);
}

void PlanEditor::eraseBand() {
  if (!band_) return;
  view_.eraseRubberBand(*band_);
  band_.reset();
}

void PlanEditor::abandon() {
  eraseBand();
  s_.ClickState = 0;
  host_.setCancelEnabled(false);
}

void PlanEditor::escape() { abandon(); }

void PlanEditor::gridChanged() {
  abandon();
  host_.setPositionLabels("", "");
  s_.OtherStoreyToggleEnabled = OtherStoreyToggleEnabled(s_.InputCategory, b_.Storeys());
  s_.OtherStoreyWalls = s_.OtherStoreyWalls && s_.OtherStoreyToggleEnabled;
}

void PlanEditor::cancel() { abandon(); }

void PlanEditor::showPosition(const SnapResult& snap) {
  if (!snap.inside) {
    host_.setPositionLabels("", "");
    return;
  }
  host_.setPositionLabels(b_.LineNameX(snap.at.i), b_.LineNameY(snap.at.j));
}

// ---- controls -----------------------------------------------------------------

void PlanEditor::pressDeleteToggle(DeleteToggle which, bool down) {
  abandon();
  s_.Toggles = PressDeleteToggle(s_.Toggles, which, down);
  s_.Mode = EditModeFor(s_.Toggles);
}

void PlanEditor::chooseCategory(Category category) {
  abandon();
  s_.InputCategory = category;
  s_.OtherStoreyWalls = false;
  s_.OtherStoreyToggleEnabled = OtherStoreyToggleEnabled(category, b_.Storeys());
  rebuildKindList();
  redrawAll();
}

void PlanEditor::chooseStorey(int storey) {
  s_.Storey = storey;
  if (s_.InputCategory == Category::Floor || s_.InputCategory == Category::Column) rebuildKindList();
  // The canvas traces the other storey's floor outline.
  doc_.refreshFloorEdges(storey == 1 ? 2 : 1);
  redrawAll();
}

bool PlanEditor::chooseKind(const std::string& listKey) {
  const KindNode* node = FindKind(kindList_, listKey);
  if (node == nullptr) return false;
  // A group heading names no member: the kind chosen before stays active.
  if (node->subKind == 0) {
    ask_.beep();
    return false;
  }
  s_.Selection[s_.InputCategory] = KindSelection{node->subKind, node->key};
  applySelection();
  return true;
}

void PlanEditor::setQuasiChoice(const QuasiChoice& choice) {
  s_.Quasi = choice;
  applySelection();
}

void PlanEditor::toggleShowAll() {
  s_.ShowAll = !s_.ShowAll;
  redrawAll();
}

void PlanEditor::toggleOtherStoreyWalls() {
  if (!s_.OtherStoreyToggleEnabled) return;
  s_.OtherStoreyWalls = !s_.OtherStoreyWalls;
  view_.showOtherStoreyWalls(s_.Storey == 1 ? 2 : 1, s_.OtherStoreyWalls);
}

void PlanEditor::undo() {
  if (!doc_.canUndo()) return;
  ask_.setBusy(true);
  doc_.undo();
  ask_.setBusy(false);
}

void PlanEditor::redrawAll() {
  view_.fullRedraw();
  view_.updateEccentricityMarks();
}

void PlanEditor::rebuildKindList() {
  kindList_ = MemberKindList(s_.InputCategory, s_.Storey);
  for (const Category c : kCategories) s_.Selection[c] = SelectionAfterRebuild(c, s_.Storey, s_.Selection[c]);
  applySelection();
}

void PlanEditor::applySelection() {
  if (s_.InputCategory != Category::Wall) return;
  const KindNode* node = FindKind(kindList_, s_.Selection[Category::Wall].key);
  if (node == nullptr) return;
  s_.SelectedGroupKey = node->groupKey;
  s_.SelectedMultiplier = LeafMultiplier(node->groupKey, node->subKind);
  if (IsQuasiGroup(node->groupKey) && node->subKind == kEnteredBoard) s_.SelectedMultiplier = s_.Quasi.enteredM0;
}

}  // namespace tvk
