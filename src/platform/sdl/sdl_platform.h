// The SDL back end: the real window, the keyboard and mouse, SDL_mixer for sound.
// The composed frame is copied into the window's own surface, only where it changed.
#pragma once

#include <chrono>
#include <memory>

#include "platform/platform.h"

struct SDL_Window;
struct SDL_Surface;
union SDL_Event;

namespace tq {

class MixerSoundLibrary;
class FrameTimes;

class SdlPlatform : public Platform {
 public:
  SdlPlatform();
  ~SdlPlatform() override;
  // Opens the window (hidden until ShowWindow); false when no window can be had.
  bool Open();
  // Whether the open window system shows nothing: without a display SDL falls back
  // to a driver that draws nowhere.
  bool DisplayIsInvisible() const;

  uint32_t Now() override;
  void SleepUntil(uint32_t ms) override;
  void PumpEvents() override;
  void WaitIdle() override;
  void ShowWindow() override;
  SoundLibrary& Sound() override;

 private:
  void Dispatch(const SDL_Event& event);
  void Present();
  void ShowFrame();

  std::chrono::steady_clock::time_point start_;
  SDL_Window* window_ = nullptr;
  SDL_Surface* shownSurface_ = nullptr;  // the window surface the last frame went to
  std::unique_ptr<MixerSoundLibrary> mixer_;
  std::unique_ptr<TracingSoundLibrary> tracing_;
  std::unique_ptr<FrameTimes> frameTimes_;  // only when a measuring tool asks
};

// The original's key code for an SDL key, or 0 for a key it has no code for.
int VirtualKeyFromSdl(int sdlKeycode);

}  // namespace tq
