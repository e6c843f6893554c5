// The comparison window driven through its controls offscreen.
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "WindowTest.h"
#include "app/AllForms.h"
#include "enclosures/model/ComparisonStore.h"
#include "enclosures/model/SimulationExport.h"
#include "platform/plain/IniFile.h"

namespace velomare::test {
namespace {

std::string ExportBytes(const ExportBoxValues& box, bool english, double level) {
  SimulationExport data;
  data.driver.spl = 88;
  data.box = box;
  data.levels.fill(level);
  data.english = english;
  return *ComposeSimulationExport(data);
}

class CompareWindow : public WindowTest<TResultCompare, &forms::ResultCompare> {
 protected:
  // Shown anew: the show reads the language, the options and the filled slots.
  void ShowAgain(const char* language = "deutsch") {
    form()->hide();
    SetLanguage(language);
    form()->ShowForm();
    QCoreApplication::processEvents();
  }
  QString File(const char* name, const std::string& bytes) {
    const QString path = TempPath(name);
    EXPECT_TRUE(platform::WriteFileAtomically(path.toStdString(), bytes));
    return path;
  }
  void Import(int slot, const char* name, const std::string& bytes) {
    FileDialogAnswers(File(name, bytes));
    form()->ImportSimulationFile(slot);
  }
  // The pixels of `colour` inside the plot of a grab at the window's start size.
  static int PlotPixels(const QImage& image, QColor colour) {
    int n = 0;
    for (int y = 37; y < image.height() - 45; ++y)
      for (int x = 40; x < 560; ++x) n += image.pixelColor(x, y) == colour;
    return n;
  }
  static void Fill(int slot, double level) {
    ComparisonLevels levels;
    levels.fill(level);
    ASSERT_TRUE(StoreComparisonCurve(slot, levels, ComparisonHeader{}));
  }
};

TEST_F(CompareWindow, ShowReadsTheLanguageAndTicksExactlyTheFilledSlots) {
  Fill(2, 0);
  Fill(4, 0);
  form()->CheckBox1->setChecked(true);
  ShowAgain("english");
  const QList<bool> ticked = {form()->CheckBox1->isChecked(), form()->CheckBox2->isChecked(),
                              form()->CheckBox3->isChecked(), form()->CheckBox4->isChecked()};
  EXPECT_EQ(ticked, QList<bool>({false, true, false, true}));
  EXPECT_EQ(Title(), "Compare simulations");
  EXPECT_EQ(form()->Button3->text(), "&print");
  EXPECT_EQ(form()->CheckBox6->text(), "caption");
  EXPECT_EQ(form()->CheckBox1->toolTip(), "simulation channel 1: black");
  Repaint();
  EXPECT_EQ(form()->Label1->text(), "f=  20... 200Hz, L= -18... 12dB");
  const auto hasText = [&](const std::string& text) {
    return std::ranges::any_of(form()->Drawing().items, [&](const ComparisonItem& i) { return i.text == text; });
  };
  EXPECT_TRUE(hasText("200"));  // the right edge's grid line is labelled too
  form()->BarDBBreite->setValue(10);  // a span of 10 dB, 2 to 12: a line every 2 dB
  Repaint();
  EXPECT_TRUE(hasText(" 4") && !hasText(" 3"));
}

TEST_F(CompareWindow, ImportFillsTheChosenSlotTicksItAndShowsImportAgainAfterTheOverwriteQuestion) {
  OpenSettings().WriteBool("Options", "overwrite", true);
  ShowAgain();
  AnswerNo();  // asked even for an empty slot; No imports nothing
  ChooseItem(form()->ComboBox1, 2);
  EXPECT_EQ(seam.questions.value(0), "überschreibe / overwrite simulation #3?");
  EXPECT_TRUE(seam.fileDialogs.isEmpty());
  seam.answer = nullptr;
  FileDialogAnswers(File("reflex.txt", ExportBytes(ReflexExportValues{50, 1, 7, 0, 1, 5, 10}, false, -3)));
  ChooseItem(form()->ComboBox1, 2);
  ASSERT_EQ(seam.fileDialogs.size(), 1);
  EXPECT_EQ(seam.fileDialogs[0].title, "Import Simulation");
  EXPECT_TRUE(seam.fileDialogs[0].filter.contains("*.prn"));
  EXPECT_TRUE(ComparisonSlotFilled(3));
  EXPECT_EQ(seam.messages.value(0), "Alle Werte aus Datei in #3 eingelesen");
  EXPECT_EQ(ComparisonHeaderOf(3).BoxType, BoxType::BassReflex);
  EXPECT_TRUE(form()->CheckBox3->isChecked());
  EXPECT_EQ(form()->ComboBox1->currentText(), "import");
  // The same slot again: the list acts once more.
  ChooseItem(form()->ComboBox1, 2);
  EXPECT_EQ(seam.fileDialogs.size(), 2);
  EXPECT_EQ(seam.messages.size(), 2);
  // A text typed into the list and confirmed adds no entry and imports nothing.
  QTest::keyClicks(form()->ComboBox1->lineEdit(), "abc");
  QTest::keyClick(form()->ComboBox1->lineEdit(), Qt::Key_Return);
  QStringList items;
  for (int i = 0; i < form()->ComboBox1->count(); ++i) items << form()->ComboBox1->itemText(i);
  EXPECT_EQ(items, QStringList({"#1", "#2", "#3", "#4"}));
  EXPECT_EQ(seam.fileDialogs.size(), 2);
}

TEST_F(CompareWindow, RejectedCancelledOrMissingFilesLeaveTheSlotAndItsBoxAsTheyWere) {
  Fill(1, -6);
  ShowAgain();
  std::string cut = ExportBytes(ClosedExportValues{0.7, 20, 1, 0}, true, 5);
  cut.resize(cut.size() - 200);  // cut off inside the table
  FileDialogAnswers(File("cut.txt", cut));
  ChooseItem(form()->ComboBox1, 0);
  ASSERT_EQ(seam.messages.size(), 1);
  EXPECT_TRUE(seam.messages.value(0).startsWith("Konnte nicht alle Werte aus Datei einlesen, Fehler:"));
  EXPECT_TRUE(ComparisonSlotFilled(1));
  EXPECT_EQ(ComparisonCurveOf(1)[1], -6);
  FileDialogAnswers();
  form()->ImportSimulationFile(1);
  FileDialogAnswers(TempPath("missing.txt"));
  form()->ImportSimulationFile(1);
  EXPECT_EQ(seam.messages.mid(1), QStringList({"Konnte Werte aus Datei nicht auslesen", "keine simulationsdaten / no data",
                                               "Konnte Werte aus Datei nicht auslesen"}));
  EXPECT_EQ(ComparisonCurveOf(1)[100], -6);
  EXPECT_TRUE(form()->CheckBox1->isChecked());
  ShowAgain("english");  // an English window reads a German file with English messages
  Import(4, "open.txt", ExportBytes(OpenBaffleExportValues{0.2}, false, 0));
  EXPECT_EQ(seam.messages.value(4), "read all values from file to #4");
}

TEST_F(CompareWindow, AbsPowerViewAllWheelAndDraggingMoveTheViewWithinItsRanges) {
  Fill(1, 0);
  ShowAgain();
  form()->CheckBox5->click();
  EXPECT_TRUE(form()->CheckBox7->isEnabled());
  form()->CheckBox7->click();
  for (QLineEdit* e : {form()->Edit1, form()->Edit2, form()->Edit3, form()->Edit4}) EXPECT_TRUE(e->isVisible());
  Type(form()->Edit1, "100");
  form()->DrawComparison();
  EXPECT_EQ(form()->Label1->text(), "f=  20... 200Hz, L=  2... 32dB");  // 12 + 0 dB sensitivity + 20
  form()->CheckBox5->click();
  EXPECT_FALSE(form()->CheckBox7->isEnabled());
  EXPECT_TRUE(form()->CheckBox7->isChecked());  // the power keeps its effect
  form()->CheckBox7->setChecked(false);
  EXPECT_FALSE(form()->Edit1->isVisible());
  // View all, the wheel and dragging move the scroll bars within their ranges.
  Repaint();
  form()->BarFMin->setValue(70);
  form()->BarDBBreite->setValue(8);
  form()->Button2->click();
  EXPECT_EQ(form()->BarFMin->value(), 20);
  EXPECT_EQ(form()->BarDBBreite->value(), 30);
  form()->FormMouseWheelUp();
  EXPECT_EQ(form()->BarDBMax->value(), 13);
  form()->BarDBMax->setValue(30);
  form()->FormMouseWheelUp();
  EXPECT_EQ(form()->BarDBMax->value(), 30);
  form()->Button2->click();
  Repaint();
  MoveMouse(QPoint(34, 38));  // the plot's top-left corner, one pixel below the top at 15.6 pixels per dB
  EXPECT_EQ(Title(), "Vergleich der Simulationen, Cursor f= 20Hz, 11.9dB");
  MoveMouse(QPoint(34, 10));  // above the plot: the plain caption
  EXPECT_EQ(Title(), "Vergleich der Simulationen");
  QTest::mousePress(form(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
  MoveMouse(QPoint(200, 200), Qt::LeftButton);  // left drag 100 pixels to the left: 10 Hz higher
  EXPECT_EQ(form()->BarFMin->value(), 30);
  EXPECT_EQ(Title(), "Vergleich der Simulationen");
  QTest::mouseRelease(form(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
}

TEST_F(CompareWindow, CurvesArePaintedInTheSlotColoursAndSurviveARepaintHelpPrintAndEsc) {
  for (int slot = 1; slot <= 3; ++slot) Fill(slot, 6.0 * (slot - 2));
  ShowAgain();
  FileDialogAnswers(File("open.txt", ExportBytes(OpenBaffleExportValues{0.3}, false, -12)));
  ChooseItem(form()->ComboBox1, 3);
  ASSERT_TRUE(ComparisonSlotFilled(4));
  const QImage image = form()->grab().toImage();
  const auto count = [&](QColor c) { return PlotPixels(image, c); };
  for (QColor colour : {QColor(Qt::blue), QColor(Qt::red), QColor(Qt::gray)}) EXPECT_GT(count(colour), 300) << colour.name().toStdString();
  EXPECT_EQ(image, form()->grab().toImage());
  ExpectHelpAndPrint(form()->Button4, "QTX_contents0025", form()->Button3);
  QTest::keyClick(form(), Qt::Key_Escape);
  EXPECT_FALSE(form()->isVisible());
}

TEST_F(CompareWindow, ALongFileIsReadUpToItsFirstMebibyte) {
  ShowAgain();
  constexpr std::size_t kMiB = 1 << 20;
  SimulationExport data;
  data.box = ClosedExportValues{0.7, 20, 3, 0};
  for (std::size_t f = 1; f <= 400; ++f) data.levels[f - 1] = -static_cast<double>(f % 50) - 0.25;  // a level on every row
  const std::string plain = *ComposeSimulationExport(data);
  // The table of another tool runs on to 100 kHz and beyond; the limit may cut a row in two.
  const auto padded = [&](std::size_t size) {
    std::string bytes = plain;
    for (int f = 401; bytes.size() < size; ++f) bytes += std::to_string(f) + "\t-1,5\r\n";
    bytes.resize(size);
    return bytes;
  };
  Import(1, "plain.txt", plain);
  ASSERT_TRUE(ComparisonSlotFilled(1));
  const std::size_t sizes[] = {kMiB + 1, 12'000'000};
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(sizes[i]);
    Import(2 + i, "long.txt", padded(sizes[i]));
    EXPECT_EQ(seam.messages.value(1 + i).toStdString(), "Alle Werte aus Datei in #" + std::to_string(2 + i) + " eingelesen");
    EXPECT_EQ(ComparisonHeaderOf(2 + i).Multiple, 3);
    for (int f = 0; f <= 400; ++f) ASSERT_EQ(ComparisonCurveOf(2 + i)[f], ComparisonCurveOf(1)[f]) << f;
  }
  EXPECT_EQ(ComparisonCurveOf(1)[399], -49.25);
  // Nothing after the first MiB counts: a table that starts there, or one broken there.
  seam.messages.clear();
  Import(4, "late.txt", std::string(kMiB, ' ') + "\r\n" + plain);
  EXPECT_EQ(seam.messages.value(0), "Konnte Werte aus Datei nicht auslesen");
  std::string broken = plain;
  broken.insert(broken.find("\r\n201\t") + 2, std::string(kMiB, ' ') + "\r\n");
  Import(4, "broken.txt", broken);
  EXPECT_EQ(seam.messages.value(1), "Konnte nicht alle Werte aus Datei einlesen, Fehler:200-200");
  EXPECT_FALSE(ComparisonSlotFilled(4));
}

TEST_F(CompareWindow, StartsWithTheControlsRangesPositionsAndStates) {
  TResultCompare* f = form();
  ShowAgain();
  EXPECT_EQ(f->frameGeometry().size(), QSize(770, 550));
  EXPECT_EQ(f->Label1->text(), "-");
  const struct {
    QScrollBar* bar;
    int min, max, value;
  } bars[] = {{f->BarFMin, 10, 100, 20}, {f->BarFBreite, 30, 300, 180}, {f->BarDBMax, -40, 30, 12}, {f->BarDBBreite, 6, 60, 30}};
  for (const auto& b : bars) {
    EXPECT_EQ(b.bar->minimum(), b.min) << b.bar->objectName().toStdString();
    EXPECT_EQ(b.bar->maximum(), b.max);
    EXPECT_EQ(b.bar->value(), b.value);
  }
  EXPECT_EQ(f->BarFMin->pageStep(), 10);
  EXPECT_FALSE(f->CheckBox5->isChecked());
  EXPECT_TRUE(f->CheckBox6->isChecked());
  EXPECT_FALSE(f->CheckBox7->isEnabled());
  EXPECT_TRUE(f->Edit1->isHidden());
  EXPECT_EQ(f->Edit4->text(), "1");
  EXPECT_EQ(f->Edit2->toolTip(), "Power (0.5...5000 W)");
  EXPECT_EQ(f->ComboBox1->currentText(), "import");
  EXPECT_EQ(f->ComboBox1->count(), 4);
  EXPECT_EQ(f->CheckBox3->palette().color(QPalette::WindowText), QColor(Qt::red));
  EXPECT_EQ(f->windowTitle(), "Vergleich der Simulationen");
  EXPECT_EQ(f->Button1->text(), "S&chliessen");
  EXPECT_EQ(f->CheckBox4->toolTip(), "Simulation Kanal 4: grau");
}

TEST_F(CompareWindow, CancelMissingFileAndFolderGiveTheFailureMessages) {
  ShowAgain("english");
  form()->ImportSimulationFile(1);  // the seam cancels
  EXPECT_EQ(seam.messages.value(0), "Konnte Werte aus Datei nicht auslesen");
  FileDialogAnswers(TempPath("missing.txt"));
  form()->ImportSimulationFile(1);
  EXPECT_EQ(seam.messages.value(1), "keine simulationsdaten / no data");
  EXPECT_EQ(seam.messages.value(2), "Konnte Werte aus Datei nicht auslesen");
  FileDialogAnswers(temp.path());
  form()->ImportSimulationFile(1);
  EXPECT_EQ(seam.messages.value(3), "Konnte Werte aus Datei nicht auslesen");
  EXPECT_FALSE(ComparisonSlotFilled(1));
}

TEST_F(CompareWindow, OverwriteAsksFirstEvenForAnEmptySlotAndNoImportsNothing) {
  OpenSettings().WriteBool("Options", "overwrite", true);
  ShowAgain();
  AnswerNo();
  ChooseItem(form()->ComboBox1, 1);
  EXPECT_EQ(seam.questions.value(0), "überschreibe / overwrite simulation #2?");
  EXPECT_TRUE(seam.fileDialogs.isEmpty());
  seam.answer = nullptr;
  FileDialogAnswers(File("closed.txt", ExportBytes(ClosedExportValues{0.7, 20, 2, 0}, true, 0)));
  ChooseItem(form()->ComboBox1, 1);
  EXPECT_EQ(seam.questions.size(), 2);
  EXPECT_TRUE(ComparisonSlotFilled(2));
  EXPECT_EQ(ComparisonHeaderOf(2).Multiple, 2);
}

TEST_F(CompareWindow, PrintAnsweredNoPrintsNothing) {
  ShowAgain();
  AnswerNo();
  form()->Button3->click();
  EXPECT_EQ(seam.questions.value(0), "Fenster drucken?");
  EXPECT_TRUE(seam.printed.isEmpty());
}

TEST_F(CompareWindow, ClosedBoxCurvesArePaintedInTheSlotColoursAndSurviveARepaint) {
  // Closed boxes at Qtc 0.5, 0.707 and 1.0 (fc 50 Hz) and an imported open baffle.
  const double qtcs[] = {0.5, 0.707, 1.0};
  for (int slot = 1; slot <= 3; ++slot) {
    ComparisonLevels levels;
    for (int f = 1; f <= 400; ++f) {
      const double x = f / 50.0, q = qtcs[slot - 1];
      levels[static_cast<std::size_t>(f - 1)] = 10 * std::log10(std::pow(x, 4) / (std::pow(1 - x * x, 2) + x * x / (q * q)));
    }
    ComparisonHeader h;
    h.BoxType = BoxType::Closed;
    h.Multiple = static_cast<std::uint8_t>(slot);
    h.DriverLabel = "Maker Model";
    h.Volume1 = 100.0 / slot;
    h.DriverSpl = 87.4;
    ASSERT_TRUE(StoreComparisonCurve(slot, levels, h));
  }
  ShowAgain();
  FileDialogAnswers(File("open.txt", ExportBytes(OpenBaffleExportValues{0.3}, false, -6)));
  ChooseItem(form()->ComboBox1, 3);
  ASSERT_TRUE(ComparisonSlotFilled(4));
  const QImage image = form()->grab().toImage();
  const auto count = [&](QColor c) { return PlotPixels(image, c); };
  EXPECT_GT(count(Qt::blue), 300);
  EXPECT_GT(count(Qt::red), 300);
  EXPECT_GT(count(Qt::gray), 300);
  const QImage again = form()->grab().toImage();
  EXPECT_EQ(image, again);
}

TEST_F(CompareWindow, LayoutHoldsInBothLanguages) {
  Fill(1, 0);
  ShowAgain();
  form()->CheckBox5->click();
  form()->CheckBox7->click();
  EXPECT_TRUE(LayoutProblems(form(), "deutsch").isEmpty()) << LayoutProblems(form(), "deutsch").join("\n").toStdString();
  ShowAgain("english");
  EXPECT_TRUE(LayoutProblems(form(), "english").isEmpty()) << LayoutProblems(form(), "english").join("\n").toStdString();
}

}  // namespace
}  // namespace velomare::test
