// The Marbrook stages the program holds and their lines as the loader pushes them,
// for the tests that walk every stage script (new stage files join by themselves).
#pragma once

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "assets/asset_table.h"
#include "engine/content_texts.h"
#include "engine/modes.h"
#include "marbrook/stage_dispatch.h"
#include "scenario/script_store.h"

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

// The stand-in of a file below the program folder (matched without regard to case,
// as the game looks files up), or null when the asset table has none.
inline const assets::AssetFile* StandInFile(const std::string& path) {
  auto lower = [](std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
  };
  static const std::map<std::string, assets::AssetFile> files = [&] {
    std::map<std::string, assets::AssetFile> out;
    for (const assets::AssetFile& f : assets::ExpandAssets()) out.emplace(lower(f.path), f);
    return out;
  }();
  const auto it = files.find(lower(path));
  return it == files.end() ? nullptr : &it->second;
}

}  // namespace tq::testing
