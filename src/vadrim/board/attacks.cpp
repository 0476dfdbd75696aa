// Attacks and strikes: the attack offer after a landing, the choice of an attack
// kind, the hits, the gauge sequence (which the life phase uses too), removals,
// changes at removal, chains, and the T and L strikes on a chosen creature or line.
// A hit runs one pipeline: hits, gauges, removals, gauges again, changes, chains,
// clean-up; the board is cleared from the gauge sequence as soon as 女 reaches 100.
#include <algorithm>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "games/timed_effects.h"
#include "scenario/motion_curves.h"
#include "vadrim/board/creature_movement.h"
#include "vadrim/board/creature_types.h"
#include "vadrim/board/model.h"
#include "vadrim/board/progress.h"
#include "vadrim/board/screen.h"
#include "vadrim/vadrim_pictures.h"
#include "vadrim/vadrim_sounds.h"

namespace {

// The engine's centring takes its width by reference.
int MidX(int w) { return CentreX(w); }

constexpr int kArrowSheet = 5;
constexpr int kButtonSheet = 0;
constexpr int kButton = 110;

CreatureSlotRecord& Slot(int slot) { return CreatureSlot[static_cast<size_t>(slot)]; }

// Lists every creature on the `range` cells from (x, y) in direction dir.
void ListLine(int x, int y, int dir, int range) {
  static constexpr int kX[5] = {0, 0, 1, 0, -1};
  static constexpr int kY[5] = {0, -1, 0, 1, 0};
  const int d = dir >= 1 && dir <= 4 ? dir : 0;
  if (d == 0) return;
  for (int k = 1; k <= range; ++k) {
    const int cx = x + kX[d] * k;
    const int cy = y + kY[d] * k;
    if (cx < 0 || cy < 0 || cx >= kGridSize || cy >= kGridSize) break;
    const int slot = OccupancyGrid[static_cast<size_t>(cx)][static_cast<size_t>(cy)];
    if (slot > 0 && slot < kCreatureSlotCount) BoardAppendEvent(slot);
  }
}

// Range and damage of an attack kind, stronger while 力 lasts.
void AttackKind(int kind) {
  const bool power = PieceCounters.PowerTurns > 0;
  const int dir = BoardChoice.StrikeDir;
  switch (kind) {
    case 0: BoardChoice.StrikeRange = 1, BoardChoice.StrikeDamage = power ? 5 : 3; break;
    case 1: BoardChoice.StrikeRange = 2, BoardChoice.StrikeDamage = power ? 3 : 2; break;
    default:
      BoardChoice.StrikeRange = (dir == 1 || dir == 3) ? BoardState.GridLastY - 1 : BoardState.GridLastX - 1;
      BoardChoice.StrikeDamage = power ? 2 : 1;
      break;
  }
}

// ---- Offer (state 600) ----

void Offer() {
  const int arrow = BoardLayers.StrikeArrowLayer;
  if (SceneCursor.SceneStep == 0) {
    int pos = PieceCounters.PiecePos;
    BoardChoice.StrikeDir = PathCell[static_cast<size_t>(std::clamp(pos, 0, kPathCellCount - 1))].PathDir;
    const int dir = BoardChoice.StrikeDir;
    if (dir < 1 || dir > 4) {
      GoToNextTick(kBoardEndTurn, 0);
      return;
    }
    D50_CellPos(0, pos);
    const int x = DrawState.CurrentRect.X;
    const int y = DrawState.CurrentRect.Y;
    const int p = BoardGeometry.PieceSize;
    static constexpr int kDx[5] = {0, 10, 0, 10, -40};
    static constexpr int kDy[5] = {0, -40, 10, 0, 10};
    const int ax = dir == 2 ? x + p - 10 : x + kDx[dir];
    const int ay = dir == 3 ? y + p - 10 : y + kDy[dir];
    BoardPrepare(arrow, ax, ay, 50, 50);
    ClipCellToLayer(kArrowSheet, (dir - 1) * 50, 0, 50, 50);
    PlayScreenSound(100);
    static constexpr int kOx[5] = {0, 0, 30, 0, -30};
    static constexpr int kOy[5] = {0, -30, 0, 30, 0};
    GetLayerRect(kRectIntoCurrent, arrow);
    DrawState.CurrentLayer = arrow;
    EffectParams.EffectOffsetX = kOx[dir];
    EffectParams.EffectOffsetY = kOy[dir];
    EffectParams.EffectFrames = 5;
    EffectParams.EffectRepeats = 2;
    GoTo(kBoardAttackOffer, 1);
    RunEffect(kEffectSwayBack, EffectEnd::kNextTick);
    return;
  }
  if (SceneCursor.SceneStep != 1) return;
  BoardScreen.FrameColours = {RgbColor(255, 255, 255), RgbColor(247, 182, 212), RgbColor(150, 150, 150),
                              RgbColor(120, 120, 120)};
  const bool power = PieceCounters.PowerTurns > 0;
  for (int i = 0; i <= BoardScreen.ChoiceButtonLast && i < 3; ++i) {
    const int button = BoardLayers.ChoiceButtonFirstBox + i;
    const int frame = BoardLayers.HighlightLayer + 1 + i;
    const int y = 222 + 127 * i;
    BoardPrepare(button, WindowWidth() + 10, y, kButton, kButton);
    ClipCellToLayer(kButtonSheet, BoardScreen.StrikeKinds[static_cast<size_t>(i)] * kButton, power ? kButton : 0,
                    kButton, kButton);
    BoardPrepare(frame, WindowWidth() + 3, y - 7, kButton + 14, kButton + 14);
    DrawState.CurrentLayer = frame;
    D50_ButtonFrame(11);
    LayerToBack(frame);
    BoardStore(2 * i, button, WindowWidth() + 10, y, WindowWidth() - 130, y);
    BoardStore(2 * i + 1, frame, WindowWidth() + 3, y - 7, WindowWidth() - 137, y - 7);
  }
  GoTo(kBoardAttack, -1);
  BoardMoveSlots(5, 10, EffectParams.EffectMotionKind);
}

// ---- The pipeline (state 610) ----

void Choice() {
  if (SceneCursor.ButtonMode != kButtonsAttack) return;
  const int source = InputEvent.InputSourceIndex;
  const int first = BoardLayers.ChoiceButtonFirstBox;
  const int menu = BoardLayers.MenuButtonFirstBox;
  if (source >= first && source <= first + BoardScreen.ChoiceButtonLast) {
    int& hover = TurnFlow.HoverIndex;
    // A click before the pointer highlighted a button takes the clicked one.
    if (hover < 0 || hover > BoardScreen.ChoiceButtonLast) {
      hover = source - first;
      DrawState.CurrentLayer = BoardLayers.HighlightLayer + 1 + hover;
      D50_ButtonFrame(10);
    }
    AttackKind(BoardScreen.StrikeKinds[static_cast<size_t>(hover)]);
    PlayScreenSound(102);
    SceneCursor.ButtonMode = 0;
    GoTo(kBoardAttack, 20);
    Wait(kAnimAttackChosen, 0);
  } else if (source >= menu && source <= menu + BoardScreen.MenuButtonLast) {
    PlayScreenSound(102);
    SceneCursor.ButtonMode = 0;
    TurnFlow.ReturnState = kBoardAttack;
    TurnFlow.ReturnStep = -1;
    GoTo(source == menu ? kBoardRules : kBoardRestart, source == menu ? 0 : -5);
    DrawState.CurrentLayer = BoardLayers.HighlightLayer;
    EffectParams.EffectFrames = 10;
    EffectParams.EffectFrameDelay = 40;
    RunEffect(kEffectBlink, EffectEnd::kNextTick);
  } else {
    ShowLayer(BoardLayers.StrikeArrowLayer, false);
    for (int i = 0; i <= BoardScreen.ChoiceButtonLast && i < 3; ++i) {
      const int button = first + i;
      const int frame = BoardLayers.HighlightLayer + 1 + i;
      BoardStore(2 * i, button, LayerLeft(button), LayerTop(button), LayerLeft(button) + 140, LayerTop(button));
      BoardStore(2 * i + 1, frame, LayerLeft(frame), LayerTop(frame), LayerLeft(frame) + 140, LayerTop(frame));
    }
    SceneCursor.ButtonMode = 0;
    GoTo(kBoardAttack, 10);
    BoardMoveSlots(5, 5, EffectParams.EffectMotionKind);
  }
}

void Hits() {
  for (int i = 0; i <= CreatureEvents.EventLast; ++i) {
    const int slot = CreatureEvents.EventSlot[static_cast<size_t>(i)];
    CreatureSlotRecord& c = Slot(slot);
    StepScratch.ActiveCreature = slot;
    c.HitPoints = std::max(c.HitPoints - BoardChoice.StrikeDamage, 0);
    D50_DrawCreature(1);
    D50_GaugeDelta(0, i);
  }
  if (CreatureEvents.LuckChanged == -1 || CreatureEvents.WomanChanged == -1) {
    SumPendingChanges();
    CreatureEvents.GaugeEventOrigin = 0;
    GoTo(kBoardAttack, 22);
    BoardAnimateThenNext(kAnimNumbers);
    return;
  }
  GoToNextTick(kBoardAttack, 30);
}

void AddChain(int chain) {
  if (chain <= 0 || CreatureEvents.ChainCount >= kCreatureSlotCount - 1) return;
  CreatureEvents.ChainList[static_cast<size_t>(++CreatureEvents.ChainCount)] = chain;
}

void Removals() {
  CreatureEvents.PendingLuck = {};
  CreatureEvents.PendingWoman = {};
  CreatureEvents.LuckTotal = 0;
  CreatureEvents.WomanTotal = 0;
  CreatureEvents.LuckChanged = 0;
  CreatureEvents.WomanChanged = 0;
  CreatureEvents.ChainCount = 0;
  CreatureEvents.ChainList = {};
  int removed = -1;
  for (int i = 0; i <= CreatureEvents.EventLast; ++i) {
    const int slot = CreatureEvents.EventSlot[static_cast<size_t>(i)];
    CreatureSlotRecord& c = Slot(slot);
    if (c.HitPoints > 0 || c.CreatureType <= 0) continue;
    AddChain(c.DeathChain);
    c.CreatureType = 0;
    MotionSlot[static_cast<size_t>(++removed)].MotionLayer = CreatureLayer(slot);
  }
  if (removed < 0) {
    GoToNextTick(kBoardAttack, 99);
    return;
  }
  CreatureEvents.MotionLastSlot = removed;
  CreatureEvents.EventAnimKind = 1;
  GoTo(kBoardAttack, 31);
  Wait(kAnimBlinkOut, 0);
}

void RemovalGauges() {
  for (int i = 0; i <= CreatureEvents.EventLast; ++i) {
    StepScratch.ActiveCreature = CreatureEvents.EventSlot[static_cast<size_t>(i)];
    D50_GaugeDelta(1, i);
  }
  if (CreatureEvents.LuckChanged == -1 || CreatureEvents.WomanChanged == -1) {
    SumPendingChanges();
    CreatureEvents.GaugeEventOrigin = 1;
    GoTo(kBoardAttack, 22);
    BoardAnimateThenNext(kAnimNumbers);
    return;
  }
  GoToNextTick(kBoardAttack, 35);
}

void HopOrNext(bool any, int animKind) {
  if (!any) {
    Wait(0, 0);
    return;
  }
  CreatureEvents.EventAnimKind = animKind;
  Wait(kAnimHops, 0);
}

void GoneChanges() {
  bool changed = false;
  for (int i = 0; i <= CreatureEvents.EventLast; ++i) {
    const int slot = CreatureEvents.EventSlot[static_cast<size_t>(i)];
    const CreatureSlotRecord& c = Slot(slot);
    if (c.GoneChangeTo <= 0 || c.HitPoints > 0) continue;
    AddChain(c.ChangeChain);
    D50_SetCreature(c.GoneChangeTo, slot, 0);
    StepScratch.ActiveCreature = slot;
    D50_DrawCreature(2);
    CreatureEvents.EventFlag[static_cast<size_t>(i)] = -1;
    changed = true;
  }
  GoTo(kBoardAttack, 40);
  HopOrNext(changed, 5);
}

int ChainColumn() {
  const CreatureEventsRecord& events = CreatureEvents;
  const int c = events.ChainList[static_cast<size_t>(std::clamp(events.ChainCount, 0, kCreatureSlotCount - 1))];
  return c > 0 && c < kSpawnColumnCount ? c : 0;
}

void ChainChanges() {
  if (CreatureEvents.ChainCount <= 0) {
    GoToNextTick(kBoardAttack, 99);
    return;
  }
  const int column = ChainColumn();
  bool changed = false;
  if (column > 0) {
    for (const SpawnEntryRecord& row : SpawnTable[static_cast<size_t>(column)]) {
      if (row.SpawnFromType == 0) break;
      for (int slot = 0; slot < kCreatureSlotCount; ++slot) {
        const CreatureSlotRecord& c = Slot(slot);
        if (c.Waiting != 0 || c.CreatureType != row.SpawnFromType) continue;
        D50_SetCreature(row.SpawnToType, slot, 0);
        StepScratch.ActiveCreature = slot;
        D50_DrawCreature(2);
        const int i = BoardAppendEvent(slot);
        if (i >= 0) CreatureEvents.EventFlag[static_cast<size_t>(i)] = -1;
        changed = true;
      }
    }
  }
  GoTo(kBoardAttack, 42);
  HopOrNext(changed, 7);
}

void ChainArrivals() {
  const int column = ChainColumn();
  bool arrived = false;
  if (column > 0) {
    for (const SpawnEntryRecord& row : SpawnTable[static_cast<size_t>(column)]) {
      if (row.SpawnFromType == 0) break;
      for (int slot = 0; slot < kCreatureSlotCount; ++slot) {
        const CreatureSlotRecord& c = Slot(slot);
        if (c.Waiting != 1 || c.CreatureType != row.SpawnFromType) continue;
        if (BoardArrive(slot) >= 0) arrived = true;
      }
    }
  }
  --CreatureEvents.ChainCount;
  GoTo(kBoardAttack, 40);
  HopOrNext(arrived, 6);
}

void AfterPipeline() {
  if (!BoardCleanUp()) return;
  switch (BoardChoice.StrikeOrigin) {
    case 0: GoToNextTick(kBoardEndTurn, 0); break;
    case 1:
    case 2:
      if (BoardChoice.SpecialStrikeSource == 0) {
        GoToNextTick(kBoardLanded, 10);
      } else {
        GoTo(kBoardMenu, 20);
        Wait(-1, 200);
      }
      break;
    case 3: GoToNextTick(kBoardMovePhase, 5); break;
    default: GoToNextTick(kBoardEndTurn, 0); break;
  }
}

void Pipeline() {
  switch (SceneCursor.SceneStep) {
    case -1: BoardRaise(kButtonsAttack); break;
    case 0: Choice(); break;
    case 10: GoToNextTick(kBoardEndTurn, 0); break;
    case 20:
      --PieceCounters.AttacksLeft;
      D50_GaugePanel(30, 1);
      ShowLayer(BoardLayers.StrikeArrowLayer, false);
      BoardClearEvents();
      {
        const PathCellRecord& p = PathCell[static_cast<size_t>(std::clamp(PieceCounters.PiecePos, 0, 99))];
        ListLine(p.PathX, p.PathY, BoardChoice.StrikeDir, BoardChoice.StrikeRange);
      }
      BoardChoice.StrikeOrigin = 0;
      GoTo(kBoardAttack, 21);
      Wait(kAnimBeam, 0);
      break;
    case 21: Hits(); break;
    case 22:
      if (CreatureEvents.LuckChanged == -1) {
        GoTo(kBoardAttack, 23);
        BoardAnimateThenNext(kAnimLuckToGauge);
      } else {
        GoToNextTick(kBoardAttack, 25);
      }
      break;
    case 23:
      ShowLayer(BoardLayers.BannerLayer, false);
      D50_DangerLevel();
      if (TurnFlow.DangerRose == -1) {
        TurnFlow.ReturnState = kBoardAttack;
        TurnFlow.ReturnStep = 25;
        GoToNextTick(kBoardOmen, 0);
      } else {
        GoToNextTick(kBoardAttack, 25);
      }
      break;
    case 25:
      if (CreatureEvents.WomanChanged == -1) {
        GoTo(kBoardAttack, 26);
        BoardAnimateThenNext(kAnimWomanToGauge);
      } else {
        GoToNextTick(kBoardAttack, 27);
      }
      break;
    case 26:
      ShowLayer(BoardLayers.BannerLayer, false);
      if (PieceCounters.WomanGauge >= 100) GoToNextTick(kBoardCleared, 0);
      else GoToNextTick(kBoardAttack, 27);
      break;
    case 27:
      switch (CreatureEvents.GaugeEventOrigin) {
        case 0: GoToNextTick(kBoardAttack, 30); break;
        case 1: GoToNextTick(kBoardAttack, 35); break;
        case 2: GoToNextTick(kBoardLifePhase, 10); break;
        default: GoToNextTick(kBoardLifePhase, 15); break;
      }
      break;
    case 30: Removals(); break;
    case 31: RemovalGauges(); break;
    case 35: GoneChanges(); break;
    case 40: ChainChanges(); break;
    case 42: ChainArrivals(); break;
    case 99: AfterPipeline(); break;
    default: break;
  }
}

// The two banners of a strike cell leave the window, and the strike's own banner
// (cell row `row` of the selection picture) takes their place.
void StrikeBanner(int row, bool fromBelow) {
  PlayScreenSound(50, 1);
  const int a = BoardLayers.BannerLayer;
  BoardStore(0, a, LayerLeft(a), LayerTop(a), LayerLeft(a), -LayerHeight(a));
  BoardStore(1, a + 1, LayerLeft(a + 1), LayerTop(a + 1), LayerLeft(a + 1), WindowHeight());
  BoardMoveSlots(1, 7, kMotionLinear, EffectEnd::kReturn);
  HideLayerRange(a, a + 1);
  DrawState.SheetIndex = BoardScreen.EffectSheet;
  D00_LoadPicture(2, 103, 0);
  const int y0 = fromBelow ? WindowHeight() : -100;
  const int y1 = fromBelow ? WindowHeight() - 100 - 20 : 20;
  BoardPrepare(a, MidX(250), y0, 250, 100);
  ClipCellToLayer(BoardScreen.EffectSheet, 0, row, 250, 100);
  BoardStore(0, a, MidX(250), y0, MidX(250), y1);
}

}  // namespace

