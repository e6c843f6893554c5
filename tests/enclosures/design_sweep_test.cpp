// Every window that designs by a rule or a preset, over a few hundred drivers drawn with a fixed
// seed across fs 15..200 Hz, Qts 0.15..1.5, Vas 1..500 l and Re 2..16 ohm, the ends of those
// ranges and the thresholds of the designs. Each driver is committed through the driver window,
// and each rule, alignment or preset is chosen through its control in the open box windows. After
// every design, every result the window shows equals what the design's formulas give from the
// texts its edits show, and a design the window shows is taken by the comparison store, the
// export file and, where the window composes one, the printed page.
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <numbers>
#include <random>

#include "WindowTest.h"
#include "app/AllForms.h"
#include "common/NumberText.h"
#include "driver/model/CommittedDriver.h"
#include "enclosures/ResponseDiagram.h"
#include "enclosures/model/ClosedBandpass.h"
#include "enclosures/model/ClosedBox.h"
#include "enclosures/model/ComparisonStore.h"
#include "enclosures/model/ExpoHorn.h"
#include "enclosures/model/OpenBaffle.h"
#include "enclosures/model/ReflexBox.h"
#include "enclosures/model/SimulationExport.h"
#include "enclosures/model/VentedBandpass.h"

namespace velomare::test {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr std::size_t kSweepDrivers = 200;

// A driver as typed into the driver window.
struct SweepDriver {
  std::string qts, qes, vas, fs, re;
};

std::string Typed(double value, int decimals) { return FormatFixedComma(value, 1, decimals); }

SweepDriver DriverOf(double qts, double qms, double vas, double fs, double re) {
  // Qes from Qts and Qms, so that Qes > Qts and Qms > 0.5 as the driver window requires.
  const double qes = qts * qms / (qms - qts);
  return {Typed(qts, 3), Typed(qes, 3), Typed(vas, 1), Typed(fs, 1), Typed(re, 1)};
}

std::vector<SweepDriver> SweepDrivers() {
  std::vector<SweepDriver> drivers;
  // The ends of the ranges, in every combination.
  for (double qts : {0.15, 1.5})
    for (double fs : {15.0, 200.0})
      for (double vas : {1.0, 500.0})
        for (double re : {2.0, 16.0}) drivers.push_back(DriverOf(qts, 4.0, vas, fs, re));
  // The thresholds: the alignment tables' ends, the closed box's rule (0.65) and start (0.7), the
  // presets' fixed chamber (0.6), the closed bandpass's validity (1.0) and its Qt range (about
  // 1.1); Vas at the guards' 1 litre.
  for (double qts : {0.245, 0.25, 0.56, 0.565, 0.57, 0.59, 0.6, 0.65, 0.66, 0.7, 0.705, 0.71, 1.0, 1.01, 1.1})
    drivers.push_back(DriverOf(qts, 4.0, 50.0, 50.0, 6.0));
  for (double vas : {1.0, 1.1}) drivers.push_back(DriverOf(0.4, 4.0, vas, 50.0, 6.0));
  // The rule's port about 2.1, 1.96 and 1.83 cm long: "2,1", then twice "2,0".
  for (double fs : {69.0, 69.5, 70.0}) drivers.push_back(DriverOf(0.4, 4.0, 50.0, fs, 6.0));
  // Drivers that met the faults this sweep guards against.
  drivers.push_back({"0,591", "1,000", "37,7", "68,6", "2,0"});
  drivers.push_back({"0,449", "0,668", "38,1", "77,5", "15,1"});
  drivers.push_back({"0,951", "1,155", "16,3", "184,4", "6,0"});
  // Drawn ones: fs and Vas evenly on a logarithmic scale, Qts and Re evenly, Qms from 0.8 (and
  // above Qts) to 15. The bits are mapped by hand: the standard distributions differ between
  // libraries.
  std::mt19937_64 random(0x5eed2024);
  const auto uniform = [&random](double low, double high) {
    return low + (high - low) * static_cast<double>(random() >> 11) * 0x1.0p-53;
  };
  const auto logUniform = [&](double low, double high) { return std::exp(uniform(std::log(low), std::log(high))); };
  while (drivers.size() < kSweepDrivers) {
    const double qts = uniform(0.15, 1.5), fs = logUniform(15, 200), vas = logUniform(1, 500), re = uniform(2, 16);
    const double qms = logUniform(std::max(0.8, 1.2 * qts), 15);
    drivers.push_back(DriverOf(qts, qms, vas, fs, re));
  }
  return drivers;
}

// What the texts in a window's edits give, by the design's formulas.
struct Expected {
  bool design = false;      // a design, which the window must show
  bool storable = false;    // the comparison store must take it
  bool exportable = false;  // the export file must take it
  bool printable = false;   // the printed page must take it (windows that compose one)
  bool thin = false;        // a volume of 0.1 l or less, which the store and the file refuse
  ComparisonLevels levels{};
  ComparisonHeader header;  // the box values the slot must hold
};

// A count chosen in a list of "1" to "8"; a typed text counts 0.
int CountOf(const QComboBox* box) {
  const int index = box->currentIndex();
  return index >= 0 && box->currentText() == box->itemText(index) ? index + 1 : 0;
}

// The Helmholtz tuning of a round tube as the bandpass chambers have it: sqrt(T / (L + 1.463 r))
// with T = 94400 r² / V (r in cm, V in litres), 0 without an effective length.
double ChamberTuning(double radius, double volume, double length) {
  const double t = 94400 * radius * radius / volume, effective = length + 1.463 * radius;
  return effective > 0 ? std::sqrt(t / effective) : 0.0;
}

class DesignSweep : public WindowsTest {
 protected:
  struct Design {
    const char* name;
    std::function<void()> choose;
  };
  struct Window {
    const char* name;
    FormBase* form;
    QComboBox* exportbox;     // none for the horn
    QAbstractButton* print;   // the composed page's button, if the window has one
    std::vector<Design> designs;
    // Compares what the window shows with what the texts in its edits give, and returns that.
    std::function<Expected()> read;
  };

