// Members of the scenario engine that are still to be built, declared here so that
// the executor and the frame dispatch call them by their own names. Each has a
// stand-in in pending_members.cpp that does the least that lets a script line end,
// so a script runs to its end; the module that builds a member deletes its
// stand-in there and declares the member in its own header.
#pragma once

// Balloon layout and drawing.
void BalloonLayout(int unused);
void BalloonPlace(int mode);
void BalloonText(int type);
void AnimateBalloon(int code, int queued);
// Scene sounds.
void BalloonShowSound(int kind);
// Script actions.
void DispatchScriptAction();
// Simultaneous groups.
void SimultaneousTable(int kind);
void StartQueuedMoves();
void SimultaneousStep();
void ResetSimultaneousTables();
// Mini pictures.
void AnimateMiniPicture(int code, int queued);
// The other frame handlers of a conversation scene.
void BalloonMoveTick();
void PicAnimTick();
void LineEffectTick();
void NormalEventTick();
void SpecialEventTick();