// ---- Shared with the creature phases ----

bool BoardCreatureOnGrid(const CreatureSlotRecord& c) { return c.Waiting == 0 && c.CreatureType > 0; }

void BoardClearEvents() {
  D50_Reset(20);
  CreatureEvents.EventLast = -1;
}

int BoardAppendEvent(int slot) {
  if (CreatureEvents.EventLast >= kEventListSize - 1) return -1;
  const int i = std::max(CreatureEvents.EventLast, -1) + 1;
  CreatureEvents.EventLast = i;
  CreatureEvents.EventSlot[static_cast<size_t>(i)] = slot;
  CreatureEvents.EventFlag[static_cast<size_t>(i)] = 0;
  return i;
}

int BoardArrive(int slot) {
  StepScratch.ActiveCreature = slot;
  if (!D50_PlaceRandom()) return -1;  // a full grid: it keeps waiting
  CreatureSlot[static_cast<size_t>(slot)].Waiting = 0;
  D50_DrawCreature(2);
  const int i = BoardAppendEvent(slot);
  if (i >= 0) CreatureEvents.EventFlag[static_cast<size_t>(i)] = -1;
  return i;
}

bool BoardCleanUp() {
  for (int slot = 0; slot < kCreatureSlotCount; ++slot) {
    CreatureSlotRecord& c = Slot(slot);
    if (c.CreatureType != 0) continue;
    // Only its own cell is emptied: another creature may stand where it last was.
    const bool owns = c.GridX >= 0 && c.GridY >= 0 && c.GridX < kGridSize && c.GridY < kGridSize &&
                      OccupancyGrid[static_cast<size_t>(c.GridX)][static_cast<size_t>(c.GridY)] == slot;
    if (!owns) c.GridX = c.GridY = 0;
    D50_ClearSlot(owns ? 0 : 1, slot);
  }
  TurnFlow.NoCreatureFlag = 0;
  D50_NoCreatureCheck();
  return TurnFlow.NoCreatureFlag != -1;
}

