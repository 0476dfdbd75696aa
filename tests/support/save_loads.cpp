#include "support/save_loads.h"

#include "engine/game_window.h"
#include "marbrook/marbrook_mode.h"
#include "marbrook/save_file.h"
#include "platform/ini_file.h"
#include "platform/platform.h"
#include "scenario/auto_reading.h"

namespace tq::testing {

namespace {

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
      {"Marbrook settings", "Marbrook", "Tanselr_Data/Tanselr.sav", C00_Init, C00_SaveSettings,
       MarbrookSettings, MarbrookSettingsOutOfRange},
  };
  return loads;
}

}  // namespace tq::testing
