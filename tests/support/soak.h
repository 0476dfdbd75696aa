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

struct SoakOptions {
  std::string mode;
  uint32_t seed = 1;
  uint32_t virtualMs = 180000;  // input time in all; Escape follows at the end
  std::string root;             // the program folder; empty: a new temporary one
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
  std::vector<std::string> failures;
};

SoakFigures RunSoak(const SoakOptions& options);

// One line of figures for a report.
std::string SoakSummary(const SoakOptions& options, const SoakFigures& figures);

}  // namespace tq::testing
