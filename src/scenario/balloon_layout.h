// Where the window of the current balloon line stands: its layer, rectangle and text
// origin for every balloon kind (speech 5 to 29, thought 30 to 49, caption box 50,
// multi-line box 51, fixed window 60), with the sizes the running game's
// BalloonStyle and CaptionBox members choose.
#pragma once

// Lays out the window of the current line from MainParam, SubParam, CurrentSlot,
// LineFontSize and, for kinds 50 and 51, the line's stored text. Kind 0 changes
// nothing; a kind without a window of its own (1 to 4, 52 to 59, 61 to 69, above 69)
// only takes the defaults and copies CurrentLayer and CurrentRect into the window.
void BalloonLayout(int unused);
// Places the current slot's speech balloon and its tail beside the face (modes 0
// and 1 alike; any other mode does nothing).
void BalloonPlace(int mode);
