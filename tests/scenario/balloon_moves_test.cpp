// Balloon moves and shakes: each kind frame by frame, the tail parts that follow the
// body, the frame lengths, the way home, and input during a move.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "platform/headless/headless_platform.h"
#include "platform/platform.h"
#include "scenario/auto_reading.h"
#include "scenario/balloon_moves.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/script_actions.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"
#include "face_picture.h"
#include "scenario_faces.h"
#include "scenario_fixture.h"
#include "support/save_files.h"

namespace {

using scenario_test::FrameRecorder;
using scenario_test::LayerPlace;
using scenario_test::PlaceOf;
using scenario_test::ScenarioScene;

// Slot 1: the face on layer 10, the speech balloon on 11 with its tail on 12, the
// thought balloon on 14 with its bubbles on 15 to 17.
constexpr LayerPlace kHomes[] = {{300, 200}, {420, 260}, {0, 0}, {0, 0}, {500, 100}, {560, 150}, {580, 170}, {600, 190}};

void SlotWithBalloons() {
  scenario_test::WindowSize();
  scenario_test::ShowFace(1, 10, 600, 300, 200, 150);
  for (int layer = 11; layer <= 17; ++layer) {
    if (layer == 13) continue;
    const LayerPlace& home = kHomes[layer - 10];
    scenario_test::PrepareShown(layer, home.x, home.y, 40, 30);
  }
}

// Where a layer stands relative to its home.
LayerPlace Offset(int layer) {
  const LayerPlace at = PlaceOf(layer);
  return {at.x - kHomes[layer - 10].x, at.y - kHomes[layer - 10].y};
}

struct Frame {
  uint32_t at;
  LayerPlace body, tail;
};

// Runs the move line and records the offsets of the body and of one tail part after
// every frame.
std::vector<Frame> RunMove(const std::string& line, int body = 11, int tail = 12) {
  std::vector<Frame> frames;
  FrameRecorder recorder(
      [&] { frames.push_back({tq::ThePlatform().Now(), Offset(body), Offset(tail)}); });
  scenario_test::Script({line, "次"});
  ExecuteScriptLine();
  return frames;
}

std::vector<uint32_t> Lengths(const std::vector<Frame>& frames) {
  std::vector<uint32_t> out;
  for (size_t i = 1; i < frames.size(); ++i) out.push_back(frames[i].at - frames[i - 1].at);
  return out;
}

class BalloonMoveTest : public scenario_test::ScenarioFixture {
 protected:
  void SetUp() override { SlotWithBalloons(); }
  std::vector<std::string> EndLoops() const { return harness.TraceOf("endloop"); }
};

// The random shake: 31 frames of 20 ms, each offset within the amplitude (a negative
// one shakes by its size), the tail at half of it, and everything home at the end.
TEST_F(BalloonMoveTest, ShakeStaysWithinItsAmplitudeAndEndsAtHome) {
  for (const char* amplitude : {"5", "-5"}) {
    SCOPED_TRACE(amplitude);
    SlotWithBalloons();
    const std::vector<Frame> frames =
        RunMove(std::string("[フキ移動]：●1：■種No=10：分岐=0：フ移動Px1=") + amplitude + "：回数=30");
    ASSERT_EQ(frames.size(), 31u);
    EXPECT_EQ(EndLoops().back(), "endloop 1021 31");
    EXPECT_EQ(Lengths(frames), std::vector<uint32_t>(30, 20));
    bool moved = false;
    for (size_t i = 0; i + 1 < frames.size(); ++i) {
      const Frame& f = frames[i];
      EXPECT_LE(std::abs(f.body.x), 5) << i;
      EXPECT_LE(std::abs(f.body.y), 5) << i;
      EXPECT_LE(std::abs(f.tail.x), 2) << i;  // half of at most 5, to even
      EXPECT_LE(std::abs(f.tail.y), 2) << i;
      EXPECT_LE(std::abs(f.tail.x - f.body.x / 2), 1) << i;
      moved = moved || f.body != LayerPlace{};
    }
    EXPECT_TRUE(moved);
    EXPECT_EQ(frames.back().body, LayerPlace{});
    EXPECT_EQ(frames.back().tail, LayerPlace{});
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
    EXPECT_EQ(BalloonMove.BalloonMoveKind, 0);
  }
}

// The bounce of mode 2 shrinks toward one pixel; the + 1 moves x as well.
TEST_F(BalloonMoveTest, DyingBounceAlternatesWithHome) {
  const std::vector<Frame> frames = RunMove("[フキ移動]：●1：■種No=11：分岐=2：フ移動ALL=(0,+5)：回数=8：フ移動インタ=50");
  ASSERT_EQ(frames.size(), 9u);
  EXPECT_EQ(Lengths(frames), std::vector<uint32_t>(8, 50));
  const std::vector<LayerPlace> expected = {{1, 6}, {0, 0}, {1, 5}, {0, 0}, {1, 4}, {0, 0}, {1, 2}, {0, 0}, {0, 0}};
  for (size_t i = 0; i < frames.size(); ++i) EXPECT_EQ(frames[i].body, expected[i]) << i;
  EXPECT_EQ(frames[0].tail, (LayerPlace{0, 3}));  // 0.5 and 3: halves to even
  EXPECT_EQ(frames[2].tail, (LayerPlace{0, 2}));
}

// A glide of the thought balloon stays where it ends, its bubbles at a quarter, a half
// and three quarters of the body's offset; nothing puts it back.
TEST_F(BalloonMoveTest, ThoughtGlideKeepsItsNewPlace) {
  const std::vector<Frame> frames = RunMove("[思フ移動]：●1：■種No=20：フ移動ALL=(40,-20)：回数=4", 14, 17);
  ASSERT_EQ(frames.size(), 5u);
  // 40 - (4 - t)^2 x 2.5: 0, 17.5 -> 18, 30, 37.5 -> 38, 40.
  const int xs[] = {0, 18, 30, 38, 40};
  for (size_t i = 0; i < 5; ++i) EXPECT_EQ(frames[i].body.x, xs[i]) << i;
  EXPECT_EQ(Offset(14), (LayerPlace{40, -20}));
  EXPECT_EQ(Offset(15), (LayerPlace{10, -5}));
  EXPECT_EQ(Offset(16), (LayerPlace{20, -10}));
  EXPECT_EQ(Offset(17), (LayerPlace{30, -15}));
  EXPECT_EQ(Offset(11), LayerPlace{});  // the speech balloon is not part of it
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
}

// How long each kind runs, and that it ends at home (but the glide) with its record
// cleared. Counts that a curve would divide by count as 1 (2 for a half leg), a
// kind-51 swing past its five legs is held to five, and a kind without a motion ends
// the line at once.
TEST(BalloonMoves, EveryKindRunsItsFramesAndEnds) {
  const struct {
    const char* params;
    int frames;
    bool home;
  } cases[] = {
      {"■種No=1：分岐=0：フ移動ALL=(3,3,0,0)", 1, true},
      {"■種No=1：分岐=10", 16, true},
      {"■種No=1：分岐=1：フ移動ALL=(3,3,-3,-3)：回数=5", 6, true},
      {"■種No=2：分岐=0", 31, true},
      {"■種No=10：分岐=1：フ移動Px1=6：回数=0", 1, true},
      {"■種No=10：分岐=3：フ移動Px1=6：回数=1", 2, true},
      {"■種No=10：分岐=3：フ移動Px1=-6：回数=12", 13, true},
      {"■種No=11：分岐=3：フ移動ALL=(4,4)：回数=0", 1, true},
      {"■種No=20：フ移動ALL=(9,9)：回数=0", 2, false},
      {"■種No=20：分岐=12：フ移動ALL=(9,9,3,0)：回数=6", 7, false},
      {"■種No=25：分岐=2：フ移動ALL=(10,-20)：回数=10", 22, true},
      {"■種No=25：分岐=0：フ移動ALL=(10,-20)：回数=0", 2, true},
      {"■種No=50：分岐=1：フ移動ALL=(10,10)：回数=10", 22, true},
      {"■種No=50：分岐=0：フ移動ALL=(10,10)：回数=0", 2, true},
      {"■種No=51：分岐=1：フ移動ALL=(10,0,-10,0)：回数=20", 43, true},
      {"■種No=51：分岐=1：フ移動ALL=(10,0,-10,0)：回数=0", 7, true},
      {"■種No=51：分岐=9：フ移動ALL=(10,0,-10,0)：回数=4", 51, true},
      {"■種No=7：回数=30", 1, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.params);
    ScenarioScene scene;
    SlotWithBalloons();
    const std::vector<Frame> frames = RunMove(std::string("[フキ移動]：●1：") + c.params);
    EXPECT_EQ(frames.size(), static_cast<size_t>(c.frames));
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
    EXPECT_EQ(BalloonMove.BalloonMoveKind, 0);
    EXPECT_EQ(BalloonMove.BalloonMoveCount, 0);
    if (c.home) {
      EXPECT_EQ(Offset(11), LayerPlace{});
      EXPECT_EQ(Offset(12), LayerPlace{});
    }
  }
}

// The swing between two points: a half leg out to the first point, a full leg to the
// second and a half leg home, each showing its end point again as the next one starts.
TEST_F(BalloonMoveTest, SwingBetweenTwoPointsRunsItsLegs) {
  const std::vector<Frame> frames = RunMove("[フキ移動]：●1：■種No=51：分岐=1：フ移動ALL=(10,0,-10,4)：回数=20");
  ASSERT_EQ(frames.size(), 43u);
  EXPECT_EQ(frames[0].body, LayerPlace{});
  EXPECT_EQ(frames[5].body, (LayerPlace{5, 0}));
  EXPECT_EQ(frames[10].body, (LayerPlace{10, 0}));   // end of the first leg, 11 frames
  EXPECT_EQ(frames[11].body, (LayerPlace{10, 0}));   // the second leg starts there
  EXPECT_EQ(frames[21].body, (LayerPlace{0, 2}));
  EXPECT_EQ(frames[31].body, (LayerPlace{-10, 4}));  // end of the second leg, 21 frames
  EXPECT_EQ(frames[32].body, (LayerPlace{-10, 4}));
  EXPECT_EQ(frames[41].body, (LayerPlace{-1, 0}));   // -10 + 10 / 10 x 9, 0.4 -> 0
  EXPECT_EQ(frames[42].body, LayerPlace{});          // home, and the line ends
  EXPECT_EQ(frames[31].tail, (LayerPlace{-5, 2}));
}

// A hop lifts the balloon to Y1 at half-way and lets it fall back; the x glide starts
// again with each hop.
TEST_F(BalloonMoveTest, HopsRiseAndFall) {
  const std::vector<Frame> frames = RunMove("[フキ移動]：●1：■種No=25：分岐=2：フ移動ALL=(8,-20)：回数=4");
  ASSERT_EQ(frames.size(), 10u);
  const std::vector<LayerPlace> hop = {{0, 0}, {4, -15}, {6, -20}, {8, -15}, {8, 0}};
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(frames[i].body, hop[i]) << i;
    if (i + 5 < frames.size() - 1) {
      EXPECT_EQ(frames[i + 5].body, hop[i]) << i + 5;
    }
  }
  EXPECT_EQ(frames.back().body, LayerPlace{});
}

