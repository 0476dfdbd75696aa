// The right-click system menu with the engine's own rows: opening, placement,
// hit testing, the confirmation sequence, closing and the row commands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/system_menu.h"
#include "engine/text.h"
#include "platform/platform.h"
#include "scenario/auto_reading.h"
#include "scenario/conversation_scene.h"
#include "scenario/motion_curves.h"
#include "scenario/script_store.h"
#include "support/engine_harness.h"

using tq::testing::EngineHarness;

namespace {

int startScene = 10;
void StartInScene() { SceneCursor.SceneCode = startScene; }

// "visible x y width height" of a layer.
std::string Geometry(int layer) {
  const tq::LayerSurface& l = tq::ThePlatform().Screen().Layer(layer);
  return std::to_string(l.visible ? 1 : 0) + " " + std::to_string(l.x) + " " + std::to_string(l.y) + " " +
         std::to_string(l.image.Width()) + " " + std::to_string(l.image.Height());
}

uint32_t PixelOf(int layer, int x, int y) { return tq::ThePlatform().Screen().Layer(layer).image.Get(x, y); }

// A game without members, in the scene startScene: the engine's rows and commands.
class SystemMenuTest : public ::testing::Test {
 protected:
  explicit SystemMenuTest(int scene = 10) {
    startScene = scene;
    h.TestHooks().Init = StartInScene;
  }

  EngineHarness h{"Test"};
};

TEST_F(SystemMenuTest, OpensFlushAgainstTheEdgesAndHighlightsTheRowUnderThePointer) {
  h.Start();
  h.ClickAt(1000, 850, 600, tq::kButtonRight);
  h.MoveAt(1100, 749, 523);  // (30, 30) on the panel: the second row
  h.MoveAt(1200, 300, 300);  // off the panel, over the window
  std::string panel, bar, barAway;
  int hover = -2;
  h.Platform().At(1050, [&] { panel = Geometry(90); });
  h.Platform().At(1150, [&] {
    bar = Geometry(91);
    hover = SystemMenuState.MenuHoverItem;
  });
  h.Platform().At(1250, [&] { barAway = Geometry(91); });
  h.RunUntil(1300);

  EXPECT_EQ(panel, "1 719 493 201 197");
  EXPECT_EQ(bar, "1 724 522 190 24");
  EXPECT_EQ(hover, 1);
  EXPECT_EQ(barAway.substr(0, 1), "0");
  EXPECT_EQ(SystemMenuState.MenuState, 1);
}

struct PlacementCase {
  int scene;
  int x, y;
  const char* panel;
};

TEST(SystemMenuPlacement, HeightFollowsTheScenesRowsAndOnlyTheRightAndBottomEdgesClamp) {
  const PlacementCase cases[] = {
      {10, 850, 600, "1 719 493 201 197"}, {-1, 10, 20, "1 10 20 201 197"},
      {99, 900, 680, "1 719 622 201 68"},  {0, 100, 650, "1 100 565 201 125"},
      {51, 0, 0, "1 0 0 201 125"},
  };
  for (const PlacementCase& c : cases) {
    SCOPED_TRACE(c.scene);
    startScene = c.scene;
    EngineHarness h("Test");
    h.TestHooks().Init = StartInScene;
    h.Start();
    h.ClickAt(1000, c.x, c.y, tq::kButtonRight);
    h.RunUntil(1100);
    EXPECT_EQ(Geometry(90), c.panel);
    EXPECT_EQ(SystemMenuState.MenuItemCodes[0], c.scene == 99 ? 2 : (c.scene == 10 || c.scene == -1 ? 10 : 20));
  }
}

TEST_F(SystemMenuTest, ARightClickOnALayerOpensAtThatPointOfTheWindow) {
  h.Start();
  h.Platform().At(900, [] {
    DrawState.CurrentLayer = 5;
    DrawState.CurrentRect = {100, 100, 50, 50};
    PrepareLayer(kPrepareTextShown);
  });
  h.ClickAt(1000, 120, 130, tq::kButtonRight);
  h.RunUntil(1100);
  EXPECT_EQ(InputEvent.InputSourceIndex, 5);
  EXPECT_EQ(Geometry(90), "1 120 130 201 197");
}

struct HoverCase {
  int x, y;  // on the panel
  int row;
};

TEST_F(SystemMenuTest, HoverBandsAndMargins) {
  const HoverCase cases[] = {
      {30, 30, 1},  {4, 30, -1},  {5, 30, 1},   {194, 30, 1}, {195, 30, -1}, {30, 4, -1},
      {30, 5, 0},   {30, 76, 2},  {30, 77, -1}, {30, 85, -1}, {30, 86, 3},   {30, 190, 6},
      {30, 191, -1},
  };
  h.Start();
  h.ClickAt(1000, 100, 100, tq::kButtonRight);  // the panel at (100, 100)
  std::vector<int> rows;
  std::vector<bool> barShown;
  uint32_t t = 1100;
  for (const HoverCase& c : cases) {
    h.MoveAt(t, 50, 50);  // the window first: hides the bar, so the next move reaches the panel
    h.MoveAt(t + 10, 100 + c.x, 100 + c.y);
    h.Platform().At(t + 20, [&] {
      rows.push_back(SystemMenuState.MenuHoverItem);
      barShown.push_back(tq::ThePlatform().Screen().Layer(91).visible);
    });
    t += 100;
  }
  h.RunUntil(t);
  ASSERT_EQ(rows.size(), std::size(cases));
  for (size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "(" << cases[i].x << ", " << cases[i].y << ")");
    EXPECT_EQ(rows[i], cases[i].row);
    EXPECT_EQ(barShown[i], cases[i].row >= 0);
  }
}

