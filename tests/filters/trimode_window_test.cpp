// The trimode window driven through its controls: the design, bad input, the up-downs, the
// diagram, the cursor caption, the section restored once per show and saved on close, help.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <tuple>

#include "WindowTest.h"
#include "app/AllForms.h"
#include "filters/model/Trimode.h"

namespace velomare::test {
namespace {

const QColor kBlue(0, 0, 255);

class TriWindow : public WindowTest<TTri, &forms::Tri> {
 protected:
  void ShowDesigned(const char* language = "deutsch") {
    SetLanguage(language);
    Activate();
    Repaint();
  }
  QString Components() { return TextsOf({form()->Edit4, form()->Edit5, form()->Edit6}).join(" "); }
};

TEST_F(TriWindow, ShowDesignsTheDefaultsAndBadInputEmptiesTheComponents) {
  ShowDesigned();
  const TrimodeDesign d = ComputeTrimode("8", "4", "100");
  EXPECT_EQ(Components().toStdString(), d.lsubText + " " + d.csubText + " " + d.csatText);
  EXPECT_EQ(form()->Values().lsub, 18.01) << "the handlers read the shown texts";
  EXPECT_EQ(form()->Label8->text().toStdString(), TrimodeInfoText(form()->Values(), false).label8);
  for (const char* bad : {"20", "abc"}) {
    Type(form()->Edit3, bad);
    EXPECT_EQ(Components() + form()->Label4->text() + form()->Label8->text(), "  --") << bad;
    EXPECT_EQ(Pixels(Qt::black, 205), 0) << "not even the frame: " << bad;
  }
  EXPECT_EQ(form()->Label8->toolTip(), QString::fromUtf8("falsche Werte, Grenzfrequenz unter 50Hz oder über 1kHz"));
  Type(form()->Edit3, "100");
  TypeIntoEach({form()->Edit1, form()->Edit4}, BadNumberTexts());
}

TEST_F(TriWindow, ShowDesignsTheDefaultsAndShowsTheReadOuts) {
  ShowDesigned();
  EXPECT_EQ(Components(), "18,01 42,20 397,89");
  EXPECT_EQ(form()->Values().csat, 397.89);
  EXPECT_EQ(form()->Label4->text(), "untere Grenzfrequenz fu (-3dB) des Hochpasses (1.O.) = 100.0 Hz");
  EXPECT_EQ(form()->Label8->text(),
            QString::fromUtf8("obere Grenzfrequenz des Tiefpasses f= 83 Hz, Güte Q= 0.39, Res.frequ. f= 182.6 Hz"));
  EXPECT_EQ(form()->Label8->toolTip(), "");
  EXPECT_EQ(form()->windowTitle(), QString::fromUtf8("Trimode-Weiche für Car-HiFi "));
  EXPECT_EQ(form()->Button3->text(), "&Simulieren");
}

TEST_F(TriWindow, BadInputEmptiesTheComponentsAndShowsDashes) {
  ShowDesigned();
  for (const char* bad : {"20", "abc", "", "-", "0", "-100", "1e999"}) {
    SCOPED_TRACE(bad);
    Type(form()->Edit3, bad);
    EXPECT_EQ(Components(), "  ");
    EXPECT_EQ(form()->Label4->text(), "-");
    EXPECT_EQ(form()->Label8->text(), "-");
    EXPECT_EQ(form()->Label8->toolTip(), QString::fromUtf8("falsche Werte, Grenzfrequenz unter 50Hz oder über 1kHz"));
    EXPECT_FALSE(form()->DiagramShown());
    EXPECT_EQ(Pixels(kBlue), 0);
    EXPECT_EQ(Pixels(Qt::black, 205), 0) << "not even the frame";
  }
  // Thirty digits are a number: a design with components too small to show.
  Type(form()->Edit3, "123456789012345678901234567890");
  EXPECT_EQ(form()->Edit4->text(), "0,00");
  Type(form()->Edit3, "100");
  for (const char* bad : {"abc", "", "-", "0", "-5", "1e999", "99999999999999999999"}) {
    Type(form()->Edit4, bad);
    for (const QString& t : {form()->Label4->text(), form()->Label8->text()})
      EXPECT_FALSE(ShowsNonFinite(t.toStdString())) << bad;
  }
}

TEST_F(TriWindow, UpDownsStepByNameAndLeaveBadValuesAlone) {
  ShowDesigned();
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
      Type(edit, bad);
      Press(up);
      Press(down);
      EXPECT_EQ(edit->text(), QString::fromLatin1(bad)) << up;
    }
  }
}

TEST_F(TriWindow, EachUpDownStepsItsEditAndLeavesBadValuesAlone) {
  ShowDesigned();
  const struct { QLineEdit* edit; const char *from, *button, *to; } rows[] = {
      {form()->Edit4, "18,01", "UpDown2Up", "22.00"}, {form()->Edit5, "42,2", "UpDown3Up", "43.00"},
      {form()->Edit6, "397,89", "UpDown4Down", "390.00"}, {form()->Edit3, "20", "UpDown1Down", "20"},
      {form()->Edit3, "995", "UpDown1Up", "1005"},      {form()->Edit6, "abc", "UpDown4Up", "abc"}
  };
  for (const auto& row : rows) {
    Type(row.edit, row.from);
    Press(row.button);
    EXPECT_EQ(row.edit->text(), row.to) << row.button << " from " << row.from;
  }
  Type(form()->Edit3, "100");
  Type(form()->Edit4, "5,6");
  Press("UpDown2Up");
  EXPECT_EQ(form()->Values().lsub, 6.8) << "the handler reads the stepped text";
}

