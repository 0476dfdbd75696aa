// The Marbrook story played on from stage 20 to the finale's end the way a player
// plays it, a click every 1.5 seconds, with every mini-game entry handing straight
// back to its post-game stage: the stages run in the story's order, each ends on its
// own end line, the games are entered where the story hands over, no line is stuck,
// every balloon text fits its balloon, the staging holds at every click (the newest
// balloon whole and inside the window, every older one shown wholly visible or
// wholly covered, no older balloon's tail showing from under a reply that covers it,
// every thought chain ending at its balloon and leading to its thinker, and no hop
// or shake of the line read left until after the click) and between the clicks (no
// tail or bubble of a closed balloon, no thought chain standing wrong), every line
// can be read (the current line at a click wait, or for two seconds), and the
// finale's end leads to the title with the story saved as finished. The run is split
// into stretches that chain (each starts where the one before it stops), and the
// finale is also played down each row of its two branch choices.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "engine/frame_model.h"
#include "engine/modes.h"
#include "engine/text.h"
#include "marbrook/marbrook_mode.h"
#include "marbrook/save_file.h"
#include "marbrook/story_flow.h"
#include "platform/platform.h"
#include "scenario/script_store.h"
#include "support/balloon_staging.h"
#include "support/engine_harness.h"
#include "support/marbrook_stages.h"
#include "support/stand_in_pictures.h"

namespace {

using tq::testing::EngineHarness;
using GameEntry = std::array<int, 3>;  // scene, state, step

constexpr uint32_t kClickMs = 1500;        // the player's pace
constexpr uint32_t kStallClicks = 40;      // a screen unchanged for this many clicks is stuck
constexpr int kGameScenes[] = {51, 52, 53, 54, 55, 56, 59, 60};
const std::string kStageEnd = "[別のゲームへ]";

// One stretch of the story: where it enters, where it stops, the branch stages whose
// second row it picks, and what it must go through.
struct Stretch {
  const char* name;
  int first;
  int stop;  // the stage whose start ends the stretch; 0 for the finale's end
  std::set<int> secondRow;
  std::vector<int> stages;       // in the order they run, the stop stage included
  std::vector<GameEntry> games;  // the game entries handed over to, in order
};

// The first three chain from stage 20 to the finale's end (split to keep each
// short); the other two play the finale down the second rows of its choices.
const Stretch kStretches[] = {
    {"StageTwentyThroughTheCasino", 20, 70, {},
     {20, 21, 22, 23, 25, 26, 27, 28, 29, 30, 35, 36, 37, 38, 39, 40, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55,
      60, 61, 62, 63, 64, 65, 70},
     {{51, -2, 0}, {52, 1, 0}, {51, -3, 0}, {53, 0, 0}, {59, 0, 0}, {54, 1, 0}}},
    {"StageSeventyThroughTheRolePlayingGame", 70, 80, {},
     {70, 71, 72, 73, 74, 75, 80}, {{55, 0, 0}}},
    {"StageEightyToTheFinalesEndByTheFirstRows", 80, 0, {},
     {80, 81, 82, 83, 84, 85, 90, 91, 92, 100, 105, 200, 106, 130, 131, 140, 145},
     {{56, 0, 0}, {60, 0, 1}, {60, 0, 2}}},
    {"FinaleBySecondThenFirstRow", 100, 0, {100},
     {100, 110, 115, 202, 106, 130, 131, 140, 145}, {{60, 0, 1}, {60, 0, 2}}},
    {"FinaleBySecondRowsTwice", 100, 0, {100, 110},
     {100, 110, 120, 201, 106, 130, 131, 140, 145}, {{60, 0, 1}, {60, 0, 2}}},
};

void PrintTo(const Stretch& stretch, std::ostream* os) { *os << stretch.name; }

struct RunRecord {
  std::vector<int> stages;
  bool open = false;  // the last recorded stage is still running
  std::vector<GameEntry> games;
  std::vector<std::string> faults;  // each ends the run
  std::vector<std::string> drawn;   // balloon texts outside their place
  std::vector<std::string> staging;  // balloons cut or outside the window at a click
  std::set<std::string> drawnTexts;
  bool finished = false;
  int endScene = 0, furthest = 0;  // at the end of the run
  std::string saved;               // the progress in the save file then
  std::map<int, std::vector<std::string>> lines;  // each stage's lines as loaded (the store's are converted as they run)

