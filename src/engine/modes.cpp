#include "engine/modes.h"

#include <array>

SceneCursorRecord SceneCursor;
std::string GameMode;
CrossingHookSet CrossingHooks;

namespace {
std::array<ModeHookSet, 4> hookTables;
}  // namespace

ModeId CurrentModeId() {
  if (GameMode == kModeSkelvane) return ModeId::Skelvane;
  if (GameMode == kModeMarbrook) return ModeId::Marbrook;
  if (GameMode == kModeVadrim) return ModeId::Vadrim;
  return ModeId::Other;
}

ModeHookSet& ModeHooksFor(ModeId id) { return hookTables[static_cast<size_t>(id)]; }

const ModeHookSet& CurrentModeHooks() { return ModeHooksFor(CurrentModeId()); }

void ResetModeState() {
  SceneCursor = SceneCursorRecord{};
  GameMode.clear();
}
