#include "app/register_games.h"

#include "engine/banner_letters.h"
#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/menu_sequences.h"
#include "engine/modes.h"
#include "engine/picture_catalogue.h"
#include "engine/sound_channels.h"
#include "engine/system_menu.h"
#include "engine/text.h"
#include "games/mode_state.h"
#include "games/screen_buttons.h"
#include "games/timed_effects.h"
#include "marbrook/marbrook_mode.h"
#include "marbrook/minigames/board_games.h"
#include "marbrook/minigames/casino.h"
#include "marbrook/minigames/kana_adventure.h"
#include "marbrook/minigames/last_boss_duel.h"
#include "marbrook/minigames/memory_pairs.h"
#include "marbrook/minigames/rock_paper_scissors.h"
#include "marbrook/minigames/room_adventure.h"
#include "marbrook/minigames/rpg.h"
#include "platform/ini_file.h"
#include "scenario/auto_reading.h"
#include "scenario/balloon_animation.h"
#include "scenario/balloon_geometry.h"
#include "scenario/balloon_moves.h"
#include "scenario/conversation_scene.h"
#include "scenario/event_motion.h"
#include "scenario/face_settings.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/mini_pictures.h"
#include "scenario/motion_curves.h"
#include "scenario/opening_effects.h"
#include "scenario/picture_changes.h"
#include "scenario/scene_events.h"
#include "scenario/scene_sounds.h"
#include "scenario/script_actions.h"
#include "scenario/script_store.h"
#include "scenario/simultaneous_groups.h"
#include "skelvane/conversation_hooks.h"
#include "vadrim/board/model.h"
#include "vadrim/board/screen.h"
#include "vadrim/vadrim_mode.h"

namespace {

// The Skelvane game's Init is the engine's own: straight into the conversation.
void SkelvaneInit() {
  SceneCursor.SceneCode = kConversationScene;
  GoTo(0, 0);
}

// What the engine runs whatever the mode, and its defaults until a game registers
// its own.
void RegisterEngineDefaults() {
  EngineFrameHooks.MenuSequence = MenuSequence;
  EngineFrameHooks.PaintEffectTick = PaintEffectTick;
  ModeHooksFor(ModeId::Skelvane).Init = SkelvaneInit;
  ModeHooksFor(ModeId::Skelvane).LoadPictureByKind = LoadCataloguePicture;
  // The click-wait picture until the Marbrook catalogue registers its own.
  CrossingHooks.MarbrookLoadPicture = LoadClickWaitPicture;
}

// A module of the program: Register fills its hook tables at start-up, Reset puts its
// records back to their start values (either may be null). A new screen or game
// adds its row here. The registrations run in table order; no two fill the same
// hook, but the engine's defaults come first, for a game to replace them.
struct Module {
  void (*Register)();
  void (*Reset)();
};

constexpr Module kModules[] = {
    // The platform and the engine.
    {RegisterEngineDefaults, nullptr},
    {nullptr, tq::ResetIniFileState},
    {nullptr, ResetModeState},
    {nullptr, ResetFrameModelState},
    {nullptr, ResetGameWindowState},
    {nullptr, ResetInputState},
    {nullptr, ResetSoundState},
    {nullptr, ResetSystemMenuState},
    {nullptr, ResetLayerState},
    {nullptr, ResetTextState},
    {nullptr, ResetBlitState},
    {nullptr, ResetBannerState},
    // The scenario engine.
    {nullptr, ResetReadingState},
    {nullptr, ResetScriptState},
    {nullptr, ResetSimultaneousState},
    {nullptr, ResetFaceSlotState},
    {nullptr, ResetFaceSettingsState},
    {nullptr, ResetScriptActionState},
    {RegisterScenarioInputHooks, ResetLineExecutionState},
    {RegisterBalloonMoveHooks, nullptr},
    {nullptr, ResetBalloonGeometryState},
    {nullptr, ResetBalloonAnimationState},
    {RegisterSceneSounds, ResetSceneSoundState},
    {nullptr, ResetConversationSceneState},
    {nullptr, ResetMotionState},
    {nullptr, ResetMiniPictureState},
    {nullptr, ResetPictureChangeState},
    {nullptr, ResetSpecialEventState},
    {nullptr, ResetEventMotionState},
    // The shared games layer.
    {nullptr, ResetGameModeState},
    {nullptr, ResetScreenButtonsState},
    {nullptr, ResetEffectParamsState},
    // The games and their screens.
    {RegisterSkelvaneMode, ResetSkelvaneState},
    {RegisterMarbrookMode, ResetMarbrookState},
    {RegisterRockPaperScissors, ResetRockPaperScissorsState},
    {RegisterBoardGames, ResetBoardGameState},
    {RegisterMemoryPairs, ResetMemoryPairsState},
    {RegisterCasino, ResetCasinoState},
    {RegisterRoomAdventure, ResetRoomAdventureState},
    {RegisterKanaAdventure, ResetKanaAdventureState},
    {RegisterRpg, ResetRpgState},
    {RegisterLastBossDuel, ResetLastBossDuelState},
    {RegisterVadrimMode, ResetVadrimState},
    {RegisterBoardGame, ResetBoardScreenState},
    {nullptr, ResetBoardState},
};

}  // namespace

void RegisterGames() {
  for (const Module& module : kModules) {
    if (module.Register != nullptr) module.Register();
  }
}

void ResetAllState() {
  for (const Module& module : kModules) {
    if (module.Reset != nullptr) module.Reset();
  }
}
