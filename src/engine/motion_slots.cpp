#include "engine/motion_slots.h"

std::array<MotionSlotRecord, kMotionSlotCount> MotionSlot;
