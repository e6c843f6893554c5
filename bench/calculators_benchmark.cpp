// One keystroke or scroll step in the calculator windows: the recomputation with its read-outs and
// the repaint of the window, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/AllForms.h"
#include "app/Startup.h"
#include "driver/model/CommittedDriver.h"
#include "platform/Platform.h"

namespace {

struct Program {
  Program() {
    setenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit().constData(), 1);
    velomare::platform::InstallSeam(&seam);
    velomare::ResetCommittedDriver();
    velomare::CreateForms();
  }
  ~Program() {
    velomare::DestroyForms();
    velomare::platform::InstallSeam(nullptr);
  }
  QTemporaryDir dir;
  velomare::platform::Seam seam;
};

void BM_MaxSplKeystroke(benchmark::State& state) {
  Program program;
  velomare::TDruck* form = velomare::forms::Druck;
  form->show();
  form->CheckBox_2->setChecked(true);
  form->CheckBox1->setChecked(true);
  bool flip = false;
  for (auto _ : state) {
    form->Edit1->setText(flip ? "90" : "91,5");
    flip = !flip;
    form->repaint();
  }
}

void BM_MaxSplScrollStep(benchmark::State& state) {
  Program program;
  velomare::TDruck* form = velomare::forms::Druck;
  form->show();
  bool flip = false;
  for (auto _ : state) {
    form->ScrollBar2->setValue(flip ? 100 : 101);
    flip = !flip;
    form->repaint();
  }
}

void BM_PortCalculatorKeystroke(benchmark::State& state) {
  Program program;
  velomare::TDurch* form = velomare::forms::Durch;
  form->show();
  bool flip = false;
  // The paint itself runs all four calculations, so one step is a change plus all four.
  for (auto _ : state) {
    form->Edit5->setText(flip ? "8" : "9");
    flip = !flip;
    form->repaint();
  }
}

// For comparison: the whole window rendered afresh into a new image, as no keystroke needs.
void BM_MaxSplWholeWindowRender(benchmark::State& state) {
  Program program;
  velomare::TDruck* form = velomare::forms::Druck;
  form->show();
  for (auto _ : state) benchmark::DoNotOptimize(form->grab());
}

BENCHMARK(BM_MaxSplKeystroke)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MaxSplScrollStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PortCalculatorKeystroke)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MaxSplWholeWindowRender)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
