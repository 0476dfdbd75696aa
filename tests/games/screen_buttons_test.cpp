// The hover frame around the layer under the pointer.
#include "games/screen_buttons.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/drawing_fixture.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"

namespace {

using drawing_test::DrawingTest;

constexpr int kButton = 40;
constexpr int kFrame = 82;

class HoverBoxTest : public DrawingTest {
 protected:
  void SetUp() override {
    Boot(kModeMarbrook);
    Fill(kButton, 100, 200, 300, 40, RgbColor(0, 0, 200));
    InputEvent.InputSourceIndex = kButton;
  }
  int Position(int layer) {
    const auto& order = Screen().Order();
    return static_cast<int>(std::find(order.begin(), order.end(), layer) - order.begin());
  }
};

TEST_F(HoverBoxTest, FramesTheHoveredLayerWithAWhiteBandAndAGreyEdge) {
  int box = kFrame, border = 8, erase = 0;
  C10_HoverBox(0, box, border, erase);
  const tq::LayerSurface& f = Layer(kFrame);
  EXPECT_TRUE(f.visible);
  EXPECT_EQ(f.x, 92);
  EXPECT_EQ(f.y, 192);
  EXPECT_EQ(f.image.Width(), 316);
  EXPECT_EQ(f.image.Height(), 56);
  EXPECT_EQ(At(kFrame, 0, 0), Grey(128));
  EXPECT_EQ(At(kFrame, 315, 55), Grey(128));
  EXPECT_EQ(At(kFrame, 4, 4), RgbColor(255, 255, 255));
  EXPECT_EQ(Position(kFrame) + 1, Position(kButton)) << "the button lies just above its frame";
  EXPECT_EQ(Position(kButton), static_cast<int>(Screen().Order().size()) - 1);
}

TEST_F(HoverBoxTest, EraseDrawsBlackAndOtherFlagsDoNothing) {
  int box = kFrame, border = 4, erase = -1;
  C10_HoverBox(0, box, border, erase);
  EXPECT_EQ(At(kFrame, 0, 0), 0u);
  EXPECT_EQ(At(kFrame, 2, 2), 0u);
  EXPECT_EQ(Layer(kFrame).image.Width(), 308);

  int other = 83;
  C10_HoverBox(1, other, border, erase);
  EXPECT_FALSE(Layer(other).visible);
  EXPECT_EQ(Layer(other).image.Width(), 0);
  InputEvent.InputSourceIndex = -1;  // the window: nothing to frame
  C10_HoverBox(0, other, border, erase);
  EXPECT_FALSE(Layer(other).visible);
}

}  // namespace
