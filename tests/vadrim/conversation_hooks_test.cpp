// The Vadrim conversation hooks: the layout set at mode start, the whole-field
// macros, and the balloon geometry and fonts by kind and variant.
#include "vadrim/conversation_hooks.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "engine/modes.h"
#include "engine/text.h"
#include "scenario/balloon_geometry.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"
#include "support/engine_harness.h"

namespace {

class VadrimConversationHooks : public ::testing::Test {
 protected:
  VadrimConversationHooks() : harness_(kModeVadrim) { harness_.Start(); }
  tq::testing::EngineHarness harness_;
};

std::string Expanded(const std::string& line) {
  ScriptStore.ScriptLineCount = 0;
  ScriptStore.CurrentScriptLine = 0;
  PushScriptLine(line);
  D20_Macro();
  return ScriptStore.ScriptText[0];
}

TEST_F(VadrimConversationHooks, TheModeStartSetsTheLayoutOnce) {
  EXPECT_EQ(TextWindow.NarrationLayer, 9);
  EXPECT_EQ(TextWindow.BalloonFrameThickness, 30);
  const ThoughtLayoutRecord& t = ThoughtLayout;
  EXPECT_EQ(t.BubbleSize, (std::array<int, 3>{9, 14, 21}));
  EXPECT_EQ(t.BubbleOffsetX[0], (std::array<int, 3>{-49, -35, -17}));
  EXPECT_EQ(t.BubbleOffsetY[0], (std::array<int, 3>{9, 17, 24}));
  EXPECT_EQ(t.BubbleOffsetX[1], (std::array<int, 3>{0, 0, 0})) << "only row 0 is set";
}

TEST_F(VadrimConversationHooks, MacrosRewriteWholeFieldsOnly) {
  struct Case {
    const char* line;
    const char* stored;
  } cases[] = {
      {"●2：[フキジャンプ]", "：●2：[フキ移動]：■種No=25：分岐=0：フ移動ALL=(0,-40)：回数=20"},
      {"●1：「？」左：Ｚ", "：●1：[ミニ表示]：■ミ種=(31,01,1)：Ｚ"},
      {"「・・・」右", "：[ミニ表示]：■ミ種=(30,00,1)"},
      {"「・・・」左", "：[ミニ表示]：■ミ種=(30,01,1)"},
      {"「？」右", "：[ミニ表示]：■ミ種=(31,00,1)"},
      {"「！」右", "：[ミニ表示]：■ミ種=(32,00,1)"},
      {"「！」左", "：[ミニ表示]：■ミ種=(32,01,1)"},
      {"「！黄」右", "：[ミニ表示]：■ミ種=(33,00,1)"},
      {"「！黄」左", "：[ミニ表示]：■ミ種=(33,01,1)"},
      // No macro: stored again with a leading separator and runs collapsed.
      {"●1：：[フキA]：：：こんにちは", "：●1：[フキA]：こんにちは"},
      // Keys match whole fields only, and not behind a decoration.
      {"●1：■[フキジャンプ]：「？」左です", "：●1：■[フキジャンプ]：「？」左です"},
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(Expanded(c.line), c.stored);
    // Converting again (every execution does) changes nothing more.
    D20_Macro();
    EXPECT_EQ(ScriptStore.ScriptText[0], c.stored);
  }
}

TEST_F(VadrimConversationHooks, FieldsBeyondTheConvertersLimitAreKept) {
  std::string fields;
  for (int i = 1; i <= 22; ++i) fields += "：f" + std::to_string(i);
  EXPECT_EQ(Expanded(fields.substr(std::string("：").size()) + "：「！」右"),
            fields + "：[ミニ表示]：■ミ種=(32,00,1)");
}

struct Geometry {
  int width, height, side, gap, offset, tailW, tailH, tailX, tailY, font, lineHeight;
  bool operator==(const Geometry&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Geometry& g) {
  return os << g.width << "x" << g.height << " side " << g.side << " gap " << g.gap << " offset " << g.offset
            << " tail " << g.tailW << "x" << g.tailH << " at (" << g.tailX << "," << g.tailY << ") font " << g.font
            << "/" << g.lineHeight;
}

Geometry Current() {
  const BalloonGeometryRecord& g = BalloonGeometry;
  return {g.BalloonWidth, g.BalloonHeight, g.BalloonSide, g.BalloonGapX,    g.BalloonOffsetY,      g.TailWidth,
          g.TailHeight,   g.TailOffsetX,   g.TailOffsetY, TextStyle.TextFontSize, TextStyle.LineHeight};
}

TEST_F(VadrimConversationHooks, BalloonGeometryByKindAndVariant) {
  // The previous balloon's words, which unlisted kinds and variants keep.
  const Geometry before{333, 111, 1, 5, 7, 32, 23, 1, 2, 16, 99};
  struct Case {
    const char* name;
    int kind, variant, fontSize;
    Geometry expected;
  } cases[] = {
      {"speech 11, variant -5, face 300 high", 11, -5, 0, {410, 150, 0, -20, 75, 32, 23, -16, 64, 16, 28}},
      {"speech 10", 10, 2, 0, {460, 140, 0, -10, 80, 32, 23, -16, 59, 16, 28}},
      {"lower speech 22 left of the face", 22, 0, 0, {460, 120, 1, -20, 90, 32, 23, -16, 49, 16, 28}},
      {"speech 13 keeps the size", 13, 0, 0, {333, 111, 0, 5, 7, 32, 23, -16, 44, 16, 28}},
      {"scene 6/24: tail on the top edge, shifted", 6, 24, 0, {400, 120, 2, 0, 0, 23, 32, 89, -16, 16, 28}},
      {"scene 6/35: tail on the bottom edge", 6, 35, 0, {420, 110, 3, 0, 0, 23, 32, 199, 94, 16, 28}},
      {"scene 6/30: side tail shifted up", 6, 30, 0, {380, 130, 0, 0, 0, 32, 23, -16, 34, 16, 28}},
      {"scene 6/2", 6, 2, 0, {390, 130, 1, 0, 0, 32, 23, -16, 54, 16, 28}},
      {"scene 6/56, the last row", 6, 56, 0, {410, 130, 3, 0, 0, 23, 32, 194, 114, 16, 28}},
      {"scene 6/7 has no row", 6, 7, 0, {333, 111, 1, 5, 7, 32, 23, -16, 44, 16, 28}},
      {"thought 30", 30, 1, 0, {470, 150, 1, -20, 140, 32, 23, -16, 64, 16, 28}},
      {"narration box 60 keeps the size", 60, 0, 20, {333, 111, 1, 5, 7, 32, 23, -16, 44, 20, 32}},
      {"kind 0 sets only the font", 0, 3, 24, {333, 111, 1, 5, 7, 32, 23, 1, 2, 24, 36}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BalloonGeometryRecord& g = BalloonGeometry;
    g.BalloonWidth = before.width;
    g.BalloonHeight = before.height;
    g.BalloonSide = before.side;
    g.BalloonGapX = before.gap;
    g.BalloonOffsetY = before.offset;
    g.TailWidth = before.tailW;
    g.TailHeight = before.tailH;
    g.TailOffsetX = before.tailX;
    g.TailOffsetY = before.tailY;
    g.FaceHeight = 300;
    TextStyle.TextFontSize = 16;
    LineCode.MainParam = c.kind;
    LineCode.SubParam = c.variant;
    LineState.LineFontSize = c.fontSize;
    LineState.CurrentSlot = 2;
    D20_BalloonStyle();
    EXPECT_EQ(Current(), c.expected);
  }
  // The thought balloon recorded its words for its slot and variant.
  EXPECT_EQ(ThoughtLayout.ThoughtOffsetX[2][0], -20);
  EXPECT_EQ(ThoughtLayout.ThoughtOffsetY[2][0], 140);
  EXPECT_EQ(ThoughtLayout.ThoughtWidth[0], 470);
  EXPECT_EQ(ThoughtLayout.ThoughtHeight[0], 150);
}

TEST_F(VadrimConversationHooks, CaptionBoxesKeepTheirFontUnlessTheLineGivesOne) {
  for (int phase : {0, 1}) {
    TextStyle.TextFontSize = 19;
    LineState.LineFontSize = 0;
    D20_KeepFontSize(phase);
    EXPECT_EQ(TextStyle.TextFontSize, 19);
    LineState.LineFontSize = 32;
    D20_KeepFontSize(phase);
    EXPECT_EQ(TextStyle.TextFontSize, 32);
  }
}

}  // namespace
