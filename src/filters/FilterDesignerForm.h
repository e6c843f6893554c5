#pragma once
// What the high-, band- and low-pass designer windows share: the window values, the option
// flags, the recalculation written into the component edits, the component edits' change
// handling, the quality read-out, the up-down steps, the caption's cursor read-out and the
// settings section restored once per show and written at closing. The windows make their
// controls, bind them to their roles here and name their handlers.
//
// Edits and radios run their handlers at once when code changes them (textChanged, toggled),
// nested inside the code that changed them: a recalculation that writes four component edits
// runs four component handlers before it returns, and a restore that checks an order radio runs
// the order logic.
#include <array>
#include <string>

#include "filters/model/FilterDesign.h"
#include "filters/model/FilterResponse.h"
#include "platform/FormBase.h"
#include "platform/UpDown.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QGroupBox;

namespace velomare {

class FilterCircuit;

class FilterDesignerForm : public FormBase {
  Q_OBJECT
 public:
  const FilterValues& Values() const { return values_; }
  bool AutoFilterSimFlag() const { return autoFilterSim_; }
  bool FastFilterFlag() const { return fastFilter_; }
  bool SaveFilterFlag() const { return saveFilter_; }

  // The cursor read-out in the caption for the mouse at (x, y) of the client area.
  void FormMouseMove(int x, int y);

  // Whether the diagram is up: always with AutoFilterSim, else from "&Simulation" until a
  // component changes. What the next paint draws (empty when the design makes no circuit).
  bool DiagramShown() const { return autoFilterSim_ || diagramShown_; }
  FilterDiagram CurrentDiagram();
  // "&Export": the design's response into its branch of the filter branch store.
  void ExportResponse();

 protected:
  FilterDesignerForm(FilterKind kind, const char* formName, QWidget* parent);

  // Runs the window's calculation from its edits and selection.
  virtual void Recalculate() = 0;
  // High and low pass: the checked order radio (1 to 4); band pass: 1 for the first-order
  // preset, else 2 (the "Ordnung" kept in the settings).
  virtual int CheckedOrder() const = 0;
  virtual Characteristic CheckedCharacteristic() const { return Characteristic::Butterworth; }
  // Puts the restored order or preset and characteristic into the controls.
  virtual void RestoreSelection(const FilterRestore& restore) = 0;

  void BindInputs(QLineEdit* z, QLineEdit* f, QLineEdit* fo = nullptr);
  std::string ZText() const;
  std::string FText() const;
  std::string FoText() const;
  void BindComponent(Component component, QLineEdit* edit) { componentEdits_[Index(component)] = edit; }
  void BindQualityLabel(QLabel* label) { qualityLabel_ = label; }

  // Stores the calculation and writes its texts into the component edits, in its order.
  void TakeCalculation(const FilterCalculation& calculation);
  // A component edit changed: its number replaces the value (other text keeps it), then the
  // quality and a repaint.
  void ComponentChange(Component component);
  void ShowFilterQuality();
  void StepComponent(Component component, UpDownDirection direction, const ComponentStepRule& rule);
  void StepFrequency(QLineEdit* edit, FrequencyEdit which, QLineEdit* partner, UpDownDirection direction);

  // "&Simulation": the diagram is drawn whatever AutoFilterSim says.
  void Simulate();
  // The low pass draws from its response table; the others compute on the fly.
  virtual LowPassResponseTable* ResponseTable() { return nullptr; }

  void ReadOptions();
  // Reads the options; at the first activation since the window was shown, with SaveFilter
  // set, restores the window's section.
  void ActivateAndRestore();
  void ShowPlainCaption();

  void FormPaint(QPainter& painter) override;
  void FormClose() override;
  void mouseMoveEvent(QMouseEvent* event) override;

  // Writes an edit's text only when it differs, so that an unchanged text runs no handler.
  static void SetText(QLineEdit* edit, const std::string& text);

