// Sound files decoded into the mixer's chunks, for both back ends: bounded before
// the decoder runs (platform/media_files.h), with the decoder's own messages kept
// off standard error.
#pragma once

#include <cstdint>
#include <string>

#include "platform/media_files.h"

struct Mix_Chunk;

namespace tq {

// The open mixer's format (the defaults of SoundOutput when none is open).
SoundOutput MixerOutput();

// Reads and decodes the sound file at path (resolved) for the open mixer. nullptr
// with the reason when the file is refused or cannot be decoded, or when the
// decoder complained of damage in more than a tenth of an MP3's frames (it would
// play mostly noise). note receives a line for a sound that plays though the
// decoder passed over some damage, "" otherwise.
Mix_Chunk* LoadSoundChunk(const std::string& path, std::string& why, std::string& note);

// How long a chunk plays in the open mixer's format.
uint32_t ChunkLengthMs(const Mix_Chunk* chunk);

// How long the sound file at path (resolved) plays, read from its headers with no
// mixer and no decoding, for a library with no device to play it on. 0 with the
// reason for a file LoadSoundChunk would refuse: one it cannot read or bound, and an
// MP3 more than a tenth of whose frames stand apart from the chain (the decoder
// would report them as damage). An MP3 whose frames chain but whose audio is junk
// is timed by its frames: only decoding it would tell. note as for LoadSoundChunk.
uint32_t SoundLengthFromHeaders(const std::string& path, std::string& why, std::string& note);

}  // namespace tq
