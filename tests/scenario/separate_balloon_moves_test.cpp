// Separate balloon moves inside a group run: each kind's offsets from the balloon's
// place beside its face, its tail's share, its end and what it leaves behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/frame_model.h"
#include "engine/numeric.h"
#include "platform/platform.h"
#include "scenario/balloon_geometry.h"
#include "scenario/balloon_moves.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/script_actions.h"
#include "scenario/script_store.h"
#include "scenario_faces.h"
#include "scenario_fixture.h"

namespace {

using scenario_test::FrameRecorder;
using scenario_test::LayerPlace;
using scenario_test::PlaceOf;

// Slot 1's face at (600, 300) on layer 10; its shown balloon (11) stands at (-150,
// -60) from the face, its tail (12) at (-20, -10).
constexpr LayerPlace kFace = {600, 300};
constexpr LayerPlace kBalloonRel = {-150, -60};
constexpr LayerPlace kTailRel = {-20, -10};

struct Frame {
  uint32_t at;
  LayerPlace face, balloon, tail;  // the balloon and tail relative to their places beside the face
};

class SeparateBalloonMoveTest : public scenario_test::ScenarioFixture {
 protected:
  void SetUp() override {
    scenario_test::WindowSize();
    scenario_test::ShowFace(1, 10, kFace.x, kFace.y, 200, 150);
    scenario_test::PrepareShown(11, kFace.x + kBalloonRel.x, kFace.y + kBalloonRel.y, 120, 40);
    scenario_test::PrepareShown(12, kFace.x + kTailRel.x, kFace.y + kTailRel.y, 30, 20);
    FaceSlot.SpeechState[1] = kBalloonShown;
    BalloonGeometry.SlotBalloonRelX[1] = kBalloonRel.x;
    BalloonGeometry.SlotBalloonRelY[1] = kBalloonRel.y;
    BalloonGeometry.SlotTailRelX[1] = kTailRel.x;
    BalloonGeometry.SlotTailRelY[1] = kTailRel.y;
  }

  std::vector<std::string> EndLoops() const { return harness.TraceOf("endloop"); }

  static LayerPlace Relative(int layer, LayerPlace rel) {
    const LayerPlace at = PlaceOf(layer), face = PlaceOf(10);
    return {at.x - face.x - rel.x, at.y - face.y - rel.y};
  }

  // Runs the lines (the last one starts the run) and records every frame of it.
  std::vector<Frame> Run(std::initializer_list<std::string> lines) {
    std::vector<Frame> frames;
    FrameRecorder recorder([&frames] {
      frames.push_back({tq::ThePlatform().Now(), PlaceOf(10), Relative(11, kBalloonRel), Relative(12, kTailRel)});
    });
    scenario_test::Script(lines);
    for (size_t i = 0; i < lines.size(); ++i) ExecuteScriptLine();
    return frames;
  }

