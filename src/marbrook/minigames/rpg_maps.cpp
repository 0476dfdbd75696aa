// The role-playing game's six maps, kept as the row strings they are written in and
// parsed into MapCells; the scrolling of the map under the fixed hero, the move
// test and the map changes.
#include <cstdlib>
#include <vector>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "marbrook/marbrook_pictures.h"
#include "marbrook/marbrook_sounds.h"
#include "marbrook/minigames/rpg.h"

namespace {

// Castle top floor, the king's hall.
constexpr const char* kMap0[] = {
    "■,■,■,■,■,■,■,■,■,■,■,■,■", "■,■,■,　,　,■,10,■,　,　,■,■,■", "■,■,■,■,　,　,　,　,　,■,■,■,■",
    "■,■,■,　,　,　,　,　,　,　,■,■,■", "■,■,■,　,　,　,　,　,　,　,■,■,■", "■,■,■,　,11,　,　,　,12,　,■,■,■",
    "■,■,■,　,　,　,　,　,　,　,■,■,■", "■,■,■,　,　,13,　,14,　,　,■,■,■", "■,■,■,■,■,　,　,　,■,■,■,■,■",
    "■,　,17,　,■,■,　,■,■,　,　,　,■", "■,　,　,　,■,■,　,■,■,　,　,　,■", "■,　,　,■,■,　,　,　,■,■,　,■,■",
    "■,　,　,　,　,15,　,16,　,　,　,　,■", "■,　,　,　,　,　,　,　,　,　,　,　,■", "■,　,18,　,　,　,　,　,　,　,　,　,■",
    "■,　,　,　,　,　,　,　,　,　,19,　,■", "■,■,■,■,■,■,■,■,　,　,■,■,■", "■,　,　,　,　,　,　,　,　,　,　,　,■",
    "■,90,　,　,　,　,　,　,　,　,20,　,■", "■,■,■,■,■,■,■,■,■,■,■,■,■",
};

// Castle middle floor.
constexpr const char* kMap1[] = {
    "■,■,■,■,■,■,■,■,■,■,■,■,■", "■,50,　,　,　,■,　,　,■,　,　,91,■", "■,　,■,■,　,　,　,　,　,　,　,　,■",
    "■,51,　,　,　,■,　,　,　,　,　,10,■", "■,■,■,■,■,■,　,　,　,　,　,　,■", "■,11,　,■,　,　,　,　,　,　,　,　,■",
    "■,■,　,　,　,　,　,　,■,　,　,■,■", "■,　,　,■,　,　,　,12,■,■,■,■,■", "■,■,■,■,■,　,　,　,■,　,　,55,■",
    "■,　,13,　,■,　,　,　,　,　,14,■,■", "■,　,　,　,　,　,　,　,■,　,　,56,■", "■,■,■,■,■,　,　,　,■,■,■,■,■",
    "■,　,　,　,■,　,　,　,■,■,■,■,■", "■,　,■,　,　,　,　,　,　,　,　,15,■", "■,　,　,　,■,　,　,　,■,■,■,■,■",
    "■,■,■,■,■,■,　,■,■,■,■,■,■", "■,　,　,　,16,　,　,　,■,　,　,　,■", "■,　,　,　,　,　,　,　,　,　,　,17,■",
    "■,90,　,　,　,　,　,　,■,　,　,　,■", "■,■,■,■,■,■,■,■,■,■,■,■,■",
};

// Castle ground floor.
constexpr const char* kMap2[] = {
    "■,■,■,■,■,■,■,■,■,■,■,■,■,■,■,■,■",
    "■,　,50,　,10,■,　,　,51,　,■,　,　,　,　,90,■",
    "■,　,　,　,　,　,　,　,　,　,■,11,　,　,　,　,■",
    "■,54,　,　,　,　,　,12,　,　,　,　,　,　,　,　,■",
    "■,　,　,　,　,　,　,　,　,　,　,　,　,　,　,13,■",
    "■,■,　,　,　,　,　,　,　,　,■,14,　,　,　,　,■",
    "■,■,　,　,　,　,　,　,　,　,■,　,　,　,　,　,■",
    "■,　,　,　,　,　,　,　,　,　,■,■,　,　,　,■,■",
    "■,55,15,　,　,　,　,　,　,56,■,　,　,　,　,　,■",
    "■,　,　,　,　,　,　,　,　,16,■,　,　,　,　,　,■",
    "■,　,52,　,　,■,　,　,53,　,■,　,　,　,　,　,■",
    "■,■,■,■,■,■,■,■,■,■,■,■,　,　,　,■,■",
    "■,　,■,　,　,■,　,■,　,　,17,　,　,　,　,　,■",
    "■,　,　,　,　,　,　,　,　,　,　,　,　,　,　,　,■",
    "■,　,　,　,　,　,　,　,　,　,　,　,　,　,　,　,■",
    "■,　,18,　,　,19,　,■,■,　,■,■,■,■,　,■,■",
    "■,　,　,　,　,　,　,■,　,　,　,20,　,　,　,■,■",
    "■,　,■,　,　,■,　,■,■,　,　,　,　,　,　,　,■",
    "■,　,■,　,　,■,　,■,■,　,62,61,60,　,21,■,■",
    "■,■,■,91,92,■,■,■,■,■,■,■,■,■,■,■,■",
};

// The castle town.
constexpr const char* kMap3[] = {
    "■,■,■,■,■,■,■,■,■,■,■,■,■,■,■,■,■,■,90,91,■,■,■,■,■,■,■",
    "■,■,　,■,■,■,■,■,■,38,■,　,　,　,　,　,■,■,　,　,■,■,　,　,■,■,■",
    "■,　,　,■,50,　,　,■,■,　,　,　,■,■,■,　,　,■,　,　,■,　,　,■,10,　,■",
    "■,11,　,■,■,　,12,■,■,■,　,■,■,13,■,　,　,　,　,　,　,　,　,　,　,　,■",
    "■,　,　,　,　,　,　,　,　,　,　,　,　,　,　,　,　,14,　,　,15,　,■,■,■,■,■",
    "■,■,■,■,■,■,　,　,　,　,　,16,　,　,　,　,　,　,　,　,　,　,■,51,　,52,■",
    "■,■,■,■,17,■,■,　,　,18,19,　,　,　,　,　,20,　,　,　,　,　,■,　,　,　,■",
    "■,■,■,　,　,　,　,　,　,■,　,　,　,21,　,■,　,　,　,　,　,　,　,　,■,　,■",
    "■,■,■,■,■,■,　,　,　,　,■,■,■,■,　,　,■,　,　,　,　,■,　,22,■,■,■",
    "■,　,　,　,　,　,　,　,　,　,■,23,　,　,　,　,　,■,　,　,■,■,■,■,■,■,■",
    "■,24,■,■,■,　,　,■,　,　,■,■,■,■,■,■,■,■,　,　,■,■,■,■,■,■,■",
    "■,　,■,25,■,　,■,■,　,■,■,　,26,■,■,■,　,　,　,　,　,　,■,■,■,■,■",
    "■,　,　,　,　,　,■,27,　,28,■,　,　,　,■,　,　,29,　,　,　,　,■,　,　,　,■",
    "■,　,■,■,■,　,■,■,　,■,■,　,■,■,■,■,　,　,　,　,　,　,　,　,30,　,■",
    "■,　,■,31,■,　,　,■,　,　,　,　,■,　,　,■,■,　,　,　,　,　,■,59,■,■,■",
    "■,　,　,　,　,　,　,　,　,33,　,　,■,32,■,■,■,■,　,　,■,　,■,　,55,■,■",
    "■,　,■,■,■,　,　,　,　,　,　,　,　,　,　,　,　,　,　,　,　,■,■,57,　,56,■",
    "■,　,■,　,34,　,　,　,　,　,　,　,　,　,　,35,　,　,　,　,　,　,■,58,　,■,■",
    "■,60,■,■,■,36,　,　,37,　,　,　,　,　,　,　,　,■,　,　,■,　,　,　,　,■,■",
    "■,■,■,■,■,■,92,92,■,■,■,■,■,■,■,■,■,■,■,■,■,■,■,■,■,■,■",
};

// The kidnapper's lair: one corridor of two cells. The rows give 12 cells while
// MapLastX is 12; the 13th column is walled off and never reached.
constexpr const char* kMap4[] = {
    "■,■,■,■,■,■,■,■,■,■,■,■", "■,■,■,■,■,■,■,■,■,■,■,■", "■,■,■,■,■,■,■,■,■,■,■,■",
    "■,■,■,■,■,■,■,■,■,■,■,■", "■,■,■,■,■,■,■,■,■,■,■,■", "■,■,■,■,■,91,■,■,■,■,■,■",
    "■,■,■,■,■,90,■,■,■,■,■,■", "■,■,■,■,■,■,■,■,■,■,■,■", "■,■,■,■,■,■,■,■,■,■,■,■",
    "■,■,■,■,■,■,■,■,■,■,■,■", "■,■,■,■,■,■,■,■,■,■,■,■", "■,■,■,■,■,■,■,■,■,■,■,■",
    "■,■,■,■,■,■,■,■,■,■,■,■",
};

// Before the castle, after the rescue.
constexpr const char* kMap5[] = {
    "■,■,■,■,■,　,　,■,　,　,■,■,■,■",   "■,　,■,　,■,　,■,■,　,■,■,　,　,■", "■,　,　,　,　,　,■,　,　,　,■,　,　,　",
    "■,　,■,■,■,　,■,■,　,■,■,　,■,■", "■,　,■,　,■,　,　,■,　,　,　,　,■,　", "■,　,　,　,　,　,　,　,　,　,　,　,■,　",
    "■,　,■,■,■,　,15,　,　,　,　,　,　,　", "■,　,■,　,■,11,　,12,　,　,　,　,　,　", "■,　,■,■,■,10,　,12,■,　,　,　,　,　",
    "■,■,■,■,■,■,　,12,■,■,■,■,■,■",
};

struct MapRow {
  std::span<const char* const> rows;
  int lastX, lastY;
};
const MapRow kMaps[kRpgMapCount] = {
    {kMap0, 12, 19}, {kMap1, 12, 19}, {kMap2, 16, 19}, {kMap3, 26, 19}, {kMap4, 12, 12}, {kMap5, 13, 9},
};

// A map change: from map and code to map, column, row and music (0 unchanged).
struct ChangeRow {
  int fromMap, code, toMap, column, row, music;
};
constexpr ChangeRow kChanges[] = {
    {0, 0, 0, 6, 2, 0},   {0, 90, 1, 1, 18, 0},  {1, 90, 0, 1, 18, 0},  {1, 91, 2, 15, 1, 0},
    {2, 90, 1, 11, 1, 0}, {2, 91, 3, 18, 0, 501}, {2, 92, 3, 19, 0, 501}, {3, 90, 2, 3, 19, 500},
    {3, 91, 2, 4, 19, 500}, {3, 92, 4, 5, 6, 502},
};

// The number a cell's text stands for: its leading digits, 0 for anything else
// (the full-width space of a floor cell among them).
int CellValue(const std::string& text) {
  if (text == "■") return 1;
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  int value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && value < 10000; ++i) value = value * 10 + (text[i] - '0');
  return value;
}

