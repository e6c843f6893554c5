// The high-, band- and low-pass designer windows driven through their controls: defaults and
// recalculation in both languages, the order logic, the band-pass presets, typed and stepped
// components, the up-downs, the cursor read-out, the saved sections restored once per show,
// bad input and help.
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <filesystem>

#include "TestSupport.h"
#include "app/AllForms.h"
#include "common/Settings.h"

namespace velomare::test {
namespace {

class FilterWindows : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\n");
    StartProgram();
  }
  static void Show(QWidget* w) {
    static_cast<FormBase*>(w)->ShowForm();
    w->grab();
    QCoreApplication::processEvents();
  }
  static void Activate(QWidget* w) {
    QApplication::setActiveWindow(w);
    QCoreApplication::processEvents();
  }
  // Another window takes the focus, and the designer gets it back.
  static void LeaveAndReturn(QWidget* w) {
    Activate(forms::Form1);
    Activate(w);
  }
  static void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    if (text.isEmpty())
      QTest::keyClick(edit, Qt::Key_Delete);
    else
      QTest::keyClicks(edit, text);
  }
  static void Press(QWidget* form, const char* button) {
    auto* b = form->findChild<QToolButton*>(button);
    ASSERT_NE(b, nullptr) << button;
    QTest::mouseClick(b, Qt::LeftButton);
  }
  void SetLanguage(const char* language) { OpenSettings().WriteString("Info", "Sprache", language); }
};

TEST_F(FilterWindows, HighPassShowsItsDesignInBothLanguages) {
  THP* hp = forms::HP;
  Show(hp);
  EXPECT_EQ(hp->windowTitle(), "Hochpass ");
  EXPECT_EQ(hp->Edit3->text(), "14,07");
  EXPECT_EQ(hp->Edit4->text(), "0,45");
  EXPECT_EQ(hp->Edit5->text(), "0,00");
  EXPECT_EQ(hp->Edit6->text(), "0,00");
  EXPECT_EQ(hp->Label24->text(), "Güte = 0,707");
  EXPECT_EQ(hp->Label13->text(), "Filterordnung (Flankensteilheit in dB/Okt.)");
  EXPECT_TRUE(hp->RadioButton2->isChecked());
  EXPECT_TRUE(hp->butter->isChecked());
  EXPECT_FALSE(hp->phasen->isEnabled());
  EXPECT_EQ(hp->frameGeometry().size(), QSize(700, 518));
  // The value behind a changed text is the text's value.
  EXPECT_EQ(hp->Values().c1, 14.07);
  EXPECT_EQ(hp->Values().l1, 0.45);
  // A click on the order already checked keeps it: first order at 8 ohm, 2 kHz.
  hp->RadioButton1->click();
  hp->RadioButton1->click();
  Type(hp->Edit1, "8");
  EXPECT_EQ(hp->Edit3->text(), "9,95");
  Type(hp->Edit1, "4");
  hp->RadioButton2->click();

  hp->hide();
  SetLanguage("english");
  Show(hp);
  EXPECT_EQ(hp->windowTitle(), "high pass");
  EXPECT_EQ(hp->Label1->text(), "impedance Z");
  EXPECT_EQ(hp->Label13->text(), "filter order (rise of edge in dB/oct.)");
  EXPECT_EQ(hp->phasen->text(), "0,03°-&phase linear");
  EXPECT_EQ(hp->Button1->text(), "&close");
  EXPECT_EQ(hp->Button4->text(), "&Hilfe");
  EXPECT_EQ(hp->Label24->text(), "quality = 0.707");
  // Component texts keep the comma in English.
  Type(hp->Edit2, "1000");
  EXPECT_EQ(hp->Edit3->text(), "28,13");
}

