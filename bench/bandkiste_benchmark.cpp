// One scroll step in the closed bandpass window as the user feels it: the Qt scroll bar moves,
// the design runs, the three result edits run their recalculation, the diagram is recomputed and
// the window repaints at once (offscreen).
#include <benchmark/benchmark.h>

#include "OffscreenBenchmarks.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/Forms.h"
#include "app/Startup.h"
#include "enclosures/Tbandkiste.h"
#include "platform/Platform.h"

namespace {

void BM_BandpassScrollStep(benchmark::State& state) {
  velomare::Tbandkiste* form = velomare::forms::bandkiste;
  form->ShowForm();
  form->activateWindow();
  // The options ("AutoBoxSim") are read at activation.
  for (int i = 0; i < 100 && !form->isActiveWindow(); ++i) QCoreApplication::processEvents();
  form->Edit1->setText("12");
  int i = 0;
  for (auto _ : state) {
    form->ScrollBar2->setValue(++i % 2 ? 101 : 100);
    form->repaint();
  }
}
BENCHMARK(BM_BandpassScrollStep)->Unit(benchmark::kMillisecond);

// The same step without the repaint: the design, the recalculations and the diagram's geometry.
void BM_BandpassScrollStepCompute(benchmark::State& state) {
  velomare::Tbandkiste* form = velomare::forms::bandkiste;
  int i = 0;
  for (auto _ : state) form->ScrollBar2->setValue(++i % 2 ? 101 : 100);
}
BENCHMARK(BM_BandpassScrollStepCompute)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return velomare::bench::RunProgramBenchmarks(argc, argv); }
