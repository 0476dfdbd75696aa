// The Marbrook stage scripts: every script the program holds (the intermissions'
// templates and every content/marbrook/stageNNN.txt) kept to the game's conventions,
// and the intermissions' shapes. The story-script issues add their stages to
// kStageRows.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/content_texts.h"
#include "engine/game_window.h"
#include "engine/text.h"
#include "marbrook/balloon_styles.h"
#include "platform/fonts.h"
#include "platform/text_encoding.h"
#include "scenario/balloon_geometry.h"
#include "scenario/script_conversion.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "marbrook/script_macros.h"
#include "marbrook/stage_dispatch.h"
#include "scenario/script_store.h"
#include "support/engine_harness.h"
#include "support/marbrook_stages.h"

namespace {

// Each stage the program holds: its line count and how it opens; for the story
// scripts also its balloon lines and its voices (lowest, highest, voiced lines).
// -1 leaves a count unchecked (the intermissions).
enum class Opening { CurtainGroup, PostGame, Branch, EventPicture, Faces, Continuation, Prologue, Finale };
struct StageRow {
  int stage, lines;
  Opening opening;
  int balloons = -1;
  int voiceLow = 0, voiceHigh = 0, voiced = -1;
};
constexpr StageRow kStageRows[] = {
    {3, 39, Opening::CurtainGroup},  {5, 5, Opening::PostGame},      {6, 15, Opening::Branch},
    {11, 23, Opening::CurtainGroup}, {15, 5, Opening::PostGame},     {23, 20, Opening::CurtainGroup},
    {25, 5, Opening::PostGame},      {30, 19, Opening::CurtainGroup}, {35, 5, Opening::PostGame},
    {40, 19, Opening::CurtainGroup}, {45, 5, Opening::PostGame},     {49, 19, Opening::CurtainGroup},
    {50, 5, Opening::PostGame},      {55, 19, Opening::CurtainGroup}, {60, 5, Opening::PostGame},
    {65, 19, Opening::CurtainGroup}, {70, 5, Opening::PostGame},     {75, 19, Opening::CurtainGroup},
    {80, 5, Opening::PostGame},      {85, 21, Opening::CurtainGroup}, {90, 5, Opening::PostGame},
    {1, 43, Opening::Prologue, 1, 0, 0, 0},
    {2, 442, Opening::Faces, 102, 1000, 1048, 17},
    {7, 863, Opening::Continuation, 276, 1249, 1525, 12},
    {8, 1192, Opening::Continuation, 427, 1200, 1525, 161},
    {10, 456, Opening::Faces, 98, 1087, 1160, 15},
    {16, 146, Opening::Faces, 26, 1122, 1174, 9},
    {20, 131, Opening::EventPicture, 34, 1507, 2016, 11},
    {21, 63, Opening::EventPicture, 16, 2031, 2038, 6},
    {22, 62, Opening::EventPicture, 18, 2052, 2066, 9},
    {26, 47, Opening::EventPicture, 12, 2072, 2083, 5},
    {27, 161, Opening::EventPicture, 49, 3001, 3024, 12},
    {28, 89, Opening::EventPicture, 30, 3030, 3048, 12},
    {29, 51, Opening::Faces, 20, 0, 0, 0},
    {36, 82, Opening::Faces, 27, 3061, 3074, 7},
    {37, 73, Opening::EventPicture, 23, 3081, 3093, 8},
    {38, 63, Opening::EventPicture, 22, 3100, 3111, 8},
    {39, 70, Opening::EventPicture, 22, 3122, 3131, 7},
    {71, 282, Opening::EventPicture, 108, 3401, 3457, 43},
    {72, 63, Opening::EventPicture, 20, 3470, 3481, 8},
    {73, 152, Opening::EventPicture, 46, 3490, 3514, 18},
    {74, 73, Opening::EventPicture, 17, 3520, 3529, 8},
    {81, 75, Opening::EventPicture, 29, 3540, 3556, 11},
    {82, 81, Opening::EventPicture, 22, 3560, 3578, 12},
    {83, 46, Opening::EventPicture, 10, 3590, 3601, 10},
    {84, 83, Opening::EventPicture, 25, 3610, 3616, 4},
    {91, 58, Opening::EventPicture, 21, 3650, 3658, 8},
    {92, 30, Opening::EventPicture, 4, 3660, 3661, 2},
    {200, 58, Opening::EventPicture, 24, 3700, 3712, 10},
    {201, 89, Opening::EventPicture, 28, 3720, 3736, 17},
    {202, 62, Opening::EventPicture, 28, 3750, 3777, 18},
    {46, 137, Opening::EventPicture, 51, 3140, 3183, 23},
    {47, 65, Opening::EventPicture, 17, 3190, 3204, 9},
    {48, 76, Opening::Faces, 28, 0, 0, 0},
    {51, 77, Opening::EventPicture, 31, 3210, 3224, 13},
    {52, 48, Opening::EventPicture, 15, 3230, 3243, 11},
    {53, 50, Opening::EventPicture, 15, 3250, 3263, 11},
    {54, 70, Opening::EventPicture, 22, 3270, 3287, 16},
    {61, 57, Opening::EventPicture, 16, 3290, 3300, 10},
    {62, 56, Opening::EventPicture, 17, 3310, 3327, 17},
    {63, 87, Opening::EventPicture, 27, 3330, 3339, 7},
    {64, 138, Opening::Faces, 28, 0, 0, 0},
    // The finale's one script of ten entries (its entries are held to their own rows
    // in finale_script_test.cpp).
    {100, 414, Opening::Finale, 236, 0, 0, 0},
};

// The commands the Marbrook scripts use and the keys that may come with each.
const std::map<std::string, std::set<std::string>>& Commands() {
  static const std::map<std::string, std::set<std::string>> commands = {
      {"[フキA]", {"フ種", "フ音", "フFo"}},
      {"[同時・フキA]", {"フ種", "フ音", "フFo", "開始", "連続"}},
      {"[フキ表示]", {"フ種", "フ音", "フFo"}},
      {"[同時・フキ表示]", {"フ種", "フ音", "フFo", "開始", "連続"}},
      {"[顔の移動]", {"Ty", "回", "反動", "顔音", "回数"}},
      {"[同時・顔の移動]", {"Ty", "回", "反動", "顔音", "回数", "開始", "停止"}},
      {"[フキ複数消去]", {"対象顔No"}},
      {"[ウェイト]", {"Fu"}},
      {"[顔の設定]", {"[顔No]", "[顔BMPNo]", "[顔FXNo]", "Ev分岐", "[フキFXNo]", "[フ思FXNo]", "[ミニFXNo1]", "[ミニFXNo2]"}},
      {"[同時スタートのみ]", {}},
      {"[Tanselイベ]", {"Ev種", "Ev分", "Ev細分", "Ev変数"}},
      {"[BMP変更]", {"BMP番号", "BMP番号2"}},
      {"[同時・BMP変更]", {"BMP番号", "開始"}},
      {"[フキバック]", {}},
      {"[フキバック全]", {}},
      {"[顔の消去]", {}},
      {"[フキ消去]", {}},
      {"[同時・フキ消去]", {"開始", "連続"}},
      {"[フキ移動]", {"種No", "分岐", "フ移動ALL", "回数", "回", "フ移動Px1", "フ移動インタ"}},
      {"[思フ移動]", {"種No", "分岐", "フ移動ALL", "回数", "回", "フ移動Px1", "フ移動インタ"}},
      {"[フ別移動]", {"種No", "分岐", "フ移動Px1", "回数"}},
      {"[同時・フ別移動]", {"種No", "分岐", "回数", "フ移動Px1", "フ移動ALL", "開始", "フ移動Px2", "フ移動Py2", "連続"}},
      {"[ミニ表示]", {"ミ種"}},
      {"[同時・ミニ表示]", {"ミ種", "開始"}},
      {"[ミニ消去]", {"ミ番"}},
      {"[同時・ミニ消去]", {}},
      {"[別のゲームへ]", {}},
      {"[画面の消去]", {"Ev種", "Ev分岐"}},
      {"[直接・背景表示]", {"Pc"}},
      {"[ぴくアニメ]", {"分岐", "間隔", "第1_BMP番号", "第1_BMP番号2", "第2_BMP番号", "第2_BMP番号2", "第3_BMP番号", "第3_BMP番号2"}},
      {"[音声待ち]", {}},
      {"[最前面へ]", {}},
      {"[同時・効果音]", {"順番", "サウ番", "サウID", "開始"}},
      {"[効果音]", {"サウ番", "サウID"}},
      {"[通常イベ]", {"Ev種", "Ev分"}},
      {"[即実行イベ]", {"Ev種", "Ev分岐0", "Ev分岐1", "Ev分岐2", "Ev分岐3"}},
  };
  return commands;
}
const std::set<std::string> kTextCommands = {"[フキA]", "[同時・フキA]", "[フキ表示]", "[同時・フキ表示]", "[Tanselイベ]"};
const std::set<int> kBalloonKinds = {99, 6, 21, 22, 23, 24, 10, 11, 15, 16, 49, 50, 51, 60};
const std::set<int> kEffects = {0, 1, 2, 3, 10, 15, 20, 30, 31, 35, 36, 50, 51};
const std::set<std::string> kVoiceWords = {"中声", "大声", "最大声", "-1"};

bool PictureKind(int k) {
  return k == 0 || k == 6 || (k >= 30 && k <= 36) || (k >= 100 && k <= 152) || (k >= 200 && k <= 290) ||
         (k >= 300 && k <= 302) || k == 310;
}

std::string Strip(std::string f) {
  const std::string mark = "■";
  while (f.rfind(mark, 0) == 0) f.erase(0, mark.size());
  return f;
}

// The faults of one line, empty when it keeps the conventions.
std::vector<std::string> LineFaults(const std::string& line) {
  std::vector<std::string> faults;
  std::vector<std::string> f;
  int n = 0;
  SplitFields(line, "：", 19, f, n);
  int i = 1;
  auto slotPrefix = [](const std::string& s) { return s.size() == 4 && s.rfind("●", 0) == 0 && s[3] >= '0' && s[3] <= '9'; };
  if (n >= 1 && slotPrefix(f[1])) ++i;
  if (i > n) return {"no command"};
  const std::string command = f[static_cast<size_t>(i)];
  if (line.find("○") != std::string::npos) faults.push_back("group prefix");
  const auto& macros = MacroNames();
  if (std::find(macros.begin(), macros.end(), command) != macros.end()) {
    for (int j = i + 1; j <= n; ++j) {
      if (f[static_cast<size_t>(j)] != "Ｚ") faults.push_back("macro with " + f[static_cast<size_t>(j)]);
    }
    return faults;
  }
  const auto it = Commands().find(command);
  if (it == Commands().end()) return {"unknown command " + command};
  bool inText = false;
  for (int j = i + 1; j <= n; ++j) {
    const std::string raw = f[static_cast<size_t>(j)];
    const std::string field = Strip(raw);
    if (inText) continue;
    if (j == i + 1 && slotPrefix(field)) continue;
    const size_t eq = field.find('=');
    if (field == "Ｚ" || field == "Ｓ" || (field == "全消去" && command == "[フキ複数消去]")) continue;
    if (field.rfind("(", 0) == 0 && field.find("→") != std::string::npos && command.find("顔の移動") != std::string::npos) continue;
    if (eq == std::string::npos) {
      if (!kTextCommands.count(command)) faults.push_back("text with " + command + ": " + field);
      inText = true;
      continue;
    }
    const std::string key = field.substr(0, eq);
    const std::string value = field.substr(eq + 1);
    if (!it->second.count(key)) {
      // Texts of our own never hold "="; a text command's text starts at its "■".
      if (kTextCommands.count(command) && raw.rfind("■", 0) == 0) {
        inText = true;
        continue;
      }
      faults.push_back("key " + key + " with " + command);
      continue;
    }
    const int number = std::atoi(value.c_str());
    if (key == "フ種") {
      const int kind = std::atoi(value.substr(1).c_str());
      if (!kBalloonKinds.count(kind)) faults.push_back("balloon kind " + value);
    } else if (key == "フ音" && !kVoiceWords.count(value) && (number < 1000 || number > 3777)) {
      faults.push_back("voice " + value);
    } else if ((key == "BMP番号" || key == "[顔BMPNo]" || key.find("_BMP番号") != std::string::npos) &&
               key.back() != '2' && !PictureKind(number)) {
      faults.push_back("picture kind " + value);
    } else if (key == "Ev種" && command == "[Tanselイベ]" && !kEffects.count(number)) {
      faults.push_back("effect " + value);
    } else if (key == "[顔FXNo]" && (number < 0 || number > 79)) {
      faults.push_back("face layer " + value);
    } else if (key == "[顔No]" && (number < 0 || number > 9)) {
      faults.push_back("face slot " + value);
    }
  }
  return faults;
}

std::vector<std::string> Loaded(int stage) { return tq::testing::LoadedMarbrookStage(stage); }

const std::set<std::string> kBalloonCommands = {"[フキA]", "[同時・フキA]", "[フキ表示]", "[同時・フキ表示]"};

// One balloon line taken apart: its slot, kind, style, font size (0 when the line
// gives none), voice and text rows. False for a line that opens no balloon.
struct BalloonLine {
  int slot = 0, kind = 0, style = 0, font = 0, voice = 0;
  std::vector<std::string> rows;
};
bool ReadBalloonLine(const std::string& line, BalloonLine& out) {
  std::vector<std::string> f;
  int n = 0;
  SplitFields(line, "：", 29, f, n);
  int i = 1;
  auto slotOf = [](const std::string& s) { return s.size() == 4 && s.rfind("●", 0) == 0 ? s[3] - '0' : -1; };
  if (n >= 1 && slotOf(f[1]) >= 0) out.slot = slotOf(f[i++]);
  if (i > n || !kBalloonCommands.count(f[static_cast<size_t>(i)])) return false;
  bool text = false;
  for (int j = i + 1; j <= n; ++j) {
    const std::string raw = f[static_cast<size_t>(j)];
    const std::string field = Strip(raw);
    if (!text && slotOf(field) >= 0) {
      out.slot = slotOf(field);
      continue;
    }
    const size_t eq = field.find('=');
    const std::string key = eq == std::string::npos ? "" : field.substr(0, eq);
    if (!text && (field == "Ｚ" || key == "開始" || key == "連続")) continue;
    if (!text && key == "フ種") {
      std::vector<std::string> v;
      int m = 0;
      SplitFields(field.substr(eq + 2, field.size() - eq - 3), ",", 3, v, m);
      out.kind = m >= 1 ? std::atoi(v[1].c_str()) : 0;
      out.style = m >= 2 ? std::atoi(v[2].c_str()) : 0;
    } else if (!text && key == "フFo") {
      out.font = std::atoi(field.substr(eq + 1).c_str());
    } else if (!text && key == "フ音") {
      out.voice = std::atoi(field.substr(eq + 1).c_str());
    } else {
      text = true;
      out.rows.push_back(field);
    }
  }
  return !out.rows.empty();
}

// Whether every row of a balloon line fits inside its balloon, with the balloon's
// own margins: text starts 15 pixels in and 12 down, rows are the font size plus 12
// apart, and the bevel frame takes the last pixels of each edge. A kind 99 line is
// measured in the balloon its slot already has open.
std::string BalloonFit(const BalloonLine& b, int kind, int style) {
  constexpr int kLeft = 15, kTop = 12, kRightMargin = 8, kBottomMargin = 6, kWindowWidth = 920;
  const bool thought = kind >= 30 && kind <= 49;
  int font = thought ? 14 : 16;
  int width = 0, height = 0, lineHeight = 0;
  if (kind == 50 || kind == 51) {
    // The caption boxes take the size of their text, centred on the window.
    font = 19;
    for (const std::string& row : b.rows) {
      const tq::TextExtent e = tq::MeasureTextExtent({tq::kFontProportional, font, true, false}, row);
      if (e.width + 60 > kWindowWidth) return "wider than the window: " + row;
    }
    return b.rows.size() > 9 ? "more than nine rows" : "";
  }
  BalloonGeometryRecord& g = BalloonGeometry;
  g.FaceWidth = 300;
  g.FaceHeight = 420;
  g.TailWidth = 32;
  g.TailHeight = 23;
  TextStyle.TextFontSize = font;
  LineState.LineFontSize = b.font;
  LineCode.MainParam = kind;
  LineCode.SubParam = style;
  if (kind == 60) {
    g.BalloonWidth = kWindowWidth / 2;
    g.BalloonHeight = 690 / 4;
  }
  C15_BalloonStyle();
  font = TextStyle.TextFontSize;
  lineHeight = TextStyle.LineHeight;
  width = g.BalloonWidth;
  height = g.BalloonHeight;
  if (thought) {
    const size_t v = static_cast<size_t>(kind % 10);
    width = ThoughtLayout.ThoughtWidth[v];
    height = ThoughtLayout.ThoughtHeight[v];
    // Stages 7 and 8 set the one thought variant the story uses.
    if (width == 0) width = 470, height = 140;
  }
  int textHeight = 0;
  for (const std::string& row : b.rows) {
    const tq::TextExtent e = tq::MeasureTextExtent({tq::kFontProportional, font, true, false}, row);
    textHeight = e.height;
    if (kLeft + e.width > width - kRightMargin) {
      return "row too long (" + std::to_string(tq::CodePointCount(row)) + " characters at " + std::to_string(font) +
             " points in " + std::to_string(width) + "): " + row;
    }
  }
  const int bottom = kTop + lineHeight * (static_cast<int>(b.rows.size()) - 1) + textHeight;
  if (bottom > height - kBottomMargin) return std::to_string(b.rows.size()) + " rows do not fit a balloon " + std::to_string(height) + " high";
  return "";
}

bool IsEnd(const std::string& line) { return line == "[別のゲームへ]" || line.rfind("[即実行イベ]", 0) == 0; }

TEST(MarbrookStageScripts, EveryScriptKeepsTheConventions) {
  tq::testing::EngineHarness harness(kModeMarbrook);
  std::set<int> held;
  for (const ContentFile& file : ContentFiles()) {
    if (std::string(file.Game) != "marbrook" || std::string(file.Name).rfind("stage", 0) != 0) continue;
    held.insert(std::atoi(file.Name + 5));
  }
  for (int stage = 1; stage <= 202; ++stage) {
    if (StageSourceOf(stage) == StageSource::Intermission) held.insert(stage);
  }
  for (int stage : held) {
    SCOPED_TRACE("stage " + std::to_string(stage));
    const StageRow* row = nullptr;
    for (const StageRow& r : kStageRows) {
      if (r.stage == stage) row = &r;
    }
    ASSERT_NE(row, nullptr) << "a script the program holds needs its row";
    const std::vector<std::string> lines = Loaded(stage);
    EXPECT_EQ(static_cast<int>(lines.size()), row->lines);
    // A script ends once, on its last line; the finale ends each entry so.
    std::set<size_t> ends = {lines.size()};
    if (row->opening == Opening::Finale) {
      for (int entry : {105, 106, 110, 115, 120, 130, 131, 140, 145}) ends.insert(static_cast<size_t>(ScriptStore.ScriptLabels[static_cast<size_t>(entry - 100)]));
    }
    for (size_t i = 0; i < lines.size(); ++i) {
      const std::vector<std::string> faults = LineFaults(lines[i]);
      EXPECT_TRUE(faults.empty()) << "line " << i + 1 << " " << lines[i] << ": " << faults.front();
      EXPECT_EQ(IsEnd(lines[i]), ends.count(i + 1) == 1) << "line " << i + 1 << ": an end line, the last of its entry";
    }
    if (row->balloons >= 0) {
      int balloons = 0, voiced = 0, low = 0, high = 0;
      for (const std::string& line : lines) {
        BalloonLine b;
        if (!ReadBalloonLine(line, b)) continue;
        ++balloons;
        if (b.voice >= 1000) {
          ++voiced;
          low = low == 0 ? b.voice : std::min(low, b.voice);
          high = std::max(high, b.voice);
        }
      }
      EXPECT_EQ(balloons, row->balloons) << "balloon lines";
      EXPECT_EQ(voiced, row->voiced) << "voiced lines";
      EXPECT_EQ(low, row->voiceLow) << "lowest voice";
      EXPECT_EQ(high, row->voiceHigh) << "highest voice";
    }
    const bool curtainFirst = !lines.empty() && lines[0] == "[Tanselイベ]：Ｚ：Ev種=20：Ev分=00";
    EXPECT_EQ(curtainFirst, row->opening != Opening::PostGame && row->opening != Opening::Continuation);
  }
}

// Every balloon text of every script the program holds fits its balloon.
TEST(MarbrookStageScripts, EveryBalloonTextFitsItsBalloon) {
  tq::testing::EngineHarness harness(kModeMarbrook);
  for (int stage = 1; stage <= 202; ++stage) {
    if (StageSourceOf(stage) == StageSource::None) continue;
    SCOPED_TRACE("stage " + std::to_string(stage));
    const std::vector<std::string> lines = Loaded(stage);
    int kinds[10] = {}, styles[10] = {};
    for (size_t i = 0; i < lines.size(); ++i) {
      BalloonLine b;
      if (!ReadBalloonLine(lines[i], b)) continue;
      const size_t s = static_cast<size_t>(std::clamp(b.slot, 0, 9));
      if (b.kind != 99) kinds[s] = b.kind, styles[s] = b.style;
      const std::string fault = BalloonFit(b, kinds[s], styles[s]);
      EXPECT_TRUE(fault.empty()) << "line " << i + 1 << ": " << fault;
    }
  }
}

TEST(MarbrookStageScripts, TheFitCheckCatchesCrampedBalloons) {
  tq::testing::EngineHarness harness(kModeMarbrook);
  const std::vector<std::pair<std::string, bool>> cases = {
      {"●2：[フキA]：■フ種=(10,-12,-1)：■そ、そうよ。：私はベル。", true},
      {"●2：[フキA]：■フ種=(10,-12,-1)：■この行は十三文字よりずっと長すぎます。", false},
      {"●2：[フキA]：■フ種=(10,-12,-1)：■一：二：三：四：五", false},
      {"●2：[フキA]：■フ種=(10,-12,-1)：フFo=24：■一：二：三：四", false},
      {"[フキA]：■フ種=(51,00,*)：■七日間の祭り、十の勝負。", true},
  };
  for (const auto& [line, fits] : cases) {
    SCOPED_TRACE(line);
    BalloonLine b;
    ASSERT_TRUE(ReadBalloonLine(line, b));
    EXPECT_EQ(BalloonFit(b, b.kind, b.style).empty(), fits);
  }
}

TEST(MarbrookStageScripts, TheValidatorCatchesFaults) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"●2：[フキA]：■フ種=(06,42,-2)：フ音=1000：■こんにちは。", true},
      {"●2：[フキA]：■フ種=(07,42,-2)：■こんにちは。", false},
      {"●2：[フキA]：■フ種=(06,42,-2)：フ音=999：■こんにちは。", false},
      {"[Tanselイベ]：Ｚ：Ev種=60", false},
      {"[ウェイト]：Fu=5：■語り", false},
      {"○1：[ウェイト]：Fu=5", false},
      {"[フキ生成]：Fu=5", false},
      {"●1：[BMP変更]：BMP番号=0400：BMP番号2=00", false},
      {"●1：「フキジャンプ」：Ｚ", true},
      {"●1：[顔の移動]：Ｚ：(中央,外上)→(中央,45)：Ty=10：回=1：反動=1：顔音=-1", true},
  };
  for (const auto& [line, ok] : cases) {
    SCOPED_TRACE(line);
    EXPECT_EQ(LineFaults(line).empty(), ok);
  }
}

