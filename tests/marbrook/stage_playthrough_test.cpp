// Every Marbrook stage the program holds (each story file, each finale entry, each
// intermission), played in the conversation screen from its first line by a player
// who clicks at a steady pace: it reaches its end line (the stage end, or the choice
// of a branch line) within a bound, never stalls on a line, never runs past its
// script, prints every balloon text inside its balloon and inside the window, keeps
// the staging at every click (the newest balloon whole and inside the window, every
// older one shown wholly visible or wholly covered, no older balloon's tail showing
// from under a reply that covers it, every thought chain ending at its balloon and
// leading to its thinker, no hop or shake of the line read left until after the
// click) and between the clicks (no tail or bubble of a closed balloon, no thought
// chain standing wrong), lets every line be read (the current line at a click wait,
// or for two seconds), and loads only pictures that have stand-ins. A stage that
// goes on from the screen another leaves (the branch's picks, the finale's later
// entries) is played after the stages that lead to it. Stage files that land later
// are played by themselves.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "engine/frame_model.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "engine/system_menu.h"
#include "engine/text.h"
#include "marbrook/marbrook_pictures.h"
#include "marbrook/story_flow.h"
#include "platform/compositor.h"
#include "platform/platform.h"
#include "support/balloon_staging.h"
#include "support/engine_harness.h"
#include "support/marbrook_stages.h"
#include "support/stand_in_pictures.h"

