// The Marbrook rows and commands of the right-click system menu (the mode's
// BuildSystemMenu and MenuCommand members). The rows depend on the screen: outside
// the conversation settings, back to the title and quit; in a conversation also the
// reading speeds, the next stage or game, restarting the stage and, in a stage
// replay, the way back to the replay select.
#pragma once

// Kinds: 20 build and draw the panel, 99 hit test into MenuHoverItem, 11 and 12 the
// highlight and pressed bar on row `argument`, 25 the closing repaint of
// CurrentLayer, 30 the automatic-reading indicator (`argument` 0 running, 1 stopping).
// Any kind first fills MenuItemCodes with the rows of the present situation.
void C10_SystemMenu(int kind, int& argument);
// Runs the command of the chosen row, MenuItemCodes(MenuHoverItem).
void C10_MenuCommand(int code);

// The y offset of each row of the present situation inside the panel (for tests and
// for the screens that place things by the menu).
int MarbrookMenuRowCount();
int MarbrookMenuRowY(int row);
