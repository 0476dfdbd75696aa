// Window input: recorded in InputEvent, filtered by the wait guards, routed to the
// mode, the system menu or the interruption of an interruptible wait.
#pragma once

struct InputEventRecord {
  int InputSourceIndex = -1;
  int InputSourceKind = 0;
  int PointerX = 0;
  int PointerY = 0;
  int MouseButton = 0;
  int KeyCode = 0;
  int AdvanceKeyDown = 0;
  int AdvanceRequest = 0;
  int KeyCommandRun = 0;
};
extern InputEventRecord InputEvent;

// Members of the scenario engine that input reaches; filled when it registers.
struct InputScenarioHookSet {
  void (*FinishScriptAction)() = nullptr;
  void (*ReturnBalloonHome)() = nullptr;  // the balloon move's jump back, before the line finishes
  void (*SetAutoContinue)(int value) = nullptr;
  void (*SetContinueMode)(int value) = nullptr;
};
extern InputScenarioHookSet InputScenarioHooks;

bool IsAdvanceKey(int keyCode);
void KeyDownHandler(int keyCode, int& shift);
void MouseDownHandler(int kind, int& index);
void MouseMoveHandler(int kind, int& index);
void SetInputSource(int kind, int& index);
void InterruptAutoAdvance(int source);
void StopAutoAdvance();

void ResetInputState();
