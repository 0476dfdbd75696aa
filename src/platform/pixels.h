// Opaque 32-bit pixel surfaces and the drawing operations between them.
//
// Pixels are stored as 0x00RRGGBB (XRGB, the alpha byte ignored), the layout the
// window back end uploads as is. The game code speaks colours as 0x00BBGGRR
// (red in the low byte); PixelFromColor and ColorFromPixel convert.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace tq {

struct PixelRect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
};

// Intersection of two rectangles (empty when they do not overlap: w or h <= 0).
PixelRect Intersect(const PixelRect& a, const PixelRect& b);
bool IsEmpty(const PixelRect& r);

constexpr uint32_t PixelFromColor(uint32_t bgr) {
  return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}
constexpr uint32_t ColorFromPixel(uint32_t px) {
  return ((px & 0xFF) << 16) | (px & 0xFF00) | ((px >> 16) & 0xFF);
}

constexpr int kMaxSurfaceSide = 16384;

// Leaves new pixels unset when a buffer grows: a buffer about to be overwritten is
// written once, not cleared first.
template <class T>
struct UnsetPixelAllocator : std::allocator<T> {
  template <class U>
  struct rebind {
    using other = UnsetPixelAllocator<U>;
  };
  UnsetPixelAllocator() = default;
  template <class U>
  UnsetPixelAllocator(const UnsetPixelAllocator<U>&) noexcept {}
  template <class U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;
  }
  template <class U, class... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
};
using PixelBuffer = std::vector<uint32_t, UnsetPixelAllocator<uint32_t>>;

class Surface {
 public:
  Surface() = default;
  Surface(int width, int height, uint32_t fill = 0);
  // Out of line, so that copying and freeing a picture always runs the optimised
  // buffer code of this file, whatever the flags of the file that holds the surface.
  Surface(const Surface&);
  Surface(Surface&&) noexcept;
  Surface& operator=(const Surface&);
  Surface& operator=(Surface&&) noexcept;
  ~Surface();

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }

  // Buffers: every resize keeps the buffer (and its row stride, while the width fits
  // it) when it has room for the new size and is not far larger: at most twice the
  // image's pixels, or its pixels and a small slack. A larger buffer is given back,
  // so a layer that shrinks or is cleared frees what it held; a growing one gets room
  // to grow on, so a layer growing a little each frame reallocates only now and then.

  // Resizes and clears every pixel to fill. Negative sizes count as 0; each side
  // is capped at kMaxSurfaceSide so a wild size from a script cannot exhaust memory.
  void Reset(int width, int height, uint32_t fill = 0);
  // Resizes as Reset does but leaves the pixels unset, for a caller that writes
  // every one of them next (a decoded picture).
  void ResizeForOverwrite(int width, int height);
  // Resizes keeping the image's top-left part; new pixels take fill. Rows keep
  // their place in the buffer while they fit, so a slight shrink moves no pixel and
  // a growth writes only the new ones: a layer that changes size every frame (a
  // balloon opening, a wipe) is not copied every frame.
  void ResizeKeeping(int width, int height, uint32_t fill);

  uint32_t Get(int x, int y) const;       // 0 outside the surface
  void Set(int x, int y, uint32_t px);    // ignored outside the surface

  // Rows are Stride() pixels apart (at least Width()). An empty surface may have
  // no buffer at all: its rows are the buffer's start, which holds no pixel.
  uint32_t* Row(int y) { return pixels_.empty() ? pixels_.data() : pixels_.data() + static_cast<size_t>(y) * stride_; }
  const uint32_t* Row(int y) const {
    return pixels_.empty() ? pixels_.data() : pixels_.data() + static_cast<size_t>(y) * stride_;
  }
  int Stride() const { return stride_; }
  const uint32_t* Data() const { return pixels_.data(); }
  // Pixels the buffer has room for: what the surface holds in memory, at least
  // Stride() * Height().
  size_t Capacity() const { return pixels_.capacity(); }
  // A copy of the pixels, row by row, for comparisons.
  std::vector<uint32_t> Pixels() const;

  // Bumped by every change; the compositor compares it to find what changed.
  // Code that writes through Row() must call MarkChanged() itself.
  // Values come from one process-wide counter, so two surfaces share a value only
  // when one is a copy of the other: assigning a new image to a layer is noticed
  // even when the new image has never been changed itself.
  uint64_t Generation() const { return generation_; }
  void MarkChanged() { generation_ = NextGeneration(); }

 private:
  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  PixelBuffer pixels_;  // stride_ * height_ pixels
  uint64_t generation_ = 1;

  // Gives the buffer room for needed pixels, and no more than an image of `pixels`
  // pixels may keep; a replaced buffer's contents are lost. A buffer that must grow
  // gets room to grow on, unless exact.
  void Refit(size_t needed, size_t pixels, bool exact);
  static uint64_t NextGeneration();
};

// All operations clip to both surfaces and never touch pixels outside them.
// Corners are inclusive where the name says Box (as the original's box drawing).
void FillRect(Surface& s, PixelRect r, uint32_t px);
// A line from (x1, y1) to (x2, y2); the end point is drawn only when includeEnd.
void DrawLine(Surface& s, int x1, int y1, int x2, int y2, uint32_t px, bool includeEnd = false);
void DrawBox(Surface& s, int x1, int y1, int x2, int y2, uint32_t px);   // outline, both corners inclusive
void FillBox(Surface& s, int x1, int y1, int x2, int y2, uint32_t px);   // filled, both corners inclusive

// Plain copy (BitBlt SRCCOPY). src and dst may be the same surface, overlapping.
void CopyRect(Surface& dst, int dx, int dy, const Surface& src, int sx, int sy, int w, int h);
// Stretched copy (StretchBlt SRCCOPY): nearest source pixel, sx + (i * sw) / dw.
// A negative width or height on one side mirrors along that axis. A rectangle with
// a negative width covers the columns x + w to x - 1 and is walked from x - 1
// down (likewise for the height), so negating both sides is no mirror.
// Source pixels outside the source leave their destination pixels unchanged.
void StretchRect(Surface& dst, PixelRect d, const Surface& src, PixelRect s);
// Constant-alpha "source over" blend with stretching, exact rounding:
// out = (src * a + dst * (255 - a) + 127) / 255 for each channel; a is 0..255.
void AlphaBlendRect(Surface& dst, PixelRect d, const Surface& src, PixelRect s, int alpha);
// Blends a coverage mask (0..255 per pixel) in one colour onto the surface: text glyphs.
void BlendMask(Surface& dst, int x, int y, const uint8_t* mask, int maskW, int maskH, int pitch,
               uint32_t px);

}  // namespace tq
