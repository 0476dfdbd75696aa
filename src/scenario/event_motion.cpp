#include "scenario/event_motion.h"

#include <iostream>

#include "engine/banner_letters.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/numeric.h"
#include "platform/platform.h"
#include "scenario/animation_dispatch.h"
#include "scenario/line_execution.h"
#include "scenario/motion_curves.h"
#include "scenario/scene_sounds.h"

EventPictureRecord EventPicture;

namespace {

// The finale's layers.
constexpr int kBandLayer = 2;        // horizontal band behind the first banner
constexpr int kColumnLayer = 3;      // vertical band behind the second banner
constexpr int kFirstBanner = 4;
constexpr int kSecondBanner = 5;
constexpr int kFirstPiece = 6;       // pieces 6 to 9
constexpr int kLastStep = 3;

MotionSlotRecord* SlotAt(int slot) {
  if (slot < 0 || slot >= kMotionSlotCount) return nullptr;
  return &MotionSlot[static_cast<size_t>(slot)];
}

Rect RectOf(int layer) {
  if (!ValidLayer(layer)) return {};
  const tq::LayerSurface& l = tq::ThePlatform().Screen().Layer(layer);
  return {l.x, l.y, l.image.Width(), l.image.Height()};
}

// The channel is the caller's own counter, which a sound table may write back.
void SoundOnChannel(int number, int& channel) {
  float offset = 0.0f;
  PlaySoundEffect(number, channel, offset);
}

void Prepare(int layer, int x, int y, int w, int h) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {x, y, w, h};
  PrepareLayer(kPreparePictureShown);
}

// Motion slot 0 moves `layer` from (sx, sy) to (ex, ey); the finale steps it alone.
MotionSlotRecord& Slot0(int layer, int sx, int sy, int ex, int ey) {
  MotionSlotRecord& s = MotionSlot[0];
  s.MotionLayer = layer;
  s.MotionStartX = sx;
  s.MotionStartY = sy;
  s.MotionEndX = ex;
  s.MotionEndY = ey;
  return s;
}

void Sizes(MotionSlotRecord& s, int sw, int sh, int ew, int eh) {
  s.MotionStartWidth = sw;
  s.MotionStartHeight = sh;
  s.MotionEndWidth = ew;
  s.MotionEndHeight = eh;
}

void StepSlot0(int curve) {
  MotionState.CurrentMotionSlot = 0;
  MotionCurveStep(curve);
}

// After the frame's move: the step is over once f passes L; the event after its last step.
void AdvanceStep() {
  AnimationRunRecord& run = AnimationRun;
  run.AnimationFrame += 1;
  if (run.AnimationFrame <= run.AnimationLength) return;
  run.AnimationFrame = 0;
  if (run.AnimationStep >= kLastStep) {
    FinishScriptAction();
    return;
  }
  run.AnimationStep += 1;
}

// A step whose layer has reached its goal: the layer goes, and the next step (or the
// end of the event) follows.
void LeaveStepDone(int layer) {
  ShowLayer(layer, false);
  AnimationRun.AnimationFrame = 0;
  if (AnimationRun.AnimationStep >= kLastStep) {
    FinishScriptAction();
    return;
  }
  AnimationRun.AnimationStep += 1;
}

