#include "scenario/face_slots.h"

FaceSlotRecord FaceSlot;

void ResetFaceSlotState() { FaceSlot = FaceSlotRecord{}; }
