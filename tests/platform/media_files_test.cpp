// Picture and sound files whose headers claim more than they hold: refused with one
// line naming the reason, before the decoder allocates what the header claims.
#include <gtest/gtest.h>
#include <SDL.h>
#include <SDL_mixer.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "platform/media_files.h"
#include "platform/pictures.h"
#include "platform/pixels.h"
#include "platform/sound_chunks.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

void Le(Bytes& b, size_t at, uint32_t v, int n) {
  for (int i = 0; i < n; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
void Be(Bytes& b, size_t at, uint32_t v, int n) {
  for (int i = 0; i < n; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * (n - 1 - i)));
}

// 12 KB files whose headers claim width by height pixels.
Bytes Bmp(uint32_t w, uint32_t h) {
  Bytes b(12 * 1024, 0);
  b[0] = 'B', b[1] = 'M';
  Le(b, 2, static_cast<uint32_t>(b.size()), 4);
  Le(b, 10, 54, 4);
  Le(b, 14, 40, 4);
  Le(b, 18, w, 4);
  Le(b, 22, h, 4);
  Le(b, 26, 1, 2);
  Le(b, 28, 24, 2);
  return b;
}
// The same with the old 12-byte core header, whose sides are 16-bit.
Bytes CoreBmp(uint32_t w, uint32_t h, int bits = 24) {
  Bytes b(12 * 1024, 0);
  b[0] = 'B', b[1] = 'M';
  Le(b, 2, static_cast<uint32_t>(b.size()), 4);
  Le(b, 10, 26, 4);
  Le(b, 14, 12, 4);
  Le(b, 18, w, 2);
  Le(b, 20, h, 2);
  Le(b, 22, 1, 2);
  Le(b, 24, static_cast<uint32_t>(bits), 2);
  return b;
}
Bytes Png(uint32_t w, uint32_t h) {
  Bytes b(12 * 1024, 0);
  const uint8_t head[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  std::copy(std::begin(head), std::end(head), b.begin());
  Be(b, 16, w, 4);
  Be(b, 20, h, 4);
  b[24] = 8, b[25] = 2;  // 8-bit RGB
  return b;
}
Bytes Jpeg(uint32_t w, uint32_t h) {
  Bytes b(12 * 1024, 0);
  const uint8_t head[] = {0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0,
                          0xFF, 0xC0, 0, 17, 8, 0, 0, 0, 0, 3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1};
  std::copy(std::begin(head), std::end(head), b.begin());
  Be(b, 25, h, 2);
  Be(b, 27, w, 2);
  return b;
}

// A WAV file of PCM samples, all of one value; with `header` only its first 44
// bytes (the test makes the rest a hole in the file: silence, quick to write).
Bytes Wav(int bits, int channels, uint32_t rate, uint32_t dataBytes, bool header = false) {
  Bytes b(44 + (header ? 0 : dataBytes), bits == 8 ? 0x80 : 0);
  const char* tags[] = {"RIFF", "WAVE", "fmt ", "data"};
  const size_t at[] = {0, 8, 12, 36};
  for (int i = 0; i < 4; ++i) std::copy(tags[i], tags[i] + 4, b.begin() + static_cast<long>(at[i]));
  Le(b, 4, 36 + dataBytes, 4);
  Le(b, 16, 16, 4);
  Le(b, 20, 1, 2);
  Le(b, 22, static_cast<uint32_t>(channels), 2);
  Le(b, 24, rate, 4);
  Le(b, 28, rate * static_cast<uint32_t>(channels * bits / 8), 4);
  Le(b, 32, static_cast<uint32_t>(channels * bits / 8), 2);
  Le(b, 34, static_cast<uint32_t>(bits), 2);
  Le(b, 40, dataBytes, 4);
  return b;
}

// MPEG-1 layer III frame headers (128 kbit/s, 44.1 kHz), each followed by bytes of
// a fixed pseudo-random stream where its frame's data should be.
Bytes JunkMp3(size_t size) {
  Bytes b;
  uint32_t state = 12345;
  while (b.size() < size) {
    const uint8_t head[] = {0xFF, 0xFB, 0x90, 0x00};
    b.insert(b.end(), std::begin(head), std::end(head));
    for (int i = 0; i < 413; ++i) {
      state = state * 1103515245u + 12345u;
      b.push_back(static_cast<uint8_t>(state >> 16));
    }
  }
  return b;
}

// Bits into JPEG entropy-coded bytes (a 0xFF byte is followed by a stuffed 0x00).
class JpegBits {
 public:
  explicit JpegBits(Bytes& out) : out_(out) {}
  void Put(uint32_t value, int count) {
    for (int i = count - 1; i >= 0; --i) {
      byte_ = static_cast<uint8_t>(byte_ << 1 | ((value >> i) & 1));
      if (++filled_ == 8) Flush();
    }
  }
  void End() {
    while (filled_ != 0) Put(1, 1);  // padded with ones
  }

 private:
  void Flush() {
    out_.push_back(byte_);
    if (byte_ == 0xFF) out_.push_back(0x00);
    byte_ = 0, filled_ = 0;
  }
  Bytes& out_;
  uint8_t byte_ = 0;
  int filled_ = 0;
};

// A mid-grey progressive greyscale JPEG: a DC scan, then acScans scans of the AC
// band, each only end-of-band runs (every one after the first repeats the band,
// which the decoder passes over with a warning, scan after scan).
Bytes ProgressiveJpeg(int w, int h, int acScans) {
  Bytes b = {0xFF, 0xD8, 0xFF, 0xDB, 0, 67, 0};
  b.insert(b.end(), 64, 1);  // quantisation: all ones
  const uint8_t frame[] = {0xFF, 0xC2, 0, 11, 8, static_cast<uint8_t>(h >> 8), static_cast<uint8_t>(h),
                           static_cast<uint8_t>(w >> 8), static_cast<uint8_t>(w), 1, 1, 0x11, 0};
  b.insert(b.end(), std::begin(frame), std::end(frame));
  // DC: one code "0" for a difference of 0. AC: "0" for a run of 2^14 + 14 bits
  // of blocks, "10" for a run of one block.
  const uint8_t tables[] = {0xFF, 0xC4, 0, 20, 0x00, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x00,
                            0xFF, 0xC4, 0, 21, 0x10, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xE0, 0x00};
  b.insert(b.end(), std::begin(tables), std::end(tables));
  const int blocks = ((w + 7) / 8) * ((h + 7) / 8);
  const uint8_t dcScan[] = {0xFF, 0xDA, 0, 8, 1, 1, 0x00, 0, 0, 0x00};
  b.insert(b.end(), std::begin(dcScan), std::end(dcScan));
  JpegBits dc(b);
  for (int i = 0; i < blocks; ++i) dc.Put(0, 1);
  dc.End();
  Bytes ac;
  const uint8_t acScan[] = {0xFF, 0xDA, 0, 8, 1, 1, 0x00, 1, 63, 0x00};
  ac.insert(ac.end(), std::begin(acScan), std::end(acScan));
  JpegBits bits(ac);
  int left = blocks;
  for (; left >= 32767; left -= 32767) bits.Put(0, 1), bits.Put(0x3FFF, 14);
  for (; left > 0; --left) bits.Put(2, 2);
  bits.End();
  for (int i = 0; i < acScans; ++i) b.insert(b.end(), ac.begin(), ac.end());
  b.push_back(0xFF), b.push_back(0xD9);
  return b;
}

// An 8-bit run-length coded BMP of w by h pixels whose data is `runs` runs of 255
// pixels and no end code (the decoder counts every pixel, in the picture or not);
// with runs 0, rows of a run each, as an encoder writes them.
Bytes RleBmp(int w, int h, size_t runs) {
  Bytes b(54 + 1024, 0);
  b[0] = 'B', b[1] = 'M';
  Le(b, 10, 54 + 1024, 4);
  Le(b, 14, 40, 4);
  Le(b, 18, static_cast<uint32_t>(w), 4);
  Le(b, 22, static_cast<uint32_t>(h), 4);
  Le(b, 26, 1, 2);
  Le(b, 28, 8, 2);
  Le(b, 30, 1, 4);  // RLE8
  for (int i = 0; i < 256; ++i) Le(b, 54 + 4 * static_cast<size_t>(i), static_cast<uint32_t>(i * 0x010101), 4);
  if (runs > 0) {
    // The runs doubled by copying: tens of megabytes are quick to make even where
    // the tests are built without optimisation.
    const size_t start = b.size();
    b.resize(start + 2 * runs);
    b[start] = 255, b[start + 1] = 7;
    for (size_t made = 2; made < 2 * runs; made *= 2) {
      std::copy_n(b.begin() + static_cast<long>(start), std::min(made, 2 * runs - made),
                  b.begin() + static_cast<long>(start + made));
    }
  } else {
    for (int y = 0; y < h; ++y) b.insert(b.end(), {static_cast<uint8_t>(w), 7, 0, 0});
    b.insert(b.end(), {0, 1});
  }
  Le(b, 2, static_cast<uint32_t>(b.size()), 4);
  return b;
}

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The memory a test's own work takes at its peak, in MB: the peak resident size is
// reset to the present one at the start, so that what ran before in the process
// (and a sanitizer's quarantine) does not count.
class PeakMemory {
 public:
  PeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";
    base_ = Field("VmRSS:");
  }
  long GrowthMb() const { return (Field("VmHWM:") - base_) / 1024; }

 private:
  static long Field(const std::string& name) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
      if (line.rfind(name, 0) == 0) return std::stol(line.substr(name.size()));
    }
    return 0;
  }
  long base_ = 0;
};

class MediaFilesTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tq-media-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Write(const std::string& name, const Bytes& bytes) {
    const std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  fs::path dir_;
};

TEST_F(MediaFilesTest, APictureClaimingAHugeSizeIsRefusedWithOneLineBeforeAnyAllocation) {
  const struct {
    const char* name;
    Bytes bytes;
    const char* reason;
  } cases[] = {
      {"huge.bmp", Bmp(60000, 60000), "claims 60000x60000 pixels"},
      {"huge.png", Png(60000, 60000), "claims 60000x60000 pixels"},
      {"huge.jpg", Jpeg(60000, 60000), "claims 60000x60000 pixels"},
      {"tall.bmp", Bmp(12000, 12000), "claims 12000x12000 pixels"},
      {"wide.png", Png(100000, 1), "claims 100000x1 pixels"},
      {"zero.jpg", Jpeg(0, 0), "gives no picture size"},
      // Sides past 32767 are no negative numbers in a core header.
      {"core.bmp", CoreBmp(4096, 0xF600), "claims 4096x62976 pixels"},
      {"core32.bmp", CoreBmp(4096, 0xFFFF, 32), "claims 4096x65535 pixels"},
      {"corewide.bmp", CoreBmp(40000, 1), "claims 40000x1 pixels"},
      // The most negative height of a top-down picture, unclamped.
      {"topdown.bmp", Bmp(16, 0x80000000u), "claims 16x2147483648 pixels"},
  };
  const PeakMemory memory;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = Write(c.name, c.bytes);
    tq::Surface out(4, 4, 0);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(tq::LoadPictureFile(path, out));
    const std::string report = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 1) << report;
    EXPECT_NE(report.find("cannot load picture " + path + ": "), std::string::npos) << report;
    EXPECT_NE(report.find(c.reason), std::string::npos) << report;
    EXPECT_EQ(out.Width(), 0);
  }
  EXPECT_LT(memory.GrowthMb(), 200);
}

