// Creature movement of the board game: one move of StepScratch.ActiveCreature by
// its movement type, the step primitive, the two turning retries, the target search
// of the chasers and the slot clearing.
//
// A move never changes GridX, GridY or the OccupancyGrid: it leaves the cell it
// reached in the slot's NextX, NextY and its result in LastStepResult (and in
// StepScratch.StepResult), and the turn flow moves the creature.
//
// Step results: 0 nothing tried; 1 to 4 moved up, right, down, left; 9 does not move
// (type 0, or its target type is on no slot); 11 to 14 the inner grid's border that
// way; -11 to -14 another creature that way. "Up" lowers the row number.
//
// Movement types: 0 still; 1 straight; 5 and 6 turn clockwise / counter-clockwise at
// walls and at creatures that have moved; 7 and 8 the same at walls only; 10 back
// and forth; 15 and 16 straight, reversing at walls; 20 random, turning at walls;
// 21 random; 30 to 33 chasers of the type MoveTarget. Any other type does nothing.
#pragma once

void D50_MoveCreature();
// One attempt from (StepX, StepY) in StepDir; another direction changes nothing.
void D50_TryStep();
// Turning retries (clockwise, counter-clockwise): after a wall, and, when
// retryOnCreature is 1, after a creature that has moved or met a wall itself.
void D50_StepAgain1(int retryOnCreature);
void D50_StepAgain2(int retryOnCreature);
// TargetSlot := the first slot 1 to 99 holding the ActiveCreature's MoveTarget type
// (waiting or not), 0 when none or when it has no target.
void D50_FindTarget();
// Empties a slot (0 to 99). keepCell 0 also empties its grid cell and position.
// MoveDir, MoveWaitCount, NextX, NextY and BumpCount are kept, so a creature that
// changes type in its slot keeps its direction and its place in the move rhythm.
void D50_ClearSlot(int keepCell, int slot);
