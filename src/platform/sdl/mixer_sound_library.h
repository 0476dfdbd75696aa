// The SDL back end's sound library: SDL_mixer, one decoded chunk per channel.
//
// The audio device is open only while sound is wanted: it opens at start-up and at
// the first load or play after it was closed, and closes once nothing has played
// for kCloseAfterSilenceMs, so no mixing thread wakes while the game is quiet.
// Chunks, volumes and channel state outlive a close. Where no device can be
// opened at all, the library is silent with no device and no thread: it decodes a
// file only to learn its length, and a channel counts as playing for that long.
#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>

#include "platform/sound_library.h"

struct Mix_Chunk;

namespace tq {

inline constexpr uint32_t kCloseAfterSilenceMs = 5000;

class MixerSoundLibrary : public SoundLibrary {
 public:
  // clock: milliseconds, the platform's; it times playing in the silent library
  // and the silence before the device closes.
  explicit MixerSoundLibrary(std::function<uint32_t()> clock) : clock_(std::move(clock)) {}
  ~MixerSoundLibrary() override;

  int STInit(intptr_t window, int flags) override;
  int STEnd() override;
  int STReadFile(int channel, const std::string& path, int mode) override;
  int STReadMP3File(int channel, const std::string& path, int mode) override;
  int STSetVolume(int channel, int volume) override;
  int STPlay(int channel) override;
  int STLoop(int channel) override;
  int STStop(int channel, int flags) override;
  int STNumPlaying(int channel) override;

  // Closes the device once nothing has played for kCloseAfterSilenceMs. The event
  // pump calls it; the idle wait wakes for it (MsUntilClose).
  void CloseIfSilent();
  // Milliseconds until CloseIfSilent would close the device; -1 while it is closed.
  int MsUntilClose();
  bool DeviceOpen() const { return deviceOpen_; }
  bool Silent() const { return output_ == Output::Silent; }

 private:
  enum class Output { None, Device, Silent };
  struct Channel {
    Mix_Chunk* chunk = nullptr;
    std::string path;  // resolved; loaded again should a reopened device want another format
    int volume = 100;
    uint32_t lengthMs = 0;
    // The silent library's playing state.
    bool playing = false;
    bool looping = false;
    uint32_t startedAt = 0;
  };

  bool OpenDevice();
  void CloseDevice();
  // Opens the device again for a sound; false (and the library silent) when it cannot be.
  bool Reopen();
  int Load(int channel, const std::string& path);
  bool LoadChunk(Channel& c, std::string& why, std::string& note);
  void FreeChunk(Channel& c);
  int Start(int channel, bool loop);
  void ApplyVolume(int channel);

  std::function<uint32_t()> clock_;
  Output output_ = Output::None;
  bool deviceOpen_ = false;
  // The format the chunks were decoded for.
  int frequency_ = 0;
  uint16_t format_ = 0;
  int channelsOut_ = 0;
  uint32_t lastSoundAt_ = 0;
  Channel channels_[kSoundChannels];
  std::set<std::string> reported_;
};

}  // namespace tq
