// The special events of the Skelvane scripts: dispatch, the shared drawing helpers,
// and the timing and end state of the events.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/text.h"
#include "platform/platform.h"
#include "scenario/balloon_geometry.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"
#include "scenario/scene_events.h"
#include "scenario_fixture.h"

namespace {

using scenario_test::Script;
using scenario_test::ScenarioScene;
using tq::testing::WindowLayer;

// A Skelvane scene on the 920 by 690 window, its line a "[特殊イベ]" line (class 5).
struct EventScene : ScenarioScene {
  EventScene() {
    ScreenSize = {920, 690, 460, 345};
    LineCode.ExecClass = 5;
  }
};

std::tuple<int, int, int, int> Geometry(int i) { return {WindowLayer(i).x, WindowLayer(i).y, WindowLayer(i).image.Width(), WindowLayer(i).image.Height()}; }
uint32_t Pixel(int layer, int x, int y) { return tq::ColorFromPixel(LayerImage(layer).Get(x, y)); }

struct SoundCall {
  int number, channel;
  float offset;
  bool operator==(const SoundCall&) const = default;
};
std::ostream& operator<<(std::ostream& os, const SoundCall& s) {
  return os << "(" << s.number << ", " << s.channel << ", " << s.offset << ")";
}

// Records the sounds the events play, in place of the Skelvane table.
struct SoundRecorder {
  static std::vector<SoundCall>& Calls() {
    static std::vector<SoundCall> calls;
    return calls;
  }
  SoundRecorder() : saved(ModeHooksFor(ModeId::Skelvane).PlaySound) {
    Calls().clear();
    ModeHooksFor(ModeId::Skelvane).PlaySound = [](int n, int& ch, float& off) { Calls().push_back({n, ch, off}); };
  }
  ~SoundRecorder() { ModeHooksFor(ModeId::Skelvane).PlaySound = saved; }
  std::vector<SoundCall> Of(int number) const {
    std::vector<SoundCall> out;
    for (const SoundCall& c : Calls()) {
      if (c.number == number) out.push_back(c);
    }
    return out;
  }
  decltype(ModeHookSet::PlaySound) saved;
};

void Prepare(int layer, int x, int y, int w, int h) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {x, y, w, h};
  PrepareLayer(kPreparePictureShown);
}

// The faces of slots 3 to 6 on layers 40, 45, 50 and 55, their tails one layer above
// the balloon layer after each face.
void GroupFaces() {
  for (int s = 3; s <= 6; ++s) {
    const int face = 40 + 5 * (s - 3);
    FaceSlot.FaceLayer[static_cast<size_t>(s)] = face;
    FaceSlot.BalloonLayer[static_cast<size_t>(s)] = face + 1;
    Prepare(face, 100 + 150 * (s - 3), 420, 120, 90);
  }
}

int32_t LoopMs(const EventScene& s) {
  return static_cast<int32_t>(s.harness.TimesOf("endloop").back() - s.harness.TimesOf("loop").back());
}

TEST(SpecialEventHelpers, GreyColourRoundsHalfToEven) {
  EXPECT_EQ(GreyColour(1.0f), RgbColor(255, 255, 255));
  EXPECT_EQ(GreyColour(0.8f), RgbColor(204, 204, 204));
  EXPECT_EQ(GreyColour(0.6f), RgbColor(153, 153, 153));
  EXPECT_EQ(GreyColour(0.5f), RgbColor(128, 128, 128));
  EXPECT_EQ(GreyColour(0.0f), RgbColor(0, 0, 0));
}

