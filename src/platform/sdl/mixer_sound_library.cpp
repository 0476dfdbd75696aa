#include "platform/sdl/mixer_sound_library.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "platform/paths.h"
#include "platform/sound_chunks.h"

namespace tq {

namespace {

constexpr int kFrequency = 44100;
constexpr int kChunkFrames = 1024;

bool OpenMixer() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  if (Mix_OpenAudio(kFrequency, AUDIO_S16SYS, 2, kChunkFrames) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  return true;
}

void CloseMixer() {
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

// A file's size and modification time, which tell whether what it gave is still
// what it holds; size -1 where it cannot be read.
std::pair<int64_t, int64_t> Stamp(const std::string& path) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec) return {-1, 0};
  const auto modified = std::filesystem::last_write_time(path, ec);
  if (ec) return {-1, 0};
  return {static_cast<int64_t>(size), static_cast<int64_t>(modified.time_since_epoch().count())};
}

}  // namespace

MixerSoundLibrary::~MixerSoundLibrary() { STEnd(); }

int MixerSoundLibrary::STInit(intptr_t, int) {
  if (output_ != Output::None) return 0;
  if (OpenDevice()) {
    output_ = Output::Device;
  } else {
    std::fprintf(stderr, "thornquill: no audio device (%s); sound is silent\n", SDL_GetError());
    output_ = Output::Silent;
  }
  return 0;
}

int MixerSoundLibrary::STEnd() {
  if (output_ == Output::None) return 0;
  if (deviceOpen_) Mix_HaltChannel(-1);
  for (Channel& c : channels_) {
    FreeChunk(c);
    c = Channel{};
  }
  files_.clear();
  if (deviceOpen_) CloseDevice();
  output_ = Output::None;
  return 0;
}

bool MixerSoundLibrary::OpenDevice() {
  if (!OpenMixer()) return false;
  deviceOpen_ = true;
  Mix_AllocateChannels(kSoundChannels);
  int frequency = 0, channels = 0;
  Uint16 format = 0;
  Mix_QuerySpec(&frequency, &format, &channels);
  if (frequency != frequency_ || format != format_ || channels != channelsOut_) {
    // The chunks hold samples in the old format: decode them again for this one.
    frequency_ = frequency;
    format_ = format;
    channelsOut_ = channels;
    files_.clear();
    for (Channel& c : channels_) {
      if (c.chunk == nullptr) continue;
      std::string why, note;
      FreeChunk(c);
      LoadChunk(c, why, note);
    }
  }
  // A fresh device starts every channel at full volume.
  for (int channel = 0; channel < kSoundChannels; ++channel) ApplyVolume(channel);
  lastSoundAt_ = clock_();
  return true;
}

void MixerSoundLibrary::CloseDevice() {
  CloseMixer();
  deviceOpen_ = false;
}

bool MixerSoundLibrary::Reopen() {
  if (deviceOpen_ || output_ != Output::Device) return deviceOpen_;
  if (OpenDevice()) return true;
  std::fprintf(stderr, "thornquill: the audio device is gone (%s); sound is silent\n", SDL_GetError());
  output_ = Output::Silent;
  return false;
}

void MixerSoundLibrary::CloseIfSilent() {
  if (!deviceOpen_) return;
  const uint32_t now = clock_();
  if (Mix_Playing(-1) > 0) {
    lastSoundAt_ = now;
  } else if (now - lastSoundAt_ >= kCloseAfterSilenceMs) {
    CloseDevice();
  }
}

int MixerSoundLibrary::MsUntilClose() {
  if (!deviceOpen_) return -1;
  const uint32_t quiet = clock_() - lastSoundAt_;
  return quiet >= kCloseAfterSilenceMs ? 0 : static_cast<int>(kCloseAfterSilenceMs - quiet);
}

void MixerSoundLibrary::FreeChunk(Channel& c) { c.chunk.reset(); }

const MixerSoundLibrary::SoundFile& MixerSoundLibrary::Read(const std::string& path) {
  const auto [size, modified] = Stamp(path);
  SoundFile& file = files_[path];
  file.lastLoad = ++loads_;
  const bool kept = file.size == size && file.modified == modified && (file.decoded || !deviceOpen_);
  if (kept && size >= 0) return file;
  file = SoundFile{size, modified, deviceOpen_, nullptr, 0, "", "", loads_};
  ++filesRead_;
  if (deviceOpen_) {
    file.chunk = Chunk(LoadSoundChunk(path, file.why, file.note), [](Mix_Chunk* chunk) {
      if (chunk != nullptr) Mix_FreeChunk(chunk);
    });
    file.lengthMs = ChunkLengthMs(file.chunk.get());
    if (file.chunk == nullptr) file.lengthMs = 0;
    if (file.chunk != nullptr && file.lengthMs == 0) file.why = "no sound in it";
  } else {
    file.lengthMs = SoundLengthFromHeaders(path, file.why, file.note);
  }
  return file;
}

