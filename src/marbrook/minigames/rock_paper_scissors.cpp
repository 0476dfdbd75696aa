#include "marbrook/minigames/rock_paper_scissors.h"

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "marbrook/marbrook_mode.h"
#include "marbrook/marbrook_sounds.h"
#include "games/timed_effects.h"
#include "platform/pixels.h"
#include "platform/platform.h"

JankenStateRecord JankenState;

namespace {

// SceneState values; the three opponents' bodies add 0, 100 or 200 to the round
// states (the opening is 2, 101, 201). States 30 and 31 are shared.
enum : int {
  kSetUp = 1,
  kOpeningA = 2,
  kRoundStart = 5,
  kChoosing = 10,
  kJudging = 20,
  kWon = 21,
  kFinalLoss = 222,  // third opponent's last round, an ordinary hand
  kFinalWin = 223,   // ... the fourth button
  kDrawn = 25,
  kCleared = 30,
  kLost = 31,
};

// AnimationCodes the steps start.
enum : int {
  kTitleIn = 1000,
  kTitleOut = 1001,
  kBoardIn = 1002,
  kBoardOut = 1003,
  kClearPicture = 1005,
  kClearSequence = 1006,
  kOverPicture = 1007,
  kOverCollapse = 1008,
  kRoundBegin = 1009,
  kButtonsRise = 1010,
  kPanelsIn = 1011,
  kPanelsOut = 1012,
  kPromptIn = 1013,
  kPromptOut = 1014,
  kFigure = 1015,
  kFramesBlink = 1016,
  kCardIn = 1020,
  kChoice = 1030,
  kClash = 1031,
  kResult = 1032,
  kResultOut = 1033,
  kPiecesOut = 1034,
  kChoiceFour = 1070,
  kCloseInLoss = 1071,
  kHeartBreaks = 1072,
  kDefeatEnding = 1073,
  kCloseInWin = 1075,
  kVictoryScene = 1076,
  kVictoryFlash = 1077,
  kTextIn = 1078,
  kTextOut = 1079,
};

constexpr int kHandButtonMode = 10;

// Code n with SceneStep := next set first, as every step of the game does.
void Then(int next, int code) {
  SceneCursor.SceneStep = next;
  Wait(code, 0);
}

// The state of this opponent's body for a round state (5, 10, 20, 21, 25).
int Own(int state) { return state + (JankenState.JankenOpponent - 1) * 100; }
int OpeningState() { return JankenState.JankenOpponent == 1 ? kOpeningA : (JankenState.JankenOpponent - 1) * 100 + 1; }

int Board(int base) { return (JankenState.JankenOpponent - 1) * 20 + base; }


void Opening() {
  static constexpr int kTitleCodes[3][2] = {{kTitleIn, kTitleOut}, {1040, 1041}, {1050, 1051}};
  const int o = JankenState.JankenOpponent - 1;
  switch (SceneCursor.SceneStep) {
    case 0: Then(1, kTitleCodes[o][0]); break;
    case 1: Then(2, kTitleCodes[o][1]); break;
    case 2:
      JankenState.JankenBoard = Board(0);
      Then(3, kBoardIn);
      break;
    case 3:
      GoTo(Own(kRoundStart), 0);
      Wait(kBoardOut, 0);
      break;
    default: break;
  }
}

void DrawHand() { JankenState.JankenOpponentHand = RandomRange(0, 2); }

// Step 4 of the round start: the opponent's hand, and what it says before the choice.
void OpponentHand() {
  const int round = JankenState.JankenRound;
  switch (JankenState.JankenOpponent) {
    case 1:
      DrawHand();
      Then(5, kCardIn);
      if (round == 3) SceneCursor.SceneStep = 20;  // the round-3 remark after the card
      break;
    case 2:
      if (round == 1) {
        DrawHand();
        Then(5, kCardIn);
        break;
      }
      JankenState.JankenCardCount = round == 2 ? 2 : 6;
      if (round == 3) JankenState.JankenTalkCount = 1;
      DrawHand();
      JankenState.JankenBoard = round == 2 ? 37 : 36;
      Then(20, kCardIn);
      break;
    default:
      JankenState.JankenTalkCount = 0;
      if (round == 1) {
        JankenState.JankenCardCount = 7;
        DrawHand();
        JankenState.JankenBoard = 60;
        Then(20, 1060);
      } else if (round == 2) {
        JankenState.JankenCardCount = 1;
        JankenState.JankenOpponentHand = 1;  // shown during the speech; the real hand comes later
        JankenState.JankenBoard = 65;
        Then(20, kCardIn);
      } else {
        JankenState.JankenCardCount = 1;
        JankenState.JankenOpponentHand = 1;
        JankenState.JankenBoard = 70;
        SceneCursor.SceneStep = 20;
        Wait(0, 0);
      }
      break;
  }
}

// Speech steps 20 to 24 of the first opponent's round 3.
void RemarkA(int step) {
  switch (step) {
    case 20:
      JankenState.JankenBoard = 15;
      Then(21, kBoardIn);
      break;
    case 21: Then(22, kBoardOut); break;
    case 22:
      SceneCursor.SceneStep = 5;
      Wait(-1, 500);
      break;
    default: break;
  }
}

// Speech steps of the second opponent's rounds 2 and 3: one or two signboards.
void RemarkB(int step) {
  switch (step) {
    case 20:
      SceneCursor.SceneStep = 21;
      Wait(-1, 500);
      break;
    case 21: Then(22, kBoardIn); break;
    case 22: Then(23, kBoardOut); break;
    case 23:
      if (JankenState.JankenTalkCount >= 1) {
        JankenState.JankenTalkCount = 0;
        JankenState.JankenBoard = 38;
        SceneCursor.SceneStep = 21;
        Wait(-1, 250);
      } else {
        SceneCursor.SceneStep = 5;
        Wait(-1, 500);
      }
      break;
    default: break;
  }
}

// What the third opponent does after speech board `count` of its round.
void TalkOn(int board, int code) {
  JankenState.JankenBoard = board;
  SceneCursor.SceneStep = 20;
  Wait(code, 0);
}

void AfterTalkC(int count) {
  switch (JankenState.JankenRound) {
    case 1: {
      static constexpr int kCodes[] = {0, 1061, 1062, 1063, 0};
      if (count >= 1 && count <= 4) TalkOn(60 + count, kCodes[count]);
      else if (count == 5) Then(5, 0);
      break;
    }
    case 2: {
      static constexpr int kCodes[] = {0, 0, 1065, 0, 0};
      if (count >= 1 && count <= 4) {
        TalkOn(65 + count, kCodes[count]);
      } else if (count == 5) {
        DrawHand();
        Then(5, 1066);
      }
      break;
    }
    default:
      if (count >= 1 && count <= 7) {
        TalkOn(70 + count, 0);
      } else {
        Then(5, kCardIn);
      }
      break;
  }
}

void RemarkC(int step) {
  switch (step) {
    case 20:
      SceneCursor.SceneStep = 21;
      Wait(-1, 200);
      break;
    case 21: Then(22, kBoardIn); break;
    case 22: Then(23, kBoardOut); break;
    case 23:
      SceneCursor.SceneStep = 24;
      Wait(-1, 200);
      break;
    case 24:
      JankenState.JankenTalkCount += 1;
      AfterTalkC(JankenState.JankenTalkCount);
      break;
    default: break;
  }
}

void RoundStart() {
  static constexpr int kMusic[3][2] = {{100, 101}, {110, 111}, {120, 121}};
  const int step = SceneCursor.SceneStep;
  switch (step) {
    case 0:
      if (JankenState.JankenRound == 1) C15_PlayMusic(kMusic[JankenState.JankenOpponent - 1][0]);
      if (JankenState.JankenRound == 3) C15_PlayMusic(kMusic[JankenState.JankenOpponent - 1][1]);
      Then(1, kRoundBegin);
      break;
    case 1: Then(2, kButtonsRise); break;
    case 2: Then(3, kPanelsIn); break;
    case 3: Then(4, kPanelsOut); break;
    case 4: OpponentHand(); break;
    case 5: Then(6, kPromptIn); break;
    case 6: Then(7, kPromptOut); break;
    case 7:
      SceneCursor.SceneStep = 10;
      Wait(0, 0);
      break;
    case 10: Then(11, kFigure); break;
    case 11:
      SceneCursor.ButtonMode = kHandButtonMode;
      GoTo(Own(kChoosing), -1);
      Wait(kFramesBlink, 0);
      break;
    default:
      if (step < 20 || step > 24) break;
      if (JankenState.JankenOpponent == 1 && JankenState.JankenRound == 3) RemarkA(step);
      else if (JankenState.JankenOpponent == 2 && JankenState.JankenRound >= 2) RemarkB(step);
      else if (JankenState.JankenOpponent == 3) RemarkC(step);
      break;
  }
}

void Choosing() {
  switch (SceneCursor.SceneStep) {
    case -1:
      // Once more on top, so the signboard resting below the window stays the front one.
      LayerToBack(0);
      LayerToFront(0);
      SceneCursor.SceneStep = 0;
      break;
    case 0: {
      const int index = InputEvent.InputSourceIndex;
      if (InputEvent.InputSourceKind != 50 || SceneCursor.ButtonMode != kHandButtonMode) break;
      if (index < kHandButtonLayer || index > kHandButtonLayer + G01_LastButton()) break;
      // The hand comes from the clicked layer, never from a hover that may be stale.
      JankenState.JankenPlayerHand = index % 10;
      SceneCursor.ButtonMode = 0;
      if (G01_FinalRound()) {
        GoTo(JankenState.JankenPlayerHand == 3 ? kFinalWin : kFinalLoss, 0);
        Wait(kChoiceFour, 0);
      } else {
        GoTo(Own(kJudging), 0);
        Wait(kChoice, 0);
      }
      break;
    }
    default: break;
  }
}

void Judging() {
  switch (SceneCursor.SceneStep) {
    case 0: Then(1, kClash); break;
    case 1:
      G01_Judge();
      Then(2, kResult);
      break;
    case 2: Then(3, kResultOut); break;
    case 3: Then(4, kPiecesOut); break;
    case 4:
      if (JankenState.JankenOutcome == 0) {
        JankenState.JankenRound += 1;
        GoTo(Own(kWon), 0);
        Wait(-1, 500);
      } else if (JankenState.JankenOutcome == 1) {
        GoToNextTick(kLost, 0);
      } else {
        GoToNextTick(Own(kDrawn), 0);
      }
      break;
    default: break;
  }
}

void Won() {
  JankenStateRecord& janken = JankenState;
  switch (SceneCursor.SceneStep) {
    case 0: {
      static constexpr int kBase[] = {9, 29};
      janken.JankenBoard = janken.JankenOpponent == 3 ? 55 : janken.JankenRound + kBase[janken.JankenOpponent - 1];
      Then(1, kBoardIn);
      break;
    }
    case 1:
      GoTo(janken.JankenRound == 4 ? kCleared : Own(kRoundStart), 0);
      Wait(kBoardOut, 0);
      break;
    default: break;
  }
}

void Drawn() {
  static constexpr int kDrawBoards[] = {16, 34, 51};
  switch (SceneCursor.SceneStep) {
    case 0:
      JankenState.JankenBoard = kDrawBoards[JankenState.JankenOpponent - 1];
      Then(1, kBoardIn);
      break;
    case 1: Then(2, kBoardOut); break;
    case 2:
      // The same round again from its panels: no music restart, a new hand.
      GoToNextTick(Own(kRoundStart), 1);
      break;
    default: break;
  }
}

void Cleared() {
  switch (SceneCursor.SceneStep) {
    case 0:
      SceneCursor.SceneStep = 1;
      Wait(-1, 500);
      break;
    case 1:
      // The third opponent's music was faded when its last round ended.
      if (JankenState.JankenOpponent != 3) RunMusicFade(100);
      Then(2, kClearPicture);
      break;
    case 2: Then(3, kClearSequence); break;
    case 3: G01_Leave(); break;
    default: break;
  }
}

void Lost() {
  switch (SceneCursor.SceneStep) {
    case 0:
      JankenState.JankenBoard = Board(10);
      Then(1, kBoardIn);
      break;
    case 1: Then(2, kBoardOut); break;
    case 2:
      RunMusicFade(100);
      Then(3, kOverPicture);
      break;
    case 3:
      GoTo(kSetUp, 0);
      Wait(kOverCollapse, 0);
      break;
    default: break;
  }
}

void FinalLoss() {
  switch (SceneCursor.SceneStep) {
    case 0:
      Wait(kCloseInLoss, 0);
      RunMusicFade(100);
      SceneCursor.SceneStep = 1;
      Wait(0, 0);
      break;
    case 1: Then(2, kHeartBreaks); break;
    case 2:
      GoTo(kLost, 2);
      Wait(kDefeatEnding, 0);
      break;
    default: break;
  }
}

void FinalWin() {
  const int step = SceneCursor.SceneStep;
  switch (step) {
    case 0:
      Wait(kCloseInWin, 0);
      RunMusicFade(100);
      SceneCursor.SceneStep = 1;
      Wait(0, 0);
      break;
    case 1: Then(2, kVictoryScene); break;
    case 2: Then(3, kVictoryFlash); break;
    case 3:
    case 5:
      JankenState.JankenEndingText = step == 3 ? 0 : 1;
      Then(step + 1, kTextIn);
      break;
    case 4:
      JankenState.JankenEndingText = 0;
      Then(5, kTextOut);
      break;
    case 6:
      JankenState.JankenEndingText = 1;
      GoTo(kCleared, 0);
      Wait(kTextOut, 0);
      break;
    default: break;
  }
}

// The states every opponent shares (the round states of the first opponent).
void SharedState(int state) {
  switch (state) {
    case kCleared: Cleared(); break;
    case kLost: Lost(); break;
    default: break;
  }
}

// One opponent's body: `state` is its own state less its offset.
void RoundsBody(int state) {
  switch (state) {
    case kRoundStart: RoundStart(); break;
    case kChoosing: Choosing(); break;
    case kJudging: Judging(); break;
    case kWon: Won(); break;
    case kDrawn: Drawn(); break;
    default: break;
  }
}

void G01_RoundsA() {
  const int state = SceneCursor.SceneState;
  if (state == kOpeningA) Opening();
  else if (state == kCleared || state == kLost) SharedState(state);
  else RoundsBody(state);
}

void G01_RoundsB() {
  const int state = SceneCursor.SceneState - 100;
  if (state == 1) Opening();
  else RoundsBody(state);
}

void G01_RoundsC() {
  const int state = SceneCursor.SceneState;
  if (state == kFinalLoss) FinalLoss();
  else if (state == kFinalWin) FinalWin();
  else if (state == 201) Opening();
  else RoundsBody(state - 200);
}

}  // namespace

