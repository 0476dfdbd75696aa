// Normal events frame by frame: the closing panels (also run directly by a restart),
// the colour ramps and pulses, the white flash, the iris, the row reveals, the face
// shake, the spiral, the picture fade, and the kinds and variants without an event.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/system_menu.h"
#include "platform/platform.h"
#include "scenario/balloon_geometry.h"
#include "scenario/conversation_scene.h"
#include "scenario/event_motion.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/normal_events.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"
#include "normal_event_fixture.h"
#include "scenario_faces.h"

namespace scenario_test {

TEST_F(NormalEventTest, ClosingPanelsMeetAtFrameTenThenClearTheScene) {
  for (int layer = 0; layer <= 30; ++layer) PrepareShown(layer, 0, 0, 10, 10);
  std::vector<int> top, bottom;
  const int frames = RunEvent(12, 29, 0, [&](int) {
    top.push_back(RectOf(1).X);
    bottom.push_back(RectOf(2).X);
  });
  EXPECT_EQ(frames, 11);
  EXPECT_EQ(top.front(), 920);
  EXPECT_EQ(bottom.front(), -920);
  EXPECT_EQ(top[9], 92);
  EXPECT_EQ(top[10], 0);
  EXPECT_EQ(bottom[10], 0);
  EXPECT_EQ(RectOf(2).Y, 345);
  for (int layer = 0; layer <= 29; ++layer) EXPECT_FALSE(LayerVisible(layer)) << layer;
  EXPECT_TRUE(LayerVisible(30));
  EXPECT_EQ(Background(500, 500), 0u);
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
}

// The stage restart runs kind 12 itself: it clears to LastSceneLayer and only ends
// its loop, so no line is finished.
TEST_F(NormalEventTest, ClosingPanelsRunDirectlyEndOnlyTheirLoop) {
  SystemLayerSet.LastSceneLayer = 79;
  for (int layer : {0, 40, 79, 80}) PrepareShown(layer, 0, 0, 10, 10);
  AnimationRun.DirectEffectRun = 1;
  EXPECT_EQ(RunEvent(12, 0, 0), 11);
  EXPECT_FALSE(LayerVisible(0));
  EXPECT_FALSE(LayerVisible(40));
  EXPECT_FALSE(LayerVisible(79));
  EXPECT_TRUE(LayerVisible(80));
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 0);
}

