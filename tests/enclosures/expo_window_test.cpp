// The horn window driven through its controls offscreen.
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <cstdio>

#include "WindowTest.h"
#include "app/AllForms.h"
#include "driver/model/CommittedDriver.h"

namespace velomare::test {
namespace {

class ExpoWindow : public WindowTest<TExpo, &forms::Expo> {
 protected:
  void ShowActive() {
    Activate();
    Repaint();
  }
  int W() { return form()->frameGeometry().width(); }
  int H() { return form()->frameGeometry().height(); }
  // The left and right edges of the plot frame are black only while the contour is drawn.
  bool ContourOnScreen() {
    const QImage image = form()->grab().toImage();
    const int y = (180 + H() - 45) / 2;
    return image.pixelColor(30, y) == Qt::black && image.pixelColor(W() - 15, y) == Qt::black;
  }
};

TEST_F(ExpoWindow, DesignValuesAndTheScrollBarThatShowsTheCrossSectionAndResetsBeforeItsRangeShrinks) {
  ShowActive();
  TExpo* f = form();
  EXPECT_EQ(f->Label10->text(), "Trichterlänge Xmax= 60.1 cm");
  EXPECT_EQ(f->Label14->text(), "bei x= 1cm, A=519cm² (=22.8x22.8cm)");
  EXPECT_TRUE(ContourOnScreen());
  f->ScrollBar1->setValue(30);
  EXPECT_EQ(f->Label14->text(), "bei x=30cm, A=1513cm² (=38.9x38.9cm)");
  f->fu->setText("120");  // Xm = 41.9 cm: the position 30 stays
  EXPECT_EQ(QList<int>({f->ScrollBar1->maximum(), f->ScrollBar1->value()}), QList<int>({41, 30}));
  EXPECT_EQ(f->Label14->text().left(11), "bei x= 1cm,");  // after each computation the first centimetre
  f->fu->setText("150");  // Xm = 25.4 cm, below the position: back to 1 first, then the range
  EXPECT_EQ(QList<int>({f->ScrollBar1->maximum(), f->ScrollBar1->value()}), QList<int>({25, 1}));
  // A mouth smaller than the throat keeps the scroll bar at zero and draws nothing.
  f->RadioButton1->click();
  f->Ah->setText("2500");
  f->fu->setText("200");
  EXPECT_EQ(f->Label10->text(), "Trichterlänge Xmax= -1.1 cm");
  EXPECT_EQ(QList<int>({f->ScrollBar1->maximum(), f->ScrollBar1->value()}), QList<int>({0, 0}));
  EXPECT_FALSE(ContourOnScreen());
  f->fu->setText("100");  // back to a long horn: the range grows again from 0
  EXPECT_EQ(f->ScrollBar1->maximum(), 35);
  EXPECT_TRUE(ContourOnScreen());
  f->Ah->setText("500");
  f->RadioButton4->setChecked(true);  // a placement chosen from code recomputes too
  EXPECT_EQ(f->Label10->text(), "Trichterlänge Xmax= 22.6 cm");
  SetLanguage("english");
  Reactivate();
  Repaint();
  EXPECT_EQ(f->Label12->text(), "dry well / pressure chamber volume = 5.4 l");
}

TEST_F(ExpoWindow, BadTextsShowPlaceholdersDisableTheScrollBarAndDrawNothing) {
  ShowActive();
  TExpo* f = form();
  TypeIntoEach({f->fu, f->Ah}, BadNumberTexts(), [&](const QString&) {
    EXPECT_EQ(f->Label10->text(), "Xm");
    EXPECT_EQ(f->Label14->text(), "Fläche bei x");
    EXPECT_FALSE(f->ScrollBar1->isEnabled());
    EXPECT_FALSE(ContourOnScreen());
    f->FormMouseMove(100, 300);  // the mouse over the plot reads nothing
    EXPECT_EQ(Title(), "Exponential-Horn");
  });
  Type(f->fu, "10");  // the chamber keeps its own test: an invalid fu still shows it
  Type(f->Edit1, "300");
  EXPECT_EQ(f->Label12->text(), "Druckkammervolumen 9.0 l");
  Type(f->Edit1, "1001");
  EXPECT_EQ(f->Label12->text(), "-");
}

TEST_F(ExpoWindow, SavedInputsRestoreOncePerShowInOrderAndCloseWritesThemOrSaysItFailed) {
  settings->WriteSettings(
      "[Options]\r\nAboutAtStart=0\r\nSaveBox=1\r\n\r\n[Expo]\r\nfu=50\r\nfo=300\r\nHals=250,5\r\nCursor=40\r\n"
      "Aufstellung=3\r\n");
  ShowActive();
  TExpo* f = form();
  EXPECT_EQ(TextsOf({f->fu, f->Ah, f->Edit1}), QStringList({"50", "250.5", "300"}));
  EXPECT_TRUE(f->RadioButton3->isChecked());
  EXPECT_EQ(f->ScrollBar1->value(), 40);  // set after the inputs' recompute
  EXPECT_EQ(f->Label14->text().left(11), "bei x=40cm,");
  f->ScrollBar1->setValue(12);
  f->RadioButton4->click();
  f->Button1->click();
  const std::string bytes = settings->ReadSettings();
  const std::string section = "[Expo]\r\nfu=50\r\nfo=300\r\nHals=250.5\r\nCursor=12\r\nAufstellung=4\r\n";
  EXPECT_EQ(bytes.substr(bytes.size() - std::min(bytes.size(), section.size())), section);
  // Stored values out of their ranges fall back to the design values.
  settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\nSaveBox=1\r\n\r\n[Expo]\r\nfu=1000\r\nHals=x\r\nAufstellung=0\r\n");
  ShowActive();
  EXPECT_EQ(TextsOf({f->fu, f->Ah}), QStringList({"100", "500"}));
  EXPECT_TRUE(f->RadioButton2->isChecked());
  // A folder where the settings file should be: the replacement cannot be renamed over it.
  std::remove(settings->SettingsPath().c_str());
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(settings->SettingsPath())));
  f->Button1->click();
  EXPECT_TRUE(seam.messages.value(0).startsWith("Die Trichterwerte konnten nicht"));
}

