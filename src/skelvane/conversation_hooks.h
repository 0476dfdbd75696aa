// The Skelvane game's members of the conversation screen and of its mode: the start
// stage, the layout set-up, the balloon geometry, the caption-box adjustment, the
// empty leave hook, and the stage loader.
#pragma once

#include <string>
#include <vector>

void SetStartStage();
void ConversationInit();
// An empty member: the mode's LeaveScene, and the handler a queued event is handed to.
void NoHook(int value);
void BalloonStyleHook();
void CaptionBoxHook(int phase);
// The stage loader: pushes the lines of stage 1, 2 or 10; any other stage pushes
// nothing. With an override set, every stage pushes the override's lines.
void StageDispatch();
// The stage procedures: each empties the store and pushes its stage's lines.
void Stage1Script();
void Stage2Script();
void Stage10Script();

// Lines that the stage loader pushes in place of the stage scripts, for whatever
// stage it is asked for (the headless runner's --script).
void SetStageScriptOverride(std::vector<std::string> lines);

// The mode's OnEvent: scene 10 the conversation (step, hover, frames), scene 99 the
// title. Returns whether the scene had a member for the phase.
bool SkelvaneOnEvent(int phase);

void RegisterSkelvaneMode();
void ResetSkelvaneState();