void BoardAttackOffer() { Offer(); }
void BoardAttackChoice() { Pipeline(); }

// ---- T strike (state 750) ----

void BoardTargetStrike() {
  switch (SceneCursor.SceneStep) {
    case -5:
      StrikeBanner(0, false);
      GoTo(kBoardTargetStrike, -1);
      BoardMove(20, kMotionEaseOut);
      break;
    case -1: BoardRaise(kButtonsCreatures); break;
    case 0: {
      if (SceneCursor.ButtonMode != kButtonsCreatures) break;
      const int first = BoardLayers.CreatureFirstLayer;
      const int source = InputEvent.InputSourceIndex;
      if (source < first || source > first + BoardScreen.CreatureClickLast) break;
      const int slot = source - first + 1;
      if (!BoardCreatureOnGrid(Slot(slot))) break;
      if (TurnFlow.HoverIndex < 0) D50_ButtonFrame(1);
      PlayScreenSound(102);
      SceneCursor.ButtonMode = 0;
      StepScratch.ActiveCreature = slot;
      BoardChoice.StrikeX = Slot(slot).GridX;
      BoardChoice.StrikeY = Slot(slot).GridY;
      BoardChoice.StrikeRange = 1;
      GoTo(kBoardTargetStrike, 10);
      Wait(kAnimTargetChosen, 0);
      break;
    }
    case 10:
      BoardClearEvents();
      BoardAppendEvent(StepScratch.ActiveCreature);
      BoardChoice.StrikeOrigin = 2;
      GoTo(kBoardAttack, 21);
      Wait(kAnimBeam, 0);
      break;
    default: break;
  }
}

