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
#include "scenario/auto_reading.h"
#include "scenario/balloon_moves.h"
#include "scenario/motion_curves.h"
#include "scenario/event_motion.h"
#include "scenario/balloon_animation.h"
#include "scenario/balloon_geometry.h"
#include "scenario/conversation_scene.h"
#include "scenario/line_execution.h"
#include "scenario/mini_pictures.h"
#include "scenario/picture_changes.h"
#include "scenario/face_settings.h"
#include "scenario/face_slots.h"
#include "scenario/script_actions.h"
#include "scenario/scene_sounds.h"
#include "scenario/script_store.h"
#include "scenario/simultaneous_groups.h"
#include "scenario/opening_effects.h"
#include "scenario/scene_events.h"
#include "games/mode_state.h"
#include "games/screen_buttons.h"
#include "games/timed_effects.h"
#include "marbrook/marbrook_mode.h"
#include "marbrook/minigames/memory_pairs.h"
#include "marbrook/minigames/casino.h"
#include "marbrook/minigames/last_boss_duel.h"
#include "marbrook/minigames/rock_paper_scissors.h"
#include "marbrook/minigames/kana_adventure.h"
#include "marbrook/minigames/room_adventure.h"
#include "marbrook/minigames/board_games.h"
#include "marbrook/minigames/rpg.h"
#include "platform/ini_file.h"
#include "skelvane/conversation_hooks.h"
#include "vadrim/board/model.h"
#include "vadrim/board/screen.h"
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
  EngineFrameHooks.MenuSequence = MenuSequence;
  EngineFrameHooks.PaintEffectTick = PaintEffectTick;
  ModeHooksFor(ModeId::Skelvane).Init = SkelvaneInit;
  ModeHooksFor(ModeId::Skelvane).LoadPictureByKind = LoadCataloguePicture;
  // The click-wait picture until the Marbrook catalogue registers its own.
  CrossingHooks.MarbrookLoadPicture = LoadClickWaitPicture;
  RegisterScenarioInputHooks();
  RegisterBalloonMoveHooks();
  RegisterSceneSounds();
  RegisterSkelvaneMode();
  RegisterMarbrookMode();
  RegisterMemoryPairs();
  RegisterCasino();
  RegisterRoomAdventure();
  RegisterKanaAdventure();
  RegisterBoardGames();
  RegisterRpg();
  RegisterLastBossDuel();
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
  ResetScriptState();
  ResetSimultaneousState();
  ResetFaceSlotState();
  ResetFaceSettingsState();
  ResetScriptActionState();
  ResetLineExecutionState();
  ResetBalloonGeometryState();
  ResetBalloonAnimationState();
  ResetSceneSoundState();
  ResetConversationSceneState();
  ResetGameModeState();
  ResetScreenButtonsState();
  ResetEffectParamsState();
  ResetSkelvaneState();
  ResetMarbrookState();
  ResetMemoryPairsState();
  ResetVadrimState();
  ResetCasinoState();
  ResetLastBossDuelState();
  ResetRockPaperScissorsState();
  ResetBoardState();
  ResetRoomAdventureState();
  ResetKanaAdventureState();
  ResetBoardGameState();
  ResetRpgState();
  ResetBoardScreenState();
  ResetLayerState();
  ResetTextState();
  ResetBlitState();
  ResetBannerState();
  ResetMotionState();
  ResetMiniPictureState();
  ResetPictureChangeState();
  tq::ResetIniFileState();
  ResetSpecialEventState();
  ResetEventMotionState();
}
