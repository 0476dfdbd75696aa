// Mini pictures beside a face: how long each kind and variant runs, where it stands
// frame by frame, its mark sound, the framed shrink of the erase, and minis stepped
// by a simultaneous group.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/text.h"
#include "platform/platform.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/mini_pictures.h"
#include "scenario/script_store.h"
#include "scenario_faces.h"
#include "scenario_fixture.h"

namespace {

using scenario_test::FrameRecorder;
using scenario_test::LayerPlace;
using scenario_test::PlaceOf;
using scenario_test::PrepareShown;
using scenario_test::Script;
using scenario_test::ScenarioScene;
using scenario_test::ShowFace;

// Slot 1's face: layer 10 at (300, 200), 200 by 100; its minis on layer 19.
constexpr int kFace = 10;
constexpr int kMini = 19;

void SetUpScene() {
  scenario_test::WindowSize();
  GameConfig.Settings[2] = 9;
  ShowFace(1, kFace, 300, 200, 200, 100);
}

std::string MiniLine(int kind, int variant, const std::string& extra = "") {
  return "[ミニ表示]：●1：ミ種=(" + std::to_string(kind) + "," + std::to_string(variant) + ",1)" + extra + "：続";
}

struct LayerSize {
  int w = 0;
  int h = 0;
  bool operator==(const LayerSize&) const = default;
};
LayerSize SizeOf(int layer) {
  const auto& l = tq::ThePlatform().Screen().Layer(layer);
  return {l.image.Width(), l.image.Height()};
}
std::ostream& operator<<(std::ostream& os, const LayerSize& s) { return os << s.w << "x" << s.h; }

// Runs one mini line of slot 1 and returns where its layer stood after every frame;
// `prepare` runs once the scene is set up.
std::vector<LayerPlace> MiniPath(int kind, int variant, const std::function<void()>& prepare = nullptr) {
  ScenarioScene scene;
  SetUpScene();
  if (prepare) prepare();
  Script({MiniLine(kind, variant), "次"});
  std::vector<LayerPlace> seen;
  FrameRecorder recorder([&seen] { seen.push_back(PlaceOf(kMini)); });
  ExecuteScriptLine();
  return seen;
}

// Every kind runs its frames, then the mini is shown and the line goes on 100 ms later.
TEST(MiniPictures, EachKindAndVariantRunsItsFramesThenTheLineEnds) {
  const struct {
    int kind, variant, frames;
  } cases[] = {
      {30, 0, 93},  {30, 1, 93},   {30, 10, 183}, {30, 20, 93},  {30, 105, 93}, {30, 115, 183},
      {30, 120, 155}, {30, 130, 305}, {31, 0, 16},  {31, 1, 16},   {31, 10, 48},  {31, 11, 48},
      {31, 104, 16}, {31, 112, 16},  {32, 0, 29},   {32, 1, 29},   {32, 25, 29},  {33, 0, 32},
      {33, 1, 32},   {33, 13, 32},   {34, 0, 22},   {34, 1, 19},   {34, 2, 19},   {34, 12, 19},
      {34, 100, 22}, {34, 115, 22},  {35, 0, 31},   {35, 11, 31},  {35, 103, 31},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.kind) + "/" + std::to_string(c.variant));
    ScenarioScene scene;
    SetUpScene();
    Script({MiniLine(c.kind, c.variant), "次"});
    ExecuteScriptLine();
    EXPECT_EQ(scene.harness.TraceOf("endloop"),
              std::vector<std::string>{"endloop " + std::to_string(1000 + c.kind) + " " + std::to_string(c.frames)});
    EXPECT_EQ(FaceSlot.MiniState[1][1], kBalloonShown);
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
    EXPECT_EQ(scene.Timers(), std::vector<std::string>{"timer 100"});
  }
}

// A mini line that names no mini 1 or 2 ends at once and changes no mini.
TEST(MiniPictures, AMiniNumberOutsideOneAndTwoEndsTheLineAtOnce) {
  ScenarioScene scene;
  SetUpScene();
  Script({"[ミニ表示]：●1：ミ種=(30,0,3)：続", "次"});
  ExecuteScriptLine();
  EXPECT_EQ(scene.harness.TraceOf("endloop"), std::vector<std::string>{"endloop 1030 1"});
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
  EXPECT_EQ(FaceSlot.MiniState[1][1], kBalloonHidden);
}

