// The engine's settings panel: opening from the menu, the click rules of its rows,
// and closing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/settings_panel.h"
#include "engine/system_menu.h"
#include "platform/platform.h"
#include "support/engine_harness.h"

using tq::testing::EngineHarness;
using tq::testing::LayerVisible;

namespace {

void StartInConversation() { SceneCursor.SceneCode = 10; }


std::string Rect3(int layer) {
  const tq::LayerSurface& l = tq::ThePlatform().Screen().Layer(layer);
  return std::to_string(l.x) + " " + std::to_string(l.y) + " " + std::to_string(l.image.Width()) + " " +
         std::to_string(l.image.Height());
}

TEST(SettingsPanel, OpensFromTheMenusRowWithoutApplyingAnything) {
  EngineHarness h("Test");
  h.TestHooks().Init = StartInConversation;
  h.Start();
  h.Platform().At(900, [] { GameConfig.Settings[0] = 2; });  // not yet copied to FrameSpeed
  h.ClickAt(1000, 850, 600, tq::kButtonRight);
  h.MoveAt(1100, 749, 608);  // (30, 115): "設定"
  h.ClickAt(1200, 749, 608);
  h.RunUntil(2100);

  EXPECT_EQ(h.TimesOf("endloop 100 23"), std::vector<uint32_t>{1967});
  EXPECT_EQ(SystemMenuState.MenuState, 2);
  EXPECT_EQ(Rect3(90), "10 10 209 23");
  EXPECT_EQ(Rect3(91), "10 35 300 23");
  EXPECT_EQ(Rect3(92), "10 60 300 23");
  EXPECT_TRUE(LayerVisible(90) && LayerVisible(91) && LayerVisible(92));
  EXPECT_EQ(GameConfig.FrameSpeed, 1);
  // Only the row's click sound sets a volume (its own channel 0); the music stays as it was.
  EXPECT_EQ(h.TraceOf("STSetVolume"), std::vector<std::string>{"STSetVolume 0 85"});
  EXPECT_EQ(h.TraceOf("STReadFile"),
            std::vector<std::string>{"STReadFile 0 Tanselr_Data/TanselrSnd/TanselrTitle/t26_pyo133.wav 5"});
  EXPECT_TRUE(h.TraceOf("timer").size() == 1u) << "the command arms no wait";
}

struct ClickCase {
  const char* name;
  int x, y;      // window coordinates
  int button;
  int speed, music, effects;  // Settings(0..2) afterwards (start 1, 9, 5)
  const char* volume;         // the music volume set, or ""
  bool open;
};

TEST(SettingsPanel, ClickRules) {
  // Rows: speed at (10, 10), music at (10, 35), effects at (10, 60); a click at
  // layer x, y is at window 10 + x, row top + y.
  const ClickCase cases[] = {
      {"music 3", 10 + 158, 35 + 10, 1, 1, 3, 5, "STSetVolume 100 88", true},
      {"music off", 10 + 98, 35 + 10, 1, 1, 0, 5, "STSetVolume 100 0", true},
      {"music top row of the hit band", 10 + 113, 35 + 3, 1, 1, 0, 5, "STSetVolume 100 0", true},
      {"music bottom row of the hit band", 10 + 158, 35 + 20, 1, 1, 3, 5, "STSetVolume 100 88", true},
      {"between two slots", 10 + 114, 35 + 10, 1, 1, 9, 5, "", true},
      {"above the band", 10 + 158, 35 + 2, 1, 1, 9, 5, "", true},
      {"below the band", 10 + 158, 35 + 21, 1, 1, 9, 5, "", true},
      {"effects 9", 10 + 293, 60 + 10, 1, 1, 9, 9, "", true},
      {"speed slow", 10 + 97, 10 + 10, 1, 0, 9, 5, "", true},
      {"speed fast", 10 + 201, 10 + 10, 1, 2, 9, 5, "", true},
      {"right of the third speed slot", 10 + 202, 10 + 10, 1, 1, 9, 5, "", true},
      {"the window", 500, 400, 1, 1, 9, 5, "", false},
      {"another layer", 5, 300, 1, 1, 9, 5, "", false},
      {"right click", 10 + 158, 35 + 10, 2, 1, 9, 5, "", false},
  };
  for (const ClickCase& c : cases) {
    SCOPED_TRACE(c.name);
    EngineHarness h("Test");
    h.Start();
    h.RunUntil(500);
    GameConfig.Settings[2] = 5;
    DrawState.CurrentLayer = 5;
    DrawState.CurrentRect = {0, 290, 8, 20};
    PrepareLayer(kPrepareTextShown);
    SystemMenuState.MenuState = 2;
    SettingsPanel(9);
    h.ClickAt(1000, c.x, c.y, c.button);
    h.RunUntil(1100);

    EXPECT_EQ(GameConfig.Settings[0], c.speed);
    EXPECT_EQ(GameConfig.FrameSpeed, c.speed) << "the speed row applies at once";
    EXPECT_EQ(GameConfig.Settings[1], c.music);
    EXPECT_EQ(GameConfig.Settings[2], c.effects);
    const std::vector<std::string> volumes = h.TraceOf("STSetVolume");
    EXPECT_EQ(volumes.empty() ? "" : volumes.back(), c.volume);
    EXPECT_EQ(SystemMenuState.MenuState, c.open ? 2 : 0);
    for (int layer = 90; layer <= 92; ++layer) EXPECT_EQ(LayerVisible(layer), c.open) << layer;
  }
}

TEST(SettingsPanel, RowsOutsideTheUsedSetDrawNothing) {
  EngineHarness h("Test");
  for (int row : {-1, 3, 8, 10}) SettingsPanel(row);
  for (int layer = 89; layer <= 93; ++layer) EXPECT_FALSE(LayerVisible(layer)) << layer;
  EXPECT_TRUE(h.TraceOf("STSetVolume").empty());
}

}  // namespace
