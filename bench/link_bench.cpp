// Cost of an upload apart from the line itself: building the frames and the
// log, and the whole transfer over a pseudo-terminal (which has no baud rate).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>

#include "link/frames.h"
#include "link/pty_pair.h"
#include "link/serial_port.h"
#include "ui/txcom_form.h"

using namespace laserpic;

namespace {

model::FigureModel sampleFigure() {
  model::FigureModel m;
  for (int i = 0; i < model::kPointCount; ++i) {
    m.PicX[i] = static_cast<std::uint8_t>(i * 7);
    m.PicY[i] = static_cast<std::uint8_t>(255 - i);
  }
  m.PicName = QStringLiteral("Звезда01");
  return m;
}

void BM_BuildUploadAndLog(benchmark::State& state) {
  const model::FigureModel m = sampleFigure();
  for (auto _ : state) {
    const link::UploadFrames up = link::buildUpload(m.PicX, m.PicY, m.PicName, true, true);
    const QStringList log = link::uploadLog(up, m.PicName, 4, link::kUploadSize);
    benchmark::DoNotOptimize(up.frames[1].constData());
    benchmark::DoNotOptimize(log.constData());
  }
}
BENCHMARK(BM_BuildUploadAndLog);

void BM_UploadOverPty(benchmark::State& state) {
  linktest::PtyPair pty;
  if (!pty.ok()) {
    state.SkipWithError("no pseudo-terminal");
    return;
  }
  const model::FigureModel m = sampleFigure();
  const link::UploadFrames up = link::buildUpload(m.PicX, m.PicY, m.PicName, true, true);
  auto port = link::makeDevicePort();
  for (auto _ : state) {
    port->open(pty.slaveName());
    port->configure(link::StopBits::One);
    const link::TransferResult r = link::sendFrames(*port, up.frames);
    port->close();
    if (pty.read(link::kUploadSize, 2000, 0).size() != link::kUploadSize || !r.complete) {
      state.SkipWithError("upload did not arrive whole");
      break;
    }
  }
}
BENCHMARK(BM_UploadOverPty)->Unit(benchmark::kMillisecond);

void BM_UploadWindowOverPty(benchmark::State& state) {
  linktest::PtyPair pty;
  if (!pty.ok()) {
    state.SkipWithError("no pseudo-terminal");
    return;
  }
  linktest::ScopedEnv com2("LASERPIC_COM2", pty.slaveName());
  model::FigureModel m = sampleFigure();
  ui::TTxComForm form(m);
  form.CheckBoxClose->setChecked(false);
  form.FormActivate();
  for (auto _ : state) {
    form.SpeedButtonBegTxClick();
    if (pty.read(link::kUploadSize, 2000, 0).size() != link::kUploadSize) {
      state.SkipWithError("upload did not arrive whole");
      break;
    }
  }
}
BENCHMARK(BM_UploadWindowOverPty)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);  // the port waits in Qt event loops
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
