// The save-file loads of the games, for the corrupt-save fixtures and the INI fuzz
// target. A game whose load lands adds its row to SaveLoads(); both checks then
// cover it with no other change.
#pragma once

#include <string>
#include <vector>

namespace tq::testing {

struct SaveLoad {
  const char* name;
  const char* mode;  // the mode word whose start-up reads the file
  const char* file;  // as the game builds it below the program folder
  void (*load)();    // reads the file into the game's records
  bool (*save)();    // writes those records back; false when the write failed
  // The loaded records as text, so that a save and a second load can be compared.
  std::string (*describe)();
  // What a load left outside its field's range, or empty: a corrupt file must load
  // as the defaults or its readable part.
  std::string (*check)();
};

const std::vector<SaveLoad>& SaveLoads();

}  // namespace tq::testing
