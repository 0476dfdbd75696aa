#include "support/balloon_staging.h"

#include <algorithm>
#include <map>

#include "engine/layers.h"
#include "engine/text.h"
#include "platform/compositor.h"
#include "platform/fonts.h"
#include "platform/platform.h"
#include "scenario/balloon_geometry.h"
#include "scenario/face_slots.h"
#include "support/stand_in_pictures.h"

namespace tq::testing {

namespace {

bool Inside(const tq::LayerSurface& l, int x, int y) {
  return x >= l.x && y >= l.y && x < l.x + l.image.Width() && y < l.y + l.image.Height();
}

// A layer a player can see: visible, with a picture, not a hollow anchor.
bool Showing(int layer) {
  if (layer <= 0 || layer >= tq::kLayerCount) return false;
  const tq::LayerSurface& l = tq::ThePlatform().Screen().Layer(layer);
  return l.visible && !l.hollow && !l.image.Empty();
}

// A balloon body drawn again greyed after its line has passed: its fill is the
// greyed scheme's grey, not the white of the balloon being read.
bool DrawnGreyed(int layer) {
  constexpr uint32_t kWhite = 0xFFFFFF, kGreyedFill = 0xCCCCCC;
  constexpr int kInset = 12;  // clear of the bevel frame
  const tq::Surface& image = tq::ThePlatform().Screen().Layer(layer).image;
  int white = 0, grey = 0;
  for (int y = kInset; y < image.Height() - kInset; y += 2) {
    for (int x = kInset; x < image.Width() - kInset; x += 2) {
      const uint32_t px = image.Get(x, y) & 0xFFFFFF;
      white += px == kWhite;
      grey += px == kGreyedFill;
    }
  }
  return grey > white;
}

// What a layer of the conversation is, for a fault's wording; empty for the scene's
// own pictures (backgrounds, event pictures), which may hide anything on purpose. A
// slot's unused layer numbers may be another slot's layers (a slot without thought
// balloons keeps the default numbers, which the next face takes), so what is in use
// is asked first: faces, open balloons, shown marks, then any balloon layer.
std::string LayerRole(int layer) {
  if (layer <= 0) return "";
  if (layer == NoticeBoxLayer()) return "the click-wait mark";

  const FaceSlotRecord& f = FaceSlot;
  auto slot = [](int s) { return " of slot " + std::to_string(s); };
  for (int s = 0; s < kFaceSlotCount; ++s) {
    if (layer == f.FaceLayer[static_cast<size_t>(s)]) return "the face" + slot(s);
  }
  for (bool inUse : {true, false}) {
    for (int s = 0; s < kFaceSlotCount; ++s) {
      const size_t i = static_cast<size_t>(s);
      const int speech = f.BalloonLayer[i], thought = f.ThoughtLayer[i];
      if (speech > 0 && (!inUse || f.SpeechState[i] != kBalloonHidden)) {
        if (layer == speech) return "the balloon" + slot(s);
        if (layer == speech + 1) return "the balloon's tail" + slot(s);
      }
      if (thought > 0 && (!inUse || f.ThoughtState[i] != kBalloonHidden)) {
        if (layer == thought) return "the thought balloon" + slot(s);
        if (layer > thought && layer <= thought + 3) return "a thought bubble" + slot(s);
      }
      for (int m = 1; m < kMiniIndexCount; ++m) {
        const size_t k = static_cast<size_t>(m);
        if (layer == f.MiniLayer[i][k] && (!inUse || f.MiniState[i][k] != kBalloonHidden)) return "a mark" + slot(s);
      }
    }
  }
  return "";
}

// How the points of one part (a face's name strip or features, a mark) show.
struct PartSight {
  int seen = 0, outside = 0;
  std::map<int, int> coveredBy;  // covering layer: points
  int total() const {
    int n = seen + outside;
    for (const auto& [layer, count] : coveredBy) n += count;
    return n;
  }
};

// Looks at the window point of a part of `layer`: seen, outside the window, covered
// by a balloon, tail, bubble, mark or the click-wait mark, or hidden (not counted)
// where another face, the narration window or the scene's own pictures stand over it:
// characters may stand in front of one another, and a narration or an event picture
// may hide all.
void LookAt(int layer, int x, int y, const std::set<int>& ignored, PartSight& sight) {
  if (x < 0 || y < 0 || x >= tq::kWindowWidth || y >= tq::kWindowHeight) {
    ++sight.outside;
    return;
  }
  const tq::Compositor& screen = tq::ThePlatform().Screen();
  const std::vector<int>& order = screen.Order();
  int cover = -1;
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    if (*it == layer) break;
    if (ignored.count(*it) != 0 || !Showing(*it) || !Inside(screen.Layer(*it), x, y)) continue;
    const std::string role = LayerRole(*it);
    if (role.empty() || role.rfind("the face", 0) == 0) return;
    if (cover < 0) cover = *it;
  }
  if (cover < 0) ++sight.seen;
  else ++sight.coveredBy[cover];
}

void ReportCovers(const std::string& what, const PartSight& sight, std::vector<std::string>& faults) {
  const int total = sight.total();
  for (const auto& [layer, count] : sight.coveredBy) {
    const tq::LayerSurface& c = tq::ThePlatform().Screen().Layer(layer);
    faults.push_back(what + " is " + std::to_string(count * 100 / total) + "% covered by " + LayerRole(layer) + " (layer " +
                     std::to_string(layer) + " at " + std::to_string(c.x) + ", " + std::to_string(c.y) + " size " +
                     std::to_string(c.image.Width()) + " x " + std::to_string(c.image.Height()) + ")");
  }
}

// The faces' name strips and features and the marks shown, at the click-wait mark. A
// shown face (some of its eyes and mouth seen or covered) keeps its name strip whole
// where it is inside the window (a strip wholly below or beside the window is out of
// the picture, not cut) and its eyes and mouth at least two thirds inside, and
// nothing of the conversation (see LookAt) covers either. A mark inside the window
// shows whole and uncovered.
void LookAtFacesAndMarks(std::vector<std::string>& faults) {
  const tq::Compositor& screen = tq::ThePlatform().Screen();
  constexpr int kStep = 2;
  for (int s = 0; s < kFaceSlotCount; ++s) {
    const size_t i = static_cast<size_t>(s);
    const int face = FaceSlot.FaceLayer[i];
    if (!Showing(face) || LayerRole(face) != "the face of slot " + std::to_string(s)) continue;
    const tq::LayerSurface& l = screen.Layer(face);
    std::set<int> ignored;
    if (FaceSlot.FacePartLayer[i] > 0) ignored.insert(FaceSlot.FacePartLayer[i]);
    PartSight label, features;
    for (int y = 0; y < l.image.Height(); y += kStep) {
      for (int x = 0; x < l.image.Width(); x += kStep) {
        const uint32_t px = l.image.Get(x, y) & 0xFFFFFF;
        if (px == kStandInLabelPixel) LookAt(face, l.x + x, l.y + y, ignored, label);
        if (px == kStandInFeaturesPixel) LookAt(face, l.x + x, l.y + y, ignored, features);
      }
    }
    if (features.seen == 0 && features.coveredBy.empty()) continue;
    const std::string who = "the face of slot " + std::to_string(s) + " (layer " + std::to_string(face) + " at " +
                            std::to_string(l.x) + ", " + std::to_string(l.y) + ")";
    if (label.outside > 0 && label.outside < label.total()) {
      faults.push_back(who + ": its name strip is cut by the window's edge");
    }
    ReportCovers(who + ": its name strip", label, faults);
    if (features.total() > 0 && features.outside * 3 > features.total()) {
      faults.push_back(who + ": its eyes and mouth stand " + std::to_string(features.outside * 100 / features.total()) +
                       "% outside the window");
    }
    ReportCovers(who + ": its eyes and mouth", features, faults);
  }
  std::set<int> looked;
  for (int s = 0; s < kFaceSlotCount; ++s) {
    for (int m = 1; m < kMiniIndexCount; ++m) {
      const int mini = FaceSlot.MiniLayer[static_cast<size_t>(s)][static_cast<size_t>(m)];
      if (FaceSlot.MiniState[static_cast<size_t>(s)][static_cast<size_t>(m)] != kBalloonShown || !Showing(mini)) continue;
      if (LayerRole(mini) != "a mark of slot " + std::to_string(s) || !looked.insert(mini).second) continue;
      const tq::LayerSurface& l = screen.Layer(mini);
      PartSight sight;
      for (int y = 0; y < l.image.Height(); y += kStep) {
        for (int x = 0; x < l.image.Width(); x += kStep) LookAt(mini, l.x + x, l.y + y, {}, sight);
      }
      const std::string what = "a mark of slot " + std::to_string(s) + " (layer " + std::to_string(mini) + ")";
      if (sight.outside == sight.total()) continue;  // gone with its face, off the window
      if (sight.outside > 0) faults.push_back(what + " is cut by the window's edge, " + std::to_string(sight.outside * 100 / sight.total()) + "% outside");
      ReportCovers(what, sight, faults);
    }
  }
}

}  // namespace

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

