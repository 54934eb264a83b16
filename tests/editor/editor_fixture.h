#pragma once
// A scripted window for the plan editor: pop-up and question answers are queued in
// advance, and everything the editor asks or shows is recorded.

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "editor/plan_editor.h"
#include "support/plan_builder.h"

namespace tvk::test {

class ScriptedHost : public EditorHost {
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
  std::vector<GridRect> rectsErased;
  std::vector<GridRect> rectsDrawn;
  int fullRedraws = 0;
  std::vector<std::pair<int, bool>> otherStoreyWalls;
  int eccentricityUpdates = 0;

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
  void drawRubberBand(const RubberBand& band) override { bandsDrawn.push_back(band); }
  void eraseRubberBand(const RubberBand& band) override { bandsErased.push_back(band); }
  void setCancelEnabled(bool enabled) override { cancelEnabled = enabled; }
  void setPositionLabels(const std::string& x, const std::string& y) override {
    labelX = x;
    labelY = y;
  }
  void setBusy(bool on) override { busy.push_back(on); }
  void setZoom(double factor) override { zooms.push_back(factor); }
  void undoAvailabilityChanged(bool canUndo) override { undoEnabled = canUndo; }
  void eraseRect(const GridRect& rect) override { rectsErased.push_back(rect); }
  void drawRect(const GridRect& rect) override { rectsDrawn.push_back(rect); }
  void fullRedraw() override { ++fullRedraws; }
  void showOtherStoreyWalls(int storey, bool shown) override { otherStoreyWalls.emplace_back(storey, shown); }
  void eccentricityChanged() override { ++eccentricityUpdates; }
};

// A two-storey building of 20 x 20 spans (0.91 m grids, 2 divisions) with line names
// "X1" .. "X21" and "Y1" .. "Y21", and an editor working on it.
class EditorTest : public ::testing::Test {
 protected:
  EditorTest() : plan(2, 20, 20), editor(plan.b, host) {
    for (int k = 1; k <= 21; ++k) {
      plan.b.Settings.LineNamesX[static_cast<size_t>(k - 1)] = "X" + std::to_string(k);
      plan.b.Settings.LineNamesY[static_cast<size_t>(k - 1)] = "Y" + std::to_string(k);
    }
  }

  Building& b() { return plan.b; }
  GridPoint& P(int i, int j, int level = 1) { return plan.b.Point(i, j, level); }

  CanvasPos At(int i, int j) const {
    const PointCoord& c = plan.b.Coord(i, j, 1);
    return CanvasGeometry::For(plan.b).ToCanvas(c.x, c.y);
  }
  // Canvas position of fractional grid indices (1 = the first grid line).
  CanvasPos AtIndex(double i, double j) const {
    const double pitch = plan.b.SubPitch();
    return CanvasGeometry::For(plan.b).ToCanvas((i - 1) * pitch, (j - 1) * pitch);
  }
  void Click(int i, int j, MouseButton button = MouseButton::Left) { editor.press(button, At(i, j)); }
  // Press at the first point, move to the second and press there.
  void Drag(int i1, int j1, int i2, int j2, MouseButton second = MouseButton::Left) {
    Click(i1, j1);
    editor.move(At(i2, j2));
    Click(i2, j2, second);
  }
  // Chooses a category and, when given, a member-kind entry.
  void Use(int category, const std::string& kindKey = "") {
    editor.chooseCategory(category);
    if (!kindKey.empty()) editor.chooseKind(kindKey);
  }
  // Answers the next pop-up, then drags with the right button at the second point.
  void RightDrag(int i1, int j1, int i2, int j2, PopupChoice answer) {
    host.popupAnswers.push_back(answer);
    Drag(i1, j1, i2, j2, MouseButton::Right);
  }

  PlanBuilder plan;
  ScriptedHost host;
  PlanEditor editor;
};

}  // namespace tvk::test
