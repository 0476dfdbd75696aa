#include "platform/fonts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "platform/text_encoding.h"

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

// Bold is the regular glyph printed again one pixel to the right: each pixel takes the
// stronger of its own coverage and its left neighbour's, and each advance is one pixel
// wider, at every size and in both faces.
TEST(FontsTest, BoldIsTheRegularGlyphAgainOnePixelToTheRight) {
  const std::string glyphs[] = {"話", "の", "。", "…", "ぱ", "W", "j", "/"};
  for (const char* name : {tq::kFontProportional, tq::kFontFixed}) {
    for (int size : {9, 14, 16, 19, 24, 40}) {
      const tq::FontSpec regular{name, size, false, false};
      const tq::FontSpec bold{name, size, true, false};
      for (const std::string& g : glyphs) {
        SCOPED_TRACE(std::string(name) + " " + std::to_string(size) + " " + g);
        const tq::TextExtent e = tq::MeasureTextExtent(regular, g);
        EXPECT_EQ(tq::MeasureTextExtent(bold, g).width, e.width + 1);
        EXPECT_EQ(tq::MeasureTextExtent(bold, g).height, e.height);
        tq::Surface a(e.width + 2 * size, e.height + 4, 0), b(a.Width(), a.Height(), 0);
        tq::DrawTextAt(a, size, 2, regular, g, 0xFFFFFF);
        tq::DrawTextAt(b, size, 2, bold, g, 0xFFFFFF);
        int mismatches = 0;
        for (int y = 0; y < a.Height(); ++y) {
          for (int x = 0; x < a.Width(); ++x) {
            const uint32_t want = std::max(a.Get(x, y), x > 0 ? a.Get(x - 1, y) : 0u);
            if (b.Get(x, y) != want) ++mismatches;
          }
        }
        EXPECT_EQ(mismatches, 0);
      }
    }
    const std::string line = "話の続き、ABC…";
    EXPECT_EQ(tq::MeasureTextExtent({name, 16, true, false}, line).width,
              tq::MeasureTextExtent({name, 16, false, false}, line).width + tq::CodePointCount(line));
  }
}

// A separate piece of ink, and its size as ink: the summed coverage of its widest row
// and of its tallest column (255 a whole pixel), so that soft edges count for what
// they cover.
struct Blob {
  int left = 0, top = 0;
  int width = 0, height = 0;
};

// The pieces of ink with background all round (touching at a corner joins them), left
// to right and then top to bottom. White ink on black: a pixel's red is its coverage.
std::vector<Blob> InkBlobs(const tq::Surface& s) {
  const int w = s.Width(), h = s.Height();
  auto ink = [&s](int x, int y) { return static_cast<int>((s.Get(x, y) >> 16) & 0xFF); };
  std::vector<bool> seen(static_cast<size_t>(w) * h, false);
  std::vector<Blob> blobs;
  for (int y0 = 0; y0 < h; ++y0) {
    for (int x0 = 0; x0 < w; ++x0) {
      if (ink(x0, y0) == 0 || seen[static_cast<size_t>(y0) * w + x0]) continue;
      Blob b{x0, y0};
      std::map<int, int> rows, columns;
      std::vector<std::pair<int, int>> todo{{x0, y0}};
      seen[static_cast<size_t>(y0) * w + x0] = true;
      while (!todo.empty()) {
        const auto [x, y] = todo.back();
        todo.pop_back();
        b.left = std::min(b.left, x);
        b.top = std::min(b.top, y);
        rows[y] += ink(x, y);
        columns[x] += ink(x, y);
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= w || ny >= h || ink(nx, ny) == 0) continue;
            if (seen[static_cast<size_t>(ny) * w + nx]) continue;
            seen[static_cast<size_t>(ny) * w + nx] = true;
            todo.push_back({nx, ny});
          }
        }
      }
      for (const auto& [y, sum] : rows) b.width = std::max(b.width, sum);
      for (const auto& [x, sum] : columns) b.height = std::max(b.height, sum);
      blobs.push_back(b);
    }
  }
  std::sort(blobs.begin(), blobs.end(),
            [](const Blob& a, const Blob& b) { return a.left != b.left ? a.left < b.left : a.top < b.top; });
  return blobs;
}

std::vector<Blob> PrintedBlobs(const tq::FontSpec& font, const std::string& text) {
  const tq::TextExtent e = tq::MeasureTextExtent(font, text);
  tq::Surface s(e.width + 8, e.height + 4, 0);
  tq::DrawTextAt(s, 4, 2, font, text, 0xFFFFFF);
  return InkBlobs(s);
}

// Small marks keep their shape in bold at every size the balloons and caption boxes
// print at: each dot of "……", "：" and "・" stays its own piece of ink with background
// around it, at most one pixel wider than in regular type and never a dash.
TEST(FontsTest, BoldDotsStaySeparateDots) {
  const struct {
    const char* text;
    size_t dots;
  } marks[] = {{"……", 6}, {"：", 2}, {"・", 1}};
  for (int size : {14, 16, 18, 19, 20, 22, 24, 32, 50}) {
    for (const auto& m : marks) {
      SCOPED_TRACE(std::to_string(size) + " " + m.text);
      const std::vector<Blob> regular = PrintedBlobs({tq::kFontProportional, size, false, false}, m.text);
      const std::vector<Blob> bold = PrintedBlobs({tq::kFontProportional, size, true, false}, m.text);
      ASSERT_EQ(regular.size(), m.dots);
      ASSERT_EQ(bold.size(), m.dots);
      for (size_t i = 0; i < m.dots; ++i) {
        SCOPED_TRACE(i);
        EXPECT_LE(bold[i].width, regular[i].width + 255);
        EXPECT_LE(bold[i].width, 2 * bold[i].height);
      }
    }
  }
}

}  // namespace