TEST_F(TriWindow, DiagramFollowsAutoFilterSimAndTheDisplayChoice) {
  ShowDesigned();
  ASSERT_TRUE(form()->DiagramShown());
  const int single = Pixels(kBlue);
  EXPECT_GT(single, 400);
  QTest::mouseClick(form()->Buttonsumme, Qt::LeftButton);
  const int sum = Pixels(kBlue);
  EXPECT_GT(sum, 200);
  EXPECT_LT(sum, single) << "one curve in place of two";
  EXPECT_EQ(Pixels(kBlue), sum) << "a repaint keeps the diagram";
  Option("AutoFilterSim", false);
  Reactivate();
  EXPECT_FALSE(form()->DiagramShown());
  EXPECT_EQ(Pixels(kBlue), 0);
  QTest::mouseClick(form()->Button3, Qt::LeftButton);
  EXPECT_GT(Pixels(kBlue), 200);
  Type(form()->Edit4, "20");
  EXPECT_EQ(Pixels(kBlue), 0) << "a changed value drops the diagram that no longer matches it";
}

TEST_F(TriWindow, CursorReadOutInTheCaption) {
  ShowDesigned();
  // At the designed outer size 700 x 475 a decade takes 201 pixels and 40 dB take 220.
  MoveMouse({216, 265});
  EXPECT_EQ(form()->windowTitle(), QString::fromUtf8("Trimode-Weiche für Car-HiFi (Cursor 100,0 Hz / 0,0 dB)"));
  MoveMouse({15, 210});
  EXPECT_EQ(form()->windowTitle(), QString::fromUtf8("Trimode-Weiche für Car-HiFi (Cursor 10,0 Hz / 10,0 dB)"));
  MoveMouse({15, 190});
  EXPECT_EQ(form()->windowTitle(), QString::fromUtf8("Trimode-Weiche für Car-HiFi "));
  // A tiny window: no division by zero, the plain caption.
  form()->resize(20, 100);
  MoveMouse({10, 300});
  EXPECT_EQ(form()->windowTitle(), QString::fromUtf8("Trimode-Weiche für Car-HiFi "));
}

TEST_F(TriWindow, SectionRestoresOncePerShowAndSavesOnClose) {
  ShowDesigned();
  form()->close();
  EXPECT_EQ(settings->ReadSettings().find("[Trimode]"), std::string::npos) << "nothing saved without SaveFilter";
  settings->WriteSettings(
      "[Options]\r\nAboutAtStart=0\r\nSaveFilter=1\r\n[Trimode]\r\nZsub=4\r\nZsat=8\r\nfg=20\r\nLsub=3,3\r\n"
      "Csub=10000\r\nCsat=abc\r\n");
  ShowDesigned();
  EXPECT_EQ(TextsOf({form()->Edit1, form()->Edit2, form()->Edit3}).join(" "), "4 8 100");
  EXPECT_EQ(Components(), "3.3 84,40 198,94") << "Csub computed from 4 ohm and 100 Hz; 10000 is refused";
  Type(form()->Edit4, "5,6");
  Reactivate();
  EXPECT_EQ(form()->Edit4->text(), "5,6");
  form()->close();
  EXPECT_NE(settings->ReadSettings().find("[Trimode]\r\nZsub=4\r\nZsat=8\r\nfg=100\r\nLsub=5.6\r\nCsub=84.4\r\n"
                                          "Csat=198.94\r\n"),
            std::string::npos)
      << settings->ReadSettings();
}

TEST_F(TriWindow, MainWindowOpensItAndEnglishHelpAndCloseWork) {
  QTest::mouseClick(forms::Form1->Trimode, Qt::LeftButton);
  EXPECT_TRUE(form()->isVisible());
  form()->hide();
  ShowDesigned("english");
  EXPECT_EQ(form()->windowTitle(), "trimode crossover for Car-HiFi");
  EXPECT_TRUE(form()->Label8->text().startsWith("low pass cut frequency f= "));
  EXPECT_EQ(form()->Label2->text(), "impedanz of satellites (ohm)");
  EXPECT_EQ(form()->Button3->text(), "&simulation");
  EXPECT_EQ(form()->Buttonsumme->text(), "sum");
  Type(form()->Edit1, "9");
  EXPECT_TRUE(form()->Label8->text().startsWith("low pass cut frequency f= "));
  Type(form()->Edit3, "20");
  EXPECT_TRUE(form()->Label8->toolTip().contains("50 Hz"));
  ExpectHelpAndPrint(form()->Button2, "QTX_contents0016");
  QTest::mouseClick(form()->Button1, Qt::LeftButton);
  EXPECT_FALSE(form()->isVisible());
}

TEST_F(TriWindow, ANewSubwooferImpedanceReadsTheHighPassFromTheCapacitorJustComputed) {
  ShowDesigned();
  Type(form()->Edit2, "100");
  Type(form()->Edit3, "1000");
  EXPECT_EQ(form()->Edit6->text(), "1,59");  // 1e6 / (2 pi 1000 100) = 1.5915 uF
  // The low-pass edits change first; the high pass must read 1.5915 uF, not the 1.59 of the edit.
  Type(form()->Edit1, "6");
  EXPECT_EQ(form()->Label4->text().toStdString(), "untere Grenzfrequenz fu (-3dB) des Hochpasses (1.O.) = 1000.0 Hz");
}

}  // namespace
}  // namespace velomare::test
