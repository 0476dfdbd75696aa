// Entering a screen without playing to it: the headless runner's --enter, --stage and
// --board (and the start of a Vadrim --script run), and the tests that start on a
// screen the same way. Each sets the records the screen's entry reads. Start-up runs
// at time 0 and arms its first wait, so an entry is set after it (at kScreenEntryAt,
// or at once in a test that has run start-up) and the next tick enters the screen.
#pragma once

#include <cstdint>

namespace tq {

inline constexpr uint32_t kScreenEntryAt = 1;

// SceneCode, SceneState and SceneStep: the next tick runs that step of that screen.
void EnterScreen(int code, int state, int step);
// The conversation at `stage`, entered as another screen enters it (state 0, step 10).
void EnterConversationAt(int stage);
// The conversation's own entry for a start without a chosen stage (state 0, step 0).
void EnterConversationStart();
// The board number the Vadrim board game's entry reads (VadrimProgress.GameStage).
void SetVadrimBoard(int board);

}  // namespace tq
