// The Marbrook game's mode members: start-up (C00_Init), and the routing of every
// tick, click, mouse move, busy-loop frame and key to the screen that SceneCode
// names (C00_OnEvent, C00_OnKey), the breaking of the mode's own waits
// (C00_BreakWait), the conversation advance (C00_ConvAdvance) and the extras entry
// (C00_EnterExtraGame).
//
// Screens plug in through MarbrookScreen(SceneCode): 10 conversation, 45 extras,
// 51 to 56, 59 and 60 the mini-games, 99 title and menus. A screen fills its entry
// in its Register function (the table of app/register_games.cpp); an empty member
// drops the event.
#pragma once

#include "engine/modes.h"
#include "games/screen_table.h"
#include "marbrook/save_file.h"

// The entry of a scene code, or an empty scratch entry for a code no screen has.
ScreenHookSet& MarbrookScreen(int sceneCode);

// Members of screens built elsewhere that the hooks call by name (the conversation's
// S and G keys, the casino's reel stop); each screen fills its own.
struct MarbrookNamedCallSet {
  void (*C10_NextStage)() = nullptr;
  void (*C10_NextGame)() = nullptr;
  void (*G04_StopReelClick)() = nullptr;
};
extern MarbrookNamedCallSet MarbrookNamedCalls;

void C00_Init();
bool C00_OnEvent(int phase);
void C00_OnKey();
void C00_BreakWait();
void C00_ConvAdvance();
void C00_EnterExtraGame(int code);

void RegisterMarbrookMode();
void ResetMarbrookState();
