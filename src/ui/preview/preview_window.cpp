#include "ui/preview/preview_window.h"

#include <QAction>
#include <QActionGroup>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QShowEvent>
#include <QSplitter>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "editor/document.h"
#include "model/path_parts.h"
#include "report/chapters/report_figures.h"
#include "report/surface/page_surface.h"
#include "ui/common/widget_helpers.h"
#include "ui/dialogs/printer_select_dialog.h"
#include "ui/dialogs/progress_dialog.h"
#include "ui/preview/check_view_window.h"
#include "ui/preview/elevation_window.h"
#include "ui/preview/preview_texts.h"
#include "ui/preview/result_windows.h"

namespace tvk {

namespace {

struct ZoomEntry {
  const char* text;
  ZoomMode zoom;
};
constexpr ZoomEntry kZoomEntries[] = {
    {"全体表示(&1)", ZoomMode::WholePage}, {"幅合わせ(&2)", ZoomMode::PageWidth},
    {"120%(&3)", ZoomMode::Percent120},    {"150%(&4)", ZoomMode::Percent150},
    {"200%(&5)", ZoomMode::Percent200},    {"2ﾍﾟｰｼﾞ表示(&6)", ZoomMode::TwoPages},
    {"ｻﾑﾈｲﾙ(&7)", ZoomMode::Thumbnails},
};

constexpr int kEntryRole = Qt::UserRole;
constexpr int kHasPagesRole = Qt::UserRole + 1;

}  // namespace

PreviewWindow::PreviewWindow(Document& document, const HardwareNames& names, const FigureFonts& fonts,
                             QWidget* mainWindow, WindowPrompts* prompts, PreviewHooks hooks)
    : QMainWindow(nullptr),
      doc_(document),
      building_(document.building()),
      fonts_(fonts),
      mainWindow_(mainWindow),
      prompts_(this, prompts),
      hooks_(std::move(hooks)),
      view_(new PageView(this)),
      printerName_(DefaultPrinterName()) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(Q(kProgramTitle));
  SizeToScreen(this, 0.85, 0.85);
  compose(names);
  auto* splitter = new QSplitter(this);
  splitter->addWidget(buildSidePanel());
  splitter->addWidget(view_);
  splitter->setStretchFactor(1, 1);
  splitter->setCollapsible(0, false);
  setCentralWidget(splitter);
  buildActions();
  view_->setDocument(&report_.document);
  connect(view_, &PageView::pageChosen, this, [this] { pageShown(); });
  connect(view_, &PageView::zoomChanged, this, [this](ZoomMode zoom) { setZoom(zoom); });
  connect(view_, &PageView::zoomMenuRequested, this, [this](const QPoint& at) { zoomMenu_->popup(at); });
  setZoom(ZoomMode::WholePage);
  pageShown();
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::compose(const HardwareNames& names) {
  ProgressDialog progress(ReportChapterSteps(building_), mainWindow_ != nullptr ? mainWindow_.data() : this,
                          &*prompts_);
  progress.show();
  progress.advance(0);
  const BusyCursor busy;
  PageSurface surface;
  report_ =
      ComposeReport(surface, ReportRequest{building_, doc_.results(), names, ReportFigureChapters(fonts_),
                                           QDate::currentDate(), [&progress](int done) { progress.advance(done); }});
}

QWidget* PreviewWindow::buildSidePanel() {
  auto* panel = new QWidget(this);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(4, 4, 4, 4);
  contents_ = new QTreeWidget(panel);
  contents_->setHeaderHidden(true);
  contents_->setRootIsDecorated(true);
  std::map<std::string, QTreeWidgetItem*> groups;
  for (const ContentsEntry& entry : ContentsEntries()) {
    const bool hasPages = MarkOf(report_.index, entry.entry).page != 0;
    // A chapter this building does not get is not listed at all.
    if (!hasPages && ConditionalEntry(entry.entry)) continue;
    QTreeWidgetItem* parent = nullptr;
    if (*entry.group != '\0') {
      QTreeWidgetItem*& group = groups[entry.group];
      if (group == nullptr) {
        group = new QTreeWidgetItem(contents_, {Q(entry.group)});
        group->setData(0, kEntryRole, int(entry.entry));  // its first chapter
      }
      parent = group;
    }
    auto* item = parent != nullptr ? new QTreeWidgetItem(parent, {Q(entry.text)})
                                   : new QTreeWidgetItem(contents_, {Q(entry.text)});
    item->setData(0, kEntryRole, int(entry.entry));
    // Entries the report writes no pages for stay greyed out, and so does a heading none
    // of whose entries has pages.
    item->setDisabled(!hasPages);
    if (parent != nullptr && hasPages) parent->setData(0, kHasPagesRole, true);
  }
  for (const auto& [text, group] : groups) group->setDisabled(!group->data(0, kHasPagesRole).toBool());
  contents_->expandAll();
  // Every entry reads whole.
  int widest = 0;
  for (const ContentsEntry& entry : ContentsEntries()) {
    widest = std::max(widest, contents_->fontMetrics().horizontalAdvance(Q(entry.text)));
  }
  contents_->setMinimumWidth(widest + 3 * contents_->indentation() + 2 * contents_->frameWidth());
  connect(contents_, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* item) { showEntry(ReportEntry(item->data(0, kEntryRole).toInt())); });
  connect(contents_, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* item) { showEntry(ReportEntry(item->data(0, kEntryRole).toInt())); });
  layout->addWidget(contents_, 1);

  auto* lBox = new QGroupBox(QStringLiteral("押さえ係数Ｌ"), panel);
  auto* lLayout = new QVBoxLayout(lBox);
  auto* lText = new QLabel(QString::fromStdString(LOptionText(building_.Settings.LMethod)), lBox);
  lText->setWordWrap(true);
  lLayout->addWidget(lText);
  layout->addWidget(lBox);
  return panel;
}

