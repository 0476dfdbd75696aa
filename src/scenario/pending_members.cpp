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


void NormalEventTick() { FinishEventLine(); }
