#include "support/skelvane_stage_rules.h"

#include <map>
#include <regex>

namespace tq::testing {

namespace {

using Lines = std::vector<std::string>;

int CountCommand(const Lines& lines, const std::string& command) {
  int n = 0;
  for (const std::string& l : lines) n += l == command || l.rfind(command + "：", 0) == 0;
  return n;
}

// "what: got, not want" when they differ.
void Expect(Lines& faults, const std::string& what, int got, int want) {
  if (got != want) faults.push_back(what + ": " + std::to_string(got) + ", not " + std::to_string(want));
}
void ExpectLine(Lines& faults, const Lines& lines, size_t at, const std::string& want) {
  const std::string got = at < lines.size() ? lines[at] : "(no line)";
  if (got != want) faults.push_back("line " + std::to_string(at + 1) + " is " + got + ", not " + want);
}

// Stage 10's commands and balloon kinds ("kind,variant,tail" as written), and its
// lines with quick moves (Ty=11).
Lines StageTenCounts(const Lines& lines) {
  Lines faults;
  const std::map<std::string, int> commands = {
      {"[フキA]", 100},          {"[フキ消去]", 26},   {"[同時・フキ消去]", 8},     {"[フキ移動]", 18},
      {"[フ別移動]", 3},         {"[フキバック]", 7},  {"[最前面へ]", 3},           {"[同時・顔の移動]", 29},
      {"[同時スタートのみ]", 14}, {"[顔の移動]", 12},  {"[ウェイト]", 16},          {"[顔の設定]", 7},
  };
  for (const auto& [command, count] : commands) Expect(faults, command, CountCommand(lines, command), count);
  std::map<std::string, int> kinds;
  const std::regex kind("フ種=\\(([^)]*)\\)");
  int ty11 = 0;
  for (const std::string& l : lines) {
    std::smatch m;
    if (std::regex_search(l, m, kind)) kinds[m[1]] += 1;
    ty11 += l.find("Ty=11") != std::string::npos;
  }
  const std::map<std::string, int> expected = {
      {"99,**,-1", 45}, {"99,**,-2", 29}, {"20,**,-1", 8}, {"20,**,-2", 4}, {"20,+4,-1", 3}, {"20,-3,-2", 1},
      {"10,+4,-1", 2},  {"10,+4,-2", 2},  {"10,**,-2", 2}, {"10,**,-1", 1}, {"50,10,0", 1},  {"50,11,0", 1},
      {"50,00,0", 1},
  };
  for (const auto& [k, n] : expected) Expect(faults, "balloons of kind (" + k + ")", kinds.count(k) ? kinds.at(k) : 0, n);
  for (const auto& [k, n] : kinds) {
    if (!expected.count(k)) faults.push_back("balloons of kind (" + k + "), which stage 10 has none of");
  }
  Expect(faults, "lines with Ty=11", ty11, 41);
  return faults;
}

}  // namespace

std::vector<std::string> SkelvaneStageFaults(int stage, const std::vector<std::string>& lines) {
  Lines faults;
  const size_t n = lines.size();
  switch (stage) {
    case 1:
      Expect(faults, "lines", static_cast<int>(n), 69);
      ExpectLine(faults, lines, 0, "[ウェイト]：Fu=5");
      ExpectLine(faults, lines, n == 0 ? 0 : n - 1, "[別のシーンへ]：Fu=2");
      break;
    case 2:
      // The title's stage: straight on to stage 10.
      Expect(faults, "lines", static_cast<int>(n), 3);
      ExpectLine(faults, lines, 0, "[特殊イベ]：Ev種=14");
      ExpectLine(faults, lines, 1, "[イベ直接・基本]：Ev分=1");
      ExpectLine(faults, lines, 2, "[別のシーンへ]：Fu=10");
      break;
    case 10:
      // Ends on its two events, which return to the title; it chains to no stage.
      Expect(faults, "lines", static_cast<int>(n), 270);
      ExpectLine(faults, lines, n < 2 ? 0 : n - 2, "[通常イベ]：Ev種=42");
      ExpectLine(faults, lines, n == 0 ? 0 : n - 1, "[通常イベ]：Ev種=43");
      Expect(faults, "scene and game changes", CountCommand(lines, "[別のシーンへ]") + CountCommand(lines, "[別のゲームへ]"), 0);
      for (std::string& f : StageTenCounts(lines)) faults.push_back(std::move(f));
      break;
    default: faults.push_back("stage " + std::to_string(stage) + " is none of the game's (1, 2, 10)");
  }
  return faults;
}

}  // namespace tq::testing
