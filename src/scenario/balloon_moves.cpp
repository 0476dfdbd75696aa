#include "scenario/balloon_moves.h"

#include <algorithm>
#include <cstdlib>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/interpolation.h"
#include "engine/layers.h"
#include "engine/numeric.h"
#include "engine/string_utils.h"
#include "platform/platform.h"
#include "scenario/auto_reading.h"
#include "scenario/balloon_geometry.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/motion_curves.h"
#include "scenario/script_actions.h"
#include "scenario/script_conversion.h"

namespace {

// The move kinds.
enum : int {
  kJolt = 1,         // alternating jolt of the speech balloon
  kJitter = 2,       // random jitter of the speech balloon
  kShake = 10,       // random shake
  kBounce = 11,      // bounce between two offsets
  kGlide = 20,       // glide to a new place, kept
  kHop = 25,         // hops
  kSwing = 50,       // swing out and back
  kSwingBetween = 51,  // swing between two points
};

// Kind 51 has leg endpoints for steps 0 to 10, so for up to five swings.
constexpr int kMaxSwingsBetween = 5;

int Slot() { return ValidFaceSlot(LineState.CurrentSlot) ? LineState.CurrentSlot : 0; }

MotionSlotRecord& Home(int part) { return MotionSlot[static_cast<size_t>(part)]; }

// The layers follow the body: one tail (speech), three bubbles (thought), or none.
int TailPartCount() {
  switch (LineState.BalloonMoveThought) {
    case 0: return 1;
    case 1: return 3;
    default: return 0;
  }
}

void ReadHome(int part, int layer) {
  DrawState.CurrentLayer = layer;
  GetLayerRect(kRectIntoCurrent, layer);
  Home(part).MotionStartX = DrawState.CurrentRect.X;
  Home(part).MotionStartY = DrawState.CurrentRect.Y;
}

void MoveFromHome(int part, int layer, double dx, double dy) {
  // A layer stands on whole pixels: a tail's fractional share is rounded there.
  MoveLayerKeepingSize(layer, RoundHalfEven(Home(part).MotionStartX + dx), RoundHalfEven(Home(part).MotionStartY + dy));
}

void ApplyWithDefaultFactors(int dx, int dy) {
  std::array<float, 4> factors = {-99.0f, -99.0f, -99.0f, -99.0f};
  BalloonMoveApply(dx, dy, factors);
}

void EndMove() {
  BalloonMoveReset();
  FinishScriptAction();
}

// Kinds 1 and 2 move the speech balloon of the slot whatever the command, through
// the balloon-window words, and put it back themselves.
void TakeSpeechWindow(int t) {
  TextWindow.WindowLayer = FaceSlot.BalloonLayer[static_cast<size_t>(Slot())];
  TextWindow.TailLayer = TextWindow.WindowLayer + 1;
  if (t != 0) return;
  ReadHome(0, TextWindow.WindowLayer);
  ReadHome(1, TextWindow.TailLayer);
}

void PlaceSpeechWindow(int bodyDx, int bodyDy, int tailDx, int tailDy) {
  MoveFromHome(0, TextWindow.WindowLayer, bodyDx, bodyDy);
  MoveFromHome(1, TextWindow.TailLayer, tailDx, tailDy);
}

// Counts the frame; past the last one the window and its tail go home and the line ends.
void EndSpeechWindowAfter(int t, int length) {
  AnimationRun.AnimationFrame = t + 1;
  if (AnimationRun.AnimationFrame <= length) return;
  PlaceSpeechWindow(0, 0, 0, 0);
  EndMove();
}

void Jolt(int t) {
  const BalloonMoveRecord& b = BalloonMove;
  TakeSpeechWindow(t);
  int length = AnimationRun.AnimationLength;
  int interval = 30;
  int x1 = b.BalloonMoveX1, y1 = b.BalloonMoveY1, x2 = b.BalloonMoveX2, y2 = b.BalloonMoveY2;
  if (b.BalloonMoveMode == 0) {
    length = 0;
    if (b.BalloonMoveInterval != 0) interval = b.BalloonMoveInterval;
  } else if (b.BalloonMoveMode == 10) {
    // The preset bounce: up 10 pixels on the even frames of 16.
    x1 = 0, y1 = -10, x2 = 0, y2 = 0;
    length = 15;
  }
  AnimationRun.AnimationLength = length;
  SetFrameLength(-2, interval);
  if (t % 2 == 0) PlaceSpeechWindow(x1, y1, x1 / 2, y1 / 2);
  else PlaceSpeechWindow(x2, y2, x2 / 2, y2 / 2);
  EndSpeechWindowAfter(t, length);
}

void Jitter(int t) {
  SetFrameLength(-2, 20);
  TakeSpeechWindow(t);
  int a = 0;
  if (BalloonMove.BalloonMoveMode == 0) {
    AnimationRun.AnimationLength = 30;
    a = 3;
  }
  const int bodyDx = RandomRange(0, 2 * a) - a;
  const int bodyDy = RandomRange(0, 2 * a) - a;
  const int tailDx = RandomRange(0, a) - a / 2;
  const int tailDy = RandomRange(0, a) - a / 2;
  PlaceSpeechWindow(bodyDx, bodyDy, tailDx, tailDy);
  EndSpeechWindowAfter(t, AnimationRun.AnimationLength);
}

// The frame length of kinds 10 and 11: the line's interval or the kind's default.
void UseInterval(int fallback) {
  BalloonMoveSpeedFix();
  SetFrameLength(-2, BalloonMove.BalloonMoveInterval != 0 ? BalloonMove.BalloonMoveInterval : fallback);
}

// Counts the frame; past the last one everything goes home and the line ends.
void RestoreAfter(int t) {
  AnimationRun.AnimationFrame = t + 1;
  if (AnimationRun.AnimationFrame > AnimationRun.AnimationLength) BalloonMoveRestore();
}

void Shake(int t) {
  const BalloonMoveRecord& b = BalloonMove;
  if (t == 0) BalloonMoveGather();
  UseInterval(20);
  const int a = ShakeAmplitude(b.BalloonMoveMode, b.BalloonMoveX1, AnimationRun.AnimationLength, t);
  const int dx = RandomRange(0, 2 * a) - a;
  const int dy = RandomRange(0, 2 * a) - a;
  ApplyWithDefaultFactors(dx, dy);
  RestoreAfter(t);
}

void Bounce(int t) {
  const BalloonMoveRecord& b = BalloonMove;
  if (t == 0) BalloonMoveGather();
  UseInterval(30);
  const int length = AnimationRun.AnimationLength;
  int dx = b.BalloonMoveX1;
  int dy = b.BalloonMoveY1;
  switch (b.BalloonMoveMode) {
    case 1:
      dx = GrowingOffset(b.BalloonMoveX1, length, t);
      dy = GrowingOffset(b.BalloonMoveY1, length, t);
      break;
    case 2:
      dx = DyingOffset(b.BalloonMoveX1, length, t);
      dy = DyingOffset(b.BalloonMoveY1, length, t);
      break;
    case 3:
      dx = SwellOffset(b.BalloonMoveX1, length, t);
      dy = SwellOffset(b.BalloonMoveY1, length, t);
      break;
    default: break;
  }
  if (t % 2 == 0) ApplyWithDefaultFactors(dx, dy);
  else ApplyWithDefaultFactors(b.BalloonMoveX2, b.BalloonMoveY2);
  RestoreAfter(t);
}

void Glide(int t) {
  const BalloonMoveRecord& b = BalloonMove;
  if (t == 0) BalloonMoveGather();
  // The curve divides by the length: a run of no frames glides over one.
  const int length = std::max(1, AnimationRun.AnimationLength);
  AnimationRun.AnimationLength = length;
  int dx = GlideOffset(b.BalloonMoveX1, length, t);
  int dy = GlideOffset(b.BalloonMoveY1, length, t);
  if (b.BalloonMoveMode == 12) {
    // A dying jitter on top, 0 to 2a (not centred).
    const int a = std::max(1, DyingOffset(b.BalloonMoveX2, length, t));
    dx += RandomRange(0, 2 * a);
    dy += RandomRange(0, 2 * a);
  }
  ApplyWithDefaultFactors(dx, dy);
  AnimationRun.AnimationFrame = t + 1;
  if (AnimationRun.AnimationFrame > length) EndMove();  // the balloon stays where it glided
}

// y rises to Y1 at half-way and comes back: an arc over the run.
int HopHeight(int y1, int length, int t) {
  const double k = static_cast<float>(static_cast<double>(y1) / (static_cast<double>(length) * length));
  const double rest = static_cast<double>(length) - 2.0 * t;
  return RoundHalfEven(y1 - rest * rest * k);
}

void Hop(int t) {
  const BalloonMoveRecord& b = BalloonMove;
  AnimationRunRecord& run = AnimationRun;
  if (t == 0 && run.AnimationSubStep == 0) BalloonMoveGather();
  const int length = std::max(1, run.AnimationLength);
  run.AnimationLength = length;
  ApplyWithDefaultFactors(GlideOffset(b.BalloonMoveX1, length, t), HopHeight(b.BalloonMoveY1, length, t));
  run.AnimationFrame = t + 1;
  if (run.AnimationFrame <= length) return;
  run.AnimationFrame = 0;
  run.AnimationSubStep += 1;
  if (run.AnimationSubStep >= b.BalloonMoveMode) BalloonMoveRestore();
}

struct Leg {
  int fromX, fromY, toX, toY;
};

// Moves along the leg; past its last frame the next leg follows while `more` says
// so, otherwise everything goes home and the line ends.
void StepLeg(const Leg& leg, int length, int t, bool (*more)(int step)) {
  AnimationRunRecord& run = AnimationRun;
  ApplyWithDefaultFactors(InterpolateRounded(leg.fromX, leg.toX, t, length, NoFrames::kOneFrame),
                          InterpolateRounded(leg.fromY, leg.toY, t, length, NoFrames::kOneFrame));
  run.AnimationFrame = t + 1;
  if (run.AnimationFrame <= length) return;
  run.AnimationFrame = 0;
  run.AnimationSubStep = 0;
  run.AnimationStep += 1;
  if (!more(run.AnimationStep)) BalloonMoveRestore();
}

void Swing(int t) {
  const BalloonMoveRecord& b = BalloonMove;
  AnimationRunRecord& run = AnimationRun;
  if (run.AnimationStep == 0 && t == 0) BalloonMoveGather();
  const int length = std::max(1, run.AnimationLength);
  run.AnimationLength = length;
  const bool out = run.AnimationStep % 2 == 0;
  const Leg leg = out ? Leg{0, 0, b.BalloonMoveX1, b.BalloonMoveY1} : Leg{b.BalloonMoveX1, b.BalloonMoveY1, 0, 0};
  StepLeg(leg, length, t, [](int step) { return step < 2 * BalloonMove.BalloonMoveMode; });
}

int SwingsBetween() { return std::min(BalloonMove.BalloonMoveMode, kMaxSwingsBetween); }

void SwingBetween(int t) {
  const BalloonMoveRecord& b = BalloonMove;
  AnimationRunRecord& run = AnimationRun;
  if (run.AnimationStep == 0 && t == 0) BalloonMoveGather();
  // The half legs divide by half of the count.
  const int count = std::max(2, run.AnimationLength);
  const int step = run.AnimationStep;
  int length = count;
  Leg leg{b.BalloonMoveX2, b.BalloonMoveY2, b.BalloonMoveX1, b.BalloonMoveY1};
  if (step == 0) {
    leg = {0, 0, b.BalloonMoveX1, b.BalloonMoveY1};
    length = count / 2;
  } else if (step == 2 * SwingsBetween()) {
    leg = {b.BalloonMoveX2, b.BalloonMoveY2, 0, 0};
    length = count / 2;
  } else if (step % 2 == 1) {
    leg = {b.BalloonMoveX1, b.BalloonMoveY1, b.BalloonMoveX2, b.BalloonMoveY2};
  }
  run.AnimationLength = length;
  StepLeg(leg, length, t, [](int next) { return next <= 2 * SwingsBetween(); });
}

}  // namespace

