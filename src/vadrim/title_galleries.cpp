// The Vadrim title's replays: the scene gallery (state 60), the extras menu (100),
// the slideshow (110) and the stage gallery (120).
#include <span>

#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "games/mode_state.h"
#include "games/timed_effects.h"
#include "scenario/motion_curves.h"
#include "vadrim/title_screen.h"
#include "vadrim/vadrim_mode.h"
#include "vadrim/vadrim_pictures.h"
#include "vadrim/vadrim_sounds.h"

namespace vadrim_title {
namespace {

constexpr int kSlideKind = 15;
constexpr int kLastSlide = 9;
constexpr int kStageGalleryKind = 13;
constexpr int kThumbWidth = 93;
constexpr int kThumbHeight = 70;
constexpr int kStageGalleryBack = 100;
constexpr int kReplaySound = 102;

// The scene gallery's entries: cell on the sheet (11, 21), stage, background kind.
struct SceneEntry {
  int cellX, cellY, height, stage, kind;
};
constexpr SceneEntry kSceneEntries[] = {
    {0, 0, 80, 11, 22},    {400, 0, 80, 21, 24},    {0, 80, 160, 31, 23},
    {400, 80, 160, 41, 23}, {0, 240, 160, 51, 23}, {400, 240, 160, 54, 23},
};
constexpr int kSceneRowY[] = {140, 240, 420};

// The stage gallery: per thumbnail row, its background kind (0 none) and items as
// (thumbnail column a, row b, stage).
struct Thumb {
  int a, b, stage;
};
struct ThumbRow {
  int kind;
  Thumb items[6];
};
constexpr ThumbRow kThumbRows[] = {
    {22, {{1, 5, 10}, {0, 0, 11}, {2, 0, 12}, {1, 0, 13}}},
    {24, {{2, 5, 20}, {0, 1, 21}, {1, 1, 22}, {2, 1, 23}, {3, 1, 24}}},
    {23, {{3, 5, 30}, {0, 2, 31}, {1, 2, 32}, {3, 2, 33}, {4, 5, 40}, {0, 3, 41}}},
    {23, {{1, 3, 42}, {3, 3, 43}, {0, 6, 50}, {0, 4, 51}, {1, 4, 52}, {2, 4, 53}}},
    {23, {{3, 4, 54}, {1, 6, 55}, {4, 4, 56}, {2, 6, 57}}},
    {0, {{3, 6, 60}}},
};
constexpr int kThumbGroupSize[] = {3, 4, 5, 5, 3, 0};
constexpr int kThumbRowY[] = {80, 215, 350, 430, 510};
static_assert(std::size(kThumbRows) == std::size(kThumbGroupSize));

void ThumbPlace(int g, int k, int& x, int& y) {
  if (g == 5) {
    x = 677;
    y = 20;
    return;
  }
  x = 40 + 113 * k;
  y = kThumbRowY[g];
}

// The thumbnail of a code g * 10 + k, or nullptr for a code that names none.
const Thumb* ThumbOf(int code, int& kind) {
  const int g = code / 10;
  const int k = code % 10;
  if (code < 0 || g > 5 || k > TitleWords.ThumbGroupSize[g] || k > kThumbGroupSize[g]) return nullptr;
  kind = kThumbRows[g].kind;
  return &kThumbRows[g].items[k];
}

void Header(int width, int number) {
  const int x = CentreX(width);
  PictureLayer(TitleWords.PanelLayer, x, -100, width, 100, kTitlePictureKind, number);
  DrawState.CurrentRect = {x, -100, width, 100};
  StoreSlide(0, x, 20);
}

// A row of a menu rises from below the screen to (its x, y).
void MenuRow(int row, int width, int height, int cellX, int cellY, int x, int y) {
  const TitleWordsRecord& t = TitleWords;
  const int startX = CentreX(width);
  DrawState.CurrentLayer = t.MenuFirstLayer + row;
  DrawState.CurrentRect = {startX, WindowHeight(), width, height};
  PrepareLayer(kPreparePictureShown);
  ClipCellToLayer(t.MenuSheet, cellX, cellY, width, height);
  DrawState.CurrentRect = {startX, WindowHeight(), width, height};
  StoreSlide(row + 1, x, y);
}

void BuildSceneGallery() {
  Header(600, 20);
  DrawState.SheetIndex = TitleWords.MenuSheet;
  D00_LoadPicture(2, kTitlePictureKind, 21);
  for (int i = 0; i <= 5; ++i) {
    const SceneEntry& e = kSceneEntries[i];
    MenuRow(i, 400, e.height, e.cellX, e.cellY, ScreenSize.ScreenHalfWidth - 425 + 450 * (i % 2), kSceneRowY[i / 2]);
  }
  BackButton(TitleWords.MenuFirstLayer + 6, 7);
  TitleWords.MenuLastItem = 6;
}

void BuildExtrasMenu() {
  Header(350, 45);
  DrawState.SheetIndex = TitleWords.MenuSheet;
  D00_LoadPicture(2, kTitlePictureKind, 44);
  for (int i = 0; i <= 2; ++i) MenuRow(i, 600, 100, 0, 100 * i, CentreX(600), 160 + 140 * i);
  BackButton(TitleWords.MenuFirstLayer + 3, 4);
  TitleWords.MenuLastItem = 3;
}

// A click on a row of the scene gallery or the extras menu: the clicked row is the
// pick (a row that arrived under a pointer that has not moved since is lit first);
// the other rows leave while its frame blinks. Returns the row, or -1 when the
// click was on no row.
int RowsLeave(int buttonMode) {
  TitleWordsRecord& t = TitleWords;
  const int row = InputEvent.InputSourceIndex - t.MenuFirstLayer;
  if (SceneCursor.ButtonMode != buttonMode || InputEvent.InputSourceKind != 50 || row < 0 || row > t.MenuLastItem) {
    return -1;
  }
  if (row != t.HoverItem) {
    D00_FrameBox(2);
    LayerToFront(t.FrameLayer);
    LayerToFront(InputEvent.InputSourceIndex);
    t.HoverItem = row;
  }
  SceneCursor.ButtonMode = 0;
  PlayScreenSound(kReplaySound);
  DrawState.CurrentLayer = t.PanelLayer;
  GetLayerRect(kRectIntoCurrent, t.PanelLayer);
  StoreSlide(0, DrawState.CurrentRect.X, DrawState.CurrentRect.Y - ScreenSize.ScreenHalfHeight);
  int slot = 1;
  for (int i = 0; i <= t.MenuLastItem; ++i) {
    if (i == row) continue;
    const int layer = t.MenuFirstLayer + i;
    DrawState.CurrentLayer = layer;
    GetLayerRect(kRectIntoCurrent, layer);
    StoreSlide(slot++, DrawState.CurrentRect.X, DrawState.CurrentRect.Y + 600);
  }
  EffectParams.EffectFrames = 20;
  EffectParams.EffectLastSlot = t.MenuLastItem;
  RunEffect(kRowsAway, EffectEnd::kReturn);
  RunPause(100);
  return row;
}

void SceneGalleryClick() {
  const int row = RowsLeave(kSceneGalleryButtons);
  if (row < 0) return;
  if (row == TitleWords.MenuLastItem) {
    BackTail(TitleWords.MenuFirstLayer + row);
    return;
  }
  RunEffect(kWhiteThenBlack, EffectEnd::kReturn);
  SceneCursor.SceneStep = 10;
  Wait(0, 0);
}

void ExtrasClick() {
  const int row = RowsLeave(kExtrasButtons);
  if (row < 0) return;
  const int layer = TitleWords.MenuFirstLayer + row;
  if (row == TitleWords.MenuLastItem) {
    BackTail(layer);
    return;
  }
  DrawState.CurrentLayer = layer;
  GetLayerRect(kRectIntoCurrent, layer);
  DrawState.TargetRect.X = DrawState.CurrentRect.X;
  DrawState.TargetRect.Y = WindowHeight();
  EffectParams.EffectFrames = 10;
  RunEffect(kEffectMove, EffectEnd::kReturn);
  ShowLayer(layer, false);
  switch (row) {
    case 0:
      ModeState.PlayMode = 5;
      GoToNextTick(kSlideshow, 0);
      break;
    case 1:
      GoToNextTick(kStageGallery, -5);
      break;
    default:  // the extra stage
      RunEffect(kWhiteThenBlack, EffectEnd::kReturn);
      StripWipe(20);
      ModeState.PlayMode = 3;
      StartConversation(90, 5, 0);
      break;
  }
}

void FullScreenSlide(int layer, int number) {
  const int w = WindowWidth();
  const int h = WindowHeight();
  PictureLayer(layer, 0, h, w, h, kSlideKind, number);
  DrawState.CurrentRect = {0, h, w, h};
  StoreSlide(layer - TitleWords.PanelLayer, 0, 0);
}

void SlideAway(int layer, int slot) {
  DrawState.CurrentLayer = layer;
  GetLayerRect(kRectIntoCurrent, layer);
  StoreSlide(slot, DrawState.CurrentRect.X, -DrawState.CurrentRect.Height);
}

void BuildStageGallery() {
  TitleWordsRecord& t = TitleWords;
  PictureLayer(t.SourceLayer, WindowWidth(), 0, 0, 0, kStageGalleryKind, 2);
  DrawState.SheetIndex = t.MenuSheet;
  D00_LoadPicture(2, kStageGalleryKind, 2);
  const int panelX = CentreX(800);
  PictureLayer(t.PanelLayer, panelX, WindowHeight(), 800, 600, kStageGalleryKind, 11);
  // The extras row that was clicked left its index here, the code of a thumbnail.
  t.HoverItem = -1;
  for (int g = 0; g <= 5; ++g) {
    t.ThumbGroupSize[g] = kThumbGroupSize[g];
    for (int k = 0; k <= t.ThumbGroupSize[g]; ++k) {
      const Thumb& th = kThumbRows[g].items[k];
      int x = 0;
      int y = 0;
      ThumbPlace(g, k, x, y);
      BlitSpec.BlitSource = t.SourceLayer;
      BlitSpec.BlitTarget = t.PanelLayer;
      BitBltCopy(t.SourceLayer, t.PanelLayer, BlitCoords(kThumbWidth * th.a, kThumbHeight * th.b, kThumbWidth, kThumbHeight, x, y));
    }
  }
  DrawState.CurrentLayer = t.PanelLayer;
  DrawState.CurrentRect = {panelX, WindowHeight(), 800, 600};
  StoreSlide(0, panelX, CentreY(600) - 10);
  BackButton(t.MenuFirstLayer, 1);
}

void StageGalleryClick() {
  const TitleWordsRecord& t = TitleWords;
  if (InputEvent.InputSourceKind != 50) return;
  if (InputEvent.InputSourceIndex == t.MenuFirstLayer) {
    PanelAwayAndBack();
    return;
  }
  if (InputEvent.InputSourceIndex != t.FrameLayer) return;
  int kind = 0;
  const Thumb* thumb = ThumbOf(t.HoverItem, kind);
  if (thumb == nullptr) return;  // the back button's frame, or nothing lit
  const int stage = thumb->stage;
  PickedCellOut();
  if (kind != 0) StripWipe(kind);
  ModeState.PlayMode = 2;
  StartConversation(stage, 5, 0);
}

}  // namespace

void SceneGalleryStep() {
  switch (SceneCursor.SceneStep) {
    case -5:
    case -4:
      BuildSceneGallery();
      MenuArrives(7);
      break;
    case -1: MenuLive(kSceneGalleryButtons, true); break;
    case 0: SceneGalleryClick(); break;
    case 10: {
      const int row = TitleWords.HoverItem >= 0 && TitleWords.HoverItem <= 5 ? TitleWords.HoverItem : 0;
      PlayScreenSound(22);
      StripWipe(kSceneEntries[row].kind);
      ModeState.PlayMode = 1;
      StartConversation(kSceneEntries[row].stage, 5, 0);
      break;
    }
    default: break;
  }
}

void ExtrasMenuStep() {
  switch (SceneCursor.SceneStep) {
    case -5:
    case -4:
      BuildExtrasMenu();
      MenuArrives(4);
      break;
    case -1: MenuLive(kExtrasButtons, true); break;
    case 0: ExtrasClick(); break;
    default: break;
  }
}

void SlideshowStep() {
  TitleWordsRecord& t = TitleWords;
  switch (SceneCursor.SceneStep) {
    case 0:
      t.SlideIndex = 0;
      SceneCursor.SceneStep = 1;
      Wait(0, 0);
      break;
    case 1:
      FullScreenSlide(t.PanelLayer, t.SlideIndex);
      DrawState.TargetRect.X = 0;
      DrawState.TargetRect.Y = 0;
      EffectParams.EffectFrames = 300;
      EffectParams.EffectMotionKind = kMotionLinear;
      RunEffect(kEffectMove, EffectEnd::kReturn);
      SceneCursor.SceneStep = 5;
      break;
    case 5: {  // a click: the next picture comes up as the last one leaves upwards
      if (t.SlideIndex >= kLastSlide) break;
      t.SlideIndex += 1;
      SlideAway(t.PanelLayer, 0);
      FullScreenSlide(t.PanelLayer + 1, t.SlideIndex);
      EffectParams.EffectFrames = 300;
      EffectParams.EffectLastSlot = 1;
      EffectParams.EffectMotionKind = kMotionLinear;
      RunEffect(kEffectMoveSlots, EffectEnd::kReturn);
      const int w = WindowWidth();
      const int h = WindowHeight();
      PictureLayer(t.PanelLayer, 0, 0, w, h, kSlideKind, t.SlideIndex);
      ShowLayer(t.PanelLayer + 1, false);
      if (t.SlideIndex == kLastSlide) SceneCursor.SceneStep = 6;
      break;
    }
    case 6:
      D00_LoadPicture(0, 17, 0);
      DrawState.CurrentLayer = t.PanelLayer;
      GetLayerRect(kRectIntoCurrent, t.PanelLayer);
      DrawState.TargetRect.X = DrawState.CurrentRect.X;
      DrawState.TargetRect.Y = -DrawState.CurrentRect.Height;
      EffectParams.EffectFrames = 300;
      EffectParams.EffectMotionKind = kMotionLinear;
      RunEffect(kEffectMove, EffectEnd::kReturn);
      RunPause(1000);
      EffectParams.EffectFrames = 50;
      EffectParams.EffectVariant = 0;
      RunEffect(kCover, EffectEnd::kReturn);
      HideLayerRange(0, 89);
      RunPause(250);
      D00_LoadPicture(0, kTitlePictureKind, kTitlePicture);
      GoToNextTick(kExtrasMenu, -4);
      break;
    default: break;
  }
}

void StageGalleryStep() {
  switch (SceneCursor.SceneStep) {
    case -5:
    case -4:
      BuildStageGallery();
      MenuArrives(1);
      break;
    case -1: MenuLive(kStageGalleryButtons, false); break;
    case 0: StageGalleryClick(); break;
    default: break;
  }
}

void RowMenuHover() {
  TitleWordsRecord& t = TitleWords;
  const int i = InputEvent.InputSourceIndex - t.MenuFirstLayer;
  if (InputEvent.InputSourceKind == 50 && i >= 0 && i <= t.MenuLastItem) {
    if (i == t.HoverItem) return;
    D00_FrameBox(2);
    LayerToFront(t.FrameLayer);
    LayerToFront(InputEvent.InputSourceIndex);
    t.HoverItem = i;
    PlayScreenSound(kHoverSound, i);
    return;
  }
  if (t.HoverItem >= 0) {
    ShowLayer(t.FrameLayer, false);
    t.HoverItem = -1;
  }
}

void StageGalleryHover() {
  HoverCell cells[30];
  size_t n = 0;
  for (int g = 0; g <= 5; ++g) {
    for (int k = 0; k <= TitleWords.ThumbGroupSize[g] && k <= kThumbGroupSize[g]; ++k) {
      const Thumb& th = kThumbRows[g].items[k];
      int x = 0;
      int y = 0;
      ThumbPlace(g, k, x, y);
      cells[n++] = {x, y, kThumbWidth, kThumbHeight, g * 10 + k, 465 + kThumbWidth * th.a, kThumbHeight * th.b, true};
    }
  }
  CellHover(std::span<const HoverCell>(cells, n), kStageGalleryBack);
}

}  // namespace vadrim_title
