#include "scenario/balloon_animation.h"

#include <algorithm>

#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/layers.h"
#include "engine/numeric.h"
#include "platform/pixels.h"
#include "platform/platform.h"
#include "scenario/animation_dispatch.h"
#include "scenario/balloon_drawing.h"
#include "scenario/balloon_geometry.h"
#include "scenario/balloon_layout.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/motion_curves.h"
#include "scenario/scene_sounds.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"

namespace {

constexpr int kSchemeCurrent = 100;
constexpr int kSchemeGreyed = 99;
constexpr int kNoFrame = -1;
// An opening starts from a fifth of the window, placed off to the side, and grows
// by a tenth of it per frame.
constexpr int kOffStageX = 640;

// The speech state each slot had when the erase of its thought balloon (or another
// window that is not its speech balloon) began, given back when that erase ends.
PerSlot<int> speechBeforeErase{};

int Slot() { return ValidFaceSlot(LineState.CurrentSlot) ? LineState.CurrentSlot : 0; }

// A layer's present place and size, read without disturbing DrawState.
Rect PresentRect(int layer) {
  if (!ValidLayer(layer)) return {};
  const tq::LayerSurface& l = tq::ThePlatform().Screen().Layer(layer);
  return {l.x, l.y, l.image.Width(), l.image.Height()};
}

// A goal the layer can reach: a size beyond what a surface may hold would never be
// reached, and the animation never end.
int Reachable(int size) { return std::clamp(size, 0, tq::kMaxSurfaceSide); }

// One axis of an opening: a step towards the goal, counted once it is there. A
// window too small for a tenth (or, erasing, a seventh or fifth) of it to be a
// whole pixel still moves a pixel a frame, so that it ends.
int Grow(int present, int goal, int step) {
  const int next = present + std::max(step, 1);
  if (next < goal) return next;
  DrawState.StepDoneCount += 1;
  return goal;
}

// One axis of an erase: a step towards nothing, counted once it is there.
int Shrink(int present, int step) {
  const int next = present - std::max(step, 1);
  if (next > 0) return next;
  DrawState.StepDoneCount += 1;
  return 0;
}

// A window's frame for this size: hidden, moved and sized, framed, shown again.
void Redraw(int layer, const Rect& r, int thickness, int scheme, bool toFront) {
  ShowLayer(layer, false);
  MoveLayer(layer, r.X, r.Y, r.Width, r.Height);
  if (toFront) LayerToFront(layer);
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = r;
  if (scheme != kNoFrame) DrawBevelFrame(10, thickness, scheme);
  ShowLayer(layer, true);
}

// Where a face balloon of size (w, h) stands while it grows to or shrinks from
// (W, H) at (x0, y0): its face-side edge (sides 0, 1), its top (2) or its bottom (3)
// stays, and it keeps centred across the other axis.
Rect SidePosition(int side, int x0, int y0, int W, int H, int w, int h, const Rect& present) {
  switch (side) {
    case 0: return {x0, y0 + H / 2 - h / 2, w, h};
    case 1: return {x0 + W - w, y0 + H / 2 - h / 2, w, h};
    case 2: return {x0 + W / 2 - w / 2, y0, w, h};
    case 3: return {x0 + W / 2 - w / 2, y0 + H - h, w, h};
    default: return {present.X, present.Y, w, h};
  }
}

void StartSmall(int layer, int W, int H) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {kOffStageX, 0, W / 5, H / 5};
  PrepareLayer(kPreparePictureShown);
}

