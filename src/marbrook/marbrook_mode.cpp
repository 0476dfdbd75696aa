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
#include "scenario/animation_dispatch.h"
#include "scenario/auto_reading.h"

MarbrookNamedCallSet MarbrookNamedCalls;

namespace {

enum : int {
  kConversation = 10,
  kExtras = 45,
  kTitle = 99,
};

// The screens of the mode, by SceneCode.
std::array<ScreenRow, 11> screens = {{
    {kConversation, {}},
    {kExtras, {}},
    {51, {}},  // rock-paper-scissors
    {52, {}},  // board games
    {53, {}},  // memory pairs
    {54, {}},  // casino
    {55, {}},  // role-playing game: no hover
    {56, {}},  // room adventure: no frames
    {59, {}},  // kana adventure: no frames
    {60, {}},  // last-boss duel
    {kTitle, {}},
}};

// Digit keys on the main keyboard and the numeric pad.
enum : int { kKey1 = 49, kKey5 = 53, kPad1 = 97, kPad5 = 101, kKeyG = 71, kKeyS = 83 };

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
  if (key >= kKey1 && key <= kKey5) digit = key - kKey1 + 1;
  else if (key >= kPad1 && key <= kPad5) digit = key - kPad1 + 1;
  if (digit != 0) {
    // Only while a stage runs.
    if (SceneCursor.SceneState == 10) StartAutoReading(digit);
    return;
  }
  if (key == kKeyS || key == kKeyG) {
    auto call = key == kKeyS ? MarbrookNamedCalls.C10_NextStage : MarbrookNamedCalls.C10_NextGame;
    if (call != nullptr) call();
    InputEvent.KeyCommandRun = -1;
  }
}

}  // namespace

ScreenHookSet& MarbrookScreen(int sceneCode) { return FindScreen(screens, sceneCode); }

void C00_Init() {
  SceneCursor.SceneState = 0;
  SceneCursor.SceneStep = 0;
  SceneCursor.SceneCode = kTitle;
  SystemLayerSet.ClickWaitLayer = 89;
  SetSystemLayers();
  SystemMenuState.MenuHoverItem = -1;
  EffectParams.EffectResumesStep = 0;
  if (EffectParams.EffectMotionKind == 0) EffectParams.EffectMotionKind = 11;
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
  if (phase == 0 && scene == kConversation && InputEvent.AdvanceRequest == -1) {
    C00_ConvAdvance();
    return screen.Step != nullptr;
  }
  return RunScreenPhase(screen, phase);
}

void C00_ConvAdvance() {
  if (VoiceSettings.VoiceCutOnAdvance == -1) C45_StopVoice();
  InputEvent.AdvanceRequest = 0;
  RunStep(kConversation);
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
    case kConversation: ConversationKey(); break;
    case kTitle:
      if (InputEvent.AdvanceKeyDown == 1) RunStep(kTitle);
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
  SceneCursor.SceneState = state;
  SceneCursor.SceneStep = step;
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
  MarbrookScreen(kConversation).Frame = ScenarioFrameDispatch;
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
