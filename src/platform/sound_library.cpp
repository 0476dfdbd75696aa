#include "platform/sound_library.h"

#include "platform/paths.h"
#include "platform/platform.h"

namespace tq {

bool ValidSoundChannel(int channel) { return channel >= 0 && channel < kSoundChannels; }

namespace {
void TraceCall(const std::string& text) {
  if (HasPlatform() && ThePlatform().Tracing()) ThePlatform().Trace(text);
}
std::string TracePath(const std::string& path) {
  std::string root = HasPlatform() ? ResolvePath(ThePlatform().ProgramFolder()) : std::string();
  return RelativeTo(ResolvePath(path), root);
}
std::string Args(std::initializer_list<long long> values) {
  std::string s;
  for (long long v : values) s += " " + std::to_string(v);
  return s;
}
}  // namespace

int TracingSoundLibrary::STInit(intptr_t window, int flags) {
  TraceCall("STInit" + Args({static_cast<long long>(window), flags}));
  return inner_.STInit(window, flags);
}
int TracingSoundLibrary::STEnd() {
  TraceCall("STEnd");
  return inner_.STEnd();
}
int TracingSoundLibrary::STReadFile(int channel, const std::string& path, int mode) {
  TraceCall("STReadFile " + std::to_string(channel) + " " + TracePath(path) + " " + std::to_string(mode));
  return inner_.STReadFile(channel, path, mode);
}
int TracingSoundLibrary::STReadMP3File(int channel, const std::string& path, int mode) {
  TraceCall("STReadMP3File " + std::to_string(channel) + " " + TracePath(path) + " " + std::to_string(mode));
  return inner_.STReadMP3File(channel, path, mode);
}
int TracingSoundLibrary::STSetVolume(int channel, int volume) {
  TraceCall("STSetVolume" + Args({channel, volume}));
  return inner_.STSetVolume(channel, volume);
}
int TracingSoundLibrary::STPlay(int channel) {
  TraceCall("STPlay" + Args({channel}));
  return inner_.STPlay(channel);
}
int TracingSoundLibrary::STLoop(int channel) {
  TraceCall("STLoop" + Args({channel}));
  return inner_.STLoop(channel);
}
int TracingSoundLibrary::STStop(int channel, int flags) {
  TraceCall("STStop" + Args({channel, flags}));
  return inner_.STStop(channel, flags);
}
int TracingSoundLibrary::STNumPlaying(int channel) {
  // Queries are polled every frame; tracing them would drown the trace.
  return inner_.STNumPlaying(channel);
}

}  // namespace tq
