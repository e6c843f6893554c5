#pragma once
// The assistant's walk through a subwoofer or a multi-way design, as a state machine without
// widgets: the window hands in the step, which tool windows are visible and the user's clicks,
// and applies what comes back (line texts, windows to show, close, line colours).
//
// The walk never looks at values, only at which windows are visible, so a user who opens or
// closes tool windows by other means moves it on just the same. Its texts are German in both
// languages.
#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace velomare {

// The windows the walk watches or opens.
enum class AssistantWindow {
  Chassisform,
  wahl,
  offen,
  closed,
  Reflex,
  bandkiste,
  Expo,
  ventpass,
  quaderbox,
  trapezbox,
  pyramidebox,
  TP,
};
inline constexpr int kAssistantWindowCount = static_cast<int>(AssistantWindow::TP) + 1;

// Which of the watched windows are visible at one moment (a minimised window counts as visible).
class AssistantVisibility {
 public:
  AssistantVisibility() = default;
  AssistantVisibility(std::initializer_list<AssistantWindow> visible) {
    for (AssistantWindow w : visible) Set(w, true);
  }
  bool operator[](AssistantWindow w) const { return visible_[static_cast<int>(w)]; }
  void Set(AssistantWindow w, bool visible) { visible_[static_cast<int>(w)] = visible; }

 private:
  std::array<bool, kAssistantWindowCount> visible_{};
};

inline constexpr int kAssistantTickMs = 500;
// Ticks that the low-pass designer is kept shown at the end of the multi-way walk, the tick that
// entered that step included.
inline constexpr int kAssistantLowPassTicks = 10;

struct AssistantState {
  int AssistantStep = 0;  // 0 choice, 11..16 subwoofer, 21..27 multi-way
  bool AssistantActive = false;
  int AssistantTicks = 0;  // ticks spent in step 26
};

// What the window does after a show, a tick or a click.
struct AssistantOutput {
  // Label1 .. Label5; a line left empty here keeps its text (an empty text clears the line).
  std::array<std::optional<std::string>, 5> lines;
  std::vector<AssistantWindow> show;  // in this order
  bool close = false;
  bool linesWhite = false;  // Label3 .. Label6 back to white
};

// A show from hidden: the welcome texts at step 0.
AssistantOutput AssistantShow(AssistantState& state);
// The window closed, by "Abbrechen", by the walk or by the window manager.
void AssistantClose(AssistantState& state);
// One timer tick with the visibility of the watched windows taken at its start.
AssistantOutput AssistantTick(AssistantState& state, const AssistantVisibility& visible);
// A click on Label3, Label4 or Label5 (line 3 to 5).
AssistantOutput AssistantClick(AssistantState& state, int line);
// Whether the mouse over Label3 .. Label6 (line 3 to 6) turns that line silver in the step.
bool AssistantLineLightsUp(int step, int line);

}  // namespace velomare