void SpeechOpening(int queued) {
  FaceSlotRecord& f = FaceSlot;
  const BalloonGeometryRecord& g = BalloonGeometry;
  AnimationRunRecord& run = AnimationRun;
  const int s = Slot();
  DrawState.StepDoneCount = 0;
  if (queued == 1) RestoreQueuedLine(s);

  const int layer = f.BalloonLayer[s];
  TextWindow.WindowLayer = layer;
  const int W = g.SlotBalloonWidth[s];
  const int H = g.SlotBalloonHeight[s];
  TextWindow.WindowRect.Width = W;
  TextWindow.WindowRect.Height = H;

  if (run.AnimationFrame == 0) {
    BalloonShowSound(0);
    f.SpeechState[s] = kBalloonOpening;
    DrawState.AutoRaiseOn = 0;
    StartSmall(layer, W, H);
    BalloonParts(2, 0);
    run.AnimationFrame = 1;
  }

  PlaceSlotPicture(0, 0);
  const int x0 = DrawState.CurrentRect.X;
  const int y0 = DrawState.CurrentRect.Y;
  TextWindow.WindowRect.X = x0;
  TextWindow.WindowRect.Y = y0;
  PlaceSlotPicture(1, -1);

  // A balloon without a layer of its own has nothing to grow: it is open at once.
  const Rect present = ValidLayer(layer) ? PresentRect(layer) : Rect{0, 0, Reachable(W), Reachable(H)};
  const int w = Grow(present.Width, Reachable(W), W / 10);
  const int h = Grow(present.Height, Reachable(H), H / 10);
  Redraw(layer, SidePosition(g.SlotBalloonSide[s], x0, y0, W, H, w, h, present), TextWindow.BalloonFrameThickness,
         kSchemeCurrent, false);

  if (DrawState.StepDoneCount != 2) return;
  f.SpeechState[s] = kBalloonShown;
  if (queued == 0) {
    FinishScriptAction();
    return;
  }
  LineCode.Speaker = s;
  BalloonLayout(0);
  PlaceSlotPicture(0, 0);
  BalloonText(20);
}

// Bubble k pops up with an overshoot: 1.5, 2, 1.75, 1.5 and 1 times its size,
// centred on its resting square.
void BubbleFrame() {
  AnimationRunRecord& run = AnimationRun;
  constexpr double kFactors[5] = {1.5, 2.0, 1.75, 1.5, 1.0};
  SetFrameLength(-2, 24);
  DrawState.StepDoneCount = 0;
  run.AnimationLength = 4;
  const int k = std::clamp(run.AnimationSubStep, 0, kBubbleCount - 1);
  const double factor = kFactors[std::clamp(run.AnimationFrame, 0, 4)];

  const Rect rest = BubbleRest(k);
  const int b = rest.Width;
  const int side = RoundHalfEven(b * factor);
  DrawState.CurrentLayer = TextWindow.TailLayer + k;
  DrawState.CurrentRect = {rest.X + b / 2 - side / 2, rest.Y + b / 2 - side / 2, side, side};
  PrepareLayer(kPreparePictureShown);
  DrawBevelFrame(10, 20, kSchemeCurrent);

  run.AnimationFrame += 1;
  if (run.AnimationFrame <= 4) return;
  BalloonParts(15, 10 + k);
  run.AnimationFrame = 0;
  run.AnimationSubStep += 1;
  if (run.AnimationSubStep > 2) run.AnimationStep = 1;
}

// The body grows in ten frames while it sinks 10 pixels, then rises back in ten
// more; the bubbles dip by 2, 5 and 7 pixels on the same curve.
void BodyFrame() {
  AnimationRunRecord& run = AnimationRun;
  const TextWindowRecord& tw = TextWindow;
  SetFrameLength(20, 0);
  DrawState.StepDoneCount = 0;
  const int layer = tw.WindowLayer;
  const int W = tw.WindowRect.Width;
  const int H = tw.WindowRect.Height;

  if (run.AnimationFrame == 0) {
    BalloonShowSound(0);
    BalloonParts(15, 0);
    for (int k = 0; k < kBubbleCount; ++k) MotionSlot[static_cast<size_t>(k)].MotionStartY = PresentRect(tw.TailLayer + k).Y;
    StartSmall(layer, W, H);
    run.AnimationFrame = 1;
  }

  const int f = run.AnimationFrame;
  const int x0 = tw.WindowRect.X;
  const int y0 = tw.WindowRect.Y;
  const Rect present = PresentRect(layer);
  const int w = std::min(W, present.Width + W / 10);
  const int h = std::min(H, present.Height + H / 10);
  const int x = BalloonGeometry.SlotBalloonSide[static_cast<size_t>(Slot())] == 1 ? x0 + W - w : x0;
  run.AnimationLength = 10;
  const int dip = (10 - f) * (10 - f);
  const int y = RoundHalfEven(y0 + 10 - 0.1 * dip);

  if (f <= 10) {
    Redraw(layer, {x, y, w, h}, tw.BalloonFrameThickness, kSchemeCurrent, true);
    if (f == 10) BalloonText(10);
  } else {
    MoveLayer(layer, present.X, y, present.Width, present.Height);
  }

  constexpr double kBubbleDip[kBubbleCount][2] = {{2, 0.025}, {5, 0.05}, {7, 0.075}};
  for (int k = 0; k < kBubbleCount; ++k) {
    const int bubble = tw.TailLayer + k;
    const Rect r = PresentRect(bubble);
    const int top = RoundHalfEven(MotionSlot[static_cast<size_t>(k)].MotionStartY + kBubbleDip[k][0] - kBubbleDip[k][1] * dip);
    MoveLayer(bubble, r.X, top, r.Width, r.Height);
  }

  run.AnimationFrame += 1;
  if (run.AnimationFrame <= 2 * run.AnimationLength) return;
  // The speaker's thought balloon is open; a speaker that is not a face slot (an
  // event value) names none, and the line's slot stands in.
  const int speaker = ValidFaceSlot(LineCode.Speaker) ? LineCode.Speaker : Slot();
  FaceSlot.ThoughtState[static_cast<size_t>(speaker)] = kBalloonShown;
  FinishScriptAction();
}

