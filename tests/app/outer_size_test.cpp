// The windows whose diagrams and read-outs are laid out from the outer size open at their designed
// outer size, frame included, whatever frame the platform adds (2 pixels each side offscreen), and
// keep the size the user gives them when they are shown again.
#include <QCoreApplication>

#include "WindowTest.h"
#include "app/AllForms.h"

namespace velomare::test {
namespace {

using OuterSize = WindowsTest;

TEST_F(OuterSize, EveryWindowWithADesignedOuterSizeOpensAtIt) {
  const struct {
    const char* name;
    FormBase* form;
    QSize outer;
  } rows[] = {
      {"closed box", forms::closed, {700, 500}},       {"closed bandpass", forms::bandkiste, {790, 550}},
      {"comparison", forms::ResultCompare, {770, 550}}, {"bass reflex", forms::Reflex, {790, 580}},
      {"vented bandpass", forms::ventpass, {769, 550}}, {"open baffle", forms::offen, {635, 465}},
      {"horn", forms::Expo, {700, 475}},                {"impedance correction", forms::Imp, {700, 475}},
      {"trimode", forms::Tri, {700, 475}},              {"high pass", forms::HP, {700, 518}},
      {"band pass", forms::BP, {661, 480}},             {"low pass", forms::TP, {652, 483}},
      {"crossover", forms::weiche, {770, 550}},         {"cuboid", forms::quaderbox, {577, 418}},
      {"trapezoid", forms::trapezbox, {633, 423}},      {"pyramid", forms::pyramidebox, {595, 445}},
  };
  for (const auto& row : rows) {
    row.form->ShowForm();
    QCoreApplication::processEvents();
    EXPECT_EQ(row.form->frameGeometry().size(), row.outer) << row.name;
    // The user's size stays when the window is shown again.
    row.form->resize(row.form->size() + QSize(10, 20));
    row.form->hide();
    row.form->ShowForm();
    QCoreApplication::processEvents();
    EXPECT_EQ(row.form->frameGeometry().size(), row.outer + QSize(10, 20)) << row.name;
    row.form->hide();
  }
}

}  // namespace
}  // namespace velomare::test