TEST_F(NormalEventTest, BackColourRampsAndRedPulses) {
  const struct {
    const char* name;
    int kind, v, s;
    int frames;
    int firstRed, lastRed;
  } cases[] = {
      {"ramp up over 101 frames", 5, 0, 0, 101, 0, 255},
      {"ramp down over 51 frames", 5, 1, 50, 51, 255, 0},
      {"other variant stays black", 5, 7, 0, 101, 0, 0},
      {"three red pulses", 30, 0, 0, 126, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<uint32_t> colours;
    EXPECT_EQ(RunEvent(c.kind, c.v, c.s, [&](int) { colours.push_back(Background(10, 10)); }), c.frames);
    EXPECT_EQ(colours.front() & 0xFF, static_cast<uint32_t>(c.firstRed));
    EXPECT_EQ(colours.back() & 0xFF, static_cast<uint32_t>(c.lastRed));
    if (c.kind == 5) {
      EXPECT_EQ(colours.back(), Grey(c.lastRed));
    }
    if (c.kind == 30) {
      EXPECT_EQ(colours[20], RgbColor(200, 0, 0));  // the top of the first pulse
      EXPECT_EQ(colours[41], RgbColor(0, 0, 0));
    }
  }
}

// Kind 6 with variant 11 sets the point; kind 7 without variant 0 shrinks toward it.
TEST_F(NormalEventTest, WhiteFlashGrowsFromAndShrinksToItsPoint) {
  const int overlay = SystemLayerSet.OverlayLayer = 93;
  EXPECT_EQ(RunEvent(6, 11, 2), 21);
  EXPECT_TRUE(LayerVisible(overlay));
  const Rect full = RectOf(overlay);
  EXPECT_EQ(full.Width, 920);
  EXPECT_EQ(full.Height, 690);
  EXPECT_EQ(tq::ColorFromPixel(LayerImage(overlay).Get(400, 300)), RgbColor(255, 255, 255));
  EXPECT_EQ(RunEvent(7, 5, 1), 11);
  const Rect point = RectOf(overlay);
  EXPECT_EQ(point.X, 819);
  EXPECT_EQ(point.Y, 499);
  EXPECT_EQ(point.Width, 2);
  EXPECT_FALSE(LayerVisible(overlay));
}

TEST_F(NormalEventTest, IrisFinishesJustShortOfItsEndPoints) {
  EXPECT_EQ(RunEvent(13, 0, 0), 30);
  EXPECT_EQ(RectOf(1).Y, -360);  // the top panel's arc rounds onto its end
  EXPECT_EQ(RectOf(2).X, -391);  // the left panel ends at -390
  EXPECT_EQ(RectOf(3).X, 391);   // the right at 390
  EXPECT_EQ(RectOf(4).Y, 360);
  EXPECT_EQ(RectOf(5).Y, 330);   // the edge lines follow the panels' inner edges
  EXPECT_EQ(RectOf(6).X, 529);
  EXPECT_EQ(RectOf(7).X, 389);
  EXPECT_EQ(RectOf(8).Y, 358);
  EXPECT_EQ(tq::ColorFromPixel(LayerImage(5).Get(100, 1)), RgbColor(255, 255, 255));
  for (int layer = 1; layer <= 8; ++layer) EXPECT_TRUE(LayerVisible(layer)) << layer;
}

// Kind 10 with an empty table entry paints layer 0's cleared image: a black wipe in
// 345 frames. Kind 15 with variant -1 wipes row by row through the overlay, with
// variant 50 from source row 460 down; kind 16 paints at once.
TEST_F(NormalEventTest, RowRevealsPaintOntoTheBackground) {
  EXPECT_EQ(RunEvent(10, 3, 0), 345);
  EXPECT_EQ(Background(5, 0), 0u);
  EXPECT_EQ(Background(5, 689), 0u);

  SystemLayerSet.OverlayLayer = 93;
  ShowFace(1, 20, 100, 50, 200, 40);
  LayerInfo(20).BackColor = RgbColor(0, 255, 0);
  ClearLayerImage(20);
  LineState.CurrentSlot = 1;
  LayerImage(GameForm).Reset(920, 690, tq::PixelFromColor(kScene));
  std::vector<uint32_t> middle;
  EXPECT_EQ(RunEvent(15, -1, 0, [&](int) { middle.push_back(Background(5, 345)); }), 345);
  // Row 345 comes from the bottom, with f = 344.
  EXPECT_EQ(middle[171], kScene);
  EXPECT_EQ(middle[172], 0u);

  LayerImage(GameForm).Reset(920, 690, tq::PixelFromColor(kScene));
  EXPECT_EQ(RunEvent(16, 0, 0), 1);
  EXPECT_EQ(Background(460, 345), RgbColor(0, 255, 0));
  EXPECT_EQ(Background(459 - 100, 345), kScene);
  EXPECT_EQ(BlitSpec.BlitDestX, 360);
  EXPECT_EQ(BlitSpec.BlitDestY, 325);
}

TEST_F(NormalEventTest, FaceShakeDiesDownAndComesHome) {
  ShowFace(2, 30, 300, 100, 120, 160);
  LineState.CurrentSlot = 2;
  LoadFaceGeometry(2);
  std::vector<int> xs;
  EXPECT_EQ(RunEvent(31, 10, 0, [&](int) { xs.push_back(RectOf(30).X); }, 200), 130);
  EXPECT_EQ(xs[0], 341);
  EXPECT_EQ(xs[1], 259);
  EXPECT_EQ(xs[2], 340);
  EXPECT_EQ(xs[128], 302);
  EXPECT_EQ(xs[129], 300);  // the last offset, 1, is undone in the same frame
  EXPECT_EQ(RectOf(30).X, 300);
  EXPECT_EQ(RectOf(30).Y, 100);
  EXPECT_EQ(FrameClock.FrameLength, 20);
}

TEST_F(NormalEventTest, SpiralCoversTheScreenCellByCell) {
  const int overlay = SystemLayerSet.OverlayLayer = 93;
  EXPECT_EQ(RunEvent(2, 0, 0), 100);
  for (int layer = overlay; layer <= overlay + 4; ++layer) EXPECT_TRUE(LayerVisible(layer)) << layer;
  const Rect centre = RectOf(overlay);
  EXPECT_EQ(centre.X, 368);  // the last segment: one centre cell of the bottom side
  EXPECT_EQ(centre.Y, 345);
  EXPECT_EQ(centre.Width, 92);
  EXPECT_EQ(RunEvent(2, 1, 0), 25);
}

// Kind 0 ends with alpha 250 and a snapshot of the screen right of the window.
TEST_F(NormalEventTest, PictureFadeKeepsASnapshotOfTheScreen) {
  EXPECT_EQ(RunEvent(0, 0, 0), 11);
  EXPECT_EQ(BlitSpec.BlitSource, 1);
  const Rect snapshot = RectOf(1);
  EXPECT_EQ(snapshot.X, 920);
  EXPECT_EQ(snapshot.Width, 920);
  // The fade's picture is missing here: its black layer was blended over the centre.
  EXPECT_EQ(Background(460, 345), 0u);
  EXPECT_EQ(Background(10, 10), kScene);
  EXPECT_EQ(tq::ColorFromPixel(LayerImage(1).Get(10, 10)), kScene);
}

// Kinds and variants that name no event would draw nothing for ever: their line ends
// on the first frame.
TEST_F(NormalEventTest, KindsAndVariantsWithoutAnEventEndAtOnce) {
  const struct {
    int kind, v;
  } cases[] = {{3, 0}, {44, 0}, {45, 0}, {99, 0}, {31, 0}, {31, 11}, {2, 5}, {15, 7}, {16, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << c.kind << " variant " << c.v);
    Script({"[通常イベ]", "次"});
    EXPECT_EQ(RunEvent(c.kind, c.v, 0), 1);
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
  }
}

// Lines of a script start their events through the executor and the frame dispatch,
// on the engine's clock.
TEST(NormalEvents, ScriptLinesRunTheirEventsAndContinue) {
  const struct {
    const char* line;
    const char* endloop;
    uint32_t ms;  // from the loop's start to its end
  } cases[] = {
      // 58 waits of 13 ms and the 1000 ms pause between the two pieces.
      {"[通常イベ]：Ev種=20：Ev分=5：はるかな　むかし：くにが　あった：続", "endloop 1520 60", 58 * 13 + 1000},
      {"[通常イベ]：Ev種=12：Ev分=29：続", "endloop 1512 11", 10 * 13},
      {"[通常イベ]：Ev種=44：続", "endloop 1544 1", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    ScenarioScene scene;
    WindowSize();
    GameConfig.FrameSpeed = 1;
    Script({c.line, "次"});
    ExecuteScriptLine();
    const std::vector<std::string> loops = scene.harness.TraceOf("endloop");
    ASSERT_EQ(loops.size(), 1u);
    EXPECT_EQ(loops[0], c.endloop);
    const auto start = scene.harness.TimesOf("loop ");
    const auto end = scene.harness.TimesOf("endloop ");
    EXPECT_EQ(end[0] - start[0], c.ms);
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
    EXPECT_EQ(scene.Timers(), std::vector<std::string>{"timer 100"});
  }
}

}  // namespace scenario_test