void G01_Init() {
  JankenState.JankenColours = {0xFFFFFFu, Grey(180), Grey(96), Grey(64)};
  JankenState.JankenRound = 1;
  JankenState.JankenEndLayer = 30;
  JankenState.JankenFrameLayer = 2;
  JankenState.JankenTalkCount = 0;
  JankenState.JankenCardCount = 1;
}

void G01_Judge() {
  const int p = JankenState.JankenPlayerHand;
  const int o = JankenState.JankenOpponentHand;
  if (p < 0 || p > 2 || o < 0 || o > 2) return;
  // Hand n beats hand n + 1 (mod 3).
  if (p == o) JankenState.JankenOutcome = 2;
  else if ((p + 1) % 3 == o) JankenState.JankenOutcome = 0;
  else JankenState.JankenOutcome = 1;
}

int G01_LastButton() { return G01_FinalRound() ? 3 : 2; }
bool G01_FinalRound() { return JankenState.JankenOpponent == 3 && JankenState.JankenRound == 3; }

void G01_Step() {
  const int state = SceneCursor.SceneState;
  switch (state) {
    case -1:
    case -2:
    case -3:
    case 0:
      JankenState.JankenOpponent = state == 0 ? 3 : -state;
      GoToNextTick(kSetUp, 0);
      break;
    case kSetUp:
      G01_Init();
      GoToNextTick(OpeningState(), 0);
      break;
    default:
      if (state >= 2 && state <= 99) G01_RoundsA();
      else if (state >= 100 && state <= 199) G01_RoundsB();
      else if (state >= 200 && state <= 299) G01_RoundsC();
      break;
  }
}

