// The executor of the scenario engine: runs the current script line by its
// execution class, and decides how each line ends and how the scene goes on (by
// itself after 100 ms or 1 ms, after the automatic-reading delay, or at the next
// click with the click-wait picture shown).
#pragma once

struct LineExecutionRecord {
  int AutoContinue = 0;  // -1: the current line continues by itself
  int LineHeld = 0;      // -1: finishing a line does not move to the next one
  int CurrentMini = 0;   // the mini (1 or 2) of a mini line
};
extern LineExecutionRecord LineExecution;

// Mode 0 redraws the balloons waiting to be greyed and executes the current line;
// any other mode does nothing.
void ShowPendingBalloonsThenExecute(int mode);
void ExecuteScriptLine();
// Ends the running action of the current line and continues the scene; every frame
// handler that ends a line's animation calls it.
void FinishScriptAction();
// ContinueMode 1: the next line after 100 ms; 2: after 1 ms; otherwise nothing.
void ContinueAfterLine();
// The rectangle of the slot's face layer into TargetRect and the face geometry words.
void LoadFaceGeometry(int slot);
// Kind 0 opens the balloon of the current line, kind 2 re-shows or opens a queued one.
void SetBalloonState(int kind);
void StoreMiniParams();

// Fills the engine's input hooks with the executor's members.
void RegisterScenarioInputHooks();
void ResetLineExecutionState();