// ---- L strike (state 760) ----

void BoardLineStrike() {
  BoardScreenRecord& s = BoardScreen;
  switch (SceneCursor.SceneStep) {
    case -5: {
      StrikeBanner(100, true);
      const BoardGeometryRecord& g = BoardGeometry;
      s.ColumnArrowLast = BoardState.GridLastX - 2;
      s.RowArrowLast = BoardState.GridLastY - 2;
      int slot = 0;
      for (int b = 0; b <= s.ColumnArrowLast; ++b) {
        const int layer = BoardLayers.BackdropLayer + b;
        const int x = (b + 1) * g.CellSize + g.BoardLeft + g.CellSize / 2 - 25;
        const int y = g.BoardTop + g.CellSize / 2 - 15;
        BoardPrepare(layer, x, y - 50, 50, 50);
        ClipCellToLayer(kArrowSheet, 100, 0, 50, 50);
        BoardStore(++slot, layer, x, y - 50, x, y);
      }
      for (int b = 0; b <= s.RowArrowLast; ++b) {
        const int layer = BoardLayers.BackdropLayer + BoardState.GridLastX - 1 + b;
        const int x = g.BoardLeft + g.CellSize / 2 - 15;
        const int y = (b + 1) * g.CellSize + g.BoardTop + g.CellSize / 2 - 25;
        BoardPrepare(layer, x - 50, y, 50, 50);
        ClipCellToLayer(kArrowSheet, 50, 0, 50, 50);
        BoardStore(++slot, layer, x - 50, y, x, y);
      }
      s.LineArrowLast = slot - 1;
      GoTo(kBoardLineStrike, -1);
      BoardMoveSlots(slot, 20, EffectParams.EffectMotionKind);
      break;
    }
    case -1: BoardRaise(kButtonsArrows); break;
    case 0: {
      if (SceneCursor.ButtonMode != kButtonsArrows) break;
      const int first = BoardLayers.BackdropLayer;
      const int source = InputEvent.InputSourceIndex;
      if (source < first || source > first + s.LineArrowLast) break;
      int& hover = TurnFlow.HoverIndex;
      if (hover < 0 || hover > s.LineArrowLast) {
        hover = source - first;
        D50_ButtonFrame(3);
      }
      PlayScreenSound(102);
      SceneCursor.ButtonMode = 0;
      if (D50_InRange(hover) == 0) {
        BoardChoice.StrikeDir = 3;
        BoardChoice.StrikeX = hover + 1;
        BoardChoice.StrikeY = 0;
        BoardChoice.StrikeRange = BoardState.GridLastY - 1;
      } else {
        BoardChoice.StrikeDir = 2;
        BoardChoice.StrikeX = 0;
        BoardChoice.StrikeY = hover - s.ColumnArrowLast;
        BoardChoice.StrikeRange = BoardState.GridLastX - 1;
      }
      GoTo(kBoardLineStrike, 10);
      Wait(kAnimArrowChosen, 0);
      break;
    }
    case 10:
      BoardClearEvents();
      ListLine(BoardChoice.StrikeX, BoardChoice.StrikeY, BoardChoice.StrikeDir, BoardChoice.StrikeRange);
      BoardChoice.StrikeOrigin = 1;
      GoTo(kBoardAttack, 21);
      Wait(kAnimBeam, 0);
      break;
    default: break;
  }
}
