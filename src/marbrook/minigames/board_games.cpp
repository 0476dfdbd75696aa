#include "marbrook/minigames/board_games.h"

#include <cstdlib>
#include <span>
#include <vector>

#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "marbrook/marbrook_mode.h"
#include "marbrook/marbrook_pictures.h"
#include "marbrook/marbrook_sounds.h"
#include "games/screen_buttons.h"
#include "games/timed_effects.h"
#include "games/motion_slot_store.h"
#include "platform/platform.h"
#include "scenario/motion_curves.h"

BoardGameStateRecord BoardGameState;

namespace board_games {


void Glide(int layer, int fromX, int fromY, int toX, int toY, int frames, int delay, int motionKind) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {fromX, fromY, LayerWidth(layer), LayerHeight(layer)};
  DrawState.TargetRect = {toX, toY, LayerWidth(layer), LayerHeight(layer)};
  EffectParams.EffectFrames = frames;
  EffectParams.EffectFrameDelay = delay;
  EffectParams.EffectMotionKind = motionKind;
  RunEffect(kEffectMove, EffectEnd::kReturn);
}

void PrepareWithPicture(int layer, int x, int y, int w, int h, int kind, int number) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {x, y, w, h};
  PrepareLayer(kPreparePictureShown);
  C00_LoadPicture(1, kind, number);
}

void StoreSlot(int slot, int layer, int x0, int y0, int x1, int y1) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {x0, y0, LayerWidth(layer), LayerHeight(layer)};
  DrawState.TargetRect = {x1, y1, LayerWidth(layer), LayerHeight(layer)};
  D50_StoreSprite(slot);
}

void MoveSlots(int lastSlot, int frames, int motionKind) {
  EffectParams.EffectLastSlot = lastSlot;
  EffectParams.EffectFrames = frames;
  EffectParams.EffectFrameDelay = kDefaultDelay;
  EffectParams.EffectMotionKind = motionKind;
  RunEffect(kEffectMoveSlots, EffectEnd::kReturn);
}

}  // namespace board_games

using namespace board_games;

