#include "marbrook/title_menu.h"

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/sound_channels.h"
#include "marbrook/marbrook_mode.h"
#include "marbrook/marbrook_pictures.h"
#include "marbrook/marbrook_sounds.h"
#include "marbrook/save_file.h"
#include "games/screen_buttons.h"
#include "marbrook/settings_screen.h"
#include "marbrook/system_menu.h"
#include "games/timed_effects.h"
#include "platform/platform.h"
#include "scenario/auto_reading.h"
#include "games/motion_slot_store.h"
#include "scenario/motion_curves.h"

MenuLayoutRecord MenuLayout;

namespace {

enum : int {  // SceneState
  kQuit = -999,
  kBackToExtras = -40,
  kBackToTitle = -10,
  kOpening = 1,
  kTitleMenu = 10,
  kNewStory = 15,
  kChapterBuild = 20,
  kChapterReady = 21,
  kSubMenuHeading = 30,
  kSubMenu = 31,
  kGallerySelect = 35,
  kReplaySelect = 37,
  kExtrasBuild = 40,
  kExtras = 41,
};
enum : int {  // ButtonMode
  kNoHover = 0,
  kTitleHover = 10,
  kGridHover = 21,
  kSubMenuHover = 31,
  kExtrasHover = 41,
};
enum : int {  // the title menu's buttons
  kNewStoryButton = 0,
  kChapterButton = 1,
  kGalleryButton = 2,
  kExtrasButton = 3,
  kQuitButton = 4,
};

constexpr int kTitlePictureKind = 5;
constexpr int kMenuBackground = 21;
constexpr int kTitleButtons = 30;
constexpr int kSubMenuButtons = 37;
constexpr int kExtrasButtons = 50;
constexpr int kBackButton = 36;
constexpr int kNewStoryPicture = 90;
constexpr int kChosenSound = 21;
constexpr int kBackSound = 105;
constexpr int kLastHiddenLayer = 89;

void FormPicture(int number) { C00_LoadPicture(0, kTitlePictureKind, number); }

void SheetPicture(int sheet, int number) {
  DrawState.SheetIndex = sheet;
  C00_LoadPicture(2, kTitlePictureKind, number);
}

// Gives `layer` a cell of a sheet and puts it at (x, y).
void CellLayer(int layer, int sheet, int cx, int cy, int width, int height, int x, int y) {
  DrawState.CurrentLayer = layer;
  ClipCellToLayer(sheet, cx, cy, width, height);
  MoveLayer(layer, x, y, width, height);
}

// The back button (picture 36) of the sub-menu and extras menu rises into the
// bottom-right corner from a screen and a half down.
void BackButtonSlot(int layer, int slot) {
  DrawState.CurrentLayer = layer;
  C00_LoadPicture(1, kTitlePictureKind, kBackButton);
  const int x = WindowWidth() - (LayerWidth(layer) + 10);
  StoreMove(slot, layer, x, WindowHeight() + ScreenSize.ScreenHalfHeight, x,
            WindowHeight() - (LayerHeight(layer) + 10));
}

// The button of the live menu that the last click hit, or -1.
int ClickedButton() {
  if (InputEvent.InputSourceKind != 50) return -1;
  const int i = InputEvent.InputSourceIndex - ScreenButtons.ButtonFirstBox;
  return i >= 0 && i <= MenuLayout.ButtonLastIndex ? i : -1;
}

// A click taken before any pointer move over the button has left HoveredButton at -1
// (or on another button); the clicked button becomes the hovered one, framed as a
// move would have framed it, so the leaving animation knows the choice.
void TakeClickedButton(int button, int frameKind) {
  if (ScreenButtons.HoveredButton == button) return;
  C01_HoverBox(0, frameKind);
  ScreenButtons.HoveredButton = button;
}

// Every button of the live menu but the chosen one falls out of the screen, starting
// at slot `firstSlot`; then a pause and the chosen button's own fall (unless it stays).
void LeaveMenu(int firstSlot, bool chosenFalls) {
  int slot = firstSlot;
  for (int i = 0; i <= MenuLayout.ButtonLastIndex; ++i) {
    if (i == ScreenButtons.HoveredButton) continue;
    const int layer = ScreenButtons.ButtonFirstBox + i;
    StoreMove(slot++, layer, LayerLeft(layer), LayerTop(layer), LayerLeft(layer), LayerTop(layer) + WindowHeight());
  }
  FallOutBlinking(slot - 1);
  RunPause(100);
  if (!chosenFalls) return;
  const int chosen = ScreenButtons.ButtonFirstBox + ScreenButtons.HoveredButton;
  MoveLayerTo(chosen, LayerLeft(chosen), LayerTop(chosen) + WindowHeight(), 10, kMotionLinear);
}

void BuildTitleMenu() {
  LayerInfo(GameForm).BackColor = 0;
  ClearLayerImage(GameForm);
  StopChannel(VoiceSettings.VoiceChannel);
  FormPicture(kMenuBackground);
  SheetPicture(0, kTitleButtons);
  const int furthest = MarbrookProgress.FurthestStage;
  const int enabled[5] = {1, furthest >= 3 ? 1 : 0, furthest == 999 ? 1 : 0, 1, 1};
  for (int i = 0; i < 5; ++i) MenuLayout.ButtonEnabled[i] = enabled[i];
  MenuLayout.ButtonLastIndex = 4;
  ScreenButtons.ButtonFirstBox = MenuLayout.TitleButtonFirstLayer;
  const int top = ScreenSize.ScreenHalfHeight - 290;
  for (int i = 0; i <= 4; ++i) {
    const int layer = ScreenButtons.ButtonFirstBox + i;
    int width = i == kQuitButton ? 200 : 400;
    const int y = top + 120 * i;
    const int startX = i % 2 == 0 ? -width : WindowWidth();
    CellLayer(layer, 0, 400 - 400 * MenuLayout.ButtonEnabled[i], 100 * i, width, 100, startX, y);
    StoreMove(i, layer, startX, y, CentreX(width), y);
  }
  SlideIn(25, 4);
  MenuLayout.HoverFrameLayer = 1;
  DrawState.CurrentLayer = MenuLayout.HoverFrameLayer;
  DrawState.CurrentRect = {0, 0, 8, 8};
  PrepareLayer(kPreparePictureHidden);
  LayerInfo(MenuLayout.HoverFrameLayer).BackColor = RgbColor(255, 255, 255);
  ClearLayerImage(MenuLayout.HoverFrameLayer);
  GoToNextTick(kTitleMenu, -1);
}

void TitleMenuState() {
  switch (SceneCursor.SceneStep) {
    case -1:
      MenuLayout.HoverMargin[0] = 8;
      ScreenButtons.HoveredButton = -1;
      SceneCursor.SceneStep = 0;
      SceneCursor.ButtonMode = kTitleHover;
      break;
    case 0: {
      const int button = ClickedButton();
      if (button < 0 || MenuLayout.ButtonEnabled[button] == 0) return;
      TakeClickedButton(button, 0);
      SceneCursor.ButtonMode = kNoHover;
      TitleSound(kChosenSound);
      const int chosen = ScreenButtons.HoveredButton;
      // The gallery button stays as the sub-menu's heading; the quit button stays too.
      LeaveMenu(0, chosen != kGalleryButton && chosen != kQuitButton);
      switch (chosen) {
        case kNewStoryButton: GoTo(kNewStory, 0); break;
        case kChapterButton: GoTo(kChapterBuild, 0); break;
        case kGalleryButton: GoTo(kSubMenuHeading, 0); break;
        case kExtrasButton: GoTo(kExtrasBuild, 0); break;
        default: FormUnload(); return;
      }
      Wait(0, 0);
      break;
    }
    default: break;
  }
}

void NewStoryState() {
  switch (SceneCursor.SceneStep) {
    case 0:
      CurtainClose();
      FormPicture(kNewStoryPicture);
      RunPause(MarbrookProgress.CurtainDelay);
      CurtainOpen();
      // No wait: a click or an advance key starts the story.
      SceneCursor.SceneStep = 1;
      break;
    case 1:
      SceneCursor.StageNumber = 1;
      SceneCursor.SceneCode = kConversationScene;
      GoToNextTick(0, 10);
      break;
    default: break;
  }
}

void SubMenuHeadingState() {
  const int heading = MenuLayout.TitleButtonFirstLayer + 2;
  switch (SceneCursor.SceneStep) {
    case 0: {
      const int chosen = ScreenButtons.ButtonFirstBox + ScreenButtons.HoveredButton;
      MoveLayerTo(chosen, LayerLeft(chosen), 50, 20, kMotionEaseOut);
      SceneCursor.SceneStep = 5;
      Wait(0, 0);
      break;
    }
    case 1:
      // Back from a select: the heading drops in again.
      SheetPicture(0, kTitleButtons);
      CellLayer(heading, 0, 0, 200, 400, 100, CentreX(400), -100);
      MoveLayerTo(heading, CentreX(400), 50, 20, kMotionEaseOut);
      SceneCursor.SceneStep = 5;
      Wait(0, 0);
      break;
    case 5: {
      SheetPicture(1, kSubMenuButtons);
      MenuLayout.ButtonLastIndex = 2;
      ScreenButtons.ButtonFirstBox = MenuLayout.SubButtonFirstLayer;
      for (int i = 0; i <= 1; ++i) {
        const int layer = ScreenButtons.ButtonFirstBox + i;
        const int y = 210 + 140 * i;
        const int startX = i == 0 ? -500 : WindowWidth();
        CellLayer(layer, 1, 0, 100 * i, 500, 100, startX, y);
        StoreMove(i, layer, startX, y, CentreX(500), y);
      }
      BackButtonSlot(ScreenButtons.ButtonFirstBox + 2, 2);
      SlideIn(25, 2);
      GoToNextTick(kSubMenu, -1);
      break;
    }
    default: break;
  }
}

void SubMenuState() {
  switch (SceneCursor.SceneStep) {
    case -1:
      MenuLayout.HoverMargin[0] = 8;
      MenuLayout.HoverMargin[1] = 8;
      ScreenButtons.HoveredButton = -1;
      SceneCursor.SceneStep = 0;
      SceneCursor.ButtonMode = kSubMenuHover;
      break;
    case 0: {
      const int item = ClickedButton();
      if (item < 0) return;
      TakeClickedButton(item, 0);
      SceneCursor.ButtonMode = kNoHover;
      TitleSound(kChosenSound);
      // The heading leaves upwards in slot 0 while the other items fall.
      const int heading = MenuLayout.TitleButtonFirstLayer + 2;
      StoreMove(0, heading, LayerLeft(heading), LayerTop(heading), LayerLeft(heading), -LayerHeight(heading));
      LeaveMenu(1, true);
      const int states[3][2] = {{kGallerySelect, 0}, {kReplaySelect, 0}, {kOpening, 10}};
      GoToNextTick(states[ScreenButtons.HoveredButton][0], states[ScreenButtons.HoveredButton][1]);
      break;
    }
    default: break;
  }
}

void ExtrasBuildState() {
  if (SceneCursor.SceneStep != 0) return;
  const int enabled[4] = {1, 1, MarbrookProgress.BonusCgUnlocked != 0 ? 1 : 0, 1};
  for (int i = 0; i < 4; ++i) MenuLayout.ButtonEnabled[i] = enabled[i];
  SheetPicture(1, kExtrasButtons);
  MenuLayout.ButtonLastIndex = 3;
  ScreenButtons.ButtonFirstBox = MenuLayout.SubButtonFirstLayer;
  const int top = ScreenSize.ScreenHalfHeight - 320;
  for (int i = 0; i <= 2; ++i) {
    const int layer = ScreenButtons.ButtonFirstBox + i;
    const int y = top + 220 * i;
    const int startX = i % 2 == 0 ? -500 : WindowWidth();
    CellLayer(layer, 1, 500 - 500 * MenuLayout.ButtonEnabled[i], 200 * i, 500, 200, startX, y);
    StoreMove(i, layer, startX, y, CentreX(500), y);
  }
  BackButtonSlot(ScreenButtons.ButtonFirstBox + 3, 3);
  SlideIn(25, 3);
  GoToNextTick(kExtras, -1);
}

void ExtrasState() {
  switch (SceneCursor.SceneStep) {
    case -1:
      ScreenButtons.HoveredButton = -1;
      SceneCursor.SceneStep = 0;
      SceneCursor.ButtonMode = kExtrasHover;
      MenuLayout.HoverMargin[0] = 12;
      MenuLayout.HoverMargin[1] = 8;
      break;
    case 0: {
      const int item = ClickedButton();
      if (item < 0 || MenuLayout.ButtonEnabled[item] == 0) return;
      TakeClickedButton(item, item == 3 ? 1 : 0);
      SceneCursor.ButtonMode = kNoHover;
      TitleSound(kChosenSound);
      LeaveMenu(0, true);
      constexpr int kExtraCodes[3] = {500, 510, 520};  // scene replay, casino, bonus pictures
      if (ScreenButtons.HoveredButton <= 2) {
        C01_ClearScreen(0);
        C00_EnterExtraGame(kExtraCodes[ScreenButtons.HoveredButton]);
        return;
      }
      GoToNextTick(kOpening, 10);
      break;
    }
    default: break;
  }
}

void BackToTitleState() {
  switch (SceneCursor.SceneStep) {
    case 0:
      CurtainClose();
      HideLayerRange(0, kLastHiddenLayer);
      FormPicture(kMenuBackground);
      EffectParams.EffectFrameDelay = 50;
      Wait(kEffectMusicFade, 0);
      CurtainOpen();
      SceneCursor.SceneStep = 1;
      Wait(0, 0);
      break;
    case 1:
      C01_InitVars();
      GoToNextTick(kOpening, 10);
      break;
    default: break;
  }
}

// The hover rule of the button menus: a new enabled button gets the frame and its
// sound; anything else drops the frame.
void ButtonHover(int lastButton, bool checkEnabled, int backFrameKind) {
  const int i = InputEvent.InputSourceIndex - ScreenButtons.ButtonFirstBox;
  const bool onButton = InputEvent.InputSourceKind == 50 && i >= 0 && i <= lastButton &&
                        (!checkEnabled || MenuLayout.ButtonEnabled[i] != 0);
  if (onButton && i == ScreenButtons.HoveredButton) return;
  if (!onButton) {
    if (ScreenButtons.HoveredButton >= 0) {
      ShowLayer(MenuLayout.HoverFrameLayer, false);
      ScreenButtons.HoveredButton = -1;
    }
    return;
  }
  int sound = 0;
  int kind = 0;
  switch (SceneCursor.ButtonMode) {
    case kTitleHover: sound = 100 + i; break;
    case kSubMenuHover: sound = i == 0 ? 106 : (i == 1 ? 107 : kBackSound); break;
    default:
      sound = i == 0 ? 110 : (i == 3 ? kBackSound : 15);
      kind = i == 3 ? backFrameKind : 0;
      break;
  }
  C01_HoverBox(0, kind);
  ScreenButtons.HoveredButton = i;
  TitleSound(sound);
}

}  // namespace

