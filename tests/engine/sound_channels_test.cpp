// Effect and voice volumes from the player's levels, and the music level.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/game_window.h"
#include "engine/sound_channels.h"
#include "support/engine_harness.h"

using tq::testing::EngineHarness;

namespace {

struct VolumeCase {
  int level;
  float factor;
  int volume;
};

TEST(SoundChannels, EffectVolumeIsTheLevelsBaseTimesTheFactorRoundedHalfToEven) {
  const VolumeCase cases[] = {
      {9, 1.0f, 100}, {1, 0.5f, 42}, {5, 0.95f, 87},  // 87.4
      {1, 0.625f, 52}, {3, 0.5625f, 50},              // 52.5 and 49.5: halves go to the even neighbour
      {7, 0.98f, 94},                                 // 94.08
  };
  for (const VolumeCase& c : cases) {
    SCOPED_TRACE(c.level);
    EngineHarness h("Test");
    GameConfig.Settings[2] = c.level;
    PlayEffect(7, "/x/a.wav", c.factor);
    EXPECT_EQ(h.TraceOf("STSetVolume"), std::vector<std::string>{"STSetVolume 7 " + std::to_string(c.volume)});
    EXPECT_EQ(h.TraceOf("STPlay"), std::vector<std::string>{"STPlay 7"});
  }
}

TEST(SoundChannels, LevelZeroMakesNoLibraryCallAndDoesNotPassAnMp3KindOn) {
  EngineHarness h("Test");
  GameConfig.Settings[2] = 9;
  GameConfig.VoiceLevel = 0;
  SoundState.SoundFileKind = 1;  // a voice table marks its MP3 voice, which is silent
  PlayVoice(9, "/x/v.mp3", 1.0f);
  EXPECT_TRUE(h.Trace().empty());
  PlayEffect(3, "/x/a.wav", 1.0f);  // the next sound's own table set no kind: WAV
  EXPECT_EQ(h.TraceOf("STReadFile").size(), 1u);
  EXPECT_TRUE(h.TraceOf("STReadMP3File").empty());
}

TEST(SoundChannels, MusicLevelZeroKeepsTheMusicRunningAtVolumeZero) {
  EngineHarness h("Test");
  GameConfig.Settings[1] = 0;
  ApplyMusicVolume();
  GameConfig.Settings[1] = 1;
  ApplyMusicVolume();
  EXPECT_EQ(h.TraceOf("STSetVolume"), (std::vector<std::string>{"STSetVolume 100 0", "STSetVolume 100 84"}));
  EXPECT_TRUE(h.TraceOf("STStop").empty());
  PlayChannel(100, 1);  // neither loop nor play
  EXPECT_TRUE(h.TraceOf("STPlay").empty());
  EXPECT_TRUE(h.TraceOf("STLoop").empty());
}

}  // namespace
