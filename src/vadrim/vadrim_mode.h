// The Vadrim game's mode members: start-up (D00_InitMode with its layout defaults
// D00_InitVars), the routing of every tick, click, mouse move, busy-loop frame and
// key to the screen that SceneCode names (D00_OnEvent, D00_OnKey), and the breaking
// of the title's two opening animations (D00_BreakWait).
//
// Screens plug in through VadrimScreen(SceneCode): 10 conversation, 51 board game,
// 99 title and menus. A screen fills its entry in its Register function (the table
// of app/register_games.cpp); an empty member drops the event.
//
// Records: TitleWords, the title screen's layout words that D00_InitVars sets and
// the title, route select and galleries read.
#pragma once

#include "engine/modes.h"
#include "games/screen_table.h"

// The Vadrim scene code beside the shared conversation and title (engine/modes.h).
inline constexpr int kBoardScene = 51;

// The entry of a scene code, or an empty scratch entry for a code no screen has. A
// screen's OnKey, where set, takes every key; otherwise an advance key runs Step.
ScreenHookSet& VadrimScreen(int sceneCode);
// SceneCode := scene, then GoTo(state, step).
void EnterScene(int scene, int state, int step);

// Members of screens built elsewhere that the start-up calls by name.
struct VadrimNamedCallSet {
  void (*D20_LayoutInit)() = nullptr;  // the conversation's balloon layout, set once
};
extern VadrimNamedCallSet VadrimNamedCalls;

struct TitleWordsRecord {
  int PanelLayer = 0;      // first panel layer; the ten wipe strips use it to +9
  int SourceLayer = 0;     // off-screen holder of a cell picture
  int RaiseLayer = 0;      // brought to the front when a menu becomes live
  int FrameLayer = 0;      // the highlight frame
  int BtnFirst = 0;        // layer of button 0 of the live button set
  int MenuFirstLayer = 0;  // layer of a menu's row 0
  int MenuSheet = 0;       // sprite sheet of the menus
  int BtnEnabled[5] = {};  // 1: button i of the live set answers the pointer and clicks
  int BtnLast = 0;         // index of the live set's last button
  int HoverItem = -1;      // the item under the pointer (its meaning depends on the screen), -1 none
  int PickedItem = 0;      // the button clicked on the main menu or the route select
  int MenuLastItem = 0;    // a menu's last row, its back button
  int SlideIndex = 0;      // the slideshow's picture
  int ThumbGroupSize[6] = {};  // the stage gallery's last item index per thumbnail row
};
extern TitleWordsRecord TitleWords;

void D00_InitMode();
void D00_InitVars();
bool D00_OnEvent(int phase);
void D00_OnKey();
void D00_BreakWait();

void RegisterVadrimMode();
void ResetVadrimState();
