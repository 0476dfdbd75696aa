#include "scenario/scene_sounds.h"

#include <string>

#include "engine/frame_model.h"
#include "engine/modes.h"
#include "engine/sound_channels.h"
#include "platform/platform.h"
#include "scenario/auto_reading.h"
#include "scenario/motion_curves.h"
#include "scenario/script_conversion.h"
#include "scenario/simultaneous_groups.h"

SceneSoundRecord SceneSound;

namespace {

enum Folder { kNoFolder, kTitle, kInter, kGame };

struct SoundEntry {
  int number;
  const char* file;
  float base;
  Folder folder;
};

// Several numbers share a file at different volumes; each keeps its own row.
constexpr SoundEntry kSkelvaneSounds[] = {
    {1, "豪快な斬撃！★P56FI（轟音ぼうー）.wav", 0.85f, kNoFolder},
    {2, "A1_13237の抽出、△ふぃ１.wav", 1.0f, kNoFolder},
    {3, "A1_13237より◎ほぃ→ピッチ70.wav", 0.95f, kNoFolder},
    {4, "A1_05100女神Pit126→Pit66.wav", 0.9f, kNoFolder},
    {5, "A1_11206、プワ！・ピッチ上2◎.wav", 0.88f, kNoFolder},
    {6, "A1_11206、プワ！・ピッチ上◎短.wav", 0.85f, kNoFolder},
    {7, "A1_11206、プワ！・ピッチ上2◎→P50.wav", 0.85f, kTitle},
    {9, "A1_05101とA1_07125●じゅば！Pit79.wav", 0.9f, kNoFolder},
    {10, "A1_13234_◎前半（風しゃっ）.wav", 1.0f, kTitle},
    {11, "A1_11206、プワ！・ピッチ上2◎Pit79.wav", 0.95f, kTitle},
    {12, "A1_11206、プワ！、○Pit31完成.wav", 0.98f, kTitle},
    {13, "A1_13237より◎ぴぴっ.wav", 0.9f, kTitle},
    {14, "A5_01023_◎P63FI・即FO→84（打ドーン！）★.wav", 0.95f, kTitle},
    {15, "A1_03064_爆音★F37FI（３機発射前.wav", 1.0f, kNoFolder},
    {16, "A1_03064_爆音★F37（３機発射？.wav", 1.0f, kNoFolder},
    {17, "豪快な斬撃！★P56FI（轟音ぼうー）.wav", 1.0f, kNoFolder},
    {20, "新ぶっ○.wav", 0.9f, kInter},
    {21, "新ぶっ○.wav", 0.8f, kInter},
    {22, "新ぶっ○.wav", 0.95f, kInter},
    {23, "A1_18280★ぷんっ.wav", 0.95f, kInter},
    {24, "新ぶっ○P63.wav", 0.9f, kInter},
    {25, "Fu40_Pu_Timer.wav", 0.9f, kInter},
    {26, "A1_02039_警報★F28後半.wav", 0.95f, kInter},
    {27, "A1_13234_◎前半短→133後半（風しゃっ最短）.wav", 0.95f, kInter},
    {28, "A1_18280★P112.wav", 0.85f, kInter},
    {30, "A1_13234_◎前半短→133後半（風しゃっ最短）.wav", 0.9f, kInter},
    {40, "Fu40_Pu_Timer.wav", 0.9f, kInter},
    {41, "Fu41_Pu_Choku.wav", 0.9f, kInter},
    {42, "Fu42_Pu_224.wav", 0.9f, kInter},
    {43, "Fu43_Pu_252.wav", 0.9f, kInter},
    {44, "Fu44_Pu_149.wav", 0.9f, kInter},
    {45, "G2_05 ぽうっ、◎.wav", 0.85f, kInter},
    {50, "A5_04125★振る音P33FO→P224（ぶうっ）フキ.wav", 0.85f, kInter},
    {52, "Fu44_Pu_149.wav", 0.85f, kInter},
    {53, "ぷ、◎P50FI（フキ・ぽくん.wav", 0.9f, kInter},
    {54, "ぷ、◎P50（フキ・ぽくん.wav", 0.9f, kInter},
    {55, "ぷ、◎P50（フキ・びっくり.wav", 0.9f, kInter},
    {56, "A5_10312_振るP63前半（ぶっ）フ・中声.wav", 0.95f, kInter},
    {57, "A5_10312_振るP63→P63（ぶぉ）フ・「はっ！」.wav", 0.97f, kInter},
    {58, "A5_10312_振るP63前半（ぶっ）フ・中声.wav", 0.9f, kInter},
    {70, "A1_16258_ポイポイッ◎Pit126→56冒頭部.wav", 0.9f, kInter},
    {100, "A1_02040ビイーンP126.wav", 0.9f, kGame},
    {101, "A1_02040ビイーンPit149.wav", 0.9f, kGame},
    {102, "A5_01014★「決定」_■結果Pit94→Pit50短1.wav", 0.9f, kGame},
    {131, "Mi131_Ques.wav", 0.9f, kInter},
    {132, "Mi132_!Red.wav", 0.9f, kInter},
    {133, "Mi133_!Yellow.wav", 0.9f, kInter},
};

constexpr int kFirstVoice = 1000;
constexpr int kLastVoice = 1999;
constexpr float kVoiceBase = 0.9f;

// The default balloon sounds: as a balloon opens, and as more text goes into it.
constexpr int kOpenSound = 40;
constexpr int kMoreTextSound = 41;
constexpr float kMoreTextOffset = -0.02f;
// The face-move sound, at full base or, for "顔音" 1, a little softer.
constexpr int kFaceMoveSound = 30;
constexpr float kSoftFaceMoveOffset = -0.05f;
// Balloon sounds go on channels 10 to 19, one per face slot.
constexpr int kBalloonChannelBase = 10;

const char* FolderName(Folder folder) {
  switch (folder) {
    case kTitle: return "Title\\";
    case kInter: return "Inter\\";
    case kGame: return "Game\\";
    default: return "";
  }
}

const SoundEntry* FindSound(int number) {
  for (const SoundEntry& e : kSkelvaneSounds) {
    if (e.number == number) return &e;
  }
  return nullptr;
}

// The balloon's default sound for a call of kind n; 0 (none) for other kinds.
int DefaultBalloonSound(int n, float& offset) {
  if (n == 0) return kOpenSound;
  if (n == 1) {
    offset = kMoreTextOffset;
    return kMoreTextSound;
  }
  return 0;
}

}  // namespace

