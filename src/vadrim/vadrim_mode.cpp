#include "vadrim/vadrim_mode.h"

#include <array>

#include "engine/frame_model.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/settings_panel.h"
#include "engine/system_menu.h"
#include "games/mode_state.h"
#include "games/timed_effects.h"
#include "scenario/animation_dispatch.h"
#include "scenario/auto_reading.h"
#include "scenario/motion_curves.h"
#include "vadrim/board/screen.h"
#include "vadrim/conversation_hover.h"
#include "vadrim/conversation_screen.h"
#include "vadrim/story_flow.h"
#include "vadrim/title_screen.h"
#include "vadrim/vadrim_pictures.h"
#include "vadrim/vadrim_save.h"
#include "vadrim/vadrim_sounds.h"

VadrimNamedCallSet VadrimNamedCalls;
TitleWordsRecord TitleWords;

namespace {

// The screens of the mode, by SceneCode.
std::array<ScreenRow, 3> screens = {{
    {kConversationScene, {}},
    {kBoardScene, {}},  // its OnKey takes every key
    {kTitleScene, {}},
}};

// Saves at once after a click that changed a setting; a click outside the panel
// closes it without saving.
void SettingsClick() {
  if (SettingsPanelClick()) D10_SaveWrite();
}

}  // namespace

ScreenHookSet& VadrimScreen(int sceneCode) { return FindScreen(screens, sceneCode); }

void EnterScene(int scene, int state, int step) {
  SceneCursor.SceneCode = scene;
  GoTo(state, step);
}

void D00_InitMode() {
  SceneCursor.SceneCode = kTitleScene;
  SceneCursor.SceneState = 0;
  SceneCursor.SceneStep = 0;
  ModeState.SaveEnabled = -1;
  D10_SaveRead();
  SystemLayerSet.ClickWaitLayer = 89;
  SetSystemLayers();
  SystemMenuState.MenuHoverItem = -1;
  if (VadrimNamedCalls.D20_LayoutInit != nullptr) VadrimNamedCalls.D20_LayoutInit();
  D00_InitVars();
}

void D00_InitVars() {
  EffectParams.EffectResumesStep = 0;
  if (EffectParams.EffectMotionKind == 0) EffectParams.EffectMotionKind = kMotionEaseOut;
  TitleWords.PanelLayer = 30;
  TitleWords.RaiseLayer = 19;
  TitleWords.FrameLayer = 19;
  TitleWords.SourceLayer = 31;
  TitleWords.BtnFirst = 20;
  TitleWords.MenuFirstLayer = 20;
  TitleWords.MenuSheet = 8;
  VadrimProgress.StagesPerRoute[0] = 2;
  VadrimProgress.StagesPerRoute[1] = 3;
  VadrimProgress.StagesPerRoute[2] = 11;
  ModeState.PlayMode = 0;
}

bool D00_OnEvent(int phase) {
  return RunScreenPhase(VadrimScreen(SceneCursor.SceneCode), phase);
}

void D00_OnKey() {
  const ScreenHookSet& screen = VadrimScreen(SceneCursor.SceneCode);
  if (screen.OnKey != nullptr) {
    screen.OnKey();
    return;
  }
  if (InputEvent.AdvanceKeyDown == 1 && screen.Step != nullptr) screen.Step();
}

void D00_BreakWait() {
  switch (AnimationRun.WaitKind) {
    case kWaitTitle:  // the opening logo
      FrameClock.LoopAbortRequested = -1;
      AnimationRun.WaitKind = 0;
      HideLayerRange(0, 9);
      SceneCursor.SceneStep = 5;
      Wait(0, 0);
      break;
    case kWaitTitleMenu:  // the title appearance: straight to the menu over the title picture
      FrameClock.LoopAbortRequested = -1;
      AnimationRun.WaitKind = 0;
      D00_LoadPicture(0, 11, 99);
      HideLayerRange(0, 16);
      SceneCursor.SceneStep = 6;
      Wait(0, 0);
      break;
    default: break;
  }
}

void RegisterVadrimMode() {
  ModeHookSet& hooks = ModeHooksFor(ModeId::Vadrim);
  hooks.Init = D00_InitMode;
  hooks.OnEvent = D00_OnEvent;
  hooks.OnKey = D00_OnKey;
  hooks.BreakWait = D00_BreakWait;
  hooks.LoadPictureByKind = D00_LoadPicture;
  hooks.PlaySound = D20_PlaySound;
  hooks.SettingsClick = SettingsClick;
  VadrimScreen(kConversationScene).Hover = D10_Hover;
  VadrimScreen(kConversationScene).Frame = ScenarioFrameDispatch;
  VadrimScreen(kTitleScene).Step = D00_Step;
  VadrimScreen(kTitleScene).Hover = D00_Hover;
  VadrimScreen(kTitleScene).Frame = D00_Frame;
  // The Skelvane conversation reaches this screen's hover whatever the mode.
  CrossingHooks.VadrimConvHover = D10_Hover;
  RegisterVadrimConversation();
}

void ResetVadrimState() {
  TitleWords = TitleWordsRecord{};
  ResetVadrimProgressState();
  ResetVadrimStoryState();
}
