// The board game's resets, spawn table, hand-back to the story and music, and its
// gauge events, random placement, no-creature check and progress record.
#pragma once

// Kind 1 (each board start, before the board load): every slot and its grid cell
// cleared, the whole spawn table emptied. Kind 10 (each turn): the once-per-turn
// flags. Kind 20 (each creature-event phase): the event lists and gauge totals.
// Other kinds do nothing.
void D50_Reset(int kind);
// Appends (from, to) to column BoardState.SpawnColumn at its first free row; a full
// column or a column past the table takes nothing.
void D50_AddSpawn(int fromType, int toType);
// StageNumber := the story stage that follows the board (board 0 and unknown boards
// keep it), then back to the conversation screen: (10, 0, 10) and Wait(0, 0).
void D50_Leave(int unused);
// Kind 0: loads "om-2.MP3" into the music channel, sets the music volume and loops
// it. Other kinds do nothing.
void D50_Music(int kind);

// The gauge change of one event for StepScratch.ActiveCreature, listed at index
// (0 to 29): kind 0 touch, 1 removal (only once HitPoints is 0 or below), 2
// periodic, 3 end of life. A 運 value is spread by LuckSpreadFactor into
// PendingLuck (LuckChanged := -1); only when it is 0, a 女 value by
// WomanSpreadFactor into PendingWoman. Other kinds or indices do nothing.
void D50_GaugeDelta(int kind, int index);
// Puts StepScratch.ActiveCreature on a random empty cell of the inner grid (GridX,
// GridY and the OccupancyGrid); after 1000 draws on taken cells, on the first free
// inner cell, row by row. Returns false, changing nothing, when the inner grid is
// full: the caller keeps the creature waiting and does not list it.
bool D50_PlaceRandom();
// When no creature stands on the grid (waiting ones do not count), the failure
// banner slides in, the board goes to state 910 step 0 and NoCreatureFlag := -1.
void D50_NoCreatureCheck();
// Kind 0 (a board starts): GameStageOpened of the board's route and stage := 1;
// kind 1 (cleared): RouteCleared of a route's last board := 1. Then saves.
void D50_RecordProgress(int kind);

// LuckTotal and WomanTotal := the sums of PendingLuck and PendingWoman over the
// listed entries, 0 to EventLast.
void SumPendingChanges();

// The story stage that follows a board, -1 for a board without one.
int BoardStoryStage(int board);
