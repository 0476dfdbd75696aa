// Reading picture and sound files without trusting what their headers claim: a
// small file whose header claims a huge picture or sound would otherwise make the
// decoder allocate that much before it notices the data is missing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tq {

// No picture the games name is larger than a few window sizes; these leave room for
// user-made ones while keeping a decoded picture (and its converted copy) in tens of
// megabytes.
inline constexpr int kMaxPictureSide = 4096;
inline constexpr int64_t kMaxPicturePixels = int64_t{4096} * 2560;  // about 16 windows
inline constexpr int64_t kMaxPictureFileBytes = int64_t{64} << 20;
// A sound of several minutes at CD quality; voices and effects are far smaller.
inline constexpr int64_t kMaxSoundFileBytes = int64_t{256} << 20;

// Reads a whole regular file of at most maxBytes. A FIFO or device is refused
// without waiting on it. Anything but kRead comes with the reason and no bytes.
enum class BoundedRead { kRead, kMissing, kRefused, kFailed };
BoundedRead ReadBoundedFile(const std::string& path, int64_t maxBytes, std::string& bytes, std::string& why);
inline bool ReadBoundedFile(const std::string& path, int64_t maxBytes, std::vector<uint8_t>& bytes, std::string& why) {
  std::string text;
  const bool ok = ReadBoundedFile(path, maxBytes, text, why) == BoundedRead::kRead;
  bytes.assign(text.begin(), text.end());
  return ok;
}

// The width and height a BMP, PNG or JPEG header claims; false with the reason when
// the bytes are none of these or claim no size.
bool PictureHeaderSize(const std::vector<uint8_t>& bytes, int& width, int& height, std::string& why);

// Whether the bytes may be handed to the picture decoder: a BMP, PNG or JPEG whose
// claimed size is within the bounds above. False with the reason otherwise.
bool PictureWithinBounds(const std::vector<uint8_t>& bytes, std::string& why);

// Reads a sound file for the decoder: a regular file within kMaxSoundFileBytes and,
// for a RIFF WAVE file, chunks that claim no more bytes than the file holds. False
// with the reason (and no bytes) otherwise.
bool ReadSoundFile(const std::string& path, std::vector<uint8_t>& bytes, std::string& why);

}  // namespace tq
