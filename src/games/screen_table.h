// The screen tables the games' modes dispatch through: each mode keeps its screens
// by SceneCode and runs the step, hover or frame of the one SceneCode names.
#pragma once

#include <span>

// One screen of a game, as its mode's screen table holds it: Frame returns whether
// it had frames for the running code (a loop nobody serves ends after that frame).
struct ScreenHookSet {
  void (*Step)() = nullptr;
  void (*Hover)() = nullptr;
  bool (*Frame)() = nullptr;
  void (*OnKey)() = nullptr;
};

// A mode's screen table: the screens by SceneCode.
struct ScreenRow {
  int sceneCode;
  ScreenHookSet hooks;
};
// The screen of `sceneCode` in `table`; a code with no row gets an empty set, made
// afresh at each call.
ScreenHookSet& FindScreen(std::span<ScreenRow> table, int sceneCode);
// One event phase for a screen: 0 its step, 1 its hover, 2 its frame. Returns whether
// the screen has a handler for the phase (for 2, whether it had frames).
bool RunScreenPhase(const ScreenHookSet& screen, int phase);
