#pragma once
// The settings window opened as the user opens it, from the main window's menu.
#include <QTabWidget>

#include "TestSupport.h"
#include "app/AllForms.h"

namespace velomare::test {

class OptionsTest : public ProgramTest {
 protected:
  // Starts the program when it is not running yet, opens the window, paints it once and turns
  // to the page given (0 to 4), or stays on the page shown for -1.
  Toptions* Open(int page = -1) {
    if (!started) StartProgram();
    forms::Form1->Optionen1->trigger();
    EXPECT_TRUE(forms::options->isVisible());
    Repaint(forms::options);
    if (page >= 0) forms::options->TabbedNotebook1->setCurrentIndex(page);
    return forms::options;
  }
};

}  // namespace velomare::test
