// The window's sound library: without a device it is silent yet times each sound;
// with one, the device closes after a quiet spell and opens again for the next
// sound with the channels as they were.
#include "platform/sdl/mixer_sound_library.h"

#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "assets/asset_writers.h"

namespace {

namespace fs = std::filesystem;

// Sets an environment variable for the scope, then puts it back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value, 1);
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

class MixerSoundLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The recording library of the headless back end keeps a mixer open for good;
    // these tests need the process's mixer to themselves (ctest runs each alone).
    if (Mix_QuerySpec(nullptr, nullptr, nullptr) != 0) GTEST_SKIP() << "the mixer is already open in this process";
    folder_ = fs::temp_directory_path() / ("tq-mixer-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
    // Ten seconds: far longer than any step of a test takes, where the device plays it.
    sound_ = (folder_ / "tone.wav").string();
    ASSERT_TRUE(assets::WriteFileAtomically(sound_, assets::EncodeWav(std::vector<float>(assets::kSampleRate * 10, 0.5f))));
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(folder_, ec);
  }

  uint32_t now_ = 0;
  tq::MixerSoundLibrary library_{[this] { return now_; }};
  fs::path folder_;
  std::string sound_;
};

TEST_F(MixerSoundLibraryTest, WithoutADeviceChannelsPlayForTheirSoundsLengthInSilence) {
  ScopedEnv noDriver("SDL_AUDIODRIVER", "no-such-driver");
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(library_.STInit(0, 0), 0);
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("sound is silent"), std::string::npos);
  EXPECT_TRUE(library_.Silent());

  EXPECT_EQ(library_.STReadFile(5, sound_, 0), 0);
  EXPECT_FALSE(library_.DeviceOpen());
  EXPECT_EQ(library_.MsUntilClose(), -1) << "nothing to close";
  EXPECT_EQ(library_.STSetVolume(5, 30), 0);
  now_ = 1000;
  EXPECT_EQ(library_.STPlay(5), 0);
  const struct {
    uint32_t at;
    int playing;
  } times[] = {{1000, 1}, {10900, 1}, {11100, 0}, {50000, 0}};
  for (const auto& t : times) {
    now_ = t.at;
    EXPECT_EQ(library_.STNumPlaying(5), t.playing) << t.at;
  }
  EXPECT_EQ(library_.STLoop(5), 0);
  now_ = 90000;
  EXPECT_EQ(library_.STNumPlaying(5), 1) << "a loop plays on";
  EXPECT_EQ(library_.STStop(5, 0), 0);
  EXPECT_EQ(library_.STNumPlaying(5), 0);

  ::testing::internal::CaptureStderr();
  EXPECT_EQ(library_.STReadFile(6, (folder_ / "missing.wav").string(), 0), -1);
  ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(library_.STPlay(6), -1);
  EXPECT_EQ(library_.STNumPlaying(6), 0);
  EXPECT_FALSE(library_.DeviceOpen());
}

TEST_F(MixerSoundLibraryTest, TheDeviceClosesAfterAQuietSpellAndOpensForTheNextSoundAsItWas) {
  ScopedEnv dummy("SDL_AUDIODRIVER", "dummy");
  ASSERT_EQ(library_.STInit(0, 0), 0);
  ASSERT_TRUE(library_.DeviceOpen());
  EXPECT_EQ(library_.STSetVolume(5, 40), 0);
  EXPECT_EQ(library_.STReadFile(5, sound_, 0), 0);
  EXPECT_EQ(library_.STPlay(5), 0);
  now_ = 20000;
  library_.CloseIfSilent();
  EXPECT_TRUE(library_.DeviceOpen()) << "a channel plays";

  EXPECT_EQ(library_.STStop(5, 0), 0);
  library_.CloseIfSilent();
  EXPECT_EQ(library_.MsUntilClose(), static_cast<int>(tq::kCloseAfterSilenceMs));
  now_ += tq::kCloseAfterSilenceMs - 1;
  library_.CloseIfSilent();
  EXPECT_TRUE(library_.DeviceOpen());
  EXPECT_EQ(library_.MsUntilClose(), 1);
  now_ += 1;
  library_.CloseIfSilent();
  EXPECT_FALSE(library_.DeviceOpen());
  EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 0) << "the mixer is closed";
  EXPECT_EQ(library_.STNumPlaying(5), 0);

  // The volume set while closed and the one set before both hold once it opens again.
  EXPECT_EQ(library_.STSetVolume(7, 100), 0);
  EXPECT_EQ(library_.STSetVolume(9, 0), 0);
  EXPECT_EQ(library_.STLoop(5), 0);
  EXPECT_TRUE(library_.DeviceOpen());
  EXPECT_EQ(library_.STNumPlaying(5), 1) << "the chunk outlived the close";
  EXPECT_EQ(Mix_Volume(5, -1), (40 * MIX_MAX_VOLUME + 50) / 100);
  EXPECT_EQ(Mix_Volume(7, -1), MIX_MAX_VOLUME);
  EXPECT_EQ(Mix_Volume(9, -1), 0);
  now_ += 60000;
  library_.CloseIfSilent();
  EXPECT_TRUE(library_.DeviceOpen()) << "a loop keeps it open";

  // A load opens it as well.
  EXPECT_EQ(library_.STEnd(), 0);
  EXPECT_FALSE(library_.DeviceOpen());
  EXPECT_EQ(library_.STInit(0, 0), 0);
  now_ += tq::kCloseAfterSilenceMs;
  library_.CloseIfSilent();
  ASSERT_FALSE(library_.DeviceOpen());
  EXPECT_EQ(library_.STReadFile(3, sound_, 0), 0);
  EXPECT_TRUE(library_.DeviceOpen());
  EXPECT_EQ(library_.STPlay(3), 0);
  EXPECT_EQ(library_.STNumPlaying(3), 1);
}

