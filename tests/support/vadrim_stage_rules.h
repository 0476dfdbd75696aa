// The rules every Vadrim stage script keeps, for the stage tests and the check-stage
// tool: the stage table (lines, opening and closing, pictures, balloon kinds and
// variants), the line format (fields, keys, sounds, events, no music), the balloon
// rows (count, length, fit as drawn), the stages' own shapes (0, 1, 61, the scenes,
// the flip-books) and the staging plan content/vadrim/stage_commands.tsv with its
// totals. The fit is measured with the game's own balloon style, so a run of the
// engine in the Vadrim mode must be set up before it is asked.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace tq::testing {

enum class VadrimFamily { Special, Conversation, Scene };

struct VadrimStageRow {
  int stage, lines;
  VadrimFamily family;
  int background;           // the opening's background picture
  int scene;                // a scene stage's scene picture
  std::set<int> pictures;   // every picture the stage may name (0, no picture, always may)
  std::set<int> kinds;      // balloon kinds
  std::set<int> variants;   // scene balloon variants (kind 6)
};
// The stage's row of the table; a row of stage -1 for a stage it does not hold.
const VadrimStageRow& VadrimStageRowOf(int stage);
// Whether the stage drops its closing's sound 11 and event 07 outside the story and
// the stage gallery (PlayMode 1 and 3).
bool VadrimClosingByPlayMode(int stage);
// The PlayModes whose line counts a stage is checked with.
std::vector<int> VadrimPlayModesOf(int stage);

// A stage's lines by the plan's columns: "lines", "Ｚ" and one count per command.
using VadrimCounts = std::map<std::string, int>;
VadrimCounts VadrimCountsOf(const std::vector<std::string>& lines);
// The column sums over the thirty stages; the four mark macros are summed together
// as "marks".
const std::map<std::string, int>& VadrimTotals();
const std::vector<std::string>& VadrimMarkMacros();

// The staging plan read from its text: its rows by stage, and its faults (the header,
// the cells, each row against the stage table and its lines, the totals).
struct VadrimPlan {
  std::map<int, VadrimCounts> rows;
  std::vector<std::string> faults;
};
VadrimPlan ReadVadrimPlan(const std::string& text);

// The faults of one line of a stage.
std::vector<std::string> VadrimLineFaults(const VadrimStageRow& row, const std::string& line);
// The rows that do not fit their balloon or the window, line by line.
std::vector<std::string> VadrimRowFitFaults(const std::vector<std::string>& lines);
// Every fault of a stage's lines as pushed with a PlayMode, against its row (and its
// plan row when there is one), each naming the line it is on.
std::vector<std::string> VadrimStageFaults(const VadrimStageRow& row, const std::vector<std::string>& lines,
                                           int playMode, const VadrimCounts* planRow);

// Lines joined by " / ", for fault texts.
std::string QuotedLines(const std::vector<std::string>& lines);

}  // namespace tq::testing
