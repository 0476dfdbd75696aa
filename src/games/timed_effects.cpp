#include "games/timed_effects.h"

#include <algorithm>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/numeric.h"
#include "engine/sound_channels.h"
#include "engine/string_utils.h"
#include "engine/system_menu.h"
#include "platform/platform.h"
#include "scenario/motion_curves.h"
#include "games/motion_slot_store.h"

EffectParamsRecord EffectParams;

namespace {

constexpr int kDefaultDelay = 13;
constexpr int kDefaultMotionKind = kMotionEaseOut;
constexpr int kCurtainSheet = 9;
constexpr int kCurtainFrames = 30;

void StopEffectLoop() { FrameClock.FrameLoopRunning = 0; }

void UseEffectDelay() { SetFrameLength(-1, EffectParams.EffectFrameDelay); }

// Slots 0 to EffectLastSlot, held to the slots that exist.
void MoveSlots(int curve) {
  const int last = std::min(EffectParams.EffectLastSlot, kMotionSlotCount - 1);
  for (int slot = 0; slot <= last; ++slot) MotionSlotStep(slot, curve);
}

void PlaySoundCue() {
  EffectSoundCueRecord& cue = EffectParams.EffectSoundCue;
  if (cue.EffectSound >= 1 && AnimationRun.AnimationFrame == cue.EffectSoundFrame &&
      CrossingHooks.MarbrookEffectSound != nullptr) {
    CrossingHooks.MarbrookEffectSound(cue.EffectSound, cue.EffectSoundChannel, cue.EffectSoundVolumeOffset);
  }
}

void ClearSoundCue() {
  EffectParams.EffectSoundCue.EffectSound = 0;
  EffectParams.EffectSoundCue.EffectSoundChannel = 0;
  EffectParams.EffectSoundCue.EffectSoundVolumeOffset = 0.0f;
}

void ResetAfterMove(int motionKind) {
  EffectParams.EffectMotionKind = motionKind;
  EffectParams.EffectResumesStep = -1;
  ClearSoundCue();
  EffectParams.EffectFrameDelay = kDefaultDelay;
}

void Pause() {
  UseEffectDelay();
  if (!CountFramePast(1)) return;
  EndCommonEffect();
  EffectParams.EffectResumesStep = -1;
  EffectParams.EffectFrameDelay = kDefaultDelay;
}

void MusicFade() {
  if (CommonMusicFadeFrame()) EffectParams.EffectFrameDelay = kDefaultDelay;
}

// 800 and 805: slot 0 from CurrentRect to TargetRect (805 also resizes).
void MoveOne(bool resize) {
  UseEffectDelay();
  if (AnimationRun.AnimationFrame == 0) {
    D50_StoreSprite(0);
    if (resize) {
      MotionSlotRecord& s = MotionSlot[0];
      s.MotionStartWidth = DrawState.CurrentRect.Width;
      s.MotionStartHeight = DrawState.CurrentRect.Height;
      s.MotionEndWidth = DrawState.TargetRect.Width;
      s.MotionEndHeight = DrawState.TargetRect.Height;
    }
    AnimationRun.AnimationLength = EffectParams.EffectFrames;
  }
  PlaySoundCue();
  MotionSlotStep(0, EffectParams.EffectMotionKind);
  if (!CountFramePast(EffectParams.EffectFrames)) return;
  EndCommonEffect();
  ResetAfterMove(resize ? kMotionSizedEaseOut : kDefaultMotionKind);
}

void MoveSlotsTogether() {
  UseEffectDelay();
  AnimationRun.AnimationLength = EffectParams.EffectFrames;
  PlaySoundCue();
  MoveSlots(EffectParams.EffectMotionKind);
  if (!CountFramePast(EffectParams.EffectFrames)) return;
  EndCommonEffect();
  EffectParams.EffectLastSlot = 0;
  ResetAfterMove(kDefaultMotionKind);
}

void MovePaused() {
  if (AnimationRun.AnimationFrame == 0) {
    D50_StoreSprite(0);
    AnimationRun.AnimationLength = EffectParams.EffectFrames;
    MotionSlot[0].MotionPause = EffectParams.EffectFrames;
  }
  MotionSlotStep(0, EffectParams.EffectMotionKind);
  if (!CountFramePast(EffectParams.EffectFrames)) return;
  // Negative repeats would never end the loop: they count as none.
  if (AnimationRun.AnimationSubStep <= std::max(EffectParams.EffectRepeats, 0)) EndCommonEffect();
  ++AnimationRun.AnimationSubStep;
  EffectParams.EffectMotionKind = kDefaultMotionKind;
  EffectParams.EffectResumesStep = -1;
  AnimationRun.AnimationFrame = 0;
}

void Blink() {
  UseEffectDelay();
  const int layer = DrawState.CurrentLayer;
  ShowLayer(layer, AnimationRun.AnimationFrame % 2 != 0);
  if (!CountFramePast(EffectParams.EffectFrames)) return;
  ShowLayer(layer, false);
  EndCommonEffect();
  EffectParams.EffectResumesStep = -1;
  EffectParams.EffectFrameDelay = kDefaultDelay;
}

void MoveAndBlink() {
  UseEffectDelay();
  // The moves run over EffectFrames: a length left over from an earlier loop would
  // stop them short (a choice row left standing on the screen) or carry them past.
  if (AnimationRun.AnimationFrame == 0) AnimationRun.AnimationLength = EffectParams.EffectFrames;
  if (AnimationRun.AnimationFrame <= EffectParams.EffectFrames) MoveSlots(EffectParams.EffectMotionKind);
  ShowLayer(EffectParams.BlinkBox, (AnimationRun.AnimationFrame / 4) % 2 == 0);
  if (!CountFramePast(EffectParams.BlinkFrames)) return;
  ShowLayer(EffectParams.BlinkBox, false);
  EndCommonEffect();
  EffectParams.EffectLastSlot = 0;
  EffectParams.EffectMotionKind = kDefaultMotionKind;
  EffectParams.EffectResumesStep = -1;
  EffectParams.EffectFrameDelay = kDefaultDelay;
}

bool FirstFrameOfRun() { return AnimationRun.AnimationFrame == 0 && AnimationRun.AnimationSubStep == 0; }

void Drop() {
  if (FirstFrameOfRun()) {
    const Rect& r = DrawState.CurrentRect;
    SetMotionSlot(0, DrawState.CurrentLayer, r.X, r.Y, r.X, r.Y + EffectParams.EffectAmplitude);
    AnimationRun.AnimationLength = EffectParams.EffectFrames;
    MotionSlot[0].MotionPause = EffectParams.EffectFrames;
  }
  MotionSlotStep(0, kMotionEaseOutArc);
  if (CountFramePast(EffectParams.EffectFrames)) EndCommonEffect();
}

// 911 and 912: the layer jumps about its place in slot 0 and goes back at the end.
void Shake(bool decaying) {
  if (FirstFrameOfRun()) {
    const Rect& r = DrawState.CurrentRect;
    SetMotionSlot(0, DrawState.CurrentLayer, r.X, r.Y, r.X, r.Y);
    AnimationRun.AnimationLength = EffectParams.EffectFrames;
  }
  const MotionSlotRecord& s = MotionSlot[0];
  int dx = 0;
  int dy = 0;
  if (decaying) {
    // A length of 0 would divide by zero: it counts as 1.
    const double length = std::max(AnimationRun.AnimationLength, 1);
    const int f = AnimationRun.AnimationFrame;
    const int sign = f % 2 == 0 ? 1 : -1;
    dx = std::max(RoundHalfEven(sign * EffectParams.EffectOffsetX / length * (length - f) + 1), 1);
    dy = std::max(RoundHalfEven(sign * EffectParams.EffectOffsetY / length * (length - f) + 1), 1);
  } else {
    const int a = EffectParams.EffectAmplitude;
    dx = RandomRange(0, 2 * a) - a;
    dy = RandomRange(0, 2 * a) - a;
  }
  MoveLayerKeepingSize(s.MotionLayer, s.MotionStartX + dx, s.MotionStartY + dy);
  if (!CountFramePast(EffectParams.EffectFrames)) return;
  MoveLayerKeepingSize(s.MotionLayer, s.MotionStartX, s.MotionStartY);
  EndCommonEffect();
}

// One leg of a sway: at its first frame slot 0 goes from where the layer is (the
// first leg of a pass: CurrentRect) by (dx, dy) times the offsets over `length`.
void SwayLeg(bool readPosition, int factor, int length, int curve, int nextStep) {
  if (AnimationRun.AnimationFrame == 0) {
    if (readPosition) GetLayerRect(kRectIntoCurrent, DrawState.CurrentLayer);
    const Rect& r = DrawState.CurrentRect;
    SetMotionSlot(0, DrawState.CurrentLayer, r.X, r.Y, r.X + factor * EffectParams.EffectOffsetX,
                  r.Y + factor * EffectParams.EffectOffsetY);
    AnimationRun.AnimationLength = length;
  }
  MotionSlotStep(0, curve);
  if (!CountFramePast(AnimationRun.AnimationLength)) return;
  AnimationRun.AnimationFrame = 0;
  AnimationRun.AnimationStep = nextStep;
  if (nextStep != 0) return;
  ++AnimationRun.AnimationSubStep;
  if (AnimationRun.AnimationSubStep >= EffectParams.EffectRepeats) EndCommonEffect();
}

void SwayAcross() {
  const int n = EffectParams.EffectFrames;
  switch (AnimationRun.AnimationStep) {
    case 0: SwayLeg(false, -1, n, kMotionLinear, 1); break;
    case 1: SwayLeg(true, 2, 2 * n, kMotionLinear, 2); break;
    case 2: SwayLeg(true, -1, n, kMotionLinear, 0); break;
    default: break;
  }
}

void SwayBack() {
  const int n = EffectParams.EffectFrames;
  switch (AnimationRun.AnimationStep) {
    case 0: SwayLeg(false, 1, n, kMotionEaseOut, 1); break;
    case 1: SwayLeg(true, -1, n, kMotionEaseOut, 0); break;
    default: break;
  }
}

void CentreDrop() {
  if (AnimationRun.AnimationFrame == 0) {
    const int x = CentreX(0);
    const int y = CentreY(0);
    SetMotionSlot(0, DrawState.CurrentLayer, x, y - EffectParams.EffectAmplitude, x, y);
    AnimationRun.AnimationLength = EffectParams.EffectFrames;
  }
  MotionSlotStep(0, kMotionLinear);
  if (CountFramePast(EffectParams.EffectFrames)) EndCommonEffect();
}

void Curtain(bool opening) {
  if (AnimationRun.AnimationFrame == 0) {
    DrawState.SheetIndex = kCurtainSheet;
    if (CrossingHooks.MarbrookLoadPicture != nullptr) CrossingHooks.MarbrookLoadPicture(2, 6, 0);
    if (opening && CrossingHooks.MarbrookClickSound != nullptr) CrossingHooks.MarbrookClickSound();
    const int half = ScreenSize.ScreenWidth / 2;
    const int height = ScreenSize.ScreenHeight;
    // Closed, the halves cover the window; open, they lie just outside it.
    const int closedX[2] = {0, half};
    const int openX[2] = {-half, ScreenSize.ScreenWidth};
    for (int i = 0; i < 2; ++i) {
      const int from = opening ? closedX[i] : openX[i];
      const int to = opening ? openX[i] : closedX[i];
      const int layer = SystemLayerSet.OverlayLayer + i;
      DrawState.CurrentLayer = layer;
      DrawState.CurrentRect = {from, 0, half, height};
      PrepareLayer(kPreparePictureShown);
      ClipCellToLayer(kCurtainSheet, i * half, 0, half, height);
      SetMotionSlot(i, layer, from, 0, to, 0);
    }
    AnimationRun.AnimationLength = kCurtainFrames;
  }
  MotionSlotStep(0, kMotionEaseOut);
  MotionSlotStep(1, kMotionEaseOut);
  if (CountFramePast(kCurtainFrames)) StopEffectLoop();
}

}  // namespace

