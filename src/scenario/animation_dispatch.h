// The frame hook of every conversation scene: routes each frame of a scenario
// animation code to its handler, whatever the game mode.
//
// Handler contract: a handler runs once per frame, counts its own AnimationFrame
// (and step, sub-step) and ends in one of three ways: FinishScriptAction (the loop
// ends after this frame and the line continues), FrameLoopRunning := 0 alone (back
// to the caller of Wait), or Wait(0, 0) (the mode's step runs again 13 ms later).
// Ending the loop comes before arming any timer, so a continuation keeps its
// milliseconds.
#pragma once

// One frame of the running AnimationCode. Returns false when no handler serves the
// code, so the engine ends the loop instead of spinning.
bool ScenarioFrameDispatch();
// Kind 0 clears the saved frame and sub-step counters of every mini; other kinds do nothing.
void ClearMovingFlags(int kind);
