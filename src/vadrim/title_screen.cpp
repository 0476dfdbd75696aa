// The Vadrim title: the step dispatcher, the opening, the main menu, the returns to
// the title, the hover dispatcher, the frame box and the menu screens' conventions.
#include "vadrim/title_screen.h"

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/system_menu.h"
#include "games/mode_state.h"
#include "games/motion_slot_store.h"
#include "games/timed_effects.h"
#include "platform/pixels.h"
#include "scenario/auto_reading.h"
#include "scenario/motion_curves.h"
#include "vadrim/vadrim_mode.h"
#include "vadrim/vadrim_pictures.h"
#include "vadrim/vadrim_save.h"
#include "vadrim/vadrim_sounds.h"

namespace vadrim_title {

void WindowGrey(int v) {
  LayerInfo(GameForm).BackColor = Grey(v < 0 ? 0 : (v > 255 ? 255 : v));
  ClearLayerImage(GameForm);
}

void PictureLayer(int layer, int x, int y, int w, int h, int kind, int number) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {x, y, w, h};
  PrepareLayer(kPreparePictureShown);
  D00_LoadPicture(1, kind, number);
}

void StoreSlide(int slot, int x, int y) {
  DrawState.TargetRect.X = x;
  DrawState.TargetRect.Y = y;
  D50_StoreSprite(slot);
}

void BackButton(int layer, int slot) {
  const int x = WindowWidth() - 210;
  PictureLayer(layer, x, WindowHeight(), 200, 80, kTitlePictureKind, 10);
  DrawState.CurrentRect.X = x;
  DrawState.CurrentRect.Y = WindowHeight();
  StoreSlide(slot, x, WindowHeight() - 90);
}

void BackTail(int layer) {
  DrawState.CurrentLayer = layer;
  // The drop starts where the button stands, whatever the last motion left in CurrentRect.
  GetLayerRect(kRectIntoCurrent, layer);
  DrawState.TargetRect.X = DrawState.CurrentRect.X;
  DrawState.TargetRect.Y = WindowHeight();
  EffectParams.EffectFrames = 10;
  EffectParams.EffectMotionKind = kMotionLinear;
  RunEffect(kEffectMove, EffectEnd::kReturn);
  ToMainMenu();
}

void StripWipe(int backgroundKind) {
  const TitleWordsRecord& t = TitleWords;
  const int w = WindowWidth();
  const int h = WindowHeight() / 10;
  DrawState.SheetIndex = t.MenuSheet;
  D00_LoadPicture(2, backgroundKind, 0);
  for (int s = 0; s <= 9; ++s) {
    DrawState.CurrentLayer = t.PanelLayer + s;
    DrawState.CurrentRect = {s % 2 == 0 ? -w : w, h * s, w, h};
    PrepareLayer(kPreparePictureShown);
    ClipCellToLayer(t.MenuSheet, 0, h * s, w, h);
    DrawState.CurrentRect = {s % 2 == 0 ? -w : w, h * s, w, h};
    StoreSlide(s, 0, h * s);
  }
  EffectParams.EffectFrames = 30;
  EffectParams.EffectLastSlot = 9;
  RunEffect(kEffectMoveSlots, EffectEnd::kReturn);
  D00_LoadPicture(0, backgroundKind, 0);
  HideLayerRange(t.PanelLayer, t.PanelLayer + 9);
}

void MenuArrives(int lastSlot) {
  if (SceneCursor.SceneStep == -4) {
    D00_LoadPicture(0, kTitlePictureKind, kTitlePicture);
    LayerToFront(SystemLayerSet.OverlayLayer);
    EffectParams.EffectFrames = 1;
    EffectParams.EffectLastSlot = lastSlot;
    RunEffect(kEffectMoveSlots, EffectEnd::kReturn);
    EffectParams.EffectFrames = 50;
    EffectParams.EffectVariant = 0;
    RunEffect(kUncover, EffectEnd::kReturn);
  } else {
    PlayScreenSound(kSlideInSound);
    EffectParams.EffectFrames = 20;
    EffectParams.EffectLastSlot = lastSlot;
    RunEffect(kEffectMoveSlots, EffectEnd::kReturn);
  }
  SceneCursor.SceneStep = -1;
  Wait(0, 0);
}