void C40_EffectStep() {
  switch (FrameClock.AnimationCode) {
    case kEffectPause: Pause(); break;
    case kEffectMusicFade: MusicFade(); break;
    case kEffectMove: MoveOne(false); break;
    case kEffectMoveSlots: MoveSlotsTogether(); break;
    case kEffectMovePaused: MovePaused(); break;
    case kEffectMoveResize: MoveOne(true); break;
    case kEffectBlink: Blink(); break;
    case kEffectMoveBlink: MoveAndBlink(); break;
    case kEffectDrop: Drop(); break;
    case kEffectShake: Shake(false); break;
    case kEffectDecayShake: Shake(true); break;
    case kEffectSwayAcross: SwayAcross(); break;
    case kEffectSwayBack: SwayBack(); break;
    case kEffectCentreDrop: CentreDrop(); break;
    case kEffectCurtainClose: Curtain(false); break;
    case kEffectCurtainOpen: Curtain(true); break;
    default:
      // No effect has this code: it ends at once rather than run for ever.
      EndCommonEffect();
      break;
  }
}

void RunEffect(int code, EffectEnd end) {
  EffectParams.EffectResumesStep = end == EffectEnd::kReturn ? 0 : -1;
  Wait(code, 0);
}

void RunPause(int ms, EffectEnd end) {
  EffectParams.EffectFrameDelay = ms;
  RunEffect(kEffectPause, end);
}

