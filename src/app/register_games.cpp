#include "app/register_games.h"

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/modes.h"
#include "engine/sound_channels.h"
#include "engine/system_menu.h"
#include "scenario/auto_reading.h"
#include "marbrook/marbrook_mode.h"
#include "vadrim/vadrim_mode.h"

namespace {

// The Skelvane game's Init is the engine's own: straight into the conversation.
void SkelvaneInit() {
  SceneCursor.SceneCode = 10;
  SceneCursor.SceneState = 0;
  SceneCursor.SceneStep = 0;
}

}  // namespace

void RegisterGames() {
  ModeHooksFor(ModeId::Skelvane).Init = SkelvaneInit;
  RegisterMarbrookMode();
  RegisterVadrimMode();
}

void ResetAllState() {
  ResetModeState();
  ResetFrameModelState();
  ResetGameWindowState();
  ResetInputState();
  ResetSoundState();
  ResetSystemMenuState();
  ResetReadingState();
  ResetMarbrookState();
}
