// Cost of a mouse move over the drawing area: a move that picks up and moves a
// point must keep up with the mouse, a move that changes nothing must not redraw.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <QWindow>

#include <cmath>

#include "ui/base_form.h"
#include "ui/surfaces.h"

using namespace laserpic;

namespace {

// The window needs an application object; the benchmark library owns main().
void ensureApplication() {
  static int argc = 1;
  static char name[] = "bench_editing";
  static char* argv[] = {name, nullptr};
  if (QApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  new QApplication(argc, argv);
}

// A circle of radius 100 round the centre, so that the redraw draws real lines.
void makeCircle(model::FigureModel& m) {
  for (int i = 0; i < model::kPointCount; ++i) {
    const double a = 2 * M_PI * i / model::kPointCount;
    m.PicX[i] = static_cast<std::uint8_t>(127 + std::lround(100 * std::cos(a)));
    m.PicY[i] = static_cast<std::uint8_t>(127 + std::lround(100 * std::sin(a)));
  }
}

// Point 1 lies at (227, 127). Each move is a held press that has not captured
// anything yet, so it searches, captures the point, moves it two units, and the
// change tracking redraws.
void BM_MoveDragsPoint(benchmark::State& state) {
  ensureApplication();
  model::FigureModel m;
  ui::TBaseForm form(m);
  makeCircle(m);
  form.PaintBoxDrawMouseDown(Qt::LeftButton, 0, 0);  // on an empty spot
  const int start = form.fullRedrawCount();
  bool right = false;
  for (auto _ : state) {
    m.State.CapturedPoint = model::kNoCapturedPoint;
    right = !right;
    form.PaintBoxDrawMouseMove(right ? 2 * 229 : 2 * 227, 2 * 127);
  }
  state.counters["redraws_per_move"] =
      static_cast<double>(form.fullRedrawCount() - start) / static_cast<double>(state.iterations());
  form.PaintBoxDrawMouseUp(Qt::LeftButton);
}
BENCHMARK(BM_MoveDragsPoint)->Unit(benchmark::kMicrosecond);

// The same drag, delivered as window-system events and painted by Qt.
void BM_MoveDragsPointThroughEvents(benchmark::State& state) {
  ensureApplication();
  model::FigureModel m;
  ui::TBaseForm form(m);
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) state.SkipWithError("window not exposed");
  makeCircle(m);
  QWindow* window = form.windowHandle();
  const auto at = [&](int x, int y) { return form.PaintBoxDraw->mapTo(&form, QPoint(2 * x, 2 * y)); };
  QTest::mousePress(window, Qt::LeftButton, {}, at(227, 127));
  const int start = form.fullRedrawCount();
  bool right = false;
  for (auto _ : state) {
    right = !right;
    QTest::mouseMove(window, at(right ? 229 : 227, 127));
  }
  state.counters["redraws_per_move"] =
      static_cast<double>(form.fullRedrawCount() - start) / static_cast<double>(state.iterations());
  QTest::mouseRelease(window, Qt::LeftButton, {}, at(227, 127));
}
BENCHMARK(BM_MoveDragsPointThroughEvents)->Unit(benchmark::kMicrosecond);

// Hovering over an empty spot: a search that finds nothing and the two
// comparisons of the change tracking, without a redraw.
void BM_MoveChangesNothing(benchmark::State& state) {
  ensureApplication();
  model::FigureModel m;
  ui::TBaseForm form(m);
  makeCircle(m);
  form.PaintBoxDrawMouseMove(20, 20);  // takes in the figure once
  const int start = form.fullRedrawCount();
  bool right = false;
  for (auto _ : state) {
    right = !right;
    form.PaintBoxDrawMouseMove(right ? 22 : 20, 20);
  }
  state.counters["redraws_per_move"] =
      static_cast<double>(form.fullRedrawCount() - start) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_MoveChangesNothing)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
