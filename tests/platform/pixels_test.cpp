#include "platform/pixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <climits>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tq {
namespace {

// A surface whose every pixel is distinct, so a wrong source pixel shows.
Surface Numbered(int w, int h) {
  Surface s(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) s.Set(x, y, static_cast<uint32_t>(0x010000 + y * 256 + x));
  return s;
}

// The drawn pixels of a surface that started all zero.
std::set<std::pair<int, int>> Drawn(const Surface& s) {
  std::set<std::pair<int, int>> out;
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x)
      if (s.Get(x, y) != 0) out.insert({x, y});
  return out;
}

// A resize that keeps the top-left part, however the rows sit in the buffer, gives
// what a new surface of the new size in the fill colour with the old image copied
// to its corner gives; a reset gives a new surface in the fill colour; so does every
// drawing on the resized surface.
TEST(PixelsTest, ResizesMatchANewSurfaceWithTheOldCopiedIn) {
  const struct {
    int w, h;
    bool reset;
  } steps[] = {{12, 9, false}, {5, 9, false},  {5, 4, false},   {9, 6, false},  {12, 12, false},
               {13, 3, false}, {30, 2, false}, {31, 20, false}, {20, 6, true},  {28, 9, false},
               {0, 5, false},  {4, 0, false},  {8, 8, false},   {8, 8, false},  {45, 1, false},
               {30, 3, true},  {2, 40, false}, {46, 41, false}, {10, 3, true},  {-3, 7, false},
               // Large enough that a shrink gives the buffer back: the kept part moves to
               // a smaller buffer, by a resize or a reset, and grows again from there.
               {600, 400, false}, {590, 380, false}, {120, 70, false}, {130, 75, false}, {700, 60, false},
               {700, 500, true},  {40, 500, false},  {30, 20, true},   {500, 300, false}, {0, 0, false}};
  Surface s = Numbered(10, 7);
  uint32_t fill = 0x100;
  for (const auto& step : steps) {
    SCOPED_TRACE(std::to_string(step.w) + "x" + std::to_string(step.h) + (step.reset ? " reset" : ""));
    Surface want(step.w, step.h, fill);
    if (!step.reset) CopyRect(want, 0, 0, s, 0, 0, s.Width(), s.Height());
    const uint64_t before = s.Generation();
    if (step.reset) {
      s.Reset(step.w, step.h, fill);
    } else {
      s.ResizeKeeping(step.w, step.h, fill);
    }
    EXPECT_NE(s.Generation(), before);
    ASSERT_EQ(s.Width(), want.Width());
    ASSERT_EQ(s.Height(), want.Height());
    EXPECT_GE(s.Stride(), s.Width());
    EXPECT_EQ(s.Pixels(), want.Pixels());
    // Drawing on it lands where it lands on the plain surface.
    FillRect(s, {1, 1, 3, 2}, fill + 1);
    FillRect(want, {1, 1, 3, 2}, fill + 1);
    Surface copy = s;
    CopyRect(s, 2, 0, copy, 0, 1, 4, 3);
    CopyRect(want, 2, 0, Surface(want), 0, 1, 4, 3);
    EXPECT_EQ(s.Pixels(), want.Pixels());
    fill += 0x10;
  }
}

// A picture that failed to load leaves a surface with no buffer at all; a layer
// that then grows from it (a menu's cell layer) must not read rows that are not
// there (the sanitizers name any pointer arithmetic on the missing buffer).
TEST(PixelsTest, ASurfaceWithoutABufferGrowsAndShrinksLikeAnyOther) {
  for (const auto& [w, h] : {std::pair{980, 3}, std::pair{4, 4}, std::pair{0, 7}}) {
    SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
    Surface s;
    EXPECT_EQ(s.Row(0), s.Row(5));
    s.ResizeKeeping(w, h, 0x77);
    EXPECT_EQ(s.Pixels(), Surface(w, h, 0x77).Pixels());
    Surface emptied(6, 6, 1);
    emptied.Reset(0, 0);
    emptied.ResizeKeeping(w, h, 0x77);
    EXPECT_EQ(emptied.Pixels(), Surface(w, h, 0x77).Pixels());
  }
}

// The most a buffer may hold for an image of n pixels: twice its pixels, or its
// pixels and a small slack.
size_t KeptLimit(size_t n) { return std::max(2 * n, n + size_t{16 * 1024}); }

