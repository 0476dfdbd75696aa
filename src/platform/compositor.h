// The window's picture: a background surface and 100 opaque layers stacked in z-order.
//
// Layers are opaque, so every window pixel comes from exactly one source: the
// topmost visible layer over it, else the background. Compose() copies only what
// changed since the last call (layer geometry, visibility, order or pixels).
#pragma once

#include <array>
#include <vector>

#include "platform/pixels.h"

namespace tq {

constexpr int kLayerCount = 100;
constexpr int kWindowWidth = 920;
constexpr int kWindowHeight = 690;

struct LayerSurface {
  int x = 0;
  int y = 0;
  bool visible = false;
  // Shows nothing and takes no clicks, though visible and sized: a face slot's anchor
  // that holds no picture.
  bool hollow = false;
  Surface image;  // the layer's size is the image's size
};

class Compositor {
 public:
  Compositor(int width = kWindowWidth, int height = kWindowHeight);

  int Width() const { return frame_.Width(); }
  int Height() const { return frame_.Height(); }

  Surface& Background() { return background_; }
  LayerSurface& Layer(int i) { return layers_.at(i); }
  const LayerSurface& Layer(int i) const { return layers_.at(i); }

  // Moves and sizes a layer; a size change clears its image to fill.
  void Place(int i, int x, int y, int w, int h, uint32_t fill = 0);
  void SetVisible(int i, bool visible);
  void BringToFront(int i);
  void SendToBack(int i);
  // Position in the stacking order, 0 the bottom.
  int ZIndex(int i) const;
  // Layer indices from bottom to top.
  const std::vector<int>& Order() const { return order_; }

  // The topmost visible layer containing the window point, or -1 for the window;
  // localX/localY receive the point relative to that layer (or the window).
  int HitTest(int x, int y, int* localX, int* localY) const;

  // Brings Frame() up to date; returns false when nothing had changed.
  bool Compose();
  const Surface& Frame() const { return frame_; }
  // The disjoint rectangles the last Compose() redrew: all of the frame that changed.
  const std::vector<PixelRect>& ChangedRects() const { return changed_; }
  void InvalidateAll();

 private:
  struct Snapshot {
    int x = 0, y = 0, w = 0, h = 0;
    bool visible = false;
    uint64_t generation = 0;
  };
  void ComposeRect(PixelRect r);

  Surface background_;
  Surface frame_;
  std::array<LayerSurface, kLayerCount> layers_;
  std::vector<int> order_;
  std::array<Snapshot, kLayerCount> shown_{};
  uint64_t shownBackground_ = 0;
  bool orderChanged_ = true;
  std::array<bool, kLayerCount> restacked_{};  // moved in the order since the last Compose
  std::vector<PixelRect> changed_;
  bool all_ = true;
};

}  // namespace tq
