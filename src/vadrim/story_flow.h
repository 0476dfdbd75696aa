// The Vadrim story flow (module D20): which stage script the conversation pushes
// (D20_LoadStage), what follows a stage that has ended (D20_StageEnd: the next stage,
// a board game, or a title state, by PlayMode and stage), the mode's LeaveScene
// through which a script's "[別のゲームへ]" reaches it (D20_LeaveHook), and the
// start stage of a conversation entered without one (D20_DebugStage).
//
// The stage scripts are the embedded content files content/vadrim/stageNNN.txt; a
// stage whose file is not there pushes nothing.
#pragma once

#include <span>
#include <string>
#include <vector>

void D20_LoadStage();
void D20_StageEnd();
void D20_LeaveHook(int value);
void D20_DebugStage();

// The stage procedure of one stage: empties the store, sets the stage's face sound
// default (and stage 55's move scales), and pushes the stage's lines: stages 54 and
// 56 push the four lines from their first "[BMP変更]" twice, and stages 33, 43, 53
// and 56 drop the two lines before their last outside PlayMode 0 and 2.
void D20_StageScript(int stage);

// The 30 stage numbers that have a script, in order.
std::span<const int> VadrimStages();
bool IsVadrimStage(int stage);

// Lines that stand in for every stage's script file (tests and the headless runner's
// --script); the stage procedure's own rules still apply to them.
void SetVadrimStageScriptOverride(std::vector<std::string> lines);

void ResetVadrimStoryState();
