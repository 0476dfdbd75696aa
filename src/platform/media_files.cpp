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

}  // namespace

BoundedRead ReadBoundedFile(const std::string& path, int64_t maxBytes, std::string& bytes, std::string& why) {
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

bool PictureHeaderSize(const std::vector<uint8_t>& bytes, int& width, int& height, std::string& why) {
  static const uint8_t kPng[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  int64_t w = 0, h = 0;
  bool known = false;
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
    known = BmpSize(bytes, w, h);
  } else if (bytes.size() >= 8 && std::memcmp(bytes.data(), kPng, 8) == 0) {
    known = PngSize(bytes, w, h);
  } else if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF) {
    known = JpegSize(bytes, w, h);
  } else {
    why = "not a BMP, PNG or JPEG picture";
    return false;
  }
  if (!known || w <= 0 || h <= 0) {
    why = "the header gives no picture size";
    return false;
  }
  width = static_cast<int>(std::min<int64_t>(w, INT32_MAX));
  height = static_cast<int>(std::min<int64_t>(h, INT32_MAX));
  return true;
}

bool PictureWithinBounds(const std::vector<uint8_t>& bytes, std::string& why) {
  int w = 0, h = 0;
  if (!PictureHeaderSize(bytes, w, h, why)) return false;
  if (w > kMaxPictureSide || h > kMaxPictureSide || int64_t{w} * h > kMaxPicturePixels) {
    why = "the header claims " + std::to_string(w) + "x" + std::to_string(h) + " pixels, more than the " +
          std::to_string(kMaxPictureSide) + "x" + std::to_string(kMaxPicturePixels / kMaxPictureSide) +
          " allowed";
    return false;
  }
  return true;
}

bool ReadSoundFile(const std::string& path, std::vector<uint8_t>& bytes, std::string& why) {
  if (!ReadBoundedFile(path, kMaxSoundFileBytes, bytes, why)) return false;
  if (bytes.empty()) {
    why = "the file is empty";
    return false;
  }
  if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
    return true;  // other kinds carry no size the decoder allocates by
  }
  // Every chunk up to the data must lie within the file; so must the data itself.
  size_t i = 12;
  while (i + 8 <= bytes.size()) {
    const uint64_t size = Le32(bytes, i + 4);
    if (i + 8 + size > bytes.size()) {
      std::string name(reinterpret_cast<const char*>(bytes.data() + i), 4);
      for (char& c : name) c = (c >= 0x20 && c < 0x7F) ? c : '?';
      why = "its \"" + name + "\" chunk claims " +
            std::to_string(size) + " bytes, more than the file holds";
      bytes.clear();
      return false;
    }
    if (std::memcmp(bytes.data() + i, "data", 4) == 0) return true;
    i += 8 + size + (size & 1);
  }
  why = "no sound data";
  bytes.clear();
  return false;
}

}  // namespace tq