  // Control makers for the windows' layouts. A row is a caption, an edit, room for an up-down
  // right of the edit, and a unit label.
  struct Row {
    QLabel* caption;
    QLineEdit* edit;
    QLabel* unit;
  };
  struct RowSpec {
    const char *captionName, *captionText, *editName, *editText, *unitName, *unitText;
  };
  Row MakeRow(const RowSpec& spec, int x, int y, int captionWidth, int editWidth);
  // The up-down right of a row's edit.
  UpDown* MakeUpDownBeside(const char* name, const QLineEdit* edit);
  QLabel* MakeLabel(const char* name, int x, int y, int w, const char* text);
  QLineEdit* MakeEdit(const char* name, int x, int y, int w, const char* text);
  UpDown* MakeUpDown(const char* name, int x, int y);
  QPushButton* MakeButton(const char* name, int x, int y, const char* text);
  // The circuit picture "Image1" from (x, y) down to just above the row where the diagram's -3 dB
  // markers start, so that no marker text or line runs through it.
  FilterCircuit* MakeCircuit(int x, int y, int w, std::vector<struct CircuitElement> elements);
  // The up-downs' hint: shown by the low pass, kept but not shown by the other two.
  void SetHint(QWidget* control, const char* hint);
  void SetShowsHints(bool on) { showsHints_ = on; }

  static constexpr int kRowHeight = 21;
  static constexpr int kUpDownWidth = 17;

  const FilterKind kind_;
  FilterValues values_;
  bool autoFilterSim_ = false;
  bool fastFilter_ = false;
  bool saveFilter_ = false;

 private:
  static std::size_t Index(Component c) { return static_cast<std::size_t>(c); }
  QLineEdit* EditOf(Component c) const { return componentEdits_[Index(c)]; }

  QLineEdit* zEdit_ = nullptr;
  QLineEdit* fEdit_ = nullptr;
  QLineEdit* foEdit_ = nullptr;
  std::array<QLineEdit*, 4> componentEdits_{};
  QLabel* qualityLabel_ = nullptr;
  bool showsHints_ = false;
  bool cursorReadout_ = false;
  bool diagramShown_ = false;
};

// The high and the low pass: order radios, characteristic radios and the order logic.
class PassDesignerForm : public FilterDesignerForm {
  Q_OBJECT
 public:
  QRadioButton *RadioButton1, *RadioButton2, *RadioButton3, *RadioButton4;
  QGroupBox* GroupBox1;
  QRadioButton *butter, *bessel, *linkwitz, *phasen;

  void Edit1Change() { Recalculate(); }
  void Edit2Change() { Recalculate(); }
  void RadioButton1Click() { OrderClick(1); }
  void RadioButton2Click() { OrderClick(2); }
  void RadioButton3Click() { OrderClick(3); }
  void RadioButton4Click() { OrderClick(4); }
  void butterClick() { Recalculate(); }
  void besselClick() { Recalculate(); }
  void linkwitzClick() { Recalculate(); }
  void phasenClick() { Recalculate(); }

 protected:
  PassDesignerForm(FilterKind kind, const char* formName, QWidget* parent);

  struct OrderTexts {
    const char* radios[4];
  };
  // The heading, the four order radios in a row below it and the characteristic frame below them.
  QLabel* MakeOrderControls(const char* headingName, const char* heading, const OrderTexts& texts, int x, int y);
  // The controls the order logic switches: the simulation button, the second to fourth
  // component edits and the second component's up-down.
  void BindOrderControls(QPushButton* simulation, QLineEdit* second, QLineEdit* third, QLineEdit* fourth,
                         UpDown* secondUpDown);
  void ConnectInputs(QLineEdit* z, QLineEdit* f);
  // The ladder's four component rows in the middle column, top to bottom, each edit bound to its
  // component: the last two disabled until the order asks for them, the first two with their
  // standard-value up-downs ("UpDown1", "UpDown2"), and the quality label "Label24" below.
  struct ComponentColumn {
    std::array<Row, 4> rows;
    UpDown *firstUpDown, *secondUpDown;
    QLabel* quality;
  };
  struct ComponentRowSpec {
    RowSpec row;
    Component component;
  };
  ComponentColumn MakeComponentColumn(const std::array<ComponentRowSpec, 4>& specs, int x, int captionWidth,
                                      int editWidth, int qualityWidth);

  void Recalculate() override;
  int CheckedOrder() const override;
  Characteristic CheckedCharacteristic() const override;
  void RestoreSelection(const FilterRestore& restore) override;

  void FormShow() override;
  void FormActivate() override;

 private:
  void OrderClick(int order);

  QPushButton* simulation_ = nullptr;
  QLineEdit *second_ = nullptr, *third_ = nullptr, *fourth_ = nullptr;
  UpDown* secondUpDown_ = nullptr;
};

}  // namespace velomare