  void Visit(int stage) {
    if (!open || stages.back() != stage) stages.push_back(stage);
    open = true;
  }
};

RunRecord* running = nullptr;
void (*storyLeave)(int) = nullptr;

std::string LineAt(int line) {
  const std::vector<std::string>& lines = running->lines[SceneCursor.StageNumber];
  const bool inside = line >= 0 && line < static_cast<int>(lines.size());
  return "line " + std::to_string(line + 1) + (inside ? " " + lines[static_cast<size_t>(line)] : "");
}

std::string Where() {
  return "stage " + std::to_string(SceneCursor.StageNumber) + " " + LineAt(ScriptStore.CurrentScriptLine) + " (scene " +
         std::to_string(SceneCursor.SceneCode) + "/" + std::to_string(SceneCursor.SceneState) + "/" +
         std::to_string(SceneCursor.SceneStep) + ")";
}

// A program folder of the stretch's own, so that runs side by side keep their save
// files apart; its pictures are the stand-ins the stage tests share, linked in.
std::string RunRoot(const std::string& name) {
  return tq::testing::StandInPictureRoot("marbrook_run_" + name, "Tanselr_Data/TanselrCG/");
}

RunRecord Play(const Stretch& stretch) {
  EngineHarness h(kModeMarbrook, RunRoot(stretch.name));
  std::filesystem::remove(std::filesystem::u8path(MarbrookSavePath()));  // a story not yet finished
  h.Start();
  SceneCursor.SceneCode = 0;  // no title opening
  h.RunUntil(500);
  // A bound well past any click-through: every line of each stage, and the stall
  // allowance of each.
  RunRecord run;
  running = &run;
  uint32_t clicks = 0;
  for (int stage : stretch.stages) {
    run.lines[stage] = tq::testing::LoadedMarbrookStage(stage);
    clicks += static_cast<uint32_t>(run.lines[stage].size()) + kStallClicks;
  }
  ModeHookSet& mode = ModeHooksFor(ModeId::Marbrook);
  storyLeave = mode.LeaveScene;
  // A stage end: it must come on the stage's own end line; the story then routes it.
  mode.LeaveScene = [](int value) {
    const std::vector<std::string>& lines = running->lines[SceneCursor.StageNumber];
    const int line = ScriptStore.CurrentScriptLine;
    if (line < 0 || line >= static_cast<int>(lines.size()) || lines[static_cast<size_t>(line)] != kStageEnd) {
      running->faults.push_back("ends away from its end line: " + Where());
    }
    running->Visit(SceneCursor.StageNumber);
    running->open = false;
    storyLeave(value);
  };
  for (int scene : kGameScenes) {
    MarbrookScreen(scene).Step = [] {
      running->games.push_back({SceneCursor.SceneCode, SceneCursor.SceneState, SceneCursor.SceneStep});
      HandBackWithoutGame();
    };
  }

  const uint32_t start = h.Now();
  const uint32_t bound = start + clicks * kClickMs;
  tq::testing::BalloonStagingWatch watch(h.Platform(), start + kClickMs, [] {
    if (SceneCursor.SceneCode != kConversationScene) return std::string();
    return "stage " + std::to_string(SceneCursor.StageNumber) + " " + LineAt(ScriptStore.CurrentScriptLine - 1);
  });
  std::vector<int> last;
  uint32_t lastMove = start;
  std::function<void(uint32_t)> tick = [&](uint32_t now) {
    const bool conversation = SceneCursor.SceneCode == kConversationScene;
    if (conversation) run.Visit(SceneCursor.StageNumber);
    run.finished = stretch.stop != 0 ? conversation && SceneCursor.StageNumber == stretch.stop : SceneCursor.SceneCode == kTitleScene;
    if (run.finished) {
      h.Platform().SetUntil(now);
      return;
    }
    const std::vector<int> at = {SceneCursor.SceneCode, SceneCursor.SceneState, SceneCursor.SceneStep, SceneCursor.StageNumber,
                                 ScriptStore.CurrentScriptLine};
    if (at != last) last = at, lastMove = now;
    if (now - lastMove >= kStallClicks * kClickMs) run.faults.push_back("stuck for " + std::to_string(kStallClicks) + " clicks at " + Where());
    if (conversation && ScriptStore.CurrentScriptLine >= ScriptStore.ScriptLineCount) run.faults.push_back("ran past its script: " + Where());
    if (now >= bound) run.faults.push_back("not through by " + std::to_string((now - start) / 1000) + " s, at " + Where());
    if (!run.faults.empty()) {
      h.Platform().SetUntil(now);
      return;
    }
    if (conversation && FrameClock.WaitActive == 0) {
      const int line = ScriptStore.CurrentScriptLine - 1;  // the line just run
      const std::string where = "stage " + std::to_string(SceneCursor.StageNumber) + " " + LineAt(line);
      for (std::string& fault : tq::testing::BalloonTextsOutside(where, run.drawnTexts)) run.drawn.push_back(std::move(fault));
      for (const std::string& fault : watch.AtClickWait()) run.staging.push_back(where + ": " + fault);
    }
    int x = 460, y = 345;
    const int state = SceneCursor.SceneState;
    if (conversation && (state == 30 || state == 31)) {
      // A branch's choice (31 has one row only).
      const int row = state == 30 && stretch.secondRow.count(SceneCursor.StageNumber) ? 1 : 0;
      std::tie(x, y) = tq::testing::ChoiceRowMiddle(row);
    }
    h.ClickAt(now + 1, x, y);
    h.Platform().At(now + kClickMs, [&tick, now] { tick(now + kClickMs); });
  };
  SetPrintRecording(true);
  h.EnterConversationAt(stretch.first, tq::testing::EntryTick::kNow);
  h.Platform().At(start + kClickMs, [&tick, start] { tick(start + kClickMs); });
  h.RunUntil(bound + kClickMs);
  SetPrintRecording(false);
  for (std::string& fault : watch.Faults()) run.staging.push_back(std::move(fault));
  run.endScene = SceneCursor.SceneCode;
  run.furthest = MarbrookProgress.FurthestStage;
  run.saved = C00_IniRead("Game", "0", MarbrookSavePath());
  running = nullptr;
  return run;
}

class MarbrookStoryRun : public ::testing::TestWithParam<Stretch> {};

TEST_P(MarbrookStoryRun, PlaysThroughInTheStoryOrderUnderAClickEveryOneAndAHalfSeconds) {
  const Stretch& stretch = GetParam();
  const RunRecord run = Play(stretch);
  for (const std::string& fault : run.faults) ADD_FAILURE() << fault;
  for (const std::string& fault : run.drawn) ADD_FAILURE() << fault;
  for (const std::string& fault : run.staging) ADD_FAILURE() << fault;
  EXPECT_TRUE(run.finished) << "did not reach its stop";
  EXPECT_EQ(run.stages, stretch.stages) << "the stages in the order they ran";
  EXPECT_EQ(run.games, stretch.games) << "the game entries handed over to";
  if (stretch.stop == 0) {
    // The finale's end: the title, and the story saved as finished.
    EXPECT_EQ(run.endScene, kTitleScene);
    EXPECT_EQ(run.furthest, 999);
    EXPECT_EQ(run.saved, "999") << "the finished story is saved";
  } else {
    const int ended = stretch.stages[stretch.stages.size() - 2];
    EXPECT_EQ(run.furthest, ended) << "the progress of the last stage ended";
    EXPECT_EQ(run.saved, std::to_string(ended));
  }
}

INSTANTIATE_TEST_SUITE_P(FromStageTwenty, MarbrookStoryRun, ::testing::ValuesIn(kStretches),
                         [](const ::testing::TestParamInfo<Stretch>& info) { return std::string(info.param.name); });

}  // namespace