TEST_F(SystemMenuTest, ClickOnTheBarBlinksCollapsesAndThenRunsTheCommand) {
  static std::vector<std::string> clicks;
  clicks.clear();
  const auto savedSound = CrossingHooks.MarbrookTitleSound;
  CrossingHooks.MarbrookTitleSound = [](int number, int& channel, float& offset) {
    clicks.push_back(std::to_string(number) + " " + std::to_string(channel) + " " + std::to_string(offset));
  };
  h.Start();
  h.ClickAt(1000, 850, 600, tq::kButtonRight);
  h.MoveAt(1100, 749, 523);
  h.ClickAt(1200, 749, 523);  // on the bar of row 1, "自動的に進む（高速）"
  uint32_t normal = 0, confirmed = 0;
  std::string collapsing;
  bool barDuringCollapse = true;
  h.Platform().At(1210, [&] { normal = PixelOf(91, 185, 0); });
  h.Platform().At(1260, [&] { confirmed = PixelOf(91, 185, 0); });
  h.Platform().At(1870, [&] {
    collapsing = Geometry(90);
    barDuringCollapse = tq::ThePlatform().Screen().Layer(91).visible;
  });
  h.RunUntil(2100);
  CrossingHooks.MarbrookTitleSound = savedSound;

  EXPECT_EQ(clicks, std::vector<std::string>{"26 0 0.000000"});
  EXPECT_EQ(normal, tq::PixelFromColor(RgbColor(0, 175, 175)));       // gradient 25, first band
  EXPECT_EQ(confirmed, tq::PixelFromColor(RgbColor(255, 255, 100)));  // gradient 29, first band
  // First collapse frame: 201 - 25 by 197 - 24, centred on the panel.
  EXPECT_EQ(collapsing, "1 731 505 176 173");
  EXPECT_FALSE(barDuringCollapse);
  EXPECT_EQ(MotionSlot[0].MotionStartX, 719);
  EXPECT_EQ(MotionSlot[0].MotionStartY, 493);
  EXPECT_EQ(MotionSlot[0].MotionStartWidth, 201);
  EXPECT_EQ(MotionSlot[0].MotionStartHeight, 197);

  // 13 blink frames of 50 ms, the 14th and 8 collapse frames of 13 ms; the 9th
  // collapse frame closes the menu and runs the command, whose timer waits for the
  // loop's end: 200 ms halved by the fast reading it has just chosen.
  EXPECT_EQ(h.TimesOf("loop 100"), std::vector<uint32_t>{1200});
  EXPECT_EQ(h.TimesOf("endloop 100 23"), std::vector<uint32_t>{1967});
  EXPECT_EQ(h.TimesOf("timer 100"), std::vector<uint32_t>{1967});
  EXPECT_EQ(SystemMenuState.MenuState, 0);
  EXPECT_EQ(Geometry(90).substr(0, 1), "0");
  EXPECT_EQ(AnimationRun.WaitKind, 10);
  EXPECT_EQ(ReadState.ReadMode, 2);
  EXPECT_EQ(ReadState.ReadSpeed, 2);
  // The indicator stands 5 pixels from the bottom-right corner.
  const tq::LayerSurface& indicator = tq::ThePlatform().Screen().Layer(92);
  EXPECT_TRUE(indicator.visible);
  EXPECT_EQ(indicator.x + indicator.image.Width(), 915);
  EXPECT_EQ(indicator.y + indicator.image.Height(), 685);
}

