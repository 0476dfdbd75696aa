#include "platform/media_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <climits>
#include <cstring>

namespace tq {

namespace {

uint32_t Le16(const std::vector<uint8_t>& b, size_t i) { return b[i] | (b[i + 1] << 8); }
uint32_t Le32(const std::vector<uint8_t>& b, size_t i) {
  return b[i] | (b[i + 1] << 8) | (b[i + 2] << 16) | (static_cast<uint32_t>(b[i + 3]) << 24);
}
uint32_t Be16(const std::vector<uint8_t>& b, size_t i) { return (b[i] << 8) | b[i + 1]; }
uint32_t Be32(const std::vector<uint8_t>& b, size_t i) {
  return (static_cast<uint32_t>(b[i]) << 24) | (b[i + 1] << 16) | (b[i + 2] << 8) | b[i + 3];
}

bool IsJpeg(const std::vector<uint8_t>& b) { return b.size() >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF; }

bool BmpSize(const std::vector<uint8_t>& b, int64_t& w, int64_t& h) {
  if (b.size() < 26) return false;
  if (Le32(b, 14) == 12) {
    // The old core header: unsigned 16-bit sides, as the decoder reads them (it has
    // no top-down form).
    w = Le16(b, 18);
    h = Le16(b, 20);
    return true;
  }
  w = static_cast<int32_t>(Le32(b, 18));
  h = static_cast<int32_t>(Le32(b, 22));
  if (h < 0) h = -h;  // top-down rows
  return true;
}

bool PngSize(const std::vector<uint8_t>& b, int64_t& w, int64_t& h) {
  if (b.size() < 24 || std::memcmp(b.data() + 12, "IHDR", 4) != 0) return false;
  w = Be32(b, 16);
  h = Be32(b, 20);
  return true;
}

// The first frame header's size; the scan starts only after it.
bool JpegSize(const std::vector<uint8_t>& b, int64_t& w, int64_t& h) {
  size_t i = 2;
  while (i + 4 <= b.size()) {
    if (b[i] != 0xFF) return false;
    const uint8_t marker = b[i + 1];
    if (marker == 0xFF) {  // fill byte
      ++i;
      continue;
    }
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
      i += 2;
      continue;
    }
    if (marker == 0xD9 || marker == 0xDA) return false;  // image end or scan before any frame
    const size_t length = Be16(b, i + 2);
    const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frame) {
      if (length < 7 || i + 9 > b.size()) return false;
      h = Be16(b, i + 5);
      w = Be16(b, i + 7);
      return true;
    }
    if (length < 2) return false;
    i += 2 + length;
  }
  return false;
}

// The scans of a JPEG: each start-of-scan marker, its entropy-coded data skipped
// (a 0xFF there is followed by 0x00, a restart marker or fill bytes). Counting
// stops at the image end, or once past `bound`.
int64_t JpegScans(const std::vector<uint8_t>& b, int64_t bound) {
  int64_t scans = 0;
  size_t i = 2;
  while (i + 4 <= b.size() && scans <= bound) {
    if (b[i] != 0xFF) {
      ++i;  // stray bytes between segments: the decoder skips them too
      continue;
    }
    const uint8_t marker = b[i + 1];
    if (marker == 0xFF || marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
      i += marker == 0xFF ? 1 : 2;
      continue;
    }
    if (marker == 0xD9) break;
    i += 2 + Be16(b, i + 2);
    if (marker != 0xDA) continue;
    ++scans;
    while (i + 1 < b.size() && !(b[i] == 0xFF && b[i + 1] != 0x00 && !(b[i + 1] >= 0xD0 && b[i + 1] <= 0xD7))) ++i;
  }
  return scans;
}

// What the decoder of a run-length coded BMP does with its data: every pixel of a
// run is counted, in or out of the picture, until the end-of-picture code or the
// end of the file. False when the runs draw more pixels than twice the picture
// holds, or the data is longer than a picture of its size can need (two bytes a
// pixel and a few a row), with the reason.
bool RleWithinBounds(const std::vector<uint8_t>& b, int64_t w, int64_t h, std::string& why) {
  if (b.size() < 34 || Le32(b, 14) < 40) return true;
  const uint32_t compression = Le32(b, 30);
  if (compression != 1 && compression != 2) return true;  // RLE8, RLE4
  const int64_t maxPixels = 2 * w * h + 4096;
  const int64_t maxBytes = 2 * w * h + 8 * h + 4096;
  int64_t pixels = 0;
  size_t i = Le32(b, 10);
  const size_t start = i;
  while (i + 1 < b.size()) {
    const uint8_t count = b[i], code = b[i + 1];
    i += 2;
    if (count != 0) {
      pixels += count;
    } else if (code == 1) {
      break;
    } else if (code == 2) {
      i += 2;
    } else if (code > 2) {
      pixels += code;
      i += compression == 1 ? code + (code & 1) : ((code + 1) / 2 + 1) / 2 * 2;
    }
    if (pixels > maxPixels || static_cast<int64_t>(i - start) > maxBytes) {
      why = "its run-length data is more than a " + std::to_string(w) + "x" + std::to_string(h) +
            " picture can need";
      return false;
    }
  }
  return true;
}

}  // namespace

