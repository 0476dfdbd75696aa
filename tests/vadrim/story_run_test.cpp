// The Vadrim story played the way a player plays it, a click every 1.5 seconds, with
// every board game handing straight back as if cleared: from the title's first item
// through stage 0, stage 1 and the route select into route 0; route 1; route 2 to
// its clear, the final stages, the ending and the title; and the galleries replaying
// route 2's chains. The run is split into stretches that chain (each starts where
// the one before it stops). Every stretch asserts the screens it goes through in
// order, that no line is stuck, that each stage ends on its last line, and at every
// click that the staging holds (the current balloon whole and inside the window,
// every older balloon shown wholly visible or wholly covered, no older balloon's
// tail showing from under a reply that covers it, every thought chain ending at its
// balloon and leading to its thinker, and no hop or shake of the line read left
// until after the click), that between the clicks no tail or bubble of a closed
// balloon shows and no thought chain stands wrong, that every line can be read (the
// current line at a click wait, or for two seconds), that every balloon row is drawn
// inside its balloon, and that every picture and sound a script names has its
// stand-in. A stage with no script in the program is a fault. The checks themselves
// are proven on small stages of our own.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/screen_entry.h"
#include "engine/content_texts.h"
#include "engine/frame_model.h"
#include "engine/modes.h"
#include "engine/text.h"
#include "marbrook/save_file.h"
#include "platform/compositor.h"
#include "platform/platform.h"
#include "scenario/balloon_geometry.h"
#include "scenario/conversation_scene.h"
#include "scenario/script_store.h"
#include "support/balloon_staging.h"
#include "support/engine_harness.h"
#include "assets/asset_drawing.h"
#include "assets/asset_table.h"
#include "support/stand_in_pictures.h"
#include "support/vadrim_stages.h"
#include "vadrim/board/model.h"
#include "vadrim/board/progress.h"
#include "vadrim/story_flow.h"
#include "vadrim/title_screen.h"
#include "vadrim/vadrim_mode.h"
#include "vadrim/vadrim_pictures.h"
#include "vadrim/vadrim_save.h"
#include "vadrim/vadrim_sounds.h"

