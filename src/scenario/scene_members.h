// The members of a conversation scene that the executor, the group runner and the
// frame dispatch call by name, gathered in one include.
#pragma once

#include "scenario/balloon_animation.h"
#include "scenario/balloon_drawing.h"
#include "scenario/balloon_layout.h"
#include "scenario/balloon_moves.h"
#include "scenario/cross_fades.h"
#include "scenario/direct_events.h"
#include "scenario/event_motion.h"
#include "scenario/mini_pictures.h"
#include "scenario/normal_events.h"
#include "scenario/picture_changes.h"
#include "scenario/scene_sounds.h"
#include "scenario/script_actions.h"
#include "scenario/separate_balloon_moves.h"
#include "scenario/simultaneous_groups.h"
#include "scenario/scene_events.h"
