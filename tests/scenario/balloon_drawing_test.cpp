// Balloon drawing: the white body with its bevel, the text printed eight times in
// greys, the kept texts and their greyed redraws, the tail box and the bubbles.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/layers.h"
#include "engine/text.h"
#include "platform/platform.h"
#include "scenario/balloon_drawing.h"
#include "scenario/balloon_geometry.h"
#include "scenario/balloon_layout.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"
#include "scenario/skelvane_conversation.h"
#include "scenario_faces.h"
#include "scenario_fixture.h"

namespace {

using scenario_test::ScenarioScene;
using scenario_test::Script;
using scenario_test::ShowFace;
using scenario_test::WindowSize;

void SetUpScene(int faceX) {
  WindowSize();
  TextWindow.NarrationLayer = 19;
  TextWindow.BalloonFrameThickness = 30;
  SetDefaultThoughtLayout();
  ShowFace(1, 20, faceX, 200, 120, 160);
  LineState.CurrentSlot = 1;
}

void BalloonLine(int kind, int variant, int tail, const std::string& text) {
  Script({text});
  LineCode = {1, variant, kind, tail, 1, 0};
  LineState.CurrentSlot = 1;
  LineState.LineFontSize = 0;
}

uint32_t Pixel(int layer, int x, int y) { return tq::ColorFromPixel(LayerImage(layer).Get(x, y)); }
Rect PlaceOf(int layer) {
  const auto& l = tq::ThePlatform().Screen().Layer(layer);
  return {l.x, l.y, l.image.Width(), l.image.Height()};
}

struct Pass {
  int dx, dy, grey;
};
constexpr Pass kCurrent[8] = {{-1, -1, 240}, {0, -1, 220}, {-1, 0, 200}, {2, 1, 230},
                              {1, 1, 220},   {0, 1, 150},  {1, 0, 120},  {0, 0, 50}};
constexpr Pass kGreyed[8] = {{-1, -1, 192}, {0, -1, 176}, {-1, 0, 160}, {2, 1, 184},
                             {1, 1, 176},   {0, 1, 120},  {1, 0, 96},   {0, 0, 40}};

// Every line printed in its eight passes, in order, on the layer, from (x, y) with
// the line spacing.
void ExpectBalloonPrints(const std::vector<PrintRecord>& prints, int layer, const std::vector<std::string>& lines,
                         int x, int y, int lineHeight, const Pass (&passes)[8]) {
  ASSERT_EQ(prints.size(), 8 * lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    for (size_t p = 0; p < 8; ++p) {
      SCOPED_TRACE("line " + std::to_string(i) + " pass " + std::to_string(p));
      const PrintRecord& r = prints[8 * i + p];
      EXPECT_EQ(r.Layer, layer);
      EXPECT_EQ(r.Text, lines[i]);
      EXPECT_EQ(r.X, x + passes[p].dx);
      EXPECT_EQ(r.Y, y + lineHeight * static_cast<int>(i) + passes[p].dy);
      EXPECT_EQ(r.Color, Grey(passes[p].grey));
    }
  }
}

// A speech line prints into a white body framed in scheme 100 (top edge grey 220),
// keeps its text in its slot, and frames its tail box again. "[フキバック]" then draws
// the kept slot (tail code -2) again in the darker greys with scheme 99, and the next
// line into that balloon returns it and its tail to the current greys.
TEST(BalloonDrawing, SpeechTextPrintsInEightGreysAndAKeptSlotIsRedrawnGreyed) {
  ScenarioScene scene;
  SetUpScene(300);
  BalloonLine(10, 0, -2, "こんにちは：いいてんきだね");
  BalloonLayout(0);
  BalloonParts(2, 0);
  SetPrintRecording(true);
  BalloonText(0);

  ExpectBalloonPrints(RecordedPrints(), 21, {"こんにちは", "いいてんきだね"}, 15, 12, 26, kCurrent);
  const Rect body = PlaceOf(21);
  EXPECT_EQ(body.X, 410);
  EXPECT_EQ(body.Y, 280);
  EXPECT_EQ(body.Width, 440);
  EXPECT_EQ(body.Height, 140);
  EXPECT_TRUE(tq::ThePlatform().Screen().Layer(21).visible);
  EXPECT_EQ(Pixel(21, 220, 0), Grey(220));
  EXPECT_EQ(Pixel(21, 430, 130), Grey(255));
  EXPECT_EQ(Pixel(22, 16, 0), Grey(220));
  EXPECT_EQ(TextSlot.TextSlotState[2], 2);
  EXPECT_EQ(TextSlot.TextSlotText[2], "こんにちは：いいてんきだね");
  EXPECT_EQ(TextSlot.TextSlotKind[2], 10);
  EXPECT_EQ(TextSlot.TextSlotFontSize[2], 16);
  EXPECT_EQ(TextSlot.TextSlotX[2], 15);
  EXPECT_EQ(TextSlot.TextSlotY[2], 12);
  EXPECT_EQ(TextSlot.TextSlotLineHeight[2], 26);

  Script({"[フキバック]"});
  SetPrintRecording(true);
  ExecuteScriptLine();
  ExpectBalloonPrints(RecordedPrints(), 21, {"こんにちは", "いいてんきだね"}, 15, 12, 26, kGreyed);
  EXPECT_EQ(TextSlot.TextSlotState[2], 10);
  EXPECT_EQ(Pixel(21, 220, 0), Grey(176));
  EXPECT_EQ(Pixel(21, 430, 130), Grey(204));
  EXPECT_EQ(Pixel(22, 16, 0), Grey(176));

  BalloonLine(10, 0, 0, "またね");
  SetPrintRecording(true);
  BalloonText(0);
  ExpectBalloonPrints(RecordedPrints(), 21, {"またね"}, 15, 12, 26, kCurrent);
  EXPECT_EQ(TextSlot.TextSlotState[2], 10);  // tail code 0 leaves the state
  EXPECT_EQ(TextSlot.TextSlotText[2], "またね");
  EXPECT_EQ(Pixel(21, 220, 0), Grey(220));
  EXPECT_EQ(Pixel(22, 16, 0), Grey(220));
  SetPrintRecording(false);
}

// Tail codes -1 to -3 bring the balloon to the front as its text is drawn; -4 to -6
// keep the same kept states without raising it.
TEST(BalloonDrawing, TailCodeDecidesTheKeptStateAndTheRaise) {
  const struct {
    int tail, state;
    bool raised;
  } cases[] = {{-1, 1, true}, {-2, 2, true}, {-3, 3, true}, {-4, 1, false}, {-5, 2, false}, {-6, 3, false}, {5, 0, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tail);
    ScenarioScene scene;
    SetUpScene(300);
    DrawState.CurrentLayer = 60;
    DrawState.CurrentRect = {0, 0, 10, 10};
    PrepareLayer(kPreparePictureShown);  // the topmost layer until the balloon is raised
    BalloonLine(10, 0, c.tail, "文");
    BalloonText(0);
    auto& screen = tq::ThePlatform().Screen();
    EXPECT_EQ(screen.ZIndex(21) > screen.ZIndex(60), c.raised);
    EXPECT_EQ(TextSlot.TextSlotState[2], c.state);
  }
}

// The bubbles stand at the offsets of the variant's bubble set from the window's
// top-left corner; on side 1 they mirror around the window (bubble k's right edge
// BubbleOffsetX left of the window's right edge). Variant 11 draws bubble 1 only.
TEST(BalloonDrawing, ThoughtBubblesStandBesideTheWindowAndMirrorOnSideOne) {
  const struct {
    int kind, faceX;
    Rect bubble[3];
  } cases[] = {
      {30, 300, {{366, 322, 7, 7}, {376, 328, 11, 11}, {389, 333, 17, 17}}},
      {40, 500, {{547, 322, 7, 7}, {533, 328, 11, 11}, {514, 333, 17, 17}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    ScenarioScene scene;
    SetUpScene(c.faceX);
    BalloonLine(c.kind, 0, -1, "思");
    BalloonLayout(0);
    BalloonParts(15, 11);
    EXPECT_EQ(PlaceOf(25).Width, 0);
    EXPECT_EQ(PlaceOf(26).X, c.bubble[1].X);
    EXPECT_EQ(PlaceOf(27).Width, 0);
    BalloonParts(15, 0);
    for (int k = 0; k < 3; ++k) {
      SCOPED_TRACE(k);
      const Rect r = PlaceOf(25 + k);
      EXPECT_EQ(r.X, c.bubble[k].X);
      EXPECT_EQ(r.Y, c.bubble[k].Y);
      EXPECT_EQ(r.Width, c.bubble[k].Width);
      EXPECT_EQ(r.Height, c.bubble[k].Height);
      EXPECT_EQ(Pixel(25 + k, 0, r.Height / 2), Grey(200));  // the left edge of scheme 100
    }
  }
}

// A narration box prints each line in the engraved greys, one line height apart,
// keeps its text in state 3, and leaves TextY at the last line.
TEST(BalloonDrawing, NarrationBoxPrintsItsLinesEngravedAndKeepsThem) {
  ScenarioScene scene;
  SetUpScene(300);
  BalloonLine(51, 0, 0, "ひるのかぜがふく：もりのほとりをそっとあるく");
  SetPrintRecording(true);
  BalloonText(0);
  const std::vector<PrintRecord>& prints = RecordedPrints();
  ASSERT_EQ(prints.size(), 14u);
  EXPECT_EQ(prints[6].Text, "ひるのかぜがふく");
  EXPECT_EQ(prints[6].X, 15);
  EXPECT_EQ(prints[6].Y, 15);
  EXPECT_EQ(prints[13].Text, "もりのほとりをそっとあるく");
  EXPECT_EQ(prints[13].Y, 49);
  for (const PrintRecord& p : prints) EXPECT_EQ(p.Layer, 19);
  SetPrintRecording(false);
  EXPECT_EQ(TextStyle.TextY, 49);
  EXPECT_EQ(TextSlot.TextSlotState[10], 3);
  EXPECT_EQ(TextSlot.TextSlotText[10], "ひるのかぜがふく：もりのほとりをそっとあるく");
  EXPECT_EQ(TextSlot.TextSlotKind[10], 51);
  EXPECT_EQ(Pixel(19, 100, 0), Grey(80));  // scheme 30's top edge
}

// The box is the measure + 60 wide with its bold text at 15, so the ink leaves 15
// pixels on the left and 45 on the right: print and measure agree on bold widths.
TEST(BalloonDrawing, OneLineNarrationBoxHasItsMarginsOnBothSides) {
  ScenarioScene scene;
  SetUpScene(300);
  BalloonLine(51, 0, 0, "ひるのかぜがふく、もりのほとり");
  BalloonLayout(0);
  BalloonText(0);
  const tq::Surface& box = LayerImage(19);
  ASSERT_GT(box.Width(), 60);
  const uint32_t body = box.Get(8, 20);
  int left = box.Width(), right = -1;
  for (int y = 15; y < 15 + TextStyle.LineHeight && y < box.Height() - 6; ++y) {
    for (int x = 6; x < box.Width() - 6; ++x) {
      if (box.Get(x, y) == body) continue;
      left = std::min(left, x);
      right = std::max(right, x);
    }
  }
  EXPECT_NEAR(left, 15, 2);
  EXPECT_NEAR(box.Width() - 1 - right, 45, 2);
}

// Empty fields print no lines; lines past the 29th are not printed.
TEST(BalloonDrawing, BalloonLinesSkipEmptyFieldsAndStopAtTwentyNine) {
  EXPECT_EQ(BalloonLines("あ：：い"), (std::vector<std::string>{"あ", "い"}));
  EXPECT_TRUE(BalloonLines("").empty());
  std::string many;
  for (int i = 0; i < 35; ++i) many += std::to_string(i) + "：";
  const std::vector<std::string> lines = BalloonLines(many);
  ASSERT_EQ(lines.size(), 29u);
  EXPECT_EQ(lines.back(), "28");
}

}  // namespace
