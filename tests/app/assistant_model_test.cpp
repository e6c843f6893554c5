// The assistant's walk, driven event by event as the Part's edge cases describe it: the
// visibility going in, then the step, all five lines, the windows shown and whether the
// assistant closes coming out.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "app/model/Assistant.h"

namespace velomare {
namespace {

using W = AssistantWindow;
using Screen = std::array<std::string, 5>;

enum class Event { Show, Tick, Click3, Click4, Click5 };

struct Step {
  Event event;
  AssistantVisibility visible;  // for ticks
  int step;                     // after the event
  Screen lines;                 // all five lines after the event
  std::vector<W> shown;
  bool closes = false;
};

const std::string kSub = "Subwoofer-Assistent", kMulti = "Mehrwegebox-Assistent";
const Screen kWelcome = {"Willkommen beim Velomare-Assistenten", "Was soll gebaut werden?",
                         "Subwoofer (Car- oder Home-HiFi)", "Mehrwege-Standbox", ""};
const Screen kSubDriver = {kSub, "Erst die Tieftöner-Daten (TSPs) eingeben",
                           "fs, Qts, Vas sind Minimum, dann OK", "auch Durchmesser und Re sind wichtig.", ""};
const Screen kSubAdvice = {kSub, "Nun läßt man sich einen Tip geben",
                           "abh. von den Daten sind bestimmte Typen", "geschlossene, Bassreflex oder Bandpässe",
                           "geeignet. Dazu den Text anklicken."};
const Screen kSubSimulate = {kSub, "Hier kann man nun diese Box simulieren", "ein Tip wird auch gegeben",
                             "wichtig ist das Brutto-Innenvolumen", ""};
const Screen kSubChooseType = {kSub, "Man muss sich für einen Typ entscheiden, z.B.",
                               "geschlossene Box", "Bassreflex", "geschlossener Bandpass"};
const Screen kSubSimulateChosen = {kSub, "Hier kann man nun diese Box simulieren",
                                   "ein Tip wird auch gegeben", "wichtig ist das Brutto-Innenvolumen",
                                   "dieses wird dann übernommen"};
const Screen kSubShape = {kSub, "Gewünschte Gehäuseform wählen", "Quadratisch (Home-Hifi)",
                          "mit Schräge (Car-HiFi)", ""};
const Screen kSubBuild = {kSub, "Hier das Innenvolumen angeben", "dann die Abmaße nach Belieben ändern",
                          "der Rest wird errechnet, um damit", "die Box zu bauen."};
const Screen kMultiDriver = {kMulti, "Erst die Tieftöner-Daten (TSPs) eingeben",
                             "fs, Qts, Vas sind Minimum, dann OK", "auch Durchmesser und Re sind wichtig.", ""};
const Screen kMultiAdvice = {kMulti, "Nun läßt man sich einen Tip geben",
                             "abh. von den Daten sind bestimmte Typen", "geschlossene oder Bassreflex evtl. Horn",
                             "geeignet. Dazu den Text anklicken."};
const Screen kMultiSimulate = {kMulti, "hier den Tieftöner simulieren, man", "läßt sich einen Tip geben.",
                               "Das Bruttovolumen ist wichtig, dieses", "merken und als nächstes verwenden."};
const Screen kMultiShape = {kMulti, "Boxenform wählen:", "quadratische Standbox (normal)",
                            "pyramidenförmige Box", ""};
const Screen kMultiDimensions = {kMulti, "hier anhand des Innenvolumens die",
                                 "äußeren Abmessungen festlegen", "", ""};
const Screen kMultiCrossover = {kMulti, "Bei Passivboxen können nun die",
                                "Frequenzweichen berechnet werden.", "angefangen mit dem Tiefpass...",
                                "bei 2-Wegeboxen folgt der Hochpass"};

// Runs the events in order against one state and one set of lines, as the window would.
class Walk {
 public:
  void Run(const std::vector<Step>& steps) {
    for (size_t i = 0; i < steps.size(); ++i) {
      const Step& expected = steps[i];
      SCOPED_TRACE("event " + std::to_string(i));
      AssistantOutput out;
      switch (expected.event) {
        case Event::Show: out = AssistantShow(state); break;
        case Event::Tick: out = AssistantTick(state, expected.visible); break;
        case Event::Click3: out = AssistantClick(state, 3); break;
        case Event::Click4: out = AssistantClick(state, 4); break;
        case Event::Click5: out = AssistantClick(state, 5); break;
      }
      for (int line = 0; line < 5; ++line)
        if (out.lines[line]) screen[line] = *out.lines[line];
      EXPECT_EQ(state.AssistantStep, expected.step);
      EXPECT_EQ(screen, expected.lines);
      EXPECT_EQ(out.show, expected.shown);
      EXPECT_EQ(out.close, expected.closes);
      EXPECT_EQ(state.AssistantActive, !expected.closes);
      if (out.close) AssistantClose(state);
    }
  }
  AssistantState state;
  Screen screen;
};

TEST(AssistantWalk, SubwooferThroughTheAdvisorTheClosedBoxAndTheCuboid) {
  Walk walk;
  walk.Run({
      {Event::Show, {}, 0, kWelcome, {}},
      {Event::Click3, {}, 11, kSubDriver, {W::Chassisform}},
      {Event::Tick, {W::Chassisform}, 11, kSubDriver, {}},
      {Event::Tick, {}, 12, kSubAdvice, {W::wahl}},
      {Event::Tick, {W::wahl}, 12, kSubAdvice, {}},
      // The advisor opened the closed box and closed itself.
      {Event::Tick, {W::closed}, 13, kSubSimulate, {}},
      {Event::Tick, {W::closed}, 13, kSubSimulate, {}},
      {Event::Tick, {}, 15, kSubShape, {}},
      {Event::Click3, {}, 15, kSubShape, {W::quaderbox}},
      {Event::Tick, {W::quaderbox}, 16, kSubBuild, {}},
      {Event::Tick, {W::quaderbox}, 16, kSubBuild, {}},
      {Event::Tick, {}, 16, kSubBuild, {}, true},
  });
  // Closed, the walk ignores ticks and clicks.
  const AssistantOutput after = AssistantTick(walk.state, {});
  EXPECT_TRUE(after.show.empty());
  EXPECT_FALSE(after.close);
  EXPECT_FALSE(AssistantClick(walk.state, 3).linesWhite);
}

TEST(AssistantWalk, AdvisorClosedWithoutAChoiceOffersTheThreeTypes) {
  Walk walk;
  walk.Run({
      {Event::Show, {}, 0, kWelcome, {}},
      {Event::Click3, {}, 11, kSubDriver, {W::Chassisform}},
      {Event::Tick, {}, 12, kSubAdvice, {W::wahl}},
      {Event::Tick, {}, 14, kSubChooseType, {}},
      {Event::Tick, {}, 14, kSubChooseType, {}},
      {Event::Click4, {}, 14, kSubChooseType, {W::Reflex}},
      {Event::Tick, {W::Reflex}, 13, kSubSimulateChosen, {}},
      {Event::Tick, {}, 15, kSubShape, {}},
      {Event::Click4, {}, 15, kSubShape, {W::trapezbox}},
      {Event::Tick, {W::trapezbox}, 16, kSubBuild, {}},
      {Event::Tick, {}, 16, kSubBuild, {}, true},
  });
}

TEST(AssistantWalk, EachOfTheThreeTypesOpensItsWindow) {
  const std::pair<Event, W> choices[] = {{Event::Click3, W::closed}, {Event::Click4, W::Reflex}, {Event::Click5, W::bandkiste}};
  for (const auto& [click, window] : choices) {
    Walk walk;
    walk.Run({
        {Event::Show, {}, 0, kWelcome, {}},
        {Event::Click3, {}, 11, kSubDriver, {W::Chassisform}},
        {Event::Tick, {}, 12, kSubAdvice, {W::wahl}},
        {Event::Tick, {}, 14, kSubChooseType, {}},
        {click, {}, 14, kSubChooseType, {window}},
    });
  }
}

TEST(AssistantWalk, MultiWayEndsWithTheLowPassDesignerAndClosesItself) {
  Walk walk;
  std::vector<Step> steps = {
      {Event::Show, {}, 0, kWelcome, {}},
      {Event::Click4, {}, 21, kMultiDriver, {W::Chassisform}},
      {Event::Tick, {W::Chassisform}, 21, kMultiDriver, {}},
      {Event::Tick, {}, 22, kMultiAdvice, {W::wahl}},
      {Event::Tick, {W::wahl}, 22, kMultiAdvice, {}},
      // The first box window moves on while the advisor is still open.
      {Event::Tick, {W::wahl, W::Expo}, 23, kMultiSimulate, {}},
      {Event::Tick, {W::Expo}, 23, kMultiSimulate, {}},
      {Event::Tick, {}, 24, kMultiShape, {}},
      {Event::Click4, {}, 24, kMultiShape, {W::pyramidebox}},
      {Event::Tick, {W::pyramidebox}, 25, kMultiDimensions, {}},
      {Event::Tick, {}, 26, kMultiCrossover, {W::TP}},
  };
  for (int tick = 2; tick <= 9; ++tick) steps.push_back({Event::Tick, {W::TP}, 26, kMultiCrossover, {W::TP}});
  steps.push_back({Event::Tick, {W::TP}, 27, kMultiCrossover, {W::TP}, true});
  walk.Run(steps);
  EXPECT_EQ(walk.state.AssistantTicks, 10);
}

TEST(AssistantWalk, ClosesFourAndAHalfSecondsAfterEnteringTheCrossoverStep) {
  AssistantState state{25, true, 0};
  ASSERT_EQ(AssistantTick(state, {}).show, std::vector<W>{W::TP});
  ASSERT_EQ(state.AssistantStep, 26);
  // Ticks after the one that entered the step, each kAssistantTickMs later.
  int closedAtMs = -1;
  for (int tick = 1; tick <= 10; ++tick) {
    const AssistantOutput out = AssistantTick(state, {});
    const int elapsedMs = tick * kAssistantTickMs;
    if (elapsedMs <= 4000) {
      EXPECT_TRUE(state.AssistantActive) << elapsedMs;
    }
    if (out.close && closedAtMs < 0) closedAtMs = elapsedMs;
  }
  EXPECT_EQ(closedAtMs, 4500);
  EXPECT_FALSE(state.AssistantActive);
}

TEST(AssistantWalk, ToolWindowsClosedEarlyMoveTheWalkOn) {
  {
    // The driver window closed without typing; the box window and the cuboid closed at once.
    Walk walk;
    walk.Run({
        {Event::Show, {}, 0, kWelcome, {}},
        {Event::Click3, {}, 11, kSubDriver, {W::Chassisform}},
        {Event::Tick, {}, 12, kSubAdvice, {W::wahl}},
        {Event::Tick, {W::offen}, 13, kSubSimulate, {}},
        {Event::Tick, {}, 15, kSubShape, {}},
        {Event::Click3, {}, 15, kSubShape, {W::quaderbox}},
        {Event::Tick, {W::quaderbox}, 16, kSubBuild, {}},
        {Event::Tick, {}, 16, kSubBuild, {}, true},
    });
  }
  {
    // The advisor closed with the chosen box already closed again: treated as no choice.
    Walk walk;
    walk.Run({
        {Event::Show, {}, 0, kWelcome, {}},
        {Event::Click3, {}, 11, kSubDriver, {W::Chassisform}},
        {Event::Tick, {}, 12, kSubAdvice, {W::wahl}},
        {Event::Tick, {}, 14, kSubChooseType, {}},
    });
  }
  {
    // Multi-way: the box window and the shape window closed early; the low-pass designer closed
    // at once is shown again at the next tick.
    Walk walk;
    walk.Run({
        {Event::Show, {}, 0, kWelcome, {}},
        {Event::Click4, {}, 21, kMultiDriver, {W::Chassisform}},
        {Event::Tick, {}, 22, kMultiAdvice, {W::wahl}},
        {Event::Tick, {W::ventpass}, 23, kMultiSimulate, {}},
        {Event::Tick, {}, 24, kMultiShape, {}},
        {Event::Click3, {}, 24, kMultiShape, {W::quaderbox}},
        {Event::Tick, {W::quaderbox}, 25, kMultiDimensions, {}},
        {Event::Tick, {}, 26, kMultiCrossover, {W::TP}},
        {Event::Tick, {}, 26, kMultiCrossover, {W::TP}},
    });
  }
}

TEST(AssistantWalk, WindowsOpenedByOtherMeansMoveTheWalkOnWithinOneTick) {
  // The driver window closes while a box window is already open: the advisor is shown and the
  // box window moves the multi-way walk on in the same tick.
  AssistantState state{21, true, 0};
  AssistantOutput out = AssistantTick(state, {W::closed});
  EXPECT_EQ(state.AssistantStep, 23);
  EXPECT_EQ(out.show, std::vector<W>{W::wahl});
  EXPECT_EQ(out.lines[1].value_or("?"), "hier den Tieftöner simulieren, man");
  // A shape window opened from the main window while the walk offers the shapes.
  state = {23, true, 0};
  out = AssistantTick(state, {W::trapezbox});
  EXPECT_EQ(state.AssistantStep, 25);
  EXPECT_TRUE(out.linesWhite);
  // The subwoofer walk reaches its box step with a box window open from the main window.
  state = {12, true, 0};
  AssistantTick(state, {W::offen});
  EXPECT_EQ(state.AssistantStep, 13);
}

TEST(AssistantWalk, TheAdvisorJustShownIsNotTakenAsClosedInTheSameTick) {
  // The snapshot was taken before the advisor was shown; the row after must see it visible.
  AssistantState state{11, true, 0};
  AssistantTick(state, {});
  EXPECT_EQ(state.AssistantStep, 12);
  AssistantTick(state, {W::wahl});
  EXPECT_EQ(state.AssistantStep, 12);
}

TEST(AssistantClicks, OnlyTheTableCellsActAndEveryClickRecolours) {
  const std::pair<int, std::vector<W>> acting[] = {
      {14, {W::closed, W::Reflex, W::bandkiste}},
      {15, {W::quaderbox, W::trapezbox}},
      {24, {W::quaderbox, W::pyramidebox}},
  };
  for (int step : {11, 12, 13, 14, 15, 16, 21, 22, 23, 24, 25, 26, 27}) {
    for (int line = 3; line <= 5; ++line) {
      AssistantState state{step, true, 0};
      const AssistantOutput out = AssistantClick(state, line);
      std::vector<W> expected;
      for (const auto& [s, windows] : acting)
        if (s == step && line - 3 < static_cast<int>(windows.size())) expected = {windows[line - 3]};
      EXPECT_EQ(out.show, expected) << "step " << step << " line " << line;
      EXPECT_TRUE(out.linesWhite);
      EXPECT_EQ(state.AssistantStep, step) << "a click never moves past the step it opens";
      for (const auto& text : out.lines) EXPECT_FALSE(text.has_value());
    }
  }
  AssistantState choice{0, true, 0};
  const AssistantOutput empty = AssistantClick(choice, 5);
  EXPECT_TRUE(empty.show.empty());
  EXPECT_TRUE(empty.linesWhite);
  EXPECT_EQ(choice.AssistantStep, 0);
  // A choice after a click that did nothing still starts its path, once.
  EXPECT_EQ(AssistantClick(choice, 4).show, std::vector<W>{W::Chassisform});
  EXPECT_TRUE(AssistantClick(choice, 4).show.empty());
  EXPECT_EQ(choice.AssistantStep, 21);
}

TEST(AssistantClicks, ADoubleClickOnAChoiceStartsThePathOnce) {
  AssistantState state;
  AssistantShow(state);
  EXPECT_EQ(AssistantClick(state, 4).show, std::vector<W>{W::Chassisform});
  EXPECT_TRUE(AssistantClick(state, 4).show.empty());
  EXPECT_EQ(state.AssistantStep, 21);
}

TEST(AssistantShowing, EveryShowStartsAtTheWelcomeText) {
  AssistantState state{16, false, 7};
  const AssistantOutput out = AssistantShow(state);
  EXPECT_EQ(state.AssistantStep, 0);
  EXPECT_EQ(state.AssistantTicks, 0);
  EXPECT_TRUE(state.AssistantActive);
  EXPECT_TRUE(out.linesWhite);
  for (int line = 0; line < 5; ++line) EXPECT_EQ(out.lines[line].value_or("?"), kWelcome[line]);
  AssistantClose(state);
  EXPECT_FALSE(state.AssistantActive);
  EXPECT_TRUE(AssistantTick(state, {}).show.empty());
}

TEST(AssistantHover, LinesLightUpWhereTheStepTakesClicksAndCancelAlways) {
  for (int step : {0, 11, 12, 13, 14, 15, 16, 21, 22, 23, 24, 25, 26, 27}) {
    const bool choice = step == 0 || step == 14 || step == 15 || step == 24;
    EXPECT_EQ(AssistantLineLightsUp(step, 3), choice) << step;
    EXPECT_EQ(AssistantLineLightsUp(step, 4), choice) << step;
    EXPECT_EQ(AssistantLineLightsUp(step, 5), step == 0 || step == 14) << step;
    EXPECT_TRUE(AssistantLineLightsUp(step, 6)) << step;
    EXPECT_FALSE(AssistantLineLightsUp(step, 1));
    EXPECT_FALSE(AssistantLineLightsUp(step, 2));
  }
}

}  // namespace
}  // namespace velomare
