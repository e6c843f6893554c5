// A keystroke in the impedance or frequency edit of a filter designer: the recalculation with
// its nested component handlers and quality read-out, then the window's repaint offscreen with
// its response diagram, on the fast grid (argument 1) and the full grid (0). Also the export of
// a branch on the one-hertz grid.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/AllForms.h"
#include "app/Startup.h"
#include "common/Settings.h"
#include "filters/model/FilterResponse.h"
#include "platform/Platform.h"

namespace {

template <class Form>
void Keystroke(benchmark::State& state, Form* (*form)()) {
  QTemporaryDir dir;
  setenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit().constData(), 1);
  velomare::platform::Seam seam;
  velomare::platform::InstallSeam(&seam);
  velomare::OpenSettings().WriteBool("Options", "FastFilter", state.range(0) != 0);
  velomare::CreateForms();
  Form* window = form();
  window->ShowForm();
  window->grab();
  QLineEdit* edit = window->template findChild<QLineEdit*>("Edit2");
  bool flip = false;
  for (auto _ : state) {
    edit->setText(flip ? QStringLiteral("2000") : QStringLiteral("2100"));
    flip = !flip;
    benchmark::DoNotOptimize(window->grab());
  }
  velomare::DestroyForms();
  velomare::platform::InstallSeam(nullptr);
}

void BM_HighPassKeystroke(benchmark::State& state) {
  Keystroke<velomare::THP>(state, [] { return velomare::forms::HP; });
}
void BM_BandPassKeystroke(benchmark::State& state) {
  Keystroke<velomare::TBP>(state, [] { return velomare::forms::BP; });
}
void BM_LowPassKeystroke(benchmark::State& state) {
  Keystroke<velomare::TTP>(state, [] { return velomare::forms::TP; });
}
BENCHMARK(BM_HighPassKeystroke)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BandPassKeystroke)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LowPassKeystroke)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_BandPassExportOneHertz(benchmark::State& state) {
  velomare::FilterValues v;
  v.z = 4, v.l1 = 0.164, v.c1 = 2062.38, v.l2 = 131.992, v.c2 = 2.56;
  const velomare::FilterBranch branch = velomare::FilterBranchOf(velomare::FilterBranchKind::BandPass);
  for (auto _ : state) benchmark::DoNotOptimize(velomare::ExportFilterResponse(velomare::FilterKind::BandPass, v, false, branch));
}
BENCHMARK(BM_BandPassExportOneHertz)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