int GrowingOffset(int a, int length, int t) {
  return RoundHalfEven(static_cast<double>(a) / std::max(1, length) * t + 1);
}

int DyingOffset(int a, int length, int t) {
  const int l = std::max(1, length);
  return RoundHalfEven(static_cast<double>(a) / l * (l - t) + 1);
}

int SwellOffset(int a, int length, int t) {
  const int l = std::max(2, length);
  const int half = l / 2;
  // Growing up to half-way, dying from there: the swell the mode is meant to give.
  if (t < half) return RoundHalfEven(static_cast<double>(a) * t / half);
  return RoundHalfEven(static_cast<double>(a) * (l - t) / half);
}

int ShakeAmplitude(int mode, int amplitude, int length, int t) {
  // RandomRange needs a range the right way round: a negative amplitude shakes by its size.
  const int x1 = std::abs(amplitude);
  int a = 0;
  switch (mode) {
    case 0: a = x1; break;
    case 1: a = GrowingOffset(x1, length, t); break;
    case 2: a = std::max(1, DyingOffset(x1, length, t)); break;
    case 3: {
      a = SwellOffset(x1, length, t);
      if (t >= std::max(2, length) / 2) a = std::max(1, a);
      break;
    }
    default: break;
  }
  return std::max(0, a);
}

