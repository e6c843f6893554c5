// Dragging in the comparison window redraws at every mouse move: four slots, the legend on,
// absolute mode with power; the diagram's layout alone, and layout plus paint offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QScrollBar>
#include <QTemporaryDir>
#include <cstdlib>

#include "OffscreenBenchmarks.h"
#include "app/AllForms.h"
#include "app/Startup.h"
#include "common/Settings.h"
#include "enclosures/model/ComparisonDrawing.h"
#include "enclosures/model/ComparisonStore.h"
#include "platform/Platform.h"

namespace {

void FillFourSlots() {
  for (int slot = 1; slot <= 4; ++slot) {
    velomare::ComparisonLevels levels;
    for (int f = 1; f <= 400; ++f) levels[static_cast<std::size_t>(f - 1)] = -40.0 / (1 + f * slot / 30.0);
    velomare::ComparisonHeader h;
    h.BoxType = static_cast<velomare::BoxType>(slot);
    h.DriverLabel = "Maker Model";
    h.DriverSpl = 88;
    velomare::StoreComparisonCurve(slot, levels, h);
  }
}

void BM_CompareLayout(benchmark::State& state) {
  FillFourSlots();
  velomare::ComparisonView view;
  view.channels = {true, true, true, true};
  view.absolute = true;
  view.power = true;
  view.bars = {10, 300, 12, 60};
  for (auto _ : state) benchmark::DoNotOptimize(velomare::ComputeComparisonDrawing(view));
}
BENCHMARK(BM_CompareLayout)->Unit(benchmark::kMicrosecond);

void BM_CompareDragRedraw(benchmark::State& state) {
  velomare::platform::Seam seam;
  velomare::platform::InstallSeam(&seam);
  QTemporaryDir dir;
  setenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit().constData(), 1);
  velomare::OpenSettings().WriteBool("Options", "AboutAtStart", false);
  velomare::CreateForms();
  FillFourSlots();
  velomare::TResultCompare* form = velomare::forms::ResultCompare;
  form->ShowForm();
  QCoreApplication::processEvents();
  form->CheckBox5->setChecked(true);
  form->CheckBox7->setChecked(true);
  form->BarFBreite->setValue(300);
  int i = 0;
  for (auto _ : state) {
    form->BarFMin->setValue(++i % 2 ? 20 : 30);
    form->repaint();
  }
  if (form->Drawing().listed != 4) state.SkipWithError("the four curves were not drawn");
  velomare::DestroyForms();
  velomare::platform::InstallSeam(nullptr);
}
BENCHMARK(BM_CompareDragRedraw)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return velomare::bench::RunOffscreenBenchmarks(argc, argv); }
