#include "engine/blits.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/drawing_fixture.h"
#include "engine/layers.h"
#include "engine/text.h"

namespace {

using drawing_test::DrawingTest;

constexpr uint32_t kInside = RgbColor(1, 2, 3);
const uint32_t kPink[5] = {Grey(255), RgbColor(255, 190, 190), RgbColor(255, 170, 170), RgbColor(255, 150, 150),
                           RgbColor(255, 130, 130)};  // scheme 10: fill, top, left, right, bottom

class BlitsTest : public DrawingTest {
 protected:
  // Layer 5 of w by h filled with kInside, and CurrentRect sized to it.
  void Canvas(int w, int h) {
    Fill(5, 0, 0, w, h, kInside);
    DrawState.CurrentLayer = 5;
    DrawState.CurrentRect = {0, 0, w, h};
  }
};

struct Probe {
  int x, y;
  uint32_t colour;
};

TEST_F(BlitsTest, BevelFrameEdges) {
  struct Case {
    const char* what;
    int mode, thickness, scheme, w, h;
    std::vector<Probe> probes;
  } cases[] = {
      {"one grey line a side", 11, 10, 100, 100, 50,
       {{0, 0, Grey(200)}, {1, 0, Grey(220)}, {98, 0, Grey(220)}, {99, 0, Grey(180)}, {50, 49, Grey(160)},
        {0, 49, Grey(200)}, {99, 49, Grey(180)}, {0, 25, Grey(200)}, {99, 25, Grey(180)}, {1, 1, kInside},
        {98, 48, kInside}}},
      {"three rows and two columns of pink", 10, 25, 10, 100, 50,
       {{50, 0, kPink[1]}, {50, 2, kPink[1]}, {50, 3, kPink[0]}, {50, 47, kPink[4]}, {50, 49, kPink[4]},
        {50, 46, kPink[0]}, {0, 0, kPink[2]}, {1, 1, kPink[2]}, {1, 49, kPink[4]}, {0, 49, kPink[2]}, {2, 2, kPink[1]},
        {2, 25, kPink[0]}, {99, 0, kPink[3]}, {98, 25, kPink[3]}, {97, 25, kPink[0]}, {97, 47, kPink[4]}}},
      {"scheme 31 greys", 11, 10, 31, 20, 10,
       {{5, 0, Grey(204)}, {0, 5, Grey(178)}, {19, 5, Grey(153)}, {5, 9, Grey(128)}, {5, 5, kInside}}},
      {"an unlisted thickness draws one line", 10, 35, 100, 20, 10,
       {{5, 0, Grey(220)}, {5, 1, Grey(255)}, {1, 5, Grey(255)}}},
      {"an unlisted scheme is black", 10, 20, 7, 20, 10, {{5, 5, 0}, {0, 0, 0}, {1, 5, 0}}},
      {"mode 12 draws nothing", 12, 10, 100, 20, 10, {{0, 0, kInside}, {5, 5, kInside}}},
      {"the frame covers CurrentRect, not the layer", 11, 10, 100, 10, 5,
       {{9, 4, Grey(180)}, {10, 4, kInside}, {5, 4, Grey(160)}, {5, 5, kInside}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Canvas(c.w, c.h);
    if (c.w == 10) Fill(5, 0, 0, 20, 10, kInside);  // a layer larger than the frame
    DrawBevelFrame(c.mode, c.thickness, c.scheme);
    for (const Probe& p : c.probes) EXPECT_EQ(At(5, p.x, p.y), p.colour) << p.x << "," << p.y;
  }
}

TEST_F(BlitsTest, BevelFrameCustomSchemeTakesTheColourWords) {
  TextStyle.EdgeColor1 = RgbColor(9, 9, 9);
  TextStyle.TextColor = RgbColor(10, 0, 0);
  TextStyle.ShadeColor1 = RgbColor(0, 11, 0);
  TextStyle.ShadeColor2 = RgbColor(0, 0, 12);
  TextStyle.ShadeColor3 = RgbColor(13, 13, 0);
  Canvas(10, 10);
  DrawBevelFrame(10, 10, -99);
  EXPECT_EQ(At(5, 5, 5), RgbColor(9, 9, 9));
  EXPECT_EQ(At(5, 5, 0), RgbColor(10, 0, 0));
  EXPECT_EQ(At(5, 0, 5), RgbColor(0, 11, 0));
  EXPECT_EQ(At(5, 9, 5), RgbColor(0, 0, 12));
  EXPECT_EQ(At(5, 5, 9), RgbColor(13, 13, 0));
}

TEST_F(BlitsTest, GradientBands) {
  Canvas(30, 100);
  DrawGradient(30, 5, 0, 0, 0);
  for (int i = 0; i < 20; ++i) {
    for (int y : {5 * i, 5 * i + 4}) {
      EXPECT_EQ(At(5, 0, y), Grey(2 * i + 110)) << y;
      EXPECT_EQ(At(5, 29, y), Grey(2 * i + 110)) << y;
    }
  }
  // A height that is not a multiple of 20: bands overlap and later ones win.
  Canvas(4, 30);
  DrawGradient(50, 5, 0, 0, 0);
  EXPECT_EQ(At(5, 0, 0), RgbColor(0, 0, 10));
  EXPECT_EQ(At(5, 0, 2), RgbColor(0, 0, 26)) << "band 2 covers rows 2 to 4";
  EXPECT_EQ(At(5, 0, 29), RgbColor(0, 0, 170)) << "band 20 reaches row 29";

  struct Case {
    int style;
    int band;
    uint32_t colour;
  } styles[] = {{10, 3, RgbColor(21, 0, 21)},       {11, 0, RgbColor(125, 0, 125)}, {20, 19, RgbColor(0, 163, 163)},
                {21, 1, RgbColor(0, 152, 152)},     {25, 2, RgbColor(0, 179, 179)}, {26, 0, RgbColor(0, 185, 185)},
                {27, 19, RgbColor(0, 233, 233)},    {29, 19, RgbColor(255, 255, 233)}, {31, 10, Grey(180)},
                {51, 10, RgbColor(80, 0, 48)},      {51, 1, RgbColor(30, 0, 18)},    {52, 4, RgbColor(38, 38, 0)},
                {40, 5, 0}};
  for (const Case& s : styles) {
    Canvas(2, 40);
    DrawGradient(s.style, 5, 0, 0, 0);
    EXPECT_EQ(At(5, 1, 2 * s.band), s.colour) << s.style << " band " << s.band;
  }
}

TEST_F(BlitsTest, GradientColumnAndUnlistedOrientation) {
  Canvas(10, 40);
  DrawGradient(30, 5, 1, 7, 0);
  EXPECT_EQ(At(5, 7, 0), Grey(110));
  EXPECT_EQ(At(5, 7, 39), Grey(148));
  EXPECT_EQ(At(5, 6, 10), kInside);
  EXPECT_EQ(At(5, 8, 10), kInside);
  DrawGradient(30, 5, 2, 7, 0);
  DrawGradient(30, 5, -1, 3, 0);
  EXPECT_EQ(At(5, 3, 10), kInside);
}

// The layer argument picks nothing: the bands go to CurrentLayer.
TEST_F(BlitsTest, GradientIgnoresItsLayerArgument) {
  Fill(6, 0, 0, 4, 40, kInside);
  Canvas(4, 40);
  DrawGradient(30, 6, 0, 0, 0);
  EXPECT_EQ(At(5, 0, 0), Grey(110));
  EXPECT_EQ(At(6, 0, 0), kInside);
}

TEST_F(BlitsTest, PaintLayerToFormPaintsOntoTheWindowBackground) {
  Fill(7, 300, 300, 20, 10, RgbColor(0, 200, 0));
  LayerImage(7).Set(3, 2, tq::PixelFromColor(RgbColor(200, 0, 0)));
  BlitSpec.BlitLayer = 7;
  BlitSpec.BlitSrcX = 2;
  BlitSpec.BlitSrcY = 1;
  BlitSpec.BlitWidth = 5;
  BlitSpec.BlitHeight = 4;
  BlitSpec.BlitDestX = 50;
  BlitSpec.BlitDestY = 60;
  PaintLayerToForm(0);
  EXPECT_EQ(Screen().Background().Get(51, 61), 0u);
  PaintLayerToForm(1);
  const tq::Surface& bg = Screen().Background();
  EXPECT_EQ(tq::ColorFromPixel(bg.Get(51, 61)), RgbColor(200, 0, 0));
  EXPECT_EQ(tq::ColorFromPixel(bg.Get(54, 63)), RgbColor(0, 200, 0));
  EXPECT_EQ(bg.Get(55, 63), 0u);
  EXPECT_EQ(bg.Get(54, 64), 0u);
  EXPECT_FALSE(LayerInfo(GameForm).AutoRedraw);
}

TEST_F(BlitsTest, CopiesBetweenLayersAndTheWindow) {
  const uint32_t a = RgbColor(200, 100, 0), b = RgbColor(0, 0, 100);
  Fill(3, 0, 0, 8, 8, a);
  LayerImage(3).Set(0, 0, tq::PixelFromColor(RgbColor(255, 255, 255)));

  Fill(4, 0, 0, 8, 8, b);
  BitBltCopy(3, 4, {0, 0, 4, 4, 2, 3});
  EXPECT_EQ(At(4, 2, 3), Grey(255));
  EXPECT_EQ(At(4, 5, 6), a);
  EXPECT_EQ(At(4, 6, 6), b);
  EXPECT_TRUE(LayerInfo(3).AutoRedraw);
  EXPECT_TRUE(LayerInfo(4).AutoRedraw);

  // Real coordinates are rounded half to even: 2.5 -> 2, 3.5 -> 4.
  Fill(4, 0, 0, 8, 8, b);
  BitBltCopy(3, 4, {0.0, 0.0, 1.0, 1.0, 2.5, 3.5});
  EXPECT_EQ(At(4, 2, 4), Grey(255));

  Fill(4, 0, 0, 8, 8, b);
  AlphaBlendCopy(3, 4, 0, {0, 0, 8, 8, 0, 0, 8, 8});
  EXPECT_EQ(At(4, 4, 4), b) << "alpha 0 leaves the destination";
  AlphaBlendCopy(3, 4, 128, {0, 0, 8, 8, 0, 0, 8, 8});
  // 200 * 128 / 255 = 100.4, 100 * 128 / 255 = 50.2, 100 * 127 / 255 = 49.8, to the nearest
  EXPECT_EQ(At(4, 4, 4), RgbColor(100, 50, 50));

  Fill(4, 0, 0, 8, 8, b);
  AlphaBlendCopy(3, 4, 255, {0, 0, 2, 2, 0, 0, 8, 8});
  tq::Surface blended = LayerImage(4);
  Fill(4, 0, 0, 8, 8, b);
  StretchBltCopy(3, 4, 0, {0, 0, 2, 2, 0, 0, 8, 8});
  EXPECT_EQ(LayerImage(4).Pixels(), blended.Pixels()) << "alpha 255 is a stretched copy";
  EXPECT_EQ(At(4, 3, 3), Grey(255));
  EXPECT_EQ(At(4, 4, 4), a);
  EXPECT_FALSE(LayerInfo(3).AutoRedraw) << "a stretch leaves both drawables passing";
  EXPECT_FALSE(LayerInfo(4).AutoRedraw);

  BitBltCopy(3, GameForm, {0, 0, 8, 8, 100, 100});
  EXPECT_EQ(tq::ColorFromPixel(Screen().Background().Get(107, 107)), a);
  EXPECT_FALSE(LayerInfo(GameForm).AutoRedraw);
  EXPECT_TRUE(LayerInfo(3).AutoRedraw);
}

TEST_F(BlitsTest, CopiesWithBadArgumentsDoNothing) {
  Fill(4, 0, 0, 8, 8, kInside);
  BitBltCopy(3, 4, {0, 0, 4, 4});  // too few coordinates
  BitBltCopy(100, 4, {0, 0, 4, 4, 0, 0});
  BitBltCopy(3, -2, {0, 0, 4, 4, 0, 0});
  StretchBltCopy(3, 4, 0, {0, 0, 4, 4, 0, 0});
  AlphaBlendCopy(3, 4, 999, {0, 0, 4, 4, 0, 0});
  BitBltCopy(BlitSpec.BlitSource, BlitSpec.BlitTarget, {0, 0, 4, 4, 0, 0});
  EXPECT_EQ(At(4, 0, 0), kInside);
  BlitSpec.BlitLayer = 100;
  PaintLayerToForm(1);
}

}  // namespace
