// The random-input soak: a mode runs on the headless back end under a seeded random
// stream of clicks, moves and keys, and every fault that stream can provoke is
// collected: a hang, an end with a status other than 0, a save file that is no
// longer whole. A crash or a sanitizer report ends the process itself.
//
// The stream reads the screen as it runs (the layers it shows), so new screens are
// reached without any change here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tq::testing {

// The longest the engine may refuse input without the program ending: no frame
// loop or chain of timed waits in any game runs longer than this (title sequences,
// scripted pauses and voice waits last seconds), so a screen deaf for longer is
// stuck.
inline constexpr uint32_t kHangBoundMs = 120000;

// A screen every session of a soak starts at instead of the mode's own start: the
// scene cursor is set right after start-up, as the headless runner's --enter does
// (and, for the Vadrim board game, the board its entry reads, as --board does). A
// session that has been away from the entry's screen for half a minute is ended
// with Escape, so that the next one starts there again.
struct SoakEntry {
  const char* name = "";  // for reports
  int sceneCode = 0, sceneState = 0, sceneStep = 0;
  int board = -1;  // -1: none
};

struct SoakOptions {
  std::string mode;
  const SoakEntry* entry = nullptr;  // nullptr: the mode's own start
  uint32_t seed = 1;
  uint32_t virtualMs = 180000;  // input time in all; Escape follows at the end
  std::string root;             // the program folder; empty: a new temporary one
  // The stand-in pictures and sounds in the program folder, so that every screen
  // loads and shows its pictures as with the real ones. With them, a run that loads
  // no picture (when it should) or misses one fails.
  bool standIns = true;
  bool expectPictures = true;
  // With the Skelvane word, the lines every stage pushes (until its stage scripts exist).
  std::vector<std::string> stageScript;
};

struct SoakFigures {
  uint32_t virtualMs = 0;  // virtual time run, all sessions together
  int sessions = 0;        // a program that ends by itself is started again
  int inputs = 0;
  int clicks = 0;
  int layerClicks = 0;  // of the clicks, those aimed at a visible layer
  int moves = 0;
  int keys = 0;
  int saveChecks = 0;
  int hangs = 0;
  uint32_t longestDeafMs = 0;  // the longest stretch in which input was refused
  std::string longestDeafWhere;  // where the engine was at its end
  uint32_t entryScreenMs = 0;  // with an entry: the time its SceneCode was the running one
  int picturesLoaded = 0;
  int picturesMissing = 0;
  std::vector<std::string> failures;
};

SoakFigures RunSoak(const SoakOptions& options);

// Places the stand-in pictures and sounds make-assets writes into root: linked from
// the build folder's own copy where it has them, drawn afresh otherwise.
void PlaceStandIns(const std::string& root);

// One line of figures for a report.
std::string SoakSummary(const SoakOptions& options, const SoakFigures& figures);

}  // namespace tq::testing
