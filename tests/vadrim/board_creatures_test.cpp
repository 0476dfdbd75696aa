// Creature types: the definition strings as the parser reads them (the given
// examples exactly, the odd items), what the definition keeps of a slot, and the
// whole table: stats in range, roles that fit their movement, every type a board
// or another type names defined.
#include "vadrim/board/creature_types.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <set>

#include "board_fixture.h"
#include "vadrim/board/layouts.h"
#include "vadrim/board/progress.h"

namespace {

using board_test::BoardRules;
class CreatureTable : public BoardRules {};

// The definition fields of a slot, in the order of the definition's keys.
struct Stats {
  int bmp, hp, move, dir, every, touchL, touchW, goneL, goneW, goneTo, turnL, turnW, turnEvery, target, afterEat,
      merge, life, endL, endW, endTo, changeChain, deathChain, mergeChain;
  bool operator==(const Stats&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Stats& s) {
  return os << "BMP " << s.bmp << " HP " << s.hp << " 移Ty " << s.move << " 移方向 " << s.dir << " 移頻度 " << s.every
            << " DP " << s.touchL << "/" << s.touchW << " 消DP " << s.goneL << "/" << s.goneW << " 消変形 "
            << s.goneTo << " タDP " << s.turnL << "/" << s.turnW << "/" << s.turnEvery << " 移ター " << s.target
            << " 食後 " << s.afterEat << " 合体 " << s.merge << " 寿命 " << s.life << " " << s.endL << "/" << s.endW
            << "/" << s.endTo << " 連鎖 " << s.changeChain << "/" << s.deathChain << "/" << s.mergeChain;
}
Stats Of(const CreatureSlotRecord& c) {
  return {c.PictureNo, c.HitPoints,    c.CreatureMoveType, c.MoveDir,      c.MoveEvery,      c.TouchLuck,
          c.TouchWoman, c.GoneLuck,    c.GoneWoman,        c.GoneChangeTo, c.TurnLuck,       c.TurnWoman,
          c.TurnEvery, c.MoveTarget,   c.AfterEatMoveType, c.MergeInto,    c.Lifespan,       c.EndLuck,
          c.EndWoman,  c.EndChangeTo,  c.ChangeChain,      c.DeathChain,   c.MergeChain};
}

TEST_F(BoardRules, TheGivenTypesReadExactly) {
  struct Case {
    int type;
    Stats stats;
  } cases[] = {
      {1, {70, 9, 5, 2, 1, 0, 5, 0, 80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {15, {62, 4, 10, 3, 1, 0, -5, 0, 0, 16, 0, -5, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {35, {83, 4, 15, 3, 1, 0, -5, 0, 0, 36, 0, 0, 0, 0, 0, 0, 10, 0, 0, 37, 0, 0, 0}},
      {90, {}},
      {91, {26, 5, 30, 2, 1, 0, -5, 0, 10, 0, 0, 0, 0, 92, 20, 95, 0, 0, 0, 0, 0, 0, 0}},
      {93, {5, 6, 20, 2, 1, 0, 20, 0, 20, 40, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
      {94, {2, 2, 31, 2, 2, -5, 0, 0, 0, 0, 0, 0, 0, 93, 0, -1, 0, 0, 0, 0, 0, 0, 0}},
      {220, {11, 6, 20, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0}},
      {320, {90, 4, 30, 4, 3, 0, 0, 0, 15, 0, 0, 0, 0, 321, 0, 322, 0, 0, 0, 0, 0, 0, 1}},
      {321, {91, 4, 0, 0, 3, 0, 5, 0, 0, 0, 0, 0, 0, 320, 0, 322, 0, 0, 0, 0, 0, 0, 1}},
      {400, {59, 1, 0, 1, 10, 0, 20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 10, 0, 0, 0, 0, 0, 0}},
      {403, {107, 99, 30, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 402, 0, 404, 0, 0, 0, 0, 0, 0, 0}},
      {404, {105, 5, 0, 1, 1, 0, 0, -50, 0, 0, 0, 0, 0, 0, 0, 0, 2, -99, 0, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("type " + std::to_string(c.type));
    CreatureSlot[7].MoveDir = 0;
    D50_SetCreature(c.type, 7, 0);
    EXPECT_EQ(Of(CreatureSlot[7]), c.stats);
    EXPECT_EQ(CreatureSlot[7].CreatureType, c.type);
  }
}

TEST_F(BoardRules, OddItemsOfADefinition) {
  struct Case {
    const char* name;
    const char* s1;
    const char* s2;
    int CreatureSlotRecord::* field;
    int value;
  } cases[] = {
      {"text after a value is ignored", "移方向=4\"", "", &CreatureSlotRecord::MoveDir, 4},
      {"an item without = changes nothing", "移ター0", "", &CreatureSlotRecord::MoveTarget, 0},
      {"an empty value stores 0", "寿命DP女=", "", &CreatureSlotRecord::EndWoman, 0},
      {"a key given twice keeps the later value", "HP=3", "HP=8", &CreatureSlotRecord::HitPoints, 8},
      {"separators and spaces go", "タDP頻度=0 ,■■■合体連鎖=1", "", &CreatureSlotRecord::MergeChain, 1},
      {"a value rounds half to even", "HP=2.5", "", &CreatureSlotRecord::HitPoints, 2},
      {"a signed value", "DP運=-15", "", &CreatureSlotRecord::TouchLuck, -15},
      {"the ideographic space is not removed", "HP=　7", "", &CreatureSlotRecord::HitPoints, 0},
      {"an unknown key is ignored", "HPX=4", "", &CreatureSlotRecord::HitPoints, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CreatureSlot[3] = {};
    CreatureSlot[3].EndWoman = 9;
    ReadCreatureDefinition(3, c.s1, c.s2, "");
    if (c.field != &CreatureSlotRecord::EndWoman) CreatureSlot[3].EndWoman = 0;
    EXPECT_EQ(CreatureSlot[3].*c.field, c.value);
  }
  // Items past the 49th are not read.
  std::string many;
  for (int i = 0; i < 49; ++i) many += "BMP=1,";
  CreatureSlot[3] = {};
  ReadCreatureDefinition(3, many, "HP=5", "");
  EXPECT_EQ(CreatureSlot[3].HitPoints, 0);
}

TEST_F(BoardRules, TheDefinitionKeepsDirectionAndCell) {
  // Type 6 gives no direction: the slot keeps its old one.
  CreatureSlotRecord& c = Put(4, 2, 3, 10, 3, 1);
  c.HitPoints = 7;
  c.MoveWaitCount = 2;
  D50_SetCreature(6, 4, 0);
  EXPECT_EQ(c.MoveDir, 3);
  EXPECT_EQ(c.MoveWaitCount, 2);
  EXPECT_EQ(c.GridX, 2);
  EXPECT_EQ(OccupancyGrid[2][3], 4);
  EXPECT_EQ(c.Waiting, 0);
  EXPECT_EQ(c.CreatureMoveType, 20);
  EXPECT_EQ(c.HitPoints, 5);

  // A waiting creature: the grid is left alone.
  D50_SetCreature(94, 9, 10);
  EXPECT_EQ(CreatureSlot[9].Waiting, 1);
  EXPECT_EQ(CreatureSlot[9].AppearTurn, 10);
  EXPECT_EQ(OccupancyGrid[0][0], 0);

  // An undefined type: the number, nothing else.
  D50_SetCreature(7, 4, 0);
  EXPECT_EQ(c.CreatureType, 7);
  Stats onlyDir{};
  onlyDir.dir = 3;
  EXPECT_EQ(Of(c), onlyDir);

  D50_SetCreature(1, 100, 0);  // no such slot: nothing happens
  D50_SetCreature(1, -1, 0);
}

TEST_F(CreatureTable, EveryTypeIsARealCreature) {
  const auto types = CreatureTypes();
  ASSERT_EQ(types.size(), 199u);
  std::set<int> defined;
  std::map<int, int> moveTypes;
  int previous = 0;
  for (const CreatureTypeRow& row : types) {
    EXPECT_GT(row.type, previous) << "rows in number order";
    previous = row.type;
    defined.insert(row.type);
  }
  ASSERT_EQ(FindCreatureType(409)->type, 409);
  EXPECT_EQ(FindCreatureType(404)->type, 404);
  EXPECT_EQ(FindCreatureType(3), nullptr);
  EXPECT_EQ(FindCreatureType(410), nullptr);

  for (const CreatureTypeRow& row : types) {
    SCOPED_TRACE("type " + std::to_string(row.type));
    EXPECT_NE(std::string(row.name), "");
    CreatureSlot[1] = {};
    D50_SetCreature(row.type, 1, 0);
    const CreatureSlotRecord& c = CreatureSlot[1];
    ++moveTypes[c.CreatureMoveType];
    EXPECT_GE(c.PictureNo, 0);
    EXPECT_LE(c.PictureNo, 107);
    EXPECT_GE(c.HitPoints, 0);
    EXPECT_LE(c.HitPoints, 99);
    for (int g : {c.TouchLuck, c.TouchWoman, c.GoneLuck, c.GoneWoman, c.TurnLuck, c.TurnWoman, c.EndLuck, c.EndWoman}) {
      EXPECT_GE(g, -99);
      EXPECT_LE(g, 80);
    }
    for (int t : {c.TurnEvery, c.Lifespan}) {
      EXPECT_GE(t, 0);
      EXPECT_LE(t, 20);
    }
    EXPECT_GE(c.MoveDir, 0);
    EXPECT_LE(c.MoveDir, 4);
    // A type it becomes or heads for is itself a creature.
    for (int other : {c.GoneChangeTo, c.EndChangeTo, c.MoveTarget, c.MergeInto > 0 ? c.MergeInto : 0}) {
      if (other != 0) {
        EXPECT_TRUE(defined.count(other)) << "names " << other;
      }
    }
    // Roles fit their movement: a hunter has prey and knows what to do with it; a
    // creature that steps in a set direction has one.
    const bool hunter = c.CreatureMoveType >= 30 && c.CreatureMoveType <= 33;
    if (hunter) {
      EXPECT_NE(c.MoveTarget, 0);
      EXPECT_NE(c.MergeInto, 0);
    } else if (c.MergeInto != 0) {
      EXPECT_EQ(row.type, 321) << "only the princess is sought without seeking";
    }
    if (c.CreatureMoveType >= 5 && c.CreatureMoveType <= 16) {
      EXPECT_GE(c.MoveDir, 1);
    }
    if (c.CreatureMoveType != 0) {
      EXPECT_GE(c.MoveEvery, 1);
    }
  }
  const std::map<int, int> expected = {{0, 47}, {5, 8},  {6, 6},  {8, 3},  {10, 11}, {15, 20},
                                       {20, 79}, {21, 10}, {30, 9}, {31, 4}, {32, 1},  {33, 1}};
  EXPECT_EQ(moveTypes, expected);
}

TEST_F(CreatureTable, ChainsFitTheBoardsThatFireThem) {
  // The creatures that fire a chain when removed or merged.
  std::map<int, std::pair<int, int>> chains;  // type: death chain, merge chain
  for (const CreatureTypeRow& row : CreatureTypes()) {
    CreatureSlot[1] = {};
    D50_SetCreature(row.type, 1, 0);
    EXPECT_EQ(CreatureSlot[1].ChangeChain, 0);
    if (CreatureSlot[1].DeathChain != 0 || CreatureSlot[1].MergeChain != 0) {
      chains[row.type] = {CreatureSlot[1].DeathChain, CreatureSlot[1].MergeChain};
    }
  }
  const std::map<int, std::pair<int, int>> expected = {
      {93, {0, 1}},  {95, {0, 2}},  {220, {1, 0}}, {320, {0, 1}}, {321, {0, 1}}, {340, {1, 0}},
      {345, {2, 0}}, {392, {2, 0}}, {394, {3, 0}}, {396, {4, 0}}, {398, {5, 0}}, {399, {6, 0}},
  };
  EXPECT_EQ(chains, expected);
}

}  // namespace