// Interval and frame speed: 5 and 10 ms become 6 and 12 at game speed 2, so that its
// scaling gives 5 and 10 again; other intervals scale as every frame does.
TEST_F(BalloonMoveTest, IntervalsAtGameSpeedTwo) {
  const struct {
    int speed, interval;
    uint32_t frameMs;
  } cases[] = {{2, 10, 10}, {2, 20, 16}, {2, 5, 5}, {1, 10, 10}, {1, 0, 30}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.speed) + " " + std::to_string(c.interval));
    GameConfig.FrameSpeed = c.speed;
    const std::vector<Frame> frames =
        RunMove("[フキ移動]：●1：■種No=11：分岐=0：フ移動ALL=(0,4)：回数=4：フ移動インタ=" + std::to_string(c.interval));
    EXPECT_EQ(Lengths(frames), std::vector<uint32_t>(4, c.frameMs));
  }
  GameConfig.FrameSpeed = 1;
}

TEST(BalloonMoves, SpeedFixOnlyChangesFiveAndTenAtSpeedTwo) {
  const struct {
    int speed, interval, fixed;
  } cases[] = {{2, 5, 6}, {2, 10, 12}, {2, 20, 20}, {2, 0, 0}, {1, 5, 5}, {0, 10, 10}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.speed) + " " + std::to_string(c.interval));
    ScenarioScene scene;
    GameConfig.FrameSpeed = c.speed;
    BalloonMove.BalloonMoveInterval = c.interval;
    BalloonMoveSpeedFix();
    EXPECT_EQ(BalloonMove.BalloonMoveInterval, c.fixed);
  }
}