void CurtainClose() { Wait(kEffectCurtainClose, 0); }
void CurtainOpen() { Wait(kEffectCurtainOpen, 0); }

void StoreMove(int slot, int layer, int x0, int y0, int x1, int y1) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect.X = x0;
  DrawState.CurrentRect.Y = y0;
  DrawState.TargetRect.X = x1;
  DrawState.TargetRect.Y = y1;
  D50_StoreSprite(slot);
}

void SlideIn(int frames, int lastSlot) {
  EffectParams.EffectFrames = frames;
  EffectParams.EffectLastSlot = lastSlot;
  EffectParams.EffectMotionKind = kMotionEaseOut;
  RunEffect(kEffectMoveSlots, EffectEnd::kReturn);
}

void FallOutBlinking(int lastSlot) {
  EffectParams.BlinkBox = MenuLayout.HoverFrameLayer;
  EffectParams.BlinkFrames = 30;
  EffectParams.EffectFrames = 20;
  EffectParams.EffectLastSlot = lastSlot;
  EffectParams.EffectMotionKind = kMotionEaseOut;
  RunEffect(kEffectMoveBlink, EffectEnd::kReturn);
}

void MoveLayerTo(int layer, int x, int y, int frames, int motionKind) {
  DrawState.CurrentLayer = layer;
  GetLayerRect(kRectIntoCurrent, layer);
  DrawState.TargetRect = DrawState.CurrentRect;
  DrawState.TargetRect.X = x;
  DrawState.TargetRect.Y = y;
  EffectParams.EffectFrames = frames;
  EffectParams.EffectMotionKind = motionKind;
  RunEffect(kEffectMove, EffectEnd::kReturn);
}

