#include "engine/sound_channels.h"

#include "engine/game_window.h"
#include "engine/numeric.h"
#include "platform/platform.h"

SoundStateRecord SoundState;

namespace {

tq::SoundLibrary& Library() { return tq::ThePlatform().Sound(); }

int LevelVolume(int level) { return 2 * level + 82; }

void LoadAndPlay(int level, int channel, const std::string& path, float factor) {
  if (level == 0) {
    // Silent, but the kind its caller set is still spent: the next sound's caller
    // sets its own, so a silent voice never turns the next effect into an MP3 load.
    SoundState.SoundFileKind = 0;
    return;
  }
  float product = static_cast<float>(LevelVolume(level)) * factor;
  int volume = RoundHalfEven(product);
  // Each load takes the file kind its own caller set; the kind is spent by this load.
  int kind = SoundState.SoundFileKind;
  SoundState.SoundFileKind = 0;
  if (kind == 0) Library().STReadFile(channel, path, 5);
  else if (kind == 1) Library().STReadMP3File(channel, path, 5);
  Library().STSetVolume(channel, volume);
  Library().STPlay(channel);
}

}  // namespace

void PlayChannel(int channel, int loopFlag) {
  if (loopFlag == -1) Library().STLoop(channel);
  else if (loopFlag == 0) Library().STPlay(channel);
}

void StopChannel(int channel) { Library().STStop(channel, 1); }

void EndSound() { Library().STEnd(); }

void SetMusicVolumeRaw(int volume) { Library().STSetVolume(MusicChannel, volume); }

int MusicLevelVolume() { return GameConfig.Settings[1] == 0 ? 0 : LevelVolume(GameConfig.Settings[1]); }

void ApplyMusicVolume() { Library().STSetVolume(MusicChannel, MusicLevelVolume()); }

void PlayScriptMusic(int /*number*/) {
  // The Skelvane game has one scenario music; the script's number is not looked at.
  std::string path = tq::ThePlatform().ProgramFolder() + "\\Sound_Data\\Music\\m-8.MP3";
  Library().STReadMP3File(MusicChannel, path, 0);
  ApplyMusicVolume();
}

void PlayEffect(int channel, const std::string& path, float factor) {
  LoadAndPlay(GameConfig.Settings[2], channel, path, factor);
}

void PlayVoice(int channel, const std::string& path, float factor) {
  LoadAndPlay(GameConfig.VoiceLevel, channel, path, factor);
}

void ResetSoundState() { SoundState = SoundStateRecord{}; }
