#include "app/screen_entry.h"

#include "engine/modes.h"
#include "vadrim/vadrim_save.h"

namespace tq {

void EnterScreen(int code, int state, int step) {
  SceneCursor.SceneCode = code;
  GoTo(state, step);
}

void EnterConversationAt(int stage) {
  EnterScreen(kConversationScene, 0, 10);
  SceneCursor.StageNumber = stage;
}

void EnterConversationStart() { EnterScreen(kConversationScene, 0, 0); }

void SetVadrimBoard(int board) { VadrimProgress.GameStage = board; }

}  // namespace tq