TEST_F(SystemMenuTest, ACommandThatDoesNothingStillEndsTheSequence) {
  h.TestHooks().MenuCommand = [](int) {};
  h.Start();
  h.ClickAt(1000, 850, 600, tq::kButtonRight);
  h.MoveAt(1100, 749, 523);
  h.ClickAt(1200, 749, 523);
  h.ClickAt(2500, 100, 100, tq::kButtonRight);  // the game is idle again: the menu opens
  h.RunUntil(2600);
  EXPECT_EQ(h.TimesOf("endloop 100 23"), std::vector<uint32_t>{1967});
  EXPECT_EQ(SystemMenuState.MenuState, 1);
  EXPECT_EQ(Geometry(90), "1 100 100 201 197");
}

enum class CloseBy { WindowClick, OtherLayerClick, RightClick, PanelClick };

TEST(SystemMenuClose, ClosingRestoresStateStepAndButtonsButNotTheSceneCode) {
  startScene = 10;
  const struct {
    CloseBy by;
    bool closes;
  } cases[] = {{CloseBy::WindowClick, true}, {CloseBy::OtherLayerClick, true}, {CloseBy::RightClick, true},
               {CloseBy::PanelClick, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.by));
    EngineHarness run("Test");
    run.TestHooks().Init = StartInScene;
    run.Start();
    run.Platform().At(900, [] {
      SceneCursor.SceneState = 4;
      SceneCursor.SceneStep = 7;
      SceneCursor.ButtonMode = 2;
      DrawState.CurrentLayer = 5;
      DrawState.CurrentRect = {0, 0, 50, 50};
      PrepareLayer(kPrepareTextShown);
    });
    run.ClickAt(1000, 850, 600, tq::kButtonRight);
    run.Platform().At(1050, [] {
      SceneCursor.SceneCode = 51;
      SceneCursor.SceneState = 0;
      SceneCursor.SceneStep = 0;
      SceneCursor.ButtonMode = 0;
    });
    switch (c.by) {
      case CloseBy::WindowClick: run.ClickAt(1100, 300, 300); break;
      case CloseBy::OtherLayerClick: run.ClickAt(1100, 10, 10); break;
      case CloseBy::RightClick:
        run.ClickAt(1100, 300, 300, tq::kButtonRight);
        break;
      case CloseBy::PanelClick: run.ClickAt(1100, 722, 600); break;
    }
    run.RunUntil(1200);
    EXPECT_EQ(SystemMenuState.MenuState, c.closes ? 0 : 1);
    EXPECT_EQ(tq::ThePlatform().Screen().Layer(90).visible, !c.closes);
    EXPECT_EQ(SceneCursor.SceneCode, 51);
    if (c.closes) {
      EXPECT_EQ(SceneCursor.SceneState, 4);
      EXPECT_EQ(SceneCursor.SceneStep, 7);
      EXPECT_EQ(SceneCursor.ButtonMode, 2);
    }
  }
}

// The commands run from the last frame of the confirmation; here straight from an
// idle game, so their timer waits arm at once.
struct CommandCase {
  int code;
  const char* timer;  // the armed timer line, or "" for none
  int sceneCode, sceneState, sceneStep, readSpeed, menuState;
};

