// D50_Step, the board screen's state machine: the start, the set-up and the intro,
// the turn (menu, die and move, landed cell, end of turn), the omen, the cell
// change, the rules pages, the restart dialog, and the clear and failure endings.
// The states of the rules still to come are reached through the seams of
// screen.h.
#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "games/timed_effects.h"
#include "scenario/motion_curves.h"
#include "vadrim/board/layouts.h"
#include "vadrim/board/model.h"
#include "vadrim/board/progress.h"
#include "vadrim/board/screen.h"
#include "vadrim/vadrim_mode.h"
#include "vadrim/vadrim_pictures.h"
#include "vadrim/vadrim_save.h"
#include "vadrim/vadrim_sounds.h"

namespace {

// A banner of `w` by `h` with a picture, prepared above the window and slid to the
// centre.
void BannerFromAbove(int kind, int number, int w, int h, int frames, EffectEnd end) {
  BoardPrepare(BoardLayers.BannerLayer, CentreX(w), -h, w, h);
  D00_LoadPicture(1, kind, number);
  MoveLayerKeepingSize(BoardLayers.BannerLayer, CentreX(w), -h);
  BoardMoveTo(BoardLayers.BannerLayer, CentreX(w), CentreY(h), frames, kMotionEaseOut, end);
}

void BannerOutDown(int frames, EffectEnd end = EffectEnd::kNextTick) {
  BoardMoveTo(BoardLayers.BannerLayer, LayerLeft(BoardLayers.BannerLayer), WindowHeight(), frames, kMotionLinear, end);
}

// ---- Start and set-up ----

void StartBoard(int board) {
  BoardState.BoardNumber = board;
  // The conversation's pictures stay below the board otherwise.
  HideLayerRange(0, 88);
  HideLayerRange(94, 99);
  D50_Layout(0);
  GoToNextTick(kBoardSetUp, 0);
}

void SetUp() {
  switch (SceneCursor.SceneStep) {
    case 0:
      D50_Music(0);
      D50_Layout(10);
      D50_Reset(1);
      D50_LoadBoard();
      D50_DrawPanel(10, 0);
      D50_DrawPath(10);
      PlayScreenSound(50);
      GoTo(kBoardSetUp, 1);
      BoardMoveTo(BoardLayers.BoardLayer, BoardGeometry.BoardLeft, BoardGeometry.BoardTop, 20, kMotionEaseOut);
      break;
    case 1: {
      D50_GaugePanel(10, 0);
      D50_GaugePanel(11, 0);
      D50_GaugePanel(25, 0);
      D50_GaugePanel(30, 0);
      D50_Buttons(0, 0);
      D50_DrawPanel(50, 0);
      const int g = BoardLayers.GaugeLayer;
      BoardStore(0, g, 10, -LayerHeight(g), 10, 10);
      const int right = WindowWidth() - LayerWidth(g + 1) - 10;
      BoardStore(1, g + 1, right, -LayerHeight(g + 1), right, 10);
      BoardStore(2, g + 2, LayerLeft(g + 2), LayerTop(g + 2), 10, LayerTop(g + 2));
      BoardStore(3, g + 3, LayerLeft(g + 3), LayerTop(g + 3), 10, LayerTop(g + 3));
      const int panel = BoardLayers.ItemPanelLayer;
      BoardStore(4, panel, 10, WindowHeight(), 10, WindowHeight() - LayerHeight(panel) - 5);
      PlayScreenSound(50);
      GoTo(kBoardSetUp, 2);
      BoardMoveSlots(4, 15, kMotionEaseOut);
      break;
    }
    case 2:
    case 3: {
      const int button = BoardLayers.MenuButtonFirstBox + SceneCursor.SceneStep - 2;
      const int y = SceneCursor.SceneStep == 2 ? 610 : 610 + 10 + LayerHeight(button);
      MoveLayerKeepingSize(button, WindowWidth(), y);
      GoTo(kBoardSetUp, SceneCursor.SceneStep == 2 ? 3 : 10);
      BoardMoveTo(button, WindowWidth() - LayerWidth(button) - 10, y, 10, kMotionEaseOut);
      break;
    }
    case 10: {
      D50_DrawPanel(40, 0);
      const int a = BoardLayers.BackdropLayer;
      const int b = a + 1;
      const int half = ScreenSize.ScreenHalfHeight;
      BoardStore(0, a, WindowWidth(), half - 20 - LayerHeight(a), 45, half - 20 - LayerHeight(a));
      BoardStore(1, b, -LayerWidth(b), half + 20, WindowWidth() - LayerWidth(b) - 45, half + 20);
      PlayScreenSound(51);
      GoTo(kBoardSetUp, 11);
      BoardMoveSlots(1, 20, kMotionEaseOut, EffectEnd::kReturn);
      break;
    }
    case 11: {
      const int a = BoardLayers.BackdropLayer;
      BoardStore(0, a, LayerLeft(a), LayerTop(a), -LayerWidth(a), LayerTop(a));
      BoardStore(1, a + 1, LayerLeft(a + 1), LayerTop(a + 1), WindowWidth(), LayerTop(a + 1));
      PlayScreenSound(51);
      GoTo(kBoardSetUp, 12);
      BoardMoveSlots(1, 12, kMotionEaseOut);
      break;
    }
    case 12:
      GoTo(kBoardIntro, 0);
      Wait(-1, 300);
      break;
    default: break;
  }
}

// ---- Intro ----

bool OnGrid(const CreatureSlotRecord& c) { return c.Waiting == 0 && c.CreatureType > 0; }

void CreatureFliesIn() {
  for (int slot = 1; slot < kCreatureSlotCount; ++slot) {
    CreatureSlotRecord& c = CreatureSlot[static_cast<size_t>(slot)];
    if (!OnGrid(c) || c.LastStepResult != 0) continue;
    StepScratch.ActiveCreature = slot;
    D50_DrawCreature(0);
    c.LastStepResult = 1;
    const BoardGeometryRecord& g = BoardGeometry;
    const int layer = CreatureLayer(slot);
    const int inset = (g.CellSize - g.CreatureSize) / 2;
    MoveLayerKeepingSize(layer, CentreX(int{g.CreatureSize}), CentreY(int{g.CreatureSize}));
    PlayScreenSound(55);
    const int x = c.GridX * g.CellSize + g.BoardLeft + inset;
    const int y = c.GridY * g.CellSize + g.BoardTop + inset;
    BoardMoveTo(layer, x, y, 15, kMotionEaseOut);
    return;
  }
  GoToNextTick(kBoardIntro, 10);
}

void IntroBanner(int number, int clickStep) {
  PlayScreenSound(50);
  GoTo(kBoardIntro, clickStep);
  BannerFromAbove(99, number, 700, 200, 20, EffectEnd::kReturn);
}

void Intro() {
  switch (SceneCursor.SceneStep) {
    case 0:
      for (int slot = 1; slot < kCreatureSlotCount; ++slot) {
        CreatureSlot[static_cast<size_t>(slot)].LastStepResult = 0;
        CreatureSlot[static_cast<size_t>(slot)].MoveWaitCount = 0;
      }
      GoToNextTick(kBoardIntro, 1);
      break;
    case 1: CreatureFliesIn(); break;
    case 10:
      D50_Buttons(1, 0);
      BoardScreen.IntroButton = -1;
      GoToNextTick(kBoardIntro, 11);
      break;
    case 11: {
      if (BoardScreen.IntroButton >= BoardScreen.TurnButtonLast) {
        GoToNextTick(kBoardIntro, 20);
        break;
      }
      const int n = ++BoardScreen.IntroButton;
      const int button = BoardLayers.TurnButtonFirstBox + n;
      PlayScreenSound(65);
      MoveLayerKeepingSize(button, LayerLeft(button), WindowHeight());
      BoardMoveTo(button, LayerLeft(button), n * 75 + BoardScreen.ItemButtonTop, 10, kMotionLinear);
      break;
    }
    case 20:
      GoTo(kBoardIntro, 30);
      Wait(kAnimPieceIn, 0);
      break;
    case 30: {
      D50_DrawPanel(30, 0);
      const int a = BoardLayers.ArrowLayer;
      const int dir = PieceCounters.TravelDir;
      const int ax = CentreX(LayerWidth(a));
      const int bx = CentreX(LayerWidth(a + 1));
      const int by = WindowHeight() - LayerHeight(a + 1) - 10;
      BoardStore(0, a, ax - 50 * dir, 10, ax, 10);
      BoardStore(1, a + 1, bx + 50 * dir, by, bx, by);
      GoTo(kBoardIntro, 50);
      BoardMoveSlots(1, 10, kMotionEaseOut);
      break;
    }
    case 50:
      if (TurnFlow.GiftEvery > 0) IntroBanner(10 + TurnFlow.GiftEvery, 51);
      else GoToNextTick(kBoardIntro, 55);
      break;
    case 51:
    case 56:
      PlayScreenSound(50);
      GoTo(kBoardIntro, SceneCursor.SceneStep == 51 ? 55 : 100);
      BannerOutDown(10);
      break;
    case 55:
      if (PieceCounters.RerollEvery > 0) IntroBanner(20 + PieceCounters.RerollEvery, 56);
      else GoToNextTick(kBoardIntro, 100);
      break;
    case 100:
      if (TurnFlow.OpeningPick == -1) GoToNextTick(kBoardOpeningPick, -5);
      else if (TurnFlow.OpeningPick == 0) GoToNextTick(kBoardEndTurn, 10);
      break;
    default: break;
  }
}

// ---- Turn menu, rules, restart dialog ----

void RaiseForChoice(int step, int buttonMode) {
  BoardRaise(buttonMode);
  SceneCursor.SceneStep = step;
}

void BlinkHighlight() {
  DrawState.CurrentLayer = BoardLayers.HighlightLayer;
  EffectParams.EffectFrames = 10;
  EffectParams.EffectFrameDelay = 40;
  RunEffect(kEffectBlink, EffectEnd::kNextTick);
}

void Menu() {
  switch (SceneCursor.SceneStep) {
    case -1: RaiseForChoice(0, kButtonsMenu); break;
    case 0: {
      if (SceneCursor.ButtonMode != kButtonsMenu) break;
      const int source = InputEvent.InputSourceIndex;
      const int firstItem = BoardLayers.TurnButtonFirstBox;
      const int firstMenu = BoardLayers.MenuButtonFirstBox;
      if (source >= firstItem && source <= firstItem + BoardScreen.TurnButtonLast) {
        BoardItemUseStep();
      } else if (source >= firstMenu && source <= firstMenu + 1) {
        PlayScreenSound(102);
        SceneCursor.ButtonMode = 0;
        TurnFlow.ReturnState = kBoardMenu;
        TurnFlow.ReturnStep = -1;
        GoTo(source == firstMenu ? kBoardRules : kBoardRestart, source == firstMenu ? 0 : -5);
        BlinkHighlight();
      } else {
        ShowLayer(BoardLayers.TurnMarkerLayer, false);
        SceneCursor.ButtonMode = 0;
        GoToNextTick(kBoardDie, 0);
      }
      break;
    }
    default: BoardItemUseStep(); break;
  }
}

void Rules() {
  const int banner = BoardLayers.BannerLayer;
  switch (SceneCursor.SceneStep) {
    case 0:
      TurnFlow.RulesPage = 1;
      GoToNextTick(kBoardRules, 1);
      break;
    case 1:
      PlayScreenSound(50);
      BoardPrepare(banner, CentreX(880), WindowHeight(), 880, 650);
      D00_LoadPicture(1, 94, TurnFlow.RulesPage);
      GoTo(kBoardRules, 2);
      BoardMoveTo(banner, CentreX(LayerWidth(banner)), CentreY(LayerHeight(banner)), 20, kMotionEaseOut,
                  EffectEnd::kReturn);
      break;
    case 2:
      PlayScreenSound(86);
      ++TurnFlow.RulesPage;
      DrawState.CurrentLayer = banner;
      D00_LoadPicture(1, 94, TurnFlow.RulesPage);
      if (TurnFlow.RulesPage >= 4) SceneCursor.SceneStep = 5;
      break;
    case 5:
      PlayScreenSound(50);
      // Back to the choice the pages were opened from: the turn menu or the attack.
      GoTo(TurnFlow.ReturnState, TurnFlow.ReturnStep);
      BannerOutDown(15);
      break;
    default: break;
  }
}

void Restart() {
  const int first = BoardLayers.ConfirmButtonFirstBox;
  switch (SceneCursor.SceneStep) {
    case -5: {
      PlayScreenSound(50);
      const int banner = BoardLayers.BannerLayer;
      BoardPrepare(banner, CentreX(700), -200, 700, 200);
      D00_LoadPicture(1, 95, 0);
      BoardStore(0, banner, CentreX(LayerWidth(banner)), -LayerHeight(banner), CentreX(LayerWidth(banner)), 130);
      for (int b = 0; b < 2; ++b) {
        DrawState.CurrentLayer = first + b;
        DrawState.CurrentRect = {CentreX(250), WindowHeight(), 250, 80};
        PrepareLayer(kPreparePictureShown);
        ClipCellToLayer(8, 0, 80 * b, 250, 80);
        MoveLayerKeepingSize(first + b, CentreX(250), WindowHeight());
        const int x = CentreX(250);
        BoardStore(1 + b, first + b, x, WindowHeight(), x, ScreenSize.ScreenHalfHeight + 50 + 105 * b);
      }
      GoTo(kBoardRestart, -1);
      BoardMoveSlots(2, 20, kMotionEaseOut);
      break;
    }
    case -1: RaiseForChoice(0, kButtonsDialog); break;
    case 0: {
      const int b = InputEvent.InputSourceIndex - first;
      if (SceneCursor.ButtonMode != kButtonsDialog || b < 0 || b > 1) break;
      SceneCursor.ButtonMode = 0;
      PlayScreenSound(102);
      TurnFlow.HoverIndex = b;
      ShowLayer(first + 1 - b, false);
      GoTo(kBoardRestart, b == 0 ? 10 : 20);
      Wait(kAnimDialogChoice, 0);
      break;
    }
    case 10:
      PlayScreenSound(135);
      Wait(kAnimWhiteOut, 0);
      RunMusicFade(50);
      HideLayerRange(0, BoardLayers.BackdropLayer - 1);
      RunPause(500);
      PlayScreenSound(130);
      Wait(kAnimWhiteClose, 0);
      RunPause(500);
      GoToNextTick(kBoardSetUp, 0);
      break;
    case 20: {
      PlayScreenSound(50);
      const int banner = BoardLayers.BannerLayer;
      const int kept = first + TurnFlow.HoverIndex;
      BoardStore(0, banner, LayerLeft(banner), LayerTop(banner), LayerLeft(banner), -LayerHeight(banner));
      BoardStore(1, kept, LayerLeft(kept), LayerTop(kept), LayerLeft(kept), WindowHeight());
      GoTo(TurnFlow.ReturnState, TurnFlow.ReturnStep);
      BoardMoveSlots(1, 20, kMotionEaseOut);
      break;
    }
    default: break;
  }
}

// ---- Die, landed cell, end of turn ----

void Die() {
  switch (SceneCursor.SceneStep) {
    case 0: GoToNextTick(kBoardDie, 5); break;
    case 5:
      GoTo(kBoardDie, 10);
      Wait(kAnimDie, 0);
      break;
    case 10:
      if (TurnFlow.StepsLeft <= 0) {
        GoToNextTick(kBoardDie, 20);
        break;
      }
      --TurnFlow.StepsLeft;
      PieceCounters.PiecePos = NextPathCell(PieceCounters.PiecePos, PieceCounters.TravelDir);
      if (TurnFlow.StepsLeft <= 0) SceneCursor.SceneStep = 20;
      Wait(kAnimPieceStep, 0);
      break;
    case 20: GoToNextTick(kBoardLanded, 0); break;
    default: break;
  }
}

bool InRange(int v, int lo, int hi) { return v >= lo && v <= hi; }

void Landed() {
  switch (SceneCursor.SceneStep) {
    case 0: {
      ShowLayer(BoardLayers.DieLayer, false);
      ShowLayer(BoardLayers.TurnMarkerLayer, false);  // shown while a 0 die item waited
      TurnFlow.LandedKind = PathCell[static_cast<size_t>(PieceCounters.PiecePos)].PathKind;
      D50_CellEffect();
      const int kind = TurnFlow.LandedKind;
      if (kind == 0) {
        GoToNextTick(kBoardLanded, 2);
      } else if (kind == kCellItem) {
        BoardChoice.ItemSource = 0;
        GoToNextTick(kBoardLanded, 30);
      } else if (kind == kCellChoice) {
        GoToNextTick(kBoardItemChoice, -1);
      } else if (InRange(kind, 130, 139)) {
        BoardChoice.SpecialStrikeSource = 0;
        GoTo(kBoardTargetStrike, -5);
      } else if (InRange(kind, 140, 149)) {
        BoardChoice.SpecialStrikeSource = 0;
        GoTo(kBoardLineStrike, -5);
      } else if (InRange(kind, 150, 159)) {
        TurnFlow.ReturnState = kBoardLanded;
        TurnFlow.ReturnStep = 10;
        GoTo(kBoardCellChange, 0);
      } else {
        GoTo(kBoardLanded, 2);  // the effect's banner stays until the click
      }
      break;
    }
    case 2: {
      ShowLayer(BoardLayers.BannerLayer, false);
      const int kind = TurnFlow.LandedKind;
      if (kind == kCellBad || kind == kCellMad) {
        D50_DangerLevel();
        if (TurnFlow.DangerRose == -1) {
          TurnFlow.ReturnState = kBoardLanded;
          TurnFlow.ReturnStep = 10;
          GoToNextTick(kBoardOmen, 0);
        } else {
          GoToNextTick(kBoardLanded, 10);
        }
      } else if (kind == kCellAgain) {
        GoToNextTick(kBoardDie, 0);
      } else if (kind == kCellWarp) {
        GoTo(kBoardLanded, 10);
        Wait(kAnimWarp, 0);
      } else {
        GoToNextTick(kBoardLanded, 10);
      }
      break;
    }
    case 10: GoToNextTick(PieceCounters.AttacksLeft != 0 ? kBoardAttackOffer : kBoardEndTurn, 0); break;
    default: BoardItemGainStep(); break;
  }
}

// A turn counter's banner or badge, each effect returning here.
void BadgeOut(int kind, bool down) {
  D50_CounterBadge(1, kind);
  const int layer = DrawState.CurrentLayer;
  const int y = down ? WindowHeight() : -LayerHeight(layer);
  BoardMoveTo(layer, LayerLeft(layer), y, 5, kMotionEaseOut, EffectEnd::kReturn);
}

void CountDown() {
  if (PieceCounters.StopTurns > 0) {
    PlayScreenSound(50);
    BoardPrepare(BoardLayers.BannerLayer, CentreX(550), -124, 550, 124);
    D00_LoadPicture(1, 93, 0);
    BoardMoveTo(BoardLayers.BannerLayer, CentreX(550), CentreY(124), 30, kMotionEaseOut, EffectEnd::kReturn);
    RunPause(500);
    BannerOutDown(15, EffectEnd::kReturn);
    --PieceCounters.StopTurns;
    D50_CounterBadge(1, kCellStop);
    if (PieceCounters.StopTurns == 0) BadgeOut(kCellStop, false);
  }
  if (PieceCounters.PowerTurns > 0) {
    --PieceCounters.PowerTurns;
    D50_CounterBadge(1, kCellPower);
    if (PieceCounters.PowerTurns == 0) BadgeOut(kCellPower, false);
  }
  if (PieceCounters.SealTurns > 0) {
    if (BoardChoice.SealJustSet == -1) {
      BoardChoice.SealJustSet = 0;
    } else {
      --PieceCounters.SealTurns;
      D50_CounterBadge(1, kCellSeal);
      if (PieceCounters.SealTurns == 0) {
        BadgeOut(kCellSeal, true);
        D50_HighlightCells(1);
      }
    }
  }
  if (PieceCounters.RollsLeft <= 0) {
    PlayScreenSound(50);
    GoTo(kBoardFailed, 0);
    BannerFromAbove(99, 0, 700, 200, 40, EffectEnd::kReturn);
    return;
  }
  GoToNextTick(kBoardEndTurn, 11);
}

void TurnMarker() {
  BoardGoMarker();
  PlayScreenSound(57);
  DrawState.TargetRect.X = DrawState.CurrentRect.X;
  DrawState.TargetRect.Y = DrawState.CurrentRect.Y - 50;
  EffectParams.EffectFrames = 16;
  EffectParams.EffectMotionKind = kMotionEaseOutArc;
  EffectParams.EffectRepeats = 0;
  GoTo(kBoardEndTurn, 15);
  RunEffect(kEffectMovePaused, EffectEnd::kNextTick);
}

void EndTurn() {
  switch (SceneCursor.SceneStep) {
    case 0:
      D50_Reset(10);
      GoToNextTick(kBoardEndTurn, 1);
      break;
    case 1:
      if (TurnFlow.MovePhaseDone == 0) {
        TurnFlow.MovePhaseDone = -1;
        if (PieceCounters.StopTurns == 0) {
          GoToNextTick(kBoardMovePhase, 0);
          break;
        }
      }
      if (TurnFlow.LifePhaseDone == 0) {
        TurnFlow.LifePhaseDone = -1;
        GoToNextTick(kBoardLifePhase, 0);
        break;
      }
      if (TurnFlow.RerollChecked == 0) {
        TurnFlow.RerollChecked = -1;
        if (PieceCounters.RerollEvery > 0 && ++PieceCounters.RerollCounter >= PieceCounters.RerollEvery) {
          PieceCounters.RerollCounter = 0;
          D50_RerollCell(PieceCounters.RerollMode);
          TurnFlow.ReturnState = kBoardEndTurn;
          TurnFlow.ReturnStep = 1;
          GoToNextTick(kBoardCellChange, 0);
          break;
        }
      }
      ++PieceCounters.TurnNumber;
      --PieceCounters.RollsLeft;
      D50_GaugePanel(25, 1);
      GoToNextTick(kBoardEndTurn, 10);
      break;
    case 10: CountDown(); break;
    case 11:
      if (TurnFlow.GiftEvery > 0 && ++TurnFlow.GiftCounter >= TurnFlow.GiftEvery) {
        TurnFlow.GiftCounter = -1;
        BoardChoice.ItemSource = 2;
        TurnFlow.ReturnState = kBoardEndTurn;
        TurnFlow.ReturnStep = 11;
        GoToNextTick(kBoardLanded, 30);
        break;
      }
      TurnMarker();
      break;
    case 15: GoToNextTick(kBoardMenu, -1); break;
    default: break;
  }
}

// ---- Omen, cell change, endings ----

void Omen() {
  switch (SceneCursor.SceneStep) {
    case 0: {
      D50_OmenMessage();
      const int layer = DrawState.CurrentLayer;
      const int level = PieceCounters.DangerLevel;
      PlayScreenSound(level <= 2 ? 85 : (level <= 4 ? 87 : 88));
      if (level < 5) {
        // The message is drawn centred; it slides in from above the window.
        const int x = CentreX(LayerWidth(layer));
        MoveLayerKeepingSize(layer, x, -LayerHeight(layer));
        GoTo(kBoardOmen, 1);
        BoardMoveTo(layer, x, CentreY(LayerHeight(layer)), 30, kMotionEaseOut, EffectEnd::kReturn);
      } else {
        GetLayerRect(kRectIntoCurrent, layer);
        DrawState.CurrentLayer = layer;
        EffectParams.EffectOffsetX = 0;
        EffectParams.EffectOffsetY = 40;
        EffectParams.EffectFrames = 50;
        GoTo(kBoardFailed, 0);
        RunEffect(kEffectDecayShake, EffectEnd::kReturn);
      }
      break;
    }
    case 1:
      PlayScreenSound(86);
      GoTo(kBoardOmen, 2);
      BannerOutDown(15);
      break;
    case 2:
      ShowLayer(BoardLayers.BannerLayer, false);
      GoToNextTick(TurnFlow.ReturnState, TurnFlow.ReturnStep);
      break;
    default: break;
  }
}

void CellChange() {
  const int cell = BoardGeometry.CellSize;
  const int tile = BoardLayers.BackdropLayer;
  switch (SceneCursor.SceneStep) {
    case 0: {
      PlayScreenSound(92);
      ShowLayer(BoardLayers.BannerLayer, false);
      TurnFlow.ChangedCell = TurnFlow.NewCellIndex;
      if (TurnFlow.ChangedCell < 0 || TurnFlow.ChangedCell > BoardState.PathLast) TurnFlow.ChangedCell = 0;
      PathCellRecord& p = PathCell[static_cast<size_t>(TurnFlow.ChangedCell)];
      p.PathKind = TurnFlow.NewCellKind;
      D50_CellPos(21, TurnFlow.ChangedCell);
      const int x = DrawState.TargetRect.X;
      const int y = DrawState.TargetRect.Y;
      int sx = x;
      int sy = y;
      if (p.PathY == 0) sy = -cell;
      else if (p.PathY == BoardState.GridLastY) sy = WindowHeight();
      else if (p.PathX == BoardState.GridLastX) sx = WindowWidth();
      else if (p.PathX == 0) sx = -cell;
      BoardPrepare(tile, sx, sy, cell, cell);
      D50_KindTile(p.PathKind);
      BitBltCopy(BoardLayers.TileLayer, tile, {BlitSpec.BlitSrcX, BlitSpec.BlitSrcY, cell, cell, 0, 0});
      LayerToFront(BoardLayers.PieceLayer);
      EffectParams.EffectSoundCue.EffectSound = 93;
      EffectParams.EffectSoundCue.EffectSoundFrame = 30;
      DrawState.CurrentLayer = tile;
      DrawState.CurrentRect = {sx, sy, cell, cell};
      DrawState.TargetRect.X = x;
      DrawState.TargetRect.Y = y;
      GoTo(kBoardCellChange, 1);
      BoardMove(40, kMotionEaseOut);
      break;
    }
    case 1: {
      ShowLayer(tile, false);
      const PathCellRecord& p = PathCell[static_cast<size_t>(TurnFlow.ChangedCell)];
      D50_KindTile(p.PathKind);
      BitBltCopy(BoardLayers.TileLayer, BoardLayers.BoardLayer,
                 {BlitSpec.BlitSrcX, BlitSpec.BlitSrcY, cell, cell, p.PathX * cell, p.PathY * cell});
      GoTo(TurnFlow.ReturnState, TurnFlow.ReturnStep);
      Wait(-1, 200);
      break;
    }
    default: break;
  }
}

// The clear ending runs 1090 (with the music fade), 1091 and 1092, then leaves; the
// failure ending 1095 (with the fade), 1096, 1097 (the continue banner waits for a
// click) and 1098, then the board starts again.
void Ending(bool cleared) {
  const int first = cleared ? kAnimClearBand : kAnimFailBanner;
  switch (SceneCursor.SceneStep) {
    case 0:
      if (cleared) D50_RecordProgress(1);
      GoTo(SceneCursor.SceneState, 1);
      Wait(first, 0);
      RunMusicFade(100);
      Wait(0, 0);
      break;
    case 1:
    case 2: {
      // The step's own animation, read before the step moves on.
      const int code = first + SceneCursor.SceneStep;
      GoTo(SceneCursor.SceneState, SceneCursor.SceneStep + 1);
      Wait(code, 0);
      break;
    }
    case 3:
      if (cleared) {
        D50_Leave(0);
      } else {
        HideLayerRange(0, BoardLayers.BackdropLayer - 1);
        GoTo(kBoardSetUp, 0);
        Wait(kAnimContinueClose, 0);
      }
      break;
    default: break;
  }
}

}  // namespace

