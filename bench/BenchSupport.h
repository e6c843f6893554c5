#pragma once
// The program started for a window benchmark: a fresh settings folder, a seam in place of a
// person, no about box. main() is OffscreenBenchmarks.h's.
#include <QTemporaryDir>
#include <cstdlib>

#include "OffscreenBenchmarks.h"
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
