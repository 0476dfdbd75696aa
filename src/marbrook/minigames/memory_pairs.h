// Memory pairs, the Marbrook mini-game of SceneCode 53, entered with (53, 0, 0).
//
// The player picks one of three levels; the level's cards are dealt face down on a
// grid, shown face up for a moment and turned back; then two cards are turned at a
// time looking for equal pairs. A wrong pair costs a life; clearing the board hands
// the story on to stage 50 (G03_Leave); losing every life shows the game-over picture
// and goes back to the level select.
//
// Record: PairsState (the game's words and its per-deal slot tables).
// Members of the screen table (RegisterMemoryPairs): G03_Step, G03_Hover,
// G03_FrameGate, G03_OnKey. The other procedures are here for the tests.
#pragma once

#include <vector>

struct PairsStateRecord {
  // Layers: the board, the sign boards, and the first of the four source layers
  // (card back, card faces, life icons, board backdrop), kept just right of the window.
  int PairsBoardBox = 0;
  int PairsSignBox = 0;
  int CardSourceFirstBox = 0;

  int PairsLevel = 0;
  int PairsLastCol = 0;
  int PairsLastRow = 0;
  int PairsLastSlot = 0;
  // Per slot, 0 to PairsLastSlot; sized by every deal.
  std::vector<int> PairValue;  // -1 while dealing
  std::vector<int> PairFaceUp;  // 1 face up (found pairs stay up)
  std::vector<int> PairSlotCol;
  std::vector<int> PairSlotRow;
  int PairCardWidth = 0;
  int PairCardHeight = 0;
  int PairsGapX = 0;
  int PairsGapY = 0;
  int PairsGridLeft = 0;
  int PairsGridTop = 0;
  int LifeIconSize = 0;
  int LivesLeft = 0;
  int PicksOpen = 0;  // 1 while the first card of an attempt is open
  int FirstPick = -1;
  int SecondPick = -1;
  int FlipDelay = 0;  // ms per card when the whole board is turned
};
extern PairsStateRecord PairsState;

void G03_Step();
void G03_Hover();
void G03_OnKey();
bool G03_FrameGate();
bool G03_Frame();
void G03_Leave();

// Deals the grid of PairsLastCol and PairsLastRow: every value twice, at random.
void G03_Deal();
void G03_PlaceCard(int value);
void G03_DrawCard(int slot, int faceUp);
// Kind 1 draws life icon `number` (1 the lowest), kind 0 erases it.
void G03_LifeIcons(int number, int kind);
// Kind 0 opens sign board `variant`, 1 removes it, 10 runs the life-loss square once,
// 20 brings in level button `variant`.
void G03_Board(int kind, int variant);

void RegisterMemoryPairs();
void ResetMemoryPairsState();
