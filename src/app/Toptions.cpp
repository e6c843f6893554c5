#include "app/Toptions.h"

#include <QCheckBox>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include "app/FetchUrlText.h"
#include "app/model/ProgramOptions.h"
#include "app/model/SpectrumFile.h"
#include "app/model/UpdateCheck.h"
#include "common/FileTexts.h"
#include "common/Settings.h"
#include "enclosures/model/ComparisonStore.h"
#include "filters/model/FilterBranches.h"
#include "platform/Platform.h"

namespace velomare {
namespace {

constexpr UiText kTexts[] = {
    {"", "Programm-Einstellungen", "program options"},
    {"closebut", "&Speichern", "&save"},
    {"Button1", "Abbre&chen", "&cancel"},
    {"Button2", "&Drucker-Einstellung", "printer &device"},
    {"Reset", "Standard-Werte", "reset all values"},
    {"Button4", "&Hilfe", "&help"},
    {"PageLanguage", "Sprache/language", "Sprache/language"},
    {"PageSetup", "Setup", "setup"},
    {"PageSpectrum", "Spektrum", "spectrum"},
    {"PageUpdate", "Update", "update"},
    {"PageData", "Datensätze", "data sets (records)"},
    {"radio_de", "deutsch (german, standard)", "deutsch (german, standard)"},
    {"radio_en", "english", "english"},
    {"RadioKomma", "Komma (,)", "comma (,)"},
    {"RadioPunkt", "Punkt (.)", "point (.)"},
    {"otherlanguage", "other language (load)", "other language (load)"},
    {"Farbe1", "wie Button (wie früher)", "as button (old style)"},
    {"Farbe2", "weiß", "white"},
    {"Farbe3", "Vorgabe Windows-Hintergrund", "standard windows background"},
    {"CheckBox1", "Boxen-Simulationen", "simulation of boxes"},
    {"CheckBox2", "Filter-Simulationen", "simulations of filters"},
    {"CheckBox3", "Gehäuse-Zeichnungen", "housings"},
    {"CheckBox6", "schnelle Filtersimulation (log)", "fastened filter simulation (log)"},
    {"CheckBox5", "Maus zeigt Diagramm-Position", "Maus zeigt Diagramm-Position"},
    {"CheckBox7", "Chassis-Parameter", "Chassis-Parameter"},
    {"CheckBox8", "Boxenkonfiguration", "configuration of boxes"},
    {"CheckBox9", "Filter-Parameter", "parameters of crossovers"},
    {"CheckBox10", "Gehäusegrößen", "Gehäusegrößen"},
    {"CheckBox11", "Tools", "Tools"},
    {"CheckBox12", "TAB-stop", "TAB-stop"},
    {"CheckEnde", "Keine Abfrage beim Beenden", "do not ask at closing"},
    {"CheckBox4", "Info-Fenster beim Start", "about window at start"},
    {"CheckBox13", "Fragen vor Überschreiben", "ask before overwrite"},
    {"CheckBox24", "Automatischer Update-Check beim Start", "automatic update check at startup"},
    {"CheckBox25", "Gib immer Status (auch bei gleicher Version) als Info aus",
     "Always show version info in message window"},
    {"CheckBox14", "1. Datensatz", "1st data set"},
    {"CheckBox15", "2. Datensatz", "2nd data set"},
    {"CheckBox16", "3. Datensatz", "3rd data set"},
    {"CheckBox17", "4. Datensatz", "4th data set"},
    {"CheckBox18", "Tiefpass", "low pass"},
    {"CheckBox20", "Bandpass", "band pass"},
    {"CheckBox22", "Hochpass", "high pass"},
    {"CheckBox19", "fast", "fast"},
    {"CheckBox21", "fast", "fast"},
    {"CheckBox23", "fast", "fast"},
    {"Button7", "löschen", "clear"},
    {"Button8", "löschen", "clear"},
    {"Button9", "löschen", "clear"},
    {"Button10", "löschen", "clear"},
    {"Button11", "löschen", "clear"},
    {"Button12", "löschen", "clear"},
    {"Button13", "löschen", "clear"},
    {"Button14", "->", "->"},
    {"Button15", "->", "->"},
    {"Button16", "->", "->"},
    {"Label1", "Spektrum-Name : ", "spectrum name :"},
    {"Button3", "save spectrum file", "save spectrum file"},
    {"Button6", "load spectrum file", "load spectrum file"},
    {"Label10", "Direkter Link zur Internetseite", "direct link to Internetsite:"},
    {"Button17", "Neue Version? Check!", "Check for new version"},
};

constexpr const char* kGridHeader[2][2] = {{"Frequenz", "dB"}, {"frequency", "dB"}};
constexpr int kGridRowHeight = 16;
constexpr int kGridLabelWidth = 90;
constexpr int kGridLevelWidth = 70;
constexpr int kGridVisibleRows = 15;

// The link turns blue again at the third tick after the last movement over it: 1.0 to 1.5 s.
constexpr int kLinkTickMs = 500;
constexpr int kLinkTicksToIdle = 3;

constexpr FilterBranchKind kBranches[] = {FilterBranchKind::LowPass, FilterBranchKind::BandPass,
                                          FilterBranchKind::HighPass};

QString Utf8(const char* text) { return QString::fromUtf8(text); }
QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

Toptions::Toptions(QWidget* parent) : FormBase(parent) {
  // The caption follows this window's own language, set with its other texts.
  InitForm("options", nullptr, nullptr);
  SetHelpTopic("QTX_contents0009");

  TabbedNotebook1 = Make<QTabWidget>("TabbedNotebook1", this, 8, 8, 504, 328);
  auto page = [this](const char* name, const char* title) {
    auto* sheet = new QWidget;
    sheet->setObjectName(QString::fromLatin1(name));
    TabbedNotebook1->addTab(sheet, Utf8(title));
    return sheet;
  };
  QWidget* language = page("PageLanguage", "Sprache/language");
  QWidget* setup = page("PageSetup", "Setup");
  QWidget* spectrum = page("PageSpectrum", "Spektrum");
  QWidget* update = page("PageUpdate", "Update");
  QWidget* data = page("PageData", "Datensätze");

  auto* languageGroup = Make<QGroupBox>("GroupLanguage", language, 8, 8, 230, 76);
  radio_de = Make<QRadioButton>("radio_de", languageGroup, 10, 14, 210, 24);
  radio_en = Make<QRadioButton>("radio_en", languageGroup, 10, 42, 210, 24);
  auto* separatorGroup = Make<QGroupBox>("GroupSeparator", language, 8, 92, 230, 76);
  RadioKomma = Make<QRadioButton>("RadioKomma", separatorGroup, 10, 14, 210, 24);
  RadioPunkt = Make<QRadioButton>("RadioPunkt", separatorGroup, 10, 42, 210, 24);
  separatorGroup->setEnabled(false);
  otherlanguage = Make<QPushButton>("otherlanguage", language, 8, 180, 230, 25);
  otherlanguage->setEnabled(false);
  auto* colourGroup = Make<QGroupBox>("GroupColour", language, 250, 8, 236, 104);
  Farbe1 = Make<QRadioButton>("Farbe1", colourGroup, 10, 14, 218, 24);
  Farbe2 = Make<QRadioButton>("Farbe2", colourGroup, 10, 42, 218, 24);
  Farbe3 = Make<QRadioButton>("Farbe3", colourGroup, 10, 70, 218, 24);
  RadioGroup({radio_de, radio_en});
  RadioGroup({RadioKomma, RadioPunkt});
  RadioGroup({Farbe1, Farbe2, Farbe3});
  connect(radio_de, &QRadioButton::clicked, this, [this] { radio_deClick(); });
  connect(radio_en, &QRadioButton::clicked, this, [this] { radio_enClick(); });
  for (QRadioButton* colour : {Farbe1, Farbe2, Farbe3})
    connect(colour, &QRadioButton::clicked, this, [this] { ApplyColorScheme(); });

  auto check = [this](const char* name, QWidget* parent, int x, int y, int w) {
    return Make<QCheckBox>(name, parent, x, y, w, 22);
  };
  CheckBox1 = check("CheckBox1", setup, 8, 8, 236);
  CheckBox2 = check("CheckBox2", setup, 8, 32, 236);
  CheckBox3 = check("CheckBox3", setup, 8, 56, 236);
  CheckBox6 = check("CheckBox6", setup, 8, 80, 236);
  CheckBox5 = check("CheckBox5", setup, 8, 104, 236);
  CheckBox7 = check("CheckBox7", setup, 252, 8, 236);
  CheckBox8 = check("CheckBox8", setup, 252, 32, 236);
  CheckBox9 = check("CheckBox9", setup, 252, 56, 236);
  CheckBox10 = check("CheckBox10", setup, 252, 80, 236);
  CheckBox11 = check("CheckBox11", setup, 252, 104, 236);
  CheckEnde = check("CheckEnde", setup, 8, 140, 236);
  CheckBox4 = check("CheckBox4", setup, 8, 164, 236);
  CheckBox13 = check("CheckBox13", setup, 252, 140, 236);
  CheckBox12 = check("CheckBox12", setup, 252, 164, 236);
  CheckBox7->setChecked(true);
  for (QCheckBox* off : {CheckBox5, CheckBox7, CheckBox10, CheckBox11, CheckBox12, CheckBox13}) off->setEnabled(false);

  StringGrid1 = Make<QTableWidget>("StringGrid1", spectrum, 8, 8, 180, 262);
  StringGrid1->setFont(WindowFont(11));
  StringGrid1->setColumnCount(2);
  StringGrid1->setRowCount(kSpectrumBandCount);
  StringGrid1->verticalHeader()->hide();
  StringGrid1->verticalHeader()->setMinimumSectionSize(kGridRowHeight);
  StringGrid1->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
  StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  StringGrid1->horizontalHeader()->setHighlightSections(false);
  StringGrid1->setColumnWidth(0, kGridLabelWidth);
  StringGrid1->setColumnWidth(1, kGridLevelWidth);
  // Whole rows only: fifteen of them under the header, the rest behind the scroll bar.
  StringGrid1->resize(StringGrid1->width(), kGridVisibleRows * kGridRowHeight +
                                                StringGrid1->horizontalHeader()->sizeHint().height() +
                                                2 * StringGrid1->frameWidth());
  StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  // The level under the cursor is always open for typing; tab moves on to the next cell.
  StringGrid1->setEditTriggers(QAbstractItemView::AllEditTriggers);
  StringGrid1->setTabKeyNavigation(true);
  for (int r = 0; r < kSpectrumBandCount; ++r) {
    auto* band = new QTableWidgetItem(Utf8(kSpectrumBands[r].gridLabel));
    band->setFlags(Qt::ItemIsEnabled);
    band->setBackground(palette().brush(QPalette::Button));
    StringGrid1->setItem(r, 0, band);
    StringGrid1->setItem(r, 1, new QTableWidgetItem);
  }
  Label1 = Make<QLabel>("Label1", spectrum, 200, 8, 200, 20);
  Edit1 = Make<QLineEdit>("Edit1", spectrum, 200, 30, 200, 24);
  Button3 = Make<QPushButton>("Button3", spectrum, 200, 70, 160, 25);
  Button6 = Make<QPushButton>("Button6", spectrum, 200, 100, 160, 25);
  connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
  connect(Button6, &QPushButton::clicked, this, [this] { Button6Click(); });

  CheckBox24 = check("CheckBox24", update, 8, 8, 480);
  CheckBox25 = check("CheckBox25", update, 8, 34, 480);
  Label11 = Make<QLabel>("Label11", update, 8, 70, 480, 20);
  Label9 = Make<QLabel>("Label9", update, 8, 92, 480, 20);
  Button17 = Make<QPushButton>("Button17", update, 8, 120, 200, 25);
  Label13 = Make<QLabel>("Label13", update, 8, 152, 480, 40);
  Label13->setWordWrap(true);
  Label13->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label10 = Make<QLabel>("Label10", update, 8, 206, 480, 20);
  Label2 = Make<QLabel>("Label2", update, 8, 228, 480, 20);
  Label2->setText(Q(DownloadPageUrl()));
  Label2->setCursor(Qt::PointingHandCursor);
  ColourLink(Label2, false);
  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(kLinkTickMs);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
  connect(Button17, &QPushButton::clicked, this, [this] { Button17Click(); });
  setMouseTracking(true);
  Label2->installEventFilter(this);
  OnHover(Label2, [this] { SetLinkHover(true); });
  OnHover(Label10, [this] { SetLinkHover(false, false); });
  update->setMouseTracking(true);
  update->installEventFilter(this);
  TabbedNotebook1->installEventFilter(this);

  QCheckBox** slotBoxes[] = {&CheckBox14, &CheckBox15, &CheckBox16, &CheckBox17};
  QLabel** slotLabels[] = {&Label4, &Label5, &Label6, &Label7};
  QPushButton** slotClears[] = {&Button7, &Button8, &Button9, &Button10};
  for (int k = 0; k < kComparisonSlotCount; ++k) {
    const int y = 8 + 26 * k;
    *slotBoxes[k] = check(QByteArray("CheckBox").append(QByteArray::number(14 + k)).constData(), data, 8, y, 120);
    (*slotBoxes[k])->setEnabled(false);
    *slotLabels[k] = Make<QLabel>(QByteArray("Label").append(QByteArray::number(4 + k)).constData(), data, 132, y, 262, 22);
    *slotClears[k] = Make<QPushButton>(QByteArray("Button").append(QByteArray::number(7 + k)).constData(), data, 400, y, 84, 24);
    connect(*slotClears[k], &QPushButton::clicked, this, [this, k] { ClearComparisonSlot(k + 1); });
  }
  QCheckBox** exported[] = {&CheckBox18, &CheckBox20, &CheckBox22};
  QCheckBox** fast[] = {&CheckBox19, &CheckBox21, &CheckBox23};
  QPushButton** converts[] = {&Button14, &Button15, &Button16};
  QPushButton** clears[] = {&Button11, &Button12, &Button13};
  for (int b = 0; b < 3; ++b) {
    const int y = 124 + 26 * b;
    *exported[b] = check(QByteArray("CheckBox").append(QByteArray::number(18 + 2 * b)).constData(), data, 8, y, 120);
    *fast[b] = check(QByteArray("CheckBox").append(QByteArray::number(19 + 2 * b)).constData(), data, 132, y, 80);
    (*exported[b])->setEnabled(false);
    (*fast[b])->setEnabled(false);
    *converts[b] = Make<QPushButton>(QByteArray("Button").append(QByteArray::number(14 + b)).constData(), data, 220, y, 40, 24);
    *clears[b] = Make<QPushButton>(QByteArray("Button").append(QByteArray::number(11 + b)).constData(), data, 400, y, 84, 24);
    connect(*converts[b], &QPushButton::clicked, this, [this, b] { ConvertBranch(b); });
    connect(*clears[b], &QPushButton::clicked, this, [this, b] { ClearBranch(b); });
  }
  Label3 = Make<QLabel>("Label3", data, 8, 212, 480, 22);
  connect(TabbedNotebook1, &QTabWidget::currentChanged, this, [this] { TabbedNotebook1Change(); });

  closebut = Make<QPushButton>("closebut", this, 8, 346, 90, 25);
  Button1 = Make<QPushButton>("Button1", this, 104, 346, 90, 25);
  SetCancelAndDefaultButtons(Button1, closebut);
  Button2 = Make<QPushButton>("Button2", this, 200, 346, 130, 25);
  Reset = Make<QPushButton>("Reset", this, 336, 346, 110, 25);
  Button4 = Make<QPushButton>("Button4", this, 452, 346, 60, 25);
  connect(closebut, &QPushButton::clicked, this, [this] { closebutClick(); });
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(Reset, &QPushButton::clicked, this, [this] { ResetClick(); });
  connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
  SetFixedClientSize(520, 380);

  installedVersionText_ = FormatVersionNumber(kInstalledVersionNumber);
  // The creation reads the file as the show does; every show reads it again.
  LoadFromSettings();
  // In the stored language, and without holding up the start: the answer comes later.
  if (CheckBox24->isChecked()) CheckForUpdate();
}

void Toptions::ApplyCustomText(const char* control, const QString& text) {
  if (QWidget* sheet = TabbedNotebook1->findChild<QWidget*>(QString::fromLatin1(control))) {
    const int index = TabbedNotebook1->indexOf(sheet);
    if (index >= 0 && TabbedNotebook1->tabText(index) != text) TabbedNotebook1->setTabText(index, text);
  }
}

void Toptions::SetTexts() {
  const bool english = IsEnglish(optionsLanguage_);
  ApplyTextTable(kTexts, english);
  const QStringList header = {Utf8(kGridHeader[english][0]), Utf8(kGridHeader[english][1])};
  for (int c = 0; c < 2; ++c) {
    QTableWidgetItem* item = StringGrid1->horizontalHeaderItem(c);
    if (!item || item->text() != header[c]) StringGrid1->setHorizontalHeaderItem(c, new QTableWidgetItem(header[c]));
  }
  const VersionLabels labels = ComposedVersionLabels(english, installedVersionText_, webVersionText_);
  SetTextIfChanged(Label11, labels.installed);
  SetTextIfChanged(Label9, labels.web);
}

void Toptions::EnableReset() { Reset->setEnabled(QFileInfo::exists(QString::fromStdString(SettingsFilePath()))); }

void Toptions::FormShow() { LoadFromSettings(); }

void Toptions::LoadFromSettings() {
  const platform::IniFile ini = OpenSettings();
  const ProgramOptions options = ReadProgramOptions(ini);
  spectrum_ = ReadSpectrumSection(ini);
  storedFastFilter_ = options.fastFilter;
  storedNoCheckEnd_ = options.noCheckEnd;
  storedAlwaysShowVersion_ = options.alwaysShowVersion;
  optionsLanguage_ = options.language;
  (options.color == 1 ? Farbe2 : options.color == 2 ? Farbe3 : Farbe1)->setChecked(true);
  ApplyColorScheme();
  if (IsEnglish(optionsLanguage_)) {
    radio_en->setChecked(true);
    radio_enClick();
  } else {
    radio_de->setChecked(true);
    radio_deClick();
  }
  CheckBox1->setChecked(options.autoBoxSim);
  CheckBox2->setChecked(options.autoFilterSim);
  CheckBox3->setChecked(options.autoHousingSim);
  CheckBox4->setChecked(options.aboutAtStart);
  CheckBox6->setChecked(options.fastFilter);
  CheckBox8->setChecked(options.saveBox);
  CheckBox9->setChecked(options.saveFilter);
  CheckEnde->setChecked(options.noCheckEnd);
  CheckBox13->setChecked(options.overwrite);
  CheckBox24->setChecked(options.autoUpdateCheck);
  CheckBox25->setChecked(options.alwaysShowVersion);
  EnableReset();
  FillSpectrumGrid();
  SetLinkHover(false);
  RefreshStoredDataPage();
}

void Toptions::radio_deClick() {
  optionsLanguage_ = "deutsch";
  RadioKomma->setChecked(true);
  SetTexts();
  RefreshStoredDataPage();
}

void Toptions::radio_enClick() {
  optionsLanguage_ = "english";
  RadioPunkt->setChecked(true);
  SetTexts();
  RefreshStoredDataPage();
}

void Toptions::ApplyColorScheme() {
  ColorScheme = Farbe2->isChecked() ? 1 : Farbe3->isChecked() ? 2 : 0;
  PaintWithScheme(ColorScheme);
}

void Toptions::closebutClick() {
  ProgramOptions o;
  o.autoBoxSim = CheckBox1->isChecked();
  o.autoFilterSim = CheckBox2->isChecked();
  o.autoHousingSim = CheckBox3->isChecked();
  o.aboutAtStart = CheckBox4->isChecked();
  o.fastFilter = CheckBox6->isChecked();
  o.saveBox = CheckBox8->isChecked();
  o.saveFilter = CheckBox9->isChecked();
  o.noCheckEnd = CheckEnde->isChecked();
  o.overwrite = CheckBox13->isChecked();
  o.autoUpdateCheck = CheckBox24->isChecked();
  o.alwaysShowVersion = CheckBox25->isChecked();
  // The checked button, not the shared value, which another window's paint may have re-read.
  o.color = Farbe2->isChecked() ? 1 : Farbe3->isChecked() ? 2 : 0;
  o.language = radio_en->isChecked() ? "english" : "deutsch";
  spectrum_ = TakeSpectrum(Edit1->text().toStdString(), GridLevels());
  // The options and the spectrum replace the file together, or neither does.
  platform::IniFile ini = OpenSettings();
  ini.BeginUpdate();
  WriteProgramOptions(ini, o);
  WriteSpectrumSection(ini, spectrum_);
  if (!ini.CommitUpdate()) {
    platform::ShowMessage(this, Utf8(IsEnglish(optionsLanguage_)
                                         ? "The settings could not be saved."
                                         : "Die Einstellungen konnten nicht gespeichert werden."));
    return;
  }
  ColorScheme = o.color;
  NoCheckEnd = o.noCheckEnd;
  hide();
}

void Toptions::Button1Click() { hide(); }

void Toptions::Button2Click() { platform::PrinterSetup(this); }

void Toptions::Button4Click() { ShowHelpTopic(); }

void Toptions::ResetClick() {
  const bool english = IsEnglish(optionsLanguage_);
  if (platform::AskYesNo(this, Utf8(english ? "delete configuration file?" : "Konfigurationsdatei löschen?")) !=
      platform::Answer::Yes)
    return;
  if (!DeleteSettingsFile()) {
    platform::ShowMessage(this, Utf8(english ? "The configuration file could not be deleted."
                                             : "Die Konfigurationsdatei konnte nicht gelöscht werden."));
    EnableReset();
    return;
  }
  hide();
}

void Toptions::TabbedNotebook1Change() { RefreshStoredDataPage(); }

void Toptions::RefreshStoredDataPage() {
  const bool english = IsEnglish(optionsLanguage_);
  QCheckBox* const slotBoxes[] = {CheckBox14, CheckBox15, CheckBox16, CheckBox17};
  QLabel* const slotLabels[] = {Label4, Label5, Label6, Label7};
  for (int k = 0; k < kComparisonSlotCount; ++k) {
    slotBoxes[k]->setChecked(ComparisonCurveOf(k + 1)[0] > 0.5);
    SetTextIfChanged(slotLabels[k], ComparisonSlotText(k + 1, english));
  }
  QCheckBox* const exported[] = {CheckBox18, CheckBox20, CheckBox22};
  QCheckBox* const fast[] = {CheckBox19, CheckBox21, CheckBox23};
  QPushButton* const converts[] = {Button14, Button15, Button16};
  for (int b = 0; b < 3; ++b) {
    const bool filled = BranchExported(kBranches[b]);
    const bool onFastGrid = filled && BranchOnFastGrid(kBranches[b]);
    exported[b]->setChecked(filled);
    fast[b]->setChecked(onFastGrid);
    converts[b]->setEnabled(filled && !onFastGrid);
  }
  SetTextIfChanged(Label3, FastFilterStatusText(CheckBox6->isChecked(), storedFastFilter_, english));
}

void Toptions::ClearComparisonSlot(int slot) {
  EmptyComparisonSlot(slot);
  RefreshStoredDataPage();
}

void Toptions::ClearBranch(int branch) {
  if (branch < 0 || branch > 2) return;
  ClearFilterBranch(kBranches[branch]);
  RefreshStoredDataPage();
}

void Toptions::ConvertBranch(int branch) {
  if (branch < 0 || branch > 2) return;
  // The store itself refuses a branch that is not on the one-hertz grid: the button's state may
  // be older than an export made while this page was open.
  ConvertBranchToFastGrid(kBranches[branch]);
  RefreshStoredDataPage();
}

void Toptions::FillSpectrumGrid() {
  // An edit left open would write its text over the loaded one when it closes.
  StringGrid1->setCurrentIndex(QModelIndex());
  for (int r = 0; r < kSpectrumBandCount; ++r) StringGrid1->item(r, 1)->setText(Q(spectrum_.levels[r]));
  Edit1->setText(Q(spectrum_.name));
}

std::array<std::string, kSpectrumBandCount> Toptions::GridLevels() {
  const QModelIndex current = StringGrid1->currentIndex();
  StringGrid1->setCurrentIndex(QModelIndex());  // commits a cell still being edited
  std::array<std::string, kSpectrumBandCount> levels;
  for (int r = 0; r < kSpectrumBandCount; ++r) levels[r] = StringGrid1->item(r, 1)->text().toStdString();
  if (current.isValid() && isVisible()) StringGrid1->setCurrentIndex(current);
  return levels;
}

void Toptions::Button3Click() {
  const bool english = IsEnglish(optionsLanguage_);
  platform::FileDialogRequest request;
  request.title = Utf8(spectrum_file_text::kExportTitle);
  request.filter = Utf8(spectrum_file_text::kExportFilter);
  request.defaultExtension = Utf8(spectrum_file_text::kExtension);
  // A slash in the spectrum's name would propose a folder.
  request.defaultName = Edit1->text().replace('/', '_');
  const std::optional<QString> chosen = platform::GetSaveFileName(this, request);
  if (!chosen) return;
  const std::string path = chosen->toStdString();
  if (QFileInfo::exists(*chosen) &&
      platform::AskYesNo(this, Q(file_text::ReplaceQuestion(path, english))) != platform::Answer::Yes)
    return;
  spectrum_ = TakeSpectrum(Edit1->text().toStdString(), GridLevels());
  if (!WriteSpectrumFile(path, spectrum_))
    platform::ShowMessage(this, Q(file_text::WriteFailed(path, english)));
}

void Toptions::Button6Click() {
  platform::FileDialogRequest request;
  request.title = Utf8(spectrum_file_text::kImportTitle);
  request.filter = Utf8(spectrum_file_text::kImportFilter);
  request.defaultExtension = Utf8(spectrum_file_text::kExtension);
  request.mustExist = true;
  const std::optional<QString> chosen = platform::GetOpenFileName(this, request);
  if (!chosen) return;
  const std::string path = chosen->toStdString();
  const SpectrumFileRead read = ReadSpectrumFile(path);
  if (read.status != SpectrumFileStatus::Ok) {
    // What the user typed stays: a file that holds no spectrum must not look like one.
    platform::ShowMessage(this, Q(spectrum_file_text::CannotImport(path, read.status, IsEnglish(optionsLanguage_))));
    return;
  }
  spectrum_ = read.spectrum;
  FillSpectrumGrid();
}

void Toptions::Button17Click() { CheckForUpdate(); }

void Toptions::CheckForUpdate() {
  if (updateCheckRunning_) return;
  updateCheckRunning_ = true;
  const bool showMessages = isVisible() ? CheckBox25->isChecked() : storedAlwaysShowVersion_;
  installedVersionText_ = FormatVersionNumber(kInstalledVersionNumber);
  FetchUrlText(VersionFileUrl(), this,
               [this, showMessages](const std::string& fetched) { FinishUpdateCheck(fetched, showMessages); });
}

void Toptions::FinishUpdateCheck(const std::string& fetched, bool showMessages) {
  updateCheckRunning_ = false;
  webVersionNumber_ = WebVersionNumber(fetched);
  webVersionText_ = WebVersionText(webVersionNumber_);
  const bool english = IsEnglish(optionsLanguage_);
  const VersionLabels labels = CheckedVersionLabels(english, installedVersionText_, webVersionText_);
  SetTextIfChanged(Label11, labels.installed);
  SetTextIfChanged(Label9, labels.web);
  const UpdateReport report = ReportFor(webVersionNumber_, english);
  if (report.setsResult) SetTextIfChanged(Label13, report.result);
  if (showMessages && !report.message.empty()) platform::ShowMessage(this, Q(report.message));
  if (report.offersDownload && platform::AskYesNo(this, Q(DownloadQuestion(english))) == platform::Answer::Yes)
    platform::ShellOpen(this, Q(DownloadPageUrl()));
}

void Toptions::Label2Click() { platform::ShellOpen(this, Q(DownloadPageUrl())); }

void Toptions::SetLinkHover(bool hover, bool resetHover) {
  ColourLink(Label2, hover);
  if (!resetHover) return;
  linkHover_ = hover;
  linkHoverTicks_ = 0;
  // The timer keeps its beat while the mouse moves over the link, as a free-running one would.
  if (!hover)
    Timer1->stop();
  else if (!Timer1->isActive())
    Timer1->start();
}

void Toptions::Timer1Timer() {
  if (!linkHover_) return;
  if (++linkHoverTicks_ >= kLinkTicksToIdle) SetLinkHover(false);
}

bool Toptions::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == Label2) {
    if (type == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
      Label2Click();
  } else if (watched == TabbedNotebook1) {
    if (type == QEvent::Enter) SetLinkHover(false);
  } else if (type == QEvent::MouseMove) {
    SetLinkHover(false);  // the update page's background
  }
  return FormBase::eventFilter(watched, event);
}

void Toptions::mouseMoveEvent(QMouseEvent* event) {
  SetLinkHover(false);
  FormBase::mouseMoveEvent(event);
}

}  // namespace velomare
