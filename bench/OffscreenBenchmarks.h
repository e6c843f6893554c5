#pragma once
// The main() of the window benchmarks: an application object on the offscreen platform (unless
// the environment names another), then every registered benchmark.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

namespace velomare::bench {

inline int RunOffscreenBenchmarks(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace velomare::bench
