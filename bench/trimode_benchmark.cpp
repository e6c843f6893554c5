// One keystroke in a component edit of the trimode window: the value is re-read, the 953-point
// cut-off scan and the branch levels are recomputed and the window with its diagram is repainted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstdlib>

#include "OffscreenBenchmarks.h"
#include "app/AllForms.h"
#include "app/Startup.h"
#include "common/Settings.h"
#include "filters/model/Trimode.h"
#include "platform/Platform.h"

namespace {

void BM_TriKeystroke(benchmark::State& state) {
  velomare::platform::Seam seam;
  velomare::platform::InstallSeam(&seam);
  QTemporaryDir dir;
  setenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit().constData(), 1);
  velomare::OpenSettings().WriteBool("Options", "AboutAtStart", false);
  velomare::CreateForms();
  velomare::TTri* form = velomare::forms::Tri;
  form->ShowForm();
  form->activateWindow();
  QCoreApplication::processEvents();
  bool flip = false;
  for (auto _ : state) {
    form->Edit5->setText(flip ? QStringLiteral("42,20") : QStringLiteral("43"));
    form->repaint();
    flip = !flip;
  }
  if (!form->DiagramShown()) state.SkipWithError("the diagram was not drawn");
  velomare::DestroyForms();
  velomare::platform::InstallSeam(nullptr);
}
BENCHMARK(BM_TriKeystroke)->Unit(benchmark::kMicrosecond);

// The model alone: the read-outs with their scan and the branch levels.
void BM_TriModel(benchmark::State& state) {
  const velomare::TrimodeValues values{8, 4, 100, 18.01, 42.2, 397.89};
  for (auto _ : state) {
    benchmark::DoNotOptimize(velomare::TrimodeInfoText(values, false));
    benchmark::DoNotOptimize(velomare::ComputeTrimodeLevels(values));
  }
}
BENCHMARK(BM_TriModel)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return velomare::bench::RunOffscreenBenchmarks(argc, argv); }
