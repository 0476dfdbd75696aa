// Face moves and the simultaneous run: the move's parameters, its curve frame by
// frame, chained entries, the order of queued items, the fixed queues and the recoil.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/numeric.h"
#include "scenario/balloon_geometry.h"
#include "scenario/face_settings.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/motion_curves.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"
#include "scenario/simultaneous_groups.h"
#include "scenario_faces.h"
#include "scenario_fixture.h"
#include "support/save_files.h"

namespace {

using scenario_test::FrameRecorder;
using scenario_test::LayerPlace;
using scenario_test::PlaceOf;
using scenario_test::Script;
using scenario_test::ScenarioScene;
using scenario_test::ShowFace;

class SimultaneousGroupTest : public scenario_test::ScenarioFixture {
 protected:
  void SetUp() override { scenario_test::WindowSize(); }
  std::vector<std::string> EndLoops() const { return harness.TraceOf("endloop"); }
};

// The run's frame number of the frame just stepped.
int SteppedFrame() { return AnimationRun.SimultaneousFrame - 1; }

// From just off the right edge into the centre along the ease-out curve: 41 frames
// for a count of 40, then the next line 1 ms later.
TEST_F(SimultaneousGroupTest, FaceSlidesFromTheRightEdgeIntoTheCentre) {
  ShowFace(1, 10, 0, 0, 200, 100);
  Script({"[顔の移動]：●1：(外右,中央)→(中央,元)：Ty=11：回=40：速続", "次"});
  std::vector<LayerPlace> seen;
  FrameRecorder recorder([&seen] { seen.push_back(PlaceOf(10)); });
  ExecuteScriptLine();

  EXPECT_EQ(Loops(), std::vector<std::string>{"loop 1020"});
  EXPECT_EQ(EndLoops(), std::vector<std::string>{"endloop 1020 41"});
  EXPECT_EQ(Timers(), std::vector<std::string>{"timer 1"});
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
  ASSERT_EQ(seen.size(), 41u);
  // End - k (L - F)^2 with k = (360 - 920) / 40^2 held in single precision.
  const double k = static_cast<float>(-560.0 / 1600.0);
  for (int f = 0; f <= 40; ++f) {
    SCOPED_TRACE(f);
    EXPECT_EQ(seen[static_cast<size_t>(f)], (LayerPlace{RoundHalfEven(360 - k * (40 - f) * (40 - f)), 295}));
  }
  EXPECT_EQ(seen.front(), (LayerPlace{920, 295}));
  EXPECT_EQ(seen[20], (LayerPlace{500, 295}));
  EXPECT_EQ(seen.back(), (LayerPlace{360, 295}));
  EXPECT_EQ(SimultaneousGroup.MaxGroup, -1);  // the tables are empty again
}

// What a queued face move files: the points, evaluated start first, and its values.
TEST(SimultaneousGroups, QueuedFaceMoveFilesItsPointsAndValues) {
  const struct {
    const char* line;
    int start[2];
    int end[2];
    int type, frames, recoil;
  } cases[] = {
      {"(中央,外下)→(元,中央)：Ty=10：回=30", {360, 690}, {360, 295}, 10, 30, 0},
      {"(,)→(外右,)：Ty=11：回=30：反動=10", {100, 50}, {920, 50}, 11, 30, 10},
      {"(内左,内上)→(内右,内下)：乗算：30回", {0, 0}, {720, 590}, 11, 30, 0},
      {"(分4-1+20,基2)→(元-650-顔,元+5)：Ty=揺れ：回数=12", {150, 33}, {-700, 38}, 21, 12, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    ScenarioScene scene;
    scenario_test::WindowSize();
    ShowFace(1, 10, 100, 50, 200, 100);
    BasePosition.BasePosY[2] = 33;
    Script({std::string("[同時・顔の移動]：●1：") + c.line});
    ExecuteScriptLine();
    const int g = LineState.LineGroup;
    ASSERT_EQ(g, 0);
    const MotionSlotRecord& m = MotionSlot[0];
    EXPECT_EQ(m.MotionStartX, c.start[0]);
    EXPECT_EQ(m.MotionStartY, c.start[1]);
    EXPECT_EQ(m.MotionEndX, c.end[0]);
    EXPECT_EQ(m.MotionEndY, c.end[1]);
    EXPECT_EQ(m.MotionLayer, 10);
    EXPECT_EQ(SimultaneousGroup.GroupMoveType[0], c.type);
    EXPECT_EQ(SimultaneousGroup.GroupFrames[0], c.frames);
    EXPECT_EQ(SimultaneousGroup.GroupRecoil[0], c.recoil);
    EXPECT_EQ(SimultaneousGroup.GroupSlot[0], 1);
    // Filed as the slot's first face-move entry, and the line goes on 1 ms later.
    EXPECT_EQ(QueueStartFrameAt(1, kPartFaceMove), 0);
    EXPECT_EQ(KeyTableAt(1, 0, kPartFaceMove, 3), c.end[0]);
    EXPECT_EQ(KeyTableAt(1, 0, kPartFaceMove, 7), c.frames);
    EXPECT_EQ(scene.Timers(), std::vector<std::string>{"timer 1"});
    EXPECT_TRUE(scene.Loops().empty());
  }
}

// A move line without Ty keeps the previous line's move type.
TEST_F(SimultaneousGroupTest, MoveTypeCarriesOverToALineWithoutOne) {
  ShowFace(1, 10, 0, 0, 200, 100);
  Script({"[同時・顔の移動]：●1：(0,0)→(5,5)：Ty=13：回=8", "[同時・顔の移動]：●1：(0,0)→(9,9)：回=6"});
  ExecuteScriptLine();
  EXPECT_EQ(MoveParams.MovePause, 8);  // curve 13 pauses for its count when 停止 is not given
  ExecuteScriptLine();
  EXPECT_EQ(SimultaneousGroup.GroupMoveType[0], 13);
  EXPECT_EQ(SimultaneousGroup.GroupFrames[0], 6);
}

// Chained moves of one slot run one after the other; the second starts where the
// first ends (現 of a chained step) in the frame after the first has finished.
TEST_F(SimultaneousGroupTest, ChainedFaceMovesRunOneAfterTheOther) {
  ShowFace(1, 10, 0, 0, 200, 100);
  Script({"[同時・顔の移動]：●1：(0,0)→(100,0)：Ty=10：回=5", "[同時・顔の移動]：●1：(現,現)→(200,0)：Ty=10：回=5：連続=1",
          "[同時スタートのみ]：速続"});
  ExecuteScriptLine();
  ExecuteScriptLine();
  EXPECT_EQ(KeyTableAt(1, 1, kPartFaceMove, 1), 100);
  std::vector<int> xs;
  FrameRecorder recorder([&xs] { xs.push_back(PlaceOf(10).x); });
  ExecuteScriptLine();
  EXPECT_EQ(EndLoops(), std::vector<std::string>{"endloop 1020 12"});
  EXPECT_EQ(xs, (std::vector<int>{0, 20, 40, 60, 80, 100, 100, 120, 140, 160, 180, 200}));
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 3);
}

// A mini queued with start frame 0 begins one frame after a balloon queued with
// start frame 0, and the run ends when both are shown.
TEST_F(SimultaneousGroupTest, MiniBeginsOneFrameAfterBalloonOfTheSameStart) {
  ShowFace(1, 10, 300, 200, 200, 100);
  Script({"[同時・フキA]：●1：フ種=(10,0,-1)：文", "[同時・ミニ表示]：●1：ミ種=(30,0,1)", "[同時スタートのみ]：速続"});
  ExecuteScriptLine();
  ExecuteScriptLine();
  int balloonFrame = -1;
  int miniFrame = -1;
  FrameRecorder recorder([&] {
    if (balloonFrame < 0 && FaceSlot.SpeechState[1] != kBalloonToOpen) balloonFrame = SteppedFrame();
    if (miniFrame < 0 && FaceSlot.MiniState[1][1] != kBalloonToOpen) miniFrame = SteppedFrame();
  });
  ExecuteScriptLine();
  EXPECT_EQ(balloonFrame, 0);
  EXPECT_EQ(miniFrame, 1);
  EXPECT_EQ(FaceSlot.SpeechState[1], kBalloonShown);
  EXPECT_EQ(FaceSlot.MiniState[1][1], kBalloonShown);
  EXPECT_EQ(Timers().back(), "timer 1");
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 3);
}

