#include "ui/dialogs/hardware_names_dialog.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "engine/grade.h"
#include "model/hardware_names_file.h"
#include "model/path_parts.h"
#include "ui/dialogs/options_common.h"

namespace tvk {

namespace {

constexpr int kFixedColumns = 3;  // N limit, joint capacity, symbol
constexpr int kRowsPerGrade = 2;

const char* const kNLimits[kGradeCount] = {"0.0", "0.65", "1.0", "1.4", "1.6", "1.8",
                                           "2.8", "3.7",  "4.7", "5.6", "7.5"};
const char* const kCapacities[kGradeCount] = {"0.0",   "3.44",  "5.29",  "7.41",  "8.47", "9.53",
                                              "14.82", "19.58", "24.87", "29.64", "39.69"};

std::string ShownCell(const std::string& text) { return text.empty() ? kEmptyNameCell : text; }

// Return on an editable cell opens its editor, as a double click does. The Return that
// ends an edit reaches the grid too, after the editor has taken it (the editor closes a
// moment later): that one must not start another edit.
class NameGrid : public QTableWidget {
 public:
  using QTableWidget::QTableWidget;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QTableWidgetItem* item = currentItem();
    if (enter && state() != EditingState && item != nullptr && (item->flags() & Qt::ItemIsEditable)) {
      editItem(item);
      return;
    }
    QTableWidget::keyPressEvent(event);
  }
};

QTableWidgetItem* FixedItem(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled);
  item->setTextAlignment(Qt::AlignCenter);
  return item;
}

}  // namespace

NameCells CellsOfNames(const HardwareNames& names) {
  NameCells cells;
  for (size_t s = 0; s < names.size(); ++s) {
    cells[2 * s] = {ShownCell(names[s].Name1), ShownCell(names[s].Value1)};
    cells[2 * s + 1] = {ShownCell(names[s].Name2), ShownCell(names[s].Value2)};
  }
  return cells;
}

NameCells TidyCells(const NameCells& cells) {
  NameCells tidy;
  for (size_t r = 0; r < cells.size(); ++r) {
    for (size_t c = 0; c < 2; ++c) tidy[r][c] = ShownCell(TrimBlanks(cells[r][c]));
  }
  return tidy;
}

HardwareNames NamesOfCells(const NameCells& cells) {
  const auto text = [](const std::string& cell) { return cell == kEmptyNameCell ? std::string() : cell; };
  HardwareNames names;
  for (size_t s = 0; s < names.size(); ++s) {
    names[s] = {text(cells[2 * s][0]), text(cells[2 * s][1]), text(cells[2 * s + 1][0]), text(cells[2 * s + 1][1])};
  }
  return names;
}

