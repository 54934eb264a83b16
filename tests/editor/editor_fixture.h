#pragma once
// A scripted window for the plan editor: pop-up and question answers are queued in
// advance, and everything the editor asks or shows, and every change the document
// reports, is recorded.

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "editor/document.h"
#include "editor/plan_editor.h"
#include "support/document_setup.h"
#include "support/scratch_dir.h"

namespace tvk::test {

class ScriptedHost : public AskUser, public PlanView, public EditorHost, public DocumentView {
 public:
  std::deque<PopupChoice> popupAnswers;
  std::deque<bool> confirmAnswers;

  std::vector<PopupKind> popupsAsked;
  std::vector<std::string> questions;
  std::vector<std::string> messages;
  int beeps = 0;
  std::vector<RubberBand> bandsDrawn;
  std::vector<RubberBand> bandsErased;
  bool cancelEnabled = false;
  std::string labelX = "-";
  std::string labelY = "-";
  std::vector<bool> busy;
  std::vector<double> zooms;
  bool undoEnabled = false;
  // Grid rectangles the document said it takes members off (before) and changed (after).
  std::vector<GridRect> rectsErased;
  std::vector<GridRect> rectsDrawn;
  int fullRedraws = 0;
  std::vector<std::pair<int, bool>> otherStoreyWalls;
  int eccentricityUpdates = 0;
  const Document* document = nullptr;

  // ---- AskUser ----
  PopupChoice askPopup(PopupKind kind, CanvasPos) override {
    popupsAsked.push_back(kind);
    if (popupAnswers.empty()) {
      ADD_FAILURE() << "unexpected pop-up";
      return PopupChoice::Cancel;
    }
    const PopupChoice answer = popupAnswers.front();
    popupAnswers.pop_front();
    return answer;
  }
  bool confirm(const std::string& text) override {
    questions.push_back(text);
    if (confirmAnswers.empty()) {
      ADD_FAILURE() << "unexpected question: " << text;
      return false;
    }
    const bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
  }
  void showMessage(const std::string& text) override { messages.push_back(text); }
  void beep() override { ++beeps; }
  void setBusy(bool on) override { busy.push_back(on); }

  // ---- PlanView ----
  void drawRubberBand(const RubberBand& band) override { bandsDrawn.push_back(band); }
  void eraseRubberBand(const RubberBand& band) override { bandsErased.push_back(band); }
  void fullRedraw() override { ++fullRedraws; }
  void showOtherStoreyWalls(int storey, bool shown) override { otherStoreyWalls.emplace_back(storey, shown); }
  void updateEccentricityMarks() override { ++eccentricityUpdates; }

  // ---- EditorHost ----
  void setCancelEnabled(bool enabled) override { cancelEnabled = enabled; }
  void setPositionLabels(const std::string& x, const std::string& y) override {
    labelX = x;
    labelY = y;
  }
  void setZoom(double factor) override { zooms.push_back(factor); }

  // ---- DocumentView ----
  void documentChanging(const DocumentChange& change) override {
    if (change.scope == DocumentChange::Scope::Area && change.removes) rectsErased.push_back(change.rect);
  }
  void documentChanged(const DocumentChange& change) override {
    if (change.scope == DocumentChange::Scope::Area) rectsDrawn.push_back(change.rect);
    if (change.ShowsOnPlan()) ++eccentricityUpdates;
    undoEnabled = document->canUndo();
  }
};

// A two-storey building of 20 x 20 spans (0.91 m grids, 2 divisions) with line names
// "X1" .. "X21" and "Y1" .. "Y21" in a document, and an editor working on it.
class EditorTest : public ::testing::Test {
 protected:
  EditorTest() : doc(NamedPlan()), plan(doc), editor(doc, host, host, host) {
    host.document = &doc;
    doc.addView(host);
  }
  ~EditorTest() override { doc.removeView(host); }

  static Building NamedPlan() {
    PlanBuilder p(2, 20, 20);
    for (int k = 1; k <= 21; ++k) {
      p.b.Settings.LineNamesX[static_cast<size_t>(k - 1)] = "X" + std::to_string(k);
      p.b.Settings.LineNamesY[static_cast<size_t>(k - 1)] = "Y" + std::to_string(k);
    }
    return p.b;
  }

  const Building& b() const { return doc.building(); }
  const GridPoint& P(int i, int j, int level = 1) const { return doc.building().Point(i, j, level); }
  // Changes the building before the editor works on it.
  void StartFrom(const std::function<void(Building&)>& change) { test::StartFrom(doc, change); }

  CanvasPos At(int i, int j) const {
    const PointCoord& c = b().Coord(i, j, 1);
    return CanvasGeometry::For(b()).ToCanvas(c.x, c.y);
  }
  // Canvas position of fractional grid indices (1 = the first grid line).
  CanvasPos AtIndex(double i, double j) const {
    const double pitch = b().SubPitch();
    return CanvasGeometry::For(b()).ToCanvas((i - 1) * pitch, (j - 1) * pitch);
  }
  void Click(int i, int j, MouseButton button = MouseButton::Left) { editor.press(button, At(i, j)); }
  // Press at the first point, move to the second and press there.
  void Drag(int i1, int j1, int i2, int j2, MouseButton second = MouseButton::Left) {
    Click(i1, j1);
    editor.move(At(i2, j2));
    Click(i2, j2, second);
  }
  // Chooses a category and, when given, a member-kind entry.
  void Use(Category category, const std::string& kindKey = "") {
    editor.chooseCategory(category);
    if (!kindKey.empty()) editor.chooseKind(kindKey);
  }
  // Answers the next pop-up, then drags with the right button at the second point.
  void RightDrag(int i1, int j1, int i2, int j2, PopupChoice answer) {
    host.popupAnswers.push_back(answer);
    Drag(i1, j1, i2, j2, MouseButton::Right);
  }

  Document doc;
  DocumentPlan plan;
  ScriptedHost host;
  PlanEditor editor;
};

}  // namespace tvk::test
