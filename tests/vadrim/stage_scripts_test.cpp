// The Vadrim stage scripts held to the game's fixed shapes: every file in
// content/vadrim/ (files join as they land), loaded through the stage procedure,
// against its row of the stage table (lines, opening and closing, pictures, balloon
// kinds and variants), the line format (fields, keys, sounds, events, no music),
// its balloon rows (count, length, fit as drawn) and its row of the staging plan
// content/vadrim/stage_commands.tsv; the plan against its totals; and the thirty
// stages together against the same totals. The rules are in support/vadrim_stage_rules;
// they are proven here on fixtures of their own in tests/data/vadrim_stages/.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/content_texts.h"
#include "engine/modes.h"
#include "scenario/face_slots.h"
#include "scenario/scene_sounds.h"
#include "scenario/script_store.h"
#include "support/engine_harness.h"
#include "support/vadrim_stage_rules.h"
#include "support/vadrim_stages.h"
#include "vadrim/story_flow.h"

namespace {

using Lines = std::vector<std::string>;
using tq::testing::LoadedVadrimStage;
using tq::testing::QuotedLines;
using tq::testing::ReadVadrimPlan;
using tq::testing::VadrimClosingByPlayMode;
using tq::testing::VadrimCounts;
using tq::testing::VadrimCountsOf;
using tq::testing::VadrimLineFaults;
using tq::testing::VadrimMarkMacros;
using tq::testing::VadrimPlan;
using tq::testing::VadrimPlayModesOf;
using tq::testing::VadrimRowFitFaults;
using tq::testing::VadrimStageFaults;
using tq::testing::VadrimStageRow;
using tq::testing::VadrimStageRowOf;
using tq::testing::VadrimTotals;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "";
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

const std::string kPlanPath = std::string(THORNQUILL_CONTENT) + "/vadrim/stage_commands.tsv";

// ---- the fixtures ----

Lines Fixture(const std::string& name) {
  std::istringstream in(ReadFile(std::string(THORNQUILL_TEST_DATA) + "/vadrim_stages/" + name));
  Lines lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

// A fixture pushed through the stage procedure as `stage`, with the stage table's
// row for its rules but its own length.
Lines FixtureFaults(const std::string& name, int stage, const VadrimCounts* plan, int playMode = 0) {
  SetVadrimStageScriptOverride(Fixture(name));
  const Lines pushed = LoadedVadrimStage(stage, playMode);
  SetVadrimStageScriptOverride({});
  ResetVadrimStoryState();
  VadrimStageRow row = VadrimStageRowOf(stage);
  row.lines = static_cast<int>(pushed.size()) + (VadrimClosingByPlayMode(stage) && playMode % 2 == 1 ? 2 : 0);
  return VadrimStageFaults(row, pushed, playMode, plan);
}

// Whether one of the faults holds `part` in its wording.
bool Names(const Lines& faults, const std::string& part) {
  return std::any_of(faults.begin(), faults.end(), [&](const std::string& f) { return f.find(part) != std::string::npos; });
}

class VadrimStageScripts : public ::testing::Test {
 protected:
  tq::testing::EngineHarness harness_{kModeVadrim};
};

// ---- the real stages ----

TEST_F(VadrimStageScripts, EveryStageFileKeepsItsRowAndTheLineFormat) {
  const VadrimPlan plan = ReadVadrimPlan(ReadFile(kPlanPath));
  for (const ContentFile& file : ContentFiles()) {
    if (std::string(file.Game) != "vadrim") continue;
    const std::string name = file.Name;
    const int stage = name.rfind("stage", 0) == 0 ? std::atoi(name.c_str() + 5) : -1;
    EXPECT_TRUE(IsVadrimStage(stage) && name == tq::testing::VadrimStageName(stage)) << name << " is no stage's file";
  }
  const std::vector<int> held = tq::testing::HeldVadrimStages();
  for (int stage : held) {
    for (int playMode : VadrimPlayModesOf(stage)) {
      SCOPED_TRACE("stage " + std::to_string(stage) + " with PlayMode " + std::to_string(playMode));
      const Lines lines = LoadedVadrimStage(stage, playMode);
      const auto planRow = plan.rows.find(stage);
      const VadrimCounts* row = planRow != plan.rows.end() ? &planRow->second : nullptr;
      if (row == nullptr) ADD_FAILURE() << "the plan has no row for it";
      for (const std::string& fault : VadrimStageFaults(VadrimStageRowOf(stage), lines, playMode, row)) ADD_FAILURE() << fault;
    }
  }
  RecordProperty("stages", static_cast<int>(held.size()));
}

// The plan's rows add up to the totals.
TEST_F(VadrimStageScripts, ThePlanAddsUpToTheTotals) {
  const std::string text = ReadFile(kPlanPath);
  ASSERT_FALSE(text.empty()) << kPlanPath << " is missing or empty";
  for (const std::string& fault : ReadVadrimPlan(text).faults) ADD_FAILURE() << fault;
}

// The thirty stages hold exactly the totals; a stage missing from the program is
// named first.
TEST_F(VadrimStageScripts, TheThirtyStagesMeetTheTotals) {
  std::string missing;
  for (int stage : VadrimStages()) {
    if (!tq::testing::VadrimStageHeld(stage)) missing += (missing.empty() ? "" : ", ") + std::to_string(stage);
  }
  ASSERT_TRUE(missing.empty()) << "no script in the program for stages " << missing;
  VadrimCounts sums;
  for (int stage : VadrimStages()) {
    for (const auto& [column, n] : VadrimCountsOf(LoadedVadrimStage(stage))) sums[column] += n;
  }
  for (const std::string& m : VadrimMarkMacros()) sums["marks"] += sums[m];
  for (const auto& [column, total] : VadrimTotals()) EXPECT_EQ(sums[column], total) << column;
}

// The stage procedure's own settings, whether or not the stage files are in.
TEST_F(VadrimStageScripts, StageTwentyAloneSilencesTheFaceSoundAndStage55SetsItsMoveScales) {
  LoadedVadrimStage(20);
  EXPECT_EQ(SceneSound.DefaultFaceSoundOn, -1);
  LoadedVadrimStage(10);
  EXPECT_EQ(SceneSound.DefaultFaceSoundOn, 0);
  RecoilState.MoveTypeScaleX[10] = 0;
  RecoilState.MoveTypeScaleY[10] = 0;
  LoadedVadrimStage(55);
  EXPECT_EQ(RecoilState.MoveTypeScaleX[10], 10);
  EXPECT_EQ(RecoilState.MoveTypeScaleY[10], 10);
}

// ---- the validator proven on fixtures ----

TEST_F(VadrimStageScripts, TheFixturesPass) {
  // Stage 10's shape: the counts written out, not taken from the fixture.
  const VadrimCounts conversation = {{"lines", 29},         {"Ｚ", 7},            {"[顔の設定]", 3},  {"[通常イベ]", 3},
                               {"[ウェイト]", 2},     {"[顔の移動]", 1},    {"[同時・顔の移動]", 1}, {"[同時スタートのみ]", 1},
                               {"[フキA]", 7},        {"[フキジャンプ]", 1}, {"「？」左", 1},     {"[フキバック]", 1},
                               {"[フキ消去]", 2},     {"[効果音]", 3},      {"[画面の消去]", 1}, {"[別のゲームへ]", 1},
                               {"[フキ複数消去]", 1}};
  struct Case {
    const char* file;
    int stage;
    const VadrimCounts* plan;
    int playMode;
  } cases[] = {
      {"conversation.txt", 10, &conversation, 0}, {"scene.txt", 11, nullptr, 0}, {"scene_gallery_end.txt", 33, nullptr, 0},
      {"scene_gallery_end.txt", 33, nullptr, 1},  {"opening.txt", 0, nullptr, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " as stage " + std::to_string(c.stage) + " with PlayMode " + std::to_string(c.playMode));
    for (const std::string& fault : FixtureFaults(c.file, c.stage, c.plan, c.playMode)) ADD_FAILURE() << fault;
  }
}

// A fault planted in a fixture (a line replaced, or one inserted before it) is named.
TEST_F(VadrimStageScripts, PlantedFaultsAreNamed) {
  struct Case {
    const char* name;
    const char* file;
    int stage;
    int line;  // 1-based
    bool insert;
    std::string text;
    std::string fault;  // a part of the fault's wording
  } cases[] = {
      {"a wrong background", "conversation.txt", 10, 1, false, "●1：[顔の設定]：■[顔No]=01：[顔BMPNo]=0024：[顔FXNo]=00",
       "opening lines 1 on"},
      {"another route's closing", "conversation.txt", 10, 24, false, "[通常イベ]：Ｚ：Ev種=06：Ev分=00", "closing:"},
      {"a picture of another stage", "conversation.txt", 10, 4, false, "●1：[顔の設定]：■[顔No]=01：[顔BMPNo]=0041：[顔FXNo]=10",
       "picture 41 is not one of the stage's"},
      {"slot 2 on its usual layer", "conversation.txt", 10, 5, false, "●2：[顔の設定]：■[顔No]=02：[顔BMPNo]=0040：[顔FXNo]=15",
       "slot 2 on layer 15, not 13"},
      {"a balloon kind of another stage", "conversation.txt", 10, 9, false, "●1：[フキA]：フ種=(12,-5,-1)：フ音=43：雨が近いな。",
       "balloon kind 12"},
      {"ten fields", "conversation.txt", 10, 9, false, "●1：[フキA]：フ種=(11,-5,-1)：フ音=43：Ｚ：一：二：三：四：五",
       "10 fields, more than 9"},
      {"five rows", "conversation.txt", 10, 9, false, "●1：[フキA]：フ種=(11,-5,-1)：一：二：三：四：五", "5 rows"},
      {"a row of 26 characters", "conversation.txt", 10, 9, false,
       "●1：[フキA]：フ種=(11,-5,-1)：あいうえおかきくけこさしすせそたちつてとなにぬねのは", "26 characters"},
      {"a row too wide at a large font", "conversation.txt", 10, 9, false,
       "●1：[フキA]：フ種=(11,-5,-1)：フFo=30：あいうえおかきくけこさしすせそ", "a row too long"},
      {"four rows in a low balloon at a large font", "conversation.txt", 10, 9, false,
       "●1：[フキA]：フ種=(22,-5,-1)：フFo=24：一：二：三：四", "rows do not fit"},
      {"five narration rows", "conversation.txt", 10, 19, false, "[フキA]：フ種=(60,0,-1)：一：二：三：四：五", "5 rows"},
      {"music", "conversation.txt", 10, 9, true, "[ミュージック再生]：ミュ番=3", "a music command"},
      {"an unknown command", "conversation.txt", 10, 9, true, "[フキ生成]：Fu=5", "unknown command [フキ生成]"},
      {"a key of another command set", "conversation.txt", 10, 9, true, "●1：[フキ消去]：ミュー=1", "unknown key ミュー"},
      {"a slot mark after the command", "conversation.txt", 10, 22, false, "[フキ消去]：●1", "stands after the command"},
      {"a stage end in the middle", "conversation.txt", 10, 9, true, "[別のゲームへ]", "a stage end before the last line"},
      {"a sound the stage may not play", "conversation.txt", 10, 9, true, "[効果音]：Ｚ：■サウ番=210：サウID=01",
       "stage 61's alone"},
      {"a balloon sound off the list", "conversation.txt", 10, 9, false, "●1：[フキA]：フ種=(11,-5,-1)：フ音=44：雨が近いな。",
       "balloon sound 44"},
      {"a wait with a note", "conversation.txt", 10, 3, false, "[ウェイト]：Fu=2　ゆっくり", "1 waits carry a note"},
      {"a face shake without frames", "conversation.txt", 10, 9, true, "●1：[通常イベ]：Ｚ：Ev種=31：Ev分=00",
       "event 31 with variant 0, not 10"},
      {"a kind of the row left unused", "conversation.txt", 10, 19, false, "[フキA]：フ種=(21,0,-1)：二人は港の坂を下りていった。",
       "balloon kind 60 of the stage's row is never used"},
      {"one line more", "conversation.txt", 10, 9, true, "●1：[フキバック]", "plan: [フキバック]: 2 lines, the plan says 1"},
      {"a scene variant of another stage", "scene.txt", 11, 14, false, "●2：[フキA]：■フ種=(06,03,-2)：フ音=43：■見て、海の色。",
       "scene balloon variant 3"},
      {"a speaker left unplaced", "scene.txt", 11, 10, false, "●1：[フキバック]", "speaker slot 3 is not put in place"},
      {"the scene from the wrong side", "scene.txt", 11, 8, false,
       "●1：[顔の移動]：Ｚ：■(外左,中央)→(中央,元)：■Ty=11：回=40：反動=1：顔音=1", "does not slide in from 外右"},
      {"the scene changed twice", "scene_gallery_end.txt", 33, 14, true, "●1：[BMP変更]：■BMP番号=0132：BMP番号2=00",
       "the scene changes 2 times"},
      {"the opening's captions out of order", "opening.txt", 0, 4, false, "[通常イベ]：Ｚ：Ev種=20：Ev分=43：■風の章", "line 4 is not"},
      {"a caption wider than the window", "opening.txt", 0, 2, false,
       "[通常イベ]：Ｚ：Ev種=20：Ev分=41：フFo=50：■あいうえおかきくけこさしすせそたちつて", "wider than the window"},
  };
  const VadrimCounts* noPlan = nullptr;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Lines lines = Fixture(c.file);
    ASSERT_LE(static_cast<size_t>(c.line), lines.size());
    const auto at = lines.begin() + (c.line - 1);
    if (c.insert) lines.insert(at, c.text);
    else *at = c.text;
    // Planted files are written out and pushed like the others.
    const Lines original = Fixture(c.file);
    SetVadrimStageScriptOverride(lines);
    const Lines pushed = LoadedVadrimStage(c.stage);
    ResetVadrimStoryState();
    VadrimStageRow row = VadrimStageRowOf(c.stage);
    row.lines = static_cast<int>(pushed.size());
    const VadrimCounts plan = VadrimCountsOf(original);
    const Lines faults = VadrimStageFaults(row, pushed, 0, c.stage == 10 ? &plan : noPlan);
    const bool named = Names(faults, c.fault);
    EXPECT_TRUE(named) << "no fault names \"" << c.fault << "\" among: " << QuotedLines(faults);
  }
}

// The rules of single lines, each in the stage it is written for: a clean line has
// no fault, a faulty one names its fault.
TEST_F(VadrimStageScripts, LineRules) {
  struct Case {
    int stage;
    std::string line, fault;  // "" for a clean line
  } cases[] = {
      {1, "[フキA]：フ種=(50,0,-1)：プロローグ", ""},
      {1, "[フキA]：フ種=(50,0,-1)：一行目：二行目", "2 rows, not 1"},
      {61, "[フキA]：フ種=(50,0,-1)：フFo=32：海辺の町に、朝が来た。", ""},
      {61, "[フキA]：フ種=(50,0,-1)：フFo=32：あいうえおかきくけこさしすせそたちつてとなにぬねのはひふ", "wider than the window"},
      {1, "●1：[フキA]：フ種=(11,-5,-3)：やあ", "balloon tail"},
      {20, "●1：[フキA]：フ種=(30,0,-1)：……本当に、それでいいの？：私には、まだわからない。", ""},
      {20, "●1：[フキA]：フ種=(30,6,-1)：考え", "balloon variant"},
      {11, "●2：[フキA]：■フ種=(06,01,-2)：フ音=43：■一：二：三：四", ""},
      {11, "●2：[フキA]：■フ種=(06,01,-2)：フFo=20：■一：二：三：四", "rows do not fit"},
      {10, "[効果音]：Ｚ：■サウ番=55：サウID=02", ""},
      {10, "[効果音]：Ｚ：■サウ番=55：サウID=01", "sound 55 with ID 1"},
      {61, "[効果音]：Ｚ：■サウ番=210：サウID=01", ""},
      {61, "[効果音]：Ｚ：■サウ番=10：サウID=01", ""},
      {10, "[通常イベ]：Ev種=40", "event 40"},
      {10, "[通常イベ]：Ｚ：Ev種=16：Ev分=00：■文字", "text with [通常イベ]"},
      {10, "[画面の消去]：Ev種=02：Ev分岐=0", "screen erase 2"},
      {10, "[Tanselイベ]：Ｚ：Ev種=10", "stage 1's"},
      {10, "●1：[顔の移動]：Ｚ：■(外右,180)→(630,180)：■Ty=11：回=60：反動=1：顔音=2", "face sound 2"},
      {10, "●7：[フキバック]", "slot 7"},
      {10, "●1：[フキジャンプ]：Ｚ", ""},
      {10, "[フキジャンプ]：■種No=3", "a macro takes nothing but Ｚ"},
      {10, "●1：[フキA]：フ種=(11,-5,-1)：フFo=60：大声", "font size 60"},
      {10, "●1：[フキA]：フ種=(11,-5,-1)", "0 rows"},
      {10, "●2：[フキA]：フ種=(99,0,-1)：まだ何も", "opened no balloon"},
      {10, "●1：[フキ表示]：雨だ", "without フ種"},
      {10, "[ウェイト]：Fu=x", "a wait of x"},
      {90, "●2：[顔の設定]：■[顔No]=02：[顔BMPNo]=0041：[顔FXNo]=15：[フキFXNo]=00：[フ思FXNo]=-1：[ミニFXNo]=18", ""},
      {90, "●2：[顔の設定]：■[顔No]=02：[顔BMPNo]=0041：[顔FXNo]=15：[フキFXNo]=00：[フ思FXNo]=-1：[ミニFXNo]=23",
       "mini layer 23"},
      {61, "●3：[顔の設定]：■[顔No]=03：[顔BMPNo]=0170：[顔FXNo]=02", ""},
      {61, "●4：[顔の設定]：■[顔No]=04：[顔BMPNo]=0063：[顔FXNo]=25", "on layer 25, not 13"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("stage " + std::to_string(c.stage) + ": " + c.line);
    Lines faults = VadrimLineFaults(VadrimStageRowOf(c.stage), c.line);
    for (std::string& f : VadrimRowFitFaults({c.line})) faults.push_back(std::move(f));
    if (c.fault.empty()) {
      EXPECT_TRUE(faults.empty()) << QuotedLines(faults);
    } else {
      const bool named = Names(faults, c.fault);
      EXPECT_TRUE(named) << "no fault names \"" << c.fault << "\" among: " << QuotedLines(faults);
    }
  }
}

// A line count off its row, and the shortened closing's count by PlayMode.
TEST_F(VadrimStageScripts, LineCountsAreHeldByPlayMode) {
  SetVadrimStageScriptOverride(Fixture("scene_gallery_end.txt"));
  const Lines story = LoadedVadrimStage(33, 0);
  const Lines gallery = LoadedVadrimStage(33, 1);
  ResetVadrimStoryState();
  ASSERT_EQ(story.size(), gallery.size() + 2);
  VadrimStageRow row = VadrimStageRowOf(33);
  row.lines = static_cast<int>(story.size());
  EXPECT_TRUE(VadrimStageFaults(row, gallery, 1, nullptr).empty()) << QuotedLines(VadrimStageFaults(row, gallery, 1, nullptr));
  row.lines += 1;
  const Lines faults = VadrimStageFaults(row, story, 0, nullptr);
  ASSERT_FALSE(faults.empty());
  EXPECT_EQ(faults.front(), "pushes " + std::to_string(story.size()) + " lines, not " + std::to_string(story.size() + 1));
  // The story's closing where the gallery's belongs is named, and the reverse.
  EXPECT_NE(QuotedLines(VadrimStageFaults(VadrimStageRowOf(33), story, 3, nullptr)).find("closing:"), std::string::npos);
}

// The plan check on a plan of thirty rows that adds up, and on faults planted in it.
TEST_F(VadrimStageScripts, ThePlanCheckNamesItsFaults) {
  const std::string good = ReadFile(std::string(THORNQUILL_TEST_DATA) + "/vadrim_stages/plan.tsv");
  ASSERT_FALSE(good.empty());
  const VadrimPlan plan = ReadVadrimPlan(good);
  EXPECT_TRUE(plan.faults.empty()) << QuotedLines(plan.faults);
  EXPECT_EQ(plan.rows.size(), 30u);
  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string text = good;
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
  };
  struct Case {
    std::string name, text, fault;
  } cases[] = {
      {"a header of other columns", replaced("[フキA]\t", "[フキB]\t"), "the header is not the fixed one"},
      {"a cell that is no number", replaced("\n0\t14\t4\t", "\n0\t14\tx\t"), "Ｚ is not a whole number: x"},
      {"a row short of a column", replaced("\n0\t14\t4\t", "\n0\t14\t"), "37 columns, not 38"},
      {"a row left out", replaced("\n0\t14\t", "\n#0\t14\t"), "the plan has no row for stage 0"},
      {"a stage without a script", replaced("\n90\t314\t", "\n91\t314\t"), "stage 91 has no script"},
      {"a stage's lines off its row", replaced("\n0\t14\t", "\n0\t15\t"), "with 15 lines, the stage table says 14"},
      {"commands that do not add up", replaced("\n0\t14\t4\t11\t", "\n0\t14\t4\t12\t"), "add up to 15, not its 14 lines"},
      {"a command column off its total", replaced("\n0\t14\t4\t11\t", "\n0\t14\t4\t12\t"),
       "the plan's [フキA] add up to 1333, not 1332"},
      {"the Ｚ column off its total", replaced("\n0\t14\t4\t", "\n0\t14\t5\t"), "the plan's Ｚ add up to 1647, not 1646"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Lines faults = ReadVadrimPlan(c.text).faults;
    const bool named = Names(faults, c.fault);
    EXPECT_TRUE(named) << "no fault names \"" << c.fault << "\" among: " << QuotedLines(faults);
  }
  EXPECT_FALSE(ReadVadrimPlan("").faults.empty());
}

}  // namespace
