#include "scenario/line_execution.h"

#include <iostream>

#include "engine/frame_model.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "scenario/animation_dispatch.h"
#include "scenario/auto_reading.h"
#include "platform/platform.h"
#include "scenario/balloon_geometry.h"
#include "scenario/conversation_scene.h"
#include "scenario/face_slots.h"
#include "scenario/scene_members.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"
#include "scenario/simultaneous_groups.h"

LineExecutionRecord LineExecution;

namespace {

// The last run past the end of the script that was reported, so that clicks on a
// finished script do not repeat the report.
int reportedLine = -1;
int reportedCount = -1;

bool LineInStore(int line) {
  return line >= 0 && line < ScriptStore.ScriptLineCount && line < ScriptStore.ScriptTextLines;
}

// A script that runs off its end would execute the store's empty lines as balloons
// of slot 0; there is nothing to run there.
bool RefusePastEnd() {
  const int line = ScriptStore.CurrentScriptLine;
  if (LineInStore(line)) {
    reportedLine = -1;
    return false;
  }
  if (line != reportedLine || ScriptStore.ScriptLineCount != reportedCount) {
    std::cerr << "scenario: line " << line << " is past the end of the script (" << ScriptStore.ScriptLineCount
              << " lines); nothing runs\n";
    reportedLine = line;
    reportedCount = ScriptStore.ScriptLineCount;
  }
  return true;
}

void ReadLineCode() {
  const size_t n = static_cast<size_t>(ScriptStore.CurrentScriptLine);
  if (ScriptStore.ScriptCode[4][n] == kLineNotConverted) {
    ConvertScriptLine();
    return;
  }
  LineCode.Speaker = ScriptStore.ScriptCode[0][n];
  LineCode.SubParam = ScriptStore.ScriptCode[1][n];
  LineCode.MainParam = ScriptStore.ScriptCode[2][n];
  LineCode.ActionCode = ScriptStore.ScriptCode[3][n];
  LineCode.ExecClass = ScriptStore.ScriptCode[4][n];
  LineCode.ContinueMode = ScriptStore.ScriptCode[5][n];
}

int Slot() { return LineState.CurrentSlot; }

// The state of the window a balloon kind targets: the slot's thought balloon, the
// scene's narration window, or the slot's speech balloon.
int TargetState(int kind) {
  if (kind >= 30 && kind <= 49) return FaceSlot.ThoughtState[Slot()];
  if (kind >= 50 && kind <= 69) return FaceSlot.NarrationState;
  return FaceSlot.SpeechState[Slot()];
}

void NormaliseClass() {
  LineCodeRecord& c = LineCode;
  if (c.ExecClass != 0 && c.ExecClass != 1) return;
  const int state = TargetState(c.MainParam);
  if (c.ExecClass == 0 && state == kBalloonHidden) c.ExecClass = 1;
  else if (c.ExecClass == 1 && state == kBalloonShown) c.ExecClass = 0;
}

void ReuseSlotBalloon() {
  LineCodeRecord& c = LineCode;
  if (c.ExecClass != 0 && c.ExecClass != 1 && c.ExecClass != 4) return;
  const size_t s = static_cast<size_t>(Slot());
  if (c.MainParam == 99) {
    c.SubParam = FaceSlot.SlotBalloonVariant[s];
    c.MainParam = FaceSlot.SlotBalloonKind[s];
  } else {
    FaceSlot.SlotBalloonVariant[s] = c.SubParam;
    FaceSlot.SlotBalloonKind[s] = c.MainParam;
  }
}

void SetGroupSlot() {
  const int group = LineState.LineGroup;
  if (group >= 0 && group < kGroupCount) SimultaneousGroup.GroupSlot[static_cast<size_t>(group)] = Slot();
}

// Class 0: the text goes into the balloon that is already open, and the line ends here.
void WriteIntoOpenBalloon() {
  const ReadStateRecord& r = ReadState;
  if (LineCode.MainParam >= 0) {
    BalloonText(0);
    if (FaceSlot.BalloonCategory != 5 && FaceSlot.BalloonCategory != 6) BalloonShowSound(1);
    if (LineExecution.AutoContinue == 0 && r.ReadMode == 1) ShowNoticeBox();
  }
  ScriptStore.CurrentScriptLine += 1;
  if (LineExecution.AutoContinue == -1) {
    ContinueAfterLine();
    return;
  }
  if (r.ReadMode == 1) {
    // The step runs once more in its click-wait position.
    SceneCursor.SceneStep = -1;
    Wait(0, 0);
  }
  AutoReadControl(0);
}

void OpenBalloon() {
  ReadLinePrefixes(11);
  SetBalloonState(0);
  ClearMovingFlags(0);
  const int kind = LineCode.MainParam;
  if (kind >= 5 && kind <= 29) Wait(kAnimSpeechOpening, 0);
  else if (kind >= 30 && kind <= 49) Wait(kAnimThoughtOpening, 0);
  else if (kind >= 50 && kind <= 59) Wait(kAnimCaptionOpening, 0);
  else if (kind >= 60 && kind <= 69) Wait(kAnimWindowOpening, 0);
}

bool IsMiniKind(int action) { return action >= 30 && action <= 49; }
bool IsScriptAction(int action) { return action < 0 || (action >= 1 && action <= 99); }

void ShowMiniOrAct() {
  const int action = LineCode.ActionCode;
  if (IsMiniKind(action)) {
    ReadLinePrefixes(11);
    LineExecution.CurrentMini = LineCode.SubParam;
    StoreMiniParams();
    ClearMovingFlags(0);
    Wait(kAnimFirstMini + action - 30, 0);
  } else if (IsScriptAction(action)) {
    DispatchScriptAction();
  }
}

void QueueMiniOrAct() {
  const int action = LineCode.ActionCode;
  if (IsMiniKind(action)) {
    ReadLinePrefixes(11);
    LineExecution.CurrentMini = LineCode.SubParam;
    SetGroupSlot();
    LineCode.ContinueMode = 2;
    SimultaneousTable(20);
    FinishScriptAction();
  } else if (IsScriptAction(action)) {
    DispatchScriptAction();
  }
}

void QueueErase() {
  const int target = LineCode.MainParam;
  if (target != 88 && target != 99) return;
  if (target == 88) LineExecution.CurrentMini = LineCode.SubParam;
  SetGroupSlot();
  LineCode.ContinueMode = 2;
  ReadLinePrefixes(11);
  SimultaneousTable(target == 88 ? 25 : 15);
  FinishScriptAction();
}

void EraseNow() {
  const int target = LineCode.MainParam;
  if (target == 88) {
    LineExecution.CurrentMini = LineCode.SubParam;
    Wait(kAnimMiniErase, 0);
  } else if (target == 99) {
    const int category = FaceSlot.SlotBalloonCategory[static_cast<size_t>(Slot())];
    Wait(category == 0 || category == 1 ? kAnimBalloonErase : kAnimNarrationErase, 0);
  }
}

void SetAutoContinue(int value) { LineExecution.AutoContinue = value; }
void SetContinueMode(int value) { LineCode.ContinueMode = value; }

}  // namespace

