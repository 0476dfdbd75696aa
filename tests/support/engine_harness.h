// A headless engine for behaviour tests: boots in a mode on the virtual clock,
// records the trace, takes input at virtual times, enters a screen as the runner's
// --enter, --stage and --board do, and lets a test stand in for a game's hooks.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/headless_session.h"
#include "engine/modes.h"
#include "platform/platform.h"

namespace tq::testing {

enum class EntryTick { kArmed, kNow };

class EngineHarness {
 public:
  explicit EngineHarness(const std::string& mode = "Test", std::string root = "");
  ~EngineHarness();

  HeadlessPlatform& Platform() { return session_->Platform(); }
  const std::string& Root() const { return session_->Root(); }
  uint32_t Now() { return Platform().Now(); }

  // Start-up as the window's load event runs it.
  void Start();
  // Idles to the given virtual time (or until the program ends).
  SessionResult RunUntil(uint32_t ms) { return session_->RunUntil(ms); }

  // Input at a virtual time (not before now).
  void ClickAt(uint32_t at, int x, int y, int button = kButtonLeft);
  void MoveAt(uint32_t at, int x, int y);
  void KeyAt(uint32_t at, int code);
  // The window's close button.
  void CloseAt(uint32_t at) { Platform().AddInput({at, ScriptedInput::Close}); }

  // A screen entered as the runner's --enter, --stage and --board enter it: at once
  // when start-up has run, else just after it. The screen's step runs at the tick
  // already armed (for the first entry, start-up's first one), or at once with
  // EntryTick::kNow (as GoToNextTick has it).
  void EnterScreen(int code, int state, int step, EntryTick tick = EntryTick::kArmed);
  void EnterConversationAt(int stage, EntryTick tick = EntryTick::kArmed);
  void SetVadrimBoard(int board);

  // The hooks of the "any other string" mode, for tests that stand in for a game.
  ModeHookSet& TestHooks() { return ModeHooksFor(ModeId::Other); }

  const std::vector<std::string>& Trace() const { return trace_; }
  // Trace lines whose name (second word) is name, without their time.
  std::vector<std::string> TraceOf(const std::string& name) const;
  // The times of the trace lines whose text (after the time) starts with prefix.
  std::vector<uint32_t> TimesOf(const std::string& prefix) const;

 private:
  // Runs `entry` at once after start-up, or schedules it just after start-up.
  void AfterStartUp(std::function<void()> entry);

  std::unique_ptr<HeadlessSession> session_;
  std::vector<std::string> trace_;
  ModeHookSet savedOther_;
  bool started_ = false;
};

// The window's layers as the compositor holds them.
inline const LayerSurface& WindowLayer(int layer) { return ThePlatform().Screen().Layer(layer); }
inline bool LayerVisible(int layer) { return WindowLayer(layer).visible; }
struct Point {
  int x = 0, y = 0;
};
// The middle of a layer in window coordinates, where a player clicks it.
inline Point LayerMiddle(int layer) {
  const LayerSurface& l = WindowLayer(layer);
  return {l.x + l.image.Width() / 2, l.y + l.image.Height() / 2};
}

}  // namespace tq::testing
