#include "platform/compositor.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <utility>

namespace tq {

namespace {

// Past this many separate dirty rectangles, one bounding box is cheaper to track.
constexpr size_t kMaxDirtyRects = 8;

bool ValidLayer(int i) { return i >= 0 && i < kLayerCount; }

PixelRect Union(const PixelRect& a, const PixelRect& b) {
  const int x1 = std::min(a.x, b.x);
  const int y1 = std::min(a.y, b.y);
  const int x2 = std::max(a.x + a.w, b.x + b.w);
  const int y2 = std::max(a.y + a.h, b.y + b.h);
  return {x1, y1, x2 - x1, y2 - y1};
}

// Adds r (already clipped to the window) to a short list of disjoint rectangles,
// merging it with any it overlaps so no pixel is composed twice.
void AddDirty(std::vector<PixelRect>& dirty, PixelRect r) {
  if (IsEmpty(r)) return;
  for (size_t k = 0; k < dirty.size();) {
    if (!IsEmpty(Intersect(dirty[k], r))) {
      r = Union(r, dirty[k]);
      dirty.erase(dirty.begin() + static_cast<std::ptrdiff_t>(k));
      k = 0;  // the grown rectangle may now overlap earlier ones
    } else {
      ++k;
    }
  }
  dirty.push_back(r);
  if (dirty.size() > kMaxDirtyRects) {
    PixelRect all = dirty[0];
    for (const PixelRect& d : dirty) all = Union(all, d);
    dirty.assign(1, all);
  }
}

}  // namespace

Compositor::Compositor(int width, int height) : background_(width, height, 0), frame_(width, height, 0) {
  order_.resize(kLayerCount);
  std::iota(order_.begin(), order_.end(), 0);
}

void Compositor::Place(int i, int x, int y, int w, int h, uint32_t fill) {
  if (!ValidLayer(i)) return;
  LayerSurface& l = layers_[i];
  l.x = x;
  l.y = y;
  w = std::clamp(w, 0, kMaxSurfaceSide);
  h = std::clamp(h, 0, kMaxSurfaceSide);
  if (l.image.Width() != w || l.image.Height() != h) l.image.Reset(w, h, fill);
}

void Compositor::SetVisible(int i, bool visible) {
  if (ValidLayer(i)) layers_[i].visible = visible;
}

void Compositor::BringToFront(int i) {
  if (!ValidLayer(i) || order_.back() == i) return;
  order_.erase(std::find(order_.begin(), order_.end(), i));
  order_.push_back(i);
  restacked_[i] = true;
  orderChanged_ = true;
}

void Compositor::SendToBack(int i) {
  if (!ValidLayer(i) || order_.front() == i) return;
  order_.erase(std::find(order_.begin(), order_.end(), i));
  order_.insert(order_.begin(), i);
  restacked_[i] = true;
  orderChanged_ = true;
}

int Compositor::ZIndex(int i) const {
  const auto it = std::find(order_.begin(), order_.end(), i);
  return it == order_.end() ? -1 : static_cast<int>(it - order_.begin());
}

int Compositor::HitTest(int x, int y, int* localX, int* localY) const {
  int hit = -1, lx = x, ly = y;
  for (auto it = order_.rbegin(); it != order_.rend(); ++it) {
    const LayerSurface& l = layers_[*it];
    if (!l.visible || l.hollow || l.image.Empty()) continue;
    const int64_t dx = static_cast<int64_t>(x) - l.x;
    const int64_t dy = static_cast<int64_t>(y) - l.y;
    if (dx < 0 || dy < 0 || dx >= l.image.Width() || dy >= l.image.Height()) continue;
    hit = *it;
    lx = static_cast<int>(dx);
    ly = static_cast<int>(dy);
    break;
  }
  if (localX) *localX = lx;
  if (localY) *localY = ly;
  return hit;
}

void Compositor::InvalidateAll() { all_ = true; }

bool Compositor::Compose() {
  const PixelRect window{0, 0, frame_.Width(), frame_.Height()};
  // Background pixels may have changed anywhere, so that redraws the whole window.
  const bool full = all_ || background_.Generation() != shownBackground_;
  std::vector<PixelRect>& dirty = changed_;
  dirty.clear();
  for (int i = 0; i < kLayerCount; ++i) {
    const LayerSurface& l = layers_[i];
    const Snapshot now{l.x, l.y, l.image.Width(), l.image.Height(), l.visible && !l.hollow, l.image.Generation()};
    Snapshot& was = shown_[i];
    const bool restacked = orderChanged_ && restacked_[i];
    if (!restacked && now.x == was.x && now.y == was.y && now.w == was.w && now.h == was.h &&
        now.visible == was.visible && now.generation == was.generation) {
      continue;
    }
    // A layer's change (or its move in the order) can only alter pixels where it
    // was or is shown.
    if (!full) {
      if (was.visible) AddDirty(dirty, Intersect({was.x, was.y, was.w, was.h}, window));
      if (now.visible) AddDirty(dirty, Intersect({now.x, now.y, now.w, now.h}, window));
    }
    was = now;
  }
  restacked_.fill(false);
  orderChanged_ = false;
  all_ = false;
  shownBackground_ = background_.Generation();
  if (full) {
    dirty.clear();
    AddDirty(dirty, window);
  }
  if (dirty.empty()) return false;
  for (const PixelRect& r : dirty) ComposeRect(r);
  frame_.MarkChanged();
  return true;
}

// Layers are opaque, so each pixel is copied once from the topmost layer over it:
// per row, walk the layers from the top and fill only the still-uncovered runs.
void Compositor::ComposeRect(PixelRect r) {
  struct Span {
    int x0, x1, y0, y1;  // the layer's part inside r, in window coordinates
    int lx, ly;          // the layer's origin
    const Surface* image;
  };
  std::vector<Span> spans;  // topmost first
  for (auto it = order_.rbegin(); it != order_.rend(); ++it) {
    const LayerSurface& l = layers_[*it];
    if (!l.visible || l.hollow || l.image.Empty()) continue;
    const PixelRect c = Intersect({l.x, l.y, l.image.Width(), l.image.Height()}, r);
    if (IsEmpty(c)) continue;
    spans.push_back({c.x, c.x + c.w, c.y, c.y + c.h, l.x, l.y, &l.image});
  }
  const int bgW = background_.Width();
  const int bgH = background_.Height();
  std::vector<std::pair<int, int>> open, next;  // uncovered [x0, x1) runs of the row
  for (int y = r.y; y < r.y + r.h; ++y) {
    uint32_t* out = frame_.Row(y);
    open.assign(1, {r.x, r.x + r.w});
    for (const Span& s : spans) {
      if (y < s.y0 || y >= s.y1) continue;
      const uint32_t* in = s.image->Row(y - s.ly);
      next.clear();
      for (const auto& [a, b] : open) {
        const int ca = std::max(a, s.x0);
        const int cb = std::min(b, s.x1);
        if (ca >= cb) {
          next.emplace_back(a, b);
          continue;
        }
        std::memcpy(out + ca, in + (ca - s.lx), static_cast<size_t>(cb - ca) * sizeof(uint32_t));
        if (a < ca) next.emplace_back(a, ca);
        if (cb < b) next.emplace_back(cb, b);
      }
      open.swap(next);
      if (open.empty()) break;
    }
    // What no layer covers shows the background; black where the background is smaller.
    for (const auto& [a, b] : open) {
      const int inside = y < bgH ? std::clamp(bgW, a, b) : a;
      if (inside > a) std::memcpy(out + a, background_.Row(y) + a, static_cast<size_t>(inside - a) * sizeof(uint32_t));
      std::fill(out + inside, out + b, 0u);
    }
  }
}

}  // namespace tq
