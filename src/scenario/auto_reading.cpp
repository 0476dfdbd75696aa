#include "scenario/auto_reading.h"

#include "engine/frame_model.h"
#include "engine/layers.h"
#include "engine/numeric.h"
#include "engine/system_menu.h"
#include "platform/platform.h"
#include "platform/text_encoding.h"
#include "scenario/animation_dispatch.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/motion_curves.h"
#include "scenario/scene_members.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"

ReadStateRecord ReadState;
VoiceSettingsRecord VoiceSettings;

namespace {

bool VoicePlaying() { return tq::ThePlatform().Sound().STNumPlaying(VoiceSettings.VoiceChannel) >= 1; }

std::string First3(const std::string& s) { return s.substr(0, tq::CodePointOffset(s, 3)); }

std::string CurrentLineText() {
  const int n = ScriptStore.CurrentScriptLine;
  return n >= 0 && n < kScriptLineCapacity ? ScriptStore.ScriptText[static_cast<size_t>(n)] : std::string();
}

void ArmContinuation() {
  ReadStateRecord& r = ReadState;
  if (r.ReadMode != 2) return;
  if (r.ReadSpeed == 3) {
    Wait(-2, 10);
    return;
  }
  if (r.ReadSpeed == 2) {
    Wait(-2, 100);
    return;
  }
  if (r.ReadSpeed != 1) return;
  AnimationRunRecord& run = AnimationRun;
  if (VoiceSettings.AutoWaitsForVoice == -1 && VoiceSettings.VoiceOn == -1 && VoicePlaying()) {
    Wait(kAnimAutoVoiceWait, 0);  // returns when the voice has ended
    run.AutoVoiceWaited = -1;
  }
  int delay = 0;
  if (run.AutoVoiceWaited == 0) {
    delay = AutoReadDelay(r.AutoReadLength);
    if (VoiceSettings.AutoSpeed == 1) delay = RoundHalfEven(delay * 0.7);
    else if (VoiceSettings.AutoSpeed == 2) delay = RoundHalfEven(delay * 0.4);
  }
  Wait(-2, delay);
  r.AutoReadLength = 0;
  run.AutoVoiceWaited = 0;
}

// A line that repeats the start of the previous one and extends it is paced by what
// it adds.
void MeasureLine() {
  ReadStateRecord& r = ReadState;
  if (r.ReadMode == 1) return;
  const std::string text = CurrentLineText();
  const std::string& a = r.AutoReadPrevText[0];
  const std::string& b = r.AutoReadPrevText[1];
  const int lt = tq::CodePointCount(text);
  const int la = tq::CodePointCount(a);
  const int lb = tq::CodePointCount(b);
  int length = lt;
  if (!a.empty()) {
    const std::string t3 = First3(text);
    const std::string a3 = First3(a);
    if (t3 == a3 && text != a) {
      const int d = lt - la;
      if (d >= 0 && d <= 15) length = lt - la;
      else if (d > 15 && d <= 30) length = lt <= 50 ? lt - la : lt - la / 2;
      else if (d > 30) length = lt - la / 2;
    } else if (t3 != a3 && t3 == First3(b)) {
      length = lt - lb;
    }
  }
  r.AutoReadLength = length;
  r.AutoReadPrevText[1] = a;
  r.AutoReadPrevText[0] = text;
}

void LeaveAutoReading() {
  ReadStateRecord& r = ReadState;
  AnimationRun.WaitKind = kWaitNone;
  r.AutoStopRequest = 0;
  r.AutoReadLength = 0;
  r.AutoReadPrevText[0].clear();
  r.AutoReadPrevText[1].clear();
  r.ReadMode = 1;
  r.ReadSpeed = 1;
  ShowLayer(SystemLayerSet.AutoIndicatorLayer, false);
}

}  // namespace

int AutoReadDelay(int length) {
  if (length == 0) return 250;
  if (length <= 6) return 1500;
  return 80 * length + 1000;
}

void AutoReadControl(int kind) {
  switch (kind) {
    case 0: ArmContinuation(); break;
    case 5: MeasureLine(); break;
    case 10: LeaveAutoReading(); break;
    default: break;
  }
}

void MultiBalloonEraseTick() {
  FaceSlotRecord& f = FaceSlot;
  auto erasing = [&f](int slot) {
    return ValidFaceSlot(slot) && (f.SpeechState[slot] == kBalloonToErase || f.SpeechState[slot] == kBalloonErasing);
  };
  const int count = f.EraseCount < kEraseListCapacity ? f.EraseCount : kEraseListCapacity;
  for (int k = 1; k <= count; ++k) {
    const int slot = f.EraseList[static_cast<size_t>(k)];
    MotionState.CurrentMotionSlot = k;
    LineState.CurrentSlot = ValidFaceSlot(slot) ? slot : 0;
    LoadFaceGeometry(LineState.CurrentSlot);
    if (erasing(slot)) {
      AnimationRun.AnimationFrame = AnimationRun.SimultaneousFrame;
      AnimateBalloon(kBalloonEraseKind, 1);
    }
  }
  AnimationRun.SimultaneousFrame += 1;
  for (int k = 1; k <= count; ++k) {
    if (erasing(f.EraseList[static_cast<size_t>(k)])) return;
  }
  FinishScriptAction();
}

void VoiceWaitTick() {
  if (!VoicePlaying()) FinishScriptAction();
}

void AutoVoiceWaitTick() {
  if (!VoicePlaying()) FrameClock.FrameLoopRunning = 0;
}

void ResetReadingState() {
  ReadState = ReadStateRecord{};
  VoiceSettings = VoiceSettingsRecord{};
}
