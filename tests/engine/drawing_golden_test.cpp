// A bevelled frame with outlined Japanese text, compared with its golden image.
#include <gtest/gtest.h>

#include <string>

#include "engine/blits.h"
#include "engine/drawing_fixture.h"
#include "engine/layers.h"
#include "engine/text.h"
#include "support/golden_image.h"

namespace {

using drawing_test::DrawingTest;
using tq::testing::ExpectMatchesGolden;

using DrawingGoldenTest = DrawingTest;

// A message window as the conversations draw it: a bevelled frame with outlined
// Japanese text in the two outline styles.
TEST_F(DrawingGoldenTest, BevelFrameWithOutlinedJapaneseText) {
  DrawState.CurrentLayer = 40;
  DrawState.CurrentRect = {0, 0, 360, 112};
  TextStyle.TextFontSize = 20;
  TextStyle.TextBold = -1;
  PrepareLayer(kPrepareTextShown);
  DrawBevelFrame(10, 30, 104);

  TextStyle.CurrentText = "こんにちは、世界！";
  TextStyle.TextX = 22;
  TextStyle.TextY = 18;
  TextStyle.TextColor = RgbColor(255, 255, 255);
  TextStyle.ShadeColor1 = RgbColor(90, 140, 220);
  TextStyle.ShadeColor2 = RgbColor(40, 70, 160);
  TextStyle.ShadeColor3 = RgbColor(20, 30, 80);
  PrintText(10, 40);

  TextStyle.CurrentText = "縁取りの文字 ABC 123";
  TextStyle.TextY = 60;
  TextStyle.OutlineWidth = 1;
  TextStyle.TextColor = RgbColor(255, 240, 120);
  TextStyle.ShadeColor1 = RgbColor(160, 60, 0);
  TextStyle.ShadeColor2 = RgbColor(60, 20, 0);
  TextStyle.ShadeColor3 = RgbColor(255, 200, 150);
  PrintText(1, 40);

  ExpectMatchesGolden(LayerImage(40), "bevel_frame_outlined_text");
}

}  // namespace
