// A conversation scene of the Skelvane mode on the headless platform, for tests that
// call the scenario engine directly: the engine is not started, so nothing runs but
// what the test calls, and the trace shows the timers and loops it armed.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "engine/modes.h"
#include "scenario/script_store.h"
#include "support/engine_harness.h"

namespace scenario_test {

// One scene; a table test makes a fresh one for each case.
struct ScenarioScene {
  ScenarioScene() : harness(kModeSkelvane) {
    GameMode = kModeSkelvane;
    SceneCursor.SceneCode = 10;
  }
  std::vector<std::string> Timers() const { return harness.TraceOf("timer"); }
  std::vector<std::string> Loops() const { return harness.TraceOf("loop"); }

  tq::testing::EngineHarness harness;
};

// Replaces the script store with these lines and starts at the first.
inline void Script(std::initializer_list<std::string> lines) {
  ScriptStore.ScriptLineCount = 0;
  ScriptStore.CurrentScriptLine = 0;
  for (const std::string& line : lines) PushScriptLine(line);
}

class ScenarioFixture : public ::testing::Test, protected ScenarioScene {};

}  // namespace scenario_test
