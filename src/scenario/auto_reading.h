// The reading state (click wait or automatic reading) and the voice options.
#pragma once

#include <string>

struct ReadStateRecord {
  int ReadMode = 1;  // 1 normal, 2 automatic
  int ReadSpeed = 1;
  int AutoStopRequest = 0;
  int AutoReadLength = 0;
  std::string AutoReadPrevText[2];
  int ChoiceResult = 0;
};
extern ReadStateRecord ReadState;

struct VoiceSettingsRecord {
  int VoiceCutOnAdvance = 0;
  int VoiceChannel = 0;
  int AutoWaitsForVoice = 0;
  int VoiceOn = 0;
  int AutoSpeed = 0;
  int BalloonMoveSkippable = 0;
  int StopAutoAtNewStage = 0;
  int BalloonHomeX[4] = {};
  int BalloonHomeY[4] = {};
};
extern VoiceSettingsRecord VoiceSettings;

void ResetReadingState();
