#include "marbrook/save_file.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "engine/game_window.h"
#include "engine/numeric.h"
#include "platform/ini_file.h"
#include "platform/paths.h"
#include "platform/platform.h"
#include "scenario/auto_reading.h"

ModeStateRecord ModeState;
MarbrookProgressRecord MarbrookProgress;

namespace {

constexpr int kLevelMax = 9;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A decimal number with an optional sign and fraction, blanks around it allowed.
bool ParseDecimal(const std::string& text, double& value) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return false;
  size_t end = i;
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i != text.size()) return false;
  value = std::strtod(text.substr(start, end - start).c_str(), nullptr);
  return true;
}

bool EqualsWord(const std::string& text, const char* word) {
  size_t first = text.find_first_not_of(" \t");
  size_t last = text.find_last_not_of(" \t");
  if (first == std::string::npos) return false;
  std::string core = text.substr(first, last - first + 1);
  std::string lower;
  for (char c : core) lower += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  return lower == word;
}

int Level(const std::string& text) {
  int v = SaveWholeNumber(text);
  return v < 0 ? 0 : (v > kLevelMax ? kLevelMax : v);
}

std::string SwitchText(int value) { return value != 0 ? "True" : "False"; }

}  // namespace

int SaveWholeNumber(const std::string& text) {
  double value = 0;
  if (!ParseDecimal(text, value)) return 0;
  int whole = RoundHalfEven(value);
  if (whole < -32768 || whole > 32767) return 0;
  return whole;
}

int SaveSwitch(const std::string& text) {
  if (EqualsWord(text, "true")) return -1;
  if (EqualsWord(text, "false")) return 0;
  double value = 0;
  if (!ParseDecimal(text, value)) return 0;
  return value != 0 ? -1 : 0;
}

std::string MarbrookSavePath() { return tq::ThePlatform().ProgramFolder() + "\\Tanselr_Data\\Tanselr.sav"; }

void C00_IniWrite(const std::string& section, const std::string& key, const std::string& file,
                  const std::string& value) {
  tq::EnsureFolderOf(file);
  tq::WritePrivateProfileString(section, key, value, file);
}

std::string C00_IniRead(const std::string& section, const std::string& key, const std::string& file) {
  // The game's read buffer holds 9 characters and the terminating zero.
  return tq::GetPrivateProfileString(section, key, "0", file).substr(0, 9);
}

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
  ModeState = ModeStateRecord{};
  MarbrookProgress = MarbrookProgressRecord{};
}
