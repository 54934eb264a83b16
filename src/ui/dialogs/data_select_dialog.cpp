#include "ui/dialogs/data_select_dialog.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainterPath>
#include <QPushButton>
#include <QRegion>
#include <QTableWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "editor/session.h"
#include "editor/user_prompts.h"
#include "model/building.h"
#include "ui/common/widget_helpers.h"

namespace tvk {

namespace {

constexpr int kCornerEllipse = 30;

QPushButton* MakeButton(const char* caption, const char* tip) {
  QPushButton* button = HandButton(caption);
  button->setToolTip(tip);
  button->setMinimumHeight(30);
  return button;
}

bool FileExists(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::exists(path, ignored);
}

}  // namespace

DataSelectDialog::DataSelectDialog(Session& session, UserPrompts& prompts, bool startup, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), session_(session), prompts_(prompts), startup_(startup) {
  const QString caption = Q(std::string(kProgramTitle) + "  <データ選択>");
  setWindowTitle(caption);
  setObjectName("DataSelect");
  setStyleSheet(
      "#DataSelect { background: #dfe6ee; }"
      "#DataSelectTitle { background: #1f3f73; color: white; font-weight: bold; padding: 8px 18px; }"
      "QTableWidget::item:selected { background: #5aa9ff; color: white; }");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 12);
  layout->addWidget(makeTitle());
  auto* body = new QHBoxLayout;
  body->setContentsMargins(16, 8, 16, 0);
  table_ = new QTableWidget(kSelectionRows, 3);
  table_->setHorizontalHeaderLabels({"", "データ名", "建 物 名"});
  table_->verticalHeader()->hide();
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setColumnWidth(0, 30);
  table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  table_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
  table_->setMinimumWidth(560);
  table_->installEventFilter(this);
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { chooseRow(row + 1); });
  body->addWidget(table_, 1);
  body->addWidget(makeButtons());
  layout->addLayout(body);

  // The list is the settings file as it is now.
  ReloadSettingsFile(session_);
  fillList();
  table_->setCurrentCell(0, 1);
  const int rowsHeight = table_->horizontalHeader()->height() + kSelectionRows * table_->rowHeight(0) + 4;
  table_->setMinimumHeight(rowsHeight);
}

QWidget* DataSelectDialog::makeTitle() {
  title_ = new QLabel(windowTitle());
  title_->setObjectName("DataSelectTitle");
  // Without a frame the title strip moves the window.
  title_->installEventFilter(this);
  return title_;
}

QWidget* DataSelectDialog::makeButtons() {
  auto* panel = new QWidget;
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(8, 0, 0, 0);
  select_ = MakeButton("選  択", "現在反転表示のデータを選択");
  other_ = MakeButton("その他のデータ", "リストにない VOLN-TVK データの選択");
  new_ = MakeButton("新規作成", "新規データの作成");
  clear_ = MakeButton("履歴ｸﾘｱｰ", "データ履歴リストをクリアーします");
  exit_ =
      startup_ ? MakeButton("終  了", "VOLN-TVK を終了します") : MakeButton("ｷｬﾝｾﾙ", "データ選択をキャンセルします");
  for (QPushButton* b : {select_, other_, new_, clear_}) column->addWidget(b);
  column->addStretch(1);
  column->addWidget(exit_);
  select_->setDefault(true);
  connect(select_, &QPushButton::clicked, this, [this] {
    if (table_->currentRow() >= 0) chooseRow(table_->currentRow() + 1);
  });
  connect(other_, &QPushButton::clicked, this, [this] { finish(kSelectOther); });
  connect(new_, &QPushButton::clicked, this, [this] { finish(kSelectNew); });
  connect(clear_, &QPushButton::clicked, this, &DataSelectDialog::clearHistory);
  connect(exit_, &QPushButton::clicked, this, &DataSelectDialog::reject);
  return panel;
}

void DataSelectDialog::fillList() {
  const auto& recent = session_.settings.Recent;
  for (int row = 0; row < kSelectionRows; ++row) {
    auto* number = new QTableWidgetItem(QString::number(row + 1));
    number->setTextAlignment(Qt::AlignCenter);
    number->setFlags(Qt::ItemIsEnabled);
    table_->setItem(row, 0, number);
    const bool used = static_cast<size_t>(row) < recent.size();
    const size_t k = static_cast<size_t>(row);
    table_->setItem(row, 1, new QTableWidgetItem(used ? Q(recent[k].FileName) : QString()));
    table_->setItem(row, 2, new QTableWidgetItem(used ? Q(recent[k].BuildingName) : QString()));
  }
  const bool any = !recent.empty();
  select_->setEnabled(any);
  clear_->setEnabled(any);
}

void DataSelectDialog::chooseRow(int row) {
  const auto& recent = session_.settings.Recent;
  if (row < 1 || static_cast<size_t>(row) > recent.size()) return;
  const std::string& path = recent[static_cast<size_t>(row - 1)].Path;
  if (!FileExists(path)) {
    prompts_.tell("選択したデータファイル：\n\n" + path + "\n\nが見つかりませんでした。");
    return;
  }
  finish(row);
}

void DataSelectDialog::reject() {
  if (!startup_) {
    finish(kSelectNothing);
    return;
  }
  if (prompts_.askOkCancel(std::string("『 ") + kProgramTitle + " 』 を終了します")) finish(kSelectQuit);
}

void DataSelectDialog::clearHistory() {
  if (!prompts_.askOkCancelDefaultCancel("データ履歴をクリアーします。")) return;
  session_.settings.Recent.clear();
  fillList();
  exit_->setFocus();
}

void DataSelectDialog::finish(int result) {
  result_ = result;
  done(result == kSelectNothing || result == kSelectQuit ? QDialog::Rejected : QDialog::Accepted);
}

void DataSelectDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  QPainterPath rounded;
  rounded.addRoundedRect(QRectF(rect()), kCornerEllipse / 2.0, kCornerEllipse / 2.0);
  setMask(QRegion(rounded.toFillPolygon().toPolygon()));
}

bool DataSelectDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == table_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      chooseRow(table_->currentRow() + 1);
      return true;
    }
  }
  if (watched == title_) {
    if (event->type() == QEvent::MouseButtonPress) {
      dragOffset_ = static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - frameGeometry().topLeft();
    } else if (event->type() == QEvent::MouseMove) {
      move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - dragOffset_);
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace tvk