bool OnLayer(int layer) { return InputEvent.InputSourceKind == 50 && InputEvent.InputSourceIndex == layer; }

void C01_InitVars() {
  MenuLayout.MenuSourceLayer = 1;
  MenuLayout.GridPanelLayer = 5;
  MenuLayout.TitleButtonFirstLayer = 10;
  MenuLayout.SubButtonFirstLayer = 15;
  ModeState.PlayMode = 0;
}

void C01_Step() {
  switch (SceneCursor.SceneState) {
    case kQuit: FormUnload(); break;
    case kBackToExtras:
      FormPicture(kMenuBackground);
      C01_InitVars();
      GoToNextTick(kExtrasBuild, 0);
      break;
    case kBackToTitle: BackToTitleState(); break;
    case 0: TitleSequenceStep(); break;
    case kOpening:
      if (SceneCursor.SceneStep == 10) BuildTitleMenu();
      else TitleSequenceStep();
      break;
    case kTitleMenu: TitleMenuState(); break;
    case kNewStory: NewStoryState(); break;
    case kChapterBuild:
    case kChapterReady: ChapterMenuStep(); break;
    case kSubMenuHeading: SubMenuHeadingState(); break;
    case kSubMenu: SubMenuState(); break;
    case kGallerySelect:
    case kReplaySelect: GridSelectStep(); break;
    case kExtrasBuild: ExtrasBuildState(); break;
    case kExtras: ExtrasState(); break;
    default: break;
  }
}

