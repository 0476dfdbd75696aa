#include "vadrim/board/layouts.h"

#include <cstring>
#include <string>
#include <vector>

#include "engine/string_utils.h"
#include "scenario/script_conversion.h"
#include "vadrim/board/creature_types.h"
#include "vadrim/board/model.h"
#include "vadrim/board/progress.h"

namespace {

// The path-cell symbols of the row strings and their kind codes.
struct KindSymbol {
  const char* symbol;
  int code;
};
constexpr KindSymbol kKindSymbols[] = {
    {"吉", 10},  {"幸", 11},  {"凶", 20},  {"狂", 21},  {"具", 30},  {"選", 40},  {"逆", 50},  {"連", 60},
    {"ワ", 70},  {"止", 80},  {"力", 90},  {"封", 100}, {"タ", 110}, {"攻", 120}, {"T1", 130}, {"T2", 131},
    {"T3", 132}, {"L1", 140}, {"L2", 141}, {"ﾍ0", 150}, {"ﾍ1", 151}, {"ﾍ2", 152},
};

// The side of a path cell that faces the inner grid.
constexpr const char* kDirSymbols[] = {"上", "右", "下", "左"};  // 1 to 4

// The boards' row strings, top row first.
constexpr const char* kBoard0[] = {
    "00,　,凶■01,下,凶■02,下,逆■03,下,吉■04,下,狂■05,　,止■",
    "19,右,凶■-1,無,無■-1,1,91■-1,無,無■-1,無,無■06,左,狂■",
    "18,右,凶■-1,無,無■-1,2,92■-1,無,無■-1,無,無■07,左,力■",
    "17,右,凶■-1,無,無■-1,3,93■-1,無,無■-1,無,無■08,左,　■",
    "16,右,凶■-1,無,無■-1,無,無■-1,無,無■-1,無,無■09,左,T2■",
    "15,　,凶■14,上,T2■13,上,T2■12,上,T2■11,上,T2■10,　,T2■",
};
constexpr const char* kBoard1[] = {
    "00,　,具■01,下,凶■02,下,　■03,下,　■04,下,吉■05,　,具■",
    "19,右,凶■-1,　,　■-1,　,　■-1,　,　■-1,3,110■06,左,吉■",
    "18,右,　■-1,　,　■-1,1,100■-1,　,　■-1,　,　■07,左,　■",
    "17,右,　■-1,　,　■-1,　,　■-1,2,102■-1,　,　■08,左,　■",
    "16,右,吉■-1,4,112■-1,　,　■-1,　,　■-1,　,　■09,左,凶■",
    "15,　,具■14,上,吉■13,上,　■12,上,　■11,上,凶■10,　,具■",
};
constexpr const char* kBoard2[] = {
    "00,　,連■01,下,具■02,下,具■03,下,吉■04,下,　■05,　,凶■",
    "19,右,　■-1,2,125■-1,　,　■-1,3,130■-1,　,　■06,左,　■",
    "18,右,吉■-1,　,　■-1,　,　■-1,　,　■-1,　,　■07,左,力■",
    "17,右,力■-1,　,　■-1,　,　■-1,　,　■-1,　,　■08,左,吉■",
    "16,右,　■-1,　,　■-1,5,135■-1,　,　■-1,1,120■09,左,　■",
    "15,　,狂■14,上,　■13,上,吉■12,上,具■11,上,具■10,　,逆■",
};
constexpr const char* kBoard3[] = {
    "00,　,L1■01,下,凶■02,下,　■03,下,　■04,下,吉■05,　,T2■",
    "19,右,狂■-1,2,142■-1,　,　■-1,1,140■-1,　,　■06,左,幸■",
    "18,右,　■-1,　,　■-1,8,158■-1,　,　■-1,4,147■07,左,　■",
    "17,右,具■-1,7,154■-1,　,　■-1,6,152■-1,　,　■08,左,具■",
    "16,右,具■-1,　,　■-1,5,150■-1,　,　■-1,3,145■09,左,具■",
    "15,　,T1■14,上,攻■13,上,　■12,上,　■11,上,タ■10,　,L1■",
};
constexpr const char* kBoard4[] = {
    "00,　,狂■01,下,　■02,下,具■03,下,具■04,下,　■05,　,T2■",
    "19,右,狂■-1,　,　■-1,　,　■-1,5,210■-1,　,　■06,左,　■",
    "18,右,狂■-1,　,　■-1,1,200■-1,　,　■-1,6,212■07,左,具■",
    "17,右,凶■-1,3,205■-1,　,　■-1,2,202■-1,　,　■08,左,具■",
    "16,右,凶■-1,7,215■-1,4,206■-1,　,　■-1,　,　■09,左,　■",
    "15,　,凶■14,上,封■13,上,具■12,上,具■11,上,　■10,　,T2■",
};
constexpr const char* kBoard5[] = {
    "00,　,T2■01,下,具■02,下,具■03,下,具■04,下,具■05,　,ﾍ1■",
    "19,右,具■-1,　,　■-1,　,　■-1,3,220■-1,1,235■06,左,具■",
    "18,右,具■-1,　,　■-1,　,　■-1,　,　■-1,　,　■07,左,具■",
    "17,右,具■-1,　,　■-1,　,　■-1,　,　■-1,　,　■08,左,具■",
    "16,右,具■-1,2,236■-1,4,230■-1,　,　■-1,　,　■09,左,具■",
    "15,　,ﾍ0■14,上,具■13,上,具■12,上,具■11,上,具■10,　,T2■",
};
constexpr const char* kBoard6[] = {
    "00,　,L2■01,下,具■02,下,具■03,下,具■04,下,具■05,　,吉■",
    "19,右,凶■-1,　,　■-1,6,254■-1,　,　■-1,1,240■06,左,凶■",
    "18,右,攻■-1,5,250■-1,　,　■-1,7,252■-1,　,　■07,左,タ■",
    "17,右,タ■-1,　,　■-1,8,258■-1,　,　■-1,2,242■08,左,攻■",
    "16,右,凶■-1,4,247■-1,　,　■-1,3,245■-1,　,　■09,左,凶■",
    "15,　,吉■14,上,　■13,上,具■12,上,具■11,上,　■10,　,L1■",
};
constexpr const char* kBoard7[] = {
    "00,　,ﾍ0■01,下,　■02,下,　■03,下,ﾍ1■04,下,ﾍ2■05,　,L2■",
    "19,右,具■-1,10,317■-1,1,312■-1,　,　■-1,　,　■06,左,幸■",
    "18,右,凶■-1,2,313■-1,6,303■-1,7,306■-1,　,　■07,左,吉■",
    "17,右,凶■-1,　,　■-1,8,308■-1,5,300■-1,3,310■08,左,力■",
    "16,右,凶■-1,　,　■-1,　,　■-1,4,311■-1,9,314■09,左,封■",
    "15,　,具■14,上,凶■13,上,凶■12,上,凶■11,上,具■10,　,L2■",
};
constexpr const char* kBoard8[] = {
    "00,　,L1■01,下,具■02,下,具■03,下,T2■04,下,具■05,　,具■",
    "19,右,止■-1,3,320■-1,　,　■-1,6,333■-1,　,　■06,左,L1■",
    "18,右,吉■-1,　,　■-1,　,　■-1,1,323■-1,8,336■07,左,凶■",
    "17,右,吉■-1,7,336■-1,2,323■-1,　,　■-1,　,　■08,左,凶■",
    "16,右,止■-1,　,　■-1,5,332■-1,　,　■-1,4,321■09,左,T2■",
    "15,　,T2■14,上,具■13,上,具■12,上,L1■11,上,具■10,　,具■",
};
constexpr const char* kBoard9[] = {
    "00,　,ﾍ1■01,下,選■02,下,凶■03,下,凶■04,下,凶■05,　,ﾍ2■",
    "19,右,凶■-1,6,350■-1,　,　■-1,　,　■-1,3,350■06,左,凶■",
    "18,右,凶■-1,　,　■-1,　,　■-1,1,340■-1,　,　■07,左,凶■",
    "17,右,凶■-1,　,　■-1,2,345■-1,　,　■-1,　,　■08,左,凶■",
    "16,右,凶■-1,5,350■-1,　,　■-1,　,　■-1,4,350■09,左,凶■",
    "15,　,封■14,上,凶■13,上,凶■12,上,凶■11,上,選■10,　,ﾍ0■",
};
constexpr const char* kBoard10[] = {
    "00,　,攻■01,下,幸■02,下,凶■03,下,凶■04,下,幸■05,　,タ■",
    "19,右,凶■-1,　,　■-1,8,377■-1,　,　■-1,9,380■06,左,凶■",
    "18,右,L1■-1,5,369■-1,1,360■-1,3,364■-1,　,　■07,左,L1■",
    "17,右,凶■-1,　,　■-1,2,362■-1,4,366■-1,6,372■08,左,凶■",
    "16,右,T2■-1,7,375■-1,　,　■-1,10,382■-1,　,　■09,左,T2■",
    "15,　,タ■14,上,選■13,上,具■12,上,具■11,上,選■10,　,攻■",
};
constexpr const char* kBoard11[] = {
    "00,　,封■01,下,T1■02,下,狂■03,下,狂■04,下,L2■05,　,力■",
    "19,右,T2■-1,7,402■-1,　,　■-1,　,　■-1,9,405■06,左,L1■",
    "18,右,凶■-1,　,　■-1,4,394■-1,5,396■-1,2,390■07,左,凶■",
    "17,右,凶■-1,1,409■-1,6,398■-1,3,392■-1,　,　■08,左,凶■",
    "16,右,L1■-1,10,406■-1,　,　■-1,　,　■-1,8,403■09,左,T2■",
    "15,　,幸■14,上,L2■13,上,攻■12,上,タ■11,上,T1■10,　,幸■",
};
constexpr const char* kBoard21[] = {
    "00,　,逆■01,下,　■02,下,凶■03,下,　■04,　,具■",
    "15,右,　■-1,　,　■-1,　,　■-1,2,2■05,左,　■",
    "14,右,凶■-1,　,　■-1,1,1■-1,　,　■06,左,凶■",
    "13,右,　■-1,　,　■-1,　,　■-1,　,　■07,左,　■",
    "12,　,具■11,上,　■10,上,凶■09,上,　■08,　,連■",
};
constexpr const char* kBoard22[] = {
    "00,　,T1■01,下,吉■02,下,　■03,下,凶■04,　,具■",
    "15,右,　■-1,　,　■-1,2,005■-1,　,　■05,左,　■",
    "14,右,吉■-1,　,　■-1,1,15■-1,　,　■06,左,凶■",
    "13,右,　■-1,　,　■-1,3,10■-1,　,　■07,左,　■",
    "12,　,具■11,上,吉■10,上,　■09,上,凶■08,　,逆■",
};
constexpr const char* kBoard31[] = {
    "00,　,吉■01,下,　■02,下,　■03,下,　■04,下,　■05,　,吉■",
    "17,右,　■-1,　,　■-1,　,　■-1,1,20■-1,　,　■06,左,　■",
    "16,右,　■-1,3,24■-1,　,　■-1,　,　■-1,4,24■07,左,　■",
    "15,右,凶■-1,　,　■-1,2,22■-1,　,　■-1,　,　■08,左,凶■",
    "14,　,凶■13,上,具■12,上,具■11,上,具■10,上,具■09,　,凶■",
};
constexpr const char* kBoard32[] = {
    "00,　,ワ■01,下,　■02,下,　■03,下,　■04,　,幸■",
    "17,右,　■-1,2,33■-1,　,　■-1,3,35■05,左,　■",
    "16,右,　■-1,　,　■-1,　,　■-1,　,　■06,左,　■",
    "15,右,凶■-1,4,38■-1,　,　■-1,5,39■07,左,具■",
    "14,右,凶■-1,　,　■-1,1,30■-1,　,　■08,左,具■",
    "13,　,凶■12,上,凶■11,上,逆■10,上,具■09,　,具■",
};
constexpr const char* kBoard33[] = {
    "00,　,T2■01,下,具■02,下,　■03,下,　■04,下,具■05,　,T1■",
    "19,右,　■-1,　,　■-1,7,55■-1,　,　■-1,　,　■06,左,　■",
    "18,右,凶■-1,8,56■-1,　,　■-1,4,46■-1,　,　■07,左,凶■",
    "17,右,凶■-1,　,　■-1,5,49■-1,6,52■-1,2,42■08,左,凶■",
    "16,右,　■-1,　,　■-1,　,　■-1,3,44■-1,1,40■09,左,　■",
    "15,　,T1■14,上,具■13,上,幸■12,上,吉■11,上,具■10,　,L1■",
};

// The per-board settings. Every board starts from the defaults in D50_LoadBoard.
struct BoardRow {
  int board;
  int gridLastX, gridLastY, pathLast;
  int character, stageSign, choiceList;
  int rollsLeft, attacksLeft;
  float luckSpread, womanSpread;
  int piecePos;
  int rerollEvery, rerollMode;
  int heldItems[4];  // all 0: the board gives no items
  int openingPick, picksLeft, giftEvery;
  int madCellLoss, madCellSpread;
  std::span<const char* const> rows;
};
constexpr BoardRow kBoards[] = {
    {0, 5, 5, 19, 1, 1, 0, 50, 25, 0.2f, 0.2f, 5, 1, 20, {}, 0, 0, 0, 20, 2, kBoard0},
    {1, 5, 5, 19, 1, 1, 0, 50, 25, 0.2f, 0.2f, 0, 0, 0, {}, 0, 0, 0, 20, 2, kBoard1},
    {2, 5, 5, 19, 2, 2, 0, 50, 25, 0.2f, 0.2f, 0, 0, 0, {10, 11, 12, 13}, 0, 0, 0, 20, 2, kBoard2},
    {3, 5, 5, 19, 3, 3, 53, 50, 25, 0.2f, 0.2f, 0, 0, 0, {}, 0, 0, 0, 20, 2, kBoard3},
    {4, 5, 5, 19, 1, 4, 54, 50, 25, 0.1f, 0.1f, 0, 0, 0, {}, 0, 0, 0, 20, 2, kBoard4},
    {5, 5, 5, 19, 2, 5, 55, 50, 25, 0.2f, 0.2f, 0, 2, 20, {}, 0, 0, 0, 20, 2, kBoard5},
    {6, 5, 5, 19, 3, 6, 0, 10, 5, 0.2f, 0.2f, 0, 0, 0, {11}, 0, 0, 0, 20, 2, kBoard6},
    {7, 5, 5, 19, 1, 7, 0, 60, 25, 0.0f, 0.0f, 0, 0, 0, {21, 20, 19}, 0, 0, 0, 20, 2, kBoard7},
    {8, 5, 5, 19, 2, 8, 0, 50, 25, 0.2f, 0.2f, 0, 0, 0, {19, 11, 12, 13}, 0, 0, 0, 20, 2, kBoard8},
    {9, 5, 5, 19, 3, 9, 59, 60, 30, 0.1f, 0.1f, 0, 0, 0, {}, -1, 4, 0, 20, 2, kBoard9},
    {10, 5, 5, 19, 6, 10, 60, 30, 15, 0.1f, 0.2f, 0, 0, 0, {}, -1, 4, 0, 20, 2, kBoard10},
    {11, 5, 5, 19, 6, 11, 0, 30, 10, 0.0f, 0.0f, 0, 0, 0, {}, 0, 0, 1, 40, 5, kBoard11},
    {21, 4, 4, 15, 5, 1, 0, 30, 10, 0.0f, 0.0f, 0, 0, 0, {}, 0, 0, 0, 20, 2, kBoard21},
    {22, 4, 4, 15, 5, 2, 0, 50, 25, 0.0f, 0.0f, 0, 0, 0, {}, 0, 0, 0, 20, 2, kBoard22},
    {31, 5, 4, 17, 4, 1, 0, 40, 20, 0.1f, 0.1f, 0, 0, 0, {}, 0, 0, 0, 20, 2, kBoard31},
    {32, 4, 5, 17, 4, 2, 0, 40, 20, 0.1f, 0.1f, 0, 0, 0, {}, 0, 0, 0, 20, 2, kBoard32},
    {33, 5, 5, 19, 4, 3, 32, 50, 25, 0.1f, 0.1f, 0, 0, 0, {}, 0, 0, 0, 20, 2, kBoard33},
};
constexpr int kBoardNumbers[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 21, 22, 31, 32, 33};
static_assert(std::size(kBoardNumbers) == std::size(kBoards));

// Creatures defined before the row strings are read: waiting until AppearTurn.
struct WaitingRow {
  int board, type, slot, appearTurn;
};
constexpr WaitingRow kWaiting[] = {
    {0, 94, 5, 1},     {0, 94, 6, 10},    {0, 94, 7, 10},    {0, 110, 8, 10},   {0, 110, 9, 10},
    {5, 221, 5, 999},  {5, 223, 6, 999},  {8, 335, 10, 999}, {8, 335, 11, 999}, {8, 325, 12, 999},
    {8, 325, 13, 999}, {8, 330, 15, 5},   {8, 331, 16, 9},   {8, 330, 17, 13},  {8, 331, 18, 17},
    {9, 341, 10, 999}, {9, 343, 11, 999}, {9, 346, 12, 999}, {9, 348, 13, 999}, {9, 351, 14, 15},
    {9, 351, 15, 23},  {9, 352, 16, 31},  {9, 352, 17, 39},
};

// Spawn-table entries: chain column, from type, to type (0: a waiting creature of
// the from type is placed), appended in this order.
struct SpawnRow {
  int board, column, fromType, toType;
};
constexpr SpawnRow kSpawns[] = {
    {0, 1, 93, 100},   {0, 1, 94, 0},     {0, 2, 110, 0},    {5, 1, 221, 0},    {5, 1, 223, 0},
    {8, 1, 325, 0},    {8, 1, 325, 0},    {8, 1, 335, 0},    {9, 1, 341, 0},    {9, 1, 343, 0},
    {9, 2, 346, 0},    {9, 2, 348, 0},    {11, 2, 391, 393}, {11, 2, 409, 393}, {11, 3, 393, 395},
    {11, 4, 395, 397}, {11, 5, 397, 399}, {11, 6, 399, 400}, {33, 1, 47, 48},   {33, 1, 50, 48},
    {33, 1, 51, 48},
};

constexpr int kMaxCells = 99;

const BoardRow* FindBoard(int board) {
  for (const BoardRow& row : kBoards) {
    if (row.board == board) return &row;
  }
  return nullptr;
}

void SetDefaults() {
  BoardState.GridLastX = 5;
  BoardState.GridLastY = 5;
  BoardState.PathLast = 19;
  CellSettings.GoodCellGain = 10;
  CellSettings.HappyCellGain = 20;
  CellSettings.BadCellLoss = 10;
  CellSettings.MadCellLoss = 20;
  CellSettings.GoodCellSpread = 2;
  CellSettings.HappyCellSpread = 2;
  CellSettings.BadCellSpread = 2;
  CellSettings.MadCellSpread = 2;
  CellSettings.LuckSpreadFactor = 0.2f;
  CellSettings.WomanSpreadFactor = 0.2f;
  PieceCounters.RerollEvery = 0;
  PieceCounters.RerollMode = 0;
  PieceCounters.AttacksLeft = 20;
  TurnFlow.GiftEvery = 0;
  TurnFlow.OpeningPick = 0;
  TurnFlow.PicksLeft = 0;
}

void ApplySettings(const BoardRow& b) {
  BoardState.GridLastX = b.gridLastX;
  BoardState.GridLastY = b.gridLastY;
  BoardState.PathLast = b.pathLast;
  BoardState.BoardCharacter = b.character;
  BoardState.StageSignNo = b.stageSign;
  BoardState.ChoiceListNo = b.choiceList;
  PieceCounters.PiecePos = b.piecePos;
  PieceCounters.TravelDir = 1;
  PieceCounters.RollsLeft = b.rollsLeft;
  PieceCounters.AttacksLeft = b.attacksLeft;
  CellSettings.LuckSpreadFactor = b.luckSpread;
  CellSettings.WomanSpreadFactor = b.womanSpread;
  CellSettings.MadCellLoss = b.madCellLoss;
  CellSettings.MadCellSpread = b.madCellSpread;
  PieceCounters.RerollEvery = b.rerollEvery;
  PieceCounters.RerollMode = b.rerollMode;
  bool gives = false;
  for (int item : b.heldItems) gives = gives || item != 0;
  if (gives) {
    for (int i = 0; i < 4; ++i) PieceCounters.HeldItems[static_cast<size_t>(i)] = b.heldItems[i];
  }
  TurnFlow.OpeningPick = b.openingPick;
  TurnFlow.PicksLeft = b.picksLeft;
  TurnFlow.GiftEvery = b.giftEvery;
}

int DirCode(const std::string& symbol) {
  for (int i = 0; i < 4; ++i) {
    if (symbol == kDirSymbols[i]) return i + 1;
  }
  return 0;
}

std::string Field(const std::vector<std::string>& fields, int count, int n) {
  return n <= count ? fields[static_cast<size_t>(n)] : std::string();
}

void ReadCell(const std::string& cell, int column, int row) {
  std::vector<std::string> fields;
  int count = 0;
  SplitFields(cell, ",", 3, fields, count);
  const int first = ReadScriptNumber(Field(fields, count, 1));
  if (first < 0) {
    const int slot = ReadScriptNumber(Field(fields, count, 2));
    const int type = ReadScriptNumber(Field(fields, count, 3));
    // Slot 0 is never a creature's; a slot past the table cannot be.
    if (slot <= 0 || !ValidCreatureSlot(slot) || column >= kGridSize || row >= kGridSize) return;
    D50_SetCreature(type, slot, 0);
    CreatureSlot[static_cast<size_t>(slot)].GridX = column;
    CreatureSlot[static_cast<size_t>(slot)].GridY = row;
    OccupancyGrid[static_cast<size_t>(column)][static_cast<size_t>(row)] = slot;
    return;
  }
  if (first >= kPathCellCount) return;
  PathCellRecord& p = PathCell[static_cast<size_t>(first)];
  p.PathX = column;
  p.PathY = row;
  p.PathDir = DirCode(Field(fields, count, 2));
  p.PathKind = CellKindCode(Field(fields, count, 3).c_str());
}

}  // namespace

