// thornquill-headless: runs the game without a display, on a virtual clock.
//
//   thornquill-headless [--mode WORD] [--root DIR] [--input FILE] [--until MS] [--trace FILE]
//                       [--shot MS:FILE.png]... [--dump MS:FILE]... [--seed N]
//                       [--convert FILE] [--script FILE] [--stage N] [--enter C,S,T] [--board N]
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/headless_session.h"
#include "app/register_games.h"
#include "engine/game_window.h"
#include "engine/modes.h"
#include "runner/convert_command.h"
#include "skelvane/conversation_hooks.h"
#include "vadrim/story_flow.h"
#include "vadrim/vadrim_save.h"

namespace {

const char* kUsage =
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
    "  --dump MS:FILE   write the layers, the scene cursor and the script store's line count\n"
    "                   and current line ('script <count> <current>') at that virtual time\n"
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

bool ParseNumber(const std::string& text, uint32_t& out) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 10) return false;
  unsigned long long v = std::strtoull(text.c_str(), nullptr, 10);
  if (v > 0xFFFFFFFFULL) return false;
  out = static_cast<uint32_t>(v);
  return true;
}

bool ParseTimed(const std::string& text, uint32_t& at, std::string& file) {
  size_t colon = text.find(':');
  if (colon == std::string::npos || colon + 1 >= text.size()) return false;
  file = text.substr(colon + 1);
  return ParseNumber(text.substr(0, colon), at);
}

// The lines of a script file, without a byte-order mark or carriage returns; empty
// lines are skipped.
std::vector<std::string> ReadScriptLines(std::istream& in) {
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (lines.empty()) StripByteOrderMark(line);
    std::erase(line, '\r');
    if (!line.empty()) lines.push_back(std::move(line));
  }
  return lines;
}

