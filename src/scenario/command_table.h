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

// The code string is six tokens separated by single spaces; the first is ignored
// and the other five give C1 to C5 ("*" and "**" read as 0).
struct CommandRow {
  std::string_view Word;
  std::string_view CodeString;
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