namespace {

using tq::testing::EngineHarness;

// A player's pace: the story's own bound is a click every 1.5 seconds.
constexpr uint32_t kClickMs = 1500;
// A line that has not moved on after this many clicks is stuck.
constexpr uint32_t kStallMs = 40 * kClickMs;
const std::string kCurtainOpening = "[Tanselイベ]：Ｚ：Ev種=20：Ev分=00";

bool IsEndLine(const std::string& line) { return line == "[別のゲームへ]" || line.rfind("[即実行イベ]", 0) == 0; }

// The Marbrook pictures at their stand-in sizes (plain black): balloons take their
// places from the faces' sizes.
const std::string& PictureRoot() {
  static const std::string root = tq::testing::StandInPictureRoot("thornquill_marbrook_stages", "Tanselr_Data/TanselrCG/");
  return root;
}

// A stage as the loader pushes it: its lines, where it starts and its end line.
struct StageLines {
  std::vector<std::string> lines;
  int start = 0, end = -1;
};
StageLines Lines(int stage) {
  StageLines s;
  s.lines = tq::testing::LoadedMarbrookStage(stage);
  s.start = ScriptStore.CurrentScriptLine;
  for (int i = s.start; i < static_cast<int>(s.lines.size()) && s.end < 0; ++i) {
    if (IsEndLine(s.lines[static_cast<size_t>(i)])) s.end = i;
  }
  return s;
}

// How one stage leads on to the next of a chain.
struct Step {
  int stage = 0;
  enum { Next, Game, Pick } how = Next;
  int row = 0;  // Pick: the row of the branch's choice
};

// The stages to play before `stage` when it goes on from a screen that another
// stage leaves (it opens without the curtain and is no intermission), first to last;
// empty when it opens by itself. Call inside a harness.
std::vector<Step> LeadIn(int stage) {
  std::vector<Step> chain;
  for (int depth = 0; depth < 10; ++depth) {
    const StageLines s = Lines(stage);
    if (StageSourceOf(stage) == StageSource::Intermission || s.lines.empty() ||
        s.lines[static_cast<size_t>(s.start)] == kCurtainOpening) {
      break;
    }
    Step before;
    for (int p : tq::testing::HeldMarbrookStages()) {
      const StageLines l = Lines(p);
      if (l.end < 0 || l.lines[static_cast<size_t>(l.end)].rfind("[即実行イベ]", 0) != 0) continue;
      std::vector<std::string> f;
      int n = 0;
      SplitFields(l.lines[static_cast<size_t>(l.end)], "：", 19, f, n);
      for (int i = 1; i <= n; ++i) {
        const std::string& field = f[static_cast<size_t>(i)];
        for (int row : {0, 1}) {
          const std::string key = row == 0 ? "Ev分岐2=" : "Ev分岐3=";
          if (field.rfind(key, 0) == 0 && std::atoi(field.c_str() + key.size()) == stage) before = {p, Step::Pick, row};
        }
      }
    }
    for (int p = 1; p <= 202 && before.stage == 0; ++p) {
      const StageRoute r = RouteOf(0, p);
      if (Lines(p).lines.empty()) continue;
      if (r.kind == StageRoute::NextStage && r.stage == stage) before = {p, Step::Next};
      if (r.kind == StageRoute::HandOver && PostGameStage(r.scene, r.state, r.step) == stage) before = {p, Step::Game};
    }
    if (before.stage == 0) break;
    chain.insert(chain.begin(), before);
    stage = before.stage;
  }
  return chain;
}

struct StageRun {
  StageLines target;
  std::vector<Step> leadIn;
  bool ended = false;   // "[別のゲームへ]" reached the stage end
  bool choice = false;  // a branch line put up its choice
  int endLine = -1;     // where it ended or branched (0-based)
  std::vector<std::string> faults;  // each ends the play
  std::vector<std::string> drawn;   // balloon texts outside their place
  std::set<std::string> drawnTexts;  // reported once, not again when greyed
  std::vector<std::string> staging;  // balloons cut or outside the window at a click
  int looks = 0;                     // clicks at which the staging was looked at
};

StageRun* playing = nullptr;
int playedStage = 0;
std::set<std::pair<int, int>>* loadedPictures = nullptr;
void (*catalogueLoad)(int, int, int) = nullptr;

std::string LineAt(int line) {
  const bool inside = line >= 0 && line < ScriptStore.ScriptLineCount;
  return "line " + std::to_string(line + 1) + (inside ? " " + ScriptStore.ScriptText[static_cast<size_t>(line)] : "");
}

// Plays a stage from its first line (after its lead-in), a click every kClickMs,
// until it ends, puts up its choice, stalls or runs out of its bound.
StageRun PlayStage(int stage) {
  EngineHarness h(kModeMarbrook, PictureRoot());
  h.Start();
  SceneCursor.SceneCode = 0;  // no title opening
  h.RunUntil(500);
  StageRun run;
  run.target = Lines(stage);
  run.leadIn = LeadIn(stage);
  // A script without an end line is still played: to see where it runs to.
  if (run.target.end < 0) run.target.end = static_cast<int>(run.target.lines.size()) - 1;
  uint32_t budget = static_cast<uint32_t>(run.target.end - run.target.start + 40);
  for (const Step& s : run.leadIn) {
    const StageLines l = Lines(s.stage);
    budget += static_cast<uint32_t>(l.end - l.start + 40);
  }
  std::set<std::pair<int, int>> pictures;
  playing = &run;
  playedStage = stage;
  loadedPictures = &pictures;
  ModeHookSet& mode = ModeHooksFor(ModeId::Marbrook);
  // A lead-in stage goes on to the next of the chain as the story does (a game hands
  // straight back); the played stage's end is only recorded.
  mode.LeaveScene = [](int) {
    const int at = SceneCursor.StageNumber;
    for (size_t i = 0; i < playing->leadIn.size(); ++i) {
      const Step& s = playing->leadIn[i];
      if (s.stage != at) continue;
      const int next = i + 1 < playing->leadIn.size() ? playing->leadIn[i + 1].stage : playedStage;
      const StageRoute r = RouteOf(0, at);
      if (s.how == Step::Game) {
        SceneCursor = {r.scene, r.state, r.step, at, 0};
        HandBackWithoutGame();
      } else {
        SceneCursor.StageNumber = next;
        SceneCursor.SceneState = 5;
        SceneCursor.SceneStep = 1;
        Wait(0, 0);
      }
      return;
    }
    playing->ended = true;
    playing->endLine = ScriptStore.CurrentScriptLine;
    SceneCursor.SceneCode = 0;
  };
  catalogueLoad = mode.LoadPictureByKind;
  mode.LoadPictureByKind = [](int target, int kind, int number) {
    if (kind != 0) loadedPictures->insert({kind, number});
    catalogueLoad(target, kind, number);
  };
  const uint32_t start = h.Now();
  const uint32_t bound = start + budget * kClickMs;
  // The played stage only: its lead-in is another stage's test.
  tq::testing::BalloonStagingWatch watch(h.Platform(), start + kClickMs, [stage, &run] {
    const int line = ScriptStore.CurrentScriptLine;
    if (SceneCursor.SceneCode != kConversationScene || SceneCursor.StageNumber != stage || line < 1 ||
        line > static_cast<int>(run.target.lines.size())) {
      return std::string();
    }
    return "line " + std::to_string(line) + " " + run.target.lines[static_cast<size_t>(line - 1)];
  });
  uint32_t lastMove = start;
  int lastLine = -1, lastStage = -1;
  std::function<void(uint32_t)> tick = [&](uint32_t now) {
    const int line = ScriptStore.CurrentScriptLine;
    const bool branched = SceneCursor.SceneState == 30 || SceneCursor.SceneState == 31;
    const bool here = SceneCursor.StageNumber == stage;
    if (run.ended || (branched && here)) {
      run.choice = !run.ended;
      if (run.choice) run.endLine = line;
      h.Platform().SetUntil(now);
      return;
    }
    if (line >= ScriptStore.ScriptLineCount) run.faults.push_back("ran past its script to " + LineAt(line));
    if (line != lastLine || SceneCursor.StageNumber != lastStage) lastLine = line, lastStage = SceneCursor.StageNumber, lastMove = now;
    const std::string where = "stage " + std::to_string(SceneCursor.StageNumber) + " " + LineAt(line);
    if (now - lastMove >= kStallMs) run.faults.push_back("stalls at " + where);
    if (now >= bound) run.faults.push_back("has not ended by " + std::to_string((now - start) / 1000) + " s, at " + where);
    if (!run.faults.empty()) {
      h.Platform().SetUntil(now);
      return;
    }
    if (FrameClock.WaitActive == 0 && here && line >= 1 && line <= static_cast<int>(run.target.lines.size())) {
      const std::string at = "line " + std::to_string(line) + " " + run.target.lines[static_cast<size_t>(line - 1)];
      for (std::string& fault : tq::testing::BalloonTextsOutside(at, run.drawnTexts)) run.drawn.push_back(std::move(fault));
      if (SceneCursor.SceneCode == kConversationScene) {
        ++run.looks;
        for (const std::string& fault : watch.AtClickWait()) run.staging.push_back(at + ": " + fault);
      }
    }
    int x = 460, y = 345;
    if (branched) {
      // The lead-in's choice: the row that picks the next stage of the chain.
      int row = 0;
      for (const Step& s : run.leadIn) row = s.stage == SceneCursor.StageNumber ? s.row : row;
      std::tie(x, y) = tq::testing::ChoiceRowMiddle(row);
    }
    h.ClickAt(now + 1, x, y);
    h.Platform().At(now + kClickMs, [&tick, now] { tick(now + kClickMs); });
  };
  SetPrintRecording(true);
  h.EnterConversationAt(run.leadIn.empty() ? stage : run.leadIn.front().stage, tq::testing::EntryTick::kNow);
  h.Platform().At(start + kClickMs, [&tick, start] { tick(start + kClickMs); });
  h.RunUntil(bound + kClickMs);
  SetPrintRecording(false);
  for (std::string& fault : watch.Faults()) run.staging.push_back(std::move(fault));
  for (const auto& [kind, number] : pictures) {
    if (tq::testing::StandInFile(MarbrookPicturePath(kind, number)) == nullptr) {
      run.faults.push_back("loads picture " + std::to_string(kind) + ": " + std::to_string(number) + " (" +
                           MarbrookPicturePath(kind, number) + "), which has no stand-in");
    }
  }
  playing = nullptr;
  loadedPictures = nullptr;
  return run;
}

class MarbrookStagePlaythrough : public ::testing::TestWithParam<int> {};

TEST_P(MarbrookStagePlaythrough, ReachesItsEndUnderAClickEveryOneAndAHalfSeconds) {
  const StageRun run = PlayStage(GetParam());
  ASSERT_FALSE(run.target.lines.empty());
  EXPECT_TRUE(IsEndLine(run.target.lines[static_cast<size_t>(run.target.end)])) << "no end line after line " << run.target.start + 1;
  for (const std::string& fault : run.faults) ADD_FAILURE() << fault;
  for (const std::string& fault : run.drawn) ADD_FAILURE() << fault;
  EXPECT_GT(run.looks, 0) << "the staging was never looked at";
  for (const std::string& fault : run.staging) ADD_FAILURE() << fault;
  const bool branch = run.target.lines[static_cast<size_t>(run.target.end)] != "[別のゲームへ]";
  EXPECT_EQ(run.ended, !branch);
  EXPECT_EQ(run.choice, branch);
  EXPECT_EQ(run.endLine + 1, run.target.end + 1) << "the line it ended on";
}

INSTANTIATE_TEST_SUITE_P(EveryHeldStage, MarbrookStagePlaythrough, ::testing::ValuesIn(tq::testing::HeldMarbrookStages()),
                         [](const ::testing::TestParamInfo<int>& info) { return "Stage" + std::to_string(info.param); });

// The stages that go on from another's screen are played after the stages that
// lead to them: a branch's pick after its choice, a stage after the one whose route
// or game leads to it.
TEST(MarbrookStageLeadIn, FollowsBranchesRoutesAndGames) {
  EngineHarness h(kModeMarbrook);
  const std::vector<Step> seven = LeadIn(7), eight = LeadIn(8);
  ASSERT_EQ(seven.size(), 1u);
  EXPECT_TRUE(seven[0].stage == 6 && seven[0].how == Step::Pick && seven[0].row == 0);
  ASSERT_EQ(eight.size(), 1u);
  EXPECT_TRUE(eight[0].stage == 6 && eight[0].how == Step::Pick && eight[0].row == 1);
  EXPECT_TRUE(LeadIn(2).empty()) << "opens with the curtain";
  EXPECT_TRUE(LeadIn(5).empty()) << "an intermission opens by itself";
}

}  // namespace
