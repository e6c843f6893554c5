// The closed bandpass window driven through its controls offscreen.
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <functional>

#include "WindowTest.h"
#include "app/AllForms.h"
#include "common/NumberText.h"
#include "driver/model/CommittedDriver.h"
#include "enclosures/ResponseDiagram.h"
#include "enclosures/model/ComparisonStore.h"

namespace velomare::test {
namespace {

class BandpassWindow : public WindowTest<Tbandkiste, &forms::bandkiste> {};

TEST_F(BandpassWindow, ScrollBarsRunTheDesignTheEditsRecalculateAndSurviveAReturn) {
  Tbandkiste* f = form();
  EXPECT_EQ(TextsOf({f->Edit5, f->Edit6}), QStringList({"49,3", "59,1"}));  // the built-in driver's design
  Activate();
  f->ScrollBar1->setValue(7);  // Qt range 0.45 .. 1.10: position 100 stays
  EXPECT_EQ(f->ScrollBar2->maximum(), 110);
  f->ScrollBar1->setValue(4);  // minimum 80 > 0.41 x 100, range 80..200
  EXPECT_EQ(f->ScrollBar2->minimum(), 80);
  f->ScrollBar2->setValue(200);
  f->ScrollBar1->setValue(7);  // the position moves to 110 and its handler designs for it
  EXPECT_EQ(f->ScrollBar2->value(), 110);
  EXPECT_EQ(f->Label2->text(), "Gesamtgüte / Qt = 1.10");
  EXPECT_DOUBLE_EQ(f->State().vg, ReadNumber(f->Edit5->text().toStdString()));  // the values as shown
  EXPECT_DOUBLE_EQ(f->State().vr, ReadNumber(f->Edit6->text().toStdString()));
  const double vr = f->State().vr;
  f->CheckBox1->setChecked(true);  // push-pull halves the chambers and changes the drawing
  EXPECT_TRUE(f->Image2->isVisible());
  EXPECT_NEAR(f->State().vr, vr / 2, 0.06);
  Type(f->Edit4, "20");  // a hand edit recalculates the tuning at once
  EXPECT_DOUBLE_EQ(f->State().portLength, 20.0);
  EXPECT_TRUE(f->Label18->text().startsWith("fr = "));
}

TEST_F(BandpassWindow, DiagramMarksItsMaximumDrawsItsGridAndReadsThePointerIntoTheCaption) {
  Tbandkiste* f = form();
  Type(f->Edit1, "12");
  Activate();
  ASSERT_TRUE(DiagramShown());
  const ResponsePlot& plot = *f->Diagram->Plot();
  EXPECT_TRUE(std::any_of(plot.items.begin(), plot.items.end(),
                          [](const PlotItem& i) { return i.kind == PlotItem::Text && i.text.rfind("max ", 0) == 0; }));
  const auto hasLine = [&](int x1, int y1, int x2, int y2) {
    return std::any_of(plot.items.begin(), plot.items.end(), [&](const PlotItem& i) {
      return i.kind == PlotItem::Line && i.x1 == x1 && i.y1 == y1 && i.x2 == x2 && i.y2 == y2;
    });
  };
  for (int y : {257, 340, 422, 505}) EXPECT_TRUE(hasLine(15, y, 775, y)) << y;
  for (int x : {157, 487, 630, 772}) EXPECT_TRUE(hasLine(x, 175, x, 505)) << x;
  MoveMouse(QPoint(488, 257));  // 100 Hz, 0 dB up to the line's truncation
  EXPECT_TRUE(f->windowTitle().startsWith(QString::fromUtf8("Geschlossenes Bandpaßgehäuse (cursor 100,1Hz / 0,")))
      << Title();
}

TEST_F(BandpassWindow, NoDiagramStoreOrExportWhileThePortDoesNotTune) {
  Tbandkiste* f = form();
  Activate();
  Type(f->Edit1, "8");  // the built-in driver: port length -0,7 cm
  EXPECT_EQ(f->Edit4->text(), "-0,7");
  EXPECT_EQ(f->Label18->text(), "fr = 0.0 Hz");
  EXPECT_FALSE(DiagramShown());
  Choose(f->exportbox, 1);
  Choose(f->exportbox, 4);
  f->Button5->click();
  EXPECT_EQ(seam.messages, QStringList(3, "keine simulationsdaten / no data"));
  EXPECT_TRUE(FilledComparisonSlots().empty());
  EXPECT_TRUE(seam.fileDialogs.isEmpty());
  Type(f->Edit4, "");
  Choose(f->exportbox, 0);
  EXPECT_FALSE(ComparisonSlotFilled(1));
}

TEST_F(BandpassWindow, ExportWritesTheBandpassFileInTheWindowsLanguageAndStoreTheEditedChambers) {
  Tbandkiste* f = form();
  Activate();
  Type(f->Edit1, "12");
  const QString path = TempPath("bp.txt");
  std::vector<std::string> lines = SplitCrLfLines(ExportFile(path));
  EXPECT_EQ(seam.fileDialogs.value(0).defaultName, "bandpass");
  ASSERT_EQ(lines.size(), 418u);
  EXPECT_EQ(lines[8], "Einbau in Bandpass-Geh\xe4use");
  EXPECT_EQ(lines[10], "volumen g (l)\t" + DotToComma(FormatFixed(f->State().vg, 1, 3)));
  EXPECT_EQ(lines[13], "Rohrdurchmesser\t12,0");
  EXPECT_EQ(seam.messages.value(0), "Dateiexport erfolgreich / file export successful");
  EXPECT_EQ(lines[15], "Rohr verwendet");
  EXPECT_EQ(lines[17], "f (Hz)\tlevel (dB)");
  // English, push-pull, a tunnel: the tunnel line carries the two edits as typed.
  SetLanguage("english");
  Reactivate();
  f->RadioButton2->setChecked(true);
  Type(f->Edit2, "12,5");
  Type(f->Edit3, "9");
  f->CheckBox1->setChecked(true);
  f->Button5->click();
  EXPECT_EQ(seam.questions.value(0), "überschreibe / overwrite " + path + " ?");
  lines = SplitCrLfLines(ReadFileBytes(path.toStdString()));
  ASSERT_EQ(lines.size(), 418u);
  EXPECT_EQ(lines[8], "in closed band pass box with push-pull");
  EXPECT_EQ(lines[15], "rectangle port 12,5 x 9 cm used");
  EXPECT_EQ(lines[18].find(','), std::string::npos);
  Choose(f->exportbox, 2);
  ASSERT_TRUE(ComparisonSlotFilled(3));
  const ComparisonHeader& h = ComparisonHeaderOf(3);
  EXPECT_EQ(h.BoxType, BoxType::ClosedBandpass);
  EXPECT_EQ(h.Multiple, 2);
  EXPECT_DOUBLE_EQ(h.Volume1, ReadNumber(f->Edit5->text().toStdString()));
  EXPECT_NEAR(h.PortArea1, 12.5 * 9, 1e-9);
  // A folder that cannot be written: a failure, no success, no file.
  seam.messages.clear();
  FileDialogAnswers(TempPath("no/such/x.txt"));
  Choose(f->exportbox, 4);
  ASSERT_EQ(seam.messages.size(), 1);
  EXPECT_FALSE(seam.messages[0].contains("erfolgreich"));
  EXPECT_FALSE(QFile::exists(TempPath("no/such/x.txt")));
}

TEST_F(BandpassWindow, PicturesHelpAndPrintAnswerAndTheCaptionFollowsTheLanguage) {
  Tbandkiste* f = form();
  Type(f->Edit1, "12");
  Activate();
  Click(f->Label1);
  EXPECT_TRUE(reinterpret_cast<QWidget*>(forms::swerte)->isVisible());
  Click(f->Label2);
  EXPECT_TRUE(reinterpret_cast<QWidget*>(forms::gueten)->isVisible());
  ExpectHelpAndPrint(f->Button3, "QTX_contents0006", f->Button1);
  SetLanguage("english");
  f->CheckBox1->setChecked(true);
  Reactivate();
  MoveMouse(QPoint(487, 300), Qt::LeftButton);
  EXPECT_TRUE(f->windowTitle().startsWith("closed band pass subwoofer with push-pull (curve ")) << Title();
  f->grab();
  EXPECT_EQ(f->RadioButton2->text(), "tunnel");
}

TEST_F(BandpassWindow, AQlSetByHandSurvivesTheRestoreAndANewDesignAsTheWholeSectionDoes) {
  Tbandkiste* f = form();
  Option("SaveBox", true);
  Activate();
  EXPECT_EQ(TextsOf({f->Edit1, f->Edit2, f->Edit3}), QStringList({"8", "10", "5"}));  // the fallbacks
  Type(f->Edit1, "13,5");
  f->ScrollBar1->setValue(5);
  f->ScrollBar2->setValue(120);
  f->RadioButton2->setChecked(true);
  f->CheckBox1->setChecked(true);
  f->CheckBox2->setChecked(false);
  f->ScrollBar3->setValue(77);
  Reactivate();
  EXPECT_EQ(f->Edit1->text(), "13,5");  // no restore while the window stays shown
  f->Button2->click();
  Type(f->Edit1, "3");
  f->ScrollBar1->setValue(6);  // a changed S, which the restore puts back: designs run
  f->RadioButton1->setChecked(true);
  Activate();
  EXPECT_FALSE(f->CheckBox2->isChecked());
  EXPECT_EQ(f->State().ql, 77);
  EXPECT_EQ(f->Label16->text().toStdString(), "Verlustfaktor Ql = 77");
  EXPECT_EQ(f->Edit1->text(), "13.5");
  EXPECT_EQ(QList<int>({f->ScrollBar1->value(), f->ScrollBar2->value()}), QList<int>({5, 120}));
  EXPECT_TRUE(f->RadioButton2->isChecked() && f->CheckBox1->isChecked());
}

TEST_F(BandpassWindow, AnyTextInAnyEditShowsNoNanOrInf) {
  Tbandkiste* f = form();
  Activate();
  const auto stored = [&](const QString&) {
    Choose(f->exportbox, 0);
    for (int i = 1; i <= 400; ++i) ASSERT_TRUE(std::isfinite(ComparisonCurveOf(1)[i]));
  };
  TypeIntoEach({f->Edit1, f->Edit4, f->Edit5, f->Edit6}, BadNumberTexts(), stored);
  f->RadioButton2->setChecked(true);
  Type(f->Edit3, "0");
  TypeIntoEach({f->Edit2}, BadNumberTexts(), stored);
}

TEST_F(BandpassWindow, ANormalDriverAfterOneWithQtsOfOneGivesTheScrollBarsBack) {
  Tbandkiste* f = form();
  CommitDriver({{&TChassisform::Edit1, "1"}, {&TChassisform::Edit2, "1,5"}});
  Activate();
  EXPECT_FALSE(f->ScrollBar2->isEnabled());
  EXPECT_EQ(f->ScrollBar2->minimum(), 101);  // Qt must exceed Qts
  CommitDriver({{&TChassisform::Edit1, "0,4"}, {&TChassisform::Edit2, "0,45"}});
  Activate();
  EXPECT_TRUE(f->ScrollBar1->isEnabled() && f->ScrollBar2->isEnabled());
  EXPECT_EQ(QList<int>({f->ScrollBar2->minimum(), f->ScrollBar2->maximum()}), QList<int>({50, 130}));  // S = 0.6
}

TEST_F(BandpassWindow, StartsWithTheBuiltInDriverAndShowsTheEditsAsTheStateHoldsThem) {
  Tbandkiste* f = form();
  EXPECT_EQ(f->frameGeometry().size(), QSize(790, 550));
  EXPECT_EQ(f->ScrollBar1->value(), 6);
  EXPECT_EQ(f->ScrollBar2->minimum(), 50);
  EXPECT_EQ(f->ScrollBar2->maximum(), 130);
  EXPECT_EQ(f->ScrollBar2->value(), 100);
  EXPECT_TRUE(f->RadioButton1->isChecked());
  EXPECT_FALSE(f->Edit2->isEnabled());
  EXPECT_EQ(f->Edit1->text(), "10");
  // Built-in driver: fb = 29 / 0.41, Vr = (1.2 x 0.41)^2 x 244, Vg = 244 / ((1 / 0.41)^2 - 1).
  EXPECT_EQ(f->Edit4->text(), "0,7");
  EXPECT_EQ(f->Edit5->text(), "49,3");
  EXPECT_EQ(f->Edit6->text(), "59,1");
  EXPECT_DOUBLE_EQ(f->State().vg, 49.3);
  EXPECT_DOUBLE_EQ(f->State().vr, 59.1);
  EXPECT_DOUBLE_EQ(f->State().portLength, 0.7);
  EXPECT_EQ(f->ScrollBar3->value(), 8);  // whole part of sqrt(3000 / 59.1) + 1 = 8.12
  EXPECT_EQ(f->State().ql, 8);
  EXPECT_EQ(f->Label17->text(), "Qtc = 1.00");
  EXPECT_EQ(f->Label11->text(), "Resonanzfrequenz fr = 70.7 Hz");
  EXPECT_EQ(f->exportbox->currentText(), "export");
  EXPECT_FALSE(f->Button5->isVisible());
  EXPECT_FALSE(f->Image2->isVisible());
}

TEST_F(BandpassWindow, ScrollBarsRunTheDesignAndTheEditsRecalculate) {
  Tbandkiste* f = form();
  Activate();
  f->ScrollBar1->setValue(7);  // Qt range 0.45 .. 1.10: position 100 stays
  EXPECT_EQ(f->ScrollBar2->maximum(), 110);
  EXPECT_EQ(f->Label1->text(), "Kurvenform / S = 0.7");
  f->ScrollBar2->setValue(110);
  f->ScrollBar1->setValue(6);
  f->ScrollBar1->setValue(7);
  f->ScrollBar1->setValue(4);  // minimum 80 > 0.41 x 100: position 110 stays, range 80..200
  EXPECT_EQ(f->ScrollBar2->minimum(), 80);
  f->ScrollBar2->setValue(200);
  f->ScrollBar1->setValue(7);  // the position moves to 110 and its handler designs for it
  EXPECT_EQ(f->ScrollBar2->value(), 110);
  EXPECT_EQ(f->Label2->text(), "Gesamtgüte / Qt = 1.10");
  EXPECT_DOUBLE_EQ(f->State().qt, 1.10);
  EXPECT_EQ(f->Edit5->text().toStdString(), DotToComma(FormatFixed(244 / (std::pow(1.1 / 0.41, 2) - 1), 2, 1)));
  // Manual Ql.
  f->CheckBox2->setChecked(false);
  f->ScrollBar3->setValue(33);
  EXPECT_EQ(f->State().ql, 33);
  EXPECT_EQ(f->Label16->text(), "Verlustfaktor Ql = 33");
}

TEST_F(BandpassWindow, HandEditsSurviveAReturnToTheWindowButNotAnotherDriver) {
  Tbandkiste* f = form();
  Activate();
  Type(f->Edit5, "30");
  Reactivate();
  EXPECT_EQ(f->Edit5->text(), "30");
  ChassisQts = 0.35;
  Reactivate();
  EXPECT_NE(f->Edit5->text(), "30");
  EXPECT_DOUBLE_EQ(f->State().designedFor.qts, 0.35);
}

TEST_F(BandpassWindow, DiagramLiesOnItsGridAndFollowsAutoBoxSim) {
  Tbandkiste* f = form();
  Type(f->Edit1, "12");
  Activate();
  ASSERT_TRUE(DiagramShown());
  const ResponsePlot& plot = *f->Diagram->Plot();
  const auto marker = std::find_if(plot.items.begin(), plot.items.end(),
                                   [](const PlotItem& i) { return i.kind == PlotItem::Text && i.text.rfind("max ", 0) == 0; });
  ASSERT_NE(marker, plot.items.end());
  EXPECT_NE(marker->text.find("dB @ "), std::string::npos);
  EXPECT_GT(plot.peakFrequency, f->State().lowerLimit);
  for (const auto& [x, y] : plot.curve) EXPECT_GE(y, 175 + 82 - 82 * 12 / 10 - 1);  // +12 dB clamp

  Option("AutoBoxSim", false);
  Reactivate();
  Type(f->Edit5, "40");
  EXPECT_FALSE(DiagramShown());
  f->Button4->click();
  EXPECT_TRUE(DiagramShown());
  f->grab();
  EXPECT_TRUE(DiagramShown());  // a repaint keeps it
  f->ScrollBar3->setValue(f->ScrollBar3->value() + 1);
  EXPECT_FALSE(DiagramShown());
}

TEST_F(BandpassWindow, DesignsRunByTheScrollBarsAndPushPullRedrawTheDiagramForTheirValues) {
  Tbandkiste* f = form();
  Type(f->Edit1, "12");
  Activate();
  // Each of these runs a whole design, whose edits ask for a redraw while it runs: the diagram
  // must show the new design, the same one the simulation button draws afresh.
  const std::pair<const char*, std::function<void()>> steps[] = {
      {"Qt", [&] { f->ScrollBar2->setValue(80); }},
      {"S", [&] { f->ScrollBar1->setValue(5); }},
      {"push-pull", [&] { f->CheckBox1->setChecked(true); }},
  };
  for (const auto& [name, step] : steps) {
    ASSERT_TRUE(DiagramShown()) << name;
    const auto before = f->Diagram->Plot()->curve;
    step();
    ASSERT_TRUE(DiagramShown()) << name;
    const auto shown = f->Diagram->Plot()->curve;
    EXPECT_NE(shown, before) << name;
    f->Button4->click();
    EXPECT_EQ(shown, f->Diagram->Plot()->curve) << name;
  }
}

TEST_F(BandpassWindow, StoreFillsTheChosenSlotWithTheEditedChambers) {
  Tbandkiste* f = form();
  Activate();
  Type(f->Edit1, "12");
  f->CheckBox1->setChecked(true);
  Choose(f->exportbox, 2);
  EXPECT_TRUE(seam.messages.isEmpty());
  ASSERT_TRUE(ComparisonSlotFilled(3));
  EXPECT_EQ(f->exportbox->currentText(), "# 3");
  const ComparisonHeader& h = ComparisonHeaderOf(3);
  EXPECT_EQ(h.BoxType, BoxType::ClosedBandpass);
  EXPECT_EQ(h.Multiple, 2);
  EXPECT_EQ(h.BoxQl, f->State().ql);
  EXPECT_DOUBLE_EQ(h.Volume1, ReadNumber(f->Edit5->text().toStdString()));
  EXPECT_DOUBLE_EQ(h.Volume2, ReadNumber(f->Edit6->text().toStdString()));
  EXPECT_NEAR(h.PortArea1, 36 * M_PI, 1e-9);
  EXPECT_EQ(h.DriverLabel, "VISATON W 300 NG (8 Ohm)");
  // Every stored level is the closed bandpass model of the chambers as the edits show them, tuned
  // by the 12 cm tube (Helmholtz, end correction 1.463 r), push-pull halving Vas.
  const double vg = ReadNumber(f->Edit5->text().toStdString()), vr = ReadNumber(f->Edit6->text().toStdString());
  const double length = ReadNumber(f->Edit4->text().toStdString()), r = 6;
  const double qts = ChassisQts, fs = ChassisFs, a = ChassisVas / 2;
  const double ft = std::sqrt(94400 * r * r / (vr * (length + 1.463 * r)));
  const double ql = std::floor(std::sqrt(3000 / vr) + 1);
  ASSERT_EQ(f->Label16->text(), QString("Verlustfaktor Ql = %1").arg(ql));
  EXPECT_TRUE(StoredLevelsAre(
      3,
      [&](int hertz) {
        const double fr = hertz;
        const double t1 = std::pow(fr, 4) / (ft * ft), t2 = std::pow(fr, 3) * (1 / ql + fs / (ft * qts)) / ft;
        const double t3 = fr * fr * (1 + fs * (fs * (1 + a / vg + a / vr) / ft + 1 / (qts * ql)) / ft);
        const double t4 = fr * fs * (1 / qts + fs * (1 + a / vg) / (ft * ql)), t5 = fs * fs * (1 + a / vg);
        return 20 * std::log10(fr * fr / std::hypot(t1 - t3 + t5, t4 - t2));
      },
      1e-9));
  // The same item chosen again acts again.
  EmptyComparisonSlot(3);
  Choose(f->exportbox, 2);
  EXPECT_TRUE(ComparisonSlotFilled(3));
}

TEST_F(BandpassWindow, CaptionReadOutFollowsThePointerAndTheLanguage) {
  Tbandkiste* f = form();
  Type(f->Edit1, "12");
  Activate();
  EXPECT_EQ(f->windowTitle(), QString::fromUtf8("Geschlossenes Bandpaßgehäuse"));
  MoveMouse(QPoint(488, 257));  // 100 Hz, 0 dB up to the line's truncation
  EXPECT_TRUE(f->windowTitle().startsWith(QString::fromUtf8("Geschlossenes Bandpaßgehäuse (cursor 100,1Hz / 0,")))
      << Title();
  MoveMouse(QPoint(400, 100));
  EXPECT_EQ(f->windowTitle(), QString::fromUtf8("Geschlossenes Bandpaßgehäuse"));
  SetLanguage("english");
  f->CheckBox1->setChecked(true);
  Reactivate();
  MoveMouse(QPoint(487, 300), Qt::LeftButton);
  EXPECT_TRUE(f->windowTitle().startsWith("closed band pass subwoofer with push-pull (curve ")) << Title();
  EXPECT_TRUE(f->windowTitle().endsWith(" Hz)"));
  EXPECT_FALSE(f->windowTitle().contains(','));
  f->grab();
  EXPECT_EQ(f->Label12->text(), "SPL =  92 dB");
  EXPECT_EQ(f->Button2->text(), "&close");
}

TEST_F(BandpassWindow, SectionIsRestoredOncePerShowWithFallbacksAndSavedOnClose) {
  Tbandkiste* f = form();
  Option("SaveBox", true);
  Activate();
  EXPECT_EQ(f->Edit1->text(), "8");
  EXPECT_EQ(f->Edit2->text(), "10");
  EXPECT_EQ(f->Edit3->text(), "5");
  EXPECT_EQ(f->ScrollBar1->value(), 6);
  EXPECT_EQ(f->ScrollBar2->value(), 100);
  Type(f->Edit1, "13,5");
  f->ScrollBar1->setValue(5);
  f->ScrollBar2->setValue(120);
  f->RadioButton2->setChecked(true);
  f->CheckBox1->setChecked(true);
  Reactivate();
  EXPECT_EQ(f->Edit1->text(), "13,5");  // no restore while the window stays shown
  f->Button2->click();
  const platform::IniFile ini = OpenSettings();
  EXPECT_EQ(ini.ReadString("geschl.Bandpass", "Durchmesser", ""), "13.5");
  EXPECT_EQ(ini.ReadString("geschl.Bandpass", "S", ""), "5");
  EXPECT_EQ(ini.ReadString("geschl.Bandpass", "Qt", ""), "120");
  Type(f->Edit1, "3");
  f->ScrollBar1->setValue(6);
  f->RadioButton1->setChecked(true);
  Activate();
  EXPECT_EQ(f->Edit1->text(), "13.5");
  EXPECT_EQ(f->ScrollBar1->value(), 5);
  EXPECT_EQ(f->ScrollBar2->value(), 120);
  EXPECT_TRUE(f->RadioButton2->isChecked());
  EXPECT_TRUE(f->CheckBox1->isChecked());
  EXPECT_TRUE(f->Edit2->isEnabled());
}

TEST_F(BandpassWindow, ADriverWithHighQtsKeepsAValidRangeAndDisablesTheScrollBars) {
  Tbandkiste* f = form();
  ChassisQts = 1.3;
  Activate();
  f->ScrollBar1->setValue(7);
  EXPECT_LE(f->ScrollBar2->minimum(), f->ScrollBar2->maximum());
  EXPECT_FALSE(f->ScrollBar1->isEnabled());
  EXPECT_FALSE(f->ScrollBar2->isEnabled());
  EXPECT_EQ(f->Edit5->text(), "");
  EXPECT_EQ(f->Label11->text(), "Resonanzfrequenz fr =  Hz");
  Choose(f->exportbox, 0);
  EXPECT_EQ(seam.messages.value(0), "keine simulationsdaten / no data");
}

TEST_F(BandpassWindow, PrintAnsweredNoPrintsNothing) {
  Tbandkiste* f = form();
  Activate();
  AnswerNo();
  f->Button1->click();
  EXPECT_EQ(seam.questions.value(0), "Fenster drucken?");
  EXPECT_TRUE(seam.printed.isEmpty());
}

}  // namespace
}  // namespace velomare::test
