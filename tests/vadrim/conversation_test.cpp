// The Vadrim conversation screen run by the engine: entries, the stage load, a
// script played as a stage (faces and balloons on screen), automatic reading from
// the system menu, the stage end's hand-over, and what a stage change leaves behind.
#include "vadrim/conversation_screen.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/drawing_fixture.h"
#include "engine/game_window.h"
#include "engine/frame_model.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/system_menu.h"
#include "engine/text.h"
#include "marbrook/save_file.h"
#include "scenario/auto_reading.h"
#include "scenario/balloon_geometry.h"
#include "scenario/script_store.h"
#include "scenario/face_slots.h"
#include "vadrim/board/model.h"
#include "vadrim/story_flow.h"
#include "vadrim/system_menu.h"
#include "vadrim/vadrim_pictures.h"
#include "vadrim/vadrim_save.h"

namespace {

using drawing_test::DrawingTest;
using tq::testing::LayerVisible;
using drawing_test::WriteBmp;

constexpr uint32_t kBackground = 0x00406080;
constexpr uint32_t kFaceA = 0x0080FF80;
constexpr uint32_t kFaceB = 0x00FF80C0;

// The non-empty lines of a file under the test data folder.
std::vector<std::string> DataLines(const std::string& name) {
  std::ifstream in(std::string(THORNQUILL_TEST_DATA) + "/" + name, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> TestScript() { return DataLines("scripts/balloons_vadrim.txt"); }

class VadrimConversation : public DrawingTest {
 protected:
  void SetUp() override {
    WriteBmp(Root(), VadrimPicturePath(22, 0), 920, 690, kBackground);
    WriteBmp(Root(), VadrimPicturePath(37, 0), 280, 360, kFaceA);
    WriteBmp(Root(), VadrimPicturePath(40, 0), 280, 360, kFaceB);
    Boot(kModeVadrim);
  }
  // Enters the conversation before the first tick at `stage`, from step 10 (as another
  // screen enters it) or 0 (its own entry, which takes no stage), and plays lines.
  void Enter(int step, int stage, std::vector<std::string> lines) {
    SetVadrimStageScriptOverride(std::move(lines));
    h_->EnterConversationAt(stage);
    GoTo(0, step);
  }
  void At(uint32_t ms, std::function<void()> fn) { h_->Platform().At(ms, std::move(fn)); }
  // Input as a player gives it, routed to the layer under the pointer.
  void Input(const std::string& timeline) {
    std::vector<tq::ScriptedInput> inputs;
    std::string error;
    ASSERT_TRUE(tq::ParseInputTimeline(timeline, inputs, error)) << error;
    h_->Platform().SetInputs(std::move(inputs));
  }
  using DrawingTest::At;
};

TEST_F(VadrimConversation, EntriesLoadTheirStage) {
  struct Case {
    int step, stage, loaded;
  } cases[] = {{0, 40, 13}, {10, 40, 40}, {10, 2, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.step) + "/" + std::to_string(c.stage));
    Boot(kModeVadrim);
    Enter(c.step, c.stage, {"[ウェイト]：Fu=1", "[ウェイト]：Fu=50"});
    TextStyle.TextFontSize = 21;
    TextSlot.TextSlotState[7] = 3;
    TextSlot.TextSlotText[7] = "old";
    h_->RunUntil(1000);
    EXPECT_EQ(SceneCursor.StageNumber, c.loaded);
    if (c.loaded == 2) {
      // No script: back to the title instead of an empty screen.
      EXPECT_EQ(SceneCursor.SceneCode, kTitleScene);
      EXPECT_EQ(SceneCursor.SceneState, -10);
      continue;
    }
    EXPECT_EQ(SceneCursor.SceneCode, kConversationScene);
    EXPECT_EQ(SceneCursor.SceneState, 10);
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 2) << "both waits ran; the second one is counting";
    EXPECT_EQ(TextSlot.TextSlotText[7], "0");
    EXPECT_EQ(TextSlot.TextSlotState[7], 0);
  }
}

TEST_F(VadrimConversation, AScriptPlaysAsAStageWithFacesAndBalloons) {
  Enter(0, 0, TestScript());
  Input("3000 click 460 60\n");
  h_->RunUntil(4900);
  // The background in the window, the two faces slid in, and slot 1's speech
  // balloon (kind 11, variant -5) right of its face, overlapping it by 20 pixels.
  EXPECT_EQ(At(GameForm, 5, 680), kBackground);
  ASSERT_TRUE(LayerVisible(10));
  EXPECT_EQ(Layer(10).x, 10);
  EXPECT_EQ(Layer(10).y, 300);
  EXPECT_EQ(At(10, 140, 200), kFaceA);
  ASSERT_TRUE(LayerVisible(15));
  EXPECT_EQ(Layer(15).x, 630);
  int balloon = -1;
  for (int layer = 11; layer <= 14; ++layer) {
    if (LayerVisible(layer) && Layer(layer).image.Width() == 410) balloon = layer;
  }
  ASSERT_NE(balloon, -1) << "no 410-pixel balloon beside face 1";
  EXPECT_EQ(Layer(balloon).x, 10 + 280 - 20);
  EXPECT_EQ(Layer(balloon).y, 300 + 180 - 75);
  EXPECT_EQ(Layer(balloon).image.Height(), 150);
  EXPECT_EQ(BalloonGeometry.BalloonOffsetY, 105);
  EXPECT_TRUE(LayerVisible(SystemLayerSet.ClickWaitLayer));
}

TEST_F(VadrimConversation, AutomaticReadingFromTheMenuResumesAfter200Ms) {
  std::vector<std::string> lines = {"[ウェイト]：Fu=1"};
  for (int i = 0; i < 6; ++i) lines.push_back("[フキA]：●0：フ種=(60,0,-1)：一行目です。");
  Enter(10, 12, lines);
  // Right click opens the menu at the pointer; the pointer goes to the second row
  // ("自動的に進む（高速）", text top 32) and clicks it.
  Input("2000 click 100 100 right\n2100 move 150 140\n2200 click 150 140\n");
  bool indicatorShown = false;
  At(3500, [&] {
    indicatorShown = Layer(SystemLayerSet.AutoIndicatorLayer).visible;
  });
  h_->RunUntil(3500);
  EXPECT_EQ(ReadState.ReadMode, 2);
  EXPECT_EQ(ReadState.ReadSpeed, 2);
  EXPECT_TRUE(indicatorShown);
  const tq::LayerSurface& indicator = Layer(SystemLayerSet.AutoIndicatorLayer);
  EXPECT_EQ(indicator.x + indicator.image.Width(), 915);
  EXPECT_EQ(indicator.y + indicator.image.Height(), 685);
  EXPECT_GE(ScriptStore.CurrentScriptLine, 3) << "reading went on without clicks";
}

// The marks and the menu of a conversation are the system layers the runner's dump
// names: the click-wait mark 89, the menu panel 90 with no row lit until the pointer
// comes onto one, the bar 91, and auto reading's mark 92.
TEST_F(VadrimConversation, TheMarksAndTheMenuAreTheSystemLayers) {
  std::vector<std::string> lines = {"[ウェイト]：Fu=1"};
  for (int i = 0; i < 6; ++i) lines.push_back("[フキA]：●0：フ種=(60,0,-1)：一行目です。");
  Enter(10, 12, lines);
  Input("2000 click 100 100 right\n2100 move 150 140\n2200 click 150 140\n");
  bool waitMark = false, panel = false, litBeforeMove = true, lit = false, autoMark = false;
  At(1900, [&] { waitMark = LayerVisible(89); });
  At(2050, [&] {
    panel = LayerVisible(90) && Layer(90).x == 100 && Layer(90).y == 100;
    litBeforeMove = LayerVisible(91);
  });
  At(2150, [&] { lit = LayerVisible(91); });
  At(3500, [&] { autoMark = LayerVisible(92); });
  h_->RunUntil(3500);
  EXPECT_TRUE(waitMark);
  EXPECT_TRUE(panel);
  EXPECT_FALSE(litBeforeMove);
  EXPECT_TRUE(lit);
  EXPECT_TRUE(autoMark);
}

TEST_F(VadrimConversation, NormalAutomaticReadingAfterAHandOverHasASpeed) {
  Enter(10, 60, {"[ウェイト]：Fu=1", "[フキA]：●0：フ種=(60,0,-1)：一行目です。", "[フキ消去]：●0", "[ウェイト]：Fu=1"});
  h_->RunUntil(1000);
  // As a board or the title leaves it: speed 0.
  ReadState.ReadSpeed = 0;
  SystemMenuState.MenuHoverItem = 0;  // 自動的に進む（普通）
  D10_MenuCommand(11);
  EXPECT_EQ(ReadState.ReadSpeed, 1);
  EXPECT_EQ(ReadState.ReadMode, 2);
  EXPECT_TRUE(LayerVisible(SystemLayerSet.AutoIndicatorLayer));
  const std::vector<std::string> timers = h_->TraceOf("timer");
  ASSERT_FALSE(timers.empty());
  EXPECT_EQ(timers.back(), "timer 200");
}

TEST_F(VadrimConversation, TheLastLineHandsOverToTheBoard) {
  Enter(10, 10, {"[ウェイト]：Fu=1", "[別のゲームへ]"});
  ShowLayer(SystemLayerSet.AutoIndicatorLayer, true);
  h_->RunUntil(2000);
  EXPECT_EQ(SceneCursor.SceneCode, 51);
  // The board took over at its entry (51, 1, 0) and started the board of GameStage.
  EXPECT_GE(SceneCursor.SceneState, 10);
  EXPECT_EQ(BoardState.BoardNumber, 21);
  EXPECT_EQ(VadrimProgress.GameStage, 21);
  EXPECT_EQ(ReadState.ReadSpeed, 0);
  EXPECT_FALSE(LayerVisible(SystemLayerSet.AutoIndicatorLayer));
}

TEST_F(VadrimConversation, AClickDuringAutomaticReadingOnlyStopsIt) {
  Enter(10, 12, {"[ウェイト]：Fu=1", "[フキA]：●0：フ種=(60,0,-1)：一行目です。"});
  h_->RunUntil(1000);
  SceneCursor.SceneState = 10;
  SceneCursor.SceneStep = 0;
  ReadState.AutoStopRequest = 1;
  ReadState.ReadMode = 2;
  const int line = ScriptStore.CurrentScriptLine;
  D10_Step();
  EXPECT_EQ(ReadState.ReadMode, 1);
  EXPECT_EQ(ScriptStore.CurrentScriptLine, line) << "the line waits for the next click";
}

// Stage 56 leaves slot 5's balloon open under its closing and hands over to stage
// 57, which sets up no slot 5 and opens the fixed window first, then starts a group.
// The window's text is kept in slot 5's speech text slot and greyed at the next line:
// that must not bring back the stage before's balloon layer at its old place.
TEST_F(VadrimConversation, ABalloonLeftOpenDoesNotComeBackInTheNextStage) {
  auto fixture = [](const std::string& name) { return DataLines("vadrim_stages/" + name); };
  constexpr int kOldBalloon = 31;  // slot 5's balloon layer in stage 56 ("顔FXNo" 30)
  Enter(10, 56, fixture("carried_balloon_a.txt"));
  std::string clicks;
  for (int t = 500; t < 6000; t += 400) clicks += std::to_string(t) + " click 460 60\n";
  Input(clicks);
  bool nextPushed = false;
  bool shownInFirst = false;
  bool shownInNext = false;
  int lastLine = -1;
  for (uint32_t t = 20; t < 6000; t += 10) {
    At(t, [&] {
      if (!nextPushed && SceneCursor.StageNumber == 56 && SceneCursor.SceneState == 10) {
        // Stage 56 is pushed; the next stage pushes the second script.
        SetVadrimStageScriptOverride(fixture("carried_balloon_b.txt"));
        nextPushed = true;
      }
      const bool shown = LayerVisible(kOldBalloon) && Layer(kOldBalloon).image.Width() > 0;
      if (SceneCursor.StageNumber == 56) shownInFirst = shownInFirst || shown;
      if (SceneCursor.StageNumber == 57) {
        shownInNext = shownInNext || shown;
        lastLine = ScriptStore.CurrentScriptLine;
      }
    });
  }
  h_->RunUntil(6000);
  EXPECT_TRUE(shownInFirst) << "stage 56 opens slot 5's balloon on layer " << kOldBalloon;
  EXPECT_GE(lastLine, ScriptStore.ScriptLineCount - 1) << "stage 57 ran to its last line";
  EXPECT_FALSE(shownInNext) << "stage 56's balloon came back in stage 57";
}

}  // namespace
