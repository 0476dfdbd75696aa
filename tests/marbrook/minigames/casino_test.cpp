// The casino: credit rules, the slot pay table and the spin, the 21-card hand rules
// and bets, and the hand-back to the story or the extras menu.
#include "marbrook/minigames/casino.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/frame_model.h"
#include "engine/modes.h"
#include "marbrook/save_file.h"
#include "games/screen_buttons.h"
#include "platform/platform.h"
#include "support/engine_harness.h"
#include "support/scene_input.h"

namespace {

using tq::testing::AfterInput;
using tq::testing::WindowLayer;

class Casino : public tq::testing::ScreenTest {
 protected:
  void SetUp() override {
    Boot(kModeMarbrook);
    SetAfterInput(AfterInput::kRun, 3000);
  }
  void Run(uint32_t ms) { h_->RunUntil(h_->Now() + ms); }

  // Enters the casino as the extras menu (-1) or the story (1) does.
  void Enter(int state) {
    h_->EnterScreen(54, state, 0, tq::testing::EntryTick::kNow);
    Run(2000);
  }
  // From the entry to the select screen: the title and the introduction board.
  void ToSelect(int state) {
    Enter(state);
    Click(460, 100);  // title
    Click(460, 100);  // introduction board
    ASSERT_EQ(SceneCursor.SceneState, 10);
    ASSERT_EQ(SceneCursor.SceneStep, 0);
  }
  // Into a game and past its rules board, waiting for its buttons.
  void ToGame(int state, int game) {
    ToSelect(state);
    ClickLayer(game);  // no pointer move before it
    Click(460, 100);  // rules board
    ASSERT_EQ(SceneCursor.SceneState, game == 0 ? kSlotGame : kCardGame);
    ASSERT_EQ(SceneCursor.SceneStep, 11);
  }
};

// Button centres of the slot machine once its buttons stand.
constexpr int kBetX = 398, kBetY = 648, kSpinX = 523, kStopX = 460, kStopY = 548;

// ---- Credits ----

TEST_F(Casino, MoneyCheckFollowsTheCreditRules) {
  struct Case {
    const char* name;
    int mode, unlocked;
    float credits;
    int result, unlockedAfter;
  } cases[] = {
      {"free play at 5,000 unlocks", 0, 0, 5000, kMoneyUnlocked, 1},
      {"unlock before the clear", 0, 0, 100000, kMoneyUnlocked, 1},
      {"free play, already unlocked", 0, 1, 5000, kMoneyPlayOn, 1},
      {"story never unlocks", 1, 0, 5000, kMoneyPlayOn, 0},
      {"just below the unlock", 0, 0, 4999, kMoneyPlayOn, 0},
      {"exactly 0 is game over", 1, 0, 0, kMoneyGameOver, 0},
      {"exactly 100,000 clears", 1, 0, 100000, kMoneyClear, 0},
      {"cleared after the unlock", 0, 1, 100000, kMoneyClear, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CasinoState.CasinoMode = c.mode;
    CasinoState.CasinoUnlockCredits = 5000;
    CasinoState.CasinoCredits = c.credits;
    MarbrookProgress.BonusCgUnlocked = c.unlocked;
    G04_CheckMoney();
    EXPECT_EQ(CasinoState.MoneyCheckResult, c.result);
    EXPECT_EQ(MarbrookProgress.BonusCgUnlocked, c.unlockedAfter);
  }
}

TEST_F(Casino, TheUnlockIsSavedAtOnce) {
  CasinoState.CasinoMode = 0;
  CasinoState.CasinoUnlockCredits = 5000;
  CasinoState.CasinoCredits = 6000;
  G04_CheckMoney();
  MarbrookProgress.BonusCgUnlocked = 0;
  C00_LoadSettings();
  EXPECT_EQ(MarbrookProgress.BonusCgUnlocked, 1);
  G04_CheckMoney();
  EXPECT_EQ(CasinoState.MoneyCheckResult, kMoneyPlayOn);
}

TEST_F(Casino, NumbersAreWrittenInTheirShortestForm) {
  EXPECT_EQ(CasinoNumberText(10.0f), "10");
  EXPECT_EQ(CasinoNumberText(0.0f), "0");
  EXPECT_EQ(CasinoNumberText(1255000.0f), "1255000");
  EXPECT_EQ(CasinoNumberText(99999.0f), "99999");
}

// Reels whose positions 0, 1, 2 hold the bottom, middle and top rows.
void SetRows(const int (&top)[3], const int (&middle)[3], const int (&bottom)[3]) {
  SlotMachine.ReelLastIndex = 2;
  for (int k = 0; k < 3; ++k) {
    SlotMachine.ReelStrip[k][0] = bottom[k];
    SlotMachine.ReelStrip[k][1] = middle[k];
    SlotMachine.ReelStrip[k][2] = top[k];
    SlotMachine.ReelPos[k] = 1;
  }
}

TEST_F(Casino, AGameOverGoesBackToTheTitleWithTenCreditsAndTheIntroduction) {
  ToGame(-1, 0);
  CasinoState.CasinoCredits = 1;
  // Reels of eights only: wherever they stop, the bet line pays nothing.
  SetRows({8, 8, 8}, {8, 8, 8}, {8, 8, 8});
  const uint32_t t = h_->Now();
  h_->ClickAt(t + 10, kBetX, kBetY);
  h_->ClickAt(t + 400, kSpinX, kBetY);
  for (uint32_t at : {1000u, 1100u, 1200u}) h_->ClickAt(t + at, kStopX, kStopY);
  Run(4000);
  ASSERT_EQ(SlotMachine.ReelsStopped, 3);
  ASSERT_EQ(SlotMachine.RowWin[0], 0);
  EXPECT_EQ(CasinoState.CasinoCredits, 0.0f);
  EXPECT_EQ(SceneCursor.SceneState, kCasinoGameOver);
  Click(460, 100);
  EXPECT_EQ(SceneCursor.SceneState, kCasinoTitle);
  EXPECT_EQ(CasinoState.CasinoCredits, 10.0f);
  EXPECT_EQ(CasinoState.CasinoIntroPending, 1);
  EXPECT_EQ(CasinoState.RulesShown[0], 1);
}

// ---- Select screen ----

TEST_F(Casino, AGameButtonClickedWithoutAPointerMoveOpensThatGame) {
  for (int game : {0, 1}) {
    SCOPED_TRACE(game);
    ToSelect(-1);
    EXPECT_EQ(ScreenButtons.HoveredButton, -1);
    ClickLayer(game);
    EXPECT_EQ(CasinoState.CasinoGame, game);
    EXPECT_EQ(SceneCursor.SceneState, game == 0 ? kSlotGame : kCardGame);
  }
}

TEST_F(Casino, ThePointerFollowsTheHoveredGameButton) {
  ToSelect(1);
  const tq::LayerSurface& b = WindowLayer(1);
  h_->MoveAt(h_->Now() + 1, b.x + 20, b.y + 20);
  Run(100);
  EXPECT_EQ(ScreenButtons.HoveredButton, 1);
  EXPECT_TRUE(WindowLayer(2).visible);
  EXPECT_EQ(WindowLayer(2).x, b.x + b.image.Width() - 30);
  h_->MoveAt(h_->Now() + 1, 5, 5);
  Run(100);
  EXPECT_EQ(ScreenButtons.HoveredButton, -1);
  EXPECT_FALSE(WindowLayer(2).visible);
}

// ---- Slot machine ----

TEST_F(Casino, SlotRowsPayByThePayTable) {
  struct Case {
    const char* name;
    int mode;
    int row[3];
    int pay;
  } cases[] = {
      {"three 1s", 0, {1, 1, 1}, 400}, {"three 2s", 0, {2, 2, 2}, 500}, {"three 3s", 0, {3, 3, 3}, 300},
      {"three 4s", 0, {4, 4, 4}, 200}, {"three 5s", 0, {5, 5, 5}, 100}, {"three 6s", 0, {6, 6, 6}, 999},
      {"three 7s", 0, {7, 7, 7}, 777}, {"three 8s", 0, {8, 8, 8}, 0},   {"4 4 5", 0, {4, 4, 5}, 20},
      {"4 5 4", 1, {4, 5, 4}, 20},     {"5 5 4", 0, {5, 5, 4}, 10},     {"5 1 2 free", 0, {5, 1, 2}, 1},
      {"5 1 2 story", 1, {5, 1, 2}, 4}, {"1 2 3", 1, {1, 2, 3}, 0},      {"8 5 8", 0, {8, 5, 8}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CasinoState.CasinoMode = c.mode;
    // The case's row in each line of the window.
    SetRows(c.row, c.row, c.row);
    G04_SlotEvaluate();
    for (int r = 0; r < 3; ++r) EXPECT_EQ(SlotMachine.RowWin[r], c.pay) << "row " << r;
  }
  CasinoState.CasinoMode = 0;
  SetRows({1, 2, 3}, {7, 7, 7}, {5, 5, 4});
  G04_SlotEvaluate();
  EXPECT_EQ(SlotMachine.RowWin, (std::array<int, 3>{777, 0, 10}));  // middle, top, bottom
  EXPECT_EQ(SlotMachine.ReelWindow[1], (std::array<int, 3>{1, 2, 3}));
}

TEST_F(Casino, ReelStripsWrapByModeAndTheStoryRightReelEndsInFives) {
  for (int mode : {0, 1}) {
    CasinoState.CasinoMode = mode;
    G04_LoadReels();
    EXPECT_EQ(SlotMachine.ReelLastIndex, mode == 1 ? 21 : 20);
    for (int k = 0; k < 3; ++k) {
      for (int p = 0; p <= SlotMachine.ReelLastIndex; ++p) {
        EXPECT_GE(SlotMachine.ReelStrip[k][p], 1);
        EXPECT_LE(SlotMachine.ReelStrip[k][p], 8);
      }
    }
  }
  for (int p = 7; p <= 21; ++p) EXPECT_EQ(SlotMachine.ReelStrip[2][p], 5) << p;
  EXPECT_EQ(SlotMachine.ReelStrip[0][0], 5);
}

struct SpinSnap {
  std::array<int, 3> pos;
  int stopped, waitKind, code;
};

TEST_F(Casino, ThreeBetsSpinAndStopClicksStopTheReelsLeftToRight) {
  ToGame(1, 0);
  EXPECT_EQ(SlotMachine.ReelPos, (std::array<int, 3>{1, 1, 1}));
  // A frame loop cannot be left half-way, so the whole spin is one scheduled run.
  const uint32_t t = h_->Now();
  std::vector<SpinSnap> snaps;
  auto snap = [&] {
    snaps.push_back({SlotMachine.ReelPos, SlotMachine.ReelsStopped, AnimationRun.WaitKind, FrameClock.AnimationCode});
  };
  for (uint32_t at : {10u, 400u, 800u}) h_->ClickAt(t + at, kBetX, kBetY);
  for (uint32_t at : {1500u, 1800u, 2100u}) h_->ClickAt(t + at, kStopX, kStopY);
  for (uint32_t at : {700u, 1400u, 1499u, 1790u, 2090u, 2180u, 2400u}) h_->Platform().At(t + at, snap);
  Run(5000);
  ASSERT_EQ(snaps.size(), 7u);
  EXPECT_NE(snaps[0].code, 1000);  // two bets: no spin yet
  EXPECT_EQ(snaps[1].code, 1000);  // the third bet spins without the spin button
  EXPECT_EQ(snaps[1].waitKind, 100);
  EXPECT_NE(snaps[1].pos, snaps[2].pos);
  // After each stop the reels to its left stand still and the others move on.
  EXPECT_EQ(snaps[3].stopped, 1);
  EXPECT_NE(snaps[3].pos[1], snaps[2].pos[1]);
  EXPECT_EQ(snaps[4].stopped, 2);
  EXPECT_EQ(snaps[4].pos[0], snaps[3].pos[0]);
  EXPECT_NE(snaps[4].pos[2], snaps[3].pos[2]);
  // The frame after the third stop ends the spin and moves no reel.
  EXPECT_EQ(snaps[5].stopped, 3);
  EXPECT_EQ(snaps[6].waitKind, 0);
  EXPECT_NE(snaps[6].code, 1000);
  EXPECT_EQ(snaps[6].pos, snaps[5].pos);
  EXPECT_EQ(SlotMachine.ReelPos, snaps[5].pos);
  // Input reaches the loop at its next frame (75 ms at most); the frame after that ends it.
  const std::vector<uint32_t> ends = h_->TimesOf("endloop 1000");
  ASSERT_EQ(ends.size(), 1u);
  EXPECT_LE(ends[0], t + 2100 + 2 * 75 + 1);
  EXPECT_EQ(SlotMachine.BetRows, 2);
  EXPECT_EQ(SceneCursor.SceneState, kSlotGame);
  const int win = SlotMachine.RowWin[0] + SlotMachine.RowWin[1] + SlotMachine.RowWin[2];
  EXPECT_EQ(SceneCursor.SceneStep, win > 0 ? 22 : 11);
}

TEST_F(Casino, WithOneCreditASecondBetChangesNothingAndStopOnlyFlashes) {
  ToGame(-1, 0);
  CasinoState.CasinoCredits = 1;
  SetAfterInput(AfterInput::kRun, 300);  // the stop button's flash is still on after it
  ClickLayer(12);  // stop before any bet
  EXPECT_EQ(SceneCursor.SceneStep, 11);
  EXPECT_EQ(SlotMachine.ReelsStopped, 0);
  ClickLayer(10);
  ClickLayer(10);
  EXPECT_EQ(CasinoState.CasinoBet, 1.0f);
  EXPECT_EQ(SceneCursor.SceneStep, 11);
  EXPECT_TRUE(WindowLayer(17).visible);
  EXPECT_FALSE(WindowLayer(18).visible);
}

TEST_F(Casino, KeysPressTheSlotButtons) {
  ToGame(-1, 0);
  SetAfterInput(AfterInput::kRun, 300);  // the spin is still running after the spin key
  Key(tq::kKeyPad0 + 2);  // bet
  Key(tq::kKeyAdd);       // bet
  EXPECT_EQ(CasinoState.CasinoBet, 2.0f);
  Key(tq::kKeyPad0 + 3);  // spin
  EXPECT_EQ(FrameClock.AnimationCode, 1000);
  EXPECT_EQ(SlotMachine.BetRows, 1);
}

// ---- 21-card game ----

// Cards by rank (0 ace to 12 king) and suit.
int Card(int suit, int rank) { return suit * 13 + rank; }

void SetHand(std::initializer_list<int> cards) {
  int i = 0;
  for (int c : cards) CardHand.CardDeck[i++] = c;
  CardHand.DealtLast = i - 1;
}

TEST_F(Casino, HandTotalsCountAcesAtTheirBest) {
  struct Case {
    const char* name;
    std::initializer_list<int> cards;
    int total;
  } cases[] = {
      {"A A", {Card(0, 0), Card(1, 0)}, 12},
      {"A 9 5", {Card(0, 0), Card(0, 8), Card(1, 4)}, 15},
      {"5 A", {Card(2, 4), Card(3, 0)}, 16},
      {"A K", {Card(0, 0), Card(1, 12)}, 21},
      {"K Q 2", {Card(0, 12), Card(1, 11), Card(1, 1)}, 22},
      {"A A 9", {Card(0, 0), Card(1, 0), Card(2, 8)}, 21},
      {"10 J", {Card(0, 9), Card(1, 10)}, 20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetHand(c.cards);
    G04_HandTotal();
    EXPECT_EQ(CardHand.HandTotal, c.total);
  }
}

TEST_F(Casino, RunsSuitsAndRanks) {
  struct Case {
    const char* name;
    std::initializer_list<int> cards;
    int suit, run, rank;
  } cases[] = {
      {"A 2 3 one suit", {Card(0, 0), Card(0, 1), Card(0, 2)}, -1, -1, 0},
      {"Q K A", {Card(0, 11), Card(1, 12), Card(2, 0)}, 0, 0, 0},
      {"pair breaks a run", {Card(0, 3), Card(1, 3), Card(2, 4)}, 0, 0, 0},
      {"three sevens", {Card(0, 6), Card(1, 6), Card(2, 6)}, 0, 0, -1},
      {"5 3 4 out of order", {Card(3, 4), Card(3, 2), Card(3, 3)}, -1, -1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetHand(c.cards);
    for (int k = 0; k < 3; ++k) G04_SuitCheck(k);
    EXPECT_EQ(CardHand.AllSameSuit, c.suit);
    EXPECT_EQ(CardHand.AllConsecutive, c.run);
    EXPECT_EQ(CardHand.AllSameRank, c.rank);
  }
}

TEST_F(Casino, HandsEarnTheirTablesMultiplier) {
  struct Case {
    const char* name;
    int table;
    std::initializer_list<int> cards;
    float multiplier;
    std::vector<int> rows;
  } cases[] = {
      {"free 10 9 pays nothing", 0, {Card(0, 9), Card(1, 8)}, 0, {0}},
      {"free 21", 0, {Card(0, 0), Card(1, 12)}, 5, {1}},
      {"free 20", 0, {Card(0, 9), Card(1, 12)}, 1, {2}},
      {"free bust of one suit", 0, {Card(2, 12), Card(2, 8), Card(2, 5)}, 2, {4}},
      {"free pair", 0, {Card(2, 5), Card(3, 5)}, 2, {10}},
      {"free five cards of 21", 0, {Card(0, 1), Card(1, 2), Card(2, 3), Card(3, 4), Card(0, 6)}, 15, {1, 3}},
      {"free run of 4 in a suit", 0, {Card(1, 1), Card(1, 2), Card(1, 3), Card(1, 4)}, 20, {5, 8}},
      {"story least", 1, {Card(2, 4), Card(3, 5)}, 1102, {2, 10, 11}},
      {"story 21 with a face", 1, {Card(0, 0), Card(1, 12)}, 1205, {0, 4, 5, 6, 10, 11}},
      {"story bust of four", 1, {Card(2, 9), Card(3, 8), Card(2, 2), Card(3, 1)}, 1158, {3, 8, 10, 11}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetHand(c.cards);
    CasinoState.CasinoBet = 3;
    G04_CardEvaluate(c.table);
    EXPECT_EQ(CasinoState.CasinoMultiplier, c.multiplier);
    EXPECT_EQ(CasinoState.CasinoWin, 3 * c.multiplier);
    EXPECT_EQ(CasinoState.CasinoBet, 0.0f);
    std::vector<int> rows;
    for (int r : CardHand.ResultRows) {
      if (r < 0) break;
      rows.push_back(r);
    }
    EXPECT_EQ(rows, c.rows);
  }
}

TEST_F(Casino, TheShuffleHoldsEveryCardOnce) {
  G04_Shuffle();
  std::array<int, 52> sorted = CardHand.CardDeck;
  std::sort(sorted.begin(), sorted.end());
  for (int i = 0; i < 52; ++i) EXPECT_EQ(sorted[i], i);
}

TEST_F(Casino, BetsAreHeldToTheCreditsAndTheCapAndANewDealKeepsTheCredits) {
  ToGame(-1, 1);
  CasinoState.CasinoCredits = 15;
  SetAfterInput(AfterInput::kRun, 300);
  ClickLayer(11);  // +10
  for (int i = 0; i < 5; ++i) ClickLayer(10);
  EXPECT_EQ(CasinoState.CasinoBet, 15.0f);
  ClickLayer(10);
  EXPECT_EQ(CasinoState.CasinoBet, 15.0f);
  ClickLayer(12);  // +100
  EXPECT_EQ(CasinoState.CasinoBet, 15.0f);

  CasinoState.CasinoCredits = 5000;
  for (int i = 0; i < 10; ++i) ClickLayer(12);  // the tenth +100 would pass 1,000
  EXPECT_EQ(CasinoState.CasinoBet, 915.0f);
  for (int i = 0; i < 8; ++i) ClickLayer(11);
  for (int i = 0; i < 6; ++i) ClickLayer(10);
  EXPECT_EQ(CasinoState.CasinoBet, 1000.0f);

  SetAfterInput(AfterInput::kRun, 3000);
  ClickLayer(14);  // new deal
  EXPECT_EQ(CasinoState.CasinoCredits, 5000.0f);
  EXPECT_EQ(CasinoState.CasinoBet, 0.0f);
  EXPECT_EQ(SceneCursor.SceneState, kCardGame);
  EXPECT_EQ(SceneCursor.SceneStep, 11);
}

TEST_F(Casino, ADealtHandIsPlayedToItsPay) {
  ToGame(1, 1);
  SetAfterInput(AfterInput::kRun, 300);
  Key(tq::kKeyPad0 + 1);  // +1
  EXPECT_EQ(CasinoState.CasinoBet, 1.0f);
  SetAfterInput(AfterInput::kRun, 3000);
  Key(tq::kKeyEnter);  // advance key: deal
  EXPECT_EQ(CasinoState.CasinoCredits, 9.0f);
  if (SceneCursor.SceneStep == 21) {
    Key(tq::kKeyPad0);  // stand
  } else {
    Click(460, 100);  // 21 in two cards: the result strip
  }
  EXPECT_EQ(SceneCursor.SceneStep, 31);
  EXPECT_GE(CasinoState.CasinoWin, 1102.0f);  // the story table
  Click(460, 100);
  EXPECT_EQ(CasinoState.CasinoCredits, 9.0f + CasinoState.CasinoWin);
  EXPECT_EQ(SceneCursor.SceneStep, 11);
}

// ---- Leaving ----

TEST_F(Casino, LeavingHandsBackToTheStoryOrTheExtrasMenu) {
  CasinoState.CasinoMode = 1;
  G04_Leave();
  EXPECT_EQ(SceneCursor.StageNumber, 70);
  EXPECT_EQ(SceneCursor.SceneCode, kConversationScene);
  EXPECT_EQ(SceneCursor.SceneState, 0);
  EXPECT_EQ(SceneCursor.SceneStep, 10);
  CasinoState.CasinoMode = 0;
  G04_Leave();
  EXPECT_EQ(SceneCursor.SceneCode, kTitleScene);
  EXPECT_EQ(SceneCursor.SceneState, -40);
  EXPECT_EQ(SceneCursor.SceneStep, 0);
}

TEST_F(Casino, ReachingTheGoalClearsAndLeaves) {
  ToGame(1, 1);
  CasinoState.CasinoCredits = 100000;
  ClickLayer(14);  // new deal: the check comes after a hand, so play one
  SetAfterInput(AfterInput::kRun, 300);
  Key(tq::kKeyPad0 + 1);  // +1
  SetAfterInput(AfterInput::kRun, 3000);
  Key(tq::kKeyEnter);  // deal
  if (SceneCursor.SceneStep == 21) Key(tq::kKeyPad0);  // stand
  else Click(460, 100);
  Click(460, 100);  // the pay
  EXPECT_EQ(SceneCursor.SceneState, kCasinoClear);
  Click(460, 100);  // clear board
  SetAfterInput(AfterInput::kRun, 5000);
  Click(460, 100);  // system board: the bands close and the casino leaves
  EXPECT_EQ(SceneCursor.SceneCode, kConversationScene);
  EXPECT_EQ(SceneCursor.StageNumber, 70);
}

}  // namespace
