// The Vadrim board game's records (scene 51): the board and its loop of path cells,
// the occupancy of the inner grid, the piece and turn counters, the per-board cell
// settings, the 100 creature slots, the step scratch of a creature move, the spawn
// table, the creature-event lists, the turn flow's own words, the screen's layer
// numbers and its geometry.
//
// Every board-game file reads and writes these records directly. The grid is
// indexed by column, then row: OccupancyGrid[x][y]. Path cells lie on the border of
// the grid (row 0, row GridLastY, column 0, column GridLastX); creatures stand on
// the inner grid, columns 1 to GridLastX - 1 and rows 1 to GridLastY - 1.
//
// A board is set up, at each start or restart, by the board-start reset (the screen
// layout's kind 10), D50_Reset(1) (progress.h), then D50_LoadBoard
// (layouts.h). TurnNumber and RollsLeft change once per end of turn, not once
// per die throw, so a 連 throw again does not count twice.
#pragma once

#include <array>

inline constexpr int kCreatureSlotCount = 100;
inline constexpr int kPathCellCount = 100;
inline constexpr int kGridSize = 10;  // the occupancy grid's columns and rows
inline constexpr int kSpawnColumnCount = 10;
inline constexpr int kSpawnRowCount = 30;
inline constexpr int kEventListSize = 30;
inline constexpr int kHeldItemCount = 5;  // item slots 0 to 3; entry 4 stays 0

// Path-cell kinds (PathKind), as a board row string writes them.
enum : int {
  kCellPlain = 0,
  kCellGood = 10,       // 吉
  kCellHappy = 11,      // 幸
  kCellBad = 20,        // 凶
  kCellMad = 21,        // 狂
  kCellItem = 30,       // 具
  kCellChoice = 40,     // 選
  kCellReverse = 50,    // 逆
  kCellAgain = 60,      // 連
  kCellWarp = 70,       // ワ
  kCellStop = 80,       // 止
  kCellPower = 90,      // 力
  kCellSeal = 100,      // 封
  kCellThrows = 110,    // タ
  kCellAttacks = 120,   // 攻
  kCellStrikeT1 = 130,  // T1 to T3: 130 to 132
  kCellStrikeL1 = 140,  // L1, L2: 140, 141
  kCellChange0 = 150,   // ﾍ0 to ﾍ2: 150 to 152
};

struct BoardStateRecord {
  int BoardNumber = 0;     // 0, 1 to 11, 21, 22, 31 to 33
  int BoardCharacter = 0;  // 1 to 6: the piece picture and the omens' subject
  int GridLastX = 0;       // 5 for six columns, 4 for five
  int GridLastY = 0;       // 5 for six rows, 4 for five
  int PathLast = 0;        // 19 on 6 by 6, 15 on 5 by 5, 17 on 6 by 5 and 5 by 6
  int StageSignNo = 0;     // the stage-title sign (picture kind 82)
  int ChoiceListNo = 0;    // 0, 32, 53, 54, 55, 59 or 60
  int SpawnColumn = 0;     // the spawn-table column D50_AddSpawn appends to
};
extern BoardStateRecord BoardState;

// PathDir is the side facing the inner grid: 1 up, 2 right, 3 down, 4 left, 0 corner.
// Entries past PathLast keep whatever an earlier board left.
struct PathCellRecord {
  int PathX = 0;
  int PathY = 0;
  int PathDir = 0;
  int PathKind = 0;
};
extern std::array<PathCellRecord, kPathCellCount> PathCell;

// By column, then row: 0 empty, else the creature slot standing there.
extern std::array<std::array<int, kGridSize>, kGridSize> OccupancyGrid;

