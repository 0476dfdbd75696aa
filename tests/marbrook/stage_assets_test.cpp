// Every picture and sound that a Marbrook stage script names has its stand-in in the
// asset table, under the very name the game builds, and at the size its use needs.
// New stage files are read as they land.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "assets/asset_drawing.h"
#include "assets/asset_table.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "marbrook/balloon_styles.h"
#include "marbrook/marbrook_pictures.h"
#include "marbrook/marbrook_sounds.h"
#include "marbrook/script_macros.h"
#include "scenario/conversation_scene.h"
#include "scenario/script_conversion.h"
#include "support/engine_harness.h"
#include "support/marbrook_stages.h"

namespace {

// What a line asks for, as the scenario engine reads it after the game's macros.
struct Named {
  std::vector<std::pair<int, int>> pictures;  // (kind, number)
  bool window = false;                        // the pictures cover the window (event pictures, backgrounds)
  bool flipBook = false;                      // the pictures take turns on one layer
  std::vector<int> voices, sounds;
};

int Value(const std::string& field) { return std::atoi(field.substr(field.find('=') + 1).c_str()); }

Named NamedBy(const std::string& line) {
  ScriptStore.ScriptText[0] = line;
  ScriptStore.CurrentScriptLine = 0;
  C15_Macro();
  std::vector<std::string> f;
  int n = 0;
  SplitFields(ScriptStore.ScriptText[0], "：", 29, f, n);
  Named named;
  std::map<std::string, int> values;
  std::string command;
  for (int i = 1; i <= n; ++i) {
    std::string field = f[static_cast<size_t>(i)];
    while (field.rfind("■", 0) == 0) field.erase(0, std::string("■").size());
    if (field.rfind("[", 0) == 0 && command.empty() && field.find("]") == field.size() - 1) command = field;
    const size_t eq = field.find('=');
    if (eq != std::string::npos && !values.count(field.substr(0, eq))) values[field.substr(0, eq)] = Value(field);
  }
  auto picture = [&](const std::string& kindKey, const std::string& numberKey) {
    if (values.count(kindKey) && values[kindKey] != 0) named.pictures.push_back({values[kindKey], values[numberKey]});
  };
  picture("BMP番号", "BMP番号2");
  picture("[顔BMPNo]", "");
  for (const char* k : {"第1_", "第2_", "第3_"}) picture(std::string(k) + "BMP番号", std::string(k) + "BMP番号2");
  named.flipBook = command == "[ぴくアニメ]";
  if (command == "[直接・背景表示]" && values.count("Pc")) {
    const int index = values["Pc"];
    const int kind = index >= 0 && index < kPictureTableSize ? ConversationScene.PictureTable[static_cast<size_t>(index)] : 0;
    named.pictures.push_back({kind, 0});
    named.window = true;
  }
  for (const auto& [kind, number] : named.pictures) named.window |= kind >= 100 && kind <= 199;
  if (values.count("フ音") && values["フ音"] >= 1000) named.voices.push_back(values["フ音"]);
  if (values.count("サウ番")) named.sounds.push_back(values["サウ番"]);
  return named;
}

TEST(MarbrookStageAssets, EveryPictureAndSoundAStageNamesHasItsStandIn) {
  tq::testing::EngineHarness harness(kModeMarbrook);
  C15_LayoutInit();  // the conversation's picture table
  std::set<int> conversationSounds;
  for (const MarbrookSoundRow& row : MarbrookSoundTables()[1].rows) conversationSounds.insert(row.number);
  int pictures = 0, voices = 0;
  for (int stage : tq::testing::HeldMarbrookStages()) {
    if (stage > 100 && stage < 200 && StageSourceOf(stage) == StageSource::Finale) continue;  // one script
    const std::vector<std::string> lines = tq::testing::LoadedMarbrookStage(stage);
    for (size_t i = 0; i < lines.size(); ++i) {
      SCOPED_TRACE("stage " + std::to_string(stage) + " line " + std::to_string(i + 1) + ": " + lines[i]);
      const Named named = NamedBy(lines[i]);
      int frameWidth = -1, frameHeight = -1;
      for (const auto& [kind, number] : named.pictures) {
        ++pictures;
        const std::string path = MarbrookPicturePath(kind, number);
        ASSERT_FALSE(path.empty()) << "picture kind " << kind << " has no name";
        const assets::AssetFile* file = tq::testing::StandInFile(path);
        ASSERT_NE(file, nullptr) << "no stand-in for " << path;
        const assets::AssetRow& row = *file->row;
        EXPECT_TRUE(assets::IsPicture(row.look)) << path;
        EXPECT_TRUE(row.width > 0 && row.height > 0 && row.width <= 920 && row.height <= 690)
            << path << " is " << row.width << " by " << row.height;
        if (named.window) {
          EXPECT_TRUE(row.width == 920 && row.height == 690) << path << " must cover the window, is " << row.width << " by "
                                                             << row.height;
        }
        if (named.flipBook && frameWidth >= 0) {
          EXPECT_TRUE(row.width == frameWidth && row.height == frameHeight) << path << ": a flip-book's frames share one size";
        }
        frameWidth = row.width;
        frameHeight = row.height;
      }
      for (int voice : named.voices) {
        ++voices;
        const assets::AssetFile* file = tq::testing::StandInFile(MarbrookVoicePath(voice));
        EXPECT_TRUE(file != nullptr && file->row->look == assets::Look::Voice) << "no stand-in voice " << voice;
      }
      for (int sound : named.sounds) EXPECT_TRUE(conversationSounds.count(sound)) << "sound " << sound << " is not listed";
    }
  }
  EXPECT_GT(pictures, 100);
  EXPECT_GT(voices, 100);
}

// The reading above finds what the scenario engine would load.
TEST(MarbrookStageAssets, LinesNameTheirPicturesAndVoices) {
  tq::testing::EngineHarness harness(kModeMarbrook);
  C15_LayoutInit();
  using Pictures = std::vector<std::pair<int, int>>;
  struct Case {
    std::string line;
    Pictures pictures;
    bool window, flipBook;
    std::vector<int> voices;
  };
  const Case cases[] = {
      {"●1：[BMP変更]：BMP番号=0102：BMP番号2=03", {{102, 3}}, true, false, {}},
      {"●2：[同時・BMP変更]：BMP番号=0230：開始=1", {{230, 0}}, false, false, {}},
      {"●2：[顔の設定]：■[顔No]=02：[顔BMPNo]=0000：[顔FXNo]=15", {}, false, false, {}},
      {"●2：[顔の設定]：■[顔No]=02：[顔BMPNo]=0006：[顔FXNo]=20", {{6, 0}}, false, false, {}},
      {"●1：「アニメ-136-3」", {{136, 5}, {136, 6}, {136, 10}}, true, true, {}},
      {"[直接・背景表示]：Pc=00", {{33, 0}}, true, false, {}},
      {"●2：[フキA]：■フ種=(21,+8,-2)：フFo=20：フ音=1507：■さあ：フ音=9", {}, false, false, {1507}},
      {"●2：[フキA]：■フ種=(21,+8,-2)：フ音=中声：■やあ", {}, false, false, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const Named named = NamedBy(c.line);
    EXPECT_EQ(named.pictures, c.pictures);
    EXPECT_EQ(named.window, c.window);
    EXPECT_EQ(named.flipBook, c.flipBook);
    EXPECT_EQ(named.voices, c.voices);
  }
}

}  // namespace
