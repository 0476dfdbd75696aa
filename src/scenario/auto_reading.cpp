#include "scenario/auto_reading.h"

ReadStateRecord ReadState;
VoiceSettingsRecord VoiceSettings;

void ResetReadingState() {
  ReadState = ReadStateRecord{};
  VoiceSettings = VoiceSettingsRecord{};
}