TEST(SystemMenuCommands, EngineCommands) {
  startScene = 10;
  const CommandCase cases[] = {
      {10, "timer 200", 10, 4, 7, 1, 0}, {11, "timer 100", 10, 4, 7, 2, 0},   {12, "timer 20", 10, 4, 7, 3, 0},
      {15, "timer 200", 10, 15, 0, 1, 0}, {1, "timer 13", 99, -10, 0, 1, 0}, {99, "timer 13", 99, -999, 0, 1, 0},
      {2, "", 10, 4, 7, 1, 2},           {16, "", 10, 4, 7, 1, 0},
  };
  for (const CommandCase& c : cases) {
    SCOPED_TRACE(c.code);
    EngineHarness run("Test");
    run.TestHooks().Init = StartInScene;
    run.Start();
    run.RunUntil(500);
    SceneCursor.SceneState = 4;
    SceneCursor.SceneStep = 7;
    ScriptStore.SceneLabel = 3;
    SystemMenuState.MenuItemCodes[5] = c.code;
    SystemMenuState.MenuHoverItem = 5;
    MenuAction(11);
    const std::vector<std::string> timers = run.TraceOf("timer");
    EXPECT_EQ(timers.back(), c.timer[0] != '\0' ? c.timer : "timer 400");
    EXPECT_EQ(SceneCursor.SceneCode, c.sceneCode);
    EXPECT_EQ(SceneCursor.SceneState, c.sceneState);
    EXPECT_EQ(SceneCursor.SceneStep, c.sceneStep);
    EXPECT_EQ(ReadState.ReadSpeed, c.readSpeed);
    EXPECT_EQ(SystemMenuState.MenuState, c.menuState);
    const bool reading = c.code >= 10 && c.code <= 12;
    EXPECT_EQ(AnimationRun.WaitKind, reading ? 10 : 0);
    EXPECT_EQ(ReadState.ReadMode, reading ? 2 : 1);
    EXPECT_EQ(tq::ThePlatform().Screen().Layer(92).visible, reading || c.code == 2);
    if (c.code == 15) {
      EXPECT_EQ(ScriptStore.SceneLabel, -1);
      EXPECT_EQ(ConversationScene.RestartRequest, 9);
    }
  }
}

TEST_F(SystemMenuTest, BackToThisGamesTitleWipesTheWindowFirst) {
  startScene = 51;
  h.Start();
  h.RunUntil(500);
  SystemMenuState.MenuItemCodes[0] = 20;
  SystemMenuState.MenuHoverItem = 0;
  h.Platform().SetUntil(10000);  // the wipe runs on the clock
  MenuAction(11);
  EXPECT_EQ(SceneCursor.SceneState, 0);
  EXPECT_EQ(SceneCursor.SceneStep, -2);
  EXPECT_EQ(h.TraceOf("endloop 110 240").size(), 1u);
  EXPECT_EQ(h.TraceOf("timer").back(), "timer 13");
}

TEST_F(SystemMenuTest, StoppingAutomaticReadingShowsTheStoppingIndicator) {
  h.Start();
  h.RunUntil(500);
  ReadState.ReadSpeed = 1;
  SetPrintRecording(true);
  StopAutoAdvance();
  ASSERT_FALSE(RecordedPrints().empty());
  EXPECT_EQ(RecordedPrints().back().Text, "自動（終了中）");
  EXPECT_EQ(RecordedPrints().back().Layer, 92);
  EXPECT_EQ(ReadState.AutoStopRequest, 1);
}

// A mode that supplies its own menu takes every kind; the engine draws nothing.
TEST_F(SystemMenuTest, AModesOwnMembersReplaceTheEngineBody) {
  static std::vector<int> kinds;
  static int commands = 0;
  static int settingsClicks = 0;
  kinds.clear();
  commands = 0;
  settingsClicks = 0;
  h.TestHooks().BuildSystemMenu = [](int kind, int&) { kinds.push_back(kind); };
  h.TestHooks().MenuCommand = [](int code) {
    EXPECT_EQ(code, 11);
    ++commands;
  };
  h.TestHooks().SettingsClick = [] { ++settingsClicks; };
  h.Start();
  h.ClickAt(1000, 850, 600, tq::kButtonRight);
  h.RunUntil(1100);
  EXPECT_EQ(kinds, std::vector<int>{20});
  EXPECT_FALSE(tq::ThePlatform().Screen().Layer(90).visible);
  MenuAction(11);
  SystemMenuState.MenuState = 2;
  MenuInput(100);
  EXPECT_EQ(commands, 1);
  EXPECT_EQ(settingsClicks, 1);
}

}  // namespace
