#include "scenario/picture_changes.h"

#include <string>

#include "engine/frame_model.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/numeric.h"
#include "platform/platform.h"
#include "scenario/auto_reading.h"
#include "scenario/face_slots.h"
#include "scenario/line_execution.h"
#include "scenario/script_conversion.h"
#include "scenario/script_fields.h"

PicAnimRecord PicAnim;

namespace {

// Frames of the flip-book when "間隔" gives none: the engine's default frame.
constexpr int kDefaultInterval = 13;
// Mode 0 runs until a click; its frame counter wraps long before it gets there.
constexpr int kUntilInterrupted = 30000;

struct PicAnimKey {
  const char* key;
  int frame;   // 0 to 2, or -1 for the two settings
  int second;  // 1: the second picture argument
};
constexpr PicAnimKey kPicAnimKeys[] = {
    {"第1_BMP番号", 0, 0}, {"第1_BMP番号2", 0, 1}, {"第2_BMP番号", 1, 0}, {"第2_BMP番号2", 1, 1},
    {"第3_BMP番号", 2, 0}, {"第3_BMP番号2", 2, 1},
};

// The flip-book finishes its line only on a conversation screen; anywhere else only
// its loop ends, so it can never run on for ever.
void FinishIfConversation() {
  if (SceneCursor.SceneCode == kConversationScene) FinishScriptAction();
  else FrameClock.FrameLoopRunning = 0;
}

bool VoicePlaying() { return tq::ThePlatform().Sound().STNumPlaying(VoiceSettings.VoiceChannel) >= 1; }

}  // namespace

void PictureLoadByMode(int kind, int number) {
  if (auto load = CurrentModeHooks().LoadPictureByKind) load(1, kind, number);
}

void PicAnimParams() {
  PicAnimRecord& a = PicAnim;
  a.PicAnimNumber.fill(-1);
  a.PicAnimNumber2.fill(-1);
  for (const std::string& field : LineFields()) {
    const std::string key = FieldKey(field);
    const int value = FieldValue(field);
    if (key == "間隔") a.PicAnimInterval = value;
    else if (key == "分岐") a.PicAnimMode = value;
    for (const PicAnimKey& k : kPicAnimKeys) {
      if (key != k.key) continue;
      (k.second == 1 ? a.PicAnimNumber2 : a.PicAnimNumber)[static_cast<size_t>(k.frame)] = value;
    }
  }
  a.PicAnimFrameCount = kPicAnimEntryCount;
  for (int k = 0; k < kPicAnimEntryCount; ++k) {
    if (a.PicAnimNumber[static_cast<size_t>(k)] == -1 && a.PicAnimNumber2[static_cast<size_t>(k)] == -1) {
      a.PicAnimFrameCount = k;
      break;
    }
  }
}

void PicAnimTick() {
  const PicAnimRecord& a = PicAnim;
  AnimationRunRecord& run = AnimationRun;
  const int n = a.PicAnimFrameCount;
  // A flip-book without pictures has nothing to show.
  if (n <= 0) {
    FinishIfConversation();
    return;
  }
  // No interval (or a nonsensical one) gives the default frame instead of a division by zero.
  const int interval = a.PicAnimInterval > 0 ? a.PicAnimInterval : kDefaultInterval;
  SetFrameLength(-1, interval);

  const int f = run.AnimationFrame;
  const int slot = LineCode.Speaker;
  DrawState.CurrentLayer = ValidFaceSlot(slot) ? FaceSlot.FaceLayer[static_cast<size_t>(slot)] : -1;
  const size_t k = static_cast<size_t>(((f % n) + n) % n);
  PictureLoadByMode(a.PicAnimNumber[k], a.PicAnimNumber2[k]);

  if (a.PicAnimMode == 0) run.AnimationLength = kUntilInterrupted;
  else if (a.PicAnimMode == 1) run.AnimationLength = n * (1000 / interval);
  else run.AnimationLength = 0;  // no run length of its own: the line ends after this frame

  run.AnimationFrame = f + 1 >= n * 1000 ? 0 : f + 1;

  if (ReadState.ReadMode == 2) {
    const VoiceSettingsRecord& v = VoiceSettings;
    if (v.AutoWaitsForVoice == -1 && v.VoiceOn == -1 && run.BalloonSoundStarted == -1) {
      if (!VoicePlaying()) {
        // The flip-book ends with the line's voice.
        run.AnimationFrame = run.AnimationLength;
        FinishIfConversation();
        return;
      }
      run.AutoVoiceWaited = -1;
    } else {
      int length = n * (2000 / interval);
      if (v.AutoSpeed == 1) length = RoundHalfEven(length * 0.7);
      else if (v.AutoSpeed == 2) length = RoundHalfEven(length * 0.4);
      run.AnimationLength = length;
      run.AutoVoiceWaited = -1;
    }
  }
  if (run.AnimationFrame >= run.AnimationLength) FinishIfConversation();
}

void ResetPictureChangeState() { PicAnim = PicAnimRecord{}; }
