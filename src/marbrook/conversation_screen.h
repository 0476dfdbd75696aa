// The Marbrook conversation screen, SceneCode 10: every story stage runs here as a
// scenario script.
//
//   state 0   entry (step 0 the debugging stage, step 10 from another screen)
//   state 5   leave automatic reading (step 0), reset and load the stage (step 1)
//   state 10  one script line per step (step -1: waiting for a click)
//   state 30  two-row choice; the other row slides away while the frame blinks
//   state 31  one-row choice; the frame blinks
//
// Procedures others call: C10_NextStage (key S, system-menu code 16) and
// C10_NextGame (key G, code 17), also reached through MarbrookNamedCalls.
#pragma once

void C10_Step();
void C10_Hover();
void C10_NextStage();
void C10_NextGame();
// The mini-game entry (scene, state) of a stage's part of the story; false for a
// stage with no following game.
bool NextGameEntry(int stage, int& scene, int& state);

// Fills the conversation screen's row, the mode's macro, stage-end and balloon-style
// members, the conversation hooks, the effects' frame crossing and the stand-ins of
// the games not in the program.
void RegisterMarbrookConversation();
