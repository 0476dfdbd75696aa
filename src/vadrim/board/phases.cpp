// The creature phases of the end of turn: the movement phase (chasers catch their
// prey, then every creature that is due takes one step) and the life phase
// (periodic gauge changes, lives that run out, changes at the end of a life, late
// arrivals). Each call handles one creature action and its animation, so the
// creatures act one after another on screen.
#include <array>

#include "engine/frame_model.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "games/timed_effects.h"
#include "scenario/motion_curves.h"
#include "vadrim/board/creature_movement.h"
#include "vadrim/board/creature_types.h"
#include "vadrim/board/model.h"
#include "vadrim/board/progress.h"
#include "vadrim/board/screen.h"
#include "vadrim/vadrim_sounds.h"

namespace {

constexpr int kMovePasses = 50;

CreatureSlotRecord& Slot(int slot) { return CreatureSlot[static_cast<size_t>(slot)]; }

bool Due(const CreatureSlotRecord& c) {
  return BoardCreatureOnGrid(c) && c.LastStepResult <= 0 && c.MoveWaitCount >= c.MoveEvery;
}

// The grid offset of a direction 1 up, 2 right, 3 down, 4 left.
void Offset(int dir, int& dx, int& dy) {
  static constexpr int kX[5] = {0, 0, 1, 0, -1};
  static constexpr int kY[5] = {0, -1, 0, 1, 0};
  const int d = dir >= 1 && dir <= 4 ? dir : 0;
  dx = kX[d];
  dy = kY[d];
}

// The out-and-back bump of a creature towards direction dir.
void Bump(int slot, int dir) {
  int dx = 0;
  int dy = 0;
  Offset(dir, dx, dy);
  const int layer = CreatureLayer(slot);
  PlayScreenSound(59);
  GetLayerRect(kRectIntoCurrent, layer);
  DrawState.CurrentLayer = layer;
  EffectParams.EffectOffsetX = 10 * dx;
  EffectParams.EffectOffsetY = 10 * dy;
  EffectParams.EffectFrames = 5;
  EffectParams.EffectRepeats = 1;
  RunEffect(kEffectSwayBack, EffectEnd::kNextTick);
}

// Chasers already tried in this phase's catching step: one that catches nothing
// keeps a result of 0 and would otherwise be taken again for ever.
std::array<bool, kCreatureSlotCount> chaseTried = {};

// ---- Movement phase (state 150) ----

bool Catch(int slot) {
  CreatureSlotRecord& c = Slot(slot);
  StepScratch.ActiveCreature = slot;
  D50_MoveCreature();
  const int result = c.LastStepResult;
  const int target = StepScratch.TargetSlot;
  if (result <= -11 && result >= -14 && target > 0) {
    int dx = 0;
    int dy = 0;
    Offset(-result - 10, dx, dy);
    const int x = c.GridX + dx;
    const int y = c.GridY + dy;
    if (x >= 0 && y >= 0 && x < kGridSize && y < kGridSize &&
        OccupancyGrid[static_cast<size_t>(x)][static_cast<size_t>(y)] == target) {
      c.LastStepResult = -result - 10;
      CreatureSlotRecord& prey = Slot(target);
      prey.CreatureType = 0;
      prey.GridX = 0;
      prey.GridY = 0;
      OccupancyGrid[static_cast<size_t>(c.GridX)][static_cast<size_t>(c.GridY)] = 0;
      OccupancyGrid[static_cast<size_t>(x)][static_cast<size_t>(y)] = slot;
      c.GridX = x;
      c.GridY = y;
      StepScratch.StepX = x;
      StepScratch.StepY = y;
      if (c.MergeInto == -1) {
        c.CreatureMoveType = c.AfterEatMoveType;
        Wait(kAnimEat, 0);
        return true;
      }
      BoardClearEvents();
      CreatureEvents.ChainCount = 0;
      CreatureEvents.ChainList = {};
      if (c.MergeChain > 0) {
        CreatureEvents.ChainCount = 1;
        CreatureEvents.ChainList[1] = c.MergeChain;
      }
      D50_SetCreature(c.MergeInto, slot, 0);
      BoardChoice.StrikeOrigin = 3;
      GoTo(kBoardAttack, 40);
      Wait(kAnimMerge, 0);
      return true;
    }
  }
  if (result > -11 || result < -14) c.LastStepResult = 0;
  return false;
}

void ChasersAct() {
  for (int slot = 1; slot < kCreatureSlotCount; ++slot) {
    const CreatureSlotRecord& c = Slot(slot);
    if (chaseTried[static_cast<size_t>(slot)] || !Due(c)) continue;
    if (c.CreatureMoveType < 30 || c.CreatureMoveType > 39 || c.MergeInto == 0) continue;
    chaseTried[static_cast<size_t>(slot)] = true;
    if (Catch(slot)) return;
  }
  GoToNextTick(kBoardMovePhase, 10);
}

bool MoveOne(int slot) {
  CreatureSlotRecord& c = Slot(slot);
  StepScratch.ActiveCreature = slot;
  D50_MoveCreature();
  const int result = c.LastStepResult;
  if (result >= 1 && result <= 4) {
    PlayScreenSound(58);
    OccupancyGrid[static_cast<size_t>(c.GridX)][static_cast<size_t>(c.GridY)] = 0;
    OccupancyGrid[static_cast<size_t>(c.NextX)][static_cast<size_t>(c.NextY)] = slot;
    c.GridX = c.NextX;
    c.GridY = c.NextY;
    const BoardGeometryRecord& g = BoardGeometry;
    const int inset = (g.CellSize - g.CreatureSize) / 2;
    const int layer = CreatureLayer(slot);
    GetLayerRect(kRectIntoCurrent, layer);
    DrawState.CurrentLayer = layer;
    DrawState.TargetRect.X = c.GridX * g.CellSize + g.BoardLeft + inset;
    DrawState.TargetRect.Y = c.GridY * g.CellSize + g.BoardTop + inset;
    BoardMove(20, kMotionEaseOut);
    return true;
  }
  if (result >= 11 && result <= 14) {
    Bump(slot, result - 10);
    return true;
  }
  return false;
}

void OrdinaryMoves() {
  for (int pass = 0; pass < kMovePasses; ++pass) {
    for (int slot = 1; slot < kCreatureSlotCount; ++slot) {
      if (Due(Slot(slot)) && MoveOne(slot)) return;
    }
  }
  GoToNextTick(kBoardMovePhase, 20);
}

void BlockedBump() {
  for (int slot = 1; slot < kCreatureSlotCount; ++slot) {
    CreatureSlotRecord& c = Slot(slot);
    if (c.LastStepResult != 0) c.MoveWaitCount = 0;
  }
  for (int slot = 1; slot < kCreatureSlotCount; ++slot) {
    CreatureSlotRecord& c = Slot(slot);
    if (!BoardCreatureOnGrid(c) || c.LastStepResult > -11 || c.LastStepResult < -14) continue;
    const int dir = -c.LastStepResult - 10;
    c.LastStepResult = 0;
    Bump(slot, dir);
    return;
  }
  GoToNextTick(kBoardMovePhase, 99);
}

// ---- Life phase (state 170) ----

// The gauge changes of the listed entries for an event kind; true when the gauge
// sequence has been started.
bool GaugeEvents(int kind, int origin) {
  for (int i = 0; i <= CreatureEvents.EventLast; ++i) {
    StepScratch.ActiveCreature = CreatureEvents.EventSlot[static_cast<size_t>(i)];
    D50_GaugeDelta(kind, i);
  }
  if (CreatureEvents.LuckChanged != -1 && CreatureEvents.WomanChanged != -1) return false;
  SumPendingChanges();
  CreatureEvents.GaugeEventOrigin = origin;
  GoTo(kBoardAttack, 22);
  BoardAnimateThenNext(kAnimNumbers);
  return true;
}

void PeriodicChanges() {
  BoardClearEvents();
  for (int slot = 1; slot < kCreatureSlotCount; ++slot) {
    CreatureSlotRecord& c = Slot(slot);
    if (!BoardCreatureOnGrid(c) || c.TurnEvery <= 0) continue;
    if (++c.TurnEffectCount >= c.TurnEvery) {
      c.TurnEffectCount = 0;
      BoardAppendEvent(slot);
    }
  }
  if (CreatureEvents.EventLast >= 0) {
    for (int i = 0; i <= CreatureEvents.EventLast; ++i) {
      StepScratch.ActiveCreature = CreatureEvents.EventSlot[static_cast<size_t>(i)];
      D50_GaugeDelta(2, i);
    }
    if (CreatureEvents.LuckChanged == -1 || CreatureEvents.WomanChanged == -1) {
      PlayScreenSound(112);
      SumPendingChanges();
      CreatureEvents.GaugeEventOrigin = 2;
      GoTo(kBoardAttack, 22);
      BoardAnimateThenNext(kAnimNumbers);
      return;
    }
  }
  GoToNextTick(kBoardLifePhase, 10);
}

void LivesEnd() {
  BoardClearEvents();
  for (int slot = 1; slot < kCreatureSlotCount; ++slot) {
    CreatureSlotRecord& c = Slot(slot);
    if (!BoardCreatureOnGrid(c) || c.Lifespan <= 0) continue;
    if (--c.Lifespan > 0) continue;
    c.HitPoints = 0;
    c.CreatureType = 0;
    const int i = BoardAppendEvent(slot);
    if (i >= 0) MotionSlot[static_cast<size_t>(i)].MotionLayer = CreatureLayer(slot);
  }
  if (CreatureEvents.EventLast < 0) {
    GoToNextTick(kBoardLifePhase, 20);
    return;
  }
  CreatureEvents.MotionLastSlot = CreatureEvents.EventLast;
  CreatureEvents.EventAnimKind = 4;
  GoTo(kBoardLifePhase, 11);
  Wait(kAnimBlinkOut, 0);
}

void EndChanges() {
  bool changed = false;
  for (int i = 0; i <= CreatureEvents.EventLast; ++i) {
    const int slot = CreatureEvents.EventSlot[static_cast<size_t>(i)];
    const CreatureSlotRecord& c = Slot(slot);
    if (c.EndChangeTo <= 0 || c.HitPoints > 0) continue;
    D50_SetCreature(c.EndChangeTo, slot, 0);
    StepScratch.ActiveCreature = slot;
    D50_DrawCreature(2);
    CreatureEvents.EventFlag[static_cast<size_t>(i)] = -1;
    changed = true;
  }
  GoTo(kBoardLifePhase, 20);
  if (!changed) {
    Wait(0, 0);
    return;
  }
  CreatureEvents.EventAnimKind = 5;
  Wait(kAnimHops, 0);
}

void Arrivals() {
  bool arrived = false;
  for (int slot = 1; slot < kCreatureSlotCount; ++slot) {
    CreatureSlotRecord& c = Slot(slot);
    if (c.Waiting != 1 || c.CreatureType <= 0 || c.AppearTurn <= 0 || c.AppearTurn != PieceCounters.TurnNumber) {
      continue;
    }
    if (BoardArrive(slot) < 0) continue;
    arrived = true;
  }
  CreatureEvents.MotionLastSlot = CreatureEvents.EventLast;
  GoTo(kBoardLifePhase, 99);
  if (!arrived) {
    Wait(0, 0);
    return;
  }
  CreatureEvents.EventAnimKind = 2;
  Wait(kAnimHops, 0);
}

}  // namespace

void BoardMovementPhase() {
  switch (SceneCursor.SceneStep) {
    case 0:
      chaseTried = {};
      for (int slot = 1; slot < kCreatureSlotCount; ++slot) {
        CreatureSlotRecord& c = Slot(slot);
        c.NextX = 0;
        c.NextY = 0;
        c.LastStepResult = 0;
        c.BumpCount = 0;
        if (c.Waiting == 0) ++c.MoveWaitCount;
      }
      GoToNextTick(kBoardMovePhase, 5);
      break;
    case 5: ChasersAct(); break;
    case 10: OrdinaryMoves(); break;
    case 20: BlockedBump(); break;
    case 99: GoToNextTick(kBoardEndTurn, 1); break;
    default: break;
  }
}

void BoardLifePhase() {
  switch (SceneCursor.SceneStep) {
    case 0: PeriodicChanges(); break;
    case 10: LivesEnd(); break;
    case 11:
      if (!GaugeEvents(3, 3)) GoToNextTick(kBoardLifePhase, 15);
      break;
    case 15: EndChanges(); break;
    case 20: Arrivals(); break;
    case 99:
      if (BoardCleanUp()) GoToNextTick(kBoardEndTurn, 1);
      break;
    default: break;
  }
}