// Apply used alone (as a game shakes its own layers): negative factors take the
// defaults and are written back; given factors move each part by their share.
TEST(BalloonMoves, ApplyMovesTheGroupByItsFactors) {
  ScenarioScene scene;
  SlotWithBalloons();
  LineState.BalloonMoveThought = 1;
  BalloonMove.BalloonMoveLayer = 14;
  BalloonMoveGather();
  std::array<float, 4> factors = {-1.0f, -1.0f, 9.0f, 9.0f};
  BalloonMoveApply(8, -4, factors);
  EXPECT_EQ(factors, (std::array<float, 4>{0.5f, 0.25f, 0.5f, 0.75f}));
  EXPECT_EQ(Offset(14), (LayerPlace{8, -4}));
  EXPECT_EQ(Offset(15), (LayerPlace{2, -1}));
  EXPECT_EQ(Offset(16), (LayerPlace{4, -2}));
  EXPECT_EQ(Offset(17), (LayerPlace{6, -3}));
  LineState.BalloonMoveThought = 0;
  BalloonMove.BalloonMoveLayer = 11;
  BalloonMoveGather();
  factors = {1.0f, 0.0f, 0.0f, 0.0f};
  BalloonMoveApply(-6, 6, factors);
  EXPECT_EQ(Offset(11), (LayerPlace{-6, 6}));
  EXPECT_EQ(Offset(12), (LayerPlace{-6, 6}));
  EXPECT_EQ(Offset(15), (LayerPlace{2, -1}));  // the bubbles are not in this group
}

