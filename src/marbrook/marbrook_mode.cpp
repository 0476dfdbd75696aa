#include "marbrook/marbrook_mode.h"

#include <array>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/sound_channels.h"
#include "engine/system_menu.h"
#include "marbrook/conversation_screen.h"
#include "marbrook/extras_area.h"
#include "marbrook/marbrook_pictures.h"
#include "marbrook/marbrook_sounds.h"
#include "games/timed_effects.h"
#include "marbrook/title_menu.h"
#include "platform/platform.h"
#include "scenario/animation_dispatch.h"
#include "scenario/auto_reading.h"
#include "scenario/motion_curves.h"

MarbrookNamedCallSet MarbrookNamedCalls;

namespace {

constexpr int kExtras = 45;

// The screens of the mode, by SceneCode.
std::array<ScreenRow, 11> screens = {{
    {kConversationScene, {}},
    {kExtras, {}},
    {51, {}},  // rock-paper-scissors
    {52, {}},  // board games
    {53, {}},  // memory pairs
    {54, {}},  // casino
    {55, {}},  // role-playing game: no hover
    {56, {}},  // room adventure: no frames
    {59, {}},  // kana adventure: no frames
    {60, {}},  // last-boss duel
    {kTitleScene, {}},
}};

void RunStep(int sceneCode) {
  if (auto step = MarbrookScreen(sceneCode).Step) step();
}

// Keys 1 to 3 read automatically at AutoSpeed 0 to 2; 4 and 5 skip at ReadSpeed 2 and 3.
void StartAutoReading(int digit) {
  AnimationRun.WaitKind = kWaitAutoRead;
  ReadState.ReadMode = 2;
  if (digit <= 3) VoiceSettings.AutoSpeed = digit - 1;
  else ReadState.ReadSpeed = digit - 2;
  SystemMenu(30, 0);
  InputEvent.KeyCommandRun = -1;
  AnimationRun.ScenarioWaitMs = 200;
  Wait(3, 0);
}

void ConversationKey() {
  const int key = InputEvent.KeyCode;
  if (InputEvent.AdvanceKeyDown == 1) {
    C00_ConvAdvance();
    return;
  }
  int digit = 0;
  // Digits 1 to 5 on the main keyboard or the numeric pad.
  if (key >= tq::kKey0 + 1 && key <= tq::kKey0 + 5) digit = key - tq::kKey0;
  else if (key >= tq::kKeyPad0 + 1 && key <= tq::kKeyPad0 + 5) digit = key - tq::kKeyPad0;
  if (digit != 0) {
    // Only while a stage runs.
    if (SceneCursor.SceneState == 10) StartAutoReading(digit);
    return;
  }
  const bool nextStage = key == tq::kKeyA + ('S' - 'A');
  const bool nextGame = key == tq::kKeyA + ('G' - 'A');
  if (nextStage || nextGame) {
    auto call = nextStage ? MarbrookNamedCalls.C10_NextStage : MarbrookNamedCalls.C10_NextGame;
    if (call != nullptr) call();
    InputEvent.KeyCommandRun = -1;
  }
}

}  // namespace

ScreenHookSet& MarbrookScreen(int sceneCode) { return FindScreen(screens, sceneCode); }

void C00_Init() {
  GoTo(0, 0);
  SceneCursor.SceneCode = kTitleScene;
  SystemLayerSet.ClickWaitLayer = 89;
  SetSystemLayers();
  SystemMenuState.MenuHoverItem = -1;
  EffectParams.EffectResumesStep = 0;
  if (EffectParams.EffectMotionKind == 0) EffectParams.EffectMotionKind = kMotionEaseOut;
  EffectParams.EffectFrameDelay = 13;
  MarbrookProgress.CurtainDelay = 300;
  VoiceSettings.BalloonMoveSkippable = -1;
  ModeState.SaveEnabled = -1;
  C00_LoadSettings();
  if (GameConfig.VoiceLevel >= 1) VoiceSettings.VoiceOn = -1;
}

bool C00_OnEvent(int phase) {
  const int scene = SceneCursor.SceneCode;
  const ScreenHookSet& screen = MarbrookScreen(scene);
  // A pending advance request in a conversation runs through C00_ConvAdvance instead.
  if (phase == 0 && scene == kConversationScene && InputEvent.AdvanceRequest == -1) {
    C00_ConvAdvance();
    return screen.Step != nullptr;
  }
  return RunScreenPhase(screen, phase);
}

void C00_ConvAdvance() {
  if (VoiceSettings.VoiceCutOnAdvance == -1) C45_StopVoice();
  InputEvent.AdvanceRequest = 0;
  RunStep(kConversationScene);
}

void C00_BreakWait() {
  switch (AnimationRun.WaitKind) {
    case kWaitCasinoReels:
      if (MarbrookNamedCalls.G04_StopReelClick != nullptr) MarbrookNamedCalls.G04_StopReelClick();
      break;
    case kWaitTitle:
      FrameClock.FrameLoopRunning = 0;
      FrameClock.LoopAbortRequested = -1;
      AnimationRun.WaitKind = 0;
      for (int layer = 0; layer <= 9; ++layer) ShowLayer(layer, false);
      StopChannel(0);
      SceneCursor.SceneStep = 5;
      Wait(0, 0);
      break;
    case kWaitTitleMenu:
      FrameClock.LoopAbortRequested = -1;
      AnimationRun.WaitKind = 0;
      SceneCursor.SceneStep = 6;
      Wait(0, 0);
      break;
    default: break;
  }
}

void C00_OnKey() {
  const int scene = SceneCursor.SceneCode;
  switch (scene) {
    case kConversationScene: ConversationKey(); break;
    case kTitleScene:
      if (InputEvent.AdvanceKeyDown == 1) RunStep(kTitleScene);
      break;
    default:
      if (auto onKey = MarbrookScreen(scene).OnKey) onKey();
      break;
  }
}

void C00_EnterExtraGame(int code) {
  int scene = 0;
  int state = 0;
  int step = 0;
  switch (code) {
    case 500: scene = kExtras, state = 0, step = 1; break;    // scene replay
    case 510: scene = 54, state = -1, step = 0; break;        // casino in free play
    case 520: scene = kExtras, state = 100, step = 0; break;  // bonus pictures
    default: return;
  }
  SceneCursor.SceneCode = scene;
  GoTo(state, step);
  Wait(-1, 500);
}

void RegisterMarbrookMode() {
  ModeHookSet& hooks = ModeHooksFor(ModeId::Marbrook);
  hooks.Init = C00_Init;
  hooks.OnEvent = C00_OnEvent;
  hooks.OnKey = C00_OnKey;
  hooks.BreakWait = C00_BreakWait;
  hooks.LoadPictureByKind = C00_LoadPicture;
  hooks.PlaySound = C15_PlaySound;
  MarbrookScreen(kConversationScene).Frame = ScenarioFrameDispatch;
  RegisterExtrasArea();
  // The calls the engine makes to this game whatever the mode.
  CrossingHooks.MarbrookLoadPicture = C00_LoadPicture;
  CrossingHooks.MarbrookTitleSound = C01_PlaySound;
  CrossingHooks.MarbrookOnKey = C00_OnKey;
  CrossingHooks.MarbrookEffectStep = C40_EffectStep;
  CrossingHooks.MarbrookEffectSound = C40_PlaySound;
  CrossingHooks.MarbrookClickSound = C01_ClickSound;
  RegisterTitleScreens();
  RegisterMarbrookConversation();
}

void ResetMarbrookState() {
  ResetMarbrookProgressState();
  ResetTitleMenuState();
  ResetExtrasAreaState();
}
