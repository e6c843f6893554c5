#pragma once
// What every window benchmark needs: the program started offscreen in a fresh settings folder,
// with a seam in place of a person, and a main() that runs the benchmarks inside a QApplication.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/Startup.h"
#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"
#include "platform/Platform.h"

namespace velomare::bench {

// The 35 windows for the lifetime of one benchmark.
class StartedProgram {
 public:
  StartedProgram() {
    setenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit().constData(), 1);
    platform::InstallSeam(&seam_);
    OpenSettings().WriteBool("Options", "AboutAtStart", false);
    ResetCommittedDriver();
    CreateForms();
  }
  ~StartedProgram() {
    DestroyForms();
    platform::InstallSeam(nullptr);
  }
  StartedProgram(const StartedProgram&) = delete;
  StartedProgram& operator=(const StartedProgram&) = delete;

 private:
  QTemporaryDir dir_;
  platform::Seam seam_;
};

}  // namespace velomare::bench

#define VELOMARE_BENCHMARK_MAIN()                      \
  int main(int argc, char** argv) {                    \
    setenv("QT_QPA_PLATFORM", "offscreen", 0);         \
    QApplication application(argc, argv);              \
    benchmark::Initialize(&argc, argv);                \
    benchmark::RunSpecifiedBenchmarks();               \
    benchmark::Shutdown();                             \
    return 0;                                          \
  }
