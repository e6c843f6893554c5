// The impedance-correction window driven through its controls: show with the committed driver,
// typing, the result lines and the power label, the coil button, the diagram with and without
// "AutoFilterSim", the caption read-out, closing, help, print and the texts in both languages.
#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "TestSupport.h"
#include "WindowTest.h"
#include "app/AllForms.h"
#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"

namespace velomare::test {
namespace {

class ImpWindow : public WindowTest<TImp, &forms::Imp> {
 protected:
  // Shows the window, which opens at its designed outer size whatever frame the platform adds.
  void Show() {
    form()->ShowForm();
    Activate();
    Repaint();
  }
  void Activate() {
    form()->activateWindow();
    QCoreApplication::processEvents();
    if (!form()->isActiveWindow()) {
      // The offscreen platform still counts a window hidden while active as the active one, so
      // it does not activate it again when it is shown: activate another window first.
      Deactivate();
      form()->activateWindow();
      QCoreApplication::processEvents();
    }
    ASSERT_TRUE(form()->isActiveWindow());
  }
  void Deactivate() {
    forms::Form1->activateWindow();
    QCoreApplication::processEvents();
  }
  void Repaint() {
    form()->grab();
    QCoreApplication::processEvents();
  }
  static void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    if (text.isEmpty())
      QTest::keyClick(edit, Qt::Key_Delete);
    else
      QTest::keyClicks(edit, text);
  }
  void TypeAll(const std::array<const char*, 6>& texts) {
    QLineEdit* edits[] = {form()->Edit1, form()->Edit2, form()->Edit3, form()->Edit4, form()->Edit5, form()->Edit6};
    for (int i = 0; i < 6; ++i) Type(edits[i], QString::fromUtf8(texts[static_cast<std::size_t>(i)]));
  }
  // Sizes the window so that its outer size, frame included, is `outer`.
  void ResizeOuter(QSize outer) { form()->resize(outer - (form()->frameGeometry().size() - form()->size())); }
  void SetLanguage(const char* language) { OpenSettings().WriteString("Info", "Sprache", language); }
  void MoveMouse(int x, int y) {
    QMouseEvent move(QEvent::MouseMove, QPointF(x, y), form()->mapToGlobal(QPointF(x, y)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form(), &move);
  }
  int BluePixels() {
    const QImage image = form()->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, y) == QColor(0, 0, 255)) ++count;
    return count;
  }
  QStringList Lines() {
    return {form()->Label13->text(), form()->Label14->text(), form()->Label15->text(), form()->Label16->text()};
  }
};

const std::array<const char*, 6> kExample = {"6", "100", "500", "60", "40", "4,7"};

TEST_F(ImpWindow, IsBuiltAtTheDesignedOuterSizeWithTheDesignedTexts) {
  EXPECT_EQ(form()->frameGeometry().size(), QSize(700, 475));
  EXPECT_EQ(form()->windowTitle(), "Impedanzkorrektur");
  EXPECT_EQ(form()->Edit6->text(), "4,7");
  EXPECT_EQ(form()->Label8->text(), "Watt (8 Ohm)");
  EXPECT_EQ(Lines(), (QStringList{"Widerstand R1 ", "Kondensator C1 ", "Widerstand R2 ", "Kondensator C2 "}));
  EXPECT_EQ(form()->Image1->geometry(), QRect(328, 8, 287, 140));
  EXPECT_EQ(form()->Button5->geometry(), QRect(249, 141, 25, 25));
}

TEST_F(ImpWindow, ShowTakesTheCommittedReAndLe) {
  Show();
  // The built-in driver: Re 6.8, Le 1500 µH.
  EXPECT_EQ(form()->Edit1->text(), "6,8");
  EXPECT_EQ(form()->Edit3->text(), "1500");
  EXPECT_EQ(form()->Label8->text(), "Watt (10 Ohm)");
  EXPECT_EQ(form()->Label15->text(), "Widerstand R2=10.2 Ohm; 4.5 W");
  form()->hide();
  ChassisRe = 5.6;
  ChassisLe = 1234.6;
  Show();
  EXPECT_EQ(form()->Edit1->text(), "5,6");
  EXPECT_EQ(form()->Edit3->text(), "1235");
  EXPECT_EQ(form()->Label8->text(), "Watt (8 Ohm)");
}

