// The Vadrim save file "Kespa_Data\Vadrim.sav" and the route progress.
//
// Records: VadrimProgress (the board the story flow hands over, which boards of each
// route have been started, which routes are cleared).
// Procedures others call: D10_SaveRead once at start-up (and by the save-file
// fuzzer: it reads whatever the file holds and never fails), D10_SaveWrite after any
// change to progress or settings, D10_SaveDefaults, D10_SaveCheck.
//
// The file: [set] 0 game speed, 1 music level, 2 effect level; [sta] 0 to 2 the
// boards of each route opened in an unbroken run from board 1; [clr] 0 to 2 the
// cleared routes (0 or 1). A value out of range resets all nine to the defaults
// (speed 1, music 7, effects 9, board 1 of each route open, nothing cleared) and
// rewrites the file. Nothing is read or written while ModeState.SaveEnabled is 0.
#pragma once

#include <string>

inline constexpr int kVadrimRouteCount = 3;
inline constexpr int kVadrimBoardSlots = 13;  // board index 0 is no board; 1 to 12

struct VadrimProgressRecord {
  // The board number before a board game, the cleared route before the route-clear
  // picture, -1 before the other title states, or the next stage.
  int GameStage = 0;
  int GameStageOpened[kVadrimRouteCount][kVadrimBoardSlots] = {};  // 1 once started
  int RouteCleared[kVadrimRouteCount] = {};
  int OpenedStageCount[kVadrimRouteCount] = {};
  int StagesPerRoute[kVadrimRouteCount] = {};  // 2, 3, 11
};
extern VadrimProgressRecord VadrimProgress;

// The save file's path as the game builds it (program folder + "\Kespa_Data\Vadrim.sav").
std::string VadrimSavePath();

void D10_SaveRead();
// Returns whether the file was written (saving off counts as written: nothing to do).
bool D10_SaveWrite();
void D10_SaveDefaults();
void D10_SaveCheck();

// One saved value as the loader reads it: the number at the start of the text
// (blanks skipped, reading stops where a number cannot go on, none gives 0) to the
// nearest whole number, halves to even, held to 16 bits.
int VadrimSaveValue(const std::string& text);

void ResetVadrimProgressState();
