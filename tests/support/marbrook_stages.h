// The Marbrook stages the program holds and their lines as the loader pushes them,
// for the tests that walk every stage script (new stage files join by themselves).
#pragma once

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/content_texts.h"
#include "engine/modes.h"
#include "engine/system_menu.h"
#include "marbrook/stage_dispatch.h"
#include "platform/compositor.h"
#include "platform/platform.h"
#include "scenario/script_store.h"
#include "support/balloon_staging.h"
#include "support/stand_in_pictures.h"

namespace tq::testing {

// Every stage with lines in the program: the story files, the finale's entries and
// the intermissions, in stage order.
inline std::vector<int> HeldMarbrookStages() {
  std::vector<int> stages;
  for (int stage = 1; stage <= 202; ++stage) {
    const StageSource source = StageSourceOf(stage);
    const bool file = source == StageSource::StoryFile || source == StageSource::Finale;
    const int name = source == StageSource::Finale ? 100 : stage;
    if (source == StageSource::Intermission || (file && !ContentLines("marbrook", StageScriptName(name)).empty())) {
      stages.push_back(stage);
    }
  }
  return stages;
}

// The lines C15_LoadStage pushes for a stage (the whole finale for its entries);
// the store's current line is where the stage starts.
inline std::vector<std::string> LoadedMarbrookStage(int stage) {
  SceneCursor.StageNumber = stage;
  ScriptStore.ScriptLineCount = 0;
  C15_LoadStage();
  std::vector<std::string> lines;
  for (int i = 0; i < ScriptStore.ScriptLineCount; ++i) lines.push_back(ScriptStore.ScriptText[static_cast<size_t>(i)]);
  return lines;
}

// Where a player clicks a row (0 or 1) of the conversation's choice: its middle.
inline std::pair<int, int> ChoiceRowMiddle(int row) {
  const tq::LayerSurface& r = tq::ThePlatform().Screen().Layer(SystemLayerSet.MenuRowLayer + row);
  return {r.x + r.image.Width() / 2, r.y + r.image.Height() / 2};
}

}  // namespace tq::testing