TEST(MarbrookStageScripts, TheTwoPicksOfTheBranchTellOneScene) {
  tq::testing::EngineHarness harness(kModeMarbrook);
  const std::vector<std::string> strong = Loaded(7);
  const std::vector<std::string> honest = Loaded(8);
  const std::set<std::string> strongSet(strong.begin(), strong.end());
  const std::set<std::string> honestSet(honest.begin(), honest.end());
  int shared = 0;
  for (const std::string& line : strongSet) shared += honestSet.count(line) ? 1 : 0;
  // Every distinct line of stage 7 is in stage 8 but the four Bell says her own way.
  EXPECT_EQ(strongSet.size(), 353u);
  EXPECT_EQ(shared, 349);
  ASSERT_GE(strong.size(), 10u);
  ASSERT_GE(honest.size(), 10u);
  EXPECT_TRUE(std::equal(strong.end() - 10, strong.end(), honest.end() - 10)) << "the same last ten lines";
  // Stage 8 adds Bell's inner voice: slot 1's thought balloons and their moves.
  int thoughts = 0, moves = 0, strongThoughts = 0;
  for (const std::string& line : honest) {
    BalloonLine b;
    if (ReadBalloonLine(line, b) && b.kind == 49) {
      ++thoughts;
      EXPECT_EQ(b.slot, 1) << line;
    }
    moves += line.find("[思フ移動]") != std::string::npos ? 1 : 0;
  }
  for (const std::string& line : strong) {
    BalloonLine b;
    strongThoughts += (ReadBalloonLine(line, b) && b.kind == 49) || line.find("[思フ移動]") != std::string::npos ? 1 : 0;
  }
  EXPECT_EQ(thoughts, 72);
  EXPECT_EQ(moves, 101);
  EXPECT_EQ(strongThoughts, 0);
}

