// The engine-run sequences 110 (wipes) and 121 (music fade), and the codes of the
// block that have no frames. Sequence 100 is exercised with the menu.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/sound_channels.h"
#include "engine/system_menu.h"
#include "platform/platform.h"
#include "support/engine_harness.h"

using tq::testing::EngineHarness;

namespace {

// The stand-in game starts one loop of sequenceCode at its first tick.
int sequenceCode = 0;
bool sequenceStarted = false;
bool StartSequenceOnce(int phase) {
  if (phase == 0 && !sequenceStarted) {
    sequenceStarted = true;
    Wait(sequenceCode, 0);
  }
  return true;
}

void BootWithSequence(EngineHarness& h, int code) {
  sequenceCode = code;
  sequenceStarted = false;
  h.TestHooks().OnEvent = StartSequenceOnce;
  h.Start();
}

uint32_t WindowPixel(int x, int y) { return tq::ThePlatform().Screen().Background().Get(x, y); }

void PaintWindowWhite() {
  tq::Surface& window = LayerImage(GameForm);
  tq::FillRect(window, {0, 0, window.Width(), window.Height()}, 0xFFFFFF);
}

class MenuSequenceTest : public ::testing::Test {
 protected:
  EngineHarness h{"Test"};
};

struct FadeCase {
  int musicLevel;
  int fadeBase;
  std::vector<int> volumes;
};

TEST(MusicFade, StepsATenthOfTheStartEvery200msFromNoMoreThanTheMusicPlaysThenStops) {
  const FadeCase cases[] = {
      {9, 100, {90, 80, 70, 60, 50, 40, 30, 20, 10, 0}},
      {5, 100, {83, 74, 65, 56, 47, 38, 29, 20, 11, 2, 0}},  // level 5 plays at 92
      {9, 50, {45, 40, 35, 30, 25, 20, 15, 10, 5, 0}},
      {0, 100, {0}},  // silent music stays silent
      {9, 5, {4, 3, 2, 1, 0}},
  };
  for (const FadeCase& c : cases) {
    SCOPED_TRACE(c.musicLevel * 1000 + c.fadeBase);
    EngineHarness h("Test");
    BootWithSequence(h, 121);
    GameConfig.Settings[1] = c.musicLevel;
    SoundState.MusicFadeBase = c.fadeBase;
    h.RunUntil(400 + 200 * static_cast<uint32_t>(c.volumes.size()) + 100);

    std::vector<std::string> expected;
    for (int v : c.volumes) expected.push_back("STSetVolume 100 " + std::to_string(v));
    EXPECT_EQ(h.TraceOf("STSetVolume"), expected);
    std::vector<uint32_t> times;
    for (size_t i = 0; i < c.volumes.size(); ++i) times.push_back(400 + 200 * static_cast<uint32_t>(i));
    EXPECT_EQ(h.TimesOf("STSetVolume 100"), times);
    // The silent step lasts one 13 ms frame; then the channel stops and the step runs again.
    EXPECT_EQ(h.TimesOf("STStop 100 1"), std::vector<uint32_t>{times.back() + 13});
    EXPECT_EQ(h.TraceOf("timer").back(), "timer 13");
  }
}

TEST_F(MenuSequenceTest, LineWipeClosesInFromTopAndBottomOver640By480) {
  SystemMenuState.SequenceVariant = 0;
  h.Platform().At(399, [] { PaintWindowWhite(); });
  uint32_t top0 = 1, top1 = 0, top238 = 1, top240 = 0, bottom479 = 1, bottom241 = 1, bottom240 = 0, right = 0,
           right639 = 1;
  // After 120 frames (f = 0, 2, ..., 238): rows 0 to 238 even and 241 to 479 odd.
  h.Platform().At(400 + 13 * 120 - 1, [&] {
    top0 = WindowPixel(5, 0);
    top1 = WindowPixel(5, 1);
    top238 = WindowPixel(5, 238);
    top240 = WindowPixel(5, 240);
    bottom479 = WindowPixel(5, 479);
    bottom241 = WindowPixel(5, 241);
    bottom240 = WindowPixel(5, 240);
    right639 = WindowPixel(639, 0);
    right = WindowPixel(640, 0);
  });
  BootWithSequence(h, 110);
  h.RunUntil(400 + 13 * 240 + 100);
  EXPECT_EQ(top0, 0u);
  EXPECT_EQ(top1, 0xFFFFFFu);
  EXPECT_EQ(top238, 0u);
  EXPECT_EQ(top240, 0xFFFFFFu);
  EXPECT_EQ(bottom479, 0u);
  EXPECT_EQ(bottom241, 0u);
  EXPECT_EQ(bottom240, 0xFFFFFFu);
  EXPECT_EQ(right639, 0u);
  EXPECT_EQ(right, 0xFFFFFFu);
  EXPECT_EQ(h.TimesOf("endloop 110 240"), std::vector<uint32_t>{400 + 13 * 239});
  // At the end the window's picture is gone altogether.
  EXPECT_EQ(WindowPixel(700, 600), 0u);
  EXPECT_EQ(h.TraceOf("timer").back(), "timer 13");
}

TEST_F(MenuSequenceTest, SpiralWipeFillsCellsInwardsAndEndsInTheMiddleRow) {
  SystemMenuState.SequenceVariant = 10;
  h.Platform().At(399, [] { PaintWindowWhite(); });
  uint32_t firstRowEnd = 1, secondRowStart = 0, rightColumnBottom = 1, beyond = 0, middle = 0;
  // After 8 frames the top row of cells is black and nothing below it.
  h.Platform().At(400 + 13 * 8 - 1, [&] {
    firstRowEnd = WindowPixel(639, 95);
    secondRowStart = WindowPixel(0, 97);
  });
  // After 8 + 5 frames the right-hand column has reached the bottom row.
  h.Platform().At(400 + 13 * 13 - 1, [&] {
    rightColumnBottom = WindowPixel(600, 470);
    beyond = WindowPixel(700, 100);
  });
  // One frame before the end only the middle row's last cell (5, 2) is left white.
  h.Platform().At(400 + 13 * 47 - 1, [&] { middle = WindowPixel(5 * 80 + 40, 2 * 96 + 48); });
  BootWithSequence(h, 110);
  h.RunUntil(400 + 13 * 48 + 100);
  EXPECT_EQ(firstRowEnd, 0u);
  EXPECT_EQ(secondRowStart, 0xFFFFFFu);
  EXPECT_EQ(rightColumnBottom, 0u);
  EXPECT_EQ(beyond, 0xFFFFFFu);
  EXPECT_EQ(middle, 0xFFFFFFu);
  EXPECT_EQ(h.TraceOf("endloop 110 48").size(), 1u);
  EXPECT_EQ(WindowPixel(5 * 80 + 40, 2 * 96 + 48), 0u);
  // The direction is the menu state's word; the wipe ends on its turn downwards.
  EXPECT_EQ(SystemMenuState.MenuSequencePhase, 2);
}

TEST(MenuSequenceCodes, CodesAndVariantsWithoutFramesEndTheirLoopAtOnce) {
  const struct {
    int code;
    int variant;
  } cases[] = {{101, 0}, {149, 0}, {120, 0}, {110, 5}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code * 100 + c.variant);
    EngineHarness h("Test");
    BootWithSequence(h, c.code);
    SystemMenuState.SequenceVariant = c.variant;
    h.RunUntil(1000);
    EXPECT_EQ(h.TraceOf("endloop " + std::to_string(c.code) + " 1").size(), 1u);
  }
}

}  // namespace
