#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <tuple>

#include "WindowTest.h"
#include "app/AllForms.h"
#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"

namespace velomare::test {
namespace {

class Advisor : public WindowTest<Twahl, &forms::wahl> {
 protected:
  Twahl* Open() {
    forms::Form1->Auswahl->click();
    EXPECT_TRUE(form()->isVisible());
    Repaint();
    return form();
  }
  static int Shown(const std::array<QLabel*, 5>& symbols) {
    int n = 0;
    for (QLabel* s : symbols) n += s->isVisibleTo(s->parentWidget()) ? 1 : 0;
    return n;
  }
};

TEST_F(Advisor, DefaultDriverAt500LitresInBothLanguages) {
  Twahl* w = Open();
  EXPECT_EQ(w->windowTitle(), "Gehäusetyp-Tips für VISATON W 300 NG (8 Ohm)");
  EXPECT_EQ(w->Volumen->text(), "500 l");
  EXPECT_EQ(w->Label2->text(), "Eignung für geschlossenes Gehäuse : sehr gut");
  EXPECT_EQ(w->Label3->text(), "Eignung für Baßreflexgehäuse : bedingt");
  EXPECT_EQ(w->Label4->text(), "Eignung für geschlossenen Bandpass : möglich");
  EXPECT_EQ(w->Label16->text(), "Eignung für ventilierten Bandpass : schlecht");
  EXPECT_EQ(w->Label5->text(), "Free-Air-Betrieb : möglich");
  EXPECT_EQ(w->Label12->text(), "Eignung für offene Box (z.B. PA) : ungeeignet");
  EXPECT_EQ(w->Label13->text(), "Eignung für Exponentialhorn : schlecht");
  EXPECT_EQ(w->Label15->text(), "Eignung für Transmissionline-Systeme : bedingt");
  EXPECT_EQ((std::array{Shown(w->cl), Shown(w->br), Shown(w->air), Shown(w->op)}), (std::array{5, 2, 3, 0}));
  EXPECT_EQ((std::array{Shown(w->bp), Shown(w->vbp), Shown(w->horn), Shown(w->tml)}), (std::array{3, 1, 1, 2}));
  EXPECT_TRUE(w->br[0]->isVisibleTo(w->Panel1));  // the symbols fill from the left
  EXPECT_FALSE(w->br[2]->isVisibleTo(w->Panel1));
  EXPECT_EQ(w->cl[0]->toolTip(), "sehr gut");
  EXPECT_EQ(w->Label6->text(), "EBP (Efficiency-Bandwidth-Product=fs/Qes) : 56.5 (Hz)");
  EXPECT_EQ(w->Label14->text(), "fs/Qts = 70.7 (Hz)");
  EXPECT_EQ(w->Label7->text(), "Resonanz fc= 35 Hz / untere Grenzfrequenz fu= 55 Hz / Güte Qtc=0.50");
  EXPECT_EQ(w->Label9->text(), "kritische obere Grenzfrequenz des Chassis : 2472 Hz");
  EXPECT_EQ(w->Label10->text(), "maximal empfehlenswerte obere Grenzfrequenz : 1360 Hz");
  EXPECT_EQ(w->Button1->text(), "S&chließen");
  EXPECT_EQ(w->Label2->toolTip(), "sehr gut(1), gut(2), möglich(3), bedingt(4), schlecht(5), ungeeignet(6)");
  EXPECT_EQ(w->ScrollBar1->toolTip(), "Volumen des Kofferraums in Litern");
  SetLanguage("english");
  Repaint();
  EXPECT_EQ(w->windowTitle(), "advice for selection for VISATON W 300 NG (8 Ohm)");
  EXPECT_EQ(w->br[0]->toolTip(), "partly");
  EXPECT_EQ(w->Label2->text(), "suitability for a closed box : very good");
  EXPECT_EQ(w->Label5->text(), "suitability for Free-Air : possible");
  EXPECT_EQ(w->Label7->text(), "resonance fc= 35 Hz / lower cut frequency =  55 Hz / quality Qtc=0.50");
  EXPECT_EQ(w->Label9->text(), "critical upper cut frequency of this speaker : 2472 Hz");
  EXPECT_EQ(w->StatusBar1->text(), "these advices are tips only");
  EXPECT_EQ(w->Label8->text(), "advices : ");
}

TEST_F(Advisor, ScrollBarEndsChangeOnlyTheFreeAirRowAndTheVolume) {
  Twahl* w = Open();
  const QString closed = w->Label2->text();
  w->ScrollBar1->triggerAction(QAbstractSlider::SliderToMinimum);
  EXPECT_EQ(w->Volumen->text(), "10 l");
  EXPECT_EQ(w->Label5->text(), "Free-Air-Betrieb : ungeeignet");
  EXPECT_EQ(Shown(w->air), 0);
  EXPECT_EQ(w->Label7->text(), "Resonanz fc=146 Hz / untere Grenzfrequenz fu= 98 Hz / Güte Qtc=2.07");
  w->ScrollBar1->triggerAction(QAbstractSlider::SliderToMaximum);
  EXPECT_EQ(w->Volumen->text(), "2000 l");
  EXPECT_EQ(w->Label5->text(), "Free-Air-Betrieb : möglich");
  EXPECT_EQ(w->Label7->text(), "Resonanz fc= 31 Hz / untere Grenzfrequenz fu= 49 Hz / Güte Qtc=0.43");
  EXPECT_EQ(w->Label2->text(), closed);
  w->ScrollBar1->triggerAction(QAbstractSlider::SliderPageStepSub);
  EXPECT_EQ(w->Volumen->text(), "1980 l");
  w->ScrollBar1->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(w->Volumen->text(), "1979 l");
}

TEST_F(Advisor, DriverFailingTheGuardShowsTheBaseTextsAndKeepsTheRest) {
  Twahl* w = Open();
  ChassisQes = ChassisQts;  // committed while the advisor is open
  Repaint();
  EXPECT_EQ(w->windowTitle(), "Auswahl des Gehäusetyps");
  EXPECT_EQ(w->Label2->text(), "Eignung für geschlossene Gehäuse");
  EXPECT_EQ(w->Label3->text(), "Eignung für Bassreflexgehäuse");
  EXPECT_EQ(w->Label5->text(), "Eignung für Free-Air-Betrieb");
  EXPECT_EQ(w->Label16->text(), "Eignung für ventilierten Bandpass : schlecht");  // no base text
  EXPECT_EQ(Shown(w->cl), 5);
  EXPECT_EQ(w->Label6->text(), "EBP (Efficiency-Bandwidth-Product=fs/Qes) : 56.5 (Hz)");
  w->ScrollBar1->setValue(100);
  EXPECT_EQ(w->Volumen->text(), "100 l");
  EXPECT_EQ(w->Label7->text(), "Resonanz fc= 35 Hz / untere Grenzfrequenz fu= 55 Hz / Güte Qtc=0.50");
}

TEST_F(Advisor, ZeroDiameterAndHugeValuesShowNoNonFiniteText) {
  Twahl* w = Open();
  ChassisDia = 0;
  Repaint();
  EXPECT_EQ(w->Label9->text(), "kritische obere Grenzfrequenz des Chassis : ");
  EXPECT_EQ(w->Label10->text(), "maximal empfehlenswerte obere Grenzfrequenz : ");
  std::tie(ChassisVas, ChassisFs, ChassisDia) = std::tuple(1e12, 1e6, 1e-300);
  w->ScrollBar1->setValue(10);
  Repaint();
  ExpectNoNonFiniteTexts(w);
}

TEST_F(Advisor, RowClicksOpenTheirWindowAndHideTheAdvisor) {
  Twahl* w = Open();
  const std::pair<QLabel*, QWidget*> links[] = {
      {w->Label2, forms::closed},    {w->Label3, forms::Reflex}, {w->Label4, forms::bandkiste},
      {w->Label16, forms::ventpass}, {w->Label13, forms::Expo},  {w->Label12, forms::offen}};
  for (const auto& [label, window] : links) {
    w->show();
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_TRUE(window->isVisible()) << label->objectName().toStdString();
    EXPECT_FALSE(w->isVisible());
    window->hide();
  }
  w->show();
  QTest::mouseClick(w->Label15, Qt::LeftButton);
  QTest::mouseClick(w->Label5, Qt::LeftButton);  // free air has no window
  EXPECT_TRUE(w->isVisible());
  forms::Form1->Gehwahl->trigger();
  EXPECT_TRUE(w->isVisible());
  w->Button1->click();
  EXPECT_FALSE(w->isVisible());
}

TEST_F(Advisor, RowsTurnPurpleUnderTheMouseAndBlackOverThePanel) {
  Twahl* w = Open();
  QEvent enter(QEvent::Enter);
  QCoreApplication::sendEvent(w->Label4, &enter);
  EXPECT_EQ(w->Label4->palette().color(QPalette::WindowText), QColor(128, 0, 128));
  QCoreApplication::sendEvent(w->Label15, &enter);
  EXPECT_EQ(w->Label15->palette().color(QPalette::WindowText), QColor(Qt::black));
  QMouseEvent move(QEvent::MouseMove, QPointF(600, 190), QPointF(600, 190), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(w->Panel1, &move);
  EXPECT_EQ(w->Label4->palette().color(QPalette::WindowText), QColor(Qt::black));
}

TEST_F(Advisor, PrintHelpAndColourScheme) {
  OpenSettings().WriteInteger("Options", "color", 1);
  Twahl* w = Open();
  EXPECT_EQ(w->palette().color(QPalette::Window), QColor(Qt::white));
  ExpectHelpAndPrint(w->Button3, "QTX_contents0003", w->Button2);
  EXPECT_EQ(seam.helpRequests.value(0).file, "VELO.HLP");
}

}  // namespace
}  // namespace velomare::test