TEST_F(MixerSoundLibraryTest, WithoutADeviceAFileIsReadOnceAndNoMixerEverOpens) {
  ScopedEnv noDriver("SDL_AUDIODRIVER", "no-such-driver");
  ::testing::internal::CaptureStderr();
  ASSERT_EQ(library_.STInit(0, 0), 0);
  ::testing::internal::GetCapturedStderr();
  // An effect the game loads again at every play.
  for (int i = 0; i < 50; ++i) {
    ASSERT_EQ(library_.STReadFile(1 + i % 3, sound_, 0), 0);
    ASSERT_EQ(library_.STPlay(1 + i % 3), 0);
  }
  EXPECT_EQ(library_.FilesRead(), 1);
  EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "no audio subsystem, no mixing thread";
  EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 0);

  // A file written anew is read anew: two seconds now, not ten.
  ASSERT_TRUE(assets::WriteFileAtomically(sound_, assets::EncodeWav(std::vector<float>(assets::kSampleRate * 2, 0.5f))));
  ASSERT_EQ(library_.STReadFile(1, sound_, 0), 0);
  EXPECT_EQ(library_.FilesRead(), 2);
  ASSERT_EQ(library_.STPlay(1), 0);
  now_ += 1990;
  EXPECT_EQ(library_.STNumPlaying(1), 1);
  now_ += 20;
  EXPECT_EQ(library_.STNumPlaying(1), 0);
}

TEST_F(MixerSoundLibraryTest, WithADeviceChunksAreSharedAndThoseNoChannelHoldsAreKeptWithinBounds) {
  ScopedEnv dummy("SDL_AUDIODRIVER", "dummy");
  ASSERT_EQ(library_.STInit(0, 0), 0);
  ASSERT_TRUE(library_.DeviceOpen());
  for (int channel = 1; channel <= 10; ++channel) {
    ASSERT_EQ(library_.STReadFile(channel, sound_, 0), 0);
    ASSERT_EQ(library_.STPlay(channel), 0);
  }
  EXPECT_EQ(library_.FilesRead(), 1) << "one decode for every channel";
  EXPECT_EQ(Mix_Playing(-1), 10) << "one chunk plays on every channel at once";

  // Twelve other ten-second sounds, 1.7 MB each once decoded, one after another on
  // one channel: those let go of are given back beyond the bound, the one held stays.
  for (int i = 0; i < 12; ++i) {
    const std::string other = (folder_ / ("other" + std::to_string(i) + ".wav")).string();
    ASSERT_TRUE(assets::WriteFileAtomically(other, assets::EncodeWav(std::vector<float>(assets::kSampleRate * 10, 0.1f * i))));
    ASSERT_EQ(library_.STReadFile(11, other, 0), 0);
    EXPECT_LE(library_.KeptChunkBytes(), tq::kKeptSoundBytes);
  }
  EXPECT_GT(library_.KeptChunkBytes(), tq::kKeptSoundBytes / 2) << "recent sounds are kept for their next play";
  EXPECT_EQ(Mix_Playing(-1), 10) << "the channels' chunk was not given back under them";
  const int read = library_.FilesRead();
  EXPECT_EQ(library_.STReadFile(12, sound_, 0), 0);
  EXPECT_EQ(library_.FilesRead(), read) << "the chunk channels hold is still kept";
}

}  // namespace
