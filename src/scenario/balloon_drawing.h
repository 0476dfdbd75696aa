// Drawing what the balloon layout placed: the speech balloon's tail box, the thought
// balloon's three bubbles, the balloon body with its bevel, and the text, printed
// eight times in greys at one-pixel offsets (darker greys for a kept balloon drawn
// again, so that old balloons read as inactive). Narration and caption boxes print
// with the engine's engraved text instead.
#pragma once

#include <string>
#include <vector>

#include "engine/layers.h"

// Type 2: the tail box of the current slot's speech balloon. Type 15: the bubbles of
// the current thought balloon (variant 10 to 12 only bubble variant - 10). Any other
// type does nothing. The variant is read, never changed.
void BalloonParts(int type, const int& variant);
// 0: lay out and draw the current line's balloon and text, keep the text in its
//    slot and refresh the tail or bubbles; 1: draw text slot TextSlotIndex again,
//    greyed, in ReshowBalloonLayer; 10: the current line's text into the window in
//    place; 20: as 0 without the layout and the refresh; 100: the narration lines of
//    the window in place. Other types draw only what the window style asks.
void BalloonText(int type);
// Redraws kept text slot i (0 to 19) greyed in its owner's balloon: even slots in
// the speech balloon, odd ones in the thought balloon.
void RedrawKeptText(int i);

// The resting square of thought bubble k (0 to 2) beside the window in WindowRect,
// for the current line's variant and the current slot's side.
Rect BubbleRest(int k);

// The printed lines of a balloon text: its "："-separated fields, at most 29.
std::vector<std::string> BalloonLines(const std::string& text);
