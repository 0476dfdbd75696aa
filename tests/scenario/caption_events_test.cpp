// Caption events: pieces fading in with their pause and standing as one line, rows
// stacked and faded out together, the row that names no layer, and the narration
// strip faded in over the scene picture and faded back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/layers.h"
#include "engine/text.h"
#include "normal_event_fixture.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"

namespace scenario_test {
namespace {

class CaptionEventTest : public NormalEventTest {
 protected:
  // Runs the caption with `text` as the line's text; frameLengths gets the length of
  // the wait after every frame.
  int RunCaption(int kind, int v, int s, const std::string& text, std::vector<int>* frameLengths = nullptr) {
    Script({"[通常イベ]", "次"});
    ScriptStore.ScriptText[0] = text;
    return RunEvent(kind, v, s, [frameLengths](int) {
      if (frameLengths != nullptr) frameLengths->push_back(FrameClock.FrameLength);
    });
  }
};

TEST_F(CaptionEventTest, PiecesFadeInWithTheirPauseAndStandAsOneLine) {
  std::vector<int> lengths;
  EXPECT_EQ(RunCaption(20, 5, 0, "はるかな　むかし、：くにが　あった。", &lengths), 60);
  // The loop ends after frame 60, so only the pause after frame 30 is waited.
  for (size_t i = 0; i + 1 < lengths.size(); ++i) {
    EXPECT_EQ(lengths[i], i == 29 ? 1000 : 13) << "after frame " << i + 1;
  }
  EXPECT_TRUE(LayerVisible(0));
  EXPECT_FALSE(LayerVisible(1));
  EXPECT_FALSE(LayerVisible(2));
  const Rect line = RectOf(0), first = RectOf(1), second = RectOf(2);
  EXPECT_EQ(line.Width, 920);
  EXPECT_EQ(line.Y, 345 - line.Height / 2);
  EXPECT_EQ(second.X, first.X + first.Width);
  EXPECT_EQ(second.Y, line.Y);
  // The pieces together stand where the whole line is centred.
  EXPECT_NEAR(first.X + (first.Width + second.Width) / 2, 460, 2);
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);

  EXPECT_EQ(RunCaption(20, 10, 0, "あ：い"), 10);
  EXPECT_EQ(RunCaption(20, 11, 0, "あ"), 100);
}

// Four rows with variants 41 to 44 stack from the top; a block fade-out with S 1 and
// four fields clears them all.
TEST_F(CaptionEventTest, StackedRowsFadeOutTogether) {
  const std::string rows[4] = {"いち", "に", "さん", "よん"};
  for (int r = 0; r < 4; ++r) EXPECT_EQ(RunCaption(20, 41 + r, 0, rows[r]), 30);
  for (int r = 0; r < 4; ++r) {
    SCOPED_TRACE(r);
    EXPECT_TRUE(LayerVisible(3 * r));
    if (r > 0) {
      EXPECT_EQ(RectOf(3 * r).Y, RectOf(3 * (r - 1)).Y + RectOf(0).Height);
    }
  }
  EXPECT_EQ(RectOf(0).Y + 2 * RectOf(0).Height, 345);
  EXPECT_EQ(RunCaption(23, 4, 1, "いち：に：さん：よん"), 20);
  for (int layer : {0, 1, 2, 3, 6, 9}) EXPECT_FALSE(LayerVisible(layer)) << layer;
}

// Each faded-out piece is hidden when it is done, so none stands at full brightness
// through the pause or after the event.
TEST_F(CaptionEventTest, FadeOutHidesTheLineAndEachPiece) {
  RunCaption(20, 0, 0, "さような：ら");
  ASSERT_TRUE(LayerVisible(0));
  std::vector<bool> firstShown;
  Script({"[通常イベ]", "次"});
  ScriptStore.ScriptText[0] = "さような：ら";
  EXPECT_EQ(RunEvent(21, 0, 0, [&](int) { firstShown.push_back(LayerVisible(1)); }), 60);
  EXPECT_TRUE(firstShown[28]);
  EXPECT_FALSE(firstShown[29]);
  EXPECT_FALSE(LayerVisible(0));
  EXPECT_FALSE(LayerVisible(1));
  EXPECT_FALSE(LayerVisible(2));
}

// A units digit of 0 names no row: the caption takes its time and draws nothing.
TEST_F(CaptionEventTest, RowWithoutALayerDrawsNothing) {
  for (int layer = 0; layer <= 2; ++layer) PrepareShown(layer, 5, 6, 7, 8);
  std::vector<int> lengths;
  EXPECT_EQ(RunCaption(20, 40, 0, "あ：い", &lengths), 60);
  EXPECT_EQ(lengths[29], 500);
  for (int layer = 0; layer <= 2; ++layer) {
    EXPECT_TRUE(LayerVisible(layer));
    EXPECT_EQ(RectOf(layer).X, 5);
    EXPECT_EQ(RectOf(layer).Width, 7);
  }
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
}

TEST_F(CaptionEventTest, NarrationStripSitsOnItsRow) {
  const struct {
    const char* name;
    int fontSize, v, s;
    int x, y, height;
  } cases[] = {
      {"default size", 0, 0, 10, 30, 345, 31},
      {"size 22, third row", 22, 2, 10, 30, 429, 29},
      {"size 50 centred, second row", 50, 1, 11, -1, 435, 65},
      {"unlisted sub-variant takes 10", 22, 0, 3, 30, 345, 29},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<int> lengths;
    Script({"[通常イベ]", "次"});
    ScriptStore.ScriptText[0] = "かぜが　ふいた。";
    LineState.LineFontSize = c.fontSize;
    EXPECT_EQ(RunEvent(50, c.v, c.s, [&](int) { lengths.push_back(FrameClock.FrameLength); }), 11);
    EXPECT_EQ(lengths.front(), 20);
    EXPECT_EQ(BlitSpec.BlitSrcY, c.y);
    EXPECT_EQ(BlitSpec.BlitHeight, c.height);
    if (c.x >= 0) {
      EXPECT_EQ(BlitSpec.BlitSrcX, c.x);
    }
    EXPECT_EQ(BlitSpec.BlitWidth, 920 - BlitSpec.BlitSrcX);
    EXPECT_EQ(BlitSpec.BlitSource, 0);
  }
}

// After a narration line, the lower half fades back to the scene picture in layer 0;
// S 10 leaves the left 30 pixels as they are, S 11 restores the full width.
TEST_F(CaptionEventTest, NarrationAreaFadesBackToTheScenePicture) {
  const uint32_t picture = RgbColor(200, 180, 20);
  for (int s : {10, 11}) {
    SCOPED_TRACE(s);
    PrepareShown(0, 0, 0, 920, 690);
    LayerInfo(0).BackColor = picture;
    ClearLayerImage(0);
    LayerImage(GameForm).Reset(920, 690, tq::PixelFromColor(kScene));
    ScriptStore.ScriptText[0] = "かぜ";
    EXPECT_EQ(RunEvent(50, 0, 10), 11);
    EXPECT_NE(Background(200, 350), kScene);  // the strip went onto the background
    Script({"[通常イベ]", "次"});
    EXPECT_EQ(RunEvent(51, 0, s), 11);
    // Eleven blends, each over the last, arrive at the picture.
    EXPECT_EQ(Background(10, 600), s == 10 ? kScene : picture);
    EXPECT_EQ(Background(200, 600), picture);
    EXPECT_EQ(Background(200, 100), kScene);
  }
}

}  // namespace
}  // namespace scenario_test
