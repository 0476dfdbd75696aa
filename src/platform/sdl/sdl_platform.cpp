#include "platform/sdl/sdl_platform.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <thread>
#include <vector>

#include "platform/media_files.h"
#include "platform/paths.h"

namespace tq {

// ---------------------------------------------------------------------------
// Sound on SDL_mixer: each channel holds one decoded chunk.

class MixerSoundLibrary : public SoundLibrary {
 public:
  ~MixerSoundLibrary() override { STEnd(); }

  int STInit(intptr_t, int) override {
    if (open_) return 0;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 || Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
      // No sound device: go on with SDL's silent driver so the game still runs.
      std::fprintf(stderr, "thornquill: no audio device (%s); sound is silent\n", SDL_GetError());
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
      if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 || Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) return -1;
    }
    Mix_AllocateChannels(kSoundChannels);
    open_ = true;
    return 0;
  }

  int STEnd() override {
    if (!open_) return 0;
    Mix_HaltChannel(-1);
    for (Mix_Chunk*& chunk : chunks_) {
      if (chunk != nullptr) Mix_FreeChunk(chunk);
      chunk = nullptr;
    }
    Mix_CloseAudio();
    open_ = false;
    return 0;
  }

  int STReadFile(int channel, const std::string& path, int) override { return Load(channel, path); }
  int STReadMP3File(int channel, const std::string& path, int) override { return Load(channel, path); }

  int STSetVolume(int channel, int volume) override {
    if (!open_ || !ValidSoundChannel(channel)) return -1;
    volume = volume < 0 ? 0 : (volume > 100 ? 100 : volume);
    Mix_Volume(channel, (volume * MIX_MAX_VOLUME + 50) / 100);
    return 0;
  }

  int STPlay(int channel) override { return Start(channel, 0); }
  int STLoop(int channel) override { return Start(channel, -1); }

  int STStop(int channel, int) override {
    if (!open_ || !ValidSoundChannel(channel)) return -1;
    Mix_HaltChannel(channel);
    return 0;
  }

  int STNumPlaying(int channel) override {
    if (!open_ || !ValidSoundChannel(channel)) return 0;
    return Mix_Playing(channel) ? 1 : 0;
  }

 private:
  int Load(int channel, const std::string& path) {
    if (!open_ || !ValidSoundChannel(channel)) return -1;
    Mix_HaltChannel(channel);
    if (chunks_[channel] != nullptr) Mix_FreeChunk(chunks_[channel]);
    std::string resolved = ResolvePath(path);
    std::vector<uint8_t> bytes;
    std::string why;
    chunks_[channel] = nullptr;
    if (ReadSoundFile(resolved, bytes, why)) {
      chunks_[channel] = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1);
      if (chunks_[channel] == nullptr) why = Mix_GetError();
    }
    if (chunks_[channel] == nullptr) {
      if (reported_.insert(resolved).second) {
        std::fprintf(stderr, "thornquill: cannot load sound %s: %s\n", resolved.c_str(), why.c_str());
      }
      return -1;
    }
    return 0;
  }

  int Start(int channel, int loops) {
    if (!open_ || !ValidSoundChannel(channel) || chunks_[channel] == nullptr) return -1;
    return Mix_PlayChannel(channel, chunks_[channel], loops) == channel ? 0 : -1;
  }

  bool open_ = false;
  Mix_Chunk* chunks_[kSoundChannels] = {};
  std::set<std::string> reported_;
};

// ---------------------------------------------------------------------------

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

SdlPlatform::SdlPlatform() : start_(std::chrono::steady_clock::now()), mixer_(std::make_unique<MixerSoundLibrary>()) {
  tracing_ = std::make_unique<TracingSoundLibrary>(*mixer_);
}

SdlPlatform::~SdlPlatform() {
  mixer_.reset();
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
  if (window_ != nullptr) SDL_DestroyWindow(window_);
  SDL_Quit();
}

bool SdlPlatform::Open() {
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    std::fprintf(stderr, "thornquill: cannot start the window system: %s\n", SDL_GetError());
    return false;
  }
  window_ = SDL_CreateWindow("Thornquill", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, screen_.Width(),
                             screen_.Height(), SDL_WINDOW_HIDDEN);
  if (window_ == nullptr) {
    std::fprintf(stderr, "thornquill: cannot open the window: %s\n", SDL_GetError());
    return false;
  }
  renderer_ = SDL_CreateRenderer(window_, -1, 0);
  if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  if (renderer_ == nullptr) {
    std::fprintf(stderr, "thornquill: cannot draw into the window: %s\n", SDL_GetError());
    return false;
  }
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, screen_.Width(),
                               screen_.Height());
  return texture_ != nullptr;
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
  // A pause of a second or two is one frame: it is slept in slices, so that a quit
  // request from outside is not kept waiting for its end.
  for (uint32_t now = Now(); ms > now; now = Now()) {
    if (ms - now <= kQuitLookMs) {
      std::this_thread::sleep_until(start_ + std::chrono::milliseconds(ms));
      return;
    }
    std::this_thread::sleep_until(start_ + std::chrono::milliseconds(now + kQuitLookMs));
    if (QuitRequestWaiting()) return;
  }
}

SoundLibrary& SdlPlatform::Sound() { return *tracing_; }

void SdlPlatform::ShowWindow() {
  SDL_ShowWindow(window_);
  screen_.InvalidateAll();
  Present();
}

void SdlPlatform::Present() {
  if (!screen_.Compose()) return;
  const Surface& frame = screen_.Frame();
  SDL_UpdateTexture(texture_, nullptr, frame.Pixels().data(), frame.Width() * 4);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
  SDL_RenderPresent(renderer_);
}

void SdlPlatform::Dispatch(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:
      DeliverClose();
      break;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) DeliverClose();
      else if (event.window.event == SDL_WINDOWEVENT_EXPOSED) screen_.InvalidateAll();
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
  SDL_Event event;
  while (SDL_PollEvent(&event)) Dispatch(event);
  DeliverTickIfDue();
}

void SdlPlatform::WaitIdle() {
  Present();
  int timeout = 1000;
  if (TimerArmed()) {
    uint32_t now = Now();
    timeout = TimerDeadline() > now ? static_cast<int>(TimerDeadline() - now) : 0;
  }
  SDL_Event event;
  if (SDL_WaitEventTimeout(&event, timeout)) {
    Dispatch(event);
    while (SDL_PollEvent(&event)) Dispatch(event);
  }
  DeliverTickIfDue();
}

}  // namespace tq
