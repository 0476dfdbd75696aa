// The SDL back end's sound library: SDL_mixer, one decoded chunk per channel.
//
// The audio device is open only while sound is wanted: it opens at start-up and at
// the first load or play after it was closed, and closes once nothing has played
// for kCloseAfterSilenceMs, so no mixing thread wakes while the game is quiet.
// Chunks, volumes and channel state outlive a close. Where no device can be
// opened at all, the library is silent with no device and no thread: it reads a
// file's headers only to learn its length, and a channel counts as playing for
// that long.
//
// The games load an effect again each time they play it, so what a file gave (its
// chunk, or its length) is kept while the file stays as it was: a sound played
// again is not read or decoded again. Chunks no channel holds are kept up to
// kKeptSoundBytes, the least recently loaded given back first.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "platform/sound_library.h"

struct Mix_Chunk;

namespace tq {

inline constexpr uint32_t kCloseAfterSilenceMs = 5000;
inline constexpr size_t kKeptSoundBytes = size_t{16} << 20;
inline constexpr size_t kKeptSoundFiles = 1024;

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
  // Sound files read since start-up, and the bytes of decoded chunks no channel holds.
  int FilesRead() const { return filesRead_; }
  size_t KeptChunkBytes() const;

 private:
  enum class Output { None, Device, Silent };
  using Chunk = std::shared_ptr<Mix_Chunk>;
  // What one file gave, while it keeps the size and time it had.
  struct SoundFile {
    int64_t size = -1;
    int64_t modified = 0;
    bool decoded = false;  // tried by the decoder (else only its headers were read)
    Chunk chunk;           // the decoded sound; none where it could not be
    uint32_t lengthMs = 0;
    std::string why;       // why it cannot be played, where it cannot
    std::string note;
    uint64_t lastLoad = 0;
  };
  struct Channel {
    Chunk chunk;
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
  // The file's entry, read (and decoded, with a device) unless kept as it is.
  const SoundFile& Read(const std::string& path);
  void GiveBackUnused();
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
  std::map<std::string, SoundFile> files_;
  uint64_t loads_ = 0;
  int filesRead_ = 0;
  std::set<std::string> reported_;
};

}  // namespace tq