  bool english = false;
  // Where the sweep stands, for the messages: the driver, the window and the design.
  const SweepDriver* driver = nullptr;
  const char* windowName = "";
  const char* designName = "";
  QStringList mismatches;
  int mismatchCount = 0;
  std::string exportPath = TempPath("sweep.txt").toStdString();

  void Mismatch(const QString& what) {
    if (mismatches.size() < 40)
      mismatches << QString("Qts %1 Qes %2 Vas %3 fs %4 Re %5, %6, %7: %8")
                        .arg(QString::fromStdString(driver->qts), QString::fromStdString(driver->qes),
                             QString::fromStdString(driver->vas), QString::fromStdString(driver->fs),
                             QString::fromStdString(driver->re), windowName, designName, what);
    ++mismatchCount;
  }
  void Same(const QWidget* control, const QString& shown, const std::string& expected) {
    if (shown.toStdString() != expected)
      Mismatch(QString("%1 shows \"%2\", the edits give \"%3\"")
                   .arg(control->objectName(), shown, QString::fromStdString(expected)));
  }
  void Same(const QLabel* label, const std::string& expected) { Same(label, label->text(), expected); }
  void Same(const QLineEdit* edit, const std::string& expected) { Same(edit, edit->text(), expected); }
  void CurveShown(const ResponseDiagram* diagram, bool design) {
    if (DiagramShownIn(diagram) != design) Mismatch(design ? "no curve for the design" : "a curve without a design");
  }
  static double Number(const QLineEdit* edit) { return ReadNumber(edit->text().toStdString()); }
  static std::string Text(const QLineEdit* edit) { return edit->text().toStdString(); }
  // A result label's number: one decimal, a decimal point.
  static std::string One(long double v) { return FormatFixed(static_cast<double>(v), 1, 1); }
  std::string Lang(const char* german, const char* englishText) const { return english ? englishText : german; }
  static bool DiagramShownIn(const ResponseDiagram* diagram) { return diagram->Plot().has_value(); }

  // The driver window opened from the main menu, the values typed, OK. The box windows stay
  // open, as they do when the user goes to the driver window and back.
  void Commit(const SweepDriver& d) {
    forms::Form1->Chassis->trigger();
    TChassisform* w = forms::Chassisform;
    const std::pair<QLineEdit*, const std::string&> edits[] = {
        {w->Edit1, d.qts}, {w->Edit2, d.qes}, {w->Edit3, d.vas}, {w->Edit4, d.fs}, {w->Edit5, d.re}};
    for (const auto& [edit, text] : edits) edit->setText(QString::fromStdString(text));
    ASSERT_TRUE(w->BitBtn1->isEnabled()) << d.qts << " " << d.qes;
    w->BitBtn1->click();
  }

