// The script actions and the parameter parsers they call: face set-up, position
// terms, branching at once, clearing the screen, kept balloons, the multiple erase,
// balloon-move parameters, the queues, and the actions whose animations come later.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/system_menu.h"
#include "engine/text.h"
#include "platform/platform.h"
#include "scenario/auto_reading.h"
#include "scenario/balloon_geometry.h"
#include "scenario/face_settings.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/motion_curves.h"
#include "scenario/script_actions.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"
#include "scenario/simultaneous_groups.h"
#include "scenario_faces.h"
#include "scenario_fixture.h"

namespace {

using scenario_test::LayerPlace;
using scenario_test::PlaceOf;
using scenario_test::Script;
using scenario_test::ScenarioScene;
using scenario_test::ShowFace;
using tq::testing::LayerVisible;

class ScriptActionTest : public scenario_test::ScenarioFixture {
 protected:
  void SetUp() override { scenario_test::WindowSize(); }
};

int Z(int layer) { return tq::ThePlatform().Screen().ZIndex(layer); }

// What the face layer looked like when its picture was asked for.
struct PictureRequest {
  int target, kind, number, layer;
  LayerPlace place;
  int width, height;
  bool visible;
};
std::vector<PictureRequest>& PictureRequests() {
  static std::vector<PictureRequest> requests;
  return requests;
}

struct PictureRequestRecorder {
  PictureRequestRecorder() {
    PictureRequests().clear();
    saved = ModeHooksFor(ModeId::Skelvane).LoadPictureByKind;
    ModeHooksFor(ModeId::Skelvane).LoadPictureByKind = [](int target, int kind, int number) {
      const int layer = DrawState.CurrentLayer;
      const auto& l = tq::ThePlatform().Screen().Layer(layer);
      PictureRequests().push_back({target, kind, number, layer, PlaceOf(layer), l.image.Width(), l.image.Height(), l.visible});
    };
  }
  ~PictureRequestRecorder() { ModeHooksFor(ModeId::Skelvane).LoadPictureByKind = saved; }
  void (*saved)(int, int, int) = nullptr;
};

// "[顔の設定]" gives a slot its layers (defaults from the face layer f: balloon f+1,
// tail f+2, thought f+4 with bubbles f+5 to f+7, both minis f+9), shows the face
// layer 1 by 1 just off the right edge before its picture loads, and goes on 1 ms later.
TEST(FaceSettings, SetupGivesTheSlotItsLayersAndLoadsItsPicture) {
  const struct {
    const char* fields;
    int slot, picture, face, balloon, thought, mini1, mini2;
  } cases[] = {
      {"[顔No]=01：[顔BMPNo]=1000：[顔FXNo]=01", 1, 1000, 1, 2, 5, 10, 10},
      {"[顔No]=3：[顔BMPNo]=7：[顔FXNo]=20：[フキFXNo]=0：[フ思FXNo]=0", 3, 7, 20, 21, 24, 29, 29},
      {"[顔No]=2：[顔BMPNo]=8：[顔FXNo]=30：[フキFXNo]=40：[フ思FXNo]=50：[ミニFXNo1]=60：[ミニFXNo2]=61", 2, 8, 30, 40,
       50, 60, 61},
      {"[顔No]=4：[顔BMPNo]=9：[顔FXNo]=12：[フキFXNo]=0：[フ思FXNo]=-1", 4, 9, 12, 13, 0, 5, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fields);
    ScenarioScene scene;
    scenario_test::WindowSize();
    PictureRequestRecorder recorder;
    Script({std::string("[顔の設定]：") + c.fields, "次"});
    ExecuteScriptLine();
    const FaceSlotRecord& f = FaceSlot;
    EXPECT_EQ(f.FaceLayer[c.slot], c.face);
    EXPECT_EQ(f.BalloonLayer[c.slot], c.balloon);
    EXPECT_EQ(f.ThoughtLayer[c.slot], c.thought);
    EXPECT_EQ(f.MiniLayer[c.slot][1], c.mini1);
    EXPECT_EQ(f.MiniLayer[c.slot][2], c.mini2);
    ASSERT_EQ(PictureRequests().size(), 1u);
    const PictureRequest& r = PictureRequests()[0];
    EXPECT_EQ(r.target, 1);
    EXPECT_EQ(r.kind, c.picture);
    EXPECT_EQ(r.number, 0);
    EXPECT_EQ(r.layer, c.face);
    EXPECT_EQ(r.place, (LayerPlace{920, 0}));
    EXPECT_EQ(r.width, 1);
    EXPECT_EQ(r.height, 1);
    EXPECT_TRUE(r.visible);
    // The balloon body stands in front of its tail, the minis in front of all.
    EXPECT_GT(Z(c.balloon), Z(c.balloon + 1));
    if (c.thought != 0) {
      EXPECT_GT(Z(c.thought), Z(c.thought + 3));
    }
    EXPECT_GT(Z(c.mini2), Z(c.balloon));
    EXPECT_EQ(scene.Timers(), std::vector<std::string>{"timer 1"});
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
  }
}

// A face set up without a picture ("0000") is an anchor for balloons: moved into the
// window it keeps its 1 by 1 place but draws nothing, until a picture is set.
TEST_F(ScriptActionTest, AFaceWithoutAPictureDrawsNothing) {
  tq::Compositor& screen = tq::ThePlatform().Screen();
  constexpr uint32_t kSky = 0x00C08040;
  screen.Background().Reset(920, 690, kSky);
  Script({"[顔の設定]：[顔No]=02：[顔BMPNo]=0000：[顔FXNo]=15", "次"});
  ExecuteScriptLine();
  MoveLayerKeepingSize(15, 15, 570);
  ASSERT_TRUE(LayerVisible(15));
  EXPECT_EQ(LayerWidth(15), 1);
  screen.Compose();
  EXPECT_EQ(screen.Frame().Get(15, 570), kSky);
  EXPECT_EQ(screen.HitTest(15, 570, nullptr, nullptr), -1);

  SetLayerPicture(15, tq::Surface(2, 2, 0x000000FF));
  screen.Compose();
  EXPECT_EQ(screen.Frame().Get(15, 570), 0x000000FFu) << "a picture shows";
}

// Pc=1 keeps the face layer's stacking place, Pc=2 sends it to the back.
TEST_F(ScriptActionTest, SetupKeepsOrLowersTheFaceLayer) {
  scenario_test::PrepareShown(1, 0, 0, 5, 5);
  scenario_test::PrepareShown(30, 0, 0, 5, 5);
  Script({"[顔の設定]：Pc=1：[顔No]=1：[顔BMPNo]=1：[顔FXNo]=1：[フキFXNo]=40：[フ思FXNo]=-1",
          "[顔の設定]：Pc=2：[顔No]=2：[顔BMPNo]=1：[顔FXNo]=30：[フキFXNo]=40：[フ思FXNo]=-1"});
  ExecuteScriptLine();
  EXPECT_LT(Z(1), Z(30));
  ExecuteScriptLine();
  EXPECT_EQ(Z(30), 0);
  EXPECT_EQ(DrawState.AutoRaiseOn, -1);
}

// The position terms, with a face of 200 by 100 at (100, 50) on a 920 by 690 window.
TEST_F(ScriptActionTest, PositionTermsEvaluate) {
  ShowFace(1, 10, 100, 50, 200, 100);
  LineCode.Speaker = 1;
  MotionSlot[5].MotionStartX = 1000;
  MotionSlot[5].MotionStartY = 600;
  BasePosition.BasePosX[3] = 77;
  BasePosition.BasePosY[7] = 88;
  const struct {
    const char* term;
    int axis;
    int value;
  } cases[] = {
      {"5+10", 1, 15},
      {"690-110-16", 2, 564},
      {"0+5", 1, 5},
      {"-20", 1, -20},
      {"", 1, 100},
      {"", 2, 50},
      {"現+3", 2, 53},
      {"元", 1, 1000},
      {"元-10", 2, 590},
      {"元-650-顔", 1, 150},
      {"外右+100", 1, 1020},
      {"外左", 1, -200},
      {"外上", 2, -100},
      {"外下", 2, 690},
      {"-外右", 1, 920},
      {"内左", 1, 0},
      {"内右", 1, 720},
      {"内上+15+210+210", 2, 435},
      {"内下", 2, 590},
      {"中央", 1, 360},
      {"中央+顔", 1, 560},
      {"中心", 2, 295},
      {"分4-1+20", 1, 150},
      {"分4-0+100", 1, 0},
      {"分2-1", 2, 295},
      {"基3", 1, 77},
      {"基7+2", 2, 90},
      {"顔+顔", 2, 200},
      {"10x5", 1, 15},
      {"99999", 1, 32767},
      // Left to this implementation: a side of the other axis leaves the value, and a
      // line divided into 0 parts is the window's edge.
      {"5+外上", 1, 5},
      {"分0-1", 1, -100},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.term);
    std::string term = c.term;
    int value = 0;
    ParsePositionTerm(term, c.axis, 5, value);
    EXPECT_EQ(value, c.value);
    EXPECT_TRUE(term.empty());
  }
}

