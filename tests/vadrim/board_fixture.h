// A clean board-game state on the headless platform, for the rule tests, with
// helpers that put creatures on the grid of an empty board.
#pragma once

#include <gtest/gtest.h>

#include "app/register_games.h"
#include "engine/string_utils.h"
#include "platform/headless/headless_platform.h"
#include "platform/platform.h"
#include "vadrim/board/model.h"

namespace board_test {

class BoardRules : public ::testing::Test {
 protected:
  void SetUp() override {
    tq::InstallPlatform(&platform_);
    ResetAllState();
    SeedRandom(2024);
    EmptyBoard(5, 5);
  }
  void TearDown() override { tq::InstallPlatform(nullptr); }

  // An empty board of the given last column and row.
  static void EmptyBoard(int lastX, int lastY) {
    BoardState.GridLastX = lastX;
    BoardState.GridLastY = lastY;
    OccupancyGrid = {};
    CreatureSlot = {};
  }
  // A creature of slot on the grid at (x, y) with a movement type and direction.
  static CreatureSlotRecord& Put(int slot, int x, int y, int moveType = 0, int dir = 0, int type = 1) {
    CreatureSlotRecord& c = CreatureSlot[static_cast<size_t>(slot)];
    c.CreatureType = type;
    c.Waiting = 0;
    c.GridX = x;
    c.GridY = y;
    c.CreatureMoveType = moveType;
    c.MoveDir = dir;
    OccupancyGrid[static_cast<size_t>(x)][static_cast<size_t>(y)] = slot;
    return c;
  }

  tq::HeadlessPlatform platform_;
};

}  // namespace board_test