  // Slot 1 and the export file take exactly what the texts give, and the page prints it.
  void StoreExportAndPrint(const Window& w, const Expected& e) {
    if (w.exportbox) {
      ResetComparisonStore();
      seam.messages.clear();
      Choose(w.exportbox, 0);
      if (ComparisonSlotFilled(1) != e.storable)
        Mismatch(e.storable ? "the store refuses the design" : "the store takes what the edits give no design for");
      if (seam.messages != (e.storable ? QStringList() : QStringList(export_text::kNoData)))
        Mismatch("the store says: " + seam.messages.join(" | "));
      if (ComparisonSlotFilled(1) && e.storable) {
        const ComparisonCurve& curve = ComparisonCurveOf(1);
        const auto near = [](double a, double b) { return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(b)); };
        for (int f = 1; f <= kComparisonLevelCount; ++f)
          if (!near(curve[f], e.levels[f - 1])) {
            Mismatch(QString("the slot's level at %1 Hz is %2, the edits give %3").arg(f).arg(curve[f]).arg(e.levels[f - 1]));
            break;
          }
        const ComparisonHeader& h = ComparisonHeaderOf(1);
        const ComparisonHeader& x = e.header;
        if (h.BoxType != x.BoxType || h.Multiple != x.Multiple || h.BoxQl != x.BoxQl || !near(h.Volume1, x.Volume1) ||
            !near(h.Volume2, x.Volume2) || !near(h.PortArea1, x.PortArea1) || !near(h.PortLength1, x.PortLength1) ||
            !near(h.PortArea2, x.PortArea2) || !near(h.PortLength2, x.PortLength2))
          Mismatch(QString("the slot holds N %1 Ql %2 V %3/%4 A %5/%6 L %7/%8, the edits give N %9 Ql %10 V %11/%12 A "
                           "%13/%14 L %15/%16")
                       .arg(h.Multiple).arg(h.BoxQl).arg(h.Volume1).arg(h.Volume2).arg(h.PortArea1).arg(h.PortArea2)
                       .arg(h.PortLength1).arg(h.PortLength2).arg(x.Multiple).arg(x.BoxQl).arg(x.Volume1)
                       .arg(x.Volume2).arg(x.PortArea1).arg(x.PortArea2).arg(x.PortLength1).arg(x.PortLength2));
      }

      QFile::remove(QString::fromStdString(exportPath));
      seam.messages.clear();
      seam.fileDialogs.clear();
      FileDialogAnswers(QString::fromStdString(exportPath));
      Choose(w.exportbox, 4);
      const bool written = seam.messages == QStringList(export_text::kSuccess);
      if (written != e.exportable)
        Mismatch((e.exportable ? "the export refuses the design: " : "the export takes what the edits give no design for: ") +
                 seam.messages.join(" | "));
      if (written && e.exportable) {
        // Rows of the file's table are the design's levels.
        const std::string bytes = ReadFileBytes(exportPath);
        for (int f : {1, 37, 100, 250, 400}) {
          const std::string level = FormatFixed(e.levels[f - 1], 1, 2);
          const std::string row = "\r\n" + std::to_string(f) + "\t" + (english ? level : DotToComma(level)) + "\r\n";
          if (bytes.find(row) == std::string::npos) {
            Mismatch(QString("the export file has no row %1").arg(QString::fromStdString(row.substr(2, row.size() - 4))));
            break;
          }
        }
      }
    }
    if (w.print) {
      seam.messages.clear();
      seam.composedPages.clear();
      w.print->click();
      const bool printed = seam.composedPages.size() == 1 && seam.messages.isEmpty();
      if (printed != e.printable)
        Mismatch((e.printable ? "the page refuses the design: " : "the page prints what the edits give no design for: ") +
                 seam.messages.join(" | "));
    }
  }

  Expected Closed();
  Expected Reflex();
  Expected ClosedBandpass();
  Expected VentedBandpass();
  Expected OpenBaffle();
  Expected Horn();

  std::vector<Window> Windows() {
    Tclosed* closed = forms::closed;
    TReflex* reflex = forms::Reflex;
    Tbandkiste* bandpass = forms::bandkiste;
    Tventpass* vented = forms::ventpass;
    TExpo* horn = forms::Expo;
    // Each alignment, and the rule of thumb and the last alignment once more: written again, their
    // texts change nothing and run no handler, and the design must still be the one they show.
    std::vector<Design> alignments;
    const auto align = [reflex](int i) { return [reflex, i] { ChooseItem(reflex->abstimm, i); }; };
    const int last = reflex->abstimm->count() - 1;
    for (int i = 0; i <= last; ++i) alignments.push_back({kReflexAlignments[i], align(i)});
    alignments.insert(alignments.begin() + 1, {"Tip again", align(0)});
    alignments.push_back({"the last again", align(last)});
    std::vector<Design> presets;
    for (int i = 0; i < vented->ComboBox1->count(); ++i)
      presets.push_back({i == 0 ? "BR1-2-2" : i == 1 ? "cBP1" : "cBP2", [vented, i] { ChooseItem(vented->ComboBox1, i); }});
    const auto click = [](QAbstractButton* button) { return [button] { button->click(); }; };
    const auto clickLabel = [](QLabel* label) { return [label] { Click(label); }; };
    // The closed bandpass designs for a new driver when the user returns to it, with the S the
    // last driver left; then at the next S, so that the drivers go through all four.
    const Design returnTo{"returned to", [bandpass] { EXPECT_TRUE(ShowAndActivate(bandpass)); }};
    const Design nextS{"next S", [bar = bandpass->ScrollBar1] { bar->setValue(bar->value() == 7 ? 4 : bar->value() + 1); }};
    return {
        {"closed box", closed, closed->exportbox, nullptr,
         {{"Tip", click(closed->Button5)}, {"Linkwitz", clickLabel(closed->linkwitz)},
          {"Bessel", clickLabel(closed->bessel)}, {"Butterworth", clickLabel(closed->butterw)}},
         [this] { return Closed(); }},
        {"bass reflex", reflex, reflex->exportbox, reflex->Button5, alignments, [this] { return Reflex(); }},
        {"closed bandpass", bandpass, bandpass->exportbox, nullptr, {returnTo, nextS}, [this] { return ClosedBandpass(); }},
        {"vented bandpass", vented, vented->exportbox, nullptr, presets, [this] { return VentedBandpass(); }},
        {"open baffle", forms::offen, forms::offen->exportbox, nullptr, {{"simulation", click(forms::offen->Button2)}},
         [this] { return OpenBaffle(); }},
        {"horn", horn, nullptr, nullptr,
         {{"free", click(horn->RadioButton1)}, {"floor", click(horn->RadioButton2)},
          {"wall", click(horn->RadioButton3)}, {"corner", click(horn->RadioButton4)}},
         [this] { return Horn(); }},
    };
  }
};