// A group whose only item is a queued balloon still opens it, in its own slot.
TEST_F(SimultaneousGroupTest, AGroupOfOnlyAQueuedBalloonOpensItInItsSlot) {
  ShowFace(3, 30, 300, 200, 200, 100);
  Script({"[同時・フキA]：●3：フ種=(10,0,-1)：文", "[同時スタートのみ]：速続"});
  ExecuteScriptLine();
  ExecuteScriptLine();
  EXPECT_EQ(FaceSlot.SpeechState[3], kBalloonShown);
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 2);
}

// The fixed queues keep the run alive until their frame: a run of one queued sound at
// frame 5 plays it in its sixth frame and ends in that frame; a queued event plays
// nothing but keeps the run going just the same.
TEST_F(SimultaneousGroupTest, QueuedItemsEndTheRunInTheFrameTheyFire) {
  GameConfig.Settings[2] = 5;  // effects audible
  Script({"[同時・効果音]：サウ番=25：サウID=3：開始=5", "[同時・イベ発生]：順番=2：同時イベ種=4：開始=3",
          "[同時スタートのみ]：速続"});
  ExecuteScriptLine();
  ExecuteScriptLine();
  EXPECT_EQ(SimultaneousQueue.EventQueueKind[2], 4);
  ExecuteScriptLine();
  EXPECT_EQ(EndLoops(), std::vector<std::string>{"endloop 1020 6"});
  EXPECT_EQ(harness.TraceOf("STPlay"), std::vector<std::string>{"STPlay 3"});
  EXPECT_EQ(harness.TimesOf("STPlay 3"), harness.TimesOf("endloop 1020"));
  EXPECT_EQ(SimultaneousQueue.SoundQueueNumber[0], 0);
  EXPECT_EQ(SimultaneousQueue.EventQueueKind[2], 0);
}

