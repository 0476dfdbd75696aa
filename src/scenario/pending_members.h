// Members of the scenario engine that are still to be built, declared here so that
// the executor and the frame dispatch call them by their own names. Each has a
// stand-in in pending_members.cpp that does the least that lets a script line end,
// so a script runs to its end; the module that builds a member deletes its
// stand-in there and declares the member in its own header.
#pragma once

// Built: balloon layout, drawing and animation, and the scene sounds.
#include "scenario/balloon_animation.h"
#include "scenario/balloon_drawing.h"
#include "scenario/balloon_layout.h"
#include "scenario/scene_sounds.h"

// Script actions and simultaneous groups, declared in their own headers now.
#include "scenario/script_actions.h"
#include "scenario/simultaneous_groups.h"
// Picture changes and flip-books.
void PictureLoadByMode(int kind, int number);
void PicAnimParams();
// Direct events.
void DirectEventBasic();
void DirectEventPic();
// Separate balloon moves.
void BalloonSeparateMoveStep();
// Mini pictures.
void AnimateMiniPicture(int code, int queued);
// The other frame handlers of a conversation scene.
void BalloonMoveTick();
void PicAnimTick();
void LineEffectTick();
void SpecialEventTick();
