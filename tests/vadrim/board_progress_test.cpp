// Resets, the spawn table, leaving to the story, the board music, gauge events,
// random placement, the no-creature check and the progress record.
#include "vadrim/board/progress.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "board_fixture.h"
#include "engine/drawing_fixture.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "support/save_files.h"
#include "vadrim/board/layouts.h"
#include "vadrim/vadrim_save.h"

namespace {

using board_test::BoardRules;

TEST_F(BoardRules, GaugeChangesSpreadByTheBoardsFactor) {
  struct Case {
    const char* name;
    int value;
    float factor;
    int lo, hi;
  } cases[] = {
      {"15 at 0.1", 15, 0.1f, 13, 17}, {"10 at 0.2", 10, 0.2f, 8, 12}, {"5 at 0.1", 5, 0.1f, 4, 6},
      {"3 at 0.2", 3, 0.2f, 2, 4},     {"2 at 0.2", 2, 0.2f, 2, 2},    {"1 at 0.2", 1, 0.2f, 1, 1},
      {"40 at 0", 40, 0.0f, 40, 40},   {"-15 at 0.1", -15, 0.1f, -17, -13},
  };
  Put(4, 2, 2).TouchLuck = 0;
  StepScratch.ActiveCreature = 4;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CellSettings.LuckSpreadFactor = c.factor;
    CreatureSlot[4].TouchLuck = c.value;
    std::set<int> seen;
    for (int draw = 0; draw < 2000; ++draw) {
      D50_GaugeDelta(0, draw % 30);
      seen.insert(CreatureEvents.PendingLuck[static_cast<size_t>(draw % 30)]);
    }
    EXPECT_EQ(*seen.begin(), c.lo);
    EXPECT_EQ(*seen.rbegin(), c.hi);
    EXPECT_EQ(static_cast<int>(seen.size()), c.hi - c.lo + 1) << "every value in the range comes up";
  }
}

TEST_F(BoardRules, WhichValueAnEventLists) {
  struct Case {
    const char* name;
    int kind, hitPoints;
    int luck, woman, luckChanged, womanChanged;
  } cases[] = {
      {"touch", 0, 5, -5, 0, -1, 0},
      {"removal of a creature that still has hit points", 1, 1, 0, 0, 0, 0},
      {"removal", 1, 0, 0, 40, 0, -1},
      {"periodic: 運 wins over 女", 2, 5, -3, 0, -1, 0},
      {"end of life", 3, 0, 0, -7, 0, -1},
      {"another kind", 4, 0, 0, 0, 0, 0},
  };
  CellSettings.LuckSpreadFactor = 0.0f;
  CellSettings.WomanSpreadFactor = 0.0f;
  CreatureSlotRecord& c = Put(2, 1, 1);
  c.TouchLuck = -5;
  c.GoneWoman = 40;
  c.TurnLuck = -3;
  c.TurnWoman = 9;
  c.EndWoman = -7;
  StepScratch.ActiveCreature = 2;
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    D50_Reset(20);
    c.HitPoints = k.hitPoints;
    D50_GaugeDelta(k.kind, 3);
    EXPECT_EQ(CreatureEvents.PendingLuck[3], k.luck);
    EXPECT_EQ(CreatureEvents.PendingWoman[3], k.woman);
    EXPECT_EQ(CreatureEvents.LuckChanged, k.luckChanged);
    EXPECT_EQ(CreatureEvents.WomanChanged, k.womanChanged);
  }
  // A 女 touch of 8 at 0.2 lists 6 to 10.
  D50_Reset(20);
  c.TouchLuck = 0;
  c.TouchWoman = 8;
  CellSettings.WomanSpreadFactor = 0.2f;
  D50_GaugeDelta(0, 0);
  EXPECT_GE(CreatureEvents.PendingWoman[0], 6);
  EXPECT_LE(CreatureEvents.PendingWoman[0], 10);
  D50_GaugeDelta(0, 30);  // past the list: nothing
  D50_GaugeDelta(0, -1);
}

TEST_F(BoardRules, TotalsSumTheListedEntries) {
  CreatureEvents.PendingLuck = {};
  CreatureEvents.PendingLuck[0] = -4;
  CreatureEvents.PendingLuck[11] = -6;
  CreatureEvents.PendingWoman[5] = 12;
  CreatureEvents.PendingWoman[12] = 99;  // beyond the list
  CreatureEvents.EventLast = 11;
  SumPendingChanges();
  EXPECT_EQ(CreatureEvents.LuckTotal, -10);
  EXPECT_EQ(CreatureEvents.WomanTotal, 12);
  CreatureEvents.EventLast = -1;
  SumPendingChanges();
  EXPECT_EQ(CreatureEvents.LuckTotal, 0);
}

