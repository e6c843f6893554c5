// The two measurement windows recompute at every keystroke: one edit change (the computation and
// the label writes it makes), and the same followed by an immediate repaint of the whole window,
// offscreen, as the driver-data window's keystroke benchmark measures it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/AllForms.h"
#include "app/Startup.h"
#include "platform/Platform.h"

namespace {

// Fills the Thiele-Small window with the worked readings, so that every result is computed.
void FillTspara(velomare::Ttspara* f) {
  const std::pair<QLineEdit*, const char*> readings[] = {
      {f->Edit1, "6,8"}, {f->Edit2, "29"}, {f->Edit3, "40"},   {f->Edit4, "22"},     {f->Edit5, "38"},
      {f->Edit6, "1"},   {f->Edit7, "12"}, {f->Edit8, "25,3"}, {f->Edit9, "24"},     {f->Edit16, "Maker"},
      {f->Edit17, "Model"}};
  for (const auto& [edit, text] : readings) edit->setText(text);
}

// A keystroke alternates the peak between two values that both give every result.
template <class Form>
void Keystroke(benchmark::State& state, Form* form, QLineEdit* edit, const char* a, const char* b, bool repaint) {
  bool flip = false;
  for (auto _ : state) {
    edit->setText((flip = !flip) ? a : b);
    if (repaint) form->repaint();
  }
}

void BM_TsparaKeystroke(benchmark::State& state) {
  auto* f = velomare::forms::tspara;
  Keystroke(state, f, f->Edit3, "40", "41", false);
}
void BM_TsparaKeystrokeAndRepaint(benchmark::State& state) {
  auto* f = velomare::forms::tspara;
  Keystroke(state, f, f->Edit3, "40", "41", true);
}
void BM_QLmessKeystroke(benchmark::State& state) {
  auto* f = velomare::forms::QLmess;
  Keystroke(state, f, f->Edit8, "10,0", "10,5", false);
}
void BM_QLmessKeystrokeAndRepaint(benchmark::State& state) {
  auto* f = velomare::forms::QLmess;
  Keystroke(state, f, f->Edit8, "10,0", "10,5", true);
}
BENCHMARK(BM_TsparaKeystroke)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TsparaKeystrokeAndRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QLmessKeystroke)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QLmessKeystrokeAndRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  QTemporaryDir dir;
  setenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit().constData(), 1);
  velomare::platform::Seam seam;
  velomare::platform::InstallSeam(&seam);
  velomare::CreateForms();
  velomare::forms::tspara->ShowForm();
  velomare::forms::QLmess->ShowForm();
  FillTspara(velomare::forms::tspara);
  QCoreApplication::processEvents();

  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  velomare::DestroyForms();
  velomare::platform::InstallSeam(nullptr);
  return 0;
}
