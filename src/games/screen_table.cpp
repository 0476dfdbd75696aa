#include "games/screen_table.h"

namespace {
ScreenHookSet noScreen;
}  // namespace

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
