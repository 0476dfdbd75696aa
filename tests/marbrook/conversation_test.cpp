// The Marbrook conversation: script macros, balloon styles, the stage dispatcher,
// the story flow, the conversation screen's states and choice, and the effects.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/content_texts.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/system_menu.h"
#include "engine/text.h"
#include "marbrook/balloon_styles.h"
#include "marbrook/conversation_screen.h"
#include "marbrook/marbrook_mode.h"
#include "marbrook/save_file.h"
#include "games/screen_buttons.h"
#include "marbrook/script_macros.h"
#include "marbrook/stage_dispatch.h"
#include "marbrook/story_flow.h"
#include "platform/platform.h"
#include "scenario/auto_reading.h"
#include "scenario/balloon_geometry.h"
#include "scenario/face_slots.h"
#include "scenario/mini_pictures.h"
#include "scenario/script_actions.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"
#include "support/engine_harness.h"
#include "support/scene_input.h"

namespace {

using tq::testing::EngineHarness;

std::string Expanded(const std::string& line) {
  ScriptStore.ScriptText[0] = line;
  ScriptStore.CurrentScriptLine = 0;
  C15_Macro();
  return ScriptStore.ScriptText[0];
}

TEST(ScriptMacros, RewritesEachMacroFieldAndRebuildsTheLine) {
  struct Case {
    const char* name;
    std::string line, expected;
  };
  const Case cases[] = {
      {"flip-book with a face prefix", "●1：「アニメ-151-1」",
       "：●1：[ぴくアニメ]：■分岐=0：間隔=200：■第1_BMP番号=0151：第1_BMP番号2=00：■第2_BMP番号=0151：第2_BMP番号2=01"},
      {"three-frame flip-book at 100 ms", "「アニメ-132-4」",
       "：[ぴくアニメ]：■分岐=0：間隔=100：■第1_BMP番号=0132：第1_BMP番号2=15：■第2_BMP番号=0132：第2_BMP番号2=16"},
      {"third frame", "「アニメ-136-3」",
       "：[ぴくアニメ]：■分岐=0：間隔=200：■第1_BMP番号=0136：第1_BMP番号2=05：■第2_BMP番号=0136：第2_BMP番号2=06："
       "■第3_BMP番号=0136：第3_BMP番号2=10"},
      {"back and forth", "「フキ往復・上=10-1回」", "：[フキ移動]：■種No=50：フ移動ALL=(0,-20)：回=10：分岐=1"},
      {"shake", "「フキぶる大-15」", "：[フキ移動]：■種No=10：分岐=0：フ移動Px1=5：回数=15"},
      {"medium shake is the plain one", "「フキぶる中-30」", "：" + *MacroExpansion("「フキぶる」")},
      {"curtain wait", "「カーテン閉じウェイト」", "：[ウェイト]：Fu=3"},
      {"jump with Z", "●1：「フキジャンプ」：Ｚ", "：●1：[フキ移動]：■種No=25：分岐=1：フ移動ALL=(0,-40)：回数=20：Ｚ"},
      {"a decorated name is no macro", "■「フキジャンプ」", "：■「フキジャンプ」"},
      {"empty fields drop out", "[ウェイト]：：Fu=5", "：[ウェイト]：Fu=5"},
      {"an empty line stays empty", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Expanded(c.line), c.expected);
  }
  EXPECT_EQ(MacroNames().size(), 13u + 16u + 9u + 19u);
  // A second conversion finds nothing more to expand.
  const std::string once = Expanded("●1：「フキがく」");
  EXPECT_EQ(Expanded(once), once);
}

struct Geometry {
  int font, lineHeight, width, height, side, gap, top, tailW, tailH, tailX, tailY;
  bool operator==(const Geometry&) const = default;
};
std::ostream& operator<<(std::ostream& o, const Geometry& g) {
  return o << g.font << "/" << g.lineHeight << " " << g.width << "x" << g.height << " side " << g.side << " gap " << g.gap
           << " top " << g.top << " tail " << g.tailW << "x" << g.tailH << " at (" << g.tailX << "," << g.tailY << ")";
}

// The engine's values for a speech balloon, a previous balloon of 111 x 77, then the style.
Geometry Style(int kind, int style, int fontSize) {
  BalloonGeometryRecord& g = BalloonGeometry;
  g = BalloonGeometryRecord{};
  g.FaceWidth = 200;
  g.FaceHeight = 300;
  g.BalloonWidth = 111;
  g.BalloonHeight = 77;
  g.TailWidth = 32;
  g.TailHeight = 23;
  TextStyle.TextFontSize = 16;
  LineCode.MainParam = kind;
  LineCode.SubParam = style;
  LineState.LineFontSize = fontSize;
  C15_BalloonStyle();
  return {TextStyle.TextFontSize, TextStyle.LineHeight, g.BalloonWidth, g.BalloonHeight, g.BalloonSide, g.BalloonGapX,
          g.BalloonOffsetY, g.TailWidth, g.TailHeight, g.TailOffsetX, g.TailOffsetY};
}

TEST(BalloonStyles, KindsAndStylesGiveTheirGeometry) {
  struct Case {
    const char* name;
    int kind, style, font;
    Geometry expected;
  };
  const Case cases[] = {
      {"kind 10 **", 10, 0, 0, {16, 28, 440, 140, 0, -10, 80, 32, 23, -16, 61}},
      {"kind 16 -10", 16, -10, 0, {16, 28, 340, 140, 1, -10, 80, 32, 23, -16, 59}},
      {"kind 6 style 6 upper third", 6, 6, 20, {20, 32, 240, 120, 0, -20, 150, 32, 23, -16, 29}},
      {"kind 6 style 25 top tail", 6, 25, 0, {16, 28, 510, 110, 2, 0, 0, 23, 32, 74, -16}},
      {"kind 6 style 21 bottom tail", 6, 21, 0, {16, 28, 500, 110, 3, 0, 0, 23, 32, 239, 94}},
      {"kind 6 style 24 lifted", 6, 24, 0, {16, 28, 480, 110, 0, 0, 0, 32, 23, -16, 64}},
      {"kind 6 style 40 under the face", 6, 40, 0, {16, 28, 700, 160, 2, -450, 350, 23, 32, 339, -16}},
      {"kind 6 style 13 keeps the previous", 6, 13, 0, {16, 28, 111, 77, 0, 0, 0, 32, 23, -16, 27}},
      {"kind 23 top tail", 23, 2, 0, {16, 28, 420, 110, 2, 0, 0, 23, 32, 199, -16}},
      {"kind 60 style 3", 60, 3, 0, {16, 28, 580, 140, 0, 0, 0, 32, 23, -16, 59}},
      {"kind 60 style 7 keeps the box", 60, 7, 0, {16, 28, 111, 77, 0, 0, 0, 32, 23, -16, 27}},
      {"kind 0 only the font", 0, 5, 18, {18, 30, 111, 77, 0, 0, 0, 32, 23, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Style(c.kind, c.style, c.font), c.expected);
  }
}

// A Marbrook engine started on the virtual clock, with no screen until a test enters
// one (the title's opening would otherwise hold the first seconds).
class MarbrookConversation : public tq::testing::ScreenTest {
 protected:
  void SetUp() override {
    Boot(kModeMarbrook);
    SceneCursor.SceneCode = 0;
  }
  // Runs calls inside the running session, as a step would, so their busy loops pump
  // the virtual clock.
  template <typename F>
  void Inside(F calls) {
    bool ran = false;
    h_->Platform().At(h_->Now() + 1, [&] {
      calls();
      ran = true;
    });
    h_->RunUntil(h_->Now() + 5000);
    ASSERT_TRUE(ran);
  }
};

TEST_F(MarbrookConversation, EntryLaysOutLeavesAutoReadingLoadsAndRunsTheFirstLine) {
  h_->RunUntil(500);
  ReadState.ReadMode = 2;
  h_->EnterConversationAt(5, tq::testing::EntryTick::kNow);
  const uint32_t t = h_->Now();
  h_->RunUntil(t + 14);
  EXPECT_EQ(TextWindow.NarrationLayer, 9);
  EXPECT_EQ(SceneCursor.SceneState, 5);
  EXPECT_EQ(SceneCursor.SceneStep, 0);
  h_->RunUntil(t + 27);
  EXPECT_EQ(ReadState.ReadMode, 1);
  EXPECT_EQ(SceneCursor.SceneStep, 1);
  h_->RunUntil(t + 40);
  EXPECT_EQ(ScriptStore.ScriptLineCount, 5);
  EXPECT_EQ(TextSlot.TextSlotText[29], "0");
  EXPECT_EQ(SystemMenuState.RestartEffect, 2);
  EXPECT_EQ(SceneCursor.SceneState, 10);
  EXPECT_TRUE(h_->TimesOf("loop 1702").empty());
  h_->RunUntil(t + 60);
  EXPECT_EQ(h_->TimesOf("loop 1702").size(), 1u);
}

TEST_F(MarbrookConversation, DebugEntryLoadsStage64) {
  h_->RunUntil(500);
  SceneCursor = {10, 0, 0, 3, 0};
  C10_Step();
  EXPECT_EQ(SceneCursor.StageNumber, 64);
  EXPECT_EQ(SceneCursor.SceneState, 5);
}

TEST_F(MarbrookConversation, LoaderRecordsTheRestartAndKeepsTheStoreForUnlistedStages) {
  struct Case {
    int stage, restartStage, restartEffect;
  };
  const Case cases[] = {{35, 35, 2}, {30, 30, 0}, {6, 6, 0}, {7, 6, 0}, {131, 100, 0}, {4, 4, 0}, {0, 0, 0}, {203, 203, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stage);
    SceneCursor.StageNumber = 3;
    C15_LoadStage();
    const std::string first = ScriptStore.ScriptText[0];
    ScriptStore.CurrentScriptLine = 7;
    SceneCursor.StageNumber = c.stage;
    C15_LoadStage();
    EXPECT_EQ(SystemMenuState.RestartStage, c.restartStage);
    EXPECT_EQ(SystemMenuState.RestartEffect, c.restartEffect);
    const StageSource source = StageSourceOf(c.stage);
    const int file = source == StageSource::Finale ? 100 : c.stage;
    const bool held = source == StageSource::Intermission ||
                      (source != StageSource::None && !ContentLines("marbrook", StageScriptName(file)).empty());
    if (held && source == StageSource::StoryFile) {
      EXPECT_GT(ScriptStore.ScriptLineCount, 0);
      EXPECT_EQ(ScriptStore.CurrentScriptLine, 0);
    } else if (!held) {
      // No script in the program: the store, its count and its line are unchanged.
      EXPECT_EQ(ScriptStore.ScriptLineCount, 39);
      EXPECT_EQ(ScriptStore.CurrentScriptLine, 7);
      EXPECT_EQ(ScriptStore.ScriptText[0], first);
    }
  }
}


struct FlowResult {
  int scene, state, step, stage, furthest, readSpeed;
  bool operator==(const FlowResult&) const = default;
};
std::ostream& operator<<(std::ostream& o, const FlowResult& r) {
  return o << "(" << r.scene << "," << r.state << "," << r.step << ") stage " << r.stage << " furthest " << r.furthest
           << " speed " << r.readSpeed;
}

TEST_F(MarbrookConversation, StageEndRoutesByPlayMode) {
  h_->RunUntil(500);
  struct Case {
    const char* name;
    int playMode, stage, furthest, stopAuto;
    FlowResult expected;
  };
  const Case cases[] = {
      {"stage 3 first time hands over to the first game", 0, 3, 0, 0, {51, -1, 0, 3, 3, 0}},
      {"stage 3 again keeps the progress", 0, 3, 40, 0, {51, -1, 0, 3, 40, 0}},
      {"16 to 20 keeps automatic reading", 0, 16, 16, 0, {10, 5, 1, 20, 16, 3}},
      {"16 to 20 with the switch on", 0, 16, 16, -1, {10, 5, 0, 20, 16, 3}},
      {"branch pick 8 leads to 10", 0, 8, 6, 0, {10, 5, 1, 10, 8, 3}},
      {"side scene not recorded", 0, 200, 105, 0, {10, 5, 1, 106, 105, 3}},
      {"145 ends the story", 0, 145, 140, 0, {99, -10, 0, 145, 999, 0}},
      {"131 to the duel", 0, 131, 130, 0, {60, 0, 1, 131, 131, 0}},
      {"replay 202 back to 6", 1, 202, 999, 0, {10, 5, 1, 6, 999, 3}},
      {"replay 92 to 200", 1, 92, 999, 0, {10, 5, 1, 200, 999, 3}},
      {"replay 8 to 20", 1, 8, 999, 0, {10, 5, 1, 20, 999, 3}},
      {"story stage with no route goes to the title", 0, 4, 3, 0, {99, -10, 0, 4, 4, 0}},
      {"replay stage with no route goes to the replay select", 1, 5, 999, 0, {99, 37, -1, 5, 999, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ModeState.PlayMode = c.playMode;
    MarbrookProgress.FurthestStage = c.furthest;
    VoiceSettings.StopAutoAtNewStage = c.stopAuto;
    ReadState.ReadSpeed = 3;
    FlowResult got{};
    Inside([&] {
      SceneCursor = {10, 10, 0, c.stage, 0};
      C15_StageEnd();
      got = {SceneCursor.SceneCode, SceneCursor.SceneState, SceneCursor.SceneStep, SceneCursor.StageNumber,
             MarbrookProgress.FurthestStage, ReadState.ReadSpeed};
      // Nothing runs on from here.
      SceneCursor.SceneCode = 0;
    });
    EXPECT_EQ(got, c.expected);
  }
  // Progress reaches the save file.
  MarbrookProgress.FurthestStage = 0;
  ModeState.PlayMode = 0;
  Inside([] {
    SceneCursor = {10, 10, 0, 3, 0};
    C15_StageEnd();
    SceneCursor.SceneCode = 0;
  });
  EXPECT_EQ(C00_IniRead("Game", "0", MarbrookSavePath()), "3");
}

TEST_F(MarbrookConversation, GamesNotInTheProgramHandStraightBackToTheirPostGameStage) {
  struct Case {
    int scene, state, step, stage;
  };
  const Case cases[] = {{51, -1, 0, 5},  {51, -2, 0, 25}, {51, -3, 0, 45}, {52, 0, 0, 15}, {52, 1, 0, 35}, {53, 0, 0, 50},
                        {59, 0, 0, 60},  {54, 1, 0, 70},  {55, 0, 0, 80},  {56, 0, 0, 90}, {60, 0, 1, 140}, {60, 0, 2, 145}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.scene * 10 + c.state);
    ASSERT_NE(MarbrookScreen(c.scene).Step, nullptr);
    SceneCursor = {c.scene, c.state, c.step, 1, 0};
    HandBackWithoutGame();
    EXPECT_EQ(SceneCursor.StageNumber, c.stage);
    EXPECT_EQ(SceneCursor.SceneCode, kConversationScene);
    EXPECT_EQ(SceneCursor.SceneStep, 10);
  }
  // The free-play casino returns to the extras menu.
  SceneCursor = {54, -1, 0, 1, 0};
  HandBackWithoutGame();
  EXPECT_EQ(SceneCursor.SceneCode, kTitleScene);
  EXPECT_EQ(SceneCursor.SceneState, -40);
}

TEST_F(MarbrookConversation, NextStageAndNextGameKeys) {
  h_->RunUntil(500);
  using Cursor = std::vector<int>;
  auto cursor = [] { return Cursor{SceneCursor.SceneCode, SceneCursor.SceneState, SceneCursor.SceneStep, SceneCursor.StageNumber}; };
  struct Case {
    const char* name;
    void (*key)();
    int stage;
    Cursor expected;
    size_t closes, opens;
  };
  const Case cases[] = {
      {"S in the finale block does nothing", C10_NextStage, 120, {10, 10, 0, 120}, 0, 0},
      {"G with no game to follow does nothing", C10_NextGame, 145, {10, 10, 0, 145}, 0, 0},
      {"S at 11 draws the curtain, then the board game", C10_NextStage, 11, {52, 0, 0, 11}, 1, 1},
      {"S at 16 goes on to 20", C10_NextStage, 16, {10, 5, 1, 20}, 0, 0},
      {"G at 100 starts the duel behind the curtain", C10_NextGame, 100, {60, 0, 3, 100}, 1, 0},
      {"G at 26 starts the second board game", C10_NextGame, 26, {52, 1, 0, 26}, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const size_t closes = h_->TimesOf("loop 950").size();
    const size_t opens = h_->TimesOf("loop 951").size();
    Cursor got;
    bool layerKept = false;
    Inside([&] {
      MarbrookProgress.FurthestStage = 150;
      SceneCursor = {10, 10, 0, c.stage, 0};
      ShowLayer(5, true);
      c.key();
      got = cursor();
      layerKept = tq::ThePlatform().Screen().Layer(5).visible;
      SceneCursor.SceneCode = 0;
    });
    EXPECT_EQ(got, c.expected);
    EXPECT_EQ(h_->TimesOf("loop 950").size() - closes, c.closes);
    EXPECT_EQ(h_->TimesOf("loop 951").size() - opens, c.opens);
    EXPECT_EQ(layerKept, c.closes == 0);
  }
}

TEST_F(MarbrookConversation, ChoiceTakesTheClickedRowWithoutAHover) {
  h_->RunUntil(500);
  for (int hovered : {-1, 0}) {
    SCOPED_TRACE(hovered);
    int stage = 0, state = 0, buttonMode = -1, stateAfterStray = 0;
    size_t slides = h_->TimesOf("loop 825").size();
    Inside([&] {
      SceneCursor = {10, 30, -1, 6, 0};
      ScriptAction.BranchParams = {7, 8};
      for (int layer : {80, 81}) {
        DrawState.CurrentLayer = layer;
        DrawState.CurrentRect = {layer == 80 ? 180 : 500, 390, 240, 80};
        PrepareLayer(kPreparePictureShown);
      }
      C10_Step();
      buttonMode = SceneCursor.ButtonMode;
      // A click beside the rows does nothing.
      InputEvent.InputSourceKind = 0;
      InputEvent.InputSourceIndex = -1;
      C10_Step();
      stateAfterStray = SceneCursor.SceneState;
      ScreenButtons.HoveredButton = hovered;
      InputEvent.InputSourceKind = 50;
      InputEvent.InputSourceIndex = 81;
      C10_Step();
      stage = SceneCursor.StageNumber;
      state = SceneCursor.SceneState;
      SceneCursor.SceneCode = 0;
    });
    EXPECT_EQ(buttonMode, 30);
    EXPECT_EQ(stateAfterStray, 30);
    EXPECT_EQ(h_->TimesOf("loop 825").size(), slides + 1);
    EXPECT_EQ(stage, hovered == -1 ? 8 : 7);
    EXPECT_EQ(state, 10);
    EXPECT_EQ(SceneCursor.ButtonMode, 0);
  }
}

TEST_F(MarbrookConversation, HoverFramesTheRowUnderThePointer) {
  SceneCursor = {10, 30, 0, 6, 30};
  ScreenButtons.HoveredButton = -1;
  InputEvent.InputSourceKind = 50;
  InputEvent.InputSourceIndex = 81;
  C10_Hover();
  EXPECT_EQ(ScreenButtons.HoveredButton, 1);
  EXPECT_TRUE(tq::ThePlatform().Screen().Layer(82).visible);
  InputEvent.InputSourceIndex = 20;
  C10_Hover();
  EXPECT_EQ(ScreenButtons.HoveredButton, -1);
  EXPECT_FALSE(tq::ThePlatform().Screen().Layer(82).visible);
}

// Runs a small script in the conversation from its first line.
void RunScript(EngineHarness& h, std::vector<std::string> lines, uint32_t forMs) {
  h.RunUntil(500);
  SceneCursor = {10, 10, 0, 4, 0};
  C15_LayoutInit();
  BeginStageScript();
  for (const std::string& line : lines) PushScriptLine(line);
  Wait(0, 0);
  h.RunUntil(h.Now() + forMs);
}

TEST_F(MarbrookConversation, NarratorLineRowOfABlock) {
  RunScript(*h_, {"[Tanselイベ]：Ev種=00：Ev分=53：Ev細分=00：■三行目の語り"}, 2000);
  const tq::LayerSurface& whole = tq::ThePlatform().Screen().Layer(6);
  const tq::LayerSurface& segment = tq::ThePlatform().Screen().Layer(7);
  const int h = whole.image.Height();
  // Row 3 of five around the window's middle: 345 - 75 + 60 = 330 at a row height of 30.
  EXPECT_EQ(whole.y, 345 - (h * 5) / 2 + 2 * h);
  EXPECT_TRUE(whole.visible);
  EXPECT_FALSE(segment.visible);
  EXPECT_EQ(segment.y, whole.y);
  EXPECT_EQ(h_->TraceOf("endloop").front(), "endloop 1700 31");
}

TEST_F(MarbrookConversation, EffectsRunTheirFramesAndEnd) {
  RunScript(*h_,
            {"●1：[顔の設定]：■[顔No]=01：[顔BMPNo]=0000：[顔FXNo]=10", "[Tanselイベ]：Ｚ：Ev種=50：Ev細分=01",
             "[Tanselイベ]：Ｚ：Ev種=99", "[Tanselイベ]：Ｚ：Ev種=00：Ev分=50：Ev細分=00：■零の行",
             "[Tanselイベ]：Ｚ：Ev種=51：Ev細分=01"},
            9000);
  const std::vector<std::string> ends = h_->TraceOf("endloop");
  // The face rise runs 1001 frames of 5 ms; a code without an effect ends at once; a
  // row digit of 0 is row 1; the blink ends with the face shown.
  const std::vector<std::string> expected = {"endloop 1750 1001", "endloop 1799 1", "endloop 1700 31", "endloop 1751 5"};
  EXPECT_EQ(ends, expected);
  const std::vector<uint32_t> starts = h_->TimesOf("loop 1750");
  const std::vector<uint32_t> stops = h_->TimesOf("endloop 1750");
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_GE(stops[0] - starts[0], 5000u);
  EXPECT_TRUE(tq::ThePlatform().Screen().Layer(0).visible);
  EXPECT_TRUE(tq::ThePlatform().Screen().Layer(10).visible);
}

}  // namespace
