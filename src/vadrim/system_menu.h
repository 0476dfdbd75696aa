// The Vadrim system menu (module D10): the rows the engine's right-click menu shows
// in this mode, by scene, PlayMode and stage (D10_SystemMenu, the mode's
// BuildSystemMenu), and what a chosen row does (D10_MenuCommand, the mode's
// MenuCommand): automatic reading, back to the start of the stage, on to its board
// game or the next scene, back to the galleries, the extras or the title, the
// settings panel, and quitting.
#pragma once

#include <span>

// Kind 20 builds the panel, 11 and 12 the normal and the clicked bar of row arg, 25
// the opening box, 30 the automatic-reading indicator (arg 0 reading, 1 stopping),
// 99 the hit test into MenuHoverItem. Every call first writes the codes of the
// current row set into MenuItemCodes.
void D10_SystemMenu(int kind, int& arg);
// Runs the command of the row MenuHoverItem; the argument is not read.
void D10_MenuCommand(int code);

// The command codes of the rows the menu shows now, top to bottom.
std::span<const int> VadrimMenuRows();
// The board that the command "次のバトルステージへ" starts from a story stage (0 none).
int BoardOfStage(int stage);
