// A headless engine for behaviour tests: boots in a mode on the virtual clock,
// records the trace, and lets a test stand in for a game's hooks.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/headless_session.h"
#include "engine/modes.h"

namespace tq::testing {

class EngineHarness {
 public:
  explicit EngineHarness(const std::string& mode = "Test", std::string root = "");
  ~EngineHarness();

  HeadlessPlatform& Platform() { return session_->Platform(); }
  const std::string& Root() const { return session_->Root(); }
  uint32_t Now() { return Platform().Now(); }

  // Start-up as the window's load event runs it.
  void Start() { session_->Start(); }
  // Idles to the given virtual time (or until the program ends).
  SessionResult RunUntil(uint32_t ms) { return session_->RunUntil(ms); }

  // The hooks of the "any other string" mode, for tests that stand in for a game.
  ModeHookSet& TestHooks() { return ModeHooksFor(ModeId::Other); }

  const std::vector<std::string>& Trace() const { return trace_; }
  // Trace lines whose name (second word) is name, without their time.
  std::vector<std::string> TraceOf(const std::string& name) const;
  // The times of the trace lines whose text (after the time) starts with prefix.
  std::vector<uint32_t> TimesOf(const std::string& prefix) const;

 private:
  std::unique_ptr<HeadlessSession> session_;
  std::vector<std::string> trace_;
  ModeHookSet savedOther_;
};

}  // namespace tq::testing
