// One keystroke, scroll step or radio click in the attenuator window: the pad and the estimate
// recomputed, the settings file's spectrum read again, the labels and the 24 bars set, and the
// window repainted, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <cstdlib>

#include "OffscreenBenchmarks.h"
#include "app/AllForms.h"
#include "app/Startup.h"
#include "common/BandSpectrum.h"
#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"
#include "platform/Platform.h"

namespace {

struct Program {
  Program() {
    setenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit().constData(), 1);
    velomare::platform::InstallSeam(&seam);
    velomare::OpenSettings().WriteBool("Options", "AboutAtStart", false);
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

velomare::TDampfform* ShownAttenuator() {
  // A settings file with a whole spectrum, as every step reads it again.
  velomare::platform::IniFile settings = velomare::OpenSettings();
  velomare::SpectrumTexts spectrum = velomare::DanceSpectrum();
  spectrum.name = "Benchmark";
  velomare::WriteSpectrumSection(settings, spectrum);
  velomare::TDampfform* form = velomare::forms::Dampfform;
  form->show();
  form->RadioTP3->setChecked(true);
  return form;
}

// Alternates between two states of one control, each step followed by a repaint.
template <class Step>
void Alternate(benchmark::State& state, Step step) {
  Program program;
  velomare::TDampfform* form = ShownAttenuator();
  bool flip = false;
  for (auto _ : state) {
    step(form, flip);
    flip = !flip;
    form->repaint();
  }
}

void BM_AttenuatorKeystroke(benchmark::State& state) {
  Alternate(state, [](velomare::TDampfform* f, bool flip) { f->Edit3->setText(flip ? "80" : "120"); });
}

void BM_AttenuatorCutoffScrollStep(benchmark::State& state) {
  Alternate(state, [](velomare::TDampfform* f, bool flip) { f->ScrollBar3->setValue(flip ? 11 : 12); });
}

void BM_AttenuatorPadScrollStep(benchmark::State& state) {
  Alternate(state, [](velomare::TDampfform* f, bool flip) { f->ScrollBar1->setValue(flip ? 10 : 11); });
}

void BM_AttenuatorRadioClick(benchmark::State& state) {
  Alternate(state, [](velomare::TDampfform* f, bool flip) { (flip ? f->RadioHP3 : f->RadioHP5)->setChecked(true); });
}

}  // namespace

BENCHMARK(BM_AttenuatorKeystroke)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AttenuatorCutoffScrollStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AttenuatorPadScrollStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AttenuatorRadioClick)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) { return velomare::bench::RunOffscreenBenchmarks(argc, argv); }