int Fail(const std::string& message) {
  std::cerr << "thornquill-headless: " << message << "\n" << kUsage;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  tq::SessionOptions options;
  std::string inputFile;
  std::string traceFile;
  std::vector<std::pair<uint32_t, std::string>> shots;
  std::vector<std::pair<uint32_t, std::string>> dumps;
  bool untilGiven = false;
  std::string convertFile;
  std::string scriptFile;
  uint32_t startStage = 0;
  bool stageGiven = false;
  std::optional<std::array<int, 3>> enter;
  std::optional<int> board;

  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= argc) return false;
      out = argv[++i];
      return true;
    };
    std::string v;
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    } else if (arg == "--mode") {
      if (!value(options.mode)) return Fail("--mode needs a word");
    } else if (arg == "--root") {
      if (!value(options.root)) return Fail("--root needs a folder");
    } else if (arg == "--input") {
      if (!value(inputFile)) return Fail("--input needs a file");
    } else if (arg == "--until") {
      if (!value(v) || !ParseNumber(v, options.until)) return Fail("--until needs milliseconds");
      untilGiven = true;
    } else if (arg == "--trace") {
      if (!value(traceFile)) return Fail("--trace needs a file");
    } else if (arg == "--shot" || arg == "--dump") {
      uint32_t at = 0;
      std::string file;
      if (!value(v) || !ParseTimed(v, at, file)) return Fail(arg + " needs MS:FILE");
      (arg == "--shot" ? shots : dumps).emplace_back(at, file);
    } else if (arg == "--seed") {
      uint32_t seed = 0;
      if (!value(v) || !ParseNumber(v, seed)) return Fail("--seed needs a whole number");
      options.seed = seed;
    } else if (arg == "--convert") {
      if (!value(convertFile)) return Fail("--convert needs a file");
    } else if (arg == "--script") {
      if (!value(scriptFile)) return Fail("--script needs a file");
    } else if (arg == "--stage") {
      if (!value(v) || !ParseNumber(v, startStage) || startStage > 999) return Fail("--stage needs a stage number");
      stageGiven = true;
    } else if (arg == "--enter") {
      std::array<int, 3> cursor{};
      char tail = 0;
      if (!value(v) || std::sscanf(v.c_str(), "%d,%d,%d%c", &cursor[0], &cursor[1], &cursor[2], &tail) != 3) {
        return Fail("--enter needs CODE,STATE,STEP");
      }
      enter = cursor;
    } else if (arg == "--board") {
      uint32_t number = 0;
      if (!value(v) || !ParseNumber(v, number) || number > 99) return Fail("--board needs a board number");
      board = static_cast<int>(number);
    } else {
      return Fail("unknown option " + arg);
    }
  }
  if (!convertFile.empty()) {
    ResetAllState();
    RegisterGames();
    SetStartMode(options.mode.c_str());
    GameMode = options.mode.empty() ? kModeMarbrook : options.mode;
    return RunConvertCommand(convertFile, std::cout);
  }
  if (!untilGiven) options.until = 3600000;  // generous, so every run ends

  std::vector<tq::ScriptedInput> inputs;
  if (!inputFile.empty()) {
    std::string text, error;
    if (!ReadRunnerFile(inputFile, text, error)) return Fail(error);
    if (!tq::ParseInputTimeline(text, inputs, error)) return Fail(error);
  }

  std::vector<std::string> scriptLines;
  if (!scriptFile.empty()) {
    std::string text, error;
    if (!ReadRunnerFile(scriptFile, text, error)) return Fail(error);
    std::istringstream in(text);
    scriptLines = ReadScriptLines(in);
    if (options.mode != kModeSkelvane && options.mode != kModeVadrim) {
      std::cerr << "thornquill-headless: --script is used only by the Skelvane and Vadrim modes\n";
    }
  }

  std::ofstream trace;
  if (!traceFile.empty()) {
    trace.open(traceFile, std::ios::binary | std::ios::trunc);
    if (!trace) return Fail("cannot write " + traceFile);
  }

  tq::HeadlessSession session(options);
  // After the session: setting it up puts every module back to its start values.
  tq::HeadlessPlatform& platform = session.Platform();
  if (!scriptFile.empty() && options.mode == kModeVadrim) {
    SetVadrimStageScriptOverride(std::move(scriptLines));
    // Right after start-up, before the first tick: the conversation's own entry for a
    // start without a chosen stage.
    platform.At(0, [] {
      SceneCursor.SceneCode = 10;
      SceneCursor.SceneState = 0;
      SceneCursor.SceneStep = 0;
    });
  } else if (!scriptFile.empty()) {
    SetStageScriptOverride(std::move(scriptLines));
  }
  platform.SetInputs(std::move(inputs));
  if (stageGiven) {
    // Before the first tick: the conversation's entry from another screen.
    platform.At(1, [stage = static_cast<int>(startStage)] {
      if (GameMode != kModeMarbrook && GameMode != kModeVadrim) return;
      SceneCursor.SceneCode = 10;
      SceneCursor.SceneState = 0;
      SceneCursor.SceneStep = 10;
      SceneCursor.StageNumber = stage;
    });
  }
  if (trace.is_open()) platform.SetTraceWriter([&trace](const std::string& line) { trace << line << '\n'; });
  int failures = 0;
  for (const auto& [at, file] : shots) {
    platform.At(at, [file = file, &failures] {
      if (!tq::WriteScreenshot(file)) {
        std::cerr << "thornquill-headless: cannot write " << file << "\n";
        ++failures;
      }
    });
  }
  for (const auto& [at, file] : dumps) {
    platform.At(at, [file = file, &failures] {
      if (!tq::WriteLayerDump(file)) {
        std::cerr << "thornquill-headless: cannot write " << file << "\n";
        ++failures;
      }
    });
  }

  if (enter) {
    // Start-up runs at time 0 and arms its first wait: the cursor is set after it.
    platform.At(1, [cursor = *enter] {
      SceneCursor.SceneCode = cursor[0];
      SceneCursor.SceneState = cursor[1];
      SceneCursor.SceneStep = cursor[2];
    });
  }

  if (board) {
    // With the cursor, before the first tick: the board game reads it at its entry.
    platform.At(1, [number = *board] {
      if (GameMode == kModeVadrim) VadrimProgress.GameStage = number;
    });
  }

  tq::SessionResult result = session.Run();
  trace.flush();
  if (failures > 0) return 1;
  return result.ended ? result.status : 0;
}
