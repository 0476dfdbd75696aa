// Scene sounds: the Skelvane sound table, the mode's choice of table, and the numbers
// that balloon lines and face moves choose.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/modes.h"
#include "scenario/auto_reading.h"
#include "scenario/motion_curves.h"
#include "scenario/scene_sounds.h"
#include "scenario/script_conversion.h"
#include "scenario/simultaneous_groups.h"
#include "support/engine_harness.h"

namespace {

using tq::testing::EngineHarness;

// The three library calls of one sound, as the trace shows them.
std::vector<std::string> Calls(int channel, const std::string& path, int volume) {
  const std::string c = std::to_string(channel);
  return {"STReadFile " + c + " Sound_Data/Sound/" + path + " 5", "STSetVolume " + c + " " + std::to_string(volume),
          "STPlay " + c};
}

std::vector<std::string> SoundCalls(const EngineHarness& h) {
  std::vector<std::string> out;
  for (const char* name : {"STReadFile", "STSetVolume", "STPlay"}) {
    for (const std::string& l : h.TraceOf(name)) out.push_back(l);
  }
  return out;
}

struct TableCase {
  int number, channel;
  float offset;
  const char* path;  // nullptr: no library call at all
  int volume;
};

// At effect level 9 the volume is 100 times base + offset, at most 100.
TEST(SceneSounds, SkelvaneTableMapsNumbersToFilesAndVolumes) {
  const TableCase cases[] = {
      {25, 0, 0.0f, "Inter/Fu40_Pu_Timer.wav", 90},
      {40, 3, 0.0f, "Inter/Fu40_Pu_Timer.wav", 90},
      {1, 0, 0.0f, "豪快な斬撃！★P56FI（轟音ぼうー）.wav", 85},
      {17, 0, 0.0f, "豪快な斬撃！★P56FI（轟音ぼうー）.wav", 100},
      {14, 0, 0.0f, "Title/A5_01023_◎P63FI・即FO→84（打ドーン！）★.wav", 95},
      {101, 2, 0.0f, "Game/A1_02040ビイーンPit149.wav", 90},
      {57, 0, 0.05f, "Inter/A5_10312_振るP63→P63（ぶぉ）フ・「はっ！」.wav", 100},  // 0.97 + 0.05 capped
      {41, 0, -0.05f, "Inter/Fu41_Pu_Choku.wav", 85},
      {1500, 12, 0.0f, "Voice/Voice_1500.wav", 90},
      // A large negative offset is silence, not a negative volume.
      {25, 0, -3.0f, "Inter/Fu40_Pu_Timer.wav", 0},
      {0, 0, 0.0f, nullptr, 0},
      {-1, 0, 0.0f, nullptr, 0},
      {8, 0, 0.0f, nullptr, 0},
      {19, 0, 0.0f, nullptr, 0},   // unlisted: no file to play
      {2000, 0, 0.0f, nullptr, 0},  // beyond the voices
  };
  for (const TableCase& c : cases) {
    SCOPED_TRACE(c.number);
    EngineHarness h(kModeSkelvane);
    GameMode = kModeSkelvane;
    GameConfig.Settings[2] = 9;
    int channel = c.channel;
    float offset = c.offset;
    PlaySoundEffect(c.number, channel, offset);
    if (c.path == nullptr) {
      EXPECT_TRUE(h.Trace().empty());
    } else {
      EXPECT_EQ(SoundCalls(h), Calls(c.channel, c.path, c.volume));
    }
    EXPECT_EQ(channel, c.channel);
    EXPECT_EQ(offset, c.offset);
  }
}

// A voice becomes the voice channel that the voice waits poll.
TEST(SceneSounds, SkelvaneVoiceSetsTheVoiceChannel) {
  EngineHarness h(kModeSkelvane);
  GameMode = kModeSkelvane;
  int channel = 12;
  float offset = 0.0f;
  PlaySoundEffect(25, channel, offset);
  EXPECT_EQ(VoiceSettings.VoiceChannel, 0);
  PlaySoundEffect(1001, channel, offset);
  EXPECT_EQ(VoiceSettings.VoiceChannel, 12);
}

// Any mode word but the other two games' uses the Skelvane table; those two hand the
// request, arguments and all, to their own table.
TEST(SceneSounds, TheModeWordChoosesTheTable) {
  static std::vector<std::string> handed;
  const struct {
    const char* mode;
    bool skelvaneTable;
  } cases[] = {{kModeSkelvane, true}, {"Test", true}, {kModeMarbrook, false}, {kModeVadrim, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    EngineHarness h(kModeSkelvane);
    GameConfig.Settings[2] = 9;
    handed.clear();
    const auto marbrook = ModeHooksFor(ModeId::Marbrook).PlaySound;
    const auto vadrim = ModeHooksFor(ModeId::Vadrim).PlaySound;
    auto own = [](int number, int& channel, float& offset) {
      handed.push_back(std::to_string(number) + " " + std::to_string(channel) + " " + std::to_string(offset));
    };
    ModeHooksFor(ModeId::Marbrook).PlaySound = own;
    ModeHooksFor(ModeId::Vadrim).PlaySound = own;
    GameMode = c.mode;
    int channel = 4;
    float offset = -0.5f;
    PlaySoundEffect(25, channel, offset);
    ModeHooksFor(ModeId::Marbrook).PlaySound = marbrook;
    ModeHooksFor(ModeId::Vadrim).PlaySound = vadrim;
    EXPECT_EQ(h.TraceOf("STPlay").size(), c.skelvaneTable ? 1u : 0u);
    EXPECT_EQ(handed, c.skelvaneTable ? std::vector<std::string>{} : std::vector<std::string>{"25 4 -0.500000"});
  }
}

struct ShowCase {
  const char* name;
  int voice, voiceOn, n, slot;
  const char* path;
  int volume, started;
};

// "フ音": -1 silent, 0 the default (40 as a balloon opens, 41 a little softer when
// more text goes in), 1 to 999 that sound, 1000 and above a voice when voices are on.
TEST(SceneSounds, BalloonShowSoundChoosesTheLinesSoundOnTheSlotsChannel) {
  const ShowCase cases[] = {
      {"default opening", 0, 0, 0, 2, "Inter/Fu40_Pu_Timer.wav", 90, 0},
      {"default more text", 0, 0, 1, 3, "Inter/Fu41_Pu_Choku.wav", 88, 0},
      {"default other kind", 0, 0, 2, 3, nullptr, 0, 0},
      {"silent", -1, 0, 0, 3, nullptr, 0, 0},
      {"below -1", -5, 0, 0, 3, nullptr, 0, 0},
      {"a sound", 44, 0, 1, 4, "Inter/Fu44_Pu_149.wav", 90, 0},
      {"voice, voices on", 1500, -1, 0, 1, "Voice/Voice_1500.wav", 90, -1},
      {"voice, voices off", 1500, 0, 0, 1, "Inter/Fu40_Pu_Timer.wav", 90, 0},
      {"voice, other setting", 1500, 1, 0, 1, nullptr, 0, 0},
  };
  for (const ShowCase& c : cases) {
    SCOPED_TRACE(c.name);
    EngineHarness h(kModeSkelvane);
    GameMode = kModeSkelvane;
    GameConfig.Settings[2] = 9;
    LineState.LineVoice = c.voice;
    LineState.CurrentSlot = c.slot;
    VoiceSettings.VoiceOn = c.voiceOn;
    AnimationRun.BalloonSoundStarted = 7;
    BalloonShowSound(c.n);
    if (c.path == nullptr) EXPECT_TRUE(h.Trace().empty());
    else EXPECT_EQ(SoundCalls(h), Calls(c.slot + 10, c.path, c.volume));
    EXPECT_EQ(AnimationRun.BalloonSoundStarted, c.started);
  }
}

// "顔音": -1 silent, 0 sound 30 only when the stage turns face sounds on, 1 sound
// 30 a little softer, any other value that sound; on the group's channel.
TEST(SceneSounds, FaceMoveSoundFollowsTheGroupsFaceSound) {
  const struct {
    int faceSound, defaultOn, group;
    const char* path;
    int volume;
  } cases[] = {
      {0, 0, 2, nullptr, 0},
      {0, -1, 2, "Inter/A1_13234_◎前半短→133後半（風しゃっ最短）.wav", 90},
      {1, 0, 3, "Inter/A1_13234_◎前半短→133後半（風しゃっ最短）.wav", 85},
      {1, -1, 3, "Inter/A1_13234_◎前半短→133後半（風しゃっ最短）.wav", 85},
      {-1, -1, 3, nullptr, 0},
      {23, 0, 4, "Inter/A1_18280★ぷんっ.wav", 95},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.faceSound * 10 + c.defaultOn);
    EngineHarness h(kModeSkelvane);
    GameMode = kModeSkelvane;
    GameConfig.Settings[2] = 9;
    SceneSound.DefaultFaceSoundOn = c.defaultOn;
    SimultaneousGroup.GroupFaceSound[static_cast<size_t>(c.group)] = c.faceSound;
    MotionState.CurrentMotionSlot = c.group;
    FaceMoveSound();
    if (c.path == nullptr) EXPECT_TRUE(h.Trace().empty());
    else EXPECT_EQ(SoundCalls(h), Calls(c.group, c.path, c.volume));
  }
  EngineHarness h(kModeSkelvane);
  MotionState.CurrentMotionSlot = 40;  // not a group: nothing
  FaceMoveSound();
  EXPECT_TRUE(h.Trace().empty());
}

}  // namespace
