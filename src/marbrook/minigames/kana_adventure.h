// The kana adventure, the Marbrook mini-game of SceneCode 59, entered with (59, 0, 0).
//
// A tiny adventure in half-width katakana: eight places shown as pictures, seven
// buttons (look, examine, the action that examining reveals at some places, and the
// four compass points), three deaths and three happy endings. Every ending or death
// goes back to the title; once all three endings have been seen in one visit the
// all-clear screen hands the story on to stage 60 (G09_Leave).
//
// Record: KanaAdventureState. Members of the screen table (RegisterKanaAdventure):
// G09_Step, G09_Hover, G09_OnKey. The other procedures are here for the tests.
#pragma once

#include <array>
#include <string>

struct KanaAdventureStateRecord {
  int G09ButtonBox = 0;   // button i (0 look, 1 examine, 2 revealed, 3 to 6 N E S W) is layer + i
  int G09PictureBox = 0;  // the title and place pictures; + 1 the logo
  int G09MessageBox = 0;  // the two message lines are this layer and the next
  int G09EndingsBox = 0;
  int G09PictureX = 0, G09PictureY = 0;
  int G09PictureWidth = 0, G09PictureHeight = 0;
  std::array<std::string, 3> G09ButtonCaption;
  std::array<int, 4> EndingSeen{};  // entries 1 to 3
  int G09Location = 0;              // place 0 to 7; 10 and 11 the two halves of ending 2 or 3
  // Where the pointer was last seen, in window coordinates (-1: not yet): an advance
  // key acts on the button under it, as a click there would.
  int G09PointerX = -1, G09PointerY = -1;
};
extern KanaAdventureStateRecord KanaAdventureState;

void G09_Step();
void G09_Hover();
void G09_OnKey();
void G09_Leave();

void G09_LocationPicture(int n);
void G09_Message(const std::string& first, const std::string& second);
void G09_CommandButton(int i, const std::string& caption, int state);
void G09_CompassButton(int i, int state);
void G09_ButtonColours(int scheme);
void G09_HideButtons();
void G09_ClearHover(int kind);
void G09_EndingsPanel();
void G09_AllClear();

void RegisterKanaAdventure();
void ResetKanaAdventureState();
