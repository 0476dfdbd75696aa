#include "engine/modes.h"

#include <array>

#include "engine/frame_model.h"

SceneCursorRecord SceneCursor;

bool InConversationScene() { return SceneCursor.SceneCode == -1 || SceneCursor.SceneCode == kConversationScene; }

void GoTo(int state, int step) {
  SceneCursor.SceneState = state;
  SceneCursor.SceneStep = step;
}

void GoToNextTick(int state, int step) {
  GoTo(state, step);
  Wait(0, 0);
}
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