namespace {

using tq::testing::EngineHarness;
using Strings = std::vector<std::string>;

constexpr uint32_t kClickMs = 1500;     // the player's pace
constexpr uint32_t kStallClicks = 40;   // a screen unchanged for this many clicks is stuck
constexpr uint32_t kTitleClicks = 120;  // the title's own screens, over a stretch
constexpr int kBoard = 51;

// What the player does on a title screen that waits for a click.
struct Pick {
  enum Screen { MainMenu, RouteSelect, SceneGallery, Extras, StageGallery } screen;
  int item;       // the button, route button, entry or row; the stage gallery's group
  int sub = 0;    // the stage gallery's item within its group
};

// Where a stretch starts.
struct Start {
  enum { Title, RouteSelect, Stage } from = Title;
  int stage = 0;
  std::array<int, 3> cleared{};  // RouteCleared before the start
};

struct Stretch {
  const char* name;
  Start start;
  std::vector<Pick> picks;  // in the order their screens come
  Strings path;             // every screen gone through, in order; the last is where it stops
  int playMode = 0;         // the PlayMode every stage is loaded with
};

void PrintTo(const Stretch& s, std::ostream* os) { *os << s.name; }

// The stretches chain: route 0 ends on the route select that route 1 starts from,
// and so on; route 2 is cut at stages 40, 50 and 55.
const Stretch kStretches[] = {
    {"TitleThroughTheOpeningAndRouteZero", {}, {{Pick::MainMenu, 0}, {Pick::RouteSelect, 0}},
     {"main menu", "stage 0", "stage 1", "route select", "stage 10", "board 21", "stage 11", "board 22", "stage 12",
      "stage 13", "route 0 cleared", "route select"}},
    {"RouteOne", {Start::RouteSelect, 0, {1, 0, 0}}, {{Pick::RouteSelect, 2}},
     {"route select", "stage 20", "board 31", "stage 21", "board 32", "stage 22", "board 33", "stage 23", "stage 24",
      "route 1 cleared", "route select"}},
    {"RouteTwoToStageForty", {Start::RouteSelect, 0, {1, 1, 0}}, {{Pick::RouteSelect, 1}},
     {"route select", "stage 30", "board 1", "stage 31", "board 2", "stage 32", "board 3", "stage 33", "stage 40"}},
    {"RouteTwoFromStageFortyToFifty", {Start::Stage, 40, {1, 1, 0}}, {},
     {"stage 40", "board 4", "stage 41", "board 5", "stage 42", "board 6", "stage 43", "stage 50"}},
    {"RouteTwoFromStageFiftyToFiftyFive", {Start::Stage, 50, {1, 1, 0}}, {},
     {"stage 50", "board 7", "stage 51", "board 8", "stage 52", "board 9", "stage 53", "board 10", "stage 54", "stage 55"}},
    {"RouteTwoFromStageFiftyFiveThroughTheEndingToTheTitle", {Start::Stage, 55, {1, 1, 0}}, {},
     {"stage 55", "board 11", "stage 56", "stage 57", "route 2 cleared", "stage 60", "stage 61", "ending", "main menu"}},
    // The extra stage played on its own from the conversation (as the runner's
    // --stage 90 does) falls back to the opening, which its closing's white cover
    // must not hide.
    {"StageNinetyAloneThenTheOpening", {Start::Stage, 90, {}}, {}, {"stage 90", "stage 0", "stage 1", "route select"}},
    // The scene gallery replays the scenes after route 2's boards with PlayMode 1:
    // entry 2 chains 31 to 33, entry 5 plays 54 and then 56 (55 is skipped); each
    // chain's last stage returns to the gallery.
    {"SceneGalleryChainOfThirtyOneToThirtyThree", {}, {{Pick::MainMenu, 2}, {Pick::SceneGallery, 2}},
     {"main menu", "scene gallery", "stage 31", "stage 32", "stage 33", "back to the scene gallery"}, 1},
    {"SceneGalleryFlipBooks", {}, {{Pick::MainMenu, 2}, {Pick::SceneGallery, 5}},
     {"main menu", "scene gallery", "stage 54", "stage 56", "back to the scene gallery"}, 1},
    // The stage gallery, open once every route is cleared, plays route 2 on in
    // PlayMode 2 from stage 54 to the route's last stage and returns to the gallery.
    {"StageGalleryFromStageFiftyFour", {Start::Title, 0, {1, 1, 1}},
     {{Pick::MainMenu, 3}, {Pick::Extras, 1}, {Pick::StageGallery, 4, 0}},
     {"main menu", "extras", "stage gallery", "stage 54", "stage 55", "stage 56", "stage 57", "back to the stage gallery"}, 2},
};

struct RunRecord {
  Strings path;
  Strings faults;    // each ends the run
  Strings findings;  // staging, rows and assets: reported, the run goes on
  std::set<std::string> reportedTexts;
  std::map<int, int> playModes;  // the PlayMode each stage was loaded with
  std::map<int, Strings> lines;  // each stage's lines as pushed
  std::map<std::pair<int, int>, std::string> pictures;  // (kind, number) and where first named
  std::map<int, std::string> sounds;
  int looks = 0;  // clicks at which the staging was looked at
  bool finished = false;
  const Stretch* stretch = nullptr;
  bool fixture = false;  // every stage plays the stretch's fixture lines
};

RunRecord* running = nullptr;
EngineHarness* harness = nullptr;
void (*catalogueLoad)(int, int, int) = nullptr;
void (*soundTable)(int, int&, float&) = nullptr;
void (*titleStep)() = nullptr;

// A line of the stage as it was pushed (the store keeps each line as converted).
std::string LineAt(int line) {
  const Strings& lines = running->lines[SceneCursor.StageNumber];
  const bool inside = line >= 0 && line < static_cast<int>(lines.size());
  return "line " + std::to_string(line + 1) + (inside ? " " + lines[static_cast<size_t>(line)] : "");
}
// The line running, and the line just read.
std::string Running() { return "stage " + std::to_string(SceneCursor.StageNumber) + " " + LineAt(ScriptStore.CurrentScriptLine); }
std::string Read() { return "stage " + std::to_string(SceneCursor.StageNumber) + " " + LineAt(ScriptStore.CurrentScriptLine - 1); }
std::string Screen() {
  return "scene " + std::to_string(SceneCursor.SceneCode) + "/" + std::to_string(SceneCursor.SceneState) + "/" +
         std::to_string(SceneCursor.SceneStep) + " stage " + std::to_string(SceneCursor.StageNumber) + " " +
         LineAt(ScriptStore.CurrentScriptLine);
}

// A stretch that stops at a stage stops as the stage starts.
void Record(const std::string& screen) {
  running->path.push_back(screen);
  if (screen.rfind("stage ", 0) == 0 && screen == running->stretch->path.back()) {
    running->finished = true;
    harness->Platform().SetUntil(harness->Now());
  }
}

void LoadStage() {
  const int stage = SceneCursor.StageNumber;
  Record("stage " + std::to_string(stage));
  running->playModes[stage] = ModeState.PlayMode;
  D20_LoadStage();
  if (!running->fixture && IsVadrimStage(stage) && !tq::testing::VadrimStageHeld(stage)) {
    running->faults.push_back("stage " + std::to_string(stage) + " has no script in the program");
  }
  Strings& lines = running->lines[stage];
  lines.assign(ScriptStore.ScriptText.begin(), ScriptStore.ScriptText.begin() + ScriptStore.ScriptLineCount);
}

// A stage end must come on the stage's last line.
void LeaveScene(int value) {
  const Strings& lines = running->lines[SceneCursor.StageNumber];
  if (lines.empty() || ScriptStore.CurrentScriptLine + 1 != static_cast<int>(lines.size()) || lines.back() != "[別のゲームへ]") {
    running->faults.push_back("ends away from its last line: " + Screen());
  }
  D20_LeaveHook(value);
}

// A board game hands straight back as if cleared, recording its progress as a
// cleared board does.
void BoardHandsBack() {
  const int board = VadrimProgress.GameStage;
  Record("board " + std::to_string(board));
  BoardState.BoardNumber = board;
  D50_RecordProgress(0);
  D50_RecordProgress(1);
  D50_Leave(0);
}

// The title's screens as they are entered.
void TitleStep() {
  const int state = SceneCursor.SceneState, step = SceneCursor.SceneStep;
  if (state == 1 && step == 6) Record("main menu");
  if (state == 20 && step == 0) Record("route select");
  if (state == 500 && step == 0) Record("route " + std::to_string(VadrimProgress.GameStage) + " cleared");
  if (state == -1 && step == 0) Record("ending");
  if (state == 60 && step == -5) Record("scene gallery");
  if (state == 60 && step == -4) Record("back to the scene gallery");
  if (state == 100 && (step == -5 || step == -4)) Record("extras");
  if (state == 120 && step == -5) Record("stage gallery");
  if (state == 120 && step == -4) Record("back to the stage gallery");
  titleStep();
}

void LoadPicture(int target, int kind, int number) {
  if (SceneCursor.SceneCode == kConversationScene && kind != 0) running->pictures.emplace(std::make_pair(kind, number), Running());
  catalogueLoad(target, kind, number);
}

void PlaySound(int number, int& channel, float& volume) {
  if (SceneCursor.SceneCode == kConversationScene && number != 0 && number != -1) running->sounds.emplace(number, Running());
  soundTable(number, channel, volume);
}

// The title screen waiting for a click, and the pick the player makes on it.
bool TitleWaits(Pick::Screen screen) {
  if (SceneCursor.SceneCode != kTitleScene || FrameClock.WaitActive != 0 || SceneCursor.SceneStep != 0) return false;
  const int state = SceneCursor.SceneState, mode = SceneCursor.ButtonMode;
  switch (screen) {
    case Pick::MainMenu: return state == 10 && mode == 10;
    case Pick::RouteSelect: return state == 25 && mode == 25;
    case Pick::SceneGallery: return state == 60 && mode == 60;
    case Pick::Extras: return state == 100 && mode == 65;
    case Pick::StageGallery: return state == 120 && mode == 120;
  }
  return false;
}
bool TitleWaitsAnywhere() {
  for (Pick::Screen s : {Pick::MainMenu, Pick::RouteSelect, Pick::SceneGallery, Pick::Extras, Pick::StageGallery}) {
    if (TitleWaits(s)) return true;
  }
  return false;
}

std::pair<int, int> Middle(int layer) {
  const tq::LayerSurface& l = tq::ThePlatform().Screen().Layer(layer);
  return {l.x + l.image.Width() / 2, l.y + l.image.Height() / 2};
}

std::pair<int, int> PickPoint(const Pick& p) {
  switch (p.screen) {
    case Pick::MainMenu:
    case Pick::RouteSelect: return Middle(TitleWords.BtnFirst + p.item);
    case Pick::SceneGallery:
    case Pick::Extras: return Middle(TitleWords.MenuFirstLayer + p.item);
    case Pick::StageGallery: {
      // A thumbnail's middle on the gallery's panel.
      constexpr int kRowY[] = {80, 215, 350, 430, 510};
      const tq::LayerSurface& panel = tq::ThePlatform().Screen().Layer(TitleWords.PanelLayer);
      const int x = p.item == 5 ? 677 : 40 + 113 * p.sub, y = p.item == 5 ? 20 : kRowY[p.item];
      return {panel.x + x + 46, panel.y + y + 35};
    }
  }
  return {0, 0};
}

// A program folder of the run's own, so that runs side by side keep their save files
// apart; its pictures are the stand-ins, linked in: the game's own and the click-wait
// mark, which the staging check measures.
std::string RunRoot(const std::string& name) {
  const std::string clickWait = "Tanselr_Data/TanselrCG/ETC/ClickWait_Fs16.JPG";
  return tq::testing::StandInPictureRoot("vadrim_run_" + name, [&](const assets::AssetFile& f) {
    return (f.path.find("Kespa_Data/KespaCG/") != std::string::npos && assets::IsPicture(f.row->look)) || f.path == clickWait;
  });
}

// The clicks a stretch may take: every line of each of its stages, and a stall
// allowance for each screen.
uint32_t ClickBound(const Stretch& s, const Strings& fixture) {
  uint32_t clicks = kTitleClicks;
  for (const std::string& screen : s.path) {
    clicks += kStallClicks;
    if (screen.rfind("stage ", 0) != 0) continue;
    const int stage = std::atoi(screen.c_str() + 6);
    // The file's lines (and the flip-books' repeated four), read without loading the
    // stage, whose procedure would set the run's state early.
    const size_t lines = ContentLines("vadrim", tq::testing::VadrimStageName(stage)).size() + 4;
    clicks += static_cast<uint32_t>(fixture.empty() ? lines : fixture.size());
  }
  return clicks;
}

// Plays a stretch; with a fixture, every stage pushes the fixture's lines.
RunRecord Play(const Stretch& stretch, const Strings& fixture = {}) {
  EngineHarness h(kModeVadrim, RunRoot(stretch.name));
  std::filesystem::remove(std::filesystem::u8path(VadrimSavePath()));  // a first start
  ::testing::internal::CaptureStderr();  // the stand-in sounds are not written here
  RunRecord run;
  run.stretch = &stretch;
  run.fixture = !fixture.empty();
  running = &run;
  harness = &h;
  if (run.fixture) SetVadrimStageScriptOverride(fixture);
  const uint32_t bound = ClickBound(stretch, fixture) * kClickMs;

  ConversationHooksFor(ModeId::Vadrim).LoadStage = LoadStage;
  ModeHookSet& mode = ModeHooksFor(ModeId::Vadrim);
  mode.LeaveScene = LeaveScene;
  catalogueLoad = mode.LoadPictureByKind;
  mode.LoadPictureByKind = LoadPicture;
  soundTable = mode.PlaySound;
  mode.PlaySound = PlaySound;
  VadrimScreen(kBoard).Step = BoardHandsBack;
  titleStep = VadrimScreen(kTitleScene).Step;
  VadrimScreen(kTitleScene).Step = TitleStep;

  h.Start();
  // Right after start-up, before the first tick: the progress, and the screen.
  h.Platform().At(1, [&stretch] {
    for (int r = 0; r < kVadrimRouteCount; ++r) VadrimProgress.RouteCleared[r] = stretch.start.cleared[static_cast<size_t>(r)];
    if (stretch.start.from == Start::RouteSelect) {
      GoTo(20, 0);
    } else if (stretch.start.from == Start::Stage) {
      tq::EnterConversationAt(stretch.start.stage);
    }
  });

  tq::testing::BalloonStagingWatch watch(
      h.Platform(), kClickMs, [] { return SceneCursor.SceneCode == kConversationScene ? Read() : std::string(); },
      /*movesWithTheirLine=*/true);
  size_t nextPick = 0;
  std::vector<int> last;
  uint32_t lastMove = 0;
  std::function<void(uint32_t)> tick = [&](uint32_t now) {
    const bool conversation = SceneCursor.SceneCode == kConversationScene;
    if (run.finished || (!run.path.empty() && run.path.back() == stretch.path.back() && nextPick == stretch.picks.size() &&
                         TitleWaitsAnywhere())) {
      run.finished = true;
      h.Platform().SetUntil(now);
      return;
    }
    const std::vector<int> at = {SceneCursor.SceneCode, SceneCursor.SceneState, SceneCursor.SceneStep, SceneCursor.StageNumber,
                                 ScriptStore.CurrentScriptLine};
    if (at != last) last = at, lastMove = now;
    if (now - lastMove >= kStallClicks * kClickMs) run.faults.push_back("stuck for " + std::to_string(kStallClicks) + " clicks at " + Screen());
    if (conversation && ScriptStore.CurrentScriptLine > ScriptStore.ScriptLineCount) run.faults.push_back("ran past its script: " + Screen());
    if (now >= bound) run.faults.push_back("not through by " + std::to_string(now / 1000) + " s, at " + Screen());
    if (!run.faults.empty()) {
      h.Platform().SetUntil(now);
      return;
    }
    if (conversation && SceneCursor.SceneState == 10 && FrameClock.WaitActive == 0) {
      // Where the player reads: the staging and the rows drawn since the last click.
      const std::string where = Read();
      ++run.looks;
      for (const std::string& fault : watch.AtClickWait()) run.findings.push_back(where + ": " + fault);
      for (std::string& fault : tq::testing::BalloonTextsOutside(where, run.reportedTexts, {TextWindow.NarrationLayer})) {
        run.findings.push_back(std::move(fault));
      }
    }
    if (conversation) {
      h.ClickAt(now + 1, 460, 345);
    } else if (nextPick < stretch.picks.size() && TitleWaits(stretch.picks[nextPick].screen)) {
      const auto [x, y] = PickPoint(stretch.picks[nextPick++]);
      h.MoveAt(now + 1, x, y);
      h.ClickAt(now + 61, x, y);
    }
    h.Platform().At(now + kClickMs, [&tick, now] { tick(now + kClickMs); });
  };
  SetPrintRecording(true);
  h.Platform().At(kClickMs, [&tick] { tick(kClickMs); });
  h.RunUntil(bound + kClickMs);
  SetPrintRecording(false);
  for (std::string& fault : watch.Faults()) run.findings.push_back(std::move(fault));
  ::testing::internal::GetCapturedStderr();

  // Every picture and sound a stage named has its stand-in.
  for (const auto& [picture, where] : run.pictures) {
    const std::string path = VadrimPicturePath(picture.first, picture.second);
    if (tq::testing::StandInFile(path) == nullptr) {
      run.findings.push_back(where + ": picture " + std::to_string(picture.first) + " (" + path + ") has no stand-in");
    }
  }
  const VadrimSoundTable& sounds = VadrimSoundTables()[0];
  for (const auto& [number, where] : run.sounds) {
    const auto row = std::find_if(sounds.rows.begin(), sounds.rows.end(), [n = number](const VadrimSoundRow& r) { return r.number == n; });
    if (row == sounds.rows.end()) {
      run.findings.push_back(where + ": sound " + std::to_string(number) + " is not in the conversation's table");
    } else if (tq::testing::StandInFile(std::string(sounds.folder) + row->file) == nullptr) {
      run.findings.push_back(where + ": sound " + std::to_string(number) + " has no stand-in");
    }
  }
  ResetVadrimStoryState();
  running = nullptr;
  harness = nullptr;
  return run;
}

std::string Joined(const Strings& s) {
  std::string out;
  for (const std::string& x : s) out += (out.empty() ? "" : ", ") + x;
  return out;
}

class VadrimStoryRun : public ::testing::TestWithParam<Stretch> {};

TEST_P(VadrimStoryRun, PlaysThroughInTheStoryOrderUnderAClickEveryOneAndAHalfSeconds) {
  const Stretch& stretch = GetParam();
  const RunRecord run = Play(stretch);
  for (const std::string& fault : run.faults) ADD_FAILURE() << fault;
  for (const std::string& finding : run.findings) ADD_FAILURE() << finding;
  EXPECT_TRUE(run.finished) << "did not reach " << stretch.path.back() << "; went through " << Joined(run.path);
  EXPECT_EQ(run.path, stretch.path) << "the screens in the order they came";
  for (const auto& [stage, playMode] : run.playModes) EXPECT_EQ(playMode, stretch.playMode) << "stage " << stage;
}

INSTANTIATE_TEST_SUITE_P(Vadrim, VadrimStoryRun, ::testing::ValuesIn(kStretches),
                         [](const ::testing::TestParamInfo<Stretch>& info) { return std::string(info.param.name); });

// ---- the checks proven on small stages of our own ----

Strings FixtureLines(const std::string& name) {
  std::ifstream in(std::string(THORNQUILL_TEST_DATA) + "/vadrim_stages/" + name, std::ios::binary);
  Strings lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

// Stage 10 played alone up to its board; each test names its own program folder.
Stretch StageTen(const char* name) { return {name, {Start::Stage, 10, {}}, {}, {"stage 10", "board 21", "stage 11"}}; }

TEST(VadrimStoryRunChecks, AWellStagedStagePlaysClean) {
  const Stretch stageTen = StageTen("StageTenClean");
  const RunRecord run = Play(stageTen, FixtureLines("conversation.txt"));
  EXPECT_TRUE(run.faults.empty()) << Joined(run.faults);
  EXPECT_TRUE(run.findings.empty()) << Joined(run.findings);
  EXPECT_TRUE(run.finished);
  EXPECT_EQ(run.path, stageTen.path);
  EXPECT_GE(run.pictures.size(), 3u) << "the background and the two faces are looked at";
  EXPECT_GE(run.looks, 9) << "every balloon line is looked at when it waits";
}

TEST(VadrimStoryRunChecks, StagingRowsAndAssetFaultsAreNamed) {
  const Stretch stageTen = StageTen("StageTenFaults");
  const RunRecord run = Play(stageTen, FixtureLines("staging_faults.txt"));
  const std::string all = Joined(run.findings);
  for (const char* fault : {"an older one, shows", "leaves the window", "is drawn outside its balloon",
                            "picture 27 (Kespa_Data/KespaCG/Back/.jpg) has no stand-in", "sound 99 is not in the conversation's table",
                            // At the click-wait mark: the line being read greyed before its hop; slot 1's
                            // balloon over slot 2's face and its mark; slot 1's "？" off the window's
                            // left edge and its name under the mark; slot 2 pushed off the right edge.
                            "stage 10 line 17 ●1：[フキジャンプ]: the balloon of slot 1 (layer 11), the newest, is drawn greyed",
                            "the face of slot 2 (layer 13 at 200, 150): its eyes and mouth is 100% covered by the balloon of slot 1",
                            "a mark of slot 2 (layer 22) is", "a mark of slot 1 (layer 19) is cut by the window's edge",
                            "the face of slot 1 (layer 10 at 320, 330): its name strip is", "covered by the click-wait mark",
                            "the face of slot 2 (layer 13 at 800, 150): its name strip is cut by the window's edge",
                            "the face of slot 2 (layer 13 at 800, 150): its eyes and mouth stand",
                            // Slot 2's reply in exactly the place of slot 1's balloon, whose tail
                            // still points out from under it.
                            "stage 10 line 27 ●2：[フキA]：フ種=(21,-5,-1)：フ音=43：同じ場所に答える。: the balloon of slot 1 "
                            "(layer 11) lies under the balloon of slot 2 (layer 14) while its tail (layer 12) still shows"}) {
    EXPECT_NE(all.find(fault), std::string::npos) << "no finding names \"" << fault << "\" among: " << all;
  }
  EXPECT_TRUE(run.finished);
}

// The rules over time on planted faults: a line written over at once, a murmur
// too short, a hop left until after the click, a thought chain left behind when its
// balloon is drawn again in its place, a chain whose thinker walked off for another
// face to stand at its end, and a tail a clear left on screen without its balloon
// (seen between the clicks). Nothing else: a murmur of 2.5 seconds, two balloons
// opened together at one click and the thought balloons' openings (their bubbles
// before their bodies) are no faults.
TEST(VadrimStoryRunChecks, TheRulesOverTimeNameTheirPlantedFaultsAndNothingElse) {
  const Stretch stageTen = StageTen("StageTenTimeFaults");
  const RunRecord run = Play(stageTen, FixtureLines("staging_time_faults.txt"));
  const std::string all = Joined(run.findings);
  const char* planted[] = {
      "stage 10 line 8 ●1：[フキA]：フ種=(11,-5,-2)：フ音=43：Ｚ：すぐに書き換えられる。: no click waits on it as the current "
      "line, and it is never the current line, whole and white, at a look; its balloon shows line 9 by the next look",
      "stage 10 line 13 ●1：[フキA]：フ種=(99,0,-2)：Ｚ：短すぎるひとりごと。: no click waits on it as the current line, and it "
      "stays the current line for 1000 ms at most; its balloon then shows line 15",
      "stage 10 line 9 ●1：[フキA]：フ種=(99,0,-2)：書き換えた行。: the hop of the balloon of slot 1 (line 10 "
      "●1：[フキジャンプ]：Ｚ) plays after the click, not with the line read",
      "stage 10 line 23 ●1：[フキA]：フ種=(99,0,-2)：考えの続き。: the thought bubbles of slot 1 (layers 15 to 17) end 28 px "
      "from their balloon (layer 14)",
      "stage 10 line 27 ●2：[顔の移動]：■(,)→(80,330)：■Ty=10：回=1: the thought bubbles of slot 1 (layers 15 to 17) lead to "
      "the face of slot 2, not to the face of slot 1",
      "stage 10 line 33 [ウェイト]：Fu=5: the balloon's tail of slot 1 (layer 12 at 324, 499) shows while its balloon (layer "
      "11) is closed, hidden (between clicks, at 5 looks)",
  };
  for (const char* fault : planted) {
    EXPECT_NE(all.find(fault), std::string::npos) << "no finding names \"" << fault << "\" among: " << all;
  }
  EXPECT_EQ(run.findings.size(), std::size(planted)) << all;
  EXPECT_TRUE(run.faults.empty()) << Joined(run.faults);
  EXPECT_TRUE(run.finished);
}

TEST(VadrimStoryRunChecks, AStageEndAwayFromTheLastLineIsAFault) {
  Strings lines = FixtureLines("conversation.txt");
  lines.push_back("[ウェイト]：Fu=1");
  const Stretch stageTen = StageTen("StageTenEndsEarly");
  const RunRecord run = Play(stageTen, lines);
  ASSERT_EQ(run.faults.size(), 1u) << Joined(run.faults);
  EXPECT_EQ(run.faults[0].rfind("ends away from its last line", 0), 0u) << run.faults[0];
}

}  // namespace
