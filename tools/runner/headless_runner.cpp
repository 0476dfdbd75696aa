// thornquill-headless: runs the game without a display, on a virtual clock.
//
//   thornquill-headless [--mode WORD] [--root DIR] [--input FILE] [--until MS] [--trace FILE]
//                       [--shot MS:FILE.png]... [--dump MS:FILE]... [--seed N]
//                       [--convert FILE] [--script FILE] [--stage N] [--enter C,S,T] [--board N]
//
// The options are read in runner_options.cpp; here they are scheduled on the run.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/headless_session.h"
#include "app/register_games.h"
#include "app/screen_entry.h"
#include "engine/game_window.h"
#include "engine/modes.h"
#include "runner/convert_command.h"
#include "runner/runner_options.h"
#include "skelvane/conversation_hooks.h"
#include "vadrim/story_flow.h"

namespace {

int Fail(const std::string& message) {
  std::cerr << "thornquill-headless: " << message << "\n" << kRunnerUsage;
  return 2;
}

// --convert: the mode's macros only, nothing runs.
int Convert(const RunnerOptions& o) {
  ResetAllState();
  RegisterGames();
  SetStartMode(o.session.mode.c_str());
  GameMode = o.session.mode.empty() ? kModeMarbrook : o.session.mode;
  return RunConvertCommand(o.convertFile, std::cout);
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

// The files the run reads before it starts; false with the fault in `error`.
struct RunFiles {
  std::vector<tq::ScriptedInput> inputs;
  std::vector<std::string> scriptLines;
};
bool ReadRunFiles(const RunnerOptions& o, RunFiles& files, std::string& error) {
  if (!o.inputFile.empty()) {
    std::string text;
    if (!ReadRunnerFile(o.inputFile, text, error)) return false;
    if (!tq::ParseInputTimeline(text, files.inputs, error)) return false;
  }
  if (!o.scriptFile.empty()) {
    std::string text;
    if (!ReadRunnerFile(o.scriptFile, text, error)) return false;
    std::istringstream in(text);
    files.scriptLines = ReadScriptLines(in);
    if (o.session.mode != kModeSkelvane && o.session.mode != kModeVadrim) {
      std::cerr << "thornquill-headless: --script is used only by the Skelvane and Vadrim modes\n";
    }
  }
  return true;
}

// The script override, and with --mode Vadrimの the conversation's own entry for a
// start without a chosen stage, right after start-up and before the first tick.
void ScheduleScript(const RunnerOptions& o, std::vector<std::string> lines, tq::HeadlessPlatform& platform) {
  if (o.scriptFile.empty()) return;
  if (o.session.mode == kModeVadrim) {
    SetVadrimStageScriptOverride(std::move(lines));
    platform.At(0, [] { tq::EnterConversationStart(); });
  } else {
    SetStageScriptOverride(std::move(lines));
  }
}

// Each shot and dump at its time; a file that cannot be written is counted.
void ScheduleCaptures(const RunnerOptions& o, tq::HeadlessPlatform& platform, int& failures) {
  auto capture = [&](const TimedFile& t, bool (*write)(const std::string&)) {
    platform.At(t.at, [file = t.file, write, &failures] {
      if (!write(file)) {
        std::cerr << "thornquill-headless: cannot write " << file << "\n";
        ++failures;
      }
    });
  };
  for (const TimedFile& t : o.shots) capture(t, tq::WriteScreenshot);
  for (const TimedFile& t : o.dumps) capture(t, tq::WriteLayerDump);
}

}  // namespace

int main(int argc, char** argv) {
  RunnerOptions o;
  std::string error;
  switch (ParseRunnerOptions(argc, argv, o, error)) {
    case RunnerCommand::kHelp: std::cout << kRunnerUsage; return 0;
    case RunnerCommand::kFault: return Fail(error);
    case RunnerCommand::kRun: break;
  }
  if (!o.convertFile.empty()) return Convert(o);

  RunFiles files;
  if (!ReadRunFiles(o, files, error)) return Fail(error);
  std::ofstream trace;
  if (!o.traceFile.empty()) {
    trace.open(o.traceFile, std::ios::binary | std::ios::trunc);
    if (!trace) return Fail("cannot write " + o.traceFile);
  }

  tq::HeadlessSession session(o.session);
  // After the session: setting it up puts every module back to its start values.
  tq::HeadlessPlatform& platform = session.Platform();
  ScheduleScript(o, std::move(files.scriptLines), platform);
  platform.SetInputs(std::move(files.inputs));
  // The entries are set in the order stage, cursor, board: with --stage and --enter
  // together, the screen --enter names is entered with the stage --stage gives.
  if (o.stage) {
    platform.At(tq::kScreenEntryAt, [stage = *o.stage] {
      if (GameMode == kModeMarbrook || GameMode == kModeVadrim) tq::EnterConversationAt(stage);
    });
  }
  if (trace.is_open()) platform.SetTraceWriter([&trace](const std::string& line) { trace << line << '\n'; });
  int failures = 0;
  ScheduleCaptures(o, platform, failures);
  if (o.enter) {
    platform.At(tq::kScreenEntryAt, [cursor = *o.enter] { tq::EnterScreen(cursor[0], cursor[1], cursor[2]); });
  }
  if (o.board) {
    platform.At(tq::kScreenEntryAt, [board = *o.board] {
      if (GameMode == kModeVadrim) tq::SetVadrimBoard(board);
    });
  }

  tq::SessionResult result = session.Run();
  trace.flush();
  if (failures > 0) return 1;
  return result.ended ? result.status : 0;
}
