// Conversion of a script line into its six code words and per-line values, the
// readers of its prefix fields, and the number and list readers every parser of a
// line's parameters shares.
#pragma once

#include <array>
#include <string_view>

// The six code words of the current line (C0 to C5).
struct LineCodeRecord {
  int Speaker = 0;       // C0: face slot 0 to 9; above 9 an event sub-parameter
  int SubParam = 0;      // C1
  int MainParam = 0;     // C2
  int ActionCode = 0;    // C3
  int ExecClass = 0;     // C4
  int ContinueMode = 0;  // C5: 0 click, 1 after 100 ms, 2 after 1 ms
};
extern LineCodeRecord LineCode;

// Per-line values of the current line.
struct LineStateRecord {
  int LineFontSize = 0;   // "フFo"; 0 at every conversion
  int LineVoice = 0;      // "フ音"; 0 at every conversion
  int LineMiniSound = 0;  // "ミ音"; 0 at every conversion
  int LineMusicNumber = 0;
  std::array<int, 4> BranchTable{};
  int BalloonMoveThought = 0;
  int SimultaneousLine = 0;  // -1 on a queued line
  int CurrentSlot = 0;
  int LineGroup = 0;
  int LineGroupGiven = 0;  // -1 when the line named its group with ○N
  int LineStartDelay = 0;
  int LineChain = 0;
};
extern LineStateRecord LineState;

inline constexpr int kMaxLineFields = 19;

// The leading decimal number of text (spaces skipped, optional sign, ASCII digits,
// optional fraction), rounded half to even into the 16-bit range; 0 when the text
// does not start with a number.
int ReadScriptNumber(std::string_view text);
// A list "(a,b,c)": the first three items as numbers, missing items 0.
std::array<int, 3> ReadScriptList(std::string_view text);

void ConvertScriptLine();
// Kinds 0 (leading text), 5 (face slot ●N), 6 (group ○N and the automatic group
// rule) and 11 (開始= and 連続=); any other kind does nothing.
void ReadLinePrefixes(int kind);
