// The Skelvane stage scripts held to their counts, fixed lines and chaining, and
// the stage loader's behaviour.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>

#include "engine/content_texts.h"
#include "engine/frame_model.h"
#include "engine/modes.h"
#include "scenario/script_store.h"
#include "skelvane/conversation_hooks.h"
#include "support/balloon_staging.h"
#include "support/engine_harness.h"
#include "support/stand_in_pictures.h"
#include "platform/compositor.h"
#include "platform/platform.h"

namespace {

std::vector<std::string> Lines(const char* name) {
  std::vector<std::string> out;
  for (const char* line : ContentLines("skelvane", name)) out.emplace_back(line);
  return out;
}

int CountCommand(const std::vector<std::string>& lines, const std::string& command) {
  int n = 0;
  for (const std::string& l : lines) n += l == command || l.rfind(command + "：", 0) == 0;
  return n;
}

TEST(SkelvaneStageScripts, LineCountsFixedLinesAndChaining) {
  const auto s1 = Lines("stage001"), s2 = Lines("stage002"), s10 = Lines("stage010");
  EXPECT_EQ(s1.size(), 69u);
  EXPECT_EQ(s2.size(), 3u);
  EXPECT_EQ(s10.size(), 270u);
  EXPECT_EQ(s1.front(), "[ウェイト]：Fu=5");
  EXPECT_EQ(s1.back(), "[別のシーンへ]：Fu=2");
  EXPECT_EQ(s2, (std::vector<std::string>{"[特殊イベ]：Ev種=14", "[イベ直接・基本]：Ev分=1", "[別のシーンへ]：Fu=10"}));
  ASSERT_GE(s10.size(), 2u);
  EXPECT_EQ(s10[s10.size() - 2], "[通常イベ]：Ev種=42");
  EXPECT_EQ(s10.back(), "[通常イベ]：Ev種=43");
  EXPECT_EQ(CountCommand(s10, "[別のシーンへ]") + CountCommand(s10, "[別のゲームへ]"), 0);
}

TEST(SkelvaneStageScripts, Stage10CommandAndBalloonCounts) {
  const auto s10 = Lines("stage010");
  const std::map<std::string, int> commands = {
      {"[フキA]", 100},          {"[フキ消去]", 26},   {"[同時・フキ消去]", 8},     {"[フキ移動]", 18},
      {"[フ別移動]", 3},         {"[フキバック]", 7},  {"[最前面へ]", 3},           {"[同時・顔の移動]", 29},
      {"[同時スタートのみ]", 14}, {"[顔の移動]", 12},  {"[ウェイト]", 16},          {"[顔の設定]", 7},
  };
  for (const auto& [command, count] : commands) {
    SCOPED_TRACE(command);
    EXPECT_EQ(CountCommand(s10, command), count);
  }
  std::map<std::string, int> kinds;
  const std::regex kind("フ種=\\(([^)]*)\\)");
  int ty11 = 0;
  for (const std::string& l : s10) {
    std::smatch m;
    if (std::regex_search(l, m, kind)) kinds[m[1]] += 1;
    ty11 += l.find("Ty=11") != std::string::npos;
  }
  const std::map<std::string, int> expected = {
      {"99,**,-1", 45}, {"99,**,-2", 29}, {"20,**,-1", 8}, {"20,**,-2", 4}, {"20,+4,-1", 3}, {"20,-3,-2", 1},
      {"10,+4,-1", 2},  {"10,+4,-2", 2},  {"10,**,-2", 2}, {"10,**,-1", 1}, {"50,10,0", 1},  {"50,11,0", 1},
      {"50,00,0", 1},
  };
  EXPECT_EQ(kinds, expected);
  EXPECT_EQ(ty11, 41);
}

TEST(SkelvaneStageScripts, LoaderPushesTheStageAndIgnoresOthers) {
  tq::testing::EngineHarness h(kModeSkelvane);
  GameMode = kModeSkelvane;
  struct Case {
    int stage;
    int count;
  };
  for (const Case& c : {Case{1, 69}, Case{2, 3}, Case{10, 270}, Case{2, 3}}) {
    SCOPED_TRACE(c.stage);
    ScriptStore.CurrentScriptLine = 5;
    SceneCursor.StageNumber = c.stage;
    StageDispatch();
    EXPECT_EQ(ScriptStore.ScriptLineCount, c.count);
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 0);
  }
  SceneCursor.StageNumber = 100;
  StageDispatch();
  EXPECT_EQ(ScriptStore.ScriptLineCount, 3);
}