TEST(SpecialEventHelpers, BevelLinesShadeOneEdgeOrFrameAPanel) {
  EventScene scene;
  const struct {
    int count;
    int x, y;  // the first (white) line's pixel, then three steps inward
    int dx, dy;
  } edges[] = {{1, 50, 0, 0, 1}, {4, 50, 36, 0, 1}, {2, 0, 20, 1, 0}, {3, 196, 20, 1, 0}};
  for (const auto& e : edges) {
    SCOPED_TRACE(e.count);
    Prepare(3, 0, 0, 200, 40);
    BevelLines(100, e.count);
    EXPECT_EQ(Pixel(3, e.x, e.y), Grey(255));
    EXPECT_EQ(Pixel(3, e.x + e.dx, e.y + e.dy), Grey(204));
    EXPECT_EQ(Pixel(3, e.x + 2 * e.dx, e.y + 2 * e.dy), Grey(204));
    EXPECT_EQ(Pixel(3, e.x + 3 * e.dx, e.y + 3 * e.dy), Grey(153));
    EXPECT_EQ(Pixel(3, 100, 20), Grey(0));
  }
  Prepare(3, 0, 0, 20, 20);
  TextStyle.EdgeColor1 = RgbColor(0, 0, 255);
  TextStyle.EdgeColor2 = RgbColor(255, 255, 255);
  BevelLines(10, 2);
  EXPECT_EQ(Pixel(3, 0, 10), Grey(255));
  EXPECT_EQ(Pixel(3, 18, 10), Grey(255));
  EXPECT_EQ(Pixel(3, 2, 10), RgbColor(0, 0, 255));
  EXPECT_EQ(Pixel(3, 19, 19), Grey(255));
}

// An event number without an event ends its line at once.
TEST(SpecialEvents, NumbersWithoutAnEventEndTheirLine) {
  for (int n : {3, 10, 15, 99}) {
    SCOPED_TRACE(n);
    EventScene scene;
    Script({"a", "b"});
    LineCode.ContinueMode = 1;
    ::testing::internal::CaptureStderr();
    Wait(1600 + n, 0);
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(scene.harness.TraceOf("endloop"), std::vector<std::string>{"endloop " + std::to_string(1600 + n) + " 1"});
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
  }
}

// Event 0: layer 0 scrolls to (0, 20 - ScreenHeight) in 551 frames of 7 ms; an open
// caption box closes from frame 201 with one sound and its slot is cleared.
TEST(SpecialEvents, BackgroundScrollAndTheCaptionBoxClosing) {
  for (bool box : {false, true}) {
    SCOPED_TRACE(box);
    EventScene scene;
    SoundRecorder sounds;
    Script({"a", "b"});
    Prepare(0, 0, 0, 640, 1400);
    if (box) {
      TextWindow.NarrationLayer = 19;
      TextWindow.WindowRect = {100, 400, 600, 150};
      Prepare(19, 100, 400, 600, 150);
      FaceSlot.BalloonCategory = 5;
      FaceSlot.TextSlotIndex = 10;
      TextSlot.TextSlotState[10] = 10;
    }
    Wait(1600, 0);
    EXPECT_EQ(scene.harness.TraceOf("endloop"), std::vector<std::string>{"endloop 1600 551"});
    EXPECT_EQ(LoopMs(scene), 550 * 7);
    EXPECT_EQ(Geometry(0), std::make_tuple(0, -670, 640, 1400));
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
    EXPECT_EQ(sounds.Of(21).size(), box ? 1u : 0u);
    if (box) {
      EXPECT_EQ(TextSlot.TextSlotState[10], 0);
      EXPECT_FALSE(WindowLayer(19).visible);
      EXPECT_EQ(Geometry(19), std::make_tuple(400, 475, 0, 0));
    }
  }
}