TEST_F(BoardRules, ResetKinds) {
  Put(3, 2, 2).MoveDir = 4;
  Put(0, 1, 1);
  BoardState.SpawnColumn = 2;
  D50_AddSpawn(391, 393);
  D50_AddSpawn(409, 393);
  EXPECT_EQ(SpawnTable[2][0].SpawnFromType, 391);
  EXPECT_EQ(SpawnTable[2][1].SpawnFromType, 409);
  EXPECT_EQ(SpawnTable[2][1].SpawnToType, 393);
  TurnFlow.MovePhaseDone = TurnFlow.LifePhaseDone = TurnFlow.RerollChecked = -1;
  CreatureEvents.EventSlot[29] = 3;
  CreatureEvents.EventFlag[0] = -1;
  CreatureEvents.LuckTotal = 5;
  CreatureEvents.WomanChanged = -1;

  D50_Reset(10);
  EXPECT_EQ(TurnFlow.MovePhaseDone + TurnFlow.LifePhaseDone + TurnFlow.RerollChecked, 0);
  EXPECT_EQ(CreatureSlot[3].CreatureType, 1) << "kind 10 leaves the creatures";
  D50_Reset(20);
  EXPECT_EQ(CreatureEvents.EventSlot[29], 0);
  EXPECT_EQ(CreatureEvents.EventFlag[0], 0);
  EXPECT_EQ(CreatureEvents.LuckTotal, 0);
  EXPECT_EQ(CreatureEvents.WomanChanged, 0);
  D50_Reset(1);
  EXPECT_EQ(CreatureSlot[3].CreatureType, 0);
  EXPECT_EQ(CreatureSlot[0].CreatureType, 0);
  EXPECT_EQ(CreatureSlot[3].MoveDir, 4) << "the direction survives";
  EXPECT_EQ(OccupancyGrid[2][2], 0);
  EXPECT_EQ(OccupancyGrid[1][1], 0);
  EXPECT_EQ(SpawnTable[2][0].SpawnFromType, 0);
  D50_Reset(2);  // other kinds do nothing

  // A full column takes nothing more; a column past the table takes nothing.
  BoardState.SpawnColumn = 9;
  for (int i = 0; i < 31; ++i) D50_AddSpawn(100 + i, 0);
  EXPECT_EQ(SpawnTable[9][29].SpawnFromType, 129);
  BoardState.SpawnColumn = 10;
  D50_AddSpawn(1, 2);
}

TEST_F(BoardRules, RandomPlacementUsesOnlyFreeInnerCells) {
  // A 6 by 5 board: the inner grid is columns 1 to 4 and rows 1 to 3.
  EmptyBoard(5, 4);
  std::set<std::pair<int, int>> used;
  for (int n = 0; n < 300; ++n) {
    EmptyBoard(5, 4);
    Put(2, 2, 2);
    StepScratch.ActiveCreature = 7;
    CreatureSlot[7].CreatureType = 40;
    ASSERT_TRUE(D50_PlaceRandom());
    const CreatureSlotRecord& c = CreatureSlot[7];
    EXPECT_TRUE(InnerCell(c.GridX, c.GridY));
    EXPECT_NE(std::make_pair(c.GridX, c.GridY), std::make_pair(2, 2));
    EXPECT_EQ(OccupancyGrid[c.GridX][c.GridY], 7);
    used.insert({c.GridX, c.GridY});
  }
  EXPECT_EQ(used.size(), 11u) << "every free inner cell comes up";
}

TEST_F(BoardRules, ANearlyFullGridStillPlacesAndAFullOneDoesNot) {
  // Eleven of twelve inner cells taken: the draws may miss the last, the fallback
  // finds it; with all twelve taken the creature stays where it was.
  EmptyBoard(5, 4);
  int slot = 1;
  for (int y = 1; y <= 3; ++y) {
    for (int x = 1; x <= 4; ++x) {
      if (x != 4 || y != 3) Put(slot++, x, y);
    }
  }
  StepScratch.ActiveCreature = 20;
  CreatureSlot[20].CreatureType = 40;
  CreatureSlot[20].Waiting = 1;
  ASSERT_TRUE(D50_PlaceRandom());
  EXPECT_EQ(CreatureSlot[20].GridX, 4);
  EXPECT_EQ(CreatureSlot[20].GridY, 3);

  StepScratch.ActiveCreature = 21;
  CreatureSlot[21].CreatureType = 40;
  CreatureSlot[21].Waiting = 1;
  const auto before = OccupancyGrid;
  EXPECT_FALSE(D50_PlaceRandom());
  EXPECT_EQ(OccupancyGrid, before) << "no cell is shared";
  EXPECT_EQ(CreatureSlot[21].GridX, 0);
  EXPECT_EQ(CreatureSlot[21].Waiting, 1);
}

TEST_F(BoardRules, EveryClearedBoardLeadsToItsStage) {
  struct Case {
    int board, stage;
  } cases[] = {{1, 31}, {2, 32}, {3, 33}, {4, 41}, {5, 42},  {6, 43},  {7, 51},  {8, 52},
               {9, 53}, {10, 54}, {11, 56}, {21, 11}, {22, 12}, {31, 21}, {32, 22}, {33, 23}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.board);
    EXPECT_EQ(BoardStoryStage(c.board), c.stage);
  }
  EXPECT_EQ(BoardStoryStage(0), -1);
}