TEST_F(FilterWindows, OrderLogicOfTheHighAndLowPass) {
  for (PassDesignerForm* form : {static_cast<PassDesignerForm*>(forms::HP), static_cast<PassDesignerForm*>(forms::TP)}) {
    Show(form);
    auto edit = [&](const char* name) { return form->findChild<QLineEdit*>(name); };
    auto* sim = form->findChild<QPushButton*>("Button2");
    auto* second = form->findChild<QWidget*>("UpDown2");
    form->bessel->click();
    form->RadioButton1->click();
    EXPECT_TRUE(form->butter->isChecked());
    EXPECT_FALSE(form->bessel->isEnabled());
    EXPECT_FALSE(form->linkwitz->isEnabled());
    EXPECT_FALSE(form->phasen->isEnabled());
    EXPECT_TRUE(edit("Edit3")->isEnabled());
    EXPECT_FALSE(edit("Edit4")->isEnabled());
    EXPECT_FALSE(second->isEnabled());
    EXPECT_TRUE(sim->isEnabled());
    EXPECT_TRUE(form->findChild<QWidget*>("UpDown1")->isEnabled());

    form->RadioButton3->click();
    EXPECT_FALSE(sim->isEnabled());
    EXPECT_FALSE(form->linkwitz->isEnabled());
    EXPECT_TRUE(form->phasen->isEnabled());
    EXPECT_TRUE(edit("Edit5")->isEnabled());
    EXPECT_FALSE(edit("Edit6")->isEnabled());
    EXPECT_EQ(form->findChild<QLabel*>("Label24")->text(), "");
    form->phasen->click();
    form->RadioButton2->click();
    EXPECT_TRUE(form->butter->isChecked());
    EXPECT_FALSE(form->phasen->isEnabled());
    EXPECT_FALSE(edit("Edit5")->isEnabled());

    form->RadioButton4->click();
    for (const char* name : {"Edit3", "Edit4", "Edit5", "Edit6"}) EXPECT_TRUE(edit(name)->isEnabled()) << name;
    form->linkwitz->click();
    // Linkwitz-Riley 4 at 4 ohm, 2 kHz.
    const FilterValues& v = form->Values();
    if (form == forms::HP) {
      EXPECT_NEAR(v.c1, 1e6 / (2 * M_PI * 1.886 * 2000 * 4), 0.006);
      EXPECT_EQ(edit("Edit6")->text(), "0,90");
    } else {
      EXPECT_EQ(edit("Edit3")->text(), "0,60");  // L1 = 1.886·4000/(2π·2000) mH
      EXPECT_EQ(edit("Edit6")->text(), "7,035");  // C2 = 0.3536·1e6/(2π·2000·4) µF
    }
  }
}

TEST_F(FilterWindows, TypedComponentsAndBadInput) {
  THP* hp = forms::HP;
  Show(hp);
  Type(hp->Edit3, "31,25");
  Type(hp->Edit4, "1");
  EXPECT_EQ(hp->Label24->text(), "Güte = 0,707");
  Type(hp->Edit3, "abc");
  EXPECT_EQ(hp->Values().c1, 31.25);
  // Z typed as 0: the components keep their texts; the next component change reads "Q ?".
  Type(hp->Edit1, "0");
  EXPECT_EQ(hp->Edit4->text(), "1");
  Type(hp->Edit4, "2");
  EXPECT_EQ(hp->Label24->text(), "Q ?");

  for (const char* text : {"abc", "", "-", "1e999", "123456789012345678901234567890", "0,0000000000000001", "-5"}) {
    for (QLineEdit* e : {hp->Edit1, hp->Edit2, hp->Edit3, hp->Edit4}) Type(e, text);
    for (FilterDesignerForm* form : {static_cast<FilterDesignerForm*>(hp)}) {
      for (QLineEdit* e : form->findChildren<QLineEdit*>()) {
        EXPECT_FALSE(e->text().contains("nan") || e->text().contains("inf")) << text;
      }
      for (QLabel* l : form->findChildren<QLabel*>())
        EXPECT_FALSE(l->text().contains("nan") || l->text().contains("inf")) << text;
    }
  }
}

TEST_F(FilterWindows, BandPassPresetsAndValidity) {
  TBP* bp = forms::BP;
  Show(bp);
  EXPECT_EQ(bp->windowTitle(), "Bandpass ");
  EXPECT_EQ(bp->ComboBox1->currentText(), "2x12dB (Butterworth)");
  EXPECT_EQ(bp->Edit5->text(), "28,13");
  EXPECT_EQ(bp->Edit6->text(), "0,900");
  EXPECT_EQ(bp->Edit4->text(), "0,180");
  EXPECT_EQ(bp->Edit7->text(), "5,63");
  EXPECT_EQ(bp->Label17->text(), "Güte des Tiefpasses 0,707; Güte des Hochpasses 0,707");

  ChooseItem(bp->ComboBox1, 0);
  EXPECT_EQ(bp->Edit6->text(), "0,000");
  EXPECT_EQ(bp->Edit7->text(), "0,00");
  for (QWidget* w : std::initializer_list<QWidget*>{bp->Edit6, bp->Edit7, bp->UpDown5, bp->UpDown6, bp->Label11,
                                                    bp->Label13, bp->Label14, bp->Label15})
    EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
  EXPECT_EQ(bp->Label17->text(), "Güte = 0,7; Gesamt-Schwingkreis-Güte 0,447");
  ChooseItem(bp->ComboBox1, 2);
  EXPECT_TRUE(bp->Edit6->isEnabled());
  EXPECT_TRUE(bp->UpDown6->isEnabled());
  EXPECT_NE(bp->Edit7->text(), "0,00");

  // Typed into the combo box: nothing chosen, nothing computed.
  const QString l1 = bp->Edit4->text();
  bp->ComboBox1->lineEdit()->selectAll();
  QTest::keyClicks(bp->ComboBox1->lineEdit(), "steil");
  EXPECT_EQ(bp->SelectedPreset(), -1);
  bp->Edit3->setText("8000");
  EXPECT_EQ(bp->Edit4->text(), l1);

  ChooseItem(bp->ComboBox1, 3);
  Type(bp->Edit2, "9000");
  for (QLineEdit* e : {bp->Edit4, bp->Edit5, bp->Edit6, bp->Edit7}) EXPECT_EQ(e->text(), "0,00");
  // Typed components with Z = 0 read "Q ?".
  Type(bp->Edit2, "1000");
  Type(bp->Edit1, "0");
  Type(bp->Edit5, "10");
  Type(bp->Edit4, "1");
  EXPECT_EQ(bp->Label17->text(), "Q ?");
}

