#include "scenario/motion_curves.h"

#include <algorithm>

#include "engine/frame_model.h"
#include "engine/interpolation.h"
#include "engine/layers.h"
#include "engine/numeric.h"
#include "engine/string_utils.h"
#include "platform/platform.h"
#include "scenario/balloon_geometry.h"
#include "scenario/conversation_scene.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/script_conversion.h"

MotionStateRecord MotionState;

namespace {

// A real position stored into a 16-bit word: nearest, halves to even, held in range.
int Store16(double v) { return std::clamp(RoundHalfEven(v), -32768, 32767); }

double Square(double n) { return n * n; }

// k = D / L^2, kept in single precision before the double arithmetic uses it.
double QuadFactor(int start, int end, int length) {
  return static_cast<float>((static_cast<double>(end) - start) / Square(length));
}

double EaseOut(int start, int end, int length, int frame) {
  return end - QuadFactor(start, end, length) * Square(static_cast<double>(length) - frame);
}

double EaseIn(int start, int end, int length, int frame) {
  return start + QuadFactor(start, end, length) * Square(frame);
}

// Start at F = 0, End at F = L / 2, Start again at F = L.
double Arc(int start, int end, int length, int frame) {
  return end - QuadFactor(start, end, length) * Square(static_cast<double>(length) - 2.0 * frame);
}

tq::LayerSurface* Surface(int layer) {
  return ValidLayer(layer) ? &tq::ThePlatform().Screen().Layer(layer) : nullptr;
}

bool IsSlotCurve(int curve) {
  switch (curve) {
    case kMotionLinear:
    case kMotionEaseOut:
    case kMotionEaseIn:
    case kMotionEaseOutArc:
    case kMotionArcEaseOut:
    case kMotionSizedLinear:
    case kMotionSizedEaseOut:
    case kMotionArc:
    case kMotionFlicker:
    case kMotionPausedArc: return true;
    default:
      return false;
  }
}

// The curves that move one slot's layer.
void SlotCurveStep(int curve) {
  const int index = MotionState.CurrentMotionSlot;
  if (index < 0 || index >= kMotionSlotCount) return;
  const MotionSlotRecord& s = MotionSlot[static_cast<size_t>(index)];
  const int f = AnimationRun.AnimationFrame;
  const int len = std::max(1, AnimationRun.AnimationLength);
  DrawState.CurrentLayer = s.MotionLayer;
  Rect& r = DrawState.CurrentRect;

  switch (curve) {
    case kMotionLinear:
      r.X = Store16(Interpolate(s.MotionStartX, s.MotionEndX, f, len, NoFrames::kOneFrame));
      r.Y = Store16(Interpolate(s.MotionStartY, s.MotionEndY, f, len, NoFrames::kOneFrame));
      break;
    case kMotionEaseOut:
      r.X = Store16(EaseOut(s.MotionStartX, s.MotionEndX, len, f));
      r.Y = Store16(EaseOut(s.MotionStartY, s.MotionEndY, len, f));
      break;
    case kMotionEaseIn:
      r.X = Store16(EaseIn(s.MotionStartX, s.MotionEndX, len, f));
      r.Y = Store16(EaseIn(s.MotionStartY, s.MotionEndY, len, f));
      break;
    case kMotionEaseOutArc:
      r.X = Store16(EaseOut(s.MotionStartX, s.MotionEndX, len, f));
      r.Y = Store16(Arc(s.MotionStartY, s.MotionEndY, len, f));
      break;
    case kMotionArcEaseOut:
      r.X = Store16(Arc(s.MotionStartX, s.MotionEndX, len, f));
      r.Y = Store16(EaseOut(s.MotionStartY, s.MotionEndY, len, f));
      break;
    case kMotionArc:
      r.X = Store16(Arc(s.MotionStartX, s.MotionEndX, len, f));
      r.Y = Store16(Arc(s.MotionStartY, s.MotionEndY, len, f));
      break;
    case kMotionPausedArc:
      r.X = Store16(Interpolate(s.MotionStartX, s.MotionEndX, f, s.MotionPause, NoFrames::kOneFrame));
      r.Y = Store16(Arc(s.MotionStartY, s.MotionEndY, len, f));
      break;
    case kMotionSizedLinear:
      r.X = Store16(Interpolate(s.MotionStartX, s.MotionEndX, f, len, NoFrames::kOneFrame));
      r.Y = Store16(Interpolate(s.MotionStartY, s.MotionEndY, f, len, NoFrames::kOneFrame));
      r.Width = Store16(Interpolate(s.MotionStartWidth, s.MotionEndWidth, f, len, NoFrames::kOneFrame));
      r.Height = Store16(Interpolate(s.MotionStartHeight, s.MotionEndHeight, f, len, NoFrames::kOneFrame));
      break;
    case kMotionSizedEaseOut:
      r.X = Store16(EaseOut(s.MotionStartX, s.MotionEndX, len, f));
      r.Y = Store16(EaseOut(s.MotionStartY, s.MotionEndY, len, f));
      r.Width = Store16(EaseOut(s.MotionStartWidth, s.MotionEndWidth, len, f));
      r.Height = Store16(EaseOut(s.MotionStartHeight, s.MotionEndHeight, len, f));
      break;
    case kMotionFlicker: {
      const bool atEnd = ((f % 8) + 8) % 8 < 4;
      r.X = atEnd ? s.MotionEndX : s.MotionStartX;
      r.Y = atEnd ? s.MotionEndY : s.MotionStartY;
      break;
    }
    default:
      return;
  }

  if (curve == kMotionSizedLinear || curve == kMotionSizedEaseOut) {
    // A size change keeps what overlaps and fills the rest with the back colour;
    // the callers redraw their borders or back colour every frame.
    MoveLayer(s.MotionLayer, r.X, r.Y, std::max(0, r.Width), std::max(0, r.Height));
  } else {
    MoveLayerKeepingSize(s.MotionLayer, r.X, r.Y);
  }
  if (curve == kMotionLinear || curve == kMotionEaseOut || curve == kMotionEaseIn) ShowLayer(s.MotionLayer, true);
  if (curve == kMotionEaseOutArc || curve == kMotionArcEaseOut || curve == kMotionArc || curve == kMotionPausedArc) {
    AnimationRun.AnimationLength = s.MotionPause;
  }
}

int LayerTop(int layer) {
  const tq::LayerSurface* s = Surface(layer);
  return s != nullptr ? s->y : 0;
}

void MoveTop(int layer, int y) {
  const tq::LayerSurface* s = Surface(layer);
  if (s != nullptr) MoveLayerKeepingSize(layer, s->x, y);
}

// The hop of the Skelvane balloon window and its tail: 32 frames per hop, one to
// three hops (MainParam 0 to 2). Slots 0 and 1 hold the rest tops meanwhile.
void HopStep() {
  constexpr int kHopLength = 15;
  constexpr int kLastHopFrame = 2 * kHopLength + 1;
  MovePicturePair(10);
  const int window = TextWindow.WindowLayer;
  const int tail = TextWindow.TailLayer;
  MotionSlotRecord& windowRest = MotionSlot[0];
  MotionSlotRecord& tailRest = MotionSlot[1];
  const int f = AnimationRun.AnimationFrame;
  if (f == 0) {
    windowRest.MotionStartY = LayerTop(window);
    tailRest.MotionStartY = LayerTop(tail);
  }
  AnimationRun.AnimationLength = kHopLength;
  const double rise = Square(static_cast<double>(kHopLength) - f);
  MoveTop(window, Store16(0.11 * rise + windowRest.MotionStartY - 30));
  MoveTop(tail, Store16(0.08 * rise + tailRest.MotionStartY - 20));

  AnimationRun.AnimationFrame = f + 1;
  if (AnimationRun.AnimationFrame <= kLastHopFrame) return;
  AnimationRun.AnimationFrame = 0;
  AnimationRun.AnimationSubStep += 1;
  MoveTop(window, windowRest.MotionStartY);
  MoveTop(tail, tailRest.MotionStartY);
  // Only one to three hops are defined; any other count makes one hop rather than
  // a hop that never lets the line end.
  const int hops = (LineCode.MainParam >= 0 && LineCode.MainParam <= 2) ? LineCode.MainParam + 1 : 1;
  if (AnimationRun.AnimationSubStep == hops) FinishScriptAction();
}

// The shake of the line's speaker: the face by (dx, dy), its balloon by 0.6 and
// the tail by 0.3 of that, around rest positions kept in slots 0 to 2.
void ShakeStep(int curve) {
  SetFrameLength(-2, 20);
  MovePicturePair(10);
  const int speaker = LineCode.Speaker;
  const int f = AnimationRun.AnimationFrame;
  // A line without a face slot for its speaker has nothing to shake; its timing
  // still runs, so the caller's count ends as usual.
  const bool hasFace = ValidFaceSlot(speaker);
  if (hasFace && f == 0) {
    const int layers[3] = {FaceSlot.FaceLayer[static_cast<size_t>(speaker)],
                           FaceSlot.BalloonLayer[static_cast<size_t>(speaker)],
                           FaceSlot.BalloonLayer[static_cast<size_t>(speaker)] + 1};
    for (size_t k = 0; k < 3; ++k) {
      const tq::LayerSurface* s = Surface(layers[k]);
      MotionSlot[k].MotionLayer = layers[k];
      MotionSlot[k].MotionStartX = s != nullptr ? s->x : 0;
      MotionSlot[k].MotionStartY = s != nullptr ? s->y : 0;
    }
  }

  // b is the whole-number half of the amplitude a; the offset is drawn from -b to b.
  auto randomOffset = [](int a) {
    const int b = std::max(0, a) / 2;
    return RandomRange(0, 2 * b) - b;
  };
  int dx = 0;
  int dy = 0;
  switch (curve) {
    case 31: {
      SetFrameLength(-2, 40);
      AnimationRun.AnimationLength = 16;
      const int r = RandomRange(0, 2) + 4;
      const bool even = f % 2 == 0;
      dx = even ? r : -r;
      dy = -dx;
      break;
    }
    case 32: {
      AnimationRun.AnimationLength = 60;
      const int a = f < 30 ? f : 60 - f;
      dx = randomOffset(a);
      dy = randomOffset(a);
      break;
    }
    case 33: {
      AnimationRun.AnimationLength = 50;
      const int a = f <= 20 ? f + 10 : (f <= 35 ? 40 : 50 - f);
      dx = randomOffset(a);
      dy = randomOffset(a);
      break;
    }
    case 35: {
      AnimationRun.AnimationLength = 16;
      static constexpr int kSteps[4][2] = {{5, -5}, {0, 0}, {-5, 5}, {0, 0}};
      const int phase = ((f % 4) + 4) % 4;
      dx = kSteps[phase][0];
      dy = kSteps[phase][1];
      break;
    }
    default:
      break;
  }

  if (!hasFace) return;
  const double share[3] = {1.0, 0.6, 0.3};
  for (size_t k = 0; k < 3; ++k) {
    const MotionSlotRecord& rest = MotionSlot[k];
    MoveLayerKeepingSize(rest.MotionLayer, rest.MotionStartX + Store16(share[k] * dx), rest.MotionStartY + Store16(share[k] * dy));
  }
  if (f == AnimationRun.AnimationLength) {
    for (size_t k = 0; k < 3; ++k) MoveLayerKeepingSize(MotionSlot[k].MotionLayer, MotionSlot[k].MotionStartX, MotionSlot[k].MotionStartY);
  }
}

}  // namespace