Expected DesignSweep::Closed() {
  Tclosed* w = forms::closed;
  const ClosedDriver driver = ClosedDriverFromCommitted();
  ClosedDesign m;
  UpdateSeriesResistance(m, Text(w->Edit3), driver);
  const ClosedInputs in{Text(w->Edit1), Text(w->Edit2), Text(w->Edit3),
                        w->ComboBox1->findText(w->ComboBox1->currentText(), Qt::MatchExactly), w->CheckBox1->isChecked()};
  const ClosedDesignTexts t =
      in.qtcMode ? ClosedDesignFromQtc(m, in, driver, english) : ClosedDesignFromVolume(m, in, driver, english);
  Same(w->Label4, t.fgLabel);
  Same(w->Label5, t.fcLabel);
  Same(w->Label11, t.totalLabel);
  if (t.peakLabel) Same(w->labelfxmax, *t.peakLabel);
  if (t.otherEdit) Same(in.qtcMode ? w->Edit2 : w->Edit1, *t.otherEdit);
  Expected e;
  e.design = t.valid;
  // A design that failed keeps the last one's volume, which the diagram may still draw.
  if (e.design) CurveShown(w->Diagram, ClosedPlotDrawable(m, driver, w->log->isChecked()));
  e.storable = e.exportable = ClosedStoreValid(m, driver);
  e.thin = m.volume <= 0.1;
  const ClosedResponse response = ClosedResponseOf(m, driver);
  for (int f = 1; f <= kComparisonLevelCount; ++f)
    e.levels[f - 1] = ClosedResponseLevel(response, f).value_or(std::nan(""));
  e.header.BoxType = BoxType::Closed;
  e.header.Multiple = static_cast<std::uint8_t>(m.driverCount);
  e.header.Volume1 = m.volume;
  return e;
}

Expected DesignSweep::Reflex() {
  TReflex* w = forms::Reflex;
  const long double qts = ChassisQts, re = ChassisRe, vas = ChassisVas, fs = ChassisFs, vol = ChassisVol;
  const long double d = Number(w->Edit1), vb = Number(w->Edit2), l = Number(w->Edit3), rs = Number(w->Edit4);
  const int ports = CountOf(w->Box1), drivers = CountOf(w->ComboBox1);
  const long double q = re > 0 ? qts * (re + rs) / re : 0;
  Expected e;
  // A port as short as 2 cm is a design, as a diameter of 2 cm is.
  e.design = q > 0.05L && vas > 1 && vb > 0.2L && d >= 2 && l >= 2;
  if (!e.design) {
    Same(w->Label8, "l ");
    return e;
  }
  const long double area = ports * kPi * d * d / 4;
  const long double fb = std::sqrt(30000 * area / (vb * (l + 0.846L * std::sqrt(area))));
  const long double gross = vb + drivers * vol + area * l / 1000;
  const long double fg = 0.26L * fs * PowerXY(static_cast<double>(q), -1.4);
  const int ql = static_cast<int>(std::clamp(std::sqrt(3000 / vb) + 1, 1.0L, 100.0L));
  // The logarithmic diagram also draws a port of 1 to 2 cm with the tuning before; what counts
  // here is that every design is drawn.
  if (!DiagramShownIn(w->Diagram)) Mismatch("no curve for the design");
  const std::string total = One(gross) + " l";
  // After a volume edit or the rule "l, total ", after a length edit "l, insges. ".
  const std::string label8 = w->Label8->text().toStdString();
  if (label8 != "l, total " + total && label8 != "l, insges. " + total)
    Mismatch("Label8 shows \"" + w->Label8->text() + "\", the edits give " + QString::fromStdString(total));
  Same(w->Label3, Lang("Verlustfaktor Ql = ", "loss factor quality Ql = ") + std::to_string(ql));
  Same(w->Label4, fg > 10 ? Lang("Untere Grenzfrequenz fg = ", "lower cut frequency fg = ") + One(fg) + " Hz" : "fg ");
  Same(w->Label5, fg > 10 ? Lang("Rohrabstimmfrequenz fr = ", "tube tuning frequency fr = ") + One(fb) + " Hz" : "fr ");
  Same(w->Label7, fb >= 10 && area > 1
                      ? (english ? "tube cross section = " + One(area) + " sqcm" : "Rohrfläche = " + One(area) + " cm²")
                      : "cm² ");
  e.storable = e.exportable = q > 0.01L && qts > 0.01L && fs > 1 && vas > 0.1L && vb > 0.1L && drivers > 0 &&
                              fb > 1 && l > 1;
  e.printable = q >= 0.1L && vb > 0.2L && vas > 1 && fs >= 10 && fb > 0 && l > 1 && d >= 2;
  // The curve: the response model of the design from the same texts.
  ReflexDesign m;
  m.portCount = ports;
  m.driverCount = drivers;
  const ReflexDriver driver = ReflexDriverFromCommitted();
  SetReflexSeriesResistance(m, Text(w->Edit4));
  RecalcReflexFromGeometry(m, Text(w->Edit1), driver);
  RecalcReflexFromVolume(m, Text(w->Edit2), driver);
  RecalcReflexFromLength(m, Text(w->Edit3), driver);
  m.ql = ql;
  const auto response = ReflexResponseOf(m, driver);
  for (int f = 1; f <= kComparisonLevelCount; ++f)
    e.levels[f - 1] = response ? ReflexResponseLevel(*response, f).value_or(std::nan("")) : std::nan("");
  e.header.BoxType = BoxType::BassReflex;
  e.header.Multiple = static_cast<std::uint8_t>(drivers);
  e.header.Volume1 = static_cast<double>(vb);
  e.header.PortArea1 = static_cast<double>(area);
  e.header.PortLength1 = static_cast<double>(l);
  return e;
}

