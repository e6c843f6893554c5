// The trimode window driven through its controls: the design on show, typing, the read-outs, the
// up-down buttons pressed by name, the diagram with and without "AutoFilterSim", the cursor
// caption, the section "Trimode" restored once per show and saved on close, help and both
// languages.
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "TestSupport.h"
#include "WindowTest.h"
#include "app/AllForms.h"
#include "common/Settings.h"
#include "platform/UpDown.h"

namespace velomare::test {
namespace {

class TriWindow : public WindowTest<TTri, &forms::Tri> {
 protected:
  void Show() {
    form()->ShowForm();
    Activate();
    form()->grab();
  }
  void Activate() {
    form()->activateWindow();
    QCoreApplication::processEvents();
    if (!form()->isActiveWindow()) {
      forms::Form1->activateWindow();
      QCoreApplication::processEvents();
      form()->activateWindow();
      QCoreApplication::processEvents();
    }
    ASSERT_TRUE(form()->isActiveWindow());
  }
  static void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    if (text.isEmpty())
      QTest::keyClick(edit, Qt::Key_Delete);
    else
      QTest::keyClicks(edit, text);
  }
  void Press(const char* button) {
    auto* b = form()->findChild<QToolButton*>(QString::fromLatin1(button));
    ASSERT_NE(b, nullptr) << button;
    QTest::mouseClick(b, Qt::LeftButton);
  }
  int BluePixels() {
    const QImage image = form()->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, y) == QColor(0, 0, 255)) ++count;
    return count;
  }
  int BlackPixelsBelow(int top) {
    const QImage image = form()->grab().toImage();
    int count = 0;
    for (int y = top; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, y) == QColor(Qt::black)) ++count;
    return count;
  }
};

TEST_F(TriWindow, ShowDesignsTheDefaultsAndShowsTheReadOuts) {
  Show();
  EXPECT_EQ(form()->size(), TTri::kDesignedOuterSize - (form()->frameGeometry().size() - form()->size()));
  EXPECT_EQ(form()->Edit4->text(), "18,01");
  EXPECT_EQ(form()->Edit5->text(), "42,20");
  EXPECT_EQ(form()->Edit6->text(), "397,89");
  // The handlers re-read the two-decimal texts.
  EXPECT_EQ(form()->Values().lsub, 18.01);
  EXPECT_EQ(form()->Values().csat, 397.89);
  EXPECT_EQ(form()->Label4->text(), "untere Grenzfrequenz fu (-3dB) des Hochpasses (1.O.) = 100.0 Hz");
  EXPECT_EQ(form()->Label8->text(),
            QString::fromUtf8("obere Grenzfrequenz des Tiefpasses f= 83 Hz, Güte Q= 0.39, Res.frequ. f= 182.6 Hz"));
  EXPECT_EQ(form()->Label8->toolTip(), "");
  EXPECT_EQ(form()->windowTitle(), QString::fromUtf8("Trimode-Weiche für Car-HiFi "));
  EXPECT_EQ(form()->Button3->text(), "&Simulieren");
}

TEST_F(TriWindow, BadInputEmptiesTheComponentsAndShowsDashes) {
  Show();
  for (const char* bad : {"20", "abc", "", "-", "0", "-100", "1e999"}) {
    Type(form()->Edit3, QString::fromLatin1(bad));
    EXPECT_EQ(form()->Edit4->text(), "") << bad;
    EXPECT_EQ(form()->Edit5->text(), "");
    EXPECT_EQ(form()->Edit6->text(), "");
    EXPECT_EQ(form()->Label4->text(), "-");
    EXPECT_EQ(form()->Label8->text(), "-");
    EXPECT_EQ(form()->Label8->toolTip(), QString::fromUtf8("falsche Werte, Grenzfrequenz unter 50Hz oder über 1kHz"));
    EXPECT_FALSE(form()->DiagramShown());
    EXPECT_EQ(BluePixels(), 0);
    // Not even the frame.
    EXPECT_EQ(BlackPixelsBelow(205), 0);
  }
  // Thirty digits are a number: a design with components too small to show.
  Type(form()->Edit3, "123456789012345678901234567890");
  EXPECT_EQ(form()->Edit4->text(), "0,00");
  Type(form()->Edit3, "100");
  for (const char* bad : {"abc", "", "-", "0", "-5", "1e999", "99999999999999999999"}) {
    Type(form()->Edit4, QString::fromLatin1(bad));
    for (const QString& t : {form()->Label4->text(), form()->Label8->text()}) {
      EXPECT_FALSE(t.contains("nan") || t.contains("inf")) << bad;
    }
  }
}

