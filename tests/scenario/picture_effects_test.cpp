// The picture effects the engine runs itself (codes 10 to 14 and the rest of their
// ranges) and the cross-fades of the fading story lines (1210 to 1217).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/layers.h"
#include "engine/text.h"
#include "platform/platform.h"
#include "scenario/auto_reading.h"
#include "scenario/conversation_scene.h"
#include "scenario/opening_effects.h"
#include "scenario/script_actions.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"
#include "scenario_fixture.h"

namespace {

using scenario_test::Script;
using scenario_test::ScenarioScene;
using tq::testing::WindowLayer;

uint32_t WindowPixel(int x, int y) { return tq::ColorFromPixel(LayerImage(GameForm).Get(x, y)); }
uint32_t LayerPixel(int layer, int x, int y) { return tq::ColorFromPixel(LayerImage(layer).Get(x, y)); }

void Prepare(int layer, int x, int y, int w, int h, uint32_t colour, bool shown = true) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {x, y, w, h};
  PrepareLayer(shown ? 10 : 11);
  LayerInfo(layer).BackColor = colour;
  ClearLayerImage(layer);
}

std::vector<std::string> EndLoops(const ScenarioScene& s) { return s.harness.TraceOf("endloop"); }

// Code 10: 240 frames; frame n copies rows 2n and 479 - 2n of the picture onto the
// window; then the catalogue picture becomes the background and the line ends.
TEST(OpeningEffects, WipeInCopiesTwoRowsAFrameForTwoHundredFortyFrames) {
  ScenarioScene scene;
  Script({"a", "b"});
  Prepare(0, 0, 0, 640, 480, RgbColor(200, 0, 0), false);
  LayerInfo(GameForm).BackColor = RgbColor(0, 0, 90);
  ClearLayerImage(GameForm);
  BlitSpec.BlitLayer = 0;
  FrameClock.AnimationCode = 10;
  AnimationRun.AnimationFrame = 2;  // frame 1
  PaintEffectTick();
  for (int y : {1, 2, 3, 476, 477, 478}) {
    SCOPED_TRACE(y);
    EXPECT_EQ(WindowPixel(100, y), (y == 2 || y == 477) ? RgbColor(200, 0, 0) : RgbColor(0, 0, 90));
  }
  EXPECT_EQ(WindowPixel(640, 2), RgbColor(0, 0, 90));  // only the 640-pixel area

  ScriptAction.EffectPicture = 0;  // no picture: the background is cleared at the end
  LineCode.ContinueMode = 1;
  Wait(10, 0);
  EXPECT_EQ(EndLoops(scene), std::vector<std::string>{"endloop 10 240"});
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
  EXPECT_EQ(WindowPixel(100, 2), RgbColor(0, 0, 90));
}

// Off the conversation scene the wipe finishes no line, and its loop still ends.
TEST(OpeningEffects, WipeInEndsItsLoopOffTheConversation) {
  ScenarioScene scene;
  Script({"a", "b"});
  SceneCursor.SceneCode = 99;
  Wait(10, 0);
  EXPECT_EQ(EndLoops(scene), std::vector<std::string>{"endloop 10 240"});
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 0);
}

TEST(OpeningEffects, WipeToBlackAndButtonsSlideIn) {
  ScenarioScene scene;
  LayerInfo(GameForm).BackColor = RgbColor(0, 0, 90);
  ClearLayerImage(GameForm);
  tq::FillBox(LayerImage(GameForm), 0, 0, 700, 500, tq::PixelFromColor(RgbColor(10, 200, 10)));
  Wait(11, 0);
  EXPECT_EQ(WindowPixel(300, 0), RgbColor(0, 0, 90));  // the picture removed
  EXPECT_EQ(scene.Timers(), std::vector<std::string>{"timer 13"});

  Prepare(15, 0, 0, 200, 40, RgbColor(255, 255, 255));
  Prepare(16, 0, 0, 300, 50, RgbColor(255, 255, 255));
  Wait(12, 0);
  EXPECT_EQ(EndLoops(scene).back(), "endloop 12 11");
  // Both centred on x = 320 by layer 15's width.
  EXPECT_EQ(std::make_pair(WindowLayer(15).x, WindowLayer(15).y), std::make_pair(220, 270));
  EXPECT_EQ(std::make_pair(WindowLayer(16).x, WindowLayer(16).y), std::make_pair(220, 325));
}

// Code 13 blinks layer 17 (shown on even frames), then code 14 shrinks the chosen
// button around its centre until both sides reach 0.
TEST(OpeningEffects, BlinkThenTheChosenButtonShrinksAway) {
  ScenarioScene scene;
  Prepare(15, 100, 200, 80, 40, RgbColor(255, 0, 0));
  Prepare(17, 0, 0, 10, 10, RgbColor(0, 0, 0));
  ReadState.ChoiceResult = 0;
  std::vector<bool> shown;
  FrameClock.AnimationCode = 13;
  FrameClock.FrameLoopRunning = -1;
  for (int f = 0; f < 15; ++f) {
    PaintEffectTick();
    shown.push_back(WindowLayer(17).visible);
  }
  EXPECT_EQ(shown, (std::vector<bool>{true, false, true, false, true, false, true, false, true, false, true, false,
                                      true, false, true}));
  EXPECT_TRUE(scene.Loops().empty());
  PaintEffectTick();  // frame 15 starts code 14
  EXPECT_EQ(EndLoops(scene), std::vector<std::string>{"endloop 14 8"});
  EXPECT_FALSE(WindowLayer(15).visible);
  EXPECT_EQ(std::make_pair(WindowLayer(15).x, WindowLayer(15).y), std::make_pair(140, 220));
}

