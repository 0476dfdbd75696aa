#include "vadrim/story_flow.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string_view>

#include "engine/content_texts.h"
#include "engine/frame_model.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/system_menu.h"
#include "games/mode_state.h"
#include "scenario/auto_reading.h"
#include "scenario/face_slots.h"
#include "scenario/scene_sounds.h"
#include "scenario/script_store.h"
#include "vadrim/vadrim_mode.h"
#include "vadrim/vadrim_save.h"

namespace {

std::optional<std::vector<std::string>> stageScriptOverride;

constexpr int kStages[] = {0,  1,  10, 11, 12, 13, 20, 21, 22, 23, 24, 30, 31, 32, 33,
                           40, 41, 42, 43, 50, 51, 52, 53, 54, 55, 56, 57, 60, 61, 90};
static_assert(std::size(kStages) == 30);

enum class Outcome {
  kNextStage,     // value: the stage
  kBoard,         // value: the board
  kRouteCleared,  // value: the route
  kRouteSelect,
  kEnding,
  kSceneGallery,
  kStageGallery,
  kExtras,
  kFallback,
};

struct FlowRow {
  int stage;
  Outcome outcome;
  int value;
};

// The story (PlayMode 0).
constexpr FlowRow kStory[] = {
    {1, Outcome::kRouteSelect, 0},   {10, Outcome::kBoard, 21},      {11, Outcome::kBoard, 22},
    {12, Outcome::kNextStage, 13},   {13, Outcome::kRouteCleared, 0}, {20, Outcome::kBoard, 31},
    {21, Outcome::kBoard, 32},       {22, Outcome::kBoard, 33},      {23, Outcome::kNextStage, 24},
    {24, Outcome::kRouteCleared, 1}, {30, Outcome::kBoard, 1},       {31, Outcome::kBoard, 2},
    {32, Outcome::kBoard, 3},        {33, Outcome::kNextStage, 40},  {40, Outcome::kBoard, 4},
    {41, Outcome::kBoard, 5},        {42, Outcome::kBoard, 6},       {43, Outcome::kNextStage, 50},
    {50, Outcome::kBoard, 7},        {51, Outcome::kBoard, 8},       {52, Outcome::kBoard, 9},
    {53, Outcome::kBoard, 10},       {54, Outcome::kNextStage, 55},  {55, Outcome::kBoard, 11},
    {56, Outcome::kNextStage, 57},   {57, Outcome::kRouteCleared, 2}, {60, Outcome::kNextStage, 61},
    {61, Outcome::kEnding, 0},
};

// The scene gallery (PlayMode 1): the scenes that follow the board games.
constexpr FlowRow kSceneGalleryFlow[] = {
    {11, Outcome::kNextStage, 12},   {12, Outcome::kNextStage, 13},   {13, Outcome::kSceneGallery, 0},
    {21, Outcome::kNextStage, 22},   {22, Outcome::kNextStage, 23},   {23, Outcome::kNextStage, 24},
    {24, Outcome::kSceneGallery, 0}, {31, Outcome::kNextStage, 32},   {32, Outcome::kNextStage, 33},
    {33, Outcome::kSceneGallery, 0}, {41, Outcome::kNextStage, 42},   {42, Outcome::kNextStage, 43},
    {43, Outcome::kSceneGallery, 0}, {51, Outcome::kNextStage, 52},   {52, Outcome::kNextStage, 53},
    {53, Outcome::kSceneGallery, 0}, {54, Outcome::kNextStage, 56},   {56, Outcome::kSceneGallery, 0},
};

// The stage gallery (PlayMode 2): every stage in route order.
constexpr FlowRow kStageGalleryFlow[] = {
    {1, Outcome::kRouteSelect, 0},   {10, Outcome::kNextStage, 11},   {11, Outcome::kNextStage, 12},
    {12, Outcome::kNextStage, 13},   {13, Outcome::kStageGallery, 0}, {20, Outcome::kNextStage, 21},
    {21, Outcome::kNextStage, 22},   {22, Outcome::kNextStage, 23},   {23, Outcome::kNextStage, 24},
    {24, Outcome::kStageGallery, 0}, {30, Outcome::kNextStage, 31},   {31, Outcome::kNextStage, 32},
    {32, Outcome::kNextStage, 33},   {33, Outcome::kNextStage, 40},   {40, Outcome::kNextStage, 41},
    {41, Outcome::kNextStage, 42},   {42, Outcome::kNextStage, 43},   {43, Outcome::kNextStage, 50},
    {50, Outcome::kNextStage, 51},   {51, Outcome::kNextStage, 52},   {52, Outcome::kNextStage, 53},
    {53, Outcome::kNextStage, 54},   {54, Outcome::kNextStage, 55},   {55, Outcome::kNextStage, 56},
    {56, Outcome::kNextStage, 57},   {57, Outcome::kStageGallery, 0}, {60, Outcome::kNextStage, 61},
    {61, Outcome::kStageGallery, 0},
};

// The extra stage (PlayMode 3).
constexpr FlowRow kExtraFlow[] = {
    {90, Outcome::kExtras, 0},
};

std::span<const FlowRow> FlowOf(int playMode) {
  switch (playMode) {
    case 0: return kStory;
    case 1: return kSceneGalleryFlow;
    case 2: return kStageGalleryFlow;
    case 3: return kExtraFlow;
    default: return {};
  }
}

// Before a board game or a title state: automatic reading slows to a stop and its
// indicator goes.
void HandOver() {
  ReadState.ReadSpeed = 0;
  ShowLayer(SystemLayerSet.AutoIndicatorLayer, false);
}

void ToTitle(int state, int step) {
  HandOver();
  VadrimProgress.GameStage = -1;
  EnterScene(kTitleScene, state, step);
}

void NextStage(int stage) {
  VadrimProgress.GameStage = stage;
  SceneCursor.StageNumber = stage;
  SceneCursor.SceneState = 5;
  SceneCursor.SceneStep = 1;
}

// Stages that push the two lines before their last only in the story and the stage
// gallery (the closing's sound and the cover's shrink).
bool ShortensItsClosing(int stage) { return stage == 33 || stage == 43 || stage == 53 || stage == 56; }

// The flip-books of stages 54 and 56 show their first two pictures, each with its
// wait, twice over: the stage's file holds that group of four lines once, from the
// stage's first picture change, and the procedure pushes it a second time.
constexpr int kFlipBookGroupLines = 4;
constexpr int kFlipBookPasses = 2;
std::optional<size_t> FlipBookGroup(int stage, const std::vector<const char*>& lines) {
  if (stage != 54 && stage != 56) return std::nullopt;
  for (size_t i = 0; i + kFlipBookGroupLines <= lines.size(); ++i) {
    if (std::string_view(lines[i]).find("[BMP変更]") != std::string_view::npos) return i;
  }
  return std::nullopt;
}

}  // namespace