TEST(MarbrookStageScripts, IntermissionShapes) {
  tq::testing::EngineHarness harness(kModeMarbrook);
  // Stage 3: three blocks back to back, nine rows that go on by themselves.
  const std::vector<std::string> three = Loaded(3);
  int rowWaits = 0;
  for (size_t i = 1; i < three.size(); ++i) {
    if (three[i].rfind("[ウェイト]", 0) == 0 && three[i - 1].find("Ev種=00：Ev分=") != std::string::npos) ++rowWaits;
  }
  EXPECT_EQ(rowWaits, 9);
  // Stages 30 and 75 differ only in their caption.
  const std::vector<std::string> thirty = Loaded(30);
  const std::vector<std::string> seventyFive = Loaded(75);
  int differing = 0;
  for (size_t i = 0; i < thirty.size(); ++i) differing += thirty[i] != seventyFive[i];
  EXPECT_EQ(differing, 2);
  // The post-game stages: caption in and out, a wait, one row, the end.
  for (int stage : {5, 15, 25, 35, 45, 50, 60, 70, 80, 90}) {
    SCOPED_TRACE(stage);
    const std::vector<std::string> lines = Loaded(stage);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[2], "[ウェイト]：Fu=5");
    EXPECT_EQ(lines[3].rfind("[Tanselイベ]：Ev種=00：Ev分=11：Ev細分=00：■", 0), 0u);
  }
  EXPECT_EQ(Loaded(6).back(), "[即実行イベ]：Ev種=00：Ev分岐0=30：Ev分岐1=-1：Ev分岐2=07：Ev分岐3=08");
}