void PreviewWindow::buildActions() {
  auto* file = menuBar()->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
  QAction* printAllAction = file->addAction(QStringLiteral("印刷(&P)..."), this, &PreviewWindow::printAll);
  file->addAction(QStringLiteral("このﾍﾟｰｼﾞのみ印刷(&A)"), this, &PreviewWindow::printThisPage);
  file->addAction(QStringLiteral("計算書のPDF出力(&O)"), this, [this] { writePdf(); });
  file->addAction(QStringLiteral("ﾌﾟﾘﾝﾀｰの変更(&U)..."), this, &PreviewWindow::changePrinter);
  file->addSeparator();
  QAction* closeAction = file->addAction(QStringLiteral("閉じる(&C)"), this, &QWidget::close);

  auto* view = menuBar()->addMenu(QStringLiteral("表示(&V)"));
  QAction* checkAction = view->addAction(QStringLiteral("２階Ｎ値伝達ﾁｪｯｸ(&N)"), this,
                                         [this] { OpenCheckView(doc_, fonts_, resultOwner()); });
  checkAction->setEnabled(building_.Storeys() >= 2);
  auto* frames = view->addMenu(QStringLiteral("軸組図(&J)"));
  frames->addMenu(frameMenu(Dir::X))->setText(QStringLiteral("Ｘ通り軸組図(&X)"));
  frames->addMenu(frameMenu(Dir::Y))->setText(QStringLiteral("Ｙ通り軸組図(&Y)"));

  zoomMenu_ = menuBar()->addMenu(QStringLiteral("ｽﾞｰﾑ(&Z)"));
  zooms_ = new QActionGroup(this);
  for (const ZoomEntry& entry : kZoomEntries) {
    QAction* action = zoomMenu_->addAction(Q(entry.text));
    action->setCheckable(true);
    action->setData(int(entry.zoom));
    zooms_->addAction(action);
  }
  connect(zooms_, &QActionGroup::triggered, this, [this](QAction* a) { setZoom(ZoomMode(a->data().toInt())); });

  auto* help = menuBar()->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
  QAction* contentsAction = help->addAction(QStringLiteral("目次(&C)"), this, [this] { hooks_.showHelp(); });
  QAction* aboutAction = help->addAction(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&V)"), this, [this] { hooks_.showAbout(); });
  contentsAction->setEnabled(bool(hooks_.showHelp));
  aboutAction->setEnabled(bool(hooks_.showAbout));

  auto* bar = addToolBar(QStringLiteral("プレビュー"));
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  connect(AddPrintKey(bar), &QAction::triggered, printAllAction, &QAction::trigger);
  bar->addSeparator();
  connect(AddToolKey(bar, "TopPage", QStringLiteral("先頭ページ"), QStyle::SP_MediaSkipBackward), &QAction::triggered,
          this, &PreviewWindow::firstPage);
  connect(AddToolKey(bar, "BeforePage", QStringLiteral("前ページ"), QStyle::SP_MediaSeekBackward), &QAction::triggered,
          this, &PreviewWindow::previousPage);
  pageLabel_ = new QLabel(bar);
  pageLabel_->setAlignment(Qt::AlignCenter);
  pageLabel_->setMinimumWidth(90);
  bar->addWidget(pageLabel_);
  connect(AddToolKey(bar, "NextPage", QStringLiteral("次ページ"), QStyle::SP_MediaSeekForward), &QAction::triggered,
          this, &PreviewWindow::nextPage);
  connect(AddToolKey(bar, "LastPage", QStringLiteral("最終ページ"), QStyle::SP_MediaSkipForward), &QAction::triggered,
          this, &PreviewWindow::lastPage);
  bar->addSeparator();
  QAction* checkKey =
      AddToolKey(bar, "NChkFig", QStringLiteral("２階柱Ｎ値伝達チェック"), QStyle::SP_FileDialogContentsView);
  connect(checkKey, &QAction::triggered, checkAction, &QAction::trigger);
  checkKey->setEnabled(checkAction->isEnabled());
  for (const Dir dir : kDirs) {
    auto* button = new QToolButton(bar);
    button->setText(dir == Dir::X ? QStringLiteral("Ｘ通り軸組図") : QStringLiteral("Ｙ通り軸組図"));
    button->setObjectName(dir == Dir::X ? QStringLiteral("JikuX") : QStringLiteral("JikuY"));
    button->setMenu(frameMenu(dir));
    button->setPopupMode(QToolButton::InstantPopup);
    bar->addWidget(button);
  }
  bar->addSeparator();
  connect(AddToolKey(bar, "Close", QStringLiteral("閉じる"), QStyle::SP_DialogCloseButton), &QAction::triggered,
          closeAction, &QAction::trigger);
}

