#include "marbrook/marbrook_mode.h"

#include <cstdlib>
#include <string>

#include "engine/game_window.h"
#include "engine/modes.h"
#include "engine/system_menu.h"
#include "platform/ini_file.h"
#include "platform/platform.h"
#include "scenario/auto_reading.h"

ModeStateRecord ModeState;

namespace {

std::string SavePath() { return tq::ThePlatform().ProgramFolder() + "\\Tanselr_Data\\Tanselr.sav"; }

// A key as the game reads it: a missing file or key reads as "0".
std::string ReadKey(const char* section, const char* key) {
  return tq::GetPrivateProfileString(section, key, "0", SavePath()).substr(0, 9);
}

int ReadWhole(const char* section, const char* key) { return std::atoi(ReadKey(section, key).c_str()); }

// A level outside 0 to 9 (a damaged or hand-edited file) loads as a missing key does.
int ReadLevel(const char* section, const char* key) {
  int level = ReadWhole(section, key);
  return level >= 0 && level <= 9 ? level : 0;
}

int ReadSwitch(const char* section, const char* key) {
  std::string value = ReadKey(section, key);
  if (value == "True" || value == "true" || value == "TRUE") return -1;
  return std::atoi(value.c_str()) != 0 ? -1 : 0;
}

void C00_LoadSettings() {
  GameConfig.Settings[1] = ReadLevel("Config", "0");
  GameConfig.Settings[2] = ReadLevel("Config", "1");
  GameConfig.VoiceLevel = ReadLevel("Config", "2");
  VoiceSettings.VoiceCutOnAdvance = ReadSwitch("Config", "5");
  VoiceSettings.AutoWaitsForVoice = ReadSwitch("Config", "6");
  VoiceSettings.StopAutoAtNewStage = ReadSwitch("Config", "7");
}

}  // namespace

void C00_Init() {
  SceneCursor.SceneCode = 99;
  SceneCursor.SceneState = 0;
  SceneCursor.SceneStep = 0;
  SystemLayerSet.ClickWaitLayer = 89;
  SystemLayerSet.MenuPanelLayer = 90;
  SystemLayerSet.MenuHighlightLayer = 91;
  SystemLayerSet.AutoIndicatorLayer = 92;
  SystemLayerSet.OverlayLayer = 93;
  SystemMenuState.MenuHoverItem = -1;
  SystemLayerSet.CurtainSheet = 0;
  SystemLayerSet.CurtainLayer = 80;
  SystemLayerSet.MenuRowLayer = 80;
  SystemLayerSet.MenuHoverLayer = 82;
  SystemLayerSet.LastSceneLayer = 79;
  ModeState.SaveEnabled = -1;
  C00_LoadSettings();
  VoiceSettings.BalloonMoveSkippable = -1;
}

void RegisterMarbrookMode() {
  ModeHookSet& hooks = ModeHooksFor(ModeId::Marbrook);
  hooks.Init = C00_Init;
}

void ResetMarbrookState() { ModeState = ModeStateRecord{}; }
