// The board's flow between clicks: the steps the rules continue by themselves go on
// without a click (the recorded stall timelines, effects started after a click wait,
// whole boards played to their ends), each ending runs its codes once in order, and
// an omen slides in from above the window.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "board_screen_fixture.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/string_utils.h"
#include "games/timed_effects.h"
#include "scenario/motion_curves.h"
#include "support/save_files.h"

namespace {

using board_test::BoardScreenTest;
using board_test::ClickAskedFor;
using board_test::ReadyBoard;
using tq::testing::WindowLayer;
using tq::testing::EngineHarness;

// "state/step" where the board waits for input but the rules ask for no click.
std::string StallHere() {
  if (SceneCursor.SceneCode != 51 || FrameClock.WaitActive != 0 || FrameClock.TimerArmed != 0) return "";
  if (ClickAskedFor(SceneCursor.SceneState, SceneCursor.SceneStep)) return "";
  return std::to_string(SceneCursor.SceneState) + "/" + std::to_string(SceneCursor.SceneStep);
}

std::string Joined(const std::set<std::string>& stalls) {
  std::string out;
  for (const std::string& s : stalls) out += " " + s;
  return out;
}

// The timelines a player recorded when the board stalled, replayed with their board,
// seed and save file: the board must never wait for input where the rules go on.
struct Timeline {
  const char* name;
  const char* input;  // in tests/data/board_stalls
  const char* save;   // the save file the run started with, or none
  int board;
  uint32_t seed;
};

TEST(BoardStallTimelines, EveryRecordedStallNowGoesOnWithoutAClick) {
  const Timeline timelines[] = {
      {"attack buttons after a landing banner", "attack-buttons-wait.input", nullptr, 1, 1},
      {"attack buttons deaf to the first click", "attack-buttons-deaf.input", nullptr, 1, 1},
      {"creature movement after a bump", "creature-bump.input", nullptr, 1, 5},
      {"board after GAME OVER and CONTINUE", "after-continue.input", "after-continue.sav", 9, 7},
  };
  const std::string data = std::string(THORNQUILL_TEST_DATA) + "/board_stalls/";
  // A folder of its own: the save file the run starts from is written into it.
  const std::string root = tq::testing::StandInPictureRoot(
      "thornquill_board_stalls", [](const assets::AssetFile& f) { return f.row->width > 0; });
  const std::string save = root + "/Kespa_Data/Vadrim.sav";
  for (const Timeline& t : timelines) {
    SCOPED_TRACE(t.name);
    std::filesystem::create_directories(root + "/Kespa_Data");
    std::filesystem::remove(save);
    if (t.save != nullptr) std::filesystem::copy_file(data + t.save, save);
    std::vector<tq::ScriptedInput> inputs;
    std::string error;
    ASSERT_TRUE(tq::ParseInputTimeline(tq::testing::ReadFileBytes(data + t.input), inputs, error)) << error;
    ASSERT_FALSE(inputs.empty());

    EngineHarness h(kModeVadrim, root);
    SeedRandom(t.seed);
    h.EnterScreen(51, kBoardStart, 0);
    h.SetVadrimBoard(t.board);
    h.Platform().SetInputs(inputs);
    std::set<std::string> stalls;
    std::function<void(uint32_t)> watch = [&](uint32_t at) {
      const std::string stall = StallHere();
      if (!stall.empty()) stalls.insert(stall);
      h.Platform().At(at + 50, [&watch, at] { watch(at + 50); });
    };
    h.Platform().At(2, [&watch] { watch(2); });
    h.Start();
    h.RunUntil(inputs.back().at + 20000);
    EXPECT_TRUE(stalls.empty()) << "waited for a click at" << Joined(stalls);
    EXPECT_EQ(SceneCursor.SceneCode, 51);
  }
}

class BoardFlowTest : public BoardScreenTest {
 protected:
  // Plays on without a single click until the board first waits for input.
  void RunToFirstWait() {
    PlayUntil([this] { return Idle(); }, [] { return true; }, 120000);
  }
};

// Effects that end by arming the next step must do so whatever an earlier effect
// left in EffectResumesStep: the hops and shakes of a landing, the omen's shake and
// the click waits leave it 0.
TEST_F(BoardFlowTest, StepsAfterAClickWaitArmTheirNextStepThemselves) {
  struct Case {
    const char* name;
    std::function<void()> setUp;
    int state, step, buttonMode;  // where the board first waits for input
  };
  const Case cases[] = {
      {"the attack arrow's bounce brings the attack buttons",
       [] {
         PieceCounters.PiecePos = 2;  // a side cell, facing the grid
         GoTo(kBoardAttackOffer, 0);
       },
       kBoardAttack, 0, kButtonsAttack},
      {"a creature's bump at the wall and the turn's end reach the menu",
       [this] {
         EmptyGrid(1);
         D50_Buttons(1, 0);
         Put(1, BoardState.GridLastX - 1, 2, 5, 1, 2);  // steps right, into the wall
         GoTo(kBoardEndTurn, 0);
       },
       kBoardMenu, 0, kButtonsMenu},
      {"a board starting again slides its gauges and buttons in",
       [] { GoTo(kBoardSetUp, 0); }, kBoardSetUp, 11, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ReadyBoard(1);
    c.setUp();
    EffectParams.EffectResumesStep = 0;  // as a landing's hop leaves it
    Wait(0, 0);
    RunToFirstWait();
    EXPECT_TRUE(At(c.state, c.step)) << SceneCursor.SceneState << "/" << SceneCursor.SceneStep;
    EXPECT_EQ(SceneCursor.ButtonMode, c.buttonMode);
  }
  EXPECT_EQ(h_->TraceOf("loop 916").size(), 2u) << "the attack arrow's bounce and the creature's bump";
}

// Boards played to their ends with scripted choices wait for a click only where the
// rules ask for one.
TEST_F(BoardFlowTest, BoardsPlayedToTheirEndsWaitOnlyWhereTheRulesAsk) {
  for (int board : {1, 9, 21}) {
    SCOPED_TRACE(board);
    Enter(board);
    std::set<std::string> stalls;
    bool failed = false;
    const bool ended = PlayUntil(
        [&] {
          const std::string stall = StallHere();
          if (!stall.empty()) stalls.insert(stall);
          failed = failed || SceneCursor.SceneState == kBoardFailed;
          // A cleared board leaves the scene; a failed one starts again from its set-up.
          return SceneCursor.SceneCode != 51 || (failed && At(kBoardSetUp, 11));
        },
        [this] { return ChooseScripted(); }, 3000000);
    EXPECT_TRUE(ended) << SceneCursor.SceneState << "/" << SceneCursor.SceneStep;
    EXPECT_TRUE(stalls.empty()) << "waited for a click at" << Joined(stalls);
  }
}

// Each ending's animation codes, once each and in order, and the clicks it needs: none
// for the clear, one on the CONTINUE banner for the failure.
TEST_F(BoardFlowTest, EachEndingRunsItsCodesOnceInOrder) {
  struct Case {
    const char* name;
    int state;
    std::vector<std::string> codes;  // the loops of 750 and 1090 to 1099
    int clicks;
  };
  const Case cases[] = {
      {"clear", kBoardCleared, {"loop 1090", "loop 750", "loop 1091", "loop 1092"}, 0},
      {"failure", kBoardFailed, {"loop 1095", "loop 750", "loop 1096", "loop 1097", "loop 1098"}, 1},
  };
  // The conversation stays put, so the clear's hand-back can be seen.
  ScreenHookSet& conversation = VadrimScreen(10);
  const ScreenHookSet saved = conversation;
  conversation = ScreenHookSet{};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ReadyBoard(1);
    const size_t before = h_->TraceOf("loop").size();
    GoTo(c.state, 0);
    Wait(0, 0);
    int clicks = 0;
    PlayUntil([this] { return SceneCursor.SceneCode != 51 || At(kBoardSetUp, 11); },
              [&clicks] {
                ++clicks;
                return false;
              });
    std::vector<std::string> codes;
    const std::vector<std::string> loops = h_->TraceOf("loop");
    for (size_t i = before; i < loops.size(); ++i) {
      const int code = std::stoi(loops[i].substr(5));
      if (code == 750 || (code >= 1090 && code <= 1099)) codes.push_back(loops[i]);
    }
    EXPECT_EQ(codes, c.codes);
    EXPECT_EQ(clicks, c.clicks);
  }
  conversation = saved;
  EXPECT_EQ(SceneCursor.SceneCode, 51) << "the failed board started again";
}

TEST_F(BoardFlowTest, AnOmenSlidesInFromAboveTheWindowAndWaitsForAClick) {
  ReadyBoard(1);
  PieceCounters.DangerLevel = 2;
  TurnFlow.ReturnState = kBoardLanded;
  TurnFlow.ReturnStep = 10;
  GoTo(kBoardOmen, 0);
  FrameClock.TimerArmed = 0;  // the tick due from start-up
  D50_Step();
  const int banner = BoardLayers.BannerLayer;
  const MotionSlotRecord& slot = MotionSlot[0];
  EXPECT_EQ(slot.MotionLayer, banner);
  EXPECT_EQ(slot.MotionStartY, -LayerHeight(banner)) << "its first place is just above the window";
  EXPECT_EQ(slot.MotionStartX, slot.MotionEndX);
  EXPECT_EQ(WindowLayer(banner).x, CentreX(650));
  EXPECT_EQ(WindowLayer(banner).y, CentreY(250));
  EXPECT_TRUE(At(kBoardOmen, 1));
  EXPECT_EQ(FrameClock.TimerArmed, 0) << "the message stays until a click";
}

}  // namespace