  void ExpectAtRestAndEnded(size_t lines) {
    EXPECT_EQ(Relative(11, kBalloonRel), LayerPlace{});
    EXPECT_EQ(Relative(12, kTailRel), LayerPlace{});
    EXPECT_EQ(BalloonGeometry.SlotBalloonRelX[1], kBalloonRel.x);
    EXPECT_EQ(BalloonGeometry.SlotTailRelY[1], kTailRel.y);
    EXPECT_EQ(SeparateBalloonMove.SepMoveKind[1], 0);
    EXPECT_EQ(ScriptStore.CurrentScriptLine, static_cast<int>(lines));
  }
};

// Out and back: 40 up at step 10, home at 20, 8 below at 21 (-40 + 0.4 x 11^2 = 8.4),
// back in its place at 22; the tail moves by 0.6 of each offset.
TEST_F(SeparateBalloonMoveTest, OutAndBackLiftsTheBalloonAndBringsItBack) {
  const std::vector<Frame> f = Run({"[フ別移動]：●1：■種No=25：分岐=0：フ移動ALL=(0,-40)：回数=10"});
  ASSERT_EQ(f.size(), 23u);
  EXPECT_EQ(EndLoops(), std::vector<std::string>{"endloop 1020 23"});
  EXPECT_EQ(f[0].balloon, LayerPlace{});
  EXPECT_EQ(f[10].balloon, (LayerPlace{0, -40}));
  EXPECT_EQ(f[10].tail, (LayerPlace{0, -24}));
  EXPECT_EQ(f[20].balloon, LayerPlace{});
  EXPECT_EQ(f[21].balloon, (LayerPlace{0, 8}));
  EXPECT_EQ(f[21].tail, (LayerPlace{0, 5}));  // 4.8
  EXPECT_EQ(f[22].balloon, LayerPlace{});
  EXPECT_EQ(f[0].face, kFace);
  ExpectAtRestAndEnded(1);
}

// The preset bounce ignores the line's offsets and count: 10 up (tail 5) for two
// frames, back for two, over 40 frames, then in its place.
TEST_F(SeparateBalloonMoveTest, PresetBounceIgnoresTheLinesValues) {
  const std::vector<Frame> f = Run({"[フ別移動]：●1：■種No=11：分岐=0：フ移動ALL=(0,0,0,-25)：回数=50"});
  ASSERT_EQ(f.size(), 41u);
  for (size_t i = 0; i < 40; ++i) {
    const bool up = (i / 2) % 2 == 0;
    EXPECT_EQ(f[i].balloon, (LayerPlace{0, up ? -10 : 0})) << i;
    EXPECT_EQ(f[i].tail, (LayerPlace{0, up ? -5 : 0})) << i;
  }
  ExpectAtRestAndEnded(1);
}

// Out and back with a jitter: the swing to the left over steps 0 to 41, its place from
// 42 on, a jitter of 0 to 2a throughout with a falling from 11 to 1; it ends at 81.
TEST_F(SeparateBalloonMoveTest, OutAndBackWithJitterEndsAfterTheJitter) {
  const std::vector<Frame> f =
      Run({"[フ別移動]：●1：■種No=26：分岐=12：フ移動ALL=(-50,0)：フ移動Px2=10：フ移動Py2=80：回数=20"});
  ASSERT_EQ(f.size(), 82u);
  for (int t = 0; t < 81; ++t) {
    SCOPED_TRACE(t);
    const int base = t <= 41 ? GlideOffset(-50, 20, t) : 0;
    const int a = std::max(1, RoundHalfEven(10.0 / 80 * (80 - t) + 1));
    const LayerPlace& b = f[static_cast<size_t>(t)].balloon;
    EXPECT_GE(b.x - base, 0);
    EXPECT_LE(b.x - base, 2 * a);
    EXPECT_GE(b.y, 0);
    EXPECT_LE(b.y, 2 * a);
  }
  EXPECT_EQ(GlideOffset(-50, 20, 41), 5);  // just past its place on the other side
  ExpectAtRestAndEnded(1);
}

// A glide keeps its new place beside the face, and a later face move carries the
// balloon along at that offset. A start of 10 leaves the balloon still until then.
TEST_F(SeparateBalloonMoveTest, GlideStaysBesideTheFaceThroughALaterMove) {
  const std::vector<Frame> f = Run({"[フ別移動]：●1：■種No=20：開始=10：フ移動ALL=(30,-20)：回数=5",
                                    "[顔の移動]：●1：(600,300)→(400,250)：Ty=10：回=5"});
  ASSERT_GE(f.size(), 16u);
  for (size_t i = 0; i < 10; ++i) EXPECT_EQ(f[i].balloon, LayerPlace{}) << i;
  EXPECT_EQ(f[10].balloon, LayerPlace{});
  EXPECT_EQ(f[15].balloon, (LayerPlace{30, -20}));
  EXPECT_EQ(EndLoops().front(), "endloop 1020 16");
  EXPECT_EQ(BalloonGeometry.SlotBalloonRelX[1], kBalloonRel.x + 30);
  EXPECT_EQ(BalloonGeometry.SlotBalloonRelY[1], kBalloonRel.y - 20);
  EXPECT_EQ(BalloonGeometry.SlotTailRelX[1], kTailRel.x + 24);
  EXPECT_EQ(BalloonGeometry.SlotTailRelY[1], kTailRel.y - 16);
  // After the face move the balloon and tail stand at their new offsets from the face.
  EXPECT_EQ(PlaceOf(10), (LayerPlace{400, 250}));
  EXPECT_EQ(Relative(11, kBalloonRel), (LayerPlace{30, -20}));
  EXPECT_EQ(Relative(12, kTailRel), (LayerPlace{24, -16}));
  EXPECT_EQ(SeparateBalloonMove.SepMoveKind[1], 0);
}

// The fixed patterns step through their table (entries a mode does not set keep what
// was there), the tail at half; a mode without a pattern keeps the line's count, held
// to the ten entries of the table.
TEST_F(SeparateBalloonMoveTest, PatternsStepThroughTheirTable) {
  std::vector<Frame> f = Run({"[フ別移動]：●1：■種No=15：分岐=1"});
  ASSERT_EQ(f.size(), 7u);
  const std::vector<LayerPlace> steps = {{2, -3}, {7, -7}, {4, -1}, {0, 0}, {0, 0}, {0, 0}, {0, 0}};
  for (size_t i = 0; i < 6; ++i) EXPECT_EQ(f[i].balloon, steps[i]) << i;
  EXPECT_EQ(f[1].tail, (LayerPlace{4, -4}));  // 3.5 -> 4, -3.5 -> -4
  ExpectAtRestAndEnded(1);

  f = Run({"[フ別移動]：●1：■種No=15：分岐=9：回数=30"});
  EXPECT_EQ(f.size(), 10u);
  EXPECT_EQ(f[1].balloon, (LayerPlace{7, -7}));  // what mode 1 left in the shared table
  ExpectAtRestAndEnded(1);
}

// The random shake by a negative amplitude shakes by its size; it runs twice its
// count in frames.
TEST_F(SeparateBalloonMoveTest, ShakeOfANegativeAmplitudeStaysWithinItsSize) {
  const std::vector<Frame> f = Run({"[フ別移動]：●1：■種No=10：分岐=0：フ移動Px1=-4：回数=5"});
  ASSERT_EQ(f.size(), 11u);
  for (size_t i = 0; i < 10; ++i) {
    EXPECT_LE(std::abs(f[i].balloon.x), 4) << i;
    EXPECT_LE(std::abs(f[i].balloon.y), 4) << i;
    EXPECT_LE(std::abs(f[i].tail.x), 3) << i;
  }
  ExpectAtRestAndEnded(1);
}

// Kinds without a balloon motion end and let the run end; the shakes of the speaker
// run their frames and put the face back. Lengths that a curve divides by count as 1.
TEST(SeparateBalloonMoves, EveryKindEndsItsRun) {
  const struct {
    const char* params;
    const char* endloop;
    int frameMs;
  } cases[] = {
      {"■種No=5：回数=30", "endloop 1020 1", 13},
      {"■種No=7：回数=30", "endloop 1020 1", 13},
      {"■種No=30", "endloop 1020 17", 40},
      {"■種No=31", "endloop 1020 17", 40},
      {"■種No=35", "endloop 1020 17", 20},
      {"■種No=34：回数=4", "endloop 1020 5", 20},
      {"■種No=20：回数=0：フ移動ALL=(5,5)", "endloop 1020 2", 13},
      {"■種No=25：回数=0", "endloop 1020 5", 13},
      {"■種No=26：分岐=12：回数=0：フ移動Px2=4", "endloop 1020 5", 13},
      {"■種No=10：分岐=3：回数=1：フ移動Px1=4", "endloop 1020 3", 13},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.params);
    scenario_test::ScenarioScene scene;
    scenario_test::WindowSize();
    scenario_test::ShowFace(1, 10, kFace.x, kFace.y, 200, 150);
    scenario_test::PrepareShown(11, 0, 0, 120, 40);
    scenario_test::PrepareShown(12, 0, 0, 30, 20);
    std::vector<uint32_t> times;
    std::vector<LayerPlace> faces;
    FrameRecorder recorder([&] {
      times.push_back(tq::ThePlatform().Now());
      faces.push_back(PlaceOf(10));
    });
    scenario_test::Script({std::string("[フ別移動]：●1：") + c.params});
    ExecuteScriptLine();
    EXPECT_EQ(scene.harness.TraceOf("endloop"), std::vector<std::string>{c.endloop});
    if (times.size() > 2) {
      EXPECT_EQ(times[2] - times[1], static_cast<uint32_t>(c.frameMs));
    }
    EXPECT_EQ(PlaceOf(10), kFace);  // the speaker's face is back in its place
    EXPECT_EQ(SeparateBalloonMove.SepMoveKind[1], 0);
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
    if (std::string(c.params) == "■種No=30") {
      ASSERT_EQ(faces.size(), 17u);
      EXPECT_EQ(faces[0], (LayerPlace{kFace.x, kFace.y - 7}));
      EXPECT_EQ(faces[1], (LayerPlace{kFace.x, kFace.y + 7}));
    }
  }
}

}  // namespace
