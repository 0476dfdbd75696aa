// The common timed effects: pauses, moves, blinks, shakes, sways, drops, the curtain
// and the music fade, run as busy-loop AnimationCodes 700 to 999 by every Marbrook
// screen and by every conversation (the scenario engine hands those codes here in
// any mode).
//
// A screen fills EffectParams (and CurrentLayer, CurrentRect, TargetRect or the
// motion slots) and calls Wait(code, 0). When EffectResumesStep is 0 the effect ends
// by returning to the caller of Wait; otherwise it ends with Wait(0, 0), so the
// screen's step runs again. Each effect resets only the fields listed with it, so a
// screen sets every field it needs before each effect.
//
// Codes: 700 pause, 750 music fade-out, 800 move a layer, 801 move slots 0 to
// EffectLastSlot, 802 move with a pause setting, 805 move and resize, 820 blink,
// 825 move slots and blink BlinkBox, 910 drop, 911 random shake, 912 decaying shake,
// 915 sway out, across and back, 916 sway out and back, 920 drop into the centre,
// 950 curtain close, 951 curtain open.
//
// The sound cues and the curtain come from the Marbrook catalogue whatever the mode
// (CrossingHooks). The Vadrim screens run their own copies of these codes on
// EffectParams, with the Common...Frame procedures below.
#pragma once

struct EffectSoundCueRecord {
  int EffectSound = 0;  // a mini-game sound number, 0 none
  int EffectSoundFrame = 0;
  int EffectSoundChannel = 0;
  float EffectSoundVolumeOffset = 0.0f;
};

struct EffectParamsRecord {
  int EffectResumesStep = 0;
  int EffectAmplitude = 0;
  int EffectFrames = 0;
  int EffectMotionKind = 0;
  int EffectLastSlot = 0;
  int EffectOffsetX = 0;
  int EffectOffsetY = 0;
  int EffectRepeats = 0;
  int EffectFrameDelay = 0;
  int EffectVariant = 0;       // read by the screens' own frame procedures
  int FadeBackgroundKind = 0;  // another mode's title fade
  EffectSoundCueRecord EffectSoundCue;
  int BlinkBox = 0;
  int BlinkFrames = 0;
};
extern EffectParamsRecord EffectParams;

// The effects' AnimationCodes.
enum EffectCode : int {
  kEffectPause = 700,
  kEffectMusicFade = 750,
  kEffectMove = 800,
  kEffectMoveSlots = 801,
  kEffectMovePaused = 802,
  kEffectMoveResize = 805,
  kEffectBlink = 820,
  kEffectMoveBlink = 825,
  kEffectDrop = 910,
  kEffectShake = 911,
  kEffectDecayShake = 912,
  kEffectSwayAcross = 915,
  kEffectSwayBack = 916,
  kEffectCentreDrop = 920,
  kEffectCurtainClose = 950,
  kEffectCurtainOpen = 951,
};

// How an effect ends: back to the caller of Wait, or with the screen's step run again
// on the next tick. An effect is always started with its end stated, so none runs on
// what an earlier effect left in EffectResumesStep.
enum class EffectEnd { kNextTick, kReturn };
// Runs effect `code`, its other EffectParams already set, ending as `end` says.
void RunEffect(int code, EffectEnd end);
// The two effects every screen runs alike: the pause of `ms` (700) and the music
// fade-out by a tenth of the volume every `stepMs` (750), each ending as `end` says.
void RunPause(int ms, EffectEnd end = EffectEnd::kReturn);
void RunMusicFade(int stepMs, EffectEnd end = EffectEnd::kReturn);

// The Marbrook EffectHooks member: one frame of the running AnimationCode.
void C40_EffectStep();
// Frames the other copies of the effects share, with the same rules: 910 hop,
// 911 random shake and 912 decaying shake, 916 out and back.
void CommonHopFrame();
void CommonShakeFrame(bool decaying);
void CommonSwayBackFrame();
// One frame of the 750 music fade-out (a tenth of the starting volume a frame at the
// effect's delay, then the music channel stopped and the loop ended). True on the
// frame that reaches silence and on the frame that ends the loop.
bool CommonMusicFadeFrame();
// The end rule of every copy: back to the caller of Wait when EffectResumesStep is 0,
// otherwise the screen's step on the next tick.
void EndCommonEffect();
void ResetEffectParamsState();
