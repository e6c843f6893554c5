// The comparison window driven through its controls offscreen: start state, show in both
// languages, the import list with its dialog, messages and overwrite question, a rejected file
// that leaves the slot as it was, the abs/power controls, view all, wheel, cursor read-out and
// dragging, print, help and Esc, and the painted curves in the slot colours.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "TestSupport.h"
#include "app/AllForms.h"
#include "common/Settings.h"
#include "enclosures/model/ComparisonStore.h"
#include "enclosures/model/SimulationExport.h"
#include "platform/plain/IniFile.h"

namespace velomare::test {
namespace {

std::string ExportBytes(const ExportBoxValues& box, bool english, double level) {
  SimulationExport data;
  data.driver.manufacturer = "Maker";
  data.driver.name = "Model";
  data.driver.spl = 88;
  data.box = box;
  data.levels.fill(level);
  data.english = english;
  return *ComposeSimulationExport(data);
}

class CompareWindow : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    settings->WriteSettings("[Options]\r\nAboutAtStart=0\r\n");
    ResetComparisonStore();
    StartProgram();
  }
  void TearDown() override {
    ResetComparisonStore();
    ProgramTest::TearDown();
  }
  TResultCompare* form() { return forms::ResultCompare; }
  void Show() {
    form()->hide();
    form()->ShowForm();
    QCoreApplication::processEvents();
  }
  QString File(const char* name, const std::string& bytes) {
    const QString path = QDir(temp.path()).filePath(name);
    EXPECT_TRUE(platform::WriteFileAtomically(path.toStdString(), bytes));
    return path;
  }
  void ChooseFile(const QString& path) {
    seam.fileName = [path](const platform::FileDialogRequest&, bool) { return std::optional<QString>(path); };
  }
  void Move(QPoint at, Qt::MouseButtons buttons = Qt::NoButton) {
    QMouseEvent move(QEvent::MouseMove, at, form()->mapToGlobal(at), Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(form(), &move);
  }
  static void Fill(int slot, double level, BoxType type = BoxType::Closed) {
    ComparisonLevels levels;
    levels.fill(level);
    ComparisonHeader h;
    h.BoxType = type;
    h.DriverLabel = "Slot " + std::to_string(slot);
    h.Volume1 = 10 * slot;
    ASSERT_TRUE(StoreComparisonCurve(slot, levels, h));
  }

  QTemporaryDir temp;
};

TEST_F(CompareWindow, StartsWithTheControlsRangesPositionsAndStates) {
  TResultCompare* f = form();
  Show();
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

TEST_F(CompareWindow, ShowReadsTheLanguageAndTicksExactlyTheFilledSlots) {
  Fill(2, 0);
  Fill(4, 0);
  OpenSettings().WriteString("Info", "Sprache", "english");
  form()->CheckBox1->setChecked(true);
  Show();
  EXPECT_FALSE(form()->CheckBox1->isChecked());
  EXPECT_TRUE(form()->CheckBox2->isChecked());
  EXPECT_FALSE(form()->CheckBox3->isChecked());
  EXPECT_TRUE(form()->CheckBox4->isChecked());
  EXPECT_EQ(form()->windowTitle(), "Compare simulations");
  EXPECT_EQ(form()->Button3->text(), "&print");
  EXPECT_EQ(form()->CheckBox6->text(), "caption");
  EXPECT_EQ(form()->CheckBox1->toolTip(), "simulation channel 1: black");
  PaintNow(form());
  EXPECT_EQ(form()->Label1->text(), "f=  20... 200Hz, L= -18... 12dB");
}

TEST_F(CompareWindow, ImportFillsTheChosenSlotTicksItAndShowsImportAgain) {
  Show();
  const QString path = File("reflex.txt", ExportBytes(ReflexExportValues{50, 1, 7, 0, 1, 5, 10}, false, -3));
  ChooseFile(path);
  ChooseItem(form()->ComboBox1, 2);
  ASSERT_EQ(seam.fileDialogs.size(), 1);
  EXPECT_EQ(seam.fileDialogs[0].title, "Import Simulation");
  EXPECT_TRUE(seam.fileDialogs[0].filter.contains("*.prn"));
  EXPECT_EQ(seam.messages.value(0), "Alle Werte aus Datei in #3 eingelesen");
  EXPECT_TRUE(ComparisonSlotFilled(3));
  EXPECT_EQ(ComparisonHeaderOf(3).BoxType, BoxType::BassReflex);
  EXPECT_TRUE(form()->CheckBox3->isChecked());
  EXPECT_EQ(form()->ComboBox1->currentText(), "import");
  // The same slot again: the list acts once more.
  ChooseItem(form()->ComboBox1, 2);
  EXPECT_EQ(seam.fileDialogs.size(), 2);
  EXPECT_EQ(seam.messages.size(), 2);
}

TEST_F(CompareWindow, RejectedFileLeavesTheSlotAndItsBoxAsTheyWere) {
  Fill(1, -6);
  Show();
  std::string cut = ExportBytes(ClosedExportValues{0.7, 20, 1, 0}, true, 5);
  cut.resize(cut.size() - 200);  // cut off inside the table
  ChooseFile(File("cut.txt", cut));
  ChooseItem(form()->ComboBox1, 0);
  ASSERT_EQ(seam.messages.size(), 1);
  EXPECT_TRUE(seam.messages[0].startsWith("Konnte nicht alle Werte aus Datei einlesen, Fehler:"));
  EXPECT_TRUE(ComparisonSlotFilled(1));
  EXPECT_EQ(ComparisonCurveOf(1)[1], -6);
  EXPECT_EQ(ComparisonCurveOf(1)[100], -6);
  EXPECT_TRUE(form()->CheckBox1->isChecked());
}

TEST_F(CompareWindow, CancelMissingFileAndFolderGiveTheFailureMessages) {
  OpenSettings().WriteString("Info", "Sprache", "english");
  Show();
  form()->ImportSimulationFile(1);  // the seam cancels
  EXPECT_EQ(seam.messages.value(0), "Konnte Werte aus Datei nicht auslesen");
  ChooseFile(QDir(temp.path()).filePath("missing.txt"));
  form()->ImportSimulationFile(1);
  EXPECT_EQ(seam.messages.value(1), "keine simulationsdaten / no data");
  EXPECT_EQ(seam.messages.value(2), "Konnte Werte aus Datei nicht auslesen");
  ChooseFile(temp.path());
  form()->ImportSimulationFile(1);
  EXPECT_EQ(seam.messages.value(3), "Konnte Werte aus Datei nicht auslesen");
  // An English window reads a German file with English messages.
  ChooseFile(File("open.txt", ExportBytes(OpenBaffleExportValues{0.2}, false, 0)));
  form()->ImportSimulationFile(4);
  EXPECT_EQ(seam.messages.value(4), "read all values from file to #4");
}

TEST_F(CompareWindow, OverwriteAsksFirstEvenForAnEmptySlotAndNoImportsNothing) {
  OpenSettings().WriteBool("Options", "overwrite", true);
  Show();
  seam.answer = [](const QString&) { return platform::Answer::No; };
  ChooseItem(form()->ComboBox1, 1);
  EXPECT_EQ(seam.questions.value(0), "überschreibe / overwrite simulation #2?");
  EXPECT_TRUE(seam.fileDialogs.isEmpty());
  seam.answer = nullptr;
  ChooseFile(File("closed.txt", ExportBytes(ClosedExportValues{0.7, 20, 2, 0}, true, 0)));
  ChooseItem(form()->ComboBox1, 1);
  EXPECT_EQ(seam.questions.size(), 2);
  EXPECT_TRUE(ComparisonSlotFilled(2));
  EXPECT_EQ(ComparisonHeaderOf(2).Multiple, 2);
}

TEST_F(CompareWindow, AbsEnablesPowerAndPowerShowsTheEdits) {
  Show();
  form()->CheckBox5->click();
  EXPECT_TRUE(form()->CheckBox7->isEnabled());
  form()->CheckBox7->click();
  for (QLineEdit* e : {form()->Edit1, form()->Edit2, form()->Edit3, form()->Edit4}) EXPECT_TRUE(e->isVisible());
  form()->CheckBox5->click();
  EXPECT_FALSE(form()->CheckBox7->isEnabled());
  EXPECT_TRUE(form()->CheckBox7->isChecked());  // the power keeps its effect
  form()->CheckBox7->setChecked(false);
  EXPECT_FALSE(form()->Edit1->isVisible());
}

TEST_F(CompareWindow, AbsoluteModeWithPowerRaisesTheTopEdge) {
  Fill(1, 0);
  Show();
  form()->CheckBox5->click();
  form()->CheckBox7->click();
  TypeInto(form()->Edit1, "100");
  form()->DrawComparison();
  EXPECT_EQ(form()->Label1->text(), "f=  20... 200Hz, L=  2... 32dB");  // 12 + 0 dB sensitivity... + 20
}

TEST_F(CompareWindow, ViewAllWheelAndDraggingMoveTheScrollBarsWithinTheirRanges) {
  Fill(1, 0);
  Show();
  PaintNow(form());
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
  PaintNow(form());
  // The read-out at the plot's top-left corner.
  Move(QPoint(34, 38));
  EXPECT_EQ(form()->windowTitle().toStdString(), "Vergleich der Simulationen, Cursor f= 20Hz, 11.9dB");  // one pixel below the top at 15.6 pixels per dB
  Move(QPoint(34, 10));
  EXPECT_EQ(form()->windowTitle(), "Vergleich der Simulationen");
  // Left drag 100 pixels to the left: 10 Hz higher.
  QTest::mousePress(form(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
  Move(QPoint(200, 200), Qt::LeftButton);
  EXPECT_EQ(form()->BarFMin->value(), 30);
  EXPECT_EQ(form()->windowTitle(), "Vergleich der Simulationen");
  QTest::mouseRelease(form(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
}

TEST_F(CompareWindow, PrintHelpAndEscape) {
  Show();
  seam.answer = [](const QString&) { return platform::Answer::No; };
  form()->Button3->click();
  EXPECT_EQ(seam.questions.value(0), "Fenster drucken?");
  EXPECT_TRUE(seam.printed.isEmpty());
  form()->Button4->click();
  ASSERT_EQ(seam.helpRequests.size(), 1);
  EXPECT_EQ(seam.helpRequests[0].topic, "QTX_contents0025");
  QTest::keyClick(form(), Qt::Key_Escape);
  EXPECT_FALSE(form()->isVisible());
}

TEST_F(CompareWindow, CurvesArePaintedInTheSlotColoursAndSurviveARepaint) {
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
  Show();
  ChooseFile(File("open.txt", ExportBytes(OpenBaffleExportValues{0.3}, false, -6)));
  ChooseItem(form()->ComboBox1, 3);
  ASSERT_TRUE(ComparisonSlotFilled(4));
  const QImage image = form()->grab().toImage();
  const auto count = [&](QColor c) {
    int n = 0;
    for (int y = 37; y < image.height() - 45; ++y)
      for (int x = 40; x < 560; ++x) n += image.pixelColor(x, y) == c;
    return n;
  };
  EXPECT_GT(count(Qt::blue), 300);
  EXPECT_GT(count(Qt::red), 300);
  EXPECT_GT(count(Qt::gray), 300);
  const QImage again = form()->grab().toImage();
  EXPECT_EQ(image, again);
  if (const QByteArray dir = qgetenv("VELOMARE_SCREENSHOTS"); !dir.isEmpty()) {
    image.save(QString::fromUtf8(dir) + "/ResultCompare-de-4.png");
    form()->CheckBox5->click();
    form()->CheckBox7->click();
    TypeInto(form()->Edit2, "100");
    OpenSettings().WriteString("Info", "Sprache", "english");
    Show();
    EXPECT_TRUE(form()->CheckBox5->isChecked());
    form()->grab().save(QString::fromUtf8(dir) + "/ResultCompare-en-abs.png");
  }
}

TEST_F(CompareWindow, LayoutHoldsInBothLanguages) {
  Fill(1, 0);
  Show();
  form()->CheckBox5->click();
  form()->CheckBox7->click();
  EXPECT_TRUE(LayoutProblems(form(), "deutsch").isEmpty()) << LayoutProblems(form(), "deutsch").join("\n").toStdString();
  OpenSettings().WriteString("Info", "Sprache", "english");
  Show();
  EXPECT_TRUE(LayoutProblems(form(), "english").isEmpty()) << LayoutProblems(form(), "english").join("\n").toStdString();
}

TEST_F(CompareWindow, ALongFileIsReadUpToItsFirstMebibyte) {
  Show();
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
  ChooseFile(File("plain.txt", plain));
  form()->ImportSimulationFile(1);
  ASSERT_TRUE(ComparisonSlotFilled(1));
  const std::size_t sizes[] = {kMiB + 1, 12'000'000};
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(sizes[i]);
    ChooseFile(File("long.txt", padded(sizes[i])));
    form()->ImportSimulationFile(2 + i);
    EXPECT_EQ(seam.messages.value(1 + i).toStdString(), "Alle Werte aus Datei in #" + std::to_string(2 + i) + " eingelesen");
    EXPECT_EQ(ComparisonHeaderOf(2 + i).Multiple, 3);
    for (int f = 0; f <= 400; ++f) ASSERT_EQ(ComparisonCurveOf(2 + i)[f], ComparisonCurveOf(1)[f]) << f;
  }
  EXPECT_EQ(ComparisonCurveOf(1)[399], -49.25);
  // Nothing after the first MiB counts: a table that starts there, or one broken there.
  seam.messages.clear();
  ChooseFile(File("late.txt", std::string(kMiB, ' ') + "\r\n" + plain));
  form()->ImportSimulationFile(4);
  EXPECT_EQ(seam.messages.value(0), "Konnte Werte aus Datei nicht auslesen");
  std::string broken = plain;
  broken.insert(broken.find("\r\n201\t") + 2, std::string(kMiB, ' ') + "\r\n");
  ChooseFile(File("broken.txt", broken));
  form()->ImportSimulationFile(4);
  EXPECT_EQ(seam.messages.value(1), "Konnte nicht alle Werte aus Datei einlesen, Fehler:200-200");
  EXPECT_FALSE(ComparisonSlotFilled(4));
}

}  // namespace
}  // namespace velomare::test