// "[即実行イベ]" with Ev種 0 leaves automatic reading and hands the branch table to the
// step machine, keeping the line; with another kind it does nothing.
TEST_F(ScriptActionTest, ImmediateBranchHandsTheTableToTheStepMachine) {
  Script({"[即実行イベ]：Ev種=00：Ev分岐0=30：Ev分岐1=-1：Ev分岐2=07：Ev分岐3=08"});
  ReadState.ReadMode = 2;
  ReadState.ReadSpeed = 3;
  AnimationRun.WaitKind = kWaitAutoRead;
  ExecuteScriptLine();
  EXPECT_EQ(ReadState.ReadMode, 1);
  EXPECT_EQ(ReadState.ReadSpeed, 1);
  EXPECT_EQ(AnimationRun.WaitKind, kWaitNone);
  EXPECT_EQ(SceneCursor.SceneState, 30);
  EXPECT_EQ(SceneCursor.SceneStep, -1);
  EXPECT_EQ(ScriptAction.BranchParams, (std::array<int, 2>{7, 8}));
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 0);
  EXPECT_EQ(Timers(), std::vector<std::string>{"timer 13"});
}

TEST_F(ScriptActionTest, ImmediateBranchOfAnotherKindDoesNothing) {
  Script({"[即実行イベ]：Ev種=1：Ev分岐0=30"});
  SceneCursor.SceneState = 10;
  ExecuteScriptLine();
  EXPECT_EQ(SceneCursor.SceneState, 10);
  EXPECT_TRUE(Timers().empty());
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 0);
}

