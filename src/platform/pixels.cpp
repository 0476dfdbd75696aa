#include "platform/pixels.h"

#include "platform/compositor.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tq {

namespace {

std::atomic<uint64_t> g_generation{1};

int ClampSide(int v) { return std::clamp(v, 0, kMaxSurfaceSide); }

// A buffer holds at most twice its image's pixels, or its pixels and this slack when
// that is more (a small image may change size without reallocating each time). A
// buffer beyond that is given back, so a layer that shrinks or is cleared does not
// keep what it once held.
constexpr size_t kSlackPixels = 16 * 1024;
size_t KeptLimit(size_t pixels) { return std::max(2 * pixels, pixels + kSlackPixels); }

// The room a buffer that must grow is given: half as much again as it had (and at
// least the slack), so that a layer growing a row a frame reallocates only now and
// then, but short of KeptLimit, so that a slight shrink after a growth does not give
// the memory straight back. A surface with no buffer yet gets just what it needs.
size_t GrownRoom(size_t needed, size_t had, size_t pixels) {
  if (had == 0) return needed;
  return std::max(needed, std::min(std::max(had + had / 2, kSlackPixels), KeptLimit(pixels) - pixels / 4));
}

// Buffers given up by surfaces, kept (per thread) for the next surface that needs one
// they fit, so that a layer that grows again (a balloon closed and opened, a wipe
// run twice) builds its rows in memory already faulted in rather than in fresh
// pages. A few, of at most two windows' pixels in all; the largest are kept, as the
// ones whose pages cost most to fault in again.
constexpr size_t kKeptSparePixels = size_t{2} * kWindowWidth * kWindowHeight;
constexpr size_t kSpareCount = 8;
using SpareBuffers = std::array<PixelBuffer, kSpareCount>;
SpareBuffers& Spares() {
  thread_local SpareBuffers spares;
  return spares;
}

// A buffer with room for needed pixels and at most limit, holding no pixel yet: the
// smallest spare that fits, else a new one with room for room. Nothing for no pixels.
PixelBuffer TakeBuffer(size_t needed, size_t room, size_t limit) {
  PixelBuffer out;
  if (needed == 0) return out;
  PixelBuffer* best = nullptr;
  for (PixelBuffer& b : Spares()) {
    const size_t c = b.capacity();
    if (c >= needed && c <= limit && (best == nullptr || c < best->capacity())) best = &b;
  }
  if (best == nullptr) {
    out.reserve(room);
  } else {
    out.swap(*best);
    out.clear();
  }
  return out;
}

// Keeps a given-up buffer among the spares in place of the smallest, when larger;
// while the spares hold more than the bound, the smallest are freed. A buffer beyond
// the bound (a wild size from a script) is freed at once.
void PutBy(PixelBuffer old) {
  if (old.capacity() > kKeptSparePixels) return;
  SpareBuffers& spares = Spares();
  auto byCapacity = [](const PixelBuffer& a, const PixelBuffer& b) { return a.capacity() < b.capacity(); };
  std::sort(spares.begin(), spares.end(), byCapacity);
  if (spares.front().capacity() >= old.capacity()) return;
  spares.front().swap(old);
  std::sort(spares.begin(), spares.end(), byCapacity);
  size_t total = 0;
  for (const PixelBuffer& b : spares) total += b.capacity();
  for (PixelBuffer& b : spares) {
    if (total <= kKeptSparePixels) break;
    total -= b.capacity();
    PixelBuffer().swap(b);
  }
}

// Fills the inclusive box (l, t)-(r, b), given in any 64-bit range, clipped to s.
void FillInclusive(Surface& s, int64_t l, int64_t t, int64_t r, int64_t b, uint32_t px) {
  if (l > r) std::swap(l, r);
  if (t > b) std::swap(t, b);
  l = std::max<int64_t>(l, 0);
  t = std::max<int64_t>(t, 0);
  r = std::min<int64_t>(r, s.Width() - 1);
  b = std::min<int64_t>(b, s.Height() - 1);
  if (l > r || t > b) return;
  for (int64_t y = t; y <= b; ++y) std::fill(s.Row(static_cast<int>(y)) + l, s.Row(static_cast<int>(y)) + r + 1, px);
  s.MarkChanged();
}

// One destination pixel on a sampled axis and the source pixel that feeds it.
struct Tap {
  int d;
  int s;
};

// Maps one axis of a stretched copy: destination step i (counted from the
// rectangle's starting corner) reads source step i * |sLen| / |dLen|. Only taps
// whose both ends fall inside their surfaces are kept, so the work is bounded by
// the destination's size whatever the coordinates.
std::vector<Tap> MapAxis(int dPos, int dLen, int dExtent, int sPos, int sLen, int sExtent) {
  std::vector<Tap> taps;
  if (dLen == 0 || sLen == 0 || dExtent <= 0 || sExtent <= 0) return taps;
  const int64_t dn = dLen < 0 ? -static_cast<int64_t>(dLen) : dLen;
  const int64_t sn = sLen < 0 ? -static_cast<int64_t>(sLen) : sLen;
  const int64_t dStart = dLen < 0 ? static_cast<int64_t>(dPos) - 1 : dPos;
  const int64_t sStart = sLen < 0 ? static_cast<int64_t>(sPos) - 1 : sPos;
  const int dStep = dLen < 0 ? -1 : 1;
  const int sStep = sLen < 0 ? -1 : 1;
  // Steps whose destination coordinate lies in [0, dExtent).
  int64_t lo, hi;
  if (dStep > 0) {
    lo = std::max<int64_t>(0, -dStart);
    hi = std::min<int64_t>(dn - 1, dExtent - 1 - dStart);
  } else {
    lo = std::max<int64_t>(0, dStart - (dExtent - 1));
    hi = std::min<int64_t>(dn - 1, dStart);
  }
  for (int64_t i = lo; i <= hi; ++i) {
    // i < 2^31 and sn <= 2^31, so the product fits in 64 bits.
    const int64_t j = static_cast<int64_t>(static_cast<uint64_t>(i) * static_cast<uint64_t>(sn) /
                                           static_cast<uint64_t>(dn));
    const int64_t sc = sStart + sStep * j;
    if (sc < 0 || sc >= sExtent) continue;
    taps.push_back({static_cast<int>(dStart + dStep * i), static_cast<int>(sc)});
  }
  return taps;
}

// (s * a + d * (255 - a) + 127) / 255 for each channel. Red and blue go together,
// 16 bits apart: each sum is below 65536, and for such x, x / 255 is
// (x + (x >> 8) + 1) >> 8 exactly, so no lane spills into the next.
inline uint32_t BlendPixel(uint32_t s, uint32_t d, uint32_t a) {
  const uint32_t ia = 255 - a;
  uint32_t rb = (s & 0xFF00FFu) * a + (d & 0xFF00FFu) * ia + 0x7F007Fu;
  uint32_t g = ((s >> 8) & 0xFFu) * a + ((d >> 8) & 0xFFu) * ia + 0x7Fu;
  rb = ((rb + ((rb >> 8) & 0xFF00FFu) + 0x10001u) >> 8) & 0xFF00FFu;
  g = (g + (g >> 8) + 1) >> 8;
  return rb | (g << 8);
}

// Stretched copy or blend; alpha < 0 means a plain copy.
void Sample(Surface& dst, PixelRect d, const Surface& src, PixelRect s, int alpha) {
  const std::vector<Tap> xs = MapAxis(d.x, d.w, dst.Width(), s.x, s.w, src.Width());
  const std::vector<Tap> ys = MapAxis(d.y, d.h, dst.Height(), s.y, s.h, src.Height());
  if (xs.empty() || ys.empty()) return;
  // Reading and writing one surface: read from a copy so no pixel is read after
  // it has been overwritten.
  Surface copy;
  const Surface* from = &src;
  if (&dst == &src) {
    copy = src;
    from = &copy;
  }
  for (const Tap& ty : ys) {
    uint32_t* out = dst.Row(ty.d);
    const uint32_t* in = from->Row(ty.s);
    if (alpha < 0) {
      for (const Tap& tx : xs) out[tx.d] = in[tx.s];
    } else {
      const uint32_t a = static_cast<uint32_t>(alpha);
      for (const Tap& tx : xs) out[tx.d] = BlendPixel(in[tx.s], out[tx.d], a);
    }
  }
  dst.MarkChanged();
}

}  // namespace

