// The composed pages of the closed-box and bass-reflex windows as a user reads them: on A4 in both
// orientations and at common printer resolutions, with the default driver and with maker and model
// names of the full 30 characters, every text lies on the sheet, whole and off the frame and level
// lines, no text touches another, and nothing is left out to get there.
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>

#include "TextRecordingPage.h"
#include "WindowTest.h"
#include "app/AllForms.h"
#include "common/NumberText.h"
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
const char* const kLongMaker = "Lautsprecherfabrik Musterstadt";
const char* const kLongModel = "WS 25 E-8 Tieftoener 250 W MK2";

class PrintedPage : public WindowsTest {
 protected:
  struct Printed {
    QList<RecordedText> texts;
    QList<RecordedLine> lines;
    platform::PrintedPage page;
  };
  // The diagram's frame as printed, found among the lines: the five lines across the page (the top
  // line, the three level lines, the bottom line) and the vertical lines at their left end (the left
  // frame line, with the 10 Hz line on it).
  struct Frame {
    QList<RecordedLine> lines;
    QList<double> levelY;  // the horizontal lines from the top
    int left = 0, top = 0, right = 0, bottom = 0;
    // The diagram whose frame this is, computed for its own size, and where that lies on the page.
    PlotGeometry Geometry() const { return {right - left + 30, bottom - top + 145, 100}; }
    QPoint Offset() const { return {left - 15, top - 100}; }
    double X(double frequency) const { return Geometry().X(frequency, FrequencyAxis::Logarithmic) + Offset().x(); }
  };
  static Frame FrameOf(const Printed& p) {
    Frame frame;
    for (const RecordedLine& l : p.lines)
      if (l.y1() == l.y2() && std::abs(l.dx()) > p.page.width / 2) frame.lines << l;
    std::sort(frame.lines.begin(), frame.lines.end(), [](const QLineF& a, const QLineF& b) { return a.y1() < b.y1(); });
    if (frame.lines.isEmpty()) return frame;
    for (const RecordedLine& l : frame.lines) frame.levelY << l.y1();
    frame.left = qRound(std::min(frame.lines[0].x1(), frame.lines[0].x2()));
    frame.right = qRound(std::max(frame.lines[0].x1(), frame.lines[0].x2()));
    frame.top = qRound(frame.levelY.first());
    frame.bottom = qRound(frame.levelY.last());
    for (const RecordedLine& l : p.lines)
      if (l.x1() == frame.left && l.x2() == frame.left && l.dy() != 0) frame.lines << l;
    return frame;
  }
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
  // The page printed in both orientations at each resolution.
  void EachPage(const PrintingWindow& w, std::initializer_list<int> resolutions,
                const std::function<void(const Printed&)>& check) {
    for (const int dpi : resolutions) {
      for (const bool landscape : {false, true}) {
        SCOPED_TRACE(std::string(w.name) + (landscape ? " landscape " : " portrait ") + std::to_string(dpi) + " dpi");
        const Printed p = Print(w, landscape, dpi);
        ASSERT_EQ(p.page.dotsPerInch, dpi);
        ASSERT_EQ(p.page.landscape, landscape);
        check(p);
      }
    }
  }
  // Both windows with the default driver, then both with maker and model names of 30 characters.
  void EachWindowAndDriver(const std::function<void(const PrintingWindow&, const QString& driver)>& check) {
    for (const PrintingWindow& w : kWindows) {
      Open(w);
      check(w, "VISATON W 300 NG (8 Ohm)");
    }
    ASSERT_EQ(std::strlen(kLongMaker), 30u);
    ASSERT_EQ(std::strlen(kLongModel), 30u);
    CommitDriver({{&TChassisform::Edit9, kLongMaker}, {&TChassisform::Edit6, kLongModel}});
    for (const PrintingWindow& w : kWindows) {
      Open(w);
      check(w, QString(kLongMaker) + " " + kLongModel);
    }
  }
  // Every text on the sheet, off the frame and level lines, and none touching another; all texts
  // there, the title whole, naming the driver, and ending where the diagram does; each mark above
  // the diagram's bottom line, its leader line still ending at its text.
  void ExpectReadable(const PrintingWindow& w, const QString& driver, int textCount = kTextsWithCutoffMark) {
    EachPage(w, {300, 600, 1200}, [&](const Printed& p) {
      EXPECT_EQ(TextsOutside(p.texts, p.page.width, p.page.height), QStringList());
      EXPECT_EQ(TouchingTexts(p.texts), QStringList());
      EXPECT_EQ(TextsOnLines(p.texts, FrameOf(p).lines), QStringList());
      EXPECT_EQ(p.texts.size(), textCount);
      const RecordedText* title = Title(p);
      ASSERT_NE(title, nullptr);
      EXPECT_TRUE(title->text.contains(" " + driver + " in ")) << title->text.toStdString();
      EXPECT_LE(title->rect.right(), p.page.width - 15 + 1);
      const int bottomLine = FrameOf(p).bottom;
      EXPECT_LE(bottomLine, PrintedDiagramHeight(p.page.height, p.page.landscape) - 45);
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
    });
  }
  // See TextsStayOffTheFrameAndTheLevelLinesAndTouchNoOtherText.
  void ExpectTextsOffTheLines(const PrintingWindow& w, const Printed& p) {
    const Frame frame = FrameOf(p);
    ASSERT_EQ(frame.levelY.size(), 5);
    ASSERT_EQ(frame.lines.size(), 7);  // with the left frame line and the 10 Hz line
    EXPECT_EQ(TextsOnLines(p.texts, frame.lines), QStringList());
    EXPECT_EQ(TouchingTexts(p.texts), QStringList());

    EXPECT_EQ(frame.right, p.page.width - 15);
    const PlotGeometry g = frame.Geometry();
    const QPoint at = frame.Offset();
    EXPECT_EQ(frame.levelY,
              QList<double>({double(frame.top), double(g.GridY(0.25) + at.y()), double(g.GridY(0.5) + at.y()),
                             double(g.GridY(0.75) + at.y()), double(frame.bottom)}));
    for (const int f : {20, 50, 100, 400})
      EXPECT_TRUE(std::any_of(p.lines.begin(), p.lines.end(),
                              [&](const QLineF& l) {
                                return l.x1() == frame.X(f) && l.x2() == frame.X(f) && l.y1() == frame.top &&
                                       l.y2() == frame.bottom;
                              }))
          << f << " Hz";
    const bool reflex = std::strcmp(w.name, "reflex") == 0;
    const RecordedText* zero = Find(p, "0dB");
    // (Not "100Hz", which may have moved right of "80Hz" on a narrow page.)
    const RecordedText* twenty = Find(p, reflex ? "20" : "20Hz");
    ASSERT_TRUE(zero && twenty);
    EXPECT_NEAR(zero->rect.left(), 1, 0.5);
    EXPECT_NEAR(zero->rect.top(), g.GridY(0.25) + at.y() - 5, 1);
    EXPECT_NEAR(twenty->rect.left(), std::trunc(0.19 * g.PlotWidth()) + 5 + at.x(), 0.5);
    EXPECT_NEAR(twenty->rect.top(), frame.bottom + 5, 1);
  }
  void Open(const PrintingWindow& w) {
    w.window()->ShowForm();
    ASSERT_TRUE(ShowAndActivate(w.window()));
  }
};

