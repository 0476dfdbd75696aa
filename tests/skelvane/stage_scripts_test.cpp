// The Skelvane stage scripts held to their counts, fixed lines and chaining, and
// the stage loader's behaviour.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "engine/content_texts.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "platform/platform.h"
#include "scenario/face_slots.h"
#include "scenario/script_store.h"
#include "skelvane/conversation_hooks.h"
#include "support/engine_harness.h"
#include "support/stand_in_pictures.h"

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
  for (uint32_t t = 1000; t < 300000; t += 1000) h.Platform().AddInput({t, tq::ScriptedInput::Click, 460, 300});
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
  h.Platform().At(1, [] {
    SceneCursor.SceneCode = 10;
    SceneCursor.SceneState = 0;
    SceneCursor.SceneStep = 10;  // the title's entry
    SceneCursor.StageNumber = 2;
  });
  std::set<int> stages;
  for (uint32_t t = 1000; t < 60000; t += 1000) {
    h.Platform().AddInput({t, tq::ScriptedInput::Click, 460, 300});
    h.Platform().At(t + 500, [&stages] { stages.insert(SceneCursor.StageNumber); });
  }
  ::testing::internal::CaptureStderr();
  h.Start();
  h.RunUntil(60000);
  const std::string reports = ::testing::internal::GetCapturedStderr();
  EXPECT_TRUE(stages.count(10) == 1);
  EXPECT_EQ(reports.find("/.BMP"), std::string::npos) << reports;
}

// The share of a layer's sampled points that a player sees: layers are opaque, so a
// point shows the topmost visible layer over it. Layers in `ignored` (the balloon's
// own tail and mini pictures, the click-wait mark over the bottom row) cover nothing.
double VisibleShare(int layer, const std::set<int>& ignored) {
  const tq::Compositor& screen = tq::ThePlatform().Screen();
  const tq::LayerSurface& l = screen.Layer(layer);
  const std::vector<int>& order = screen.Order();
  int seen = 0, total = 0;
  for (int y = l.y; y < l.y + l.image.Height(); y += 4) {
    for (int x = l.x; x < l.x + l.image.Width(); x += 4) {
      ++total;
      for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const tq::LayerSurface& top = screen.Layer(*it);
        if (!top.visible || ignored.count(*it) != 0) continue;
        if (x < top.x || y < top.y || x >= top.x + top.image.Width() || y >= top.y + top.image.Height()) continue;
        seen += *it == layer;
        break;
      }
    }
  }
  return total == 0 ? 0.0 : static_cast<double>(seen) / total;
}

// Every second, just before the click, a player reads the newest balloon whole and
// no older balloon shows a fragment: each lies inside the window and is either fully
// visible or fully covered.
void CheckBalloonsWhole(uint32_t at) {
  if (SceneCursor.SceneCode != 10) return;
  const tq::Compositor& screen = tq::ThePlatform().Screen();
  SCOPED_TRACE(testing::Message() << "at " << at << " ms, script line " << ScriptStore.CurrentScriptLine + 1);
  struct Shown {
    int slot, layer;
  };
  std::vector<Shown> balloons;
  for (int s = 1; s < kFaceSlotCount; ++s) {
    const int layer = FaceSlot.BalloonLayer[static_cast<size_t>(s)];
    if (layer <= 0) continue;
    const tq::LayerSurface& l = screen.Layer(layer);
    if (l.visible && l.image.Width() > 0 && l.image.Height() > 0) balloons.push_back({s, layer});
  }
  std::sort(balloons.begin(), balloons.end(),
            [&](const Shown& a, const Shown& b) { return screen.ZIndex(a.layer) < screen.ZIndex(b.layer); });
  for (const Shown& b : balloons) {
    SCOPED_TRACE(testing::Message() << "slot " << b.slot);
    const tq::LayerSurface& l = screen.Layer(b.layer);
    EXPECT_TRUE(l.x >= 0 && l.y >= 0 && l.x + l.image.Width() <= tq::kWindowWidth &&
                l.y + l.image.Height() <= tq::kWindowHeight)
        << "balloon at (" << l.x << ", " << l.y << ") size " << l.image.Width() << " x " << l.image.Height();
    std::set<int> ignored = {b.layer + 1, NoticeBoxLayer()};
    for (int m : FaceSlot.MiniLayer[static_cast<size_t>(b.slot)]) ignored.insert(m);
    const double share = VisibleShare(b.layer, ignored);
    if (&b == &balloons.back()) {
      EXPECT_EQ(share, 1.0) << "the newest balloon is covered";
    } else {
      EXPECT_TRUE(share == 0.0 || share == 1.0) << "an older balloon shows " << share << " of itself";
    }
  }
}

TEST(SkelvaneStageScripts, Stage10BalloonsAreWholeOrHiddenAtEveryClick) {
  tq::testing::EngineHarness h(kModeSkelvane, SkelvanePictureRoot());
  static int checked;
  checked = 0;
  for (uint32_t t = 1000; t < 300000; t += 1000) {
    h.Platform().AddInput({t, tq::ScriptedInput::Click, 460, 680});
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