uint64_t Surface::NextGeneration() { return g_generation.fetch_add(1, std::memory_order_relaxed) + 1; }

PixelRect Intersect(const PixelRect& a, const PixelRect& b) {
  if (IsEmpty(a) || IsEmpty(b)) return {};
  const int64_t x1 = std::max(a.x, b.x);
  const int64_t y1 = std::max(a.y, b.y);
  const int64_t x2 = std::min(static_cast<int64_t>(a.x) + a.w, static_cast<int64_t>(b.x) + b.w);
  const int64_t y2 = std::min(static_cast<int64_t>(a.y) + a.h, static_cast<int64_t>(b.y) + b.h);
  if (x2 <= x1 || y2 <= y1) return {};
  return {static_cast<int>(x1), static_cast<int>(y1), static_cast<int>(x2 - x1), static_cast<int>(y2 - y1)};
}

bool IsEmpty(const PixelRect& r) { return r.w <= 0 || r.h <= 0; }

Surface::Surface(int width, int height, uint32_t fill) { Reset(width, height, fill); }

Surface::Surface(const Surface&) = default;
Surface::Surface(Surface&&) noexcept = default;
Surface& Surface::operator=(Surface&&) noexcept = default;
Surface::~Surface() = default;

// Copies into the buffer already there when it fits the picture, so a layer that takes
// picture after picture keeps one buffer; a buffer too large for the picture is given
// up (a layer that held a whole-window picture and now holds an icon).
Surface& Surface::operator=(const Surface& other) {
  if (this == &other) return *this;
  const size_t needed = other.pixels_.size();
  const size_t pixels = static_cast<size_t>(other.width_) * other.height_;
  Refit(needed, pixels, false);
  pixels_.assign(other.pixels_.begin(), other.pixels_.end());
  width_ = other.width_;
  height_ = other.height_;
  stride_ = other.stride_;
  generation_ = other.generation_;
  return *this;
}