TEST_F(PrintedPage, EveryTextLiesOnTheSheetAndNoneCoversAnotherWithTheDefaultDriverAndWithLongNames) {
  EachWindowAndDriver([&](const PrintingWindow& w, const QString& driver) { ExpectReadable(w, driver); });
}

// The frame and the level lines stay whole and every text whole beside them: the level labels left
// of the frame, the title above it, the frequency labels below it, the marks between the lines; no
// text touches another. The diagram is still the one the page's fixed offsets give, only moved and
// sized: its level lines at a quarter, half and three quarters of its height, its frequency lines
// where its width puts them, the level labels at x = 1 just above their lines, the frequency labels
// 5 pixels below the bottom line at their fractions of the width.
TEST_F(PrintedPage, TextsStayOffTheFrameAndTheLevelLinesAndTouchNoOtherText) {
  // The page's font is the printer's: the program's own, and a larger one as a printer driver may
  // give, which leaves the title no room above the top line where the diagram stays put.
  const QFont programFont = QGuiApplication::font();
  QFont larger = programFont;
  larger.setPointSizeF(12);
  ASSERT_GT(larger.pointSizeF(), programFont.pointSizeF());
  EachWindowAndDriver([&](const PrintingWindow& w, const QString&) {
    for (const QFont& font : {programFont, larger}) {
      SCOPED_TRACE(FormatFixed(font.pointSizeF(), 0, 1) + " pt");
      QGuiApplication::setFont(font);
      EachPage(w, {300, 600}, [&](const Printed& p) { ExpectTextsOffTheLines(w, p); });
    }
    QGuiApplication::setFont(programFont);
  });
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
  const auto bottom = [](const RecordedText* t) { return t ? t->rect.bottom() : -1.0; };
  // At 300 dpi the printer's font leaves room above and below the diagram: the title at (70, 30),
  // the top line at 100 with the "10" above it, the bottom line 45 pixels above the half page with
  // the labels 5 pixels below it, the -3 dB mark at its point plus 55 pixels and 100 pixels above
  // the diagram's lower edge. Only the frame moves right of the level labels, which keep x = 1.
  auto p = Print(kWindows[0], false, 300);
  int h = PrintedDiagramHeight(p.page.height, false);
  Frame frame = FrameOf(p);
  EXPECT_NEAR(left(Title(p)), 70, 0.5);
  EXPECT_NEAR(top(Title(p)), 30, 1);
  EXPECT_EQ(frame.top, 100);
  EXPECT_EQ(frame.bottom, h - 45);
  EXPECT_GT(frame.left, 15);
  EXPECT_NEAR(left(Find(p, "10")), 1, 0.5);
  EXPECT_NEAR(top(Find(p, "10")), 95, 1);
  EXPECT_NEAR(left(Find(p, "-3dB bei  51 Hz")), frame.X(51) + 55, 0.5);
  EXPECT_NEAR(top(Find(p, "-3dB bei  51 Hz")), h - 100, 1);
  EXPECT_NEAR(top(Find(p, "60Hz")), h - 40, 1);
  // At 600 dpi the title stays and the top line moves down below it and the "10"; the mark moves up
  // above the bottom line rather than sideways; the frequency labels stay 5 pixels below that line.
  p = Print(kWindows[0], false, 600);
  h = PrintedDiagramHeight(p.page.height, false);
  frame = FrameOf(p);
  EXPECT_NEAR(left(Title(p)), 70, 0.5);
  EXPECT_NEAR(top(Title(p)), 30, 1);
  EXPECT_GT(frame.top, 100);
  EXPECT_NEAR(top(Find(p, "10")), frame.top - 5, 1);
  EXPECT_LT(bottom(Title(p)), top(Find(p, "10")));
  EXPECT_EQ(frame.bottom, h - 45);
  EXPECT_NEAR(left(Find(p, "-3dB bei  51 Hz")), frame.X(51) + 55, 0.5);
  EXPECT_LT(top(Find(p, "-3dB bei  51 Hz")), frame.bottom - 55);
  EXPECT_NEAR(top(Find(p, "60Hz")), frame.bottom + 5, 1);
  // In landscape the frequency labels would run off the sheet: the bottom line moves up so that
  // they keep their 5 pixels below it and end on the sheet.
  p = Print(kWindows[0], true, 600);
  frame = FrameOf(p);
  EXPECT_LT(frame.bottom, p.page.height - 45);
  EXPECT_NEAR(top(Find(p, "60Hz")), frame.bottom + 5, 1);
  EXPECT_LE(bottom(Find(p, "60Hz")), p.page.height);
  EXPECT_GT(bottom(Find(p, "60Hz")), p.page.height - 5);
}

}  // namespace
}  // namespace velomare::test