int GlideOffset(int a, int length, int t) {
  const double l = std::max(1, length);
  const double k = static_cast<float>(a / (l * l));
  return RoundHalfEven(a - (l - t) * (l - t) * k);
}

void BalloonMoveTick() {
  const FaceSlotRecord& f = FaceSlot;
  BalloonMoveRecord& b = BalloonMove;
  AnimationRunRecord& run = AnimationRun;
  const size_t s = static_cast<size_t>(Slot());
  if (LineState.BalloonMoveThought == 0) b.BalloonMoveLayer = f.BalloonLayer[s];
  else if (LineState.BalloonMoveThought == 1) b.BalloonMoveLayer = f.ThoughtLayer[s];
  run.AnimationLength = b.BalloonMoveCount;
  const int t = run.AnimationFrame;
  switch (b.BalloonMoveKind) {
    case kJolt: Jolt(t); break;
    case kJitter: Jitter(t); break;
    case kShake: Shake(t); break;
    case kBounce: Bounce(t); break;
    case kGlide: Glide(t); break;
    case kHop: Hop(t); break;
    case kSwing: Swing(t); break;
    case kSwingBetween: SwingBetween(t); break;
    default:
      // A kind with no motion would keep the scene waiting for ever: the line ends.
      EndMove();
      break;
  }
}