void Surface::Refit(size_t needed, size_t pixels, bool exact) {
  const size_t had = pixels_.capacity();
  const size_t limit = KeptLimit(pixels);
  if (had >= needed && had <= limit) return;
  // Growing: room to grow on. Shrinking: a buffer fitted to the image.
  const size_t room = had < needed && !exact ? GrownRoom(needed, had, pixels) : needed;
  PixelBuffer fresh = TakeBuffer(needed, room, limit);
  pixels_.swap(fresh);
  PutBy(std::move(fresh));
}

void Surface::Reset(int width, int height, uint32_t fill) {
  width_ = ClampSide(width);
  height_ = ClampSide(height);
  const size_t pixels = static_cast<size_t>(width_) * height_;
  const size_t had = pixels_.capacity();
  // Rows keep their stride while the new width fits it and the buffer holds them (a
  // balloon cleared small to grow again), so the growth that follows moves no pixel.
  const bool keepStride = width_ <= stride_ && width_ * 2 >= stride_ &&
                          static_cast<size_t>(stride_) * height_ <= had && had <= KeptLimit(pixels);
  if (!keepStride) {
    stride_ = width_;
    Refit(pixels, pixels, false);
  }
  // Every pixel is written below: the buffer's old pixels need not be kept.
  pixels_.clear();
  pixels_.resize(static_cast<size_t>(stride_) * height_);
  for (int y = 0; y < height_; ++y) std::fill_n(Row(y), width_, fill);
  MarkChanged();
}