TEST(SkelvaneStageScripts, ClicksPlayStage10ToTheEndAndReturnToTheTitle) {
  tq::testing::EngineHarness h(kModeSkelvane);
  for (uint32_t t = 1000; t < 300000; t += 1000) h.ClickAt(t, 460, 300);
  h.Start();
  h.RunUntil(300000);
  EXPECT_EQ(SceneCursor.SceneCode, 99);
}

// The Skelvane catalogue's pictures at their stand-in sizes: balloons are placed
// beside the faces, so the layout needs the faces' real sizes.
std::string SkelvanePictureRoot() {
  static const std::string root = tq::testing::StandInPictureRoot("thornquill_skelvane_stage_test", "bmp_data/");
  return root;
}

// Stage 10 reached from the title through stage 2 (whose picture table, the title's,
// holds numbers the catalogue does not list) looks for no picture without a name.
TEST(SkelvaneStageScripts, Stage10AfterStage2LooksForNoNamelessPicture) {
  tq::testing::EngineHarness h(kModeSkelvane, SkelvanePictureRoot());
  h.EnterConversationAt(2);  // as the title enters it
  std::set<int> stages;
  for (uint32_t t = 1000; t < 60000; t += 1000) {
    h.ClickAt(t, 460, 300);
    h.Platform().At(t + 500, [&stages] { stages.insert(SceneCursor.StageNumber); });
  }
  ::testing::internal::CaptureStderr();
  h.Start();
  h.RunUntil(60000);
  const std::string reports = ::testing::internal::GetCapturedStderr();
  EXPECT_TRUE(stages.count(10) == 1);
  EXPECT_EQ(reports.find("/.BMP"), std::string::npos) << reports;
}

// The opening's crumbling city (event 11 on layer 21) shows whole while it falls:
// the small black layers the opening moved in earlier stay under it, and only the
// event's own falling square (layer 25) passes over it.
TEST(SkelvaneStageScripts, TheOpeningsCrumblingCityIsCoveredByNothingButItsSquare) {
  tq::testing::EngineHarness h(kModeSkelvane, SkelvanePictureRoot());
  h.EnterConversationAt(1);
  int checked = 0;
  for (uint32_t t = 1000; t < 80000; t += 1000) h.ClickAt(t, 460, 300);
  for (uint32_t t = 1000; t < 80000; t += 100) {
    h.Platform().At(t, [&checked, t] {
      if (SceneCursor.StageNumber != 1 || FrameClock.AnimationCode != 1611) return;
      ++checked;
      const tq::Compositor& screen = tq::ThePlatform().Screen();
      const tq::LayerSurface& city = screen.Layer(21);
      for (int layer = 0; layer < tq::kLayerCount; ++layer) {
        const tq::LayerSurface& l = screen.Layer(layer);
        if (layer == 21 || layer == 25 || !l.visible || screen.ZIndex(layer) < screen.ZIndex(21)) continue;
        const bool overlaps = l.x < city.x + city.image.Width() && city.x < l.x + l.image.Width() &&
                              l.y < city.y + city.image.Height() && city.y < l.y + l.image.Height();
        EXPECT_FALSE(overlaps) << "at " << t << " ms layer " << layer << " lies over the city";
      }
    });
  }
  h.Start();
  h.RunUntil(80000);
  EXPECT_GT(checked, 10);
}

// Every second, just before the click, a player reads the newest balloon whole and
// no older balloon shows a fragment: each lies inside the window and is either fully
// visible or fully covered.
void CheckBalloonsWhole(uint32_t at) {
  if (SceneCursor.SceneCode != 10) return;
  SCOPED_TRACE(testing::Message() << "at " << at << " ms, script line " << ScriptStore.CurrentScriptLine + 1);
  for (const std::string& fault : tq::testing::BalloonStagingFaults()) ADD_FAILURE() << fault;
}

TEST(SkelvaneStageScripts, Stage10BalloonsAreWholeOrHiddenAtEveryClick) {
  tq::testing::EngineHarness h(kModeSkelvane, SkelvanePictureRoot());
  static int checked;
  checked = 0;
  for (uint32_t t = 1000; t < 300000; t += 1000) {
    h.ClickAt(t, 460, 680);
    h.Platform().At(t - 1, [t] {
      checked += SceneCursor.SceneCode == 10;
      CheckBalloonsWhole(t - 1);
    });
  }
  h.Start();
  h.RunUntil(300000);
  EXPECT_GT(checked, 150);
  EXPECT_EQ(SceneCursor.SceneCode, 99) << "the story ends on the title";
}

}  // namespace
