// check-stage: one stage script file against its game's stage rules, the rules the
// stage tests hold every script the program embeds to (tests/support/*_stage_rules).
//
//   check-stage GAME FILE [--stage N]
//
// GAME is marbrook, vadrim or skelvane; the stage is read from FILE's name
// (stageNNN.txt) unless --stage gives it. The file is read as the build embeds it
// (carriage returns dropped, a last newline ending the last line) and, for Vadrim,
// pushed through the game's stage procedure with every PlayMode the stage is checked
// with, against the staging plan (stage_commands.tsv) beside the file when there is
// one. Each fault is printed on a line of its own; the exit status is 0 for none, 1
// for faults and 2 when the command or the file cannot be used.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/headless_session.h"
#include "engine/modes.h"
#include "platform/media_files.h"
#include "scenario/script_store.h"
#include "support/marbrook_stage_rules.h"
#include "support/marbrook_stages.h"
#include "support/skelvane_stage_rules.h"
#include "support/vadrim_stage_rules.h"
#include "support/vadrim_stages.h"
#include "vadrim/story_flow.h"

namespace {

using Lines = std::vector<std::string>;
constexpr int64_t kMostBytes = int64_t{16} << 20;

const char* const kUsage = "usage: check-stage marbrook|vadrim|skelvane FILE [--stage N]\n";

int Fail(const std::string& message) {
  std::cerr << "check-stage: " << message << "\n" << kUsage;
  return 2;
}

// The file's lines as the build embeds them.
bool ReadLines(const std::string& path, Lines& lines, std::string& error) {
  std::string text, why;
  if (tq::ReadBoundedFile(path, kMostBytes, text, why) != tq::BoundedRead::kRead) {
    error = "cannot read " + path + ": " + why;
    return false;
  }
  std::erase(text, '\r');
  if (!text.empty() && text.back() == '\n') text.pop_back();
  size_t start = 0;
  for (size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  lines.push_back(text.substr(start));
  return true;
}

// The stage number of "stageNNN.txt"; none for another name.
std::optional<int> StageOfName(const std::string& path) {
  const std::string name = std::filesystem::path(path).filename().string();
  if (name.size() != 12 || name.rfind("stage", 0) != 0 || name.substr(8) != ".txt") return std::nullopt;
  const std::string digits = name.substr(5, 3);
  if (digits.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  return std::atoi(digits.c_str());
}

Lines MarbrookFaults(int stage, const Lines& lines) {
  // The finale's entries end where the program's own finale starts the next one.
  std::set<size_t> entryEnds;
  if (stage == 100) {
    tq::testing::LoadedMarbrookStage(100);
    for (int entry : {105, 106, 110, 115, 120, 130, 131, 140, 145}) {
      entryEnds.insert(static_cast<size_t>(ScriptStore.ScriptLabels[static_cast<size_t>(entry - 100)]));
    }
  }
  Lines faults = tq::testing::MarbrookStageFaults(stage, lines, entryEnds);
  for (std::string& f : tq::testing::MarbrookBalloonFitFaults(lines)) faults.push_back(std::move(f));
  return faults;
}

Lines VadrimFaults(int stage, const Lines& lines, const std::string& path) {
  const tq::testing::VadrimStageRow& row = tq::testing::VadrimStageRowOf(stage);
  if (row.stage < 0) return {"stage " + std::to_string(stage) + " has no row in the stage table"};
  Lines faults;
  std::optional<tq::testing::VadrimPlan> plan;
  const std::filesystem::path planPath = std::filesystem::path(path).parent_path() / "stage_commands.tsv";
  std::string planText, why;
  if (tq::ReadBoundedFile(planPath.string(), kMostBytes, planText, why) == tq::BoundedRead::kRead) {
    plan = tq::testing::ReadVadrimPlan(planText);
    if (!plan->rows.count(stage)) faults.push_back("the plan has no row for stage " + std::to_string(stage));
  }
  for (int playMode : tq::testing::VadrimPlayModesOf(stage)) {
    SetVadrimStageScriptOverride(lines);
    const Lines pushed = tq::testing::LoadedVadrimStage(stage, playMode);
    const tq::testing::VadrimCounts* planRow = plan && plan->rows.count(stage) ? &plan->rows.at(stage) : nullptr;
    for (const std::string& f : tq::testing::VadrimStageFaults(row, pushed, playMode, planRow)) {
      faults.push_back("PlayMode " + std::to_string(playMode) + ": " + f);
    }
  }
  SetVadrimStageScriptOverride({});
  return faults;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::optional<int> stage;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--help" || args[i] == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (args[i] != "--stage") continue;
    const std::string value = i + 1 < args.size() ? args[i + 1] : "";
    if (value.empty() || value.size() > 3 || value.find_first_not_of("0123456789") != std::string::npos) {
      return Fail("--stage needs a stage number");
    }
    stage = std::atoi(value.c_str());
    args.erase(args.begin() + static_cast<std::ptrdiff_t>(i), args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
    --i;
  }
  if (args.size() != 2) return Fail("a game and a file, please");
  const std::string& game = args[0];
  const std::string& path = args[1];
  const char* mode = game == "marbrook" ? kModeMarbrook : game == "vadrim" ? kModeVadrim
                     : game == "skelvane" ? kModeSkelvane : nullptr;
  if (mode == nullptr) return Fail("no game " + game);
  if (!stage) stage = StageOfName(path);
  if (!stage) return Fail(path + " is no stageNNN.txt: give --stage");
  Lines lines;
  std::string error;
  if (!ReadLines(path, lines, error)) return Fail(error);

  // The rules measure text and run the stage procedures as the game's run does.
  tq::SessionOptions options;
  options.mode = mode;
  tq::HeadlessSession session(options);
  GameMode = mode;
  const Lines faults = game == "marbrook" ? MarbrookFaults(*stage, lines)
                       : game == "vadrim" ? VadrimFaults(*stage, lines, path)
                                          : tq::testing::SkelvaneStageFaults(*stage, lines);
  for (const std::string& f : faults) std::cout << path << ": " << f << "\n";
  return faults.empty() ? 0 : 1;
}