// The hand-over, the music, the no-creature check and the progress record run on
// the engine in the Vadrim mode.
class BoardEngineTest : public drawing_test::DrawingTest {
 protected:
  void SetUp() override { Boot(kModeVadrim); }
};

TEST_F(BoardEngineTest, LeavingABoardOpensItsStory) {
  struct Case {
    int board, stageBefore, stageAfter;
  } cases[] = {{11, 7, 56}, {21, 7, 11}, {0, 7, 7}, {12, 7, 7}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.board);
    BoardState.BoardNumber = c.board;
    SceneCursor.StageNumber = c.stageBefore;
    SceneCursor.SceneCode = 51;
    D50_Leave(0);
    EXPECT_EQ(SceneCursor.StageNumber, c.stageAfter);
    EXPECT_EQ(SceneCursor.SceneCode, kConversationScene);
    EXPECT_EQ(SceneCursor.SceneState, 0);
    EXPECT_EQ(SceneCursor.SceneStep, 10);
    EXPECT_NE(FrameClock.TimerArmed, 0);
  }
}

TEST_F(BoardEngineTest, TheBoardMusicLoops) {
  for (int level : {7, 0}) {
    SCOPED_TRACE(level);
    GameConfig.Settings[1] = level;
    D50_Music(0);
    const std::string loaded = h_->Platform().Recorder().Loaded(100);
    EXPECT_NE(loaded.find("Kespa_Data"), std::string::npos) << loaded;
    EXPECT_NE(loaded.find("om-2.MP3"), std::string::npos) << loaded;
    EXPECT_EQ(h_->Platform().Recorder().Volume(100), level == 0 ? 0 : 2 * level + 82);
  }
  D50_Music(1);  // other kinds do nothing
}

TEST_F(BoardEngineTest, NoCreatureLeftFailsTheBoard) {
  BoardLayers.BannerLayer = 3;
  BoardState.GridLastX = BoardState.GridLastY = 5;
  CreatureSlot[4].CreatureType = 94;
  CreatureSlot[4].Waiting = 1;  // still to arrive: does not count
  SceneCursor.SceneState = 170;
  CreatureSlot[6].CreatureType = 100;
  D50_NoCreatureCheck();
  EXPECT_EQ(SceneCursor.SceneState, 170) << "a creature on the grid";
  EXPECT_EQ(TurnFlow.NoCreatureFlag, 0);

  CreatureSlot[6].CreatureType = 0;
  D50_NoCreatureCheck();
  EXPECT_EQ(SceneCursor.SceneState, 910);
  EXPECT_EQ(SceneCursor.SceneStep, 0);
  EXPECT_EQ(TurnFlow.NoCreatureFlag, -1);
  EXPECT_EQ(Layer(3).image.Width(), 700);
  EXPECT_EQ(Layer(3).image.Height(), 200);
}

TEST_F(BoardEngineTest, ProgressIsRecordedAndSavedAtOnce) {
  const std::string file = Root() + "/Kespa_Data/Vadrim.sav";
  // Starting board 3 of route 2 with boards 1 and 2 open saves a run of three.
  VadrimProgress.GameStageOpened[2][2] = 1;
  BoardState.BoardNumber = 3;
  D50_RecordProgress(0);
  EXPECT_EQ(VadrimProgress.GameStageOpened[2][3], 1);
  EXPECT_NE(tq::testing::ReadFileBytes(file).find("[sta]\r\n0=1\r\n1=1\r\n2=3\r\n"), std::string::npos);

  struct Case {
    int board, route, stage;
  } starts[] = {{21, 0, 1}, {22, 0, 2}, {31, 1, 1}, {33, 1, 3}, {11, 2, 11}, {0, 0, 0}};
  for (const Case& c : starts) {
    SCOPED_TRACE(c.board);
    BoardState.BoardNumber = c.board;
    D50_RecordProgress(0);
    EXPECT_EQ(VadrimProgress.GameStageOpened[c.route][c.stage], 1);
  }

  // Clearing board 21 records nothing but still saves; the routes' last boards clear them.
  std::filesystem::remove(file);
  BoardState.BoardNumber = 21;
  D50_RecordProgress(1);
  EXPECT_EQ(VadrimProgress.RouteCleared[0], 0);
  EXPECT_TRUE(std::filesystem::exists(file));
  struct Cleared {
    int board, route;
  } clears[] = {{22, 0}, {33, 1}, {11, 2}};
  for (const Cleared& c : clears) {
    BoardState.BoardNumber = c.board;
    D50_RecordProgress(1);
    EXPECT_EQ(VadrimProgress.RouteCleared[c.route], 1) << c.board;
  }
  EXPECT_NE(tq::testing::ReadFileBytes(file).find("[clr]\r\n0=1\r\n1=1\r\n2=1\r\n"), std::string::npos);
}

}  // namespace