void ThoughtOpening() {
  if (AnimationRun.AnimationStep == 0) BubbleFrame();
  else BodyFrame();
}

void NarrationOpening() {
  AnimationRunRecord& run = AnimationRun;
  const TextWindowRecord& tw = TextWindow;
  const int layer = tw.NarrationLayer;
  DrawState.CurrentLayer = layer;
  DrawState.StepDoneCount = 0;
  const int W = tw.WindowRect.Width;
  const int H = tw.WindowRect.Height;
  const bool first = run.AnimationFrame == 0;
  if (first) StartSmall(layer, W, H);

  const int cx = tw.WindowRect.X + W / 2;
  const int cy = tw.WindowRect.Y + H / 2;
  const Rect present = ValidLayer(layer) ? PresentRect(layer) : Rect{0, 0, Reachable(W), Reachable(H)};
  const int w = Grow(present.Width, Reachable(W), W / 10);
  const int h = Grow(present.Height, Reachable(H), H / 10);
  int thickness = 30, scheme = kNoFrame;
  switch (tw.WindowFrameStyle) {
    case 0: scheme = kSchemeCurrent; break;
    case 5:
      scheme = 30;
      if (first) PlaySceneSound(25);
      break;
    case 10:
      thickness = 20;
      scheme = 31;
      if (first) PlaySceneSound(20);
      break;
    default: break;
  }
  Redraw(layer, {cx - w / 2, cy - h / 2, w, h}, thickness, scheme, true);

  run.AnimationFrame = 1;
  if (DrawState.StepDoneCount != 2) return;
  FaceSlot.NarrationState = kBalloonShown;
  FinishScriptAction();
}

