// The direct events: the black scene of "[イベ直接・基本]" and the four event face
// layers of "[イベ直接・ピク]", each only with "Ev分=1", and the line goes on either way.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/layers.h"
#include "platform/platform.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/script_store.h"
#include "scenario_faces.h"
#include "scenario_fixture.h"

namespace {

using scenario_test::PrepareShown;
using scenario_test::Script;
using scenario_test::ScenarioScene;
using tq::testing::WindowLayer;


TEST(DirectEvents, PicPlacesFourShownLayersOffTheCornerAndGivesThemToSlotsOneToFour) {
  ScenarioScene scene;
  FaceSlot.FaceLayer[5] = 50;
  Script({"[イベ直接・ピク]：Ev分=01", "次"});
  ExecuteScriptLine();
  const struct {
    int layer, x, y, w, h;
  } expected[] = {{21, -75, -50, 75, 50}, {22, -75, -50, 75, 50}, {23, -75, -50, 75, 50}, {24, -40, -40, 40, 40}};
  for (const auto& e : expected) {
    SCOPED_TRACE(e.layer);
    const tq::LayerSurface& l = WindowLayer(e.layer);
    EXPECT_EQ(l.x, e.x);
    EXPECT_EQ(l.y, e.y);
    EXPECT_EQ(l.image.Width(), e.w);
    EXPECT_EQ(l.image.Height(), e.h);
    EXPECT_TRUE(l.visible);
    EXPECT_EQ(l.image.Get(e.w / 2, e.h / 2), 0u);
  }
  EXPECT_EQ((std::vector<int>(FaceSlot.FaceLayer.begin(), FaceSlot.FaceLayer.begin() + 6)),
            (std::vector<int>{0, 21, 22, 23, 24, 50}));
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
  EXPECT_EQ(scene.Timers(), std::vector<std::string>{"timer 1"});
}

// The basic event hides layers 0 to 49 and blacks out the window; the system layers
// keep their visibility. Without "Ev分=1" neither event changes anything.
TEST(DirectEvents, EachActsOnlyWithItsBranchSetAndTheLineAlwaysGoesOn) {
  const struct {
    const char* line;
    bool basicActs, picActs;
  } cases[] = {
      {"[イベ直接・基本]：Ev分=1", true, false}, {"[イベ直接・基本]", false, false},
      {"[イベ直接・基本]：Ev分=2", false, false}, {"[イベ直接・ピク]：Ev分=01", false, true},
      {"[イベ直接・ピク]", false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    ScenarioScene scene;
    scenario_test::WindowSize();
    LayerInfo(GameForm).BackColor = RgbColor(0, 0, 200);
    ClearLayerImage(GameForm);
    for (int layer : {1, 30, 49, 50, 89}) PrepareShown(layer, 10, 10, 20, 20);
    Script({c.line, "次"});
    ExecuteScriptLine();
    EXPECT_EQ(WindowLayer(1).visible, !c.basicActs);
    EXPECT_EQ(WindowLayer(49).visible, !c.basicActs);
    EXPECT_TRUE(WindowLayer(50).visible);
    EXPECT_TRUE(WindowLayer(89).visible);
    const uint32_t back = tq::ThePlatform().Screen().Background().Get(5, 5);
    EXPECT_EQ(back, tq::PixelFromColor(c.basicActs ? 0 : RgbColor(0, 0, 200)));
    EXPECT_EQ(FaceSlot.FaceLayer[1], c.picActs ? 21 : 0);
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
    EXPECT_EQ(scene.Timers(), std::vector<std::string>{"timer 1"});
  }
}

}  // namespace
