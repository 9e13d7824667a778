// Cost of one figure build, alone and as a slider step in the window (which
// builds and redraws for every intermediate position of a drag).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QScrollBar>
#include <QToolButton>

#include "generators/generators.h"
#include "model/figure_model.h"
#include "ui/base_form.h"

using namespace laserpic;

namespace {

void BM_RunGenerator(benchmark::State& state) {
  model::FigureModel m;
  m.State.FigureKind = static_cast<std::int32_t>(state.range(0));
  generators::FigureParams p;
  p.Option = 1;
  p.Mode = m.State.FigureKind == generators::kKindPolygon ? 7 : 1;
  for (auto _ : state) {
    generators::RunGenerator(m, p);
    if (m.State.CornerFlag != 0) generators::Made64(m);
    benchmark::DoNotOptimize(m.PicX.data());
  }
}
BENCHMARK(BM_RunGenerator)
    ->ArgName("kind")
    ->Arg(generators::kKindCircle)
    ->Arg(generators::kKindPolygon)
    ->Arg(generators::kKindFrame)
    ->Arg(generators::kKindStar)
    ->Unit(benchmark::kMicrosecond);

// One step of the X size slider with the circle selected; coupled, the step
// builds and redraws twice.
void BM_SliderStepWithCircle(benchmark::State& state) {
  model::FigureModel m;
  ui::TBaseForm form(m);
  form.SpeedButtonCucle->click();
  form.CheckBoxSizeTogeze->setChecked(state.range(0) != 0);
  int direction = -1;
  for (auto _ : state) {
    QScrollBar* s = form.ScrollBarGorzFigura;
    if (s->value() == s->minimum() || s->value() == s->maximum()) direction = -direction;
    s->setValue(s->value() + direction);
  }
}
BENCHMARK(BM_SliderStepWithCircle)->ArgName("coupled")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
