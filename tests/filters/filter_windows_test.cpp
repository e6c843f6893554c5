// The high-, band- and low-pass designer windows driven through their controls: design, order
// logic, presets, typed and stepped parts, read-out, simulation, export, saved sections, help.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cmath>
#include <filesystem>

#include "TextRecordingPage.h"
#include "WindowTest.h"
#include "app/AllForms.h"
#include "filters/FilterCircuit.h"
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

// Each designer's circuit holds two capacitors (high pass: C1 and C2 in the line; band pass: C1
// in the line, C2 across the load; low pass: C1 and C2 across the load), and each is drawn as two
// plates: two parallel strokes of one length side by side, 6 px apart. No stroke is a mere point.
TEST_F(FilterWindows, CircuitPicturesDrawEveryCapacitorAsTwoPlates) {
  const auto platePairs = [](const QList<QLineF>& lines) {
    int pairs = 0;
    for (qsizetype i = 0; i < lines.size(); ++i)
      for (qsizetype j = i + 1; j < lines.size(); ++j) {
        const QLineF& a = lines[i];
        const QLineF& b = lines[j];
        const QPointF apart = b.center() - a.center();
        const bool parallel = std::abs(a.dx() * b.dy() - a.dy() * b.dx()) < 1e-6;
        const bool sideBySide = std::abs(apart.x() * a.dx() + apart.y() * a.dy()) < 1e-6;
        if (parallel && sideBySide && std::abs(a.length() - b.length()) < 1e-6 &&
            std::abs(std::hypot(apart.x(), apart.y()) - 6) < 1e-6)
          ++pairs;
      }
    return pairs;
  };
  for (FilterDesignerForm* designer : {static_cast<FilterDesignerForm*>(forms::HP),
                                       static_cast<FilterDesignerForm*>(forms::BP),
                                       static_cast<FilterDesignerForm*>(forms::TP)}) {
    SCOPED_TRACE(designer->objectName().toStdString());
    WindowsTest::Show(designer);
    const QList<QLineF> lines = LinesDrawnBy(designer->findChild<FilterCircuit*>("Image1"));
    ASSERT_FALSE(lines.isEmpty());
    for (const QLineF& line : lines) EXPECT_GE(line.length(), 1) << line.x1() << "," << line.y1();
    EXPECT_EQ(platePairs(lines), 2);
  }
}

TEST_F(FilterWindows, HighPassShowsItsDesignInBothLanguages) {
  THP* hp = forms::HP;
  Show();
  EXPECT_EQ(hp->windowTitle(), "Hochpass ");
  EXPECT_EQ(TextsOf({hp->Edit3, hp->Edit4, hp->Edit5, hp->Edit6}), QStringList({"14,07", "0,45", "0,00", "0,00"}));
  EXPECT_EQ(hp->Label24->text(), "Güte = 0,707");
  EXPECT_EQ(hp->Label13->text(), "Filterordnung (Flankensteilheit in dB/Okt.)");
  EXPECT_TRUE(hp->RadioButton2->isChecked() && hp->butter->isChecked());
  EXPECT_FALSE(hp->phasen->isEnabled());
  // The value behind a changed text is the text's value.
  EXPECT_EQ(hp->Values().c1, 14.07);
  EXPECT_EQ(hp->Values().l1, 0.45);
  hp->hide();
  Show("english");
  EXPECT_EQ(hp->Label1->text(), "impedance Z");
  EXPECT_EQ(hp->Label13->text(), "filter order (rise of edge in dB/oct.)");
  EXPECT_EQ(hp->phasen->text(), "0,03°-&phase linear");
  EXPECT_EQ(hp->Button1->text(), "&close");
  EXPECT_EQ(hp->Button4->text(), "&Hilfe");
}

TEST_F(FilterWindows, DefaultDesignsDrawTheirMinus3dBMarkersInBothLanguages) {
  for (const char* language : {"deutsch", "english"}) {
    for (FormBase* w : {static_cast<FormBase*>(forms::HP), static_cast<FormBase*>(forms::BP),
                        static_cast<FormBase*>(forms::TP)})
      WindowsTest::Show(w, language);
    EXPECT_TRUE(HasText(forms::HP->CurrentDiagram(), "-3dB @ 2100 Hz")) << language;
    EXPECT_TRUE(HasText(forms::TP->CurrentDiagram(), "-3dB @ 2000 Hz")) << language;
    const FilterDiagram bp = forms::BP->CurrentDiagram();
    EXPECT_TRUE(HasText(bp, "-3dB @ 860 Hz")) << language;
    EXPECT_TRUE(HasText(bp, "-3dB @5900 Hz")) << language;
    for (FormBase* w : {static_cast<FormBase*>(forms::HP), static_cast<FormBase*>(forms::BP),
                        static_cast<FormBase*>(forms::TP)}) {
      EXPECT_GT(CountPixels(w, kBlue), 200) << w->objectName().toStdString();
      EXPECT_GT(CountPixels(w, QColor(0, 128, 0)), 50) << w->objectName().toStdString();
      w->hide();
    }
  }
}

