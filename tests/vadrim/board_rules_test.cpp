// The board's rules on the headless screen: landed-cell effects, danger levels and
// omens, the creature phases, attacks and chains, items and their lists, and whole
// boards played to their end with scripted choices.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "board_screen_fixture.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/string_utils.h"
#include "engine/text.h"
#include "platform/fonts.h"
#include "vadrim/board/creature_types.h"

namespace {

using board_test::BoardScreenTest;
using board_test::ReadyBoard;
using tq::testing::WindowLayer;

class BoardRulesTest : public BoardScreenTest {
 protected:
  static void Land(int kind) {
    TurnFlow.LandedKind = kind;
    D50_CellEffect();
  }
};

TEST_F(BoardRulesTest, LandedCellsChangeTheirGaugesAndCountersWithinBounds) {
  ReadyBoard(1);
  // 吉 at 95: the gauge stops at 100, the banner shows the whole draw of 10 ± 2.
  PieceCounters.LuckGauge = 95;
  Land(kCellGood);
  EXPECT_EQ(PieceCounters.LuckGauge, 100);
  EXPECT_GE(BoardChoice.LuckChange, 8);
  EXPECT_LE(BoardChoice.LuckChange, 12);
  EXPECT_TRUE(WindowLayer(BoardLayers.BannerLayer).visible);

  // 凶 while sealed: nothing at all, no banner.
  ShowLayer(BoardLayers.BannerLayer, false);
  PieceCounters.SealTurns = 1;
  PieceCounters.LuckGauge = 50;
  Land(kCellBad);
  EXPECT_EQ(TurnFlow.LandedKind, 0);
  EXPECT_EQ(PieceCounters.LuckGauge, 50);
  EXPECT_FALSE(WindowLayer(BoardLayers.BannerLayer).visible);
  PieceCounters.SealTurns = 0;

  // タ and 攻 stop at 99; 止 landed again while it lasts goes back to 2.
  struct CounterCase {
    int kind, before, after;
    int* counter;
  } counters[] = {{kCellThrows, 97, 99, &PieceCounters.RollsLeft},
                  {kCellAttacks, 98, 99, &PieceCounters.AttacksLeft},
                  {kCellStop, 1, 2, &PieceCounters.StopTurns},
                  {kCellPower, 0, 2, &PieceCounters.PowerTurns}};
  for (const CounterCase& c : counters) {
    SCOPED_TRACE(c.kind);
    *c.counter = c.before;
    Land(c.kind);
    EXPECT_EQ(*c.counter, c.after);
  }

  // ワ never lands on the cell the piece stands on.
  for (int i = 0; i < 40; ++i) {
    PieceCounters.PiecePos = i % 20;
    Land(kCellWarp);
    EXPECT_NE(PieceCounters.PiecePos, i % 20);
  }

  // 封 lasts two further ends of turn: the end of its own turn does not count.
  PieceCounters.StopTurns = 0;
  PieceCounters.PowerTurns = 0;
  PieceCounters.SealTurns = 0;
  PieceCounters.RollsLeft = 40;
  Land(kCellSeal);
  std::vector<int> seal{PieceCounters.SealTurns};
  for (int end = 0; end < 3; ++end) {
    GoTo(kBoardEndTurn, 10);
    D50_Step();
    FrameClock.TimerArmed = 0;
    seal.push_back(PieceCounters.SealTurns);
  }
  EXPECT_EQ(seal, (std::vector<int>{2, 2, 1, 0}));
}

TEST_F(BoardRulesTest, TheRerollSparesChoiceAndChangeCellsAndLuckyOnesOutsideMode20) {
  ReadyBoard(9);  // 選, ﾍ, 封 and 凶 cells only
  for (int i = 0; i < 200; ++i) {
    const int mode = (i % 3) * 10;
    D50_RerollCell(mode);
    const int kind = PathCell[static_cast<size_t>(TurnFlow.NewCellIndex)].PathKind;
    EXPECT_NE(kind, kCellChoice);
    EXPECT_FALSE(kind >= 150 && kind <= 159) << kind;
    if (mode == 10) {
      EXPECT_TRUE(TurnFlow.NewCellKind == 10 || TurnFlow.NewCellKind == 11);
    } else if (mode == 20) {
      EXPECT_TRUE(TurnFlow.NewCellKind == 20 || TurnFlow.NewCellKind == 21);
    }
  }
}

TEST_F(BoardRulesTest, DangerRisesByBandsAndLevelFiveFailsTheBoard) {
  ReadyBoard(1);
  struct Case {
    int luck, levelBefore, level, rose;
  } cases[] = {
      // Each band's edges: 81/80, 61/60, 41/40, 21/20, 1/0.
      {81, 0, 0, 0}, {80, 0, 1, -1}, {61, 0, 1, -1}, {60, 0, 2, -1}, {41, 0, 2, -1}, {40, 0, 3, -1},
      {21, 0, 3, -1}, {20, 0, 4, -1}, {1, 0, 4, -1}, {0, 0, 5, -1}, {-4, 0, 5, -1},
      // The level never falls, and a band at the level already reached is no rise.
      {61, 2, 2, 0}, {41, 2, 2, 0}, {15, 0, 4, -1}, {0, 3, 5, -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.luck);
    PieceCounters.LuckGauge = c.luck;
    PieceCounters.DangerLevel = c.levelBefore;
    D50_DangerLevel();
    EXPECT_EQ(PieceCounters.DangerLevel, c.level);
    EXPECT_EQ(TurnFlow.DangerRose, c.rose);
  }

  // 90 falling to 15 through a hit: one omen, then back to the pipeline.
  PieceCounters.LuckGauge = 15;
  PieceCounters.DangerLevel = 0;
  GoTo(kBoardAttack, 23);
  D50_Step();
  EXPECT_EQ(SceneCursor.SceneState, kBoardOmen);
  EXPECT_EQ(TurnFlow.ReturnState, kBoardAttack);
  EXPECT_EQ(PieceCounters.DangerLevel, 4);
  D50_Step();
  EXPECT_TRUE(WindowLayer(BoardLayers.BannerLayer).visible);
  FrameClock.TimerArmed = 0;

  // Level 5: the omen shakes and the failure waits for the click (no tick left from
  // the steps run above).
  tq::ThePlatform().DisarmTimer();
  FrameClock.TimerArmed = 0;
  PieceCounters.DangerLevel = 5;
  GoTo(kBoardOmen, 0);
  D50_Step();
  EXPECT_EQ(SceneCursor.SceneState, kBoardFailed);
  EXPECT_EQ(FrameClock.TimerArmed, 0);

  // Every message has the board's subject and at most five lines.
  BoardState.BoardCharacter = 6;
  const int counts[5] = {8, 8, 10, 10, 11};
  for (int level = 1; level <= 5; ++level) {
    for (int n = 0; n < counts[level - 1]; ++n) {
      const std::string text = OmenText(level, n);
      SCOPED_TRACE(text);
      EXPECT_NE(text.find("ボルダンさん達"), std::string::npos);
      EXPECT_LE(CountOccurrences(text, "："), 5);
    }
    EXPECT_EQ(OmenText(level, counts[level - 1]), "");
  }
  BoardState.BoardCharacter = 9;
  EXPECT_EQ(OmenText(1, 0).rfind("は、", 0), 0u) << "no subject";

  // The subjects are the story's cast: each board character by name and honorific,
  // and character 6 the family of character 1.
  const char* const cast[7] = {"", "ボルダンさん", "ホルムさん", "コロップさん", "ファルケさん", "モスさん", "ボルダンさん達"};
  for (int character = 0; character <= 7; ++character) {
    EXPECT_EQ(OmenSubject(character), character <= 6 ? cast[character] : "") << character;
  }
  EXPECT_EQ(OmenSubject(6), OmenSubject(1) + "達");
}

// Every omen of every level, for every board subject, is drawn inside its 650 by
// 250 box at a readable size, with no letter lost and no row starting on a closing
// mark; the drawn rows are the fitted ones.
TEST_F(BoardRulesTest, EveryOmenFitsItsBoxForEverySubject) {
  ReadyBoard(1);
  const int counts[5] = {8, 8, 10, 10, 11};
  const tq::FontSpec bold{tq::kFontProportional, 0, true, false};
  for (int character = 1; character <= 6; ++character) {
    BoardState.BoardCharacter = character;
    for (int level = 1; level <= 5; ++level) {
      for (int n = 0; n < counts[level - 1]; ++n) {
        const std::string text = OmenText(level, n);
        SCOPED_TRACE(text);
        int size = level == 5 && n == 10 ? 18 : 22;
        const std::vector<std::string> rows = OmenRows(text, OmenSubject(character), size);
        EXPECT_GE(size, 16);
        tq::FontSpec font = bold;
        font.pointSize = size;
        // The message without its row marks, and where its own rows start in it.
        std::string unbroken = text;
        std::set<size_t> ownRows = {0};
        for (size_t at; (at = unbroken.find("：")) != std::string::npos; ownRows.insert(at)) {
          unbroken.erase(at, std::string("：").size());
        }
        std::string joined;
        int bottom = 0;
        for (size_t i = 0; i < rows.size(); ++i) {
          const tq::TextExtent e = tq::MeasureTextExtent(font, rows[i]);
          EXPECT_LE(20 + e.width + 2, 650 - 20) << rows[i];
          bottom = (e.height + 10) * static_cast<int>(i) + 20 + e.height + 2;
          if (!ownRows.count(joined.size())) {
            for (const char* mark : {"、", "。", "…", "！", "？", "」"}) EXPECT_NE(rows[i].rfind(mark, 0), 0u) << rows[i];
          }
          joined += rows[i];
        }
        EXPECT_LE(bottom, 250 - 20);
        EXPECT_EQ(joined, unbroken);
        // No break inside the subject's name.
        const std::string name = OmenSubject(character);
        size_t end = 0;
        for (const std::string& row : rows) {
          end += row.size();
          for (size_t at = unbroken.find(name); at != std::string::npos; at = unbroken.find(name, at + 1)) {
            EXPECT_FALSE(end > at && end < at + name.size()) << row;
          }
        }
      }
    }
  }

  // The screen prints the fitted rows: level five's migrating bird for the family.
  BoardState.BoardCharacter = 6;
  PieceCounters.DangerLevel = 5;
  const std::string bird = OmenText(5, 1);
  int size = 22;
  const std::vector<std::string> rows = OmenRows(bird, OmenSubject(6), size);
  ASSERT_EQ(rows.size(), 4u) << "its long row breaks in two";
  for (uint32_t seed = 0; seed < 400; ++seed) {
    SeedRandom(seed);
    SetPrintRecording(true);
    D50_OmenMessage();
    std::vector<std::string> faces;
    for (const PrintRecord& p : RecordedPrints()) {
      if (faces.empty() || faces.back() != p.Text) faces.push_back(p.Text);
    }
    SetPrintRecording(false);
    if (faces.empty() || faces.front() != rows.front() || faces.back() != rows.back()) continue;
    EXPECT_EQ(faces, rows);
    EXPECT_EQ(TextStyle.TextFontSize, size);
    return;
  }
  ADD_FAILURE() << "no seed drew the migrating bird";
}

TEST_F(BoardRulesTest, CreaturesMoveByTheirRhythmAndStopOnlyTheirMoves) {
  EmptyGrid(1);
  CreatureSlotRecord& walker = Put(1, 1, 2, 5, 15, 2);  // straight, reversing at walls
  walker.MoveEvery = 2;
  std::vector<int> xs;
  for (int turn = 0; turn < 4; ++turn) {
    GoTo(kBoardMovePhase, 0);
    RunState(kBoardMovePhase);
    xs.push_back(walker.GridX);
  }
  EXPECT_EQ(xs, (std::vector<int>{1, 2, 2, 3}));
  EXPECT_EQ(OccupancyGrid[3][2], 1);

  // 止: no movement phase, but a late arrival still comes.
  CreatureSlotRecord& late = CreatureSlot[5];
  D50_SetCreature(101, 5, 3);
  ASSERT_EQ(late.Waiting, 1);
  PieceCounters.TurnNumber = 3;
  PieceCounters.StopTurns = 2;
  walker.MoveEvery = 1;
  const int wait = walker.MoveWaitCount;
  GoTo(kBoardEndTurn, 0);
  D50_Step();
  D50_Step();
  EXPECT_EQ(SceneCursor.SceneState, kBoardLifePhase);
  RunState(kBoardLifePhase);
  EXPECT_EQ(walker.GridX, 3);
  EXPECT_EQ(walker.MoveWaitCount, wait);
  EXPECT_EQ(late.Waiting, 0);
  EXPECT_EQ(OccupancyGrid[static_cast<size_t>(late.GridX)][static_cast<size_t>(late.GridY)], 5);
}

TEST_F(BoardRulesTest, AChaserThatCatchesNothingIsTriedOncePerPhase) {
  EmptyGrid(1);
  // Slot 1 chases type 8 but is blocked by a creature that is not its prey;
  // slot 3 eats the prey of type 7 standing next to it.
  CreatureSlotRecord& stuck = Put(1, 1, 1, 9, 33);
  stuck.MoveTarget = 8;
  stuck.MergeInto = -1;
  Put(2, 1, 2, 9);
  Put(5, 1, 3, 9).CreatureType = 8;
  CreatureSlotRecord& eater = Put(3, 3, 2, 9, 33);
  eater.MoveTarget = 7;
  eater.MergeInto = -1;
  eater.AfterEatMoveType = 0;
  Put(4, 3, 3, 9).CreatureType = 7;
  GoTo(kBoardMovePhase, 0);
  int calls = 0;
  while (At(kBoardMovePhase, 0) || At(kBoardMovePhase, 5)) {
    ASSERT_LT(++calls, 20) << "the chasers' step never ends";
    D50_Step();
    FrameClock.TimerArmed = 0;
  }
  EXPECT_EQ(OccupancyGrid[3][3], 3) << "the prey was eaten";
  EXPECT_EQ(stuck.BumpCount, 1) << "tried once, not again after the other's catch";
  EXPECT_EQ(stuck.LastStepResult, -13);
  RunState(kBoardMovePhase);
  EXPECT_EQ(SceneCursor.SceneState, kBoardEndTurn);
  EXPECT_EQ(OccupancyGrid[1][1], 1);
}

TEST_F(BoardRulesTest, ALineAttackFromASideCellHitsTheWholeRow) {
  EmptyGrid(1);
  PieceCounters.PiecePos = 19;  // the left column, row 1, facing right
  D50_DrawPanel(15, 0);
  Put(1, 1, 1, 9);
  Put(2, 2, 1, 9);
  Put(3, 4, 1, 1);
  Put(4, 2, 2, 9);  // another row
  CreatureSlot[3].DeathChain = 0;
  const int attacks = PieceCounters.AttacksLeft;
  GoTo(kBoardAttackOffer, 0);
  Wait(0, 0);
  ASSERT_TRUE(PlayUntil([] { return SceneCursor.ButtonMode == kButtonsAttack; }));
  // A click on the third button before the pointer highlighted anything.
  TurnFlow.HoverIndex = -1;
  ClickLayer(BoardLayers.ChoiceButtonFirstBox + 2);
  ASSERT_TRUE(PlayUntil([] { return SceneCursor.SceneState == kBoardMenu; }));
  EXPECT_EQ(CreatureSlot[1].HitPoints, 8);
  EXPECT_EQ(CreatureSlot[2].HitPoints, 8);
  EXPECT_EQ(CreatureSlot[3].CreatureType, 0) << "removed";
  EXPECT_EQ(OccupancyGrid[4][1], 0);
  EXPECT_EQ(CreatureSlot[4].HitPoints, 9);
  EXPECT_EQ(PieceCounters.AttacksLeft, attacks - 1);

  // A corner offers no attack.
  PieceCounters.PiecePos = 0;
  GoTo(kBoardAttackOffer, 0);
  D50_Step();
  EXPECT_EQ(SceneCursor.SceneState, kBoardEndTurn);
}

// The rules pages opened at the attack choice hand back to that choice, so the
// turn still ends with its creature phases and its count.
TEST_F(BoardRulesTest, RulesPagesFromTheAttackChoiceReturnToIt) {
  EmptyGrid(1);
  PieceCounters.PiecePos = 19;  // the left column, row 1, facing right
  D50_DrawPanel(15, 0);
  Put(1, 2, 1, 9);
  CreatureSlotRecord& walker = Put(2, 1, 3, 9, 15, 2);
  const int turn = PieceCounters.TurnNumber;
  GoTo(kBoardAttackOffer, 0);
  Wait(0, 0);
  ASSERT_TRUE(PlayUntil([] { return SceneCursor.ButtonMode == kButtonsAttack; }));
  // The rules button where the board's set-up slides it.
  D50_DrawPanel(50, 0);
  MoveLayerKeepingSize(BoardLayers.MenuButtonFirstBox, 820, 610);
  ClickLayer(BoardLayers.MenuButtonFirstBox);
  ASSERT_TRUE(PlayUntil([] { return SceneCursor.SceneState == kBoardRules; }));
  // The pages are clicked through; the first choice reached afterwards is the one left.
  ASSERT_TRUE(PlayUntil([] {
    return SceneCursor.ButtonMode == kButtonsAttack || SceneCursor.SceneState == kBoardMenu;
  }));
  ASSERT_EQ(SceneCursor.SceneState, kBoardAttack) << "back at the turn menu: the turn would not end";
  EXPECT_EQ(PieceCounters.TurnNumber, turn);
  EXPECT_EQ(walker.GridX, 1);

  ClickLayer(BoardLayers.ChoiceButtonFirstBox + 2);
  ASSERT_TRUE(PlayUntil([] { return SceneCursor.SceneState == kBoardMenu; }));
  EXPECT_EQ(CreatureSlot[1].HitPoints, 8);
  EXPECT_EQ(PieceCounters.TurnNumber, turn + 1);
  EXPECT_EQ(walker.GridX, 2) << "the movement phase ran";
}

// Creature-event codes that no animation runs end their frame loop at once.
TEST_F(BoardRulesTest, CreatureEventCodesWithoutAnAnimationEndTheirLoop) {
  ReadyBoard(1);
  for (int code = 1036; code <= 1039; ++code) {
    SCOPED_TRACE(code);
    FrameClock.AnimationCode = code;
    FrameClock.FrameLoopRunning = -1;
    EXPECT_TRUE(D50_FrameGate());
    EXPECT_EQ(FrameClock.FrameLoopRunning, 0);
    // The whole loop, with a second of play at most before the run stops.
    h_->Platform().SetUntil(h_->Now() + 1000);
    EXPECT_NO_THROW(Wait(code, 0));
    EXPECT_EQ(FrameClock.FrameLoopRunning, 0);
  }
}

TEST_F(BoardRulesTest, Board11ChainsFireFromTheLastListedAndChangeTheirColumns) {
  ReadyBoard(11);
  D50_Layout(0);
  ASSERT_EQ(CreatureSlot[1].CreatureType, 409);
  ASSERT_EQ(CreatureSlot[2].CreatureType, 390);
  CreatureEvents.EventLast = -1;
  CreatureEvents.ChainCount = 2;
  CreatureEvents.ChainList[1] = 3;  // 393 to 395, fired second
  CreatureEvents.ChainList[2] = 2;  // 391 and 409 to 393, fired first
  BoardChoice.StrikeOrigin = 0;
  GoTo(kBoardAttack, 40);
  RunState(kBoardAttack);
  EXPECT_EQ(CreatureSlot[1].CreatureType, 395);
  EXPECT_EQ(CreatureSlot[2].CreatureType, 390) << "no entry of its own";
  EXPECT_EQ(CreatureEvents.ChainCount, 0);
  EXPECT_EQ(SceneCursor.SceneState, kBoardEndTurn);
}

TEST_F(BoardRulesTest, ItemsDropTheOldestDrawFromTheirListAndCapThePick) {
  ReadyBoard(1);
  D50_Buttons(0, 0);
  // Board 9's list: only its eight items, each of them drawn.
  BoardState.ChoiceListNo = 59;
  std::set<int> seen;
  for (int i = 0; i < 400; ++i) {
    D50_ChoiceList();
    seen.insert(BoardChoice.NewItem);
  }
  EXPECT_EQ(seen, (std::set<int>{21, 24, 25, 26, 27, 28, 29, 30}));

  // A click on no card leaves the choice waiting; one on a card before any
  // highlight takes that card.
  BoardChoice.ChoiceItems = {21, 24, 25, 26, 27};
  D50_ItemWindow();
  GoTo(kBoardItemChoice, -1);
  D50_Step();
  InputEvent.InputSourceIndex = -1;
  D50_Step();
  EXPECT_TRUE(At(kBoardItemChoice, 0));
  InputEvent.InputSourceIndex = BoardLayers.BackdropLayer + 2;
  D50_Step();
  EXPECT_EQ(BoardChoice.NewItem, BoardChoice.ChoiceItems[2]);
  FrameClock.TimerArmed = 0;

  // The opening pick never offers more picks than free slots.
  PieceCounters.HeldItems = {11, 12, 13, 0, 0};
  D50_Buttons(1, 0);
  TurnFlow.PicksLeft = 4;
  GoTo(kBoardOpeningPick, -5);
  D50_Step();
  EXPECT_EQ(TurnFlow.PicksLeft, 1);

  // A fifth item drops the oldest; the new one takes the last slot.
  BoardState.ChoiceListNo = 0;
  PieceCounters.HeldItems = {11, 12, 13, 14, 0};
  D50_Buttons(1, 0);
  ASSERT_EQ(BoardScreen.TurnButtonLast, 3);
  TurnFlow.LandedKind = kCellItem;
  BoardChoice.ItemSource = 0;
  GoTo(kBoardLanded, 30);
  Wait(0, 0);
  ASSERT_TRUE(PlayUntil([this] { return At(kBoardLanded, 2); })) << "the 具 banner waits for the click";
  EXPECT_EQ(PieceCounters.HeldItems[0], 12);
  EXPECT_EQ(PieceCounters.HeldItems[2], 14);
  EXPECT_GE(PieceCounters.HeldItems[3], 10);
  EXPECT_LE(PieceCounters.HeldItems[3], 16);
  EXPECT_EQ(BoardScreen.TurnButtonLast, 3);
}

// Plays a board with scripted choices: the line attack at every offer, the first
// creature or arrow at a strike, the first card or icon at a choice.
TEST_F(BoardRulesTest, BoardsArePlayedToTheirEndWithScriptedChoices) {
  int cleared = 0;
  for (int board : {21, 22, 1}) {
    SCOPED_TRACE(board);
    Enter(board);
    bool ended = false;
    const bool done = PlayUntil(
        [&] {
          ended = SceneCursor.SceneCode != 51 || SceneCursor.SceneState == kBoardFailed ||
                  SceneCursor.SceneState == kBoardCleared;
          return ended;
        },
        [this] { return ChooseScripted(); }, 3000000);
    EXPECT_TRUE(done && ended) << SceneCursor.SceneState << "," << SceneCursor.SceneStep;
    EXPECT_LT(PieceCounters.AttacksLeft, 25) << "attacks were made";
    if (SceneCursor.SceneState == kBoardCleared || SceneCursor.SceneCode != 51) ++cleared;
  }
  EXPECT_GE(cleared, 1) << "a board was cleared by its creatures' 女";
}

}  // namespace
