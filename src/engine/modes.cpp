#include "engine/modes.h"

#include <array>

SceneCursorRecord SceneCursor;
std::string GameMode;
CrossingHookSet CrossingHooks;

namespace {
std::array<ModeHookSet, 4> hookTables;
ScreenHookSet noScreen;
}  // namespace

ModeId CurrentModeId() {
  if (GameMode == kModeSkelvane) return ModeId::Skelvane;
  if (GameMode == kModeMarbrook) return ModeId::Marbrook;
  if (GameMode == kModeVadrim) return ModeId::Vadrim;
  return ModeId::Other;
}

ModeHookSet& ModeHooksFor(ModeId id) { return hookTables[static_cast<size_t>(id)]; }

const ModeHookSet& CurrentModeHooks() { return ModeHooksFor(CurrentModeId()); }

ScreenHookSet& FindScreen(std::span<ScreenRow> table, int sceneCode) {
  for (ScreenRow& row : table) {
    if (row.sceneCode == sceneCode) return row.hooks;
  }
  noScreen = ScreenHookSet{};
  return noScreen;
}

bool RunScreenPhase(const ScreenHookSet& screen, int phase) {
  switch (phase) {
    case 0:
      if (screen.Step != nullptr) screen.Step();
      return screen.Step != nullptr;
    case 1:
      if (screen.Hover != nullptr) screen.Hover();
      return screen.Hover != nullptr;
    case 2: return screen.Frame != nullptr && screen.Frame();
    default: return false;
  }
}

void ResetModeState() {
  SceneCursor = SceneCursorRecord{};
  GameMode.clear();
}