// Event 40: the horizontal band opens, the first banner slides in over it, the
// vertical band opens, the second banner drops in over that.
void BannersArrive() {
  AnimationRunRecord& run = AnimationRun;
  const ScreenSizeRecord& sc = ScreenSize;
  const bool first = run.AnimationFrame == 0;
  if (first && run.AnimationStep == 0) {
    BannerLetters(10, kFirstBanner);
    BannerLetters(11, kSecondBanner);
  }
  switch (run.AnimationStep) {
    case 0:
      if (first) {
        PlaySceneSound(100);
        const int h4 = RectOf(kFirstBanner).Height;
        Prepare(kBandLayer, 0, sc.ScreenHalfHeight - 1, sc.ScreenWidth, 2);
        MotionSlotRecord& s = Slot0(kBandLayer, 0, sc.ScreenHalfHeight - 1, 0, CentreY(int{h4}));
        Sizes(s, sc.ScreenWidth, 2, sc.ScreenWidth, h4);
        run.AnimationLength = 5;
      }
      StepSlot0(kMotionSizedLinear);
      break;
    case 1:
      if (first) {
        const Rect r4 = RectOf(kFirstBanner);
        const int left = CentreX(int{r4.Width});
        const int top = CentreY(int{r4.Height});
        Slot0(kFirstBanner, left + r4.Width - 20, top, left - 20, top);
        run.AnimationLength = 8;
        LayerToFront(kFirstBanner);
      }
      StepSlot0(kMotionLinear);
      break;
    case 2:
      if (first) {
        PlaySceneSound(100);
        const int w5 = RectOf(kSecondBanner).Width;
        const int x4 = RectOf(kFirstBanner).X;
        Prepare(kColumnLayer, -2, 0, 2, sc.ScreenHeight);
        MotionSlotRecord& s = Slot0(kColumnLayer, 240 + x4 + w5 / 2, 0, 240 + x4, 0);
        Sizes(s, 2, sc.ScreenHeight, w5, sc.ScreenHeight);
        run.AnimationLength = 5;
      }
      StepSlot0(kMotionSizedLinear);
      break;
    default:
      if (first) {
        const int x3 = RectOf(kColumnLayer).X;
        const int h5 = RectOf(kSecondBanner).Height;
        const int top = CentreY(int{h5});
        Slot0(kSecondBanner, x3, top - h5, x3, top);
        run.AnimationLength = 5;
        LayerToFront(kSecondBanner);
      }
      StepSlot0(kMotionLinear);
      break;
  }
  AdvanceStep();
}

// Event 41: the four pieces slide in from one width to the right, one a step, each a
// little lower and further right than the one before.
void PiecesArrive() {
  static constexpr int kDx[4] = {0, 96, 180, 225};
  static constexpr int kDy[4] = {0, 5, 8, 10};
  AnimationRunRecord& run = AnimationRun;
  const ScreenSizeRecord& sc = ScreenSize;
  const int k = run.AnimationStep;
  if (run.AnimationFrame == 0) {
    // The step is the channel, so the two sounds overlap on channels 0 and 1.
    if (k == 0 || k == 1) SoundOnChannel(101, run.AnimationStep);
    if (k == 0) {
      for (int i = 0; i < 4; ++i) BannerLetters(5 + i, kFirstPiece + i);
    }
    const int w9 = RectOf(kFirstPiece + 3).Width;
    const int rowLeft = CentreX(225 + w9) - 12;
    const int piece = kFirstPiece + k;
    const int x = rowLeft + kDx[k];
    const int y = RoundHalfEven(1.25 * kDy[k]) + sc.ScreenHalfHeight + 99;
    Slot0(piece, x + RectOf(piece).Width, y, x, y);
    run.AnimationLength = 3;
    LayerToFront(piece);
  }
  StepSlot0(kMotionLinear);
  AdvanceStep();
}

// Event 42: each piece in turn moves left by its own width at 20 pixels a frame and
// vanishes.
void PiecesLeave() {
  AnimationRunRecord& run = AnimationRun;
  const int k = run.AnimationStep;
  DrawState.StepDoneCount = 0;
  if (run.AnimationFrame == 0) {
    if (k == 0 || k == 1) SoundOnChannel(102, run.AnimationStep);
    for (int i = 0; i < 4; ++i) MotionSlot[static_cast<size_t>(i)].MotionEndX = RectOf(kFirstPiece + i).X;
    run.AnimationFrame = 1;
  }
  const int piece = kFirstPiece + k;
  const Rect r = RectOf(piece);
  const int goal = MotionSlot[static_cast<size_t>(k)].MotionEndX - r.Width;
  int x = r.X - 20;
  if (x <= goal) {
    x = goal;
    DrawState.StepDoneCount = 1;
  }
  MoveLayer(piece, x, r.Y, r.Width, r.Height);
  if (DrawState.StepDoneCount == 1) LeaveStepDone(piece);
}