TEST_F(TriWindow, UpDownsStepByNameAndLeaveBadValuesAlone) {
  Show();
  Press("UpDown2Up");
  EXPECT_EQ(form()->Edit4->text(), "22.00");
  EXPECT_EQ(form()->Values().lsub, 22.0);
  Press("UpDown2Down");
  Press("UpDown2Down");
  EXPECT_EQ(form()->Edit4->text(), "15.00");
  Press("UpDown3Up");
  EXPECT_EQ(form()->Edit5->text(), "43.00");
  Press("UpDown3Up");
  EXPECT_EQ(form()->Edit5->text(), "47.00");
  Press("UpDown4Down");
  EXPECT_EQ(form()->Edit6->text(), "390.00");
  Type(form()->Edit3, "21");
  Press("UpDown1Down");
  EXPECT_EQ(form()->Edit3->text(), "20");
  Press("UpDown1Down");
  EXPECT_EQ(form()->Edit3->text(), "20");
  Type(form()->Edit3, "995");
  Press("UpDown1Up");
  EXPECT_EQ(form()->Edit3->text(), "1005");
  // Empty, 0, negative or no number: the edit keeps its text, nothing hangs, no "0.00".
  for (const char* bad : {"", "0", "-3", "abc", "1e999"}) {
    for (const auto& [edit, up, down] :
         {std::tuple{form()->Edit4, "UpDown2Up", "UpDown2Down"}, std::tuple{form()->Edit5, "UpDown3Up", "UpDown3Down"},
          std::tuple{form()->Edit6, "UpDown4Up", "UpDown4Down"}}) {
      Type(edit, QString::fromLatin1(bad));
      Press(up);
      Press(down);
      EXPECT_EQ(edit->text(), QString::fromLatin1(bad));
    }
  }
}

TEST_F(TriWindow, DiagramFollowsAutoFilterSimAndTheDisplayChoice) {
  Show();
  ASSERT_TRUE(form()->DiagramShown());
  const int single = BluePixels();
  EXPECT_GT(single, 400);
  QTest::mouseClick(form()->Buttonsumme, Qt::LeftButton);
  const int sum = BluePixels();
  EXPECT_GT(sum, 200);
  EXPECT_LT(sum, single);
  // A repaint keeps the diagram.
  EXPECT_EQ(BluePixels(), sum);
  OpenSettings().WriteString("Options", "AutoFilterSim", "0");
  form()->Button3->setFocus();  // any activation re-reads the options
  forms::Form1->activateWindow();
  QCoreApplication::processEvents();
  Activate();
  EXPECT_FALSE(form()->DiagramShown());
  EXPECT_EQ(BluePixels(), 0);
  QTest::mouseClick(form()->Button3, Qt::LeftButton);
  EXPECT_GT(BluePixels(), 200);
  // A changed value drops the diagram that no longer matches it.
  Type(form()->Edit4, "20");
  EXPECT_EQ(BluePixels(), 0);
}