Expected DesignSweep::ClosedBandpass() {
  Tbandkiste* w = forms::bandkiste;
  const BandpassDriver driver = BandpassDriverFromCommitted();
  // The design from the scroll bars and the port.
  ClosedBandpassState m;
  SetPushPull(m, w->CheckBox1->isChecked());
  BandpassInputs in;
  in.sPosition = w->ScrollBar1->value();
  in.qtPosition = w->ScrollBar2->value();
  in.tunnel = w->RadioButton2->isChecked();
  in.tubeText = Text(w->Edit1);
  in.widthText = Text(w->Edit2);
  in.heightText = Text(w->Edit3);
  const BandpassEditTexts texts = DesignClosedBandpass(m, in, driver, english);
  // Edits written before a change of language keep their separator until the next design (a new
  // driver or a scroll bar), so the comparison takes either.
  for (const auto& [edit, text] : {std::pair{w->Edit4, texts.portLength}, {w->Edit5, texts.vg}, {w->Edit6, texts.vr}})
    Same(edit, DotToComma(Text(edit)) == DotToComma(text) ? Text(edit) : text);
  const BandpassResultTexts labels = ShowBandpassResults(m, english);
  const std::pair<QLabel*, const std::string&> shown[] = {
      {w->Label2, labels.label2},   {w->Label1, labels.label1},   {w->Label10, labels.label10},
      {w->Label11, labels.label11}, {w->Label5, labels.label5},   {w->Label6, labels.label6},
      {w->Label12, labels.label12}, {w->Label13, labels.label13}, {w->well, labels.well}};
  for (const auto& [label, text] : shown) Same(label, text);
  // The mid frequency of a driver without a design is the last design's.
  if (m.designValid) Same(w->Label15, labels.label15);

  // The chambers as the edits show them: Qtc from the sealed chamber alone, the tuning when the
  // port has a length.
  const double qts = ChassisQts, vas = ChassisVas, factor = w->CheckBox1->isChecked() ? 0.5 : 1.0;
  const double length = Number(w->Edit4), vg = Number(w->Edit5), vr = Number(w->Edit6);
  const double diameter = m.portDiameter;
  const double qtc = vg > 0 && vr > 0 ? qts * std::sqrt(vas * factor / vg + 1) : 0.0;
  Same(w->Label17, "Qtc = " + FormatFixed(qtc, 1, 2));
  const bool port = vg > 0 && vr > 0 && length > 0;
  const double fr = port ? ChamberTuning(diameter / 2, vr, length) : 0.0;
  Same(w->Label18, "fr = " + FormatFixed(fr, 2, 1) + " Hz");
  int ql = w->ScrollBar3->value();
  if (port && w->CheckBox2->isChecked()) {
    ql = static_cast<int>(std::clamp(std::floor(std::sqrt(3000.0 / vr) + 1.0), 1.0, 100.0));
    Same(w->Label16, Lang("Verlustfaktor Ql = ", "loss factor quality Ql = ") + std::to_string(ql));
  }
  Expected e;
  e.design = m.designValid && qts >= 0.05 && vr > 0 && vas > 1 && ChassisFs > 10 && fr > 0 && vg > 0 && ql >= 1;
  CurveShown(w->Diagram, e.design);
  // The store's test, which a port that does not tune fails too.
  e.storable = e.exportable = qts > 0.01 && ChassisFs > 1 && vas > 0.1 && vg > 0.1 && vr > 0.1 && m.fb > 1 &&
                              ql >= 1 && fr > 0 && length > 0;
  e.thin = vg <= 0.1 || vr <= 0.1;
  RecalcBandpassFromEdits(m, Text(w->Edit4), Text(w->Edit5), Text(w->Edit6), driver);
  m.ql = ql;
  const BandpassLevelInputs response = BandpassLevelInputsOf(m, driver);
  for (int f = 1; f <= kComparisonLevelCount; ++f) e.levels[f - 1] = BandpassLevel(response, f).value_or(std::nan(""));
  e.header.BoxType = BoxType::ClosedBandpass;
  e.header.Multiple = factor < 1 ? 2 : 1;
  e.header.BoxQl = ql;
  e.header.Volume1 = vg;
  e.header.Volume2 = vr;
  e.header.PortArea1 = m.portArea;
  e.header.PortLength1 = length;
  return e;
}

