// The headless back end: a virtual clock that moves only when the engine sleeps or
// idles, a timeline of scripted input, and a sound library that records its calls
// and models playing time from each file's real length.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace tq {

struct ScriptedInput {
  enum Kind { Click, Move, Key, Close };
  uint32_t at = 0;
  Kind kind = Click;
  int x = 0;
  int y = 0;
  int button = kButtonLeft;
  int key = 0;
};

// Parses the runner's input timeline: "<ms> click <x> <y> [left|right|middle]",
// "<ms> move <x> <y>", "<ms> key <code>", "<ms> close"; '#' starts a comment line.
// A malformed line is reported in error (with its number) and parsing stops.
bool ParseInputTimeline(const std::string& text, std::vector<ScriptedInput>& out, std::string& error);

// Thrown when the virtual clock reaches the run's end time.
struct RunLimitReached {};

class RecordingSoundLibrary : public SoundLibrary {
 public:
  explicit RecordingSoundLibrary(std::function<uint32_t()> clock) : clock_(std::move(clock)) {}
  int STInit(intptr_t window, int flags) override;
  int STEnd() override;
  int STReadFile(int channel, const std::string& path, int mode) override;
  int STReadMP3File(int channel, const std::string& path, int mode) override;
  int STSetVolume(int channel, int volume) override;
  int STPlay(int channel) override;
  int STLoop(int channel) override;
  int STStop(int channel, int flags) override;
  int STNumPlaying(int channel) override;

  // Gives a file (its path as the games build it, or just its file name) a length,
  // in place of decoding it.
  void SetLength(const std::string& pathOrName, uint32_t ms);
  int Volume(int channel) const;
  std::string Loaded(int channel) const;

 private:
  struct Channel {
    std::string path;
    uint32_t lengthMs = 0;
    int volume = 100;
    bool playing = false;
    bool looping = false;
    uint32_t startedAt = 0;
  };
  int Load(int channel, const std::string& path);
  uint32_t LengthOf(const std::string& resolvedPath);

  std::function<uint32_t()> clock_;
  Channel channels_[kSoundChannels];
  std::map<std::string, uint32_t> lengths_;
};

class HeadlessPlatform : public Platform {
 public:
  HeadlessPlatform();

  uint32_t Now() override { return now_; }
  void SleepUntil(uint32_t ms) override;
  void PumpEvents() override;
  void WaitIdle() override;
  void ShowWindow() override { shown_ = true; }
  SoundLibrary& Sound() override { return tracing_; }

  RecordingSoundLibrary& Recorder() { return recorder_; }
  void AddInput(const ScriptedInput& input);
  void SetInputs(std::vector<ScriptedInput> inputs);
  // The run stops (RunLimitReached) when the clock would pass this time.
  void SetUntil(uint32_t ms) { until_ = ms; }
  // Runs fn when the clock reaches at (screenshots, dumps), before later input.
  void At(uint32_t at, std::function<void()> fn);
  bool Shown() const { return shown_; }

 private:
  void AdvanceTo(uint32_t target);
  void RunObserversUpTo(uint32_t t);
  bool DeliverDueInput();

  uint32_t now_ = 0;
  uint32_t until_ = 3600000;  // an hour of virtual time unless told otherwise
  bool shown_ = false;
  std::vector<ScriptedInput> inputs_;  // sorted by time
  size_t nextInput_ = 0;
  std::multimap<uint32_t, std::function<void()>> observers_;
  RecordingSoundLibrary recorder_;
  TracingSoundLibrary tracing_;
};

}  // namespace tq
