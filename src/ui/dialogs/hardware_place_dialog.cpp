#include "ui/dialogs/hardware_place_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "editor/commands.h"
#include "editor/document.h"
#include "report/surface/report_fonts.h"
#include "ui/common/widget_helpers.h"

namespace tvk {

namespace {

// The lists line their fields up in a fixed-pitch face in which full-width characters are
// twice as wide as half-width ones. That holds on screen only at an even pixel size: at
// 10 pt (13.3 px) a full-width glyph rounds to 13 px and a half-width one to 7, and the
// fields after a few kana drift out of line with the header.
QFont ListFont() {
  RegisterReportFonts();
  QFont font(ReportFamily(QStringLiteral("ＭＳ ゴシック")));
  font.setStyleHint(QFont::Monospace);
  font.setPixelSize(14);
  return font;
}

QComboBox* MakeSelector(QWidget* parent) {
  auto* box = new QComboBox(parent);
  for (const std::string& choice : HardwareChoices()) box->addItem(Q(choice));
  return box;
}

}  // namespace

HardwarePlaceDialog::HardwarePlaceDialog(Document& document, QWidget* parent, WindowPrompts* prompts)
    : QDialog(parent),
      doc_(document),
      building_(document.building()),
      prompts_(this, prompts),
      copy_(building_),
      autoPlacement_(
          new QCheckBox(QStringLiteral("配置金物が空欄の場合、計算書の配置金物欄に必要金物を表示する。"), this)),
      doublePull_(new QCheckBox(QStringLiteral("両引き金物使用 (耐力の大きいHD金物に揃える)"), this)),
      refresh_(new QPushButton(QStringLiteral("リスト更新"), this)) {
  // The required grades the lists show.
  doc_.results(HardwareFill::Never);
  setWindowTitle(QStringLiteral("配置金物セット   ") + Q(building_.Info.BuildingName));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QString::fromUtf8(kPlacementPrompt), this));
  auto* panels = new QHBoxLayout;
  panels->addWidget(makePanel(2));
  panels->addWidget(makePanel(1));
  layout->addLayout(panels, 1);

  auto* frame = new QGroupBox(QStringLiteral("金物自動配置"), this);
  auto* frameLayout = new QVBoxLayout(frame);
  autoPlacement_->setToolTip(QStringLiteral("金物未配置時にのみ有効です"));
  autoPlacement_->setChecked(building_.Settings.AutoHardwareOnReport == 1);
  doublePull_->setChecked(building_.Settings.DoublePullHD == 1);
  frameLayout->addWidget(autoPlacement_);
  frameLayout->addWidget(new QLabel(QStringLiteral("配置金物の1階柱頭・２階柱脚が共にHD金物の場合"), frame));
  auto* indented = new QHBoxLayout;
  indented->addSpacing(20);
  indented->addWidget(doublePull_);
  frameLayout->addLayout(indented);
  layout->addWidget(frame);

  auto* buttons = new QHBoxLayout;
  auto* ok = new QPushButton(QStringLiteral("O K"), this);
  auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
  ok->setDefault(true);
  refresh_->setEnabled(false);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(refresh_);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &HardwarePlaceDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &HardwarePlaceDialog::reject);
  connect(refresh_, &QPushButton::clicked, this, &HardwarePlaceDialog::refreshList);
  // A changed option shows its effect through "リスト更新".
  connect(doublePull_, &QCheckBox::toggled, this, [this] { refresh_->setEnabled(true); });
  fillList(2);
  fillList(1);
}

HardwarePlaceDialog::~HardwarePlaceDialog() = default;

QWidget* HardwarePlaceDialog::makePanel(int storey) {
  StoreyPanel& panel = panels_[size_t(storey - 1)];
  panel.box = new QGroupBox(storey == 2 ? QStringLiteral(" ２ 階 ") : QStringLiteral(" １ 階 "), this);
  auto* layout = new QVBoxLayout(panel.box);
  const QFont font = ListFont();
  auto* header =
      new QLabel(Q(PlacementListHeader(building_)[0]) + "\n" + Q(PlacementListHeader(building_)[1]), panel.box);
  header->setFont(font);
  header->setTextFormat(Qt::PlainText);
  layout->addWidget(header);
  panel.list = new QListWidget(panel.box);
  panel.list->setFont(font);
  panel.list->setUniformItemSizes(true);
  const int rowWidth = QFontMetrics(font).horizontalAdvance(header->text().section('\n', 1)) + 8;
  panel.list->setMinimumWidth(rowWidth + panel.list->verticalScrollBar()->sizeHint().width() + 8);
  panel.list->setMinimumHeight(380);
  layout->addWidget(panel.list, 1);
  auto* selectors = new QHBoxLayout;
  panel.top = MakeSelector(panel.box);
  panel.bottom = MakeSelector(panel.box);
  selectors->addWidget(new QLabel(QStringLiteral("柱頭"), panel.box));
  selectors->addWidget(panel.top);
  selectors->addWidget(new QLabel(QStringLiteral("柱脚"), panel.box));
  selectors->addWidget(panel.bottom);
  selectors->addStretch();
  panel.clear =
      new QPushButton(storey == 2 ? QStringLiteral("2F 配置金物ｸﾘｱ") : QStringLiteral("1F 配置金物ｸﾘｱ"), panel.box);
  selectors->addWidget(panel.clear);
  layout->addLayout(selectors);
  connect(panel.list, &QListWidget::currentRowChanged, this, [this, storey] { loadSelectors(storey); });
  connect(panel.top, &QComboBox::activated, this, [this, storey](int index) { choose(storey, true, index); });
  connect(panel.bottom, &QComboBox::activated, this, [this, storey](int index) { choose(storey, false, index); });
  connect(panel.clear, &QPushButton::clicked, this, [this, storey] { clearStorey(storey); });
  return panel.box;
}

