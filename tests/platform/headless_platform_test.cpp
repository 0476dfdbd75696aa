// The headless back end: the one-shot timer on the virtual clock, the scripted input
// timeline, and sound channels that play for their file's real length.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/headless/headless_platform.h"
#include "support/test_folders.h"

namespace {

// A mono 16-bit WAV of the given length at 22050 Hz.
void WriteWav(const std::string& path, int ms) {
  const uint32_t rate = 22050;
  const uint32_t samples = rate * static_cast<uint32_t>(ms) / 1000;
  const uint32_t dataBytes = samples * 2;
  std::ofstream f(path, std::ios::binary);
  auto u32 = [&f](uint32_t v) { f.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&f](uint16_t v) { f.write(reinterpret_cast<const char*>(&v), 2); };
  f.write("RIFF", 4);
  u32(36 + dataBytes);
  f.write("WAVEfmt ", 8);
  u32(16);
  u16(1);
  u16(1);
  u32(rate);
  u32(rate * 2);
  u16(2);
  u16(16);
  f.write("data", 4);
  u32(dataBytes);
  std::string silence(dataBytes, '\0');
  f.write(silence.data(), static_cast<std::streamsize>(silence.size()));
}

TEST(HeadlessPlatformTest, TheOneShotTimerFiresOnceAtItsDeadline) {
  tq::HeadlessPlatform p;
  int ticks = 0;
  std::vector<uint32_t> at;
  p.SetEventSink({[&] {
                    ++ticks;
                    at.push_back(p.Now());
                  },
                  nullptr, nullptr, nullptr, nullptr});
  p.SetUntil(1000);
  p.SleepUntil(100);
  p.ArmTimer(250);
  p.PumpEvents();  // not due yet
  EXPECT_EQ(ticks, 0);
  p.WaitIdle();  // idles to the deadline
  EXPECT_EQ(at, std::vector<uint32_t>{350});
  EXPECT_FALSE(p.TimerArmed());
  EXPECT_THROW(p.WaitIdle(), tq::RunLimitReached);  // nothing left: idles to the end
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(p.Now(), 1000u);
}

TEST(HeadlessPlatformTest, InputArrivesInTimeOrderAndOnlyWhenPumped) {
  std::vector<tq::ScriptedInput> inputs;
  std::string error;
  ASSERT_TRUE(tq::ParseInputTimeline("# comment\n200 key 13\n100 click 5 6 right\n300 move 7 8\n400 close\n",
                                     inputs, error));
  tq::HeadlessPlatform p;
  std::vector<std::string> seen;
  p.SetEventSink({nullptr,
                  [&](int key, int) { seen.push_back("key " + std::to_string(key) + " @" + std::to_string(p.Now())); },
                  [&](int layer, int button, int, int x, int y) {
                    seen.push_back("down " + std::to_string(layer) + " " + std::to_string(button) + " " +
                                   std::to_string(x) + "," + std::to_string(y));
                  },
                  [&](int, int, int, int x, int y) { seen.push_back("move " + std::to_string(x) + "," + std::to_string(y)); },
                  [&] { seen.push_back("close"); }});
  p.SetInputs(inputs);
  p.SetUntil(1000);
  p.SleepUntil(250);
  EXPECT_TRUE(seen.empty());  // sleeping delivers nothing
  p.PumpEvents();
  EXPECT_EQ(seen, (std::vector<std::string>{"down -1 2 5,6", "key 13 @250"}));
  p.WaitIdle();
  p.WaitIdle();
  EXPECT_EQ(seen.back(), "close");
  EXPECT_EQ(seen[2], "move 7,8");
}

TEST(HeadlessPlatformTest, MalformedTimelineLinesAreRefusedWithTheirNumber) {
  for (const char* text : {"100 click 5\n", "abc key 1\n", "10 key 999\n", "10 jump 1 2\n", "10 click 1 2 sideways\n"}) {
    std::vector<tq::ScriptedInput> inputs;
    std::string error;
    EXPECT_FALSE(tq::ParseInputTimeline(text, inputs, error)) << text;
    EXPECT_NE(error.find("line 1"), std::string::npos) << error;
  }
}

TEST(HeadlessPlatformTest, ClicksGoToTheTopmostVisibleLayerInItsCoordinates) {
  tq::HeadlessPlatform p;
  tq::Compositor& s = p.Screen();
  s.Place(3, 100, 100, 50, 50);
  s.Place(4, 120, 120, 50, 50);
  s.SetVisible(3, true);
  s.SetVisible(4, true);
  std::vector<std::tuple<int, int, int>> downs;
  p.SetEventSink({nullptr, nullptr, [&](int layer, int, int, int x, int y) { downs.emplace_back(layer, x, y); },
                  nullptr, nullptr});
  p.SetInputs({{10, tq::ScriptedInput::Click, 130, 130}, {20, tq::ScriptedInput::Click, 105, 105},
               {30, tq::ScriptedInput::Click, 5, 5}});
  p.SetUntil(100);
  p.SleepUntil(10);
  p.PumpEvents();
  s.SendToBack(4);
  p.SleepUntil(20);
  p.PumpEvents();
  p.SleepUntil(30);
  p.PumpEvents();
  EXPECT_EQ(downs, (std::vector<std::tuple<int, int, int>>{{4, 10, 10}, {3, 5, 5}, {-1, 5, 5}}));
}

TEST(HeadlessPlatformTest, AChannelPlaysForItsFilesLength) {
  auto folder = tq::testing::TestFolder("headless-sound");
  std::filesystem::create_directories(folder / "Sound");
  WriteWav((folder / "Sound" / "Beep.wav").string(), 500);
  tq::HeadlessPlatform p;
  p.SetUntil(10000);
  tq::SoundLibrary& lib = p.Sound();
  // Found through the original's backslashes and another case.
  ASSERT_EQ(lib.STReadFile(3, folder.string() + "\\sound\\BEEP.WAV", 5), 0);
  lib.STPlay(3);
  p.SleepUntil(499);
  EXPECT_EQ(lib.STNumPlaying(3), 1);
  p.SleepUntil(500);
  EXPECT_EQ(lib.STNumPlaying(3), 0);
  lib.STLoop(3);
  p.SleepUntil(5000);
  EXPECT_EQ(lib.STNumPlaying(3), 1);
  lib.STStop(3, 1);
  EXPECT_EQ(lib.STNumPlaying(3), 0);
  // A missing file is silence, not a failure of the game.
  lib.STReadFile(4, folder.string() + "/missing.wav", 5);
  lib.STPlay(4);
  EXPECT_EQ(lib.STNumPlaying(4), 0);
  // A length given by a test stands in for decoding.
  p.Recorder().SetLength("voice.mp3", 1200);
  lib.STReadMP3File(9, folder.string() + "/voice.mp3", 5);
  lib.STPlay(9);
  p.SleepUntil(6199);
  EXPECT_EQ(lib.STNumPlaying(9), 1);
  EXPECT_EQ(lib.STNumPlaying(200), 0);  // out of range: quietly nothing
  std::filesystem::remove_all(folder);
}

}  // namespace

namespace {

TEST(HeadlessPlatformTest, AnObserverThatArmsTheTimerWhileIdleGetsItsTick) {
  tq::HeadlessPlatform p;
  std::vector<uint32_t> ticks;
  p.SetEventSink({[&] { ticks.push_back(p.Now()); }, nullptr, nullptr, nullptr, nullptr});
  p.SetUntil(1000);
  p.At(200, [&p] { p.ArmTimer(50); });
  EXPECT_THROW(
      {
        for (;;) p.WaitIdle();
      },
      tq::RunLimitReached);
  EXPECT_EQ(ticks, std::vector<uint32_t>{250});
}

}  // namespace
