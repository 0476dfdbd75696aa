#include "support/engine_harness.h"

#include <sstream>

#include "app/screen_entry.h"
#include "engine/frame_model.h"

namespace tq::testing {

EngineHarness::EngineHarness(const std::string& mode, std::string root) {
  savedOther_ = ModeHooksFor(ModeId::Other);
  SessionOptions options;
  options.mode = mode;
  options.root = std::move(root);
  options.until = 600000;
  session_ = std::make_unique<HeadlessSession>(options);
  session_->Platform().SetTraceWriter([this](const std::string& line) { trace_.push_back(line); });
}

EngineHarness::~EngineHarness() {
  session_.reset();
  ModeHooksFor(ModeId::Other) = savedOther_;
}

void EngineHarness::Start() {
  started_ = true;
  session_->Start();
}

void EngineHarness::ClickAt(uint32_t at, int x, int y, int button) {
  Platform().AddInput({at, ScriptedInput::Click, x, y, button});
}

void EngineHarness::MoveAt(uint32_t at, int x, int y) { Platform().AddInput({at, ScriptedInput::Move, x, y}); }

void EngineHarness::KeyAt(uint32_t at, int code) {
  ScriptedInput in;
  in.at = at;
  in.kind = ScriptedInput::Key;
  in.key = code;
  Platform().AddInput(in);
}

void EngineHarness::AfterStartUp(std::function<void()> entry) {
  if (started_) entry();
  else Platform().At(kScreenEntryAt, std::move(entry));
}

void EngineHarness::EnterScreen(int code, int state, int step, EntryTick tick) {
  AfterStartUp([=] {
    tq::EnterScreen(code, state, step);
    if (tick == EntryTick::kNow) Wait(0, 0);
  });
}

void EngineHarness::EnterConversationAt(int stage, EntryTick tick) {
  AfterStartUp([=] {
    tq::EnterConversationAt(stage);
    if (tick == EntryTick::kNow) Wait(0, 0);
  });
}

void EngineHarness::SetVadrimBoard(int board) {
  AfterStartUp([=] { tq::SetVadrimBoard(board); });
}

std::vector<std::string> EngineHarness::TraceOf(const std::string& name) const {
  std::vector<std::string> out;
  for (const std::string& line : trace_) {
    size_t space = line.find(' ');
    std::string rest = line.substr(space + 1);
    if (rest == name || rest.rfind(name + " ", 0) == 0) out.push_back(rest);
  }
  return out;
}

std::vector<uint32_t> EngineHarness::TimesOf(const std::string& prefix) const {
  std::vector<uint32_t> out;
  for (const std::string& line : trace_) {
    size_t space = line.find(' ');
    if (line.compare(space + 1, prefix.size(), prefix) == 0) out.push_back(static_cast<uint32_t>(std::stoul(line.substr(0, space))));
  }
  return out;
}

}  // namespace tq::testing