TEST(OpeningEffects, ShrinkEndsForSmallButtonsToo) {
  const struct {
    int w, h, frames;
  } cases[] = {{80, 40, 8}, {80, 60, 9}, {80, 5, 8}, {4, 3, 4}, {0, 0, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
    ScenarioScene scene;
    Prepare(16, 100, 100, c.w, c.h, RgbColor(255, 0, 0));
    ReadState.ChoiceResult = 1;
    Wait(14, 0);
    EXPECT_EQ(EndLoops(scene), std::vector<std::string>{"endloop 14 " + std::to_string(c.frames)});
  }
}

// Codes without frames of their own hand back to the step at once.
TEST(OpeningEffects, OtherCodesOfTheRangesEndAtOnce) {
  for (int code : {15, 19, 60, 65, 90, 95, 99}) {
    SCOPED_TRACE(code);
    ScenarioScene scene;
    Wait(code, 0);
    EXPECT_EQ(EndLoops(scene), std::vector<std::string>{"endloop " + std::to_string(code) + " 1"});
    EXPECT_EQ(scene.Timers(), std::vector<std::string>{"timer 13"});
  }
}

// 1210 fades the picture in from black over 11 frames of 100 ms and keeps the screen
// in layer 50; a text block then fades in over the kept screen's strip.
TEST(CrossFades, PictureFadeInKeepsTheScreenForTheTextBlocks) {
  ScenarioScene scene;
  Prepare(0, 0, 0, 640, 480, RgbColor(0, 200, 100), false);
  Prepare(1, 0, 0, 10, 10, RgbColor(0, 0, 0), false);  // the work layer, smaller than the picture
  Wait(1210, 0);
  EXPECT_EQ(EndLoops(scene), std::vector<std::string>{"endloop 1210 11"});
  const std::vector<uint32_t> times = scene.harness.TimesOf("endloop");
  EXPECT_EQ(times.front() - scene.harness.TimesOf("loop").front(), 1000u);
  EXPECT_EQ(WindowPixel(600, 400), RgbColor(0, 196, 98));  // alpha 250
  EXPECT_EQ(LayerPixel(50, 600, 400), RgbColor(0, 196, 98));
  EXPECT_EQ(std::make_pair(WindowLayer(50).x, WindowLayer(50).visible), std::make_pair(640, true));
  EXPECT_EQ(BlitSpec.BlitSource, 50);

  // Kind 2, three lines: the strip y 60 to 160, the lines 30 pixels apart from 60.
  ConversationScene.EffectTextCode = 2;
  ConversationScene.EffectText = "一行目：二行目：三行目";
  LayerInfo(GameForm).BackColor = RgbColor(50, 50, 50);
  ClearLayerImage(GameForm);
  SetPrintRecording(true);
  Wait(1215, 0);
  EXPECT_EQ(EndLoops(scene).back(), "endloop 1215 11");
  EXPECT_EQ(WindowPixel(630, 59), RgbColor(50, 50, 50));
  EXPECT_EQ(WindowPixel(630, 160), RgbColor(50, 50, 50));
  EXPECT_EQ(WindowPixel(630, 60), RgbColor(0, 196, 98));   // alpha 250 over grey 50:
  EXPECT_EQ(WindowPixel(630, 159), RgbColor(0, 196, 98));  // 0 + 50 * 5 / 255 rounds away
  const std::string lines[] = {"一行目", "二行目", "三行目"};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    int prints = 0;
    for (const PrintRecord& p : RecordedPrints()) {
      if (p.Text != lines[i]) continue;
      ++prints;
      EXPECT_EQ(p.Layer, 51);
      EXPECT_NEAR(p.Y, 30 * i, 3);
    }
    EXPECT_EQ(prints, 18);  // eight shadow passes, ten glow passes
  }
}

// Before any fade has kept a screen the text codes read the cleared layer 50.
TEST(CrossFades, CodesBeforeTheFirstFadeReadLayer50) {
  for (int code : {1211, 1215, 1216, 1217}) {
    SCOPED_TRACE(code);
    ScenarioScene scene;
    ASSERT_EQ(BlitSpec.BlitSource, -2);
    Wait(code, 0);
    EXPECT_EQ(BlitSpec.BlitSource, 50);
    EXPECT_EQ(EndLoops(scene), std::vector<std::string>{"endloop " + std::to_string(code) + (code == 1211 ? " 9" : " 11")});
  }
  ScenarioScene scene;
  Wait(1213, 0);
  EXPECT_EQ(EndLoops(scene), std::vector<std::string>{"endloop 1213 1"});
}

// A centred block's single line of height h stands at y = 190 + 50 - h \ 2.
TEST(CrossFades, CentredBlockStandsInTheMiddleStrip) {
  ScenarioScene scene;
  ConversationScene.EffectText = "まんなか";
  SetPrintRecording(true);
  TextStyle.TextFontSize = 16;
  TextStyle.CurrentText = "まんなか";
  MeasureText(0);
  const int w = TextStyle.MeasuredWidth;
  const int h = TextStyle.MeasuredHeight;
  Wait(1217, 0);
  ASSERT_FALSE(RecordedPrints().empty());
  const PrintRecord& last = RecordedPrints().back();  // the last glow pass sits in place
  EXPECT_NEAR(last.X, 320 - w / 2, 1);
  EXPECT_NEAR(last.Y, 50 - h / 2, 1);
}

}  // namespace
