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
#include "vadrim/board/layouts.h"
#include "vadrim/board/model.h"
#include "vadrim/board/progress.h"
#include "vadrim/board/screen.h"
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

using tq::testing::WindowLayer;

// Whether the rules have the board wait for a click (or a choice) at this state and
// step; anywhere else a board that waits for input has stalled.
inline bool ClickAskedFor(int state, int step) {
  struct At {
    int state, step;
  };
  static constexpr At kClickSteps[] = {
      {kBoardSetUp, 11},        {kBoardIntro, 51},        {kBoardIntro, 56},       // title signs, intro banners
      {kBoardLanded, 0},        {kBoardLanded, 2},        {kBoardOmen, 1},         // die-0 item, banners, omen
      {kBoardCellChange, 0},    {kBoardMenu, 0},          {kBoardMenu, 16},        // ﾍ, menu, die item
      {kBoardMenu, 20},         {kBoardRules, 2},         {kBoardRules, 5},        // item banner, pages
      {kBoardRestart, 0},       {kBoardAttack, 0},        {kBoardItemChoice, 0},   // choices
      {kBoardOpeningPick, 0},   {kBoardTargetStrike, -5}, {kBoardTargetStrike, 0},
      {kBoardLineStrike, -5},   {kBoardLineStrike, 0},    {kBoardFailed, 0},       // GAME OVER
      {kBoardFailed, 3},                                                         // CONTINUE
  };
  return std::any_of(std::begin(kClickSteps), std::end(kClickSteps),
                     [&](const At& a) { return a.state == state && a.step == step; });
}

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

class BoardScreenTest : public tq::testing::ScreenTest {
 protected:
  void SetUp() override {
    Boot(kModeVadrim, PictureRoot());
    SetAfterInput(tq::testing::AfterInput::kQueue);
  }
  // The board's entry, as the story hands over.
  void Enter(int board) {
    h_->SetVadrimBoard(board);
    h_->EnterScreen(51, kBoardStart, 0, tq::testing::EntryTick::kNow);
  }
  // Board `board` set up with its creatures taken off the grid.
  void EmptyGrid(int board) {
    ReadyBoard(board);
    D50_Layout(0);
    D50_Reset(1);
    OccupancyGrid = {};
    D50_Buttons(0, 0);
  }
  static CreatureSlotRecord& Put(int slot, int x, int y, int hp, int moveType = 0, int dir = 0) {
    CreatureSlotRecord& c = CreatureSlot[static_cast<size_t>(slot)];
    c = CreatureSlotRecord{};
    c.CreatureType = 1;
    c.GridX = x;
    c.GridY = y;
    c.HitPoints = hp;
    c.CreatureMoveType = moveType;
    c.MoveDir = dir;
    c.MoveEvery = 1;
    OccupancyGrid[static_cast<size_t>(x)][static_cast<size_t>(y)] = slot;
    StepScratch.ActiveCreature = slot;
    D50_DrawCreature(2);
    return c;
  }
  bool Idle() const { return FrameClock.WaitActive == 0 && FrameClock.TimerArmed == 0; }
  // Plays on, clicking the window's right edge whenever the board waits for a click
  // (or letting `choose` act), until `done` holds at a wait for input.
  bool PlayUntil(const std::function<bool()>& done, const std::function<bool()>& choose = [] { return false; },
                 uint32_t limit = 900000) {
    return ScreenTest::PlayUntil(
        51, done,
        [&] {
          if (Idle() && !choose()) Click(915, 400);
        },
        limit);
  }
  // The scripted player's choice at a wait for a choice: the line attack at every
  // offer, the first creature or arrow at a strike, the first card or icon at a
  // choice. False (nothing clicked) at any other wait.
  bool ChooseScripted() {
    int layer = -1;
    switch (SceneCursor.ButtonMode) {
      case kButtonsAttack: layer = BoardLayers.ChoiceButtonFirstBox + 2; break;
      case kButtonsCards:
      case kButtonsPick:
      case kButtonsArrows: layer = BoardLayers.BackdropLayer; break;
      case kButtonsCreatures:
        for (int slot = 1; slot < 30 && layer < 0; ++slot) {
          if (BoardCreatureOnGrid(CreatureSlot[static_cast<size_t>(slot)])) {
            layer = BoardLayers.CreatureFirstLayer - 1 + slot;
          }
        }
        break;
      default: return false;
    }
    if (layer < 0) return false;
    ClickLayer(layer);
    return true;
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
};

}  // namespace board_test