TEST_F(FilterWindows, UpDownsStepComponentsAndFrequencies) {
  THP* hp = forms::HP;
  Show(hp);
  Type(hp->Edit3, "4,7");
  Press(hp, "UpDown1Up");
  EXPECT_EQ(hp->Edit3->text(), "5.60");
  EXPECT_EQ(hp->Values().c1, 5.6);
  Press(hp, "UpDown1Down");
  Press(hp, "UpDown1Down");
  EXPECT_EQ(hp->Edit3->text(), "3.90");
  Type(hp->Edit3, "0,5");
  Press(hp, "UpDown1Down");
  EXPECT_EQ(hp->Edit3->text(), "0,5");
  Press(hp, "UpDown3Up");
  EXPECT_EQ(hp->Edit2->text(), "2100");
  EXPECT_EQ(hp->Edit3->text(), "13,40");  // recalculated at 2100 Hz

  TTP* tp = forms::TP;
  Show(tp);
  Type(tp->Edit3, "0,82");
  Press(tp, "UpDown1Up");
  EXPECT_EQ(tp->Edit3->text(), "0.910");
  Press(tp, "UpDown1Up");
  EXPECT_EQ(tp->Edit3->text(), "1.000");
  Type(tp->Edit2, "100");
  Press(tp, "UpDown5Down");
  EXPECT_EQ(tp->Edit2->text(), "99");
  EXPECT_EQ(tp->UpDown5->toolTip(), "Frequenz auf/ab");
  EXPECT_EQ(hp->UpDown1->toolTip(), "");

  TBP* bp = forms::BP;
  Show(bp);
  Type(bp->Edit2, "1000");
  Type(bp->Edit3, "1000");
  Press(bp, "UpDown2Up");
  Press(bp, "UpDown3Down");
  EXPECT_EQ(bp->Edit2->text(), "1000");
  EXPECT_EQ(bp->Edit3->text(), "1000");
  Press(bp, "UpDown3Up");
  EXPECT_EQ(bp->Edit3->text(), "1100");
  Type(bp->Edit7, "0,02");
  Press(bp, "UpDown6Down");  // C2 steps down only above 0.02
  EXPECT_EQ(bp->Edit7->text(), "0,02");
  Type(bp->Edit4, "0,02");
  Press(bp, "UpDown1Down");  // L1 from 0.02 on
  EXPECT_EQ(bp->Edit4->text(), "0.018");
}

TEST_F(FilterWindows, CursorReadOutFromTheOuterSize) {
  THP* hp = forms::HP;
  Show(hp);
  SetLanguage("english");
  hp->grab();
  hp->FormMouseMove(15, 210);
  EXPECT_EQ(hp->windowTitle(), "high pass (cursor 10,0 Hz / 10,0 dB / 180 °)");
  EXPECT_EQ(hp->cursor().shape(), Qt::CrossCursor);
  // At the designed outer size 700 x 518 a decade takes 201 pixels and 40 dB take 263.
  hp->FormMouseMove(216, 276);
  EXPECT_EQ(hp->windowTitle().toStdString(), "high pass (cursor 100,0 Hz / -0,0 dB /  90 °)");
  hp->FormMouseMove(15, 200);
  EXPECT_EQ(hp->windowTitle(), "high pass");
  EXPECT_EQ(hp->cursor().shape(), Qt::ArrowCursor);
  SetLanguage("deutsch");
  hp->grab();
  hp->resize(hp->width(), 200);
  hp->FormMouseMove(15, 230);
  EXPECT_EQ(hp->windowTitle(), "Hochpass ");
}

