// The Vadrim mode hooks: routing by scene code and phase, keys,
// breaking the title's opening animations, and the settings panel saving at once.
#include "vadrim/vadrim_mode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/drawing_fixture.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/settings_panel.h"
#include "engine/system_menu.h"
#include "marbrook/save_file.h"
#include "games/timed_effects.h"
#include "platform/ini_file.h"
#include "scenario/auto_reading.h"
#include "vadrim/vadrim_save.h"

namespace {

using drawing_test::DrawingTest;
using drawing_test::WriteBmp;
using tq::testing::LayerVisible;

std::vector<std::string> calls;
constexpr int kSceneCodes[] = {10, 51, 99};

class VadrimHooks : public DrawingTest {
 protected:
  void SetUp() override {
    Boot(kModeVadrim);
    calls.clear();
    for (int code : kSceneCodes) saved_.push_back(VadrimScreen(code));
  }
  void TearDown() override {
    for (size_t i = 0; i < saved_.size(); ++i) VadrimScreen(kSceneCodes[i]) = saved_[i];
    DrawingTest::TearDown();
  }
  // Recorders that name the scene they ran in; only the board game takes every key.
  void InstallRecorders() {
    for (int code : kSceneCodes) {
      ScreenHookSet& s = VadrimScreen(code);
      s.Step = [] { calls.push_back("step " + std::to_string(SceneCursor.SceneCode)); };
      s.Hover = [] { calls.push_back("hover " + std::to_string(SceneCursor.SceneCode)); };
      s.Frame = [] {
        calls.push_back("frame " + std::to_string(SceneCursor.SceneCode));
        return true;
      };
      s.OnKey = nullptr;
    }
    VadrimScreen(51).OnKey = [] { calls.push_back("key 51"); };
  }

  std::vector<ScreenHookSet> saved_;
};

TEST_F(VadrimHooks, EventsAndKeysGoToTheScreenOfTheSceneCode) {
  InstallRecorders();
  struct Case {
    int scene;
    int phase;    // -1: a key
    int advance;  // AdvanceKeyDown for a key
    std::vector<std::string> expected;
    bool handled;
  } cases[] = {
      {10, 0, 0, {"step 10"}, true},     {10, 1, 0, {"hover 10"}, true},  {10, 2, 0, {"frame 10"}, true},
      {51, 0, 0, {"step 51"}, true},     {51, 1, 0, {"hover 51"}, true},  {51, 2, 0, {"frame 51"}, true},
      {99, 0, 0, {"step 99"}, true},     {99, 1, 0, {"hover 99"}, true},  {99, 2, 0, {"frame 99"}, true},
      {99, 3, 0, {}, false},             {45, 0, 0, {}, false},           {45, 2, 0, {}, false},
      {10, -1, 1, {"step 10"}, true},    {10, -1, 0, {}, true},           {99, -1, 1, {"step 99"}, true},
      {99, -1, 0, {}, true},             {51, -1, 0, {"key 51"}, true},   {51, -1, 1, {"key 51"}, true},
      {45, -1, 1, {}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.scene) + " phase " + std::to_string(c.phase) + " advance " +
                 std::to_string(c.advance));
    calls.clear();
    SceneCursor.SceneCode = c.scene;
    if (c.phase < 0) {
      InputEvent.AdvanceKeyDown = c.advance;
      InputEvent.KeyCode = c.advance == 1 ? int{tq::kKeyEnter} : '1';
      D00_OnKey();
    } else {
      EXPECT_EQ(D00_OnEvent(c.phase), c.handled);
    }
    EXPECT_EQ(calls, c.expected);
  }
}

TEST_F(VadrimHooks, TheConversationFramesAndHoverAreTheScenarioEnginesAndD10) {
  EXPECT_NE(saved_[0].Frame, nullptr);
  EXPECT_NE(saved_[0].Hover, nullptr);
  EXPECT_EQ(CurrentModeHooks().LoadPictureByKind, ModeHooksFor(ModeId::Vadrim).LoadPictureByKind);
  EXPECT_NE(CurrentModeHooks().PlaySound, nullptr);
}

TEST_F(VadrimHooks, AClickEndsTheOpeningAnimations) {
  constexpr uint32_t kRed = RgbColor(255, 0, 0);
  WriteBmp(Root(), "Kespa_Data/KespaCG/Title99.jpg", 920, 690, kRed);
  struct Case {
    int waitKind;
    int lastHidden;  // -1: nothing changes
    int step;
    bool titlePicture;
  } cases[] = {
      {1000, 9, 5, false},
      {1001, 16, 6, true},
      {0, -1, 0, false},
      {100, -1, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.waitKind);
    Boot(kModeVadrim);
    for (int layer = 0; layer <= 20; ++layer) Fill(layer, 0, 0, 4, 4, kRed);
    for (int layer = 0; layer <= 20; ++layer) ShowLayer(layer, true);
    FrameClock.LoopAbortRequested = 0;
    AnimationRun.WaitKind = c.waitKind;
    SceneCursor.SceneStep = 0;
    CurrentModeHooks().BreakWait();
    const bool breaks = c.lastHidden >= 0;
    EXPECT_EQ(FrameClock.LoopAbortRequested, breaks ? -1 : 0);
    EXPECT_EQ(AnimationRun.WaitKind, breaks ? 0 : c.waitKind);
    EXPECT_EQ(SceneCursor.SceneStep, c.step);
    if (breaks) {
      EXPECT_NE(FrameClock.TimerArmed, 0) << "the title's step runs again at the next tick";
    }
    for (int layer = 0; layer <= 20; ++layer) EXPECT_EQ(LayerVisible(layer), layer > c.lastHidden) << layer;
    EXPECT_EQ(tq::ColorFromPixel(LayerImage(GameForm).Get(460, 345)) == kRed, c.titlePicture);
  }
}

TEST_F(VadrimHooks, TheSettingsPanelSavesAfterEveryClickOnIt) {
  const std::string path = VadrimSavePath();
  GameConfig.Settings[1] = 3;
  SystemMenuState.MenuState = 2;
  SettingsPanel(9);
  InputEvent.InputSourceKind = 50;
  InputEvent.InputSourceIndex = SystemLayerSet.MenuPanelLayer + 1;
  InputEvent.PointerX = 0;
  InputEvent.PointerY = 0;
  CurrentModeHooks().SettingsClick();
  EXPECT_EQ(tq::GetPrivateProfileString("set", "1", "", path), "3");
  EXPECT_EQ(SystemMenuState.MenuState, 2);

  // A click beside the panel closes it and saves nothing.
  GameConfig.Settings[1] = 5;
  InputEvent.InputSourceKind = 0;
  InputEvent.InputSourceIndex = -1;
  CurrentModeHooks().SettingsClick();
  EXPECT_EQ(tq::GetPrivateProfileString("set", "1", "", path), "3");
  EXPECT_EQ(SystemMenuState.MenuState, 0);
}

}  // namespace
