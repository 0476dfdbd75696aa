#include "platform/sdl/sdl_platform.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

#include "platform/sdl/frame_times.h"
#include "platform/sdl/mixer_sound_library.h"

namespace tq {

int VirtualKeyFromSdl(int key) {
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
  if (key >= SDLK_F1 && key <= SDLK_F12) return kKeyF1 + (key - SDLK_F1);
  switch (key) {
    case SDLK_BACKSPACE: return kKeyBack;
    case SDLK_TAB: return kKeyTab;
    case SDLK_RETURN: return kKeyEnter;
    case SDLK_KP_ENTER: return kKeyEnter;
    case SDLK_LSHIFT: case SDLK_RSHIFT: return kKeyShift;
    case SDLK_LCTRL: case SDLK_RCTRL: return kKeyControl;
    case SDLK_LALT: case SDLK_RALT: return kKeyAlt;
    case SDLK_ESCAPE: return kKeyEscape;
    case SDLK_SPACE: return kKeySpace;
    case SDLK_PAGEUP: return kKeyPageUp;
    case SDLK_PAGEDOWN: return kKeyPageDown;
    case SDLK_END: return kKeyEnd;
    case SDLK_HOME: return kKeyHome;
    case SDLK_LEFT: return kKeyLeft;
    case SDLK_UP: return kKeyUp;
    case SDLK_RIGHT: return kKeyRight;
    case SDLK_DOWN: return kKeyDown;
    case SDLK_INSERT: return kKeyInsert;
    case SDLK_DELETE: return kKeyDelete;
    case SDLK_KP_0: return kKeyPad0;
    case SDLK_KP_1: case SDLK_KP_2: case SDLK_KP_3: case SDLK_KP_4: case SDLK_KP_5:
    case SDLK_KP_6: case SDLK_KP_7: case SDLK_KP_8: case SDLK_KP_9:
      return kKeyPad0 + 1 + (key - SDLK_KP_1);
    case SDLK_KP_MULTIPLY: return kKeyMultiply;
    case SDLK_KP_PLUS: return kKeyAdd;
    case SDLK_KP_COMMA: return kKeySeparator;
    case SDLK_KP_MINUS: return kKeySubtract;
    case SDLK_KP_PERIOD: return kKeyDecimal;
    case SDLK_KP_DIVIDE: return kKeyDivide;
    default: return 0;
  }
}

namespace {
int ShiftState() {
  SDL_Keymod mod = SDL_GetModState();
  return ((mod & KMOD_SHIFT) ? 1 : 0) | ((mod & KMOD_CTRL) ? 2 : 0) | ((mod & KMOD_ALT) ? 4 : 0);
}
int ButtonCode(int sdlButton) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT: return kButtonLeft;
    case SDL_BUTTON_RIGHT: return kButtonRight;
    case SDL_BUTTON_MIDDLE: return kButtonMiddle;
    default: return 0;
  }
}
int HeldButtons(uint32_t state) {
  return ((state & SDL_BUTTON_LMASK) ? kButtonLeft : 0) | ((state & SDL_BUTTON_RMASK) ? kButtonRight : 0) |
         ((state & SDL_BUTTON_MMASK) ? kButtonMiddle : 0);
}
}  // namespace

SdlPlatform::SdlPlatform()
    : start_(std::chrono::steady_clock::now()), mixer_(std::make_unique<MixerSoundLibrary>([this] { return Now(); })) {
  tracing_ = std::make_unique<TracingSoundLibrary>(*mixer_);
  frameTimes_ = FrameTimes::FromEnvironment([this] {
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start_).count();
  });
}

SdlPlatform::~SdlPlatform() {
  mixer_.reset();
  if (window_ != nullptr) SDL_DestroyWindow(window_);
  SDL_Quit();
}

bool SdlPlatform::Open() {
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    std::fprintf(stderr, "thornquill: cannot start the window system: %s\n", SDL_GetError());
    return false;
  }
  // The finished frame is copied into the window's own surface: a renderer would
  // bring a whole 3D stack into memory to show a picture already made.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  window_ = SDL_CreateWindow("Thornquill", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, screen_.Width(),
                             screen_.Height(), SDL_WINDOW_HIDDEN);
  if (window_ == nullptr) {
    std::fprintf(stderr, "thornquill: cannot open the window: %s\n", SDL_GetError());
    return false;
  }
  if (SDL_GetWindowSurface(window_) == nullptr) {
    std::fprintf(stderr, "thornquill: cannot draw into the window: %s\n", SDL_GetError());
    return false;
  }
  return true;
}

bool SdlPlatform::DisplayIsInvisible() const {
  const char* driver = SDL_GetCurrentVideoDriver();
  return driver == nullptr || std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0;
}