// A surface that held a whole window and is made small, or cleared, gives the buffer
// back, whichever way it is done; one that stays near its size keeps it.
TEST(PixelsTest, AShrunkOrClearedSurfaceGivesItsBufferBack) {
  const Surface icon(24, 24, 0x5);
  const Surface panel(900, 680, 0x6);
  const struct Case {
    const char* name;
    void (*shrink)(Surface&, const Surface&, const Surface&);
    bool kept;  // the same buffer serves after
  } cases[] = {
      {"resize keeping to a panel", [](Surface& s, const Surface&, const Surface&) { s.ResizeKeeping(120, 80, 1); }, false},
      {"resize keeping to nothing", [](Surface& s, const Surface&, const Surface&) { s.ResizeKeeping(0, 0, 1); }, false},
      {"resize keeping to no width", [](Surface& s, const Surface&, const Surface&) { s.ResizeKeeping(0, 690, 1); }, false},
      {"reset to a panel", [](Surface& s, const Surface&, const Surface&) { s.Reset(120, 80, 1); }, false},
      {"reset to nothing", [](Surface& s, const Surface&, const Surface&) { s.Reset(0, 0); }, false},
      {"a small picture decoded into it", [](Surface& s, const Surface&, const Surface&) { s.ResizeForOverwrite(64, 48); }, false},
      {"an icon copied in", [](Surface& s, const Surface& i, const Surface&) { s = i; }, false},
      {"a window-sized picture copied in", [](Surface& s, const Surface&, const Surface& p) { s = p; }, true},
      {"reset a little smaller", [](Surface& s, const Surface&, const Surface&) { s.Reset(900, 600, 1); }, true},
      {"resize keeping a little smaller", [](Surface& s, const Surface&, const Surface&) { s.ResizeKeeping(910, 500, 1); }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Surface s(920, 690, 0x3);
    const uint32_t* buffer = s.Data();
    c.shrink(s, icon, panel);
    const size_t pixels = static_cast<size_t>(s.Width()) * s.Height();
    EXPECT_LE(s.Capacity(), KeptLimit(pixels));
    EXPECT_GE(s.Capacity(), static_cast<size_t>(s.Stride()) * s.Height());
    EXPECT_EQ(s.Data() == buffer, c.kept);
    // It still draws as any surface of its size.
    FillRect(s, {0, 0, s.Width(), s.Height()}, 0x9);
    EXPECT_EQ(s.Pixels(), Surface(s.Width(), s.Height(), 0x9).Pixels());
  }
}

// A layer that grows a row or a column a frame (a wipe, a balloon opening slowly)
// moves to a new buffer only a few times, its buffer kept within the bound every
// frame and the rows drawn so far kept.
TEST(PixelsTest, GrowingARowAFrameMovesTheBufferOnlyNowAndThen) {
  const struct Case {
    const char* name;
    int w0, h0, dw, dh, frames;
  } cases[] = {
      {"a wipe down the window", 920, 0, 0, 1, 690},
      {"a narrow balloon", 300, 1, 0, 1, 400},
      {"a wipe across the window", 1, 690, 1, 0, 919},
      {"both ways", 1, 1, 1, 1, 600},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Surface s(c.w0, c.h0);
    int moves = 0;
    for (int f = 1; f <= c.frames; ++f) {
      const uint32_t* before = s.Data();
      const int w = c.w0 + f * c.dw, h = c.h0 + f * c.dh;
      s.ResizeKeeping(w, h, static_cast<uint32_t>(f));
      moves += s.Data() != before ? 1 : 0;
      ASSERT_LE(s.Capacity(), KeptLimit(static_cast<size_t>(w) * h)) << "frame " << f;
    }
    // Room grows by a part of itself each time: a number of moves logarithmic in the
    // frames (a row a frame on every frame would be hundreds).
    EXPECT_LE(moves, 3 * std::bit_width(static_cast<unsigned>(c.frames))) << moves << " moves";
    // Each pixel holds the frame that first covered it (0 for the first size).
    for (int y = 0; y < s.Height(); y += 7) {
      for (int x = 0; x < s.Width(); x += 11) {
        const int first = std::max({0, x - c.w0 + 1, y - c.h0 + 1});
        ASSERT_EQ(s.Get(x, y), static_cast<uint32_t>(first)) << x << "," << y;
      }
    }
  }
}

// A layer that has just grown and steps a row or a column back and forth (a balloon
// that bobs) keeps its buffer: a growth leaves room short of what a slight shrink
// gives back.
TEST(PixelsTest, ALayerSteppingBackAndForthAfterAGrowthKeepsItsBuffer) {
  const struct Case {
    const char* name;
    int w0, h0, w1, h1;  // the size it was, and the wider one it was given
  } cases[] = {
      {"a balloon widened", 300, 200, 400, 200},
      {"a window-wide wipe", 920, 300, 920, 300},
      {"an icon", 20, 20, 24, 20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Surface s(c.w0, c.h0);
    s.ResizeKeeping(c.w1, c.h1, 1);
    s.ResizeKeeping(c.w1, c.h1 + 1, 2);
    const uint32_t* grown = s.Data();
    for (int f = 0; f < 40; ++f) {
      const int back = f % 2 == 0 ? 1 : 0;
      s.ResizeKeeping(c.w1 + (f % 4 < 2 ? 0 : -back), c.h1 + 1 - (f % 4 < 2 ? back : 0), 3);
      ASSERT_EQ(s.Data(), grown) << "step " << f;
    }
  }
}

TEST(PixelsTest, ColorConversionSwapsRedAndBlue) {
  EXPECT_EQ(PixelFromColor(0x00332211u), 0x00112233u);
  EXPECT_EQ(ColorFromPixel(0x00112233u), 0x00332211u);
  EXPECT_EQ(ColorFromPixel(PixelFromColor(0x00ABCDEFu)), 0x00ABCDEFu);
}

TEST(PixelsTest, IntersectTable) {
  struct Case {
    PixelRect a, b;
    PixelRect want;  // w or h 0 means empty
  } cases[] = {
      {{0, 0, 10, 10}, {5, 5, 10, 10}, {5, 5, 5, 5}},
      {{0, 0, 10, 10}, {10, 0, 5, 5}, {0, 0, 0, 0}},     // touching edges do not overlap
      {{-5, -5, 10, 10}, {0, 0, 3, 3}, {0, 0, 3, 3}},
      {{0, 0, -4, 10}, {0, 0, 10, 10}, {0, 0, 0, 0}},    // negative size is empty
      {{INT_MAX - 1, 0, INT_MAX, 5}, {0, 0, INT_MAX, 5}, {INT_MAX - 1, 0, 1, 5}},  // no overflow
  };
  for (const Case& c : cases) {
    const PixelRect r = Intersect(c.a, c.b);
    if (IsEmpty(c.want)) {
      EXPECT_TRUE(IsEmpty(r)) << c.a.x << "," << c.b.x;
    } else {
      EXPECT_EQ(r.x, c.want.x);
      EXPECT_EQ(r.y, c.want.y);
      EXPECT_EQ(r.w, c.want.w);
      EXPECT_EQ(r.h, c.want.h);
    }
  }
}

TEST(PixelsTest, SurfaceBoundsAndBadSizes) {
  Surface s(3, 2, 7);
  EXPECT_EQ(s.Get(2, 1), 7u);
  EXPECT_EQ(s.Get(3, 0), 0u);
  EXPECT_EQ(s.Get(-1, 0), 0u);
  s.Set(5, 5, 9);  // ignored
  EXPECT_EQ(s.Pixels(), std::vector<uint32_t>(6, 7));
  s.Reset(-4, 3);
  EXPECT_TRUE(s.Empty());
  s.Reset(INT_MAX, 1);
  EXPECT_EQ(s.Width(), kMaxSurfaceSide);
}

TEST(PixelsTest, GenerationsAreUniqueAcrossSurfaces) {
  // A freshly built image must never look like the one it replaces.
  Surface a(4, 4, 1);
  Surface b(4, 4, 1);
  EXPECT_NE(a.Generation(), b.Generation());
  Surface c = a;
  EXPECT_EQ(c.Generation(), a.Generation());
}

TEST(PixelsTest, MutatingOperationsMarkChanged) {
  const Surface src = Numbered(4, 4);
  const uint8_t mask[4] = {255, 255, 255, 255};
  struct Case {
    const char* name;
    void (*op)(Surface&, const Surface&, const uint8_t*);
    bool changes;
  } cases[] = {
      {"fill", [](Surface& s, const Surface&, const uint8_t*) { FillRect(s, {1, 1, 2, 2}, 5); }, true},
      {"fill off", [](Surface& s, const Surface&, const uint8_t*) { FillRect(s, {9, 9, 2, 2}, 5); }, false},
      {"line", [](Surface& s, const Surface&, const uint8_t*) { DrawLine(s, 0, 0, 3, 3, 5); }, true},
      {"box", [](Surface& s, const Surface&, const uint8_t*) { DrawBox(s, 0, 0, 3, 3, 5); }, true},
      {"fillbox", [](Surface& s, const Surface&, const uint8_t*) { FillBox(s, 3, 3, 0, 0, 5); }, true},
      {"copy", [](Surface& s, const Surface& o, const uint8_t*) { CopyRect(s, 0, 0, o, 0, 0, 2, 2); }, true},
      {"copy off", [](Surface& s, const Surface& o, const uint8_t*) { CopyRect(s, 8, 0, o, 0, 0, 2, 2); }, false},
      {"stretch", [](Surface& s, const Surface& o, const uint8_t*) { StretchRect(s, {0, 0, 4, 4}, o, {0, 0, 2, 2}); }, true},
      {"blend", [](Surface& s, const Surface& o, const uint8_t*) { AlphaBlendRect(s, {0, 0, 4, 4}, o, {0, 0, 4, 4}, 9); }, true},
      {"mask", [](Surface& s, const Surface&, const uint8_t* m) { BlendMask(s, 1, 1, m, 2, 2, 2, 5); }, true},
      {"set", [](Surface& s, const Surface&, const uint8_t*) { s.Set(1, 1, 5); }, true},
      {"reset", [](Surface& s, const Surface&, const uint8_t*) { s.Reset(4, 4); }, true},
  };
  for (const Case& c : cases) {
    Surface s(4, 4);
    const uint64_t before = s.Generation();
    c.op(s, src, mask);
    EXPECT_EQ(s.Generation() != before, c.changes) << c.name;
  }
}

TEST(PixelsTest, FillRectClipsToTheSurface) {
  struct Case {
    PixelRect r;
    size_t drawn;
  } cases[] = {
      {{-2, -2, 4, 4}, 4},   // top-left corner
      {{3, 1, 10, 1}, 2},    // runs off the right
      {{0, 0, 5, 4}, 20},    // exactly the surface
      {{0, 5, 5, 4}, 0},     // below
      {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 0},
  };
  for (const Case& c : cases) {
    Surface s(5, 4);
    FillRect(s, c.r, 1);
    EXPECT_EQ(Drawn(s).size(), c.drawn) << c.r.x << "," << c.r.y;
  }
}

TEST(PixelsTest, DrawLineTable) {
  using Pts = std::set<std::pair<int, int>>;
  struct Case {
    int x1, y1, x2, y2;
    bool includeEnd;
    Pts want;
  } cases[] = {
      {0, 0, 3, 0, false, {{0, 0}, {1, 0}, {2, 0}}},
      {0, 0, 3, 0, true, {{0, 0}, {1, 0}, {2, 0}, {3, 0}}},
      {3, 0, 0, 0, false, {{3, 0}, {2, 0}, {1, 0}}},
      {1, 3, 1, 0, false, {{1, 3}, {1, 2}, {1, 1}}},
      {0, 0, 3, 3, false, {{0, 0}, {1, 1}, {2, 2}}},
      {0, 0, 4, 2, true, {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}},  // one step per column
      {0, 0, 1, 4, true, {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {1, 4}}},  // steep: one per row
      {2, 2, 2, 2, false, {}},
      {2, 2, 2, 2, true, {{2, 2}}},
      {-2, 0, 2, 0, true, {{0, 0}, {1, 0}, {2, 0}}},    // clipped at the left
      {0, 7, 3, 7, true, {}},                            // below the surface
  };
  for (const Case& c : cases) {
    Surface s(6, 6);
    DrawLine(s, c.x1, c.y1, c.x2, c.y2, 1, c.includeEnd);
    EXPECT_EQ(Drawn(s), c.want) << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2;
  }
}

TEST(PixelsTest, DrawLineWithFarCoordinatesStaysOnTheLine) {
  // A horizontal line from far outside: only the visible part, quickly.
  Surface s(8, 8);
  DrawLine(s, INT_MIN, 3, INT_MAX, 3, 1, true);
  EXPECT_EQ(Drawn(s).size(), 8u);
  for (int x = 0; x < 8; ++x) EXPECT_EQ(s.Get(x, 3), 1u);
  // A long diagonal keeps its slope through the clipped part.
  Surface d(8, 8);
  DrawLine(d, -1000000, -1000000, 1000000, 1000000, 1, true);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(d.Get(i, i), 1u);
  EXPECT_EQ(Drawn(d).size(), 8u);
}

TEST(PixelsTest, BoxesIncludeBothCornersInAnyOrder) {
  const int corners[][4] = {{1, 1, 4, 3}, {4, 3, 1, 1}, {4, 1, 1, 3}, {1, 3, 4, 1}};
  for (const auto& c : corners) {
    Surface filled(6, 5);
    FillBox(filled, c[0], c[1], c[2], c[3], 1);
    EXPECT_EQ(Drawn(filled).size(), 12u);
    EXPECT_EQ(filled.Get(1, 1), 1u);
    EXPECT_EQ(filled.Get(4, 3), 1u);
    EXPECT_EQ(filled.Get(5, 3), 0u);

    Surface outline(6, 5);
    DrawBox(outline, c[0], c[1], c[2], c[3], 1);
    EXPECT_EQ(Drawn(outline).size(), 10u);
    EXPECT_EQ(outline.Get(4, 3), 1u);
    EXPECT_EQ(outline.Get(2, 2), 0u);  // the inside is untouched
  }
  Surface one(3, 3);
  DrawBox(one, 1, 1, 1, 1, 1);
  EXPECT_EQ(Drawn(one).size(), 1u);
}

// Pixel-by-pixel copy: each destination pixel inside the copied rectangle takes
// its source pixel when that exists. What CopyRect must match.
void ReferenceCopy(Surface& dst, int dx, int dy, const Surface& src, int sx, int sy, int w, int h) {
  for (int y = 0; y < dst.Height(); ++y)
    for (int x = 0; x < dst.Width(); ++x) {
      const int64_t ox = int64_t{x} - dx, oy = int64_t{y} - dy;
      if (ox < 0 || oy < 0 || ox >= w || oy >= h) continue;
      const int64_t fx = sx + ox, fy = sy + oy;
      if (fx < 0 || fy < 0 || fx >= src.Width() || fy >= src.Height()) continue;
      dst.Set(x, y, src.Get(static_cast<int>(fx), static_cast<int>(fy)));
    }
}

TEST(PixelsTest, CopyRectClipsAtEveryEdge) {
  const Surface src = Numbered(6, 5);
  struct Case {
    int dx, dy, sx, sy, w, h;
  } cases[] = {
      {0, 0, 0, 0, 6, 5},   {2, 1, 0, 0, 6, 5},    {-2, -1, 0, 0, 6, 5}, {0, 0, -3, -2, 6, 5},
      {1, 1, 4, 3, 5, 5},   {0, 0, 6, 0, 3, 3},    {7, 0, 0, 0, 3, 3},   {1, 1, 1, 1, 0, 3},
      {1, 1, 1, 1, -3, 3},  {INT_MAX, 0, 0, 0, 3, 3}, {0, 0, INT_MIN, 0, INT_MAX, 3},
  };
  for (const Case& c : cases) {
    Surface got(7, 4, 0xAA);
    Surface want(7, 4, 0xAA);
    CopyRect(got, c.dx, c.dy, src, c.sx, c.sy, c.w, c.h);
    ReferenceCopy(want, c.dx, c.dy, src, c.sx, c.sy, std::max(c.w, 0), std::max(c.h, 0));
    EXPECT_EQ(got.Pixels(), want.Pixels()) << c.dx << "," << c.dy << " from " << c.sx << "," << c.sy;
  }
}

TEST(PixelsTest, CopyRectWithinOneSurfaceOverlapping) {
  const int shifts[][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {2, 3}, {-3, -2}, {2, -1}, {-1, 2}, {0, 0}};
  for (const auto& d : shifts) {
    Surface got = Numbered(8, 7);
    Surface want = got;
    const Surface before = got;  // the source as it was before the copy
    CopyRect(got, 2 + d[0], 2 + d[1], got, 2, 2, 4, 3);
    ReferenceCopy(want, 2 + d[0], 2 + d[1], before, 2, 2, 4, 3);
    EXPECT_EQ(got.Pixels(), want.Pixels()) << d[0] << "," << d[1];
  }
}

TEST(PixelsTest, StretchRectTable) {
  // Source row: 1 2 3 4 (one row), stretched or mirrored along x.
  Surface src(4, 1);
  for (int x = 0; x < 4; ++x) src.Set(x, 0, x + 1);
  struct Case {
    PixelRect d, s;
    std::vector<uint32_t> want;  // the 8x1 destination afterwards, 0 untouched
  } cases[] = {
      {{0, 0, 8, 1}, {0, 0, 4, 1}, {1, 1, 2, 2, 3, 3, 4, 4}},       // double
      {{0, 0, 2, 1}, {0, 0, 4, 1}, {1, 3, 0, 0, 0, 0, 0, 0}},       // halve
      {{0, 0, 3, 1}, {0, 0, 4, 1}, {1, 2, 3, 0, 0, 0, 0, 0}},       // i * 4 / 3
      {{4, 0, -4, 1}, {0, 0, 4, 1}, {4, 3, 2, 1, 0, 0, 0, 0}},      // mirrored destination
      {{0, 0, 4, 1}, {4, 0, -4, 1}, {4, 3, 2, 1, 0, 0, 0, 0}},      // mirrored source
      {{4, 0, -4, 1}, {4, 0, -4, 1}, {1, 2, 3, 4, 0, 0, 0, 0}},     // both: no mirror
      {{6, 0, 4, 1}, {0, 0, 4, 1}, {0, 0, 0, 0, 0, 0, 1, 2}},       // clipped on the right
      {{-2, 0, 8, 1}, {0, 0, 4, 1}, {2, 2, 3, 3, 4, 4, 0, 0}},      // clipped on the left
      {{0, 0, 4, 1}, {2, 0, 4, 1}, {3, 4, 0, 0, 0, 0, 0, 0}},       // source runs off: untouched
      {{0, 0, 0, 1}, {0, 0, 4, 1}, {0, 0, 0, 0, 0, 0, 0, 0}},
      {{0, 0, 4, 1}, {0, 0, 0, 1}, {0, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    Surface dst(8, 1);
    StretchRect(dst, c.d, src, c.s);
    EXPECT_EQ(dst.Pixels(), c.want) << c.d.x << "," << c.d.w << " from " << c.s.x << "," << c.s.w;
  }
}

TEST(PixelsTest, StretchRectMirrorsVerticallyAndInPlace) {
  Surface s = Numbered(3, 4);
  const Surface before = s;
  StretchRect(s, {0, 4, 3, -4}, s, {0, 0, 3, 4});  // flip upside down onto itself
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(s.Get(x, y), before.Get(x, 3 - y)) << x << "," << y;
}

TEST(PixelsTest, AlphaBlendExactValues) {
  struct Case {
    uint32_t src, dst;
    int alpha;
    uint32_t want;
  } cases[] = {
      {0xFF8000, 0x0000FF, 128, 0x80407F},  // 128.5 -> 128, 64.75 -> 64, 127.5 -> 127
      {0xFF8000, 0x0000FF, 0, 0x0000FF},
      {0xFF8000, 0x0000FF, 255, 0xFF8000},
      {0x123456, 0xABCDEF, 1, 0xAACCEE},               // (s + 254 d + 127) / 255
      {0xFFFFFF, 0x000000, 25, 0x191919},
      {0x010101, 0x000000, 128, 0x010101},             // 128/255 rounds up
      {0x010101, 0x000000, 127, 0x000000},             // 127/255 rounds down
      {0xFFFFFF, 0x000000, -7, 0x000000},              // out of range: clamped
      {0xFFFFFF, 0x000000, 999, 0xFFFFFF},
  };
  for (const Case& c : cases) {
    const Surface src(2, 2, c.src);
    Surface dst(2, 2, c.dst);
    AlphaBlendRect(dst, {0, 0, 2, 2}, src, {0, 0, 2, 2}, c.alpha);
    EXPECT_EQ(dst.Get(1, 1), c.want) << std::hex << c.src << " over " << c.dst << " at " << std::dec << c.alpha;
  }
}

TEST(PixelsTest, AlphaBlendEndsMatchTheirDefinitions) {
  const Surface src = Numbered(5, 4);
  const PixelRect rects[][2] = {
      {{0, 0, 9, 6}, {0, 0, 5, 4}},  // enlarge
      {{1, 1, 3, 2}, {0, 0, 5, 4}},  // shrink
      {{8, 0, -8, 6}, {1, 1, 3, 3}}, // mirrored, clipped
  };
  for (const auto& r : rects) {
    const Surface base = Numbered(7, 5);
    Surface none = base, full = base, stretched = base;
    const uint64_t gen = none.Generation();
    AlphaBlendRect(none, r[0], src, r[1], 0);
    EXPECT_EQ(none.Pixels(), base.Pixels());
    EXPECT_EQ(none.Generation(), gen);
    AlphaBlendRect(full, r[0], src, r[1], 255);
    StretchRect(stretched, r[0], src, r[1]);
    EXPECT_EQ(full.Pixels(), stretched.Pixels());
  }
}

// Every coverage over every kind of pixel blends by the definition, however the
// row is split into runs: empty, full and partial coverage side by side, rows of
// every length, destination pixels with a stray high byte.
TEST(PixelsTest, BlendMaskMatchesItsDefinitionEverywhere) {
  uint32_t seed = 99;
  auto next = [&seed] {
    seed = seed * 1664525u + 1013904223u;
    return seed >> 8;
  };
  for (int width = 1; width <= 21; ++width) {
    SCOPED_TRACE(width);
    std::vector<uint8_t> mask(static_cast<size_t>(width) * 6);
    for (size_t i = 0; i < mask.size(); ++i) {
      const uint32_t kind = next() % 4;
      mask[i] = kind == 0 ? 0 : kind == 1 ? 255 : static_cast<uint8_t>(next());
    }
    std::fill_n(mask.begin(), std::min<size_t>(mask.size(), 8), 0);  // a whole empty run
    Surface s(width, 6);
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < width; ++x) s.Row(y)[x] = next() | (x % 3 == 0 ? 0xAB000000u : 0u);
    const Surface before = s;
    const uint32_t px = next() | 0x5A000000u;
    BlendMask(s, 0, 0, mask.data(), width, 6, width, px);
    for (int y = 0; y < 6; ++y) {
      for (int x = 0; x < width; ++x) {
        const uint32_t a = mask[static_cast<size_t>(y) * width + x];
        const uint32_t d = before.Get(x, y);
        uint32_t want = d;
        if (a != 0) {
          want = 0;
          for (int shift = 0; shift <= 16; shift += 8) {
            const uint32_t c = (((px >> shift) & 0xFF) * a + ((d >> shift) & 0xFF) * (255 - a) + 127) / 255;
            want |= c << shift;
          }
        }
        ASSERT_EQ(s.Get(x, y), want) << x << "," << y << " coverage " << a;
      }
    }
  }
}

TEST(PixelsTest, BlendMaskCoverageAndClipping) {
  const uint8_t mask[] = {0, 128, 255, 9,  // last column beyond maskW: never read
                          255, 255, 0, 9};
  Surface s(3, 2, 0x000000);
  BlendMask(s, 0, 0, mask, 3, 2, 4, 0xFF00FF);
  EXPECT_EQ(s.Get(0, 0), 0x000000u);
  EXPECT_EQ(s.Get(1, 0), 0x800080u);
  EXPECT_EQ(s.Get(2, 0), 0xFF00FFu);
  EXPECT_EQ(s.Get(0, 1), 0xFF00FFu);
  EXPECT_EQ(s.Get(2, 1), 0x000000u);

  Surface edge(2, 2);
  BlendMask(edge, 1, -1, mask, 3, 2, 4, 0x0000FF);  // only mask (0, 1) lands, at (1, 0)
  EXPECT_EQ(edge.Pixels(), (std::vector<uint32_t>{0, 0x0000FF, 0, 0}));
  BlendMask(edge, 0, 0, nullptr, 3, 2, 4, 1);
  BlendMask(edge, 0, 0, mask, 3, 2, 2, 1);  // pitch shorter than a row: refused
  EXPECT_EQ(edge.Pixels(), (std::vector<uint32_t>{0, 0x0000FF, 0, 0}));
}

}  // namespace
}  // namespace tq
