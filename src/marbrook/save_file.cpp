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
  const SaveFileReader save(MarbrookSavePath());
  MarbrookProgress.FurthestStage = SaveWholeNumber(save.Read("Game", "0"));
  MarbrookProgress.BonusCgUnlocked = SaveWholeNumber(save.Read("Game", "5"));
  if (save.ReadsAsMissing()) {
    // A first start (or a file that reads as none) keeps the engine's music and
    // effect levels and hears the voices at the same top level, rather than starting
    // silent with nothing saying so; the first save writes them.
    GameConfig.VoiceLevel = kLevelMax;
  } else {
    // Levels outside 0 to 9 would give volumes above 100: held to the range.
    GameConfig.Settings[1] = Level(save.Read("Config", "0"));
    GameConfig.Settings[2] = Level(save.Read("Config", "1"));
    GameConfig.VoiceLevel = Level(save.Read("Config", "2"));
  }
  VoiceSettings.VoiceCutOnAdvance = SaveSwitch(save.Read("Config", "5"));
  VoiceSettings.AutoWaitsForVoice = SaveSwitch(save.Read("Config", "6"));
  VoiceSettings.StopAutoAtNewStage = SaveSwitch(save.Read("Config", "7"));
  save.Report();
}

void ResetMarbrookProgressState() {
  MarbrookProgress = MarbrookProgressRecord{};
}