Expected DesignSweep::VentedBandpass() {
  Tventpass* w = forms::ventpass;
  struct Chamber {
    QLineEdit *volume, *diameter, *length, *area, *tuning;
    QCheckBox* crossSection;
    double v = 0, d = 0, a = 0, l = 0, f = 0;
  };
  Chamber chambers[] = {{w->Edit1, w->Edit2, w->Edit3, w->Edit4, w->Edit9, w->CheckBox3},
                        {w->Edit5, w->Edit6, w->Edit7, w->Edit8, w->Edit10, w->CheckBox4}};
  const auto field = [](double value, int width) { return CutDecimals(FormatFixed(value, width, 1), 15); };
  for (Chamber& c : chambers) {
    c.v = Number(c.volume);
    c.l = Number(c.length);
    if (c.crossSection->isChecked()) {
      c.a = Number(c.area);
      c.d = c.a > 0 ? std::sqrt(4 * c.a / 3.141592653589793) : 0.0;
      Same(c.diameter, field(c.d, 1));
    } else {
      c.d = Number(c.diameter);
      c.a = c.d > 0 ? c.d * c.d * 0.7853981633974483 : 0.0;
      Same(c.area, field(c.a, 1));
    }
    // After a preset a chamber whose fields give no tuning shows none.
    c.f = c.v > 0 && c.l > 0 && c.d > 0 ? ChamberTuning(c.d / 2, c.v, c.l) : 0.0;
    Same(c.tuning, field(c.f, 2));
  }
  const Chamber &c1 = chambers[0], &c2 = chambers[1];
  int ql = w->ScrollBar3->value();
  if (c1.v > 0 && c2.v > 0 && w->CheckBox2->isChecked()) {
    ql = static_cast<int>(std::clamp(std::trunc(std::sqrt(6000.0 / (c1.v + c2.v) + 1.0)), 1.0, 100.0));
    Same(w->Label16, Lang("Verlustfaktor Ql = ", "loss factor quality Ql = ") + std::to_string(ql));
  }
  const double qts = ChassisQts, vas = ChassisVas, fs = ChassisFs;
  Expected e;
  e.design = qts >= 0.05 && c1.v > 0 && c2.v > 0 && vas > 1 && fs > 10 && c1.f > 0 && c2.f > 0 && c1.f != c2.f && ql >= 1;
  CurveShown(w->Diagram, e.design);
  e.storable = e.design;
  e.thin = c1.v <= 0.1 || c2.v <= 0.1;
  e.exportable = e.storable && qts > 0.01 && fs > 1 && vas > 0.1 && c1.v > 0.1 && c2.v > 0.1 && c1.f > 1 && c2.f > 1;
  VentpassState m;
  UpdateVentpass(m, {Text(c1.volume), Text(c1.diameter), Text(c1.length), Text(c1.area), c1.crossSection->isChecked()},
                 {Text(c2.volume), Text(c2.diameter), Text(c2.length), Text(c2.area), c2.crossSection->isChecked()});
  m.ql = ql;
  const VentpassResponse response = VentpassResponseOf(VentpassResponseInputsOf(m, VentpassDriverFromCommitted()));
  for (int f = 1; f <= kComparisonLevelCount; ++f)
    e.levels[f - 1] = VentpassResponseLevel(response, f).value_or(std::nan(""));
  e.header.BoxType = BoxType::VentedBandpass;
  e.header.Multiple = 1;
  e.header.BoxQl = ql;
  e.header.Volume1 = c1.v;
  e.header.Volume2 = c2.v;
  e.header.PortArea1 = c1.a;
  e.header.PortLength1 = c1.l;
  e.header.PortArea2 = c2.a;
  e.header.PortLength2 = c2.l;
  return e;
}

Expected DesignSweep::OpenBaffle() {
  Toffen* w = forms::offen;
  const OpenBaffleDriver driver = OpenBaffleDriverFromCommitted();
  const double halfPath = OpenBaffleHalfPath(Text(w->Edit1));
  Same(w->Label3, OpenBaffleTuningText(halfPath, english));
  Expected e;
  e.design = OpenBaffleDiagramValid(driver, halfPath);
  CurveShown(w->Diagram, e.design);
  const double amplitude = e.design ? OpenBaffleQtc(driver, halfPath) : 0.0;
  if (w->Label5->isHidden() == (amplitude > 0)) Mismatch("Label5 shown without an amplitude, or hidden with one");
  if (amplitude > 0) Same(w->Label5, OpenBaffleQtcText(amplitude, driver.fs, english));
  e.storable = e.exportable = OpenBaffleExportValid(driver, halfPath);
  e.levels = OpenBaffleFileLevels(driver, halfPath);
  e.header.BoxType = BoxType::OpenBaffle;
  e.header.PortLength1 = halfPath;
  return e;
}

