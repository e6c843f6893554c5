// One keystroke in the bass-reflex window as the user feels it: the volume edit changes, the
// design and the results run, the diagram is recomputed and the window repaints at once
// (offscreen), on either axis; and the rule of thumb, which nests the length and volume handlers.
#include <benchmark/benchmark.h>

#include <QCheckBox>
#include <QLineEdit>

#include "OffscreenBenchmarks.h"
#include "app/Forms.h"
#include "enclosures/TReflex.h"

namespace {

velomare::TReflex* ActiveForm() {
  velomare::TReflex* form = velomare::forms::Reflex;
  form->ShowForm();
  form->activateWindow();
  for (int i = 0; i < 100 && !form->isActiveWindow(); ++i) QCoreApplication::processEvents();
  return form;
}

void BM_ReflexKeystroke(benchmark::State& state) {
  velomare::TReflex* form = ActiveForm();
  form->log->setChecked(state.range(0) == 0);
  int i = 0;
  for (auto _ : state) {
    form->Edit2->setText(++i % 2 ? "120" : "130,5");
    form->repaint();
  }
  form->log->setChecked(true);
}
BENCHMARK(BM_ReflexKeystroke)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ReflexRuleOfThumb(benchmark::State& state) {
  velomare::TReflex* form = ActiveForm();
  int i = 0;
  for (auto _ : state) {
    form->Edit2->setText(++i % 2 ? "120" : "130,5");
    form->Button4Click();
    form->repaint();
  }
}
BENCHMARK(BM_ReflexRuleOfThumb)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return velomare::bench::RunProgramBenchmarks(argc, argv); }