void G01_Hover() {
  if (SceneCursor.ButtonMode != kHandButtonMode) return;
  const int last = G01_LastButton();
  auto paint = [](int n, uint32_t back, uint32_t edge) {
    const int layer = JankenState.JankenFrameLayer + n;
    LayerInfo(layer).BackColor = back;
    ClearLayerImage(layer);
    tq::Surface& image = LayerImage(layer);
    tq::DrawBox(image, 0, 0, image.Width() - 1, image.Height() - 1, tq::PixelFromColor(edge));
    image.MarkChanged();
  };
  for (int n = 0; n <= last; ++n) paint(n, JankenState.JankenColours[2], JankenState.JankenColours[3]);
  const int index = InputEvent.InputSourceIndex;
  if (InputEvent.InputSourceKind == 50 && index >= kHandButtonLayer && index <= kHandButtonLayer + last) {
    paint(index % 10, JankenState.JankenColours[0], JankenState.JankenColours[1]);
  }
}

bool G01_Frame() {
  const int code = FrameClock.AnimationCode;
  if (code < 1000) {
    C40_EffectStep();
    return true;
  }
  if (code > 1099) return false;
  return G01_RunFrames(code);
}

void G01_OnKey() {
  if (InputEvent.AdvanceKeyDown != 1) return;
  // The engine forgets the input source for an advance key: the key presses the hand
  // button under the pointer where it rests now.
  tq::Platform& platform = tq::ThePlatform();
  const int x = platform.LastPointerX();
  const int y = platform.LastPointerY();
  if (x >= 0 && y >= 0) {
    const int layer = platform.Screen().HitTest(x, y, nullptr, nullptr);
    if (layer >= kHandButtonLayer && layer <= kHandButtonLayer + G01_LastButton()) {
      InputEvent.InputSourceKind = 50;
      InputEvent.InputSourceIndex = layer;
    }
  }
  G01_Step();
}

void G01_Leave() {
  static constexpr int kStages[] = {5, 25, 45};
  const int o = JankenState.JankenOpponent;
  SceneCursor.StageNumber = o >= 1 && o <= 3 ? kStages[o - 1] : kStages[2];
  SceneCursor.SceneCode = kConversationScene;
  GoToNextTick(0, 10);
}

void G01_Sound(int number) {
  int channel = 0;
  float offset = 0.0f;
  G01_PlaySound(number, channel, offset);
}

void RegisterRockPaperScissors() {
  ScreenHookSet& screen = MarbrookScreen(51);
  screen.Step = G01_Step;
  screen.Hover = G01_Hover;
  screen.Frame = G01_Frame;
  screen.OnKey = G01_OnKey;
}

void ResetRockPaperScissorsState() { JankenState = JankenStateRecord{}; }
