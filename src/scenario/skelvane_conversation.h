// The Skelvane conversation screen (scene 10 of that mode): a state machine over
// SceneState and SceneStep that starts the scene, loads the stage, runs one script
// line per step, handles a two-button choice, and carries the system menu's
// "back to the start of this scene" through erasing the open balloons.
//
//   state 0   start (step 0 from start-up, step 10 from the title)
//   state 5   stage reset and load
//   state 10  one line per step (step -1: the click-wait position)
//   state 11  lines played by kind (fading text lines, cross-fades)
//   state 15  erase the open balloons before a restart
//   state 20  the restart's confirmation sequence
#pragma once

void ScenarioStep();
// What every stage load resets (the Vadrim conversation's too): the kept balloon
// texts, the balloon and mini states, the simultaneous tables at chain length 9, the
// button mode and the automatic raise.
void ResetStageBalloons();
// The Skelvane layout set-up used when a stage is entered from the title.
void InitDefaultScene();
// The Skelvane thought-balloon layout, which both of its set-ups use.
void SetDefaultThoughtLayout();
