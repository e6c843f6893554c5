// Dragging a size bar of the cuboid, the trapezoid or the pyramid window: each step recomputes the
// box and repaints the window (with its drawing, where it has one) at once, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <QTemporaryDir>
#include <cstdlib>

#include "calculators/Tpyramidebox.h"
#include "calculators/Tquaderbox.h"
#include "calculators/Ttrapezbox.h"
#include "driver/model/CommittedDriver.h"
#include "platform/Platform.h"

namespace {

template <class Form>
void DragBar(benchmark::State& state, QScrollBar* Form::*bar, bool drawn = true) {
  QTemporaryDir dir;
  setenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit().constData(), 1);
  velomare::ResetCommittedDriver();
  Form form;
  form.ShowForm();
  QCoreApplication::processEvents();
  QScrollBar* scroll = form.*bar;
  int position = scroll->minimum();
  for (auto _ : state) {
    position = position >= scroll->maximum() ? scroll->minimum() : position + 1;
    scroll->setValue(position);
    form.repaint();
  }
  if (drawn && !form.DrawingShown()) state.SkipWithError("the drawing was not shown");
}

void BM_CuboidWidthStep(benchmark::State& state) { DragBar(state, &velomare::Tquaderbox::breite); }
void BM_TrapezoidHeightStep(benchmark::State& state) { DragBar(state, &velomare::Ttrapezbox::hoehe); }
void BM_PyramidBottomEdgeStep(benchmark::State& state) { DragBar(state, &velomare::Tpyramidebox::ScrollBar1, false); }
BENCHMARK(BM_CuboidWidthStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TrapezoidHeightStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PyramidBottomEdgeStep)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  velomare::platform::Seam seam;
  velomare::platform::InstallSeam(&seam);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  velomare::platform::InstallSeam(nullptr);
  return 0;
}