namespace {

constexpr int kSceneCode = 52;

constexpr int kLifeButtons = 10;  // ButtonMode of the life choice
constexpr int kRaceButtons = 20;

// The boards, one text per grid row, top row first.
constexpr const char* kLifeBoard[] = {
    "06,02■07,死■08,死■09,死■10,死■11,死■12,03■13,死■14,死■15,04■16,死■",
    "05,死■-1,□■-1,□■-1,□■-1,□■-1,□■-1,□■-1,□■-1,□■-1,□■17,死■",
    "04,死■-1,□■34,死■35,09■36,死■37,死■38,死■39,死■40,10■-1,□■18,05■",
    "03,01■-1,□■33,死■-1,□■-1,□■-1,□■-1,□■-1,□■41,死■-1,□■19,死■",
    "02,死■-1,□■32,死■-1,□■46,12■45,13■44,13■43,13■42,11■-1,□■20,死■",
    "01,死■-1,□■31,死■-1,□■-1,□■-1,□■-1,□■-1,□■-1,□■-1,□■21,死■",
    "00,00■-1,□■30,08■29,死■28,死■27,07■26,死■25,死■24,死■23,死■22,06■",
};
constexpr const char* kRaceRows1[] = {
    "27,③■28,③■29,３■30,④■31,①■32,３■-1,□■04,④■05,２■06,③■",
    "26,３■-1,□■-1,□■-1,□■-1,□■33,④■-1,□■03,①■-1,□■07,１■",
    "25,②■-1,□■41,08■42,09■-1,□■34,②■-1,□■02,③■-1,□■08,１■",
    "24,④■-1,□■40,２■-1,□■-1,□■35,２■-1,□■01,①■-1,□■09,①■",
    "23,１■-1,□■39,②■38,①■37,③■36,１■-1,□■00,00■-1,□■10,①■",
    "22,③■-1,□■-1,□■-1,□■-1,□■-1,□■-1,□■-1,□■-1,□■11,③■",
    "21,③■20,①■19,３■18,１■17,③■16,②■15,④■14,２■13,②■12,①■",
};
constexpr const char* kRaceRows2[] = {
    "06,00■07,□■08,□■09,□■10,□■11,□■12,□■",
    "05,□■-1,□■-1,□■-1,□■-1,□■-1,□■13,□■",
    "04,□■-1,□■-1,□■-1,□■-1,□■-1,□■14,□■",
    "03,□■-1,□■-1,□■-1,□■-1,□■-1,□■15,□■",
    "02,□■-1,□■-1,□■-1,□■-1,□■-1,□■16,□■",
    "01,□■-1,□■-1,□■-1,□■-1,□■-1,□■17,□■",
    "00,□■23,□■22,□■21,□■20,□■19,□■18,□■",
};

// A board's marks and the kind each stands for; "死" on the life board draws a kind.
struct MarkRow {
  const char* mark;
  int kind;
};
constexpr MarkRow kRace1Marks[] = {{"①", 1}, {"②", 2}, {"③", 3}, {"④", 4}, {"１", 5}, {"２", 6}, {"３", 7}};
constexpr MarkRow kRace2Marks[] = {{"□", 8}};

constexpr int kMaxCells = 99;

int MarkKind(const std::string& mark, std::span<const MarkRow> marks, bool life) {
  if (life && mark == "死") return RandomRange(14, 19);
  for (const MarkRow& m : marks) {
    if (mark == m.mark) return m.kind;
  }
  return std::atoi(mark.c_str());
}

// Splits the joined rows into cells and places each numbered square on the grid.
void ParseBoard(std::span<const char* const> rows, std::span<const MarkRow> marks, bool life) {
  std::string joined;
  for (const char* row : rows) joined += row;
  std::vector<std::string> cells;
  int count = 0;
  SplitFields(joined, "■", kMaxCells, cells, count);
  const int width = BoardGameState.LastColumn + 1;
  std::vector<std::string> parts;
  for (int c = 1; c <= count; ++c) {
    int n = 0;
    SplitFields(cells[static_cast<size_t>(c)], ",", 2, parts, n);
    if (n < 1) continue;
    const int square = std::atoi(parts[1].c_str());
    if (square < 0 || square >= static_cast<int>(BoardGameState.SquareKind.size())) continue;  // an empty cell
    const size_t i = static_cast<size_t>(square);
    BoardGameState.SquareColumn[i] = (c - 1) % width;
    BoardGameState.SquareRow[i] = (c - 1) / width;
    BoardGameState.SquareKind[i] = MarkKind(n >= 2 ? parts[2] : std::string(), marks, life);
  }
}

void SetGeometry(int lastSquare, int lastColumn, int lastRow, int squareSize) {
  BoardGameState.LastSquare = lastSquare;
  BoardGameState.LastColumn = lastColumn;
  BoardGameState.LastRow = lastRow;
  BoardGameState.SquareSize = squareSize;
  BoardGameState.SquareColumn.fill(0);
  BoardGameState.SquareRow.fill(0);
  BoardGameState.SquareKind.fill(0);
}

void BuildRaceBoard(int board) {
  BoardGameStateRecord& game = BoardGameState;
  const int W = ScreenSize.ScreenWidth;
  const int H = ScreenSize.ScreenHeight;
  ShowLayer(game.G02BoardBox + 1, false);
  if (board == 1) {
    SetGeometry(42, 9, 6, 90);
    game.BoardOriginX = (W - 900) / 2;
    ParseBoard(kRaceRows1, kRace1Marks, false);
  } else {
    SetGeometry(23, 6, 6, 90);
    game.BoardOriginX = (W - 630) / 2;
    ParseBoard(kRaceRows2, kRace2Marks, false);
  }
  game.BoardOriginY = (H - 630) / 2;
  const int board0 = game.G02BoardBox;
  PrepareWithPicture(board0, 0, 0, W, H, kRaceBackPicture, 0);
  LayerToBack(board0);
  const int size = game.SquareSize;
  const int source = game.G02BoardBox + 9;
  for (int n = 0; n <= game.LastSquare; ++n) {
    const size_t i = static_cast<size_t>(n);
    const int k = game.SquareKind[i];
    BitBltCopy(source, board0,
               {k % 5 * size, k / 5 * size, size, size, game.SquareColumn[i] * size + game.BoardOriginX,
                game.SquareRow[i] * size + game.BoardOriginY});
  }
}

// Die face `value` of the sheet with cells `cell` wide, centred on the die layer.
void ShowDieFace(int value, int cell) {
  if (value < 1 || value > 6) return;
  const int layer = BoardGameState.G02DieBox;
  DrawState.CurrentLayer = layer;
  MoveLayer(layer, CentreX(cell), CentreY(cell), cell, cell);
  ClipCellToLayer(kDieSheet, (value - 1) * cell, 0, cell, cell);
  ShowLayer(layer, true);
  LayerToFront(layer);
}

// --- choice screens ---

struct ChoiceLook {
  int mode;        // ButtonMode while the buttons take clicks
  int cellWidth;
  int cellHeight;
};
constexpr ChoiceLook kLifeLook{kLifeButtons, 400, 160};
constexpr ChoiceLook kRaceLook{kRaceButtons, 800, 240};

// Button k's normal or highlighted cell of the button sheet.
void ShowButtonCell(const ChoiceLook& look, int k, bool lit) {
  DrawState.CurrentLayer = BoardGameState.G02BoardBox + k;
  ClipCellToLayer(kButtonSheet, k * look.cellWidth, lit ? look.cellHeight : 0, look.cellWidth, look.cellHeight);
}

// The button of the last click or move, or -1.
int ButtonUnderPointer() {
  if (InputEvent.InputSourceKind != 50) return -1;
  const int k = InputEvent.InputSourceIndex - BoardGameState.G02BoardBox;
  return k == 0 || k == 1 ? k : -1;
}

void ButtonsLive(int mode) {
  LayerToBack(ScreenButtons.FrontBox);
  LayerToFront(ScreenButtons.FrontBox);
  ScreenButtons.HoveredButton = -1;
  SceneCursor.SceneStep = 0;
  SceneCursor.ButtonMode = mode;
}

// A live button clicked: which one, taken from the clicked layer (a click needs no
// pointer move before it); -1 for any other click.
int ChosenButton(int mode) {
  if (SceneCursor.ButtonMode != mode) return -1;
  const int k = ButtonUnderPointer();
  if (k < 0) return -1;
  ScreenButtons.HoveredButton = k;
  SceneCursor.ButtonMode = 0;
  return k;
}

void LifeTitle() {
  switch (SceneCursor.SceneStep) {
    case 0:
      DrawState.SheetIndex = kDieSheet;
      C00_LoadPicture(2, kLifeDiePicture, 0);
      DrawState.SheetIndex = kButtonSheet;
      C00_LoadPicture(2, kLifeTitlePicture, 2);
      Wait(kWhiteOpen, 0);
      SceneCursor.SceneStep = 1;
      Wait(-1, 200);
      break;
    case 1:
      BoardGameState.KeepLivingAfterDeath = 0;
      Wait(kTitleFall, 0);
      C15_PlayMusic(200);
      SceneCursor.SceneStep = 2;  // a click brings the buttons
      break;
    case 2: {
      const int W = ScreenSize.ScreenWidth;
      const int H = ScreenSize.ScreenHeight;
      GameSound(201);
      const int banner = BoardGameState.G02BoardBox + 2;
      PrepareWithPicture(banner, W, 100, W, 150, kLifeTitlePicture, 3);
      Glide(banner, W, 100, 0, 100, 20, kDefaultDelay, kMotionEaseOut);
      const int y = CentreY(int{kLifeLook.cellHeight});
      for (int k = 0; k < 2; ++k) {
        const int layer = BoardGameState.G02BoardBox + k;
        const int x = ScreenSize.ScreenHalfWidth + (k == 0 ? -430 : 30);
        DrawState.CurrentLayer = layer;
        DrawState.CurrentRect = {x, H, kLifeLook.cellWidth, kLifeLook.cellHeight};
        PrepareLayer(kPreparePictureShown);
        ShowButtonCell(kLifeLook, k, false);
        StoreSlot(k, layer, x, H, x, y);
      }
      MoveSlots(1, 20, kMotionEaseOut);
      GoToNextTick(kLifeChoice, -1);
      break;
    }
    default: break;
  }
}

void LifeChoice() {
  BoardGameStateRecord& game = BoardGameState;
  switch (SceneCursor.SceneStep) {
    case -1: ButtonsLive(kLifeButtons); break;
    case 0: {
      const int k = ChosenButton(kLifeButtons);
      if (k < 0) return;
      GameSound(202, 0, -0.05f);
      for (int layer = game.G02BoardBox; layer <= game.G02BoardBox + 2; ++layer) ShowLayer(layer, false);
      GoTo(k == 0 ? kEasyLife : kHardLife, 0);
      Wait(-1, 300);
      break;
    }
    default: break;
  }
}

void RaceTitle() {
  switch (SceneCursor.SceneStep) {
    case 0: {
      DrawState.SheetIndex = kDieSheet;
      C00_LoadPicture(2, kRaceDiePicture, 0);
      DrawState.SheetIndex = kButtonSheet;
      C00_LoadPicture(2, kRaceButtonPicture, 0);
      DrawState.SheetIndex = kMessageSheet;
      C00_LoadPicture(2, kRaceMessagePicture, 0);
      const int source = BoardGameState.G02BoardBox + 9;
      DrawState.CurrentLayer = source;
      DrawState.CurrentRect = {0, 0, 450, 180};
      PrepareLayer(kPreparePictureHidden);
      C00_LoadPicture(1, kRaceTilePicture, 0);
      ShowLayer(source, false);
      SceneCursor.SceneStep = 1;
      Wait(kCurtainRise, 0);  // its end arms the next tick
      break;
    }
    case 1:
      C00_LoadPicture(0, kRaceTitlePicture, 0);
      SceneCursor.SceneStep = 2;  // a click brings the buttons
      Wait(kStripesOpen, 0);
      C15_PlayMusic(210);
      break;
    case 2: {
      const int W = ScreenSize.ScreenWidth;
      const int H = ScreenSize.ScreenHeight;
      GameSound(221, 1);
      const int x = CentreX(int{kRaceLook.cellWidth});
      for (int k = 0; k < 2; ++k) {
        const int layer = BoardGameState.G02BoardBox + k;
        const int y = CentreY(int{kRaceLook.cellHeight}) + (k == 0 ? -H / 4 : H / 4);
        DrawState.CurrentLayer = layer;
        DrawState.CurrentRect = {W, y, kRaceLook.cellWidth, kRaceLook.cellHeight};
        PrepareLayer(kPreparePictureShown);
        ShowButtonCell(kRaceLook, k, false);
        StoreSlot(k, layer, W, y, x, y);
      }
      MoveSlots(1, 20, kMotionEaseOut);
      GoToNextTick(kRaceChoice, -1);
      break;
    }
    default: break;
  }
}

void RaceChoice() {
  switch (SceneCursor.SceneStep) {
    case -1: ButtonsLive(kRaceButtons); break;
    case 0: {
      const int k = ChosenButton(kRaceButtons);
      if (k < 0) return;
      GameSound(223);
      ShowLayer(BoardGameState.G02BoardBox + Toggle01(k), false);
      GoTo(k == 0 ? kRaceBoard1 : kRaceBoard2, 0);
      Wait(-1, 10);
      break;
    }
    default: break;
  }
}

}  // namespace

