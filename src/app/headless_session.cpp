#include "app/headless_session.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/register_games.h"
#include "engine/game_window.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "platform/pictures.h"
#include "scenario/script_store.h"

namespace tq {

namespace {

std::string MakeTemporaryFolder() {
  namespace fs = std::filesystem;
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path p = fs::temp_directory_path() / ("thornquill-" + std::to_string(stamp) + "-" + std::to_string(attempt));
    std::error_code ec;
    if (fs::create_directory(p, ec)) return p.string();
  }
  return fs::temp_directory_path().string();
}

}  // namespace

HeadlessSession::HeadlessSession(SessionOptions options) : options_(std::move(options)) {
  root_ = options_.root;
  if (root_.empty()) {
    root_ = MakeTemporaryFolder();
    ownsRoot_ = true;
  }
  platform_ = std::make_unique<HeadlessPlatform>();
  platform_->SetProgramFolder(root_);
  platform_->SetUntil(options_.until);
  InstallPlatform(platform_.get());
  ResetAllState();
  RegisterGames();
  SetStartMode(options_.mode.c_str());
  SeedRandom(options_.seed.value_or(1));
}

HeadlessSession::~HeadlessSession() {
  InstallPlatform(nullptr);
  if (ownsRoot_) {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }
}

void HeadlessSession::Start() { FormLoad(); }

SessionResult HeadlessSession::RunUntil(uint32_t until) {
  SessionResult result;
  platform_->SetUntil(until);
  try {
    for (;;) platform_->WaitIdle();
  } catch (const ProgramExit& exit) {
    result.ended = true;
    result.status = exit.status;
  } catch (const RunLimitReached&) {
  }
  result.endedAt = platform_->Now();
  return result;
}

SessionResult HeadlessSession::Run() {
  SessionResult result;
  try {
    Start();
  } catch (const ProgramExit& exit) {
    result.ended = true;
    result.status = exit.status;
    result.endedAt = platform_->Now();
    return result;
  } catch (const RunLimitReached&) {
    result.endedAt = platform_->Now();
    return result;
  }
  return RunUntil(options_.until);
}

std::string LayerDump() {
  Compositor& screen = ThePlatform().Screen();
  std::ostringstream out;
  size_t held = 0, shown = 0;
  for (int i = 0; i < kLayerCount; ++i) {
    const LayerSurface& layer = screen.Layer(i);
    out << "layer " << i << ' ' << (layer.visible ? 1 : 0) << ' ' << layer.x << ' ' << layer.y << ' '
        << layer.image.Width() << ' ' << layer.image.Height() << ' ' << screen.ZIndex(i) << '\n';
    held += layer.image.Capacity() * sizeof(uint32_t);
    shown += static_cast<size_t>(layer.image.Width()) * layer.image.Height() * sizeof(uint32_t);
  }
  out << "buffers " << held << ' ' << shown << '\n';
  out << "scene " << SceneCursor.SceneCode << ' ' << SceneCursor.SceneState << ' ' << SceneCursor.SceneStep << ' '
      << SceneCursor.StageNumber << '\n';
  out << "script " << ScriptStore.ScriptLineCount << ' ' << ScriptStore.CurrentScriptLine << '\n';
  return out.str();
}

bool WriteLayerDump(const std::string& path) {
  std::ofstream file(path, std::ios::binary);
  file << LayerDump();
  return static_cast<bool>(file);
}

bool WriteScreenshot(const std::string& path) {
  Compositor& screen = ThePlatform().Screen();
  screen.Compose();
  return SavePngFile(screen.Frame(), path);
}

}  // namespace tq
