// The headless runner's command line, read apart from the run it sets up: what each
// option asks for, checked, and the usage text that documents them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/headless_session.h"

extern const char* const kRunnerUsage;

// A file written at a virtual time (--shot, --dump).
struct TimedFile {
  uint32_t at = 0;
  std::string file;
};

struct RunnerOptions {
  tq::SessionOptions session;  // --mode, --root, --until, --seed
  std::string inputFile;       // --input: the input timeline
  std::string traceFile;       // --trace
  std::vector<TimedFile> shots;
  std::vector<TimedFile> dumps;
  std::string convertFile;  // --convert: convert its lines, run nothing
  std::string scriptFile;   // --script: the lines every stage pushes
  std::optional<int> stage;                  // --stage: the conversation at that stage
  std::optional<std::array<int, 3>> enter;   // --enter: SceneCode, SceneState, SceneStep
  std::optional<int> board;                  // --board: the Vadrim board number
};

enum class RunnerCommand { kRun, kHelp, kFault };

// Reads the arguments after the program's name in order. --help stops the reading
// (kHelp); a missing or malformed value or an unknown option is a fault, named in
// `error`.
RunnerCommand ParseRunnerOptions(int argc, const char* const* argv, RunnerOptions& out, std::string& error);
