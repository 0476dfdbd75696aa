#include "platform/headless/headless_platform.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <sstream>
#include <vector>

#include "platform/paths.h"
#include "platform/sound_chunks.h"

namespace tq {

// ---------------------------------------------------------------------------
// Input timeline

bool ParseInputTimeline(const std::string& text, std::vector<ScriptedInput>& out, std::string& error) {
  std::istringstream lines(text);
  std::string line;
  int number = 0;
  while (std::getline(lines, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    std::istringstream fields(line);
    long long at = -1;
    std::string kind;
    ScriptedInput input;
    bool ok = static_cast<bool>(fields >> at >> kind) && at >= 0 && at <= 0xFFFFFFFFLL;
    if (ok) {
      input.at = static_cast<uint32_t>(at);
      if (kind == "click") {
        input.kind = ScriptedInput::Click;
        std::string button;
        ok = static_cast<bool>(fields >> input.x >> input.y);
        if (ok && fields >> button) {
          if (button == "left") input.button = kButtonLeft;
          else if (button == "right") input.button = kButtonRight;
          else if (button == "middle") input.button = kButtonMiddle;
          else ok = false;
        }
      } else if (kind == "move") {
        input.kind = ScriptedInput::Move;
        ok = static_cast<bool>(fields >> input.x >> input.y);
      } else if (kind == "key") {
        input.kind = ScriptedInput::Key;
        ok = static_cast<bool>(fields >> input.key) && input.key >= 0 && input.key <= 255;
      } else if (kind == "close") {
        input.kind = ScriptedInput::Close;
      } else {
        ok = false;
      }
    }
    if (!ok) {
      error = "input line " + std::to_string(number) + ": cannot read \"" + line + "\"";
      return false;
    }
    out.push_back(input);
  }
  std::stable_sort(out.begin(), out.end(), [](const ScriptedInput& a, const ScriptedInput& b) { return a.at < b.at; });
  return true;
}

// ---------------------------------------------------------------------------
// Recording sound library

namespace {

// Decodes a sound once to learn its length; the mixer runs on SDL's silent driver.
uint32_t DecodeLengthMs(const std::string& path, std::string& why, std::string& note) {
  static bool opened = false;
  static bool failed = false;
  if (!opened && !failed) {
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 || Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
      failed = true;
    } else {
      opened = true;
    }
  }
  if (!opened) {
    why = "no sound device";
    return 0;
  }
  Mix_Chunk* chunk = LoadSoundChunk(path, why, note);
  if (chunk == nullptr) return 0;
  const uint32_t ms = ChunkLengthMs(chunk);
  Mix_FreeChunk(chunk);
  return ms;
}

std::string FileNameOf(const std::string& path) {
  size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

int RecordingSoundLibrary::STInit(intptr_t, int) { return 0; }
int RecordingSoundLibrary::STEnd() {
  for (Channel& c : channels_) c.playing = false;
  return 0;
}

uint32_t RecordingSoundLibrary::LengthOf(const std::string& resolvedPath) {
  auto given = lengths_.find(resolvedPath);
  if (given == lengths_.end()) given = lengths_.find(FileNameOf(resolvedPath));
  if (given != lengths_.end()) return given->second;
  std::string why = "no sound in it", note;
  uint32_t ms = DecodeLengthMs(resolvedPath, why, note);
  // One line a file, whichever library instance asks: refused, or played with a note.
  static std::set<std::string> reported;
  if ((ms == 0 || !note.empty()) && reported.insert(resolvedPath).second) {
    if (ms == 0) {
      std::fprintf(stderr, "thornquill: cannot load sound %s: %s\n", resolvedPath.c_str(), why.c_str());
    } else {
      std::fprintf(stderr, "thornquill: sound %s: %s\n", resolvedPath.c_str(), note.c_str());
    }
  }
  lengths_[resolvedPath] = ms;
  return ms;
}

int RecordingSoundLibrary::Load(int channel, const std::string& path) {
  if (!ValidSoundChannel(channel)) return -1;
  Channel& c = channels_[channel];
  c.path = ResolvePath(path);
  c.lengthMs = LengthOf(c.path);
  c.playing = false;
  c.looping = false;
  return c.lengthMs > 0 ? 0 : -1;
}

int RecordingSoundLibrary::STReadFile(int channel, const std::string& path, int) { return Load(channel, path); }
int RecordingSoundLibrary::STReadMP3File(int channel, const std::string& path, int) { return Load(channel, path); }

int RecordingSoundLibrary::STSetVolume(int channel, int volume) {
  if (!ValidSoundChannel(channel)) return -1;
  channels_[channel].volume = std::clamp(volume, 0, 100);
  return 0;
}

int RecordingSoundLibrary::STPlay(int channel) {
  if (!ValidSoundChannel(channel)) return -1;
  Channel& c = channels_[channel];
  c.playing = c.lengthMs > 0;
  c.looping = false;
  c.startedAt = clock_();
  return 0;
}

int RecordingSoundLibrary::STLoop(int channel) {
  if (!ValidSoundChannel(channel)) return -1;
  Channel& c = channels_[channel];
  c.playing = c.lengthMs > 0;
  c.looping = true;
  c.startedAt = clock_();
  return 0;
}

int RecordingSoundLibrary::STStop(int channel, int) {
  if (!ValidSoundChannel(channel)) return -1;
  channels_[channel].playing = false;
  return 0;
}

int RecordingSoundLibrary::STNumPlaying(int channel) {
  if (!ValidSoundChannel(channel)) return 0;
  const Channel& c = channels_[channel];
  if (!c.playing) return 0;
  if (c.looping) return 1;
  return clock_() - c.startedAt < c.lengthMs ? 1 : 0;
}

void RecordingSoundLibrary::SetLength(const std::string& pathOrName, uint32_t ms) {
  bool bare = pathOrName.find_first_of("/\\") == std::string::npos;
  lengths_[bare ? pathOrName : ResolvePath(pathOrName)] = ms;
}

int RecordingSoundLibrary::Volume(int channel) const {
  return ValidSoundChannel(channel) ? channels_[channel].volume : 0;
}

std::string RecordingSoundLibrary::Loaded(int channel) const {
  return ValidSoundChannel(channel) ? channels_[channel].path : std::string();
}

// ---------------------------------------------------------------------------
// The virtual machine

HeadlessPlatform::HeadlessPlatform() : recorder_([this] { return now_; }), tracing_(recorder_) {}

void HeadlessPlatform::AddInput(const ScriptedInput& input) {
  auto at = std::upper_bound(inputs_.begin() + static_cast<long>(nextInput_), inputs_.end(), input.at,
                             [](uint32_t t, const ScriptedInput& e) { return t < e.at; });
  inputs_.insert(at, input);
}

void HeadlessPlatform::SetInputs(std::vector<ScriptedInput> inputs) {
  inputs_ = std::move(inputs);
  std::stable_sort(inputs_.begin(), inputs_.end(), [](const ScriptedInput& a, const ScriptedInput& b) { return a.at < b.at; });
  nextInput_ = 0;
}

void HeadlessPlatform::At(uint32_t at, std::function<void()> fn) { observers_.emplace(at, std::move(fn)); }

void HeadlessPlatform::RunObserversUpTo(uint32_t t) {
  while (!observers_.empty() && observers_.begin()->first <= t) {
    auto node = observers_.extract(observers_.begin());
    node.mapped()();
  }
}

void HeadlessPlatform::AdvanceTo(uint32_t target) {
  if (target <= now_) {
    RunObserversUpTo(now_);
    return;
  }
  // Observers see the state as it stands just before the clock passes their time.
  if (target > until_) {
    RunObserversUpTo(until_);
    now_ = until_;
    throw RunLimitReached{};
  }
  RunObserversUpTo(target - 1);
  now_ = target;
}

void HeadlessPlatform::SleepUntil(uint32_t ms) {
  if (ms > now_ + kQuitLookMs) {
    for (size_t i = nextInput_; i < inputs_.size() && inputs_[i].at < ms; ++i) {
      if (inputs_[i].kind == ScriptedInput::Close) {
        ms = std::max(inputs_[i].at, now_);
        break;
      }
    }
  }
  AdvanceTo(ms);
}

bool HeadlessPlatform::DeliverDueInput() {
  if (nextInput_ >= inputs_.size() || inputs_[nextInput_].at > now_) return false;
  ScriptedInput input = inputs_[nextInput_++];
  switch (input.kind) {
    case ScriptedInput::Click: DeliverMouseDown(input.x, input.y, input.button, 0); break;
    case ScriptedInput::Move: DeliverMouseMove(input.x, input.y, 0, 0); break;
    case ScriptedInput::Key: DeliverKeyDown(input.key, 0); break;
    case ScriptedInput::Close: DeliverClose(); break;
  }
  return true;
}

void HeadlessPlatform::PumpEvents() {
  RunObserversUpTo(now_);
  // Only what was pending when the pump began: events a handler schedules wait for the next pump.
  size_t pending = nextInput_;
  while (pending < inputs_.size() && inputs_[pending].at <= now_) ++pending;
  while (nextInput_ < pending) DeliverDueInput();
  DeliverTickIfDue();
}

void HeadlessPlatform::WaitIdle() {
  uint32_t next = until_ + 1;
  if (nextInput_ < inputs_.size()) next = std::min(next, std::max(inputs_[nextInput_].at, now_));
  if (TimerArmed()) next = std::min(next, std::max(TimerDeadline(), now_));
  // Wake for observers too: one may arm the timer or change what is due.
  if (!observers_.empty()) next = std::min(next, std::max(observers_.begin()->first, now_));
  AdvanceTo(next);
  RunObserversUpTo(now_);
  if (!DeliverDueInput()) DeliverTickIfDue();
}

}  // namespace tq
