// The Marbrook sound catalogue: four tables of sounds by number (title and menus,
// conversation with its voices, mini-games, rock-paper-scissors) and the mini-games'
// music, under "Tanselr_Data\TanselrSnd\".
//
// Procedures others call: C01_PlaySound, C15_PlaySound (the mode's PlaySound),
// C40_PlaySound, G01_PlaySound, C15_PlayMusic, C01_ClickSound, C45_StopVoice, and
// TitleSound and GameSound over C01_PlaySound and C40_PlaySound.
// The tables are exposed for the stand-in asset generator.
#pragma once

#include <span>
#include <string>

inline constexpr int kMarbrookVoiceChannel = 9;

void C01_PlaySound(int number, int& channel, float& volumeOffset);
void C15_PlaySound(int number, int& channel, float& volumeOffset);
void C40_PlaySound(int number, int& channel, float& volumeOffset);
void G01_PlaySound(int number, int& channel, float& volumeOffset);
void C15_PlayMusic(int code);
// C01_PlaySound and C40_PlaySound for the screens that do not read back the channel
// and volume offset the procedures may change.
void TitleSound(int number, int channel = 0, float volumeOffset = 0.0f);
void GameSound(int number, int channel = 0, float volumeOffset = 0.0f);
void C01_ClickSound();
void C45_StopVoice();

struct MarbrookSoundRow {
  int number;
  const char* file;
  float base;
};
struct MarbrookSoundTable {
  const char* folder;  // below "Tanselr_Data/TanselrSnd/", '/' separators
  std::span<const MarbrookSoundRow> rows;
};
// The title, conversation, mini-game and rock-paper-scissors tables, then the music
// (base 1.0; music plays at the music level).
std::span<const MarbrookSoundTable> MarbrookSoundTables();
// The voice file of a voice number 1000 to 9999, relative to the program folder.
std::string MarbrookVoicePath(int number);
