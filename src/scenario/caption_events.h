// Caption events, the normal events that show text: captions fading in piece by
// piece (kind 20) or out (21) on stacked rows, blocks of caption lines fading in (22)
// or out (23), and narration lines faded in over the scene picture (50) and faded
// back (51). NormalEventTick runs one frame of them; each finishes its line itself.
//
// A caption row r owns layers 3r (the whole line) and 3r + 1, 3r + 2 (its pieces); a
// block puts line j into layer j; a narration line is built in layer 89 from the
// scene picture in layer 0.
#pragma once

// One frame of caption kind 20 (fade in) or 21 (fade out).
void CaptionPiecesFrame(int kind);
// One frame of caption block kind 22 (fade in) or 23 (fade out).
void CaptionBlockFrame(int kind);
// One frame of the narration line fade-in (kind 50).
void NarrationLineFrame();
// One frame of the narration area fade-back (kind 51).
void NarrationFadeBackFrame();
