// The Vadrim answers to the scenario engine's per-mode questions (module D20): the
// conversation layout set once at mode start (D20_LayoutInit), the script macros
// rewritten before a line is converted (D20_Macro, the mode's ExpandMacros), the
// balloon geometry and font (D20_BalloonStyle, the mode's BalloonStyle) and the
// caption box's font (D20_KeepFontSize, the mode's CaptionBox).
//
// They touch only scenario-engine records: TextWindow, ThoughtLayout,
// BalloonGeometry, TextStyle and the current line of ScriptStore.
#pragma once

void D20_LayoutInit();
void D20_Macro();
void D20_BalloonStyle();
void D20_KeepFontSize(int phase);