void HardwarePlaceDialog::fillList(int storey) {
  StoreyPanel& panel = panels_[size_t(storey - 1)];
  const int keep = std::max(panel.list->currentRow(), 0);
  const QSignalBlocker block(panel.list);
  panel.list->clear();
  for (const std::string& row : copy_.rowTexts(building_, storey)) panel.list->addItem(Q(row));
  const bool hasColumns = !copy_.columns(storey).empty();
  for (QWidget* w : {static_cast<QWidget*>(panel.list), static_cast<QWidget*>(panel.top),
                     static_cast<QWidget*>(panel.bottom), static_cast<QWidget*>(panel.clear)}) {
    w->setEnabled(hasColumns);
  }
  if (hasColumns) panel.list->setCurrentRow(std::min(keep, panel.list->count() - 1));
  loadSelectors(storey);
}

PlacedColumn* HardwarePlaceDialog::selectedColumn(int storey) {
  const int row = panels_[size_t(storey - 1)].list->currentRow();
  std::vector<PlacedColumn>& columns = copy_.columns(storey);
  return row >= 0 && row < int(columns.size()) ? &columns[size_t(row)] : nullptr;
}

void HardwarePlaceDialog::loadSelectors(int storey) {
  StoreyPanel& panel = panels_[size_t(storey - 1)];
  const PlacedColumn* column = selectedColumn(storey);
  panel.top->setCurrentIndex(column != nullptr ? ChoiceIndex(column->top) : 0);
  panel.bottom->setCurrentIndex(column != nullptr ? ChoiceIndex(column->bottom) : 0);
}

void HardwarePlaceDialog::selectRow(int storey, int row) { panels_[size_t(storey - 1)].list->setCurrentRow(row); }

void HardwarePlaceDialog::choose(int storey, bool top, int index) {
  PlacedColumn* column = selectedColumn(storey);
  if (column == nullptr) return;
  const std::string text = ChoiceText(index);
  const char* question = ThroughColumnQuestion(building_, storey, *column, top, text);
  if (question != nullptr && !prompts_->askOkCancel(question)) {
    loadSelectors(storey);  // back to the choice before
    return;
  }
  std::string& field = top ? column->top : column->bottom;
  if (field == text) return;
  field = text;
  QListWidget* list = panels_[size_t(storey - 1)].list;
  list->item(list->currentRow())->setText(Q(PlacementRowText(building_, storey, *column)));
  loadSelectors(storey);
  markModified();
}

void HardwarePlaceDialog::clearStorey(int storey) {
  if (!prompts_->askOkCancelDefaultCancel(ClearStoreyQuestion(storey))) return;
  copy_.clearStorey(storey);
  fillList(storey);
  markModified();
}

void HardwarePlaceDialog::markModified() {
  modified_ = true;
  refresh_->setEnabled(true);
}

void HardwarePlaceDialog::storeOptions() {
  CalcSettings settings = building_.Settings;
  const int autoOn = autoPlacement_->isChecked() ? 1 : 0;
  const int doubleOn = doublePull_->isChecked() ? 1 : 0;
  if (settings.AutoHardwareOnReport == autoOn && settings.DoublePullHD == doubleOn) return;
  settings.AutoHardwareOnReport = autoOn;
  settings.DoublePullHD = doubleOn;
  doc_.apply(SettingsCommand(settings));
  applied_ = true;
}

void HardwarePlaceDialog::apply() {
  doc_.apply(PlacementCommand(copy_, doc_.results(HardwareFill::Never)));
  applied_ = true;
  modified_ = false;
  refresh_->setEnabled(false);
  copy_ = PlacementCopy(building_);
  fillList(2);
  fillList(1);
}

void HardwarePlaceDialog::refreshList() {
  storeOptions();
  if (!prompts_->askOkCancel(kRefreshQuestion)) return;
  apply();
}

// Both questions come before anything is written: a cancel leaves the building as it was.
void HardwarePlaceDialog::accept() {
  if (modified_) {
    if (!prompts_->askOkCancel(kApplyQuestion)) return;
    const int doublePull = doublePull_->isChecked() ? 1 : 0;
    if (ApplyingLeavesThroughHardware(building_, doc_.results(HardwareFill::Never), copy_, doublePull) &&
        !prompts_->askOkCancel(kThroughHoldsQuestion)) {
      return;
    }
  }
  storeOptions();
  if (modified_) apply();
  QDialog::accept();
}

void HardwarePlaceDialog::reject() {
  if (modified_ && !prompts_->askOkCancelDefaultCancel(kAbandonPlacementQuestion)) return;
  QDialog::reject();
}

QStringList HardwarePlaceDialog::rowTexts(int storey) const {
  QStringList rows;
  const QListWidget* list = panels_[size_t(storey - 1)].list;
  for (int k = 0; k < list->count(); ++k) rows << list->item(k)->text();
  return rows;
}

QString HardwarePlaceDialog::selectorText(int storey, bool top) const {
  const StoreyPanel& panel = panels_[size_t(storey - 1)];
  return (top ? panel.top : panel.bottom)->currentText();
}

bool HardwarePlaceDialog::refreshEnabled() const { return refresh_->isEnabled(); }
void HardwarePlaceDialog::setAutoPlacement(bool on) { autoPlacement_->setChecked(on); }
void HardwarePlaceDialog::setDoublePull(bool on) { doublePull_->setChecked(on); }

bool RunHardwarePlacementDialog(Document& document, QWidget* parent) {
  {
    const BusyCursor busy;
    document.results(HardwareFill::Never);
  }
  HardwarePlaceDialog dialog(document, parent);
  dialog.exec();
  return dialog.applied();
}

}  // namespace tvk
