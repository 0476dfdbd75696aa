// The Vadrim title's way into the routes and boards: the route select (states 20
// and 25), the board select (state 50) and the route-clear picture (state 500).
#include <span>

#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/system_menu.h"
#include "engine/text.h"
#include "games/timed_effects.h"
#include "platform/pixels.h"
#include "scenario/motion_curves.h"
#include "vadrim/title_screen.h"
#include "vadrim/vadrim_mode.h"
#include "vadrim/vadrim_pictures.h"
#include "vadrim/vadrim_save.h"
#include "vadrim/vadrim_sounds.h"

namespace vadrim_title {
namespace {

constexpr int kBoardKind = 12;
constexpr int kClearKind = 14;
constexpr int kRouteButtonKind = 54;
constexpr int kRouteTagKind = 57;
constexpr int kRouteSelectCell = 40;
constexpr int kBackItem = 20;
constexpr int kCellWidth = 200;
constexpr int kCellHeight = 50;

// Per route: its first stage, background kind, board-select row and stamp place.
struct RouteRow {
  int firstStage, backgroundKind, rowY, stampX, stampY;
};
constexpr RouteRow kRoutes[] = {{10, 22, 85, 274, 24}, {20, 24, 220, 312, 158}, {30, 23, 355, 407, 293}};

// A board-select cell: its panel place, size, code, row of the cell picture and state.
struct BoardCell {
  int x, y, w, h, code, row;
  bool enabled;
};

// The cells in the order the hover searches them: every board of every route, then
// the route-select cell.
int BoardCells(std::span<BoardCell, 30> out) {
  int n = 0;
  for (int r = 0; r <= 2; ++r) {
    for (int s = 1; s <= VadrimProgress.StagesPerRoute[r] && s < kVadrimBoardSlots && n < 29; ++s) {
      out[static_cast<size_t>(n++)] = {30 + 220 * ((s - 1) % 3), kRoutes[r].rowY + 60 * ((s - 1) / 3), kCellWidth,
                                       kCellHeight, r * 10 + s, s, VadrimProgress.GameStageOpened[r][s] == 1};
    }
  }
  out[static_cast<size_t>(n++)] = {580, 20, kCellWidth, 70, kRouteSelectCell, 12, true};
  return n;
}

// The click on the highlighted board: which board and background; false for an item
// that is no board (the route-select cell, the back button's frame, nothing).
bool BoardOf(int item, int& board, int& kind) {
  if (item >= 1 && item <= 9) {
    board = item + 20;
    kind = kRoutes[0].backgroundKind;
  } else if (item >= 11 && item <= 19) {
    board = item + 20;
    kind = kRoutes[1].backgroundKind;
  } else if (item >= 21 && item <= 31) {  // 20 is the back button's frame, no board
    board = item - 20;
    kind = kRoutes[2].backgroundKind;
  } else {
    return false;
  }
  return true;
}

void Copy(int source, int target, int sx, int sy, int w, int h, int dx, int dy) {
  BlitSpec.BlitSource = source;
  BlitSpec.BlitTarget = target;
  BitBltCopy(source, target, BlitCoords(sx, sy, w, h, dx, dy));
}

void BuildBoardSelect() {
  TitleWordsRecord& t = TitleWords;
  const VadrimProgressRecord& p = VadrimProgress;
  const int w = WindowWidth();
  PictureLayer(t.SourceLayer, w, 0, 0, 0, kBoardKind, 1);
  DrawState.SheetIndex = t.MenuSheet;
  D00_LoadPicture(2, kBoardKind, 1);
  PictureLayer(t.SourceLayer + 1, w, 0, 0, 0, kClearKind, 10);
  // The main-menu button that was clicked left its index here, which is also the
  // code of route 0's first board: that board could not light until the pointer
  // had left it. The screen starts with nothing lit.
  TitleWords.HoverItem = -1;
  const int panelX = CentreX(800);
  PictureLayer(t.PanelLayer, panelX, WindowHeight(), 800, 600, kBoardKind, 11);
  BoardCell cells[30];
  const int n = BoardCells(cells);
  for (int i = 0; i < n; ++i) {
    const BoardCell& c = cells[i];
    const int sourceX = c.code == kRouteSelectCell || c.enabled ? 0 : kCellWidth;
    const int sourceY = c.code == kRouteSelectCell ? 550 : kCellHeight * (c.row - 1);
    Copy(t.SourceLayer, t.PanelLayer, sourceX, sourceY, c.w, c.h, c.x, c.y);
  }
  for (int r = 0; r <= 2; ++r) {
    if (p.RouteCleared[r] == 1) Copy(t.SourceLayer + 1, t.PanelLayer, 20, 50 * r, 230, 50, kRoutes[r].stampX, kRoutes[r].stampY);
  }
  DrawState.CurrentLayer = t.PanelLayer;
  DrawState.CurrentRect = {panelX, WindowHeight(), 800, 600};
  StoreSlide(0, panelX, CentreY(600) - 10);
  BackButton(t.MenuFirstLayer, 1);
}

void BoardClick() {
  const TitleWordsRecord& t = TitleWords;
  const int layer = InputEvent.InputSourceIndex;
  if (InputEvent.InputSourceKind != 50) return;
  if (layer == t.MenuFirstLayer) {
    PanelAwayAndBack();
    return;
  }
  if (layer != t.FrameLayer) return;
  int board = 0;
  int kind = 0;
  const int item = t.HoverItem;
  const bool isBoard = BoardOf(item, board, kind);
  if (!isBoard && item != kRouteSelectCell) return;  // the back button's frame, or nothing lit
  PickedCellOut();
  if (!isBoard) {
    GoToNextTick(kRouteSelect, 0);
    return;
  }
  StripWipe(kind);
  SceneCursor.SceneCode = kBoardScene;
  VadrimProgress.GameStage = board;
  GoToNextTick(1, 0);
}

void HideRoute(int item) {
  if (item < 0 || item > 2) return;
  ShowLayer(5 + 2 * item, false);
  ShowLayer(6 + 2 * item, false);
}

}  // namespace

void RouteSelectStep() {
  TitleWordsRecord& t = TitleWords;
  D00_InitVars();
  for (int i = 0; i <= 2; ++i) t.BtnEnabled[i] = 1;
  t.HoverItem = -1;
  t.BtnFirst = 1;
  t.BtnLast = 2;
  SceneCursor.ButtonMode = kRouteButtons;
  GoTo(kRouteSelectLive, -1);
  Wait(kRouteSelectIn, 0);
}

void RouteSelectLiveStep() {
  TitleWordsRecord& t = TitleWords;
  switch (SceneCursor.SceneStep) {
    case -1:
      for (int i = 0; i <= 2; ++i) {
        const int button = 5 + 2 * i;
        PictureLayer(button, WindowWidth(), 0, 0, 0, kRouteButtonKind + i, 0);
        GetLayerRect(kRectIntoCurrent, button);
        int width = DrawState.CurrentRect.Width;
        const int x = i == 0 ? 30 : (i == 1 ? CentreX(width) : WindowWidth() - (width + 30));
        const int y = WindowHeight() - 40;
        MoveLayer(button, x, y, width, DrawState.CurrentRect.Height);
        ShowLayer(button, false);
        const int tag = 6 + 2 * i;
        PictureLayer(tag, WindowWidth(), 0, 0, 0, kRouteTagKind, 0);
        GetLayerRect(kRectIntoCurrent, tag);
        const Rect r = DrawState.CurrentRect;
        MoveLayer(tag, x + width / 2 - r.Width / 2, y - 19, r.Width, r.Height);
        ShowLayer(tag, false);
      }
      LayerToBack(t.RaiseLayer);
      LayerToFront(t.RaiseLayer);
      SceneCursor.SceneStep = 0;
      break;
    case 0: {
      const int i = InputEvent.InputSourceIndex - t.BtnFirst;
      if (i < 0 || i > t.BtnLast || i > 2 || t.BtnEnabled[i] != 1) return;
      SceneCursor.ButtonMode = 0;
      t.PickedItem = i;
      SceneCursor.SceneStep = 10;
      Wait(kRouteChosen, 0);
      break;
    }
    case 10: {
      // The middle panel (button 1) is route 2, the right one (button 2) route 1.
      constexpr int kRouteOfButton[] = {0, 2, 1};
      const int picked = t.PickedItem >= 0 && t.PickedItem <= 2 ? t.PickedItem : 0;
      const RouteRow& route = kRoutes[kRouteOfButton[picked]];
      EffectParams.FadeBackgroundKind = route.backgroundKind;
      RunEffect(kBackgroundIn, EffectEnd::kReturn);
      StartConversation(route.firstStage, 0, 10);
      break;
    }
    default: break;
  }
}

void RouteHover() {
  TitleWordsRecord& t = TitleWords;
  const int i = InputEvent.InputSourceIndex - t.BtnFirst;
  if (InputEvent.InputSourceKind == 50 && i >= 0 && i <= t.BtnLast && i <= 2) {
    if (i == t.HoverItem) return;
    HideRoute(t.HoverItem);
    if (t.BtnEnabled[i] == 1) {
      GetLayerRect(kRectIntoCurrent, InputEvent.InputSourceIndex);
      const Rect r = DrawState.CurrentRect;
      const int frame = t.FrameLayer;
      DrawState.CurrentLayer = frame;
      DrawState.CurrentRect = {r.X - 10, r.Y - 10, r.Width + 20, r.Height + 20};
      PrepareLayer(kPreparePictureShown);
      LayerInfo(frame).BackColor = Grey(255);
      ClearLayerImage(frame);
      TextStyle.TextColor = RgbColor(247, 182, 212);
      tq::Surface& image = LayerImage(frame);
      const uint32_t pink = tq::PixelFromColor(TextStyle.TextColor);
      tq::DrawBox(image, 0, 0, image.Width() - 1, image.Height() - 1, pink);
      tq::FillBox(image, 9, 9, image.Width() - 10, image.Height() - 10, pink);
      image.MarkChanged();
      LayerToBack(frame);
      ShowLayer(5 + 2 * i, true);
      ShowLayer(6 + 2 * i, true);
      t.HoverItem = i;
      PlayScreenSound(kHoverSound, i);
      return;
    }
  }
  if (t.HoverItem >= 0) {
    ShowLayer(t.FrameLayer, false);
    HideRoute(t.HoverItem);
    t.HoverItem = -1;
  }
}

void BoardSelectStep() {
  switch (SceneCursor.SceneStep) {
    case -5:
      BuildBoardSelect();
      PlayScreenSound(kSlideInSound);
      EffectParams.EffectFrames = 20;
      EffectParams.EffectLastSlot = 1;
      RunEffect(kEffectMoveSlots, EffectEnd::kReturn);
      SceneCursor.SceneStep = -1;
      Wait(0, 0);
      break;
    case -1: MenuLive(kBoardButtons, false); break;
    case 0: BoardClick(); break;
    default: break;
  }
}

void BoardHover() {
  BoardCell cells[30];
  const int n = BoardCells(cells);
  HoverCell lit[30];
  for (int i = 0; i < n; ++i) {
    const BoardCell& c = cells[i];
    lit[i] = {c.x, c.y, c.w, c.h, c.code, 400, kCellHeight * (c.row - 1), c.enabled};
  }
  CellHover(std::span<const HoverCell>(lit, static_cast<size_t>(n)), kBackItem);
}

void RouteClearStep() {
  if (SceneCursor.SceneStep != 0) return;
  const TitleWordsRecord& t = TitleWords;
  const VadrimProgressRecord& p = VadrimProgress;
  const int route = p.GameStage;
  D00_InitVars();
  D00_LoadPicture(0, 0, 0);
  WindowGrey(255);
  ShowLayer(SystemLayerSet.OverlayLayer, false);
  RunPause(500);

  PlayScreenSound(30);
  const int w = WindowWidth();
  PictureLayer(t.PanelLayer, CentreX(int{w}), WindowHeight(), w, 400, kClearKind, route);
  DrawState.CurrentRect = {CentreX(int{w}), WindowHeight(), w, 400};
  DrawState.TargetRect.X = DrawState.CurrentRect.X;
  DrawState.TargetRect.Y = CentreY(400);
  EffectParams.EffectFrames = 180;
  EffectParams.EffectMotionKind = kMotionLinear;
  RunEffect(kEffectMove, EffectEnd::kReturn);

  RunPause(400);
  PlayScreenSound(31);
  RunPause(1000);

  const int cleared = p.RouteCleared[0] + p.RouteCleared[1] + p.RouteCleared[2];
  PictureLayer(t.PanelLayer + 1, CentreX(700), -400, 700, 200, kClearKind, 19 + cleared);
  DrawState.CurrentRect = {CentreX(700), -400, 700, 200};
  DrawState.TargetRect.X = DrawState.CurrentRect.X;
  DrawState.TargetRect.Y = WindowHeight();
  EffectParams.EffectFrames = 500;
  EffectParams.EffectMotionKind = kMotionLinear;
  RunEffect(kEffectMove, EffectEnd::kReturn);

  RunPause(1000);
  PlayScreenSound(32);
  RunEffect(kWhiteThenBlack, EffectEnd::kReturn);
  if (cleared == 3) {
    StartConversation(60, 5, 1);
    return;
  }
  EffectParams.EffectFrames = 64;
  EffectParams.EffectVariant = 0;
  RunEffect(kBackColourFade, EffectEnd::kReturn);
  GoToNextTick(kRouteSelect, 0);
}

}  // namespace vadrim_title
