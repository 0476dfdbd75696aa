#include "engine/banner_letters.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/drawing_fixture.h"
#include "engine/layers.h"
#include "engine/text.h"

namespace {

using drawing_test::DrawingTest;

class BannerLettersTest : public DrawingTest {
 protected:
  void SetUp() override {
    DrawingTest::SetUp();
    SetPrintRecording(true);
  }
  void TearDown() override {
    SetPrintRecording(false);
    DrawingTest::TearDown();
  }
};

TEST_F(BannerLettersTest, CaptionLayersStandJustLeftOfTheWindow) {
  struct Case {
    int kind, layer;
    int x, y, w, h;
    int fontSize;
  } cases[] = {
      {10, 4, -312, 314, 312, 62, 44}, {11, 5, -95, 298, 95, 95, 69}, {5, 6, -98, 0, 98, 98, 75},
      {6, 7, -98, 0, 98, 98, 75},      {7, 8, -49, 0, 49, 98, 75},    {8, 9, -49, 0, 49, 98, 75},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    BannerLetters(c.kind, c.layer);
    const tq::LayerSurface& l = Layer(c.layer);
    EXPECT_EQ(l.x, c.x);
    EXPECT_EQ(l.y, c.y);
    EXPECT_EQ(l.image.Width(), c.w);
    EXPECT_EQ(l.image.Height(), c.h);
    EXPECT_TRUE(l.visible);
    EXPECT_EQ(Screen().ZIndex(c.layer), 99);
    EXPECT_EQ(DrawState.CurrentLayer, c.layer);
    EXPECT_EQ(DrawState.CurrentRect.X, c.x);
    EXPECT_EQ(TextStyle.TextFontSize, c.fontSize);
    EXPECT_EQ(TextStyle.OutlineWidth, 1);
    EXPECT_TRUE(LayerInfo(c.layer).FontBold);
    EXPECT_TRUE(LayerInfo(c.layer).FontItalic);
    EXPECT_EQ(LayerInfo(c.layer).FontSize, c.fontSize);
    // A black one-pixel border over the edge pixels.
    for (auto [x, y] : {std::pair{0, 0}, {c.w - 1, 0}, {0, c.h - 1}, {c.w - 1, c.h - 1}, {c.w / 2, 0},
                        {c.w / 2, c.h - 1}, {0, c.h / 2}, {c.w - 1, c.h / 2}}) {
      EXPECT_EQ(At(c.layer, x, y), 0u) << x << "," << y;
    }
  }
}

TEST_F(BannerLettersTest, WordCaptionLeavesTheSecondColoursOfSetZero) {
  BannerLetters(10, 4);
  EXPECT_EQ(TextStyle.TextColor, RgbColor(200, 255, 255));
  EXPECT_EQ(TextStyle.ShadeColor3, RgbColor(0, 150, 255));
  EXPECT_EQ(TextStyle.ShadeColor1, RgbColor(0, 100, 200));
  EXPECT_EQ(TextStyle.ShadeColor2, RgbColor(0, 0, 100));
  // 50 glow prints (ten passes of five letters), then eight per face letter.
  const std::vector<PrintRecord>& prints = RecordedPrints();
  ASSERT_EQ(prints.size(), 50u + 40u);
  // Pass 3 (k = 3): dx 31, dy 31 enlarged; letter j at (50 j + 15 - 5, 15 - 4).
  const PrintRecord& glow = prints[3 * 5 + 2];
  EXPECT_EQ(glow.Text, "Ａ");
  EXPECT_EQ(glow.X, 110);
  EXPECT_EQ(glow.Y, 11);
  EXPECT_EQ(glow.Color, RgbColor(0, 12, 110));
  const char* face[5] = {"S", "T", "A", "G", "E"};
  const int faceX[5] = {19, 59, 99, 141, 190};
  const int faceY[5] = {1, 2, 2, 1, 2};
  for (int j = 0; j < 5; ++j) {
    const PrintRecord& last = prints[50 + 8 * j + 7];
    EXPECT_EQ(last.Text, face[j]);
    EXPECT_EQ(last.X, faceX[j]);
    EXPECT_EQ(last.Y, faceY[j]);
    EXPECT_EQ(last.Color, RgbColor(200, 255, 255));
  }
}

TEST_F(BannerLettersTest, SingleLetterGlowAndFace) {
  BannerLetters(7, 8);
  const std::vector<PrintRecord>& prints = RecordedPrints();
  ASSERT_EQ(prints.size(), 18u);
  // Narrow letters glow at 0.6 of the enlarged offsets, from (-49, -14).
  const int x[10] = {-34, -34, -49, -30, -44, -30, -32, -38, -40, -44};
  const int y[10] = {-10, -3, -14, 5, -8, -13, -3, -1, 1, -8};
  for (int k = 0; k < 10; ++k) {
    EXPECT_EQ(prints[k].Text, "！") << k;
    EXPECT_EQ(prints[k].X, x[k]) << k;
    EXPECT_EQ(prints[k].Y, y[k]) << k;
    EXPECT_EQ(prints[k].Color, RgbColor(18 * k + 45, 20 * k + 50, 0)) << k;
  }
  EXPECT_EQ(BannerState.GlyphOffsetX, -4);
  EXPECT_EQ(BannerState.GlyphOffsetY, -6);
  struct Face {
    int x, y;
    uint32_t colour;
  } face[8] = {
      {-1, -3, RgbColor(255, 255, 100)}, {-2, -4, RgbColor(255, 0, 0)},    {-6, -8, RgbColor(190, 200, 60)},
      {-4, -6, RgbColor(255, 0, 0)},     {-2, -4, RgbColor(50, 100, 0)},   {-3, -5, RgbColor(140, 180, 40)},
      {-5, -7, RgbColor(230, 240, 100)}, {-4, -6, RgbColor(255, 255, 220)},
  };
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(prints[10 + i].Text, "!") << i;
    EXPECT_EQ(prints[10 + i].X, face[i].x) << i;
    EXPECT_EQ(prints[10 + i].Y, face[i].y) << i;
    EXPECT_EQ(prints[10 + i].Color, face[i].colour) << i;
  }
}