void SetCell(int column, int row, int value) {
  if (column < -1 || column > 99 || row < -1 || row > 99) return;
  RpgState.MapCells[static_cast<size_t>(column + 1)][static_cast<size_t>(row + 1)] = value;
}

void Arrive(int map, int column, int row) {
  RpgState.MapNumber = map;
  RpgState.HeroX = column;
  RpgState.HeroY = row;
}

}  // namespace

std::span<const char* const> G05_MapRows(int map) {
  if (map < 0 || map >= kRpgMapCount) return {};
  return kMaps[map].rows;
}

void RpgPrepareMapLayer() {
  const int layer = RpgState.G05MapBox;
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {ScreenSize.ScreenWidth, LayerTop(layer), LayerWidth(layer), LayerHeight(layer)};
  DrawState.AutoRaiseOn = 0;  // preparing it must not raise it over the hero
  PrepareLayer(kPreparePictureShown);
  LayerToBack(layer);
}

void G05_LoadMap(int map) {
  RpgPrepareMapLayer();
  C00_LoadPicture(1, kRpgPictureMap, map);
  if (map < 0 || map >= kRpgMapCount) return;
  RpgState.MapLastX = kMaps[map].lastX;
  RpgState.MapLastY = kMaps[map].lastY;
  std::vector<std::string> cells;
  int count = 0;
  int row = 0;
  for (const char* text : kMaps[map].rows) {
    SplitFields(text, ",", 99, cells, count);
    for (int j = 1; j <= count; ++j) SetCell(j - 1, row, CellValue(cells[static_cast<size_t>(j)]));
    ++row;
  }
}