namespace {

// A balloon shown now: a slot's speech balloon whose layer is visible, or a thought
// balloon its slot shows, with its own tail or bubbles.
struct Shown {
  int slot, layer;
  std::set<int> own;
};

// The balloons shown now, lowest first.
std::vector<Shown> ShownBalloons() {
  const tq::Compositor& screen = tq::ThePlatform().Screen();
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
  return balloons;
}

}  // namespace

std::vector<std::string> BalloonStagingFaults() {
  const tq::Compositor& screen = tq::ThePlatform().Screen();
  const std::vector<Shown> balloons = ShownBalloons();
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
  // While the click-wait mark waits, the player reads the newest balloon: it must be
  // drawn as the line being read, and no face part or mark may be hidden.
  if (!Showing(NoticeBoxLayer())) return faults;
  if (!balloons.empty()) {
    const Shown& newest = balloons.back();
    const int narration = TextWindow.NarrationLayer;
    const bool narrationOnTop = Showing(narration) && screen.ZIndex(narration) > screen.ZIndex(newest.layer);
    if (!narrationOnTop && DrawnGreyed(newest.layer)) {
      faults.push_back("the balloon of slot " + std::to_string(newest.slot) + " (layer " + std::to_string(newest.layer) +
                       "), the newest, is drawn greyed while the click-wait mark waits");
    }
  }
  LookAtFacesAndMarks(faults);
  return faults;
}