// The whole corpus against its totals: 63 scripts (41 story scripts, the finale and
// 21 intermissions), 6,743 lines, 585 voiced balloon lines and 570 distinct voice
// numbers. Until every story script is in the program the totals cannot hold; the
// check then skips and names the stages still missing, and it runs by itself once
// the last one lands.
TEST(MarbrookStageScripts, TheWholeCorpusMeetsItsTotals) {
  tq::testing::EngineHarness harness(kModeMarbrook);
  std::vector<int> scripts, missing;
  for (int stage = 1; stage <= 202; ++stage) {
    const StageSource source = StageSourceOf(stage);
    if (source == StageSource::None || (source == StageSource::Finale && stage != 100)) continue;
    scripts.push_back(stage);
    if (source != StageSource::Intermission && ContentLines("marbrook", StageScriptName(stage)).empty()) missing.push_back(stage);
  }
  EXPECT_EQ(scripts.size(), 63u);
  if (!missing.empty()) {
    std::string list;
    for (int stage : missing) list += (list.empty() ? "" : ", ") + std::to_string(stage);
    GTEST_SKIP() << missing.size() << " of the 42 story and finale scripts are not written yet (stages " << list
                 << "); the corpus totals are checked once they are";
  }
  int lines = 0, voiced = 0;
  std::set<int> voices;
  for (int stage : scripts) {
    for (const std::string& line : Loaded(stage)) {
      ++lines;
      BalloonLine b;
      if (ReadBalloonLine(line, b) && b.voice >= 1000) {
        ++voiced;
        voices.insert(b.voice);
      }
    }
  }
  EXPECT_EQ(lines, 6743);
  EXPECT_EQ(voiced, 585);
  EXPECT_EQ(voices.size(), 570u);
}

}  // namespace
