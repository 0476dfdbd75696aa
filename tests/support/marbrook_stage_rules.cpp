#include "support/marbrook_stage_rules.h"

#include <algorithm>
#include <cstdlib>
#include <map>

#include "engine/modes.h"
#include "engine/string_utils.h"
#include "engine/text.h"
#include "marbrook/balloon_styles.h"
#include "marbrook/script_macros.h"
#include "platform/compositor.h"
#include "platform/fonts.h"
#include "platform/text_encoding.h"
#include "scenario/balloon_geometry.h"
#include "scenario/script_conversion.h"

namespace tq::testing {

namespace {

constexpr MarbrookStageRow kStageRows[] = {
    {3, 39, MarbrookOpening::CurtainGroup},  {5, 5, MarbrookOpening::PostGame},      {6, 15, MarbrookOpening::Branch},
    {11, 23, MarbrookOpening::CurtainGroup}, {15, 5, MarbrookOpening::PostGame},     {23, 20, MarbrookOpening::CurtainGroup},
    {25, 5, MarbrookOpening::PostGame},      {30, 19, MarbrookOpening::CurtainGroup}, {35, 5, MarbrookOpening::PostGame},
    {40, 19, MarbrookOpening::CurtainGroup}, {45, 5, MarbrookOpening::PostGame},     {49, 19, MarbrookOpening::CurtainGroup},
    {50, 5, MarbrookOpening::PostGame},      {55, 19, MarbrookOpening::CurtainGroup}, {60, 5, MarbrookOpening::PostGame},
    {65, 19, MarbrookOpening::CurtainGroup}, {70, 5, MarbrookOpening::PostGame},     {75, 19, MarbrookOpening::CurtainGroup},
    {80, 5, MarbrookOpening::PostGame},      {85, 21, MarbrookOpening::CurtainGroup}, {90, 5, MarbrookOpening::PostGame},
    {1, 43, MarbrookOpening::Prologue, 1, 0, 0, 0},
    {2, 442, MarbrookOpening::Faces, 102, 1000, 1048, 17},
    {7, 863, MarbrookOpening::Continuation, 276, 1249, 1525, 12},
    {8, 1192, MarbrookOpening::Continuation, 427, 1200, 1525, 161},
    {10, 456, MarbrookOpening::Faces, 98, 1087, 1160, 15},
    {16, 146, MarbrookOpening::Faces, 26, 1122, 1174, 9},
    {20, 131, MarbrookOpening::EventPicture, 34, 1507, 2016, 11},
    {21, 63, MarbrookOpening::EventPicture, 16, 2031, 2038, 6},
    {22, 62, MarbrookOpening::EventPicture, 18, 2052, 2066, 9},
    {26, 47, MarbrookOpening::EventPicture, 12, 2072, 2083, 5},
    {27, 161, MarbrookOpening::EventPicture, 49, 3001, 3024, 12},
    {28, 89, MarbrookOpening::EventPicture, 30, 3030, 3048, 12},
    {29, 51, MarbrookOpening::Faces, 20, 0, 0, 0},
    {36, 82, MarbrookOpening::Faces, 27, 3061, 3074, 7},
    {37, 73, MarbrookOpening::EventPicture, 23, 3081, 3093, 8},
    {38, 63, MarbrookOpening::EventPicture, 22, 3100, 3111, 8},
    {39, 70, MarbrookOpening::EventPicture, 22, 3122, 3131, 7},
    {71, 282, MarbrookOpening::EventPicture, 108, 3401, 3457, 43},
    {72, 63, MarbrookOpening::EventPicture, 20, 3470, 3481, 8},
    {73, 152, MarbrookOpening::EventPicture, 46, 3490, 3514, 18},
    {74, 73, MarbrookOpening::EventPicture, 17, 3520, 3529, 8},
    {81, 75, MarbrookOpening::EventPicture, 29, 3540, 3556, 11},
    {82, 81, MarbrookOpening::EventPicture, 22, 3560, 3578, 12},
    {83, 46, MarbrookOpening::EventPicture, 10, 3590, 3601, 10},
    {84, 83, MarbrookOpening::EventPicture, 25, 3610, 3616, 4},
    {91, 58, MarbrookOpening::EventPicture, 21, 3650, 3658, 8},
    {92, 30, MarbrookOpening::EventPicture, 4, 3660, 3661, 2},
    {200, 58, MarbrookOpening::EventPicture, 24, 3700, 3712, 10},
    {201, 89, MarbrookOpening::EventPicture, 28, 3720, 3736, 17},
    {202, 62, MarbrookOpening::EventPicture, 28, 3750, 3777, 18},
    {46, 137, MarbrookOpening::EventPicture, 51, 3140, 3183, 23},
    {47, 65, MarbrookOpening::EventPicture, 17, 3190, 3204, 9},
    {48, 76, MarbrookOpening::Faces, 28, 0, 0, 0},
    {51, 77, MarbrookOpening::EventPicture, 31, 3210, 3224, 13},
    {52, 48, MarbrookOpening::EventPicture, 15, 3230, 3243, 11},
    {53, 50, MarbrookOpening::EventPicture, 15, 3250, 3263, 11},
    {54, 70, MarbrookOpening::EventPicture, 22, 3270, 3287, 16},
    {61, 57, MarbrookOpening::EventPicture, 16, 3290, 3300, 10},
    {62, 56, MarbrookOpening::EventPicture, 17, 3310, 3327, 17},
    {63, 87, MarbrookOpening::EventPicture, 27, 3330, 3339, 7},
    {64, 138, MarbrookOpening::Faces, 28, 0, 0, 0},
    // The finale's one script of ten entries (its entries are held to their own rows
    // in finale_script_test.cpp).
    {100, 414, MarbrookOpening::Finale, 236, 0, 0, 0},
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
const std::set<std::string> kBalloonCommands = {"[フキA]", "[同時・フキA]", "[フキ表示]", "[同時・フキ表示]"};

bool PictureKind(int k) {
  return k == 0 || k == 6 || (k >= 30 && k <= 36) || (k >= 100 && k <= 152) || (k >= 200 && k <= 290) ||
         (k >= 300 && k <= 302) || k == 310;
}

bool IsEnd(const std::string& line) { return line == "[別のゲームへ]" || line.rfind("[即実行イベ]", 0) == 0; }

std::string LineAt(size_t i, const std::string& line) { return "line " + std::to_string(i + 1) + " " + line + ": "; }

std::string Strip(std::string f) {
  const std::string mark = "■";
  while (f.rfind(mark, 0) == 0) f.erase(0, mark.size());
  return f;
}

}  // namespace

std::vector<std::string> MarbrookLineFaults(const std::string& line) {
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

bool ReadMarbrookBalloonLine(const std::string& line, MarbrookBalloonLine& out) {
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
std::string MarbrookBalloonFit(const MarbrookBalloonLine& b, int kind, int style) {
  constexpr int kLeft = 15, kTop = 12, kRightMargin = 8, kBottomMargin = 6;
  const bool thought = kind >= 30 && kind <= 49;
  int font = thought ? 14 : 16;
  int width = 0, height = 0, lineHeight = 0;
  if (kind == 50 || kind == 51) {
    // The caption boxes take the size of their text, centred on the window.
    font = 19;
    for (const std::string& row : b.rows) {
      const tq::TextExtent e = tq::MeasureTextExtent({tq::kFontProportional, font, true, false}, row);
      if (e.width + 60 > tq::kWindowWidth) return "wider than the window: " + row;
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
    g.BalloonWidth = tq::kWindowWidth / 2;
    g.BalloonHeight = tq::kWindowHeight / 4;
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

std::span<const MarbrookStageRow> MarbrookStageTable() { return kStageRows; }

const MarbrookStageRow* MarbrookStageRowOf(int stage) {
  for (const MarbrookStageRow& r : kStageRows) {
    if (r.stage == stage) return &r;
  }
  return nullptr;
}

std::vector<std::string> MarbrookStageFaults(int stage, const std::vector<std::string>& lines,
                                             const std::set<size_t>& entryEnds) {
  std::vector<std::string> faults;
  const MarbrookStageRow* row = MarbrookStageRowOf(stage);
  if (row == nullptr) return {"stage " + std::to_string(stage) + " has no row in the stage table"};
  if (static_cast<int>(lines.size()) != row->lines) {
    faults.push_back(std::to_string(lines.size()) + " lines, not " + std::to_string(row->lines));
  }
  // A script ends once, on its last line; the finale ends each entry so.
  std::set<size_t> ends = entryEnds;
  ends.insert(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::vector<std::string> lineFaults = MarbrookLineFaults(lines[i]);
    if (!lineFaults.empty()) faults.push_back(LineAt(i, lines[i]) + lineFaults.front());
    if (IsEnd(lines[i]) != (ends.count(i + 1) == 1)) {
      faults.push_back(LineAt(i, lines[i]) + (IsEnd(lines[i]) ? "an end line that is not the last of its entry"
                                                             : "the last line of its entry is no end line"));
    }
  }
  if (row->balloons >= 0) {
    int balloons = 0, voiced = 0, low = 0, high = 0;
    for (const std::string& line : lines) {
      MarbrookBalloonLine b;
      if (!ReadMarbrookBalloonLine(line, b)) continue;
      ++balloons;
      if (b.voice >= 1000) {
        ++voiced;
        low = low == 0 ? b.voice : std::min(low, b.voice);
        high = std::max(high, b.voice);
      }
    }
    auto count = [&](const char* what, int got, int want) {
      if (got != want) faults.push_back(std::string(what) + " " + std::to_string(got) + ", not " + std::to_string(want));
    };
    count("balloon lines", balloons, row->balloons);
    count("voiced lines", voiced, row->voiced);
    count("lowest voice", low, row->voiceLow);
    count("highest voice", high, row->voiceHigh);
  }
  const bool curtainFirst = !lines.empty() && lines[0] == "[Tanselイベ]：Ｚ：Ev種=20：Ev分=00";
  const bool opensOnCurtain = row->opening != MarbrookOpening::PostGame && row->opening != MarbrookOpening::Continuation;
  if (curtainFirst != opensOnCurtain) {
    faults.push_back(opensOnCurtain ? "the first line does not open the curtain group"
                                    : "the first line opens the curtain group");
  }
  return faults;
}

std::vector<std::string> MarbrookBalloonFitFaults(const std::vector<std::string>& lines) {
  std::vector<std::string> faults;
  int kinds[10] = {}, styles[10] = {};
  for (size_t i = 0; i < lines.size(); ++i) {
    MarbrookBalloonLine b;
    if (!ReadMarbrookBalloonLine(lines[i], b)) continue;
    const size_t s = static_cast<size_t>(std::clamp(b.slot, 0, 9));
    if (b.kind != 99) kinds[s] = b.kind, styles[s] = b.style;
    const std::string fault = MarbrookBalloonFit(b, kinds[s], styles[s]);
    if (!fault.empty()) faults.push_back("line " + std::to_string(i + 1) + ": " + fault);
  }
  return faults;
}

}  // namespace tq::testing