// Event 1 stacks three bars without a gap; event 2 closes them between two rules.
TEST(SpecialEvents, CaptionBarsSlideInAndClose) {
  EventScene scene;
  SoundRecorder sounds;
  Script({"a", "b", "c"});
  Wait(1601, 0);
  EXPECT_EQ(scene.harness.TraceOf("endloop"), std::vector<std::string>{"endloop 1601 33"});
  const int h = WindowLayer(1).image.Height();
  EXPECT_EQ(WindowLayer(1).y + h, WindowLayer(2).y);
  EXPECT_EQ(WindowLayer(2).y + h, WindowLayer(3).y);
  EXPECT_EQ(WindowLayer(2).y, ScreenSize.ScreenHeight / 2 - h / 2);
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(std::make_pair(WindowLayer(i).x, WindowLayer(i).visible), std::make_pair(0, true));
  EXPECT_EQ(Pixel(1, 10, 0), Grey(255));      // bar 0: rule on top
  EXPECT_EQ(Pixel(3, 10, h - 4), Grey(255));  // bar 2: rule at the bottom
  EXPECT_EQ(Pixel(2, 10, 0), Grey(0));
  EXPECT_EQ(sounds.Of(24).size(), 3u);

  const int top = WindowLayer(1).y;
  const int bottom = WindowLayer(3).y + h;
  Wait(1602, 0);
  EXPECT_EQ(scene.harness.TraceOf("endloop").back(), "endloop 1602 21");
  for (int i = 1; i <= 6; ++i) EXPECT_FALSE(WindowLayer(i).visible) << i;
  EXPECT_EQ(Geometry(6), std::make_tuple(0, ScreenSize.ScreenHeight / 2, ScreenSize.ScreenWidth, 1));
  EXPECT_LT(top, bottom);
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 2);
}

// Event 4 grows layer 9 to the full width, 300 high, in the middle, and leaves it shown.
TEST(SpecialEvents, FramedWindowGrowsFromTheSmallBoxOrFromWhereItStands) {
  for (int sub : {1, 0}) {
    SCOPED_TRACE(sub);
    EventScene scene;
    Script({"a", "b"});
    LineCode.SubParam = sub;
    DrawState.CurrentRect = {5, 6, 7, 8};
    Wait(1604, 0);
    EXPECT_EQ(scene.harness.TraceOf("endloop"), std::vector<std::string>{"endloop 1604 11"});
    EXPECT_EQ(Geometry(9), std::make_tuple(0, ScreenSize.ScreenHeight / 2 - 150, ScreenSize.ScreenWidth, 300));
    EXPECT_TRUE(WindowLayer(9).visible);
    EXPECT_EQ(Pixel(9, 1, 100), Grey(255));
    EXPECT_EQ(Pixel(9, 2, 100), Grey(0));
  }
}

// Event 6's flights: sound 16 on channels 0 to 3, lasting 31, 36, 41 and 46 frames;
// the sprites cross once and the event ends. Without its picture layer 0 stands at
// 450 + 8 and scrolls down in 459 frames.
TEST(SpecialEvents, BandRevealFlightsAndCrossingSprites) {
  EventScene scene;
  SoundRecorder sounds;
  Script({"a", "b"});
  Wait(1606, 0);
  EXPECT_EQ(scene.harness.TraceOf("endloop"),
            std::vector<std::string>{"endloop 1606 " + std::to_string(150 + 31 + 36 + 41 + 46 + 459 + 41)});
  EXPECT_EQ(sounds.Of(16), (std::vector<SoundCall>{{16, 0, -0.05f}, {16, 1, -0.08f}, {16, 2, -0.11f}, {16, 3, -0.14f}}));
  EXPECT_EQ(sounds.Of(17).size(), 1u);
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
  EXPECT_TRUE(WindowLayer(1).visible);
  EXPECT_FALSE(WindowLayer(17).visible);
}