namespace {

template <typename Bytes>
BoundedRead ReadBounded(const std::string& path, int64_t maxBytes, Bytes& bytes, std::string& why) {
  bytes.clear();
  // Non-blocking, so that opening a FIFO does not wait for a writer; anything but a
  // regular file is refused before a byte is read.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    const int error = errno;
    why = error == ENOENT ? "no such file" : std::strerror(error);
    return error == ENOENT ? BoundedRead::kMissing : BoundedRead::kFailed;
  }
  struct stat st;
  BoundedRead result = BoundedRead::kRead;
  if (::fstat(fd, &st) != 0) {
    why = std::strerror(errno);
    result = BoundedRead::kFailed;
  } else if (!S_ISREG(st.st_mode)) {
    why = "not a regular file";
    result = BoundedRead::kRefused;
  } else if (st.st_size > maxBytes) {
    why = maxBytes >= (int64_t{1} << 20) ? "larger than " + std::to_string(maxBytes >> 20) + " MB"
                                         : "larger than " + std::to_string(maxBytes >> 10) + " KB";
    result = BoundedRead::kRefused;
  } else {
    bytes.resize(static_cast<size_t>(st.st_size));
    size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        why = std::strerror(errno);
        result = BoundedRead::kFailed;
        break;
      }
      if (n == 0) break;  // the file shrank while read
      done += static_cast<size_t>(n);
    }
    bytes.resize(done);
  }
  ::close(fd);
  if (result != BoundedRead::kRead) bytes.clear();
  return result;
}

}  // namespace

BoundedRead ReadBoundedFile(const std::string& path, int64_t maxBytes, std::string& bytes, std::string& why) {
  return ReadBounded(path, maxBytes, bytes, why);
}
BoundedRead ReadBoundedFile(const std::string& path, int64_t maxBytes, std::vector<uint8_t>& bytes, std::string& why) {
  return ReadBounded(path, maxBytes, bytes, why);
}

namespace {

// The sides a picture's header claims, unclamped. False with the reason when the
// bytes are no picture or claim no size.
bool ClaimedSize(const std::vector<uint8_t>& bytes, int64_t& w, int64_t& h, std::string& why) {
  static const uint8_t kPng[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  bool known = false;
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
    known = BmpSize(bytes, w, h);
  } else if (bytes.size() >= 8 && std::memcmp(bytes.data(), kPng, 8) == 0) {
    known = PngSize(bytes, w, h);
  } else if (IsJpeg(bytes)) {
    known = JpegSize(bytes, w, h);
  } else {
    why = "not a BMP, PNG or JPEG picture";
    return false;
  }
  if (!known || w <= 0 || h <= 0) {
    why = "the header gives no picture size";
    return false;
  }
  return true;
}

}  // namespace

bool PictureHeaderSize(const std::vector<uint8_t>& bytes, int& width, int& height, std::string& why) {
  int64_t w = 0, h = 0;
  if (!ClaimedSize(bytes, w, h, why)) return false;
  width = static_cast<int>(std::min<int64_t>(w, INT32_MAX));
  height = static_cast<int>(std::min<int64_t>(h, INT32_MAX));
  return true;
}

bool PictureWithinBounds(const std::vector<uint8_t>& bytes, std::string& why) {
  int64_t w = 0, h = 0;
  if (!ClaimedSize(bytes, w, h, why)) return false;
  if (w > kMaxPictureSide || h > kMaxPictureSide || w * h > kMaxPicturePixels) {
    why = "the header claims " + std::to_string(w) + "x" + std::to_string(h) + " pixels, more than the " +
          std::to_string(kMaxPictureSide) + "x" + std::to_string(kMaxPicturePixels / kMaxPictureSide) +
          " allowed";
    return false;
  }
  if (IsJpeg(bytes)) {
    const int64_t allowed = std::min<int64_t>(kMaxJpegScans, std::max<int64_t>(1, kMaxJpegScanPixels / (w * h)));
    if (JpegScans(bytes, allowed) > allowed) {
      why = "more than " + std::to_string(allowed) + " scans for a " + std::to_string(w) + "x" + std::to_string(h) +
            " picture";
      return false;
    }
  }
  return bytes[0] != 'B' || RleWithinBounds(bytes, w, h, why);
}

