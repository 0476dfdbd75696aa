#include "support/balloon_staging.h"

#include <algorithm>

#include "engine/layers.h"
#include "engine/text.h"
#include "platform/compositor.h"
#include "platform/fonts.h"
#include "platform/platform.h"
#include "scenario/face_slots.h"

namespace tq::testing {

double VisibleShare(int layer, const std::set<int>& ignored) {
  const tq::Compositor& screen = tq::ThePlatform().Screen();
  const tq::LayerSurface& l = screen.Layer(layer);
  const std::vector<int>& order = screen.Order();
  // The shown layers that reach over the layer's rectangle, topmost first, down to
  // the layer itself: only these can be the top one at a point of it.
  std::vector<int> over;
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    const tq::LayerSurface& top = screen.Layer(*it);
    if (!top.visible || ignored.count(*it) != 0) continue;
    if (top.x >= l.x + l.image.Width() || top.y >= l.y + l.image.Height() || top.x + top.image.Width() <= l.x ||
        top.y + top.image.Height() <= l.y) {
      continue;
    }
    over.push_back(*it);
    if (*it == layer) break;
  }
  int seen = 0, total = 0;
  for (int y = l.y; y < l.y + l.image.Height(); y += 4) {
    for (int x = l.x; x < l.x + l.image.Width(); x += 4) {
      ++total;
      for (int i : over) {
        const tq::LayerSurface& top = screen.Layer(i);
        if (x < top.x || y < top.y || x >= top.x + top.image.Width() || y >= top.y + top.image.Height()) continue;
        seen += i == layer;
        break;
      }
    }
  }
  return total == 0 ? 0.0 : static_cast<double>(seen) / total;
}

std::vector<std::string> BalloonStagingFaults() {
  const tq::Compositor& screen = tq::ThePlatform().Screen();
  struct Shown {
    int slot, layer;
    std::set<int> own;  // the balloon's tail or bubbles
  };
  std::vector<Shown> balloons;
  std::set<int> layers;
  auto shown = [&](int layer) {
    if (layer <= 0 || layer >= kLayerCount || layers.count(layer) != 0) return false;
    const tq::LayerSurface& l = screen.Layer(layer);
    return l.visible && l.image.Width() > 0 && l.image.Height() > 0;
  };
  for (int s = 1; s < kFaceSlotCount; ++s) {
    const size_t i = static_cast<size_t>(s);
    const int speech = FaceSlot.BalloonLayer[i];
    // A layer the slot has no balloon open on, lying wholly off the window, is some
    // other screen's leftover that nobody sees (the route-clear panel that slid out
    // below as the ending began), not a balloon.
    const bool leftover = FaceSlot.SpeechState[i] == kBalloonHidden && shown(speech) && [&] {
      const tq::LayerSurface& l = screen.Layer(speech);
      return l.x >= tq::kWindowWidth || l.y >= tq::kWindowHeight || l.x + l.image.Width() <= 0 || l.y + l.image.Height() <= 0;
    }();
    if (shown(speech) && !leftover) {
      balloons.push_back({s, speech, {speech + 1}});
      layers.insert(speech);
    }
    const int thought = FaceSlot.ThoughtLayer[i];
    if (FaceSlot.ThoughtState[i] != kBalloonHidden && shown(thought)) {
      balloons.push_back({s, thought, {thought + 1, thought + 2, thought + 3}});
      layers.insert(thought);
    }
  }
  std::sort(balloons.begin(), balloons.end(),
            [&](const Shown& a, const Shown& b) { return screen.ZIndex(a.layer) < screen.ZIndex(b.layer); });
  std::vector<std::string> faults;
  for (const Shown& b : balloons) {
    const tq::LayerSurface& l = screen.Layer(b.layer);
    const std::string which = "the balloon of slot " + std::to_string(b.slot) + " (layer " + std::to_string(b.layer) + ")";
    if (l.x < 0 || l.y < 0 || l.x + l.image.Width() > tq::kWindowWidth || l.y + l.image.Height() > tq::kWindowHeight) {
      faults.push_back(which + " at (" + std::to_string(l.x) + ", " + std::to_string(l.y) + ") size " +
                       std::to_string(l.image.Width()) + " x " + std::to_string(l.image.Height()) + " leaves the window");
    }
    std::set<int> ignored = b.own;
    ignored.insert(NoticeBoxLayer());
    for (int m : FaceSlot.MiniLayer[static_cast<size_t>(b.slot)]) ignored.insert(m);
    const double share = VisibleShare(b.layer, ignored);
    if (&b == &balloons.back()) {
      if (share != 1.0) faults.push_back(which + ", the newest, shows " + std::to_string(share) + " of itself");
    } else if (share != 0.0 && share != 1.0) {
      faults.push_back(which + ", an older one, shows " + std::to_string(share) + " of itself");
    }
  }
  return faults;
}

std::vector<std::string> BalloonTextsOutside(const std::string& where, std::set<std::string>& reported,
                                             const std::set<int>& boxes) {
  constexpr int kFrameRight = 8, kFrameBottom = 6;
  // The layers of the open balloons (a slot's minis may share a layer number with
  // another slot's thought balloon).
  std::set<int> balloons = boxes;
  for (size_t s = 0; s < kFaceSlotCount; ++s) {
    if (FaceSlot.SpeechState[s] != kBalloonHidden) balloons.insert(FaceSlot.BalloonLayer[s]);
    if (FaceSlot.ThoughtState[s] != kBalloonHidden) balloons.insert(FaceSlot.ThoughtLayer[s]);
  }
  std::vector<std::string> out;
  std::set<int> layers;
  for (const PrintRecord& p : RecordedPrints()) {
    const tq::LayerSurface& layer = tq::ThePlatform().Screen().Layer(p.Layer);
    if (!balloons.count(p.Layer) || !layer.visible || layers.count(p.Layer) || reported.count(p.Text)) continue;
    const int w = layer.image.Width(), h = layer.image.Height();
    const LayerProps& props = LayerInfo(p.Layer);
    const tq::TextExtent e = tq::MeasureTextExtent({props.FontName, props.FontSize, props.FontBold, props.FontItalic}, p.Text);
    const int left = layer.x + p.X, top = layer.y + p.Y;
    const bool inBalloon = p.X >= 0 && p.Y >= 0 && p.X + e.width <= w - kFrameRight && p.Y + e.height <= h - kFrameBottom;
    const bool inWindow = left >= 0 && top >= 0 && left + e.width <= tq::kWindowWidth && top + e.height <= tq::kWindowHeight;
    if (inBalloon && inWindow) continue;
    layers.insert(p.Layer);
    reported.insert(p.Text);
    out.push_back(where + ": \"" + p.Text + "\", " + std::to_string(e.width) + " by " + std::to_string(e.height) + " at (" +
                  std::to_string(left) + "," + std::to_string(top) + ") in the balloon of layer " + std::to_string(p.Layer) +
                  ", " + std::to_string(w) + " by " + std::to_string(h) + " at (" + std::to_string(layer.x) + "," +
                  std::to_string(layer.y) + "), is drawn outside " + (inBalloon ? "the window" : "its balloon"));
  }
  SetPrintRecording(true);  // starts afresh
  return out;
}

}  // namespace tq::testing
