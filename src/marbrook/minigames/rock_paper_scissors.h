// Rock-paper-scissors: the Marbrook game's scene 51, a duel against one of three
// opponents, entered with (51, -1 / -2 / -3, 0) and left through G01_Leave to the
// conversation with the post-game stage 5, 25 or 45.
//
// Records: JankenState. Procedures others reach through the scene table:
// G01_Step, G01_Hover, G01_Frame, G01_OnKey; G01_Leave hands back to the story.
// The frame handlers (AnimationCode 1000 to 1099) live in
// rock_paper_scissors_frames.cpp; the signboard wording and other tables in
// rock_paper_scissors_data.cpp.
#pragma once

#include <array>
#include <cstdint>
#include <span>

struct JankenStateRecord {
  int JankenOpponent = 0;      // 1, 2 or 3
  int JankenRound = 0;         // 1 to 3; 4 cleared
  int JankenPlayerHand = 0;    // 0, 1, 2; 3 the fourth button
  int JankenOpponentHand = 0;  // 0, 1, 2
  int JankenOutcome = 0;       // 0 win, 1 loss, 2 draw
  int JankenBoard = 0;         // signboard number code 1002 shows next
  int JankenTalkCount = 0;
  int JankenCardCount = 0;  // opponent card pictures of this round's reveal
  int JankenEndingText = 0;
  std::array<uint32_t, 4> JankenColours = {};  // 0x00BBGGRR
  int JankenEndLayer = 0;
  int JankenFrameLayer = 0;
};
extern JankenStateRecord JankenState;

void G01_Init();
void G01_Judge();
void G01_Step();
void G01_Hover();
bool G01_Frame();
void G01_OnKey();
void G01_Leave();

void RegisterRockPaperScissors();
void ResetRockPaperScissorsState();

// ---- Shared by rock_paper_scissors.cpp and rock_paper_scissors_frames.cpp ----

// Layers and picture kinds both files name.
inline constexpr int kHandButtonLayer = 10;  // + hand 0..2, 13 the fourth button
inline constexpr int kCardLayer = 13;        // + the opponent's hand
inline constexpr int kCopyLayer = 16;        // copies of the opponent's card
inline constexpr int kPortraitLayer = 5;

// The frame handlers of one AnimationCode; false for a code the game has no frames for.
bool G01_RunFrames(int code);
// How many hand buttons the round offers less one: 3 in the third opponent's round 3.
int G01_LastButton();
// Whether the third opponent's final round (four buttons, no judging) is being played.
bool G01_FinalRound();

// The sound of the game's own table, on channel 0 at its base volume.
void G01_Sound(int number);

// Wording of the closing texts printed by codes 1073, 1078 and 1079.
const char* G01_EndingText(int which);  // 0 saved, 1 farewell, 2 defeat
