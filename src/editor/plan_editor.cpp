#include "editor/plan_editor.h"

#include <algorithm>

#include "editor/edit_checks.h"
#include "editor/plan_update.h"
#include "editor/undo.h"
#include "engine/eccentricity.h"
#include "model/building.h"

namespace tvk {

PlanEditor::PlanEditor(Building& building, EditorHost& host) : b_(building), host_(host) {
  for (int c = kCatFloor; c <= kCatBeam; ++c) s_.Selection[static_cast<size_t>(c - 1)] = InitialSelection(c);
  rebuildKindList();
}

bool PlanEditor::canUndo() const { return CanUndo(b_); }

bool PlanEditor::deleteBothLayersEnabled() const { return s_.EditMode != kModePlace && s_.InputCategory == kCatWall; }

// ---- presses ------------------------------------------------------------------

void PlanEditor::press(MouseButton button, CanvasPos at) {
  if (s_.SelectedKind(s_.InputCategory) == 0) {
    host_.beep();
    return;
  }
  const CanvasGeometry geometry = CanvasGeometry::For(b_);
  if (s_.EditMode == kModeGroupDelete) {
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
  const GridPick pick{snap.i, snap.j, snap.pos};
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
  GridRect rect{std::min(s_.Start.i, s_.End.i), std::min(s_.Start.j, s_.End.j), std::max(s_.Start.i, s_.End.i),
                std::max(s_.Start.j, s_.End.j)};
  if (runsAlongLine()) {
    if (s_.DirectionLock == 1) rect.y2 = rect.y1;
    if (s_.DirectionLock == 2) rect.x2 = rect.x1;
  }
  const EditRequest edit = makeRequest(rect);
  if (!passesChecks(edit)) return;
  commit(edit);
}

bool PlanEditor::deletionFromPopup(CanvasPos at) {
  const bool walls = s_.InputCategory == kCatWall;
  const PopupChoice choice = host_.askPopup(walls ? PopupKind::WallLayers : PopupKind::Delete, at);
  host_.setCancelEnabled(false);
  const int layers = LayersOf(choice);
  const bool chosen = walls ? layers != 0 : choice == PopupChoice::Delete;
  if (!chosen) {
    // The cancel entry ends the operation at once.
    s_.PopupCancelled = true;
    s_.PopupCancelled = false;
    return false;
  }
  s_.PopupUsed = true;
  if (s_.EditMode == kModePlace) s_.EditMode = kModeDelete;
  if (walls) s_.PopupLayers = layers;
  return true;
}

void PlanEditor::zoomPopup(CanvasPos at) {
  const PopupChoice choice = host_.askPopup(PopupKind::Zoom, at);
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
    s_.Start = s_.End = GridPick{snap.i, snap.j, at};
    s_.ClickState = 1;
    host_.setCancelEnabled(true);
    return;
  }
  s_.End = GridPick{snap.i, snap.j, at};
  s_.PopupUsed = false;
  const std::optional<GridRect> rect = RectToGrid(b_, CanvasGeometry::For(b_), s_.Start.pos, at);
  if (!rect || (button == MouseButton::Right && !deletionFromPopup(at))) {
    abandon();
    return;
  }
  const EditRequest edit = makeRequest(*rect);
  const bool ok = host_.confirm(GroupDeleteQuestion(b_, *rect, GroupDeleteName(edit.category, edit.layers)));
  abandon();
  if (ok) commit(edit);
}

// ---- the edit ---------------------------------------------------------------

EditRequest PlanEditor::makeRequest(const GridRect& rect) const {
  EditRequest edit;
  edit.category = s_.InputCategory;
  edit.editMode = s_.EditMode;
  edit.storey = s_.Storey;
  edit.rect = rect;
  edit.subKind = s_.SelectedKind(s_.InputCategory);
  edit.groupKey = s_.SelectedGroupKey;
  edit.multiplier = s_.SelectedMultiplier;
  edit.layers = WallLayers(s_.SelectedGroupKey, s_.EditMode, s_.DeleteBothLayers, s_.PopupUsed, s_.PopupLayers);
  const int d = edit.direction();
  edit.slope = WallSlope(s_.SelectedGroupKey, AlongIndex(d, s_.Start.i, s_.Start.j), AlongIndex(d, s_.End.i, s_.End.j));
  edit.autoLink = s_.WallAutoLink;
  return edit;
}

bool PlanEditor::passesChecks(const EditRequest& edit) {
  if (edit.category == kCatWall) {
    if (const auto message = CheckWallOverlap(b_, edit)) {
      host_.showMessage(*message);
      s_.ClickState = 0;
      if (!s_.Toggles.remove && !s_.Toggles.group) s_.EditMode = kModePlace;
      host_.setCancelEnabled(false);
      return false;
    }
  }
  if (edit.editMode == kModePlace) {
    if (const auto message = CheckCrossing(b_, edit)) {
      host_.showMessage(*message);
      s_.ClickState = 0;
      host_.setCancelEnabled(false);
      return false;
    }
  }
  return true;
}

void PlanEditor::commit(const EditRequest& edit) {
  const bool floors = edit.category == kCatFloor;
  if (floors) host_.setBusy(true);
  host_.eraseRect(edit.rect);
  writeEdit(edit);
  redrawRect(edit.rect);
  if (floors) host_.setBusy(false);
  if (edit.category == kCatColumn && edit.editMode == kModePlace && edit.subKind == kColThrough) {
    if (const auto message = ThroughColumnHardwareMessage(b_, edit.rect.x1, edit.rect.y1)) host_.showMessage(*message);
  }
  endOperation();
}

void PlanEditor::writeEdit(const EditRequest& edit) {
  b_.Modified = 1;
  RecordUndo(b_, edit.category, edit.editMode, edit.rect);
  host_.undoAvailabilityChanged(true);
  ApplyEdit(b_, edit);
}

void PlanEditor::redrawRect(const GridRect& rect) {
  host_.drawRect(rect);
  UpdateEccentricity(b_);
  host_.eccentricityChanged();
}

void PlanEditor::endOperation() {
  s_.ClickState = 0;
  host_.setCancelEnabled(false);
  // A deletion started from the pop-up lasts for one operation.
  if (s_.EditMode != kModePlace && !s_.Toggles.remove && !s_.Toggles.group) s_.EditMode = kModePlace;
}

// ---- movement and the rubber band ---------------------------------------------

void PlanEditor::move(CanvasPos at) {
  const CanvasGeometry geometry = CanvasGeometry::For(b_);
  if (s_.EditMode == kModeGroupDelete) {
    showPosition(SnapForGroupDelete(b_, geometry, at));
    if (s_.ClickState == 1) showBand(at);
    return;
  }
  const SnapResult snap = Snap(b_, geometry, at);
  showPosition(snap);
  if (!snap.inside || s_.ClickState == 0 || !twoClick()) return;
  GridPick pick{snap.i, snap.j, snap.pos};
  if (runsAlongLine()) {
    updateLock(pick);
    pick = locked(pick);
  }
  showBand(pick.pos);
}

void PlanEditor::updateLock(const GridPick& at) {
  if (at.i == s_.Start.i) s_.DirectionLock = 2;
  if (at.j == s_.Start.j) s_.DirectionLock = 1;
}

GridPick PlanEditor::locked(GridPick pick) const {
  if (s_.DirectionLock == 1) {
    pick.j = s_.Start.j;
    pick.pos.y = s_.Start.pos.y;
  } else if (s_.DirectionLock == 2) {
    pick.i = s_.Start.i;
    pick.pos.x = s_.Start.pos.x;
  }
  return pick;
}

void PlanEditor::showBand(CanvasPos to) {
  eraseBand();
  const bool rectangle = s_.InputCategory == kCatFloor || s_.EditMode == kModeGroupDelete;
  band_ = RubberBand{s_.Start.pos, to, rectangle ? BandShape::Rectangle : BandShape::Line,
                     s_.EditMode == kModePlace ? kBandPlaceColour : kBandDeleteColour};
  host_.drawRubberBand(*band_);
}

void PlanEditor::eraseBand() {
  if (!band_) return;
  host_.eraseRubberBand(*band_);
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
  host_.setPositionLabels(b_.LineNameX(snap.i), b_.LineNameY(snap.j));
}

// ---- controls -----------------------------------------------------------------

void PlanEditor::pressDeleteToggle(DeleteToggle which, bool down) {
  abandon();
  s_.Toggles = PressDeleteToggle(s_.Toggles, which, down);
  s_.EditMode = EditModeFor(s_.Toggles);
}

void PlanEditor::chooseCategory(int category) {
  abandon();
  s_.InputCategory = category;
  s_.OtherStoreyWalls = false;
  s_.OtherStoreyToggleEnabled = OtherStoreyToggleEnabled(category, b_.Storeys());
  rebuildKindList();
  redrawAll();
}

void PlanEditor::chooseStorey(int storey) {
  s_.Storey = storey;
  if (s_.InputCategory == kCatFloor || s_.InputCategory == kCatColumn) rebuildKindList();
  // The canvas traces the other storey's floor outline.
  b_.UpdateFloorEdges(storey == 1 ? 2 : 1);
  redrawAll();
}

bool PlanEditor::chooseKind(const std::string& listKey) {
  const KindNode* node = FindKind(kindList_, listKey);
  if (node == nullptr) return false;
  // A group heading names no member: the kind chosen before stays active.
  if (node->subKind == 0) {
    host_.beep();
    return false;
  }
  s_.Selection[static_cast<size_t>(s_.InputCategory - 1)] = KindSelection{node->subKind, node->key};
  applySelection();
  return true;
}

void PlanEditor::toggleShowAll() {
  s_.ShowAll = !s_.ShowAll;
  redrawAll();
}

void PlanEditor::toggleOtherStoreyWalls() {
  if (!s_.OtherStoreyToggleEnabled) return;
  s_.OtherStoreyWalls = !s_.OtherStoreyWalls;
  host_.showOtherStoreyWalls(s_.Storey == 1 ? 2 : 1, s_.OtherStoreyWalls);
}

void PlanEditor::undo() {
  if (!canUndo()) return;
  host_.setBusy(true);
  const GridRect rect = UndoRect(b_.Undo);
  if (b_.Undo.editMode == kModePlace) host_.eraseRect(rect);
  RestoreUndo(b_);
  // Taking an edit back is a change too: after a save the plan differs from the file.
  b_.Modified = 1;
  redrawRect(rect);
  ClearUndo(b_);
  host_.undoAvailabilityChanged(false);
  host_.setBusy(false);
}

void PlanEditor::redrawAll() {
  host_.fullRedraw();
  UpdateEccentricity(b_);
  host_.eccentricityChanged();
}

void PlanEditor::rebuildKindList() {
  kindList_ = MemberKindList(s_.InputCategory, s_.Storey);
  for (int c = kCatFloor; c <= kCatBeam; ++c) {
    KindSelection& selection = s_.Selection[static_cast<size_t>(c - 1)];
    selection = SelectionAfterRebuild(c, s_.Storey, selection);
  }
  applySelection();
}

void PlanEditor::applySelection() {
  if (s_.InputCategory != kCatWall) return;
  const KindNode* node = FindKind(kindList_, s_.Selection[kCatWall - 1].key);
  if (node == nullptr) return;
  s_.SelectedGroupKey = node->groupKey;
  s_.SelectedMultiplier = LeafMultiplier(node->groupKey, node->subKind);
}

}  // namespace tvk
