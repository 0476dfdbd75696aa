#include "scenario/separate_balloon_moves.h"

#include <algorithm>
#include <array>
#include <span>

#include "engine/frame_model.h"
#include "engine/layers.h"
#include "engine/numeric.h"
#include "engine/string_utils.h"
#include "platform/platform.h"
#include "scenario/balloon_geometry.h"
#include "scenario/balloon_moves.h"
#include "scenario/face_slots.h"
#include "scenario/motion_curves.h"
#include "scenario/script_actions.h"
#include "scenario/script_conversion.h"

namespace {

// The move kinds.
enum : int {
  kShake = 10,          // random shake
  kBounce = 11,         // bounce between two offsets
  kPattern = 15,        // a fixed pattern of steps
  kGlide = 20,          // glide to a new place, kept
  kOutAndBack = 25,     // out and back
  kOutAndBackJitter = 26,  // out and back with a jitter
  kOwnSpeakerShake = 30,   // the speaker's shake of its own
  kLastSpeakerShake = 39,  // 31 to 39: the speaker's shakes of the motion curves
};

// The fixed patterns of kind 15, by mode: the steps each sets and its count.
struct PatternRow {
  std::span<const int> stepX;
  std::span<const int> stepY;
  int count;
};
constexpr int kPattern0X[] = {5, 3};
constexpr int kPattern0Y[] = {-5, -3};
constexpr int kPattern1X[] = {2, 7, 4};
constexpr int kPattern1Y[] = {-3, -7, -1};
constexpr int kPattern2X[] = {-2, -5, -8, -4};
constexpr int kPattern2Y[] = {4, 6, 8, 4};
constexpr int kPattern3X[] = {-6, -8, -2, 1};
constexpr int kPattern3Y[] = {1, 3, 2, -2};
constexpr int kPattern4Y[] = {2, 1, 4, 2, 1};
constexpr int kPattern5Y[] = {-3, -1, -6, -3, -2};
constexpr int kPattern6Y[] = {-4, -2, 0, -6, -7, -4, -2, -1};
const PatternRow kPatterns[] = {
    {kPattern0X, kPattern0Y, 3}, {kPattern1X, kPattern1Y, 5}, {kPattern2X, kPattern2Y, 5},
    {kPattern3X, kPattern3Y, 5}, {{}, kPattern4Y, 5},         {{}, kPattern5Y, 5},
    {{}, kPattern6Y, 7},
};
// A pattern runs steps 0 to its count + 1 of the ten shared entries.
constexpr int kPatternSteps = 10;
constexpr int kMaxPatternCount = kPatternSteps - 2;

struct SeparateStep {
  int dx = 0;
  int dy = 0;
  double tail = 0.0;  // the tail moves by this share of the balloon's offset
  bool ends = false;
  bool restores = true;
};

// The mode's pattern into the shared tables; entries it does not set keep what an
// earlier pattern left there.
void LoadPattern(int s) {
  SeparateBalloonMoveRecord& m = SeparateBalloonMove;
  const int mode = m.SepMoveMode[static_cast<size_t>(s)];
  if (mode < 0 || mode >= static_cast<int>(std::size(kPatterns))) return;
  const PatternRow& row = kPatterns[mode];
  std::copy(row.stepX.begin(), row.stepX.end(), m.SepMoveStepX.begin());
  std::copy(row.stepY.begin(), row.stepY.end(), m.SepMoveStepY.begin());
  m.SepMoveCount[static_cast<size_t>(s)] = row.count;
  m.SepMoveFactorX[1] = 0.5f;
  m.SepMoveFactorY[1] = 0.5f;
}

// Kind 10: a random shake, a new offset every second frame.
SeparateStep ShakeMove(size_t i, int f) {
  const SeparateBalloonMoveRecord& m = SeparateBalloonMove;
  const int t = f / 2;
  const int length = m.SepMoveCount[i];
  AnimationRun.AnimationFrame = t;
  AnimationRun.AnimationLength = length;
  const int a = ShakeAmplitude(m.SepMoveMode[i], m.SepMoveX1[i], length, t);
  SeparateStep step;
  step.dx = RandomRange(0, 2 * a) - a;
  step.dy = RandomRange(0, 2 * a) - a;
  step.tail = 0.8;
  step.ends = t >= length;
  return step;
}

// Kind 11: between two offsets, every second frame.
SeparateStep BounceMove(size_t i, int f) {
  const SeparateBalloonMoveRecord& m = SeparateBalloonMove;
  const int mode = m.SepMoveMode[i];
  const int t = f / 2;
  const int length = mode == 0 ? 20 : m.SepMoveCount[i];
  AnimationRun.AnimationFrame = t;
  AnimationRun.AnimationLength = length;
  const bool even = t % 2 == 0;
  SeparateStep step;
  if (mode == 0) {
    // The preset: up 10 pixels and back, whatever the line gave.
    step.dy = even ? -10 : 0;
  } else {
    step.dx = even ? m.SepMoveX1[i] : m.SepMoveX2[i];
    step.dy = even ? m.SepMoveY1[i] : m.SepMoveY2[i];
  }
  step.tail = 0.5;
  step.ends = t >= length;
  return step;
}

// Kind 15: the mode's fixed pattern of steps.
SeparateStep PatternMove(int s, int f) {
  SeparateBalloonMoveRecord& m = SeparateBalloonMove;
  LoadPattern(s);
  // Steps past the ten shared entries do not exist: the count is held to them.
  const int length = std::min(m.SepMoveCount[static_cast<size_t>(s)], kMaxPatternCount);
  AnimationRun.AnimationLength = length;
  const size_t t = static_cast<size_t>(std::clamp(f, 0, kPatternSteps - 1));
  SeparateStep step;
  step.dx = m.SepMoveStepX[t];
  step.dy = m.SepMoveStepY[t];
  step.tail = m.SepMoveFactorX[1];  // the x factor serves both axes
  step.ends = f > length;
  return step;
}

// Mode 12 of the glides: a dying random jitter over `length` on top of the glide.
void AddJitter(SeparateStep& step, size_t i, int length, int f) {
  if (SeparateBalloonMove.SepMoveMode[i] != 12) return;
  const int a = std::max(1, DyingOffset(SeparateBalloonMove.SepMoveX2[i], length, f));
  step.dx += RandomRange(0, 2 * a);
  step.dy += RandomRange(0, 2 * a);
}

// Kind 20: a glide to a new place beside the face, kept.
SeparateStep GlideMove(size_t i, int f) {
  const SeparateBalloonMoveRecord& m = SeparateBalloonMove;
  const int length = std::max(1, m.SepMoveCount[i]);  // the curve divides by it
  AnimationRun.AnimationLength = length;
  SeparateStep step;
  step.dx = GlideOffset(m.SepMoveX1[i], length, f);
  step.dy = GlideOffset(m.SepMoveY1[i], length, f);
  AddJitter(step, i, length, f);
  step.tail = 0.8;
  step.ends = f >= length;
  step.restores = false;
  return step;
}

// Kinds 25 and 26: out and back, the second with a jitter.
SeparateStep OutAndBackMove(size_t i, int kind, int f) {
  const SeparateBalloonMoveRecord& m = SeparateBalloonMove;
  const int length = std::max(1, m.SepMoveCount[i]);
  AnimationRun.AnimationLength = length;
  const int last = 2 * length + 1;
  SeparateStep step;
  // The glide's curve carried on past its end: back at 0 at 2L, just beyond at 2L + 1.
  if (kind == kOutAndBack || f <= last) {
    step.dx = GlideOffset(m.SepMoveX1[i], length, f);
    step.dy = GlideOffset(m.SepMoveY1[i], length, f);
  }
  step.tail = 0.6;
  step.ends = f > last;
  if (kind == kOutAndBackJitter) {
    // The jitter's length: it divides by it.
    const int jitterLength = std::max(1, m.SepMoveY2[i]);
    AddJitter(step, i, jitterLength, f);
    step.ends = step.ends && f > jitterLength;
  }
  return step;
}

SeparateStep Compute(int s, int kind, int f) {
  const size_t i = static_cast<size_t>(s);
  switch (kind) {
    case kShake: return ShakeMove(i, f);
    case kBounce: return BounceMove(i, f);
    case kPattern: return PatternMove(s, f);
    case kGlide: return GlideMove(i, f);
    case kOutAndBack:
    case kOutAndBackJitter: return OutAndBackMove(i, kind, f);
    default: return {};
  }
}

tq::LayerSurface* Surface(int layer) {
  return ValidLayer(layer) ? &tq::ThePlatform().Screen().Layer(layer) : nullptr;
}

// Kind 30: the speaker, its balloon and tail jump 7 pixels up and down, the balloon
// by 0.6 and the tail by 0.3 of the face's offset, around rests kept in slots 0 to 2.
void OwnSpeakerShake(int f) {
  SetFrameLength(-2, 40);
  MovePicturePair(10);
  AnimationRun.AnimationLength = 16;
  const int speaker = LineCode.Speaker;
  if (!ValidFaceSlot(speaker)) return;
  const int balloon = FaceSlot.BalloonLayer[static_cast<size_t>(speaker)];
  const int layers[3] = {FaceSlot.FaceLayer[static_cast<size_t>(speaker)], balloon, balloon + 1};
  if (f == 0) {
    for (size_t k = 0; k < 3; ++k) {
      const tq::LayerSurface* l = Surface(layers[k]);
      MotionSlot[k].MotionLayer = layers[k];
      MotionSlot[k].MotionStartX = l != nullptr ? l->x : 0;
      MotionSlot[k].MotionStartY = l != nullptr ? l->y : 0;
    }
  }
  const int dy = f % 2 == 0 ? -7 : 7;
  const bool back = f == AnimationRun.AnimationLength;
  const double share[3] = {1.0, 0.6, 0.3};
  for (size_t k = 0; k < 3; ++k) {
    const MotionSlotRecord& rest = MotionSlot[k];
    const int offset = back ? 0 : RoundHalfEven(share[k] * dy);
    MoveLayerKeepingSize(rest.MotionLayer, rest.MotionStartX, rest.MotionStartY + offset);
  }
}

// Kinds 30 to 39 shake the speaker's layers themselves, for AnimationLength frames
// (the line's count where the shake sets none), then the move ends.
void SpeakerShake(int s, int kind, int f) {
  if (kind == kOwnSpeakerShake) {
    OwnSpeakerShake(f);
  } else {
    AnimationRun.AnimationLength = std::max(0, SeparateBalloonMove.SepMoveCount[static_cast<size_t>(s)]);
    MotionCurveStep(kind);
  }
  if (f >= AnimationRun.AnimationLength) SlotBalloonMoveReset();
}

void SaveGeometry(size_t s) {
  const BalloonGeometryRecord& g = BalloonGeometry;
  SeparateBalloonMoveRecord& m = SeparateBalloonMove;
  m.SavedBalloonRelX[s] = g.SlotBalloonRelX[s];
  m.SavedBalloonRelY[s] = g.SlotBalloonRelY[s];
  m.SavedTailRelX[s] = g.SlotTailRelX[s];
  m.SavedTailRelY[s] = g.SlotTailRelY[s];
}

}  // namespace

