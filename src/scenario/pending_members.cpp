// Stand-ins for the scenario members that are still to be built (see
// pending_members.h). Each does the least that lets a line end; none draws.
// Delete an entry when its member is built.
#include "scenario/pending_members.h"

#include <algorithm>
#include <string>

#include "engine/frame_model.h"
#include "engine/modes.h"
#include "scenario/auto_reading.h"
#include "scenario/balloon_geometry.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"
#include "scenario/simultaneous_groups.h"

namespace {

int Slot() { return ValidFaceSlot(LineState.CurrentSlot) ? LineState.CurrentSlot : 0; }

std::string CurrentText() {
  const int n = ScriptStore.CurrentScriptLine;
  return n >= 0 && n < kScriptLineCapacity ? ScriptStore.ScriptText[static_cast<size_t>(n)] : std::string();
}

// The event handlers end only their loop while a menu command runs an event outside
// any script line.
void FinishEventLine() {
  if (AnimationRun.DirectEffectRun == 1) {
    FrameClock.FrameLoopRunning = 0;
  } else {
    FinishScriptAction();
  }
}

}  // namespace

// Balloon layout: which layer, category and text slot the line's window uses.
void BalloonLayout(int /*unused*/) {
  const int kind = LineCode.MainParam;
  const int s = Slot();
  FaceSlotRecord& f = FaceSlot;
  if (kind == 0) return;
  if (kind >= 5 && kind <= 29) {
    DrawState.CurrentLayer = f.BalloonLayer[s];
    TextWindow.TailLayer = f.BalloonLayer[s] + 1;
    f.TextSlotIndex = 2 * s;
    f.BalloonCategory = 0;
    LoadFaceGeometry(s);
    BalloonPlace(0);
    return;
  }
  if (kind >= 30 && kind <= 49) {
    DrawState.CurrentLayer = f.ThoughtLayer[s];
    TextWindow.TailLayer = f.ThoughtLayer[s] + 1;
    f.TextSlotIndex = 2 * s + 1;
    f.BalloonCategory = 1;
  } else if (kind == 50 || kind == 51 || kind == 60) {
    DrawState.CurrentLayer = TextWindow.NarrationLayer;
    f.TextSlotIndex = 10;
    f.BalloonCategory = kind == 60 ? 6 : 5;
  }
  TextWindow.WindowLayer = DrawState.CurrentLayer;
}

void BalloonPlace(int mode) {
  if (mode != 0 && mode != 1) return;
  if (auto style = CurrentModeHooks().BalloonStyle) style();
}

// Keeps the text as the real drawing does, so greyed redraws, the restart's erase
// and automatic reading see what they expect; draws nothing.
void BalloonText(int type) {
  FaceSlotRecord& f = FaceSlot;
  if (type == 0) BalloonLayout(0);
  if (type == 1) {
    if (ValidTextSlot(f.TextSlotIndex)) TextSlot.TextSlotState[static_cast<size_t>(f.TextSlotIndex)] = 10;
    return;
  }
  if (type != 0 && type != 10 && type != 20) return;
  AutoReadControl(5);
  if (type == 10 || !ValidTextSlot(f.TextSlotIndex)) return;
  const size_t i = static_cast<size_t>(f.TextSlotIndex);
  if (f.BalloonCategory == 5 || f.BalloonCategory == 10) {
    TextSlot.TextSlotState[i] = 3;
  } else {
    switch (LineCode.ActionCode) {
      case -3: case -6: TextSlot.TextSlotState[i] = 3; break;
      case -2: case -5: TextSlot.TextSlotState[i] = 2; break;
      case -1: case -4: TextSlot.TextSlotState[i] = 1; break;
      default: break;
    }
  }
  TextSlot.TextSlotText[i] = CurrentText();
  TextSlot.TextSlotKind[i] = LineCode.MainParam;
  TextSlot.TextSlotVariant[i] = LineCode.SubParam;
}

// Openings and erases complete in their first frame.
void AnimateBalloon(int code, int queued) {
  const int s = Slot();
  FaceSlotRecord& f = FaceSlot;
  switch (code) {
    case 10: f.SpeechState[s] = kBalloonShown; break;
    case 1015: f.ThoughtState[s] = kBalloonShown; break;
    case 1017:
    case 1018: f.NarrationState = kBalloonShown; break;
    case 50: {
      const int category = f.SlotBalloonCategory[s];
      if (category == 0) f.SpeechState[s] = kBalloonHidden;
      if (category == 1) f.ThoughtState[s] = kBalloonHidden;
      if (category == 0 || category == 1) TextSlot.TextSlotState[static_cast<size_t>(2 * s + category)] = 0;
      break;
    }
    case 1019:
      f.NarrationState = kBalloonHidden;
      if (ValidTextSlot(f.TextSlotIndex)) TextSlot.TextSlotState[static_cast<size_t>(f.TextSlotIndex)] = 0;
      break;
    default: return;
  }
  if (queued == 0) FinishScriptAction();
}

void BalloonShowSound(int /*kind*/) {}

// The actions that move the scene themselves; every other action ends its line.
void DispatchScriptAction() {
  const int action = LineCode.ActionCode;
  const int value = LineCode.MainParam;
  switch (action) {
    case 2:
      ScriptStore.CurrentScriptLine += 1;
      Wait(-2, static_cast<int32_t>(value) * 100);
      return;
    case 3:
      if (auto leave = CurrentModeHooks().LeaveScene) leave(value);
      return;
    case 4:
      SceneCursor.StageNumber = value;
      SceneCursor.SceneState = 5;
      SceneCursor.SceneStep = 0;
      Wait(0, 0);
      return;
    case 50: Wait(1500 + value, 0); return;
    case 51: Wait(1600 + value, 0); return;
    case 52: Wait(1700 + value, 0); return;
    case 62:
      if (ReadState.ReadMode == 2) {
        FinishScriptAction();
      } else {
        AnimationRun.WaitKind = kWaitVoice;
        Wait(1062, 0);
      }
      return;
    case 0: case 8: case 9: case 14: case 19: case 29:
      return;  // no action
    default:
      if (action > 99 || action < -9 || (action >= -8 && action <= -1)) return;  // no action
      FinishScriptAction();
      return;
  }
}

void SimultaneousTable(int /*kind*/) {}

void StartQueuedMoves() { AnimationRun.SimultaneousFrame = 0; }

void SimultaneousStep() {
  ResetSimultaneousTables();
  FinishScriptAction();
}

void ResetSimultaneousTables() {
  DimensionSimultaneousTables();
  SimultaneousGroup.MaxGroup = -1;
  FaceSlot.SlotGroup.fill(-1);
  std::fill(SimultaneousQueue.QueueStartFrame.begin(), SimultaneousQueue.QueueStartFrame.end(), -1);
}

void AnimateMiniPicture(int code, int queued) {
  const int s = Slot();
  const int m = LineExecution.CurrentMini;
  if (code < 1030 || code > 1039) return;
  if (ValidMini(m)) FaceSlot.MiniState[s][m] = code == 1039 ? kBalloonHidden : kBalloonShown;
  if (queued == 0) FinishScriptAction();
}

void BalloonMoveTick() { FinishScriptAction(); }

void PicAnimTick() { FinishScriptAction(); }

// The fading text lines hand back to the step that plays them.
void LineEffectTick() { Wait(0, 0); }

void NormalEventTick() { FinishEventLine(); }

void SpecialEventTick() { FinishEventLine(); }
