// The high-, band- and low-pass designer windows driven through their controls: design, order
// logic, presets, typed and stepped parts, read-out, simulation, export, saved sections, help.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
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
  static void OpenActive(FormBase* designer) {
    designer->ShowForm();
    test::Repaint(designer);
    ASSERT_TRUE(ShowAndActivate(designer));
  }
  static void LeaveAndReturn(QWidget* designer) { ASSERT_TRUE(ReactivateAfter(forms::Form1, designer)); }
  static bool HasText(const FilterDiagram& d, const std::string& text) {
    for (const DiagramText& t : d.texts)
      if (t.text == text) return true;
    return false;
  }
};

TEST_F(FilterWindows, DefaultDesignsShowTheirPartsAndMarkers) {
  THP* hp = forms::HP;
  TBP* bp = forms::BP;
  for (FormBase* designer : {static_cast<FormBase*>(hp), static_cast<FormBase*>(bp), static_cast<FormBase*>(forms::TP)}) {
    WindowsTest::Show(designer);
    EXPECT_GT(CountPixels(designer, kBlue), 200) << designer->objectName().toStdString();
  }
  EXPECT_TRUE(HasText(hp->CurrentDiagram(), "-3dB @ 2100 Hz"));
  EXPECT_TRUE(HasText(bp->CurrentDiagram(), "-3dB @5900 Hz"));
  EXPECT_EQ(bp->Edit5->text(), "28,13");
  hp->hide();
  Show("english");
  EXPECT_EQ(hp->windowTitle() + " " + hp->Label24->text() + " " + hp->Edit3->text(), "high pass quality = 0.707 14,07")
      << "component texts keep the comma in English";
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

TEST_F(FilterWindows, OrderLogicAndTypedComponentsSetTheQualityAndBadInputNeverShowsNanOrInf) {
  Show();
  THP* hp = form();
  hp->bessel->click();
  hp->RadioButton1->click();
  EXPECT_TRUE(hp->butter->isChecked());
  EXPECT_FALSE(hp->bessel->isEnabled() || hp->phasen->isEnabled() || hp->Edit4->isEnabled());
  hp->RadioButton3->click();
  EXPECT_FALSE(hp->Button2->isEnabled() || hp->linkwitz->isEnabled() || hp->Edit6->isEnabled());
  EXPECT_TRUE(hp->phasen->isEnabled() && hp->Edit5->isEnabled());
  EXPECT_EQ(hp->Label24->text(), "");
  hp->phasen->click();
  hp->RadioButton2->click();
  EXPECT_TRUE(hp->butter->isChecked());
  EXPECT_FALSE(hp->phasen->isEnabled() || hp->Edit5->isEnabled());
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
  TypeIntoEach({hp->Edit1, hp->Edit2, hp->Edit3, hp->Edit4}, BadNumberTexts());
}

TEST_F(FilterWindows, BandPassPresetsSetTheSecondStageAndTypedTextChoosesNothing) {
  TBP* bp = forms::BP;
  WindowsTest::Show(bp);
  Choose(bp->ComboBox1, 0);
  EXPECT_EQ(bp->Edit7->text(), "0,00");
  for (QWidget* w : std::initializer_list<QWidget*>{bp->Edit6, bp->Edit7, bp->UpDown5, bp->UpDown6, bp->Label15})
    EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
  EXPECT_EQ(bp->Label17->text(), "Güte = 0,7; Gesamt-Schwingkreis-Güte 0,447");
  Choose(bp->ComboBox1, 3);
  EXPECT_TRUE(bp->Edit6->isEnabled() && bp->UpDown6->isEnabled());
  // The preset shown, chosen again, designs again.
  Type(bp->Edit5, "33");
  Choose(bp->ComboBox1, 3);
  EXPECT_EQ(bp->Edit5->text(), "28,13");
  const QString l1 = bp->Edit4->text();
  bp->ComboBox1->lineEdit()->selectAll();
  QTest::keyClicks(bp->ComboBox1->lineEdit(), "steil");
  EXPECT_EQ(bp->SelectedPreset(), -1);
  bp->Edit3->setText("8000");
  EXPECT_EQ(bp->Edit4->text(), l1);
  Choose(bp->ComboBox1, 3);
  Type(bp->Edit1, "0");
  Type(bp->Edit5, "10");
  Type(bp->Edit4, "1");
  EXPECT_EQ(bp->Label17->text(), "Q ?");
  EXPECT_EQ(CountPixels(bp, kBlue), 0);
}

TEST_F(FilterWindows, EachUpDownStepsItsEditAndTheFrequencyRecalculates) {
  const struct { FormBase* form; const char *edit, *from, *button, *to; } rows[] = {
      {forms::HP, "Edit3", "4,7", "UpDown1Up", "5.60"},    {forms::HP, "Edit2", "2000", "UpDown3Up", "2100"},
      {forms::TP, "Edit2", "100", "UpDown5Down", "99"},    {forms::BP, "Edit4", "0,02", "UpDown1Down", "0.018"}
  };
  for (const auto& row : rows) {
    WindowsTest::Show(row.form);
    QLineEdit* edit = row.form->findChild<QLineEdit*>(row.edit);
    Type(edit, row.from);
    ClickButton(row.form, row.button);
    EXPECT_EQ(edit->text(), row.to) << row.form->objectName().toStdString() << " " << row.button;
  }
  EXPECT_EQ(forms::HP->Edit3->text(), "13,40") << "recalculated at 2100 Hz";
  // The band pass's edges never cross.
  Type(forms::BP->Edit2, "1000");
  Type(forms::BP->Edit3, "1000");
  ClickButton(forms::BP, "UpDown2Up");
  EXPECT_EQ(forms::BP->Edit2->text(), "1000");
}

TEST_F(FilterWindows, CursorReadOutFromTheOuterSize) {
  Show("english");
  // At the designed outer size 700 x 518 a decade takes 201 pixels and 40 dB take 263.
  MoveMouse({216, 276});
  EXPECT_EQ(Title(), "high pass (cursor 100,0 Hz / -0,0 dB /  90 °)");
  EXPECT_EQ(form()->cursor().shape(), Qt::CrossCursor);
  MoveMouse({15, 200});
  EXPECT_EQ(Title(), "high pass");
  EXPECT_EQ(form()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(FilterWindows, WithoutAutoFilterSimTheButtonDrawsUntilAComponentChanges) {
  Option("AutoFilterSim", false);
  Show();
  EXPECT_EQ(Pixels(kBlue), 0);
  QTest::mouseClick(form()->Button2, Qt::LeftButton);
  EXPECT_GT(Pixels(kBlue), 200);
  Type(form()->Edit3, "10");
  EXPECT_EQ(Pixels(kBlue), 0);
}

TEST_F(FilterWindows, ExportFillsTheBranchOrSaysThereIsNoData) {
  Show();
  QTest::mouseClick(form()->Button3, Qt::LeftButton);
  EXPECT_TRUE(BranchOnFastGrid(FilterBranchKind::HighPass));
  EXPECT_NEAR(FilterBranchOf(FilterBranchKind::HighPass).level[200], -3.009, 5e-4);  // 2000 Hz
  TTP* tp = forms::TP;
  WindowsTest::Show(tp);
  tp->RadioButton3->setChecked(true);  // third order: no circuit to export
  QTest::mouseClick(tp->Button4, Qt::LeftButton);
  EXPECT_EQ(seam.messages, QStringList{"keine simulationsdaten / no data"});
  EXPECT_FALSE(BranchExported(FilterBranchKind::LowPass));
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
  EXPECT_TRUE(hp->RadioButton3->isChecked()) << "restored once per show";
  // The low pass reads "guete" whatever its case; damaged values give the defaults.
  settings->WriteSettings(
      "[Options]\r\nAboutAtStart=0\r\nSaveFilter=1\r\n[Tiefpass]\r\nZ=abc\r\nfo=30000\r\nOrdnung=1\r\nGUETE=3\r\nL1=2\r\n");
  TTP* tp = forms::TP;
  OpenActive(tp);
  EXPECT_EQ(tp->Edit1->text() + tp->Edit2->text(), "42000");
  EXPECT_TRUE(tp->RadioButton1->isChecked() && tp->linkwitz->isChecked());
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
  EXPECT_TRUE(seam.messages.size() == 1 && seam.messages[0].startsWith("Die Filterwerte konnten nicht"));
}

TEST_F(FilterWindows, MainWindowButtonsOpenTheDesignersAndHelpNamesTheirTopics) {
  for (const char* button : {"Hochpass", "Bandfilter", "Tiefpass"}) ClickButton(forms::Form1, button);
  EXPECT_TRUE(forms::HP->isVisible() && forms::BP->isVisible() && forms::TP->isVisible());
  for (QPushButton* help : {forms::HP->Button4, forms::BP->Button3, forms::TP->Button3}) help->click();
  ASSERT_EQ(seam.helpRequests.size(), 3);
  EXPECT_EQ(seam.helpRequests[0].topic + seam.helpRequests[1].topic + seam.helpRequests[2].topic,
            "QTX_contents0015QTX_contents0014QTX_contents0013");
}

}  // namespace
}  // namespace velomare::test
