// The Vadrim stages the program holds and their lines as the stage procedure pushes
// them, for the tests that walk every stage script (new stage files join by
// themselves).
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "engine/content_texts.h"
#include "engine/modes.h"
#include "marbrook/save_file.h"
#include "scenario/script_store.h"
#include "vadrim/story_flow.h"

namespace tq::testing {

// The content file name of a stage: "stage010".
inline std::string VadrimStageName(int stage) {
  char name[16];
  std::snprintf(name, sizeof name, "stage%03d", stage);
  return name;
}

inline bool VadrimStageHeld(int stage) { return !ContentLines("vadrim", VadrimStageName(stage)).empty(); }

// The stages with a script whose file is in the program, in stage order.
inline std::vector<int> HeldVadrimStages() {
  std::vector<int> stages;
  for (int stage : VadrimStages()) {
    if (VadrimStageHeld(stage)) stages.push_back(stage);
  }
  return stages;
}

// The lines D20_LoadStage pushes for a stage with the given PlayMode (which stays
// set afterwards).
inline std::vector<std::string> LoadedVadrimStage(int stage, int playMode = 0) {
  ModeState.PlayMode = playMode;
  SceneCursor.StageNumber = stage;
  ScriptStore.ScriptLineCount = 0;
  D20_LoadStage();
  std::vector<std::string> lines;
  for (int i = 0; i < ScriptStore.ScriptLineCount; ++i) lines.push_back(ScriptStore.ScriptText[static_cast<size_t>(i)]);
  return lines;
}

}  // namespace tq::testing
