// One run of the engine on the headless back end, for the runner and the tests.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"

namespace tq {

struct SessionOptions {
  std::string mode;          // empty: the start-up's own
  std::string root;          // program folder; empty: a new empty temporary folder
  uint32_t until = 3600000;  // virtual ms at which the run stops
  std::optional<uint32_t> seed;
};

struct SessionResult {
  bool ended = false;  // the program ended by itself (not by reaching `until`)
  int status = 0;
  uint32_t endedAt = 0;
};

class HeadlessSession {
 public:
  explicit HeadlessSession(SessionOptions options);
  ~HeadlessSession();

  HeadlessPlatform& Platform() { return *platform_; }
  const std::string& Root() const { return root_; }

  // Runs start-up, then idles until the program ends or the time runs out.
  SessionResult Run();
  // Start-up only (the window's load event); the test then drives the platform.
  void Start();
  // Idles until the time runs out or the program ends; usable after Start().
  SessionResult RunUntil(uint32_t until);

 private:
  SessionOptions options_;
  std::string root_;
  bool ownsRoot_ = false;
  std::unique_ptr<HeadlessPlatform> platform_;
};

// The layer dump: "layer <i> <visible> <x> <y> <w> <h> <z>" for every layer, then
// "scene <SceneCode> <SceneState> <SceneStep> <StageNumber>", then "script
// <ScriptLineCount> <CurrentScriptLine>" (the lines the store holds and the next to run).
std::string LayerDump();
bool WriteLayerDump(const std::string& path);
// The composed window as a PNG.
bool WriteScreenshot(const std::string& path);

}  // namespace tq