// Where a die item leaves the board waiting for a click (the 0 die before it lands,
// a 1 to 6 die while the items below it close up), the GO marker stands at the piece
// where it stood at the menu, and the click takes it away.
TEST_F(BoardFlowTest, DieItemsAskForTheirClickWithTheGoMarker) {
  struct Case {
    const char* name;
    std::array<int, 5> held;
    int state, step;  // the click wait after the item
  };
  const Case cases[] = {
      {"the 0 die", {10, 0, 0, 0, 0}, kBoardLanded, 0},
      {"a 3 die with an item below", {13, 21, 0, 0, 0}, kBoardMenu, 16},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EmptyGrid(1);
    Put(1, 2, 2, 5);  // one creature standing still, so the board goes on
    const int marker = BoardLayers.TurnMarkerLayer;
    PieceCounters.HeldItems = c.held;
    D50_Buttons(1, 0);
    GoTo(kBoardEndTurn, 0);
    Wait(0, 0);
    ASSERT_TRUE(PlayUntil([this] { return At(kBoardMenu, 0); }, [] { return true; }, 8000));
    ASSERT_TRUE(WindowLayer(marker).visible);
    const int x = WindowLayer(marker).x, y = WindowLayer(marker).y;
    Key('1');  // the first item
    PlayUntil([this] { return Idle(); }, [] { return true; }, 8000);
    ASSERT_TRUE(At(c.state, c.step)) << SceneCursor.SceneState << "/" << SceneCursor.SceneStep;
    EXPECT_TRUE(WindowLayer(marker).visible);
    EXPECT_EQ(WindowLayer(marker).x, x);
    EXPECT_EQ(WindowLayer(marker).y, y);
    Click(915, 400);
    PlayUntil([&] { return !At(c.state, c.step); }, [] { return true; }, 8000);
    EXPECT_FALSE(WindowLayer(marker).visible);
  }
}