TEST_F(FilterWindows, OrderLogicOfTheHighAndLowPass) {
  for (PassDesignerForm* form : {static_cast<PassDesignerForm*>(forms::HP), static_cast<PassDesignerForm*>(forms::TP)}) {
    SCOPED_TRACE(form->objectName().toStdString());
    WindowsTest::Show(form);
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
      EXPECT_EQ(edit("Edit3")->text(), "0,60");   // L1 = 1.886·4000/(2π·2000) mH
      EXPECT_EQ(edit("Edit6")->text(), "7,035");  // C2 = 0.3536·1e6/(2π·2000·4) µF
    }
  }
}

TEST_F(FilterWindows, BadTextsInAllFourEditsAtOnceShowNoNanOrInf) {
  Show();
  THP* hp = form();
  for (const char* text : {"abc", "", "-", "1e999", "123456789012345678901234567890", "0,0000000000000001", "-5"}) {
    SCOPED_TRACE(text);
    for (QLineEdit* e : {hp->Edit1, hp->Edit2, hp->Edit3, hp->Edit4}) Type(e, text);
    ExpectNoNonFiniteTexts(hp);
  }
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
  EXPECT_EQ(bp->windowTitle(), "Bandpass ");
  EXPECT_EQ(bp->ComboBox1->currentText(), "2x12dB (Butterworth)");
  EXPECT_EQ(TextsOf({bp->Edit5, bp->Edit6, bp->Edit4, bp->Edit7}), QStringList({"28,13", "0,900", "0,180", "5,63"}));
  EXPECT_EQ(bp->Label17->text(), "Güte des Tiefpasses 0,707; Güte des Hochpasses 0,707");
  Choose(bp->ComboBox1, 0);
  EXPECT_EQ(bp->Edit6->text(), "0,000");
  EXPECT_EQ(bp->Edit7->text(), "0,00");
  for (QWidget* w : std::initializer_list<QWidget*>{bp->Edit6, bp->Edit7, bp->UpDown5, bp->UpDown6, bp->Label11,
                                                    bp->Label13, bp->Label14, bp->Label15})
    EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
  EXPECT_EQ(bp->Label17->text(), "Güte = 0,7; Gesamt-Schwingkreis-Güte 0,447");
  Choose(bp->ComboBox1, 2);
  EXPECT_TRUE(bp->Edit6->isEnabled());
  EXPECT_TRUE(bp->UpDown6->isEnabled());
  EXPECT_NE(bp->Edit7->text(), "0,00");
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
  // The lower edge above the upper one: every part reads 0.
  Type(bp->Edit2, "9000");
  for (QLineEdit* e : {bp->Edit4, bp->Edit5, bp->Edit6, bp->Edit7}) EXPECT_EQ(e->text(), "0,00") << e->objectName().toStdString();
  Type(bp->Edit2, "1000");
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

TEST_F(FilterWindows, UpDownsStepComponentsWithinTheirRangesAndShowTheirHints) {
  THP* hp = forms::HP;
  WindowsTest::Show(hp);
  Type(hp->Edit3, "4,7");
  ClickButton(hp, "UpDown1Up");
  EXPECT_EQ(hp->Values().c1, 5.6);
  ClickButton(hp, "UpDown1Down");
  ClickButton(hp, "UpDown1Down");
  EXPECT_EQ(hp->Edit3->text(), "3.90");
  Type(hp->Edit3, "0,5");
  ClickButton(hp, "UpDown1Down");
  EXPECT_EQ(hp->Edit3->text(), "0,5");
  TTP* tp = forms::TP;
  WindowsTest::Show(tp);
  Type(tp->Edit3, "0,82");
  ClickButton(tp, "UpDown1Up");
  EXPECT_EQ(tp->Edit3->text(), "0.910");
  ClickButton(tp, "UpDown1Up");
  EXPECT_EQ(tp->Edit3->text(), "1.000");
  EXPECT_EQ(tp->UpDown5->toolTip(), "Frequenz auf/ab");
  EXPECT_EQ(hp->UpDown1->toolTip(), "");
  TBP* bp = forms::BP;
  WindowsTest::Show(bp);
  Type(bp->Edit2, "1000");
  Type(bp->Edit3, "1000");
  ClickButton(bp, "UpDown3Down");
  EXPECT_EQ(bp->Edit3->text(), "1000");
  ClickButton(bp, "UpDown3Up");
  EXPECT_EQ(bp->Edit3->text(), "1100");
  Type(bp->Edit7, "0,02");
  ClickButton(bp, "UpDown6Down");  // C2 steps down only above 0.02
  EXPECT_EQ(bp->Edit7->text(), "0,02");
}

// Each component's up-down steps inside its own range and leaves the edit alone at the range's
// ends: the windows' ranges differ in their bounds and in whether a bound is inside.
TEST_F(FilterWindows, EveryComponentUpDownStopsAtTheEndsOfItsOwnRange) {
  const struct { FormBase* form; const char *edit, *from, *button, *to; } rows[] = {
      {forms::HP, "Edit3", "1000", "UpDown1Up", "1000"},     {forms::HP, "Edit3", "910", "UpDown1Up", "1000.00"},
      {forms::HP, "Edit3", "0,0001", "UpDown1Up", "0,0001"}, {forms::HP, "Edit3", "0,56", "UpDown1Down", "0.47"},
      {forms::HP, "Edit4", "100", "UpDown2Up", "100"},       {forms::HP, "Edit4", "91", "UpDown2Up", "100.000"},
      {forms::HP, "Edit4", "0,05", "UpDown2Down", "0,05"},   {forms::HP, "Edit4", "0,001", "UpDown2Up", "0,001"},
      {forms::BP, "Edit4", "100", "UpDown1Up", "120.000"},   {forms::BP, "Edit4", "120", "UpDown1Up", "120"},
      {forms::BP, "Edit5", "100", "UpDown4Up", "120.000"},   {forms::BP, "Edit5", "0,0001", "UpDown4Up", "0,0001"},
      {forms::BP, "Edit5", "0,02", "UpDown4Down", "0.018"},  {forms::BP, "Edit5", "0,019", "UpDown4Down", "0,019"},
      {forms::TP, "Edit3", "100", "UpDown1Up", "120.000"},   {forms::TP, "Edit3", "0,02", "UpDown1Down", "0,02"},
      {forms::TP, "Edit4", "1000", "UpDown2Up", "1200.000"}, {forms::TP, "Edit4", "1200", "UpDown2Up", "1200"},
      {forms::TP, "Edit4", "0,15", "UpDown2Down", "0.120"},  {forms::TP, "Edit4", "0,149", "UpDown2Down", "0,149"},
  };
  for (const auto& row : rows) {
    WindowsTest::Show(row.form);
    QLineEdit* edit = row.form->findChild<QLineEdit*>(row.edit);
    Type(edit, row.from);
    ClickButton(row.form, row.button);
    EXPECT_EQ(edit->text(), row.to) << row.form->objectName().toStdString() << " " << row.edit << " " << row.from
                                    << " " << row.button;
  }
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
  // The diagram's top left corner: 10 Hz, +10 dB, 180°.
  MoveMouse({15, 210});
  EXPECT_EQ(Title(), "high pass (cursor 10,0 Hz / 10,0 dB / 180 °)");
  // Too low a window has no diagram to read.
  SetLanguage("deutsch");
  Repaint();
  form()->resize(form()->width(), 200);
  MoveMouse({15, 230});
  EXPECT_EQ(Title(), "Hochpass ");
}

TEST_F(FilterWindows, WithoutAutoFilterSimTheButtonDrawsUntilAComponentChanges) {
  Option("AutoFilterSim", false);
  Show();
  EXPECT_EQ(Pixels(kBlue), 0);
  QTest::mouseClick(form()->Button2, Qt::LeftButton);
  EXPECT_GT(Pixels(kBlue), 200);
  const int blue = Pixels(kBlue);
  // Covering, moving and resizing repaint from the kept state.
  form()->resize(form()->size() + QSize(1, 1));
  form()->resize(form()->size() - QSize(1, 1));
  EXPECT_EQ(Pixels(kBlue), blue);
  Type(form()->Edit3, "10");
  EXPECT_EQ(Pixels(kBlue), 0);
  // Order 3 draws nothing even from the button.
  form()->RadioButton3->setChecked(true);
  QTest::mouseClick(form()->Button2, Qt::LeftButton);
  EXPECT_EQ(Pixels(kBlue), 0);
}

TEST_F(FilterWindows, ZeroImpedanceDrawsNothingAndTheWindowStillAnswers) {
  TBP* bp = forms::BP;
  WindowsTest::Show(bp);
  Type(bp->Edit1, "0");
  EXPECT_TRUE(bp->CurrentDiagram().Empty());
  EXPECT_EQ(CountPixels(bp, kBlue), 0);
  Type(bp->Edit1, "0,0000000000000001");
  Type(bp->Edit1, "99999999999999999999");
  for (const DiagramText& t : bp->CurrentDiagram().texts) EXPECT_FALSE(ShowsNonFinite(t.text)) << t.text;
  Type(bp->Edit1, "4");
  EXPECT_TRUE(HasText(bp->CurrentDiagram(), "-3dB @ 860 Hz"));
}

TEST_F(FilterWindows, LowPassTableFollowsTheGridOption) {
  TTP* tp = forms::TP;
  WindowsTest::Show(tp);
  EXPECT_TRUE(tp->ResponseTableContents().fastGrid);
  Option("FastFilter", false);
  tp->hide();
  WindowsTest::Show(tp);
  EXPECT_FALSE(tp->ResponseTableContents().fastGrid);
  // Element 2000 of the full grid is 2000 Hz, the design's cut-off.
  EXPECT_NEAR(tp->ResponseTableContents().level[2000], -3.0, 0.1);
  // On the 1 Hz grid the marker names the first hertz at or below -3 dB.
  std::string marker;
  for (const DiagramText& t : tp->CurrentDiagram().texts)
    if (t.text.rfind("-3dB", 0) == 0) marker = t.text;
  int n = 0;
  for (int f = 10; f <= 20000 && n == 0; ++f)
    if (tp->ResponseTableContents().level[f] <= -3) n = f;
  EXPECT_EQ(marker, "-3dB @ " + std::to_string(n) + " Hz");
  EXPECT_NEAR(n, 2000, 20);
}

TEST_F(FilterWindows, ExportFillsTheBranchOrSaysThereIsNoData) {
  Show();
  QTest::mouseClick(form()->Button3, Qt::LeftButton);
  EXPECT_TRUE(BranchExported(FilterBranchKind::HighPass));
  EXPECT_TRUE(BranchOnFastGrid(FilterBranchKind::HighPass));
  EXPECT_NEAR(FilterBranchOf(FilterBranchKind::HighPass).level[200], -3.009, 5e-4);  // 2000 Hz
  EXPECT_GT(FilterBranchOf(FilterBranchKind::HighPass).phase[10], 0);
  EXPECT_LT(FilterBranchOf(FilterBranchKind::HighPass).phase[10], M_PI);
  EXPECT_TRUE(seam.messages.isEmpty());
  TTP* tp = forms::TP;
  WindowsTest::Show(tp);
  tp->RadioButton3->setChecked(true);  // third order: no circuit to export
  QTest::mouseClick(tp->Button4, Qt::LeftButton);
  EXPECT_EQ(seam.messages, QStringList{"keine simulationsdaten / no data"});
  EXPECT_FALSE(BranchExported(FilterBranchKind::LowPass));
  EXPECT_EQ(TPLevel[200], 0.0);
}

TEST_F(FilterWindows, LowCutOffBandPassKeepsTheCircuitsTruePhase) {
  TBP* bp = forms::BP;
  WindowsTest::Show(bp);
  Type(bp->Edit2, "15");
  Type(bp->Edit3, "5000");
  Choose(bp->ComboBox1, 1);  // "2x12dB (Linkwitz)"
  ASSERT_GT(bp->Values().c2, 0);
  QTest::mouseClick(bp->Button4, Qt::LeftButton);
  const FilterBranch branch = FilterBranchOf(FilterBranchKind::BandPass);
  ASSERT_TRUE(BranchExported(FilterBranchKind::BandPass));
  // Element 190 is 1000 Hz: the circuit lags by about 14°, not +166°.
  EXPECT_NEAR(branch.phase[190] * 180 / M_PI, -14, 2);
  for (int i = 11; i <= 290; ++i) EXPECT_LT(std::fabs(branch.phase[i] - branch.phase[i - 1]), M_PI / 2) << i;
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
  // The band pass comes back as its default 12 dB preset, recalculated once.
  TBP* bp = forms::BP;
  OpenActive(bp);
  Choose(bp->ComboBox1, 2);
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
  EXPECT_EQ(tp->Edit1->text() + tp->Edit2->text(), "42000");
  EXPECT_TRUE(tp->RadioButton1->isChecked() && tp->linkwitz->isChecked());
  // The characteristic is restored after the order, as stored; order 1 computes without it.
  EXPECT_EQ(tp->Label24->text(), "Güte = 0,707");
  EXPECT_EQ(tp->Edit3->text(), "2");
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
  ASSERT_TRUE(forms::TP->SaveFilterFlag());
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
  EXPECT_EQ(seam.helpRequests[0].file, "VELO.HLP");
}

}  // namespace
}  // namespace velomare::test
