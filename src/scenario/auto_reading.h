// The reading state (click wait or automatic reading), the voice options, the
// automatic-reading delays, and the waits that listen to the voice channel.
#pragma once

#include <string>

struct ReadStateRecord {
  int ReadMode = 1;  // 1 normal, 2 automatic
  int ReadSpeed = 1;  // automatic: 1 paced by text and voice, 2 fast skip, 3 fastest skip
  int AutoStopRequest = 0;  // 1: leave automatic reading before the next line
  int AutoReadLength = 0;   // the characters that pace the next delay
  std::string AutoReadPrevText[2];  // the last two measured texts, newest first
  int ChoiceResult = 0;
};
extern ReadStateRecord ReadState;

struct VoiceSettingsRecord {
  int VoiceCutOnAdvance = 0;
  int VoiceChannel = 0;  // the channel of the voice now playing, 0 none
  int AutoWaitsForVoice = 0;
  int VoiceOn = 0;
  int AutoSpeed = 0;  // paced reading's factor: 0 x1, 1 x0.7, 2 x0.4
  int BalloonMoveSkippable = 0;
  int StopAutoAtNewStage = 0;
  int BalloonHomeX[4] = {};
  int BalloonHomeY[4] = {};
};
extern VoiceSettingsRecord VoiceSettings;

// Kind 0 arms the continuation after a line in automatic reading, kind 5 measures the
// current line's text, kind 10 leaves automatic reading; other kinds do nothing.
void AutoReadControl(int kind);
// The delay of paced automatic reading for a text of `length` characters, before the
// automatic speed and the engine's scaling. Computed in 32 bits: long texts do not wrap.
int AutoReadDelay(int length);

// Frame handlers: the multiple balloon erase (1060), the voice wait (1062) and the
// voice wait of automatic reading (1100).
void MultiBalloonEraseTick();
void VoiceWaitTick();
void AutoVoiceWaitTick();

void ResetReadingState();