void MenuLive(int buttonMode, bool resetHover) {
  LayerToBack(TitleWords.RaiseLayer);
  LayerToFront(TitleWords.RaiseLayer);
  if (resetHover) TitleWords.HoverItem = -1;
  SceneCursor.ButtonMode = buttonMode;
  SceneCursor.SceneStep = 0;
}

void ToMainMenu() {
  GoToNextTick(1, 6);
}

void StartConversation(int stage, int state, int step) {
  SceneCursor.StageNumber = stage;
  SceneCursor.SceneCode = kConversationScene;
  GoToNextTick(state, step);
}

}  // namespace vadrim_title

using namespace vadrim_title;

namespace {

enum : int {  // SceneState
  kBackToExtras = -32,
  kBackToStageGallery = -31,
  kBackToSceneGallery = -30,
  kFromSystemMenu = -10,
  kFromStoryEnd = -1,
  kStart = 0,
  kOpening = 1,
};
constexpr int kButtonWidth = 173;
constexpr int kButtonHeight = 58;
constexpr int kMenuSheet0 = 0;

void TitlePicture() { D00_LoadPicture(0, kTitlePictureKind, kTitlePicture); }

void OpeningStep() {
  switch (SceneCursor.SceneStep) {
    case 0:
      AnimationRun.WaitKind = kWaitTitle;
      SceneCursor.SceneStep = 5;
      Wait(kLogo, 0);
      break;
    case 5:
      AnimationRun.WaitKind = kWaitTitleMenu;
      WindowGrey(255);
      SceneCursor.SceneStep = 6;
      Wait(kTitleAppears, 0);
      break;
    case 6:  // every return to the main menu comes here
      ModeState.PlayMode = 0;
      TitlePicture();
      HideLayerRange(0, 16);
      AnimationRun.WaitKind = 0;
      for (int& enabled : TitleWords.BtnEnabled) enabled = 1;
      TitleWords.HoverItem = -1;
      TitleWords.BtnLast = 4;
      SceneCursor.ButtonMode = kMainMenuButtons;
      GoTo(kMainMenuState, -1);
      Wait(kMenuIn, 0);
      break;
    default: break;
  }
}

// The message that the extras open once every route is cleared falls through the screen.
void LockedExtrasMessage() {
  DrawState.CurrentLayer = TitleWords.PanelLayer;
  DrawState.CurrentRect = {CentreX(700), -200, 700, 200};
  PrepareLayer(kPreparePictureShown);
  D00_LoadPicture(1, kTitlePictureKind, 30);
  DrawState.CurrentRect = {CentreX(700), -200, 700, 200};
  DrawState.TargetRect.X = DrawState.CurrentRect.X;
  DrawState.TargetRect.Y = WindowHeight();
  EffectParams.EffectFrames = 300;
  EffectParams.EffectMotionKind = kMotionLinear;
  RunEffect(kEffectMove, EffectEnd::kReturn);
  ToMainMenu();
}

void MainMenuClick() {
  const int i = InputEvent.InputSourceIndex - TitleWords.BtnFirst;
  if (i < 0 || i > TitleWords.BtnLast || i > 4 || TitleWords.BtnEnabled[i] != 1) return;
  SceneCursor.ButtonMode = 0;
  TitleWords.PickedItem = i;
  EffectParams.EffectVariant = i == 0 ? 0 : 1;
  RunEffect(kMenuOut, EffectEnd::kReturn);
  const VadrimProgressRecord& p = VadrimProgress;
  switch (i) {
    case 0:  // a new story
      RunEffect(kNewStoryOut, EffectEnd::kReturn);
      StartConversation(0, 0, 10);
      break;
    case 1: GoTo(kBoardSelect, -5); Wait(0, 0); break;
    case 2: GoTo(kSceneGallery, -5); Wait(0, 0); break;
    case 3:
      if (p.RouteCleared[0] + p.RouteCleared[1] + p.RouteCleared[2] == 3) {
        GoToNextTick(kExtrasMenu, -5);
      } else {
        LockedExtrasMessage();
      }
      break;
    default: FormUnload(); break;  // quit
  }
}

void MainMenuStep() {
  switch (SceneCursor.SceneStep) {
    case -1:
      LayerToBack(TitleWords.RaiseLayer);
      LayerToFront(TitleWords.RaiseLayer);
      SceneCursor.SceneStep = 0;
      break;
    case 0: MainMenuClick(); break;
    default: break;
  }
}

void Cover(int frames) {
  EffectParams.EffectFrames = frames;
  EffectParams.EffectVariant = 0;
  RunEffect(kCover, EffectEnd::kReturn);
}

void Uncover(int frames) {
  EffectParams.EffectFrames = frames;
  EffectParams.EffectVariant = 0;
  RunEffect(kUncover, EffectEnd::kReturn);
}

void ReturnStep(int state) {
  switch (state) {
    case kFromStoryEnd:
      TitlePicture();
      Uncover(50);
      RunPause(100);
      ToMainMenu();
      break;
    case kFromSystemMenu:
      Cover(50);
      HideLayerRange(0, 89);
      RunPause(250);
      TitlePicture();
      Uncover(25);
      RunPause(100);
      ToMainMenu();
      break;
    default: {  // -32 to -30: the menu a replayed scene came from
      Cover(50);
      HideLayerRange(0, 89);
      RunPause(250);
      const int next = state == kBackToExtras ? kExtrasMenu
                       : state == kBackToStageGallery ? kStageGallery
                                                      : kSceneGallery;
      GoToNextTick(next, -4);
      break;
    }
  }
}

void PlainCell(int item) {
  if (item < 0 || item > 4) return;
  DrawState.CurrentLayer = TitleWords.BtnFirst + item;
  ClipCellToLayer(kMenuSheet0, 0, kButtonHeight * item, kButtonWidth, kButtonHeight);
}

void MainMenuHover() {
  TitleWordsRecord& t = TitleWords;
  const int i = InputEvent.InputSourceIndex - t.BtnFirst;
  if (InputEvent.InputSourceKind == 50 && i >= 0 && i <= t.BtnLast && i <= 4) {
    if (i == t.HoverItem) return;
    PlainCell(t.HoverItem);
    if (t.BtnEnabled[i] == 1) {
      DrawState.CurrentLayer = InputEvent.InputSourceIndex;
      ClipCellToLayer(kMenuSheet0, 2 * kButtonWidth, kButtonHeight * i, kButtonWidth, kButtonHeight);
      t.HoverItem = i;
      PlayScreenSound(kHoverSound, i);
      return;
    }
  }
  if (t.HoverItem >= 0) {
    PlainCell(t.HoverItem);
    t.HoverItem = -1;
  }
}

}  // namespace