void RunMusicFade(int stepMs, EffectEnd end) {
  EffectParams.EffectFrameDelay = stepMs;
  RunEffect(kEffectMusicFade, end);
}

void EndCommonEffect() {
  if (EffectParams.EffectResumesStep == 0) FrameClock.FrameLoopRunning = 0;
  else Wait(0, 0);
}

bool CommonMusicFadeFrame() {
  if (AnimationRun.AnimationStep == 0) {
    if (GameConfig.Settings[1] == 0) {
      AnimationRun.AnimationStep = 1;
      return false;
    }
    UseEffectDelay();
    ++AnimationRun.AnimationFrame;
    const int base = SoundState.MusicFadeBase;
    // A base below 10 would step by 0 and never reach silence.
    const int step = std::max(base / 10, 1);
    const int volume = std::max(base - step * AnimationRun.AnimationFrame, 0);
    SetMusicVolumeRaw(volume);
    if (volume != 0) return false;
    AnimationRun.AnimationFrame = 0;
    AnimationRun.AnimationStep = 1;
    SetFrameLength(0, 0);
    return true;
  }
  StopChannel(MusicChannel);
  StopEffectLoop();
  return true;
}

void CommonHopFrame() { Drop(); }
void CommonShakeFrame(bool decaying) { Shake(decaying); }
void CommonSwayBackFrame() { SwayBack(); }

void ResetEffectParamsState() { EffectParams = EffectParamsRecord{}; }