struct PieceCountersRecord {
  int PiecePos = 0;   // path-cell index of the piece
  int TravelDir = 0;  // +1 forwards, -1 backwards
  int TurnNumber = 0;
  int RollsLeft = 0;    // タ adds 6, up to 99
  int AttacksLeft = 0;  // 攻 adds 3, up to 99
  int LuckGauge = 0;    // 運, 0 to 100
  int WomanGauge = 0;   // 女, 0 to 100
  int DangerLevel = 0;  // 0 to 5
  int StopTurns = 0;
  int PowerTurns = 0;
  int SealTurns = 0;
  int RerollEvery = 0;  // a path cell's kind is drawn anew every this many turns; 0 never
  int RerollMode = 0;
  int RerollCounter = 0;
  std::array<int, kHeldItemCount> HeldItems = {};
};
extern PieceCountersRecord PieceCounters;

struct CellSettingsRecord {
  int GoodCellGain = 0;
  int GoodCellSpread = 0;
  int HappyCellGain = 0;
  int HappyCellSpread = 0;
  int BadCellLoss = 0;
  int BadCellSpread = 0;
  int MadCellLoss = 0;
  int MadCellSpread = 0;
  // Relative spreads of a creature's gauge changes, kept in single precision as
  // the gauge arithmetic relies on (0.2f is slightly above 0.2).
  float LuckSpreadFactor = 0.0f;
  float WomanSpreadFactor = 0.0f;
};
extern CellSettingsRecord CellSettings;

// One creature slot; CreatureType 0 is an empty slot. Slot 0 is never given a
// creature. The fields from PictureNo to MergeChain come from the type's definition.
struct CreatureSlotRecord {
  int CreatureType = 0;  // 1 to 409
  int Waiting = 0;       // 1 defined but not yet on the grid
  int AppearTurn = 0;    // the TurnNumber it arrives at; 999 only through a chain
  int GridX = 0;
  int GridY = 0;
  int PictureNo = 0;  // cell (PictureNo mod 10, PictureNo \ 10) of the creature sheet
  int HitPoints = 0;
  int CreatureMoveType = 0;
  int MoveDir = 0;  // 1 up, 2 right, 3 down, 4 left, 0 none
  int MoveEvery = 0;
  int MoveTarget = 0;  // the type a chaser heads for
  int AfterEatMoveType = 0;
  int TouchLuck = 0;
  int TouchWoman = 0;
  int GoneLuck = 0;
  int GoneWoman = 0;
  int GoneChangeTo = 0;
  int TurnLuck = 0;
  int TurnWoman = 0;
  int TurnEvery = 0;
  int Lifespan = 0;
  int EndLuck = 0;
  int EndWoman = 0;
  int EndChangeTo = 0;
  int MergeInto = 0;  // -1 eats its target, a type merges into it, 0 not a chaser
  int ChangeChain = 0;
  int DeathChain = 0;
  int MergeChain = 0;
  int LastStepResult = 0;
  int NextX = 0;
  int NextY = 0;
  int BumpCount = 0;
  int MoveWaitCount = 0;    // turns since it last acted in the movement phase
  int TurnEffectCount = 0;  // turns since its last periodic gauge change
};
extern std::array<CreatureSlotRecord, kCreatureSlotCount> CreatureSlot;

struct StepScratchRecord {
  int ActiveCreature = 0;  // the slot being moved, drawn or placed
  int TargetSlot = 0;      // found by D50_FindTarget, 0 none
  int StepX = 0;
  int StepY = 0;
  int StepDir = 0;
  int StepResult = 0;
  int BlockerSlot = 0;
  int BlockerLastResult = 0;
};
extern StepScratchRecord StepScratch;

// SpawnTable[column][row]; a column ends at the first row whose SpawnFromType is 0.
// The column number is the chain number.
struct SpawnEntryRecord {
  int SpawnFromType = 0;
  int SpawnToType = 0;
};
extern std::array<std::array<SpawnEntryRecord, kSpawnRowCount>, kSpawnColumnCount> SpawnTable;

