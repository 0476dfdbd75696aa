#include "scenario/simultaneous_groups.h"

#include <algorithm>

#include "scenario/face_slots.h"

SimultaneousQueueRecord SimultaneousQueue;
SimultaneousGroupRecord SimultaneousGroup;

void DimensionSimultaneousTables() {
  SimultaneousQueueRecord& q = SimultaneousQueue;
  const size_t steps = static_cast<size_t>(std::max(q.ChainLength, 0)) + 1;
  const size_t slots = kFaceSlotCount;
  q.KeyTable.assign(slots * steps * kItemPartCount * kItemFieldCount, 0);
  q.KeyText.assign(slots * steps, std::string());
  q.QueueStartFrame.assign(slots * steps, 0);
  q.QueueCursor.assign(slots * steps, 0);
  q.QueueStarted.assign(slots * steps, 0);
}

void ClearFixedQueues() {
  SimultaneousQueueRecord& q = SimultaneousQueue;
  q.EventQueueKind.fill(0);
  q.EventQueueStart.fill(0);
  q.SoundQueueNumber.fill(0);
  q.SoundQueueChannel.fill(0);
  q.SoundQueueStart.fill(0);
  q.SoundQueueVolume.fill(0.0f);
  q.PictureQueueNumber.fill(0);
  q.PictureQueueNumber2.fill(0);
  q.PictureQueueSlot.fill(0);
  q.PictureQueueStart.fill(0);
}

void ResetSimultaneousState() {
  SimultaneousQueue = SimultaneousQueueRecord{};
  SimultaneousGroup = SimultaneousGroupRecord{};
  DimensionSimultaneousTables();
}
