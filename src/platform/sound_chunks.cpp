#include "platform/sound_chunks.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <vector>

#include "platform/decoder_messages.h"

namespace tq {

SoundOutput MixerOutput() {
  SoundOutput output;
  int frequency = 0, channels = 0;
  Uint16 format = 0;
  if (Mix_QuerySpec(&frequency, &format, &channels) != 0 && frequency > 0 && channels > 0) {
    output.rate = frequency;
    output.channels = channels;
  }
  return output;
}

Mix_Chunk* LoadSoundChunk(const std::string& path, std::string& why, std::string& note) {
  note.clear();
  const SoundOutput output = MixerOutput();
  std::vector<uint8_t> bytes;
  SoundFacts facts;
  if (ReadBoundedFile(path, kMaxSoundFileBytes, bytes, why) != BoundedRead::kRead || !SoundWithinBounds(bytes, output, why, &facts)) {
    return nullptr;
  }
  const int64_t frames = facts.frames;
  DecoderMessages messages;
  Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1);
  const int errors = messages.Errors();
  if (chunk == nullptr) {
    why = Mix_GetError();
    return nullptr;
  }
  if (errors > 0 && int64_t{errors} * 10 > frames) {
    Mix_FreeChunk(chunk);
    why = "damaged: the decoder reported " + std::to_string(errors) + " errors" +
          (frames > 0 ? " in its " + std::to_string(frames) + " frames" : "");
    return nullptr;
  }
  if (errors > 0) note = "the decoder passed over " + std::to_string(errors) + " errors in its " + std::to_string(frames) + " frames";
  return chunk;
}

uint32_t SoundLengthFromHeaders(const std::string& path, std::string& why, std::string& note) {
  note.clear();
  std::vector<uint8_t> bytes;
  SoundFacts facts;
  if (ReadBoundedFile(path, kMaxSoundFileBytes, bytes, why) != BoundedRead::kRead ||
      !SoundWithinBounds(bytes, SoundOutput{}, why, &facts)) {
    return 0;
  }
  const int64_t apart = facts.frames - facts.chainedFrames;
  if (apart * 10 > facts.frames) {
    why = "damaged: " + std::to_string(apart) + " of its " + std::to_string(facts.frames) +
          " frames stand apart from the others";
    return 0;
  }
  if (apart > 0) note = std::to_string(apart) + " of its " + std::to_string(facts.frames) + " frames stand apart from the others";
  if (facts.lengthMs == 0) why = "no sound in it";
  return facts.lengthMs;
}

uint32_t ChunkLengthMs(const Mix_Chunk* chunk) {
  int frequency = 0, channels = 0;
  Uint16 format = 0;
  if (chunk == nullptr || Mix_QuerySpec(&frequency, &format, &channels) == 0) return 0;
  const uint64_t bytesPerSecond = static_cast<uint64_t>(frequency) * channels * (SDL_AUDIO_BITSIZE(format) / 8);
  return bytesPerSecond == 0 ? 0 : static_cast<uint32_t>(uint64_t{chunk->alen} * 1000 / bytesPerSecond);
}

}  // namespace tq
