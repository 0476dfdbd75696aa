#include "support/save_loads.h"

#include "engine/game_window.h"
#include "marbrook/marbrook_mode.h"
#include "platform/ini_file.h"
#include "platform/platform.h"
#include "scenario/auto_reading.h"

namespace tq::testing {

namespace {

std::string MarbrookSavePath() { return ThePlatform().ProgramFolder() + "\\Tanselr_Data\\Tanselr.sav"; }

// The settings as the Marbrook save writes them, until the game's own save lands.
bool MarbrookSaveSettings() {
  const std::string path = MarbrookSavePath();
  auto whole = [](int v) { return std::to_string(v); };
  auto flag = [](int v) { return std::string(v != 0 ? "True" : "False"); };
  bool ok = WritePrivateProfileString("Config", "0", whole(GameConfig.Settings[1]), path);
  ok = WritePrivateProfileString("Config", "1", whole(GameConfig.Settings[2]), path) && ok;
  ok = WritePrivateProfileString("Config", "2", whole(GameConfig.VoiceLevel), path) && ok;
  ok = WritePrivateProfileString("Config", "5", flag(VoiceSettings.VoiceCutOnAdvance), path) && ok;
  ok = WritePrivateProfileString("Config", "6", flag(VoiceSettings.AutoWaitsForVoice), path) && ok;
  ok = WritePrivateProfileString("Config", "7", flag(VoiceSettings.StopAutoAtNewStage), path) && ok;
  return ok;
}

std::string MarbrookSettings() {
  return "music " + std::to_string(GameConfig.Settings[1]) + " effects " + std::to_string(GameConfig.Settings[2]) +
         " voice " + std::to_string(GameConfig.VoiceLevel) + " switches " +
         std::to_string(VoiceSettings.VoiceCutOnAdvance) + std::to_string(VoiceSettings.AutoWaitsForVoice) +
         std::to_string(VoiceSettings.StopAutoAtNewStage);
}

std::string MarbrookSettingsOutOfRange() {
  const int levels[] = {GameConfig.Settings[1], GameConfig.Settings[2], GameConfig.VoiceLevel};
  for (int level : levels) {
    if (level < 0 || level > 9) return "a level of " + std::to_string(level);
  }
  const int switches[] = {VoiceSettings.VoiceCutOnAdvance, VoiceSettings.AutoWaitsForVoice,
                          VoiceSettings.StopAutoAtNewStage};
  for (int s : switches) {
    if (s != 0 && s != -1) return "a switch of " + std::to_string(s);
  }
  return "";
}

}  // namespace

const std::vector<SaveLoad>& SaveLoads() {
  static const std::vector<SaveLoad> loads = {
      {"Marbrook settings", "Marbrook", "Tanselr_Data/Tanselr.sav", C00_Init, MarbrookSaveSettings,
       MarbrookSettings, MarbrookSettingsOutOfRange},
  };
  return loads;
}

}  // namespace tq::testing
