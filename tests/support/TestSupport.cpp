#include "TestSupport.h"

#include <QCoreApplication>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "app/Startup.h"
#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"
#include "driver/model/DisplacementCaller.h"
#include "enclosures/model/ComparisonStore.h"

namespace velomare::test {

TempSettingsFolder::TempSettingsFolder() {
  if (const char* prev = std::getenv("XDG_CONFIG_HOME")) {
    previous_ = prev;
    hadPrevious_ = true;
  }
  setenv("XDG_CONFIG_HOME", dir_.path().toStdString().c_str(), 1);
}

TempSettingsFolder::~TempSettingsFolder() {
  if (hadPrevious_)
    setenv("XDG_CONFIG_HOME", previous_.c_str(), 1);
  else
    unsetenv("XDG_CONFIG_HOME");
}

std::string TempSettingsFolder::Root() const { return dir_.path().toStdString(); }

std::string TempSettingsFolder::SettingsPath() const { return Root() + "/velomare/velomar.ini"; }

void TempSettingsFolder::WriteSettings(const std::string& bytes) const {
  std::system(("mkdir -p '" + Root() + "/velomare'").c_str());
  WriteFileBytes(SettingsPath(), bytes);
}

std::string TempSettingsFolder::ReadSettings() const { return ReadFileBytes(SettingsPath()); }

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

void ProgramTest::SetUp() {
  settings = std::make_unique<TempSettingsFolder>();
  ResetCommittedDriver();
  ResetProgramSettings();
  DisplacementCaller = 0;
  ResetComparisonStore();
  platform::InstallSeam(&seam);
}

void ProgramTest::TearDown() {
  if (started) DestroyForms();
  started = false;
  QCoreApplication::processEvents();
  platform::InstallSeam(nullptr);
  settings.reset();
}

void ProgramTest::StartProgram() {
  CreateForms();
  started = true;
}

}  // namespace velomare::test
