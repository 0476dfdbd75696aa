// The sound library the games call: sounds held in numbered channels (0 to 100,
// 100 the music). Only STNumPlaying's result is read by the games; the others
// return 0 on success and -1 on a failure nobody reads.
#pragma once

#include <cstdint>
#include <string>

namespace tq {

constexpr int kSoundChannels = 101;

class SoundLibrary {
 public:
  virtual ~SoundLibrary() = default;
  virtual int STInit(intptr_t window, int flags) = 0;
  virtual int STEnd() = 0;
  // Loads a file into a channel, replacing what it held. A missing or unreadable
  // file leaves the channel silent.
  virtual int STReadFile(int channel, const std::string& path, int mode) = 0;
  virtual int STReadMP3File(int channel, const std::string& path, int mode) = 0;
  virtual int STSetVolume(int channel, int volume) = 0;  // 0 to 100
  virtual int STPlay(int channel) = 0;
  virtual int STLoop(int channel) = 0;
  virtual int STStop(int channel, int flags) = 0;
  // 1 while the channel plays, 0 once it has finished or was stopped.
  virtual int STNumPlaying(int channel) = 0;
};

// A decorator that writes each call to the platform trace, paths relative to the
// program folder, then forwards it.
class TracingSoundLibrary : public SoundLibrary {
 public:
  explicit TracingSoundLibrary(SoundLibrary& inner) : inner_(inner) {}
  int STInit(intptr_t window, int flags) override;
  int STEnd() override;
  int STReadFile(int channel, const std::string& path, int mode) override;
  int STReadMP3File(int channel, const std::string& path, int mode) override;
  int STSetVolume(int channel, int volume) override;
  int STPlay(int channel) override;
  int STLoop(int channel) override;
  int STStop(int channel, int flags) override;
  int STNumPlaying(int channel) override;

 private:
  SoundLibrary& inner_;
};

bool ValidSoundChannel(int channel);

}  // namespace tq
