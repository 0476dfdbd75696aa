#include "vadrim/board/creature_movement.h"

#include "engine/string_utils.h"
#include "vadrim/board/model.h"

namespace {

enum : int { kUp = 1, kRight = 2, kDown = 3, kLeft = 4 };
constexpr int kWallBase = 10;  // a wall result is 10 + direction, a creature -(10 + direction)
constexpr int kNoMove = 9;

CreatureSlotRecord& Active() { return CreatureSlot[static_cast<size_t>(StepScratch.ActiveCreature)]; }

int Clockwise(int dir) { return dir % 4 + 1; }
int CounterClockwise(int dir) { return dir <= 1 ? 4 : dir - 1; }
int Reversed(int dir) {
  int d = dir + 2;
  return d > 4 ? d - 4 : d;
}

bool Moved() { return StepScratch.StepResult >= 1 && StepScratch.StepResult <= 4; }
bool AtWall() { return StepScratch.StepResult > kWallBase; }
bool AtCreature() { return StepScratch.StepResult < -kWallBase; }

void Attempt(int dir) {
  StepScratch.StepDir = dir;
  D50_TryStep();
}

void Reverse() { StepScratch.StepDir = Reversed(StepScratch.StepDir); }

void StepAgain(int retryOnCreature, int (*turn)(int)) {
  if (AtWall()) {
    StepScratch.StepDir = turn(StepScratch.StepDir);
    Active().MoveDir = StepScratch.StepDir;
    D50_TryStep();
  }
  if (retryOnCreature == 1 && AtCreature() && StepScratch.BlockerLastResult >= 1) {
    StepScratch.StepDir = turn(StepScratch.StepDir);
    Active().MoveDir = StepScratch.StepDir;
    D50_TryStep();
  }
}

// Type 10: back and forth, one cell each way on successive moves.
void BackAndForth() {
  D50_TryStep();
  if (Moved()) {
    Reverse();
  } else if (AtWall()) {
    Reverse();
    D50_TryStep();
    if (Moved()) Reverse();
  }
}

// Type 15: straight on, reversing at walls and at a creature that will not make way
// (one that has moved or met a wall, or has blocked ten times).
void StraightAndBack() {
  D50_TryStep();
  if (AtWall()) {
    Reverse();
    D50_TryStep();
  } else if (AtCreature()) {
    const int blocker = StepScratch.BlockerSlot;
    const int bumps = ValidCreatureSlot(blocker) ? CreatureSlot[static_cast<size_t>(blocker)].BumpCount : 0;
    if (bumps >= 10 || StepScratch.BlockerLastResult >= 1) Reverse();
  }
}

// Towards the target across (dx) or up and down (dy); whether an attempt was needed.
bool AttemptAcross(int targetX) {
  if (targetX < StepScratch.StepX) {
    Attempt(kLeft);
    return true;
  }
  if (targetX > StepScratch.StepX) {
    Attempt(kRight);
    return true;
  }
  return false;
}

bool AttemptUpDown(int targetY) {
  if (targetY < StepScratch.StepY) {
    Attempt(kUp);
    return true;
  }
  if (targetY > StepScratch.StepY) {
    Attempt(kDown);
    return true;
  }
  return false;
}

// Types 30 to 33. acrossFirst: the first attempt is sideways; secondOnBlock: the
// second attempt also follows a first one that a creature blocked.
void Chase(bool acrossFirst, bool secondOnBlock) {
  D50_FindTarget();
  if (StepScratch.TargetSlot == 0) {
    StepScratch.StepResult = kNoMove;
    return;
  }
  const CreatureSlotRecord& target = CreatureSlot[static_cast<size_t>(StepScratch.TargetSlot)];
  StepScratch.StepDir = 0;
  const bool first = acrossFirst ? AttemptAcross(target.GridX) : AttemptUpDown(target.GridY);
  if (!first || (secondOnBlock && AtCreature())) {
    if (acrossFirst) AttemptUpDown(target.GridY);
    else AttemptAcross(target.GridX);
  }
}

}  // namespace