// A move of 0 frames counts as one frame: it reaches its end point in its second
// frame, and its recoil (computed over that frame) does not divide by zero.
TEST_F(SimultaneousGroupTest, MoveOfNoFramesCountsAsOneFrame) {
  ShowFace(1, 10, 0, 0, 200, 100);
  FaceSlot.SpeechState[1] = kBalloonShown;
  Script({"[顔の移動]：●1：(0,0)→(50,60)：Ty=11：回=0：反動=1：速続"});
  std::vector<LayerPlace> seen;
  FrameRecorder recorder([&seen] { seen.push_back(PlaceOf(10)); });
  ExecuteScriptLine();
  ASSERT_GE(seen.size(), 2u);
  EXPECT_EQ(seen[0], (LayerPlace{0, 0}));
  EXPECT_EQ(seen[1], (LayerPlace{50, 60}));
  EXPECT_EQ(PlaceOf(10), (LayerPlace{50, 60}));
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
  EXPECT_EQ(FaceSlot.RecoilActive[1], 0);  // the recoil ran and ended
}

// Without recoil the shown balloon and its tail come to rest at their place relative
// to the face's end position.
TEST_F(SimultaneousGroupTest, BalloonRestsBesideTheMovedFaceWithoutRecoil) {
  ShowFace(1, 10, 0, 0, 200, 100);
  scenario_test::PrepareShown(11, 0, 0, 120, 40);  // the balloon body
  scenario_test::PrepareShown(12, 0, 0, 30, 20);   // its tail
  FaceSlot.SpeechState[1] = kBalloonShown;
  BalloonGeometry.SlotBalloonRelX[1] = -150;
  BalloonGeometry.SlotBalloonRelY[1] = 20;
  BalloonGeometry.SlotTailRelX[1] = -30;
  BalloonGeometry.SlotTailRelY[1] = 40;
  Script({"[顔の移動]：●1：(0,0)→(300,100)：Ty=10：回=10：速続"});
  ExecuteScriptLine();
  EXPECT_EQ(PlaceOf(10), (LayerPlace{300, 100}));
  EXPECT_EQ(PlaceOf(11), (LayerPlace{150, 120}));
  EXPECT_EQ(PlaceOf(12), (LayerPlace{270, 140}));
  EXPECT_EQ(FaceSlot.RecoilActive[1], 0);
  EXPECT_EQ(EndLoops(), std::vector<std::string>{"endloop 1020 12"});  // one frame more to rest it
}

