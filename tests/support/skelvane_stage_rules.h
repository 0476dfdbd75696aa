// The fixed shapes of the Skelvane stage scripts, for the stage tests and the
// check-stage tool: each stage's line count, its fixed first and last lines and how
// it chains on, and stage 10's counts of commands, balloon kinds and quick moves.
#pragma once

#include <string>
#include <vector>

namespace tq::testing {

// The faults of a stage's lines (stages 1, 2 and 10), empty when it keeps its shape.
std::vector<std::string> SkelvaneStageFaults(int stage, const std::vector<std::string>& lines);

}  // namespace tq::testing
