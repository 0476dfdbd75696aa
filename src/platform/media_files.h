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

// What a sound costs once decoded, checked before the decoder runs. The sound
// library converts a whole sound to the output format in one buffer whose size it
// computes in 32 bits, so a sound that would not fit well below 2 GB is refused:
// the decoded sound in the output format (about twelve minutes at CD quality), and
// the converter's working buffer, which grows with every step of the conversion.
inline constexpr int kMinSoundRate = 4000;
inline constexpr int kMaxSoundRate = 192000;
inline constexpr int64_t kMaxDecodedSoundBytes = int64_t{128} << 20;
inline constexpr int64_t kMaxSoundWorkBytes = int64_t{1} << 30;

// A progressive JPEG is drawn over in one scan after another; encoders use ten or
// so. More is no picture anyone made, only work: each scan passes over the whole
// picture. A large picture gets fewer, so that no picture takes much more than a
// second to decode.
inline constexpr int kMaxJpegScans = 32;
inline constexpr int64_t kMaxJpegScanPixels = kMaxPicturePixels * 12;

// The format the sound library plays in: what a sound is converted to.
struct SoundOutput {
  int rate = 44100;
  int channels = 2;
};

// Reads a whole regular file of at most maxBytes. A FIFO or device is refused
// without waiting on it. Anything but kRead comes with the reason and no bytes.
enum class BoundedRead { kRead, kMissing, kRefused, kFailed };
BoundedRead ReadBoundedFile(const std::string& path, int64_t maxBytes, std::string& bytes, std::string& why);
BoundedRead ReadBoundedFile(const std::string& path, int64_t maxBytes, std::vector<uint8_t>& bytes, std::string& why);

// The width and height a BMP, PNG or JPEG header claims; false with the reason when
// the bytes are none of these or claim no size.
bool PictureHeaderSize(const std::vector<uint8_t>& bytes, int& width, int& height, std::string& why);

// Whether the bytes may be handed to the picture decoder: a BMP, PNG or JPEG whose
// claimed size is within the bounds above, a JPEG of at most kMaxJpegScans scans (and
// kMaxJpegScanPixels), and a run-length coded BMP whose runs draw no more pixels
// than the picture holds (the decoder counts every pixel of a run, even past the
// picture). False with the reason otherwise.
bool PictureWithinBounds(const std::vector<uint8_t>& bytes, std::string& why);

// What a sound's headers tell of it, read without decoding it.
struct SoundFacts {
  // How long it plays, in milliseconds: a WAV sound's frames over its rate, an
  // MP3's frames' samples over theirs (as many as the decoder gives, give or take
  // the few an encoder pads with).
  uint32_t lengthMs = 0;
  // MPEG audio frames (0 for a WAV sound), and how many of them end where another
  // frame, a closing tag or the file does. A sound that plays is one chain of
  // frames; junk holds frame-like headers here and there, which the decoder
  // reports as damage.
  int64_t frames = 0;
  int64_t chainedFrames = 0;
};

// Whether sound bytes may be handed to the sound library: a WAV sound (RIFF WAVE,
// whose chunks claim no more bytes than the file holds) or MPEG audio (an MP3), at
// a sample rate from kMinSoundRate to kMaxSoundRate, that decoded to `output` stays
// within kMaxDecodedSoundBytes and kMaxSoundWorkBytes. False with the reason
// otherwise. facts, when given, receives what the headers tell (for a sound within
// bounds).
bool SoundWithinBounds(const std::vector<uint8_t>& bytes, const SoundOutput& output, std::string& why,
                       SoundFacts* facts = nullptr);

}  // namespace tq
