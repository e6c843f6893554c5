// The Thiele-Small window driven through its controls: the model's results for the worked readings
// of both methods, the method buttons, apply, the values taken again at activation, bad input.
#include <QLabel>
#include <QRadioButton>

#include "WindowTest.h"
#include "app/AllForms.h"
#include "driver/model/CommittedDriver.h"
#include "driver/model/DriverValues.h"
#include "driver/model/TspFromImpedance.h"

namespace velomare::test {
namespace {

class TsparaWindow : public WindowTest<Ttspara, &forms::tspara> {
 protected:
  using Readings = QList<std::pair<QLineEdit*, const char*>>;
  // The worked readings in the order the window asks for them.
  Readings WorkedReadings() {
    Ttspara* f = form();
    return {{f->Edit1, "6,8"}, {f->Edit2, "29"}, {f->Edit3, "40"},   {f->Edit4, "22"}, {f->Edit5, "38"},     {f->Edit6, "1"},
            {f->Edit7, "12"},  {f->Edit8, "25,3"}, {f->Edit9, "24"}, {f->Edit16, "Maker"}, {f->Edit17, "Model"}};
  }
  void TypeReadings(const Readings& readings) {
    for (const auto& [edit, text] : readings) Type(edit, text);
  }
  void TypeClosedBoxReadings() {
    Ttspara* f = form();
    f->RadioButton2->click();
    TypeReadings({{f->Edit9, "40"}, {f->Edit11, "50"}, {f->Edit12, "34"}, {f->Edit13, "32"}, {f->Edit14, "52"}});
  }
  QList<QLineEdit*> Edits() {
    Ttspara* f = form();
    return {f->Edit1,  f->Edit2,  f->Edit3,  f->Edit4,  f->Edit5,  f->Edit6,  f->Edit7,  f->Edit8, f->Edit9,
            f->Edit10, f->Edit11, f->Edit12, f->Edit13, f->Edit14, f->Edit15, f->Edit16, f->Edit17};
  }
  QStringList ResultTexts() {
    Ttspara* f = form();
    return TextsOf({f->Label23, f->Label19, f->Label24, f->Label25, f->Label26, f->Label29, f->Label27, f->Label28,
                    f->Label13, f->Label15, f->Label22, f->Label17, f->Label20, f->Label21, f->Label18, f->Label33,
                    f->Label4,  f->Label5});
  }
  // What the model gives for the texts the edits hold now, taken in order.
  QStringList ModelResults() {
    TspMeasurement m;
    m.SetMethod(form()->RadioButton2->isChecked() ? TspMethod::ClosedBox : TspMethod::AddedMass);
    TspEditTexts texts;
    for (std::size_t i = 0; i < kTspEditCount; ++i) texts[i] = Edits()[int(i)]->text().toStdString();
    m.TakeAll(texts);
    const TspReadouts r = m.ComputeTspFromImpedance();
    return QStrings({r.qts, r.qms, r.qes, r.vas, r.fs, r.re, r.impedance, r.le, r.spl, r.sd, r.ebp, r.mms, r.cmes,
                     r.bxl, r.cms, r.rms, r.f1Caption, r.f2Caption});
  }
};

TEST_F(TsparaWindow, EmptyAndWorkedReadingsOfBothMethodsShowTheModelsResults) {
  Show();
  Ttspara* f = form();
  EXPECT_EQ(TextsOf({f->Edit10, f->Edit11, f->Edit15}), QStringList({"10", "10", "0,5"}));
  EXPECT_EQ(ResultTexts(), ModelResults());
  EXPECT_FALSE(f->Button2->isEnabled());
  EXPECT_TRUE(f->Button2->isDefault());

  TypeReadings(WorkedReadings());
  EXPECT_EQ(ResultTexts(), ModelResults());
  EXPECT_EQ(f->Label23->text(), "Gesamtgüte Qts=0.747");
  EXPECT_TRUE(f->Button2->isEnabled());

  TypeClosedBoxReadings();
  EXPECT_EQ(ResultTexts(), ModelResults());
  EXPECT_EQ(f->Label25->text(), "Vas = 35.6 l");
  f->RadioButton1->click();  // back to the added mass, whose resonance is still to be typed
  EXPECT_EQ(ResultTexts(), ModelResults());

  SetLanguage("english");
  Repaint();
  EXPECT_EQ(f->windowTitle(), "Determination of the Thiele-Small parameters");
  EXPECT_EQ(f->Label23->text(), "total Quality Qts=0.747");
}

TEST_F(TsparaWindow, EveryTextFitsWithTheWorkedReadingsOfBothMethodsInBothLanguages) {
  Show();
  TypeReadings(WorkedReadings());
  for (const char* language : {"deutsch", "english"}) {
    SetLanguage(language);
    for (QRadioButton* method : {form()->RadioButton1, form()->RadioButton2}) {
      method == form()->RadioButton1 ? (method->click(), Type(form()->Edit9, "24")) : TypeClosedBoxReadings();
      Repaint();
      EXPECT_EQ(LayoutProblems(form(), language), QStringList());
    }
  }
}

TEST_F(TsparaWindow, MethodButtonsDisableTheOtherMethodsControlsWithoutHidingThem) {
  Show();
  Ttspara* f = form();
  const QList<QWidget*> closedBox = {f->Edit11, f->Edit12, f->Edit13, f->Edit14, f->Label11, f->Label12, f->Label14, f->Label16};
  for (QRadioButton* method : {f->RadioButton2, f->RadioButton1}) {
    method->click();
    const bool closed = method == f->RadioButton2;
    for (QWidget* w : closedBox + QList<QWidget*>{f->Edit10, f->Label10, f->Edit9})
      EXPECT_TRUE(w->isVisible() && w->isEnabled() == (closedBox.contains(w) ? closed : w == f->Edit9 || !closed))
          << w->objectName().toStdString() << (closed ? " closed box" : " added mass");
  }
}

TEST_F(TsparaWindow, ApplyCommitsTheShownDriverAndTellsSoButWritesNoFile) {
  Show();
  Ttspara* f = form();
  TypeReadings(WorkedReadings());
  Type(f->Edit15, "1,2");
  const std::string before = settings->ReadSettings();
  WorkDia = 10;  // the driver-data window computing in the background
  WorkVol = 3;
  f->Button2->click();

  ASSERT_EQ(seam.messages.size(), 1);
  EXPECT_EQ(seam.messages[0], "Werte wurden zum Berechnen übernommen!");
  EXPECT_NEAR(ChassisQts, 0.747, 0.0005);
  EXPECT_DOUBLE_EQ(ChassisDia, 25.3);
  EXPECT_DOUBLE_EQ(ChassisVol, 1.2);
  EXPECT_EQ(settings->ReadSettings(), before);
  EXPECT_TRUE(f->isVisible());
  // The driver-data window shows the new driver at its next show, Qms included.
  forms::Chassisform->ShowForm();
  EXPECT_EQ(TextsOf({forms::Chassisform->Edit1, forms::Chassisform->Edit11, forms::Chassisform->Edit6}),
            QStringList({"0,747", "4,396", "Model"}));

  // Names are cut to 30 characters in the edits; a disabled apply commits nothing.
  Type(f->Edit16, QString(35, 'M'));
  EXPECT_EQ(f->Edit16->text(), QString(30, 'M'));
  Type(f->Edit17, "");
  EXPECT_FALSE(f->Button2->isEnabled());
  ChassisRe = 3.3;
  QTest::keyClick(f->Edit1, Qt::Key_Return);
  f->Button2Click();
  EXPECT_DOUBLE_EQ(ChassisRe, 3.3);
  EXPECT_EQ(seam.messages.size(), 1);
}

TEST_F(TsparaWindow, ActivationTakesEveryValueAgainFromItsEdit) {
  Show();
  Ttspara* f = form();
  // f1 and f2 typed before fs are lost while typing ...
  Readings readings = WorkedReadings();
  readings.move(1, 4);
  TypeReadings(readings);
  EXPECT_EQ(f->Label23->text(), "Qts");
  EXPECT_FALSE(f->Button2->isEnabled());
  // ... and counted once the window is activated again.
  Reactivate();
  EXPECT_EQ(f->Label23->text(), "Gesamtgüte Qts=0.747");

  // The activation that follows apply's message leaves every value in place, so a second apply
  // commits the same driver, not zeros and empty names.
  f->Button2->click();
  const QStringList shown = ResultTexts();
  Reactivate();
  EXPECT_EQ(ResultTexts(), shown);
  ResetCommittedDriver();
  f->Button2->click();
  EXPECT_EQ(ChassisName, "Model");

  // A resistance edit emptied while typing leaves Re (the edit's rule); the next activation
  // takes the empty edit.
  Type(f->Edit1, "");
  EXPECT_TRUE(f->Button2->isEnabled());
  Reactivate();
  EXPECT_FALSE(f->Button2->isEnabled());
}

TEST_F(TsparaWindow, PrintHelpAndClose) {
  Show();
  Ttspara* f = form();
  ExpectHelpAndPrint(f->Button3, "QTX_contents0019", f->Button4);
  f->Button1->click();
  EXPECT_FALSE(f->isVisible());
}

TEST_F(TsparaWindow, BadTextInAnyEditNeverShowsNanOrInfNorEnablesApplyWrongly) {
  Show();
  TypeReadings(WorkedReadings());
  Ttspara* f = form();
  for (QRadioButton* method : {f->RadioButton1, f->RadioButton2}) {
    method->click();
    if (method == f->RadioButton2) TypeClosedBoxReadings();
    TypeIntoEach(Edits(), {"abc", "", "1e999", QString(300, '9')}, [&](const QString&) {
      Reactivate();
      Repaint();
      const auto& v = f->Measurement().Stored();
      EXPECT_TRUE(!f->Button2->isEnabled() || (v.re > 1 && v.fs > 10 && v.vas >= 1 && WorkDia > 5 && WorkVol > 0));
    });
    Reactivate();
    EXPECT_TRUE(f->Button2->isEnabled());
  }
}

}  // namespace
}  // namespace velomare::test
