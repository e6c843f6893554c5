// The high-, band- and low-pass designers keep their diagram clear of their controls: no text or
// line that the paint handler draws meets the circuit picture or any other control, at the
// designs shown on first opening and over the designs the controls give (every order the diagram
// draws and its characteristics, every band-pass preset, cut-offs from 10 Hz to 20 kHz so that the
// -3 dB markers travel the whole width), in both languages.
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "TextRecordingPage.h"
#include "WindowTest.h"
#include "app/AllForms.h"
#include "filters/FilterCircuit.h"

namespace velomare::test {
namespace {

// Whether a line of one-pixel pen, from end to end, covers a pixel of the rectangle (whose pixels
// run from left() to right() and top() to bottom() of a QRect). Liang-Barsky clipping.
bool LineMeets(const QLineF& line, const QRect& rect) {
  const double x0 = line.x1(), y0 = line.y1(), dx = line.dx(), dy = line.dy();
  double enter = 0, leave = 1;
  const auto clip = [&](double p, double q) {
    if (p == 0) return q >= 0;
    const double t = q / p;
    if (p < 0) enter = std::max(enter, t);
    else leave = std::min(leave, t);
    return enter <= leave;
  };
  return clip(-dx, x0 - rect.left()) && clip(dx, rect.right() - x0) && clip(-dy, y0 - rect.top()) &&
         clip(dy, rect.bottom() - y0);
}

QString Described(const QLineF& l) {
  return QString("line (%1, %2)-(%3, %4)").arg(l.x1()).arg(l.y1()).arg(l.x2()).arg(l.y2());
}

class FilterDiagramRoom : public WindowsTest {
 protected:
  // Every text and line the designer's paint handler draws now that meets one of its visible
  // controls, each named with the design it was drawn for.
  static QStringList DiagramOnControls(FilterDesignerForm* designer, const QString& design) {
    QStringList problems;
    const QList<RecordedText> texts = TextsDrawnBy(designer);
    const QList<QLineF> lines = LinesDrawnBy(designer);
    // A text cut by the window's edge is not whole either (a marker near 20 kHz).
    for (const RecordedText& text : texts)
      if (!QRectF(designer->rect()).contains(text.rect))
        problems << QString("%1 %2: \"%3\" runs past the window at %4")
                        .arg(designer->objectName(), design, text.text, QDebug::toString(text.rect));
    for (const QWidget* control : designer->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (control->isWindow() || !control->isVisible() || control->objectName().isEmpty()) continue;
      const QRect area = control->geometry();
      const QString where = QString("%1 %2, %3: ").arg(designer->objectName(), design, control->objectName());
      for (const RecordedText& text : texts)
        if (text.rect.intersects(QRectF(area)))
          problems << where + "\"" + text.text + "\" at " + QDebug::toString(text.rect);
      for (const QLineF& line : lines)
        if (LineMeets(line, area)) problems << where + Described(line);
    }
    return problems;
  }
  // The diagram must be drawn at all, or the check above passes for nothing.
  static int MarkersDrawnBy(FilterDesignerForm* designer) {
    int markers = 0;
    for (const RecordedText& text : TextsDrawnBy(designer)) markers += text.text.startsWith("-3dB @");
    return markers;
  }
  static const QStringList& CutOffs() {
    static const QStringList texts{"10", "20", "50", "100", "200", "500", "1000", "2000", "5000", "10000", "20000"};
    return texts;
  }
};

TEST_F(FilterDiagramRoom, DefaultDesignsKeepTheirMarkersOffThePicture) {
  for (const char* language : {"deutsch", "english"}) {
    for (FilterDesignerForm* designer : {static_cast<FilterDesignerForm*>(forms::HP),
                                         static_cast<FilterDesignerForm*>(forms::BP),
                                         static_cast<FilterDesignerForm*>(forms::TP)}) {
      for (bool fast : {true, false}) {
        Option("FastFilter", fast);
        Show(designer, language);
        EXPECT_EQ(MarkersDrawnBy(designer), designer == forms::BP ? 2 : 1) << designer->objectName().toStdString();
        const QStringList problems = DiagramOnControls(designer, QString("%1 first opening").arg(language));
        EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
        designer->hide();
      }
    }
  }
}

TEST_F(FilterDiagramRoom, HighAndLowPassDesignsOfEveryDrawnOrderAndCutOff) {
  for (const char* language : {"deutsch", "english"}) {
    for (PassDesignerForm* designer :
         {static_cast<PassDesignerForm*>(forms::HP), static_cast<PassDesignerForm*>(forms::TP)}) {
      Show(designer, language);
      const struct {
        QRadioButton* order;
        QRadioButton* characteristic;
      } designs[] = {{designer->RadioButton1, designer->butter}, {designer->RadioButton2, designer->butter},
                     {designer->RadioButton2, designer->bessel}, {designer->RadioButton2, designer->linkwitz},
                     {designer->RadioButton3, designer->butter}, {designer->RadioButton4, designer->linkwitz}};
      QStringList problems;
      int markers = 0;
      for (const auto& design : designs) {
        design.order->click();
        design.characteristic->click();
        for (const char* z : {"4", "2"}) {
          Type(designer->findChild<QLineEdit*>("Edit1"), z);
          for (const QString& f : CutOffs()) {
            Type(designer->findChild<QLineEdit*>("Edit2"), f);
            const QString name = QString("%1 %2 %3, Z %4, f %5")
                                     .arg(language, design.order->objectName(), design.characteristic->objectName(), z, f);
            problems << DiagramOnControls(designer, name);
            markers += MarkersDrawnBy(designer);
          }
        }
      }
      EXPECT_GE(markers, 4 * 2 * 10) << designer->objectName().toStdString() << ": orders 1 and 2 draw their markers";
      EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
      designer->hide();
    }
  }
}

TEST_F(FilterDiagramRoom, BandPassDesignsOfEveryPresetAndBand) {
  TBP* bp = forms::BP;
  const QStringList lower{"11", "30", "100", "300", "1000", "3000", "10000"};
  const QStringList upper{"50", "200", "1000", "5000", "20000"};
  for (const char* language : {"deutsch", "english"}) {
    Show(bp, language);
    QStringList problems;
    int markers = 0;
    for (int preset = 0; preset < bp->ComboBox1->count(); ++preset) {
      Choose(bp->ComboBox1, preset);
      for (const char* z : {"4", "2"}) {
        Type(bp->Edit1, z);
        for (const QString& fu : lower)
          for (const QString& fo : upper) {
            // Both orders of typing, so that no step passes through a band of fgu above fgo.
            Type(bp->Edit2, "11");
            Type(bp->Edit3, fo);
            Type(bp->Edit2, fu);
            problems << DiagramOnControls(bp, QString("%1 preset %2, Z %3, fgu %4, fgo %5")
                                                  .arg(language).arg(preset).arg(z, fu, fo));
            markers += MarkersDrawnBy(bp);
          }
      }
    }
    EXPECT_GE(markers, 4 * 2 * 20) << "the band passes draw their markers";
    EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
    bp->hide();
  }
}

// The circuit picture names every element beside its symbol, whole on the picture, clear of the
// wires and of each other, for each circuit the designers draw (orders 1 to 4, the band-pass presets).
TEST_F(FilterDiagramRoom, TheCircuitPictureNamesEveryElementOffItsWires) {
  const auto problemsOf = [](FilterCircuit* picture, const QString& design) {
    const QList<RecordedText> texts = TextsDrawnBy(picture);
    QList<RecordedLine> lines;
    for (const QLineF& l : LinesDrawnBy(picture)) lines.push_back(RecordedLine{l});
    QStringList problems = TextsOutside(texts, picture->width(), picture->height()) + OverlappingTexts(texts) +
                           TextsOnLines(texts, lines);
    if (texts.size() < 2 || texts.back().text != "Z") problems << "no element names or no load Z";
    for (QString& p : problems) p.prepend(design + ": ");
    return problems;
  };
  QStringList problems;
  for (PassDesignerForm* designer :
       {static_cast<PassDesignerForm*>(forms::HP), static_cast<PassDesignerForm*>(forms::TP)}) {
    Show(designer, "deutsch");
    for (QRadioButton* order :
         {designer->RadioButton1, designer->RadioButton2, designer->RadioButton3, designer->RadioButton4}) {
      order->click();
      problems << problemsOf(designer->findChild<FilterCircuit*>("Image1"), designer->objectName() + " " + order->objectName());
    }
    designer->hide();
  }
  TBP* bp = forms::BP;
  Show(bp, "english");
  for (int preset = 0; preset < bp->ComboBox1->count(); ++preset) {
    Choose(bp->ComboBox1, preset);
    problems << problemsOf(bp->Image1, QString("BP preset %1").arg(preset));
  }
  EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
}

}  // namespace
}  // namespace velomare::test
