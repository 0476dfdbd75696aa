// The file formats the stand-in assets are written in: BMP pictures and WAV sounds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/pixels.h"

namespace assets {

// An 8-bit run-length-encoded BMP over a fixed 256-colour palette (a 6x7x6 colour
// cube and four greys): the flat drawings compress to a small fraction of 24-bit
// data, and every picture loader the game uses reads the format by content.
std::vector<uint8_t> EncodeBmp(const tq::Surface& image);

// Mono 8-bit PCM at kSampleRate; samples are -1.0 to 1.0.
inline constexpr int kSampleRate = 11025;
std::vector<uint8_t> EncodeWav(const std::vector<float>& samples);

// Writes the bytes to path through a temporary file in the same folder, so an
// interrupted run never leaves a half-written asset behind. On failure, *error (when
// given) is the errno of the step that failed.
bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes, int* error = nullptr);

}  // namespace assets