// The creatures of the current event phase and their gauge changes.
struct CreatureEventsRecord {
  std::array<int, kEventListSize> EventSlot = {};
  std::array<int, kEventListSize> EventFlag = {};  // 0 or -1
  std::array<int, kEventListSize> PendingLuck = {};
  std::array<int, kEventListSize> PendingWoman = {};
  int EventLast = 0;  // index of the last entry, -1 none
  int LuckTotal = 0;  // the sums of the pending changes over entries 0 to EventLast
  int WomanTotal = 0;
  int LuckChanged = 0;  // -1 once an event of the phase listed a change
  int WomanChanged = 0;
  int EventAnimKind = 0;    // the overlay picture of the blink-out and hop animations
  int GaugeEventOrigin = 0;  // where the gauge sequence goes on: 0 hits, 1 removals, 2 and 3 the life phase
  int ChainCount = 0;        // chains waiting to fire, ChainList 1 to ChainCount
  std::array<int, kCreatureSlotCount> ChainList = {};
  int MotionLastSlot = 0;  // motion slots 0 to this hold the creatures that blink out
  std::array<int, kEventListSize> MotionActive = {};  // -1 while the slot moves in the current animation
};
extern CreatureEventsRecord CreatureEvents;

// The turn flow's own words (the board screen's state machine).
struct TurnFlowRecord {
  int ReturnState = 0;
  int ReturnStep = 0;
  int DieValue = 0;
  int StepsLeft = 0;
  int LandedKind = 0;
  int DangerRose = 0;
  int MovePhaseDone = 0;  // the three once-per-turn flags, 0 or -1
  int LifePhaseDone = 0;
  int RerollChecked = 0;
  int GiftEvery = 0;  // a periodic item gift every this many turns, 0 none
  int GiftCounter = 0;
  int OpeningPick = 0;  // -1 opens the board with the item pick
  int PicksLeft = 0;
  int RulesPage = 0;
  int NewCellIndex = 0;
  int NewCellKind = 0;
  int ChangedCell = 0;
  int NoCreatureFlag = 0;  // -1 once the no-creature check started the failure
  int HoverIndex = 0;
};
extern TurnFlowRecord TurnFlow;

// The screen's layer numbers, set once by the screen layout.
struct BoardLayersRecord {
  int BoardLayer = 0;
  int PieceLayer = 0;
  int DieLayer = 0;
  int BannerLayer = 0;
  int ConfirmButtonFirstBox = 0;
  int StrikeArrowLayer = 0;
  int TileLayer = 0;
  int ItemPanelLayer = 0;
  int TurnButtonFirstBox = 0;
  int ArrowLayer = 0;
  int MenuButtonFirstBox = 0;
  int TurnMarkerLayer = 0;
  int ChoiceButtonFirstBox = 0;
  int HighlightLayer = 0;
  int BadgeLayer = 0;
  int GaugeLayer = 0;
  int CreatureFirstLayer = 0;  // slot s is drawn in CreatureFirstLayer - 1 + s
  int BackdropLayer = 0;
  int TopLayer = 0;
};
extern BoardLayersRecord BoardLayers;
// The layer creature slot `slot` is drawn in.
inline int CreatureLayer(int slot) { return BoardLayers.CreatureFirstLayer - 1 + slot; }

// Pixel sizes of a grid cell, the piece and a creature, and the board's place on
// the screen.
struct BoardGeometryRecord {
  int CellSize = 100;
  int PieceSize = 70;
  int CreatureSize = 90;
  int BoardLeft = 0;
  int BoardTop = 0;
};
extern BoardGeometryRecord BoardGeometry;

// Whether (x, y) is a cell of the inner grid of the loaded board.
bool InnerCell(int x, int y);
// The path cell one step from pos in direction dir (+1 or -1), wrapping from
// PathLast to 0 and from 0 to PathLast.
int NextPathCell(int pos, int dir);
// Whether slot is 0 to 99.
inline bool ValidCreatureSlot(int slot) { return slot >= 0 && slot < kCreatureSlotCount; }

void ResetBoardState();
