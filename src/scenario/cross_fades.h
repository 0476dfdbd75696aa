// The fading lines of the Skelvane story (animation codes 1210 to 1217, started by
// the conversation step's line kinds): a picture faded in from black, text blocks
// faded in over a kept copy of the screen, and fades back to that copy. All of it
// on a 640 by 480 picture area at the window's top-left corner.
//
//   1210 the picture of layer 0 in from black; the screen is kept in layer 50
//   1211 fade to a cleared layer 50
//   1215 text block at line position EffectTextCode (0 to 9), 1217 centred block
//   1216 the kept screen's top strip faded back over the last block
#pragma once

void LineEffectTick();
