// The frame hook of every conversation scene: routes each frame of a scenario
// animation code to its handler, whatever the game mode.
//
// Handler contract: a handler runs once per frame, counts its own AnimationFrame
// (and step, sub-step) and ends in one of three ways: FinishScriptAction (the loop
// ends after this frame and the line continues), FrameLoopRunning := 0 alone (back
// to the caller of Wait), or Wait(0, 0) (the mode's step runs again 13 ms later).
// Ending the loop comes before arming any timer, so a continuation keeps its
// milliseconds.
#pragma once

// The scenario's animation codes: what a script line's Wait runs, frame by frame.
enum ScenarioAnimationCode : int {
  kAnimSpeechOpening = 1010,   // balloon kinds 5 to 29
  kAnimBalloonErase = 1011,    // a speech or thought balloon closes
  kAnimThoughtOpening = 1015,  // kinds 30 to 49
  kAnimCaptionOpening = 1017,  // kinds 50 to 59
  kAnimWindowOpening = 1018,   // kinds 60 to 69
  kAnimNarrationErase = 1019,  // a caption box or window closes
  kAnimGroupRun = 1020,        // the simultaneous groups
  kAnimBalloonMove = 1021,     // [フキ移動] [思フ移動]
  kAnimFirstMini = 1030,       // 1030 to 1035: a mini picture of kind 30 to 35 appears
  kAnimLastMini = 1035,
  kAnimMiniErase = 1039,
  kAnimEraseBalloons = 1060,  // [フキ複数消去]
  kAnimVoiceWait = 1062,      // [音声待ち]
  kAnimPicAnimation = 1063,   // [ぴくアニメ]
  kAnimAutoVoiceWait = 1100,  // automatic reading waits for the voice to end
  kAnimFadeInPicture = 1210,  // 1210 to 1219: the Skelvane story's fades (cross_fades.h)
  kAnimFadeToKept = 1211,
  kAnimTextBlock = 1215,
  kAnimFadeTextOut = 1216,
  kAnimCentredTextBlock = 1217,
  kAnimNormalEvents = 1500,   // [通常イベ]: 1500 + the event's kind
  kAnimSpecialEvents = 1600,  // [特殊イベ]: 1600 + kind
  kAnimTanselEvents = 1700,   // [Tanselイベ]: 1700 + kind, the Marbrook conversation effects
};

// One frame of the running AnimationCode. Returns false when no handler serves the
// code, so the engine ends the loop instead of spinning.
bool ScenarioFrameDispatch();
// Kind 0 clears the saved frame and sub-step counters of every mini; other kinds do nothing.
void ClearMovingFlags(int kind);
