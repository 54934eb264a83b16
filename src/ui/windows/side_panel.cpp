#include "ui/windows/side_panel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "editor/commands.h"
#include "editor/main_window_texts.h"
#include "editor/plan_editor.h"
#include "editor/user_prompts.h"
#include "editor/view_state.h"
#include "editor/wall_quantity_readout.h"
#include "model/profile_store.h"
#include "ui/canvas/plan_canvas.h"
#include "ui/common/message_box.h"
#include "ui/common/widget_helpers.h"
#include "ui/dialogs/multiplier_box.h"
#include "ui/windows/check_overlay_options.h"
#include "ui/windows/eccentricity_panel.h"
#include "ui/windows/kind_tree.h"
#include "ui/windows/quasi_box.h"
#include "ui/windows/wall_quantity_panel.h"

namespace tvk {

namespace {

QCheckBox* HandCheck(const QString& caption) {
  auto* box = new QCheckBox(caption);
  box->setCursor(Qt::PointingHandCursor);
  return box;
}

// An option of the window stored into the project; a changed value is an unsaved change.
template <typename T>
void StoreOption(Document& document, T CalcSettings::*field, T value) {
  if (document.building().Settings.*field == value) return;
  CalcSettings settings = document.building().Settings;
  settings.*field = value;
  document.apply(SettingsCommand(settings));
}

constexpr int kSidePanelWidth = 300;

// The controls scroll vertically on a low screen and are always as wide as the widest of
// them in the fonts the screen ends up with.
class SideArea : public QScrollArea {
 public:
  explicit SideArea(QWidget* panel) {
    setWidget(panel);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
  }
  QSize minimumSizeHint() const override {
    const int width = std::max(kSidePanelWidth, widget()->minimumSizeHint().width());
    return {width + verticalScrollBar()->sizeHint().width(), 100};
  }
  QSize sizeHint() const override { return minimumSizeHint(); }
};

}  // namespace

SidePanel::SidePanel(Document& document, PlanCanvas& canvas, UserPrompts& prompts, QWidget* parent)
    : QWidget(parent), doc_(document), canvas_(canvas), prompts_(prompts) {
  auto* controls = new QWidget;
  auto* column = new QVBoxLayout(controls);
  column->setContentsMargins(2, 2, 2, 2);
  column->setSpacing(6);
  column->addWidget(buildCategoryControls());
  column->addWidget(buildKindControls(), 1);
  column->addWidget(buildDeleteControls());
  column->addWidget(buildOptionControls());

  // The read-outs follow every edit, so they stay in sight below the controls even when a
  // low screen makes them scroll.
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
  auto* side = new QVBoxLayout(this);
  side->setContentsMargins(0, 0, 0, 0);
  side->setSpacing(4);
  side->addWidget(new SideArea(controls), 1);
  readOuts_ = new QVBoxLayout;
  readOuts_->setSpacing(4);
  eccentricity_ = new EccentricityPanel;
  connect(eccentricity_, &EccentricityPanel::helpRequested, this, &SidePanel::showEccentricityHelp);
  readOuts_->addWidget(eccentricity_);
  wallQuantity_ = new WallQuantityPanel;
  readOuts_->addWidget(wallQuantity_);
  side->addLayout(readOuts_);

  // Ctrl+wheel zoomed the canvas itself: the list only shows the factor.
  connect(&canvas_, &PlanCanvas::zoomChanged, this, [this](double factor) {
    const QSignalBlocker quiet(zoom_);
    setZoom(factor);
  });
}

SidePanel::~SidePanel() { doc_.removeView(*this); }

void SidePanel::attach(PlanEditor& editor) {
  editor_ = &editor;
  doc_.addView(*this);
  buildingReplaced();
  refreshWallQuantity();  // the eccentricity panel starts empty until the first edit
}

QWidget* SidePanel::buildCategoryControls() {
  auto* box = new QWidget;
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(3);
  categories_ = new QButtonGroup(this);
  const char* const captions[] = {"床", "耐力壁", "柱", "梁"};
  for (const Category category : kCategories) {
    const int k = static_cast<int>(category) - 1;
    QPushButton* button = HandButton(captions[k], true);
    categories_->addButton(button, static_cast<int>(category));
    grid->addWidget(button, 0, k);
  }
  categories_->button(static_cast<int>(Category::Floor))->setChecked(true);
  connect(categories_, &QButtonGroup::idClicked, this, [this](int id) { chooseCategory(static_cast<Category>(id)); });

  storeys_ = new QButtonGroup(this);
  for (int storey = 2; storey >= 1; --storey) {
    QPushButton* button = HandButton("", true);
    button->setMinimumHeight(28);
    storeyButtons_[static_cast<size_t>(storey - 1)] = button;
    storeys_->addButton(button, storey);
    grid->addWidget(button, 3 - storey, 0, 1, 3);
  }
  storeyButtons_[0]->setChecked(true);
  connect(storeys_, &QButtonGroup::idClicked, this, &SidePanel::chooseStorey);
  storeyLabel_ = new QLabel;
  storeyLabel_->setAlignment(Qt::AlignCenter);
  storeyLabel_->setStyleSheet("font-size: 16px; font-weight: bold;");
  grid->addWidget(storeyLabel_, 1, 3, 2, 1);

  otherWalls_ = HandButton("", true);
  connect(otherWalls_, &QPushButton::clicked, this, [this] {
    editor_->toggleOtherStoreyWalls();
    stateMoved();
  });
  grid->addWidget(otherWalls_, 3, 0, 1, 4);
  return box;
}

QWidget* SidePanel::buildKindControls() {
  auto* box = new QWidget;
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  kindTree_ = new KindTree;
  kindTree_->setMinimumHeight(150);
  // Beams have no list: the room it leaves stays empty, so the controls below keep their
  // place under the pointer.
  QSizePolicy keepRoom = kindTree_->sizePolicy();
  keepRoom.setRetainSizeWhenHidden(true);
  kindTree_->setSizePolicy(keepRoom);
  connect(kindTree_, &KindTree::kindChosen, this, &SidePanel::kindChosen);
  connect(kindTree_, &KindTree::headingPressed, this, &SidePanel::kindChosen);
  column->addWidget(kindTree_, 1);
  quasiBox_ = new QuasiBox;
  connect(quasiBox_, &QuasiBox::choiceChanged, this, [this](const QuasiChoice& choice) {
    editor_->setQuasiChoice(choice);
    stateMoved();
  });
  column->addWidget(quasiBox_);

  auto* zoomRow = new QHBoxLayout;
  zoom_ = new QComboBox;
  zoom_->setCursor(Qt::PointingHandCursor);
  for (const ZoomLevel& level : kZoomLevels) zoom_->addItem(level.text);
  connect(zoom_, &QComboBox::currentIndexChanged, this, &SidePanel::zoomChosen);
  QPushButton* redraw = HandButton("再描画");
  connect(redraw, &QPushButton::clicked, this, [this] { editor_->redrawAll(); });
  zoomRow->addWidget(zoom_, 1);
  zoomRow->addWidget(redraw);
  column->addLayout(zoomRow);

  auto* position = new QHBoxLayout;
  for (size_t k = 0; k < 2; ++k) {
    positionLabels_[k] = new QLabel;
    positionLabels_[k]->setObjectName(k == 0 ? "PositionX" : "PositionY");
    positionLabels_[k]->setFrameShape(QFrame::Panel);
    positionLabels_[k]->setFrameShadow(QFrame::Sunken);
    positionLabels_[k]->setAlignment(Qt::AlignCenter);
    positionLabels_[k]->setMinimumHeight(22);
    positionLabels_[k]->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    position->addWidget(positionLabels_[k]);
  }
  column->addLayout(position);
  return box;
}

QWidget* SidePanel::buildDeleteControls() {
  auto* box = new QWidget;
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(3);
  deleteButton_ = HandButton("削    除", true);
  groupDeleteButton_ = HandButton("グループ削除", true);
  cancel_ = HandButton("ｷｬﾝｾﾙ");
  cancel_->setEnabled(false);
  connect(deleteButton_, &QPushButton::clicked, this,
          [this](bool down) { deleteTogglePressed(DeleteToggle::Delete, down); });
  connect(groupDeleteButton_, &QPushButton::clicked, this,
          [this](bool down) { deleteTogglePressed(DeleteToggle::GroupDelete, down); });
  connect(cancel_, &QPushButton::clicked, this, [this] {
    editor_->cancel();
    stateMoved();
  });
  grid->addWidget(deleteButton_, 0, 0);
  grid->addWidget(groupDeleteButton_, 0, 1);
  grid->addWidget(cancel_, 0, 2);
  deleteBoth_ = HandCheck("筋かい・面材を同時に削除");
  connect(deleteBoth_, &QCheckBox::toggled, this, [this](bool on) { editor_->setDeleteBothLayers(on); });
  autoLink_ = HandCheck("耐力壁と柱･梁配置の連動");
  autoLink_->setChecked(true);
  connect(autoLink_, &QCheckBox::toggled, this, [this](bool on) { editor_->setWallAutoLink(on); });
  grid->addWidget(deleteBoth_, 1, 0, 1, 3);
  grid->addWidget(autoLink_, 2, 0, 1, 3);
  return box;
}

QWidget* SidePanel::buildOptionControls() {
  auto* box = new QGroupBox;
  auto* grid = new QGridLayout(box);
  grid->setSpacing(3);
  QPushButton* clear = HandButton("配置金物の初期化");
  connect(clear, &QPushButton::clicked, this, &SidePanel::clearHardware);
  grid->addWidget(clear, 0, 0, 1, 3);
  match_ = HandCheck(kMatchCaption);
  match_->setToolTip(kMatchTip);
  connect(match_, &QCheckBox::toggled, this, &SidePanel::matchToggled);
  grid->addWidget(match_, 1, 0, 1, 3);
  auto* hint = new QLabel(kMatchHint);
  hint->setWordWrap(true);
  hint->setStyleSheet("color: #804000;");
  grid->addWidget(hint, 2, 0, 1, 3);

  maxMultiplier_ = new MultiplierBox;
  connect(maxMultiplier_, &MultiplierBox::valueEdited, this,
          [this](float value) { StoreOption(doc_, &CalcSettings::MaxWallMultiplier, value); });
  grid->addWidget(new QLabel("壁倍率の最大値"), 3, 0);
  grid->addWidget(maxMultiplier_, 3, 1);
  sheathingAdjust_ = new MultiplierBox;
  connect(sheathingAdjust_, &MultiplierBox::valueEdited, this,
          [this](float value) { StoreOption(doc_, &CalcSettings::SheathingAdjust, value); });
  QPushButton* reset = HandButton("ｸﾘｱｰ");
  reset->setToolTip("面材調整壁倍率を 0.0 に戻します");
  connect(reset, &QPushButton::clicked, this, [this] { sheathingAdjust_->edit()->setText(kMultiplierBoxReset); });
  grid->addWidget(new QLabel("面材調整壁倍率"), 4, 0);
  grid->addWidget(sheathingAdjust_, 4, 1);
  grid->addWidget(reset, 4, 2);

  planMarks_ = new QVBoxLayout;
  planMarks_->setSpacing(3);
  QCheckBox* hideCentres = HandCheck("重心・剛心を伏図表示しない");
  connect(hideCentres, &QCheckBox::toggled, this, [this](bool hide) { canvas_.setHideCentres(hide); });
  planMarks_->addWidget(hideCentres);
  overlayOptions_ = new CheckOverlayOptions(canvas_);
  planMarks_->addWidget(overlayOptions_);
  grid->addLayout(planMarks_, 5, 0, 1, 3);
  return box;
}

// ---- keeping the controls in step ----------------------------------------------------

void SidePanel::documentChanged(const DocumentChange& change) {
  if (change.scope == DocumentChange::Scope::Everything) buildingReplaced();
  if (change.ShowsOnPlan()) {
    refreshReadOuts();
  } else {
    refreshWallQuantity();  // the building profile may have changed
    showQuasiChoice();
  }
}

void SidePanel::buildingReplaced() {
  const Building& b = doc_.building();
  editor_->gridChanged();
  showOptionValues();
  storeyButtons_[1]->setEnabled(b.Storeys() == 2);
  if (editor_->state().Storey > b.Storeys()) editor_->chooseStorey(1);
  refreshKindTree();
  stateMoved();
}

void SidePanel::refresh() {
  const EditorState& s = editor_->state();
  const StoreyButtonLabels labels = StoreyButtons(s.InputCategory, doc_.building().Storeys());
  storeyButtons_[1]->setText(Q(labels.storey2));
  storeyButtons_[0]->setText(Q(labels.storey1));
  categories_->button(static_cast<int>(s.InputCategory))->setChecked(true);
  storeys_->button(s.Storey)->setChecked(true);
  storeyLabel_->setText(Q(StoreyLabel(s.Storey)));
  otherWalls_->setEnabled(s.OtherStoreyToggleEnabled);
  otherWalls_->setChecked(s.OtherStoreyWalls);
  otherWalls_->setText(Q(OtherStoreyToggleCaption(s.Storey, s.OtherStoreyWalls)));
  kindTree_->setVisible(editor_->kindListVisible());
  showQuasiChoice();
  deleteButton_->setChecked(s.Toggles.remove);
  groupDeleteButton_->setChecked(s.Toggles.group);
  deleteBoth_->setEnabled(editor_->deleteBothLayersEnabled());
  cancel_->setEnabled(s.ClickState == 1);
}

void SidePanel::stateMoved() {
  refresh();
  emit editorStateChanged();
}

void SidePanel::refreshKindTree() {
  const EditorState& s = editor_->state();
  kindTree_->showKinds(editor_->kindList(), s.Selection[s.InputCategory].key);
}

void SidePanel::showQuasiChoice() {
  const EditorState& s = editor_->state();
  const std::string group = s.InputCategory == Category::Wall ? s.SelectedGroupKey : "";
  const auto& clear = ReadProfile(doc_.building()).clearHeight;
  quasiBox_->showChoice(group, s.SelectedKind(Category::Wall), s.Quasi, Nth(clear, s.Storey));
}

void SidePanel::refreshReadOuts() {
  eccentricity_->showBalance(doc_.balance(editor_->state().Storey));
  refreshWallQuantity();
}

void SidePanel::refreshWallQuantity() {
  const std::optional<LiveChecks> live = doc_.liveChecks(editor_->state().Storey);
  if (live) {
    wallQuantity_->showReadout(FormatWallQuantity(live->wallQuantity));
  } else {
    wallQuantity_->clearValues();
  }
}

void SidePanel::showOptionValues() {
  const CalcSettings& s = doc_.building().Settings;
  const QSignalBlocker quiet(match_);
  match_->setChecked(s.Match1FTo2F != 0);
  maxMultiplier_->showValue(s.MaxWallMultiplier);
  sheathingAdjust_->showValue(s.SheathingAdjust);
}

// ---- EditorHost ----------------------------------------------------------------------

void SidePanel::setCancelEnabled(bool enabled) { cancel_->setEnabled(enabled); }

void SidePanel::setPositionLabels(const std::string& x, const std::string& y) {
  positionLabels_[0]->setText(Q(x));
  positionLabels_[1]->setText(Q(y));
}

void SidePanel::setZoom(double factor) {
  for (size_t k = 0; k < kZoomLevels.size(); ++k) {
    if (kZoomLevels[k].factor == factor) zoom_->setCurrentIndex(static_cast<int>(k));
  }
}

// ---- commands of the controls ---------------------------------------------------------

void SidePanel::chooseCategory(Category category) {
  editor_->chooseCategory(category);
  refreshKindTree();
  stateMoved();
}

void SidePanel::chooseStorey(int storey) {
  editor_->chooseStorey(storey);
  refreshKindTree();
  stateMoved();
  refreshReadOuts();
}

// A heading is refused by the editor (it beeps) and the highlight stays where it was.
void SidePanel::kindChosen(const std::string& key) {
  editor_->chooseKind(key);
  stateMoved();
}

void SidePanel::zoomChosen(int index) {
  canvas_.setZoom(kZoomLevels[static_cast<size_t>(index)].factor);
  kindTree_->setFocus();
}

void SidePanel::deleteTogglePressed(DeleteToggle which, bool down) {
  editor_->pressDeleteToggle(which, down);
  canvas_.deleteModeChanged();
  stateMoved();
}

void SidePanel::clearHardware() {
  if (!prompts_.askOkCancelDefaultCancel(kClearHardwareQuestion)) return;
  doc_.apply(ClearHardwareCommand());
}

void SidePanel::matchToggled(bool on) {
  if (!on && doc_.building().Settings.Match1FTo2F != 0) prompts_.tell(kMatchOffMessage);
  StoreOption(doc_, &CalcSettings::Match1FTo2F, on ? 1 : 0);
}

void SidePanel::showEccentricityHelp() { ShowMessageBox(this, kEccentricityHelp, MessageButtons::Ok, "ヘルプ"); }

}  // namespace tvk
