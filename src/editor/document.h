#pragma once
// The open document: the building, the results of its calculation, the file state (path,
// modified) and the undo of the last plan edit. Every change of the building goes through
// it as a command: the document records the undo, applies the command, marks the building
// modified and its results stale, and tells every view what changed. Starting a new
// building, loading and saving go through it too.
//
// Results. The live results (the storey eccentricity, the 2025 checks the plan shows while
// it is edited) are recomputed once per change, when a view first asks for them. The full
// N-value calculation runs once per change when a view asks for it; it writes into the
// building the derived values the file keeps (beam run codes, exterior-corner flags,
// required grades, automatically placed hardware), which does not count as a change.

#include <string>
#include <vector>

#include "editor/command.h"
#include "editor/live_checks.h"
#include "editor/undo.h"
#include "engine/calc_results.h"
#include "model/building.h"
#include "model/file_result.h"
#include "model/project_file.h"

namespace tvk {

// Told of every change of the document. A view outlives its registration or removes it.
class DocumentView {
 public:
  virtual ~DocumentView() = default;
  // Before the change is applied: the building is still as it was.
  virtual void documentChanging(const DocumentChange&) {}
  virtual void documentChanged(const DocumentChange& change) = 0;
};

// The full calculation with or without filling empty placed-hardware fields.
enum class HardwareFill {
  AsTheProjectSays,  // the project's option AutoHardwareOnReport
  Never,             // the hardware dialog and "calc --no-auto"
};

class Document {
 public:
  Document() = default;
  // A building never saved.
  explicit Document(Building building);
  // The views registered hold the document's address.
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;
  Document(Document&&) = default;

  const Building& building() const { return building_; }
  const std::string& path() const { return path_; }
  bool neverSaved() const { return path_ == kNewDataPath; }
  bool modified() const { return modified_; }
  bool canUndo() const { return undo_.CanRestore(building_); }
  const std::optional<UndoInfo>& undoInfo() const { return undo_.Info(); }

  void addView(DocumentView& view);
  void removeView(DocumentView& view);

  // ---- changes --------------------------------------------------------------------
  void apply(const Command& command);
  // Takes the last plan edit back (a change too: the plan then differs from the file).
  void undo();
  // The derived floor outlines of a level (the canvas traces the other storey's floor);
  // not a change.
  void refreshFloorEdges(int level);

  // ---- files ----------------------------------------------------------------------
  // Another building, never saved: not modified, nothing to undo.
  void replace(Building building);
  // Reads the file; on success it becomes the document (not modified, nothing to undo),
  // on failure nothing changes.
  FileResult load(const std::string& path);
  // Writes the building under its path (nothing for a document never saved); modified is
  // cleared only when the file is complete.
  FileResult save();
  // Writes under another path, which becomes the document's on success.
  FileResult saveAs(const std::string& path);

  // ---- results --------------------------------------------------------------------
  // The eccentricity record of a storey (1 .. Storeys()).
  const StoreyBalance& balance(int storey) const;
  // The 2025 checks of the walls of a storey, as the plan shows them live: its wall quantity,
  // quarter strips and the partly sheathed walls; nullopt without such a storey. The checks of the walls run once per
  // change, when a view first asks.
  std::optional<LiveChecks> liveChecks(int storey) const;
  // The column size of a storey with where its columns' areas lie, for the plan's overlay:
  // once per change and storey, when first asked (the areas cost many times the walls).
  const LiveColumns& liveColumns(int storey) const;
  // Every result of the full calculation.
  const CalcResults& results(HardwareFill fill = HardwareFill::AsTheProjectSays);

 private:
  enum class Calculated { No, WithoutHardware, Fully };
  void changing(const DocumentChange& change);
  void changed(const DocumentChange& change, bool modifies);
  void startAfresh(Building building, std::string path);
  // The storey eccentricity of the building as it is.
  const CalcResults& liveResults() const;
  const ProfileChecks& wallChecks() const;

  Building building_;
  std::string path_ = kNewDataPath;
  bool modified_ = false;
  UndoRecord undo_;
  mutable CalcResults results_;
  mutable bool liveFresh_ = false;
  mutable std::optional<ProfileChecks> wallChecks_;
  mutable std::optional<LiveColumns> columns_;
  Calculated calculated_ = Calculated::No;
  std::vector<DocumentView*> views_;
};

}  // namespace tvk