void BalloonMoveGather() {
  const int layer = BalloonMove.BalloonMoveLayer;
  ReadHome(0, layer);
  for (int i = 1; i <= TailPartCount(); ++i) ReadHome(i, layer + i);
}

void BalloonMoveApply(int dx, int dy, std::array<float, 4>& factors) {
  if (factors[0] < 0) factors[0] = 0.5f;
  if (factors[1] < 0) factors = {factors[0], 0.25f, 0.5f, 0.75f};
  const int layer = BalloonMove.BalloonMoveLayer;
  MoveFromHome(0, layer, dx, dy);
  const int tails = TailPartCount();
  for (int i = 1; i <= tails; ++i) {
    // The speech tail takes factor 0, the bubbles factors 1 to 3.
    const double share = tails == 1 ? factors[0] : factors[static_cast<size_t>(i)];
    MoveFromHome(i, layer + i, share * dx, share * dy);
  }
}

void BalloonMoveRestore() {
  const int layer = BalloonMove.BalloonMoveLayer;
  for (int i = 0; i <= TailPartCount(); ++i) MoveFromHome(i, layer + i, 0, 0);
  BalloonMoveReset();
  FinishScriptAction();
}

void BalloonMoveReset() {
  BalloonMoveRecord& b = BalloonMove;
  b.BalloonMoveKind = 0;
  b.BalloonMoveMode = 0;
  b.BalloonMoveCount = 0;
  b.BalloonMoveInterval = 0;
  b.BalloonMoveX1 = 0;
  b.BalloonMoveY1 = 0;
  b.BalloonMoveX2 = 0;
  b.BalloonMoveY2 = 0;
}

void BalloonMoveSpeedFix() {
  if (GameConfig.FrameSpeed != 2) return;
  int& interval = BalloonMove.BalloonMoveInterval;
  if (interval == 5) interval = 6;
  else if (interval == 10) interval = 12;
}

void ReturnBalloonHome() {
  const int slot = LineState.CurrentSlot;
  // The move ends here as at its last frame: the next move starts from a clean
  // record, so its timing does not depend on whether the reader clicked.
  BalloonMoveReset();
  if (!ValidFaceSlot(slot)) return;
  const bool thought = LineState.BalloonMoveThought == 1;
  DrawState.CurrentLayer = thought ? FaceSlot.ThoughtLayer[static_cast<size_t>(slot)]
                                   : FaceSlot.BalloonLayer[static_cast<size_t>(slot)];
  const int parts = thought ? 4 : 2;  // the balloon, then its tail or its three bubbles
  for (int i = 0; i < parts; ++i) {
    MoveLayerKeepingSize(DrawState.CurrentLayer + i, VoiceSettings.BalloonHomeX[i], VoiceSettings.BalloonHomeY[i]);
  }
}

void RegisterBalloonMoveHooks() { InputScenarioHooks.ReturnBalloonHome = ReturnBalloonHome; }
