#pragma once
// The main() of the window benchmarks: an application object on the offscreen platform (unless
// the environment names another), then every registered benchmark.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/Startup.h"
#include "platform/Platform.h"

namespace velomare::bench {

inline int RunOffscreenBenchmarks(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

// The same with the whole program created, as at start-up: a fresh settings folder and a platform
// seam that answers every dialog, so a benchmark drives its window through the program's state.
inline int RunProgramBenchmarks(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  QTemporaryDir dir;
  setenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit().constData(), 1);
  platform::Seam seam;
  platform::InstallSeam(&seam);
  CreateForms();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  DestroyForms();
  platform::InstallSeam(nullptr);
  return 0;
}

}  // namespace velomare::bench