Expected DesignSweep::Horn() {
  TExpo* w = forms::Expo;
  HornPlacement placement = HornPlacement::Floor;
  if (w->RadioButton1->isChecked()) placement = HornPlacement::Free;
  if (w->RadioButton3->isChecked()) placement = HornPlacement::Wall;
  if (w->RadioButton4->isChecked()) placement = HornPlacement::Corner;
  const HornDesign h = ComputeHorn(ReadHornInput(Text(w->fu), Text(w->Ah), Text(w->Edit1), placement),
                                   {ChassisFs, ChassisQts, ChassisQes, ChassisVas});
  const HornTexts t = HornResultTexts(h, english);
  const std::pair<QLabel*, const std::string&> shown[] = {{w->Label2, t.Label2}, {w->Label11, t.Label11},
                                                          {w->Label6, t.Label6}, {w->Label10, t.Label10},
                                                          {w->Label9, t.Label9}, {w->Labelboxvol, t.Labelboxvol},
                                                          {w->Label12, t.Label12}};
  for (const auto& [label, text] : shown) Same(label, text);
  // The cross-section read-out: at 1 cm after a computation, at the scroll bar's place after a move.
  const std::string cursor = HornCursorAreaText(h.values, w->ScrollBar1->value(), english);
  const std::string area = w->Label14->text().toStdString();
  if (area != t.Label14 && area != cursor) Mismatch("Label14 shows \"" + w->Label14->text() + "\"");
  Expected e;
  e.design = h.hornValid;
  return e;
}

