// Start-up as a user feels it: all 35 windows created and the main window shown, from an empty
// settings folder (the first start) and from one that holds a driver.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "app/Startup.h"
#include "common/NumberText.h"
#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"
#include "platform/Platform.h"

namespace {

void StartUp(benchmark::State& state, bool withSettings) {
  velomare::platform::Seam seam;
  velomare::platform::InstallSeam(&seam);
  for (auto _ : state) {
    state.PauseTiming();
    QTemporaryDir dir;
    setenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit().constData(), 1);
    if (withSettings) {
      velomare::platform::IniFile ini = velomare::OpenSettings();
      ini.WriteString("Chassis", "name", "Bench");
      ini.WriteString("Chassis", "Qts", "0,38");
      ini.WriteBool("Options", "AboutAtStart", false);
    }
    velomare::ResetCommittedDriver();
    state.ResumeTiming();

    velomare::CreateForms();
    QCoreApplication::processEvents();

    state.PauseTiming();
    velomare::DestroyForms();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
  velomare::platform::InstallSeam(nullptr);
}

void BM_FirstStart(benchmark::State& state) { StartUp(state, false); }
void BM_StartWithSettings(benchmark::State& state) { StartUp(state, true); }
BENCHMARK(BM_FirstStart)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartWithSettings)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // The start as the user sees it, once: from main() through the application object to every
  // window created and the main window shown, with an empty settings folder.
  const auto begin = std::chrono::steady_clock::now();
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  {
    QTemporaryDir dir;
    setenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit().constData(), 1);
    velomare::platform::Seam seam;
    velomare::platform::InstallSeam(&seam);
    velomare::CreateForms();
    QCoreApplication::processEvents();
    const auto shown = std::chrono::steady_clock::now();
    // FormatFixed, not "%.1f": the C library's locale is the desktop's once QApplication exists.
    std::printf("main() to main window shown, 35 windows created: %s ms\n",
                velomare::FormatFixed(std::chrono::duration<double, std::milli>(shown - begin).count(), 0, 1).c_str());
    velomare::DestroyForms();
    velomare::platform::InstallSeam(nullptr);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
