// The window's frame times for the measuring tools: the waits between frames are
// left out, so a stall inside a frame shows and an idle spell does not.
#include "platform/sdl/frame_times.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

TEST(FrameTimesTest, AFrameIsTheWorkBetweenPresentsWithTheWaitsLeftOut) {
  const std::string path =
      (std::filesystem::temp_directory_path() / ("tq-frames-" + std::to_string(::getpid()))).string();
  std::FILE* out = std::fopen(path.c_str(), "w");
  ASSERT_NE(out, nullptr);
  int64_t now = 0;
  {
    tq::FrameTimes times(out, [&] { return now; });
    // 5 ms of work, a 1 s wait, 6 ms of work: an 11 ms frame, not a slow one.
    now = 5'000;
    times.WaitBegins();
    now = 1'005'000;
    times.WaitEnds();
    now = 1'011'000;
    times.FrameShown();
    // A 49 ms load in the middle of a frame.
    now += 2'000;
    times.WaitBegins();
    now += 14'000;
    times.WaitEnds();
    now += 49'000;
    times.FrameShown();
    // Ten seconds on, the count so far.
    now = 12'000'000;
    times.FrameShown();
  }
  std::stringstream text;
  text << std::ifstream(path).rdbuf();
  std::filesystem::remove(path);
  // The summary at ten seconds, and again at the end.
  EXPECT_EQ(text.str(),
            "slow 1076 51.0\nslow 12000 10924.0\nframes 3 longest 10924.0 over13 2 over40 2\n"
            "frames 3 longest 10924.0 over13 2 over40 2\n");
}

}  // namespace
