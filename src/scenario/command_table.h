// The vocabulary of the script language: bracketed commands, speaker tags and key
// words, each compared with a whole field exactly, character for character.
#pragma once

#include <array>
#include <string_view>

enum class CommandExtra {
  None,
  Queued,              // SimultaneousLine := -1
  BalloonMoveSpeech,   // BalloonMoveThought := 0
  BalloonMoveThought,  // BalloonMoveThought := 1
};

// C3 of a script line, named for the commands that give it. On an action line
// (execution class 5 or 6) it is the action DispatchScriptAction carries out; two
// actions have no command word and come only by number through the "バッ" key. On a
// balloon line it says how KeepText keeps the balloon's text.
enum ScriptActionCode : int {
  kActionDebugFrameLength = -9,    // [デバグ・Tt変更]
  kBalloonTextKeptForBack = -2,    // [同時・フキ表示] [同時・フキA]: kept in state 2
  kBalloonTextKept = -1,           // [フキ表示] [フキA] [フキ直接] [フキC]: kept in state 1
  kActionNone = 0,                 // the commands whose code string leaves C3 out
  kActionBalloonBack = 1,          // [フキバック] [フキバック全]
  kActionWait = 2,                 // [ウェイト]
  kActionToOtherGame = 3,          // [別のゲームへ]
  kActionToOtherScene = 4,         // [別のシーンへ]
  kActionDirectBackground = 5,     // [直接・背景表示]
  kActionClearScreen = 6,          // [画面の消去]
  kActionImmediateEvent = 7,       // [即実行イベ]
  kActionBackgroundLayer = 10,     // no command: the background picture into layer 0
  kActionDirectEvent = 11,         // [イベ直接・基本] [イベ直接・ピク] [顔の消去]
  kActionSoundEffect = 12,         // [効果音]
  kActionMusic = 13,               // [ミュージック再生]
  kActionFaceSetting = 15,         // [顔の設定]
  kActionPlaceFace = 16,           // no command: the face put at the line's "(x,y)"
  kActionBalloonMove = 17,         // [フキ移動] [思フ移動]
  kActionChangeBitmap = 18,        // [BMP変更]
  kActionFaceMove = 20,            // [顔の移動] [同時スタート・顔の移動]
  kActionQueuedFaceMove = 21,      // [同時・顔の移動]
  kActionStartOnly = 22,           // [同時スタートのみ]
  kActionQueuedSeparateMove = 23,  // [同時・フ別移動]
  kActionToFront = 24,             // [最前面へ]
  kActionQueuedEvent = 25,         // [同時・イベ発生]
  kActionQueuedSound = 26,         // [同時・効果音]
  kActionSeparateMove = 27,        // [フ別移動]
  kActionQueuedBitmap = 28,        // [同時・BMP変更]
  kActionNormalEvent = 50,         // [通常イベ]
  kActionSpecialEvent = 51,        // [特殊イベ]
  kActionTanselEvent = 52,         // [Tanselイベ]
  kActionEraseBalloons = 60,       // [フキ複数消去]
  kActionVoiceWait = 62,           // [音声待ち]
  kActionPicAnimation = 63,        // [ぴくアニメ]
};

// The code string is six tokens separated by single spaces; the first is ignored
// and the other five give C1 to C5 ("*" and "**" read as 0). Action is C3 by name,
// held to the code string when the table is built.
struct CommandRow {
  std::string_view Word;
  std::string_view CodeString;
  ScriptActionCode Action;
  CommandExtra Extra;
};

inline constexpr int kCommandCount = 46;
extern const std::array<CommandRow, kCommandCount> kCommandTable;

struct SpeakerTagRow {
  std::string_view Bracketed;
  std::string_view Parenthesised;
  int Speaker;
};
extern const std::array<SpeakerTagRow, 4> kSpeakerTags;

enum class KeyEffect {
  Speaker,          // C0 := value
  SubParam,         // C1 := value
  MainParam,        // C2 := value
  MusicNumber,      // LineMusicNumber := value
  Continue100ms,    // C5 := 1
  Continue1ms,      // C5 := 2
  WaitForClick,     // C5 := 0
  Variables,        // (a,b,c): C0, C1, C2
  EventKind,        // C2 := value
  EventBranch,      // C1 := value
  EventDetail,      // C0 := value
  EventVariables,   // (a,b,c): C2, C1, C0
  BranchTable0,
  BranchTable1,
  BranchTable2,
  BranchTable3,
  BalloonKind,      // (a,b,c): C2 kind, C1 variant, C3 tail
  FontSize,         // LineFontSize := value
  Voice,            // LineVoice := voice word or value
  Action,           // C3 := value
  MiniKind,         // (a,b,c): C3 kind, C2, C1 number (0 becomes 1)
  MiniNumber,       // C1 := value
  MiniSound,        // LineMiniSound := value
};

// One row of key words sharing an effect; unused word places are empty.
struct KeyRow {
  std::array<std::string_view, 3> Words;
  KeyEffect Effect;
};
extern const std::array<KeyRow, 23> kKeyTable;

struct VoiceWordRow {
  std::string_view Word;
  int Voice;
};
extern const std::array<VoiceWordRow, 5> kVoiceWords;

// Lookups in table order; null / 0 when the field matches nothing.
const CommandRow* FindCommand(std::string_view field);
int FindSpeakerTag(std::string_view field);
const KeyRow* FindKey(std::string_view key);
// The voice number a word of the "フ音" key stands for, or 0 when it is no voice word.
int FindVoiceWord(std::string_view word);
