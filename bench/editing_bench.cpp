// Speed of editing the largest building (120 x 120 spans, two storeys, dense, with the
// building profile of the published check) in the main window, 1600 x 1000 pixels on the
// offscreen platform: one click placing a column, from the press to the pixels (the live
// wall-quantity read-out included), also with each plan option of the 2025 checks shown; a
// full repaint of the plan at 100 % and 200 %; opening the project file up to the first
// paint of the window; and loading and saving the file.
//
// The project files live on /dev/shm where there is one, so the figures measure the
// program rather than the disk's flush.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>

#include "../tests/support/plan_builder.h"
#include "../tests/support/profile_samples.h"
#include "editor/canvas_geometry.h"
#include "editor/session.h"
#include "model/line_names.h"
#include "model/profile_store.h"
#include "model/project_file.h"
#include "ui/canvas/plan_canvas.h"
#include "ui/common/message_box.h"
#include "ui/windows/check_overlay_options.h"
#include "ui/windows/main_window.h"
#include "ui/windows/side_panel.h"

namespace tvk {
namespace {

constexpr int kWindowWidth = 1600;
constexpr int kWindowHeight = 1000;

QApplication& App() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "editing_bench";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

// Every question is answered yes; no file dialog is ever needed.
class SilentPrompts final : public WindowPrompts {
 public:
  bool askYesNo(const std::string&) override { return true; }
  bool askOkCancel(const std::string&) override { return true; }
  bool askYesNoDefaultNo(const std::string&) override { return true; }
  bool askOkCancelDefaultCancel(const std::string&) override { return true; }
  void tell(const std::string&) override {}
  std::optional<std::string> chooseOpenFile(const FileDialogSpec&) override { return std::nullopt; }
  std::optional<std::string> chooseSaveFile(const FileDialogSpec&) override { return std::nullopt; }
  void beep() override {}
  bool openDocument(const std::string&) override { return false; }
};

QString ScratchFolder() {
  return std::filesystem::is_directory("/dev/shm") ? QStringLiteral("/dev/shm/editing_bench-XXXXXX") : QString();
}

// The largest building as a project file, and a shown main window with it open.
struct Desk {
  QTemporaryDir dir{ScratchFolder()};
  Session session;
  SilentPrompts prompts;
  std::string file;
  std::unique_ptr<MainWindow> window;

  Desk() {
    App();
    QStandardPaths::setTestModeEnabled(true);
    session.settingsFolder = dir.path().toStdString();
    session.programFolder = session.settingsFolder;
    StartSession(session);
    Building plan = test::LargestPlan();
    GenerateLineNames(plan);
    BuildingProfile profile = test::PublishedProfile();
    profile.wood = WoodChoice{ColumnWood::Sugi2, 0};
    profile.column = {ColumnSection{105, 105}, ColumnSection{105, 105}};
    if (WriteProfile(plan, profile)) return;
    // Room for the column PlaceColumn places in the middle of storey 1.
    plan.Point((plan.PointsX() + 1) / 2, (plan.PointsY() + 1) / 2, 1).Column.ColKind = ColumnKind::None;
    file = session.settingsFolder + "/largest.TVK";
    if (!SaveProject(plan, file).ok) return;
    window = std::make_unique<MainWindow>(session, &prompts);
    window->setAttribute(Qt::WA_DontShowOnScreen);
    window->resize(kWindowWidth, kWindowHeight);
    window->show();
    if (!window->openFromCommandLine(file)) window.reset();
    QApplication::processEvents();
  }

  PlanCanvas& Canvas() const { return *window->canvas(); }
};

// The desk, or none (the run is marked skipped).
Desk* GetDesk(benchmark::State& state) {
  static Desk desk;
  if (!desk.window) {
    state.SkipWithError("the largest building could not be written and opened");
    return nullptr;
  }
  return &desk;
}

QPushButton* Button(const MainWindow& window, const QString& text) {
  for (QPushButton* b : window.findChildren<QPushButton*>()) {
    if (b->text() == text) return b;
  }
  return nullptr;
}

void SendPress(QWidget* target, QPointF at) {
  QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(target, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(target, &release);
}

// A press on storey 1 in the middle of the plan, where the file has no column; the
// edit is undone outside the timing, so every click does the same work.
void PlaceColumnClicks(benchmark::State& state, Desk* desk) {
  if (desk == nullptr) return;
  MainWindow& window = *desk->window;
  window.canvas()->setZoom(1.0);
  Button(window, QStringLiteral("柱"))->click();
  const Building& b = desk->session.document.building();
  const int i = (b.PointsX() + 1) / 2;
  const int j = (b.PointsY() + 1) / 2;
  const PointCoord& c = b.Coord(i, j, 1);
  const QPointF at = desk->Canvas().toViewport(CanvasGeometry::For(b).ToCanvas(c.x, c.y));
  QWidget* viewport = desk->Canvas().viewport();
  for (auto _ : state) {
    SendPress(viewport, at);
    QApplication::processEvents();
    state.PauseTiming();
    if (b.Point(i, j, 1).Column.ColKind == ColumnKind::None) state.SkipWithError("the press placed no column");
    window.toolbarAction("Undo")->trigger();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
void PlaceColumn(benchmark::State& state) { PlaceColumnClicks(state, GetDesk(state)); }
BENCHMARK(PlaceColumn)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same click with a plan option of the 2025 checks shown: 0 the quarter strips, 1 the
// columns' tributary areas.
void EditWithOverlay(benchmark::State& state) {
  Desk* desk = GetDesk(state);
  if (desk == nullptr) return;
  const auto which = static_cast<CheckOverlay>(state.range(0));
  desk->window->sidePanel()->overlayOptions()->action(which)->setChecked(true);
  PlaceColumnClicks(state, desk);
  desk->window->sidePanel()->overlayOptions()->action(which)->setChecked(false);
}
BENCHMARK(EditWithOverlay)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole plan of storey 1 drawn afresh at zoom 100 % or 200 %.
void RepaintPlan(benchmark::State& state) {
  Desk* desk = GetDesk(state);
  if (desk == nullptr) return;
  PlanCanvas& canvas = desk->Canvas();
  canvas.setZoom(double(state.range(0)) / 100.0);
  QApplication::processEvents();
  for (auto _ : state) {
    canvas.fullRedraw();
    benchmark::DoNotOptimize(canvas.planImage().constBits());
  }
  canvas.setZoom(1.0);
}
BENCHMARK(RepaintPlan)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond)->UseRealTime();

// Opening the file in the shown window, up to the end of its first full paint.
void OpenToFirstPaint(benchmark::State& state) {
  Desk* desk = GetDesk(state);
  if (desk == nullptr) return;
  for (auto _ : state) {
    if (!desk->window->openFromCommandLine(desk->file)) state.SkipWithError("the file did not open");
    desk->window->repaint();
  }
}
BENCHMARK(OpenToFirstPaint)->Unit(benchmark::kMillisecond)->UseRealTime();

// Reading the project file into a building and writing it back under another name.
void LoadSave(benchmark::State& state) {
  Desk* desk = GetDesk(state);
  if (desk == nullptr) return;
  const std::string copy = desk->session.settingsFolder + "/copy.TVK";
  Building b;
  for (auto _ : state) {
    if (!LoadProject(b, desk->file).ok) state.SkipWithError("the file did not load");
    if (!SaveProject(b, copy).ok) state.SkipWithError("the file was not written");
  }
}
BENCHMARK(LoadSave)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tvk

BENCHMARK_MAIN();
