// The rules every Marbrook stage script keeps, for the stage tests and the
// check-stage tool: the stage table (each script's line count, opening, balloon lines
// and voices), the line format (commands, their keys, balloon kinds, voices, pictures,
// effects) and balloon rows that fit their balloons as the game draws them. The fit is
// measured with the game's own balloon style, so a run of the engine in the Marbrook
// mode must be set up before it is asked.
#pragma once

#include <set>
#include <span>
#include <string>
#include <vector>

namespace tq::testing {

enum class MarbrookOpening { CurtainGroup, PostGame, Branch, EventPicture, Faces, Continuation, Prologue, Finale };

// Each stage the program holds: its line count and how it opens; for the story
// scripts also its balloon lines and its voices (lowest, highest, voiced lines).
// -1 leaves a count unchecked (the intermissions).
struct MarbrookStageRow {
  int stage, lines;
  MarbrookOpening opening;
  int balloons = -1;
  int voiceLow = 0, voiceHigh = 0, voiced = -1;
};
std::span<const MarbrookStageRow> MarbrookStageTable();
// The stage's row; nullptr for a stage the table does not hold.
const MarbrookStageRow* MarbrookStageRowOf(int stage);

// The faults of one line, empty when it keeps the conventions.
std::vector<std::string> MarbrookLineFaults(const std::string& line);

// One balloon line taken apart: its slot, kind, style, font size (0 when the line
// gives none), voice and text rows.
struct MarbrookBalloonLine {
  int slot = 0, kind = 0, style = 0, font = 0, voice = 0;
  std::vector<std::string> rows;
};
// False for a line that opens no balloon.
bool ReadMarbrookBalloonLine(const std::string& line, MarbrookBalloonLine& out);
// Why the rows of a balloon line do not fit a balloon of `kind` and `style`; "" when
// they fit.
std::string MarbrookBalloonFit(const MarbrookBalloonLine& b, int kind, int style);

// The faults of a stage's lines as the loader pushes them, each naming its line:
// against its row of the table, each line's format, the end lines (the last line
// and, in the finale, the 1-based lines in `entryEnds`) and the opening.
std::vector<std::string> MarbrookStageFaults(int stage, const std::vector<std::string>& lines,
                                             const std::set<size_t>& entryEnds = {});
// The balloon rows of a stage's lines that do not fit their balloon; a kind 99 line
// is measured in the balloon its slot already has open.
std::vector<std::string> MarbrookBalloonFitFaults(const std::vector<std::string>& lines);

}  // namespace tq::testing