void BalloonSeparateMoveStep() {
  const int s = LineState.CurrentSlot;
  if (!ValidFaceSlot(s)) return;
  const size_t i = static_cast<size_t>(s);
  const int kind = SeparateBalloonMove.SepMoveKind[i];
  const int f = AnimationRun.AnimationFrame;
  switch (kind) {
    case kShake: case kBounce: case kPattern: case kGlide: case kOutAndBack: case kOutAndBackJitter: break;
    default:
      if (kind >= kOwnSpeakerShake && kind <= kLastSpeakerShake) SpeakerShake(s, kind, f);
      else SlotBalloonMoveReset();  // no motion (kind 5 and unknown kinds): the run goes on without it
      return;
  }
  if (f == 0) SaveGeometry(i);
  const SeparateStep step = Compute(s, kind, f);
  const SeparateBalloonMoveRecord& m = SeparateBalloonMove;
  BalloonGeometryRecord& g = BalloonGeometry;
  g.SlotBalloonRelX[i] = m.SavedBalloonRelX[i] + step.dx;
  g.SlotBalloonRelY[i] = m.SavedBalloonRelY[i] + step.dy;
  g.SlotTailRelX[i] = RoundHalfEven(m.SavedTailRelX[i] + step.tail * step.dx);
  g.SlotTailRelY[i] = RoundHalfEven(m.SavedTailRelY[i] + step.tail * step.dy);
  if (!step.ends) return;
  SlotBalloonMoveReset();
  if (step.restores) SlotBalloonMoveRestore();
}

void SlotBalloonMoveReset() {
  const int s = LineState.CurrentSlot;
  if (!ValidFaceSlot(s)) return;
  const size_t i = static_cast<size_t>(s);
  SeparateBalloonMoveRecord& m = SeparateBalloonMove;
  m.SepMoveKind[i] = 0;
  m.SepMoveMode[i] = 0;
  m.SepMoveCount[i] = 0;
  m.SepMoveStart[i] = 0;
  m.SepMoveX1[i] = 0;
  m.SepMoveY1[i] = 0;
  m.SepMoveX2[i] = 0;
  m.SepMoveY2[i] = 0;
}

void SlotBalloonMoveRestore() {
  const int s = LineState.CurrentSlot;
  if (!ValidFaceSlot(s)) return;
  const size_t i = static_cast<size_t>(s);
  const SeparateBalloonMoveRecord& m = SeparateBalloonMove;
  BalloonGeometryRecord& g = BalloonGeometry;
  g.SlotBalloonRelX[i] = m.SavedBalloonRelX[i];
  g.SlotBalloonRelY[i] = m.SavedBalloonRelY[i];
  g.SlotTailRelX[i] = m.SavedTailRelX[i];
  g.SlotTailRelY[i] = m.SavedTailRelY[i];
}
