// Simultaneous groups: lines that run together in one animation are grouped, one
// face slot per group, and their items recorded in the queue tables until a starting
// line runs them all.
#pragma once

#include <array>
#include <string>
#include <vector>

inline constexpr int kGroupCount = 10;
inline constexpr int kQueueEntryCount = 10;
// KeyTable is indexed [slot 0..9][chain step 0..ChainLength][part 0..5][field 0..19].
inline constexpr int kItemPartCount = 6;
inline constexpr int kItemFieldCount = 20;

struct SimultaneousQueueRecord {
  int ChainLength = 9;
  // Sized by DimensionSimultaneousTables for the ChainLength of that moment.
  std::vector<int> KeyTable;
  std::vector<std::string> KeyText;       // [slot][chain step]
  std::vector<int> QueueStartFrame;       // [slot][part 0..ChainLength]
  std::vector<int> QueueCursor;           // same shape
  std::vector<int> QueueStarted;          // same shape
  // The three fixed queues of the run; an entry is in use while its kind or number is above 0.
  std::array<int, kQueueEntryCount> EventQueueKind{};
  std::array<int, kQueueEntryCount> EventQueueStart{};
  std::array<int, kQueueEntryCount> SoundQueueNumber{};
  std::array<int, kQueueEntryCount> SoundQueueChannel{};
  std::array<int, kQueueEntryCount> SoundQueueStart{};
  std::array<float, kQueueEntryCount> SoundQueueVolume{};
  std::array<int, kQueueEntryCount> PictureQueueNumber{};
  std::array<int, kQueueEntryCount> PictureQueueNumber2{};
  std::array<int, kQueueEntryCount> PictureQueueSlot{};
  std::array<int, kQueueEntryCount> PictureQueueStart{};
};
extern SimultaneousQueueRecord SimultaneousQueue;

struct SimultaneousGroupRecord {
  int MaxGroup = -1;  // highest group in use, -1 none
  std::array<int, kGroupCount> GroupSlot{};
  std::array<int, kGroupCount> GroupActive{};  // 0 idle, 1 its face move runs, 2 ended
  std::array<int, kGroupCount> GroupMoveType{};
};
extern SimultaneousGroupRecord SimultaneousGroup;

// Dimensions KeyTable, KeyText and the three per-part tables anew (all cleared) for
// the present ChainLength; a negative length counts as 0.
void DimensionSimultaneousTables();
// Empties the event, sound and picture queues.
void ClearFixedQueues();

void ResetSimultaneousState();
