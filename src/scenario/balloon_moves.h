// Balloon moves and shakes: "[フキ移動]" and "[思フ移動]" move the speech balloon of
// the line's slot and its tail, or its thought balloon and three bubbles, as one
// group of layers (animation code 1021), then put them back (or leave them, for a
// glide) and let the line finish. Records: BalloonMove (script_actions.h).
//
// The group's home positions are the start points of motion slots 0 to 3 while a
// move runs; the tail parts follow the body by a factor of its offset.
#pragma once

#include <array>

// The frame handler of code 1021: one frame of the move of kind BalloonMoveKind.
void BalloonMoveTick();
// Reads where the group of BalloonMoveLayer stands into the homes (motion slots 0 to
// 3): the body, then one tail (speech) or three bubbles (thought).
void BalloonMoveGather();
// Moves the group to its homes plus (dx, dy), each tail part by its factor of it.
// A negative factors[0] becomes 0.5 (the speech tail); a negative factors[1] makes
// the three bubbles 0.25, 0.5 and 0.75. The caller's factors are changed.
void BalloonMoveApply(int dx, int dy, std::array<float, 4>& factors);
// Puts the group back home, clears the move and finishes the line.
void BalloonMoveRestore();
// Clears the move's parameters; the layer and the balloon kind stay.
void BalloonMoveReset();
// At game speed 2, intervals of 5 and 10 ms become 6 and 12, so that the speed's
// scaling brings them back to 5 and 10.
void BalloonMoveSpeedFix();

// Puts the moving balloon of the current slot and its tail (speech) or its three
// bubbles (thought) back where they stood before the move.
void ReturnBalloonHome();

void RegisterBalloonMoveHooks();

// Shared with the separate balloon moves (separate_balloon_moves.cpp): the curves
// of the moves at step t of a run of `length` steps, rounded to whole pixels. Where
// a curve divides by the length, a length below 1 counts as 1 (below 2 for the
// swell of mode 3, which divides by its half).
// a / L x t + 1, growing.
int GrowingOffset(int a, int length, int t);
// a / L x (L - t) + 1, dying.
int DyingOffset(int a, int length, int t);
// Mode 3: a x t / (L \ 2) before the half-way step, a x (L - t) / (L \ 2) from it on.
int SwellOffset(int a, int length, int t);
// The amplitude of a random shake by mode: 0 the given one, 1 growing, 2 dying (at
// least 1), 3 swelling and dying (at least 1 once dying), others 0. A negative
// amplitude shakes by its magnitude.
int ShakeAmplitude(int mode, int amplitude, int length, int t);
// The glide: a - (L - t)^2 x (a / L^2), the quotient held in single precision; 0 at
// t = 0, a at t = L, fast first.
int GlideOffset(int a, int length, int t);