std::span<const int> VadrimStages() { return kStages; }

bool IsVadrimStage(int stage) { return std::find(std::begin(kStages), std::end(kStages), stage) != std::end(kStages); }

void D20_StageScript(int stage) {
  ScriptStore.ScriptLineCount = 0;
  ScriptStore.CurrentScriptLine = 0;
  SceneSound.DefaultFaceSoundOn = stage == 20 ? -1 : 0;
  if (stage == 55) {
    RecoilState.MoveTypeScaleX[10] = 10;
    RecoilState.MoveTypeScaleY[10] = 10;
  }
  std::vector<const char*> lines;
  if (stageScriptOverride) {
    for (const std::string& line : *stageScriptOverride) lines.push_back(line.c_str());
  } else {
    char name[16];
    std::snprintf(name, sizeof name, "stage%03d", stage);
    for (const char* line : ContentLines("vadrim", name)) lines.push_back(line);
  }
  if (const std::optional<size_t> group = FlipBookGroup(stage, lines)) {
    const auto first = lines.begin() + static_cast<std::ptrdiff_t>(*group);
    const std::vector<const char*> once(first, first + kFlipBookGroupLines);
    const auto after = static_cast<std::ptrdiff_t>(*group + kFlipBookGroupLines);
    for (int pass = 1; pass < kFlipBookPasses; ++pass) lines.insert(lines.begin() + after, once.begin(), once.end());
  }
  const int playMode = ModeState.PlayMode;
  const bool shorten = ShortensItsClosing(stage) && playMode != 0 && playMode != 2;
  const size_t n = lines.size();
  for (size_t i = 0; i < n; ++i) {
    if (shorten && n >= 3 && (i == n - 3 || i == n - 2)) continue;
    PushScriptLine(lines[i]);
  }
}

void D20_LoadStage() {
  const int stage = SceneCursor.StageNumber;
  if (IsVadrimStage(stage)) D20_StageScript(stage);
}

void D20_StageEnd() {
  // A closing that whitens the window without shrinking the cover again (stage 90's,
  // and the short closings) must not leave it over whatever comes next: the next
  // stage, a board or a title screen that shows its own.
  ShowLayer(SystemLayerSet.OverlayLayer, false);
  const int stage = SceneCursor.StageNumber;
  const std::span<const FlowRow> flow = FlowOf(ModeState.PlayMode);
  const auto row = std::find_if(flow.begin(), flow.end(), [stage](const FlowRow& r) { return r.stage == stage; });
  const Outcome outcome = row == flow.end() ? Outcome::kFallback : row->outcome;
  const int value = row == flow.end() ? 0 : row->value;
  switch (outcome) {
    case Outcome::kNextStage: NextStage(value); break;
    case Outcome::kBoard:
      HandOver();
      VadrimProgress.GameStage = value;
      EnterScene(kBoardScene, 1, 0);
      break;
    case Outcome::kRouteCleared:
      HandOver();
      VadrimProgress.GameStage = value;
      EnterScene(kTitleScene, 500, 0);
      break;
    case Outcome::kRouteSelect: ToTitle(20, 0); break;
    case Outcome::kEnding: ToTitle(-1, 0); break;
    case Outcome::kSceneGallery: ToTitle(60, -4); break;
    case Outcome::kStageGallery: ToTitle(120, -4); break;
    case Outcome::kExtras: ToTitle(100, -4); break;
    case Outcome::kFallback: NextStage(0); break;
  }
  Wait(0, 0);
}

void D20_LeaveHook(int /*value*/) {
  // Every script leaves with the value 0; any other value is a script slip, and the
  // stage ends as if it had written 0 rather than standing idle.
  D20_StageEnd();
}

void D20_DebugStage() { SceneCursor.StageNumber = 13; }

void SetVadrimStageScriptOverride(std::vector<std::string> lines) { stageScriptOverride = std::move(lines); }

void ResetVadrimStoryState() { stageScriptOverride.reset(); }
