#include "vadrim/board/progress.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "engine/frame_model.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/numeric.h"
#include "engine/sound_channels.h"
#include "engine/string_utils.h"
#include "games/timed_effects.h"
#include "platform/platform.h"
#include "vadrim/board/creature_movement.h"
#include "vadrim/board/model.h"
#include "vadrim/board/screen.h"
#include "vadrim/vadrim_mode.h"
#include "vadrim/vadrim_pictures.h"
#include "vadrim/vadrim_save.h"

namespace {

// The story stage each board hands back to when it is cleared.
struct StageRow {
  int board, stage;
};
constexpr StageRow kBoardStages[] = {
    {1, 31},  {2, 32},  {3, 33},  {4, 41},  {5, 42},  {6, 43},  {7, 51},  {8, 52},
    {9, 53},  {10, 54}, {11, 56}, {21, 11}, {22, 12}, {31, 21}, {32, 22}, {33, 23},
};

// The route and board index under which a board's start is recorded.
struct RouteRow {
  int firstBoard, lastBoard, route;
};
constexpr RouteRow kRoutes[] = {{21, 22, 0}, {31, 33, 1}, {1, 11, 2}};

constexpr int kPlaceDraws = 1000;

// A creature's gauge value spread by a single-precision factor: the bounds are
// formed in double precision from the float and rounded half to even.
int SpreadValue(int value, float factor) {
  const double m = std::abs(static_cast<double>(value));
  const double f = static_cast<double>(factor);
  const int lo = RoundHalfEven(m - m * f);
  const int hi = RoundHalfEven(m + m * f);
  int d = RandomRange(lo, hi);
  if (d < 1) d = 1;
  return value < 0 ? -d : d;
}

void Place(CreatureSlotRecord& c, int x, int y) {
  c.GridX = x;
  c.GridY = y;
  OccupancyGrid[static_cast<size_t>(x)][static_cast<size_t>(y)] = StepScratch.ActiveCreature;
}

bool FreeInnerCell(int x, int y) {
  return InnerCell(x, y) && OccupancyGrid[static_cast<size_t>(x)][static_cast<size_t>(y)] == 0;
}

}  // namespace

int BoardStoryStage(int board) {
  for (const StageRow& row : kBoardStages) {
    if (row.board == board) return row.stage;
  }
  return -1;
}

void D50_Reset(int kind) {
  switch (kind) {
    case 1:
      for (int slot = 0; slot < kCreatureSlotCount; ++slot) D50_ClearSlot(0, slot);
      SpawnTable = {};
      break;
    case 10:
      TurnFlow.MovePhaseDone = 0;
      TurnFlow.LifePhaseDone = 0;
      TurnFlow.RerollChecked = 0;
      break;
    case 20:
      CreatureEvents.EventSlot = {};
      CreatureEvents.PendingWoman = {};
      CreatureEvents.PendingLuck = {};
      CreatureEvents.EventFlag = {};
      CreatureEvents.WomanTotal = 0;
      CreatureEvents.LuckTotal = 0;
      CreatureEvents.LuckChanged = 0;
      CreatureEvents.WomanChanged = 0;
      break;
    default: break;
  }
}

void D50_AddSpawn(int fromType, int toType) {
  const int column = BoardState.SpawnColumn;
  if (column < 0 || column >= kSpawnColumnCount) return;
  for (SpawnEntryRecord& entry : SpawnTable[static_cast<size_t>(column)]) {
    if (entry.SpawnFromType == 0) {
      entry.SpawnFromType = fromType;
      entry.SpawnToType = toType;
      return;
    }
  }
}

void D50_Leave(int /*unused*/) {
  const int stage = BoardStoryStage(BoardState.BoardNumber);
  if (stage >= 0) SceneCursor.StageNumber = stage;
  SceneCursor.SceneCode = kConversationScene;
  SceneCursor.SceneState = 0;
  SceneCursor.SceneStep = 10;
  Wait(0, 0);
}

void D50_Music(int kind) {
  if (kind != 0) return;
  const std::string path = tq::ThePlatform().ProgramFolder() + "\\Kespa_Data\\KespaSnd\\om-2.MP3";
  tq::ThePlatform().Sound().STReadMP3File(MusicChannel, path, 0);
  ApplyMusicVolume();
  PlayChannel(MusicChannel, -1);
}

