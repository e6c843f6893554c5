// The high-, band- and low-pass designer windows driven through their controls: the design and
// its diagram on show in both languages, the order logic, the band-pass presets, typed and
// stepped components, the cursor read-out, "&Simulation" without AutoFilterSim, the export into
// the branch store, the saved sections restored once per show, bad input and help.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cmath>
#include <filesystem>

#include "WindowTest.h"
#include "app/AllForms.h"
#include "filters/model/FilterBranches.h"

namespace velomare::test {
namespace {

const QColor kBlue(0, 0, 255);

class FilterWindows : public WindowTest<THP, &forms::HP> {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ResetFilterBranches();
  }
  static void Open(FormBase* designer) {
    designer->ShowForm();
    test::Repaint(designer);
  }
  static void OpenActive(FormBase* designer) {
    Open(designer);
    ASSERT_TRUE(ShowAndActivate(designer));
  }
  // Another window takes the focus, and the designer gets it back.
  static void LeaveAndReturn(QWidget* designer) { ASSERT_TRUE(ReactivateAfter(forms::Form1, designer)); }
  static bool HasText(const FilterDiagram& d, const std::string& text) {
    for (const DiagramText& t : d.texts)
      if (t.text == text) return true;
    return false;
  }
};

TEST_F(FilterWindows, DefaultDesignsShowTheirPartsAndMinus3dBMarkersInBothLanguages) {
  THP* hp = forms::HP;
  TBP* bp = forms::BP;
  TTP* tp = forms::TP;
  for (const char* language : {"deutsch", "english"}) {
    SetLanguage(language);
    for (FormBase* designer : {static_cast<FormBase*>(hp), static_cast<FormBase*>(bp), static_cast<FormBase*>(tp)})
      Open(designer);
    EXPECT_TRUE(HasText(hp->CurrentDiagram(), "-3dB @ 2100 Hz")) << language;
    EXPECT_TRUE(HasText(tp->CurrentDiagram(), "-3dB @ 2000 Hz")) << language;
    EXPECT_TRUE(HasText(bp->CurrentDiagram(), "-3dB @ 860 Hz")) << language;
    EXPECT_TRUE(HasText(bp->CurrentDiagram(), "-3dB @5900 Hz")) << language;
    // Component texts keep the comma in English too.
    EXPECT_EQ(hp->Edit3->text(), "14,07") << language;
    EXPECT_EQ(bp->Edit5->text(), "28,13") << language;
    for (QWidget* w : {static_cast<QWidget*>(hp), static_cast<QWidget*>(bp), static_cast<QWidget*>(tp)}) {
      EXPECT_GT(CountPixels(w, kBlue), 200) << w->objectName().toStdString();
      EXPECT_GT(CountPixels(w, QColor(0, 128, 0)), 50) << w->objectName().toStdString();
      if (language[0] == 'd') w->hide();
    }
  }
  EXPECT_EQ(hp->windowTitle(), "high pass");
  EXPECT_EQ(hp->Label24->text(), "quality = 0.707");
  Type(hp->Edit2, "1000");
  EXPECT_EQ(hp->Edit3->text(), "28,13");
  EXPECT_EQ(hp->Values().c1, 28.13) << "the value behind a text is the text's value";
  // A click on the order already checked keeps it: first order at 8 ohm, 2 kHz.
  Type(hp->Edit2, "2000");
  hp->RadioButton1->click();
  hp->RadioButton1->click();
  Type(hp->Edit1, "8");
  EXPECT_EQ(hp->Edit3->text(), "9,95");
}

TEST_F(FilterWindows, OrderLogicOfTheHighAndLowPass) {
  for (PassDesignerForm* form : {static_cast<PassDesignerForm*>(forms::HP), static_cast<PassDesignerForm*>(forms::TP)}) {
    Open(form);
    auto enabled = [&](const char* name) { return form->findChild<QWidget*>(name)->isEnabled(); };
    form->bessel->click();
    form->RadioButton1->click();
    EXPECT_TRUE(form->butter->isChecked());
    EXPECT_FALSE(form->bessel->isEnabled() || form->linkwitz->isEnabled() || form->phasen->isEnabled());
    EXPECT_TRUE(enabled("Edit3") && enabled("Button2") && enabled("UpDown1"));
    EXPECT_FALSE(enabled("Edit4") || enabled("UpDown2"));

    form->RadioButton3->click();
    EXPECT_FALSE(enabled("Button2") || form->linkwitz->isEnabled() || enabled("Edit6"));
    EXPECT_TRUE(form->phasen->isEnabled() && enabled("Edit5"));
    EXPECT_EQ(form->findChild<QLabel*>("Label24")->text(), "");
    form->phasen->click();
    form->RadioButton2->click();
    EXPECT_TRUE(form->butter->isChecked());
    EXPECT_FALSE(form->phasen->isEnabled() || enabled("Edit5"));

    form->RadioButton4->click();
    EXPECT_TRUE(enabled("Edit3") && enabled("Edit4") && enabled("Edit5") && enabled("Edit6"));
    form->linkwitz->click();
    // Linkwitz-Riley 4 at 4 ohm, 2 kHz.
    if (form == forms::HP) {
      EXPECT_NEAR(form->Values().c1, 1e6 / (2 * M_PI * 1.886 * 2000 * 4), 0.006);
    } else {
      EXPECT_EQ(form->findChild<QLineEdit*>("Edit6")->text(), "7,035");  // C2 = 0.3536·1e6/(2π·2000·4) µF
    }
  }
}

TEST_F(FilterWindows, TypedComponentsSetTheQualityAndBadInputNeverShowsNanOrInf) {
  THP* hp = forms::HP;
  Open(hp);
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
  for (const char* text : {"abc", "", "1e999", "123456789012345678901234567890", "0,0000000000000001", "-5"}) {
    for (QLineEdit* e : {hp->Edit1, hp->Edit2, hp->Edit3, hp->Edit4}) Type(e, text);
    ExpectNoNonFiniteTexts(hp);
  }
}

TEST_F(FilterWindows, BandPassPresetsSetTheSecondStageAndTypedTextChoosesNothing) {
  TBP* bp = forms::BP;
  Open(bp);
  EXPECT_EQ(bp->ComboBox1->currentText(), "2x12dB (Butterworth)");
  ChooseItem(bp->ComboBox1, 0);
  EXPECT_EQ(bp->Edit6->text(), "0,000");
  EXPECT_EQ(bp->Edit7->text(), "0,00");
  for (QWidget* w : std::initializer_list<QWidget*>{bp->Edit6, bp->Edit7, bp->UpDown5, bp->UpDown6, bp->Label11,
                                                    bp->Label13, bp->Label14, bp->Label15})
    EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
  EXPECT_EQ(bp->Label17->text(), "Güte = 0,7; Gesamt-Schwingkreis-Güte 0,447");
  ChooseItem(bp->ComboBox1, 2);
  EXPECT_TRUE(bp->Edit6->isEnabled() && bp->UpDown6->isEnabled());
  EXPECT_NE(bp->Edit7->text(), "0,00");

  const QString l1 = bp->Edit4->text();
  bp->ComboBox1->lineEdit()->selectAll();
  QTest::keyClicks(bp->ComboBox1->lineEdit(), "steil");
  EXPECT_EQ(bp->SelectedPreset(), -1);
  bp->Edit3->setText("8000");
  EXPECT_EQ(bp->Edit4->text(), l1);

  ChooseItem(bp->ComboBox1, 3);
  Type(bp->Edit2, "9000");
  for (QLineEdit* e : {bp->Edit4, bp->Edit5, bp->Edit6, bp->Edit7}) EXPECT_EQ(e->text(), "0,00");
  Type(bp->Edit2, "1000");
  Type(bp->Edit1, "0");
  Type(bp->Edit5, "10");
  Type(bp->Edit4, "1");
  EXPECT_EQ(bp->Label17->text(), "Q ?");
  EXPECT_TRUE(bp->CurrentDiagram().Empty());
  EXPECT_EQ(CountPixels(bp, kBlue), 0);
  Type(bp->Edit1, "4");
  ExpectNoNonFiniteTexts(bp);
}

TEST_F(FilterWindows, EachUpDownStepsItsEditAndTheFrequencyRecalculates) {
  const struct {
    FormBase* form;
    const char* edit;
    const char* from;
    const char* button;
    const char* to;
  } rows[] = {{forms::HP, "Edit3", "4,7", "UpDown1Up", "5.60"},    {forms::HP, "Edit3", "0,5", "UpDown1Down", "0,5"},
              {forms::HP, "Edit2", "2000", "UpDown3Up", "2100"},   {forms::TP, "Edit3", "0,91", "UpDown1Up", "1.000"},
              {forms::TP, "Edit2", "100", "UpDown5Down", "99"},    {forms::BP, "Edit3", "1000", "UpDown3Up", "1100"},
              {forms::BP, "Edit7", "0,02", "UpDown6Down", "0,02"}, {forms::BP, "Edit4", "0,02", "UpDown1Down", "0.018"}};
  for (const auto& row : rows) {
    Open(row.form);
    QLineEdit* edit = row.form->findChild<QLineEdit*>(row.edit);
    Type(edit, row.from);
    ClickButton(row.form, row.button);
    EXPECT_EQ(edit->text(), row.to) << row.form->objectName().toStdString() << " " << row.button << " " << row.from;
  }
  EXPECT_EQ(forms::HP->Edit3->text(), "13,40") << "recalculated at 2100 Hz";
  Type(forms::HP->Edit3, "4,7");
  Press("UpDown1Up");
  EXPECT_EQ(forms::HP->Values().c1, 5.6);
  // The band pass's edges never cross.
  Type(forms::BP->Edit2, "1000");
  Type(forms::BP->Edit3, "1000");
  ClickButton(forms::BP, "UpDown2Up");
  ClickButton(forms::BP, "UpDown3Down");
  EXPECT_EQ(forms::BP->Edit2->text() + forms::BP->Edit3->text(), "10001000");
  EXPECT_EQ(forms::TP->UpDown5->toolTip(), "Frequenz auf/ab");
}

TEST_F(FilterWindows, CursorReadOutFromTheOuterSize) {
  Show("english");
  MoveMouse({15, 210});
  EXPECT_EQ(form()->windowTitle(), "high pass (cursor 10,0 Hz / 10,0 dB / 180 °)");
  EXPECT_EQ(form()->cursor().shape(), Qt::CrossCursor);
  // At the designed outer size 700 x 518 a decade takes 201 pixels and 40 dB take 263.
  MoveMouse({216, 276});
  EXPECT_EQ(form()->windowTitle().toStdString(), "high pass (cursor 100,0 Hz / -0,0 dB /  90 °)");
  MoveMouse({15, 200});
  EXPECT_EQ(form()->windowTitle(), "high pass");
  EXPECT_EQ(form()->cursor().shape(), Qt::ArrowCursor);
  SetLanguage("deutsch");
  Repaint();
  form()->resize(form()->width(), 200);
  MoveMouse({15, 230});
  EXPECT_EQ(form()->windowTitle(), "Hochpass ");
}

TEST_F(FilterWindows, WithoutAutoFilterSimTheButtonDrawsUntilAComponentChanges) {
  Option("AutoFilterSim", false);
  THP* hp = forms::HP;
  Open(hp);
  EXPECT_EQ(Pixels(kBlue), 0);
  QTest::mouseClick(hp->Button2, Qt::LeftButton);
  const int blue = Pixels(kBlue);
  EXPECT_GT(blue, 200);
  hp->resize(hp->size() + QSize(1, 1));
  hp->resize(hp->size() - QSize(1, 1));
  EXPECT_EQ(Pixels(kBlue), blue) << "a repaint draws from the kept state";
  Type(hp->Edit3, "10");
  EXPECT_EQ(Pixels(kBlue), 0);
  hp->RadioButton3->setChecked(true);
  QTest::mouseClick(hp->Button2, Qt::LeftButton);
  EXPECT_EQ(Pixels(kBlue), 0) << "order 3 draws nothing even from the button";
}

TEST_F(FilterWindows, LowPassTableFollowsTheGridOption) {
  TTP* tp = forms::TP;
  Open(tp);
  EXPECT_TRUE(tp->ResponseTableContents().fastGrid);
  Option("FastFilter", false);
  tp->hide();
  Open(tp);
  EXPECT_FALSE(tp->ResponseTableContents().fastGrid);
  // On the 1 Hz grid the marker names the first hertz at or below -3 dB.
  int n = 0;
  for (int f = 10; f <= 20000 && n == 0; ++f)
    if (tp->ResponseTableContents().level[f] <= -3) n = f;
  EXPECT_TRUE(HasText(tp->CurrentDiagram(), "-3dB @ " + std::to_string(n) + " Hz"));
  EXPECT_NEAR(n, 2000, 20);
}

TEST_F(FilterWindows, ExportFillsTheBranchOrSaysThereIsNoData) {
  Open(forms::HP);
  QTest::mouseClick(forms::HP->Button3, Qt::LeftButton);
  EXPECT_TRUE(BranchExported(FilterBranchKind::HighPass));
  EXPECT_TRUE(BranchOnFastGrid(FilterBranchKind::HighPass));
  EXPECT_NEAR(FilterBranchOf(FilterBranchKind::HighPass).level[200], -3.009, 5e-4);  // 2000 Hz
  EXPECT_TRUE(seam.messages.isEmpty());

  TTP* tp = forms::TP;
  Open(tp);
  tp->RadioButton3->setChecked(true);  // third order: no circuit to export
  QTest::mouseClick(tp->Button4, Qt::LeftButton);
  ASSERT_EQ(seam.messages.size(), 1);
  EXPECT_EQ(seam.messages[0], "keine simulationsdaten / no data");
  EXPECT_FALSE(BranchExported(FilterBranchKind::LowPass));

  // A band pass with a low cut-off keeps the circuit's true phase.
  TBP* bp = forms::BP;
  Open(bp);
  Type(bp->Edit2, "15");
  Type(bp->Edit3, "5000");
  ChooseItem(bp->ComboBox1, 1);  // "2x12dB (Linkwitz)"
  QTest::mouseClick(bp->Button4, Qt::LeftButton);
  ASSERT_TRUE(BranchExported(FilterBranchKind::BandPass));
  // Element 190 is 1000 Hz: the circuit lags by about 14°, not +166°.
  EXPECT_NEAR(FilterBranchOf(FilterBranchKind::BandPass).phase[190] * 180 / M_PI, -14, 2);
}

TEST_F(FilterWindows, SavedSectionsAreWrittenAtCloseAndRestoredOncePerShow) {
  Option("SaveFilter", true);
  THP* hp = forms::HP;
  OpenActive(hp);
  hp->RadioButton2->click();
  hp->bessel->click();
  Type(hp->Edit2, "");
  hp->close();
  const std::string bytes = settings->ReadSettings();
  EXPECT_NE(bytes.find("[Hochpass]\r\nZ=4\r\nf=1000\r\nGuete=2\r\nOrdnung=2\r\nC1=14.61\r\nL1=0.7\r\nC2=0\r\nL2=0\r\n"),
            std::string::npos)
      << bytes;
  OpenActive(hp);
  EXPECT_EQ(hp->Edit2->text(), "1000");
  EXPECT_TRUE(hp->bessel->isChecked());
  hp->RadioButton3->click();
  LeaveAndReturn(hp);
  EXPECT_TRUE(hp->RadioButton3->isChecked()) << "a later choice survives returning to the window";

  // The band pass comes back as its default 12 dB preset, recalculated once.
  TBP* bp = forms::BP;
  OpenActive(bp);
  ChooseItem(bp->ComboBox1, 2);
  bp->close();
  OpenActive(bp);
  EXPECT_EQ(bp->ComboBox1->currentText(), "2x12dB (Butterworth)");
  Type(bp->Edit5, "33");
  LeaveAndReturn(bp);
  EXPECT_EQ(bp->Edit5->text(), "33");

  // The low pass reads "guete" whatever its case; damaged values give the defaults.
  settings->WriteSettings(
      "[Options]\r\nAboutAtStart=0\r\nSaveFilter=1\r\n[Tiefpass]\r\nZ=abc\r\nfo=30000\r\nOrdnung=1\r\nGUETE=3\r\nL1=2\r\n");
  TTP* tp = forms::TP;
  OpenActive(tp);
  EXPECT_EQ(tp->Edit1->text(), "4");
  EXPECT_EQ(tp->Edit2->text(), "2000");
  EXPECT_TRUE(tp->RadioButton1->isChecked());
  // The characteristic is restored after the order, as stored; order 1 computes without it.
  EXPECT_TRUE(tp->linkwitz->isChecked());
  EXPECT_EQ(tp->Label24->text(), "Güte = 0,707");
  EXPECT_EQ(tp->Values().l1, 2.0);
}

TEST_F(FilterWindows, NothingIsReadOrWrittenWithoutSaveFilterAndAFailedSaveIsReported) {
  settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\n[Hochpass]\r\nf=5000\r\n");
  OpenActive(forms::HP);
  EXPECT_EQ(forms::HP->Edit2->text(), "2000");
  forms::HP->close();
  EXPECT_EQ(settings->ReadSettings(), "[Options]\r\nAboutAtStart=0\r\n[Hochpass]\r\nf=5000\r\n");

  Option("SaveFilter", true);
  OpenActive(forms::TP);
  std::filesystem::remove(settings->SettingsPath());
  std::filesystem::create_directory(settings->SettingsPath());
  forms::TP->close();
  ASSERT_EQ(seam.messages.size(), 1);
  EXPECT_TRUE(seam.messages[0].startsWith("Die Filterwerte konnten nicht")) << seam.messages[0].toStdString();
}

TEST_F(FilterWindows, MainWindowButtonsOpenTheDesignersAndHelpNamesTheirTopics) {
  for (const char* button : {"Hochpass", "Bandfilter", "Tiefpass"}) ClickButton(forms::Form1, button);
  EXPECT_TRUE(forms::HP->isVisible() && forms::BP->isVisible() && forms::TP->isVisible());
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
