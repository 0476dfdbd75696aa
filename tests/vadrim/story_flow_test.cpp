// The Vadrim story flow: what follows each stage by play mode, the hand-over to a
// board or the title, the leave hook, and which stages push a script.
#include "vadrim/story_flow.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "engine/frame_model.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/system_menu.h"
#include "marbrook/save_file.h"
#include "platform/platform.h"
#include "scenario/auto_reading.h"
#include "scenario/face_slots.h"
#include "scenario/scene_sounds.h"
#include "scenario/script_store.h"
#include "support/engine_harness.h"
#include "vadrim/vadrim_save.h"

namespace {

using tq::testing::LayerVisible;

class VadrimStoryFlow : public ::testing::Test {
 protected:
  VadrimStoryFlow() : harness_(kModeVadrim) { harness_.Start(); }
  tq::testing::EngineHarness harness_;
};

struct After {
  int scene, state, step, stage, gameStage, readSpeed;
  bool indicator;
  bool operator==(const After&) const = default;
};
std::ostream& operator<<(std::ostream& os, const After& a) {
  return os << "scene " << a.scene << "," << a.state << "," << a.step << " stage " << a.stage << " GameStage "
            << a.gameStage << " ReadSpeed " << a.readSpeed << " indicator " << a.indicator;
}


After End(int playMode, int stage) {
  SceneCursor = {10, 10, 0, stage, 0};
  ModeState.PlayMode = playMode;
  ReadState.ReadSpeed = 2;
  VadrimProgress.GameStage = 77;
  ShowLayer(SystemLayerSet.AutoIndicatorLayer, true);
  ShowLayer(SystemLayerSet.OverlayLayer, true);  // a closing's white cover, left grown
  D20_StageEnd();
  return {SceneCursor.SceneCode, SceneCursor.SceneState, SceneCursor.SceneStep, SceneCursor.StageNumber,
          VadrimProgress.GameStage, ReadState.ReadSpeed, LayerVisible(SystemLayerSet.AutoIndicatorLayer)};
}

TEST_F(VadrimStoryFlow, WhatFollowsAStageByPlayMode) {
  struct Case {
    int playMode, stage;
    After expected;
  } cases[] = {
      // The story: the next stage at once, keeping the reading; boards and title
      // states after the hand-over.
      {0, 12, {10, 5, 1, 13, 13, 2, true}},
      {0, 10, {51, 1, 0, 10, 21, 0, false}},
      {0, 54, {10, 5, 1, 55, 55, 2, true}},
      {0, 55, {51, 1, 0, 55, 11, 0, false}},
      {0, 33, {10, 5, 1, 40, 40, 2, true}},
      {0, 1, {99, 20, 0, 1, -1, 0, false}},
      {0, 13, {99, 500, 0, 13, 0, 0, false}},
      {0, 24, {99, 500, 0, 24, 1, 0, false}},
      {0, 57, {99, 500, 0, 57, 2, 0, false}},
      {0, 61, {99, -1, 0, 61, -1, 0, false}},
      {0, 90, {10, 5, 1, 0, 0, 2, true}},
      {0, 0, {10, 5, 1, 0, 0, 2, true}},
      // The scene gallery skips 55 and ends its chains in the gallery.
      {1, 54, {10, 5, 1, 56, 56, 2, true}},
      {1, 13, {99, 60, -4, 13, -1, 0, false}},
      {1, 56, {99, 60, -4, 56, -1, 0, false}},
      {1, 10, {10, 5, 1, 0, 0, 2, true}},
      // The stage gallery runs every stage in route order.
      {2, 54, {10, 5, 1, 55, 55, 2, true}},
      {2, 33, {10, 5, 1, 40, 40, 2, true}},
      {2, 1, {99, 20, 0, 1, -1, 0, false}},
      {2, 13, {99, 120, -4, 13, -1, 0, false}},
      {2, 61, {99, 120, -4, 61, -1, 0, false}},
      {2, 90, {10, 5, 1, 0, 0, 2, true}},
      // The extra stage.
      {3, 90, {99, 100, -4, 90, -1, 0, false}},
      {3, 10, {10, 5, 1, 0, 0, 2, true}},
      {5, 10, {10, 5, 1, 0, 0, 2, true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("play mode " + std::to_string(c.playMode) + " stage " + std::to_string(c.stage));
    EXPECT_EQ(End(c.playMode, c.stage), c.expected);
    EXPECT_FALSE(LayerVisible(SystemLayerSet.OverlayLayer)) << "the white cover outlives the stage";
  }
}

TEST_F(VadrimStoryFlow, EveryStoryStageLeadsOnAndTheRoutesChainAsTold) {
  // Following the story from each route's first stage, with each board returning to
  // the stage after it, reaches the route's end.
  const std::vector<std::pair<int, int>> boardReturns = {
      {21, 11}, {22, 12}, {31, 21}, {32, 22}, {33, 23}, {1, 31}, {2, 32}, {3, 33},
      {4, 41},  {5, 42},  {6, 43},  {7, 51},  {8, 52},  {9, 53}, {10, 54}, {11, 56}};
  struct Route {
    int first;
    std::vector<int> chain;
    int titleState;
  } routes[] = {
      {10, {10, 11, 12, 13}, 500},
      {20, {20, 21, 22, 23, 24}, 500},
      {30, {30, 31, 32, 33, 40, 41, 42, 43, 50, 51, 52, 53, 54, 55, 56, 57}, 500},
      {60, {60, 61}, -1},
  };
  for (const Route& r : routes) {
    SCOPED_TRACE("route from " + std::to_string(r.first));
    std::vector<int> seen;
    int stage = r.first;
    for (int guard = 0; guard < 40; ++guard) {
      seen.push_back(stage);
      const After a = End(0, stage);
      if (a.scene == 99) {
        EXPECT_EQ(a.state, r.titleState);
        break;
      }
      if (a.scene == 51) {
        int next = -1;
        for (const auto& [board, after] : boardReturns) {
          if (board == a.gameStage) next = after;
        }
        ASSERT_NE(next, -1) << "board " << a.gameStage;
        stage = next;
      } else {
        stage = a.stage;
      }
    }
    EXPECT_EQ(seen, r.chain);
  }
}

TEST_F(VadrimStoryFlow, TheLeaveHookEndsTheStageWhateverItsValue) {
  for (int value : {0, 3, -1}) {
    SCOPED_TRACE(value);
    SceneCursor = {10, 10, 0, 12, 0};
    ModeState.PlayMode = 0;
    D20_LeaveHook(value);
    EXPECT_EQ(SceneCursor.StageNumber, 13);
    EXPECT_EQ(SceneCursor.SceneState, 5);
    EXPECT_EQ(SceneCursor.SceneStep, 1);
  }
}

TEST_F(VadrimStoryFlow, OnlyTheThirtyStagesPushAScript) {
  EXPECT_EQ(VadrimStages().size(), 30u);
  SetVadrimStageScriptOverride({"[ウェイト]：Fu=1", "[ウェイト]：Fu=2", "[ウェイト]：Fu=3", "[別のゲームへ]"});
  for (int stage : {2, 58, 91, -1, 14, 100}) {
    SCOPED_TRACE(stage);
    ScriptStore.ScriptLineCount = 0;
    PushScriptLine("kept");
    ScriptStore.CurrentScriptLine = 1;
    SceneCursor.StageNumber = stage;
    D20_LoadStage();
    EXPECT_EQ(ScriptStore.ScriptLineCount, 1);
    EXPECT_EQ(ScriptStore.ScriptText[0], "kept");
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
  }
  for (int stage : VadrimStages()) {
    SCOPED_TRACE(stage);
    SceneSound.DefaultFaceSoundOn = 5;
    ScriptStore.CurrentScriptLine = 9;
    SceneCursor.StageNumber = stage;
    ModeState.PlayMode = 1;
    D20_LoadStage();
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 0);
    EXPECT_EQ(SceneSound.DefaultFaceSoundOn, stage == 20 ? -1 : 0);
    // Four stages drop their closing's sound and shrink when they end a scene-gallery chain.
    const bool shortened = stage == 33 || stage == 43 || stage == 53 || stage == 56;
    EXPECT_EQ(ScriptStore.ScriptLineCount, shortened ? 2 : 4);
    EXPECT_EQ(ScriptStore.ScriptText[static_cast<size_t>(ScriptStore.ScriptLineCount - 1)], "[別のゲームへ]");
  }
  ModeState.PlayMode = 2;
  SceneCursor.StageNumber = 33;
  D20_LoadStage();
  EXPECT_EQ(ScriptStore.ScriptLineCount, 4);
  RecoilState.MoveTypeScaleX[10] = 0;
  SceneCursor.StageNumber = 55;
  D20_LoadStage();
  EXPECT_EQ(RecoilState.MoveTypeScaleX[10], 10);
  EXPECT_EQ(RecoilState.MoveTypeScaleY[10], 10);
}

std::vector<std::string> Pushed() {
  return {ScriptStore.ScriptText.begin(), ScriptStore.ScriptText.begin() + ScriptStore.ScriptLineCount};
}

// The flip-books of stages 54 and 56 hold their first group of four lines once and
// push it twice, before stage 56 drops its closing's two lines outside the story.
TEST_F(VadrimStoryFlow, TheFlipBookStagesPushTheirFirstGroupTwice) {
  const std::vector<std::string> file = {
      "●1：[顔の設定]：■[顔No]=01：[顔BMPNo]=0160：[顔FXNo]=10",
      "●1：[BMP変更]：■BMP番号=0161：BMP番号2=00", "[ウェイト]：Fu=2",
      "●1：[BMP変更]：■BMP番号=0160：BMP番号2=00", "[ウェイト]：Fu=2",
      "●1：[BMP変更]：■BMP番号=0161：BMP番号2=00", "[ウェイト]：Fu=1　速く",
      "●1：[BMP変更]：■BMP番号=0162：BMP番号2=00", "[ウェイト]：Fu=5",
      "[効果音]：Ｚ：■サウ番=11：サウID=01", "[通常イベ]：Ev種=07：Ev分=00：Ev細分=5：Ｚ", "[別のゲームへ]"};
  const std::vector<std::string> group(file.begin() + 1, file.begin() + 5);
  SetVadrimStageScriptOverride(file);
  struct Case {
    int stage, playMode;
    size_t count;
  } cases[] = {{54, 0, 16}, {54, 1, 16}, {56, 0, 16}, {56, 2, 16}, {56, 1, 14}, {55, 0, 12}, {53, 1, 10}};
  for (const Case& c : cases) {
    SCOPED_TRACE("stage " + std::to_string(c.stage) + " play mode " + std::to_string(c.playMode));
    ModeState.PlayMode = c.playMode;
    SceneCursor.StageNumber = c.stage;
    D20_LoadStage();
    const std::vector<std::string> pushed = Pushed();
    ASSERT_EQ(pushed.size(), c.count);
    const bool twice = c.stage == 54 || c.stage == 56;
    EXPECT_EQ(std::vector<std::string>(pushed.begin() + 5, pushed.begin() + 9) == group, twice);
    EXPECT_EQ(std::vector<std::string>(pushed.begin() + 1, pushed.begin() + 5), group);
    EXPECT_EQ(pushed.back(), "[別のゲームへ]");
  }
  // Without a picture change there is nothing to repeat.
  SetVadrimStageScriptOverride({"[ウェイト]：Fu=1", "[ウェイト]：Fu=2", "[別のゲームへ]"});
  ModeState.PlayMode = 0;
  SceneCursor.StageNumber = 54;
  D20_LoadStage();
  EXPECT_EQ(Pushed(), (std::vector<std::string>{"[ウェイト]：Fu=1", "[ウェイト]：Fu=2", "[別のゲームへ]"}));
}

TEST_F(VadrimStoryFlow, TheTestStartIsStage13) {
  SceneCursor.StageNumber = 40;
  D20_DebugStage();
  EXPECT_EQ(SceneCursor.StageNumber, 13);
}

}  // namespace
