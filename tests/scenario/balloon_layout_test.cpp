// Balloon layout: where each kind of window stands, how large it is, and what its
// text origin and style are, with the Skelvane mode's BalloonStyle and CaptionBox.
#include <gtest/gtest.h>

#include <string>

#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/text.h"
#include "scenario/balloon_geometry.h"
#include "scenario/balloon_layout.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"
#include "scenario/skelvane_conversation.h"
#include "skelvane/conversation_hooks.h"
#include "scenario_faces.h"
#include "scenario_fixture.h"

namespace {

using scenario_test::ScenarioScene;
using scenario_test::Script;
using scenario_test::ShowFace;
using scenario_test::WindowSize;

constexpr int kNarrationLayer = 19;

// A Skelvane scene with slot 1's face on layer 20 at the given place, its balloons on
// the default layers (body 21, tail 22, thought 24, bubbles 25 to 27).
void SetUpScene(int faceX, int faceY) {
  WindowSize();
  TextWindow.NarrationLayer = kNarrationLayer;
  TextWindow.BalloonFrameThickness = 30;
  SetDefaultThoughtLayout();
  ShowFace(1, 20, faceX, faceY, 120, 160);
  LineState.CurrentSlot = 1;
}

// The line's code words as the executor leaves them for a balloon line.
void BalloonLine(int kind, int variant, const std::string& text, int fontSize = 0) {
  Script({text});
  LineCode = {1, variant, kind, -1, 1, 0};
  LineState.LineFontSize = fontSize;
}

bool SameRect(const Rect& a, const Rect& b) {
  return a.X == b.X && a.Y == b.Y && a.Width == b.Width && a.Height == b.Height;
}

struct SpeechCase {
  const char* name;
  int kind, variant, lineFont;
  int faceX;
  Rect balloon;
  int tailRelX, tailRelY, tailWidth, tailHeight;
  int side, font;
};

// The face is 120 by 160 at (faceX, 200). Sides 0, 2 and 3 put the balloon's left edge
// at face width + gap (-10) from the face's left; side 1 its right edge 10 pixels
// into the face, with the tail measured from that right edge.
TEST(BalloonLayout, SpeechBalloonStandsBesideTheFaceWithItsTail) {
  const SpeechCase cases[] = {
      {"kind 10: right of the face", 10, 0, 0, 300, {410, 280, 440, 140}, 94, 141, 32, 23, 0, 16},
      {"kind 10 variant 2, フFo 18", 10, 2, 18, 300, {410, 280, 460, 140}, 94, 141, 32, 23, 0, 18},
      {"kind 20: left of the face", 20, 0, 0, 500, {70, 280, 440, 140}, -6, 141, 32, 23, 1, 16},
      {"kind 30: tail on the top edge", 30, 0, 0, 300, {410, 280, 440, 140}, 94, 141, 32, 23, 2, 16},
      {"kind 5 variant 10: small, left", 5, 10, 0, 500, {310, 260, 200, 40}, 0, 75, 20, 10, 1, 9},
  };
  for (const SpeechCase& c : cases) {
    SCOPED_TRACE(c.name);
    ScenarioScene scene;
    SetUpScene(c.faceX, 200);
    TextWindow.WindowLayer = 77;  // a speech layout keeps the free window's record
    // Kind 30 is a thought kind in the layout; its speech row is reached through
    // BalloonPlace, which the Skelvane style gives side 2.
    BalloonLine(c.kind, c.variant, "文", c.lineFont);
    if (c.kind == 30) {
      LoadFaceGeometry(1);
      BalloonPlace(0);
    } else {
      BalloonLayout(0);
      EXPECT_EQ(DrawState.CurrentLayer, 21);
      EXPECT_EQ(TextWindow.TailLayer, 22);
      EXPECT_EQ(TextWindow.TailShown, -1);
      EXPECT_EQ(FaceSlot.TextSlotIndex, 2);
      EXPECT_EQ(FaceSlot.BalloonCategory, 0);
      EXPECT_EQ(TextWindow.WindowLayer, 77);
    }
    const BalloonGeometryRecord& g = BalloonGeometry;
    EXPECT_TRUE(SameRect(DrawState.CurrentRect, c.balloon))
        << DrawState.CurrentRect.X << "," << DrawState.CurrentRect.Y << " " << DrawState.CurrentRect.Width << "x"
        << DrawState.CurrentRect.Height;
    EXPECT_EQ(g.SlotBalloonRelX[1], c.balloon.X - c.faceX);
    EXPECT_EQ(g.SlotBalloonRelY[1], c.balloon.Y - 200);
    EXPECT_EQ(g.SlotBalloonWidth[1], c.balloon.Width);
    EXPECT_EQ(g.SlotBalloonHeight[1], c.balloon.Height);
    EXPECT_EQ(g.SlotBalloonSide[1], c.side);
    EXPECT_EQ(g.SlotTailRelX[1], c.tailRelX);
    EXPECT_EQ(g.SlotTailRelY[1], c.tailRelY);
    EXPECT_EQ(g.SlotTailWidth[1], c.tailWidth);
    EXPECT_EQ(g.SlotTailHeight[1], c.tailHeight);
    EXPECT_EQ(TextStyle.TextFontSize, c.font);
  }
}

// Thought balloons take their place and size from the thought-layout tables: right
// of the face for kinds 30 to 39, mirrored to its left for 40 to 49.
TEST(BalloonLayout, ThoughtBalloonTakesTheThoughtLayoutTables) {
  const struct {
    int kind, faceX;
    Rect window;
    int side;
  } cases[] = {
      {30, 300, {403, 318, 320, 105}, 0},  // offset (-17, 118) for slot 1, variant 0
      {40, 500, {197, 318, 320, 105}, 1},
      {31, 300, {295, 350, 320, 105}, 0},  // variant 1: offset (-125, 150)
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    ScenarioScene scene;
    SetUpScene(c.faceX, 200);
    BalloonLine(c.kind, 0, "思", 0);
    BalloonLayout(0);
    EXPECT_EQ(DrawState.CurrentLayer, 24);
    EXPECT_EQ(TextWindow.WindowLayer, 24);
    EXPECT_TRUE(SameRect(TextWindow.WindowRect, c.window))
        << TextWindow.WindowRect.X << "," << TextWindow.WindowRect.Y;
    EXPECT_TRUE(SameRect(DrawState.TargetRect, {c.faceX, 200, 120, 160}));
    EXPECT_EQ(TextWindow.TailLayer, 25);
    EXPECT_EQ(FaceSlot.TextSlotIndex, 3);
    EXPECT_EQ(FaceSlot.BalloonCategory, 1);
    EXPECT_EQ(BalloonGeometry.SlotBalloonSide[1], c.side);
    EXPECT_EQ(BalloonGeometry.SlotBalloonRelX[1], c.window.X - c.faceX);
  }
}

// A thought line with a variant keeps the window style the last layout left.
TEST(BalloonLayout, OnlyVariantZeroResetsTheWindowStyle) {
  ScenarioScene scene;
  SetUpScene(300, 200);
  TextWindow.WindowFrameStyle = 5;
  BalloonLine(31, 1, "思");
  BalloonLayout(0);
  EXPECT_EQ(TextWindow.WindowFrameStyle, 5);
  BalloonLine(30, 0, "思");
  BalloonLayout(0);
  EXPECT_EQ(TextWindow.WindowFrameStyle, 0);
}

// The multi-line box is as wide as its widest line plus 60 and 34 pixels per line
// plus 25 high, centred in the 920 by 690 window. The two texts below measure 200
// and 300 pixels at the box's bold 19 points.
TEST(BalloonLayout, MultiLineBoxFitsItsWidestLineAndIsCentred) {
  const struct {
    const char* text;
    Rect box;
  } cases[] = {
      {"ひるのかぜがふく：もりのほとりをそっとあるく", {287, 299, 347, 93}},
      {"ひるのかぜがふく", {334, 316, 252, 59}},
      {"", {460, 333, 1, 25}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    ScenarioScene scene;
    SetUpScene(300, 200);
    for (const char* line : {"ひるのかぜがふく", "もりのほとりをそっとあるく"}) {
      TextStyle.TextFontSize = 19;
      TextStyle.CurrentText = line;
      MeasureText(0);
      ASSERT_EQ(TextStyle.MeasuredWidth, std::string(line) == "ひるのかぜがふく" ? 192 : 287);
    }
    BalloonLine(51, 0, c.text);
    BalloonLayout(0);
    EXPECT_TRUE(SameRect(TextWindow.WindowRect, c.box))
        << TextWindow.WindowRect.X << "," << TextWindow.WindowRect.Y << " " << TextWindow.WindowRect.Width << "x"
        << TextWindow.WindowRect.Height;
    EXPECT_EQ(TextWindow.WindowLayer, kNarrationLayer);
    EXPECT_EQ(TextWindow.WindowFrameStyle, 5);
    EXPECT_EQ(FaceSlot.BalloonCategory, 5);
    EXPECT_EQ(FaceSlot.TextSlotIndex, 10);
    EXPECT_EQ(TextStyle.TextFontSize, 19);
    EXPECT_EQ(TextStyle.LineHeight, 34);
    EXPECT_EQ(TextStyle.TextX, 15);
    EXPECT_EQ(TextStyle.TextY, 15);
  }
}

// The caption box fits its whole text; the Skelvane CaptionBox member gives variant
// 11 a caption style 25 pixels above the bottom edge, variant 10 a larger font.
TEST(BalloonLayout, CaptionBoxFitsItsTextWithTheModesCaptionStyle) {
  const struct {
    int variant, font, style, category;
    bool nearBottom;
  } cases[] = {{0, 19, 5, 5, false}, {10, 22, 10, 10, false}, {11, 20, 10, 10, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.variant);
    ScenarioScene scene;
    SetUpScene(300, 200);
    BalloonLine(50, c.variant, "ひるのかぜがふく");
    BalloonLayout(0);
    TextStyle.CurrentText = "ひるのかぜがふく";
    MeasureText(0);
    const int mw = TextStyle.MeasuredWidth, mh = TextStyle.MeasuredHeight;
    const Rect& r = TextWindow.WindowRect;
    EXPECT_EQ(TextStyle.TextFontSize, c.font);
    EXPECT_EQ(TextWindow.WindowFrameStyle, c.style);
    EXPECT_EQ(FaceSlot.BalloonCategory, c.category);
    EXPECT_EQ(r.Width, mw + 60);
    EXPECT_EQ(r.Height, mh + 30);
    EXPECT_EQ(r.X, 460 - r.Width / 2);
    EXPECT_EQ(r.Y, c.nearBottom ? 690 - (r.Height + 25) : 345 - r.Height / 2);
    EXPECT_EQ(TextStyle.TextX, (mw + 60) / 2 - mw / 2 - 1);
    EXPECT_EQ(TextStyle.TextY, (mh + 30) / 2 - mh / 2 - 1);
  }
}

// The fixed window starts half the window wide and a quarter high; the mode's style
// may size it (the Skelvane style gives every kind ending in 0 its 440 by 140 row).
TEST(BalloonLayout, FixedWindowIsSizedByTheModesStyleAndCentred) {
  ScenarioScene scene;
  SetUpScene(300, 200);
  BalloonLine(60, 0, "窓");
  BalloonLayout(0);
  EXPECT_TRUE(SameRect(TextWindow.WindowRect, {240, 275, 440, 140}));
  EXPECT_EQ(TextWindow.WindowLayer, kNarrationLayer);
  EXPECT_EQ(FaceSlot.BalloonCategory, 6);
  EXPECT_EQ(TextWindow.WindowFrameStyle, 0);
  EXPECT_EQ(FaceSlot.TextSlotIndex, 10);

  ModeHooksFor(ModeId::Skelvane).BalloonStyle = nullptr;
  BalloonLayout(0);
  ModeHooksFor(ModeId::Skelvane).BalloonStyle = BalloonStyleHook;
  EXPECT_TRUE(SameRect(TextWindow.WindowRect, {230, 259, 460, 172}));
}

// Kind 0 is no window: every word of the layout stays as it was, the text style
// included. An unsupported kind takes the defaults and keeps the window it had.
TEST(BalloonLayout, KindZeroChangesNothingAndAnUnlistedKindKeepsTheWindow) {
  ScenarioScene scene;
  SetUpScene(300, 200);
  BalloonLine(10, 0, "文");
  BalloonLayout(0);
  TextWindow.WindowLayer = 33;
  TextWindow.WindowRect = {1, 2, 3, 4};
  TextWindow.WindowFrameStyle = 5;
  TextStyle.LineHeight = 40;
  const BalloonGeometryRecord geometry = BalloonGeometry;
  const TextWindowRecord window = TextWindow;
  const DrawStateRecord draw = DrawState;
  const TextStyleRecord style = TextStyle;
  const FaceSlotRecord slots = FaceSlot;

  BalloonLine(0, 0, "文");
  BalloonLayout(0);
  EXPECT_EQ(BalloonGeometry.BalloonWidth, geometry.BalloonWidth);
  EXPECT_EQ(BalloonGeometry.BalloonRelX, geometry.BalloonRelX);
  EXPECT_EQ(BalloonGeometry.TailX, geometry.TailX);
  EXPECT_EQ(BalloonGeometry.SlotBalloonRelX, geometry.SlotBalloonRelX);
  EXPECT_EQ(BalloonGeometry.SlotTailRelY, geometry.SlotTailRelY);
  EXPECT_EQ(TextWindow.WindowLayer, window.WindowLayer);
  EXPECT_TRUE(SameRect(TextWindow.WindowRect, window.WindowRect));
  EXPECT_EQ(TextWindow.WindowFrameStyle, window.WindowFrameStyle);
  EXPECT_EQ(TextWindow.TailLayer, window.TailLayer);
  EXPECT_EQ(TextWindow.TailShown, window.TailShown);
  EXPECT_EQ(DrawState.CurrentLayer, draw.CurrentLayer);
  EXPECT_TRUE(SameRect(DrawState.CurrentRect, draw.CurrentRect));
  EXPECT_EQ(TextStyle.TextFontSize, style.TextFontSize);
  EXPECT_EQ(TextStyle.LineHeight, 40);
  EXPECT_EQ(TextStyle.TextX, style.TextX);
  EXPECT_EQ(TextStyle.TextY, style.TextY);
  EXPECT_EQ(FaceSlot.BalloonCategory, slots.BalloonCategory);
  EXPECT_EQ(FaceSlot.TextSlotIndex, slots.TextSlotIndex);

  BalloonLine(55, 0, "文");
  DrawState.CurrentLayer = 33;
  DrawState.CurrentRect = {1, 2, 3, 4};
  BalloonLayout(0);
  EXPECT_EQ(TextWindow.WindowLayer, 33);
  EXPECT_TRUE(SameRect(TextWindow.WindowRect, {1, 2, 3, 4}));
  EXPECT_EQ(TextStyle.TextFontSize, 14);
  EXPECT_EQ(TextStyle.LineHeight, 26);
}

}  // namespace
