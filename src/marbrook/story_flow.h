// Where the Marbrook story goes when a conversation stage is over (C15_StageEnd, the
// ModeHooks LeaveScene and ConversationHooks StageEnd member), and the hand-back of
// the mini-game entries whose game is not in the program.
//
// The story table chains the stages and hands over to the mini-games' entries
// (SceneCode 51 to 60); the replay ring chains the 32 replayable stages. A game
// hands control back by writing its post-game stage into StageNumber and entering
// the conversation at (10, 0, 10).
#pragma once

// What a finished stage leads to.
struct StageRoute {
  enum Kind { None, NextStage, HandOver } kind = None;
  int stage = 0;                     // NextStage
  int scene = 0, state = 0, step = 0;  // HandOver
};
// The route of `stage` in the story table (playMode 0) or the replay ring (1).
StageRoute RouteOf(int playMode, int stage);

void C15_StageEnd();
// The stage a game entry (scene, state, step) hands back to when its game is over;
// 0 for an entry that returns elsewhere (the free-play casino).
int PostGameStage(int scene, int state, int step);
// The Step of a game that is not in the program: straight back to its post-game stage.
void HandBackWithoutGame();
// Fills every mini-game screen row that has no Step with a stand-in that hands
// straight back to the post-game stage; a game plugs in by filling its own row.
void RegisterGameStandIns();