void Surface::ResizeForOverwrite(int width, int height) {
  width_ = ClampSide(width);
  height_ = ClampSide(height);
  stride_ = width_;
  const size_t pixels = static_cast<size_t>(width_) * height_;
  // A decoded picture comes at once, not a row a frame: a buffer fitted to it.
  Refit(pixels, pixels, true);
  pixels_.clear();
  pixels_.resize(pixels);
  MarkChanged();
}

void Surface::ResizeKeeping(int width, int height, uint32_t fill) {
  const int w = ClampSide(width);
  const int h = ClampSide(height);
  const int keptW = std::min(w, width_);
  const int keptH = std::min(h, height_);
  const size_t pixels = static_cast<size_t>(w) * h;
  const size_t had = pixels_.capacity();
  if (w <= stride_ && static_cast<size_t>(stride_) * h <= had && had <= KeptLimit(pixels)) {
    // The rows keep their place: a shrink moves no pixel, a growth writes only the
    // new ones.
    pixels_.resize(static_cast<size_t>(stride_) * h);
    for (int y = 0; y < h; ++y) {
      uint32_t* row = pixels_.data() + static_cast<size_t>(y) * stride_;
      std::fill(row + (y < keptH ? keptW : 0), row + w, fill);
    }
  } else {
    // New rows in another buffer. A widening one leaves room for the next steps of a
    // growth (up to the window's width, which a growing balloon or wipe stays
    // within); a stride that still fits is kept; else the rows fit the width.
    int stride = w;
    if (w > stride_ && width_ > 0) {
      stride = std::max(w, std::min(w + w / 2, kWindowWidth));
    } else if (w <= stride_ && stride_ <= w + w / 2) {
      stride = stride_;
    }
    const size_t needed = static_cast<size_t>(stride) * h;
    const size_t limit = KeptLimit(pixels);
    PixelBuffer grown = TakeBuffer(needed, needed > had ? GrownRoom(needed, had, pixels) : needed, limit);
    grown.resize(needed);
    for (int y = 0; y < h; ++y) {
      uint32_t* row = grown.data() + static_cast<size_t>(y) * stride;
      const int kept = y < keptH ? keptW : 0;
      if (kept > 0) std::copy_n(Row(y), kept, row);
      std::fill(row + kept, row + w, fill);
    }
    pixels_.swap(grown);
    stride_ = stride;
    PutBy(std::move(grown));
  }
  width_ = w;
  height_ = h;
  MarkChanged();
}

std::vector<uint32_t> Surface::Pixels() const {
  std::vector<uint32_t> out;
  out.reserve(static_cast<size_t>(width_) * height_);
  for (int y = 0; y < height_; ++y) out.insert(out.end(), Row(y), Row(y) + width_);
  return out;
}

uint32_t Surface::Get(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return Row(y)[x];
}

void Surface::Set(int x, int y, uint32_t px) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  Row(y)[x] = px;
  MarkChanged();
}

void FillRect(Surface& s, PixelRect r, uint32_t px) {
  r = Intersect(r, {0, 0, s.Width(), s.Height()});
  if (IsEmpty(r)) return;
  for (int y = r.y; y < r.y + r.h; ++y) std::fill_n(s.Row(y) + r.x, r.w, px);
  s.MarkChanged();
}

