// The Marbrook sound tables, voices, music, the click sound and stopping a voice.
#include "marbrook/marbrook_sounds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/game_window.h"
#include "engine/modes.h"
#include "engine/sound_channels.h"
#include "scenario/auto_reading.h"
#include "support/engine_harness.h"

namespace {

using tq::testing::EngineHarness;
using Strings = std::vector<std::string>;

using PlayFn = void (*)(int, int&, float&);

struct EffectCase {
  const char* name;
  PlayFn play;
  int number;
  int channel;
  float offset;
  const char* file;  // below Tanselr_Data/TanselrSnd/, "" when nothing plays
  int volume;        // at effect level 9: 100 × (base + offset), capped at 1.0
};

TEST(MarbrookSounds, TablesPlayTheirFileAtBasePlusOffset) {
  const EffectCase cases[] = {
      {"offset above the cap", C15_PlaySound, 40, 3, 0.05f, "TanselrInter/Fu40_Pu_Timer.wav", 100},
      {"offset below", C15_PlaySound, 40, 3, -0.05f, "TanselrInter/Fu40_Pu_Timer.wav", 92},
      {"same file, own base", C15_PlaySound, 25, 3, 0.0f, "TanselrInter/Fu40_Pu_Timer.wav", 100},
      {"no lower bound", C15_PlaySound, 200, 4, -0.5f, "TanselrInter/Sc200_Bun.wav", 40},
      {"title", C01_PlaySound, 26, 0, 0.0f, "TanselrTitle/t26_pyo133.wav", 85},
      {"title, Japanese name", C01_PlaySound, 105, 1, 0.0f, "TanselrTitle/VT_戻る1.wav", 100},
      {"mini-game", C40_PlaySound, 402, 6, 0.0f, "TanselrGame/G04_コマ選択.wav", 90},
      {"rock-paper-scissors", G01_PlaySound, 40, 2, 0.0f, "TanselrGame/G01/G1_×印_ぶぶー.wav", 100},
      {"0 plays nothing", C01_PlaySound, 0, 0, 0.0f, "", 0},
      {"-1 plays nothing", C40_PlaySound, -1, 0, 0.0f, "", 0},
      {"8 is silent in the conversation table", C15_PlaySound, 8, 0, 0.0f, "", 0},
      {"an unlisted number plays nothing", C15_PlaySound, 32, 0, 0.0f, "", 0},
      {"nor 900 of the games", C40_PlaySound, 900, 0, 0.0f, "", 0},
  };
  for (const EffectCase& c : cases) {
    SCOPED_TRACE(c.name);
    EngineHarness h("Test");
    GameConfig.Settings[2] = 9;
    int channel = c.channel;
    float offset = c.offset;
    c.play(c.number, channel, offset);
    EXPECT_EQ(channel, c.channel) << "an effect leaves the caller's channel";
    if (c.file[0] == '\0') {
      EXPECT_TRUE(h.Trace().empty());
      continue;
    }
    const std::string ch = std::to_string(c.channel);
    EXPECT_EQ(h.TraceOf("STReadFile"), Strings{"STReadFile " + ch + " Tanselr_Data/TanselrSnd/" + c.file + " 5"});
    EXPECT_EQ(h.TraceOf("STSetVolume"), Strings{"STSetVolume " + ch + " " + std::to_string(c.volume)});
  }
}

TEST(MarbrookSounds, VoicesPlayAsMp3OnChannelNine) {
  EngineHarness h("Test");
  GameConfig.Settings[2] = 9;
  GameConfig.VoiceLevel = 9;
  int channel = 3;
  float offset = 0.0f;
  C15_PlaySound(1234, channel, offset);
  EXPECT_EQ(channel, 9);
  EXPECT_EQ(VoiceSettings.VoiceChannel, 9);
  EXPECT_EQ(h.TraceOf("STReadMP3File"), Strings{"STReadMP3File 9 Tanselr_Data/TanselrSnd/TanselrVoice/Voice_1234.MP3 5"});
  // The next effect is a WAV again.
  channel = 3;
  C15_PlaySound(42, channel, offset);
  EXPECT_EQ(h.TraceOf("STReadFile").size(), 1u);

  // At voice level 0 nothing loads, the channel is still taken, and the next load is a WAV.
  EngineHarness silent("Test");
  GameConfig.Settings[2] = 9;
  GameConfig.VoiceLevel = 0;
  channel = 3;
  C15_PlaySound(9999, channel, offset);
  EXPECT_EQ(channel, 9);
  EXPECT_TRUE(silent.TraceOf("STReadMP3File").empty());
  C15_PlaySound(42, channel, offset);
  EXPECT_EQ(silent.TraceOf("STReadFile").size(), 1u);
}

TEST(MarbrookSounds, MusicLoopsOnTheMusicChannelAtTheMusicLevel) {
  EngineHarness h("Test");
  GameConfig.Settings[1] = 9;
  C15_PlayMusic(401);
  EXPECT_EQ(h.TraceOf("STReadMP3File"), Strings{"STReadMP3File 100 Tanselr_Data/TanselrSnd/Music/G4_BGM01_brightness.mp3 0"});
  EXPECT_EQ(h.TraceOf("STSetVolume"), Strings{"STSetVolume 100 100"});
  EXPECT_EQ(h.TraceOf("STLoop"), Strings{"STLoop 100"});
  C15_PlayMusic(404);  // no such piece
  EXPECT_EQ(h.TraceOf("STReadMP3File").size(), 1u);
}

TEST(MarbrookSounds, ClickSoundAndStoppingTheVoice) {
  EngineHarness h("Test");
  GameConfig.Settings[2] = 9;
  GameConfig.VoiceLevel = 9;
  C01_ClickSound();
  EXPECT_EQ(h.TraceOf("STReadFile"), Strings{"STReadFile 0 Tanselr_Data/TanselrSnd/TanselrTitle/G050_Kan_Buwa1.wav 5"});
  EXPECT_EQ(h.TraceOf("STSetVolume"), Strings{"STSetVolume 0 90"});

  int channel = 0;
  float offset = 0.0f;
  h.Platform().Recorder().SetLength("Voice_2000.MP3", 1000);
  C15_PlaySound(2000, channel, offset);
  C45_StopVoice();
  EXPECT_EQ(VoiceSettings.VoiceChannel, 0);
  EXPECT_EQ(h.TraceOf("STStop"), Strings{"STStop 9 1"});

  VoiceSettings.VoiceChannel = 9;  // a voice that has already finished
  C45_StopVoice();
  EXPECT_EQ(VoiceSettings.VoiceChannel, 9);
  EXPECT_EQ(h.TraceOf("STStop").size(), 1u);
}

TEST(MarbrookSounds, TablesAreComplete) {
  const auto tables = MarbrookSoundTables();
  ASSERT_EQ(tables.size(), 5u);
  size_t rows = 0;
  for (const MarbrookSoundTable& t : tables) rows += t.rows.size();
  EXPECT_EQ(rows, 31u + 20u + 48u + 28u + 25u);
  EXPECT_EQ(MarbrookVoicePath(1234), "Tanselr_Data/TanselrSnd/TanselrVoice/Voice_1234.MP3");
}

}  // namespace
