#include "platform/fonts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// From the pen's start to the right edge of the last inked column.
int InkRight(const tq::Surface& s, int originX) {
  int right = originX;
  for (int y = 0; y < s.Height(); ++y) {
    for (int x = 0; x < s.Width(); ++x) {
      if (s.Get(x, y) != 0 && x + 1 > right) right = x + 1;
    }
  }
  return right - originX;
}

// Centring and box widths come from the measure, so the pen must move exactly as the
// measure sums, bold or not, at every size the games use: a mark printed after a line
// stands where the same mark printed alone at the line's measured end stands.
TEST(FontsTest, PrintedTextEndsWhereItsMeasureSays) {
  const std::string lines[] = {"話の続きを聞かせて下さい", "Quick brown fox jumped"};
  const std::string mark = "■";
  for (const char* name : {tq::kFontProportional, tq::kFontFixed}) {
    for (bool bold : {false, true}) {
      for (int size = 9; size <= 24; ++size) {
        for (const std::string& line : lines) {
          SCOPED_TRACE(std::string(name) + (bold ? " bold " : " regular ") + std::to_string(size) + " " + line);
          const tq::FontSpec font{name, size, bold, false};
          const tq::TextExtent extent = tq::MeasureTextExtent(font, line);
          ASSERT_GT(extent.width, 0);
          tq::Surface printed(extent.width + 80, extent.height + 4, 0);
          tq::Surface alone(extent.width + 80, extent.height + 4, 0);
          tq::DrawTextAt(printed, 20, 2, font, line + mark, 0xFFFFFF);
          tq::DrawTextAt(alone, 20 + extent.width, 2, font, mark, 0xFFFFFF);
          EXPECT_EQ(InkRight(printed, 20), InkRight(alone, 20));
          // And the ink of the line itself reaches its measured end, but for the last
          // glyph's bearing.
          tq::Surface line_only(extent.width + 80, extent.height + 4, 0);
          tq::DrawTextAt(line_only, 20, 2, font, line, 0xFFFFFF);
          EXPECT_NEAR(InkRight(line_only, 20), extent.width, size / 6 + 1);
        }
      }
    }
  }
}

TEST(FontsTest, BoldMeasuresWiderAndPrintsWider) {
  const std::string line = "話の続きを聞かせて下さい。ねえ";
  const tq::FontSpec regular{tq::kFontProportional, 12, false, false};
  const tq::FontSpec bold{tq::kFontProportional, 12, true, false};
  tq::Surface a(400, 40, 0), b(400, 40, 0);
  tq::DrawTextAt(a, 0, 0, regular, line, 0xFFFFFF);
  tq::DrawTextAt(b, 0, 0, bold, line, 0xFFFFFF);
  EXPECT_GT(tq::MeasureTextExtent(bold, line).width, tq::MeasureTextExtent(regular, line).width);
  EXPECT_GT(InkRight(b, 0), InkRight(a, 0));
}

}  // namespace
