// The Skelvane stage scripts held to their counts, fixed lines and chaining (the
// rules in support/skelvane_stage_rules), and the stage loader's behaviour.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "assets/asset_drawing.h"
#include "assets/asset_table.h"
#include "engine/content_texts.h"
#include "engine/frame_model.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "scenario/script_store.h"
#include "skelvane/conversation_hooks.h"
#include "support/balloon_staging.h"
#include "support/engine_harness.h"
#include "support/skelvane_stage_rules.h"
#include "support/stand_in_pictures.h"
#include "platform/compositor.h"
#include "platform/platform.h"

namespace {

std::vector<std::string> Lines(const char* name) {
  std::vector<std::string> out;
  for (const char* line : ContentLines("skelvane", name)) out.emplace_back(line);
  return out;
}

TEST(SkelvaneStageScripts, EveryStageKeepsItsLinesItsEndsAndItsCounts) {
  for (int stage : {1, 2, 10}) {
    SCOPED_TRACE(stage);
    char name[16];
    std::snprintf(name, sizeof name, "stage%03d", stage);
    for (const std::string& fault : tq::testing::SkelvaneStageFaults(stage, Lines(name))) ADD_FAILURE() << fault;
  }
}

// The rules name a fault planted in a stage: a line left out, another end, a command
// more, a balloon of another kind.
TEST(SkelvaneStageScripts, TheRulesNameAPlantedFault) {
  using Strings = std::vector<std::string>;
  const Strings s1 = Lines("stage001"), s2 = Lines("stage002"), s10 = Lines("stage010");
  auto replaced = [](Strings lines, size_t at, const std::string& line) {
    lines[at] = line;
    return lines;
  };
  auto added = [](Strings lines, size_t at, const std::string& line) {
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), line);
    return lines;
  };
  ASSERT_GE(s10.size(), 3u);
  const struct {
    const char* name;
    int stage;
    Strings lines;
    std::string fault;  // a part of a fault's wording
  } cases[] = {
      {"a line left out", 1, Strings(s1.begin() + 1, s1.end()), "lines: 68, not 69"},
      {"stage 1 chaining elsewhere", 1, replaced(s1, s1.size() - 1, "[別のシーンへ]：Fu=3"), "not [別のシーンへ]：Fu=2"},
      {"the title's stage ending the game", 2, replaced(s2, 2, "[別のゲームへ]"), "line 3 is [別のゲームへ]"},
      {"stage 10 leaving mid-way", 10, added(s10, 5, "[別のゲームへ]"), "scene and game changes: 1, not 0"},
      {"a wait more", 10, added(s10, 5, "[ウェイト]：Fu=5"), "[ウェイト]: 17, not 16"},
      {"a balloon of another kind", 10, added(s10, 5, "[フキA]：フ種=(30,**,-1)：考え"), "kind (30,**,-1)"},
      {"no stage of the game", 3, s1, "none of the game's"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Strings faults = tq::testing::SkelvaneStageFaults(c.stage, c.lines);
    const bool named = std::any_of(faults.begin(), faults.end(),
                                   [&](const std::string& f) { return f.find(c.fault) != std::string::npos; });
    EXPECT_TRUE(named) << "no fault names \"" << c.fault << "\" among " << faults.size();
  }
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
  EXPECT_EQ(SceneCursor.SceneCode, kTitleScene);
}

// The Skelvane catalogue's pictures at their stand-in sizes: balloons are placed
// beside the faces, so the layout needs the faces' real sizes.
std::string SkelvanePictureRoot() {
  static const std::string root = tq::testing::StandInPictureRoot("thornquill_skelvane_stage_test", [](const assets::AssetFile& f) {
    return (f.path.find("bmp_data/") != std::string::npos && assets::IsPicture(f.row->look)) ||
           f.path == "Tanselr_Data/TanselrCG/ETC/ClickWait_Fs16.JPG";  // the click-wait mark
  });
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
// visible or fully covered, no older balloon shows its tail from under a reply that
// covers it, and every thought chain ends at its balloon; at the click-wait mark the
// newest is drawn as the line being read, no face's name or features or mark is
// hidden, and no hop or shake of the line read waits for the click. Between the
// clicks no tail or bubble of a closed balloon shows and no thought chain stands
// wrong, and every line is read: the current line at a click wait, or for two
// seconds.
TEST(SkelvaneStageScripts, Stage10StagingHoldsAtEveryClickAndBetween) {
  tq::testing::EngineHarness h(kModeSkelvane, SkelvanePictureRoot());
  std::map<int, std::vector<std::string>> stages;
  auto where = [&stages]() -> std::string {
    if (SceneCursor.SceneCode != kConversationScene) return "";
    const int stage = SceneCursor.StageNumber, line = ScriptStore.CurrentScriptLine;
    std::vector<std::string>& lines = stages[stage];
    if (lines.empty()) {
      char name[16];
      std::snprintf(name, sizeof name, "stage%03d", stage);
      lines = Lines(name);
    }
    const bool inside = line >= 1 && line <= static_cast<int>(lines.size());
    return "stage " + std::to_string(stage) + " line " + std::to_string(line) +
           (inside ? " " + lines[static_cast<size_t>(line - 1)] : "");
  };
  tq::testing::BalloonStagingWatch watch(h.Platform(), 100, where);
  int checked = 0;
  std::vector<std::string> faults;
  for (uint32_t t = 1000; t < 300000; t += 1000) {
    h.ClickAt(t, 460, 680);
    h.Platform().At(t - 1, [&] {
      if (SceneCursor.SceneCode != kConversationScene) return;
      ++checked;
      // A click that comes while a line still plays looks at the balloons only.
      const bool waits = tq::testing::LayerVisible(NoticeBoxLayer());
      for (const std::string& fault : waits ? watch.AtClickWait() : tq::testing::BalloonStagingFaults()) {
        faults.push_back(where() + ": " + fault);
      }
    });
  }
  h.Start();
  h.RunUntil(300000);
  for (std::string& fault : watch.Faults()) faults.push_back(std::move(fault));
  for (const std::string& fault : faults) ADD_FAILURE() << fault;
  EXPECT_GT(checked, 150);
  EXPECT_GT(watch.Looks(), 1500) << "looked at every 100 ms between the clicks";
  EXPECT_EQ(SceneCursor.SceneCode, kTitleScene) << "the story ends on the title";
}

}  // namespace
