// The main window driven through its controls: captions in both languages, hints, compact mode,
// the close question, the windows it shows and hides, help and printer set-up; and the about box.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QStatusBar>
#include <QToolButton>

#include "WindowTest.h"
#include "app/AllForms.h"
#include "common/Settings.h"
#include "driver/model/CommittedDriver.h"
#include "driver/model/DisplacementCaller.h"

namespace velomare::test {
namespace {

void Enter(QWidget* w) {
  QEvent enter(QEvent::Enter);
  QCoreApplication::sendEvent(w, &enter);
}

class MainWindow : public WindowsTest {
 protected:
  TForm1* form() { return forms::Form1; }
};

TEST_F(MainWindow, CaptionsAndHintsFollowTheLanguageAtEveryPaint) {
  SetLanguage("english");
  Repaint(form());
  EXPECT_EQ(form()->Eingabe->text(), "&input of TSPs");
  EXPECT_EQ(form()->Gehuse2->title(), "housing");
  Enter(form()->Auswahl);
  EXPECT_EQ(form()->StatusBar1->currentMessage(), "depending on the speaker parameters sofware advises the usefulness ");
  // Over an empty spot the version comes back.
  Enter(form()->findChild<QWidget*>("client"));
  EXPECT_EQ(form()->StatusBar1->currentMessage(), "Velomare 3.2.5");
}

TEST_F(MainWindow, CaptionsFollowTheLanguageAtEveryPaint) {
  Repaint(form());
  EXPECT_EQ(form()->Eingabe->text(), "&Eingabe TSP");
  EXPECT_EQ(form()->Label3->text(), "Berechnen von Gehäusebauformen");
  EXPECT_EQ(form()->Label1->text(), "Berechnen / Simulieren  von Boxen");
  EXPECT_EQ(form()->Gehuse2->title(), "Gehäuse");
  EXPECT_EQ(form()->AboutVelomar1->text(), "&Über Velomare");

  SetLanguage("english");
  Repaint(form());
  EXPECT_EQ(form()->Label3->text(), "calculating different boxes housings ");
  EXPECT_EQ(form()->Dmpfungsglied1->text(), "level correction");
  // Not re-captioned by language.
  EXPECT_EQ(form()->CheckBox1->text(), "Background");
  EXPECT_EQ(form()->VentBandpass1->text(), "Vent. Bandpass");
  EXPECT_EQ(form()->Assistent1->text(), "Assistent");
  EXPECT_EQ(form()->windowTitle(), "Velomare 3.2.5 - Freeware");

  SetLanguage("English");  // only the exact word counts
  Repaint(form());
  EXPECT_EQ(form()->Eingabe->text(), "&Eingabe TSP");
}

TEST_F(MainWindow, StatusBarShowsTheHintOfTheControlUnderTheMouse) {
  Repaint(form());
  QTest::mouseMove(form()->Eingabe);
  Enter(form()->Eingabe);
  EXPECT_EQ(form()->StatusBar1->currentMessage(),
            "Zur Berechnung müssen die Thiele-Small-Parameter des Chassis eingeben werden");
  Enter(form()->Button8);
  EXPECT_EQ(form()->StatusBar1->currentMessage(), "Berechnung der Weiche aus den einzelnen Pässen ");
  EXPECT_EQ(form()->vergleich->toolTip(), "Simulationsresultate vergleichen");
}

TEST_F(MainWindow, CompactModeAndBackRestoresTheNormalSize) {
  EXPECT_EQ(form()->OuterSize(), QSize(582, 559));
  ChassisQts = 0.3;  // as a tool would have committed it
  form()->CheckBox1->click();
  EXPECT_EQ(ChassisQts, 0.3);  // the window came back, the driver was not loaded again
  EXPECT_EQ(form()->OuterSize(), QSize(300, 62));
  EXPECT_FALSE(form()->StatusBar1->isVisible());
  EXPECT_TRUE(form()->windowFlags() & Qt::WindowStaysOnTopHint);
  // The check box and the top row stay in view.
  for (QWidget* w : {static_cast<QWidget*>(form()->CheckBox1), static_cast<QWidget*>(form()->Button5)})
    EXPECT_TRUE(form()->rect().contains(QRect(w->mapTo(form(), QPoint(0, 0)), w->size())))
        << w->objectName().toStdString();
  form()->CheckBox1->click();
  EXPECT_EQ(form()->OuterSize(), QSize(582, 559));
  EXPECT_TRUE(form()->StatusBar1->isVisible());
  EXPECT_FALSE(form()->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(form()->isVisible());
}

TEST_F(MainWindow, TheCloseQuestionKeepsTheProgramOnNoAndIsSkippedByNoCheckEnd) {
  AnswerNo();
  form()->Button5->click();
  QTest::keyClick(form(), Qt::Key_Escape);
  EXPECT_EQ(seam.questions, QStringList(2, "Programm beenden ?"));
  EXPECT_TRUE(form()->isVisible());
  seam.answer = [](const QString&) { return platform::Answer::Yes; };
  form()->Programmbeenden1->trigger();
  EXPECT_FALSE(form()->isVisible());
  form()->show();
  NoCheckEnd = true;
  QTest::keyClick(form(), Qt::Key_Escape);
  EXPECT_EQ(seam.questions.size(), 3);
  EXPECT_FALSE(form()->isVisible());
}

TEST_F(MainWindow, CloseQuestionNoKeepsTheProgramRunningInTheLanguage) {
  AnswerNo();
  SetLanguage("english");
  form()->grab();
  QTest::keyClick(form(), Qt::Key_Escape);
  ASSERT_EQ(seam.questions.size(), 1);
  EXPECT_EQ(seam.questions.back(), "end program?");
  EXPECT_TRUE(form()->isVisible());
}

TEST_F(MainWindow, ButtonsAndMenuItemsShowTheirWindows) {
  const std::pair<QAbstractButton*, QWidget*> buttons[] = {
      {form()->Button3, forms::options},   {form()->Auswahl, forms::wahl},       {form()->geschl, forms::closed},
      {form()->Reflexbt, forms::Reflex},   {form()->Bandbox, forms::bandkiste},  {form()->Button9, forms::ventpass},
      {form()->Button7, forms::offen},     {form()->Button6, forms::Expo},       {form()->vergleich, forms::ResultCompare},
      {form()->quader, forms::quaderbox},  {form()->trapez, forms::trapezbox},   {form()->pyramide, forms::pyramidebox},
      {form()->Tiefpass, forms::TP},       {form()->Bandfilter, forms::BP},      {form()->Hochpass, forms::HP},
      {form()->Impedanz, forms::Imp},      {form()->Trimode, forms::Tri},        {form()->Button8, forms::weiche},
      {form()->Button2, forms::Druck},     {form()->Button4, forms::Durch},      {form()->Button10, forms::unitcalc},
      {form()->Button1, forms::tspara},    {form()->buttonQL, forms::QLmess},    {form()->Button11, forms::mehrbox},
      {form()->SpeedButton1, forms::assistent}};
  for (const auto& [button, window] : buttons) {
    window->hide();
    button->click();
    EXPECT_TRUE(window->isVisible()) << button->objectName().toStdString();
  }
  const std::pair<QAction*, QWidget*> items[] = {
      {form()->Chassis, forms::Chassisform}, {form()->Messen1, forms::tspara},   {form()->Optionen1, forms::options},
      {form()->Gehwahl, forms::wahl},        {form()->offen1, forms::offen},     {form()->geschlossen, forms::closed},
      {form()->Bassreflex2, forms::Reflex},  {form()->Bandpass, forms::bandkiste}, {form()->N4, forms::Expo},
      {form()->Schalldruck1, forms::Druck},  {form()->minimalerReflexrohrdurchmesser1, forms::Durch},
      {form()->VentBandpass1, forms::ventpass}, {form()->QuaderStandbox1, forms::quaderbox},
      {form()->TrapezCarSub1, forms::trapezbox}, {form()->Pyramide1, forms::pyramidebox},
      {form()->Verlustfaktormessen1, forms::QLmess}, {form()->Zusammenschaltung1, forms::mehrbox},
      {form()->Hochpass1, forms::HP},        {form()->Tiefpass1, forms::TP},     {form()->Bandpass1, forms::BP},
      {form()->TrimodeWeiche1, forms::Tri},  {form()->Impedanzkorrektur1, forms::Imp},
      {form()->AboutVelomar1, forms::about}, {form()->Assistent1, forms::assistent}};
  for (const auto& [item, window] : items) {
    window->hide();
    item->trigger();
    EXPECT_TRUE(window->isVisible()) << item->objectName().toStdString();
  }
  EXPECT_EQ(form()->Messen1->shortcut(), QKeySequence("Ctrl+M"));
  EXPECT_EQ(form()->Optionen1->shortcut(), QKeySequence("Ctrl+O"));
  EXPECT_EQ(form()->Helpinhalt->shortcut(), QKeySequence(Qt::Key_F1));
  EXPECT_EQ(form()->Suchen1->shortcut(), QKeySequence(Qt::Key_F2));
  // The placeholders stay disabled and show nothing.
  EXPECT_FALSE(form()->TML->isEnabled());
  EXPECT_FALSE(form()->Messen2->isEnabled());
  EXPECT_FALSE(form()->Transmissionline1->isEnabled());
  EXPECT_FALSE(form()->Gesamtweiche1->isEnabled());
  form()->TML->click();
  form()->Messen2->trigger();
  EXPECT_FALSE(forms::TML->isVisible());
  EXPECT_FALSE(forms::Messenform->isVisible());
  // The attenuator button toggles; its menu item only shows.
  forms::Dampfform->hide();
  form()->daempf->click();
  EXPECT_TRUE(forms::Dampfform->isVisible());
  form()->daempf->click();
  EXPECT_FALSE(forms::Dampfform->isVisible());
  form()->Dmpfungsglied1->trigger();
  form()->Dmpfungsglied1->trigger();
  EXPECT_TRUE(forms::Dampfform->isVisible());
  // Both displacement launchers make the committed driver the receiver.
  for (auto launch : {+[](TForm1* f) { f->Button_eigenvol->click(); },
                      +[](TForm1* f) { f->Eigenvolumenberechnen1->trigger(); }}) {
    forms::displacement->hide();
    DisplacementCaller = 1;
    launch(form());
    EXPECT_EQ(DisplacementCaller, 0);
    EXPECT_TRUE(forms::displacement->isVisible());
  }
}

TEST_F(MainWindow, DriverInputHidesTheEnclosureWindowsButTheHorn) {
  QWidget* hidden[] = {forms::wahl, forms::closed, forms::Reflex, forms::bandkiste, forms::ventpass, forms::offen};
  for (QWidget* w : hidden) w->show();
  forms::Expo->show();
  form()->Eingabe->click();
  for (QWidget* w : hidden) EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
  EXPECT_TRUE(forms::Expo->isVisible());
  EXPECT_TRUE(forms::Chassisform->isVisible());
}

TEST_F(MainWindow, HelpRequestsNameTheHelpFileAndPrinterSetupOpensItsDialog) {
  form()->buttonhelp->click();
  form()->Helpinhalt->trigger();
  form()->Suchen1->trigger();
  form()->Hilfebenutzen1->trigger();
  ASSERT_EQ(seam.helpRequests.size(), 4);
  EXPECT_EQ(seam.helpRequests[0].file + seam.helpRequests[0].topic, "VELO.HLPQTX_contents0001");
  using platform::HelpCommand;
  const HelpCommand commands[] = {HelpCommand::Topic, HelpCommand::Contents, HelpCommand::PartialKeySearch,
                                  HelpCommand::HelpOnHelp};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(seam.helpRequests[i].command, commands[i]) << i;
  // Each request says the help file is missing, the first with its file and topic.
  ASSERT_EQ(seam.messages.size(), 4);
  EXPECT_TRUE(seam.messages[0].contains("VELO.HLP"));
  EXPECT_TRUE(seam.messages[0].contains("QTX_contents0001"));
  form()->Druckereinstellung1->trigger();
  EXPECT_EQ(seam.printerSetups, 1);
}

TEST_F(MainWindow, ClientAreaAndFontAreAsDesigned) {
  QWidget* client = form()->findChild<QWidget*>("client");
  EXPECT_EQ(client->size(), QSize(574, 513));
  EXPECT_EQ(form()->minimumSize(), form()->maximumSize());
  EXPECT_EQ(form()->font().pixelSize(), 10);
  EXPECT_TRUE(form()->Label1->font().bold());
  EXPECT_EQ(form()->Label1->font().pixelSize(), 16);
  EXPECT_EQ(form()->pos(), QPoint(0, 0));
  // Every button lies inside the client area, above the status bar.
  for (QAbstractButton* b : client->findChildren<QAbstractButton*>())
    EXPECT_LE(b->geometry().bottom(), form()->StatusBar1->geometry().top()) << b->objectName().toStdString();
}

using AboutBox = ProgramTest;

TEST_F(AboutBox, TextsFollowTheLanguageAtTheNextPaint) {
  StartProgram();
  forms::about->grab();
  EXPECT_EQ(forms::about->windowTitle(), "über Velomare");
  EXPECT_EQ(forms::about->Label16->text(), "im Netz");
  EXPECT_EQ(forms::about->Label1->text(), "");
  OpenSettings().WriteString("Info", "Sprache", "english");
  forms::about->grab();
  EXPECT_EQ(forms::about->windowTitle(), "about Velomare");
  EXPECT_EQ(forms::about->Label6->text(), "in acoustics and electronics.");
  EXPECT_EQ(forms::about->Button2->text(), "&print");
}

TEST_F(AboutBox, PrintQuestionFollowsTheLanguage) {
  settings->WriteSettings("[Info]\r\nSprache=english\r\n");
  StartProgram();
  seam.answer = [](const QString&) { return platform::Answer::Yes; };
  OpenSettings().WriteString("Info", "Sprache", "deutsch");
  forms::about->grab();
  forms::about->Button2->click();
  EXPECT_EQ(seam.questions.value(0), "Fenster drucken?");
  ASSERT_EQ(seam.printed.size(), 1);
  EXPECT_EQ(seam.printed[0], forms::about);
}

TEST_F(AboutBox, ShownAtStartUnlessSwitchedOffAndPrintedAfterTheQuestionInTheLanguage) {
  settings->WriteSettings("[Options]\r\nAboutAtStart=ja\r\n[Info]\r\nSprache=english\r\n");  // no integer: the default
  StartProgram();
  EXPECT_TRUE(forms::about->isVisible());
  EXPECT_TRUE(forms::about->windowFlags() & Qt::WindowStaysOnTopHint);
  AnswerNo();
  forms::about->Button2->click();
  EXPECT_EQ(seam.questions.value(0), "print window?");
  EXPECT_TRUE(seam.printed.isEmpty());
  seam.answer = [](const QString&) { return platform::Answer::Yes; };
  forms::about->Button2->click();
  EXPECT_EQ(seam.printed.value(0), forms::about);
  forms::about->Button1->click();
  EXPECT_FALSE(forms::about->isVisible());
  forms::Form1->AboutVelomar1->trigger();
  EXPECT_TRUE(forms::about->isVisible());
}

TEST_F(AboutBox, LinksOpenTheWebPageAndAMailAndTurnPurpleUnderTheMouse) {
  StartProgram();
  QTest::mouseClick(forms::about->Label8, Qt::LeftButton);
  QTest::mouseClick(forms::about->Label7, Qt::LeftButton);
  ASSERT_EQ(seam.opened.size(), 2);
  EXPECT_TRUE(seam.opened[0].startsWith("http://"));
  EXPECT_TRUE(seam.opened[1].startsWith("mailto:"));
  Enter(forms::about->Label8);
  EXPECT_EQ(forms::about->Label8->palette().color(QPalette::WindowText), QColor(128, 0, 128));
  QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(forms::about, &move);
  EXPECT_EQ(forms::about->Label8->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

}  // namespace
}  // namespace velomare::test