std::vector<std::string> StrayTailFaults() {
  const tq::Compositor& screen = tq::ThePlatform().Screen();
  const std::vector<Shown> balloons = ShownBalloons();
  std::vector<std::string> faults;
  for (size_t b = 0; b < balloons.size(); ++b) {
    const tq::LayerSurface& older = screen.Layer(balloons[b].layer);
    const Shown* cover = nullptr;
    for (size_t n = b + 1; n < balloons.size() && cover == nullptr; ++n) {
      const tq::LayerSurface& l = screen.Layer(balloons[n].layer);
      if (l.x <= older.x && l.y <= older.y && l.x + l.image.Width() >= older.x + older.image.Width() &&
          l.y + l.image.Height() >= older.y + older.image.Height()) {
        cover = &balloons[n];
      }
    }
    if (cover == nullptr) continue;
    for (int part : balloons[b].own) {
      if (!Showing(part) || VisibleShare(part, {}) == 0.0) continue;
      faults.push_back("the balloon of slot " + std::to_string(balloons[b].slot) + " (layer " + std::to_string(balloons[b].layer) +
                       ") lies under the balloon of slot " + std::to_string(cover->slot) + " (layer " +
                       std::to_string(cover->layer) + ") while its tail (layer " + std::to_string(part) + ") still shows");
      break;
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
