// Members of the scenario engine that are still to be built, declared here so that
// the executor and the frame dispatch call them by their own names. Each has a
// stand-in in pending_members.cpp that does the least that lets a script line end,
// so a script runs to its end; the module that builds a member deletes its
// stand-in there and declares the member in its own header.
#pragma once

// Built: balloon layout, drawing and animation, the scene sounds, the cross-fades
// and the special events.
#include "scenario/balloon_animation.h"
#include "scenario/balloon_drawing.h"
#include "scenario/balloon_layout.h"
#include "scenario/cross_fades.h"
#include "scenario/scene_sounds.h"
#include "scenario/special_events.h"

// Script actions and simultaneous groups, declared in their own headers now.
#include "scenario/script_actions.h"
#include "scenario/simultaneous_groups.h"
// Picture changes and flip-books, direct events and mini pictures.
#include "scenario/direct_events.h"
#include "scenario/mini_pictures.h"
#include "scenario/picture_changes.h"
// Balloon moves, and separate balloon moves.
#include "scenario/balloon_moves.h"
#include "scenario/separate_balloon_moves.h"
// The other frame handlers of a conversation scene.
void NormalEventTick();
