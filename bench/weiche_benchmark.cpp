// The complete crossover with a low pass, a band pass and a high pass exported: a control change
// (a polarity box) and a pan step of a drag, each summing the three branches and repainting the
// window with its diagram offscreen, on the fast grid (argument 1) and the one-hertz grid (0);
// and the summation alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>
#include <QScrollBar>

#include "BenchSupport.h"
#include "OffscreenBenchmarks.h"
#include "app/AllForms.h"
#include "common/NumberText.h"
#include "filters/model/FilterResponse.h"
#include "filters/model/TotalCrossover.h"

namespace {

using namespace velomare;

// The designers' second-order Butterworth pair at 8 ohm and 1 kHz and their default band pass,
// with the component values as their edits show them.
void ExportThreeBranches(bool fast) {
  const auto designed = [](FilterCalculation calc) {
    FilterValues v;
    v.z = calc.z;
    for (const ComponentText& w : calc.writes) v.Of(w.component) = ReadNumber(w.text);
    return v;
  };
  ExportFilterResponse(FilterKind::LowPass, designed(CalcLowPassParts("8", "1000", 2, Characteristic::Butterworth)),
                       fast, FilterBranchOf(FilterBranchKind::LowPass));
  ExportFilterResponse(FilterKind::HighPass, designed(CalcHighPassParts("8", "1000", 2, Characteristic::Butterworth)),
                       fast, FilterBranchOf(FilterBranchKind::HighPass));
  ExportFilterResponse(FilterKind::BandPass, designed(CalcBandPassParts("8", "300", "3000", kBandPassDefaultPreset)),
                       fast, FilterBranchOf(FilterBranchKind::BandPass));
}

Tweiche* ShownWindow(bool fast) {
  OpenSettings().WriteBool("Options", "FastFilter", fast);
  ExportThreeBranches(fast);
  Tweiche* form = forms::weiche;
  form->ShowForm();
  form->repaint();
  QCoreApplication::processEvents();
  return form;
}

void BM_WeicheControlChange(benchmark::State& state) {
  bench::StartedProgram program;
  Tweiche* form = ShownWindow(state.range(0) != 0);
  for (auto _ : state) {
    form->CheckBox6->toggle();
    form->repaint();
  }
  if (!form->DiagramDrawn()) state.SkipWithError("the diagram was not drawn");
}
BENCHMARK(BM_WeicheControlChange)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_WeicheDragStep(benchmark::State& state) {
  bench::StartedProgram program;
  Tweiche* form = ShownWindow(state.range(0) != 0);
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(400, 300), QPointF(400, 300), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(form, &press);
  bool flip = false;
  for (auto _ : state) {
    const QPointF at(flip ? 380 : 390, flip ? 290 : 310);
    QMouseEvent move(QEvent::MouseMove, at, at, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form, &move);
    form->repaint();
    flip = !flip;
  }
  if (!form->DiagramDrawn()) state.SkipWithError("the diagram was not drawn");
}
BENCHMARK(BM_WeicheDragStep)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_WeicheSum(benchmark::State& state) {
  ResetFilterBranches();
  const bool fast = state.range(0) != 0;
  ExportThreeBranches(fast);
  CrossoverSettings settings;
  settings.fastGrid = fast;
  settings.branches = {CrossoverBranchSetting{true, false, 0}, {true, true, -3}, {true, false, -1}};
  auto total = std::make_unique<TotalResponse>();
  for (auto _ : state) {
    SumCrossoverBranches(settings, *total);
    benchmark::DoNotOptimize(total->level.data());
  }
  ResetFilterBranches();
}
BENCHMARK(BM_WeicheSum)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return velomare::bench::RunOffscreenBenchmarks(argc, argv); }
// The baseline: the window with nothing exported, its controls and background only.
namespace {
void BM_WeicheEmptyRepaint(benchmark::State& state) {
  velomare::bench::StartedProgram program;
  velomare::Tweiche* form = velomare::forms::weiche;
  form->ShowForm();
  QCoreApplication::processEvents();
  for (auto _ : state) form->repaint();
}
BENCHMARK(BM_WeicheEmptyRepaint)->Unit(benchmark::kMicrosecond);
}  // namespace
