// The Marbrook settings screen, opened by the system menu's settings row: three level
// bars (music, effects, voices) of ten slots and three switches (cut the voice on
// an advance, automatic reading waits for the voice, a new stage leaves automatic
// reading), drawn on layer MenuPanelLayer over the whole window. Every change is
// applied at once, answered with title sound 25 and saved.
//
// C15_ConfigClick is the mode's SettingsClick member.
#pragma once

void C15_ConfigDraw();
void C15_ConfigClick();
