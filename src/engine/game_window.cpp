#include "engine/game_window.h"

#include <algorithm>
#include <string>

#include "engine/frame_model.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/sound_channels.h"
#include "engine/system_menu.h"
#include "platform/platform.h"

ScreenSizeRecord ScreenSize;
ControlSetRecord ControlSet;
GameConfigRecord GameConfig;

namespace {

std::string startModeOverride;
bool shuttingDown = false;

constexpr int kFirstWaitMs = 400;

}  // namespace

void SetStartMode(const char* modeWord) { startModeOverride = modeWord != nullptr ? modeWord : ""; }

void InitEngine() {
  GameMode = kModeSkelvane;
  GameMode = kModeMarbrook;
  if (!startModeOverride.empty()) GameMode = startModeOverride;

  ControlSet.LayerCount = tq::kLayerCount;
  ControlSet.SheetCount = 10;
  ControlSet.ShapeCount = 3;
  ControlSet.LabelCount = 2;
  ControlSet.Created = true;

  GameConfig.Settings[0] = 1;
  GameConfig.FrameSpeed = GameConfig.Settings[0];
  GameConfig.Settings[1] = 9;
  GameConfig.Settings[2] = 9;

  DrawState.AutoRaiseOn = -1;
  SystemMenuState.MenuHoverItem = -1;
  SoundState.MusicFadeBase = 100;
  SetSystemLayers();

  const ModeHookSet& hooks = CurrentModeHooks();
  if (hooks.Init != nullptr) hooks.Init();
}

void FormLoad() {
  tq::Platform& platform = tq::ThePlatform();
  shuttingDown = false;
  ScreenSize = {920, 690, 460, 345};

  tq::Compositor& screen = platform.Screen();
  tq::FillRect(screen.Background(), {0, 0, screen.Width(), screen.Height()}, 0);

  platform.SetEventSink({
      [] {
        if (!shuttingDown) TimerTick();
      },
      [](int key, int shift) { FormKeyDown(key, shift); },
      [](int layer, int button, int shift, int x, int y) { FormMouseDown(layer, button, shift, x, y); },
      [](int layer, int button, int shift, int x, int y) { FormMouseMove(layer, button, shift, x, y); },
      [] { FormUnload(); },
  });

  platform.Sound().STInit(0, 0);
  InitEngine();
  platform.ShowWindow();
  Wait(-1, kFirstWaitMs);
}

void FormKeyDown(int keyCode, int shift) {
  if (shuttingDown) return;
  if (keyCode == tq::kKeyEscape) {
    FormUnload();
    return;
  }
  KeyDownHandler(keyCode, shift);
}

void FormMouseDown(int layer, int button, int /*shift*/, int x, int y) {
  if (shuttingDown) return;
  InputEvent.PointerX = x;
  InputEvent.PointerY = y;
  InputEvent.MouseButton = button;
  if (layer < 0) {
    int index = -1;
    MouseDownHandler(0, index);
  } else {
    MouseDownHandler(5, layer);
  }
}

void FormMouseMove(int layer, int /*button*/, int /*shift*/, int x, int y) {
  if (shuttingDown) return;
  if (layer < 0) {
    int index = -1;
    MouseMoveHandler(0, index);
  } else {
    InputEvent.PointerX = x;
    InputEvent.PointerY = y;
    MouseMoveHandler(5, layer);
  }
}

void ShutDown() {
  tq::Platform& platform = tq::ThePlatform();
  FrameClock.LoopAbortRequested = 0;
  FrameClock.FrameLoopRunning = -1;
  AnimationRun.AnimationFrame = 0;
  AnimationRun.AnimationStep = 0;
  // Start no louder than the music plays now: muted music stays muted on the way out.
  const int fadeBase = std::min(SoundState.MusicFadeBase, MusicLevelVolume());
  for (;;) {
    FrameClock.FrameStart = static_cast<int32_t>(platform.Now());
    if (AnimationRun.AnimationStep == 0) {
      SetFrameLength(-1, 10);
      AnimationRun.AnimationFrame += 1;
      int volume = fadeBase - 2 * AnimationRun.AnimationFrame;
      if (volume < 50) volume = 0;
      SetMusicVolumeRaw(volume);
      if (volume == 0) {
        AnimationRun.AnimationStep = 1;
        AnimationRun.AnimationFrame = 0;
        SetFrameLength(0, 0);
      }
    } else {
      StopChannel(MusicChannel);
      FrameClock.FrameLoopRunning = 0;
    }
    // Events still flow (the window stays responsive), but the handlers ignore them
    // now, so nothing can start a second shutdown or run a game step.
    platform.PumpEvents();
    if (FrameClock.FrameLoopRunning == 0) break;
    WaitForFrameEnd();
  }
  FrameClock.LoopAbortRequested = -1;
  EndSound();
}

void FormUnload() {
  if (shuttingDown) return;
  shuttingDown = true;
  ShutDown();
  tq::Platform& platform = tq::ThePlatform();
  if (platform.Tracing()) platform.Trace("quit");
  throw tq::ProgramExit{0};
}

void ResetGameWindowState() {
  ScreenSize = ScreenSizeRecord{};
  ControlSet = ControlSetRecord{};
  GameConfig = GameConfigRecord{};
  shuttingDown = false;
}