// Event 7: 121 + six beats + 121 + 121 + six beats + 121 frames, with a 500 ms pause
// after the first slowing stretch; the beat sound on frames 0, 15, 30 and 45 of a
// 60-frame beat, on channels 0, 1, 3 and 4; the faces end where the last copies stood.
TEST(SpecialEvents, MarchTimingBeatsAndWhereTheFacesEnd) {
  EventScene scene;
  SoundRecorder sounds;
  Script({"a", "b"});
  GroupFaces();
  Wait(1607, 0);
  const int beats = 61 + 57 + 52 + 46 + 51 + 55;
  const int frames = 121 + beats + 121 + 121 + beats + 121;
  EXPECT_EQ(scene.harness.TraceOf("endloop"), std::vector<std::string>{"endloop 1607 " + std::to_string(frames)});
  EXPECT_EQ(LoopMs(scene), (frames - 2) * 7 + 500);
  const std::vector<SoundCall> beat = sounds.Of(28);
  ASSERT_GE(beat.size(), 6u);
  // The start, then the first beat of step 1.
  EXPECT_EQ(std::vector<SoundCall>(beat.begin() + 1, beat.begin() + 5),
            (std::vector<SoundCall>{{28, 0, 0.0f}, {28, 1, 0.0f}, {28, 3, 0.0f}, {28, 4, 0.0f}}));
  for (int layer = 10; layer <= 17; ++layer) EXPECT_FALSE(WindowLayer(layer).visible) << layer;
  EXPECT_EQ(WindowLayer(55).x, WindowLayer(14).x);
  EXPECT_EQ(WindowLayer(40).x, WindowLayer(17).x);
  EXPECT_EQ(WindowLayer(40).y, 420);
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
}

// Event 8: the window reaches 500 by 150 and gets its text on frame 7, not before; the
// connectors appear on frame 5; then 16 shaking frames of 30 ms end where they began.
TEST(SpecialEvents, GroupWindowGrowsPrintsOnceAndShakesBackIntoPlace) {
  EventScene scene;
  SoundRecorder sounds;
  Script({"全員、集合せよ！", "b"});  // the line as its conversion leaves it
  GroupFaces();
  SetPrintRecording(true);
  FrameClock.AnimationCode = 1608;
  for (int f = 0; f < 7; ++f) {
    SpecialEventTick();
    EXPECT_EQ(WindowLayer(42).visible, f >= 5) << f;
  }
  EXPECT_TRUE(RecordedPrints().empty());
  SpecialEventTick();
  EXPECT_FALSE(RecordedPrints().empty());
  EXPECT_EQ(RecordedPrints().front().Text, "全員、集合せよ！");
  EXPECT_EQ(AnimationRun.AnimationStep, 1);
  const int x = ScreenSize.ScreenHalfWidth - 250;
  EXPECT_EQ(Geometry(10), std::make_tuple(x, 185, 500, 150));
  EXPECT_EQ(Geometry(42), std::make_tuple(x + 484, 215, 32, 23));      // slot 3
  EXPECT_EQ(Geometry(57), std::make_tuple(x - 16, 215, 32, 23));       // slot 6
  EXPECT_EQ(Geometry(47), std::make_tuple(250 + 60 - 21, 169, 23, 32));  // slot 4

  // The shake, as a loop of its own from step 1.
  const size_t printed = RecordedPrints().size();
  Wait(1608, 0);  // counters start at 0: run the whole event in a loop
  EXPECT_EQ(scene.harness.TraceOf("endloop"), std::vector<std::string>{"endloop 1608 24"});
  EXPECT_EQ(RecordedPrints().size(), 2 * printed);
  EXPECT_EQ(LoopMs(scene), 8 * 13 + 15 * 30);  // the growing frames, then 16 of 30 ms
  EXPECT_EQ(Geometry(10), std::make_tuple(x, 185, 500, 150));
  EXPECT_EQ(Geometry(42), std::make_tuple(x + 484, 215, 32, 23));
  EXPECT_EQ(sounds.Of(57).size(), 1u);

  // Event 9 closes it in 8 frames and hides the connectors.
  Wait(1609, 0);
  EXPECT_EQ(scene.harness.TraceOf("endloop").back(), "endloop 1609 8");
  for (int layer : {10, 42, 47, 52, 57}) EXPECT_FALSE(WindowLayer(layer).visible) << layer;
}