void ShowPendingBalloonsThenExecute(int mode) {
  if (mode != 0) return;
  for (int i = 0; i < 20; ++i) {
    if (TextSlot.TextSlotState[static_cast<size_t>(i)] != 1) continue;
    RedrawKeptText(i);
  }
  ExecuteScriptLine();
}

void ExecuteScriptLine() {
  LineExecution.AutoContinue = 0;
  LineState.SimultaneousLine = 0;
  LineState.LineGroup = 0;
  if (RefusePastEnd()) return;

  ReadLineCode();
  if (LineCode.ContinueMode >= 1) LineExecution.AutoContinue = -1;

  ReadLinePrefixes(5);
  // Speaker above 9 is an event parameter, not a slot: the line keeps the last slot.
  if (ValidFaceSlot(LineCode.Speaker)) LineState.CurrentSlot = LineCode.Speaker;
  if (!ValidFaceSlot(LineState.CurrentSlot)) LineState.CurrentSlot = 0;
  ReadLinePrefixes(6);
  ReadLinePrefixes(0);
  LoadFaceGeometry(Slot());
  ReuseSlotBalloon();
  NormaliseClass();

  switch (LineCode.ExecClass) {
    case 0: WriteIntoOpenBalloon(); break;
    case 1: OpenBalloon(); break;
    case 4:
      ReadLinePrefixes(11);
      // A group whose only item is this balloon must know its slot, as the queued
      // minis and erases record theirs; without it the balloon of another slot is lost.
      SetGroupSlot();
      LineCode.ContinueMode = 2;
      SimultaneousTable(10);
      FinishScriptAction();
      break;
    case 5: ShowMiniOrAct(); break;
    case 6: QueueMiniOrAct(); break;
    case 8: QueueErase(); break;
    case 9: EraseNow(); break;
    default: break;  // 2, 3, 7: nothing, and nothing is armed
  }
}

