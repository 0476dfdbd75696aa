// Sound on numbered channels over the sound library; channel 100 holds the music.
#pragma once

#include <string>

inline constexpr int MusicChannel = 100;

struct SoundStateRecord {
  int SoundFileKind = 0;    // 0 WAV, 1 MP3: the format of the next effect or voice load
  int MusicFadeBase = 100;  // where the shutdown fade steps down from
};
extern SoundStateRecord SoundState;

void PlayChannel(int channel, int loopFlag);
void StopChannel(int channel);
void EndSound();
void SetMusicVolumeRaw(int volume);
void ApplyMusicVolume();
// The music volume ApplyMusicVolume gives for the present music level.
int MusicLevelVolume();
void PlayScriptMusic(int number);
void PlayEffect(int channel, const std::string& path, float factor);
void PlayVoice(int channel, const std::string& path, float factor);

void ResetSoundState();
