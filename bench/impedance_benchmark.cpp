// One keystroke in the impedance-correction window: an edit's text changes, the networks and
// the 281-point curve are recomputed and the window with its diagram is repainted at once.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstdlib>

#include "BenchSupport.h"
#include "OffscreenBenchmarks.h"
#include "app/AllForms.h"
#include "app/Startup.h"
#include "common/Settings.h"
#include "filters/model/ImpedanceCorrection.h"
#include "platform/Platform.h"

namespace {

void BM_ImpKeystroke(benchmark::State& state) {
  velomare::bench::StartedProgram program;
  velomare::TImp* form = velomare::forms::Imp;
  form->ShowForm();
  form->activateWindow();
  QCoreApplication::processEvents();
  bool flip = false;
  for (auto _ : state) {
    form->Edit5->setText(flip ? QStringLiteral("40") : QStringLiteral("41"));
    form->repaint();
    flip = !flip;
  }
  if (!form->DiagramShown()) state.SkipWithError("the diagram was not drawn");
}
BENCHMARK(BM_ImpKeystroke)->Unit(benchmark::kMicrosecond);


// The model alone: networks and curve for one set of inputs.
void BM_ImpModel(benchmark::State& state) {
  const std::array<std::string, 6> texts = {"6", "100", "500", "60", "40", "4,7"};
  for (auto _ : state) {
    const velomare::ImpNetworks networks = velomare::ComputeImpNetworks(velomare::ReadImpInputs(texts));
    benchmark::DoNotOptimize(velomare::LayOutImpDiagram(velomare::ComputeImpCurve(networks), 700, 475));
  }
}
BENCHMARK(BM_ImpModel)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return velomare::bench::RunOffscreenBenchmarks(argc, argv); }