TEST_F(FilterWindows, SavedSectionsAreWrittenAtCloseAndRestoredOncePerShow) {
  settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\nSaveFilter=1\r\n");
  THP* hp = forms::HP;
  Show(hp);
  Activate(hp);
  hp->RadioButton2->click();
  hp->bessel->click();
  Type(hp->Edit2, "");
  hp->close();
  const std::string bytes = settings->ReadSettings();
  EXPECT_NE(bytes.find("[Hochpass]\r\nZ=4\r\nf=1000\r\nGuete=2\r\nOrdnung=2\r\nC1=14.61\r\nL1=0.7\r\nC2=0\r\nL2=0\r\n"),
            std::string::npos)
      << bytes;

  Show(hp);
  Activate(hp);
  EXPECT_EQ(hp->Edit2->text(), "1000");
  EXPECT_TRUE(hp->bessel->isChecked());
  // A later choice survives returning to the window.
  hp->RadioButton3->click();
  LeaveAndReturn(hp);
  EXPECT_TRUE(hp->RadioButton3->isChecked());

  // The band pass comes back as its default 12 dB preset, recalculated once.
  TBP* bp = forms::BP;
  Show(bp);
  Activate(bp);
  ChooseItem(bp->ComboBox1, 2);
  bp->close();
  Show(bp);
  Activate(bp);
  EXPECT_EQ(bp->ComboBox1->currentText(), "2x12dB (Butterworth)");
  Type(bp->Edit5, "33");
  LeaveAndReturn(bp);
  EXPECT_EQ(bp->Edit5->text(), "33");

  // The low pass reads "guete" whatever its case; damaged values give the defaults.
  settings->WriteSettings(
      "[Options]\r\nAboutAtStart=0\r\nSaveFilter=1\r\n[Tiefpass]\r\nZ=abc\r\nfo=30000\r\nOrdnung=1\r\nGUETE=3\r\nL1=2\r\n");
  TTP* tp = forms::TP;
  Show(tp);
  Activate(tp);
  EXPECT_EQ(tp->Edit1->text(), "4");
  EXPECT_EQ(tp->Edit2->text(), "2000");
  EXPECT_TRUE(tp->RadioButton1->isChecked());
  // The characteristic is restored after the order, as stored; order 1 computes without it.
  EXPECT_TRUE(tp->linkwitz->isChecked());
  EXPECT_EQ(tp->Label24->text(), "Güte = 0,707");
  EXPECT_EQ(tp->Edit3->text(), "2");
  EXPECT_EQ(tp->Values().l1, 2.0);
}

TEST_F(FilterWindows, NothingIsReadOrWrittenWithoutSaveFilter) {
  settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\n[Hochpass]\r\nf=5000\r\n");
  THP* hp = forms::HP;
  Show(hp);
  Activate(hp);
  EXPECT_EQ(hp->Edit2->text(), "2000");
  hp->close();
  EXPECT_EQ(settings->ReadSettings(), "[Options]\r\nAboutAtStart=0\r\n[Hochpass]\r\nf=5000\r\n");
}

TEST_F(FilterWindows, AFailedSaveAtCloseIsReported) {
  settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\nSaveFilter=1\r\n");
  TTP* tp = forms::TP;
  Show(tp);
  Activate(tp);
  ASSERT_TRUE(tp->SaveFilterFlag());
  std::filesystem::remove(settings->SettingsPath());
  std::filesystem::create_directory(settings->SettingsPath());
  tp->close();
  ASSERT_EQ(seam.messages.size(), 1);
  EXPECT_TRUE(seam.messages[0].startsWith("Die Filterwerte konnten nicht")) << seam.messages[0].toStdString();
}

TEST_F(FilterWindows, HelpTopicsAndMainWindowButtons) {
  forms::Form1->findChild<QPushButton*>("Hochpass")->click();
  EXPECT_TRUE(forms::HP->isVisible());
  forms::Form1->findChild<QPushButton*>("Bandfilter")->click();
  EXPECT_TRUE(forms::BP->isVisible());
  forms::Form1->findChild<QPushButton*>("Tiefpass")->click();
  EXPECT_TRUE(forms::TP->isVisible());
  forms::HP->Button4->click();
  forms::BP->Button3->click();
  forms::TP->Button3->click();
  ASSERT_EQ(seam.helpRequests.size(), 3);
  EXPECT_EQ(seam.helpRequests[0].topic, "QTX_contents0015");
  EXPECT_EQ(seam.helpRequests[1].topic, "QTX_contents0014");
  EXPECT_EQ(seam.helpRequests[2].topic, "QTX_contents0013");
  EXPECT_EQ(seam.helpRequests[0].file, "VELO.HLP");
}

}  // namespace
}  // namespace velomare::test
