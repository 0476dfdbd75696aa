#include "platform/compositor.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <vector>

namespace tq {
namespace {

// Each window pixel as the topmost visible layer over it (else the background,
// else black) gives it, looked up one pixel at a time.
Surface ReferenceFrame(Compositor& c) {
  Surface out(c.Width(), c.Height());
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) {
      int lx = 0, ly = 0;
      const int hit = c.HitTest(x, y, &lx, &ly);
      out.Set(x, y, hit < 0 ? c.Background().Get(x, y) : c.Layer(hit).image.Get(lx, ly));
    }
  return out;
}

void ExpectFrameIsReference(Compositor& c, const char* what) {
  EXPECT_EQ(c.Frame().Pixels(), ReferenceFrame(c).Pixels()) << what;
}

void Show(Compositor& c, int i, int x, int y, int w, int h, uint32_t px) {
  c.Place(i, x, y, w, h, px);
  c.SetVisible(i, true);
}

TEST(CompositorTest, StartsBlackWithHiddenLayersInIndexOrder) {
  Compositor c;
  EXPECT_EQ(c.Width(), kWindowWidth);
  EXPECT_EQ(c.Height(), kWindowHeight);
  std::vector<int> order(kLayerCount);
  std::iota(order.begin(), order.end(), 0);
  EXPECT_EQ(c.Order(), order);
  for (int i = 0; i < kLayerCount; ++i) {
    EXPECT_FALSE(c.Layer(i).visible);
    EXPECT_TRUE(c.Layer(i).image.Empty());
  }
  EXPECT_TRUE(c.Compose());
  EXPECT_EQ(c.Frame().Pixels(), std::vector<uint32_t>(size_t{kWindowWidth} * kWindowHeight, 0));
  EXPECT_FALSE(c.Compose());
}

TEST(CompositorTest, StackingOrder) {
  // Layers 3 (red) and 7 (blue) overlap at (5, 5); the later index starts on top.
  enum Op { kFront3, kFront7, kBack3, kBack7 };
  struct Case {
    std::vector<Op> ops;
    uint32_t top;  // colour at the overlap
    int z3, z7;
  } cases[] = {
      {{}, 0x0000FF, 3, 7},
      {{kFront3}, 0xFF0000, 99, 6},
      {{kBack7}, 0xFF0000, 4, 0},
      {{kFront3, kBack3}, 0x0000FF, 0, 7},
      {{kFront7}, 0x0000FF, 3, 99},
      {{kBack3, kBack7, kFront3}, 0xFF0000, 99, 0},
  };
  for (const Case& k : cases) {
    Compositor c(20, 10);
    Show(c, 3, 0, 0, 8, 8, 0xFF0000);
    Show(c, 7, 4, 4, 8, 6, 0x0000FF);
    c.Compose();
    for (Op op : k.ops) {
      if (op == kFront3) c.BringToFront(3);
      if (op == kFront7) c.BringToFront(7);
      if (op == kBack3) c.SendToBack(3);
      if (op == kBack7) c.SendToBack(7);
    }
    c.Compose();
    EXPECT_EQ(c.Frame().Get(5, 5), k.top) << k.ops.size();
    EXPECT_EQ(c.ZIndex(3), k.z3);
    EXPECT_EQ(c.ZIndex(7), k.z7);
    EXPECT_EQ(c.HitTest(5, 5, nullptr, nullptr), k.top == 0xFF0000 ? 3 : 7);
    ExpectFrameIsReference(c, "after restacking");
  }
}

TEST(CompositorTest, HiddenLayersAndClippingToTheWindow) {
  Compositor c(20, 10);
  c.Background().Reset(20, 10, 0x111111);
  Show(c, 1, -5, -5, 10, 10, 0x00FF00);   // off the top-left
  Show(c, 2, 15, 7, 10, 10, 0x0000FF);    // off the bottom-right
  c.Place(50, 0, 0, 20, 10, 0xFFFFFF);    // covers all but stays hidden
  c.Compose();
  EXPECT_EQ(c.Frame().Get(4, 4), 0x00FF00u);
  EXPECT_EQ(c.Frame().Get(5, 5), 0x111111u);
  EXPECT_EQ(c.Frame().Get(19, 9), 0x0000FFu);
  ExpectFrameIsReference(c, "clipped");

  c.SetVisible(50, true);
  EXPECT_TRUE(c.Compose());
  EXPECT_EQ(c.Frame().Pixels(), std::vector<uint32_t>(200, 0xFFFFFF));
  c.SetVisible(50, false);
  c.SetVisible(1, false);
  EXPECT_TRUE(c.Compose());
  EXPECT_EQ(c.Frame().Get(0, 0), 0x111111u);
  ExpectFrameIsReference(c, "hidden again");

  // A hollow layer, visible as it is, shows nothing and takes no click.
  c.Layer(2).hollow = true;
  EXPECT_TRUE(c.Compose());
  EXPECT_EQ(c.Frame().Get(19, 9), 0x111111u);
  EXPECT_EQ(c.HitTest(19, 9, nullptr, nullptr), -1);
  c.Layer(2).hollow = false;
  EXPECT_TRUE(c.Compose());
  EXPECT_EQ(c.Frame().Get(19, 9), 0x0000FFu);
}

TEST(CompositorTest, BackgroundSmallerThanTheWindowShowsBlack) {
  Compositor c(10, 4);
  c.Background().Reset(6, 2, 0x222222);
  c.Compose();
  EXPECT_EQ(c.Frame().Get(5, 1), 0x222222u);
  EXPECT_EQ(c.Frame().Get(6, 1), 0u);
  EXPECT_EQ(c.Frame().Get(0, 2), 0u);
}

TEST(CompositorTest, HitTestFindsTheTopmostVisibleLayer) {
  Compositor c(100, 100);
  Show(c, 10, 0, 0, 50, 50, 1);
  Show(c, 20, 20, 20, 50, 50, 2);
  Show(c, 30, 40, 40, 10, 10, 3);
  c.SetVisible(30, false);
  c.Place(40, 0, 0, 0, 0);  // visible but empty
  c.SetVisible(40, true);
  c.SendToBack(20);  // now 10 is above 20
  struct Case {
    int x, y, layer, lx, ly;
  } cases[] = {
      {5, 5, 10, 5, 5},
      {30, 30, 10, 30, 30},   // both cover it: 10 is in front after SendToBack(20)
      {60, 60, 20, 40, 40},
      {45, 45, 10, 45, 45},   // the hidden layer 30 is skipped
      {80, 10, -1, 80, 10},   // window coordinates when nothing is hit
      {50, 10, -1, 50, 10},   // right edge is exclusive
      {-1, -1, -1, -1, -1},
  };
  for (const Case& k : cases) {
    int lx = 123, ly = 456;
    EXPECT_EQ(c.HitTest(k.x, k.y, &lx, &ly), k.layer) << k.x << "," << k.y;
    EXPECT_EQ(lx, k.lx);
    EXPECT_EQ(ly, k.ly);
  }
  c.BringToFront(20);
  EXPECT_EQ(c.HitTest(30, 30, nullptr, nullptr), 20);
}

TEST(CompositorTest, ComposeReportsOnlyVisibleChanges) {
  Compositor c(30, 20);
  Show(c, 5, 2, 2, 10, 10, 0x123456);
  c.Place(6, 0, 0, 5, 5, 0x654321);
  c.Compose();
  const uint64_t frameGen = c.Frame().Generation();
  struct Case {
    const char* what;
    void (*op)(Compositor&);
    bool changed;
  } cases[] = {
      {"nothing", [](Compositor&) {}, false},
      {"same place again", [](Compositor& k) { k.Place(5, 2, 2, 10, 10); }, false},
      {"hidden layer drawn", [](Compositor& k) { k.Layer(6).image.Set(1, 1, 9); }, false},
      {"hidden layer moved", [](Compositor& k) { k.Place(6, 3, 3, 5, 5); }, false},
      {"hidden layer restacked", [](Compositor& k) { k.BringToFront(6); }, false},
      {"front layer to front", [](Compositor& k) { k.BringToFront(6); }, false},
      {"visible layer drawn", [](Compositor& k) { k.Layer(5).image.Set(1, 1, 9); }, true},
      {"visible layer moved", [](Compositor& k) { k.Place(5, 3, 2, 10, 10); }, true},
      {"visible layer restacked", [](Compositor& k) { k.SendToBack(5); }, true},
      {"layer shown", [](Compositor& k) { k.SetVisible(6, true); }, true},
      {"background drawn", [](Compositor& k) { k.Background().Set(0, 0, 1); }, true},
      {"invalidated", [](Compositor& k) { k.InvalidateAll(); }, true},
  };
  for (const Case& k : cases) {
    k.op(c);
    EXPECT_EQ(c.Compose(), k.changed) << k.what;
    EXPECT_FALSE(c.Compose()) << k.what << ": a second Compose has nothing to do";
    ExpectFrameIsReference(c, k.what);
  }
  EXPECT_NE(c.Frame().Generation(), frameGen);
}

TEST(CompositorTest, OnlyTheDirtyAreaIsRecomposed) {
  Compositor c(40, 30);
  c.Background().Reset(40, 30, 0x101010);
  Show(c, 1, 0, 0, 5, 5, 0xFF0000);
  c.Compose();
  // Background writes that bypass MarkChanged show only where something else
  // makes the frame recompose: here the old and new place of the moved layer.
  c.Background().Row(2)[2] = 0xABCDEF;    // uncovered by the move
  c.Background().Row(20)[30] = 0xABCDEF;  // far from it
  c.Place(1, 10, 10, 5, 5);
  EXPECT_TRUE(c.Compose());
  EXPECT_EQ(c.Frame().Get(2, 2), 0xABCDEFu);
  EXPECT_EQ(c.Frame().Get(30, 20), 0x101010u);
  EXPECT_EQ(c.Frame().Get(12, 12), 0xFF0000u);

  // A change behind an opaque layer covering the window leaves the frame as it was.
  Show(c, 2, 0, 0, 40, 30, 0x00FF00);
  c.Compose();
  const std::vector<uint32_t> before = c.Frame().Pixels();
  c.Background().Set(7, 7, 0x777777);
  c.Layer(1).image.Set(0, 0, 0x777777);
  c.Compose();
  EXPECT_EQ(c.Frame().Pixels(), before);
}

TEST(CompositorTest, PlaceKeepsPixelsUnlessTheSizeChanges) {
  Compositor c(10, 10);
  c.Place(4, 0, 0, 3, 3, 0x0000AA);
  c.Layer(4).image.Set(1, 1, 0xBBBBBB);
  c.Place(4, 5, 5, 3, 3, 0x0000CC);
  EXPECT_EQ(c.Layer(4).image.Get(1, 1), 0xBBBBBBu);
  EXPECT_EQ(c.Layer(4).image.Get(0, 0), 0x0000AAu);
  c.Place(4, 5, 5, 4, 3, 0x0000CC);
  EXPECT_EQ(c.Layer(4).image.Get(1, 1), 0x0000CCu);
  c.Place(4, 0, 0, -3, 2);
  EXPECT_TRUE(c.Layer(4).image.Empty());
  // Bad layer numbers are ignored.
  c.Place(-1, 0, 0, 3, 3);
  c.Place(kLayerCount, 0, 0, 3, 3);
  c.SetVisible(kLayerCount, true);
  c.BringToFront(-2);
  c.SendToBack(kLayerCount);
  EXPECT_EQ(c.ZIndex(kLayerCount), -1);
  EXPECT_EQ(c.ZIndex(4), 4);
}

TEST(CompositorTest, ReplacingAnImageOfTheSameSizeIsNoticed) {
  Compositor c(10, 10);
  Show(c, 0, 0, 0, 4, 4, 0x111111);
  c.Compose();
  c.Layer(0).image = Surface(4, 4, 0x222222);
  EXPECT_TRUE(c.Compose());
  EXPECT_EQ(c.Frame().Get(3, 3), 0x222222u);
}

// Whether (x, y) lies in one of the rectangles.
bool Inside(const std::vector<PixelRect>& rects, int x, int y) {
  for (const PixelRect& r : rects) {
    if (x >= r.x && y >= r.y && x < r.x + r.w && y < r.y + r.h) return true;
  }
  return false;
}

// The window is updated only where ChangedRects says, so every pixel that changed
// must be inside them.
TEST(CompositorTest, RandomEditsAlwaysMatchAFullRecompose) {
  Compositor c(48, 32);
  c.Background().Reset(48, 32, 0x0A0A0A);
  uint32_t seed = 12345;
  auto next = [&seed](int n) {
    seed = seed * 1664525u + 1013904223u;
    return static_cast<int>((seed >> 8) % static_cast<uint32_t>(n));
  };
  const int layers[] = {0, 1, 2, 50, 98, 99};
  for (int step = 0; step < 400; ++step) {
    const int i = layers[next(6)];
    switch (next(8)) {
      case 0:
        c.Place(i, next(60) - 10, next(44) - 10, next(30), next(20), static_cast<uint32_t>(next(0xFFFFFF)));
        break;
      case 1: c.SetVisible(i, !c.Layer(i).visible); break;
      case 2: c.BringToFront(i); break;
      case 3: c.SendToBack(i); break;
      case 4:
        FillRect(c.Layer(i).image, {next(10), next(10), next(10), next(10)}, static_cast<uint32_t>(next(0xFFFFFF)));
        break;
      case 5: c.Layer(i).x += next(5) - 2; break;
      case 6:
        if (next(4) == 0) c.Background().Set(next(48), next(32), static_cast<uint32_t>(next(0xFFFFFF)));
        break;
      case 7: c.Layer(i).hollow = !c.Layer(i).hollow; break;
    }
    const std::vector<uint32_t> before = c.Frame().Pixels();
    const bool changed = c.Compose();
    ASSERT_EQ(c.Frame().Pixels(), ReferenceFrame(c).Pixels()) << "step " << step;
    ASSERT_EQ(changed, !c.ChangedRects().empty()) << "step " << step;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 48; ++x) {
        if (c.Frame().Get(x, y) != before[static_cast<size_t>(y) * 48 + x]) {
          ASSERT_TRUE(Inside(c.ChangedRects(), x, y)) << "step " << step << " at " << x << "," << y;
        }
      }
    }
  }
}

}  // namespace
}  // namespace tq