void D50_GaugeDelta(int kind, int index) {
  if (index < 0 || index >= kEventListSize) return;
  if (!ValidCreatureSlot(StepScratch.ActiveCreature)) return;
  const CreatureSlotRecord& c = CreatureSlot[static_cast<size_t>(StepScratch.ActiveCreature)];
  int luck = 0;
  int woman = 0;
  switch (kind) {
    case 0: luck = c.TouchLuck, woman = c.TouchWoman; break;
    case 1:
      if (c.HitPoints > 0) return;
      luck = c.GoneLuck, woman = c.GoneWoman;
      break;
    case 2: luck = c.TurnLuck, woman = c.TurnWoman; break;
    case 3: luck = c.EndLuck, woman = c.EndWoman; break;
    default: return;
  }
  const size_t i = static_cast<size_t>(index);
  if (luck != 0) {
    CreatureEvents.PendingLuck[i] = SpreadValue(luck, CellSettings.LuckSpreadFactor);
    CreatureEvents.LuckChanged = -1;
  } else if (woman != 0) {
    CreatureEvents.PendingWoman[i] = SpreadValue(woman, CellSettings.WomanSpreadFactor);
    CreatureEvents.WomanChanged = -1;
  }
}

bool D50_PlaceRandom() {
  if (!ValidCreatureSlot(StepScratch.ActiveCreature)) return false;
  CreatureSlotRecord& c = CreatureSlot[static_cast<size_t>(StepScratch.ActiveCreature)];
  const int lastX = BoardState.GridLastX - 1;
  const int lastY = BoardState.GridLastY - 1;
  if (lastX < 1 || lastY < 1) return false;
  for (int draw = 0; draw < kPlaceDraws; ++draw) {
    const int x = RandomRange(1, lastX);
    const int y = RandomRange(1, lastY);
    if (FreeInnerCell(x, y)) {
      Place(c, x, y);
      return true;
    }
  }
  // A nearly full grid can outlast the draws; the creature still needs a cell of its own.
  for (int y = 1; y <= lastY; ++y) {
    for (int x = 1; x <= lastX; ++x) {
      if (FreeInnerCell(x, y)) {
        Place(c, x, y);
        return true;
      }
    }
  }
  return false;
}

void D50_NoCreatureCheck() {
  for (int slot = 1; slot < kCreatureSlotCount; ++slot) {
    const CreatureSlotRecord& c = CreatureSlot[static_cast<size_t>(slot)];
    if (c.Waiting == 0 && c.CreatureType >= 1) return;
  }
  DrawState.CurrentLayer = BoardLayers.BannerLayer;
  DrawState.CurrentRect = {CentreX(700), -200, 700, 200};
  PrepareLayer(kPreparePictureShown);
  D00_LoadPicture(1, 99, 2);
  DrawState.TargetRect = {CentreX(700), CentreY(200), 700, 200};
  SceneCursor.SceneState = kBoardFailed;
  SceneCursor.SceneStep = 0;
  TurnFlow.NoCreatureFlag = -1;
  EffectParams.EffectFrames = 40;
  RunEffect(kEffectMove, EffectEnd::kReturn);  // the failure starts at the next click
}

void D50_RecordProgress(int kind) {
  if (kind == 0) {
    const int board = BoardState.BoardNumber;
    int route = 0;
    int stage = 0;
    for (const RouteRow& r : kRoutes) {
      if (board >= r.firstBoard && board <= r.lastBoard) {
        route = r.route;
        stage = board - r.firstBoard + 1;
      }
    }
    VadrimProgress.GameStageOpened[route][stage] = 1;
  } else if (kind == 1) {
    switch (BoardState.BoardNumber) {
      case 11: VadrimProgress.RouteCleared[2] = 1; break;
      case 22: VadrimProgress.RouteCleared[0] = 1; break;
      case 33: VadrimProgress.RouteCleared[1] = 1; break;
      default: break;
    }
  }
  D10_SaveWrite();
}

void SumPendingChanges() {
  CreatureEvents.LuckTotal = 0;
  CreatureEvents.WomanTotal = 0;
  for (int i = 0; i <= CreatureEvents.EventLast && i < kEventListSize; ++i) {
    CreatureEvents.LuckTotal += CreatureEvents.PendingLuck[static_cast<size_t>(i)];
    CreatureEvents.WomanTotal += CreatureEvents.PendingWoman[static_cast<size_t>(i)];
  }
}
