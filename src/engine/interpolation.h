// Straight moves: a value taken from a start to an end over a course of frames, as
// every smooth move of the engine, the scenario engine and the games steps it.
#pragma once

#include "engine/numeric.h"

// What a course of no frames gives. The moves have always differed here and each
// keeps its own answer, so the caller says which:
//   kEnd       a length of 0 is the end at once (any other length, a negative one
//              too, goes through the formula);
//   kOneFrame  a length below 1 counts as 1: frame 0 is the start, frame 1 the end.
enum class NoFrames { kEnd, kOneFrame };

// Start + (end - start) / length x frame, evaluated in that order in double: the
// halves that later round to even depend on it. The span is taken in double, so ends
// far apart never overflow.
inline double Interpolate(int start, int end, int frame, int length, NoFrames noFrames) {
  if (length < 1) {
    if (noFrames == NoFrames::kOneFrame) {
      length = 1;
    } else if (length == 0) {
      return end;
    }
  }
  return start + (static_cast<double>(end) - start) / length * frame;
}

// The value a share of the way from start to end: start + (end - start) x share, the
// form of a move that keeps its progress as a share rather than a frame count.
inline double InterpolateAt(int start, int end, double share) {
  return start + (static_cast<double>(end) - start) * share;
}

// The same position as a whole number: nearest, halves to even.
inline int InterpolateRounded(int start, int end, int frame, int length, NoFrames noFrames) {
  return RoundHalfEven(Interpolate(start, end, frame, length, noFrames));
}