void MotionCurveStep(int curve) {
  if (IsSlotCurve(curve)) {
    SlotCurveStep(curve);
  } else if (curve == kMotionWindowHop) {
    HopStep();
  } else if (curve >= 31 && curve <= 39) {
    ShakeStep(curve);
  }
}

void MovePicturePair(int kind) {
  if (kind != 10) return;
  TextWindow.WindowLayer = ConversationScene.DefaultWindowLayer;
  TextWindow.TailLayer = ConversationScene.DefaultTailLayer;
}

void MotionSlotStep(int slot, int curve) {
  MotionState.CurrentMotionSlot = slot;
  MotionCurveStep(curve);
}

void SetMotionSlot(int slot, int layer, int x0, int y0, int x1, int y1) {
  MotionSlotRecord& s = MotionSlot[static_cast<size_t>(slot)];
  s.MotionLayer = layer;
  s.MotionStartX = x0;
  s.MotionStartY = y0;
  s.MotionEndX = x1;
  s.MotionEndY = y1;
}

void SetSizedMotionSlot(int slot, int layer, const Rect& from, const Rect& to) {
  SetMotionSlot(slot, layer, from.X, from.Y, to.X, to.Y);
  MotionSlotRecord& s = MotionSlot[static_cast<size_t>(slot)];
  s.MotionStartWidth = from.Width;
  s.MotionStartHeight = from.Height;
  s.MotionEndWidth = to.Width;
  s.MotionEndHeight = to.Height;
}

void ResetMotionState() {
  MotionSlot = {};
  MotionState = MotionStateRecord{};
}
