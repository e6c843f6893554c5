// The composed pages of the closed-box and bass-reflex windows as a user reads them: on A4 in both
// orientations and at common printer resolutions, with the default driver and with maker and model
// names of the full 30 characters, every text lies on the sheet, no text covers another, and
// nothing is left out to get there.
#include <QPushButton>
#include <algorithm>
#include <cstring>

#include "TextRecordingPage.h"
#include "WindowTest.h"
#include "app/AllForms.h"
#include "enclosures/model/ResponsePlot.h"

namespace velomare::test {
namespace {

struct PrintingWindow {
  const char* name;
  FormBase* (*window)();
  QAbstractButton* (*printButton)();
};
const PrintingWindow kWindows[] = {
    {"closed", [] { return static_cast<FormBase*>(forms::closed); },
     [] { return static_cast<QAbstractButton*>(forms::closed->Button4); }},
    {"reflex", [] { return static_cast<FormBase*>(forms::Reflex); },
     [] { return static_cast<QAbstractButton*>(forms::Reflex->Button5); }},
};
// The title, five level labels, six frequency labels and the -3 dB mark.
constexpr int kTextsWithCutoffMark = 13;

class PrintedPage : public WindowsTest {
 protected:
  struct Printed {
    QList<RecordedText> texts;
    QList<QLineF> lines;
    platform::PrintedPage page;
  };
  Printed Print(const PrintingWindow& w, bool landscape, int dpi) {
    TextRecordingPage recording(dpi);
    seam.printDevice = &recording;
    seam.printLandscape = landscape;
    seam.printResolution = dpi;
    w.printButton()->click();
    seam.printDevice = nullptr;
    return {recording.Texts(), recording.Lines(), seam.composedPages.value(seam.composedPages.size() - 1)};
  }
  static const RecordedText* Find(const Printed& p, const QString& text) {
    const auto it = std::find_if(p.texts.begin(), p.texts.end(), [&](const RecordedText& t) { return t.text == text; });
    return it == p.texts.end() ? nullptr : &*it;
  }
  static const RecordedText* Title(const Printed& p) {
    const auto it = std::find_if(p.texts.begin(), p.texts.end(),
                                 [](const RecordedText& t) { return t.text.startsWith("Velomare 3.2.5: 1x "); });
    return it == p.texts.end() ? nullptr : &*it;
  }
  // Every text on the sheet and none over another; all texts there, the title whole, naming the
  // driver, and ending where the diagram does; each mark above the diagram's bottom line, its leader
  // line still ending at its text.
  void ExpectReadable(const PrintingWindow& w, const QString& driver, int textCount = kTextsWithCutoffMark) {
    for (const int dpi : {300, 600, 1200}) {
      for (const bool landscape : {false, true}) {
        SCOPED_TRACE(std::string(w.name) + (landscape ? " landscape " : " portrait ") + std::to_string(dpi) + " dpi");
        const Printed p = Print(w, landscape, dpi);
        ASSERT_EQ(p.page.dotsPerInch, dpi);
        EXPECT_EQ(TextsOutside(p.texts, p.page.width, p.page.height), QStringList());
        EXPECT_EQ(OverlappingTexts(p.texts), QStringList());
        EXPECT_EQ(p.texts.size(), textCount);
        const RecordedText* title = Title(p);
        ASSERT_NE(title, nullptr);
        EXPECT_TRUE(title->text.contains(" " + driver + " in ")) << title->text.toStdString();
        EXPECT_LE(title->rect.right(), p.page.width - 15 + 1);
        const int bottomLine = PrintedDiagramHeight(p.page.height, landscape) - 45;
        int marks = 0;
        for (const RecordedText& mark : p.texts) {
          if (!mark.text.startsWith("-3dB bei") && !mark.text.startsWith("max.")) continue;
          ++marks;
          EXPECT_LT(mark.rect.bottom(), bottomLine) << mark.text.toStdString();
          EXPECT_TRUE(std::any_of(p.lines.begin(), p.lines.end(), [&](const QLineF& l) {
            return mark.rect.adjusted(-1, -1, 1, 1).contains(l.p2());
          })) << mark.text.toStdString();
        }
        EXPECT_EQ(marks, 1 + textCount - kTextsWithCutoffMark);
      }
    }
  }
  void Open(const PrintingWindow& w) {
    w.window()->ShowForm();
    ASSERT_TRUE(ShowAndActivate(w.window()));
  }
};

TEST_F(PrintedPage, EveryTextLiesOnTheSheetAndNoneCoversAnotherWithTheDefaultDriverAndWithLongNames) {
  for (const PrintingWindow& w : kWindows) {
    Open(w);
    ExpectReadable(w, "VISATON W 300 NG (8 Ohm)");
  }
  const char* maker = "Lautsprecherfabrik Musterstadt";
  const char* model = "WS 25 E-8 Tieftoener 250 W MK2";
  ASSERT_EQ(std::strlen(maker) + std::strlen(model), 60u);
  CommitDriver({{&TChassisform::Edit9, maker}, {&TChassisform::Edit6, model}});
  for (const PrintingWindow& w : kWindows) {
    Open(w);
    ExpectReadable(w, QString(maker) + " " + model);
  }
}

TEST_F(PrintedPage, APeakMarkAndTheCutoffMarkMakeWayForEachOther) {
  Open(kWindows[0]);
  Type(forms::closed->Edit1, "1,2");  // -3 dB at 63 Hz and a peak at 105 Hz, close together
  ExpectReadable(kWindows[0], "VISATON W 300 NG (8 Ohm)", kTextsWithCutoffMark + 1);
}

TEST_F(PrintedPage, ATitleTooWideForTheSmallestLegibleFontLosesTheMiddleOfTheNamesNotTheValues) {
  CommitDriver({{&TChassisform::Edit9, "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"},
                {&TChassisform::Edit6, "MWMWMWMWMWMWMWMWMWMWMWMWMWMWMW"}});
  Open(kWindows[1]);
  const auto p = Print(kWindows[1], false, 600);
  EXPECT_EQ(TextsOutside(p.texts, p.page.width, p.page.height), QStringList());
  EXPECT_EQ(OverlappingTexts(p.texts), QStringList());
  const RecordedText* title = Title(p);
  ASSERT_NE(title, nullptr);
  EXPECT_TRUE(title->text.startsWith("Velomare 3.2.5: 1x WWWWWWWWWW")) << title->text.toStdString();
  EXPECT_TRUE(title->text.contains(QChar(0x2026)));
  EXPECT_TRUE(title->text.endsWith(" Rohre a 10.0 cm, Länge 3.4 cm, Verl.Faktor  4"));
}

TEST_F(PrintedPage, TextsKeepTheirPlacesWhereTheyFitAndMoveTheLeastWhereNot) {
  Open(kWindows[0]);
  const auto top = [](const RecordedText* t) { return t ? t->rect.top() : -1.0; };
  const auto left = [](const RecordedText* t) { return t ? t->rect.left() : -1.0; };
  // At 300 dpi the printer's font leaves room: the title at (70, 30), the -3 dB mark at its point
  // plus 55 pixels and 100 pixels above the bottom of the diagram, the labels where they stand.
  auto p = Print(kWindows[0], false, 300);
  int h = PrintedDiagramHeight(p.page.height, false);
  PlotGeometry g{p.page.width, h, 100};
  EXPECT_NEAR(left(Title(p)), 70, 0.5);
  EXPECT_NEAR(top(Title(p)), 30, 1);
  EXPECT_NEAR(left(Find(p, "-3dB bei  51 Hz")), g.X(51, FrequencyAxis::Logarithmic) + 55, 0.5);
  EXPECT_NEAR(top(Find(p, "-3dB bei  51 Hz")), h - 100, 1);
  EXPECT_NEAR(top(Find(p, "10")), 95, 1);
  EXPECT_NEAR(top(Find(p, "60Hz")), h - 40, 1);
  // At 600 dpi the title moves up above the "10" rather than away from the left, and the mark up
  // above the bottom line rather than sideways; the labels stay.
  p = Print(kWindows[0], false, 600);
  h = PrintedDiagramHeight(p.page.height, false);
  g = PlotGeometry{p.page.width, h, 100};
  EXPECT_NEAR(left(Title(p)), 70, 0.5);
  EXPECT_LT(top(Title(p)), 30);
  EXPECT_NEAR(left(Find(p, "-3dB bei  51 Hz")), g.X(51, FrequencyAxis::Logarithmic) + 55, 0.5);
  EXPECT_LT(top(Find(p, "-3dB bei  51 Hz")), h - 100);
  EXPECT_NEAR(top(Find(p, "10")), 95, 1);
  EXPECT_NEAR(top(Find(p, "60Hz")), h - 40, 1);
}

}  // namespace
}  // namespace velomare::test