// Event 43: the first banner moves off left, the band closes on the middle line, the
// second banner drops, the vertical band closes; each layer goes when it is done.
void EverythingLeaves() {
  AnimationRunRecord& run = AnimationRun;
  const ScreenSizeRecord& sc = ScreenSize;
  if (run.AnimationFrame == 0 && run.AnimationStep == 0) PlaySceneSound(102);
  DrawState.StepDoneCount = 0;
  int layer = kFirstBanner;
  Rect r;
  switch (run.AnimationStep) {
    case 0: {
      layer = kFirstBanner;
      r = RectOf(layer);
      const int goal = sc.ScreenHalfWidth - r.Width / 2 - 100;
      r.X -= 20;
      if (r.X <= goal) {
        r.X = goal;
        DrawState.StepDoneCount = 1;
      }
      break;
    }
    case 1:
      layer = kBandLayer;
      r = RectOf(layer);
      r.Height -= 10;
      if (r.Height <= 0) {
        r.Height = 0;
        DrawState.StepDoneCount = 1;
      }
      r.Y = sc.ScreenHalfHeight - r.Height / 2;
      break;
    case 2: {
      layer = kSecondBanner;
      r = RectOf(layer);
      const int goal = sc.ScreenHalfHeight - r.Height / 2 + 40;
      r.Y += 15;
      if (r.Y >= goal) {
        r.Y = goal;
        DrawState.StepDoneCount = 1;
      }
      break;
    }
    default:
      layer = kColumnLayer;
      r = RectOf(layer);
      r.Width -= RoundHalfEven(11.25);
      if (r.Width <= 0) {
        r.Width = 0;
        DrawState.StepDoneCount = 1;
      }
      r.X = sc.ScreenHalfWidth + 105 - r.Width / 2;
      break;
  }
  MoveLayer(layer, r.X, r.Y, r.Width, r.Height);
  run.AnimationFrame += 1;
  if (DrawState.StepDoneCount == 1) LeaveStepDone(layer);
}

}  // namespace

void EventMotionSet(int startX, int startY, int endX, int endY, int slot) {
  MotionSlotRecord* s = SlotAt(slot);
  if (s == nullptr) return;
  s->MotionLayer = DrawState.CurrentLayer;
  s->MotionStartX = startX;
  s->MotionStartY = startY;
  s->MotionEndX = endX;
  s->MotionEndY = endY;
}

void EventMotionMark(int slot) {
  GetLayerRect(kRectIntoCurrent, DrawState.CurrentLayer);
  MotionSlotRecord* s = SlotAt(slot);
  if (s == nullptr) return;
  s->MotionLayer = DrawState.CurrentLayer;
  s->MotionStartX = DrawState.CurrentRect.X;
  s->MotionStartY = DrawState.CurrentRect.Y;
}

void EventMotionMarkSize(int slot) {
  EventMotionMark(slot);
  MotionSlotRecord* s = SlotAt(slot);
  if (s == nullptr) return;
  s->MotionStartWidth = DrawState.CurrentRect.Width;
  s->MotionStartHeight = DrawState.CurrentRect.Height;
}

void FinaleEventTick() {
  const int kind = FrameClock.AnimationCode - kAnimNormalEvents;
  switch (kind) {
    case 40: BannersArrive(); return;
    case 41: PiecesArrive(); return;
    case 42: PiecesLeave(); return;
    case 43: EverythingLeaves(); return;
    default:
      // 44 and 45 name no event; drawing nothing for ever would hang the scene.
      std::cerr << "scenario: finale event " << kind << " has no frames; its line ends\n";
      FinishScriptAction();
      return;
  }
}

void ResetEventMotionState() { EventPicture = EventPictureRecord{}; }