TEST(SpecialEvents, GroupWindowClosesWhateverItsSize) {
  const struct {
    int w, h, frames;
  } cases[] = {{0, 150, 8}, {5, 3, 5}, {0, 0, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
    EventScene scene;
    Script({"a", "b"});
    Prepare(10, 100, 100, c.w, c.h);
    Wait(1609, 0);
    EXPECT_EQ(scene.harness.TraceOf("endloop"), std::vector<std::string>{"endloop 1609 " + std::to_string(c.frames)});
  }
}

// Event 11: round 1 pauses 200 ms after the square lands, the others 100 ms; 500 ms
// between rounds. Event 12: sound 9 once per tile, a second's pause, tiles hidden.
TEST(SpecialEvents, OpeningTitleTimings) {
  {
    EventScene scene;
    Script({"a", "b"});
    Prepare(21, 100, 100, 640, 480);
    Wait(1611, 0);
    EXPECT_EQ(scene.harness.TraceOf("endloop"), std::vector<std::string>{"endloop 1611 " + std::to_string(4 * (41 + 21))});
    // 41 square frames (40 of 13 ms, then the pause), 21 flicker frames (20 of 20 ms,
    // then the 500 ms pause but after the last round).
    EXPECT_EQ(LoopMs(scene), 4 * (40 * 13 + 20 * 20) + 200 + 3 * 100 + 3 * 500);
    EXPECT_FALSE(WindowLayer(25).visible);
  }
  {
    EventScene scene;
    SoundRecorder sounds;
    Script({"a", "b"});
    Wait(1612, 0);
    EXPECT_EQ(scene.harness.TraceOf("endloop"), std::vector<std::string>{"endloop 1612 " + std::to_string(8 * 17 + 1)});
    EXPECT_EQ(sounds.Of(9).size(), 8u);
    EXPECT_EQ(LoopMs(scene), 8 * 16 * 13 + 7 * 100 + 1000);
    for (int layer = 10; layer <= 17; ++layer) EXPECT_FALSE(WindowLayer(layer).visible) << layer;
    EXPECT_EQ(tq::ColorFromPixel(LayerImage(GameForm).Get(5, 5)), RgbColor(0, 0, 0));
    EXPECT_EQ(Geometry(10), std::make_tuple(115 - 90, 172 - 90, 180, 180));
    EXPECT_EQ(Geometry(17), std::make_tuple(805 - 90, 516 - 90, 180, 180));
  }
}

// Event 13's first sprite starts at (X0 + 39, Y0 + 500) and reaches (X0 + 3, Y0) at
// frame 100; event 14's green rises by 5 a frame to 200 and then holds 197.
TEST(SpecialEvents, RisingSpritePathAndTitleGreen) {
  EventScene scene;
  FrameClock.AnimationCode = 1613;
  SpecialEventTick();
  EXPECT_EQ(std::make_pair(WindowLayer(10).x, WindowLayer(10).y), std::make_pair(599, 740));
  while (AnimationRun.AnimationFrame <= 100) SpecialEventTick();
  EXPECT_EQ(std::make_pair(WindowLayer(10).x, WindowLayer(10).y), std::make_pair(563, 240));

  FrameClock.AnimationCode = 1614;
  AnimationRun = AnimationRunRecord{};
  std::vector<int> greens;
  while (AnimationRun.AnimationStep == 0) {
    SpecialEventTick();
    greens.push_back(static_cast<int>((LayerInfo(GameForm).BackColor >> 8) & 0xFF));
  }
  ASSERT_EQ(greens.size(), 41u);
  for (int f = 0; f < 40; ++f) EXPECT_EQ(greens[static_cast<size_t>(f)], 5 * f) << f;
  EXPECT_EQ(greens.back(), 197);
  Script({"a", "b"});
  Wait(1614, 0);
  EXPECT_EQ(scene.harness.TraceOf("endloop"),
            std::vector<std::string>{"endloop 1614 " + std::to_string(41 + 31 + 3 * 33 + 57 + 21)});
  for (int layer = 0; layer <= 5; ++layer) EXPECT_FALSE(WindowLayer(layer).visible) << layer;
  EXPECT_EQ(LayerInfo(GameForm).BackColor, RgbColor(0, 197, 0));
}

}  // namespace
