#include "platform/platform.h"

#include <algorithm>
#include <cstdio>

namespace tq {

namespace {
Platform* installed = nullptr;
}

Platform& ThePlatform() {
  if (installed == nullptr) {
    std::fprintf(stderr, "thornquill: no platform installed\n");
    std::abort();
  }
  return *installed;
}

void InstallPlatform(Platform* platform) { installed = platform; }
bool HasPlatform() { return installed != nullptr; }

void Platform::ArmTimer(int intervalMs) {
  if (intervalMs < 1) intervalMs = 1;
  timerArmed_ = true;
  timerDeadline_ = Now() + static_cast<uint32_t>(intervalMs);
  if (Tracing()) Trace("timer " + std::to_string(intervalMs));
}

void Platform::DisarmTimer() { timerArmed_ = false; }

void Platform::Trace(std::string_view text) {
  if (!traceWriter_) return;
  std::string line = std::to_string(Now());
  line += ' ';
  line += text;
  traceWriter_(line);
}

void Platform::DeliverTickIfDue() {
  if (!timerArmed_ || Now() < timerDeadline_) return;
  timerArmed_ = false;  // one-shot: the handler re-arms it when it wants another tick
  if (Tracing()) Trace("tick");
  if (sink_.tick) sink_.tick();
}

namespace {

// Pointer positions are held to the 16-bit range the window's coordinates live in, so
// no sum or difference the engine takes of them can overflow, however far outside the
// window a pointer is reported.
constexpr int kPointerLimit = 32767;

int HoldPointerCoordinate(int v) { return std::clamp(v, -kPointerLimit - 1, kPointerLimit); }

}  // namespace

void Platform::DeliverMouseDown(int x, int y, int button, int shift) {
  x = HoldPointerCoordinate(x);
  y = HoldPointerCoordinate(y);
  pointerX_ = x;
  pointerY_ = y;
  int lx = x, ly = y;
  int layer = screen_.HitTest(x, y, &lx, &ly);
  if (sink_.mouseDown) sink_.mouseDown(layer, button, shift, lx, ly);
}

void Platform::DeliverMouseMove(int x, int y, int button, int shift) {
  x = HoldPointerCoordinate(x);
  y = HoldPointerCoordinate(y);
  pointerX_ = x;
  pointerY_ = y;
  int lx = x, ly = y;
  int layer = screen_.HitTest(x, y, &lx, &ly);
  if (sink_.mouseMove) sink_.mouseMove(layer, button, shift, lx, ly);
}

void Platform::DeliverKeyDown(int keyCode, int shift) {
  if (sink_.keyDown) sink_.keyDown(keyCode, shift);
}

void Platform::DeliverClose() {
  if (sink_.closeRequested) sink_.closeRequested();
}

}  // namespace tq