void D00_Step() {
  const int state = SceneCursor.SceneState;
  switch (state) {
    case kBackToExtras:
    case kBackToStageGallery:
    case kBackToSceneGallery:
    case kFromSystemMenu:
    case kFromStoryEnd:
      if (SceneCursor.SceneStep == 0) ReturnStep(state);
      break;
    case kStart:
      D00_InitVars();
      GoToNextTick(kOpening, 0);
      break;
    case kOpening: OpeningStep(); break;
    case kMainMenuState: MainMenuStep(); break;
    case kRouteSelect: RouteSelectStep(); break;
    case kRouteSelectLive: RouteSelectLiveStep(); break;
    case kBoardSelect: BoardSelectStep(); break;
    case kSceneGallery: SceneGalleryStep(); break;
    case kExtrasMenu: ExtrasMenuStep(); break;
    case kSlideshow: SlideshowStep(); break;
    case kStageGallery: StageGalleryStep(); break;
    case kRouteClear: RouteClearStep(); break;
    default: break;
  }
}

void D00_Hover() {
  switch (SceneCursor.ButtonMode) {
    case kMainMenuButtons: MainMenuHover(); break;
    case kRouteButtons: RouteHover(); break;
    case kBoardButtons: BoardHover(); break;
    case kSceneGalleryButtons:
    case kExtrasButtons: RowMenuHover(); break;
    case kStageGalleryButtons: StageGalleryHover(); break;
    default: break;
  }
}

