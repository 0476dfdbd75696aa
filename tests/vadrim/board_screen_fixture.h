// The board screen booted in the Vadrim mode on the headless harness, with the
// pictures at their stand-in sizes, and helpers to set a board up at once, click
// layers and play on until a state is reached.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "assets/asset_table.h"
#include "assets/asset_writers.h"
#include "engine/frame_model.h"
#include "engine/modes.h"
#include "platform/platform.h"
#include "support/engine_harness.h"
#include "support/scene_input.h"
#include "support/stand_in_pictures.h"
#include "vadrim/board_layouts.h"
#include "vadrim/board_model.h"
#include "vadrim/board_progress.h"
#include "vadrim/board_screen.h"
#include "vadrim/vadrim_mode.h"
#include "vadrim/vadrim_save.h"

namespace board_test {

using tq::testing::EngineHarness;

// The pictures at their stand-in sizes (plain black: the tests need sizes).
inline std::string PictureRoot() {
  static const std::string root = tq::testing::StandInPictureRoot(
      "thornquill_board_test", [](const assets::AssetFile& f) { return f.row->width > 0; });
  return root;
}

inline const tq::LayerSurface& Lay(int layer) { return tq::ThePlatform().Screen().Layer(layer); }

// A board set up at once, without its opening slides, for effects and states.
inline void ReadyBoard(int board) {
  // A state the step does not list: a tick due from start-up changes nothing.
  SceneCursor = {51, -999, 0, SceneCursor.StageNumber, 0};
  BoardState.BoardNumber = board;
  D50_Layout(0);
  D50_Layout(10);
  D50_Reset(1);
  D50_LoadBoard();
  D50_DrawPanel(10, 0);
  D50_DrawPath(10);
}

class BoardScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h_ = std::make_unique<EngineHarness>(kModeVadrim, PictureRoot());
    h_->Start();
  }
  // The board's entry, as the story hands over.
  void Enter(int board) {
    VadrimProgress.GameStage = board;
    SceneCursor = {51, 1, 0, SceneCursor.StageNumber, 0};
    Wait(0, 0);
  }
  void Ready(int board) { ReadyBoard(board); }
  void Input(tq::ScriptedInput::Kind kind, int x, int y, int key = 0) {
    tq::testing::FeedInputAfter(*h_, std::max(h_->Now(), clock_), kind, x, y, key);
  }
  void ClickLayer(int layer) { Input(tq::ScriptedInput::Click, Lay(layer).x + 5, Lay(layer).y + 5); }
  bool Idle() const { return FrameClock.WaitActive == 0 && FrameClock.TimerArmed == 0; }
  // Plays on, clicking the window's right edge whenever the board waits for a click
  // (or letting `choose` act), until `done` holds at a wait for input.
  bool PlayUntil(const std::function<bool()>& done, const std::function<bool()>& choose = [] { return false; },
                 uint32_t limit = 900000) {
    return tq::testing::PlayAtInputWaits(
        *h_, clock_, 51, done,
        [&] {
          if (Idle() && !choose()) Input(tq::ScriptedInput::Click, 915, 400);
        },
        limit);
  }
  bool At(int state, int step) const {
    return SceneCursor.SceneState == state && SceneCursor.SceneStep == step;
  }
  // Runs D50_Step at once, again and again, while the scene stays in `state`: the
  // states that arm their next tick or run their animations inline, without clicks.
  static void RunState(int state, int limit = 400) {
    for (int n = 0; n < limit && SceneCursor.SceneState == state; ++n) {
      D50_Step();
      FrameClock.TimerArmed = 0;
      if (SceneCursor.ButtonMode != 0) break;  // waits for a choice
    }
  }
  uint32_t clock_ = 0;
  std::unique_ptr<EngineHarness> h_;
};

}  // namespace board_test
