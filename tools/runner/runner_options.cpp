#include "runner/runner_options.h"

#include <cstdio>
#include <cstdlib>

const char* const kRunnerUsage =
    "usage: thornquill-headless [--mode WORD] [--root DIR] [--input FILE] [--until MS] [--trace FILE]\n"
    "                           [--shot MS:FILE.png]... [--dump MS:FILE]... [--seed N]\n"
    "                           [--convert FILE] [--script FILE] [--stage N] [--enter C,S,T] [--board N]\n"
    "  --mode WORD      the mode word start-up selects (default: the start-up's own)\n"
    "  --root DIR       the program folder (default: a new empty temporary folder)\n"
    "  --input FILE     input timeline: '<ms> click <x> <y> [left|right|middle]', '<ms> move <x> <y>',\n"
    "                   '<ms> key <code>', '<ms> close'; '#' starts a comment\n"
    "  --until MS       stop at that virtual time (default: when the program ends)\n"
    "  --trace FILE     write '<ms> <name> <args...>' lines: sound-library calls, timer, tick,\n"
    "                   loop, endloop, quit\n"
    "  --shot MS:FILE   write a PNG of the window at that virtual time\n"
    "  --dump MS:FILE   write the layers, the bytes their buffers hold and the bytes of their\n"
    "                   pixels ('buffers <held> <pixels>'), the scene cursor and the script store's\n"
    "                   line count and current line ('script <count> <current>') at that virtual time\n"
    "  --seed N         seed of the random generator\n"
    "  --convert FILE   convert each line of FILE with the mode's macros and print, tab-separated,\n"
    "                   C0 to C5, the stored text, the Speaker after the prefix readers and the text\n"
    "                   after them; nothing else runs\n"
    "  --script FILE    with --mode Skelvane２, every stage the conversation loads pushes the lines\n"
    "                   of FILE (UTF-8; carriage returns dropped, empty lines skipped); with\n"
    "                   --mode Vadrimの the same, and the run starts in the conversation on its\n"
    "                   test stage (13) instead of the title\n"
    "  --stage N        with the Marbrook mode or --mode Vadrimの, start in the conversation at\n"
    "                   stage N instead of the title (with --script, on stage N)\n"
    "  --enter C,S,T    once start-up is done, set SceneCode C, SceneState S and SceneStep T, so\n"
    "                   the first tick enters that screen (a mini-game's entry, for example)\n"
    "  --board N        with the Vadrim mode, the board number the board game's entry reads\n"
    "                   (GameStage); with --enter 51,1,0 the run plays that board\n";

namespace {

// A whole number of at most ten digits that fits 32 bits; no sign, no blanks.
bool ParseNumber(const std::string& text, uint32_t& out) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 10) return false;
  unsigned long long v = std::strtoull(text.c_str(), nullptr, 10);
  if (v > 0xFFFFFFFFULL) return false;
  out = static_cast<uint32_t>(v);
  return true;
}

// "MS:FILE".
bool ParseTimedFile(const std::string& text, TimedFile& out) {
  size_t colon = text.find(':');
  if (colon == std::string::npos || colon + 1 >= text.size()) return false;
  out.file = text.substr(colon + 1);
  return ParseNumber(text.substr(0, colon), out.at);
}

// "CODE,STATE,STEP".
bool ParseCursor(const std::string& text, std::array<int, 3>& out) {
  char tail = 0;
  return std::sscanf(text.c_str(), "%d,%d,%d%c", &out[0], &out[1], &out[2], &tail) == 3;
}

}  // namespace

RunnerCommand ParseRunnerOptions(int argc, const char* const* argv, RunnerOptions& out, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    // The option's value, the next argument; false when there is none.
    auto value = [&](std::string& v) {
      if (i + 1 >= argc) return false;
      v = argv[++i];
      return true;
    };
    auto fault = [&](const std::string& message) {
      error = message;
      return RunnerCommand::kFault;
    };
    std::string v;
    uint32_t number = 0;
    if (arg == "--help" || arg == "-h") {
      return RunnerCommand::kHelp;
    } else if (arg == "--mode") {
      if (!value(out.session.mode)) return fault("--mode needs a word");
    } else if (arg == "--root") {
      if (!value(out.session.root)) return fault("--root needs a folder");
    } else if (arg == "--input") {
      if (!value(out.inputFile)) return fault("--input needs a file");
    } else if (arg == "--until") {
      if (!value(v) || !ParseNumber(v, out.session.until)) return fault("--until needs milliseconds");
    } else if (arg == "--trace") {
      if (!value(out.traceFile)) return fault("--trace needs a file");
    } else if (arg == "--shot" || arg == "--dump") {
      TimedFile timed;
      if (!value(v) || !ParseTimedFile(v, timed)) return fault(arg + " needs MS:FILE");
      (arg == "--shot" ? out.shots : out.dumps).push_back(timed);
    } else if (arg == "--seed") {
      if (!value(v) || !ParseNumber(v, number)) return fault("--seed needs a whole number");
      out.session.seed = number;
    } else if (arg == "--convert") {
      if (!value(out.convertFile)) return fault("--convert needs a file");
    } else if (arg == "--script") {
      if (!value(out.scriptFile)) return fault("--script needs a file");
    } else if (arg == "--stage") {
      if (!value(v) || !ParseNumber(v, number) || number > 999) return fault("--stage needs a stage number");
      out.stage = static_cast<int>(number);
    } else if (arg == "--enter") {
      std::array<int, 3> cursor{};
      if (!value(v) || !ParseCursor(v, cursor)) return fault("--enter needs CODE,STATE,STEP");
      out.enter = cursor;
    } else if (arg == "--board") {
      if (!value(v) || !ParseNumber(v, number) || number > 99) return fault("--board needs a board number");
      out.board = static_cast<int>(number);
    } else {
      return fault("unknown option " + arg);
    }
  }
  return RunnerCommand::kRun;
}
