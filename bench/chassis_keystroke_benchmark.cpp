// One keystroke in the driver-data window as the user feels it: the edit's text changes, every
// derived value is computed again and the window is repainted at once, offscreen. This is the
// yardstick for every window that recomputes while the user types.
#include <QLineEdit>

#include "BenchSupport.h"
#include "app/AllForms.h"

namespace {

void BM_DriverWindowKeystroke(benchmark::State& state) {
  velomare::bench::StartedProgram program;
  velomare::TChassisform* form = velomare::forms::Chassisform;
  form->ShowForm();
  QCoreApplication::processEvents();
  const QString texts[] = {"244,0", "244,", "244,5"};
  std::size_t i = 0;
  for (auto _ : state) {
    form->Edit3->setText(texts[i++ % 3]);
    form->repaint();
  }
}
BENCHMARK(BM_DriverWindowKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace

VELOMARE_BENCHMARK_MAIN()
