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

// Members of the scenario engine that input, the frame model and the system menu
// reach; filled when it registers.
struct InputScenarioHookSet {
  void (*FinishScriptAction)() = nullptr;
  void (*ReturnBalloonHome)() = nullptr;  // the balloon move's jump back, before the line finishes
  void (*SetAutoContinue)(int value) = nullptr;
  void (*SetContinueMode)(int value) = nullptr;
  int (*ReadMode)() = nullptr;  // ReadState.ReadMode: 1 normal, 2 automatic
  int (*ReadSpeed)() = nullptr;  // ReadState.ReadSpeed: 1 paced, 2 fast skip, 3 fastest skip
  void (*SetReadMode)(int value) = nullptr;
  void (*SetReadSpeed)(int value) = nullptr;
  // Input ends automatic reading: the voice stops and the stop is requested.
  void (*StopAutoReading)() = nullptr;
  // The system menu's "back to the start of the scene".
  void (*RestartScene)() = nullptr;
};
extern InputScenarioHookSet InputScenarioHooks;
// ReadMode and ReadSpeed through the hooks; 1 (normal, paced) when none is filled.
int CurrentReadMode();
int CurrentReadSpeed();

bool IsAdvanceKey(int keyCode);
void KeyDownHandler(int keyCode, int& shift);
void MouseDownHandler(int kind, int& index);
void MouseMoveHandler(int kind, int& index);
void SetInputSource(int kind, int& index);
void InterruptAutoAdvance(int source);
void StopAutoAdvance();

void ResetInputState();
