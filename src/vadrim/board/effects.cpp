// The board game's frame gate and its copy of the common timed effects (codes
// below 1000). The hop, the shakes, the out-and-back bump and the music fade follow
// the same rules as the Marbrook copy and are shared with it (the fade here leaves the
// effect delay as it is); the pause, the moves and the blink differ in what they
// restore and in their frame lengths.
#include <algorithm>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "games/motion_slot_store.h"
#include "games/timed_effects.h"
#include "scenario/motion_curves.h"
#include "vadrim/board/screen.h"
#include "vadrim/vadrim_sounds.h"

namespace {

constexpr int kRestoredDelay = 100;
constexpr int kDefaultMotionKind = kMotionEaseOut;

void SoundCue() {
  const EffectSoundCueRecord& cue = EffectParams.EffectSoundCue;
  if (cue.EffectSound > 0 && AnimationRun.AnimationFrame == cue.EffectSoundFrame) PlayScreenSound(cue.EffectSound);
}

void AfterMove() {
  EffectParams.EffectMotionKind = kDefaultMotionKind;
  EffectParams.EffectResumesStep = -1;
  EffectParams.EffectSoundCue.EffectSound = 0;
}

void Pause() {
  SetFrameLength(-1, EffectParams.EffectFrameDelay);
  if (!CountFramePast(1)) return;
  EndCommonEffect();
  EffectParams.EffectFrameDelay = kRestoredDelay;
  EffectParams.EffectResumesStep = -1;
}

void MoveOne() {
  if (AnimationRun.AnimationFrame == 0) {
    D50_StoreSprite(0);
    AnimationRun.AnimationLength = EffectParams.EffectFrames;
  }
  SoundCue();
  MotionSlotStep(0, EffectParams.EffectMotionKind);
  if (!CountFramePast(AnimationRun.AnimationLength)) return;
  EndCommonEffect();
  AfterMove();
}

void MoveTogether() {
  AnimationRun.AnimationLength = EffectParams.EffectFrames;
  SoundCue();
  const int last = std::clamp(EffectParams.EffectLastSlot, 0, kMotionSlotCount - 1);
  for (int slot = 0; slot <= last; ++slot) MotionSlotStep(slot, EffectParams.EffectMotionKind);
  if (!CountFramePast(AnimationRun.AnimationLength)) return;
  EndCommonEffect();
  EffectParams.EffectLastSlot = 0;
  AfterMove();
}

void MoveHold() {
  if (AnimationRun.AnimationFrame == 0) {
    D50_StoreSprite(0);
    AnimationRun.AnimationLength = EffectParams.EffectFrames;
    MotionSlot[0].MotionPause = EffectParams.EffectFrames;
  }
  MotionSlotStep(0, EffectParams.EffectMotionKind);
  if (!CountFramePast(AnimationRun.AnimationLength)) return;
  // Negative repeats would never end the loop: they count as none.
  if (std::max(EffectParams.EffectRepeats, 0) >= AnimationRun.AnimationSubStep) EndCommonEffect();
  ++AnimationRun.AnimationSubStep;
  EffectParams.EffectMotionKind = kDefaultMotionKind;
  EffectParams.EffectResumesStep = -1;
  AnimationRun.AnimationFrame = 0;
}

void Blink() {
  SetFrameLength(-1, EffectParams.EffectFrameDelay);
  ShowLayer(DrawState.CurrentLayer, AnimationRun.AnimationFrame % 2 != 0);
  AnimationRun.AnimationLength = EffectParams.EffectFrames;
  if (!CountFramePast(EffectParams.EffectFrames)) return;
  EndCommonEffect();
  EffectParams.EffectResumesStep = -1;
}

}  // namespace

bool D50_FrameGate() {
  const int code = FrameClock.AnimationCode;
  if (code < 1000) {
    D50_CommonFrame();
    return true;
  }
  if (code <= 1099) {
    D50_Frame();
    return true;
  }
  return false;
}

void D50_CommonFrame() {
  switch (FrameClock.AnimationCode) {
    case kEffectPause: Pause(); break;
    case kEffectMusicFade: CommonMusicFadeFrame(); break;
    case kEffectMove: MoveOne(); break;
    case kEffectMoveSlots: MoveTogether(); break;
    case kEffectMovePaused: MoveHold(); break;
    case kEffectBlink: Blink(); break;
    case kEffectDrop: CommonHopFrame(); break;
    case kEffectShake: CommonShakeFrame(false); break;
    case kEffectDecayShake: CommonShakeFrame(true); break;
    case kEffectSwayBack: CommonSwayBackFrame(); break;
    default:
      // No effect has this code: it ends at once rather than run for ever.
      EndCommonEffect();
      break;
  }
}
