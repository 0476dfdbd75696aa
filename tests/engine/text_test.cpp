#include "engine/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/drawing_fixture.h"
#include "engine/layers.h"
#include "platform/fonts.h"

namespace {

using drawing_test::DrawingTest;

struct Pass {
  int x, y;
  uint32_t colour;
};

// Distinct colour words, so every pass shows which word it printed in.
constexpr uint32_t kFace = RgbColor(250, 250, 250);
constexpr uint32_t kShade[6] = {0, RgbColor(1, 0, 0), RgbColor(2, 0, 0), RgbColor(3, 0, 0), RgbColor(4, 0, 0),
                                RgbColor(5, 0, 0)};

class TextTest : public DrawingTest {
 protected:
  void SetUp() override {
    DrawingTest::SetUp();
    TextStyle.CurrentText = "あA";
    TextStyle.TextX = 10;
    TextStyle.TextY = 10;
    TextStyle.TextColor = kFace;
    TextStyle.ShadeColor1 = kShade[1];
    TextStyle.ShadeColor2 = kShade[2];
    TextStyle.ShadeColor3 = kShade[3];
    TextStyle.ShadeColor4 = kShade[4];
    TextStyle.ShadeColor5 = kShade[5];
    TextStyle.TextFontSize = 14;
    Fill(12, 0, 0, 80, 40, 0);
    SetPrintRecording(true);
  }
  void TearDown() override {
    SetPrintRecording(false);
    DrawingTest::TearDown();
  }
  std::vector<Pass> Passes() {
    std::vector<Pass> out;
    for (const PrintRecord& r : RecordedPrints()) {
      EXPECT_EQ(r.Layer, 12);
      EXPECT_EQ(r.Text, TextStyle.CurrentText);
      out.push_back({r.X, r.Y, r.Color});
    }
    return out;
  }
};

bool operator==(const Pass& a, const Pass& b) { return a.x == b.x && a.y == b.y && a.colour == b.colour; }
void PrintTo(const Pass& p, std::ostream* os) { *os << "(" << p.x << "," << p.y << " #" << std::hex << p.colour << ")"; }

TEST_F(TextTest, PrintTextPassTables) {
  const uint32_t black = 0;
  struct Case {
    int kind;
    int outline;
    std::vector<Pass> passes;
  } cases[] = {
      {0, 2, {{13, 13, kShade[2]}, {12, 12, kShade[1]}, {8, 8, kShade[3]}, {10, 10, kFace}}},
      {1, 1, {{12, 12, kShade[3]}, {11, 11, kShade[2]}, {9, 9, kShade[1]}, {10, 10, kFace}}},
      {10, 0, {{12, 12, kShade[3]}, {11, 10, kShade[2]}, {10, 11, kShade[2]}, {9, 10, kShade[1]}, {10, 9, kShade[1]},
               {10, 10, kFace}}},
      {11, 0, {{11, 12, kShade[4]}, {12, 11, kShade[5]}, {11, 11, kShade[3]}, {11, 10, kShade[2]}, {10, 11, kShade[2]},
               {9, 10, kShade[1]}, {10, 9, kShade[1]}, {10, 10, kFace}}},
      {20, 0, {{9, 10, Grey(100)}, {12, 11, Grey(80)}, {11, 11, Grey(110)}, {10, 11, Grey(120)}, {10, 9, Grey(180)},
               {11, 10, Grey(200)}, {10, 10, Grey(250)}}},
      {21, 0, {{9, 10, Grey(220)}, {12, 11, Grey(230)}, {11, 11, Grey(220)}, {10, 11, Grey(150)}, {10, 9, Grey(200)},
               {11, 10, Grey(120)}, {10, 10, Grey(50)}}},
      {30, 0, {{12, 11, RgbColor(225, 225, 25)}, {9, 9, RgbColor(225, 225, 25)}, {11, 11, RgbColor(225, 200, 0)},
               {10, 9, RgbColor(255, 200, 0)}, {10, 11, RgbColor(255, 175, 0)}, {9, 10, RgbColor(255, 150, 0)},
               {11, 10, RgbColor(255, 150, 0)}, {10, 10, RgbColor(255, 100, 0)}}},
      {31, 0, {{12, 11, RgbColor(25, 225, 225)}, {9, 9, RgbColor(25, 225, 225)}, {11, 11, RgbColor(0, 200, 225)},
               {10, 9, RgbColor(0, 200, 225)}, {10, 11, RgbColor(0, 175, 255)}, {9, 10, RgbColor(0, 150, 255)},
               {11, 10, RgbColor(0, 150, 225)}, {10, 10, RgbColor(0, 100, 255)}}},
      {35, 0, {{12, 11, RgbColor(255, 200, 255)}, {9, 9, RgbColor(255, 220, 255)}, {11, 11, RgbColor(255, 150, 255)},
               {10, 9, RgbColor(255, 180, 255)}, {10, 11, RgbColor(200, 50, 200)}, {9, 10, RgbColor(255, 120, 255)},
               {11, 10, RgbColor(175, 0, 175)}, {10, 10, RgbColor(255, 0, 255)}}},
      {33, 0, {{12, 11, black}, {9, 9, black}, {11, 11, black}, {10, 9, black}, {10, 11, black}, {9, 10, black},
               {11, 10, black}, {10, 10, black}}},
      {5, 0, {}},
      {40, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    SetPrintRecording(true);
    TextStyle.OutlineWidth = c.outline;
    DrawState.CurrentLayer = 0;
    PrintText(c.kind, 12);
    EXPECT_EQ(DrawState.CurrentLayer, 12) << "set for every kind";
    EXPECT_EQ(Passes(), c.passes);
    EXPECT_EQ(TextStyle.TextColor, kFace) << "the colour words are not changed";
  }
}

TEST_F(TextTest, KindZeroKeepsTheLayerFontSizeTheOthersSetIt) {
  LayerInfo(12).FontSize = 9;
  PrintText(0, 12);
  EXPECT_EQ(LayerInfo(12).FontSize, 9);
  PrintText(1, 12);
  EXPECT_EQ(LayerInfo(12).FontSize, 14);
  EXPECT_EQ(LayerInfo(12).ForeColor, kFace) << "the layer keeps the last fore colour";
}

TEST_F(TextTest, PrintsAreTransparentAndPutTheFaceOnTop) {
  Fill(12, 0, 0, 80, 40, RgbColor(0, 0, 200));
  LayerInfo(12).FontSize = 20;
  TextStyle.CurrentText = "■";
  TextStyle.ShadeColor3 = RgbColor(255, 0, 0);
  TextStyle.OutlineWidth = 1;
  PrintText(0, 12);
  EXPECT_EQ(At(12, 79, 39), RgbColor(0, 0, 200)) << "untouched outside the glyphs";
  EXPECT_EQ(At(12, 0, 0), RgbColor(0, 0, 200));
  // The middle of the square is covered by every pass; the face is printed last.
  const tq::TextExtent e = tq::MeasureTextExtent({tq::kFontProportional, 20, false, false}, "■");
  EXPECT_EQ(At(12, 10 + e.width / 2, 10 + e.height / 2), kFace);
  // The up-left outline pass sticks out one pixel beyond the face's left edge.
  int firstFace = -1, firstAny = -1;
  const int row = 10 + e.height / 2;
  for (int x = 0; x < 80 && firstFace < 0; ++x) {
    if (firstAny < 0 && At(12, x, row) != RgbColor(0, 0, 200)) firstAny = x;
    if (At(12, x, row) == kFace) firstFace = x;
  }
  ASSERT_GE(firstAny, 0);
  EXPECT_LT(firstAny, firstFace);
}

TEST_F(TextTest, MeasureTextFontsByKind) {
  TextStyle.CurrentText = "Wide text, 幅";
  TextStyle.TextFontSize = 16;
  TextStyle.TextBold = 0;
  const tq::TextExtent bold = tq::MeasureTextExtent({tq::kFontProportional, 16, true, false}, TextStyle.CurrentText);
  const tq::TextExtent regular = tq::MeasureTextExtent({tq::kFontProportional, 16, false, false}, TextStyle.CurrentText);
  const tq::TextExtent fixed = tq::MeasureTextExtent({tq::kFontFixed, 16, true, false}, TextStyle.CurrentText);
  ASSERT_GT(bold.width, 0);
  struct Case {
    int kind;
    tq::TextExtent want;
  } cases[] = {{0, bold}, {1, regular}, {10, fixed}};
  for (const Case& c : cases) {
    MeasureText(c.kind);
    EXPECT_EQ(TextStyle.MeasuredWidth, c.want.width) << c.kind;
    EXPECT_EQ(TextStyle.MeasuredHeight, c.want.height) << c.kind;
  }
  EXPECT_NE(fixed.width, regular.width);
  TextStyle.MeasuredWidth = -7;
  MeasureText(2);
  EXPECT_EQ(TextStyle.MeasuredWidth, -7);
  TextStyle.CurrentText.clear();
  MeasureText(0);
  EXPECT_EQ(TextStyle.MeasuredWidth, 0);
}

// The glow passes sit at offsets 1 to 10 of the glow table, the face (0, 0) last.
const Pass kGlowAt[10] = {{11, 12, 0}, {12, 11, 0}, {12, 12, 0}, {11, 11, 0}, {10, 11, 0},
                          {9, 9, 0},   {10, 9, 0},  {11, 10, 0}, {9, 10, 0},  {10, 10, 0}};

TEST_F(TextTest, GlowTextLevelsAndModes) {
  struct Case {
    int scheme, value;
    float brightness;
    std::vector<uint32_t> colours;
  } cases[] = {
      {0, 150, 0, {Grey(100), Grey(100), Grey(150), Grey(110), Grey(120), Grey(170), Grey(190), Grey(200), Grey(210),
                   Grey(255)}},
      // Factor 0.7: 70, 70, 70, 77, 84, 119, 133, 140, 147, 178 (178.5 to even).
      {1, 100, 0, {Grey(70), Grey(70), Grey(70), Grey(77), Grey(84), Grey(119), Grey(133), Grey(140), Grey(147),
                   Grey(178)}},
      // Mode 4 with the brightness 0.5 in place of 0.7: L, round(L / 4), round(L / 5).
      {41, 100, 0.5f, {RgbColor(50, 12, 10), RgbColor(50, 12, 10), RgbColor(50, 12, 10), RgbColor(55, 14, 11),
                       RgbColor(60, 15, 12), RgbColor(85, 21, 17), RgbColor(95, 24, 19), RgbColor(100, 25, 20),
                       RgbColor(105, 26, 21), RgbColor(128, 32, 26)}},
      {99, 100, 0, std::vector<uint32_t>(10, 0u)},  // unlisted: factor 0
      {100, 0, 0, {Grey(155), Grey(155), Grey(255), Grey(145), Grey(135), Grey(85), Grey(65), Grey(55), Grey(45),
                   Grey(0)}},
      {1041, 50, 0, {RgbColor(255, 80, 80), RgbColor(255, 80, 80), RgbColor(255, 40, 40), RgbColor(255, 88, 88),
                     RgbColor(255, 96, 96), RgbColor(255, 136, 136), RgbColor(255, 152, 152), RgbColor(255, 160, 160),
                     RgbColor(255, 168, 168), RgbColor(255, 204, 204)}},
      {70, 100, 0, {RgbColor(100, 50, 0), RgbColor(100, 50, 0), RgbColor(100, 50, 0), RgbColor(110, 55, 0),
                    RgbColor(120, 60, 0), RgbColor(170, 85, 0), RgbColor(190, 95, 0), RgbColor(200, 100, 0),
                    RgbColor(210, 105, 0), RgbColor(255, 128, 0)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.scheme);
    SetPrintRecording(true);
    DrawState.CurrentLayer = 12;
    GlowText(0, c.scheme, c.value, c.brightness);
    std::vector<Pass> want;
    for (int p = 0; p < 10; ++p) want.push_back({kGlowAt[p].x, kGlowAt[p].y, c.colours[p]});
    EXPECT_EQ(Passes(), want);
    EXPECT_EQ(TextStyle.TextColor, c.colours[9]);
    EXPECT_EQ(LayerInfo(12).FontSize, 14);
  }
}

TEST_F(TextTest, GlowShadowAndPresetOutline) {
  DrawState.CurrentLayer = 12;
  GlowText(1, 100, 0, 0);
  const std::vector<Pass> shadow = {{12, 10, Grey(255)}, {13, 11, Grey(255)}, {10, 11, Grey(255)}, {8, 9, Grey(255)},
                                    {9, 8, Grey(255)},   {9, 12, Grey(255)},  {11, 9, Grey(255)},  {8, 10, Grey(255)}};
  EXPECT_EQ(Passes(), shadow) << "eight shadow passes and no face";
  EXPECT_EQ(TextStyle.TextColor, Grey(255));

  struct Case {
    int scheme;
    uint32_t face, s1, s2, s3;
  } cases[] = {
      {5, kFace, kShade[1], kShade[2], kShade[3]},  // unlisted: the words as they were
      {100, Grey(255), Grey(200), Grey(180), Grey(100)},
      {101, Grey(120), Grey(190), Grey(160), Grey(100)},
      {102, RgbColor(255, 255, 0), RgbColor(190, 190, 95), Grey(160), Grey(100)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.scheme);
    TextStyle.TextColor = kFace;
    TextStyle.ShadeColor1 = kShade[1];
    TextStyle.ShadeColor2 = kShade[2];
    TextStyle.ShadeColor3 = kShade[3];
    SetPrintRecording(true);
    GlowText(10, c.scheme, 0, 0);
    const std::vector<Pass> want = {{12, 12, c.s3}, {11, 10, c.s2}, {10, 11, c.s2},
                                    {9, 10, c.s1},  {10, 9, c.s1},  {10, 10, c.face}};
    EXPECT_EQ(Passes(), want);
    EXPECT_EQ(TextStyle.ShadeColor1, c.s1) << "the words stay set";
  }

  SetPrintRecording(true);
  TextStyle.TextFontSize = 30;
  GlowText(5, 0, 0, 0);
  EXPECT_TRUE(RecordedPrints().empty());
  EXPECT_EQ(LayerInfo(12).FontSize, 30) << "types 2 to 9 only set the size";
  TextStyle.TextFontSize = 31;
  GlowText(11, 0, 0, 0);
  EXPECT_TRUE(RecordedPrints().empty());
  EXPECT_EQ(LayerInfo(12).FontSize, 30);
}

TEST_F(TextTest, PrintsIntoNoLayerAreHarmless) {
  PrintText(0, 100);
  PrintText(10, -1);
  EXPECT_EQ(DrawState.CurrentLayer, -1);
  GlowText(0, 0, 0, 0);
  EXPECT_TRUE(RecordedPrints().empty());
}

}  // namespace