TEST(BalloonMoves, CurvesOfTheMoves) {
  const struct {
    const char* name;
    int got, expected;
  } cases[] = {
      {"growing at 0", GrowingOffset(10, 4, 0), 1},
      {"growing at the end", GrowingOffset(10, 4, 4), 11},
      {"growing over no frames", GrowingOffset(10, 0, 0), 1},
      {"dying at 0", DyingOffset(5, 8, 0), 6},
      {"dying 3.5 to 4", DyingOffset(5, 8, 4), 4},
      {"dying 2.25 to 2", DyingOffset(5, 8, 6), 2},
      {"dying over no frames", DyingOffset(5, 0, 0), 6},
      {"swell at 0", SwellOffset(10, 8, 0), 0},
      {"swell rising", SwellOffset(10, 8, 2), 5},
      {"swell at half-way", SwellOffset(10, 8, 4), 10},
      {"swell falling", SwellOffset(10, 8, 6), 5},
      {"swell of one frame", SwellOffset(10, 1, 1), 10},
      {"shake mode 0, negative", ShakeAmplitude(0, -7, 10, 3), 7},
      {"shake mode 2 at the end", ShakeAmplitude(2, 4, 10, 10), 1},
      {"shake mode 2, negative", ShakeAmplitude(2, -4, 10, 0), 5},
      {"shake mode 3 at the end", ShakeAmplitude(3, 4, 10, 10), 1},
      {"shake mode 3 at 0", ShakeAmplitude(3, 4, 10, 0), 0},
      {"shake mode 9", ShakeAmplitude(9, 4, 10, 0), 0},
      {"glide at 0", GlideOffset(40, 4, 0), 0},
      {"glide at the end", GlideOffset(40, 4, 4), 40},
      {"glide past its end", GlideOffset(-40, 10, 21), 8},
      {"glide over no frames", GlideOffset(40, 0, 1), 40},
  };
  for (const auto& c : cases) EXPECT_EQ(c.got, c.expected) << c.name;
}