void BalloonErase(int queued) {
  FaceSlotRecord& f = FaceSlot;
  const BalloonGeometryRecord& g = BalloonGeometry;
  const int s = Slot();
  const int category = f.SlotBalloonCategory[s];
  DrawState.StepDoneCount = 0;
  // Only a speech balloon's erase may leave the speech state behind; any other erase
  // gives it back when it ends.
  if (category != 0 && f.SpeechState[s] != kBalloonErasing) speechBeforeErase[s] = f.SpeechState[s];
  f.SpeechState[s] = kBalloonErasing;
  LineCode.MainParam = f.SlotOpenKind[s];
  f.BalloonCategory = category;
  if (category == 0) TextWindow.WindowLayer = f.BalloonLayer[s];
  else if (category == 1) TextWindow.WindowLayer = f.ThoughtLayer[s];
  const int layer = TextWindow.WindowLayer;
  const int W = g.SlotBalloonWidth[s];
  const int H = g.SlotBalloonHeight[s];

  PlaceSlotPicture(0, 0);
  const int x0 = DrawState.CurrentRect.X;
  const int y0 = DrawState.CurrentRect.Y;
  TextWindow.WindowRect.X = x0;
  TextWindow.WindowRect.Y = y0;
  if (category == 0) PlaceSlotPicture(1, -1);

  const Rect present = PresentRect(layer);
  const int w = Shrink(present.Width, W / 7);
  const int h = Shrink(present.Height, H / 7);
  // Only a speech or thought balloon has a text slot of the slot's own (2s, 2s + 1);
  // any other category would name another slot's kept text.
  const int textSlot = category == 0 || category == 1 ? 2 * s + category : -1;
  const int kept = ValidTextSlot(textSlot) ? TextSlot.TextSlotState[static_cast<size_t>(textSlot)] : 0;
  const int scheme = kept >= 1 && kept <= 9 ? kSchemeCurrent : kept == 10 ? kSchemeGreyed : kNoFrame;
  Redraw(layer, SidePosition(g.SlotBalloonSide[s], x0, y0, W, H, w, h, present), TextWindow.BalloonFrameThickness,
         scheme, false);

  if (category == 0 && 3 * (W / 7) >= w) ShowLayer(f.BalloonLayer[s] + 1, false);
  if (category == 1 && 2 * (W / 7) >= w) {
    for (int k = 1; k <= 3; ++k) ShowLayer(f.ThoughtLayer[s] + k, false);
  }

  if (DrawState.StepDoneCount != 2) return;
  ShowLayer(layer, false);
  if (ValidTextSlot(textSlot)) TextSlot.TextSlotState[static_cast<size_t>(textSlot)] = 0;
  if (category == 0) {
    f.SpeechState[s] = kBalloonHidden;
  } else {
    if (category == 1) f.ThoughtState[s] = kBalloonHidden;
    // The speech balloon is still on screen. A multiple erase may have marked it
    // (11) while the slot's last balloon was this one: it is shown, not erasing, so
    // that the loop waiting on it ends.
    const int before = speechBeforeErase[s];
    f.SpeechState[s] = before == kBalloonToErase || before == kBalloonErasing ? kBalloonShown : before;
  }
  if (queued == 0) FinishScriptAction();
}

void NarrationErase() {
  AnimationRunRecord& run = AnimationRun;
  TextWindowRecord& tw = TextWindow;
  const int layer = tw.NarrationLayer;
  DrawState.CurrentLayer = layer;
  DrawState.StepDoneCount = 0;
  const Rect present = PresentRect(layer);
  const bool first = run.AnimationFrame == 0;
  if (first) tw.WindowRect = present;

  const int W = tw.WindowRect.Width;
  const int H = tw.WindowRect.Height;
  const int cx = tw.WindowRect.X + W / 2;
  const int cy = tw.WindowRect.Y + H / 2;
  const int w = Shrink(present.Width, W / 5);
  const int h = Shrink(present.Height, H / 5);
  int thickness = 30, scheme = kNoFrame;
  switch (FaceSlot.BalloonCategory) {
    case 5:
      scheme = 30;
      if (first) PlaySceneSound(25, 0, -0.1f);
      break;
    case 6: scheme = kSchemeCurrent; break;
    case 10:
      thickness = 20;
      scheme = 31;
      if (first) PlaySceneSound(21);
      break;
    default: break;
  }
  Redraw(layer, {cx - w / 2, cy - h / 2, w, h}, thickness, scheme, true);

  run.AnimationFrame = 1;
  if (DrawState.StepDoneCount != 2) return;
  FaceSlot.NarrationState = kBalloonHidden;
  ShowLayer(layer, false);
  const int index = FaceSlot.TextSlotIndex;
  if (ValidTextSlot(index)) TextSlot.TextSlotState[static_cast<size_t>(index)] = 0;
  FinishScriptAction();
}

}  // namespace

void AnimateBalloon(int code, int queued) {
  switch (code) {
    case kSpeechOpeningKind: SpeechOpening(queued); break;
    case kAnimThoughtOpening: ThoughtOpening(); break;
    case kAnimCaptionOpening:
    case kAnimWindowOpening: NarrationOpening(); break;
    case kBalloonEraseKind: BalloonErase(queued); break;
    case kAnimNarrationErase: NarrationErase(); break;
    default: break;
  }
}

void ResetBalloonAnimationState() { speechBeforeErase.fill(0); }
