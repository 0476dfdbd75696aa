#include "marbrook/save_file.h"

#include <vector>

#include "engine/game_window.h"
#include "platform/ini_file.h"
#include "platform/paths.h"
#include "platform/platform.h"
#include "scenario/auto_reading.h"

MarbrookProgressRecord MarbrookProgress;

namespace {

constexpr int kLevelMax = 9;

int Level(const std::string& text) {
  int v = SaveWholeNumber(text);
  return v < 0 ? 0 : (v > kLevelMax ? kLevelMax : v);
}

std::string SwitchText(int value) { return value != 0 ? "True" : "False"; }

}  // namespace

std::string MarbrookSavePath() { return tq::ThePlatform().ProgramFolder() + "\\Tanselr_Data\\Tanselr.sav"; }

bool C00_SaveSettings() {
  if (ModeState.SaveEnabled == 0) return true;
  const std::string path = MarbrookSavePath();
  // All eight keys in one replacement, so a failed or interrupted save leaves the
  // previous file whole; the folder is made first, so a first save is not lost.
  const std::vector<tq::IniEntry> entries = {
      {"Game", "0", std::to_string(MarbrookProgress.FurthestStage)},
      {"Game", "5", std::to_string(MarbrookProgress.BonusCgUnlocked)},
      {"Config", "0", std::to_string(GameConfig.Settings[1])},
      {"Config", "1", std::to_string(GameConfig.Settings[2])},
      {"Config", "2", std::to_string(GameConfig.VoiceLevel)},
      {"Config", "5", SwitchText(VoiceSettings.VoiceCutOnAdvance)},
      {"Config", "6", SwitchText(VoiceSettings.AutoWaitsForVoice)},
      {"Config", "7", SwitchText(VoiceSettings.StopAutoAtNewStage)},
  };
  tq::EnsureFolderOf(path);
  return tq::WritePrivateProfileStrings(entries, path);
}

void C00_LoadSettings() {
  if (ModeState.SaveEnabled == 0) return;
  const std::string path = MarbrookSavePath();
  MarbrookProgress.FurthestStage = SaveWholeNumber(C00_IniRead("Game", "0", path));
  MarbrookProgress.BonusCgUnlocked = SaveWholeNumber(C00_IniRead("Game", "5", path));
  // Levels outside 0 to 9 would give volumes above 100: held to the range.
  GameConfig.Settings[1] = Level(C00_IniRead("Config", "0", path));
  GameConfig.Settings[2] = Level(C00_IniRead("Config", "1", path));
  GameConfig.VoiceLevel = Level(C00_IniRead("Config", "2", path));
  VoiceSettings.VoiceCutOnAdvance = SaveSwitch(C00_IniRead("Config", "5", path));
  VoiceSettings.AutoWaitsForVoice = SaveSwitch(C00_IniRead("Config", "6", path));
  VoiceSettings.StopAutoAtNewStage = SaveSwitch(C00_IniRead("Config", "7", path));
}

void ResetMarbrookProgressState() {
  MarbrookProgress = MarbrookProgressRecord{};
}