// Actions whose animations are served by later members start their codes; until a
// member serves them, the line still ends and the scene goes on.
TEST(ScriptActions, ActionsThatStartAnimationsEndTheirLine) {
  const struct {
    const char* line;
    const char* loop;  // "" when no loop runs
  } cases[] = {
      {"[通常イベ]：Ev種=03：続", "loop 1503"},
      {"[特殊イベ]：Ev種=12：続", "loop 1612"},
      {"[Tanselイベ]：Ev種=20：続", "loop 1720"},
      {"[通常イベ]：Ev種=-5：続", ""},
      {"[ぴくアニメ]：第1_BMP番号=124：間隔=200：分岐=1：続", "loop 1063"},
      {"[フキ移動]：●1：■種No=10：分岐=0：フ移動Px1=5：回数=30：続", "loop 1021"},
      {"[直接・背景表示]：Fu=10：Pc=2：続", "loop 10"},
      {"[直接・背景表示]：Fu=1：続", ""},
      {"[同時スタートのみ]：続", "loop 1020"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    ScenarioScene scene;
    Script({c.line, "次"});
    ExecuteScriptLine();
    EXPECT_EQ(scene.Loops(), std::string(c.loop).empty() ? std::vector<std::string>{} : std::vector<std::string>{c.loop});
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
    EXPECT_EQ(scene.Timers(), std::vector<std::string>{"timer 100"});
  }
}

// Codes without an action leave the line and arm nothing.
TEST(ScriptActions, CodesWithoutActionLeaveTheSceneIdle) {
  for (int code : {-8, -1, 0, 8, 9, 14, 19, 29, 100, -10}) {
    SCOPED_TRACE(code);
    ScenarioScene scene;
    Script({"a", "b"});
    LineCode = LineCodeRecord{};
    LineCode.ExecClass = 5;
    LineCode.ContinueMode = 1;
    LineCode.ActionCode = code;
    LineExecution.AutoContinue = -1;
    DispatchScriptAction();
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 0);
    EXPECT_TRUE(scene.Timers().empty());
    EXPECT_TRUE(scene.Loops().empty());
  }
}