// The thinking box shows one, two and three dots in turn, 31 frames each, beside the
// face's right edge; variant 120 fills a wider box with five.
TEST(MiniPictures, ThinkingDotsFillTheBoxOneDotAtATime) {
  const struct {
    int variant;
    LayerSize box;
    LayerPlace place;
    std::vector<std::string> texts;
  } cases[] = {
      {0, {84, 36}, {475, 210}, {"・", "・・", "・・・"}},
      {21, {84, 36}, {236, 225}, {"・", "・・", "・・・"}},
      {120, {117, 36}, {300, 200}, {"・", "・・", "・・・", "・・・・", "・・・・・"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.variant);
    ScenarioScene scene;
    SetUpScene();
    Script({MiniLine(30, c.variant), "次"});
    std::vector<std::string> texts;
    std::vector<int> changedAt;
    int frame = 0;
    FrameRecorder recorder([&] {
      if (texts.empty() || texts.back() != TextStyle.CurrentText) {
        texts.push_back(TextStyle.CurrentText);
        changedAt.push_back(frame);
      }
      ++frame;
    });
    ExecuteScriptLine();
    EXPECT_EQ(texts, c.texts);
    for (size_t i = 0; i < changedAt.size(); ++i) EXPECT_EQ(changedAt[i], 31 * static_cast<int>(i));
    EXPECT_EQ(SizeOf(kMini), c.box);
    EXPECT_EQ(PlaceOf(kMini), c.place);
  }
}

// The "？" circles the face: on the first frame of each of three turns it stands at
// step 9, at radius factors 10, 5 and 1.5 (halves rounded to even).
TEST(MiniPictures, QuestionMarkSpiralsInwardsOverThreeTurns) {
  const std::vector<LayerPlace> seen = MiniPath(31, 10);
  ASSERT_EQ(seen.size(), 48u);
  EXPECT_EQ(seen[0], (LayerPlace{437, 304}));
  EXPECT_EQ(seen[16], (LayerPlace{462, 249}));
  EXPECT_EQ(seen[32], (LayerPlace{480, 210}));
}

// Clockwise it starts on the face's left, at step 7.
TEST(MiniPictures, ClockwiseQuestionMarkStartsLeftOfTheFace) {
  const std::vector<LayerPlace> seen = MiniPath(31, 1);
  ASSERT_EQ(seen.size(), 16u);
  EXPECT_EQ(seen[0], (LayerPlace{260, 210}));
  EXPECT_EQ(seen.back(), (LayerPlace{266, 208}));
}

// The hop: up 25 and back, up 50 and back, 1.25 times the table's steps; variant 1
// mirrors it on the left. The jump: 13 above its base, 40 at the top, back at the end.
TEST(MiniPictures, ExclamationMarksHopAndJumpFromTheirBase) {
  const std::vector<LayerPlace> hop = MiniPath(32, 0);
  ASSERT_EQ(hop.size(), 29u);
  EXPECT_EQ(hop[0], (LayerPlace{480, 205}));
  EXPECT_EQ(hop[5], (LayerPlace{486, 180}));
  EXPECT_EQ(hop[15], (LayerPlace{492, 155}));
  EXPECT_EQ(hop.back(), (LayerPlace{480, 205}));
  const std::vector<LayerPlace> mirrored = MiniPath(32, 1);
  ASSERT_EQ(mirrored.size(), 29u);
  EXPECT_EQ(mirrored[5], (LayerPlace{254, 180}));
  const std::vector<LayerPlace> jump = MiniPath(33, 0);
  ASSERT_EQ(jump.size(), 32u);
  EXPECT_EQ(jump[0], (LayerPlace{480, 192}));
  EXPECT_EQ(jump[15], (LayerPlace{480, 165}));
  EXPECT_EQ(jump[30], (LayerPlace{480, 192}));
  EXPECT_EQ(jump.back(), (LayerPlace{480, 205}));
}

// The thrown picture flies in along an arc and lands at its base plus the course's
// end; variant 100 starts at frame 6, already in flight, from anchor 0.
TEST(MiniPictures, ThrownPictureLandsBesideTheFaceAndTheDroppedOneFallsFifty) {
  const std::vector<LayerPlace> thrown = MiniPath(34, 0);
  ASSERT_EQ(thrown.size(), 22u);
  // Base (100 - 70, 70); course to (-90, -45): x at f = 6 is -90 + 0.1 * 576 = -32.4,
  // y at 2f = 12 is -45 + 0.05 * 324 = -28.8.
  EXPECT_EQ(thrown[0], (LayerPlace{300 + 30 - 32, 200 + 70 - 29}));
  // f = 27: x = -90 + 0.1 * 9 = -89.1, y = -45 + 0.05 * 576 = -16.2.
  EXPECT_EQ(thrown.back(), (LayerPlace{300 + 30 - 89, 200 + 70 - 16}));
  const std::vector<LayerPlace> anchored = MiniPath(34, 100, [] {
    MiniPicture.MiniAnchorX[0] = 40;
    MiniPicture.MiniAnchorY[0] = 30;
  });
  ASSERT_EQ(anchored.size(), 22u);
  // Course to (-120, -75): x = -120 + 120/900 * 576 = -43.2, y = -75 + 75/900 * 324 = -48.
  EXPECT_EQ(anchored[0], (LayerPlace{300 + 40 - 43, 200 + 30 - 48}));
  const std::vector<LayerPlace> dropped = MiniPath(35, 10);
  ASSERT_EQ(dropped.size(), 31u);
  EXPECT_EQ(dropped[0], (LayerPlace{300 + 170, 200 + 25}));
  EXPECT_EQ(dropped[15], (LayerPlace{300 + 170, 200 + 25 + 37}));  // 50 - 12.5000001: the single-precision factor
  EXPECT_EQ(dropped.back(), (LayerPlace{300 + 170, 200 + 25 + 50}));
}

// The mark sounds play only for a "ミ音" of 0 or more; the mark is drawn either way.
TEST(MiniPictures, MarkSoundsFollowTheLinesMiniSound) {
  const struct {
    int kind;
    int sound;  // "ミ音"
    const char* file;
  } cases[] = {
      {31, 0, "Mi131_Ques.wav"}, {31, -1, nullptr}, {32, 0, "Mi132_!Red.wav"},
      {32, -1, nullptr},         {33, 5, "Mi133_!Yellow.wav"}, {33, -1, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.kind) + " ミ音=" + std::to_string(c.sound));
    ScenarioScene scene;
    SetUpScene();
    Script({MiniLine(c.kind, 0, "：ミ音=" + std::to_string(c.sound)), "次"});
    ExecuteScriptLine();
    const std::vector<std::string> reads = scene.harness.TraceOf("STReadFile");
    if (c.file == nullptr) {
      EXPECT_TRUE(reads.empty());
    } else {
      ASSERT_EQ(reads.size(), 1u);
      EXPECT_NE(reads[0].find(c.file), std::string::npos) << reads[0];
    }
    EXPECT_EQ(SizeOf(kMini), (LayerSize{60, 60}));
    // The bevelled box is filled white under its mark.
    EXPECT_EQ(LayerImage(kMini).Get(5, 50), tq::PixelFromColor(Grey(255)));
  }
}