// A click during a move in normal reading puts the balloon and its tail back at once
// and finishes the line; the next move then starts from a clean record (the cut move's
// interval is gone). In automatic reading the click is dropped and the move runs out.
TEST_F(BalloonMoveTest, AClickCutsTheMoveShortInNormalReadingOnly) {
  for (int readMode : {1, 2}) {
    SCOPED_TRACE(readMode);
    SlotWithBalloons();
    VoiceSettings.BalloonMoveSkippable = -1;
    ReadState.ReadMode = readMode;
    // The scene is not started: only the window's mouse-down reaches the engine. The
    // click comes after the third frame, with the balloon at its offset.
    harness.Platform().SetEventSink({nullptr, nullptr, FormMouseDown, nullptr, nullptr});
    const uint32_t start = tq::ThePlatform().Now();
    harness.ClickAt(start + 90, 5, 5);
    const std::vector<Frame> frames = RunMove("[フキ移動]：●1：■種No=11：分岐=0：フ移動ALL=(7,7)：回数=20：フ移動インタ=50");
    if (readMode == 1) {
      ASSERT_FALSE(frames.empty());
      EXPECT_EQ(frames.back().body, (LayerPlace{7, 7}));  // where the click caught it
    }
    EXPECT_EQ(Offset(11), LayerPlace{});
    EXPECT_EQ(Offset(12), LayerPlace{});
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
    EXPECT_EQ(BalloonMove.BalloonMoveInterval, 0);
    EXPECT_EQ(EndLoops().back(), readMode == 1 ? "endloop 1021 3" : "endloop 1021 21");
    ReadState.ReadMode = 1;
  }
}

// Input during a balloon move puts the balloon back where it stood and ends the line.
TEST(BalloonMoveInput, AClickDuringAMoveReturnsTheBalloonHomeAndFinishesTheLine) {
  struct Case {
    int thought;
    int firstLayer;
    int parts;
  } cases[] = {{0, 11, 2}, {1, 14, 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.thought);
    scenario_test::ScenarioScene scene;
    scenario_test::WindowSize();
    scenario_test::ShowFace(1, 10, 0, 0, 100, 100);
    scenario_test::Script({"[フキ移動]", "next"});
    ConvertScriptLine();  // the line in progress is the move (an action, not balloon text)
    LineState.CurrentSlot = 1;
    LineState.BalloonMoveThought = c.thought;
    BalloonMove.BalloonMoveKind = 10;
    BalloonMove.BalloonMoveInterval = 50;
    for (int i = 0; i < c.parts; ++i) {
      scenario_test::PrepareShown(c.firstLayer + i, 300 + i, 300 + i, 20, 20);  // mid-move
      VoiceSettings.BalloonHomeX[i] = 100 + 10 * i;
      VoiceSettings.BalloonHomeY[i] = 50 + 10 * i;
    }
    FrameClock.WaitActive = -1;  // the move's loop is running
    AnimationRun.WaitKind = kWaitBalloonMove;
    InputEvent.MouseButton = 1;
    int window = -1;
    MouseDownHandler(0, window);
    for (int i = 0; i < c.parts; ++i) {
      EXPECT_EQ(PlaceOf(c.firstLayer + i), (LayerPlace{100 + 10 * i, 50 + 10 * i})) << i;
      EXPECT_EQ(tq::ThePlatform().Screen().Layer(c.firstLayer + i).image.Width(), 20);
    }
    EXPECT_EQ(AnimationRun.WaitKind, 0);
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
    // The cut move is cleared as a move that ran out is.
    EXPECT_EQ(BalloonMove.BalloonMoveKind, 0);
    EXPECT_EQ(BalloonMove.BalloonMoveInterval, 0);
  }
}