void PlaySoundEffect(int number, int& channel, float& volumeOffset) {
  if (auto table = CurrentModeHooks().PlaySound) table(number, channel, volumeOffset);
}

void PlaySceneSound(int number, int channel, float volumeOffset) { PlaySoundEffect(number, channel, volumeOffset); }

void SkelvaneSoundTable(int number, int& channel, float& volumeOffset) {
  if (number == 0 || number == -1 || number == 8) return;
  std::string file;
  std::string folder;
  float base = 1.0f;
  if (number >= kFirstVoice && number <= kLastVoice) {
    file = "Voice_" + std::to_string(number) + ".wav";
    folder = "Voice\\";
    base = kVoiceBase;
    VoiceSettings.VoiceChannel = channel;
  } else if (const SoundEntry* e = FindSound(number)) {
    file = e->file;
    folder = FolderName(e->folder);
    base = e->base;
  } else {
    // An unlisted number names no file: handing the library the bare folder would
    // load a folder as a sound, and no caller expects a sound from it.
    return;
  }
  float volume = base + volumeOffset;
  if (volume > 1.0f) volume = 1.0f;
  // A large negative offset ("音量" of a queued sound) must not reach the library as
  // a negative volume: silence is the least it can be.
  if (volume < 0.0f) volume = 0.0f;
  const std::string path = tq::ThePlatform().ProgramFolder() + "\\Sound_Data\\Sound\\" + folder + file;
  PlayEffect(channel, path, volume);
}

void BalloonShowSound(int n) {
  AnimationRun.BalloonSoundStarted = 0;
  float offset = 0.0f;
  const int voice = LineState.LineVoice;
  int number = 0;
  if (voice == -1) return;
  if (voice == 0) {
    number = DefaultBalloonSound(n, offset);
  } else if (voice >= 1 && voice < kFirstVoice) {
    number = voice;
  } else if (voice >= kFirstVoice) {
    if (VoiceSettings.VoiceOn == -1) {
      number = voice;
      AnimationRun.BalloonSoundStarted = -1;
    } else if (VoiceSettings.VoiceOn == 0) {
      number = DefaultBalloonSound(n, offset);
    }
  }
  int channel = LineState.CurrentSlot + kBalloonChannelBase;
  PlaySoundEffect(number, channel, offset);
}

void FaceMoveSound() {
  const int g = MotionState.CurrentMotionSlot;
  if (g < 0 || g >= kGroupCount) return;
  const int s = SimultaneousGroup.GroupFaceSound[static_cast<size_t>(g)];
  int number = 0;
  float offset = 0.0f;
  if (s == -1) return;
  if (s == 0) {
    if (SceneSound.DefaultFaceSoundOn == 0) return;
    number = kFaceMoveSound;
  } else if (s == 1) {
    number = kFaceMoveSound;
    offset = kSoftFaceMoveOffset;
  } else {
    number = s;
  }
  int channel = g;
  PlaySoundEffect(number, channel, offset);
}

void RegisterSceneSounds() {
  ModeHooksFor(ModeId::Skelvane).PlaySound = SkelvaneSoundTable;
  ModeHooksFor(ModeId::Other).PlaySound = SkelvaneSoundTable;
}

void ResetSceneSoundState() { SceneSound = SceneSoundRecord{}; }
