// STAND-INS, to be deleted as the board's remaining rules are built: the items,
// the creature phases, the attacks and strikes, the landed-cell effects, the danger
// level and its omens, the creature-event animations and the item buttons.
//
// Each one does the least that lets a turn go on: a landed cell does nothing, the
// creature phases and the attack offer hand straight back to the end of turn, the
// danger level never rises. Replace a procedure or a state here with the real one
// in its own file and delete it from this file.
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "vadrim/board_model.h"
#include "vadrim/board_screen.h"
#include "vadrim/vadrim_pictures.h"

namespace {

void Next(int state, int step) {
  BoardGoTo(state, step);
  Wait(0, 0);
}

}  // namespace

// Every cell acts as a plain one.
void D50_CellEffect() { TurnFlow.LandedKind = 0; }

// The drawn cell keeps its kind.
void D50_RerollCell(int /*mode*/) {
  TurnFlow.NewCellIndex = RandomRange(0, BoardState.PathLast);
  TurnFlow.NewCellKind = PathCell[static_cast<size_t>(TurnFlow.NewCellIndex)].PathKind;
}

void D50_HighlightCells(int /*mode*/) {}

// The badge's layer, left where it is.
void D50_CounterBadge(int /*mode*/, int kind) {
  const int layer = BoardLayers.BadgeLayer + (kind == kCellPower ? 1 : (kind == kCellSeal ? 2 : 0));
  GetLayerRect(50, layer);
  DrawState.CurrentLayer = layer;
}

// Kind 0 the button panel; kind 1 the buttons of the held items below the window.
void D50_Buttons(int kind, int /*index*/) {
  const BoardLayersRecord& l = BoardLayers;
  if (kind == 0) {
    BoardPrepare(l.ItemPanelLayer, -95, 0, 95, 320);
    D00_LoadPicture(1, 75, 0);
    BoardScreen.ItemButtonX = 25;
    BoardScreen.ItemButtonTop = ScreenSize.ScreenHeight - (LayerHeight(l.ItemPanelLayer) + 5) + 15;
  } else if (kind == 1) {
    BoardScreen.TurnButtonLast = -1;
    for (int i = 0; i < 4; ++i) {
      const int item = PieceCounters.HeldItems[static_cast<size_t>(i)];
      if (item <= 0) continue;
      BoardPrepare(l.TurnButtonFirstBox + i, BoardScreen.ItemButtonX, ScreenSize.ScreenHeight, 65, 65);
      ClipCellToLayer(3, ((item - 10) % 7) * 65, ((item - 10) / 7) * 65, 65, 65);
      ++BoardScreen.TurnButtonLast;
    }
  }
}

void D50_DangerLevel() { TurnFlow.DangerRose = 0; }

// A plain message picture of the level, above the window.
void D50_OmenMessage() {
  BoardPrepare(BoardLayers.BannerLayer, CentreX(650), -250, 650, 250);
  D00_LoadPicture(1, 88, PieceCounters.DangerLevel);
  GetLayerRect(50, BoardLayers.BannerLayer);
}

void D50_CreatureFrame() { Wait(0, 0); }

// No items are given yet; a gift goes back to where it was due.
void BoardItemGainStep() {
  if (BoardChoice.ItemSource == 2) Next(TurnFlow.ReturnState, TurnFlow.ReturnStep);
  else Next(kBoardLanded, 10);
}

// An item button at the turn menu: the die is thrown as usual.
void BoardItemUseStep() {
  SceneCursor.ButtonMode = 0;
  ShowLayer(BoardLayers.TurnMarkerLayer, false);
  Next(kBoardDie, 0);
}

void BoardMovementPhase() { Next(kBoardEndTurn, 1); }
void BoardLifePhase() { Next(kBoardEndTurn, 1); }
void BoardAttackOffer() { Next(kBoardEndTurn, 0); }
void BoardAttackChoice() { Next(kBoardEndTurn, 0); }
void BoardItemChoice() { Next(kBoardLanded, 10); }
void BoardOpeningPick() { Next(kBoardEndTurn, 10); }
void BoardTargetStrike() { Next(kBoardLanded, 10); }
void BoardLineStrike() { Next(kBoardLanded, 10); }