// Files a hostile user might put in place of a game's own: each would crash the
// sound library's conversion, allocate gigabytes, print thousands of decoder
// lines or keep the decoder busy for minutes. Each is refused in one line, with
// little work and memory, and the same kinds within bounds still load.
TEST_F(MediaFilesTest, FilesThatWouldCostTheDecoderTooMuchAreRefusedInOneLine) {
  const struct {
    const char* name;
    std::function<Bytes()> make;
    const char* reason;  // "" for a file that loads
    uintmax_t size = 0;  // the file's size where the bytes made are its head only
  } cases[] = {
      {"8-bit mono 1000 Hz, 6 MB.wav", [] { return Wav(8, 1, 1000, 6000000, true); }, "sample rate of 1000 Hz is outside",
       44 + 6000000},
      {"8-bit mono 1 Hz, 3 KB.wav", [] { return Wav(8, 1, 1, 3000); }, "sample rate of 1 Hz"},
      {"8-bit mono 11025 Hz, 68 MB.wav", [] { return Wav(8, 1, 11025, 68000000, true); },
       "decoded it would take 1038 MB", 44 + 68000000},
      {"8-bit mono 8000 Hz, 43 MB.wav", [] { return Wav(8, 1, 8000, 43000000, true); }, "decoded it would take",
       44 + 43000000},
      {"16-bit mono 8000 Hz, 86 MB.wav", [] { return Wav(16, 1, 8000, 86000000, true); }, "decoded it would take",
       44 + 86000000},
      {"8-bit mono 11025 Hz, 1 MB.wav", [] { return Wav(8, 1, 11025, 1000000); }, ""},
      {"junk.mp3", [] { return JunkMp3(1 << 20); }, "damaged: the decoder reported"},
      {"a text.mp3", [] { return Bytes{'h', 'e', 'l', 'l', 'o'}; }, "not a WAV or MP3 sound"},
      {"20000 scans.jpg", [] { return ProgressiveJpeg(4096, 2560, 20000); }, "more than 12 scans for a 4096x2560"},
      {"40 scans.jpg", [] { return ProgressiveJpeg(920, 690, 40); }, "more than 32 scans"},
      {"5 scans.jpg", [] { return ProgressiveJpeg(4096, 2560, 5); }, ""},
      {"63 MB of runs.bmp", [] { return RleBmp(64, 64, (size_t{63} << 20) / 2); }, "run-length data is more than a 64x64"},
      {"runs.bmp", [] { return RleBmp(64, 64, 0); }, ""},
  };
  tq::RecordingSoundLibrary sounds([] { return 0u; });
  int channel = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = Write(c.name, c.make());
    if (c.size > 0) fs::resize_file(path, c.size);
    const bool sound = path.ends_with(".wav") || path.ends_with(".mp3");
    const PeakMemory memory;
    const double cpu = CpuSeconds();
    testing::internal::CaptureStderr();
    tq::Surface picture;
    const bool loaded = sound ? sounds.STReadFile(++channel, path, 0) == 0 : tq::LoadPictureFile(path, picture);
    const std::string report = testing::internal::GetCapturedStderr();
    EXPECT_LT(CpuSeconds() - cpu, 5.0);
    EXPECT_LT(memory.GrowthMb(), 400);
    fs::remove(path);
    if (*c.reason == '\0') {
      EXPECT_TRUE(loaded) << report;
      EXPECT_EQ(report, "");
      continue;
    }
    EXPECT_FALSE(loaded);
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 1) << report.substr(0, 2000);
    EXPECT_NE(report.find(path + ": "), std::string::npos) << report.substr(0, 2000);
    EXPECT_NE(report.find(c.reason), std::string::npos) << report.substr(0, 2000);
  }
}

