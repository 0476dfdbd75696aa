#include "vadrim/vadrim_save.h"

#include <cstdlib>
#include <vector>

#include "engine/game_window.h"
#include "engine/numeric.h"
#include "games/mode_state.h"
#include "games/save_rules.h"
#include "platform/ini_file.h"
#include "platform/paths.h"
#include "platform/platform.h"

VadrimProgressRecord VadrimProgress;

namespace {

constexpr const char* kSections[] = {"set", "sta", "clr"};
constexpr const char* kKeys[] = {"0", "1", "2"};

// The accepted range of each key, by section then key.
struct Range {
  int low, high;
};
constexpr Range kRanges[3][3] = {
    {{0, 2}, {0, 9}, {0, 9}},
    {{1, 2}, {1, 3}, {1, 11}},
    {{0, 1}, {0, 1}, {0, 1}},
};

int& Slot(int section, int key) {
  switch (section) {
    case 0: return GameConfig.Settings[key];
    case 1: return VadrimProgress.OpenedStageCount[key];
    default: return VadrimProgress.RouteCleared[key];
  }
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Where the longest number that starts at `i` ends: sign, digits, a fraction, an
// exponent (only when digits follow it).
size_t NumberEnd(const std::string& text, size_t i) {
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i;
  }
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) ++j;
      i = j;
    }
  }
  return i;
}

}  // namespace

int VadrimSaveValue(const std::string& text) {
  size_t start = 0;
  while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
  const size_t end = NumberEnd(text, start);
  const std::string number = text.substr(start, end - start);
  bool digits = false;
  for (char c : number) digits = digits || IsDigit(c);
  if (!digits) return 0;
  // Beyond 16 bits the value is held at the nearest end, which the range check
  // then rejects like any other value out of range.
  const int whole = RoundHalfEven(std::strtod(number.c_str(), nullptr));
  return whole < -32768 ? -32768 : (whole > 32767 ? 32767 : whole);
}

std::string VadrimSavePath() { return tq::ThePlatform().ProgramFolder() + "\\Kespa_Data\\Vadrim.sav"; }

void D10_SaveDefaults() {
  GameConfig.Settings[0] = 1;
  GameConfig.FrameSpeed = GameConfig.Settings[0];
  GameConfig.Settings[1] = 7;
  GameConfig.Settings[2] = 9;
  for (int r = 0; r < kVadrimRouteCount; ++r) VadrimProgress.GameStageOpened[r][1] = 1;
  for (int r = 0; r < kVadrimRouteCount; ++r) VadrimProgress.RouteCleared[r] = 0;
}

bool D10_SaveWrite() {
  if (ModeState.SaveEnabled == 0) return true;
  for (int r = 0; r < kVadrimRouteCount; ++r) {
    int s = 1;
    while (s < kVadrimBoardSlots && VadrimProgress.GameStageOpened[r][s] != 0) ++s;
    VadrimProgress.OpenedStageCount[r] = s - 1;
  }
  // All nine keys in one replacement, so a failed or interrupted save leaves the
  // previous file whole; the folder is made first, so a first save is not lost.
  std::vector<tq::IniEntry> entries;
  for (int section = 0; section < 3; ++section) {
    for (int key = 0; key < 3; ++key) {
      entries.push_back({kSections[section], kKeys[key], std::to_string(Slot(section, key))});
    }
  }
  const std::string path = VadrimSavePath();
  tq::EnsureFolderOf(path);
  return tq::WritePrivateProfileStrings(entries, path);
}

namespace {

// Whether the values read are out of range and were replaced by the defaults (and
// saved so).
bool CheckAndReset() {
  bool fault = false;
  for (int section = 0; section < 3; ++section) {
    for (int key = 0; key < 3; ++key) {
      const int value = Slot(section, key);
      const Range& range = kRanges[section][key];
      if (value < range.low || value > range.high) fault = true;
    }
  }
  if (!fault) return false;
  D10_SaveDefaults();
  D10_SaveWrite();
  return true;
}

}  // namespace

void D10_SaveCheck() { CheckAndReset(); }

void D10_SaveRead() {
  if (ModeState.SaveEnabled == 0) return;
  SaveFileReader save(VadrimSavePath());
  for (int section = 0; section < 3; ++section) {
    for (int key = 0; key < 3; ++key) Slot(section, key) = VadrimSaveValue(save.Read(kSections[section], kKeys[key]));
  }
  // A missing or refused file reads as zeros, out of range too: only a file read was reset.
  if (CheckAndReset() && save.WasRead()) save.NoteReset();
  save.Report();
  GameConfig.FrameSpeed = GameConfig.Settings[0];
  for (int r = 0; r < kVadrimRouteCount; ++r) {
    for (int s = 1; s <= VadrimProgress.OpenedStageCount[r] && s < kVadrimBoardSlots; ++s) {
      VadrimProgress.GameStageOpened[r][s] = 1;
    }
  }
}

void ResetVadrimProgressState() { VadrimProgress = VadrimProgressRecord{}; }
