// The board games (scene 52): the board strings and their grids, race board 1's
// chains of squares, the choice screens, the hard life's end by death and by the
// goal, both race boards' ends and the message window's fit.
#include "marbrook/minigames/board_games.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "engine/text.h"
#include "games/screen_buttons.h"
#include "platform/platform.h"
#include "support/engine_harness.h"
#include "support/scene_input.h"

namespace {


constexpr int kMKey = 'M';

class BoardGamesTest : public tq::testing::ScreenTest {
 protected:
  // Boots the Marbrook mode with the game entered as the story enters it: state 0
  // the life board, 1 the race.
  void Boot(int state) {
    ScreenTest::Boot(kModeMarbrook);
    GameConfig.Settings[2] = 9;  // effects audible, so the trace holds the game's sounds
    h_->EnterScreen(52, state, 0);
    // Long enough for everything an input starts (the computer's longest chain on
    // race board 1 runs about a minute); the game then waits for input.
    SetAfterInput(tq::testing::AfterInput::kRunToInputWait, 120000);
    Settle();
  }
  int SoundsOf(const std::string& file) {
    int n = 0;
    for (const std::string& line : h_->TraceOf("STReadFile")) n += line.find(file) != std::string::npos;
    return n;
  }

  // From the entry to the hard life waiting for the birth message's click; the
  // button is clicked with no pointer move before it.
  void ToHardLife() {
    Boot(0);
    Click();  // the buttons come in
    ASSERT_EQ(SceneCursor.SceneState, 6);
    ASSERT_EQ(ScreenButtons.HoveredButton, -1);
    Click(690, 345);
    ASSERT_EQ(SceneCursor.SceneState, 200);
    ASSERT_EQ(SceneCursor.SceneStep, 2);
  }
  // From the entry to race board `board` waiting on its first sign.
  void ToRace(int board) {
    Boot(1);
    Click();
    ASSERT_EQ(SceneCursor.SceneState, 305);
    Click(460, board == 1 ? 170 : 500);
    ASSERT_EQ(SceneCursor.SceneState, board == 1 ? 400 : 500);
  }
  // Every square on the hard board from 1 to 45 a death of kind 14.
  static void AllDeaths() {
    for (int n = 1; n <= 45; ++n) BoardGameState.SquareKind[static_cast<size_t>(n)] = 14;
  }
};

struct Cell {
  int square, column, row, kind;
};

TEST_F(BoardGamesTest, BoardStringsPlaceEachSquareAtItsCell) {
  Boot(1);
  struct Case {
    const char* name;
    int build;
    int lastSquare, lastColumn, lastRow, size, originX, originY;
    std::vector<Cell> cells;  // kind -1: drawn at random
  };
  const Case cases[] = {
      {"life", 10, 46, 10, 6, 80, 0, 0,
       {{0, 0, 6, 0}, {3, 0, 3, 1}, {6, 0, 0, 2}, {16, 10, 0, -1}, {18, 10, 2, 5}, {22, 10, 6, 6},
        {30, 2, 6, 8}, {35, 3, 2, 9}, {40, 8, 2, 10}, {42, 8, 4, 11}, {43, 7, 4, 13}, {45, 5, 4, 13}, {46, 4, 4, 12}}},
      {"race 1", 50, 42, 9, 6, 90, 10, 30,
       {{0, 7, 4, 0}, {1, 7, 3, 1}, {5, 8, 0, 6}, {12, 9, 6, 1}, {27, 0, 0, 3}, {29, 2, 0, 7}, {41, 2, 2, 8},
        {42, 3, 2, 9}}},
      {"race 2", 51, 23, 6, 6, 90, 145, 30,
       {{0, 0, 6, 8}, {6, 0, 0, 0}, {12, 6, 0, 8}, {18, 6, 6, 8}, {23, 1, 6, 8}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    G02_BuildBoard(c.build);
    EXPECT_EQ(BoardGameState.LastSquare, c.lastSquare);
    EXPECT_EQ(BoardGameState.LastColumn, c.lastColumn);
    EXPECT_EQ(BoardGameState.LastRow, c.lastRow);
    EXPECT_EQ(BoardGameState.SquareSize, c.size);
    if (c.build != 10) {
      EXPECT_EQ(BoardGameState.BoardOriginX, c.originX);
      EXPECT_EQ(BoardGameState.BoardOriginY, c.originY);
    }
    // A cell's square stands at column (c - 1) mod W and row (c - 1) div W.
    for (const Cell& cell : c.cells) {
      SCOPED_TRACE(cell.square);
      const size_t i = static_cast<size_t>(cell.square);
      EXPECT_EQ(BoardGameState.SquareColumn[i], cell.column);
      EXPECT_EQ(BoardGameState.SquareRow[i], cell.row);
      if (cell.kind >= 0) {
        EXPECT_EQ(BoardGameState.SquareKind[i], cell.kind);
      }
    }
  }
}

TEST_F(BoardGamesTest, LifeBoardDrawsItsDeathsAnewAndKeepsItsFixedSquares) {
  Boot(0);
  const std::set<int> fixed = {0, 3, 6, 12, 15, 18, 22, 27, 30, 35, 40, 42, 43, 44, 45, 46};
  std::set<int> drawn;
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    SeedRandom(seed);
    G02_BuildBoard(10);
    int random = 0;
    for (int n = 0; n <= 46; ++n) {
      const int k = BoardGameState.SquareKind[static_cast<size_t>(n)];
      if (fixed.count(n) != 0) continue;
      ++random;
      ASSERT_TRUE(k >= 14 && k <= 19) << "square " << n << " kind " << k;
      drawn.insert(k);
    }
    EXPECT_EQ(random, 31);
    for (int n : {43, 44, 45}) EXPECT_EQ(BoardGameState.SquareKind[static_cast<size_t>(n)], 13);
    EXPECT_EQ(BoardGameState.SquareKind[46], 12);
  }
  EXPECT_EQ(drawn.size(), 6u);  // every death kind turns up
}

TEST_F(BoardGamesTest, RaceBoardOneChainsEndOnTheSquareBeforeTheGoal) {
  Boot(1);
  G02_BuildBoard(50);
  const int steps[] = {0, 1, 2, 3, 4, -1, -2, -3};
  for (int start = 1; start <= 40; ++start) {
    SCOPED_TRACE(start);
    std::set<int> seen;
    int square = start;
    int lastMove = 0;
    while (true) {
      ASSERT_TRUE(seen.insert(square).second) << "square " << square << " comes twice";
      const int k = BoardGameState.SquareKind[static_cast<size_t>(square)];
      if (k < 1 || k > 7) break;
      lastMove = steps[k];
      square = std::min(square + lastMove, 42);
      ASSERT_GE(square, 0);
    }
    EXPECT_EQ(square, 41);
    EXPECT_GT(lastMove, 0);
  }
}

TEST_F(BoardGamesTest, ChoiceButtonsLightOnHoverAndOnlyTheRaceOnesSound) {
  struct Case {
    int entry, y0, y1;
    int x0, x1;
    int sounds;
  };
  for (const Case& c : {Case{0, 345, 345, 230, 690, 0}, Case{1, 170, 500, 460, 460, 2}}) {
    SCOPED_TRACE(c.entry);
    Boot(c.entry);
    Click();
    Move(c.x0, c.y0);
    EXPECT_EQ(ScreenButtons.HoveredButton, 0);
    Move(c.x1, c.y1);  // straight onto the other button
    EXPECT_EQ(ScreenButtons.HoveredButton, 1);
    EXPECT_EQ(SoundsOf("G02b_選択Sub"), c.sounds);
    Move(c.x1 + 1, c.y1);  // the same button again: nothing new
    EXPECT_EQ(SoundsOf("G02b_選択Sub"), c.sounds);
    Move(5, 5);
    EXPECT_EQ(ScreenButtons.HoveredButton, -1);
  }
}

TEST_F(BoardGamesTest, MTogglesInEveryStateAndTheTitleResetsIt) {
  Boot(0);
  Key(kMKey);
  EXPECT_EQ(BoardGameState.KeepLivingAfterDeath, -1);
  Click();
  Key(kMKey);
  EXPECT_EQ(BoardGameState.KeepLivingAfterDeath, 0);
  Key(kMKey);
  Key('A');  // no other key does anything
  EXPECT_EQ(BoardGameState.KeepLivingAfterDeath, -1);
  EXPECT_EQ(SceneCursor.SceneState, 6);
  Key(tq::kKeyEnter);  // an advance key is a click that hits no button
  EXPECT_EQ(SceneCursor.SceneState, 6);
}

TEST_F(BoardGamesTest, HardLifeDeathWithMOffEndsTheLifeAndReturnsToTheTitle) {
  ToHardLife();
  Click();  // the birth message
  ASSERT_EQ(SceneCursor.SceneStep, 5);
  AllDeaths();
  Click();  // the die is rolled
  ASSERT_EQ(SceneCursor.SceneStep, 6);
  const int roll = BoardGameState.G02LastRoll;
  ASSERT_TRUE(roll >= 1 && roll <= 6);
  EXPECT_TRUE(tq::testing::LayerVisible(3));
  Click();  // the piece walks the roll
  EXPECT_EQ(BoardGameState.MovingSquare, roll);
  EXPECT_EQ(SceneCursor.SceneStep, 30);
  EXPECT_EQ(SoundsOf("G02a_メッセージ"), 2);
  Click();  // game over
  EXPECT_EQ(SceneCursor.SceneState, 5);
  EXPECT_EQ(SceneCursor.SceneStep, 1);
  EXPECT_TRUE(tq::testing::LayerVisible(51));
  Key(kMKey);
  ASSERT_EQ(BoardGameState.KeepLivingAfterDeath, -1);
  Click();  // the title falls in again, the switch back off
  EXPECT_EQ(SceneCursor.SceneState, 5);
  EXPECT_EQ(SceneCursor.SceneStep, 2);
  EXPECT_EQ(BoardGameState.KeepLivingAfterDeath, 0);
  EXPECT_EQ(SceneCursor.SceneCode, 52);
}

TEST_F(BoardGamesTest, HardLifeWithMOnLivesOnAndARollPastTheGoalStopsOnIt) {
  ToHardLife();
  Key(kMKey);
  Click();
  AllDeaths();
  Click();
  Click();
  EXPECT_EQ(SceneCursor.SceneStep, 5);  // the death message, then the next roll
  BoardGameState.MovingSquare = 45;
  Click();
  BoardGameState.StepsLeft = 6;  // more than the squares left
  Click();
  EXPECT_EQ(BoardGameState.MovingSquare, 46);
  EXPECT_EQ(BoardGameState.StepsLeft, 5);
  EXPECT_EQ(SceneCursor.SceneStep, 40);
  // The piece stands on the goal square.
  const int x = 4 * 80 + BoardGameState.BoardOriginX + 40 - BoardGameState.PieceSize / 2;
  EXPECT_EQ(LayerLeft(1), x);
  Click();  // the clear picture
  EXPECT_EQ(SceneCursor.SceneStep, 41);
  EXPECT_EQ(SoundsOf("G02a_クリア"), 1);
  Click();
  EXPECT_EQ(SceneCursor.SceneCode, kConversationScene);
  EXPECT_EQ(SceneCursor.StageNumber, 15);
}

TEST_F(BoardGamesTest, EasyLifeAlwaysClearsToStageFifteen) {
  Boot(0);
  Click();
  Click(230, 345);
  ASSERT_EQ(SceneCursor.SceneState, 100);
  for (int i = 0; i < 10 && SceneCursor.SceneCode == 52; ++i) Click();
  EXPECT_EQ(SceneCursor.SceneCode, kConversationScene);
  EXPECT_EQ(SceneCursor.StageNumber, 15);
}

TEST_F(BoardGamesTest, RaceBoardOneEndsWithThePlayersWin) {
  ToRace(1);
  int clicks = 0;
  for (; clicks < 200 && SceneCursor.SceneCode == 52; ++clicks) {
    if (SceneCursor.SceneStep == 40) {
      EXPECT_EQ(BoardGameState.SidePosition[0], 42);
    }
    Click();
  }
  EXPECT_EQ(SceneCursor.SceneCode, kConversationScene);
  EXPECT_EQ(SceneCursor.StageNumber, 35);
  EXPECT_EQ(BoardGameState.SidePosition[1], 41);  // the computer's one roll ended before the goal
}

TEST_F(BoardGamesTest, RaceBoardTwoLapsEndTheRaceAtOnce) {
  struct Case {
    const char* name;
    int side;
    int endStep;
  };
  for (const Case& c : {Case{"player", 0, 40}, Case{"computer", 1, 35}}) {
    SCOPED_TRACE(c.name);
    ToRace(2);
    ASSERT_EQ(SceneCursor.SceneStep, 2);  // the opening sign
    EXPECT_EQ(BoardGameState.SideLap[0], 1);
    // One square before the start line, on the last lap.
    BoardGameState.SidePosition[static_cast<size_t>(c.side)] = 5;
    BoardGameState.SideLap[static_cast<size_t>(c.side)] = 3;
    Click();
    Click();  // the player's turn sign: the player rolls
    if (c.side == 1) {
      EXPECT_EQ(BoardGameState.SideLap[0], 1);
      EXPECT_GE(BoardGameState.SidePosition[0], 7);  // square 6 itself did not count
    }
    EXPECT_EQ(BoardGameState.TurnSide, c.side);
    EXPECT_EQ(BoardGameState.MovingSquare, 6);
    EXPECT_EQ(BoardGameState.SideLap[static_cast<size_t>(c.side)], 4);
    EXPECT_EQ(SceneCursor.SceneStep, c.endStep);
    Click();
    if (c.side == 1) {
      EXPECT_EQ(SceneCursor.SceneState, 300);  // back to the race title
      EXPECT_EQ(SceneCursor.SceneStep, 2);
      continue;
    }
    Click();
    EXPECT_EQ(SceneCursor.SceneCode, kConversationScene);
    EXPECT_EQ(SceneCursor.StageNumber, 35);
  }
}

TEST_F(BoardGamesTest, LifeMessagesFitTheirWindow) {
  Boot(0);
  for (int code : {10, 11, 90, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 113, 114, 115, 116, 117,
                   118, 119}) {
    SCOPED_TRACE(code);
    const std::string text = G02_LifeMessageText(code);
    ASSERT_FALSE(text.empty());
    std::vector<std::string> lines;
    int count = 0;
    SplitFields(text, "：", 99, lines, count);
    TextStyle.TextFontSize = 20;
    int height = 0;
    for (int i = 1; i <= count; ++i) {
      TextStyle.CurrentText = lines[static_cast<size_t>(i)];
      MeasureText(0);
      // Text starts 20 in; the glow reaches 2 further; keep 20 clear on the right.
      EXPECT_LE(20 + TextStyle.MeasuredWidth + 2, 850 - 20) << lines[static_cast<size_t>(i)];
      height = TextStyle.MeasuredHeight;
    }
    const int window = (code >= 101 && code <= 111) || (code >= 113 && code <= 119) ? 220 : 180;
    EXPECT_LE(20 + (height + 10) * (count - 1) + height + 2, window - 5);
    G02_LifeMessage(code);
    EXPECT_EQ(LayerWidth(4), 850);
    EXPECT_EQ(LayerHeight(4), window);
  }
  G02_LifeMessage(7);  // no text: an empty window
  EXPECT_EQ(LayerHeight(4), 180);
}

}  // namespace
