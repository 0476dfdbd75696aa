// The Vadrim sound tables: D20_PlaySound (the mode's PlaySound: every sound of a
// conversation screen, under "Kespa_Data\KespaSnd\Inter\") and D00_PlaySound (the
// title's and the board game's own sounds, under "Kespa_Data\KespaSnd\").
//
// Both play number's file on channel at the table's base volume plus volumeOffset,
// capped at 1.0, through PlayEffect (nothing at effect level 0). Numbers 0 and -1,
// and every number a table does not list, play nothing.
// The tables are exposed for the stand-in asset generator and the tests.
#pragma once

#include <span>

void D20_PlaySound(int number, int& channel, float& volumeOffset);
void D00_PlaySound(int number, int& channel, float& volumeOffset);
// D00_PlaySound at volume offset 0: the title's and the board's own sounds.
void PlayScreenSound(int number, int channel = 0);

struct VadrimSoundRow {
  int number;
  const char* file;
  float base;
};
struct VadrimSoundTable {
  const char* folder;  // below the program folder, '/' separators
  std::span<const VadrimSoundRow> rows;
};
// The conversation table, then the title and board-game table.
std::span<const VadrimSoundTable> VadrimSoundTables();
