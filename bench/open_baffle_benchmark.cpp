// One keystroke in the open-baffle window as the user feels it: the path edit changes, the tuning
// and the diagram are recomputed and the window repaints at once (offscreen).
#include <benchmark/benchmark.h>

#include "OffscreenBenchmarks.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/Forms.h"
#include "app/Startup.h"
#include "enclosures/Toffen.h"
#include "platform/Platform.h"

namespace {

void BM_OpenBaffleKeystroke(benchmark::State& state) {
  velomare::Toffen* form = velomare::forms::offen;
  form->ShowForm();
  form->activateWindow();
  // The options ("AutoBoxSim") are read at activation.
  for (int i = 0; i < 100 && !form->isActiveWindow(); ++i) QCoreApplication::processEvents();
  int i = 0;
  for (auto _ : state) {
    form->Edit1->setText(++i % 2 ? "90" : "110");
    form->repaint();
  }
}
BENCHMARK(BM_OpenBaffleKeystroke)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return velomare::bench::RunProgramBenchmarks(argc, argv); }
