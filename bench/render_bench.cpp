// Redraw cost and start-up cost of the editor window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <QToolButton>

#include "model/figure_model.h"
#include "ui/app_setup.h"
#include "ui/program_windows.h"

using namespace laserpic;

namespace {

// A figure of 256 distinct points spread over the field.
void spreadFigure(model::FigureModel& m) {
  for (int i = 0; i < model::kPointCount; ++i) {
    m.PicX[i] = static_cast<std::uint8_t>((i * 37) % 256);
    m.PicY[i] = static_cast<std::uint8_t>((i * 91 + 13) % 256);
  }
}

void BM_FullReturn(benchmark::State& state) {
  model::FigureModel m;
  ui::TBaseForm form(m);
  spreadFigure(m);
  form.SpeedButtonWeb->setChecked(true);
  m.State.AreaMode = static_cast<std::uint8_t>(state.range(0));
  m.State.AreaLeft = 40;
  m.State.AreaTop = 50;
  m.State.AreaRight = 200;
  m.State.AreaBottom = 180;
  for (auto _ : state) form.FullReturn(1);
}
BENCHMARK(BM_FullReturn)->ArgName("area")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void showAndPaint(QWidget& w) {
  w.show();
  (void)QTest::qWaitForWindowExposed(&w);
  QCoreApplication::processEvents();
}

// The four windows created in program order, and the editor's first paint.
void BM_StartUpEditor(benchmark::State& state) {
  for (auto _ : state) {
    model::FigureModel m;
    ui::ProgramWindows windows(m);
    showAndPaint(windows.BaseForm);
  }
}
BENCHMARK(BM_StartUpEditor)->Unit(benchmark::kMillisecond);

// A bare window of the same size shown the same way, for comparison.
void BM_StartUpBareWindow(benchmark::State& state) {
  for (auto _ : state) {
    QWidget bare;
    bare.resize(814, 554);
    showAndPaint(bare);
  }
}
BENCHMARK(BM_StartUpBareWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  ui::setUpApplication();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
