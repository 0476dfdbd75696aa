// The Marbrook stage dispatcher: C15_LoadStage (ConversationHooks LoadStage) turns
// StageNumber into its script in the store and records where the system menu's
// restart goes back to; C15_DebugStage (ConversationHooks StartStage) picks the
// debugging stage. The intermissions' own procedures live in intermissions.cpp.
//
// Where each stage's script is found: the story scripts and the finale are the
// content files content/marbrook/stageNNN.txt (StageScriptName), embedded at build
// time; the 21 intermissions are pushed by C15_Intermission from its templates. A
// story stage whose file is not in the program loads like an unlisted number.
#pragma once

#include <string>

// Where a stage's lines come from.
enum class StageSource { None, StoryFile, Intermission, Finale };
StageSource StageSourceOf(int stage);
// The content file name of a story or finale stage ("stage007").
std::string StageScriptName(int stage);

void C15_LoadStage();
void C15_DebugStage();
// Empties the store for a stage procedure: line count, current line and the face
// sound switch back to 0.
void BeginStageScript();

// The finale: pushes its one script of ten entries and records in ScriptLabels the
// line each entry after the first starts at (element stage - 100).
void C15_Stage100();

// The intermissions (intermissions.cpp).
void C15_Intermission(int stage);
void C15_CurtainClose();