void D00_FrameBox(int style) {
  if (style < 0 || style > 9) return;
  int border = 0;
  uint32_t line = 0;
  uint32_t back = 0;
  switch (style) {
    case 0: border = 5; break;
    case 1: border = 6; break;
    case 3: border = 7; break;
    case 2: border = 10; break;
    default: break;
  }
  if (style <= 3) {
    line = style == 2 ? Grey(200) : Grey(128);
    back = Grey(255);
  }
  GetLayerRect(kRectIntoCurrent, InputEvent.InputSourceIndex);
  const Rect r = DrawState.CurrentRect;
  DrawState.CurrentLayer = TitleWords.FrameLayer;
  DrawState.CurrentRect = {r.X - border, r.Y - border, r.Width + 2 * border, r.Height + 2 * border};
  PrepareLayer(kPreparePictureShown);
  const int frame = TitleWords.FrameLayer;
  LayerInfo(frame).BackColor = back;
  ClearLayerImage(frame);
  tq::Surface& image = LayerImage(frame);
  const int w = image.Width();
  const int h = image.Height();
  tq::DrawBox(image, 0, 0, w - 1, h - 1, tq::PixelFromColor(line));
  tq::FillBox(image, border - 1, border - 1, w - border, h - border, tq::PixelFromColor(line));
  image.MarkChanged();
}

namespace vadrim_title {
namespace {

void Unlight() {
  ShowLayer(TitleWords.FrameLayer, false);
  TitleWords.HoverItem = -1;
}

}  // namespace

void CellHover(std::span<const HoverCell> cells, int backItem) {
  TitleWordsRecord& t = TitleWords;
  const int layer = InputEvent.InputSourceIndex;
  if (InputEvent.InputSourceKind != 50) return Unlight();
  if (layer == t.FrameLayer) {
    // The frame around the back button goes as soon as the pointer enters it.
    if (t.HoverItem == backItem) Unlight();
    return;
  }
  if (layer == t.MenuFirstLayer) {
    if (t.HoverItem == backItem) return;
    D00_FrameBox(2);
    LayerToFront(t.FrameLayer);
    LayerToFront(t.MenuFirstLayer);
    t.HoverItem = backItem;
    PlayScreenSound(kHoverSound, 0);
    return;
  }
  if (layer != t.PanelLayer) return Unlight();
  const int px = InputEvent.PointerX;
  const int py = InputEvent.PointerY;
  for (size_t i = 0; i < cells.size(); ++i) {
    const HoverCell& c = cells[i];
    if (!c.enabled || px < c.x || px > c.x + c.w - 1 || py < c.y || py > c.y + c.h - 1) continue;
    if (c.code == t.HoverItem) return;
    PlayScreenSound(kHoverSound, static_cast<int>(i));
    GetLayerRect(kRectIntoTarget, t.PanelLayer);
    DrawState.CurrentLayer = t.FrameLayer;
    DrawState.CurrentRect = {DrawState.TargetRect.X + c.x, DrawState.TargetRect.Y + c.y, c.w, c.h};
    PrepareLayer(kPreparePictureShown);
    ClipCellToLayer(t.MenuSheet, c.litX, c.litY, c.w, c.h);
    LayerToFront(t.FrameLayer);
    t.HoverItem = c.code;
    return;
  }
  Unlight();
}

void PickedCellOut() {
  PlayScreenSound(kClickSound);
  SceneCursor.ButtonMode = 0;
  DrawState.CurrentLayer = TitleWords.FrameLayer;
  EffectParams.EffectFrames = 11;
  EffectParams.EffectFrameDelay = 40;
  RunEffect(kEffectBlink, EffectEnd::kReturn);
  RunPause(100);
  PlayScreenSound(32);
  RunEffect(kWhiteThenBlack, EffectEnd::kReturn);
  PlayScreenSound(22);
}

void PanelAwayAndBack() {
  PlayScreenSound(kClickSound);
  SceneCursor.ButtonMode = 0;
  const int panel = TitleWords.PanelLayer;
  DrawState.CurrentLayer = panel;
  GetLayerRect(kRectIntoCurrent, panel);
  StoreSlide(0, DrawState.CurrentRect.X, WindowHeight());
  EffectParams.EffectFrames = 20;
  EffectParams.EffectLastSlot = 0;
  RunEffect(kRowsAway, EffectEnd::kReturn);
  RunPause(100);
  BackTail(TitleWords.MenuFirstLayer);
}

}  // namespace vadrim_title
