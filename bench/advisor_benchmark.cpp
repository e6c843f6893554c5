// One scroll step in the advisor as the user feels it: the trial volume changes, the advice runs
// and the window repaints at once (offscreen).
#include <benchmark/benchmark.h>

#include "OffscreenBenchmarks.h"

#include <QCoreApplication>
#include <QScrollBar>

#include "app/Forms.h"
#include "app/Twahl.h"

namespace {

void BM_AdvisorScrollStep(benchmark::State& state) {
  velomare::Twahl* form = velomare::forms::wahl;
  form->ShowForm();
  QCoreApplication::processEvents();
  int i = 0;
  for (auto _ : state) {
    form->ScrollBar1->setValue(++i % 2 ? 60 : 500);
    // The whole window rendered, as a repaint on screen draws it.
    benchmark::DoNotOptimize(form->grab());
  }
}
BENCHMARK(BM_AdvisorScrollStep)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return velomare::bench::RunProgramBenchmarks(argc, argv); }
