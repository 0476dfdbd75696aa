// The grid menus of scene 99: the chapter menu (states 20, 21), the gallery select
// (35) and the stage replay select (37). Each is a panel of picture cells copied out of
// one source picture, with a back button; the cell under the pointer is highlighted
// with its second image (ButtonMode 21).
#include <span>

#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "marbrook/marbrook_pictures.h"
#include "marbrook/marbrook_sounds.h"
#include "marbrook/save_file.h"
#include "games/screen_buttons.h"
#include "games/timed_effects.h"
#include "marbrook/title_menu.h"
#include "scenario/motion_curves.h"

namespace {

enum : int {  // SceneState
  kOpening = 1,
  kChapterBuild = 20,
  kChapterReady = 21,
  kSubMenuHeading = 30,
  kGallerySelect = 35,
  kReplaySelect = 37,
};
constexpr int kGridHover = 21;     // ButtonMode
constexpr int kBackHovered = 100;  // HoveredButton of the back button
constexpr int kTitleKind = 5;
constexpr int kBackButton = 36;
constexpr int kLastHiddenLayer = 89;

// One chapter cell: shown from a furthest stage; a story cell's first stage, or a
// game cell's hand-over.
struct ChapterRow {
  int shownFrom;
  int stage;  // 0 for a game cell
  int scene, state, step;
};
constexpr ChapterRow kChapters[] = {
    {3, 0, 51, -1, 0},   // rock-paper-scissors, first opponent
    {5, 6, 0, 0, 0},              // story
    {11, 0, 52, 0, 0},   // board games, life board
    {15, 16, 0, 0, 0},            // story
    {23, 0, 51, -2, 0},  // rock-paper-scissors, second opponent
    {25, 26, 0, 0, 0},            // story
    {30, 0, 52, 1, 0},   // board games, dice race
    {35, 36, 0, 0, 0},            // story
    {40, 0, 51, -3, 0},  // rock-paper-scissors, third opponent
    {45, 46, 0, 0, 0},            // story
    {49, 0, 53, 0, 0},   // memory pairs
    {50, 51, 0, 0, 0},            // story
    {55, 0, 59, 0, 0},   // kana adventure
    {60, 61, 0, 0, 0},            // story
    {65, 0, 54, 1, 0},   // casino, story entry
    {70, 71, 0, 0, 0},            // story
    {75, 0, 55, 0, 0},   // role-playing game
    {80, 81, 0, 0, 0},            // story
    {85, 0, 56, 0, 0},   // room adventure
    {90, 91, 0, 0, 0},            // story
    {92, 100, 0, 0, 0},           // story
    {131, 0, 60, 0, 3},  // last-boss duel
};
static_assert(std::size(kChapters) == 22);
constexpr int kDuelCell = 21;

// Gallery cells by row of the table: first cell, last cell, added to the cell.
struct RangeRow {
  int first, last, add;
};
constexpr RangeRow kGalleryRanges[] = {{0, 12, 0}, {13, 19, 7}, {20, 27, 10}, {28, 29, 12}, {30, 32, 20}};
// Replay cells 0 to 31: the story stage each replays.
constexpr int kReplayStages[] = {6,  20, 21, 22, 26, 27, 28, 37, 38, 39, 46, 47, 51, 52, 53, 54,
                                 61, 62, 63, 71, 72, 73, 74, 81, 82, 83, 84, 91, 92, 200, 201, 202};
static_assert(std::size(kReplayStages) == 32);

struct GridLook {
  int lastCell, cellWidth, cellHeight, gapX, gapY, left, top, columns, sourceColumns;
};
constexpr GridLook kChapterGrid = {0, 128, 96, 15, 30, 38, 120, 6, 5};
constexpr GridLook kSelectGrid = {0, 112, 84, 12, 25, 38, 120, 7, 5};

void SetGrid(const GridLook& look, int lastCell) {
  MenuLayout.MenuGrid = {lastCell,  look.cellWidth, look.cellHeight, look.gapX,         look.gapY,
                         look.left, look.top,       look.columns,    look.sourceColumns};
}

int CellX(int c) {
  const MenuGridRecord& grid = MenuLayout.MenuGrid;
  return (grid.GridCellWidth + grid.GridGapX) * (c % grid.GridColumns) + grid.GridLeft;
}
int CellY(int c) {
  const MenuGridRecord& grid = MenuLayout.MenuGrid;
  return (grid.GridCellHeight + grid.GridGapY) * (c / grid.GridColumns) + grid.GridTop;
}
int SourceX(int c) { return (c % MenuLayout.MenuGrid.GridSourceColumns) * MenuLayout.MenuGrid.GridCellWidth; }
int SourceY(int c) { return (c / MenuLayout.MenuGrid.GridSourceColumns) * MenuLayout.MenuGrid.GridCellHeight; }

// The panel of cells 0 to GridLastCell built from source picture P on panel picture Q,
// the panel in slot 0 rising from below, the back button in slot 1 rising into the
// bottom-right corner.
void GridBuild(int source, int panel) {
  const int src = MenuLayout.MenuSourceLayer;
  const int pnl = MenuLayout.GridPanelLayer;
  // Once the build is done the source layer serves as the highlighted cell.
  MenuLayout.HoverFrameLayer = src;
  DrawState.CurrentLayer = src;
  DrawState.CurrentRect = {WindowWidth(), 0, 1, 1};
  PrepareLayer(kPreparePictureShown);
  C00_LoadPicture(1, kTitleKind, source);
  DrawState.SheetIndex = 0;
  C00_LoadPicture(2, kTitleKind, source);
  DrawState.CurrentLayer = pnl;
  // Window-sized, so the cells stand on the panel even when its picture is missing.
  DrawState.CurrentRect = {WindowWidth(), 0, WindowWidth(), WindowHeight()};
  PrepareLayer(kPreparePictureShown);
  C00_LoadPicture(1, kTitleKind, panel);
  BlitSpec.BlitSource = src;
  BlitSpec.BlitTarget = pnl;
  const MenuGridRecord& grid = MenuLayout.MenuGrid;
  for (int c = 0; c <= grid.GridLastCell; ++c) {
    BitBltCopy(src, pnl,
               BlitCoords(SourceX(c), SourceY(c), grid.GridCellWidth, grid.GridCellHeight, CellX(c), CellY(c)));
  }
  StoreMove(0, pnl, 0, WindowHeight(), 0, 0);
  const int back = MenuLayout.SubButtonFirstLayer;
  DrawState.CurrentLayer = back;
  DrawState.CurrentRect = {WindowWidth(), WindowHeight(), 1, 1};
  PrepareLayer(kPreparePictureShown);
  C00_LoadPicture(1, kTitleKind, kBackButton);
  const int x = WindowWidth() - (LayerWidth(back) + 10);
  StoreMove(1, back, x, WindowHeight(), x, WindowHeight() - (LayerHeight(back) + 10));
}

// The cell of the panel that holds the pointer (panel coordinates, edges included).
int CellUnderPointer() {
  const MenuGridRecord& grid = MenuLayout.MenuGrid;
  for (int c = 0; c <= grid.GridLastCell; ++c) {
    const int x = CellX(c);
    const int y = CellY(c);
    if (InputEvent.PointerX >= x && InputEvent.PointerX <= x + grid.GridCellWidth && InputEvent.PointerY >= y &&
        InputEvent.PointerY <= y + grid.GridCellHeight) {
      return c;
    }
  }
  return -1;
}

void DropHighlight() {
  ShowLayer(MenuLayout.HoverFrameLayer, false);
  ScreenButtons.HoveredButton = -1;
}

// The frame layer takes the highlighted image of cell c over the cell.
void HighlightCell(int c) {
  TitleSound(15, c);
  GetLayerRect(kRectIntoTarget, MenuLayout.GridPanelLayer);
  DrawState.CurrentLayer = MenuLayout.HoverFrameLayer;
  const MenuGridRecord& grid = MenuLayout.MenuGrid;
  DrawState.CurrentRect = {DrawState.TargetRect.X + CellX(c), DrawState.TargetRect.Y + CellY(c), grid.GridCellWidth,
                           grid.GridCellHeight};
  PrepareLayer(kPreparePictureShown);
  DrawState.SheetIndex = 0;
  ClipCellToLayer(0, SourceX(c) + 5 * grid.GridCellWidth, SourceY(c), grid.GridCellWidth, grid.GridCellHeight);
  LayerToFront(MenuLayout.HoverFrameLayer);
  ScreenButtons.HoveredButton = c;
}

void FrameBackButton() {
  C01_HoverBox(0, 0);
  LayerToFront(MenuLayout.HoverFrameLayer);
  LayerToFront(MenuLayout.SubButtonFirstLayer);
  ScreenButtons.HoveredButton = kBackHovered;
  TitleSound(105);
}

bool CellHovered() {
  return ScreenButtons.HoveredButton >= 0 && ScreenButtons.HoveredButton <= MenuLayout.MenuGrid.GridLastCell;
}

// What a click on the grid chose: a cell (0 up), the back button (kBackHovered) or
// nothing (-1). A click that comes before any pointer move takes the cell or button
// under it as the hovered one.
int GridChoice() {
  if (OnLayer(MenuLayout.HoverFrameLayer)) {
    if (CellHovered() || ScreenButtons.HoveredButton == kBackHovered) return ScreenButtons.HoveredButton;
    return -1;
  }
  if (OnLayer(MenuLayout.SubButtonFirstLayer)) {
    if (ScreenButtons.HoveredButton != kBackHovered) FrameBackButton();
    return kBackHovered;
  }
  if (OnLayer(MenuLayout.GridPanelLayer)) {
    const int c = CellUnderPointer();
    if (c < 0) return -1;
    if (c != ScreenButtons.HoveredButton) HighlightCell(c);
    return c;
  }
  return -1;
}

void BlinkChosenCell() {
  TitleSound(16);
  SceneCursor.ButtonMode = 0;
  DrawState.CurrentLayer = MenuLayout.HoverFrameLayer;
  EffectParams.EffectFrames = 11;
  EffectParams.EffectFrameDelay = 40;
  RunEffect(kEffectBlink, EffectEnd::kReturn);
}

// The back button: the panel falls while the back button's frame blinks, then the back
// button drops away.
void LeaveGrid() {
  TitleSound(16);
  SceneCursor.ButtonMode = 0;
  const int pnl = MenuLayout.GridPanelLayer;
  StoreMove(0, pnl, LayerLeft(pnl), LayerTop(pnl), LayerLeft(pnl), LayerTop(pnl) + WindowHeight());
  FallOutBlinking(0);
  RunPause(100);
  const int back = MenuLayout.SubButtonFirstLayer;
  MoveLayerTo(back, LayerLeft(back), WindowHeight(), 10, kMotionLinear);
}

void GridReady() {
  ScreenButtons.HoveredButton = -1;
  SceneCursor.ButtonMode = kGridHover;
  MenuLayout.HoverMargin[0] = 8;
}

void ChapterClick() {
  const int choice = GridChoice();
  if (choice < 0) return;
  if (choice == kBackHovered) {
    LeaveGrid();
    GoToNextTick(kOpening, 10);
    return;
  }
  BlinkChosenCell();
  RunPause(100);
  const ChapterRow& row = kChapters[choice];
  if (row.stage != 0) {
    SceneCursor.StageNumber = row.stage;
    SceneCursor.SceneCode = kConversationScene;
    GoTo(0, 10);
  } else {
    SceneCursor.SceneStep = 1;
  }
  Wait(0, 0);
}

void ChapterGameStart() {
  CurtainClose();
  HideLayerRange(0, kLastHiddenLayer);
  C00_LoadPicture(0, 0, 0);
  RunPause(MarbrookProgress.CurtainDelay);
  const int cell = ScreenButtons.HoveredButton;
  if (cell < 0 || cell >= static_cast<int>(std::size(kChapters))) return;
  const ChapterRow& row = kChapters[cell];
  // The duel opens on the closed curtain itself.
  if (cell != kDuelCell) CurtainOpen();
  SceneCursor.SceneCode = row.scene;
  GoToNextTick(row.state, row.step);
}

void SelectBuild(bool curtainClosed) {
  const bool gallery = SceneCursor.SceneState == kGallerySelect;
  C00_LoadPicture(0, kTitleKind, 21);
  C01_InitVars();
  SetGrid(kSelectGrid, gallery ? 32 : 31);
  GridBuild(gallery ? 71 : 72, gallery ? 41 : 42);
  if (curtainClosed) {
    LayerToBack(MenuLayout.SubButtonFirstLayer);
    LayerToBack(MenuLayout.GridPanelLayer);
    SlideIn(1, 1);
    CurtainOpen();
  } else {
    TitleSound(50);
    SlideIn(20, 1);
  }
  SceneCursor.SceneStep = 9;
  Wait(0, 0);
}

void SelectClick() {
  const int choice = GridChoice();
  if (choice < 0) return;
  if (choice == kBackHovered) {
    LeaveGrid();
    GoToNextTick(kSubMenuHeading, 1);
    return;
  }
  BlinkChosenCell();
  if (SceneCursor.SceneState == kGallerySelect) {
    SceneCursor.StageNumber = GalleryEntry(choice);
    SceneCursor.SceneCode = 45;
    GoTo(200, 0);
  } else {
    ModeState.PlayMode = 1;
    SceneCursor.StageNumber = ReplayStage(choice);
    SceneCursor.SceneCode = kConversationScene;
    GoTo(0, 10);
  }
  Wait(0, 0);
}

}  // namespace

