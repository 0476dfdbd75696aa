// A new Marbrook story played from the title the way a player plays it: はじめから,
// the prologue and stage 2 clicked through every 1.5 seconds, the intermission, the
// rock-paper-scissors game won hand by hand, the post-game stage, the branch and one
// of its picks, through stage 10. Nothing hangs, and the story reaches each stage
// in its order.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "engine/frame_model.h"
#include "engine/modes.h"
#include "engine/system_menu.h"
#include "marbrook/save_file.h"
#include "marbrook/minigames/rock_paper_scissors.h"
#include "platform/platform.h"
#include "scenario/script_actions.h"
#include "scenario/script_store.h"
#include "support/engine_harness.h"
#include "support/stand_in_pictures.h"

namespace {

using tq::testing::EngineHarness;
using tq::testing::WindowLayer;

constexpr uint32_t kClickMs = 1500;  // the player's pace in the conversation
constexpr uint32_t kGamePollMs = 50;  // how often the game player looks at its screen
constexpr uint32_t kStallMs = 60000;  // no new line or game state for this long: stuck
constexpr int kRockPaperScissors = 51;


bool ChoosingAHand() {
  const int s = SceneCursor.SceneState;
  return (s == 10 || s == 110 || s == 210) && SceneCursor.SceneStep == 0;
}

TEST(MarbrookNewStory, PlaysFromTheTitleThroughTheGameAndTheBranchToStageTen) {
  EngineHarness h(kModeMarbrook, tq::testing::StandInPictureRoot("thornquill_marbrook_story", "Tanselr_Data/TanselrCG/"));
  std::filesystem::remove(std::filesystem::u8path(MarbrookSavePath()));  // a first start
  h.Start();
  // The opening played through, the title menu, はじめから, the new story's screen.
  h.ClickAt(14000, 460, 600);
  h.ClickAt(16100, 460, 100);
  h.ClickAt(20100, 460, 345);

  std::vector<int> stages;  // the conversation's stages in the order they ran
  std::vector<int> picked;  // the stages the branch offered
  bool played = false;      // the game was entered
  std::string stuck;
  uint32_t lastMove = 0;
  std::vector<int> last;
  std::function<void(uint32_t)> tick = [&](uint32_t now) {
    const bool conversation = SceneCursor.SceneCode == kConversationScene;
    if (conversation && (stages.empty() || stages.back() != SceneCursor.StageNumber)) stages.push_back(SceneCursor.StageNumber);
    played |= SceneCursor.SceneCode == kRockPaperScissors;
    if (conversation && SceneCursor.StageNumber == 11) {  // stage 10 is over
      h.Platform().SetUntil(now);
      return;
    }
    const std::vector<int> where = {SceneCursor.SceneCode, SceneCursor.SceneState, SceneCursor.SceneStep,
                                    SceneCursor.StageNumber, ScriptStore.CurrentScriptLine, JankenState.JankenRound};
    if (where != last) last = where, lastMove = now;
    if (now - lastMove > kStallMs) {
      stuck = "scene " + std::to_string(where[0]) + "/" + std::to_string(where[1]) + "/" + std::to_string(where[2]) +
              " stage " + std::to_string(where[3]) + " line " + std::to_string(where[4] + 1);
      h.Platform().SetUntil(now);
      return;
    }
    uint32_t next = kClickMs;
    int x = 460, y = 345;
    if (SceneCursor.SceneCode == kRockPaperScissors) {
      // Clicks only where the game waits for input; the hand that wins, or the
      // fourth button of the last round.
      next = kGamePollMs;
      x = y = 2;
      if (FrameClock.WaitActive != 0) x = -1;
      else if (ChoosingAHand()) {
        const int hand = G01_FinalRound() ? 3 : (JankenState.JankenOpponentHand + 2) % 3;
        x = WindowLayer(kHandButtonLayer + hand).x + 5;
        y = WindowLayer(kHandButtonLayer + hand).y + 5;
      }
    } else if (conversation && (SceneCursor.SceneState == 30 || SceneCursor.SceneState == 31)) {
      // The branch: the first row (the stage its first pick names).
      if (picked.empty()) picked = {ScriptAction.BranchParams[0], ScriptAction.BranchParams[1]};
      x = WindowLayer(SystemLayerSet.MenuRowLayer).x + 20;
      y = WindowLayer(SystemLayerSet.MenuRowLayer).y + 20;
    }
    if (x >= 0) h.ClickAt(now + 1, x, y);
    h.Platform().At(now + next, [&tick, now, next] { tick(now + next); });
  };
  h.Platform().At(21000, [&tick] { tick(21000); });
  h.RunUntil(3000000);

  EXPECT_EQ(stuck, "") << "stuck";
  EXPECT_TRUE(played) << "the rock-paper-scissors game ran";
  EXPECT_EQ(picked, (std::vector<int>{7, 8}));
  EXPECT_EQ(stages, (std::vector<int>{1, 2, 3, 5, 6, 7, 10, 11}));
  EXPECT_EQ(MarbrookProgress.FurthestStage, 10);
  EXPECT_EQ(C00_IniRead("Game", "0", MarbrookSavePath()), "10") << "the progress is saved";
}

}  // namespace
