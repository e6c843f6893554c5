// The fifteen windows that paint with the colour scheme read "color" at each paint and colour their
// background by it: 1 white, 2 the desktop colour, any other value the button face.
#include <QApplication>
#include <QPalette>
#include <utility>

#include "WindowTest.h"
#include "app/AllForms.h"

namespace velomare::test {
namespace {

using ColourScheme = WindowsTest;

TEST_F(ColourScheme, EveryColourAwareWindowTakesTheStoredSchemeAtEachPaint) {
  const std::pair<const char*, FormBase*> windows[] = {
      {"closed box", forms::closed},       {"closed bandpass", forms::bandkiste}, {"advisor", forms::wahl},
      {"driver data", forms::Chassisform}, {"bass reflex", forms::Reflex},        {"vented bandpass", forms::ventpass},
      {"horn", forms::Expo},               {"open baffle", forms::offen},         {"high pass", forms::HP},
      {"band pass", forms::BP},            {"low pass", forms::TP},               {"trimode", forms::Tri},
      {"cuboid", forms::quaderbox},        {"trapezoid", forms::trapezbox},       {"pyramid", forms::pyramidebox},
  };
  const std::pair<int, QColor> schemes[] = {
      {1, Qt::white}, {2, QColor(0, 128, 128)}, {7, QApplication::palette().color(QPalette::Button)}};
  for (const auto& [name, window] : windows) {
    window->ShowForm();
    for (const auto& [scheme, colour] : schemes) {
      OpenSettings().WriteInteger("Options", "color", scheme);
      test::Repaint(window);
      EXPECT_EQ(window->palette().color(QPalette::Window), colour) << name << " color=" << scheme;
    }
    window->hide();
  }
}

}  // namespace
}  // namespace velomare::test