TEST_F(BannerLettersTest, GlowAndFaceLettersDiffer) {
  BannerLetters(5, 6);
  const std::vector<PrintRecord>& prints = RecordedPrints();
  ASSERT_EQ(prints.size(), 18u);
  EXPECT_EQ(prints[2].Text, "Ｇ");
  EXPECT_EQ(prints[2].X, -6);  // pass 2 has no offset: the glow letter's own place
  EXPECT_EQ(prints[2].Y, -18);
  EXPECT_EQ(prints[17].Text, "G");
  EXPECT_EQ(prints[17].X, 9);
  EXPECT_EQ(prints[17].Y, -2);

  SetPrintRecording(true);
  BannerLetters(11, 5);
  ASSERT_EQ(RecordedPrints().size(), 18u);
  EXPECT_EQ(RecordedPrints()[0].X, 20);  // dx 25 - 5
  EXPECT_EQ(RecordedPrints()[0].Y, -6);  // dy 6 - 12
  EXPECT_EQ(RecordedPrints()[17].X, 12);
  EXPECT_EQ(RecordedPrints()[17].Y, -1);
}

TEST_F(BannerLettersTest, BackgroundBandsBySet) {
  struct Case {
    int set;
    int band;
    uint32_t colour;
  } cases[] = {{0, 3, RgbColor(0, 0, 34)},     {1, 10, RgbColor(80, 0, 48)},  {2, 2, RgbColor(24, 24, 0)},
               {3, 5, RgbColor(0, 30, 0)},     {4, 3, RgbColor(25, 12, 0)},   {5, 5, RgbColor(40, 14, 0)},
               {6, 2, RgbColor(18, 20, 0)},    {9, 4, 0}};
  for (const Case& c : cases) {
    DrawState.CurrentLayer = 20;
    DrawState.CurrentRect = {0, 0, 10, 40};
    PrepareLayer(kPrepareTextShown);
    tq::FillRect(LayerImage(20), {0, 0, 10, 40}, tq::PixelFromColor(RgbColor(1, 1, 1)));
    BannerGlyph(11, -99, c.set);
    EXPECT_EQ(At(20, 5, 2 * c.band + 1), c.colour) << c.set;
  }
}

TEST_F(BannerLettersTest, UnlistedKindsAndModesDoNothing) {
  DrawState.CurrentLayer = 3;
  TextStyle.TextFontSize = 12;
  BannerLetters(9, 4);
  BannerGlyph(12, 0, 0);
  BannerGlyph(13, 2, 0);
  BannerGlyph(14, 7, 0);
  EXPECT_EQ(DrawState.CurrentLayer, 3);
  EXPECT_EQ(TextStyle.TextFontSize, 12);
  EXPECT_TRUE(RecordedPrints().empty());
  EXPECT_FALSE(Layer(4).visible);
}

}  // namespace
