// One keystroke in the closed-box window as the user feels it: the Qtc edit changes, the design
// runs, the diagram is recomputed and the window repaints at once (offscreen), on either axis; and
// the diagram's painting alone.
#include <benchmark/benchmark.h>

#include "OffscreenBenchmarks.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/Forms.h"
#include "app/Startup.h"
#include "enclosures/Tclosed.h"
#include "enclosures/ResponseDiagram.h"
#include "enclosures/model/ResponsePlot.h"
#include "platform/Platform.h"

namespace {

void BM_ClosedKeystroke(benchmark::State& state) {
  velomare::Tclosed* form = velomare::forms::closed;
  form->ShowForm();
  form->activateWindow();
  // The options ("AutoBoxSim") are read at activation.
  for (int i = 0; i < 100 && !form->isActiveWindow(); ++i) QCoreApplication::processEvents();
  const bool linear = state.range(0) != 0;
  if (linear) form->findChild<QWidget*>("log")->setProperty("checked", false);
  int i = 0;
  for (auto _ : state) {
    form->Edit1->setText(++i % 2 ? "0,9" : "1,1");
    form->repaint();
  }
  form->findChild<QWidget*>("log")->setProperty("checked", true);
}
BENCHMARK(BM_ClosedKeystroke)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_PaintPlotOnImage(benchmark::State& state) {
  QImage image(700, 500, QImage::Format_ARGB32_Premultiplied);
  const auto plot = velomare::ComputeResponsePlot(velomare::ClosedBoxPlotStyle(velomare::FrequencyAxis::Logarithmic),
                                                  700, 500, [](double f) { return -1000.0 / (f * f); });
  for (auto _ : state) {
    QPainter painter(&image);
    velomare::PaintResponsePlot(painter, *plot);
  }
}
BENCHMARK(BM_PaintPlotOnImage)->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv) { return velomare::bench::RunProgramBenchmarks(argc, argv); }