void FinishScriptAction() {
  FrameClock.FrameLoopRunning = 0;
  if ((LineCode.ExecClass == 0 || LineCode.ExecClass == 1) && LineCode.MainParam >= 0) BalloonText(0);
  if (LineExecution.LineHeld != -1) ScriptStore.CurrentScriptLine += 1;
  if (ReadState.ReadMode != 2) AnimationRun.WaitKind = kWaitNone;
  if (LineExecution.AutoContinue == -1) {
    ContinueAfterLine();
    return;
  }
  AutoReadControl(0);
  if (ReadState.ReadMode == 1) ShowNoticeBox();
}

void ContinueAfterLine() {
  if (LineCode.ContinueMode == 1) Wait(-2, 100);
  else if (LineCode.ContinueMode == 2) Wait(-2, 1);
}

void LoadFaceGeometry(int slot) {
  const int layer = ValidFaceSlot(slot) ? FaceSlot.FaceLayer[static_cast<size_t>(slot)] : -1;
  GetLayerRect(kRectIntoTarget, layer);
  const Rect& r = DrawState.TargetRect;
  BalloonGeometry.FaceLeft = r.X;
  BalloonGeometry.FaceTop = r.Y;
  BalloonGeometry.FaceWidth = r.Width;
  BalloonGeometry.FaceHeight = r.Height;
}

void SetBalloonState(int kind) {
  if (kind != 0 && kind != 2) return;
  BalloonLayout(0);
  FaceSlotRecord& f = FaceSlot;
  const size_t s = static_cast<size_t>(Slot());
  f.SlotOpenKind[s] = LineCode.MainParam;
  f.SlotBalloonCategory[s] = f.BalloonCategory;
  int* state = f.BalloonCategory == 0 ? &f.SpeechState[s] : f.BalloonCategory == 1 ? &f.ThoughtState[s] : nullptr;
  if (state == nullptr) return;
  if (kind == 2 && *state == kBalloonShown) {
    *state = kBalloonToReshow;
    return;
  }
  *state = kBalloonToOpen;
}

void StoreMiniParams() {
  const int s = Slot();
  const int m = LineExecution.CurrentMini;
  FaceSlotRecord& f = FaceSlot;
  f.MiniVariant = LineCode.MainParam;
  if (!ValidFaceSlot(s) || !ValidMini(m)) return;
  f.MiniParams[s][m][2] = LineCode.MainParam;
  f.MiniParams[s][m][3] = LineCode.ActionCode;
  f.MiniStartDelay[s][m] = LineState.LineStartDelay;
  f.MiniState[s][m] = kBalloonToOpen;
  f.MiniKind[s][m] = LineCode.ActionCode;
}

namespace {

int ReadMode() { return ReadState.ReadMode; }
int ReadSpeed() { return ReadState.ReadSpeed; }
void SetReadMode(int value) { ReadState.ReadMode = value; }
void SetReadSpeed(int value) { ReadState.ReadSpeed = value; }

void StopAutoReading() {
  tq::ThePlatform().Sound().STStop(VoiceSettings.VoiceChannel, 1);
  VoiceSettings.VoiceChannel = 0;
  ReadState.AutoStopRequest = 1;
}

void RestartScene() {
  ScriptStore.SceneLabel = -1;
  ConversationScene.RestartRequest = 9;
}

}  // namespace

void RegisterScenarioInputHooks() {
  InputScenarioHooks.FinishScriptAction = FinishScriptAction;
  InputScenarioHooks.SetAutoContinue = SetAutoContinue;
  InputScenarioHooks.SetContinueMode = SetContinueMode;
  InputScenarioHooks.ReadMode = ReadMode;
  InputScenarioHooks.ReadSpeed = ReadSpeed;
  InputScenarioHooks.SetReadMode = SetReadMode;
  InputScenarioHooks.SetReadSpeed = SetReadSpeed;
  InputScenarioHooks.StopAutoReading = StopAutoReading;
  InputScenarioHooks.RestartScene = RestartScene;
}

void ResetLineExecutionState() {
  LineExecution = LineExecutionRecord{};
  reportedLine = -1;
  reportedCount = -1;
}
