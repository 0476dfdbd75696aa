// The Marbrook save file "Tanselr_Data\Tanselr.sav" and the mode-wide progress.
//
// Records: MarbrookProgress (what the player has reached); ModeState and the read and
// write rules are the games' shared ones (games/mode_state.h, games/save_rules.h).
// Procedures others call: C00_SaveSettings after any change to a saved value;
// C00_LoadSettings once at start-up (and by the save-file fuzzer: it reads whatever
// the file holds into the records and never fails).
//
// The file: [Game] 0 FurthestStage, 5 BonusCgUnlocked; [Config] 0 music level,
// 1 effect level, 2 voice level, 5 VoiceCutOnAdvance, 6 AutoWaitsForVoice,
// 7 StopAutoAtNewStage ("True" / "False"). A missing key reads as 0; with no file (a
// first start, or a file that reads as none) the music and effect levels stay as the
// engine set them and the voice level is 9, the other values 0.
#pragma once

#include <string>

#include "games/mode_state.h"
#include "games/save_rules.h"

struct MarbrookProgressRecord {
  int BonusCgUnlocked = 0;
  int CurtainDelay = 0;  // ms between closing and opening the curtain
  int FurthestStage = 0;  // below 200 while playing; 999 once the story is finished
};
extern MarbrookProgressRecord MarbrookProgress;

// The save file's path as the game builds it (program folder + "\Tanselr_Data\Tanselr.sav").
std::string MarbrookSavePath();

// False when the file could not be written (the failure is reported; the old file stays).
bool C00_SaveSettings();
void C00_LoadSettings();

void ResetMarbrookProgressState();
