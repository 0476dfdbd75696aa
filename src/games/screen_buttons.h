// The layer numbers and hover state that the Marbrook menus, the extras area and the
// mini-games share (ScreenButtons), and the hover frame C10_HoverBox draws around
// the layer under the pointer.
#pragma once

struct ScreenButtonsRecord {
  int ButtonFirstBox = 0;   // button k is layer ButtonFirstBox + k
  int BoardFirstBox = 0;    // first board or message picture layer
  int PictureFirstBox = 0;  // first layer of the screen's picture group
  int HoverFirstBox = 0;    // the hovered index is InputSourceIndex - HoverFirstBox
  int HoverCursorBox = 0;   // the frame layer of the extras area and the duel
  int HoveredButton = 0;    // -1 none; hover procedures write it, steps read it
  int FrontBox = 0;         // brought to the front when a game screen opens
};
extern ScreenButtonsRecord ScreenButtons;

// Flag 0: frames layer InputSourceIndex with layer `box`, `border` pixels wide, white
// with a grey edge (black on black when `erase` is not 0). Other flags do nothing.
// Hiding the frame is the caller's business.
void C10_HoverBox(int flag, int& box, int& border, int& erase);

void ResetScreenButtonsState();