// "[画面の消去]" hides the scene's layers but the one Pc names (0 by default).
TEST(ScriptActions, ClearScreenHidesTheSceneLayers) {
  const struct {
    const char* line;
    int kept;  // -1 none
  } cases[] = {
      {"[画面の消去]", 0},
      {"[画面の消去]：Pc=5", 5},
      {"[画面の消去]：Fu=1：Pc=7", 7},
      {"[画面の消去]：Fu=2：Pc=7", -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    ScenarioScene scene;
    SystemLayerSet.LastSceneLayer = 79;
    for (int layer : {0, 1, 5, 7, 79, 80}) scenario_test::PrepareShown(layer, 0, 0, 4, 4);
    Script({c.line, "次"});
    ExecuteScriptLine();
    for (int layer : {0, 1, 5, 7, 79}) EXPECT_EQ(LayerVisible(layer), layer == c.kept) << layer;
    EXPECT_TRUE(LayerVisible(80));
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
  }
}

// "[フキバック]" redraws the kept texts in state 2, "[フキバック全]" those in 1 to 9;
// text slots 20 and above are not theirs.
TEST(ScriptActions, KeptBalloonsAreDrawnAgainByState) {
  const struct {
    const char* line;
    std::vector<int> redrawn;
  } cases[] = {
      {"[フキバック]", {0}},
      {"[フキバック全]", {0, 1, 2, 3}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    ScenarioScene scene;
    const int states[] = {2, 1, 3, 9, 0, 11};
    for (int i = 0; i < 6; ++i) TextSlot.TextSlotState[static_cast<size_t>(i)] = states[i];
    TextSlot.TextSlotState[21] = 2;
    Script({c.line, "次"});
    ExecuteScriptLine();
    for (int i : {0, 1, 2, 3, 4, 5, 21}) {
      const bool redrawn = std::find(c.redrawn.begin(), c.redrawn.end(), i) != c.redrawn.end();
      const int before = i == 21 ? 2 : states[i];
      if (redrawn) {
        EXPECT_NE(TextSlot.TextSlotState[static_cast<size_t>(i)], before) << i;
      } else {
        EXPECT_EQ(TextSlot.TextSlotState[static_cast<size_t>(i)], before) << i;
      }
    }
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
  }
}

// The multiple erase lists each open balloon once: slot 0 by name and slots 1 to 9 by
// 全消去 make ten entries, all of which the list holds; a slot named twice, or one
// whose balloon is not open, is not listed again. With nothing listed the line ends
// at once.
TEST(ScriptActions, MultipleEraseListsEachOpenBalloonOnce) {
  const struct {
    const char* line;
    std::vector<int> open;
    std::vector<int> listed;
  } cases[] = {
      {"[フキ複数消去]：対象顔No=(0,3)：全消去", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {0, 3, 1, 2, 4, 5, 6, 7, 8, 9}},
      {"[フキ複数消去]：対象顔No=(3,3,3,12,-1)：全消去", {3}, {3}},
      {"[フキ複数消去]：全消去", {0, 5}, {5}},
      {"[フキ複数消去]：対象顔No=(1,2)", {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    ScenarioScene scene;
    for (int s : c.open) FaceSlot.SpeechState[static_cast<size_t>(s)] = kBalloonShown;
    Script({c.line, "次"});
    ConvertScriptLine();
    MarkBalloonsForErase();
    std::vector<int> listed(FaceSlot.EraseList.begin() + 1, FaceSlot.EraseList.begin() + 1 + FaceSlot.EraseCount);
    EXPECT_EQ(listed, c.listed);
    for (int s : c.listed) EXPECT_EQ(FaceSlot.SpeechState[static_cast<size_t>(s)], kBalloonToErase);
    for (int s : c.open) {
      const bool listed = std::find(c.listed.begin(), c.listed.end(), s) != c.listed.end();
      if (!listed) {
        EXPECT_EQ(FaceSlot.SpeechState[static_cast<size_t>(s)], kBalloonShown) << s;
      }
    }
    if (c.open.empty()) {
      // Run as a line: nothing to close, so it ends at once without a loop.
      Script({c.line, "次"});
      ExecuteScriptLine();
      EXPECT_TRUE(scene.Loops().empty());
      EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
      EXPECT_EQ(scene.Timers(), std::vector<std::string>{"timer 1"});
    }
  }
}

// The balloon-move parameters: into BalloonMove for "[フキ移動]" (the interval is kept
// while a line does not give one), into the slot's separate move for "[同時・フ別移動]".
TEST_F(ScriptActionTest, BalloonMoveParametersAreRead) {
  Script({"[フキ移動]：●2：■種No=10：分岐=3：フ移動ALL=(1,-2,3,4)：回=30：フ移動インタ=50：フ移動音=7：開始=9",
          "[思フ移動]：●2：フ別=(25,2,12)：フ移動Px1=5：フ移動Py2=-6", "[同時・フ別移動]：●4：■種No=26：分岐=12：開始=10：フ移動ALL=(-50,0)：回数=20"});
  LineCode = LineCodeRecord{};
  ConvertScriptLine();
  ReadLinePrefixes(5);
  LineState.CurrentSlot = 2;
  ParseBalloonMove(1);
  const BalloonMoveRecord& b = BalloonMove;
  EXPECT_EQ((std::vector<int>{b.BalloonMoveKind, b.BalloonMoveMode, b.BalloonMoveCount, b.BalloonMoveX1, b.BalloonMoveY1,
                              b.BalloonMoveX2, b.BalloonMoveY2, b.BalloonMoveInterval}),
            (std::vector<int>{10, 3, 30, 1, -2, 3, 4, 50}));
  EXPECT_EQ(SeparateBalloonMove.SlotMoveSound[2], 7);

  ScriptStore.CurrentScriptLine = 1;
  LineCode = LineCodeRecord{};
  ConvertScriptLine();
  ReadLinePrefixes(5);
  ParseBalloonMove(1);
  EXPECT_EQ((std::vector<int>{b.BalloonMoveKind, b.BalloonMoveMode, b.BalloonMoveCount, b.BalloonMoveX1, b.BalloonMoveY1,
                              b.BalloonMoveX2, b.BalloonMoveY2, b.BalloonMoveInterval}),
            (std::vector<int>{25, 2, 12, 5, 0, 0, -6, 50}));
  EXPECT_EQ(LineState.BalloonMoveThought, 1);
  EXPECT_EQ(SeparateBalloonMove.SlotMoveSound[2], 0);

  ScriptStore.CurrentScriptLine = 2;
  ExecuteScriptLine();
  const SeparateBalloonMoveRecord& s = SeparateBalloonMove;
  EXPECT_EQ((std::vector<int>{s.SepMoveKind[4], s.SepMoveMode[4], s.SepMoveStart[4], s.SepMoveCount[4], s.SepMoveX1[4],
                              s.SepMoveY1[4]}),
            (std::vector<int>{26, 12, 10, 20, -50, 0}));
  EXPECT_EQ(BalloonMove.BalloonMoveKind, 25);  // the shared move is not touched
  EXPECT_EQ(Timers(), std::vector<std::string>{"timer 1"});
}

// Where a click may cut a balloon move short (outside automatic reading), the moving
// balloon's layers are recorded first: here the thought balloon and its bubbles.
TEST(ScriptActions, SkippableBalloonMoveRecordsItsHome) {
  for (int readMode : {1, 2}) {
    SCOPED_TRACE(readMode);
    ScenarioScene scene;
    ShowFace(1, 10, 0, 0, 200, 100);
    const int places[][2] = {{30, 40}, {50, 60}, {70, 80}, {90, 100}, {110, 120}};
    for (int i = 0; i < 5; ++i) scenario_test::PrepareShown(11 + i, places[i][0], places[i][1], 4, 4);
    VoiceSettings.BalloonMoveSkippable = -1;
    ReadState.ReadMode = readMode;
    Script({"[思フ移動]：●1：■種No=20：回数=5：続", "次"});
    ExecuteScriptLine();
    EXPECT_EQ(scene.Loops(), std::vector<std::string>{"loop 1021"});
    if (readMode == 2) {
      EXPECT_EQ(VoiceSettings.BalloonHomeX[0], 0);
      continue;
    }
    EXPECT_EQ(BalloonMove.BalloonMoveLayer, 14);
    EXPECT_EQ((std::vector<int>{VoiceSettings.BalloonHomeX[0], VoiceSettings.BalloonHomeY[0], VoiceSettings.BalloonHomeX[1],
                                VoiceSettings.BalloonHomeY[1], VoiceSettings.BalloonHomeX[3], VoiceSettings.BalloonHomeY[3]}),
              (std::vector<int>{90, 100, 110, 120, 0, 0}));
  }
}

// The queueing lines fill the run's sound, picture and event queues.
TEST_F(ScriptActionTest, QueueingLinesFillTheirQueues) {
  Script({"[同時・効果音]：サウ番=25：サウID=3：開始=5：順番=2：サウ番=40：音量=-0.05：開始=7",
          "[同時・BMP変更]：●2：BMP番号=124：BMP番号2=4：開始=6", "[同時・BMP変更]：●3：BMP番号=125：開始=8",
          "[同時・イベ発生]：同時イベ種=3：開始=2：順番=12：同時イベ種=9"});
  for (int i = 0; i < 4; ++i) ExecuteScriptLine();
  const SimultaneousQueueRecord& q = SimultaneousQueue;
  EXPECT_EQ(q.SoundQueueNumber[0], 25);
  EXPECT_EQ(q.SoundQueueChannel[0], 3);
  EXPECT_EQ(q.SoundQueueStart[0], 5);
  EXPECT_EQ(q.SoundQueueNumber[2], 40);
  EXPECT_EQ(q.SoundQueueStart[2], 7);
  EXPECT_FLOAT_EQ(q.SoundQueueVolume[2], -0.05f);
  EXPECT_EQ((std::vector<int>{q.PictureQueueNumber[0], q.PictureQueueNumber2[0], q.PictureQueueStart[0], q.PictureQueueSlot[0]}),
            (std::vector<int>{124, 4, 6, 2}));
  EXPECT_EQ((std::vector<int>{q.PictureQueueNumber[1], q.PictureQueueNumber2[1], q.PictureQueueStart[1], q.PictureQueueSlot[1]}),
            (std::vector<int>{125, 0, 8, 3}));
  EXPECT_EQ(q.EventQueueKind[0], 3);
  EXPECT_EQ(q.EventQueueStart[0], 2);
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 4);
}

// "[効果音]" plays サウ番 on サウID; a line without them plays the previous values again.
TEST_F(ScriptActionTest, SoundEffectLinePlaysItsSound) {
  GameConfig.Settings[2] = 5;
  Script({"[効果音]：サウ番=131：サウID=4", "[効果音]"});
  ExecuteScriptLine();
  ExecuteScriptLine();
  EXPECT_EQ(harness.TraceOf("STPlay"), (std::vector<std::string>{"STPlay 4", "STPlay 4"}));
  EXPECT_EQ(MoveParams.LineSoundNumber, 131);
}

// The line's channel word goes to the mode's sound table itself: a table that plays
// a voice on its own channel (the Marbrook one writes 9) leaves it there for the next
// "[効果音]" without サウID.
TEST_F(ScriptActionTest, SoundTableMayRewriteTheLinesChannel) {
  static std::vector<int> channels;
  channels.clear();
  auto& hooks = ModeHooksFor(ModeId::Skelvane);
  const auto saved = hooks.PlaySound;
  hooks.PlaySound = [](int number, int& channel, float&) {
    channels.push_back(channel);
    if (number >= 1000) channel = 9;
  };
  Script({"[効果音]：サウ番=1001：サウID=4", "[効果音]：サウ番=25"});
  ExecuteScriptLine();
  ExecuteScriptLine();
  hooks.PlaySound = saved;
  EXPECT_EQ(channels, (std::vector<int>{4, 9}));
  EXPECT_EQ(MoveParams.LineSoundChannel, 9);
}

// A face placed by a position; the slot's layers brought to the front in order.
TEST_F(ScriptActionTest, FacePlacementAndBringingToTheFront) {
  ShowFace(1, 10, 0, 0, 200, 100);
  for (int layer : {11, 12, 14, 15, 16, 17, 19, 30}) scenario_test::PrepareShown(layer, 0, 0, 4, 4);
  Script({"[最前面へ]：バッ=16：●1：(中央,内下)", "[最前面へ]：●1"});
  ExecuteScriptLine();
  EXPECT_EQ(PlaceOf(10), (LayerPlace{360, 590}));
  EXPECT_EQ(tq::ThePlatform().Screen().Layer(10).image.Width(), 200);
  ExecuteScriptLine();
  const std::vector<int> order = {10, 12, 11, 17, 16, 15, 14, 19};
  for (size_t i = 1; i < order.size(); ++i) EXPECT_LT(Z(order[i - 1]), Z(order[i])) << order[i];
  EXPECT_GT(Z(19), Z(30));
  EXPECT_EQ(DrawState.CurrentLayer, 10);
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 2);
}

// The marks of three mini kinds: a 60 by 60 box at (-60, 0) and the mark printed with
// its colours, the face colour last; other marks draw nothing.
TEST_F(ScriptActionTest, MiniMarksDrawTheirBoxAndSign) {
  const struct {
    int mark;
    const char* text;
    uint32_t face;
  } cases[] = {{831, "？", RgbColor(255, 130, 50)}, {832, "！", RgbColor(255, 50, 25)}, {834, "！", RgbColor(245, 240, 0)}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mark);
    SetPrintRecording(true);
    DrawState.CurrentLayer = 40;
    DrawMiniMark(c.mark);
    const auto& prints = RecordedPrints();
    ASSERT_FALSE(prints.empty());
    EXPECT_EQ(prints.back().Text, c.text);
    EXPECT_EQ(prints.back().Color, c.face);
    EXPECT_EQ(prints.back().Layer, 40);
    EXPECT_EQ(PlaceOf(40), (LayerPlace{-60, 0}));
    EXPECT_EQ(tq::ThePlatform().Screen().Layer(40).image.Width(), 60);
    EXPECT_TRUE(LayerVisible(40));
  }
  SetPrintRecording(true);
  DrawMiniMark(833);
  EXPECT_TRUE(RecordedPrints().empty());
  SetPrintRecording(false);
}

}  // namespace