int ChapterLastCell(int furthestStage) {
  int last = 0;
  for (int c = 0; c < static_cast<int>(std::size(kChapters)); ++c) {
    if (furthestStage >= kChapters[c].shownFrom) last = c;
  }
  return last;
}

int GalleryEntry(int cell) {
  for (const RangeRow& r : kGalleryRanges) {
    if (cell >= r.first && cell <= r.last) return cell + r.add;
  }
  return -1;
}

int ReplayStage(int cell) {
  return cell >= 0 && cell < static_cast<int>(std::size(kReplayStages)) ? kReplayStages[cell] : -1;
}

void ChapterMenuStep() {
  const int step = SceneCursor.SceneStep;
  if (SceneCursor.SceneState == kChapterBuild) {
    if (step != 0) return;
    SetGrid(kChapterGrid, ChapterLastCell(MarbrookProgress.FurthestStage));
    GridBuild(70, 40);
    TitleSound(50);
    SlideIn(20, 1);
    GoToNextTick(kChapterReady, -1);
    return;
  }
  switch (step) {
    case -1:
      GridReady();
      SceneCursor.SceneStep = 0;
      break;
    case 0: ChapterClick(); break;
    case 1: ChapterGameStart(); break;
    default: break;
  }
}

void GridSelectStep() {
  switch (SceneCursor.SceneStep) {
    case -1: SelectBuild(true); break;
    case 0: SelectBuild(false); break;
    case 9:
      GridReady();
      SceneCursor.SceneStep = 10;
      break;
    case 10: SelectClick(); break;
    default: break;
  }
}

void GridHover() {
  const int frame = MenuLayout.HoverFrameLayer;
  if (InputEvent.InputSourceKind != 50) {
    DropHighlight();
    return;
  }
  const int layer = InputEvent.InputSourceIndex;
  if (layer == frame) {
    if (ScreenButtons.HoveredButton == kBackHovered) DropHighlight();
    return;
  }
  if (layer == MenuLayout.SubButtonFirstLayer) {
    if (ScreenButtons.HoveredButton != kBackHovered) FrameBackButton();
    return;
  }
  if (layer == MenuLayout.GridPanelLayer) {
    const int c = CellUnderPointer();
    if (c < 0) DropHighlight();
    else if (c != ScreenButtons.HoveredButton) HighlightCell(c);
    return;
  }
  DropHighlight();
}