void D50_Step() {
  switch (SceneCursor.SceneState) {
    case kBoardStartTen:  // board 10 without a progress record
      D00_LoadPicture(0, 23, 0);
      StartBoard(10);
      break;
    case kBoardStart:
      BoardState.BoardNumber = VadrimProgress.GameStage;  // the record names the board
      D50_RecordProgress(0);
      StartBoard(VadrimProgress.GameStage);
      break;
    case kBoardSetUp: SetUp(); break;
    case kBoardIntro: Intro(); break;
    case kBoardDie: Die(); break;
    case kBoardLanded: Landed(); break;
    case kBoardEndTurn: EndTurn(); break;
    case kBoardOmen: Omen(); break;
    case kBoardMovePhase: BoardMovementPhase(); break;
    case kBoardLifePhase: BoardLifePhase(); break;
    case kBoardCellChange: CellChange(); break;
    case kBoardMenu: Menu(); break;
    case kBoardRules: Rules(); break;
    case kBoardRestart: Restart(); break;
    case kBoardAttackOffer: BoardAttackOffer(); break;
    case kBoardAttack: BoardAttackChoice(); break;
    case kBoardItemChoice: BoardItemChoice(); break;
    case kBoardOpeningPick: BoardOpeningPick(); break;
    case kBoardTargetStrike: BoardTargetStrike(); break;
    case kBoardLineStrike: BoardLineStrike(); break;
    case kBoardCleared: Ending(true); break;
    case kBoardFailed: Ending(false); break;
    default: break;
  }
}

void RegisterBoardGame() {
  ScreenHookSet& screen = VadrimScreen(kBoardScene);
  screen.Step = D50_Step;
  screen.Hover = D50_Hover;
  screen.Frame = D50_FrameGate;
  screen.OnKey = D50_OnKey;
}
