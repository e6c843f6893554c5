// Renders every window in both languages to PNG files, to look at: into the folder that
// VELOMARE_SCREENSHOTS names (scripts/screenshots.sh), else into a temporary folder. Each image
// must be a real picture of its window: readable and the window's size.
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "app/Forms.h"

namespace velomare::test {
namespace {

using Screenshots = ProgramTest;

TEST_F(Screenshots, EveryWindowInBothLanguages) {
  QTemporaryDir temporary;
  QString folder = qEnvironmentVariable("VELOMARE_SCREENSHOTS");
  if (folder.isEmpty()) folder = temporary.path();
  QDir().mkpath(folder);
  StartProgram();
  const QString only = qEnvironmentVariable("VELOMARE_SCREENSHOT_ONLY");
  for (const char* language : {"deutsch", "english"}) {
    SetLanguageSetting(language);
    for (QWidget* w : forms::All()) {
      if (!only.isEmpty() && !only.split(',').contains(w->objectName())) continue;
      const bool wasVisible = w->isVisible();
      w->show();
      Repaint(w);  // the first paint applies the texts
      const QString path = QString("%1/%2-%3.png").arg(folder, w->objectName(), language);
      ASSERT_TRUE(w->grab().save(path)) << path.toStdString();
      EXPECT_EQ(QImage(path).size(), w->size()) << path.toStdString();
      if (!wasVisible) w->hide();
    }
  }
}

}  // namespace
}  // namespace velomare::test
