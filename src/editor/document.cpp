#include "editor/document.h"

#include <algorithm>

#include "editor/side_controls.h"
#include "engine/eccentricity.h"
#include "engine/full_calculation.h"
#include "model/profile_store.h"
#include "model/project_file.h"

namespace tvk {

Document::Document(Building building) : building_(std::move(building)) {}

void Document::addView(DocumentView& view) { views_.push_back(&view); }

void Document::removeView(DocumentView& view) { std::erase(views_, &view); }

void Document::changing(const DocumentChange& change) {
  for (DocumentView* view : views_) view->documentChanging(change);
}

// The one place a change is recorded: the building differs from what was calculated and,
// unless it was just read or started, from its file.
void Document::changed(const DocumentChange& change, bool modifies) {
  modified_ = modifies;
  liveFresh_ = false;
  wallChecks_.reset();
  columns_.reset();
  calculated_ = Calculated::No;
  for (DocumentView* view : views_) view->documentChanged(change);
}

void Document::apply(const Command& command) {
  changing(command.change);
  if (command.undo) undo_.Record(building_, *command.undo);
  if (command.clearsUndo) undo_.Clear();
  command.apply(building_);
  changed(command.change, true);
}

void Document::undo() {
  if (!canUndo()) return;
  const UndoInfo info = *undo_.Info();
  // Taking a placement back takes members off the plan; a deletion brings them back.
  const DocumentChange change = DocumentChange::Area(info.storey, info.rect, info.editMode == EditMode::Place);
  changing(change);
  undo_.Restore(building_);
  changed(change, true);
}

void Document::refreshFloorEdges(int level) { building_.UpdateFloorEdges(level); }

void Document::startAfresh(Building building, std::string path) {
  const DocumentChange change = DocumentChange::Everything();
  changing(change);
  building_ = std::move(building);
  path_ = std::move(path);
  undo_.Clear();
  changed(change, false);
}

void Document::replace(Building building) { startAfresh(std::move(building), kNewDataPath); }

FileResult Document::load(const std::string& path) {
  Building loaded;
  FileResult read = LoadProject(loaded, path);
  if (read.ok) startAfresh(std::move(loaded), path);
  return read;
}

FileResult Document::save() {
  if (neverSaved()) return {};
  FileResult written = SaveProject(building_, path_);
  if (written.ok) modified_ = false;
  return written;
}

FileResult Document::saveAs(const std::string& path) {
  FileResult written = SaveProject(building_, path);
  if (written.ok) {
    path_ = path;
    modified_ = false;
  }
  return written;
}

const CalcResults& Document::liveResults() const {
  if (!liveFresh_) {
    UpdateEccentricity(building_, results_);
    liveFresh_ = true;
  }
  return results_;
}

const StoreyBalance& Document::balance(int storey) const { return liveResults().Storey(storey).balance; }

const ProfileChecks& Document::wallChecks() const {
  if (!wallChecks_) wallChecks_ = RunWallChecks(building_, ReadProfile(building_), liveResults());
  return *wallChecks_;
}

std::optional<LiveChecks> Document::liveChecks(int storey) const { return LiveChecksOf(wallChecks(), storey); }

const LiveColumns& Document::liveColumns(int storey) const {
  if (!columns_ || columns_->storey != storey) columns_ = RunLiveColumns(building_, wallChecks(), storey);
  return *columns_;
}

const CalcResults& Document::results(HardwareFill fill) {
  const bool fillHardware = fill == HardwareFill::AsTheProjectSays;
  // Grades and N values do not depend on the hardware: a calculation that filled it
  // serves a view that wants none filled.
  if (calculated_ == Calculated::Fully || (calculated_ == Calculated::WithoutHardware && !fillHardware)) {
    return results_;
  }
  RunFullCalculation(building_, results_, !fillHardware);
  liveFresh_ = true;
  calculated_ = fillHardware ? Calculated::Fully : Calculated::WithoutHardware;
  return results_;
}

}  // namespace tvk