void DrawLine(Surface& s, int x1, int y1, int x2, int y2, uint32_t px, bool includeEnd) {
  const int64_t dx = static_cast<int64_t>(x2) - x1;
  const int64_t dy = static_cast<int64_t>(y2) - y1;
  const bool xMajor = std::abs(dx) >= std::abs(dy);
  // Walk the major axis one pixel per step; the minor coordinate of step i is
  // i * minor / major rounded half up, which is Bresenham's choice.
  const int64_t n = xMajor ? std::abs(dx) : std::abs(dy);
  const int64_t nMinor = xMajor ? std::abs(dy) : std::abs(dx);
  const int64_t last = includeEnd ? n : n - 1;
  if (last < 0) return;
  const int64_t m0 = xMajor ? x1 : y1;
  const int64_t k0 = xMajor ? y1 : x1;
  const int mStep = (xMajor ? dx : dy) < 0 ? -1 : 1;
  const int kStep = (xMajor ? dy : dx) < 0 ? -1 : 1;
  const int64_t mExtent = xMajor ? s.Width() : s.Height();
  const int64_t kExtent = xMajor ? s.Height() : s.Width();
  // Only steps whose major coordinate is on the surface, so far-off coordinates
  // cost nothing.
  int64_t lo, hi;
  if (mStep > 0) {
    lo = std::max<int64_t>(0, -m0);
    hi = std::min<int64_t>(last, mExtent - 1 - m0);
  } else {
    lo = std::max<int64_t>(0, m0 - (mExtent - 1));
    hi = std::min<int64_t>(last, m0);
  }
  bool drawn = false;
  for (int64_t i = lo; i <= hi; ++i) {
    int64_t k = k0;
    if (n > 0) {
      // 2 * i * nMinor can pass 2^63 for coordinates near the int limits.
      __extension__ using Wide = __int128;
      k += kStep * static_cast<int64_t>((Wide{2} * i * nMinor + n) / (Wide{2} * n));
    }
    if (k < 0 || k >= kExtent) continue;
    const int64_t m = m0 + mStep * i;
    const int x = static_cast<int>(xMajor ? m : k);
    const int y = static_cast<int>(xMajor ? k : m);
    s.Row(y)[x] = px;
    drawn = true;
  }
  if (drawn) s.MarkChanged();
}

void DrawBox(Surface& s, int x1, int y1, int x2, int y2, uint32_t px) {
  FillInclusive(s, x1, y1, x2, y1, px);
  FillInclusive(s, x1, y2, x2, y2, px);
  FillInclusive(s, x1, y1, x1, y2, px);
  FillInclusive(s, x2, y1, x2, y2, px);
}

void FillBox(Surface& s, int x1, int y1, int x2, int y2, uint32_t px) { FillInclusive(s, x1, y1, x2, y2, px); }

void CopyRect(Surface& dst, int dx, int dy, const Surface& src, int sx, int sy, int w, int h) {
  if (w <= 0 || h <= 0) return;
  int64_t sx0 = sx, sy0 = sy, dx0 = dx, dy0 = dy, cw = w, ch = h;
  // Trim the leading edges that fall outside either surface, then the trailing ones.
  if (sx0 < 0) { dx0 -= sx0; cw += sx0; sx0 = 0; }
  if (dx0 < 0) { sx0 -= dx0; cw += dx0; dx0 = 0; }
  if (sy0 < 0) { dy0 -= sy0; ch += sy0; sy0 = 0; }
  if (dy0 < 0) { sy0 -= dy0; ch += dy0; dy0 = 0; }
  cw = std::min({cw, src.Width() - sx0, dst.Width() - dx0});
  ch = std::min({ch, src.Height() - sy0, dst.Height() - dy0});
  if (cw <= 0 || ch <= 0) return;
  const size_t bytes = static_cast<size_t>(cw) * sizeof(uint32_t);
  // Within one surface, a copy downwards must go bottom-up so rows are read
  // before they are overwritten; memmove covers overlap inside a row.
  const bool bottomUp = &dst == &src && dy0 > sy0;
  for (int64_t r = 0; r < ch; ++r) {
    const int64_t row = bottomUp ? ch - 1 - r : r;
    std::memmove(dst.Row(static_cast<int>(dy0 + row)) + dx0, src.Row(static_cast<int>(sy0 + row)) + sx0, bytes);
  }
  dst.MarkChanged();
}

void StretchRect(Surface& dst, PixelRect d, const Surface& src, PixelRect s) { Sample(dst, d, src, s, -1); }