TEST_F(DesignSweep, EveryRuleAlignmentAndPresetShowsStoresAndExportsTheDesignItsEditsGive) {
  const auto started = std::chrono::steady_clock::now();
  const std::vector<SweepDriver> drivers = SweepDrivers();
  const std::vector<Window> windows = Windows();
  for (const Window& window : windows) ASSERT_TRUE(ShowAndActivate(window.form)) << window.name;
  int designs = 0, shown = 0;
  for (std::size_t i = 0; i < drivers.size(); ++i) {
    driver = &drivers[i];
    // Every fourth driver in English: the labels, and the closed bandpass's edits, change form.
    if (english != (i % 4 == 3)) {
      english = i % 4 == 3;
      SetLanguage(english ? "english" : "deutsch");
      // The main window's paint takes the language, as every window's does.
      test::Repaint(forms::Form1);
    }
    ASSERT_NO_FATAL_FAILURE(Commit(*driver));
    for (const Window& window : windows) {
      windowName = window.name;
      for (const Design& design : window.designs) {
        designName = design.name;
        design.choose();
        const Expected e = window.read();
        StoreExportAndPrint(window, e);
        // What the window shows as a design, the store and the file take, unless a chamber is
        // 0.1 l or smaller: that the store and the file refuse, as their tests say.
        if (window.exportbox && e.design && !e.thin && !(e.storable && e.exportable))
          Mismatch("the edits give a design that the store or the file refuses");
        ++designs;
        shown += e.design;
      }
    }
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("design sweep: %zu drivers, %d designs, %d of them shown, in %s s\n", drivers.size(), designs, shown,
              FormatFixed(seconds, 0, 1).c_str());
  EXPECT_EQ(mismatchCount, 0) << mismatches.join("\n").toStdString();
}

// The three drivers with the numbers worked out by hand (see the model tests), each window
// pictured in both languages.
TEST_F(DesignSweep, TheRuleOfThumbsShortestPortAQtcBesideAnUnbuildablePortAndAPresetsUnbuildableTube) {
  // The language as the user changes it: elsewhere, then back to the window.
  const auto picture = [](FormBase* window, const char* name) {
    for (const char* language : {"english", "deutsch"}) {
      SetLanguage(language);
      ASSERT_TRUE(ReactivateAfter(forms::Form1, window));
      test::Repaint(window);
      SavePicture(window, QString("%1-%2").arg(name, language));
    }
  };
  const QString file = TempPath("example.txt");
  const auto refusesToStore = [this](QComboBox* exportbox, int index) {
    seam.messages.clear();
    Choose(exportbox, index);
    EXPECT_FALSE(ComparisonSlotFilled(index + 1));
    EXPECT_EQ(seam.messages, QStringList({export_text::kNoData}));
  };

  // Qts 0.591, Vas 37.7 l, fs 68.6 Hz, Re 2: Tip's 125.0 l and shortest port of 2 cm is a design,
  // tuned to 44.5 Hz as the texts give it, 125.0 + 2.1 + 0.16 = 127.3 l gross.
  TReflex* reflex = forms::Reflex;
  ASSERT_TRUE(ShowAndActivate(reflex));
  ASSERT_NO_FATAL_FAILURE(Commit({"0,591", "1,000", "37,7", "68,6", "2,0"}));
  ASSERT_TRUE(ShowAndActivate(reflex));
  ChooseItem(reflex->abstimm, 0);
  EXPECT_EQ(TextsOf({reflex->Edit2, reflex->Edit3}), QStringList({"125,0", "2,0"}));
  EXPECT_EQ(TextsOf({reflex->Label8, reflex->Label5, reflex->Label3}),
            QStringList({"l, total 127.3 l", "Rohrabstimmfrequenz fr = 44.5 Hz", "Verlustfaktor Ql = 5"}));
  EXPECT_TRUE(DiagramShownIn(reflex->Diagram));
  Choose(reflex->exportbox, 1);
  ASSERT_TRUE(ComparisonSlotFilled(2));
  EXPECT_TRUE(ComparisonHeaderOf(2).Volume1 == 125.0 && ComparisonHeaderOf(2).PortLength1 == 2.0);
  FileDialogAnswers(file);
  Choose(reflex->exportbox, 4);
  const std::vector<std::string> lines = SplitCrLfLines(ReadFileBytes(file.toStdString()));
  ASSERT_EQ(lines.size(), 419u);
  EXPECT_EQ(lines[10] + " " + lines[16], "volumen (l)\t125,000 L\xe4nge (cm)\t2,0");
  reflex->Button5->click();
  EXPECT_EQ(seam.composedPages.size(), 1);
  EXPECT_EQ(seam.messages, QStringList({export_text::kSuccess}));
  picture(reflex, "TReflex-shortest-port");
  // A typed length below 2 cm is still no design.
  Type(reflex->Edit3, "1,9");
  EXPECT_EQ(reflex->Label8->text(), "l ");
  refusesToStore(reflex->exportbox, 2);

  // Qts 0.449, Vas 38.1 l, fs 77.5 Hz: Vg 9.6 l, Qtc = 0.449 sqrt(38.1 / 9.6 + 1) = 1.00 beside a
  // port of -0.2 cm, which tunes nothing.
  Tbandkiste* bandpass = forms::bandkiste;
  ASSERT_NO_FATAL_FAILURE(Commit({"0,449", "0,668", "38,1", "77,5", "15,1"}));
  ASSERT_TRUE(ShowAndActivate(bandpass));
  EXPECT_EQ(TextsOf({bandpass->Edit4, bandpass->Edit5, bandpass->Edit6}), QStringList({"-0,2", "9,6", "11,1"}));
  EXPECT_EQ(TextsOf({bandpass->Label17, bandpass->Label18}), QStringList({"Qtc = 1.00", "fr = 0.0 Hz"}));
  EXPECT_FALSE(DiagramShownIn(bandpass->Diagram));
  picture(bandpass, "Tbandkiste-unbuildable-port");
  refusesToStore(bandpass->exportbox, 3);
  Type(bandpass->Edit4, "5");  // a port that can be built tunes the chamber
  EXPECT_EQ(TextsOf({bandpass->Label17, bandpass->Label18}),
            QStringList({"Qtc = 1.00", QString::fromStdString("fr = " + FormatFixed(ChamberTuning(5, 11.1, 5), 2, 1) + " Hz")}));

  // Qts 0.951, Vas 16.3 l, fs 184.4 Hz, d1 10 cm: BR1-2-2 and then cBP1 give both tubes a length
  // below 0 (-6.1 and -10.9 cm, then -4.2 cm): no chamber tuned, no curve, nothing stored.
  Tventpass* vented = forms::ventpass;
  ASSERT_NO_FATAL_FAILURE(Commit({"0,951", "1,155", "16,3", "184,4", "6,0"}));
  ASSERT_TRUE(ShowAndActivate(vented));
  EXPECT_EQ(TextsOf({vented->Edit9, vented->Edit10}), QStringList({"32.3", "55.1"}));  // the designed chambers
  EXPECT_TRUE(DiagramShownIn(vented->Diagram));
  ChooseItem(vented->ComboBox1, 0);
  EXPECT_EQ(TextsOf({vented->Edit3, vented->Edit7, vented->Edit9, vented->Edit10}),
            QStringList({"-6.1", "-10.9", "0.0", "0.0"}));
  ChooseItem(vented->ComboBox1, 1);
  EXPECT_EQ(TextsOf({vented->Edit1, vented->Edit3, vented->Edit5, vented->Edit7, vented->Edit9, vented->Edit10}),
            QStringList({"100.0", "-4.2", "29.5", "-10.9", "0.0", "0.0"}));
  EXPECT_FALSE(DiagramShownIn(vented->Diagram));
  picture(vented, "Tventpass-unbuildable-tubes");
  refusesToStore(vented->exportbox, 0);
  // Typing keeps what it kept: a typed length tunes, an emptied one leaves the tuning standing.
  Type(vented->Edit3, "12");
  const std::string tuned = FormatFixed(ChamberTuning(5, 100, 12), 2, 1);
  EXPECT_EQ(vented->Edit9->text().toStdString(), tuned);
  Type(vented->Edit3, "");
  EXPECT_EQ(vented->Edit9->text().toStdString(), tuned);
}

}  // namespace
}  // namespace velomare::test
