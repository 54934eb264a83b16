// The main window's toolbar, menus and status bar.
#include <QAction>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "editor/document.h"
#include "editor/main_window_texts.h"
#include "editor/session.h"
#include "ui/common/elided_label.h"
#include "ui/common/widget_helpers.h"
#include "ui/windows/check_overlay_options.h"
#include "ui/windows/key_pictures.h"
#include "ui/windows/main_window.h"
#include "ui/windows/side_panel.h"

namespace tvk {

namespace {

QIcon KeyIcon(const QString& mark, const QColor& tile) { return QIcon(QPixmap::fromImage(KeyPicture(mark, tile, 32))); }

struct KeyLook {
  const char* key;
  const char* mark;
  QColor tile;
};

const QColor kFileTile(40, 90, 170);
const QColor kViewTile(30, 130, 80);
const QColor kSettingsTile(190, 110, 30);
const QColor kEditTile(100, 100, 110);

const KeyLook kKeyLooks[] = {
    {"NewData", "新", kFileTile},     {"Open", "開", kFileTile},         {"Save", "保", kFileTile},
    {"PreView", "計", kViewTile},     {"NChkFig", "伝", kViewTile},      {"Kanamono", "金", kViewTile},
    {"JikuX", "X", kViewTile},        {"JikuY", "Y", kViewTile},         {"TatemonoName", "名", kSettingsTile},
    {"GridSize", "#", kSettingsTile}, {"LineName", "通", kSettingsTile}, {"OsaeKeisu", "L", kSettingsTile},
    {"CrossG", "梁", kSettingsTile},  {"KanaList", "登", kSettingsTile}, {"FontSize", "字", kSettingsTile},
    {"Undo", "↶", kEditTile},         {"Close", "閉", kEditTile}};

QIcon IconOf(const char* key) {
  for (const KeyLook& look : kKeyLooks) {
    if (std::string_view(look.key) == key) return KeyIcon(QString::fromUtf8(look.mark), look.tile);
  }
  return {};
}

QString MenuCaptionOfPath(const std::string& path) { return Q(path).replace("&", "&&"); }

// A menu entry with its keyboard shortcut, which the menu shows beside the caption.
QAction* WithKeys(QAction* action, const QKeySequence& keys) {
  action->setShortcut(keys);
  return action;
}

}  // namespace

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : kProgramIconSizes) icon.addPixmap(QPixmap::fromImage(ProgramIconPicture(size)));
  return icon;
}

QAction* MainWindow::addKey(const char* key, const char* tip, void (MainWindow::*slot)()) {
  auto* action = new QAction(IconOf(key), QString::fromUtf8(tip), this);
  action->setObjectName(key);
  action->setToolTip(QString::fromUtf8(tip));
  connect(action, &QAction::triggered, this, slot);
  keys_[key] = action;
  return action;
}

void MainWindow::buildActions() {
  addKey("NewData", "新規データ", &MainWindow::newCommand);
  addKey("Open", "データを開く", &MainWindow::openCommand);
  addKey("Save", "上書き保存", &MainWindow::saveCommand);
  addKey("PreView", "計算書プレビュー", &MainWindow::reportQuestionCommand);
  addKey("NChkFig", "２階柱Ｎ値伝達チェック", &MainWindow::checkViewCommand);
  addKey("Kanamono", "配置金物", &MainWindow::hardwareCommand);
  addKey("JikuX", "Ｘ通り軸組図", &MainWindow::popFrameListX);
  addKey("JikuY", "Ｙ通り軸組図", &MainWindow::popFrameListY);
  addKey("TatemonoName", "建物名称の変更", &MainWindow::outlineCommand);
  addKey("GridSize", "入力ｸﾞﾘｯﾄﾞ数の変更", &MainWindow::gridSizeCommand);
  addKey("LineName", "通り名の変更", &MainWindow::lineNameCommand);
  addKey("OsaeKeisu", "押さえ係数Ｌの設定", &MainWindow::lMethodCommand);
  addKey("CrossG", "直交梁の影響", &MainWindow::crossBeamCommand);
  addKey("KanaList", "金物名称の登録", &MainWindow::hardwareNamesCommand);
  addKey("FontSize", "フォントサイズの変更", &MainWindow::fontSizeCommand);
  addKey("Undo", "配置・削除 取り消し", &MainWindow::undoCommand);
  addKey("Close", "閉じる", &MainWindow::closeCommand);
}

void MainWindow::buildToolbar() {
  QToolBar* bar = addToolBar("toolbar");
  bar->setObjectName("MainToolbar");
  bar->setMovable(false);
  bar->setIconSize(QSize(28, 28));
  // Groups as the commands belong together: file, results, settings, editing.
  for (const char* key : kToolbarKeys) {
    const std::string_view k(key);
    if (k == "PreView" || k == "TatemonoName" || k == "Undo") bar->addSeparator();
    bar->addAction(keys_[key]);
  }
}

