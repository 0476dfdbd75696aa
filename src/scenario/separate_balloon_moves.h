// Separate balloon moves: "[フ別移動]" and "[同時・フ別移動]" give one face slot its
// own move of its speech balloon inside a simultaneous run (code 1020). The move
// changes where the balloon and its tail stand relative to the face, so the run
// places them from the face and a balloon that moves still follows its face.
// Records: SeparateBalloonMove (script_actions.h).
#pragma once

// One frame of the move of CurrentSlot, at frame AnimationFrame of the move; called
// by the simultaneous step, which then places the balloon and its tail.
void BalloonSeparateMoveStep();
// Clears the move of CurrentSlot, which ends it.
void SlotBalloonMoveReset();
// Puts the balloon geometry of CurrentSlot back as it was on the move's first frame.
void SlotBalloonMoveRestore();
