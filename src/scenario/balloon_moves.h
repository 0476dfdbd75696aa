// Balloon moves: what input does to a balloon caught in the middle of its move.
#pragma once

// Puts the moving balloon of the current slot and its tail (speech) or its three
// bubbles (thought) back where they stood before the move.
void ReturnBalloonHome();

void RegisterBalloonMoveHooks();
