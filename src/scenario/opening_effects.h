// The picture effects the engine runs itself, on any screen and in any mode
// (AnimationCode 10 to 19 and 60 to 99), drawing straight onto the window's
// background over a 640 by 480 picture area at its top-left corner:
//
//   10 a picture wiped in, even rows downward and odd rows upward at once, then set
//      as the window's background (the picture is the layer BlitLayer;
//      ScriptAction.EffectPicture the catalogue number kept at the end)
//   11 the window wiped to black the same way, its picture removed
//   12 the choice buttons (layers 15 and 16) slide in
//   13 layer 17 blinks eight times, then code 14
//   14 the chosen button (15 + ChoiceResult) shrinks to its centre
//   90, 95 the balloon window laid out last is taken away (the erases of the
//      Skelvane step); every other code of the ranges ends at once
#pragma once

// One frame of the running code; every code is served, so it always returns true.
bool PaintEffectTick();
// Ends the current script line when the conversation scene runs.
void FinishIfScenario();
