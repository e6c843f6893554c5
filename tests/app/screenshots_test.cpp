// Renders every window in both languages to PNG files, to look at: into the folder that
// VELOMARE_SCREENSHOTS names (scripts/screenshots.sh), else into a temporary folder. Each image
// must be a real picture of its window: readable, not empty, the window's size.
#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

#include "TestSupport.h"
#include "app/Forms.h"
#include "common/Settings.h"

namespace velomare::test {
namespace {

class Screenshots : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    folder = qEnvironmentVariable("VELOMARE_SCREENSHOTS");
    if (folder.isEmpty()) folder = temporary.path();
    QDir().mkpath(folder);
  }
  // Saves the window's picture and checks what was written.
  void Render(QWidget* window, const QString& name) {
    const QString path = QString("%1/%2.png").arg(folder, name);
    ASSERT_TRUE(window->grab().save(path)) << path.toStdString();
    const QImage image(path);
    ASSERT_FALSE(image.isNull()) << path.toStdString();
    EXPECT_EQ(image.size(), window->size()) << name.toStdString();
    EXPECT_GT(QFileInfo(path).size(), 0) << name.toStdString();
  }
  QTemporaryDir temporary;
  QString folder;
};

TEST_F(Screenshots, EveryWindowInBothLanguages) {
  StartProgram();
  const QString only = qEnvironmentVariable("VELOMARE_SCREENSHOT_ONLY");
  for (const char* language : {"deutsch", "english"}) {
    OpenSettings().WriteString("Info", "Sprache", language);
    for (QWidget* w : forms::All()) {
      if (!only.isEmpty() && !only.split(',').contains(w->objectName())) continue;
      const bool wasVisible = w->isVisible();
      w->show();
      QCoreApplication::processEvents();
      w->grab();  // the first paint applies the texts
      Render(w, QString("%1-%2").arg(w->objectName(), language));
      if (!wasVisible) w->hide();
    }
  }
}

TEST_F(Screenshots, CompactMainWindow) {
  StartProgram();
  QWidget* main = forms::All().front();
  main->findChild<QAbstractButton*>("CheckBox1")->click();
  QCoreApplication::processEvents();
  Render(main, "Form1-compact");
}

}  // namespace
}  // namespace velomare::test