void MainWindow::buildMenus() {
  QMenuBar* bar = menuBar();
  fileMenu_ = bar->addMenu("ﾌｧｲﾙ(&F)");
  WithKeys(fileMenu_->addAction("新規作成(&N)", this, &MainWindow::newCommand), Qt::CTRL | Qt::Key_N);
  WithKeys(fileMenu_->addAction("開く(&O)", this, &MainWindow::openCommand), Qt::CTRL | Qt::Key_O);
  fileMenu_->addAction("データ履歴ダイアログ表示(&R)", this, &MainWindow::dataSelectionCommand);
  fileMenu_->addSeparator();
  WithKeys(fileMenu_->addAction("上書き保存(&S)", this, &MainWindow::saveCommand), Qt::CTRL | Qt::Key_S);
  WithKeys(fileMenu_->addAction("名前を付けて保存(&A)...", this, &MainWindow::saveAsCommand),
           Qt::CTRL | Qt::SHIFT | Qt::Key_S);
  fileMenu_->addAction("DXF出力...", this, &MainWindow::dxfCommand);
  fileMenu_->addSeparator();
  fileMenu_->addAction("ﾌﾟﾘﾝﾀｰの設定(&U)...", this, &MainWindow::printerCommand);
  recentSeparator_ = fileMenu_->addSeparator();
  fileMenu_->addSeparator();
  fileMenu_->addAction("終了(&X)", this, &MainWindow::closeCommand);

  // The toolbar's undo key, so the menu entry is enabled exactly when the key is.
  QMenu* edit = bar->addMenu("編集(&E)");
  edit->addAction(WithKeys(keys_["Undo"], Qt::CTRL | Qt::Key_Z));

  QMenu* view = bar->addMenu("表示(&V)");
  WithKeys(view->addAction("計算書ﾌﾟﾚﾋﾞｭｰ(&V)", this, &MainWindow::reportCommand), Qt::CTRL | Qt::Key_P);
  view->addAction("２階Ｎ値伝達ﾁｪｯｸ(&N)", this, &MainWindow::checkViewCommand);
  showAllAction_ = view->addAction("全部材表示(&A)", this, &MainWindow::showAllCommand);
  view->addSeparator();
  view->addActions(side_->overlayOptions()->actions());

  bar->addMenu("金物(&H)")->addAction("配置金物(&K)", this, &MainWindow::hardwareCommand);

  QMenu* frames = bar->addMenu("軸組図(&J)");
  frameMenus_[Dir::X] = frames->addMenu("Ｘ通り軸組図(&X)");
  frameMenus_[Dir::Y] = frames->addMenu("Ｙ通り軸組図(&Y)");

  QMenu* settings = bar->addMenu("設定(&S)");
  settings->addAction("建物名称の変更(&N)", this, &MainWindow::outlineCommand);
  settings->addAction("入力ｸﾞﾘｯﾄﾞ数の変更(&C)", this, &MainWindow::gridSizeCommand);
  settings->addAction("通り名の変更(&T)", this, &MainWindow::lineNameCommand);
  settings->addAction("建物仕様(&P)...", this, &MainWindow::profileCommand);
  settings->addSeparator();
  settings->addAction("押さえ係数Ｌの設定(&L)", this, &MainWindow::lMethodCommand);
  settings->addAction("１階に柱がない時の２階柱引抜き力の処理(&U)", this, &MainWindow::missingColumnCommand);
  settings->addAction("直交梁の影響(&G)", this, &MainWindow::crossBeamCommand);
  settings->addSeparator();
  settings->addAction("金物名称の登録(&K)", this, &MainWindow::hardwareNamesCommand);
  settings->addAction("ﾌｫﾝﾄｻｲｽﾞの変更(&F)", this, &MainWindow::fontSizeCommand);

  QMenu* help = bar->addMenu("ﾍﾙﾌﾟ(&H)");
  WithKeys(help->addAction("目次(&C)", this, &MainWindow::helpCommand), Qt::Key_F1);
  help->addAction("ﾊﾞｰｼﾞｮﾝ情報(&V)", this, &MainWindow::aboutCommand);
}

void MainWindow::buildStatusBar() {
  prompt_ = new ElidedLabel;
  prompt_->setObjectName("StatusPrompt");
  statusBar()->addWidget(prompt_, 1);
  for (size_t k = 0; k < statusPanels_.size(); ++k) {
    statusPanels_[k] = new QLabel;
    statusPanels_[k]->setObjectName(QString("StatusPanel%1").arg(k + 1));
    // Panels 1 and 4 only space the two read-outs apart.
    if (k == 0 || k == 3) statusPanels_[k]->setFixedWidth(k == 0 ? 8 : 40);
    statusBar()->addWidget(statusPanels_[k]);
  }
}

void MainWindow::refreshRecentMenu() {
  for (QAction* action : recentActions_) {
    fileMenu_->removeAction(action);
    action->deleteLater();
  }
  recentActions_.clear();
  QAction* before = fileMenu_->actions().value(fileMenu_->actions().indexOf(recentSeparator_) + 1);
  const auto& recent = session_.settings.Recent;
  for (size_t k = 0; k < recent.size(); ++k) {
    auto* action = new QAction(MenuCaptionOfPath(recent[k].Path), fileMenu_);
    connect(action, &QAction::triggered, this, [this, k] { openRecent(k); });
    fileMenu_->insertAction(before, action);
    recentActions_.push_back(action);
  }
}

void MainWindow::refreshFrameMenus() {
  for (const Dir dir : kDirs) {
    QMenu* menu = frameMenus_[dir];
    menu->clear();
    for (const FrameListEntry& entry : FrameListEntries(session_.document.building(), dir)) {
      const int line = entry.line;
      menu->addAction(Q(entry.caption), this, [this, dir, line] { openFrame(dir, line); });
    }
  }
}

void MainWindow::popFrameListX() { frameMenus_[Dir::X]->exec(QCursor::pos()); }

void MainWindow::popFrameListY() { frameMenus_[Dir::Y]->exec(QCursor::pos()); }

}  // namespace tvk
