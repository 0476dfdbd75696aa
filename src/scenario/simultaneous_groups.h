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

// Group g moves its face with motion slot g (start, end, MotionStartFrame, MotionPause).
struct SimultaneousGroupRecord {
  int MaxGroup = -1;  // highest group in use, -1 none
  std::array<int, kGroupCount> GroupSlot{};
  std::array<int, kGroupCount> GroupActive{};  // 0 idle, 1 its face move runs, 2 ended
  std::array<int, kGroupCount> GroupMoveType{};
  std::array<int, kGroupCount> GroupFrames{};     // "回": the frames of the face move
  std::array<int, kGroupCount> GroupRecoil{};     // "反動": 0 none, 1, 2, or 10 to 19
  std::array<int, kGroupCount> GroupFaceSound{};  // "顔音"
  std::array<int, kGroupCount> GroupRecoilStart{};  // SimultaneousFrame when the recoil began
};
extern SimultaneousGroupRecord SimultaneousGroup;

// Item parts of the queue tables.
inline constexpr int kPartFaceMove = 0;
inline constexpr int kPartBalloon = 1;
inline constexpr int kPartMini1 = 2;
inline constexpr int kPartMini2 = 3;

// Cells of the queue tables. An index outside the tables as they are dimensioned
// gives a scratch cell, cleared on every call, so bad indices change nothing.
int& KeyTableAt(int slot, int step, int part, int field);
std::string& KeyTextAt(int slot, int step);
int& QueueStartFrameAt(int slot, int part);
int& QueueCursorAt(int slot, int part);
int& QueueStartedAt(int slot, int part);

// Records (0 face move, 10 balloon show, 15 balloon erase, 20 mini show, 25 mini
// erase) or loads (1 face move, 11 balloon, 21 mini) one item of CurrentSlot.
void SimultaneousTable(int kind);
// Loads the first entry of every recorded part of every group; the run starts at frame 0.
void StartQueuedMoves();
// One frame of the simultaneous run (animation code 1020); it finishes the line when
// every item has ended.
void SimultaneousStep();
// For CurrentSlot: when a further chain entry of the part waits, the part's current
// entry is marked finished so that the next one loads.
void MarkItemStarted(int part);
// Empties the queue tables (dimensioned for the present ChainLength) and the groups.
void ResetSimultaneousTables();

// Dimensions KeyTable, KeyText and the three per-part tables anew (all cleared) for
// the present ChainLength; a negative length counts as 0.
void DimensionSimultaneousTables();
// Empties the event, sound and picture queues.
void ClearFixedQueues();

void ResetSimultaneousState();
