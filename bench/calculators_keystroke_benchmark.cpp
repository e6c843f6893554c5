// One keystroke in the unit converter and one scroll-bar step in the several-speakers window,
// as the user feels them: the group (or the grouping) is computed again and its labels are
// written. The "Repaint" variants add the repaint of the whole window, offscreen, which also
// converts all four groups again.
#include <QLineEdit>
#include <QScrollBar>

#include "BenchSupport.h"
#include "app/AllForms.h"

namespace {

void UnitConverterKeystroke(benchmark::State& state, bool repaint) {
  velomare::bench::StartedProgram program;
  velomare::Tunitcalc* form = velomare::forms::unitcalc;
  form->ShowForm();
  QCoreApplication::processEvents();
  form->repaint();
  const QString texts[] = {"10", "10,", "10,5"};
  std::size_t i = 0;
  for (auto _ : state) {
    form->Edit5->setText(texts[i++ % 3]);
    if (repaint) form->repaint();
  }
}

void SpeakerGroupingStep(benchmark::State& state, bool repaint) {
  velomare::bench::StartedProgram program;
  velomare::Tmehrbox* form = velomare::forms::mehrbox;
  form->ShowForm();
  QCoreApplication::processEvents();
  form->repaint();
  int n = 2;
  for (auto _ : state) {
    n = n == 50 ? 2 : n + 1;
    form->ScrollBar1->setValue(n);
    if (repaint) form->repaint();
  }
}

void BM_UnitConverterKeystroke(benchmark::State& state) { UnitConverterKeystroke(state, false); }
void BM_UnitConverterKeystrokeRepaint(benchmark::State& state) { UnitConverterKeystroke(state, true); }
void BM_SpeakerGroupingStep(benchmark::State& state) { SpeakerGroupingStep(state, false); }
void BM_SpeakerGroupingStepRepaint(benchmark::State& state) { SpeakerGroupingStep(state, true); }
BENCHMARK(BM_UnitConverterKeystroke)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UnitConverterKeystrokeRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpeakerGroupingStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpeakerGroupingStepRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return velomare::bench::RunOffscreenBenchmarks(argc, argv); }
