// The horn window at each keystroke and each scroll-bar step: recompute, write the labels and
// repaint the window with its contour, offscreen.
#include <benchmark/benchmark.h>

#include "OffscreenBenchmarks.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/AllForms.h"
#include "app/Startup.h"
#include "platform/Platform.h"

namespace {

velomare::TExpo* ShownHornWindow() {
  velomare::TExpo* form = velomare::forms::Expo;
  form->ShowForm();
  form->FormActivate();
  QCoreApplication::processEvents();
  return form;
}

void BM_ExpoKeystroke(benchmark::State& state) {
  velomare::TExpo* form = ShownHornWindow();
  bool other = false;
  for (auto _ : state) {
    form->fu->setText(other ? "101" : "100");
    form->repaint();
    other = !other;
  }
}

void BM_ExpoScrollStep(benchmark::State& state) {
  velomare::TExpo* form = ShownHornWindow();
  int position = 0;
  for (auto _ : state) {
    form->ScrollBar1->setValue(position);
    form->repaint();
    position = (position + 1) % 60;
  }
}

BENCHMARK(BM_ExpoKeystroke)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExpoScrollStep)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return velomare::bench::RunProgramBenchmarks(argc, argv); }
