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
  const char* cutoffText;  // the default driver's -3 dB marker
  int labelCount;          // level and frequency labels and the marker
};
const PrintingWindow kWindows[] = {
    {"closed", [] { return static_cast<FormBase*>(forms::closed); },
     [] { return static_cast<QAbstractButton*>(forms::closed->Button4); }, "-3dB bei  51 Hz", 12},
    {"reflex", [] { return static_cast<FormBase*>(forms::Reflex); },
     [] { return static_cast<QAbstractButton*>(forms::Reflex->Button5); }, "-3dB bei  30 Hz", 12},
};

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
  // Every text on the sheet and none over another; the title whole, naming the driver, and ending
  // where the diagram does; the marker's leader line still ending at its text.
  void ExpectReadable(const PrintingWindow& w, const QString& driver) {
    for (const int dpi : {300, 600, 1200}) {
      for (const bool landscape : {false, true}) {
        SCOPED_TRACE(std::string(w.name) + (landscape ? " landscape " : " portrait ") + std::to_string(dpi) + " dpi");
        const Printed p = Print(w, landscape, dpi);
        ASSERT_EQ(p.page.dotsPerInch, dpi);
        EXPECT_EQ(TextsOutside(p.texts, p.page.width, p.page.height), QStringList());
        EXPECT_EQ(OverlappingTexts(p.texts), QStringList());
        EXPECT_EQ(p.texts.size(), w.labelCount + 1);
        const RecordedText* title = Title(p);
        ASSERT_NE(title, nullptr);
        EXPECT_TRUE(title->text.contains(" " + driver + " in ")) << title->text.toStdString();
        EXPECT_LE(title->rect.right(), p.page.width - 15 + 1);
        const RecordedText* cutoff = Find(p, QString::fromUtf8(w.cutoffText));
        ASSERT_NE(cutoff, nullptr);
        EXPECT_TRUE(std::any_of(p.lines.begin(), p.lines.end(), [&](const QLineF& l) {
          return cutoff->rect.adjusted(-1, -1, 1, 1).contains(l.p2());
        }));
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

TEST_F(PrintedPage, TextsThatFitKeepTheirPlaces) {
  // At 300 dpi the printer's font leaves room: the title at (70, 30), the -3 dB mark at its point
  // plus 55 pixels and 100 pixels above the bottom of the diagram, the labels where they stand.
  Open(kWindows[0]);
  const auto p = Print(kWindows[0], false, 300);
  const int h = PrintedDiagramHeight(p.page.height, false);
  const PlotGeometry g{p.page.width, h, 100};
  const RecordedText* title = Title(p);
  ASSERT_NE(title, nullptr);
  EXPECT_NEAR(title->rect.left(), 70, 0.5);
  const auto top = [](const RecordedText* t) { return t ? t->rect.top() : -1.0; };
  EXPECT_NEAR(top(title), 30, 1);
  const RecordedText* cutoff = Find(p, "-3dB bei  51 Hz");
  ASSERT_NE(cutoff, nullptr);
  EXPECT_NEAR(cutoff->rect.left(), g.X(51, FrequencyAxis::Logarithmic) + 55, 0.5);
  EXPECT_NEAR(top(cutoff), h - 100, 1);
  EXPECT_NEAR(top(Find(p, "10")), 95, 1);
  EXPECT_NEAR(top(Find(p, "60Hz")), h - 40, 1);
}

}  // namespace
}  // namespace velomare::test