// The runner plays a shake, a separate glide and a face move from a script file: the
// shake runs 31 frames of 20 ms and leaves the balloon where it stood, the glide lifts
// it 40 pixels from its face (the tail 32), and the face move carries it along.
TEST(BalloonMoves, RunnerPlaysMovesFromAScriptFile) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() /
                       ("thornquill-balloonmove-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  const fs::path root = dir / "root";
  scenario_test::WriteFaceBmp((root / "bmp_data" / "Face" / "整備02_s250x176_0.BMP").string(), 250, 176, {255, 240, 200},
                              {90, 60, 30});
  {
    std::ofstream script(dir / "script.txt", std::ios::binary);
    script << "[顔の設定]：[顔No]=01：[顔BMPNo]=100：[顔FXNo]=20\n"
              "[顔の移動]：●1：(外左,40)→(30,40)：Ty=11：回=20：続\n"
              "[フキA]：●1：フ種=(10,0,-1)：やあ、きょうは　いい　てんきだね！\n"
              "[フキ移動]：●1：■種No=10：分岐=0：フ移動Px1=5：回数=30：続\n"
              "[フ別移動]：●1：■種No=20：フ移動ALL=(0,-40)：回数=10：続\n"
              "[顔の移動]：●1：(現,現)→(300,80)：Ty=10：回=10：続\n"
              "[ウェイト]：Fu=50\n";
    std::ofstream input(dir / "input.txt", std::ios::binary);
    input << "1500 click 460 400\n";
  }
  std::string command = std::string("'") + THORNQUILL_RUNNER + "' --mode 'Skelvane２' --root '" + root.string() +
                        "' --script '" + (dir / "script.txt").string() + "' --input '" + (dir / "input.txt").string() +
                        "' --until 3000 --trace '" + (dir / "trace").string() + "'";
  const uint32_t dumps[] = {1450, 1700, 2150, 2400, 2900};
  for (uint32_t at : dumps) command += " --dump " + std::to_string(at) + ":'" + (dir / std::to_string(at)).string() + "'";
  command += " 2>/dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0);
  auto read = [&dir](const std::string& name) { return tq::testing::ReadFileBytes((dir / name).string()); };
  // Where a layer stands in a dump: "layer <index> <shown> <x> <y> ...".
  auto place = [&read](uint32_t at, int layer) {
    std::istringstream lines(read(std::to_string(at)));
    for (std::string line; std::getline(lines, line);) {
      std::istringstream words(line);
      std::string word;
      int index = -1, shown = 0;
      LayerPlace p;
      if (words >> word >> index >> shown >> p.x >> p.y && word == "layer" && index == layer) return p;
    }
    return LayerPlace{-9999, -9999};
  };
  const std::string trace = read("trace");
  const LayerPlace face[] = {place(1450, 20), place(2400, 20), place(2900, 20)};
  const LayerPlace balloon[] = {place(1450, 21), place(1700, 21), place(2150, 21), place(2400, 21), place(2900, 21)};
  const LayerPlace tail[] = {place(1450, 22), place(2150, 22), place(2400, 22), place(2900, 22)};
  fs::remove_all(dir);

  EXPECT_NE(trace.find("1500 loop 1021\n"), std::string::npos) << trace;
  EXPECT_NE(trace.find("2100 endloop 1021 31\n"), std::string::npos) << trace;
  EXPECT_EQ(face[0], (LayerPlace{30, 40}));
  EXPECT_LE(std::abs(balloon[1].x - balloon[0].x), 5);
  EXPECT_LE(std::abs(balloon[1].y - balloon[0].y), 5);
  EXPECT_EQ(balloon[2], balloon[0]);
  EXPECT_EQ(tail[1], tail[0]);
  EXPECT_EQ(balloon[3], (LayerPlace{balloon[0].x, balloon[0].y - 40}));
  EXPECT_EQ(tail[2], (LayerPlace{tail[0].x, tail[0].y - 32}));
  EXPECT_EQ(face[2], (LayerPlace{300, 80}));
  EXPECT_EQ(balloon[4], (LayerPlace{balloon[3].x + 270, balloon[3].y + 40}));
  EXPECT_EQ(tail[3], (LayerPlace{tail[2].x + 270, tail[2].y + 40}));
}

}  // namespace