uint32_t SdlPlatform::Now() {
  auto elapsed = std::chrono::steady_clock::now() - start_;
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

namespace {

// Whether a quit request waits in the queue: SIGTERM and SIGINT (SDL's handlers turn
// them into SDL_QUIT when events are pumped) or the window manager's close. Looking
// dispatches nothing and leaves the events for the frame loop's pump.
bool QuitRequestWaiting() {
  SDL_PumpEvents();
  if (SDL_PeepEvents(nullptr, 1, SDL_PEEKEVENT, SDL_QUIT, SDL_QUIT) > 0) return true;
  SDL_Event events[32];
  const int n = SDL_PeepEvents(events, 32, SDL_PEEKEVENT, SDL_WINDOWEVENT, SDL_WINDOWEVENT);
  for (int i = 0; i < n; ++i) {
    if (events[i].window.event == SDL_WINDOWEVENT_CLOSE) return true;
  }
  return false;
}

}  // namespace

void SdlPlatform::SleepUntil(uint32_t ms) {
  if (frameTimes_) frameTimes_->WaitBegins();
  // A pause of a second or two is one frame: it is slept in slices, so that a quit
  // request from outside is not kept waiting for its end.
  for (uint32_t now = Now(); ms > now; now = Now()) {
    if (ms - now <= kQuitLookMs) {
      std::this_thread::sleep_until(start_ + std::chrono::milliseconds(ms));
      break;
    }
    std::this_thread::sleep_until(start_ + std::chrono::milliseconds(now + kQuitLookMs));
    if (QuitRequestWaiting()) break;
  }
  if (frameTimes_) frameTimes_->WaitEnds();
}

SoundLibrary& SdlPlatform::Sound() { return *tracing_; }

void SdlPlatform::ShowWindow() {
  SDL_ShowWindow(window_);
  screen_.InvalidateAll();
  Present();
}

void SdlPlatform::Present() {
  ShowFrame();
  if (frameTimes_) frameTimes_->FrameShown();
}

void SdlPlatform::ShowFrame() {
  if (!screen_.Compose()) return;
  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  if (surface == nullptr) return;
  const Surface& frame = screen_.Frame();
  // A new window surface holds nothing yet: it takes the whole frame.
  std::vector<PixelRect> changed = screen_.ChangedRects();
  if (surface != shownSurface_) changed.assign(1, {0, 0, frame.Width(), frame.Height()});
  std::vector<SDL_Rect> rects;
  if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return;
  for (const PixelRect& c : changed) {
    const PixelRect r = Intersect(c, {0, 0, std::min(frame.Width(), surface->w), std::min(frame.Height(), surface->h)});
    if (IsEmpty(r)) continue;
    uint8_t* to = static_cast<uint8_t*>(surface->pixels) + static_cast<size_t>(r.y) * surface->pitch +
                  static_cast<size_t>(r.x) * surface->format->BytesPerPixel;
    if (surface->format->format == SDL_PIXELFORMAT_RGB888) {
      for (int y = 0; y < r.h; ++y) {
        std::memcpy(to + static_cast<size_t>(y) * surface->pitch, frame.Row(r.y + y) + r.x,
                    static_cast<size_t>(r.w) * sizeof(uint32_t));
      }
    } else {
      SDL_ConvertPixels(r.w, r.h, SDL_PIXELFORMAT_RGB888, frame.Row(r.y) + r.x, frame.Stride() * 4,
                        surface->format->format, to, surface->pitch);
    }
    rects.push_back({r.x, r.y, r.w, r.h});
  }
  if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
  if (!rects.empty() && SDL_UpdateWindowSurfaceRects(window_, rects.data(), static_cast<int>(rects.size())) == 0) {
    shownSurface_ = surface;
  }
}

void SdlPlatform::Dispatch(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:
      DeliverClose();
      break;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) DeliverClose();
      else if (event.window.event == SDL_WINDOWEVENT_EXPOSED) screen_.InvalidateAll();
      else if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) shownSurface_ = nullptr;
      break;
    case SDL_KEYDOWN: {
      int key = VirtualKeyFromSdl(event.key.keysym.sym);
      if (key != 0) DeliverKeyDown(key, ShiftState());
      break;
    }
    case SDL_MOUSEBUTTONDOWN: {
      int button = ButtonCode(event.button.button);
      if (button != 0) DeliverMouseDown(event.button.x, event.button.y, button, ShiftState());
      break;
    }
    case SDL_MOUSEMOTION:
      DeliverMouseMove(event.motion.x, event.motion.y, HeldButtons(event.motion.state), ShiftState());
      break;
    default:
      break;
  }
}

void SdlPlatform::PumpEvents() {
  Present();
  mixer_->CloseIfSilent();
  SDL_Event event;
  while (SDL_PollEvent(&event)) Dispatch(event);
  DeliverTickIfDue();
}

void SdlPlatform::WaitIdle() {
  Present();
  mixer_->CloseIfSilent();
  int timeout = 1000;
  if (TimerArmed()) {
    uint32_t now = Now();
    timeout = TimerDeadline() > now ? static_cast<int>(TimerDeadline() - now) : 0;
  }
  // Wake to close the sound device once it has been quiet long enough.
  const int close = mixer_->MsUntilClose();
  if (close >= 0) timeout = std::min(timeout, close);
  SDL_Event event;
  if (frameTimes_) frameTimes_->WaitBegins();
  const bool woken = SDL_WaitEventTimeout(&event, timeout) != 0;
  if (frameTimes_) frameTimes_->WaitEnds();
  if (woken) {
    Dispatch(event);
    while (SDL_PollEvent(&event)) Dispatch(event);
  }
  DeliverTickIfDue();
}

}  // namespace tq
