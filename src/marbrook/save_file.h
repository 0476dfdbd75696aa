// The Marbrook save file "Tanselr_Data\Tanselr.sav" and the mode-wide progress.
//
// Records: MarbrookProgress (what the player has reached), ModeState (whether saving
// is allowed, story or replay; shared with the Vadrim game).
// Procedures others call: C00_SaveSettings after any change to a saved value;
// C00_LoadSettings once at start-up (and by the save-file fuzzer: it reads whatever
// the file holds into the records and never fails).
//
// The file: [Game] 0 FurthestStage, 5 BonusCgUnlocked; [Config] 0 music level,
// 1 effect level, 2 voice level, 5 VoiceCutOnAdvance, 6 AutoWaitsForVoice,
// 7 StopAutoAtNewStage ("True" / "False"). A missing file or key reads as 0.
#pragma once

#include <string>

struct ModeStateRecord {
  int SaveEnabled = 0;
  int PlayMode = 0;  // Marbrook: 0 story, 1 stage replay
};
extern ModeStateRecord ModeState;

struct MarbrookProgressRecord {
  int BonusCgUnlocked = 0;
  int CurtainDelay = 0;  // ms between closing and opening the curtain
  int FurthestStage = 0;  // below 200 while playing; 999 once the story is finished
};
extern MarbrookProgressRecord MarbrookProgress;

// The save file's path as the game builds it (program folder + "\Tanselr_Data\Tanselr.sav").
std::string MarbrookSavePath();

void C00_IniWrite(const std::string& section, const std::string& key, const std::string& file,
                  const std::string& value);
// One key as the game reads it: at most 9 characters, "0" for a missing file or key.
std::string C00_IniRead(const std::string& section, const std::string& key, const std::string& file);

// False when the file could not be written (the failure is reported; the old file stays).
bool C00_SaveSettings();
void C00_LoadSettings();

// The conversions the loader applies, for the tests: a whole number (empty,
// unreadable or beyond 16 bits reads as 0) and a switch (-1 or 0).
int SaveWholeNumber(const std::string& text);
int SaveSwitch(const std::string& text);

void ResetMarbrookProgressState();
