#include "support/save_loads.h"

#include "engine/game_window.h"
#include "marbrook/marbrook_mode.h"
#include "marbrook/save_file.h"
#include "platform/ini_file.h"
#include "platform/platform.h"
#include "scenario/auto_reading.h"
#include "vadrim/vadrim_save.h"

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

void VadrimLoad() {
  ModeState.SaveEnabled = -1;
  D10_SaveRead();
}

std::string VadrimRecords() {
  std::string text = "settings";
  for (int i = 0; i < 3; ++i) text += " " + std::to_string(GameConfig.Settings[i]);
  text += " opened";
  for (int count : VadrimProgress.OpenedStageCount) text += " " + std::to_string(count);
  text += " cleared";
  for (int cleared : VadrimProgress.RouteCleared) text += " " + std::to_string(cleared);
  return text;
}

std::string VadrimRecordsOutOfRange() {
  struct Value {
    const char* name;
    int value, low, high;
  } values[] = {
      {"speed", GameConfig.Settings[0], 0, 2},
      {"music", GameConfig.Settings[1], 0, 9},
      {"effects", GameConfig.Settings[2], 0, 9},
      {"opened 0", VadrimProgress.OpenedStageCount[0], 1, 2},
      {"opened 1", VadrimProgress.OpenedStageCount[1], 1, 3},
      {"opened 2", VadrimProgress.OpenedStageCount[2], 1, 11},
      {"cleared 0", VadrimProgress.RouteCleared[0], 0, 1},
      {"cleared 1", VadrimProgress.RouteCleared[1], 0, 1},
      {"cleared 2", VadrimProgress.RouteCleared[2], 0, 1},
  };
  for (const Value& v : values) {
    if (v.value < v.low || v.value > v.high) return std::string(v.name) + " of " + std::to_string(v.value);
  }
  return "";
}

}  // namespace

const std::vector<SaveLoad>& SaveLoads() {
  static const std::vector<SaveLoad> loads = {
      {"Marbrook settings", "Marbrook", "Tanselr_Data/Tanselr.sav", C00_Init, C00_SaveSettings,
       MarbrookSettings, MarbrookSettingsOutOfRange},
      {"Vadrim settings and progress", "Vadrimの", "Kespa_Data/Vadrim.sav", VadrimLoad, D10_SaveWrite,
       VadrimRecords, VadrimRecordsOutOfRange},
  };
  return loads;
}

}  // namespace tq::testing
