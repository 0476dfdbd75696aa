// The Marbrook conversation effects, "[Tanselイベ]" lines run as AnimationCode
// 1700 + "Ev種": narrator lines and blocks that glow in and out, closing panels,
// the picture curtain, choice buttons that rise, and a face's flash, blinks and rise.
// The scenario engine routes every frame of codes 1700 to 1799 here in any mode.
//
// Parameters: P is LineCode SubParam ("Ev分"), Q is LineCode Speaker ("Ev細分" or the
// face prefix); the narration texts are the line's stored text fields.
#pragma once

// One frame of the running code. An effect ends with FinishScriptAction; the curtain
// run directly by the system menu (DirectEffectRun 1) only ends its loop. A code
// without an effect ends at once.
void C15_Frame();
