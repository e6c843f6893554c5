// One scroll step in the advisor as the user feels it: the trial volume changes, the advice runs
// and the window repaints at once (offscreen).
#include <benchmark/benchmark.h>

#include <QScrollBar>
#include <QTemporaryDir>

#include <QApplication>
#include <cstdlib>

#include "platform/Platform.h"
#include "app/Forms.h"
#include "app/Startup.h"
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

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  QTemporaryDir dir;
  setenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit().constData(), 1);
  velomare::platform::Seam seam;
  velomare::platform::InstallSeam(&seam);
  velomare::CreateForms();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  velomare::DestroyForms();
  velomare::platform::InstallSeam(nullptr);
  return 0;
}
