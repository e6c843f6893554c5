#include "app/model/Assistant.h"

namespace velomare {
namespace {

using W = AssistantWindow;

// What a row of the walk waits for.
enum class Wait {
  DriverWindowClosed,
  AdvisorClosedWithBox,
  AdvisorClosedWithoutBox,
  NoBoxWindow,
  BoxWindow,
  ShapeWindow,
  NoShapeWindow,
  Always,
};

enum class Action { None, ShowAdvisor, LinesWhite, Close, KeepLowPassShown };

// Line texts of a row; nullptr keeps the line as it is.
using Lines = std::array<const char*, 5>;
constexpr const char* kKeep = nullptr;

struct Row {
  int step;
  Wait wait;
  Lines lines;
  Action action;
  int next;
};

constexpr const char* kSubwooferTitle = "Subwoofer-Assistent";
constexpr const char* kMultiWayTitle = "Mehrwegebox-Assistent";

// Tested in this order within one tick, each against the step the rows before it have left.
constexpr Row kRows[] = {
    {11, Wait::DriverWindowClosed,
     {kSubwooferTitle, "Nun läßt man sich einen Tip geben", "abh. von den Daten sind bestimmte Typen",
      "geschlossene, Bassreflex oder Bandpässe", "geeignet. Dazu den Text anklicken."},
     Action::ShowAdvisor, 12},
    {12, Wait::AdvisorClosedWithBox,
     {kSubwooferTitle, "Hier kann man nun diese Box simulieren", "ein Tip wird auch gegeben",
      "wichtig ist das Brutto-Innenvolumen", ""},
     Action::None, 13},
    {12, Wait::AdvisorClosedWithoutBox,
     {kSubwooferTitle, "Man muss sich für einen Typ entscheiden, z.B.", "geschlossene Box", "Bassreflex",
      "geschlossener Bandpass"},
     Action::None, 14},
    {13, Wait::NoBoxWindow,
     {kKeep, "Gewünschte Gehäuseform wählen", "Quadratisch (Home-Hifi)", "mit Schräge (Car-HiFi)", ""},
     Action::None, 15},
    {14, Wait::BoxWindow,
     {kKeep, "Hier kann man nun diese Box simulieren", "ein Tip wird auch gegeben",
      "wichtig ist das Brutto-Innenvolumen", "dieses wird dann übernommen"},
     Action::LinesWhite, 13},
    {15, Wait::ShapeWindow,
     {kKeep, "Hier das Innenvolumen angeben", "dann die Abmaße nach Belieben ändern", "der Rest wird errechnet, um damit",
      "die Box zu bauen."},
     Action::LinesWhite, 16},
    {16, Wait::NoShapeWindow, {kKeep, kKeep, kKeep, kKeep, kKeep}, Action::Close, 16},
    {21, Wait::DriverWindowClosed,
     {kMultiWayTitle, "Nun läßt man sich einen Tip geben", "abh. von den Daten sind bestimmte Typen",
      "geschlossene oder Bassreflex evtl. Horn", "geeignet. Dazu den Text anklicken."},
     Action::ShowAdvisor, 22},
    // The first visible box window moves this step on, whether or not the advisor is still open.
    {22, Wait::BoxWindow,
     {kMultiWayTitle, "hier den Tieftöner simulieren, man", "läßt sich einen Tip geben.",
      "Das Bruttovolumen ist wichtig, dieses", "merken und als nächstes verwenden."},
     Action::None, 23},
    {23, Wait::NoBoxWindow,
     {kMultiWayTitle, "Boxenform wählen:", "quadratische Standbox (normal)", "pyramidenförmige Box", ""},
     Action::None, 24},
    {24, Wait::ShapeWindow, {kMultiWayTitle, "hier anhand des Innenvolumens die", "äußeren Abmessungen festlegen", "", ""},
     Action::LinesWhite, 25},
    {25, Wait::NoShapeWindow,
     {kMultiWayTitle, "Bei Passivboxen können nun die", "Frequenzweichen berechnet werden.",
      "angefangen mit dem Tiefpass...", "bei 2-Wegeboxen folgt der Hochpass"},
     Action::None, 26},
    // Shows the low-pass designer again at every tick, so closing it early does not end the walk.
    {26, Wait::Always, {kKeep, kKeep, kKeep, kKeep, kKeep}, Action::KeepLowPassShown, 27},
    {27, Wait::Always, {kKeep, kKeep, kKeep, kKeep, kKeep}, Action::Close, 27},
};

void SetLines(AssistantOutput& out, const Lines& lines) {
  for (int i = 0; i < 5; ++i)
    if (lines[i]) out.lines[i] = lines[i];
}

void StartPath(AssistantState& state, AssistantOutput& out, bool subwoofer) {
  SetLines(out, {subwoofer ? kSubwooferTitle : kMultiWayTitle, "Erst die Tieftöner-Daten (TSPs) eingeben",
                 "fs, Qts, Vas sind Minimum, dann OK", "auch Durchmesser und Re sind wichtig.", ""});
  out.show.push_back(W::Chassisform);
  state.AssistantStep = subwoofer ? 11 : 21;
}

// The window a click on a line opens in a step, if any.
std::optional<AssistantWindow> ClickTarget(int step, int line) {
  switch (step) {
    case 14:
      if (line == 3) return W::closed;
      if (line == 4) return W::Reflex;
      if (line == 5) return W::bandkiste;
      break;
    case 15:
      if (line == 3) return W::quaderbox;
      if (line == 4) return W::trapezbox;
      break;
    case 24:
      if (line == 3) return W::quaderbox;
      if (line == 4) return W::pyramidebox;
      break;
    default: break;
  }
  return std::nullopt;
}

}  // namespace

AssistantOutput AssistantShow(AssistantState& state) {
  state = AssistantState{0, true, 0};
  AssistantOutput out;
  SetLines(out, {"Willkommen beim Velomare-Assistenten", "Was soll gebaut werden?", "Subwoofer (Car- oder Home-HiFi)",
                 "Mehrwege-Standbox", ""});
  out.linesWhite = true;
  return out;
}

void AssistantClose(AssistantState& state) { state.AssistantActive = false; }

AssistantOutput AssistantTick(AssistantState& state, const AssistantVisibility& snapshot) {
  AssistantOutput out;
  if (!state.AssistantActive) return out;
  // A window shown by an earlier row counts as visible for the rows after it in the same tick:
  // the advisor just shown must not count as already closed again.
  AssistantVisibility visible = snapshot;
  const bool boxWindowShown = visible[W::offen] || visible[W::closed] || visible[W::Reflex] ||
                              visible[W::bandkiste] || visible[W::Expo] || visible[W::ventpass];
  const bool shapeWindowShown = visible[W::quaderbox] || visible[W::trapezbox] || visible[W::pyramidebox];

  for (const Row& row : kRows) {
    if (!state.AssistantActive || row.step != state.AssistantStep) continue;
    bool holds = false;
    switch (row.wait) {
      case Wait::DriverWindowClosed: holds = !visible[W::Chassisform]; break;
      case Wait::AdvisorClosedWithBox: holds = !visible[W::wahl] && boxWindowShown; break;
      case Wait::AdvisorClosedWithoutBox: holds = !visible[W::wahl] && !boxWindowShown; break;
      case Wait::NoBoxWindow: holds = !boxWindowShown; break;
      case Wait::BoxWindow: holds = boxWindowShown; break;
      case Wait::ShapeWindow: holds = shapeWindowShown; break;
      case Wait::NoShapeWindow: holds = !shapeWindowShown; break;
      case Wait::Always: holds = true; break;
    }
    if (!holds) continue;
    SetLines(out, row.lines);
    int next = row.next;
    switch (row.action) {
      case Action::None: break;
      case Action::ShowAdvisor:
        out.show.push_back(W::wahl);
        visible.Set(W::wahl, true);
        break;
      case Action::LinesWhite: out.linesWhite = true; break;
      case Action::Close:
        out.close = true;
        AssistantClose(state);
        break;
      case Action::KeepLowPassShown:
        out.show.push_back(W::TP);
        visible.Set(W::TP, true);
        ++state.AssistantTicks;
        if (state.AssistantTicks < kAssistantLowPassTicks) next = row.step;
        break;
    }
    state.AssistantStep = next;
  }
  return out;
}

AssistantOutput AssistantClick(AssistantState& state, int line) {
  AssistantOutput out;
  if (!state.AssistantActive) return out;
  if (state.AssistantStep == 0 && (line == 3 || line == 4)) {
    StartPath(state, out, line == 3);
  } else if (const auto target = ClickTarget(state.AssistantStep, line)) {
    out.show.push_back(*target);
  }
  out.linesWhite = true;
  return out;
}

bool AssistantLineLightsUp(int step, int line) {
  switch (line) {
    case 3:
    case 4: return step == 0 || step == 14 || step == 15 || step == 24;
    case 5: return step == 0 || step == 14;
    case 6: return true;
    default: return false;
  }
}

}  // namespace velomare
