// Input while the game is idle and during each kind of wait: dropped, taken by the
// interruption of the wait, or passed on as an ordinary click or key.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/frame_model.h"
#include "engine/input_dispatch.h"
#include "engine/modes.h"
#include "engine/system_menu.h"
#include "platform/platform.h"
#include "scenario/auto_reading.h"
#include "support/engine_harness.h"

using tq::testing::EngineHarness;

namespace {

// How the stand-in game waits when its first tick comes (400 ms): a 1000 ms timer
// wait of this kind, so that input at 600 ms lands inside it.
struct WaitSetup {
  bool waits = true;
  int waitKind = 0;
  int readMode = 1;
  bool breakEndsEveryWait = false;
};

// What reached the game and the scenario engine.
struct Seen {
  int steps = 0;  // phase 0 after the first tick: clicks passed on
  int keys = 0;
  int breaks = 0;
  int finishes = 0;
  int homes = 0;
  int marbrookKeys = 0;
  int autoContinue = 99;
  int continueMode = 99;
};

WaitSetup setup;
Seen seen;
bool firstTickDone = false;

bool StandInEvent(int phase) {
  if (phase != 0) return true;
  if (!firstTickDone) {
    firstTickDone = true;
    SceneCursor.SceneCode = 10;
    if (setup.waits) {
      AnimationRun.WaitKind = setup.waitKind;
      ReadState.ReadMode = setup.readMode;
      Wait(-1, 1000);
    }
    return true;
  }
  ++seen.steps;
  return true;
}

void StandInBreak() {
  ++seen.breaks;
  if (setup.breakEndsEveryWait) {
    tq::ThePlatform().DisarmTimer();
    FrameClock.TimerArmed = 0;
    FrameClock.WaitActive = 0;
    AnimationRun.WaitKind = 0;
  }
}

enum class In { Left, Right, Middle, PlainKey, AdvanceKey, Move };

struct InputCase {
  const char* name;
  WaitSetup wait;
  In input;
  Seen expect;
  int waitKindAfter;
  bool autoStopped;
  bool menuOpen;
};

class InputDispatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedScenario = InputScenarioHooks;
    savedCrossing = CrossingHooks;
  }
  void TearDown() override {
    InputScenarioHooks = savedScenario;
    CrossingHooks = savedCrossing;
  }

  // Boots a stand-in game in a conversation scene with every member counting.
  static void Boot(EngineHarness& h, const WaitSetup& wait) {
    setup = wait;
    seen = Seen{};
    firstTickDone = false;
    ModeHookSet& hooks = h.TestHooks();
    hooks.OnEvent = StandInEvent;
    hooks.OnKey = [] { ++seen.keys; };
    hooks.BreakWait = StandInBreak;
    InputScenarioHooks.FinishScriptAction = [] { ++seen.finishes; };
    InputScenarioHooks.ReturnBalloonHome = [] { ++seen.homes; };
    InputScenarioHooks.SetAutoContinue = [](int v) { seen.autoContinue = v; };
    InputScenarioHooks.SetContinueMode = [](int v) { seen.continueMode = v; };
    CrossingHooks.MarbrookOnKey = [] { ++seen.marbrookKeys; };
    h.Start();
  }

  static void Send(EngineHarness& h, uint32_t at, In input) {
    tq::HeadlessPlatform& p = h.Platform();
    switch (input) {
      case In::Left: p.AddInput({at, tq::ScriptedInput::Click, 300, 300, tq::kButtonLeft}); break;
      case In::Right: p.AddInput({at, tq::ScriptedInput::Click, 300, 300, tq::kButtonRight}); break;
      case In::Middle: p.AddInput({at, tq::ScriptedInput::Click, 300, 300, tq::kButtonMiddle}); break;
      case In::PlainKey: p.AddInput({at, tq::ScriptedInput::Key, 0, 0, 0, tq::kKeyA}); break;
      case In::AdvanceKey: p.AddInput({at, tq::ScriptedInput::Key, 0, 0, 0, tq::kKeyEnter}); break;
      case In::Move: p.AddInput({at, tq::ScriptedInput::Move, 300, 300}); break;
    }
  }

  InputScenarioHookSet savedScenario;
  CrossingHookSet savedCrossing;
};

WaitSetup Idle() { return {false, 0, 1, false}; }
WaitSetup Kind(int kind, int readMode = 1) { return {true, kind, readMode, false}; }

