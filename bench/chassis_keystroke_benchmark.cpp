// One keystroke in the driver-data window as the user feels it: the edit's text changes, every
// derived value is computed again and the window is repainted at once, offscreen. This is the
// yardstick for every window that recomputes while the user types.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstdlib>

#include "OffscreenBenchmarks.h"
#include "app/AllForms.h"
#include "app/Startup.h"
#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"
#include "platform/Platform.h"

namespace {

void BM_DriverWindowKeystroke(benchmark::State& state) {
  QTemporaryDir dir;
  setenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit().constData(), 1);
  velomare::platform::Seam seam;
  velomare::platform::InstallSeam(&seam);
  velomare::OpenSettings().WriteBool("Options", "AboutAtStart", false);
  velomare::ResetCommittedDriver();
  velomare::CreateForms();
  velomare::TChassisform* form = velomare::forms::Chassisform;
  form->ShowForm();
  QCoreApplication::processEvents();
  const QString texts[] = {"244,0", "244,", "244,5"};
  std::size_t i = 0;
  for (auto _ : state) {
    form->Edit3->setText(texts[i++ % 3]);
    form->repaint();
  }
  velomare::DestroyForms();
  velomare::platform::InstallSeam(nullptr);
}
BENCHMARK(BM_DriverWindowKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return velomare::bench::RunOffscreenBenchmarks(argc, argv); }
