// The script actions: what a line of execution class 5 (or 6) does when its action
// code is not a mini picture. An action ends its line at once (FinishScriptAction),
// arms a wait whose frame handler ends it later, or moves the game flow itself.
#pragma once

#include <array>

#include "scenario/face_slots.h"

// The running "[フキ移動]" or "[思フ移動]". Whether it moves the speech or the thought
// balloon is LineState.BalloonMoveThought, which the command itself sets.
struct BalloonMoveRecord {
  int BalloonMoveKind = 0;
  int BalloonMoveMode = 0;
  int BalloonMoveCount = 0;
  int BalloonMoveInterval = 0;  // kept across lines: only "フ移動インタ" sets it
  int BalloonMoveX1 = 0;
  int BalloonMoveY1 = 0;
  int BalloonMoveX2 = 0;
  int BalloonMoveY2 = 0;
  int BalloonMoveLayer = 0;
};
extern BalloonMoveRecord BalloonMove;

// Each face slot's own balloon move, run inside a simultaneous run.
struct SeparateBalloonMoveRecord {
  PerSlot<int> SepMoveKind{};
  PerSlot<int> SepMoveMode{};
  PerSlot<int> SepMoveStart{};
  PerSlot<int> SepMoveCount{};
  PerSlot<int> SepMoveX1{};
  PerSlot<int> SepMoveY1{};
  PerSlot<int> SepMoveX2{};
  PerSlot<int> SepMoveY2{};
  PerSlot<int> SlotMoveSound{};  // the sound of a slot's balloon move
  // The slot's balloon geometry as it was on the move's first frame.
  PerSlot<int> SavedBalloonRelX{};
  PerSlot<int> SavedBalloonRelY{};
  PerSlot<int> SavedTailRelX{};
  PerSlot<int> SavedTailRelY{};
  // Shared by all slots: the steps of the fixed patterns (kind 15), and the tail's
  // factors, of which only element 1 is ever set.
  std::array<int, 10> SepMoveStepX{};
  std::array<int, 10> SepMoveStepY{};
  std::array<float, 10> SepMoveFactorX{};
  std::array<float, 10> SepMoveFactorY{};
};
extern SeparateBalloonMoveRecord SeparateBalloonMove;

struct ScriptActionRecord {
  int DebugValue = 0;  // above 0: the frame length of the simultaneous run, ms
  std::array<int, 2> BranchParams{};  // what "[即実行イベ]" hands to the step machine
  int EffectPicture = 0;  // the picture an opening picture effect paints
};
extern ScriptActionRecord ScriptAction;

// Carries out the current line's action by its ActionCode (C3).
void DispatchScriptAction();
// "[フキバック]" (C2 0: kept texts in state 2) and "[フキバック全]" (C2 1: states 1 to
// 9) draw kept balloon texts again and finish the line; other C2 do nothing.
void RedrawBalloons();
// Records where the moving balloon's layers stand, so that a click can put them back.
void StoreBalloonMoveStart();
// Mode 1 fills BalloonMove, mode 0 the current slot's SeparateBalloonMove.
void ParseBalloonMove(int mode);
// Moves the face of slot C0 to the point the line gives as "(x,y)".
void PlaceFace();
// Loads the picture "BMP番号" / "BMP番号2" into the face of slot C0.
void ChangeFaceBitmap();
// "[同時・イベ発生]": entries of the run's event queue.
void QueueSimultaneousEvent();

void ResetScriptActionState();
