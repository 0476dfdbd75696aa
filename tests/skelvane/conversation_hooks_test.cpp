// The Skelvane members of the conversation: balloon geometry, caption boxes, the
// leave hook and the stage loader.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/text.h"
#include "scenario/balloon_geometry.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"
#include "skelvane/conversation_hooks.h"
#include "support/engine_harness.h"

namespace {

using tq::testing::EngineHarness;

struct Geometry {
  int font, textX, textY, width, height, side, gapX, offsetY, tailWidth, tailHeight, tailX, tailY;
  bool operator==(const Geometry&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Geometry& g) {
  return out << "font " << g.font << " text (" << g.textX << "," << g.textY << ") " << g.width << "x" << g.height
             << " side " << g.side << " gap " << g.gapX << " offset " << g.offsetY << " tail " << g.tailWidth << "x"
             << g.tailHeight << " at (" << g.tailX << "," << g.tailY << ")";
}

Geometry Styled(int kind, int variant, int lineFont) {
  BalloonGeometryRecord& g = BalloonGeometry;
  g = BalloonGeometryRecord{};
  g.FaceHeight = 201;
  g.BalloonWidth = 111;  // what the previous balloon left
  g.BalloonHeight = 77;
  g.BalloonGapX = 3;
  g.BalloonOffsetY = 4;
  g.BalloonSide = 9;
  TextStyle.TextFontSize = 16;
  TextStyle.TextX = 15;
  TextStyle.TextY = 12;
  LineCode.MainParam = kind;
  LineCode.SubParam = variant;
  LineState.LineFontSize = lineFont;
  BalloonStyleHook();
  return {TextStyle.TextFontSize, TextStyle.TextX, TextStyle.TextY, g.BalloonWidth, g.BalloonHeight, g.BalloonSide,
          g.BalloonGapX, g.BalloonOffsetY, g.TailWidth, g.TailHeight, g.TailOffsetX, g.TailOffsetY};
}

TEST(SkelvaneHooks, BalloonStyleByKindAndVariant) {
  EngineHarness h(kModeSkelvane);
  const struct {
    const char* name;
    int kind, variant, lineFont;
    Geometry expected;
  } cases[] = {
      // Kind 5: small balloons left of the face, centred on its height.
      {"5/10", 5, 10, 0, {9, 12, 10, 200, 40, 1, -10, 80, 20, 10, -10, 15}},
      {"5/11", 5, 11, 0, {11, 12, 10, 250, 50, 1, -10, 75, 32, 12, -16, 19}},
      {"5/12", 5, 12, 0, {13, 12, 10, 320, 70, 1, -10, 65, 32, 14, -16, 28}},
      {"5/13", 5, 13, 18, {24, 12, 10, 320, 105, 1, -10, 48, 32, 18, -16, 43}},
      {"5/20", 5, 20, 0, {16, 15, 12, 140, 65, 0, -10, 83, 32, 23, -16, 21}},
      {"5/other keeps the size", 5, 3, 0, {16, 15, 12, 111, 77, 9, -10, 62, 32, 23, -16, 27}},
      // Other kinds: the line's font, and the size only for kinds ending in 0.
      {"10/2 with font 18", 10, 2, 18, {18, 15, 12, 460, 140, 0, -10, 80, 32, 23, -16, 61}},
      {"20/0", 20, 0, 0, {16, 15, 12, 440, 140, 1, -10, 80, 32, 23, -16, 61}},
      {"21 keeps the size", 21, 4, 0, {16, 15, 12, 111, 77, 1, 3, 4, 32, 23, -16, 61}},
      {"0 changes nothing", 0, 4, 18, {16, 15, 12, 111, 77, 9, 3, 4, 32, 23, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Styled(c.kind, c.variant, c.lineFont), c.expected);
  }
}

TEST(SkelvaneHooks, CaptionBoxFontAndPlacement) {
  EngineHarness h(kModeSkelvane);
  ScreenSize = {920, 690, 460, 345};
  const struct {
    int variant;
    int font, frameStyle, category, y;
  } cases[] = {
      {10, 22, 10, 10, 300},  // keeps its centred place
      {11, 20, 10, 10, 690 - (80 + 25)},
      {3, 19, 5, 5, 300},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.variant);
    LineCode.SubParam = c.variant;
    TextStyle.TextFontSize = 19;
    TextWindow.WindowFrameStyle = 5;
    FaceSlot.BalloonCategory = 5;
    CaptionBoxHook(0);
    DrawState.CurrentRect = {400, 300, 200, 80};
    CaptionBoxHook(1);
    EXPECT_EQ(TextStyle.TextFontSize, c.font);
    EXPECT_EQ(TextWindow.WindowFrameStyle, c.frameStyle);
    EXPECT_EQ(FaceSlot.BalloonCategory, c.category);
    EXPECT_EQ(DrawState.CurrentRect.Y, c.y);
  }
}

// "[別のゲームへ]" reaches the empty leave hook: nothing moves, and as nothing is
// armed the script stays on that line.
TEST(SkelvaneHooks, LeavingTheGameChangesNothing) {
  EngineHarness h(kModeSkelvane);
  GameMode = kModeSkelvane;
  SceneCursor = {10, 10, 0, 10, 0};
  ScriptStore.ScriptLineCount = 0;
  PushScriptLine("[別のゲームへ]");
  ExecuteScriptLine();
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 0);
  EXPECT_EQ(SceneCursor.SceneState, 10);
  EXPECT_EQ(SceneCursor.StageNumber, 10);
  EXPECT_TRUE(h.TraceOf("timer").empty());
}

TEST(SkelvaneHooks, StageLoaderEmptiesTheStoreForItsStagesOnly) {
  EngineHarness h(kModeSkelvane);
  ScriptStore.ScriptLineCount = 0;
  PushScriptLine("kept");
  ScriptStore.CurrentScriptLine = 1;
  SceneCursor.StageNumber = 7;
  StageDispatch();
  EXPECT_EQ(ScriptStore.ScriptLineCount, 1);
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 1);
  SceneCursor.StageNumber = 2;
  StageDispatch();
  EXPECT_EQ(ScriptStore.ScriptLineCount, 3);  // stage 2 holds three lines
  EXPECT_EQ(ScriptStore.CurrentScriptLine, 0);
}

TEST(SkelvaneHooks, StageOverridePushesItsLinesForAnyStage) {
  EngineHarness h(kModeSkelvane);
  SetStageScriptOverride({"one", "two"});
  for (int stage : {10, 7}) {
    SCOPED_TRACE(stage);
    ScriptStore.CurrentScriptLine = 5;
    SceneCursor.StageNumber = stage;
    StageDispatch();
    EXPECT_EQ(ScriptStore.ScriptLineCount, 2);
    EXPECT_EQ(ScriptStore.CurrentScriptLine, 0);
    EXPECT_EQ(ScriptStore.ScriptText[1], "two");
  }
}

}  // namespace
