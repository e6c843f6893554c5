#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "platform/Platform.h"

int main(int argc, char** argv) {
  // Tests never open a real window or dialog.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  // Nothing may wait for a person: a test that forgets its own seam still gets answers.
  static velomare::platform::Seam fallback;
  velomare::platform::InstallSeam(&fallback);
  return RUN_ALL_TESTS();
}
