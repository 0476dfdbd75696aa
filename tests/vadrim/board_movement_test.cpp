// Creature movement: one move per movement type on a 6 by 6 board (inner grid
// columns and rows 1 to 4): walls, creatures in the way, the turning retries, the
// chasers; the random movers over many seeded draws; slot clearing; the piece's
// step around the path.
#include "vadrim/board/creature_movement.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "board_fixture.h"
#include "engine/string_utils.h"

namespace {

using board_test::BoardRules;

struct Other {
  int slot, x, y;
  int lastResult = 0;
  int bumps = 0;
  int type = 50;
  bool waiting = false;  // defined but not on the grid
};

struct Result {
  int result, nextX, nextY, dir, bumps;
  bool operator==(const Result&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Result& r) {
  return os << "result " << r.result << " next (" << r.nextX << ", " << r.nextY << ") dir " << r.dir << " bumps "
            << r.bumps;
}

struct Case {
  const char* name;
  int moveType, x, y, dir;
  int target;  // MoveTarget
  std::vector<Other> others;
  Result expected;
};

class MovementTest : public BoardRules {
 protected:
  Result Move(const Case& c) {
    EmptyBoard(5, 5);
    CreatureSlotRecord& mover = Put(1, c.x, c.y, c.moveType, c.dir, 40);
    mover.MoveTarget = c.target;
    for (const Other& o : c.others) {
      CreatureSlotRecord& s = Put(o.slot, o.x, o.y, 0, 0, o.type);
      s.LastStepResult = o.lastResult;
      s.BumpCount = o.bumps;
      if (o.waiting) {
        s.Waiting = 1;
        OccupancyGrid[o.x][o.y] = 0;
      }
    }
    StepScratch.ActiveCreature = 1;
    D50_MoveCreature();
    EXPECT_EQ(OccupancyGrid[c.x][c.y], 1) << "a move leaves the grid to the turn flow";
    EXPECT_EQ(mover.GridX, c.x);
    EXPECT_EQ(StepScratch.StepResult, mover.LastStepResult);
    return {mover.LastStepResult, mover.NextX, mover.NextY, mover.MoveDir, mover.BumpCount};
  }
};

TEST_F(MovementTest, OneMoveOfEachType) {
  const Case cases[] = {
      {"0 stays", 0, 2, 2, 3, 0, {}, {9, 2, 2, 3, 0}},
      {"1 moves up", 1, 2, 2, 1, 0, {}, {1, 2, 1, 1, 0}},
      {"1 at column 1 going left meets the wall", 1, 1, 2, 4, 0, {}, {14, 1, 2, 4, 0}},
      {"1 at the bottom row meets the wall", 1, 2, 4, 3, 0, {}, {13, 2, 4, 3, 0}},
      {"1 blocked by a creature", 1, 2, 2, 2, 0, {{2, 3, 2}}, {-12, 2, 2, 2, 1}},
      {"1 without a direction tries nothing", 1, 2, 2, 0, 0, {}, {0, 2, 2, 0, 0}},
      {"5 turns clockwise at a wall", 5, 4, 2, 2, 0, {}, {3, 4, 3, 3, 0}},
      {"5 turns twice in a corner", 5, 4, 4, 2, 0, {}, {4, 3, 4, 4, 0}},
      {"5 waits behind a creature that has not moved", 5, 2, 2, 2, 0, {{2, 3, 2, 0}}, {-12, 2, 2, 2, 1}},
      {"5 waits behind a creature that is blocked", 5, 2, 2, 2, 0, {{2, 3, 2, -13}}, {-12, 2, 2, 2, 1}},
      {"5 turns at a creature that has moved", 5, 2, 2, 2, 0, {{2, 3, 2, 1}}, {3, 2, 3, 3, 1}},
      {"5 boxed in a corner stops at the first creature", 5, 1, 1, 1, 0, {{2, 2, 1}, {3, 1, 2}}, {-12, 1, 1, 2, 1}},
      {"6 turns counter-clockwise at a wall", 6, 4, 2, 2, 0, {}, {1, 4, 1, 1, 0}},
      {"6 turns at a creature that has met a wall", 6, 2, 2, 2, 0, {{2, 3, 2, 12}}, {1, 2, 1, 1, 1}},
      {"7 turns at walls only", 7, 2, 2, 2, 0, {{2, 3, 2, 1}}, {-12, 2, 2, 2, 1}},
      {"7 turns clockwise at a wall", 7, 1, 3, 4, 0, {}, {1, 1, 2, 1, 0}},
      {"8 turns counter-clockwise at a wall", 8, 1, 1, 4, 0, {}, {3, 1, 2, 3, 0}},
      {"10 moves and turns round for next time", 10, 2, 2, 2, 0, {}, {2, 3, 2, 4, 0}},
      {"10 at a wall goes back and keeps the way", 10, 4, 2, 2, 0, {}, {4, 3, 2, 2, 0}},
      {"10 blocked by a creature does nothing more", 10, 2, 2, 2, 0, {{2, 3, 2, 1}}, {-12, 2, 2, 2, 1}},
      {"10 between a wall and a creature", 10, 4, 2, 2, 0, {{2, 3, 2}}, {-14, 4, 2, 4, 1}},
      {"15 goes on after a move", 15, 2, 2, 2, 0, {}, {2, 3, 2, 2, 0}},
      {"15 reverses at a wall", 15, 4, 2, 2, 0, {}, {4, 3, 2, 4, 0}},
      {"15 reverses before a creature that has moved", 15, 2, 2, 2, 0, {{2, 3, 2, 2}}, {-12, 2, 2, 4, 1}},
      {"15 reverses before a creature blocked ten times", 15, 2, 2, 2, 0, {{2, 3, 2, -11, 10}}, {-12, 2, 2, 4, 1}},
      {"15 waits behind a creature that may still go", 15, 2, 2, 2, 0, {{2, 3, 2, 0, 9}}, {-12, 2, 2, 2, 1}},
      {"16 reverses at a wall", 16, 2, 1, 1, 0, {}, {3, 2, 2, 3, 0}},
      {"16 waits behind any creature", 16, 2, 2, 2, 0, {{2, 3, 2, 1}}, {-12, 2, 2, 2, 1}},
      {"30 goes across first", 30, 2, 2, 0, 60, {{2, 4, 3, 0, 0, 60}}, {2, 3, 2, 2, 0}},
      {"30 in its target's column goes straight up or down", 30, 2, 2, 4, 60, {{2, 2, 4, 0, 0, 60}},
       {3, 2, 3, 3, 0}},
      {"30 blocked across tries up or down", 30, 2, 2, 0, 60, {{2, 4, 4, 0, 0, 60}, {3, 3, 2}},
       {3, 2, 3, 3, 1}},
      {"30 against the target itself stays blocked", 30, 2, 2, 0, 60, {{2, 3, 2, 0, 0, 60}}, {-12, 2, 2, 2, 1}},
      {"30 without its target on any slot does not move", 30, 2, 2, 3, 60, {}, {9, 2, 2, 3, 0}},
      {"30 heads for a waiting target's stored cell", 30, 2, 2, 0, 60, {{2, 4, 2, 0, 0, 60, true}},
       {2, 3, 2, 2, 0}},
      {"30 whose target is its own type finds itself", 30, 2, 2, 3, 40, {}, {0, 2, 2, 0, 0}},
      {"31 goes up or down first", 31, 2, 2, 0, 60, {{2, 4, 3, 0, 0, 60}}, {3, 2, 3, 3, 0}},
      {"31 blocked vertically tries across", 31, 2, 2, 0, 60, {{2, 4, 4, 0, 0, 60}, {3, 2, 3}},
       {2, 3, 2, 2, 1}},
      {"32 blocked across does not try vertically", 32, 2, 2, 0, 60, {{2, 4, 4, 0, 0, 60}, {3, 3, 2}},
       {-12, 2, 2, 2, 1}},
      {"32 in its target's column goes vertically", 32, 2, 2, 0, 60, {{2, 2, 1, 0, 0, 60}}, {-11, 2, 2, 1, 1}},
      {"33 blocked vertically does not try across", 33, 2, 2, 0, 60, {{2, 4, 4, 0, 0, 60}, {3, 2, 3}},
       {-13, 2, 2, 3, 1}},
      {"33 in its target's row goes across", 33, 3, 2, 0, 60, {{2, 1, 2, 0, 0, 60}}, {4, 2, 2, 4, 0}},
      {"an unknown type tries nothing", 99, 2, 2, 2, 0, {}, {0, 2, 2, 2, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Move(c), c.expected);
  }
}

TEST_F(MovementTest, TheTargetIsTheFirstSlotOfItsType) {
  Put(5, 3, 3, 0, 0, 60);
  Put(9, 1, 1, 0, 0, 60);
  CreatureSlot[1].MoveTarget = 60;
  StepScratch.ActiveCreature = 1;
  D50_FindTarget();
  EXPECT_EQ(StepScratch.TargetSlot, 5);
  CreatureSlot[1].MoveTarget = 0;
  D50_FindTarget();
  EXPECT_EQ(StepScratch.TargetSlot, 0);
}

TEST_F(MovementTest, RandomMoversOverManyDraws) {
  for (int seed = 1; seed <= 200; ++seed) {
    SCOPED_TRACE(seed);
    SeedRandom(static_cast<uint32_t>(seed));
    // Type 20 in a corner turns clockwise past the walls until a way is open.
    EmptyBoard(5, 5);
    CreatureSlotRecord& wanderer = Put(1, 1, 1, 20, 0);
    StepScratch.ActiveCreature = 1;
    D50_MoveCreature();
    EXPECT_TRUE(wanderer.LastStepResult == 2 || wanderer.LastStepResult == 3) << wanderer.LastStepResult;
    EXPECT_EQ(wanderer.MoveDir, wanderer.LastStepResult);
    // Type 21 makes one attempt: in the corner it meets the wall half the time.
    EmptyBoard(5, 5);
    CreatureSlotRecord& hopper = Put(1, 1, 1, 21, 0);
    D50_MoveCreature();
    const int r = hopper.LastStepResult;
    EXPECT_TRUE(r == 2 || r == 3 || r == 11 || r == 14) << r;
    EXPECT_EQ(hopper.MoveDir, r > 10 ? r - 10 : r);
    // On a one-cell inner grid every way is a wall: five attempts, then it gives up.
    EmptyBoard(2, 2);
    CreatureSlotRecord& caged = Put(1, 1, 1, 20, 0);
    D50_MoveCreature();
    EXPECT_GT(caged.LastStepResult, 10);
    EXPECT_EQ(caged.NextX, 1);
  }
}

TEST_F(MovementTest, RetriesStopTurningOnceMoved) {
  CreatureSlotRecord& c = Put(1, 4, 2, 5, 2);
  StepScratch = {1, 0, 4, 2, 2, 0, 0, 0};
  D50_TryStep();
  EXPECT_EQ(StepScratch.StepResult, 12);
  D50_StepAgain1(1);
  EXPECT_EQ(StepScratch.StepResult, 3);
  EXPECT_EQ(c.MoveDir, 3) << "stored at once";
  D50_StepAgain1(1);
  D50_StepAgain2(1);
  EXPECT_EQ(StepScratch.StepDir, 3);
  EXPECT_EQ(StepScratch.StepY, 3);
  // Any other direction changes nothing, not even the result.
  StepScratch.StepDir = 7;
  D50_TryStep();
  EXPECT_EQ(StepScratch.StepResult, 3);
}

TEST_F(MovementTest, ClearingASlot) {
  CreatureSlotRecord& c = Put(6, 3, 2, 15, 4, 120);
  c.HitPoints = 5;
  c.MoveWaitCount = 2;
  c.TurnEffectCount = 1;
  c.NextX = 3;
  c.BumpCount = 4;
  c.LastStepResult = -12;
  c.DeathChain = 2;
  D50_ClearSlot(1, 6);  // keeps its cell
  EXPECT_EQ(c.CreatureType, 0);
  EXPECT_EQ(c.HitPoints, 0);
  EXPECT_EQ(c.TurnEffectCount, 0);
  EXPECT_EQ(c.LastStepResult, 0);
  EXPECT_EQ(c.DeathChain, 0);
  EXPECT_EQ(c.GridX, 3);
  EXPECT_EQ(OccupancyGrid[3][2], 6);
  EXPECT_EQ(c.MoveDir, 4);
  EXPECT_EQ(c.MoveWaitCount, 2);
  EXPECT_EQ(c.NextX, 3);
  EXPECT_EQ(c.BumpCount, 4);
  D50_ClearSlot(0, 6);  // and its cell
  EXPECT_EQ(OccupancyGrid[3][2], 0);
  EXPECT_EQ(c.GridX, 0);
  EXPECT_EQ(c.GridY, 0);
  EXPECT_EQ(c.MoveDir, 4);
  D50_ClearSlot(0, 100);  // no such slot
}

TEST_F(MovementTest, ThePieceWrapsAroundThePath) {
  struct Case {
    int pathLast, pos, dir, next;
  } cases[] = {{19, 19, 1, 0}, {19, 0, -1, 19}, {15, 0, -1, 15}, {17, 16, 1, 17}, {17, 17, 1, 0}, {19, 7, -1, 6}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.pos) + " by " + std::to_string(c.dir));
    BoardState.PathLast = c.pathLast;
    EXPECT_EQ(NextPathCell(c.pos, c.dir), c.next);
  }
}

}  // namespace
