#include "engine/input_dispatch.h"

#include "engine/frame_model.h"
#include "engine/modes.h"
#include "engine/system_menu.h"
#include "platform/platform.h"

InputEventRecord InputEvent;
InputScenarioHookSet InputScenarioHooks;

namespace {

void FinishLine() {
  if (InputScenarioHooks.FinishScriptAction != nullptr) InputScenarioHooks.FinishScriptAction();
}

}  // namespace

int CurrentReadMode() { return InputScenarioHooks.ReadMode != nullptr ? InputScenarioHooks.ReadMode() : 1; }

int CurrentReadSpeed() { return InputScenarioHooks.ReadSpeed != nullptr ? InputScenarioHooks.ReadSpeed() : 1; }

bool IsAdvanceKey(int keyCode) {
  return keyCode == tq::kKeyEnter || keyCode == tq::kKeySeparator || keyCode == tq::kKeySpace ||
         keyCode == tq::kKeyImeProcess || keyCode == tq::kKeyRight;
}

void SetInputSource(int kind, int& index) {
  if (kind == 0) {
    InputEvent.InputSourceKind = 0;
    InputEvent.InputSourceIndex = -1;
  } else if (kind == 5) {
    InputEvent.InputSourceKind = 50;
    InputEvent.InputSourceIndex = index;
  }
}

void KeyDownHandler(int keyCode, int& /*shift*/) {
  InputEvent.KeyCode = keyCode;
  if (FrameClock.WaitActive == -1) {
    if (AnimationRun.WaitKind > 0) InterruptAutoAdvance(1);
  } else if (SystemMenuState.MenuState == 0) {
    if (IsAdvanceKey(keyCode)) {
      InputEvent.InputSourceKind = 0;
      InputEvent.InputSourceIndex = -1;
      InputEvent.AdvanceKeyDown = 1;
      InputEvent.AdvanceRequest = -1;
    }
    const ModeHookSet& hooks = CurrentModeHooks();
    if (hooks.OnKey != nullptr) hooks.OnKey();
  }
  InputEvent.KeyCode = 0;
  InputEvent.AdvanceKeyDown = 0;
}

void MouseDownHandler(int kind, int& index) {
  SetInputSource(kind, index);
  if (FrameClock.WaitActive == -1) {
    if (AnimationRun.WaitKind <= 0) return;
    InterruptAutoAdvance(0);
    if (FrameClock.WaitActive == -1) return;
  }
  if (InputEvent.MouseButton == 1) {
    InputEvent.AdvanceRequest = -1;
    switch (SystemMenuState.MenuState) {
      case 0: DispatchPhase(0); break;
      case 1: MenuInput(10); break;
      case 2: MenuInput(100); break;
      default: break;
    }
  } else if (InputEvent.MouseButton == 2) {
    MenuInput(InConversationScene() ? 0 : 1);
  }
}

void MouseMoveHandler(int kind, int& index) {
  if (FrameClock.WaitActive == -1) return;
  SetInputSource(kind, index);
  if (SystemMenuState.MenuState == 0) DispatchPhase(1);
  else if (SystemMenuState.MenuState == 1) MenuHover(0);
}

void StopAutoAdvance() {
  if (InputScenarioHooks.StopAutoReading != nullptr) InputScenarioHooks.StopAutoReading();
  AnimationRun.WaitKind = kWaitNone;
  if (CurrentReadSpeed() == 1) {
    int arg = 1;
    SystemMenu(30, arg);
  }
}

void InterruptAutoAdvance(int source) {
  if (IsAdvanceKey(InputEvent.KeyCode)) InputEvent.AdvanceKeyDown = 1;
  const bool plainKey = source == 1 && InputEvent.AdvanceKeyDown != 1;
  switch (AnimationRun.WaitKind) {
    case kWaitAutoRead:
      if (!plainKey) StopAutoAdvance();
      break;
    case kWaitVoice:
      if (!plainKey) {
        AnimationRun.WaitKind = kWaitNone;
        FinishLine();
      }
      break;
    case kWaitBalloonMove:
      if (!plainKey) {
        AnimationRun.WaitKind = kWaitNone;
        if (InputScenarioHooks.ReturnBalloonHome != nullptr) InputScenarioHooks.ReturnBalloonHome();
        FinishLine();
      }
      break;
    case kWaitPicAnim:
      if (CurrentReadMode() == 2) {
        if (!plainKey) StopAutoAdvance();
      } else if (plainKey) {
        if (CrossingHooks.MarbrookOnKey != nullptr) CrossingHooks.MarbrookOnKey();
        if (InputEvent.KeyCommandRun == -1) {
          if (InputScenarioHooks.SetAutoContinue != nullptr) InputScenarioHooks.SetAutoContinue(-1);
          FinishLine();
        }
        InputEvent.KeyCommandRun = 0;
      } else if (source == 1 || InputEvent.MouseButton == 1) {
        AnimationRun.WaitKind = kWaitNone;
        if (InputScenarioHooks.SetAutoContinue != nullptr) InputScenarioHooks.SetAutoContinue(-1);
        if (InputScenarioHooks.SetContinueMode != nullptr) InputScenarioHooks.SetContinueMode(2);
        FinishLine();
      } else if (InputEvent.MouseButton == 2) {
        AnimationRun.WaitKind = kWaitNone;
        if (InputScenarioHooks.SetAutoContinue != nullptr) InputScenarioHooks.SetAutoContinue(0);
        FinishLine();
        MenuInput(0);
      }
      break;
    default: {
      const ModeHookSet& hooks = CurrentModeHooks();
      if (hooks.BreakWait != nullptr) hooks.BreakWait();
      break;
    }
  }
}

void ResetInputState() {
  InputEvent = InputEventRecord{};
}