void G05_ScrollMap() {
  RpgStateRecord& rpg = RpgState;
  const int layer = rpg.G05MapBox;
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {rpg.HeroSpotX - rpg.G05CellSize * rpg.HeroX, rpg.HeroSpotY - rpg.G05CellSize * rpg.HeroY,
                           LayerWidth(layer), LayerHeight(layer)};
  const Rect& r = DrawState.CurrentRect;
  MoveLayer(layer, r.X, r.Y, r.Width, r.Height);
}

void G05_JudgeMove() {
  RpgStateRecord& rpg = RpgState;
  rpg.TargetX = rpg.HeroX;
  rpg.TargetY = rpg.HeroY;
  rpg.MoveKind = 1;
  switch (rpg.G05Direction) {
    case 1: --rpg.TargetY; break;
    case 2: ++rpg.TargetX; break;
    case 3: ++rpg.TargetY; break;
    case 4: --rpg.TargetX; break;
    default: rpg.MoveKind = 0; return;
  }
  // The edge is judged before the grid is read, so a step off the map never reads
  // past it.
  if (rpg.TargetX < 0 || rpg.TargetX > rpg.MapLastX || rpg.TargetY < 0 || rpg.TargetY > rpg.MapLastY) {
    rpg.MoveKind = 0;
    return;
  }
  rpg.TargetCode = RpgCell(rpg.TargetX, rpg.TargetY);
  if (rpg.TargetCode == 1) rpg.MoveKind = 0;
  else if (rpg.TargetCode >= 10 && rpg.TargetCode <= 89) rpg.MoveKind = 2;
  else if (rpg.TargetCode >= 90 && rpg.TargetCode <= 99) rpg.MoveKind = 3;
}

void G05_ChangeMap() {
  const int map = RpgState.MapNumber;
  const int code = RpgState.TargetCode;
  if (map == 4 && code == 90) {
    C15_PlayMusic(501);
    if (RpgState.SlimeBeaten == 1) {
      Arrive(5, 6, 9);
      // The rescued princess walks beside the hero, fixed on the screen.
      RpgSpriteLayer(RpgState.G05HeroBox + 2, 1, RpgState.HeroSpotX + RpgState.G05CellSize, RpgState.HeroSpotY);
    } else {
      Arrive(3, 6, 19);
    }
  } else if (map == 4 && code == 91) {
    G05_SetupEnemy("0");
    GoToNextTick(kRpgBattle, 0);
  } else {
    for (const ChangeRow& c : kChanges) {
      if (c.fromMap != map || c.code != code) continue;
      Arrive(c.toMap, c.column, c.row);
      if (c.music != 0) C15_PlayMusic(c.music);
      break;
    }
  }
  G05_LoadMap(RpgState.MapNumber);
  G05_ScrollMap();
}
