#include "vadrim/board/model.h"

BoardStateRecord BoardState;
std::array<PathCellRecord, kPathCellCount> PathCell;
std::array<std::array<int, kGridSize>, kGridSize> OccupancyGrid;
PieceCountersRecord PieceCounters;
CellSettingsRecord CellSettings;
std::array<CreatureSlotRecord, kCreatureSlotCount> CreatureSlot;
StepScratchRecord StepScratch;
std::array<std::array<SpawnEntryRecord, kSpawnRowCount>, kSpawnColumnCount> SpawnTable;
CreatureEventsRecord CreatureEvents;
TurnFlowRecord TurnFlow;
BoardLayersRecord BoardLayers;
BoardGeometryRecord BoardGeometry;

bool InnerCell(int x, int y) {
  return x >= 1 && x <= BoardState.GridLastX - 1 && y >= 1 && y <= BoardState.GridLastY - 1 && x < kGridSize &&
         y < kGridSize;
}

int NextPathCell(int pos, int dir) {
  const int next = pos + dir;
  if (next < 0) return BoardState.PathLast;
  if (next > BoardState.PathLast) return 0;
  return next;
}

void ResetBoardState() {
  BoardState = BoardStateRecord{};
  PathCell = {};
  OccupancyGrid = {};
  PieceCounters = PieceCountersRecord{};
  CellSettings = CellSettingsRecord{};
  CreatureSlot = {};
  StepScratch = StepScratchRecord{};
  SpawnTable = {};
  CreatureEvents = CreatureEventsRecord{};
  TurnFlow = TurnFlowRecord{};
  BoardLayers = BoardLayersRecord{};
  BoardGeometry = BoardGeometryRecord{};
}
