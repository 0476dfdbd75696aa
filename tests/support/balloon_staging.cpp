#include "support/balloon_staging.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <utility>

#include "engine/frame_model.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "engine/text.h"
#include "platform/compositor.h"
#include "platform/fonts.h"
#include "platform/headless/headless_platform.h"
#include "platform/platform.h"
#include "scenario/balloon_geometry.h"
#include "scenario/command_table.h"
#include "scenario/face_slots.h"
#include "scenario/picture_changes.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"
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
  bool thought = false;
};

// What covers nothing of a balloon: its own tail or bubbles, its slot's mini pictures
// and the click-wait mark.
std::set<int> OwnLayers(const Shown& b) {
  std::set<int> own = b.own;
  own.insert(NoticeBoxLayer());
  for (int m : FaceSlot.MiniLayer[static_cast<size_t>(b.slot)]) own.insert(m);
  return own;
}

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
  // A slot keeps its balloon layer from the stage before until a stage sets it up
  // again, so two slots may name one layer: the slot with a balloon open on it owns it.
  for (bool open : {true, false}) {
    for (int s = 0; s < kFaceSlotCount; ++s) {
      const size_t i = static_cast<size_t>(s);
      const int speech = FaceSlot.BalloonLayer[i];
      if ((FaceSlot.SpeechState[i] != kBalloonHidden) != open) continue;
      // A layer the slot has no balloon open on, lying wholly off the window, is some
      // other screen's leftover that nobody sees (the route-clear panel that slid out
      // below as the ending began), not a balloon.
      const bool leftover = !open && shown(speech) && [&] {
        const tq::LayerSurface& l = screen.Layer(speech);
        return l.x >= tq::kWindowWidth || l.y >= tq::kWindowHeight || l.x + l.image.Width() <= 0 || l.y + l.image.Height() <= 0;
      }();
      if (shown(speech) && !leftover) {
        balloons.push_back({s, speech, {speech + 1}});
        layers.insert(speech);
      }
    }
    for (int s = 0; open && s < kFaceSlotCount; ++s) {
      const size_t i = static_cast<size_t>(s);
      const int thought = FaceSlot.ThoughtLayer[i];
      if (FaceSlot.ThoughtState[i] != kBalloonHidden && shown(thought)) {
        balloons.push_back({s, thought, {thought + 1, thought + 2, thought + 3}, true});
        layers.insert(thought);
      }
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
    const double share = VisibleShare(b.layer, OwnLayers(b));
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

namespace {

std::string Layers(int first, int last) {
  return first == last ? "layer " + std::to_string(first) : "layers " + std::to_string(first) + " to " + std::to_string(last);
}

struct Box {
  int x0, y0, x1, y1;  // right and bottom exclusive
};
Box BoxOf(int layer) {
  const tq::LayerSurface& l = tq::ThePlatform().Screen().Layer(layer);
  return {l.x, l.y, l.x + l.image.Width(), l.y + l.image.Height()};
}

// The empty space between two boxes, in whole pixels (0 when they touch or overlap).
int Gap(const Box& a, const Box& b) {
  const int dx = std::max({0, a.x0 - b.x1, b.x0 - a.x1});
  const int dy = std::max({0, a.y0 - b.y1, b.y0 - a.y1});
  return static_cast<int>(std::lround(std::hypot(dx, dy)));
}

// How far a point lies from a box (0 inside it).
int Distance(const Box& b, double x, double y) {
  const double dx = std::max({0.0, b.x0 - x, x - b.x1});
  const double dy = std::max({0.0, b.y0 - y, y - b.y1});
  return static_cast<int>(std::lround(std::hypot(dx, dy)));
}

// Where a face's eyes and mouth stand (found by the stand-in's colour), in window
// coordinates; the whole picture when it shows none. Kept per picture drawn.
Box FeaturesOf(int layer) {
  static std::map<int, std::pair<uint64_t, Box>> kept;
  const tq::LayerSurface& l = tq::ThePlatform().Screen().Layer(layer);
  auto found = kept.find(layer);
  if (found == kept.end() || found->second.first != l.image.Generation()) {
    Box box{l.image.Width(), l.image.Height(), 0, 0};
    for (int y = 0; y < l.image.Height(); y += 2) {
      for (int x = 0; x < l.image.Width(); x += 2) {
        if ((l.image.Get(x, y) & 0xFFFFFF) != kStandInFeaturesPixel) continue;
        box = {std::min(box.x0, x), std::min(box.y0, y), std::max(box.x1, x + 1), std::max(box.y1, y + 1)};
      }
    }
    if (box.x0 >= box.x1) box = {0, 0, l.image.Width(), l.image.Height()};
    found = kept.insert_or_assign(layer, std::make_pair(l.image.Generation(), box)).first;
  }
  const Box& b = found->second.second;
  return {l.x + b.x0, l.y + b.y0, l.x + b.x1, l.y + b.y1};
}

// A face a player sees: its layer shown, holding the slot's face, and inside the window.
bool FaceInView(int slot) {
  const int face = FaceSlot.FaceLayer[static_cast<size_t>(slot)];
  if (!Showing(face) || LayerRole(face) != "the face of slot " + std::to_string(slot)) return false;
  const Box b = BoxOf(face);
  return b.x0 < tq::kWindowWidth && b.y0 < tq::kWindowHeight && b.x1 > 0 && b.y1 > 0;
}

}  // namespace

std::vector<std::string> ThoughtChainFaults(const std::set<int>& slots) {
  std::vector<std::string> faults;
  for (int s = 0; s < kFaceSlotCount; ++s) {
    const size_t i = static_cast<size_t>(s);
    const int body = FaceSlot.ThoughtLayer[i];
    if (body <= 0 || body + 3 >= kLayerCount || FaceSlot.ThoughtState[i] != kBalloonShown || !Showing(body)) continue;
    if (!slots.empty() && slots.count(s) == 0) continue;
    const std::string who = "slot " + std::to_string(s);
    if (LayerRole(body) != "the thought balloon of " + who) continue;
    // Bubble 0 is the smallest, the far end of the chain; bubble 2 the largest, at
    // the balloon.
    std::vector<int> bubbles;
    for (int k = 1; k <= 3; ++k) {
      if (Showing(body + k) && LayerRole(body + k) == "a thought bubble of " + who) bubbles.push_back(body + k);
    }
    if (bubbles.empty()) continue;
    const Box balloon = BoxOf(body);
    int nearest = -1, gap = 0;
    for (int b : bubbles) {
      const int g = Gap(BoxOf(b), balloon);
      if (nearest < 0 || g < gap) nearest = b, gap = g;
    }
    const std::string chain = "the thought bubbles of " + who + " (" + Layers(bubbles.front(), bubbles.back()) + ")";
    if (gap > kChainGapPx) {
      faults.push_back(chain + " end " + std::to_string(gap) + " px from their balloon (layer " + std::to_string(body) +
                       "): the bubble nearest it is layer " + std::to_string(nearest));
    }
    // Where the chain leads. The face it points at: of the faces whose eyes and mouth
    // lie within kChainConeDeg of the way from its balloon end to its small end, the
    // nearest; it must be the thinker's. Pointing at none, it must not lead away from
    // the thinker's eyes and mouth.
    if (bubbles.size() < 2 || !FaceInView(s)) continue;
    const Box tip = BoxOf(bubbles.front()), base = BoxOf(bubbles.back());
    const double tipX = (tip.x0 + tip.x1) / 2.0, tipY = (tip.y0 + tip.y1) / 2.0;
    const double baseX = (base.x0 + base.x1) / 2.0, baseY = (base.y0 + base.y1) / 2.0;
    const double wayX = tipX - baseX, wayY = tipY - baseY, way = std::hypot(wayX, wayY);
    if (way < 1.0) continue;
    int pointed = -1;
    double pointedAt = 0.0;
    for (int o = 0; o < kFaceSlotCount; ++o) {
      if (!FaceInView(o)) continue;
      const Box f = FeaturesOf(FaceSlot.FaceLayer[static_cast<size_t>(o)]);
      const double toX = (f.x0 + f.x1) / 2.0 - baseX, toY = (f.y0 + f.y1) / 2.0 - baseY, to = std::hypot(toX, toY);
      if (to < 1.0 || (wayX * toX + wayY * toY) / (way * to) < std::cos(kChainConeDeg * std::numbers::pi / 180.0)) continue;
      if (pointed < 0 || to < pointedAt) pointed = o, pointedAt = to;
    }
    if (pointed >= 0 && pointed != s) {
      faults.push_back(chain + " lead to the face of slot " + std::to_string(pointed) + ", not to the face of " + who);
      continue;
    }
    const Box own = FeaturesOf(FaceSlot.FaceLayer[i]);
    const int fromTip = Distance(own, tipX, tipY), fromBase = Distance(own, baseX, baseY);
    if (pointed < 0 && fromTip > fromBase + kChainGapPx) {
      faults.push_back(chain + " lead away from the face of " + who + ": their small end lies " + std::to_string(fromTip) +
                       " px from its eyes and mouth, their balloon end " + std::to_string(fromBase) + " px");
    }
  }
  return faults;
}

// A tail box is 32 by 23 pixels (or 23 by 32), a bubble at most 21 square and twice
// that as it pops up.
constexpr int kPartSidePx = 48;
constexpr uint32_t kPartFill = 0xFFFFFF, kPartFillGreyed = 0xCCCCCC;

namespace {

// A window the scene opens in front of a group of faces (the Skelvane warning to the
// four pilots) joins itself to each face by a connector drawn on the tail layer of
// that face's closed balloon. Such a part sticks out from under a picture of the
// scene lying in front of it and touches its own slot's face and no other; a tail
// left over a balloon that closed, or a connector reaching the wrong face, does not.
bool JoinsAWindowToItsFace(int slot, int part) {
  const tq::Compositor& screen = tq::ThePlatform().Screen();
  const Box p = BoxOf(part);
  bool joined = false;
  for (int layer = 1; layer < kLayerCount && !joined; ++layer) {
    if (!Showing(layer) || !LayerRole(layer).empty() || screen.ZIndex(layer) < screen.ZIndex(part)) continue;
    const Box w = BoxOf(layer);
    const bool overlaps = p.x0 < w.x1 && w.x0 < p.x1 && p.y0 < w.y1 && w.y0 < p.y1;
    const bool inside = p.x0 >= w.x0 && p.y0 >= w.y0 && p.x1 <= w.x1 && p.y1 <= w.y1;
    joined = overlaps && !inside;
  }
  if (!joined) return false;
  for (int o = 0; o < kFaceSlotCount; ++o) {
    if (!FaceInView(o)) continue;
    const bool touches = Gap(p, BoxOf(FaceSlot.FaceLayer[static_cast<size_t>(o)])) == 0;
    if (touches != (o == slot)) return false;
  }
  return true;
}

}  // namespace

std::vector<std::string> ClosedBalloonPartFaults() {
  std::vector<std::string> faults;
  std::set<int> looked;
  const tq::Compositor& screen = tq::ThePlatform().Screen();
  // A balloon being opened draws its parts first (a thought balloon pops its bubbles
  // before its body drops in): its parts may show before its body.
  auto opening = [](int state) { return state == kBalloonToOpen || state == kBalloonToReshow || state == kBalloonOpening; };
  auto look = [&](int slot, int body, int part, int state, const char* what, const char* balloon) {
    if (part <= 0 || part >= kLayerCount || !looked.insert(part).second) return;
    if (!Showing(part) || Showing(body) || opening(state)) return;
    const std::string role = LayerRole(part);
    if (role != std::string(what) + " of slot " + std::to_string(slot)) return;
    // The scene's own pictures may take the layer numbers of a slot whose balloon is
    // closed: a tail box or a bubble is small, and filled white (or greyed).
    const tq::LayerSurface& l = screen.Layer(part);
    if (l.image.Width() > kPartSidePx || l.image.Height() > kPartSidePx) return;
    const uint32_t fill = l.image.Get(l.image.Width() / 2, l.image.Height() / 2) & 0xFFFFFF;
    if (fill != kPartFill && fill != kPartFillGreyed) return;
    // Nor is it the part of another slot's open balloon that shares the number.
    for (int o = 0; o < kFaceSlotCount; ++o) {
      const size_t k = static_cast<size_t>(o);
      const int speech = FaceSlot.BalloonLayer[k], thought = FaceSlot.ThoughtLayer[k];
      if (o == slot) continue;
      if (speech > 0 && part == speech + 1 && Showing(speech)) return;
      if (thought > 0 && part > thought && part <= thought + 3 && Showing(thought)) return;
    }
    if (VisibleShare(part, {}) == 0.0) return;
    if (JoinsAWindowToItsFace(slot, part)) return;
    const tq::LayerSurface& b = screen.Layer(body), &p = screen.Layer(part);
    faults.push_back(std::string(what) + " of slot " + std::to_string(slot) + " (layer " + std::to_string(part) + " at " +
                     std::to_string(p.x) + ", " + std::to_string(p.y) + ") shows while " + balloon + " (layer " +
                     std::to_string(body) + ") is closed, " + (b.visible ? "its size 0" : "hidden"));
  };
  for (int s = 0; s < kFaceSlotCount; ++s) {
    const size_t i = static_cast<size_t>(s);
    const int speech = FaceSlot.BalloonLayer[i], thought = FaceSlot.ThoughtLayer[i];
    if (speech > 0) look(s, speech, speech + 1, FaceSlot.SpeechState[i], "the balloon's tail", "its balloon");
    if (thought > 0) {
      for (int k = 1; k <= 3; ++k) look(s, thought, thought + k, FaceSlot.ThoughtState[i], "a thought bubble", "its thought balloon");
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


// ---- the watch over a run ----

namespace tq::testing {

namespace {

// A script line read as the line's execution reads it, without running it.
struct LineReading {
  int slot = 0;          // the face slot it runs for
  int kind = 0;          // MainParam: the balloon kind of a balloon line
  int action = 0;        // ActionCode
  int execClass = 0;
  int continueMode = 0;  // 0: a click ends it
  int moveThought = 0;   // a balloon move: 1 for the thought balloon
  bool queued = false;   // it waits for its group to start
  bool text = false;     // it leaves text to print
  std::string moveKind;  // a balloon move's "種No"

  bool Balloon() const { return (execClass == 0 || execClass == 1 || execClass == 4) && kind != 0; }
  bool BalloonMove() const { return execClass == 5 && action == kActionBalloonMove; }
  // A face move, a start of the group or a separate balloon move starts the queued lines.
  bool StartsGroup() const {
    return execClass == 5 && (action == kActionFaceMove || action == kActionStartOnly || action == kActionSeparateMove);
  }
  bool LeavesScene() const {
    return execClass == 5 && (action == kActionToOtherGame || action == kActionToOtherScene || action == kActionImmediateEvent);
  }
};

std::vector<std::string> Fields(const std::string& text) {
  std::vector<std::string> fields;
  int count = 0;
  SplitFields(text, "：", 64, fields, count);
  if (count <= 0 || fields.size() <= static_cast<size_t>(count)) return {};  // an empty line leaves no fields
  return std::vector<std::string>(fields.begin() + 1, fields.begin() + 1 + count);
}

// Whether the words a conversion keeps leave any text once the prefixes its
// execution reads (the slot ●N, the group ○N, 開始= and 連続=) are gone.
bool LeavesText(const std::vector<std::string>& fields) {
  for (const std::string& f : fields) {
    const bool prefix = f.rfind("●", 0) == 0 || f.rfind("○", 0) == 0 || f.rfind("開始", 0) == 0 || f.rfind("連続", 0) == 0;
    if (!prefix && !f.empty()) return true;
  }
  return false;
}

// The moves a line carries with it: a glide only carries its balloon to a new place.
const char* MoveName(const std::string& kind) {
  switch (ReadScriptNumber(kind)) {
    case 1: return "jolt";
    case 2: return "jitter";
    case 10: return "shake";
    case 11: return "bob";
    case 25: return "hop";
    case 50:
    case 51: return "swing";
    default: return nullptr;
  }
}

// A speech or thought line of a face as it started, and what a player saw of it.
struct SpokenLine {
  int stage = 0, line = 0;  // the line 0-based
  std::string text;         // as pushed
  int slot = 0;
  bool thought = false;
  uint32_t startedAt = 0;
  // The line start that opens it: its own, or for a queued line the one that starts
  // its group (lines of one batch are read together). 0 until that start comes.
  size_t batch = 0;
  bool drawn = false, read = false, ended = false;
  uint32_t runMs = 0, bestRunMs = 0;  // the current line, whole and white, without a break
  std::string why;                    // what first kept it from being the current line

  std::string Name() const { return "stage " + std::to_string(stage) + " line " + std::to_string(line + 1) + " " + text; }
};

// A line whose conversion began, read at the next look.
struct Started {
  size_t sequence = 0;
  int stage = 0, line = 0, keptSlot = 0;
  std::string text;
  PerSlot<int> kinds{};  // each slot's last balloon kind, for "99"
  uint32_t at = 0;
};

struct LayerLook {
  int x = 0, y = 0, w = 0, h = 0;
  bool visible = false, hollow = false;
  uint64_t generation = 0;
  bool operator==(const LayerLook&) const = default;
};

// What a look depends on: every layer, the stacking, the balloon states and texts.
struct Snapshot {
  std::array<LayerLook, kLayerCount> layers{};
  std::vector<int> order;
  PerSlot<int> speech{}, thought{}, speechLayer{}, thoughtLayer{};
  std::array<std::string, kTextSlotCount> texts{};
  bool operator==(const Snapshot&) const = default;
};

Snapshot TakeSnapshot() {
  const tq::Compositor& screen = tq::ThePlatform().Screen();
  Snapshot s;
  for (int i = 0; i < kLayerCount; ++i) {
    const tq::LayerSurface& l = screen.Layer(i);
    s.layers[static_cast<size_t>(i)] = {l.x, l.y, l.image.Width(), l.image.Height(), l.visible, l.hollow, l.image.Generation()};
  }
  s.order = screen.Order();
  s.speech = FaceSlot.SpeechState;
  s.thought = FaceSlot.ThoughtState;
  s.speechLayer = FaceSlot.BalloonLayer;
  s.thoughtLayer = FaceSlot.ThoughtLayer;
  s.texts = TextSlot.TextSlotText;
  return s;
}

// The scene waits for the player's click: at the click-wait mark, or in a flip-book
// that runs until a click ends it (a voiced line's face speaking while it is read).
bool WaitsForClick() {
  return Showing(NoticeBoxLayer()) || (AnimationRun.WaitKind == kWaitPicAnim && PicAnim.PicAnimMode == 0);
}

using ExpandHook = void (*)();
std::array<ExpandHook, 4> originalExpand{};
BalloonStagingWatch::State* watching = nullptr;

}  // namespace

struct BalloonStagingWatch::State {
  tq::HeadlessPlatform& platform;
  std::function<std::string()> where;
  bool reading = false;  // our own reading of a line, not a line that starts
  bool movesWithTheirLine = false;
  int looks = 0;

  size_t sequence = 0;
  std::vector<Started> started;
  std::vector<SpokenLine> lines;
  std::vector<size_t> awaitingGroup;  // queued lines whose group has not started
  int stage = -1;

  // How each shown balloon stood at the last look, kept while nothing changes.
  struct SeenLine {
    size_t line;
    bool current;
  };
  bool haveLook = false;
  uint32_t lastLookAt = 0;
  Snapshot last;
  std::vector<SeenLine> seen;
  std::vector<std::string> lookFaults;

  std::map<std::string, int> between;  // fault: looks
  std::vector<std::string> betweenOrder;

  State(tq::HeadlessPlatform& p, std::function<std::string()> w) : platform(p), where(std::move(w)) {}

  void Arm(uint32_t at) {
    platform.At(at, [this, at] {
      if (watching != this) return;
      Look(at);
      Arm(at + kLookMs);
    });
  }

  void NoteStart() {
    const int line = ScriptStore.CurrentScriptLine;
    if (line < 0 || line >= kScriptLineCapacity || where().empty()) return;
    started.push_back({++sequence, SceneCursor.StageNumber, line, LineState.CurrentSlot,
                       ScriptStore.ScriptText[static_cast<size_t>(line)], FaceSlot.SlotBalloonKind, platform.Now()});
  }

  // Reads a line as its conversion and the slot prefix reader do, and puts back all
  // they touch.
  LineReading Read(const std::string& text, int keptSlot) {
    const LineCodeRecord code = LineCode;
    const LineStateRecord state = LineState;
    const int current = ScriptStore.CurrentScriptLine;
    std::string kept = std::move(ScriptStore.ScriptText[0]);
    ScriptStore.CurrentScriptLine = 0;
    ScriptStore.ScriptText[0] = text;
    LineState.SimultaneousLine = 0;
    reading = true;
    ConvertScriptLine();
    reading = false;
    LineReading r;
    const std::vector<std::string> fields = Fields(ScriptStore.ScriptText[0]);
    int speaker = LineCode.Speaker;
    const std::string slotMark = "●";
    if (speaker == 0 && !fields.empty() && fields[0].rfind(slotMark, 0) == 0) {
      speaker = ReadScriptNumber(fields[0].substr(slotMark.size()));
    }
    r.slot = ValidFaceSlot(speaker) ? speaker : keptSlot;
    r.kind = LineCode.MainParam;
    r.action = LineCode.ActionCode;
    r.execClass = LineCode.ExecClass;
    r.continueMode = LineCode.ContinueMode;
    r.moveThought = LineState.BalloonMoveThought;
    r.queued = LineState.SimultaneousLine == -1;
    r.text = LeavesText(fields);
    for (const std::string& f : fields) {
      if (f.rfind("種No=", 0) == 0) r.moveKind = f.substr(std::string("種No=").size());
    }
    ScriptStore.ScriptText[0] = std::move(kept);
    ScriptStore.CurrentScriptLine = current;
    LineCode = code;
    LineState = state;
    return r;
  }

  // The lines begun since the last look: the speech and thought lines of faces join
  // the run's lines; a line that starts a group gives its queued lines their batch.
  void TakeStarted() {
    for (const Started& s : started) {
      const LineReading r = Read(s.text, s.keptSlot);
      if (r.StartsGroup()) {
        for (size_t i : awaitingGroup) lines[i].batch = s.sequence;
        awaitingGroup.clear();
      }
      if (!r.Balloon() || !r.text) continue;
      const int kind = r.kind == 99 ? s.kinds[static_cast<size_t>(r.slot)] : r.kind;
      if (kind < 5 || kind > 49) continue;
      SpokenLine line;
      line.stage = s.stage;
      line.line = s.line;
      line.text = s.text;
      line.slot = r.slot;
      line.thought = kind >= 30;
      line.startedAt = s.at;
      if (r.queued) awaitingGroup.push_back(lines.size());
      else line.batch = s.sequence;
      lines.push_back(std::move(line));
    }
    started.clear();
  }

  void End(SpokenLine& l, const std::string& why) {
    if (l.ended) return;
    l.ended = true;
    if (l.why.empty()) l.why = why;
  }

  // The line a shown balloon shows: its kept text is the line's own words.
  size_t LineOf(const Shown& b) const {
    const std::string& text = TextSlot.TextSlotText[static_cast<size_t>(2 * b.slot + (b.thought ? 1 : 0))];
    for (size_t i = lines.size(); i-- > 0;) {
      const SpokenLine& l = lines[i];
      if (l.ended || l.slot != b.slot || l.thought != b.thought || l.stage != SceneCursor.StageNumber) continue;
      if (l.line < ScriptStore.ScriptLineCount && ScriptStore.ScriptText[static_cast<size_t>(l.line)] == text) return i;
    }
    return lines.size();
  }

  std::string LineName(size_t i) const { return i < lines.size() ? "line " + std::to_string(lines[i].line + 1) : "another line"; }

  // What stands over a balloon: the topmost shown layer over it, named.
  std::string Cover(const Shown& b, const std::vector<Shown>& shown) const {
    const tq::Compositor& screen = tq::ThePlatform().Screen();
    const Box box = BoxOf(b.layer);
    const std::set<int> own = OwnLayers(b);
    const std::vector<int>& order = screen.Order();
    for (auto it = order.rbegin(); it != order.rend() && *it != b.layer; ++it) {
      if (own.count(*it) != 0 || !Showing(*it)) continue;
      const Box over = BoxOf(*it);
      if (over.x0 >= box.x1 || over.x1 <= box.x0 || over.y0 >= box.y1 || over.y1 <= box.y0) continue;
      for (const Shown& other : shown) {
        if (other.layer == *it) {
          return "hidden under the balloon of slot " + std::to_string(other.slot) + " (" + LineName(LineOf(other)) + ")";
        }
      }
      const std::string role = LayerRole(*it);
      return "hidden under " + (role.empty() ? "the scene's layer " + std::to_string(*it) : role + " (layer " + std::to_string(*it) + ")");
    }
    return "hidden";
  }

  // How the shown balloons stand: which line each shows, and whether that line is the
  // current one, whole and drawn white, in the newest batch. The lines of a balloon
  // that shows a later line, or that has closed, are over.
  std::vector<SeenLine> LookAtLines() {
    const std::vector<Shown> shown = ShownBalloons();
    std::vector<size_t> of;
    for (const Shown& b : shown) of.push_back(LineOf(b));
    // A topmost balloon still opening, its line not yet printed, makes no line current.
    const size_t newest = of.empty() || of.back() == lines.size() ? SIZE_MAX : lines[of.back()].batch;
    std::vector<SeenLine> out;
    std::set<size_t> onScreen;
    for (size_t k = 0; k < shown.size(); ++k) {
      const size_t found = of[k];
      if (found == lines.size()) continue;
      const Shown& b = shown[k];
      SpokenLine& line = lines[found];
      for (size_t i = 0; i < found; ++i) {
        SpokenLine& l = lines[i];
        if (l.slot == b.slot && l.thought == b.thought && !l.ended) {
          End(l, l.drawn ? "its balloon then shows line " + std::to_string(line.line + 1)
                         : "its balloon shows line " + std::to_string(line.line + 1) + " by the next look");
        }
      }
      line.drawn = true;
      onScreen.insert(found);
      const tq::LayerSurface& l = tq::ThePlatform().Screen().Layer(b.layer);
      const bool inside = l.x >= 0 && l.y >= 0 && l.x + l.image.Width() <= tq::kWindowWidth && l.y + l.image.Height() <= tq::kWindowHeight;
      std::string why;
      if (!inside) why = "part of it outside the window";
      else if (VisibleShare(b.layer, OwnLayers(b)) != 1.0) why = Cover(b, shown);
      else if (line.batch != newest) why = "overtaken by " + LineName(of.back());
      else if (DrawnGreyed(b.layer)) why = "drawn greyed";
      if (!why.empty() && line.why.empty()) line.why = why;
      out.push_back({found, why.empty()});
    }
    for (size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].drawn && !lines[i].ended && onScreen.count(i) == 0) End(lines[i], "its balloon closed");
    }
    return out;
  }

  // Nothing to look at: the lines shown are over.
  bool Watching() {
    if (where().empty()) {
      started.clear();
      for (SpokenLine& l : lines) End(l, "the scene ended");
      haveLook = false;
      return false;
    }
    if (SceneCursor.StageNumber != stage) {
      for (SpokenLine& l : lines) End(l, "its stage ended");
      awaitingGroup.clear();
      stage = SceneCursor.StageNumber;
      haveLook = false;
    }
    return true;
  }

  void Look(uint32_t at) {
    if (!Watching()) return;
    ++looks;
    const bool fresh = !started.empty();
    TakeStarted();
    const uint32_t step = haveLook ? at - lastLookAt : kLookMs;
    Snapshot now = TakeSnapshot();
    if (fresh || !haveLook || !(now == last)) {
      seen = LookAtLines();
      if (WaitsForClick()) {
        for (const SeenLine& s : seen) lines[s.line].read = lines[s.line].read || s.current;
      }
      lookFaults.clear();
      // At a click wait the test looks itself.
      if (!Showing(NoticeBoxLayer())) {
        lookFaults = ClosedBalloonPartFaults();
        // A chain is judged once it has stood still since the look before.
        std::set<int> resting;
        for (int s = 0; haveLook && s < kFaceSlotCount; ++s) {
          const int t = FaceSlot.ThoughtLayer[static_cast<size_t>(s)];
          bool rest = t > 0 && t + 3 < kLayerCount;
          for (int k = 0; rest && k <= 3; ++k) rest = now.layers[static_cast<size_t>(t + k)] == last.layers[static_cast<size_t>(t + k)];
          if (rest) resting.insert(s);
        }
        if (!resting.empty()) {
          for (std::string& f : ThoughtChainFaults(resting)) lookFaults.push_back(std::move(f));
        }
      }
    }
    for (const SeenLine& s : seen) {
      SpokenLine& l = lines[s.line];
      if (l.ended) continue;
      l.runMs = s.current ? l.runMs + step : 0;
      l.bestRunMs = std::max(l.bestRunMs, l.runMs);
    }
    if (!lookFaults.empty()) {
      const std::string here = where();
      for (const std::string& f : lookFaults) {
        const std::string key = here + ": " + f;
        if (between[key]++ == 0) betweenOrder.push_back(key);
      }
    }
    last = std::move(now);
    haveLook = true;
    lastLookAt = at;
  }

  // The hops, shakes and bobs of the balloon just read that come only after the click:
  // the balloon moves of its slot that run before any line prints again.
  std::vector<std::string> MovesAfterClick(const Shown& newest) {
    std::vector<std::string> faults;
    int keptSlot = LineState.CurrentSlot;
    const int first = ScriptStore.CurrentScriptLine;
    for (int n = first; n >= 0 && n < ScriptStore.ScriptLineCount && n < first + 8; ++n) {
      const std::string& text = ScriptStore.ScriptText[static_cast<size_t>(n)];
      const LineReading r = Read(text, keptSlot);
      if (r.Balloon() || r.LeavesScene()) break;
      if (r.BalloonMove() && r.slot == newest.slot && (r.moveThought == 1) == newest.thought) {
        if (const char* move = MoveName(r.moveKind)) {
          faults.push_back(std::string("the ") + move + " of the " + (newest.thought ? "thought " : "") + "balloon of slot " +
                           std::to_string(newest.slot) + " (line " + std::to_string(n + 1) + " " + text +
                           ") plays after the click, not with the line read");
        }
        break;
      }
      if (r.continueMode == 0) break;  // a click ends that line first
      keptSlot = r.slot;
    }
    return faults;
  }
};

namespace {

// The mode's ExpandMacros as the watch sees it: every line's conversion calls it.
void NoteLineStart() {
  const ExpandHook original = originalExpand[static_cast<size_t>(CurrentModeId())];
  if (watching != nullptr && !watching->reading) watching->NoteStart();
  if (original != nullptr) original();
}

constexpr ModeId kModes[] = {ModeId::Skelvane, ModeId::Marbrook, ModeId::Vadrim, ModeId::Other};

}  // namespace

BalloonStagingWatch::BalloonStagingWatch(tq::HeadlessPlatform& platform, uint32_t first, std::function<std::string()> where,
                                         bool movesWithTheirLine)
    : state_(std::make_unique<State>(platform, std::move(where))) {
  watching = state_.get();
  state_->movesWithTheirLine = movesWithTheirLine;
  for (ModeId id : kModes) {
    ExpandHook& hook = ModeHooksFor(id).ExpandMacros;
    originalExpand[static_cast<size_t>(id)] = hook;
    hook = NoteLineStart;
  }
  state_->Arm(first);
}

BalloonStagingWatch::~BalloonStagingWatch() {
  for (ModeId id : kModes) {
    ExpandHook& hook = ModeHooksFor(id).ExpandMacros;
    if (hook == NoteLineStart) hook = originalExpand[static_cast<size_t>(id)];
  }
  watching = nullptr;
}

int BalloonStagingWatch::Looks() const { return state_->looks; }

std::vector<std::string> BalloonStagingWatch::AtClickWait() {
  State& st = *state_;
  std::vector<std::string> faults = BalloonStagingFaults();
  for (std::string& f : StrayTailFaults()) faults.push_back(std::move(f));
  for (std::string& f : ThoughtChainFaults()) faults.push_back(std::move(f));
  for (std::string& f : ClosedBalloonPartFaults()) faults.push_back(std::move(f));
  if (!Showing(NoticeBoxLayer()) || !st.Watching()) return faults;
  st.TakeStarted();
  for (const State::SeenLine& s : st.LookAtLines()) {
    if (s.current) st.lines[s.line].read = true;
  }
  const std::vector<Shown> shown = ShownBalloons();
  if (!shown.empty() && st.movesWithTheirLine) {
    for (std::string& f : st.MovesAfterClick(shown.back())) faults.push_back(std::move(f));
  }
  return faults;
}

std::vector<std::string> BalloonStagingWatch::Faults() {
  State& st = *state_;
  std::vector<std::string> faults;
  for (const std::string& key : st.betweenOrder) {
    const int looks = st.between[key];
    faults.push_back(key + " (between clicks, at " + std::to_string(looks) + (looks == 1 ? " look)" : " looks)"));
  }
  for (const SpokenLine& l : st.lines) {
    if (l.read || l.bestRunMs >= kMurmurMs) continue;
    // A line the run stopped on has not had its time.
    if (!l.ended && (l.drawn || st.lastLookAt < l.startedAt + kMurmurMs)) continue;
    std::string f = l.Name() + ": no click waits on it as the current line, and it ";
    f += l.bestRunMs == 0 ? "is never the current line, whole and white, at a look"
                          : "stays the current line for " + std::to_string(l.bestRunMs) + " ms at most";
    if (!l.why.empty()) f += "; " + l.why;
    faults.push_back(std::move(f));
  }
  return faults;
}

}  // namespace tq::testing