TEST_F(MediaFilesTest, HeaderSizesAreReadAndBounded) {
  int w = 0, h = 0;
  std::string why;
  ASSERT_TRUE(tq::PictureHeaderSize(Bmp(920, 690), w, h, why)) << why;
  EXPECT_EQ(w * 10000 + h, 920 * 10000 + 690);
  ASSERT_TRUE(tq::PictureHeaderSize(Png(640, 480), w, h, why)) << why;
  EXPECT_EQ(w * 10000 + h, 640 * 10000 + 480);
  ASSERT_TRUE(tq::PictureHeaderSize(Jpeg(800, 600), w, h, why)) << why;
  EXPECT_EQ(w * 10000 + h, 800 * 10000 + 600);
  Bytes topDown = Bmp(16, 0);
  Le(topDown, 22, static_cast<uint32_t>(-32), 4);
  ASSERT_TRUE(tq::PictureHeaderSize(topDown, w, h, why)) << why;
  EXPECT_EQ(h, 32);
  ASSERT_TRUE(tq::PictureHeaderSize(CoreBmp(920, 690), w, h, why)) << why;
  EXPECT_EQ(w * 10000 + h, 920 * 10000 + 690);

  EXPECT_TRUE(tq::PictureWithinBounds(Bmp(tq::kMaxPictureSide, 2000), why)) << why;
  EXPECT_FALSE(tq::PictureWithinBounds(Bmp(tq::kMaxPictureSide + 1, 1), why));
  EXPECT_FALSE(tq::PictureWithinBounds(Bmp(tq::kMaxPictureSide, tq::kMaxPictureSide), why));
  EXPECT_FALSE(tq::PictureWithinBounds(Bytes{'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0}, why));
  EXPECT_NE(why.find("not a BMP, PNG or JPEG"), std::string::npos) << why;
}

TEST_F(MediaFilesTest, ASoundWhoseDataClaimsMoreThanTheFileIsRefusedWithItsReason) {
  // A 16-bit mono WAV whose data chunk claims 4 GB and holds 8 KB.
  Bytes wav(44 + 8192, 0);
  const char* tags[] = {"RIFF", "WAVE", "fmt ", "data"};
  const size_t at[] = {0, 8, 12, 36};
  for (int i = 0; i < 4; ++i) std::copy(tags[i], tags[i] + 4, wav.begin() + static_cast<long>(at[i]));
  Le(wav, 4, 0xFFFFFFF0u, 4);
  Le(wav, 16, 16, 4);
  Le(wav, 20, 1, 2);
  Le(wav, 22, 1, 2);
  Le(wav, 24, 22050, 4);
  Le(wav, 28, 44100, 4);
  Le(wav, 32, 2, 2);
  Le(wav, 34, 16, 2);
  Le(wav, 40, 0xFFFFFFF0u, 4);
  const std::string path = Write("huge.wav", wav);

  const PeakMemory memory;
  tq::RecordingSoundLibrary sounds([] { return 0u; });
  testing::internal::CaptureStderr();
  EXPECT_EQ(sounds.STReadFile(1, path, 0), -1);
  const std::string report = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 1) << report;
  EXPECT_NE(report.find("cannot load sound " + path + ": its \"data\" chunk claims 4294967280 bytes"),
            std::string::npos)
      << report;
  EXPECT_LT(memory.GrowthMb(), 200);

  // The same file with its true size plays.
  Le(wav, 40, 8192, 4);
  Le(wav, 4, 36 + 8192, 4);
  Write("fine.wav", wav);
  EXPECT_EQ(sounds.STReadFile(2, (dir_ / "fine.wav").string(), 0), 0);
}

TEST_F(MediaFilesTest, AnEmptySoundIsRefusedWithItsReason) {
  const std::string path = Write("empty.wav", {});
  tq::RecordingSoundLibrary sounds([] { return 0u; });
  testing::internal::CaptureStderr();
  EXPECT_EQ(sounds.STReadFile(1, path, 0), -1);
  const std::string report = testing::internal::GetCapturedStderr();
  EXPECT_EQ(report, "thornquill: cannot load sound " + path + ": the file is empty\n");
}

// The window's library with no device times a sound by its headers alone; the
// decoder must agree, or the game would keep another time without a device.
TEST_F(MediaFilesTest, HeadersTimeASoundAsTheDecoderDoes) {
  if (Mix_QuerySpec(nullptr, nullptr, nullptr) == 0) {
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
  }
  std::vector<std::string> paths = {
      Write("16-bit stereo 22050 Hz.wav", Wav(16, 2, 22050, 22050 * 4 / 2)),
      Write("8-bit mono 8000 Hz.wav", Wav(8, 1, 8000, 8000 + 77)),
      Write("16-bit mono 48000 Hz.wav", Wav(16, 1, 48000, 48000 * 2 * 3)),
      Write("8-bit stereo 11025 Hz.wav", Wav(8, 2, 11025, 11025 * 2 * 7 + 2)),
  };
  for (const auto& entry : fs::recursive_directory_iterator(THORNQUILL_STAND_INS "/Sound_Data")) {
    const std::string name = entry.path().string();
    if (name.ends_with(".wav") || name.ends_with(".MP3")) paths.push_back(name);
  }
  for (const auto& entry : fs::recursive_directory_iterator(THORNQUILL_STAND_INS "/Kespa_Data")) {
    if (entry.path().string().ends_with(".MP3")) paths.push_back(entry.path().string());
  }
  ASSERT_GT(paths.size(), 20u) << "the stand-in sounds are missing";
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    std::string why, note;
    Mix_Chunk* chunk = tq::LoadSoundChunk(path, why, note);
    ASSERT_NE(chunk, nullptr) << why;
    const uint32_t decoded = tq::ChunkLengthMs(chunk);
    Mix_FreeChunk(chunk);
    const uint32_t read = tq::SoundLengthFromHeaders(path, why, note);
    EXPECT_GT(decoded, 0u);
    // An MP3 decoder may leave out a frame or two an encoder adds (26 ms each).
    EXPECT_NEAR(read, decoded, path.ends_with(".MP3") ? 60 : 1) << why;
  }

  // What the decoder refuses, the headers refuse, in one line each.
  Bytes scattered = JunkMp3(1 << 18);
  for (size_t at = 0; at + 417 < scattered.size(); at += 2 * 417) scattered[at] = 0;  // every other header gone
  const Bytes wav = Wav(8, 1, 11025, 0);
  const std::string refused[] = {
      Write("a text.mp3", Bytes{'h', 'e', 'l', 'l', 'o'}),
      Write("scattered frames.mp3", scattered),
      Write("1 Hz.wav", Wav(8, 1, 1, 3000)),
      Write("no data.wav", Bytes(wav.begin(), wav.begin() + 36)),
  };
  for (const std::string& path : refused) {
    SCOPED_TRACE(path);
    std::string why, note;
    testing::internal::CaptureStderr();
    EXPECT_EQ(tq::LoadSoundChunk(path, why, note), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    why.clear();
    EXPECT_EQ(tq::SoundLengthFromHeaders(path, why, note), 0u);
    EXPECT_FALSE(why.empty());
  }
}

}  // namespace