void D50_TryStep() {
  StepScratchRecord& s = StepScratch;
  int x = s.StepX;
  int y = s.StepY;
  bool wall = false;
  switch (s.StepDir) {
    case kUp: wall = s.StepY == 1; --y; break;
    case kRight: wall = s.StepX == BoardState.GridLastX - 1; ++x; break;
    case kDown: wall = s.StepY == BoardState.GridLastY - 1; ++y; break;
    case kLeft: wall = s.StepX == 1; --x; break;
    default: return;
  }
  // A cell beyond the occupancy grid (a creature standing where none should) is a wall.
  if (x < 0 || y < 0 || x >= kGridSize || y >= kGridSize) wall = true;
  if (wall) {
    s.StepResult = kWallBase + s.StepDir;
    return;
  }
  const int holder = OccupancyGrid[static_cast<size_t>(x)][static_cast<size_t>(y)];
  if (holder == 0) {
    s.StepResult = s.StepDir;
    s.StepX = x;
    s.StepY = y;
    return;
  }
  s.StepResult = -(kWallBase + s.StepDir);
  s.BlockerSlot = holder;
  s.BlockerLastResult = ValidCreatureSlot(holder) ? CreatureSlot[static_cast<size_t>(holder)].LastStepResult : 0;
  if (ValidCreatureSlot(s.ActiveCreature)) ++Active().BumpCount;
}

void D50_StepAgain1(int retryOnCreature) {
  if (!ValidCreatureSlot(StepScratch.ActiveCreature)) return;
  StepAgain(retryOnCreature, Clockwise);
}

void D50_StepAgain2(int retryOnCreature) {
  if (!ValidCreatureSlot(StepScratch.ActiveCreature)) return;
  StepAgain(retryOnCreature, CounterClockwise);
}

void D50_FindTarget() {
  StepScratch.TargetSlot = 0;
  if (!ValidCreatureSlot(StepScratch.ActiveCreature)) return;
  const int target = Active().MoveTarget;
  if (target == 0) return;
  for (int slot = 1; slot < kCreatureSlotCount; ++slot) {
    if (CreatureSlot[static_cast<size_t>(slot)].CreatureType == target) {
      StepScratch.TargetSlot = slot;
      return;
    }
  }
}

void D50_MoveCreature() {
  if (!ValidCreatureSlot(StepScratch.ActiveCreature)) return;
  CreatureSlotRecord& c = Active();
  StepScratch.StepResult = 0;
  StepScratch.StepX = c.GridX;
  StepScratch.StepY = c.GridY;
  StepScratch.StepDir = c.MoveDir;
  switch (c.CreatureMoveType) {
    case 0: StepScratch.StepResult = kNoMove; break;
    case 1: D50_TryStep(); break;
    case 5:
    case 6:
    case 7:
    case 8: {
      D50_TryStep();
      const int onCreature = c.CreatureMoveType <= 6 ? 1 : 0;
      const bool clockwise = c.CreatureMoveType == 5 || c.CreatureMoveType == 7;
      for (int i = 0; i < 4; ++i) {
        if (clockwise) D50_StepAgain1(onCreature);
        else D50_StepAgain2(onCreature);
      }
      break;
    }
    case 10: BackAndForth(); break;
    case 15: StraightAndBack(); break;
    case 16:
      D50_TryStep();
      if (AtWall()) {
        Reverse();
        D50_TryStep();
      }
      break;
    case 20:
      Attempt(RandomRange(1, 4));
      for (int i = 0; i < 4 && AtWall(); ++i) Attempt(Clockwise(StepScratch.StepDir));
      break;
    case 21: Attempt(RandomRange(1, 4)); break;
    case 30: Chase(true, true); break;
    case 31: Chase(false, true); break;
    case 32: Chase(true, false); break;
    case 33: Chase(false, false); break;
    default: break;
  }
  c.NextX = StepScratch.StepX;
  c.NextY = StepScratch.StepY;
  c.LastStepResult = StepScratch.StepResult;
  c.MoveDir = StepScratch.StepDir;
}

void D50_ClearSlot(int keepCell, int slot) {
  if (!ValidCreatureSlot(slot)) return;
  CreatureSlotRecord& c = CreatureSlot[static_cast<size_t>(slot)];
  if (keepCell == 0) {
    if (c.GridX >= 0 && c.GridX < kGridSize && c.GridY >= 0 && c.GridY < kGridSize) {
      OccupancyGrid[static_cast<size_t>(c.GridX)][static_cast<size_t>(c.GridY)] = 0;
    }
    c.GridX = 0;
    c.GridY = 0;
  }
  const CreatureSlotRecord kept = c;
  c = CreatureSlotRecord{};
  c.GridX = kept.GridX;
  c.GridY = kept.GridY;
  c.MoveDir = kept.MoveDir;
  c.MoveWaitCount = kept.MoveWaitCount;
  c.NextX = kept.NextX;
  c.NextY = kept.NextY;
  c.BumpCount = kept.BumpCount;
}
