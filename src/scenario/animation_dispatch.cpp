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
  if (InRange(code, 700, 999)) {
    if (CrossingHooks.MarbrookEffectStep == nullptr) return false;
    CrossingHooks.MarbrookEffectStep();
    return true;
  }
  switch (code) {
    case 1010: AnimateBalloon(10, 0); return true;
    case 1011: AnimateBalloon(50, 0); return true;
    case 1015: AnimateBalloon(1015, 0); return true;
    case 1017:
    case 1018:
    case 1019: AnimateBalloon(code, 0); return true;
    case 1020: RunSimultaneousGroups(); return true;
    case 1021: BalloonMoveTick(); return true;
    case 1060: MultiBalloonEraseTick(); return true;
    case 1062: VoiceWaitTick(); return true;
    case 1063: PicAnimTick(); return true;
    case 1100: AutoVoiceWaitTick(); return true;
    default: break;
  }
  if (InRange(code, 1030, 1035) || code == 1039) {
    AnimateMiniPicture(code, 0);
    return true;
  }
  // 1036 to 1038 are mini codes without an animation, and 1040 to 1099 (but the
  // three waits above) no scenario animations at all.
  if (InRange(code, 1036, 1038) || InRange(code, 1040, 1099)) {
    RefuseCode(code);
    return true;
  }
  if (InRange(code, 1210, 1219)) {
    LineEffectTick();
    return true;
  }
  if (InRange(code, 1500, 1599)) {
    NormalEventTick();
    return true;
  }
  if (InRange(code, 1600, 1699)) {
    SpecialEventTick();
    return true;
  }
  if (InRange(code, 1700, 1799)) {
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
