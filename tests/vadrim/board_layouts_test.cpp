// The board load: every board's settings, path cells in clockwise order with their
// sides and kinds, its starting and waiting creatures and spawn entries, and the
// parse rules of the row strings.
#include "vadrim/board/layouts.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "board_fixture.h"
#include "vadrim/board/progress.h"
#include "vadrim/board/creature_types.h"

namespace {

using board_test::BoardRules;

// The kind codes of the path-kind lists below ("-" a plain cell).
const std::map<std::string, int> kKinds = {
    {"-", 0},    {"吉", 10},  {"幸", 11},  {"凶", 20},  {"狂", 21},  {"具", 30},  {"選", 40},  {"逆", 50},
    {"連", 60},  {"ワ", 70},  {"止", 80},  {"力", 90},  {"封", 100}, {"タ", 110}, {"攻", 120}, {"T1", 130},
    {"T2", 131}, {"T3", 132}, {"L1", 140}, {"L2", 141}, {"ﾍ0", 150}, {"ﾍ1", 151}, {"ﾍ2", 152},
};

struct Creature {
  int slot, type, x, y;
};

struct BoardCase {
  int board;
  int columns, rows, pathLast;
  int character, sign, choiceList, rolls, attacks;
  float luck, woman;
  int piecePos;
  const char* kinds;  // path kinds from cell 0
  std::vector<Creature> creatures;
};

const BoardCase kCases[] = {
    {0, 6, 6, 19, 1, 1, 0, 50, 25, 0.2f, 0.2f, 5, "凶 凶 逆 吉 狂 止 狂 力 - T2 T2 T2 T2 T2 T2 凶 凶 凶 凶 凶",
     {{1, 91, 2, 1}, {2, 92, 2, 2}, {3, 93, 2, 3}}},
    {1, 6, 6, 19, 1, 1, 0, 50, 25, 0.2f, 0.2f, 0, "具 凶 - - 吉 具 吉 - - 凶 具 凶 - - 吉 具 吉 - - 凶",
     {{1, 100, 2, 2}, {2, 102, 3, 3}, {3, 110, 4, 1}, {4, 112, 1, 4}}},
    {2, 6, 6, 19, 2, 2, 0, 50, 25, 0.2f, 0.2f, 0, "連 具 具 吉 - 凶 - 力 吉 - 逆 具 具 吉 - 狂 - 力 吉 -",
     {{1, 120, 4, 4}, {2, 125, 1, 1}, {3, 130, 3, 1}, {5, 135, 2, 4}}},
    {3, 6, 6, 19, 3, 3, 53, 50, 25, 0.2f, 0.2f, 0, "L1 凶 - - 吉 T2 幸 - 具 具 L1 タ - - 攻 T1 具 具 - 狂",
     {{1, 140, 3, 1}, {2, 142, 1, 1}, {3, 145, 4, 4}, {4, 147, 4, 2}, {5, 150, 2, 4}, {6, 152, 3, 3},
      {7, 154, 1, 3}, {8, 158, 2, 2}}},
    {4, 6, 6, 19, 1, 4, 54, 50, 25, 0.1f, 0.1f, 0, "狂 - 具 具 - T2 - 具 具 - T2 - 具 具 封 凶 凶 凶 狂 狂",
     {{1, 200, 2, 2}, {2, 202, 3, 3}, {3, 205, 1, 3}, {4, 206, 2, 4}, {5, 210, 3, 1}, {6, 212, 4, 2},
      {7, 215, 1, 4}}},
    {5, 6, 6, 19, 2, 5, 55, 50, 25, 0.2f, 0.2f, 0, "T2 具 具 具 具 ﾍ1 具 具 具 具 T2 具 具 具 具 ﾍ0 具 具 具 具",
     {{1, 235, 4, 1}, {2, 236, 1, 4}, {3, 220, 3, 1}, {4, 230, 2, 4}}},
    {6, 6, 6, 19, 3, 6, 0, 10, 5, 0.2f, 0.2f, 0, "L2 具 具 具 具 吉 凶 タ 攻 凶 L1 - 具 具 - 吉 凶 タ 攻 凶",
     {{1, 240, 4, 1}, {2, 242, 4, 3}, {3, 245, 3, 4}, {4, 247, 1, 4}, {5, 250, 1, 2}, {6, 254, 2, 1},
      {7, 252, 3, 2}, {8, 258, 2, 3}}},
    {7, 6, 6, 19, 1, 7, 0, 60, 25, 0.0f, 0.0f, 0, "ﾍ0 - - ﾍ1 ﾍ2 L2 幸 吉 力 封 L2 具 凶 凶 凶 具 凶 凶 凶 具",
     {{1, 312, 2, 1}, {2, 313, 1, 2}, {3, 310, 4, 3}, {4, 311, 3, 4}, {5, 300, 3, 3}, {6, 303, 2, 2},
      {7, 306, 3, 2}, {8, 308, 2, 3}, {9, 314, 4, 4}, {10, 317, 1, 1}}},
    {8, 6, 6, 19, 2, 8, 0, 50, 25, 0.2f, 0.2f, 0, "L1 具 具 T2 具 具 L1 凶 凶 T2 具 具 L1 具 具 T2 止 吉 吉 止",
     {{1, 323, 3, 2}, {2, 323, 2, 3}, {3, 320, 1, 1}, {4, 321, 4, 4}, {5, 332, 2, 4}, {6, 333, 3, 1},
      {7, 336, 1, 3}, {8, 336, 4, 2}}},
    {9, 6, 6, 19, 3, 9, 59, 60, 30, 0.1f, 0.1f, 0, "ﾍ1 選 凶 凶 凶 ﾍ2 凶 凶 凶 凶 ﾍ0 選 凶 凶 凶 封 凶 凶 凶 凶",
     {{1, 340, 3, 2}, {2, 345, 2, 3}, {3, 350, 4, 1}, {4, 350, 4, 4}, {5, 350, 1, 4}, {6, 350, 1, 1}}},
    {10, 6, 6, 19, 6, 10, 60, 30, 15, 0.1f, 0.2f, 0, "攻 幸 凶 凶 幸 タ 凶 L1 凶 T2 攻 選 具 具 選 タ T2 凶 L1 凶",
     {{1, 360, 2, 2}, {2, 362, 2, 3}, {3, 364, 3, 2}, {4, 366, 3, 3}, {5, 369, 1, 2}, {6, 372, 4, 3},
      {7, 375, 1, 4}, {8, 377, 2, 1}, {9, 380, 4, 1}, {10, 382, 3, 4}}},
    {11, 6, 6, 19, 6, 11, 0, 30, 10, 0.0f, 0.0f, 0, "封 T1 狂 狂 L2 力 L1 凶 凶 T2 幸 T1 タ 攻 L2 幸 L1 凶 凶 T2",
     {{1, 409, 1, 3}, {2, 390, 4, 2}, {3, 392, 3, 3}, {4, 394, 2, 2}, {5, 396, 3, 2}, {6, 398, 2, 3},
      {7, 402, 1, 1}, {8, 403, 4, 4}, {9, 405, 4, 1}, {10, 406, 1, 4}}},
    {21, 5, 5, 15, 5, 1, 0, 30, 10, 0.0f, 0.0f, 0, "逆 - 凶 - 具 - 凶 - 連 - 凶 - 具 - 凶 -", {{1, 1, 2, 2}, {2, 2, 3, 1}}},
    {22, 5, 5, 15, 5, 2, 0, 50, 25, 0.0f, 0.0f, 0, "T1 吉 - 凶 具 - 凶 - 逆 凶 - 吉 具 - 吉 -",
     {{1, 15, 2, 2}, {2, 5, 2, 1}, {3, 10, 2, 3}}},
    {31, 6, 5, 17, 4, 1, 0, 40, 20, 0.1f, 0.1f, 0, "吉 - - - - 吉 - - 凶 凶 具 具 具 具 凶 凶 - -",
     {{1, 20, 3, 1}, {2, 22, 2, 3}, {3, 24, 1, 2}, {4, 24, 4, 2}}},
    {32, 5, 6, 17, 4, 2, 0, 40, 20, 0.1f, 0.1f, 0, "ワ - - - 幸 - - 具 具 具 具 逆 凶 凶 凶 凶 - -",
     {{1, 30, 2, 4}, {2, 33, 1, 1}, {3, 35, 3, 1}, {4, 38, 1, 3}, {5, 39, 3, 3}}},
    {33, 6, 6, 19, 4, 3, 32, 50, 25, 0.1f, 0.1f, 0, "T2 具 - - 具 T1 - 凶 凶 - L1 具 吉 幸 具 T1 - 凶 凶 -",
     {{1, 40, 4, 4}, {2, 42, 4, 3}, {3, 44, 3, 4}, {4, 46, 3, 2}, {5, 49, 2, 3}, {6, 52, 3, 3}, {7, 55, 2, 1},
      {8, 56, 1, 2}}},
};

// The border cells clockwise from the top-left corner, with the side facing inwards.
std::vector<PathCellRecord> Clockwise(int columns, int rows) {
  std::vector<PathCellRecord> cells;
  for (int x = 0; x < columns; ++x) cells.push_back({x, 0, 3, 0});
  for (int y = 1; y < rows; ++y) cells.push_back({columns - 1, y, 4, 0});
  for (int x = columns - 2; x >= 0; --x) cells.push_back({x, rows - 1, 1, 0});
  for (int y = rows - 2; y >= 1; --y) cells.push_back({0, y, 2, 0});
  for (PathCellRecord& c : cells) {
    const bool corner = (c.PathX == 0 || c.PathX == columns - 1) && (c.PathY == 0 || c.PathY == rows - 1);
    if (corner) c.PathDir = 0;
  }
  return cells;
}

class BoardLayoutTest : public BoardRules {
 protected:
  void Load(int board) {
    BoardState.BoardNumber = board;
    D50_Reset(1);
    D50_LoadBoard();
  }
};

TEST_F(BoardLayoutTest, EveryBoardLoadsItsSettingsPathAndCreatures) {
  for (const BoardCase& c : kCases) {
    SCOPED_TRACE("board " + std::to_string(c.board));
    // A previous board's grid must not leak into this one.
    OccupancyGrid = {};
    Load(c.board);
    EXPECT_EQ(BoardState.GridLastX, c.columns - 1);
    EXPECT_EQ(BoardState.GridLastY, c.rows - 1);
    EXPECT_EQ(BoardState.PathLast, c.pathLast);
    EXPECT_EQ(BoardState.BoardCharacter, c.character);
    EXPECT_EQ(BoardState.StageSignNo, c.sign);
    EXPECT_EQ(BoardState.ChoiceListNo, c.choiceList);
    EXPECT_EQ(PieceCounters.RollsLeft, c.rolls);
    EXPECT_EQ(PieceCounters.AttacksLeft, c.attacks);
    EXPECT_EQ(CellSettings.LuckSpreadFactor, c.luck);
    EXPECT_EQ(CellSettings.WomanSpreadFactor, c.woman);
    EXPECT_EQ(PieceCounters.PiecePos, c.piecePos);
    EXPECT_EQ(PieceCounters.TravelDir, 1);

    // Path cells: clockwise from the top-left corner, facing inwards, of the listed kinds.
    std::istringstream kinds(c.kinds);
    const std::vector<PathCellRecord> expected = Clockwise(c.columns, c.rows);
    ASSERT_EQ(static_cast<int>(expected.size()), c.pathLast + 1);
    std::string symbol;
    for (int n = 0; n <= c.pathLast; ++n) {
      ASSERT_TRUE(static_cast<bool>(kinds >> symbol));
      const PathCellRecord& p = PathCell[static_cast<size_t>(n)];
      EXPECT_EQ(p.PathX, expected[static_cast<size_t>(n)].PathX) << "cell " << n;
      EXPECT_EQ(p.PathY, expected[static_cast<size_t>(n)].PathY) << "cell " << n;
      EXPECT_EQ(p.PathDir, expected[static_cast<size_t>(n)].PathDir) << "cell " << n;
      EXPECT_EQ(p.PathKind, kKinds.at(symbol)) << "cell " << n << " " << symbol;
    }
    EXPECT_FALSE(static_cast<bool>(kinds >> symbol)) << "more kinds than cells";

    // Creatures on the grid, exactly those listed, each a defined type.
    int onGrid = 0;
    for (int x = 0; x < kGridSize; ++x) {
      for (int y = 0; y < kGridSize; ++y) onGrid += OccupancyGrid[x][y] != 0;
    }
    EXPECT_EQ(onGrid, static_cast<int>(c.creatures.size()));
    for (const Creature& cr : c.creatures) {
      const CreatureSlotRecord& s = CreatureSlot[static_cast<size_t>(cr.slot)];
      EXPECT_EQ(s.CreatureType, cr.type) << "slot " << cr.slot;
      EXPECT_EQ(s.Waiting, 0) << "slot " << cr.slot;
      EXPECT_EQ(s.GridX, cr.x) << "slot " << cr.slot;
      EXPECT_EQ(s.GridY, cr.y) << "slot " << cr.slot;
      EXPECT_EQ(OccupancyGrid[cr.x][cr.y], cr.slot);
      EXPECT_NE(FindCreatureType(cr.type), nullptr) << "type " << cr.type;
      EXPECT_TRUE(InnerCell(cr.x, cr.y));
    }
  }
}

TEST_F(BoardLayoutTest, RowStringsAreReadByPlaceInTheText) {
  // Board 32, five columns and six rows: 30 cells, and cell 6 is the first of row 1.
  Load(32);
  EXPECT_EQ(BoardRowStrings(32).size(), 6u);
  EXPECT_EQ(PathCell[17].PathX, 0);
  EXPECT_EQ(PathCell[17].PathY, 1);
  EXPECT_EQ(PathCell[5].PathX, 4);
  EXPECT_EQ(PathCell[5].PathY, 1);
  // Board 1's first two rows as written; the last inner cell of row 1 is slot 3, type 110.
  ASSERT_EQ(BoardRowStrings(1).size(), 6u);
  EXPECT_STREQ(BoardRowStrings(1)[0], "00,　,具■01,下,凶■02,下,　■03,下,　■04,下,吉■05,　,具■");
  EXPECT_STREQ(BoardRowStrings(1)[1], "19,右,凶■-1,　,　■-1,　,　■-1,　,　■-1,3,110■06,左,吉■");
  // Board 22 writes type 5 as "005"; board 0 writes its empty inner cells "-1,無,無".
  EXPECT_NE(std::string(BoardRowStrings(22)[1]).find("-1,2,005■"), std::string::npos);
  EXPECT_NE(std::string(BoardRowStrings(0)[4]).find("-1,無,無■"), std::string::npos);
}

TEST_F(BoardLayoutTest, SymbolsCompareExactly) {
  struct Case {
    const char* symbol;
    int code;
  } cases[] = {{"T2", 131}, {"T2 ", 0}, {"ﾍ1", 151}, {"ヘ1", 0}, {"　", 0}, {"無", 0}, {"", 0}, {"L2", 141}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.symbol);
    EXPECT_EQ(CellKindCode(c.symbol), c.code);
  }
}

