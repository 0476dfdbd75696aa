// The Marbrook stages the program holds and their lines as the loader pushes them,
// for the tests that walk every stage script (new stage files join by themselves).
#pragma once

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "assets/asset_table.h"
#include "engine/content_texts.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/system_menu.h"
#include "engine/text.h"
#include "marbrook/stage_dispatch.h"
#include "platform/compositor.h"
#include "platform/fonts.h"
#include "platform/platform.h"
#include "scenario/face_slots.h"
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

// Where a player clicks a row (0 or 1) of the conversation's choice: its middle.
inline std::pair<int, int> ChoiceRowMiddle(int row) {
  const tq::LayerSurface& r = tq::ThePlatform().Screen().Layer(SystemLayerSet.MenuRowLayer + row);
  return {r.x + r.image.Width() / 2, r.y + r.image.Height() / 2};
}

// The balloon texts printed since the last look that stand outside their balloon
// (clear of its bevel frame on the right and at the bottom) or outside the window,
// each described after `where`: one report per balloon, and a text reported once
// (kept in `reported`) is not reported again when greyed. Starts the print
// recording afresh.
inline std::vector<std::string> BalloonTextsOutside(const std::string& where, std::set<std::string>& reported) {
  constexpr int kFrameRight = 8, kFrameBottom = 6;
  // The layers of the open balloons (a slot's minis may share a layer number with
  // another slot's thought balloon).
  std::set<int> balloons;
  for (size_t s = 0; s < kFaceSlotCount; ++s) {
    if (FaceSlot.SpeechState[s] != kBalloonHidden) balloons.insert(FaceSlot.BalloonLayer[s]);
    if (FaceSlot.ThoughtState[s] != kBalloonHidden) balloons.insert(FaceSlot.ThoughtLayer[s]);
  }
  std::vector<std::string> out;
  std::set<int> layers;
  for (const PrintRecord& p : RecordedPrints()) {
    const tq::LayerSurface& layer = tq::ThePlatform().Screen().Layer(p.Layer);
    if (!balloons.count(p.Layer) || !layer.visible || layers.count(p.Layer) || reported.count(p.Text)) continue;
    const int w = layer.image.Width(), h = layer.image.Height();
    const LayerProps& props = LayerInfo(p.Layer);
    const tq::TextExtent e = tq::MeasureTextExtent({props.FontName, props.FontSize, props.FontBold, props.FontItalic}, p.Text);
    const int left = layer.x + p.X, top = layer.y + p.Y;
    const bool inBalloon = p.X >= 0 && p.Y >= 0 && p.X + e.width <= w - kFrameRight && p.Y + e.height <= h - kFrameBottom;
    const bool inWindow = left >= 0 && top >= 0 && left + e.width <= tq::kWindowWidth && top + e.height <= tq::kWindowHeight;
    if (inBalloon && inWindow) continue;
    layers.insert(p.Layer);
    reported.insert(p.Text);
    out.push_back(where + ": \"" + p.Text + "\", " + std::to_string(e.width) + " by " + std::to_string(e.height) + " at (" +
                  std::to_string(left) + "," + std::to_string(top) + ") in the balloon of layer " + std::to_string(p.Layer) +
                  ", " + std::to_string(w) + " by " + std::to_string(h) + " at (" + std::to_string(layer.x) + "," +
                  std::to_string(layer.y) + "), is drawn outside " + (inBalloon ? "the window" : "its balloon"));
  }
  SetPrintRecording(true);  // starts afresh
  return out;
}

}  // namespace tq::testing
