// Picture and sound files whose headers claim more than they hold: refused with one
// line naming the reason, before the decoder allocates what the header claims.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "platform/media_files.h"
#include "platform/pictures.h"
#include "platform/pixels.h"

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

}  // namespace