void G02_Constants() {
  BoardGameState.G02CurtainBox = 50;
  BoardGameState.G02BoardBox = 10;
  BoardGameState.G02PieceBox = 1;
  BoardGameState.G02DieBox = 3;
  BoardGameState.G02SignBox = 4;
  ScreenButtons.FrontBox = 9;
  EffectParams.EffectFrameDelay = kDefaultDelay;
}

void G02_Step() {
  switch (SceneCursor.SceneState) {
    case kLifeEntry:
      G02_Constants();
      GoToNextTick(kLifeTitle, 0);
      break;
    case kRaceEntry:
      G02_Constants();
      GoToNextTick(kRaceTitle, 0);
      break;
    case kLifeTitle: LifeTitle(); break;
    case kLifeChoice: LifeChoice(); break;
    case kEasyLife:
    case kHardLife: LifeStep(); break;
    case kRaceTitle: RaceTitle(); break;
    case kRaceChoice: RaceChoice(); break;
    case kRaceBoard1:
    case kRaceBoard2: RaceStep(); break;
    default: break;
  }
}

void G02_Hover() {
  const int mode = SceneCursor.ButtonMode;
  if (mode != kLifeButtons && mode != kRaceButtons) return;
  const ChoiceLook& look = mode == kLifeButtons ? kLifeLook : kRaceLook;
  const int k = ButtonUnderPointer();
  int& hovered = ScreenButtons.HoveredButton;
  if (k >= 0) {
    if (k == hovered) return;
    if (hovered != -1) {
      for (int b = 0; b < 2; ++b) ShowButtonCell(look, b, false);
    }
    ShowButtonCell(look, k, true);
    hovered = k;
    if (mode == kRaceButtons) GameSound(222, 0, -0.1f);
    return;
  }
  if (hovered >= 0) {
    for (int b = 0; b < 2; ++b) ShowButtonCell(look, b, false);
    hovered = -1;
  }
}

