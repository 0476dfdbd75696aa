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
#include "scenario/script_actions.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"
#include "scenario/simultaneous_groups.h"

namespace {

int Slot() { return ValidFaceSlot(LineState.CurrentSlot) ? LineState.CurrentSlot : 0; }

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

// The picture change of a face: straight through the mode's catalogue.
void PictureLoadByMode(int kind, int number) {
  if (auto load = CurrentModeHooks().LoadPictureByKind) load(1, kind, number);
}

// The flip-book's parameters: none are read; its frame handler ends the line.
void PicAnimParams() {}

// The direct events change nothing yet.
void DirectEventBasic() {}
void DirectEventPic() {}

// A separate balloon move ends on its first frame.
void BalloonSeparateMoveStep() {
  const int s = Slot();
  SeparateBalloonMove.SepMoveKind[s] = 0;
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

void SpecialEventTick() { FinishEventLine(); }