TEST_F(ExpoWindow, WithoutAutoSimulationOnlyTheButtonDrawsAndARepaintOrResizeKeepsIt) {
  Option("AutoBoxSim", false);
  ShowActive();
  TExpo* f = form();
  f->FormMouseMove(100, 300);  // before any drawing the read-out has no axes to scale by
  EXPECT_EQ(Title(), "Exponential-Horn");
  f->Button2->click();
  f->resize(760, 520);
  EXPECT_TRUE(ContourOnScreen());
  Type(f->fu, "101");  // a change erases the window and does not draw again
  EXPECT_FALSE(ContourOnScreen());
}

TEST_F(ExpoWindow, MouseOverThePlotReadsLengthAndAreaIntoTheCaption) {
  ShowActive();
  TExpo* f = form();
  ASSERT_EQ(QSize(W(), H()), QSize(700, 475));  // the plot scales by the outer size
  MoveMouse(QPoint(30 + 131, H() - 95));  // 655 pixels hold 70 cm, 250 pixels 5000 cm²
  EXPECT_EQ(Title(), "Exponential-Horn (Cursor 14,0cm / 1000cm² [=31,6x31,6cm])");
  MoveMouse(QPoint(29, 300));
  EXPECT_EQ(Title(), "Exponential-Horn");
  // A window with no room for the plot draws nothing and reads nothing.
  for (QSize size : {QSize(3, 2), QSize(45, 475), QSize(700, 225)}) {
    f->resize(size);
    Repaint();
    f->FormMouseMove(size.width() / 2, size.height() / 2);
    EXPECT_EQ(Title(), "Exponential-Horn") << size.width() << "x" << size.height();
  }
}

TEST_F(ExpoWindow, EscCloseHelpPrintAndColourScheme) {
  Option("color", true);
  ShowActive();
  TExpo* f = form();
  EXPECT_EQ(f->palette().color(QPalette::Window), QColor(Qt::white));
  ExpectHelpAndPrint(f->Button3, "QTX_contents0008", f->Button4);
  QTest::keyClick(f->fu, Qt::Key_Escape);
  EXPECT_FALSE(f->isVisible());
}

}  // namespace
}  // namespace velomare::test