// The recoil's amplitude from the move's end speed, and its half-length.
TEST(FaceRecoil, StartsFromTheEndSpeedOfTheMove) {
  const struct {
    const char* name;
    int endX, frames, recoil, scaleX, scaleY;
    int amp, tailAmp, miniAmp, length;
  } cases[] = {
      {"kind 1, 100 px in 20 frames", 100, 20, 1, 0, 0, 2, 2, 1, 6},
      {"kind 2 doubles too", 100, 20, 2, 0, 0, 2, 2, 1, 11},
      {"kind 10 scales by the stage's values", 100, 20, 10, -10, 4, -10, -8, -5, 4},
      {"kind 10 without a half-length runs one frame", 100, 20, 10, 10, 0, 10, 8, 5, 1},
      {"a negative half-length runs one frame", 100, 20, 10, 10, -3, 10, 8, 5, 1},
      {"a move without frames counts as one frame", 100, 0, 1, 0, 0, 800, 640, 400, 30},
      {"an axis that did not change lately still recoils by its sign", 3, 20, 1, 0, 0, 2, 2, 1, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScenarioScene scene;
    LineState.CurrentSlot = 1;
    MotionState.CurrentMotionSlot = 0;
    MotionSlot[0].MotionStartX = 0;
    MotionSlot[0].MotionEndX = c.endX;
    SimultaneousGroup.GroupFrames[0] = c.frames;
    SimultaneousGroup.GroupRecoil[0] = c.recoil;
    RecoilState.MoveTypeScaleX[10] = c.scaleX;
    RecoilState.MoveTypeScaleY[10] = c.scaleY;
    FaceSlot.SpeechState[1] = kBalloonShown;
    FaceSlot.MiniState[1][1] = kBalloonShown;
    EaseFaceMove(0);
    EXPECT_EQ(FaceSlot.RecoilActive[1], 3);
    EXPECT_EQ(FaceSlot.RecoilAmpX[1][0], c.amp);
    EXPECT_EQ(FaceSlot.RecoilAmpX[1][1], c.tailAmp);
    EXPECT_EQ(FaceSlot.MiniRecoilAmpX[1][1], c.miniAmp);
    EXPECT_EQ(FaceSlot.RecoilLength[1][0], c.length);
    EXPECT_EQ(FaceSlot.MiniRecoilLength[1][1], c.length);
    EXPECT_EQ(FaceSlot.MiniRecoilActive[1][2], 0);  // mini 2 is not shown
  }
}

// The balloon swings out to the full amplitude at the half-length and back to rest.
TEST(FaceRecoil, StepsOutAndBack) {
  ScenarioScene scene;
  LineState.CurrentSlot = 1;
  MotionState.CurrentMotionSlot = 0;
  FaceSlot.RecoilActive[1] = 3;
  FaceSlot.RecoilAmpX[1] = {6, 5};
  FaceSlot.RecoilAmpY[1] = {-4, -3};
  FaceSlot.RecoilLength[1][0] = 3;
  SimultaneousGroup.GroupRecoilStart[0] = 10;
  std::vector<int> x;
  for (int frame = 10; frame <= 16; ++frame) {
    AnimationRun.SimultaneousFrame = frame;
    EaseFaceMove(10);
    x.push_back(FaceSlot.PartOffsetX[1][0]);
    EXPECT_EQ(FaceSlot.RecoilActive[1], frame < 16 ? 3 : 0);
  }
  EXPECT_EQ(x, (std::vector<int>{0, 3, 5, 6, 5, 3, 0}));
  EXPECT_EQ(FaceSlot.PartOffsetY[1][0], 0);
  AnimationRun.SimultaneousFrame = 13;
  EaseFaceMove(10);
  EXPECT_EQ(FaceSlot.PartOffsetX[1][1], 5);
  EXPECT_EQ(FaceSlot.PartOffsetY[1][1], -3);
}

// Without recoil a shown balloon (or one to be re-shown) and a shown mini are placed
// once more at rest; nothing else is started.
TEST(FaceRecoil, WithoutRecoilThePicturesArePlacedOnceAtRest) {
  ScenarioScene scene;
  LineState.CurrentSlot = 2;
  MotionState.CurrentMotionSlot = 4;
  SimultaneousGroup.GroupRecoil[4] = 0;
  FaceSlot.SpeechState[2] = kBalloonToReshow;
  FaceSlot.MiniState[2][2] = kBalloonShown;
  FaceSlot.MiniState[2][1] = kBalloonOpening;
  EaseFaceMove(0);
  EXPECT_EQ(FaceSlot.RecoilActive[2], 4);
  EXPECT_EQ(FaceSlot.MiniRecoilActive[2][2], 4);
  EXPECT_EQ(FaceSlot.MiniRecoilActive[2][1], 0);
}

// "[デバグ・Tt変更]" sets the frame length of the group runs that follow.
TEST_F(SimultaneousGroupTest, DebugValueSetsTheRunsFrameLength) {
  GameConfig.Settings[2] = 5;
  Script({"[デバグ・Tt変更]：Pc=20", "[同時・効果音]：サウ番=25：サウID=3：開始=2", "[同時スタートのみ]：速続"});
  for (int i = 0; i < 3; ++i) ExecuteScriptLine();
  ASSERT_EQ(harness.TimesOf("STPlay 3").size(), 1u);
  EXPECT_EQ(harness.TimesOf("STPlay 3")[0] - harness.TimesOf("loop 1020")[0], 40u);
}

// Pictures attached to a face: placed from the face's corner plus their offsets; a
// move of 0 only computes the place.
TEST(FaceSlots, AttachedPicturesArePlacedBesideTheFace) {
  ScenarioScene scene;
  ShowFace(3, 20, 0, 0, 200, 100);
  scenario_test::PrepareShown(21, 0, 0, 50, 30);
  scenario_test::PrepareShown(22, 0, 0, 10, 10);
  scenario_test::PrepareShown(29, 0, 0, 60, 60);
  LineState.CurrentSlot = 3;
  LineExecution.CurrentMini = 2;
  BalloonGeometry.FaceLeft = 400;
  BalloonGeometry.FaceTop = 300;
  BalloonGeometry.SlotBalloonRelX[3] = -100;
  BalloonGeometry.SlotBalloonRelY[3] = 10;
  BalloonGeometry.SlotTailRelX[3] = -20;
  BalloonGeometry.SlotTailRelY[3] = 30;
  FaceSlot.PartOffsetX[3] = {2, 1};
  FaceSlot.PartOffsetY[3] = {-2, -1};
  FaceSlot.MiniRelX[3][2] = 180;
  FaceSlot.MiniRelY[3][2] = -40;
  FaceSlot.MiniOffsetY[3][2] = 5;

  PlaceSlotPicture(0, 0);
  EXPECT_EQ(DrawState.CurrentRect.X, 302);
  EXPECT_EQ(DrawState.CurrentRect.Y, 308);
  EXPECT_EQ(PlaceOf(21), (LayerPlace{0, 0}));
  PlaceSlotPicture(0, -1);
  PlaceSlotPicture(1, -1);
  PlaceSlotPicture(2, -1);
  EXPECT_EQ(PlaceOf(21), (LayerPlace{302, 308}));
  EXPECT_EQ(PlaceOf(22), (LayerPlace{381, 329}));
  EXPECT_EQ(PlaceOf(29), (LayerPlace{580, 265}));
  EXPECT_EQ(tq::ThePlatform().Screen().Layer(21).image.Width(), 50);

  // A mini that has appeared is shown, and its size is kept for its erase.
  SetMiniState();
  EXPECT_EQ(FaceSlot.MiniState[3][2], kBalloonShown);
  EXPECT_EQ(FaceSlot.MiniShownX[3][2], 60);
  EXPECT_EQ(FaceSlot.MiniShownY[3][2], 60);
}

// A kept balloon shown again at once takes its saved line back, text included.
TEST(FaceSlots, ReshownBalloonTakesItsSavedLineBack) {
  ScenarioScene scene;
  scenario_test::WindowSize();
  ShowFace(1, 10, 400, 300, 200, 100);
  Script({"[同時スタートのみ]：速続"});
  FaceSlotRecord& f = FaceSlot;
  f.SlotBalloonText[1] = "保存した文";
  f.SlotSavedSubParam[1] = 0;
  f.SlotSavedMainParam[1] = 10;
  f.SlotSavedAction[1] = -1;
  f.SlotFontSize[1] = 12;
  f.SpeechState[1] = kBalloonToReshow;
  LineState.CurrentSlot = 1;
  ReshowBalloon(5);  // other kinds do nothing
  EXPECT_EQ(f.SpeechState[1], kBalloonToReshow);
  ReshowBalloon(10);
  EXPECT_EQ(ScriptStore.ScriptText[0], "保存した文");
  EXPECT_EQ(LineCode.MainParam, 10);
  EXPECT_EQ(LineCode.ActionCode, -1);
  EXPECT_EQ(LineCode.Speaker, 1);
  EXPECT_EQ(LineState.LineFontSize, 12);
  EXPECT_EQ(f.SpeechState[1], kBalloonShown);
  EXPECT_TRUE(tq::ThePlatform().Screen().Layer(11).visible);
}

// The headless runner plays a face set-up and a face move from a script file: the
// face comes in from the right edge in five frames and stays where the move ends.
TEST(SimultaneousGroups, RunnerPlaysAFaceMoveFromAScriptFile) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() /
                       ("thornquill-facemove-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  fs::create_directories(dir);
  {
    std::ofstream script(dir / "script.txt", std::ios::binary);
    script << "[顔の設定]：[顔No]=01：[顔BMPNo]=0：[顔FXNo]=01\n"
              "[顔の移動]：●1：(外右,0)→(100,20)：Ty=10：回=4：速続\n"
              "[ウェイト]：Fu=50\n";
  }
  const std::string command = std::string("'") + THORNQUILL_RUNNER + "' --mode 'Skelvane２' --script '" +
                              (dir / "script.txt").string() + "' --until 1500 --trace '" + (dir / "trace").string() +
                              "' --dump 1000:'" + (dir / "dump").string() + "' 2>/dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0);
  auto read = [&dir](const std::string& name) { return tq::testing::ReadFileBytes((dir / name).string()); };
  const std::string trace = read("trace");
  const std::string dump = read("dump");
  fs::remove_all(dir);
  // The set-up line at 439 goes on 1 ms later; five frames of 13 ms from 440.
  EXPECT_NE(trace.find("440 loop 1020\n"), std::string::npos) << trace;
  EXPECT_NE(trace.find("492 endloop 1020 5\n"), std::string::npos) << trace;
  EXPECT_NE(trace.find("492 timer 1\n"), std::string::npos) << trace;
  // layer index, shown, x, y, width, height: the 1 by 1 face ends at (100, 20).
  EXPECT_NE(dump.find("layer 1 1 100 20 1 1 "), std::string::npos) << dump;
}

}  // namespace