void AlphaBlendRect(Surface& dst, PixelRect d, const Surface& src, PixelRect s, int alpha) {
  alpha = std::clamp(alpha, 0, 255);
  if (alpha == 0) return;  // leaves the destination as it is
  Sample(dst, d, src, s, alpha);
}

namespace {

// Blends one row of n pixels under a coverage mask, as BlendPixel does each one:
// coverage 0 leaves the pixel as it is, 255 puts the colour.
void BlendMaskRow(uint32_t* out, const uint8_t* m, int n, uint32_t px) {
  int i = 0;
#if defined(__SSE2__)
  // Four pixels at a time, their channels in 16-bit lanes.
  const __m128i zero = _mm_setzero_si128();
  const __m128i colour = _mm_set1_epi32(static_cast<int>(px & 0xFFFFFFu));
  const __m128i colourLanes = _mm_unpacklo_epi8(colour, zero);
  const __m128i full = _mm_set1_epi16(255);
  const __m128i half = _mm_set1_epi16(127);
  const __m128i one = _mm_set1_epi16(1);
  const __m128i rgb = _mm_set1_epi32(0x00FFFFFF);
  for (; i + 4 <= n; i += 4) {
    uint32_t four;
    std::memcpy(&four, m + i, sizeof four);
    if (four == 0) continue;
    __m128i* at = reinterpret_cast<__m128i*>(out + i);
    if (four == 0xFFFFFFFFu) {
      _mm_storeu_si128(at, colour);
      continue;
    }
    const __m128i d = _mm_loadu_si128(at);
    const __m128i a16 = _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(four)), zero);  // a0..a3
    const __m128i pairs = _mm_unpacklo_epi16(a16, a16);                                        // a0 a0 a1 a1 ..
    const __m128i aLo = _mm_unpacklo_epi32(pairs, pairs);  // a0 x4, a1 x4
    const __m128i aHi = _mm_unpackhi_epi32(pairs, pairs);  // a2 x4, a3 x4
    auto blend = [&](__m128i dLanes, __m128i a) {
      __m128i x = _mm_add_epi16(_mm_mullo_epi16(colourLanes, a), _mm_mullo_epi16(dLanes, _mm_sub_epi16(full, a)));
      x = _mm_add_epi16(x, half);
      // x / 255 for x below 65536: (x + (x >> 8) + 1) >> 8, as BlendPixel.
      return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(x, _mm_srli_epi16(x, 8)), one), 8);
    };
    __m128i blended = _mm_packus_epi16(blend(_mm_unpacklo_epi8(d, zero), aLo), blend(_mm_unpackhi_epi8(d, zero), aHi));
    blended = _mm_and_si128(blended, rgb);
    // Pixels under no coverage keep every bit they had.
    const __m128i untouched = _mm_cmpeq_epi32(_mm_unpacklo_epi16(a16, zero), zero);
    _mm_storeu_si128(at, _mm_or_si128(_mm_and_si128(untouched, d), _mm_andnot_si128(untouched, blended)));
  }
#endif
  for (; i < n; ++i) {
    if (m[i] == 255) {
      out[i] = px & 0xFFFFFF;
    } else if (m[i] != 0) {
      out[i] = BlendPixel(px, out[i], m[i]);
    }
  }
}

}  // namespace

void BlendMask(Surface& dst, int x, int y, const uint8_t* mask, int maskW, int maskH, int pitch,
               uint32_t px) {
  if (mask == nullptr || maskW <= 0 || maskH <= 0 || pitch < maskW) return;
  const PixelRect r = Intersect({x, y, maskW, maskH}, {0, 0, dst.Width(), dst.Height()});
  if (IsEmpty(r)) return;
  for (int row = r.y; row < r.y + r.h; ++row) {
    BlendMaskRow(dst.Row(row) + r.x, mask + static_cast<size_t>(row - y) * pitch + (r.x - x), r.w, px);
  }
  dst.MarkChanged();
}

}  // namespace tq