TEST_F(InputDispatchTest, InputDuringEachKindOfWait) {
  const InputCase cases[] = {
      // Idle: clicks and keys go to the game.
      {"idle click", Idle(), In::Left, {.steps = 1}, 0, false, false},
      {"idle key", Idle(), In::PlainKey, {.keys = 1}, 0, false, false},
      {"idle right click", Idle(), In::Right, {}, 0, false, true},
      // Kind 0: every input is dropped; the system menu cannot open.
      {"kind 0 click", Kind(0), In::Left, {}, 0, false, false},
      {"kind 0 right click", Kind(0), In::Right, {}, 0, false, false},
      {"kind 0 key", Kind(0), In::AdvanceKey, {}, 0, false, false},
      // Automatic reading: a click or an advance key stops it at the next line.
      {"reading click", Kind(10), In::Left, {}, 0, true, false},
      {"reading advance key", Kind(10), In::AdvanceKey, {}, 0, true, false},
      {"reading plain key", Kind(10), In::PlainKey, {}, 10, false, false},
      // Voice wait and balloon move: the line ends now.
      {"voice click", Kind(11), In::Left, {.finishes = 1}, 0, false, false},
      {"voice plain key", Kind(11), In::PlainKey, {}, 11, false, false},
      {"balloon move click", Kind(12), In::Left, {.finishes = 1, .homes = 1}, 0, false, false},
      // Picture animation.
      {"picture click", Kind(13), In::Left, {.finishes = 1, .autoContinue = -1, .continueMode = 2}, 0, false, false},
      {"picture advance key", Kind(13), In::AdvanceKey, {.finishes = 1, .autoContinue = -1, .continueMode = 2}, 0,
       false, false},
      {"picture right click", Kind(13), In::Right, {.finishes = 1, .autoContinue = 0}, 0, false, true},
      {"picture middle click", Kind(13), In::Middle, {}, 13, false, false},
      {"picture plain key", Kind(13), In::PlainKey, {.marbrookKeys = 1}, 13, false, false},
      {"picture while reading", Kind(13, 2), In::Left, {}, 0, true, false},
      // The game's own kinds go to its BreakWait, and no further.
      {"game kind click", Kind(100), In::Left, {.breaks = 1}, 100, false, false},
      {"game kind key", Kind(100), In::PlainKey, {.breaks = 1}, 100, false, false},
      {"game kind ending every wait", {true, 100, 1, true}, In::Left, {.steps = 1, .breaks = 1}, 0, false, false},
      // Pointer moves during a wait are lost.
      {"kind 13 move", Kind(13), In::Move, {}, 13, false, false},
  };
  for (const InputCase& c : cases) {
    SCOPED_TRACE(c.name);
    EngineHarness h("Test");
    Boot(h, c.wait);
    Send(h, 600, c.input);
    h.RunUntil(1300);  // before the wait's own tick
    EXPECT_EQ(seen.steps, c.expect.steps);
    EXPECT_EQ(seen.keys, c.expect.keys);
    EXPECT_EQ(seen.breaks, c.expect.breaks);
    EXPECT_EQ(seen.finishes, c.expect.finishes);
    EXPECT_EQ(seen.homes, c.expect.homes);
    EXPECT_EQ(seen.marbrookKeys, c.expect.marbrookKeys);
    EXPECT_EQ(seen.autoContinue, c.expect.autoContinue);
    EXPECT_EQ(seen.continueMode, c.expect.continueMode);
    EXPECT_EQ(AnimationRun.WaitKind, c.waitKindAfter);
    EXPECT_EQ(ReadState.AutoStopRequest, c.autoStopped ? 1 : 0);
    EXPECT_EQ(SystemMenuState.MenuState, c.menuOpen ? 1 : 0);
    EXPECT_EQ(InputEvent.KeyCode, 0);
    EXPECT_EQ(InputEvent.AdvanceKeyDown, 0);
  }
}

TEST_F(InputDispatchTest, EscapeShutsDownWhateverIsRunning) {
  const WaitSetup waits[] = {Idle(), Kind(0), Kind(10), Kind(13), Kind(100)};
  for (const WaitSetup& wait : waits) {
    for (bool menuOpen : {false, true}) {
      SCOPED_TRACE(testing::Message() << wait.waitKind << (menuOpen ? " menu" : ""));
      EngineHarness h("Test");
      Boot(h, wait);
      if (menuOpen) h.Platform().At(500, [] { SystemMenuState.MenuState = 1; });
      h.KeyAt(600, tq::kKeyEscape);
      const tq::SessionResult result = h.RunUntil(5000);
      EXPECT_TRUE(result.ended);
      EXPECT_EQ(h.TraceOf("quit").size(), 1u);
      EXPECT_EQ(seen.keys + seen.breaks + seen.marbrookKeys, 0) << "Escape goes nowhere else";
    }
  }
}

TEST_F(InputDispatchTest, WhileTheMenuIsOpenKeysAreDroppedAndClicksGoToTheMenu) {
  EngineHarness h("Test");
  Boot(h, Idle());
  h.ClickAt(600, 300, 300, tq::kButtonRight);
  Send(h, 700, In::AdvanceKey);
  Send(h, 800, In::PlainKey);
  h.ClickAt(900, 100, 100);  // off the panel: closes it, reaches no step
  h.RunUntil(1000);
  EXPECT_EQ(seen.keys, 0);
  EXPECT_EQ(seen.steps, 0);
  EXPECT_EQ(InputEvent.AdvanceRequest, -1) << "a left click sets it even when the menu takes it";
  EXPECT_EQ(SystemMenuState.MenuState, 0);
}

TEST_F(InputDispatchTest, ADroppedClickStillMovesTheSourceButADroppedMoveDoesNot) {
  EngineHarness h("Test");
  Boot(h, Kind(0));
  h.Platform().At(500, [] {
    InputEvent.InputSourceKind = 50;
    InputEvent.InputSourceIndex = 7;
  });
  Send(h, 600, In::Move);
  int afterMove = 0;
  h.Platform().At(650, [&] { afterMove = InputEvent.InputSourceIndex; });
  Send(h, 700, In::Left);
  h.RunUntil(1000);
  EXPECT_EQ(afterMove, 7);
  EXPECT_EQ(InputEvent.InputSourceIndex, -1);
  EXPECT_EQ(InputEvent.InputSourceKind, 0);
}

}  // namespace