TEST_F(ImpWindow, CommittedValuesOfZeroOrBelowLeaveTheEdits) {
  Show();
  Type(form()->Edit1, "4");
  Type(form()->Edit3, "300");
  form()->hide();
  ChassisRe = 0;
  ChassisLe = -5;
  Show();
  EXPECT_EQ(form()->Edit1->text(), "4");
  EXPECT_EQ(form()->Edit3->text(), "300");
}

TEST_F(ImpWindow, EveryKeystrokeRecomputesTheLinesInTheLanguage) {
  Show();
  TypeAll(kExample);
  EXPECT_EQ(Lines(), (QStringList{"Widerstand R1=9.7 Ohm; 16.7 W", "Kondensator C1=1497.06 µF; 27.9 V",
                                  "Widerstand R2=9.0 Ohm; 3.9 W", "Kondensator C2=6.17 µF; 24.5 V"}));
  EXPECT_EQ(form()->Label8->text(), "Watt (9 Ohm)");
  Type(form()->Edit5, "7");
  EXPECT_EQ(form()->Label13->text(), "R1 ");
  EXPECT_EQ(form()->Label14->text(), "Kondensator C1=1497.06 µF; 27.9 V");
  Type(form()->Edit4, "10");
  EXPECT_EQ(Lines(), (QStringList{"R1 ", "C1 ", "R2 ", "C2 "}));

  form()->hide();
  SetLanguage("english");
  Show();
  TypeAll(kExample);
  EXPECT_EQ(Lines(), (QStringList{"resistor R1=9.7 ohms; 16.7 W", "capacitor C1=1497.06 µF; 27.9 V",
                                  "resistor R2=9.0 ohms; 3.9 W", "capacitor C2=6.17 µF / 24.5 V"}));
}

TEST_F(ImpWindow, PowerLabelFollowsReOnlyAboveHalfAnOhm) {
  Show();
  Type(form()->Edit1, "6");
  EXPECT_EQ(form()->Label8->text(), "Watt (9 Ohm)");
  Type(form()->Edit1, "0,3");
  EXPECT_EQ(form()->Label8->text(), "Watt (9 Ohm)");
  Type(form()->Edit1, "abc");
  EXPECT_EQ(form()->Label8->text(), "Watt (8 Ohm)");
  Type(form()->Edit1, "16");
  EXPECT_EQ(form()->Label8->text(), "Watt (23 Ohm)");
  // Only Re moves it.
  Type(form()->Edit2, "5");
  EXPECT_EQ(form()->Label8->text(), "Watt (23 Ohm)");
}

TEST_F(ImpWindow, CoilButtonWritesTheCoilOfTheCommittedQes) {
  Show();
  TypeAll(kExample);
  ChassisQes = 0.513;
  QTest::mouseClick(form()->Button5, Qt::LeftButton);
  EXPECT_EQ(form()->Edit6->text(), "8,17");
  // The edit's handler recomputed C1 from the new coil: 10^9 / (4 pi^2 60^2 8.17) = 861.2 µF.
  EXPECT_EQ(form()->Label14->text(), "Kondensator C1=861.22 µF; 27.9 V");
  ChassisQes = 0;
  QTest::mouseClick(form()->Button5, Qt::LeftButton);
  EXPECT_EQ(form()->Edit6->text(), "0");
  EXPECT_EQ(Lines(), (QStringList{"R1 ", "C1 ", "R2 ", "C2 "}));
  ChassisQes = 0.4;
  Type(form()->Edit6, "4,7");
  Type(form()->Edit4, "10");
  QTest::mouseClick(form()->Button5, Qt::LeftButton);
  EXPECT_EQ(form()->Edit6->text(), "0");
}