TEST_F(TriWindow, CursorReadOutInTheCaption) {
  Show();
  const auto move = [&](int x, int y) {
    QMouseEvent e(QEvent::MouseMove, QPointF(x, y), form()->mapToGlobal(QPointF(x, y)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(form(), &e);
  };
  move(15, 210);
  EXPECT_EQ(form()->windowTitle(), QString::fromUtf8("Trimode-Weiche für Car-HiFi (Cursor 10,0 Hz / 10,0 dB)"));
  // At the designed outer size 700 x 475 a decade takes 201 pixels and 40 dB take 220.
  move(216, 265);
  EXPECT_EQ(form()->windowTitle(), QString::fromUtf8("Trimode-Weiche für Car-HiFi (Cursor 100,0 Hz / 0,0 dB)"));
  move(15, 190);
  EXPECT_EQ(form()->windowTitle(), QString::fromUtf8("Trimode-Weiche für Car-HiFi "));
  // A tiny window: no division by zero, the plain caption.
  form()->resize(20, 100);
  move(10, 300);
  EXPECT_EQ(form()->windowTitle(), QString::fromUtf8("Trimode-Weiche für Car-HiFi "));
}

TEST_F(TriWindow, SectionRestoresOncePerShowAndSavesOnClose) {
  settings->WriteSettings(
      "[Options]\r\nAboutAtStart=0\r\nSaveFilter=1\r\n[Trimode]\r\nZsub=4\r\nZsat=8\r\nfg=20\r\nLsub=3,3\r\n"
      "Csub=10000\r\nCsat=abc\r\n");
  Show();
  EXPECT_EQ(form()->Edit1->text(), "4");
  EXPECT_EQ(form()->Edit2->text(), "8");
  EXPECT_EQ(form()->Edit3->text(), "100");
  EXPECT_EQ(form()->Edit4->text(), "3.3");
  EXPECT_EQ(form()->Edit5->text(), "84,40");  // computed from 4 ohm and 100 Hz; 10000 is refused
  EXPECT_EQ(form()->Edit6->text(), "198,94");
  // Typed values survive switching away and back.
  Type(form()->Edit4, "5,6");
  forms::Form1->activateWindow();
  QCoreApplication::processEvents();
  Activate();
  EXPECT_EQ(form()->Edit4->text(), "5,6");
  form()->close();
  EXPECT_NE(settings->ReadSettings().find("[Trimode]\r\nZsub=4\r\nZsat=8\r\nfg=100\r\nLsub=5.6\r\nCsub=84.4\r\n"
                                          "Csat=198.94\r\n"),
            std::string::npos)
      << settings->ReadSettings();
}

TEST_F(TriWindow, NothingIsSavedWithoutSaveFilter) {
  Show();
  form()->close();
  EXPECT_EQ(settings->ReadSettings().find("[Trimode]"), std::string::npos);
}

TEST_F(TriWindow, EnglishTextsHelpAndClose) {
  OpenSettings().WriteString("Info", "Sprache", "english");
  Show();
  form()->grab();
  EXPECT_EQ(form()->Label2->text(), "impedanz of satellites (ohm)");
  EXPECT_EQ(form()->Button3->text(), "&simulation");
  EXPECT_EQ(form()->Buttonsumme->text(), "sum");
  EXPECT_EQ(form()->windowTitle(), "trimode crossover for Car-HiFi");
  Type(form()->Edit1, "9");
  EXPECT_TRUE(form()->Label8->text().startsWith("low pass cut frequency f= "));
  Type(form()->Edit3, "20");
  EXPECT_TRUE(form()->Label8->toolTip().contains("50 Hz"));
  QTest::mouseClick(form()->Button2, Qt::LeftButton);
  ASSERT_FALSE(seam.helpRequests.isEmpty());
  EXPECT_EQ(seam.helpRequests.last().topic, "QTX_contents0016");
  QTest::mouseClick(form()->Button1, Qt::LeftButton);
  EXPECT_FALSE(form()->isVisible());
}

TEST_F(TriWindow, MainWindowOpensIt) {
  QTest::mouseClick(forms::Form1->Trimode, Qt::LeftButton);
  EXPECT_TRUE(form()->isVisible());
}

TEST_F(TriWindow, ANewSubwooferImpedanceReadsTheHighPassFromTheCapacitorJustComputed) {
  Show();
  Type(form()->Edit2, "100");
  Type(form()->Edit3, "1000");
  EXPECT_EQ(form()->Edit6->text(), "1,59");  // 1e6 / (2 pi 1000 100) = 1.5915 uF
  // The low-pass edits change first; the high pass must read 1.5915 uF, not the 1.59 of the edit.
  Type(form()->Edit1, "6");
  EXPECT_EQ(form()->Label4->text().toStdString(), "untere Grenzfrequenz fu (-3dB) des Hochpasses (1.O.) = 1000.0 Hz");
}

}  // namespace
}  // namespace velomare::test