// One entry per grid line of the direction: X lines from the first, Y lines from the last
// (the plan's top line first), as the main window lists them.
QMenu* PreviewWindow::frameMenu(Dir dir) {
  auto* menu = new QMenu(this);
  const int count = building_.LinesAcross(Other(dir));
  for (int k = 1; k <= count; ++k) {
    const int line = dir == Dir::X ? k : count + 1 - k;
    const std::string& name = dir == Dir::X ? building_.LineNameX(line) : building_.LineNameY(line);
    menu->addAction(QString::fromStdString(TrimBlanks(name)), this,
                    [this, dir, line] { ShowElevationWindow(doc_, fonts_, dir, line, resultOwner()); });
  }
  return menu;
}

// The result windows belong to the main window, so that its report command closes them.
QWidget* PreviewWindow::resultOwner() { return mainWindow_ != nullptr ? mainWindow_.data() : this; }

int PreviewWindow::page() const { return view_->page(); }

QString PreviewWindow::pageLabel() const { return QString::fromStdString(PageLabel(page(), pageCount())); }

void PreviewWindow::pageShown() { pageLabel_->setText(pageLabel()); }

void PreviewWindow::firstPage() { showPage(1); }

void PreviewWindow::previousPage() {
  if (page() <= 1) {
    prompts_->beep();
    return;
  }
  showPage(page() - 1);
}

void PreviewWindow::nextPage() {
  if (page() >= pageCount()) {
    prompts_->beep();
    return;
  }
  showPage(page() + 1);
}

void PreviewWindow::lastPage() { showPage(pageCount()); }

void PreviewWindow::showPage(int page) {
  view_->setPage(page);
  pageShown();
}

void PreviewWindow::showEntry(ReportEntry entry) {
  const ChapterMark& mark = MarkOf(report_.index, entry);
  if (mark.page == 0) return;
  view_->showPageAt(mark.page, mark.headingYTw);
  pageShown();
}

void PreviewWindow::setZoom(ZoomMode zoom) {
  if (view_->zoom() != zoom) view_->setZoom(zoom);
  for (QAction* action : zooms_->actions()) action->setChecked(ZoomMode(action->data().toInt()) == zoom);
}

ZoomMode PreviewWindow::zoom() const { return view_->zoom(); }

}  // namespace tvk