TEST_F(BoardLayoutTest, PerBoardSettingsAndTheirDefaults) {
  struct Case {
    int board;
    int rerollEvery, rerollMode, giftEvery, openingPick, picksLeft, madLoss, madSpread;
    std::array<int, 5> held;
  } cases[] = {
      {0, 1, 20, 0, 0, 0, 20, 2, {}},
      {1, 0, 0, 0, 0, 0, 20, 2, {}},
      {2, 0, 0, 0, 0, 0, 20, 2, {10, 11, 12, 13, 0}},
      {5, 2, 20, 0, 0, 0, 20, 2, {}},
      {6, 0, 0, 0, 0, 0, 20, 2, {11, 0, 0, 0, 0}},
      {7, 0, 0, 0, 0, 0, 20, 2, {21, 20, 19, 0, 0}},
      {8, 0, 0, 0, 0, 0, 20, 2, {19, 11, 12, 13, 0}},
      {9, 0, 0, 0, -1, 4, 20, 2, {}},
      {10, 0, 0, 0, -1, 4, 20, 2, {}},
      {11, 0, 0, 1, 0, 0, 40, 5, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("board " + std::to_string(c.board));
    PieceCounters.HeldItems = {};  // the board-start reset
    TurnFlow.GiftEvery = 9;        // left over from another board
    Load(c.board);
    EXPECT_EQ(PieceCounters.RerollEvery, c.rerollEvery);
    EXPECT_EQ(PieceCounters.RerollMode, c.rerollMode);
    EXPECT_EQ(TurnFlow.GiftEvery, c.giftEvery);
    EXPECT_EQ(TurnFlow.OpeningPick, c.openingPick);
    EXPECT_EQ(TurnFlow.PicksLeft, c.picksLeft);
    EXPECT_EQ(CellSettings.MadCellLoss, c.madLoss);
    EXPECT_EQ(CellSettings.MadCellSpread, c.madSpread);
    EXPECT_EQ(CellSettings.GoodCellGain, 10);
    EXPECT_EQ(CellSettings.HappyCellGain, 20);
    EXPECT_EQ(CellSettings.BadCellLoss, 10);
    EXPECT_EQ(CellSettings.BadCellSpread, 2);
    EXPECT_EQ(PieceCounters.HeldItems, c.held);
  }
}

TEST_F(BoardLayoutTest, WaitingCreaturesAndSpawnEntries) {
  struct Waiting {
    int slot, type, turn;
  };
  struct Spawn {
    int column, row, from, to;
  };
  struct Case {
    int board;
    std::vector<Waiting> waiting;
    std::vector<Spawn> spawns;
  } cases[] = {
      {0, {{5, 94, 1}, {6, 94, 10}, {7, 94, 10}, {8, 110, 10}, {9, 110, 10}}, {{1, 0, 93, 100}, {1, 1, 94, 0}, {2, 0, 110, 0}}},
      {5, {{5, 221, 999}, {6, 223, 999}}, {{1, 0, 221, 0}, {1, 1, 223, 0}}},
      {8,
       {{10, 335, 999}, {11, 335, 999}, {12, 325, 999}, {13, 325, 999}, {15, 330, 5}, {16, 331, 9}, {17, 330, 13},
        {18, 331, 17}},
       {{1, 0, 325, 0}, {1, 1, 325, 0}, {1, 2, 335, 0}}},
      {9,
       {{10, 341, 999}, {11, 343, 999}, {12, 346, 999}, {13, 348, 999}, {14, 351, 15}, {15, 351, 23}, {16, 352, 31},
        {17, 352, 39}},
       {{1, 0, 341, 0}, {1, 1, 343, 0}, {2, 0, 346, 0}, {2, 1, 348, 0}}},
      {11, {}, {{2, 0, 391, 393}, {2, 1, 409, 393}, {3, 0, 393, 395}, {4, 0, 395, 397}, {5, 0, 397, 399}, {6, 0, 399, 400}}},
      {33, {}, {{1, 0, 47, 48}, {1, 1, 50, 48}, {1, 2, 51, 48}}},
      {1, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("board " + std::to_string(c.board));
    Load(c.board);
    int waiting = 0;
    for (const CreatureSlotRecord& s : CreatureSlot) waiting += s.Waiting;
    EXPECT_EQ(waiting, static_cast<int>(c.waiting.size()));
    for (const Waiting& w : c.waiting) {
      const CreatureSlotRecord& s = CreatureSlot[static_cast<size_t>(w.slot)];
      EXPECT_EQ(s.CreatureType, w.type) << "slot " << w.slot;
      EXPECT_EQ(s.Waiting, 1) << "slot " << w.slot;
      EXPECT_EQ(s.AppearTurn, w.turn) << "slot " << w.slot;
      EXPECT_NE(FindCreatureType(w.type), nullptr);
    }
    int entries = 0;
    for (const auto& column : SpawnTable) {
      for (const SpawnEntryRecord& e : column) entries += e.SpawnFromType != 0;
    }
    EXPECT_EQ(entries, static_cast<int>(c.spawns.size()));
    for (const Spawn& s : c.spawns) {
      const SpawnEntryRecord& e = SpawnTable[static_cast<size_t>(s.column)][static_cast<size_t>(s.row)];
      EXPECT_EQ(e.SpawnFromType, s.from) << s.column << "," << s.row;
      EXPECT_EQ(e.SpawnToType, s.to) << s.column << "," << s.row;
      EXPECT_NE(FindCreatureType(s.from), nullptr);
      if (s.to != 0) {
        EXPECT_NE(FindCreatureType(s.to), nullptr);
      }
    }
  }
}

TEST_F(BoardLayoutTest, AnUnknownBoardSetsOnlyTheDefaults) {
  Load(3);
  const PathCellRecord before = PathCell[4];
  BoardState.BoardNumber = 12;
  D50_Reset(1);
  D50_LoadBoard();
  EXPECT_EQ(BoardState.GridLastX, 5);
  EXPECT_EQ(BoardState.PathLast, 19);
  EXPECT_EQ(PieceCounters.AttacksLeft, 20);
  EXPECT_EQ(PieceCounters.RollsLeft, 50) << "not a default: left as it was";
  EXPECT_EQ(CellSettings.LuckSpreadFactor, 0.2f);
  EXPECT_EQ(PathCell[4].PathKind, before.PathKind) << "no path cells are read";
  for (const CreatureSlotRecord& s : CreatureSlot) EXPECT_EQ(s.CreatureType, 0);
}

}  // namespace
