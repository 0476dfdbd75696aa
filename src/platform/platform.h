// The one interface through which the game code reaches the machine: clock,
// one-shot timer, event pump, the window's picture, fonts, pictures and sound.
// Two back ends: SDL (a real window) and headless (virtual clock, scripted input).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/compositor.h"
#include "platform/sound_library.h"

namespace tq {

// Mouse buttons as the original numbers them.
enum MouseButtons { kButtonLeft = 1, kButtonRight = 2, kButtonMiddle = 4 };

// Key codes as the original's virtual keys.
enum KeyCodes {
  kKeyBack = 8, kKeyTab = 9, kKeyEnter = 13, kKeyShift = 16, kKeyControl = 17, kKeyAlt = 18,
  kKeyEscape = 27, kKeySpace = 32, kKeyPageUp = 33, kKeyPageDown = 34, kKeyEnd = 35,
  kKeyHome = 36, kKeyLeft = 37, kKeyUp = 38, kKeyRight = 39, kKeyDown = 40, kKeyInsert = 45,
  kKeyDelete = 46, kKey0 = 48, kKeyA = 65, kKeyPad0 = 96, kKeyMultiply = 106, kKeyAdd = 107,
  kKeySeparator = 108, kKeySubtract = 109, kKeyDecimal = 110, kKeyDivide = 111, kKeyF1 = 112,
  kKeyImeProcess = 229,
};

// What the window's events deliver into the engine. Layer events carry the layer
// index and layer-relative coordinates; window events carry index -1.
struct WindowEventSink {
  std::function<void()> tick;
  std::function<void(int keyCode, int shift)> keyDown;
  std::function<void(int layer, int button, int shift, int x, int y)> mouseDown;
  std::function<void(int layer, int button, int shift, int x, int y)> mouseMove;
  std::function<void()> closeRequested;
};

// Thrown to end the program from any depth of nested handlers; main and the
// headless runner catch it.
struct ProgramExit {
  int status = 0;
};

// A quit request from outside the game (SIGTERM or SIGINT, the window manager's
// close, a close input of a timeline) ends the program within a second from any
// screen: a frame's sleep longer than this ends early at such a request, and the
// frame loop delivers it at its next pump.
inline constexpr uint32_t kQuitLookMs = 100;

class Platform {
 public:
  virtual ~Platform() = default;

  // Milliseconds since the back end started.
  virtual uint32_t Now() = 0;
  // Sleeps (really or virtually) until the clock reads at least ms, or, for a sleep
  // longer than kQuitLookMs, until a quit request arrives.
  virtual void SleepUntil(uint32_t ms) = 0;

  // The one-shot timer: fires once, interval ms after being armed.
  void ArmTimer(int intervalMs);
  void DisarmTimer();
  bool TimerArmed() const { return timerArmed_; }
  uint32_t TimerDeadline() const { return timerDeadline_; }

  // Delivers pending input, the close request and a due tick, once each.
  virtual void PumpEvents() = 0;
  // Blocks until the next event or tick and delivers it (the idle state of the program).
  virtual void WaitIdle() = 0;
  // Shows the window (the end of start-up).
  virtual void ShowWindow() = 0;

  Compositor& Screen() { return screen_; }
  virtual SoundLibrary& Sound() = 0;
  std::string ProgramFolder() const { return programFolder_; }
  void SetProgramFolder(std::string folder) { programFolder_ = std::move(folder); }

  void SetEventSink(WindowEventSink sink) { sink_ = std::move(sink); }
  // The window position of the last mouse event, (-1, -1) before the first: keys
  // that stand for a click on the button under the pointer read it.
  int LastPointerX() const { return pointerX_; }
  int LastPointerY() const { return pointerY_; }

  // One trace line "<ms> <text>", when a trace is being written.
  void Trace(std::string_view text);
  void SetTraceWriter(std::function<void(const std::string&)> writer) { traceWriter_ = std::move(writer); }
  bool Tracing() const { return static_cast<bool>(traceWriter_); }

 protected:
  // Called by the back ends with the due tick (disarms first: one-shot).
  void DeliverTickIfDue();
  // Mouse events at window coordinates, routed to the topmost layer under the pointer.
  void DeliverMouseDown(int x, int y, int button, int shift);
  void DeliverMouseMove(int x, int y, int button, int shift);
  void DeliverKeyDown(int keyCode, int shift);
  void DeliverClose();

  Compositor screen_;
  WindowEventSink sink_;
  std::string programFolder_;

 private:
  bool timerArmed_ = false;
  int pointerX_ = -1;
  int pointerY_ = -1;
  uint32_t timerDeadline_ = 0;
  std::function<void(const std::string&)> traceWriter_;
};

// The back end the game runs on; installed once by main, the runner or a test.
Platform& ThePlatform();
void InstallPlatform(Platform* platform);
bool HasPlatform();

}  // namespace tq