int CellKindCode(const char* symbol) {
  if (symbol == nullptr) return 0;
  for (const KindSymbol& k : kKindSymbols) {
    if (std::strcmp(symbol, k.symbol) == 0) return k.code;
  }
  return 0;
}

std::span<const char* const> BoardRowStrings(int board) {
  const BoardRow* b = FindBoard(board);
  return b == nullptr ? std::span<const char* const>() : b->rows;
}

std::span<const int> BoardNumbers() { return kBoardNumbers; }

void D50_LoadBoard() {
  SetDefaults();
  const BoardRow* b = FindBoard(BoardState.BoardNumber);
  if (b == nullptr) return;
  ApplySettings(*b);
  for (const WaitingRow& w : kWaiting) {
    if (w.board == b->board) D50_SetCreature(w.type, w.slot, w.appearTurn);
  }
  for (const SpawnRow& s : kSpawns) {
    if (s.board != b->board) continue;
    BoardState.SpawnColumn = s.column;
    D50_AddSpawn(s.fromType, s.toType);
  }
  std::string text;
  for (int row = 0; row <= BoardState.GridLastY && row < static_cast<int>(b->rows.size()); ++row) {
    text += b->rows[static_cast<size_t>(row)];
  }
  std::vector<std::string> cells;
  int count = 0;
  SplitFields(text, "■", kMaxCells, cells, count);
  const int width = BoardState.GridLastX + 1;
  for (int j = 1; j <= count; ++j) ReadCell(cells[static_cast<size_t>(j)], (j - 1) % width, (j - 1) / width);
}