// Mini 1 of slot 1 shown as a kind-34 picture of the given size at (400, 150).
void ShownPictureMini(int width, int height) {
  PrepareShown(kMini, 400, 150, width, height);
  FaceSlot.MiniRelX[1][1] = 100;
  FaceSlot.MiniRelY[1][1] = -50;
  FaceSlot.MiniState[1][1] = kBalloonShown;
  FaceSlot.MiniShownX[1][1] = width;
  FaceSlot.MiniShownY[1][1] = height;
  FaceSlot.MiniKind[1][1] = 34;
}

// The erase shrinks the mini by a fifth of its shown size each frame, about its
// centre, as a white box framed in its kind's colours; then it is hidden.
TEST(MiniPictures, EraseShrinksAboutTheCentreInFifths) {
  const struct {
    int width, height, frames;
  } cases[] = {{60, 60, 5}, {62, 60, 6}, {60, 36, 6}, {3, 3, 1}, {0, 0, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
    ScenarioScene scene;
    SetUpScene();
    ShownPictureMini(c.width, c.height);
    Script({"[ミニ消去]：●1：続", "次"});
    std::vector<LayerSize> sizes;
    std::vector<LayerPlace> places;
    FrameRecorder recorder([&] {
      sizes.push_back(SizeOf(kMini));
      places.push_back(PlaceOf(kMini));
    });
    ExecuteScriptLine();
    EXPECT_EQ(scene.harness.TraceOf("endloop"), std::vector<std::string>{"endloop 1039 " + std::to_string(c.frames)});
    EXPECT_EQ(FaceSlot.MiniState[1][1], kBalloonHidden);
    EXPECT_FALSE(tq::ThePlatform().Screen().Layer(kMini).visible);
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
    if (c.width == 60 && c.height == 60) {
      EXPECT_EQ(sizes[0], (LayerSize{48, 48}));
      EXPECT_EQ(places[0], (LayerPlace{406, 156}));
      EXPECT_EQ(sizes[3], (LayerSize{12, 12}));
      EXPECT_EQ(places[3], (LayerPlace{424, 174}));
    }
  }
}

// A picture mini turns into a white box framed in scheme 104 as it shrinks.
TEST(MiniPictures, ErasedPictureBecomesAWhiteFramedBox) {
  ScenarioScene scene;
  SetUpScene();
  ShownPictureMini(60, 60);
  Script({"[ミニ消去]：●1：続", "次"});
  bool checked = false;
  FrameRecorder recorder([&] {
    if (checked) return;
    checked = true;
    const tq::Surface& image = LayerImage(kMini);
    EXPECT_EQ(image.Get(24, 24), tq::PixelFromColor(Grey(255)));
    EXPECT_EQ(image.Get(24, 0), tq::PixelFromColor(RgbColor(210, 250, 255)));
    EXPECT_TRUE(tq::ThePlatform().Screen().Layer(kMini).visible);
  });
  ExecuteScriptLine();
  EXPECT_TRUE(checked);
}

// Two minis of one slot run in one group, each with its own saved counters: the hop
// of mini 2 keeps the course it has alone while mini 1 fills its dots.
TEST(MiniPictures, TwoMinisOfOneSlotRunTogetherInAGroup) {
  std::vector<LayerPlace> alone;
  {
    ScenarioScene scene;
    SetUpScene();
    FaceSlot.MiniLayer[1][2] = 20;
    Script({"[同時・ミニ表示]：●1：ミ種=(32,0,2)", "[同時スタートのみ]：続", "次"});
    ExecuteScriptLine();
    FrameRecorder recorder([&] { alone.push_back(PlaceOf(20)); });
    ExecuteScriptLine();
  }
  ScenarioScene scene;
  SetUpScene();
  FaceSlot.MiniLayer[1][2] = 20;
  Script({"[同時・ミニ表示]：●1：ミ種=(30,0,1)", "[同時・ミニ表示]：●1：ミ種=(32,0,2)", "[同時スタートのみ]：続", "次"});
  ExecuteScriptLine();
  ExecuteScriptLine();
  std::vector<LayerPlace> together;
  std::vector<std::string> texts;
  FrameRecorder recorder([&] {
    together.push_back(PlaceOf(20));
    if (texts.empty() || texts.back() != TextStyle.CurrentText) texts.push_back(TextStyle.CurrentText);
  });
  ExecuteScriptLine();
  EXPECT_EQ(scene.Loops(), std::vector<std::string>{"loop 1020"});
  // One frame before the minis start, 93 of dots.
  EXPECT_EQ(scene.harness.TraceOf("endloop"), std::vector<std::string>{"endloop 1020 94"});
  ASSERT_GE(together.size(), alone.size());
  EXPECT_EQ(std::vector<LayerPlace>(together.begin(), together.begin() + static_cast<long>(alone.size())), alone);
  EXPECT_EQ(FaceSlot.MiniState[1][1], kBalloonShown);
  EXPECT_EQ(FaceSlot.MiniState[1][2], kBalloonShown);
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 3);
}

// A face move, a mini and a balloon of one group run in one loop; the mini rides
// along with the face and stands beside it where the face stops.
TEST(MiniPictures, FaceMoveMiniAndBalloonRunInOneLoop) {
  ScenarioScene scene;
  SetUpScene();
  Script({"[同時・顔の移動]：●1：(300,200)→(400,200)：Ty=10：回=10", "[同時・ミニ表示]：●1：ミ種=(33,0,1)",
          "[同時・フキA]：●1：フ種=(10,0,-1)：文", "[同時スタートのみ]：続", "次"});
  for (int i = 0; i < 3; ++i) ExecuteScriptLine();
  ExecuteScriptLine();
  EXPECT_EQ(scene.Loops(), std::vector<std::string>{"loop 1020"});
  EXPECT_EQ(scene.harness.TraceOf("endloop").size(), 1u);
  EXPECT_EQ(PlaceOf(kFace), (LayerPlace{400, 200}));
  EXPECT_EQ(PlaceOf(kMini), (LayerPlace{400 + 180, 205}));
  EXPECT_EQ(FaceSlot.MiniState[1][1], kBalloonShown);
  EXPECT_EQ(FaceSlot.SpeechState[1], kBalloonShown);
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 4);
}

}  // namespace
