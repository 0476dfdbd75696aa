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
    // The start-up is not a frame.
    now = 700'000;
    times.FrameShown();
    // 5 ms of work, a 1 s wait, 6 ms of work: an 11 ms frame, not a slow one.
    now = 705'000;
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
    // Ten seconds after the first frame, the count so far.
    now = 10'700'000;
    times.FrameShown();
  }
  std::stringstream text;
  text << std::ifstream(path).rdbuf();
  std::filesystem::remove(path);
  // The summary at ten seconds, and again at the end.
  EXPECT_EQ(text.str(),
            "start-up 700.0\nslow 1076 51.0\nslow 10700 9624.0\nframes 3 longest 9624.0 over13 2 over40 2\n"
            "frames 3 longest 9624.0 over13 2 over40 2\n");
}

}  // namespace
