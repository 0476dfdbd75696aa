#include "marbrook/stage_dispatch.h"

#include <algorithm>
#include <cstdio>
#include <span>

#include "engine/content_texts.h"
#include "engine/modes.h"
#include "engine/system_menu.h"
#include "scenario/balloon_geometry.h"
#include "scenario/face_slots.h"
#include "scenario/mini_pictures.h"
#include "scenario/scene_sounds.h"
#include "scenario/script_store.h"

namespace {

constexpr int kFirstStage = 1;
constexpr int kLastStage = 202;
constexpr int kBranchStage = 6;
constexpr int kFinaleStage = 100;
constexpr int kDebugStage = 64;

constexpr int kStoryStages[] = {1,  2,  7,  8,  10, 16, 20, 21, 22, 26, 27, 28, 29, 36,  37,  38,  39,  46, 47, 48, 51,
                                52, 53, 54, 61, 62, 63, 64, 71, 72, 73, 74, 81, 82, 83, 84, 91, 92, 200, 201, 202};
static_assert(std::size(kStoryStages) == 41);
constexpr int kFinaleEntries[] = {100, 105, 106, 110, 115, 120, 130, 131, 140, 145};
constexpr int kPreGameIntermissions[] = {3, 6, 11, 23, 30, 40, 49, 55, 65, 75, 85};
constexpr int kPostGameIntermissions[] = {5, 15, 25, 35, 45, 50, 60, 70, 80, 90};
// After a post-game intermission the restart closes the curtain over a blank screen.
constexpr int kCurtainRestart = 2;

bool Listed(std::span<const int> stages, int stage) { return std::ranges::find(stages, stage) != stages.end(); }

// The values that story scripts set besides their lines, kept until a later stage
// changes them.
struct Point {
  int x, y;
};
constexpr Point kAnchorsOfBranch[] = {{520, -40}, {520, -30}, {520, -20}, {550, -33}, {545, -38},
                                      {553, -30}, {620, 130}, {640, 100}, {504, -30}};
constexpr Point kAnchorOfFaces[] = {{10, 90}};

void SetAnchors(std::span<const Point> anchors) {
  for (size_t i = 0; i < anchors.size(); ++i) {
    MiniPicture.MiniAnchorX[i] = anchors[i].x;
    MiniPicture.MiniAnchorY[i] = anchors[i].y;
  }
}

void SetRecoilKind10(int x, int y) {
  RecoilState.MoveTypeScaleX[10] = x;
  RecoilState.MoveTypeScaleY[10] = y;
}

void SetStageValues(int stage) {
  switch (stage) {
    case 7:
    case 8: {
      ThoughtLayoutRecord& t = ThoughtLayout;
      t.ThoughtOffsetX[1][9] = -500;
      t.ThoughtOffsetY[1][9] = -31;
      t.ThoughtBubbleStep[9] = 5;
      t.ThoughtWidth[9] = 470;
      t.ThoughtHeight[9] = 140;
      SetAnchors(kAnchorsOfBranch);
      break;
    }
    case 20: SetAnchors(kAnchorsOfBranch); break;
    case 10:
      SetAnchors(kAnchorOfFaces);
      SetRecoilKind10(-10, 10);
      break;
    case 29:
    case 36:
    case 48: SetAnchors(kAnchorOfFaces); break;
    case 2: SetRecoilKind10(10, 10); break;
    default: break;
  }
}

// Pushes a story file; false (and nothing changed) when the program does not hold it.
bool PushStageFile(int stage) {
  const auto lines = ContentLines("marbrook", StageScriptName(stage));
  if (lines.empty()) return false;
  BeginStageScript();
  SetStageValues(stage);
  for (const char* line : lines) PushScriptLine(line);
  return true;
}

// The finale's entries in script order and the number of lines each holds; an
// entry's label is the line count when its first line is pushed.
constexpr int kFinaleEntryLines[] = {60, 12, 15, 12, 4, 6, 113, 18, 28, 146};
static_assert(std::size(kFinaleEntryLines) == std::size(kFinaleEntries));

bool FinaleHeld() { return !ContentLines("marbrook", StageScriptName(kFinaleStage)).empty(); }

}  // namespace

void C15_Stage100() {
  const auto lines = ContentLines("marbrook", StageScriptName(kFinaleStage));
  if (lines.empty()) return;
  BeginStageScript();
  size_t next = 0;
  for (size_t entry = 0; entry < std::size(kFinaleEntries); ++entry) {
    // A script shorter than its entries leaves the later labels at its end rather
    // than beyond it.
    if (entry > 0) ScriptStore.ScriptLabels[static_cast<size_t>(kFinaleEntries[entry] - kFinaleStage)] = ScriptStore.ScriptLineCount;
    for (int i = 0; i < kFinaleEntryLines[entry] && next < lines.size(); ++i) PushScriptLine(lines[next++]);
  }
  // Lines beyond the last entry's count still belong to it.
  while (next < lines.size()) PushScriptLine(lines[next++]);
}

StageSource StageSourceOf(int stage) {
  if (stage < kFirstStage || stage > kLastStage) return StageSource::None;
  if (Listed(kStoryStages, stage)) return StageSource::StoryFile;
  if (Listed(kFinaleEntries, stage)) return StageSource::Finale;
  if (Listed(kPreGameIntermissions, stage) || Listed(kPostGameIntermissions, stage)) return StageSource::Intermission;
  return StageSource::None;
}

std::string StageScriptName(int stage) {
  char name[16];
  std::snprintf(name, sizeof name, "stage%03d", std::clamp(stage, 0, 999));
  return name;
}

void BeginStageScript() {
  ScriptStore.ScriptLineCount = 0;
  ScriptStore.CurrentScriptLine = 0;
  SceneSound.DefaultFaceSoundOn = 0;
}

void C15_DebugStage() { SceneCursor.StageNumber = kDebugStage; }

void C15_LoadStage() {
  const int stage = SceneCursor.StageNumber;
  SystemMenuStateRecord& menu = SystemMenuState;
  menu.RestartEffect = 0;
  menu.RestartStage = stage;
  switch (StageSourceOf(stage)) {
    case StageSource::None: return;
    case StageSource::StoryFile:
      // The branch's two picks restart at the branch.
      if (stage == 7 || stage == 8) menu.RestartStage = kBranchStage;
      PushStageFile(stage);
      return;
    case StageSource::Intermission:
      C15_Intermission(stage);
      if (Listed(kPostGameIntermissions, stage)) menu.RestartEffect = kCurtainRestart;
      return;
    case StageSource::Finale:
      // One script with ten entries; the script's own procedure writes the labels
      // each entry starts at.
      menu.RestartStage = kFinaleStage;
      if (!FinaleHeld()) return;
      C15_Stage100();
      if (stage != kFinaleStage) ScriptStore.CurrentScriptLine = ScriptStore.ScriptLabels[static_cast<size_t>(stage - kFinaleStage)];
      return;
  }
}