TEST_F(ImpWindow, DiagramIsDrawnWhileAutoFilterSimIsSetAndSurvivesRepaints) {
  Show();
  TypeAll(kExample);
  Repaint();
  EXPECT_TRUE(form()->DiagramShown());
  const int blue = BluePixels();
  EXPECT_GT(blue, 400);
  // The first point, 14.1 ohms at 10 Hz, lies at (15, 345); the 1-ohm line at y = 430.
  const QImage image = form()->grab().toImage();
  EXPECT_EQ(image.pixelColor(15, 345), QColor(0, 0, 255));
  EXPECT_EQ(image.pixelColor(100, 430), QColor(Qt::black));
  form()->resize(form()->size() + QSize(1, 1));
  form()->resize(form()->size() - QSize(1, 1));
  Repaint();
  EXPECT_EQ(BluePixels(), blue);
  // Invalid input: nothing is drawn.
  Type(form()->Edit2, "0");
  EXPECT_EQ(BluePixels(), 0);
  // Zmax at 1.3 Re: no R1 and no curve.
  Type(form()->Edit2, "100");
  Type(form()->Edit5, "7,8");
  EXPECT_EQ(form()->Label13->text(), "R1 ");
  EXPECT_EQ(BluePixels(), 0);
  // A negative R1 still draws.
  Type(form()->Edit5, "7");
  EXPECT_GT(BluePixels(), 400);
}

TEST_F(ImpWindow, WithoutAutoFilterSimOnlyTheButtonDrawsUntilAnInputChanges) {
  settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\nAutoFilterSim=0\r\n");
  Show();
  TypeAll(kExample);
  EXPECT_EQ(BluePixels(), 0);
  QTest::mouseClick(form()->Button3, Qt::LeftButton);
  EXPECT_GT(BluePixels(), 400);
  // Repaints, resizes and a new activation keep it.
  form()->resize(form()->size() + QSize(10, 10));
  Repaint();
  Deactivate();
  Activate();
  EXPECT_GT(BluePixels(), 400);
  // A changed input no longer matches it.
  Type(form()->Edit2, "120");
  EXPECT_EQ(BluePixels(), 0);
  // The option is re-read at the next activation.
  settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\nAutoFilterSim=1\r\n");
  Deactivate();
  Activate();
  EXPECT_GT(BluePixels(), 400);
}

TEST_F(ImpWindow, CaptionReadsOutTheCursorInThePlotArea) {
  Show();
  MoveMouse(216, 283);
  EXPECT_EQ(form()->windowTitle(), "Impedanzkorrektur (Cursor 100,0 Hz / 101,5 Ohm)");
  EXPECT_EQ(form()->cursor().shape(), Qt::CrossCursor);
  // A repaint keeps the read-out.
  Repaint();
  EXPECT_EQ(form()->windowTitle(), "Impedanzkorrektur (Cursor 100,0 Hz / 101,5 Ohm)");
  MoveMouse(216, 150);
  EXPECT_EQ(form()->windowTitle(), "Impedanzkorrektur");
  EXPECT_EQ(form()->cursor().shape(), Qt::ArrowCursor);

  form()->hide();
  SetLanguage("english");
  Show();
  EXPECT_EQ(form()->windowTitle(), "impedance correction");
  MoveMouse(216, 283);
  EXPECT_EQ(form()->windowTitle(), "impedance correction (cursor 100,0 Hz / 101,5 ohms)");
}

TEST_F(ImpWindow, TinyWindowShowsThePlainCaption) {
  Show();
  for (QSize outer : {QSize(700, 255), QSize(700, 200), QSize(30, 475), QSize(120, 120)}) {
    ResizeOuter(outer);
    MoveMouse(20, 240);
    EXPECT_EQ(form()->windowTitle(), "Impedanzkorrektur") << outer.width() << "x" << outer.height();
    Repaint();
  }
}