namespace {

std::string Megabytes(int64_t bytes) { return std::to_string((bytes + (int64_t{1} << 20) - 1) >> 20) + " MB"; }

// A four-character chunk tag, printable.
std::string Tag(const std::vector<uint8_t>& b, size_t i) {
  std::string name(reinterpret_cast<const char*>(b.data() + i), 4);
  for (char& c : name) c = (c >= 0x20 && c < 0x7F) ? c : '?';
  return name;
}

bool RateWithinBounds(int64_t rate, std::string& why) {
  if (rate >= kMinSoundRate && rate <= kMaxSoundRate) return true;
  why = "its sample rate of " + std::to_string(rate) + " Hz is outside " + std::to_string(kMinSoundRate) + " to " +
        std::to_string(kMaxSoundRate) + " Hz";
  return false;
}

bool DecodedWithinBounds(int64_t decoded, std::string& why) {
  if (decoded <= kMaxDecodedSoundBytes) return true;
  why = "decoded it would take " + Megabytes(decoded) + ", more than the " + Megabytes(kMaxDecodedSoundBytes) +
        " allowed";
  return false;
}

// A RIFF WAVE sound. The library reads the samples whole, widens them to 32-bit
// floating point, spreads them over the output's channels and resamples them, all
// in one buffer of the data's length times the growth of every step (doubled again
// for the resampler's slack); that product must not come near 2^31.
bool WavWithinBounds(const std::vector<uint8_t>& b, const SoundOutput& out, std::string& why, SoundFacts& facts) {
  // Every chunk must lie within the file; the format must come before the data.
  size_t i = 12, format = 0, data = 0;
  while (i + 8 <= b.size()) {
    const uint64_t size = Le32(b, i + 4);
    if (i + 8 + size > b.size()) {
      why = "its \"" + Tag(b, i) + "\" chunk claims " + std::to_string(size) + " bytes, more than the file holds";
      return false;
    }
    if (std::memcmp(b.data() + i, "fmt ", 4) == 0 && format == 0 && size >= 16) format = i;
    if (std::memcmp(b.data() + i, "data", 4) == 0) {
      data = i;
      break;
    }
    i += 8 + size + (size & 1);
  }
  if (data == 0) {
    why = "no sound data";
    return false;
  }
  if (format == 0) return true;  // the decoder refuses it without decoding
  int tag = static_cast<int>(Le16(b, format + 8));
  const int64_t channels = Le16(b, format + 10);
  const int64_t rate = Le32(b, format + 12);
  int64_t bits = Le16(b, format + 22);
  if (tag == 0xFFFE && Le32(b, format + 4) >= 40) tag = static_cast<int>(Le16(b, format + 32));  // extensible
  if (channels < 1 || channels > 8) {
    why = "it claims " + std::to_string(channels) + " channels";
    return false;
  }
  if (!RateWithinBounds(rate, why)) return false;
  // The bytes a sample takes once read: compressed kinds widen to 16 bits, 24-bit
  // samples to 32.
  int64_t widened = 0;
  switch (tag) {
    case 1: widened = bits <= 8 ? 1 : (bits <= 16 ? 2 : 4); break;  // PCM
    case 3: widened = 4; break;                                     // floating point
    case 2: case 0x11: bits = 4; widened = 2; break;                // ADPCM
    case 6: case 7: bits = 8; widened = 2; break;                   // A-law, mu-law
    default: return true;                                           // refused by the decoder
  }
  if (bits < 4) return true;
  const int64_t frames = static_cast<int64_t>(Le32(b, data + 4)) * 8 / (bits * channels);
  const int64_t length = frames * channels * widened;
  int64_t growth = 4 / widened;                                            // to floating point
  growth *= std::max<int64_t>(1, (out.channels + channels - 1) / channels);  // more channels
  if (rate != out.rate) growth *= 2 * std::max<int64_t>(1, (out.rate + rate - 1) / rate);  // resampling
  if (!DecodedWithinBounds(frames * out.rate / rate * out.channels * 2, why)) return false;
  if (length * growth > kMaxSoundWorkBytes) {
    why = "converting it would take " + Megabytes(length * growth) + ", more than the " +
          Megabytes(kMaxSoundWorkBytes) + " allowed";
    return false;
  }
  // As the decoded sound times it: its frames in the output's rate.
  facts.lengthMs = static_cast<uint32_t>(frames * out.rate / rate * 1000 / out.rate);
  return true;
}

// An MPEG audio frame header at i: its length in bytes (0 for a free-format frame,
// whose end is the next header), samples and rate. False for anything else.
struct MpegFrame {
  int64_t bytes = 0, samples = 0, rate = 0;
};
bool ReadMpegFrame(const std::vector<uint8_t>& b, size_t i, MpegFrame& frame) {
  if (i + 4 > b.size() || b[i] != 0xFF || (b[i + 1] & 0xE0) != 0xE0) return false;
  const int version = (b[i + 1] >> 3) & 3;  // 0: 2.5, 2: 2, 3: 1
  const int layer = (b[i + 1] >> 1) & 3;    // 1: III, 2: II, 3: I
  const int bitrateIndex = b[i + 2] >> 4;
  const int rateIndex = (b[i + 2] >> 2) & 3;
  if (version == 1 || layer == 0 || bitrateIndex == 15 || rateIndex == 3) return false;
  static constexpr int kRates[] = {44100, 48000, 32000};
  static constexpr int kBitrates[5][15] = {
      {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},  // 1, layer I
      {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},     // 1, layer II
      {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},      // 1, layer III
      {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},     // 2 and 2.5, layer I
      {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},          // 2 and 2.5, layers II, III
  };
  const bool mpeg1 = version == 3;
  frame.rate = kRates[rateIndex] >> (mpeg1 ? 0 : (version == 2 ? 1 : 2));
  const int64_t bitrate = int64_t{1000} * kBitrates[mpeg1 ? 3 - layer : (layer == 3 ? 3 : 4)][bitrateIndex];
  const int64_t padding = (b[i + 2] >> 1) & 1;
  if (layer == 3) {
    frame.samples = 384;
    frame.bytes = (12 * bitrate / frame.rate + padding) * 4;
  } else {
    const bool half = layer == 1 && !mpeg1;  // layer III of MPEG 2 and 2.5
    frame.samples = half ? 576 : 1152;
    frame.bytes = (half ? 72 : 144) * bitrate / frame.rate + padding;
  }
  return true;
}

// MPEG audio: the decoder finds frame after frame (passing over what lies between)
// and decodes them all into the output format, so the frames give its length.
// Where a frame ending at `end` is followed by another, by a closing ID3 or APE tag,
// or by the end of the file.
bool ChainGoesOn(const std::vector<uint8_t>& b, size_t end) {
  MpegFrame next;
  if (end >= b.size()) return end == b.size();
  if (b.size() - end >= 3 && std::memcmp(b.data() + end, "TAG", 3) == 0) return true;
  if (b.size() - end >= 8 && std::memcmp(b.data() + end, "APETAGEX", 8) == 0) return true;
  return ReadMpegFrame(b, end, next);
}

bool Mp3WithinBounds(const std::vector<uint8_t>& b, const SoundOutput& out, std::string& why, SoundFacts& facts) {
  size_t i = 0;
  while (i + 10 <= b.size() && std::memcmp(b.data() + i, "ID3", 3) == 0) {  // tags before the audio
    const size_t size = (size_t{b[i + 6]} & 0x7F) << 21 | (size_t{b[i + 7]} & 0x7F) << 14 |
                        (size_t{b[i + 8]} & 0x7F) << 7 | (b[i + 9] & 0x7F);
    i += 10 + size + ((b[i + 5] & 0x10) ? 10 : 0);
  }
  int64_t decoded = 0;
  int64_t& frames = facts.frames;
  frames = 0;
  MpegFrame frame;
  while (i + 4 <= b.size()) {
    if (!ReadMpegFrame(b, i, frame)) {
      ++i;
      continue;
    }
    if (!RateWithinBounds(frame.rate, why)) return false;
    ++frames;
    decoded += (frame.samples * out.rate + frame.rate - 1) / frame.rate * out.channels * 2;
    if (!DecodedWithinBounds(decoded, why)) return false;
    if (frame.bytes > 0 && ChainGoesOn(b, i + static_cast<size_t>(frame.bytes))) ++facts.chainedFrames;
    i += static_cast<size_t>(std::max<int64_t>(frame.bytes, 4));
  }
  if (frames == 0) {
    why = "no MPEG audio frames";
    return false;
  }
  facts.lengthMs = static_cast<uint32_t>(decoded / (out.channels * 2) * 1000 / out.rate);
  return true;
}

bool IsMpegAudio(const std::vector<uint8_t>& b) {
  MpegFrame frame;
  return (b.size() >= 3 && std::memcmp(b.data(), "ID3", 3) == 0) || ReadMpegFrame(b, 0, frame);
}

}  // namespace

bool SoundWithinBounds(const std::vector<uint8_t>& bytes, const SoundOutput& output, std::string& why,
                       SoundFacts* facts) {
  SoundFacts found;
  bool ok = false;
  if (bytes.empty()) {
    why = "the file is empty";
  } else if (bytes.size() >= 12 && std::memcmp(bytes.data(), "RIFF", 4) == 0 &&
             std::memcmp(bytes.data() + 8, "WAVE", 4) == 0) {
    ok = WavWithinBounds(bytes, output, why, found);
  } else if (!IsMpegAudio(bytes)) {
    why = "not a WAV or MP3 sound";
  } else {
    ok = Mp3WithinBounds(bytes, output, why, found);
  }
  if (facts != nullptr) *facts = found;
  return ok;
}

}  // namespace tq