size_t MixerSoundLibrary::KeptChunkBytes() const {
  size_t bytes = 0;
  for (const auto& [path, file] : files_) {
    if (file.chunk != nullptr && file.chunk.use_count() == 1) bytes += file.chunk->alen;
  }
  return bytes;
}

void MixerSoundLibrary::GiveBackUnused() {
  // The least recently loaded file that no channel holds goes first.
  while (files_.size() > kKeptSoundFiles || KeptChunkBytes() > kKeptSoundBytes) {
    auto oldest = files_.end();
    for (auto it = files_.begin(); it != files_.end(); ++it) {
      const bool unused = it->second.chunk == nullptr || it->second.chunk.use_count() == 1;
      if (unused && (oldest == files_.end() || it->second.lastLoad < oldest->second.lastLoad)) oldest = it;
    }
    if (oldest == files_.end()) return;
    files_.erase(oldest);
  }
}

bool MixerSoundLibrary::LoadChunk(Channel& c, std::string& why, std::string& note) {
  const SoundFile& file = Read(c.path);
  c.chunk = file.chunk;
  c.lengthMs = file.lengthMs;
  why = file.why;
  note = file.note;
  const bool loaded = c.lengthMs > 0;
  GiveBackUnused();
  return loaded;
}

int MixerSoundLibrary::Load(int channel, const std::string& path) {
  if (output_ == Output::None || !ValidSoundChannel(channel)) return -1;
  Reopen();
  Channel& c = channels_[channel];
  if (deviceOpen_) Mix_HaltChannel(channel);
  FreeChunk(c);
  c.path = ResolvePath(path);
  c.lengthMs = 0;
  c.playing = false;
  c.looping = false;
  std::string why, note;
  if (!LoadChunk(c, why, note)) {
    if (reported_.insert(c.path).second) {
      std::fprintf(stderr, "thornquill: cannot load sound %s: %s\n", c.path.c_str(), why.c_str());
    }
    return -1;
  }
  if (!note.empty() && reported_.insert(c.path).second) {
    std::fprintf(stderr, "thornquill: sound %s: %s\n", c.path.c_str(), note.c_str());
  }
  if (deviceOpen_) lastSoundAt_ = clock_();
  return 0;
}

int MixerSoundLibrary::STReadFile(int channel, const std::string& path, int) { return Load(channel, path); }
int MixerSoundLibrary::STReadMP3File(int channel, const std::string& path, int) { return Load(channel, path); }

void MixerSoundLibrary::ApplyVolume(int channel) {
  if (deviceOpen_) Mix_Volume(channel, (channels_[channel].volume * MIX_MAX_VOLUME + 50) / 100);
}

int MixerSoundLibrary::STSetVolume(int channel, int volume) {
  if (output_ == Output::None || !ValidSoundChannel(channel)) return -1;
  channels_[channel].volume = std::clamp(volume, 0, 100);
  ApplyVolume(channel);
  return 0;
}

int MixerSoundLibrary::Start(int channel, bool loop) {
  if (output_ == Output::None || !ValidSoundChannel(channel)) return -1;
  Channel& c = channels_[channel];
  if (c.chunk != nullptr) Reopen();
  if (output_ == Output::Silent) {
    c.playing = c.lengthMs > 0;
    c.looping = loop;
    c.startedAt = clock_();
    return c.playing ? 0 : -1;
  }
  if (c.chunk == nullptr) return -1;
  lastSoundAt_ = clock_();
  return Mix_PlayChannel(channel, c.chunk.get(), loop ? -1 : 0) == channel ? 0 : -1;
}

int MixerSoundLibrary::STPlay(int channel) { return Start(channel, false); }
int MixerSoundLibrary::STLoop(int channel) { return Start(channel, true); }

int MixerSoundLibrary::STStop(int channel, int) {
  if (output_ == Output::None || !ValidSoundChannel(channel)) return -1;
  channels_[channel].playing = false;
  if (deviceOpen_) Mix_HaltChannel(channel);
  return 0;
}

int MixerSoundLibrary::STNumPlaying(int channel) {
  if (!ValidSoundChannel(channel)) return 0;
  if (output_ == Output::Silent) {
    const Channel& c = channels_[channel];
    if (!c.playing) return 0;
    return c.looping || clock_() - c.startedAt < c.lengthMs ? 1 : 0;
  }
  return deviceOpen_ && Mix_Playing(channel) ? 1 : 0;
}

}  // namespace tq