TEST_F(ImpWindow, AnyTextInAnyEditNeverShowsNanOrInf) {
  Show();
  QLineEdit* edits[] = {form()->Edit1, form()->Edit2, form()->Edit3, form()->Edit4, form()->Edit5, form()->Edit6};
  const char* texts[] = {"abc", "", "-", "0", "-7", "1e999", "99999999999999999999", "0,00000000000000001",
                         "123456789012345678901234567890", "7,8"};
  for (QLineEdit* edit : edits) {
    for (const char* text : texts) {
      TypeAll(kExample);
      Type(edit, QString::fromLatin1(text));
      Repaint();
      MoveMouse(300, 300);
      QStringList shown = Lines();
      shown << form()->Label8->text() << form()->windowTitle();
      for (const QString& s : shown) {
        EXPECT_FALSE(s.contains("nan", Qt::CaseInsensitive)) << s.toStdString();
        EXPECT_FALSE(s.contains("inf", Qt::CaseInsensitive)) << s.toStdString();
      }
      // Every result line fits its place, however long its numbers.
      for (QLabel* l : {form()->Label8, form()->Label13, form()->Label14, form()->Label15, form()->Label16})
        EXPECT_LE(QFontMetrics(l->font()).horizontalAdvance(l->text()), l->width()) << l->text().toStdString();
    }
  }
}

TEST_F(ImpWindow, EnterEscAndCloseHideTheWindow) {
  Show();
  QTest::mouseClick(form()->Button1, Qt::LeftButton);
  EXPECT_FALSE(form()->isVisible());
  Show();
  QTest::keyClick(form()->Edit2, Qt::Key_Return);
  EXPECT_FALSE(form()->isVisible());
  Show();
  form()->Edit3->setFocus();
  QTest::keyClick(form()->Edit3, Qt::Key_Escape);
  EXPECT_FALSE(form()->isVisible());
}

TEST_F(ImpWindow, HelpAndPrint) {
  Show();
  QTest::mouseClick(form()->Button2, Qt::LeftButton);
  ASSERT_FALSE(seam.helpRequests.isEmpty());
  EXPECT_EQ(seam.helpRequests.last().topic, "QTX_contents0017");
  EXPECT_EQ(seam.helpRequests.last().file, "VELO.HLP");
  seam.answer = [](const QString&) { return platform::Answer::No; };
  QTest::mouseClick(form()->Button4, Qt::LeftButton);
  EXPECT_EQ(seam.questions.last(), "Fenster drucken?");
  EXPECT_TRUE(seam.printed.isEmpty());
  seam.answer = [](const QString&) { return platform::Answer::Yes; };
  QTest::mouseClick(form()->Button4, Qt::LeftButton);
  ASSERT_EQ(seam.printed.size(), 1);
  EXPECT_EQ(seam.printed[0], form());
}

TEST_F(ImpWindow, TextsInBothLanguages) {
  Show();
  TImp* f = form();
  const QStringList german = {f->Label1->text(), f->Label2->text(), f->Label3->text(), f->Label4->text(),
                              f->Label5->text(), f->Label6->text(), f->Button1->text(), f->Button3->text(),
                              f->Button4->text(), f->Button2->text(), f->Label7->text(), f->Label12->text()};
  EXPECT_EQ(german, (QStringList{"Gleichstromwiderstand Re", "abgegebene Leistung P", "Schwingspuleninduktivität Le",
                                 "Frequenz der Überhöhung", "Überhöhung bei Resonanz", "Spule L im Korrekturteil",
                                 "S&chliessen", "&Simulation", "&Drucken", "&Hilfe", "Ohm ", "mH"}));
  f->hide();
  SetLanguage("english");
  Show();
  const QStringList english = {f->Label1->text(), f->Label2->text(), f->Label3->text(), f->Label4->text(),
                               f->Label5->text(), f->Label6->text(), f->Button1->text(), f->Button3->text(),
                               f->Button4->text(), f->Button2->text(), f->Label7->text(), f->Label12->text()};
  EXPECT_EQ(english, (QStringList{"speaker coil resistance Re", "output power P", "speaker coil inductivity Le",
                                  "resonance frequency (raising)", "raising impedance (resonance)",
                                  "coil L in corr. part", "&close", "&simulation", "&print", "&help", "Ohm ", "mH"}));
  for (QLabel* l : {f->Label1, f->Label2, f->Label3, f->Label4, f->Label5, f->Label6})
    EXPECT_LE(QFontMetrics(l->font()).horizontalAdvance(l->text()), l->width()) << l->text().toStdString();
}

}  // namespace
}  // namespace velomare::test
