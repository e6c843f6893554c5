// One keystroke in the vented bandpass window as the user feels it: the chamber 1 diameter
// changes, the recompute writes the new area, whose handler runs the nested pass, the diagram's
// 391 curve points are recomputed and the changed parts of the window are painted, as the event
// loop paints them (offscreen). A second figure repaints the whole window at every step.
#include <benchmark/benchmark.h>

#include "OffscreenBenchmarks.h"

#include <QApplication>
#include <QLineEdit>

#include "app/Forms.h"
#include "enclosures/Tventpass.h"

namespace {

void BM_VentpassKeystroke(benchmark::State& state) {
  velomare::Tventpass* form = velomare::forms::ventpass;
  form->ShowForm();
  form->activateWindow();
  // The options ("AutoBoxSim") are read at activation.
  for (int i = 0; i < 100 && !form->isActiveWindow(); ++i) QCoreApplication::processEvents();
  int i = 0;
  for (auto _ : state) {
    form->Edit2->setText(++i % 2 ? "11" : "10");
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_VentpassKeystroke)->Unit(benchmark::kMillisecond);

void BM_VentpassKeystrokeWholeWindow(benchmark::State& state) {
  velomare::Tventpass* form = velomare::forms::ventpass;
  int i = 0;
  for (auto _ : state) {
    form->Edit2->setText(++i % 2 ? "11" : "10");
    form->repaint();
  }
}
BENCHMARK(BM_VentpassKeystrokeWholeWindow)->Unit(benchmark::kMillisecond);

// The same keystroke without the repaint: both passes and the diagram's geometry.
void BM_VentpassKeystrokeCompute(benchmark::State& state) {
  velomare::Tventpass* form = velomare::forms::ventpass;
  int i = 0;
  for (auto _ : state) form->Edit2->setText(++i % 2 ? "11" : "10");
}
BENCHMARK(BM_VentpassKeystrokeCompute)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return velomare::bench::RunProgramBenchmarks(argc, argv); }