void C01_Hover() {
  switch (SceneCursor.ButtonMode) {
    case kTitleHover: ButtonHover(4, true, 0); break;
    case kSubMenuHover: ButtonHover(2, false, 0); break;
    case kExtrasHover: ButtonHover(3, true, 1); break;
    case kGridHover: GridHover(); break;
    default: break;
  }
}

void C01_HoverBox(int off, int& kind) {
  if (off != 0) return;
  const int hovered = InputEvent.InputSourceIndex;
  const int frame = MenuLayout.HoverFrameLayer;
  if (!ValidLayer(hovered) || !ValidLayer(frame) || hovered == frame) return;
  LayerToFront(hovered);
  GetLayerRect(kRectIntoCurrent, hovered);
  const int m = MenuLayout.HoverMargin[kind == 1 ? 1 : 0];
  DrawState.CurrentLayer = frame;
  DrawState.AutoRaiseOn = 0;
  Rect& r = DrawState.CurrentRect;
  r = {r.X - m, r.Y - m, r.Width + 2 * m, r.Height + 2 * m};
  PrepareLayer(kPreparePictureShown);
  LayerInfo(frame).BackColor = RgbColor(255, 255, 255);
  ClearLayerImage(frame);
  tq::DrawBox(LayerImage(frame), 0, 0, r.Width - 1, r.Height - 1, tq::PixelFromColor(0));
}

void C01_HoverBox(int off, int&& kind) { C01_HoverBox(off, kind); }

void C01_ClearScreen(int /*ignored*/) {
  const int layer = ScreenButtons.PictureFirstBox;
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {0, -WindowHeight(), WindowWidth(), WindowHeight()};
  PrepareLayer(kPreparePictureShown);
  MoveLayerTo(layer, 0, 0, 20, kMotionEaseOut);
  C00_LoadPicture(0, 0, 0);
}

void RegisterTitleScreens() {
  ScreenHookSet& title = MarbrookScreen(kTitleScene);
  title.Step = C01_Step;
  title.Hover = C01_Hover;
  title.Frame = C01_Frame;
  ModeHookSet& hooks = ModeHooksFor(ModeId::Marbrook);
  hooks.BuildSystemMenu = C10_SystemMenu;
  hooks.MenuCommand = C10_MenuCommand;
  hooks.SettingsClick = C15_ConfigClick;
}

void ResetTitleMenuState() {
  MenuLayout = MenuLayoutRecord{};
  ResetTitleSequenceState();
}