HardwareNamesDialog::HardwareNamesDialog(HardwareNames& names, std::string settingsFolder,
                                         const std::string& buildingName, QWidget* parent, WindowPrompts* prompts)
    : QDialog(parent),
      names_(names),
      settingsFolder_(std::move(settingsFolder)),
      prompts_(this, prompts),
      table_(new NameGrid(kRowsPerGrade * kGradeCount, kFixedColumns + 2, this)) {
  setWindowTitle(QStringLiteral("金物名の設定   ") + QString::fromStdString(buildingName));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QString::fromUtf8(kNamesCaption), this));
  table_->setHorizontalHeaderLabels({QStringLiteral("Ｎ 値"), QStringLiteral("接合耐力(kN)"),
                                     QStringLiteral("告示記号"), QStringLiteral("接合金物の仕様"),
                                     QStringLiteral("許容耐力または降伏耐力(kN)")});
  table_->verticalHeader()->hide();
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::DoubleClicked);
  for (int s = 0; s < kGradeCount; ++s) {
    const int row = kRowsPerGrade * s;
    const QString fixed[kFixedColumns] = {QString::fromUtf8(kNLimits[s]), QString::fromUtf8(kCapacities[s]),
                                          QString::fromUtf8(GradeTable()[size_t(s)].symbol)};
    for (int c = 0; c < kFixedColumns; ++c) {
      table_->setItem(row, c, FixedItem(fixed[c]));
      table_->setSpan(row, c, kRowsPerGrade, 1);
    }
  }
  fill(CellsOfNames(names_));
  table_->setWordWrap(false);
  const QFontMetrics metrics(table_->font());
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->verticalHeader()->setDefaultSectionSize(metrics.height() + 8);
  QHeaderView* header = table_->horizontalHeader();
  for (int c = 0; c < kFixedColumns + 2; ++c) {
    if (c == kFixedColumns) continue;  // the names take the rest
    header->setSectionResizeMode(c, QHeaderView::Fixed);
    table_->setColumnWidth(c, metrics.horizontalAdvance(table_->horizontalHeaderItem(c)->text()) + 24);
  }
  header->setSectionResizeMode(kFixedColumns, QHeaderView::Stretch);
  const int rowsHeight = (metrics.height() + 8) * kRowsPerGrade * kGradeCount;
  table_->setMinimumSize(920, rowsHeight + header->sizeHint().height() + 2 * table_->frameWidth());
  layout->addWidget(table_, 1);
  connect(table_, &QTableWidget::itemChanged, this, [this] {
    if (!filling_) modified_ = true;
  });

  const OptionButtons buttons = AddOptionButtons(this, layout, "デフォルトに設定");
  buttons.ok->setText(QStringLiteral("O K"));  // this dialog's own spelling
  // Return belongs to the grid: it starts and ends the editing of a cell.
  for (QPushButton* button : {buttons.ok, buttons.cancel, buttons.setDefault}) {
    button->setDefault(false);
    button->setAutoDefault(false);
  }
  connect(buttons.ok, &QPushButton::clicked, this, &HardwareNamesDialog::accept);
  connect(buttons.setDefault, &QPushButton::clicked, this, [this] { setAsDefault(); });
}

HardwareNamesDialog::~HardwareNamesDialog() = default;

void HardwareNamesDialog::fill(const NameCells& cells) {
  filling_ = true;
  for (size_t r = 0; r < cells.size(); ++r) {
    for (size_t c = 0; c < 2; ++c) {
      table_->setItem(int(r), kFixedColumns + int(c), new QTableWidgetItem(QString::fromStdString(cells[r][c])));
    }
  }
  filling_ = false;
}

void HardwareNamesDialog::setCell(int row, int column, const QString& text) {
  table_->item(row, kFixedColumns + column)->setText(text);
}

NameCells HardwareNamesDialog::cells() const {
  NameCells cells;
  for (size_t r = 0; r < cells.size(); ++r) {
    for (size_t c = 0; c < 2; ++c) cells[r][c] = table_->item(int(r), kFixedColumns + int(c))->text().toStdString();
  }
  return cells;
}

void HardwareNamesDialog::takeGrid() {
  const NameCells tidy = TidyCells(cells());
  fill(tidy);
  names_ = NamesOfCells(tidy);
}

bool HardwareNamesDialog::setAsDefault() {
  if (!prompts_->askOkCancelDefaultCancel(kNamesDefaultQuestion)) return false;
  takeGrid();
  modified_ = false;
  const FileResult written = WriteHardwareNames(settingsFolder_, names_);
  if (!written.ok) prompts_->tell(written.message);
  return written.ok;
}

void HardwareNamesDialog::accept() {
  takeGrid();
  QDialog::accept();
}

void HardwareNamesDialog::reject() {
  if (modified_ && !prompts_->askYesNoDefaultNo(kAbandonNamesQuestion)) return;
  QDialog::reject();
}

bool RunHardwareNamesDialog(HardwareNames& names, const std::string& settingsFolder, const std::string& buildingName,
                            QWidget* parent) {
  const HardwareNames before = names;
  HardwareNamesDialog dialog(names, settingsFolder, buildingName, parent);
  dialog.exec();
  return names != before;
}

}  // namespace tvk
