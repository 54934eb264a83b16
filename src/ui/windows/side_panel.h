#pragma once
// The controls beside the plan: category and storey buttons, the member-kind list, zoom and
// the position read-out, the delete toggles, the option boxes and, always in sight below
// them, the live read-outs (the eccentricity panel, the wall quantities). The controls drive the plan editor,
// whose host the panel is (EditorHost); options go into the document as commands; as a view
// of the document the panel follows another building and every change of the plan. The
// main window hears of a changed editor state through editorStateChanged.

#include <QWidget>
#include <array>
#include <string>

#include "editor/document.h"
#include "editor/editor_host.h"
#include "editor/side_controls.h"
#include "model/grid_types.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace tvk {

class CheckOverlayOptions;
class EccentricityPanel;
class KindTree;
class MultiplierBox;
class PlanCanvas;
class PlanEditor;
class QuasiBox;
class UserPrompts;
class WallQuantityPanel;

class SidePanel : public QWidget, public EditorHost, public DocumentView {
  Q_OBJECT

 public:
  SidePanel(Document& document, PlanCanvas& canvas, UserPrompts& prompts, QWidget* parent = nullptr);
  ~SidePanel() override;

  // The editor the controls drive. It is made with the panel as its host, so it comes
  // after the panel; from here on the panel follows the document and shows the editor's
  // state.
  void attach(PlanEditor& editor);

  // Shows the editor's state: category, storey, other storey's walls, kind list, delete
  // toggles, "ｷｬﾝｾﾙ".
  void refresh();

  KindTree* kindTree() const { return kindTree_; }
  QuasiBox* quasiBox() const { return quasiBox_; }
  QPushButton* cancelButton() const { return cancel_; }
  EccentricityPanel* eccentricityPanel() const { return eccentricity_; }
  WallQuantityPanel* wallQuantityPanel() const { return wallQuantity_; }
  CheckOverlayOptions* overlayOptions() const { return overlayOptions_; }

  // ---- EditorHost ---------------------------------------------------------------------
  void setCancelEnabled(bool enabled) override;
  void setPositionLabels(const std::string& x, const std::string& y) override;
  void setZoom(double factor) override;

  // ---- DocumentView -------------------------------------------------------------------
  void documentChanged(const DocumentChange& change) override;

 signals:
  // The editor's state moved by a control or by another building (category, storey,
  // kind, delete mode, a pending edit given up).
  void editorStateChanged();

 private:
  QWidget* buildCategoryControls();
  QWidget* buildKindControls();
  QWidget* buildDeleteControls();
  QWidget* buildOptionControls();

  // Another building or another grid: the editor forgets a pending edit, storey 2 goes
  // with a one-storey building, the kind list and the options are the new building's.
  void buildingReplaced();
  void refreshKindTree();
  void showQuasiChoice();
  // The eccentricity and the wall quantities of the storey shown.
  void refreshReadOuts();
  void refreshWallQuantity();
  void showOptionValues();
  // A control moved the editor's state.
  void stateMoved();

  void chooseCategory(Category category);
  void chooseStorey(int storey);
  void kindChosen(const std::string& key);
  void zoomChosen(int index);
  void deleteTogglePressed(DeleteToggle which, bool down);
  void clearHardware();
  void matchToggled(bool on);
  void showEccentricityHelp();

  Document& doc_;
  PlanCanvas& canvas_;
  UserPrompts& prompts_;
  PlanEditor* editor_ = nullptr;

  QButtonGroup* categories_ = nullptr;
  QButtonGroup* storeys_ = nullptr;
  std::array<QPushButton*, 2> storeyButtons_{};  // [storey-1]
  QLabel* storeyLabel_ = nullptr;
  QPushButton* otherWalls_ = nullptr;
  KindTree* kindTree_ = nullptr;
  QuasiBox* quasiBox_ = nullptr;
  QComboBox* zoom_ = nullptr;
  std::array<QLabel*, 2> positionLabels_{};
  QPushButton* deleteButton_ = nullptr;
  QPushButton* groupDeleteButton_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QCheckBox* deleteBoth_ = nullptr;
  QCheckBox* autoLink_ = nullptr;
  QCheckBox* match_ = nullptr;
  MultiplierBox* maxMultiplier_ = nullptr;
  MultiplierBox* sheathingAdjust_ = nullptr;
  // Check boxes of what the plan shows besides its members: "重心・剛心を伏図表示しない" and
  // the overlays of the checks.
  QVBoxLayout* planMarks_ = nullptr;
  // Read-outs that follow every edit, kept in sight below the scrolling controls: the
  // eccentricity panel and the wall-quantity read-out.
  QVBoxLayout* readOuts_ = nullptr;
  EccentricityPanel* eccentricity_ = nullptr;
  WallQuantityPanel* wallQuantity_ = nullptr;
  // The check boxes of the plan's overlays (quarter strips, tributary areas).
  CheckOverlayOptions* overlayOptions_ = nullptr;
};

}  // namespace tvk
