// Renders every window in both languages to PNG files when VELOMARE_SCREENSHOTS names a folder,
// so the windows can be looked at; skipped otherwise.
#include <QCoreApplication>
#include <QDir>
#include <QAbstractButton>
#include <QWidget>
#include <cstdlib>

#include "TestSupport.h"
#include "app/Forms.h"
#include "platform/plain/IniFile.h"
#include "common/Settings.h"

namespace velomare::test {
namespace {

class Screenshots : public ProgramTest {};

TEST_F(Screenshots, EveryWindowInBothLanguages) {
  const char* folder = std::getenv("VELOMARE_SCREENSHOTS");
  if (!folder) GTEST_SKIP() << "set VELOMARE_SCREENSHOTS to a folder to render the windows";
  QDir().mkpath(folder);
  StartProgram();
  for (const char* language : {"deutsch", "english"}) {
    OpenSettings().WriteString("Info", "Sprache", language);
    for (QWidget* w : forms::All()) {
      const QString only = qEnvironmentVariable("VELOMARE_SCREENSHOT_ONLY");
      if (!only.isEmpty() && !only.split(',').contains(w->objectName())) continue;
      w->show();
      QCoreApplication::processEvents();
      w->grab();  // the first paint applies the texts
      QCoreApplication::processEvents();
      w->grab().save(QString("%1/%2-%3.png").arg(folder, w->objectName(), language));
      if (w != forms::All().front()) w->hide();
    }
  }
}

}  // namespace
}  // namespace velomare::test

namespace velomare::test {
namespace {

TEST_F(Screenshots, CompactMainWindow) {
  const char* folder = std::getenv("VELOMARE_SCREENSHOTS");
  if (!folder) GTEST_SKIP() << "set VELOMARE_SCREENSHOTS to a folder to render the windows";
  QDir().mkpath(folder);
  StartProgram();
  QWidget* main = forms::All().front();
  auto* box = main->findChild<QAbstractButton*>("CheckBox1");
  box->click();
  QCoreApplication::processEvents();
  main->grab().save(QString("%1/Form1-compact.png").arg(folder));
}

}  // namespace
}  // namespace velomare::test
