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

// The same with the program's windows created as at start, on an empty settings folder, with a
// seam in place of the person, for the benchmarks that drive a window.
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