void G02_OnKey() {
  BoardGameStateRecord& game = BoardGameState;
  if (InputEvent.AdvanceKeyDown == 1) {
    G02_Step();
    return;
  }
  // M switches whether a death square ends the life.
  if (InputEvent.KeyCode == tq::kKeyA + ('M' - 'A')) {
    game.KeepLivingAfterDeath = game.KeepLivingAfterDeath == 0 ? -1 : 0;
  }
}

bool G02_FrameGate() {
  const int code = FrameClock.AnimationCode;
  if (code < 1000) {
    C40_EffectStep();
    return true;
  }
  if (code <= 1099) return G02_Frame();
  return false;
}

void G02_Leave(int type) {
  if (type == 0 || type == 1) SceneCursor.StageNumber = 15;
  if (type == 10 || type == 11) SceneCursor.StageNumber = 35;
  SceneCursor.SceneCode = kConversationScene;
  GoToNextTick(0, 10);
}

void G02_BuildBoard(int kind, int value) {
  switch (kind) {
    case 10:
      DrawState.CurrentLayer = BoardGameState.G02BoardBox + 1;
      C00_LoadPicture(1, kHardPicture, 0);
      SetGeometry(46, 10, 6, 80);
      ParseBoard(kLifeBoard, {}, true);
      break;
    case 20: ShowDieFace(value, 300); break;
    case 25: ShowDieFace(value, 250); break;
    case 50: BuildRaceBoard(1); break;
    case 51: BuildRaceBoard(2); break;
    default: break;
  }
}

void G02_SquarePos(int kind, int& square) {
  BoardGameStateRecord& game = BoardGameState;
  if (square < 0 || square >= static_cast<int>(game.SquareColumn.size())) return;
  const size_t i = static_cast<size_t>(square);
  const int size = game.SquareSize;
  const int c = game.SquareColumn[i] * size + game.BoardOriginX + size / 2;
  const int y = game.SquareRow[i] * size + game.BoardOriginY + size / 2 - game.PieceSize / 2;
  int x = 0;
  switch (kind) {
    case 0:
    case 1: x = c - game.PieceSize - 5; break;
    case 5:
    case 6: x = c + 5; break;
    default: return;
  }
  Rect& r = kind == 0 || kind == 5 ? DrawState.CurrentRect : DrawState.TargetRect;
  r.X = x;
  r.Y = y;
}

void RegisterBoardGames() {
  ScreenHookSet& screen = MarbrookScreen(kSceneCode);
  screen.Step = G02_Step;
  screen.Hover = G02_Hover;
  screen.Frame = G02_FrameGate;
  screen.OnKey = G02_OnKey;
}

void ResetBoardGameState() { BoardGameState = BoardGameStateRecord{}; }
