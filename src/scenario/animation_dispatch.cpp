#include "scenario/animation_dispatch.h"

#include <iostream>

#include "engine/frame_model.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/system_menu.h"
#include "scenario/auto_reading.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/normal_events.h"
#include "scenario/scene_members.h"
#include "scenario/script_conversion.h"
#include "scenario/simultaneous_groups.h"

namespace {

// The codes of the timed effects, which the shared games layer runs.
constexpr int kFirstEffectCode = 700;
constexpr int kLastEffectCode = 999;

bool InRange(int code, int lo, int hi) { return code >= lo && code <= hi; }

// A code that no handler serves would keep its loop (and the scene) alive for ever:
// the line ends at once instead.
void RefuseCode(int code) {
  std::cerr << "scenario: animation code " << code << " has no frames; its line ends\n";
  FinishScriptAction();
}

// Why a group run could never end, or null when it can: an entry of the fixed queues
// fires only on the exact frame of its start, so a negative start never comes; and a
// face hop counts its end from the line's value, which only 0 to 2 reach.
const char* UnendingGroupRun() {
  const SimultaneousQueueRecord& q = SimultaneousQueue;
  for (int i = 0; i < kQueueEntryCount; ++i) {
    if ((q.EventQueueKind[i] > 0 && q.EventQueueStart[i] < 0) ||
        (q.SoundQueueNumber[i] > 0 && q.SoundQueueStart[i] < 0) ||
        (q.PictureQueueNumber[i] > 0 && q.PictureQueueStart[i] < 0)) {
      return "a queued item has a negative start frame";
    }
  }
  const SimultaneousGroupRecord& g = SimultaneousGroup;
  for (int i = 0; i <= g.MaxGroup && i < kGroupCount; ++i) {
    if (g.GroupActive[i] == 1 && g.GroupMoveType[i] == 20 && (LineCode.MainParam < 0 || LineCode.MainParam > 2)) {
      return "a hop is asked for with a count other than 0 to 2";
    }
  }
  return nullptr;
}

void RunSimultaneousGroups() {
  if (const char* why = UnendingGroupRun()) {
    std::cerr << "scenario: " << why << "; the group run ends\n";
    ResetSimultaneousTables();
    ClearFixedQueues();
    SimultaneousGroup.GroupActive.fill(0);
    FinishScriptAction();
    return;
  }
  SimultaneousStep();
}

// The Marbrook conversation effects, when that game has not supplied them.
void EndEffectLine() {
  if (AnimationRun.DirectEffectRun == 1) FrameClock.FrameLoopRunning = 0;
  else FinishScriptAction();
}

bool RunHandler(int code) {
  if (InRange(code, kFirstEffectCode, kLastEffectCode)) {
    if (CrossingHooks.MarbrookEffectStep == nullptr) return false;
    CrossingHooks.MarbrookEffectStep();
    return true;
  }
  switch (code) {
    case kAnimSpeechOpening: AnimateBalloon(kSpeechOpeningKind, 0); return true;
    case kAnimBalloonErase: AnimateBalloon(kBalloonEraseKind, 0); return true;
    case kAnimThoughtOpening:
    case kAnimCaptionOpening:
    case kAnimWindowOpening:
    case kAnimNarrationErase: AnimateBalloon(code, 0); return true;
    case kAnimGroupRun: RunSimultaneousGroups(); return true;
    case kAnimBalloonMove: BalloonMoveTick(); return true;
    case kAnimEraseBalloons: MultiBalloonEraseTick(); return true;
    case kAnimVoiceWait: VoiceWaitTick(); return true;
    case kAnimPicAnimation: PicAnimTick(); return true;
    case kAnimAutoVoiceWait: AutoVoiceWaitTick(); return true;
    default: break;
  }
  if (InRange(code, kAnimFirstMini, kAnimLastMini) || code == kAnimMiniErase) {
    AnimateMiniPicture(code, 0);
    return true;
  }
  // 1036 to 1038 are mini codes without an animation, and 1040 to 1099 (but the
  // three waits above) no scenario animations at all.
  if (InRange(code, kAnimLastMini + 1, kAnimMiniErase - 1) || InRange(code, 1040, 1099)) {
    RefuseCode(code);
    return true;
  }
  if (InRange(code, kAnimFadeInPicture, 1219)) {
    LineEffectTick();
    return true;
  }
  if (InRange(code, kAnimNormalEvents, kAnimNormalEvents + 99)) {
    NormalEventTick();
    return true;
  }
  if (InRange(code, kAnimSpecialEvents, kAnimSpecialEvents + 99)) {
    SpecialEventTick();
    return true;
  }
  if (InRange(code, kAnimTanselEvents, kAnimTanselEvents + 99)) {
    if (CrossingHooks.MarbrookConvFrame != nullptr) CrossingHooks.MarbrookConvFrame();
    else EndEffectLine();
    return true;
  }
  return false;
}

}  // namespace

bool ScenarioFrameDispatch() {
  const bool handled = RunHandler(FrameClock.AnimationCode);
  // Nothing an animation raises may cover the automatic-reading indicator.
  if (ReadState.ReadMode == 2) LayerToFront(SystemLayerSet.AutoIndicatorLayer);
  return handled;
}

void ClearMovingFlags(int kind) {
  if (kind != 0) return;
  FaceSlot.MiniAnimFrame.fill(0);
  FaceSlot.MiniAnimSubStep.fill(0);
}
