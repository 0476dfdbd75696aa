#include "support/vadrim_stage_rules.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <regex>
#include <sstream>

#include "engine/modes.h"
#include "engine/string_utils.h"
#include "engine/text.h"
#include "platform/compositor.h"
#include "platform/fonts.h"
#include "platform/text_encoding.h"
#include "scenario/balloon_geometry.h"
#include "scenario/face_slots.h"
#include "scenario/script_conversion.h"
#include "vadrim/conversation_hooks.h"
#include "vadrim/story_flow.h"

namespace tq::testing {

namespace {

using Lines = std::vector<std::string>;

// ---- the stage table ----

const std::vector<VadrimStageRow>& StageTable() {
  using F = VadrimFamily;
  static const std::vector<VadrimStageRow> rows = {
      {0, 14, F::Special, 21, 0, {21}, {}, {}},
      {1, 104, F::Special, 0, 0, {30, 32, 34, 36, 37}, {11, 50, 60}, {}},
      {10, 94, F::Conversation, 22, 0, {22, 37, 40}, {11, 21, 22, 60, 99}, {}},
      {11, 28, F::Scene, 22, 110, {22, 110}, {6, 99}, {1, 2}},
      {12, 149, F::Scene, 22, 111, {22, 111}, {6, 99}, {3, 4}},
      {13, 60, F::Scene, 22, 112, {22, 112}, {6, 99}, {5, 6}},
      {20, 185, F::Conversation, 24, 0, {24, 36, 43}, {11, 12, 21, 22, 30, 60, 99}, {}},
      {21, 56, F::Scene, 24, 120, {24, 120}, {6, 99}, {10, 11}},
      {22, 159, F::Scene, 24, 121, {24, 121}, {6, 99}, {12, 13}},
      {23, 230, F::Scene, 24, 122, {24, 122}, {6, 99}, {14, 15}},
      {24, 128, F::Scene, 24, 123, {24, 123}, {6, 99}, {16, 17}},
      {30, 267, F::Conversation, 23, 0, {23, 30, 32, 34, 41, 31, 33, 35}, {11, 21, 99}, {}},
      {31, 166, F::Scene, 23, 130, {23, 130}, {6, 99}, {20, 21}},
      {32, 174, F::Scene, 23, 131, {23, 131}, {6, 99}, {22, 23}},
      {33, 212, F::Scene, 23, 139, {23, 139, 132, 35}, {6, 21, 99}, {24, 25, 26}},
      {40, 283, F::Conversation, 23, 0, {23, 30, 32, 34, 42, 31, 33, 35}, {11, 21, 22, 99}, {}},
      {41, 221, F::Scene, 23, 140, {23, 140}, {6, 99}, {30, 31}},
      {42, 112, F::Scene, 23, 141, {23, 141}, {6, 99}, {32, 33}},
      {43, 238, F::Scene, 23, 149, {23, 149, 142, 35}, {6, 21, 99}, {26, 34, 35}},
      {50, 123, F::Conversation, 23, 0, {23, 31, 33, 35, 41, 42}, {11, 21, 99}, {}},
      {51, 148, F::Scene, 23, 150, {23, 150}, {6}, {40, 41, 42}},
      {52, 108, F::Scene, 23, 151, {23, 151}, {6, 99}, {43, 44, 45}},
      {53, 201, F::Scene, 23, 152, {23, 152, 45, 32}, {6, 11, 21, 99}, {46, 47, 48, 49}},
      {54, 269, F::Scene, 23, 160, {23, 160, 161, 162}, {6}, {50, 51, 52}},
      {55, 119, F::Conversation, 23, 0, {23, 42, 30, 32, 34, 41}, {11, 12, 21, 99}, {}},
      {56, 277, F::Scene, 23, 165, {23, 165, 166, 167}, {6, 99}, {50, 53, 54}},
      {57, 67, F::Conversation, 23, 0, {23, 45, 46, 47}, {21, 60}, {}},
      {60, 47, F::Conversation, 21, 0, {21, 45, 46, 47, 48, 49}, {21, 60}, {}},
      {61, 60, F::Special, 25, 0, {25, 26, 16, 170, 60, 61, 62, 63, 64}, {50, 60}, {}},
      {90, 314, F::Conversation, 20, 0, {20, 23, 42, 41, 43, 40}, {11, 21, 50, 60, 99}, {}},
  };
  return rows;
}

int LinesWith(const VadrimStageRow& row, int playMode) {
  return VadrimClosingByPlayMode(row.stage) && playMode != 0 && playMode != 2 ? row.lines - 2 : row.lines;
}

// ---- the fixed lines ----

std::string Background(int picture) {
  char text[96];
  std::snprintf(text, sizeof text, "●1：[顔の設定]：■[顔No]=01：[顔BMPNo]=%04d：[顔FXNo]=00", picture);
  return text;
}
std::string SlotSetting(int slot, int picture, int layer) {
  char text[96];
  std::snprintf(text, sizeof text, "[顔の設定]：■[顔No]=%02d：[顔BMPNo]=%04d：[顔FXNo]=%02d", slot, picture, layer);
  return text;
}
const std::string kPaintBackground = "[通常イベ]：Ｚ：Ev種=16：Ev分=00";
const std::string kShortWait = "[ウェイト]：Fu=2";
const std::string kHalfSecond = "[ウェイト]：Fu=5";
const std::string kLeave = "[別のゲームへ]";

const Lines kFullClosing = {
    "[効果音]：Ｚ：■サウ番=10：サウID=01",       "[通常イベ]：Ev種=06：Ev分=00：Ｚ",
    "[画面の消去]：Ev種=01：Ev分岐=0",            kHalfSecond,
    "[効果音]：Ｚ：■サウ番=11：サウID=01",       "[通常イベ]：Ev種=07：Ev分=00：Ev細分=5：Ｚ",
    kLeave,
};

// The closing a stage's pushed lines end with.
Lines ClosingOf(int stage, int playMode) {
  Lines c = kFullClosing;
  switch (stage) {
    case 0: return {"[別のシーンへ]：Fu=1"};
    case 1:
      return {"[Tanselイベ]：Ｚ：Ev種=10", "[画面の消去]：Ev種=00：Ev分岐=-1", "[通常イベ]：Ｚ：Ev種=05：Ev分=00", kHalfSecond,
              kLeave};
    case 13:
    case 24:
    case 57: return {c[0], c[1], c[2], kLeave};
    case 61:
    case 90: return {c[0], c[1], c[2], kHalfSecond, kLeave};
    case 12:
    case 23: c[1] = "[通常イベ]：Ｚ：Ev種=06：Ev分=00"; return c;
    case 30: c[1] = "[通常イベ]：Ev種=06：Ev分=10：Ｚ"; return c;
    case 55: c[1] = "[通常イベ]：Ev種=06：Ev分=11：Ｚ"; return c;
    case 40: c.insert(c.begin() + 4, c[4]); return c;
    case 60:
      c[1] = "[通常イベ]：Ev種=06：Ev分=0：Ｚ";
      c[2] = "[画面の消去]：Ev種=00：Ev分岐=0";
      c.insert(c.end() - 1, kHalfSecond);
      return c;
    default: break;
  }
  if (VadrimClosingByPlayMode(stage) && playMode != 0 && playMode != 2) return {c[0], c[1], c[2], c[3], kLeave};
  return c;
}

// The flip-books of stages 54 and 56: the group of four pushed twice in a row.
Lines FlipBookGroup(int stage) {
  const std::string a = stage == 54 ? "0161" : "0166", b = stage == 54 ? "0160" : "0165";
  return {"●1：[BMP変更]：■BMP番号=" + a + "：BMP番号2=00", kShortWait, "●1：[BMP変更]：■BMP番号=" + b + "：BMP番号2=00",
          kShortWait};
}

// ---- the line format ----

const std::set<std::string> kCommands = {
    "[フキA]",        "[フキ移動]",     "[フキバック]",     "[顔の移動]",   "[同時・顔の移動]", "[ウェイト]",
    "[顔の設定]",     "[同時スタートのみ]", "[通常イベ]",   "[同時・フキ表示]", "[フキ表示]",     "[フキ消去]",
    "[フキ複数消去]", "[同時・フ別移動]", "[効果音]",       "[同時・ミニ表示]", "[顔の消去]",     "[同時・ミニ消去]",
    "[画面の消去]",   "[別のゲームへ]", "[BMP変更]",        "[ミニ消去]",   "[思フ移動]",       "[同時・フキ消去]",
    "[ミニ表示]",     "[同時・BMP変更]", "[同時・フキA]",   "[最前面へ]",   "[別のシーンへ]",   "[Tanselイベ]",
};
const std::vector<std::string> kMarkMacros = {"「・・・」右", "「？」左", "「！」右", "「！黄」右"};
const std::string kJump = "[フキジャンプ]";
const std::set<std::string> kBalloonCommands = {"[フキA]", "[同時・フキA]", "[フキ表示]", "[同時・フキ表示]"};
const std::set<std::string> kKeys = {
    "フ種", "フFo", "フ音", "[顔No]", "[顔BMPNo]", "[顔FXNo]", "[フキFXNo]", "[フ思FXNo]", "[ミニFXNo]", "Ty", "回", "回数",
    "反動", "開始", "停止", "連続", "顔音", "種No", "分岐", "フ移動ALL", "フ移動Px1", "フ移動Px2", "フ移動Py2",
    "フ移動インタ", "対象顔No", "Ev種", "Ev分", "Ev細分", "Ev分岐", "Tc0", "サウ番", "サウID", "ミ種", "ミ音", "BMP番号",
    "BMP番号2", "Fu",
};
const std::set<int> kBalloonSounds = {43, 55, 54, 42, 202, -1};
const std::set<int> kFaceSounds = {1, 43, 200, 211, -1};
const std::map<int, int> kSoundIds = {{10, 1}, {11, 1}, {55, 2}, {210, 1}, {212, 1}};
const std::set<int> kNormalEvents = {5, 6, 7, 15, 16, 20, 23, 31, 50, 51};
constexpr int kMostFields = 9;
constexpr int kBalloonRowChars = 25, kCaptionRowChars = 30, kMostRows = 4;

std::string Unmarked(std::string field) {
  const std::string mark = "■";
  for (size_t at = field.find(mark); at != std::string::npos; at = field.find(mark)) field.erase(at, mark.size());
  return field;
}

// One line taken apart.
struct Line {
  int fieldCount = 0;
  int slot = 0;    // "●N" at the start; 0 none
  int group = -1;  // "○N" after it: the simultaneous group the line joins; -1 none
  std::string command;
  std::map<std::string, std::string> keys;  // the first value of each key
  Lines texts;
  bool z = false;
  Lines faults;
  int Number(const std::string& key) const {
    const auto it = keys.find(key);
    return it == keys.end() ? 0 : ReadScriptNumber(it->second);
  }
  bool Has(const std::string& key) const { return keys.count(key) != 0; }
};

// The digit of a one-digit mark field such as "●3" or "○1"; -1 for any other field.
int MarkDigit(const std::string& field, const std::string& mark) {
  if (field.rfind(mark, 0) != 0 || field.size() != mark.size() + 1) return -1;
  const char d = field.back();
  return d >= '0' && d <= '9' ? d - '0' : -1;
}

int SlotMark(const std::string& field) { return MarkDigit(field, "●"); }
int GroupMark(const std::string& field) { return MarkDigit(field, "○"); }

Line Parse(const std::string& raw) {
  Line line;
  Lines f;
  int n = 0;
  SplitFields(raw, "：", 99, f, n);
  line.fieldCount = n;
  int i = 1;
  if (n >= 1 && SlotMark(f[1]) >= 0) line.slot = SlotMark(f[i++]);
  // Queued lines may name their group, so that a plain starting move, which runs as
  // group 0, does not take the place of the first queued one.
  if (i <= n && GroupMark(f[static_cast<size_t>(i)]) >= 0) line.group = GroupMark(f[static_cast<size_t>(i++)]);
  if (i > n) {
    line.faults.push_back("no command");
    return line;
  }
  line.command = Unmarked(f[static_cast<size_t>(i)]);
  for (int j = i + 1; j <= n; ++j) {
    const std::string field = Unmarked(f[static_cast<size_t>(j)]);
    const size_t eq = field.find('=');
    if (field == "Ｚ") {
      line.z = true;
    } else if (SlotMark(field) >= 0) {
      line.faults.push_back("the slot mark " + field + " stands after the command, not at the start");
    } else if (field.find("→") != std::string::npos && line.command.find("顔の移動") != std::string::npos) {
      // a face move's start and end points
    } else if (eq != std::string::npos) {
      line.keys.emplace(field.substr(0, eq), field.substr(eq + 1));
    } else {
      line.texts.push_back(field);
    }
  }
  return line;
}

// A wait whose number carries a note after a blank ("Fu=1 速く").
bool NotedWait(const Line& line) {
  static const std::regex noted("[0-9]+( |　).+");
  return line.command == "[ウェイト]" && line.Has("Fu") && std::regex_match(line.keys.at("Fu"), noted);
}

// The picture numbers a line names (0, no picture, left out).
std::vector<int> PicturesOf(const Line& line) {
  std::vector<int> out;
  for (const char* key : {"[顔BMPNo]", "BMP番号"}) {
    if (line.Has(key) && line.Number(key) != 0) out.push_back(line.Number(key));
  }
  return out;
}

// The face layer a "[顔の設定]" line must give its picture.
int FaceLayerFor(int stage, int slot, int picture) {
  if (stage == 61) {
    if (picture == 16 || picture == 25 || picture == 26) return 0;
    if (picture == 170) return 2;
    if (picture >= 60 && picture <= 64) return 10 + picture - 60;
  }
  if (picture >= 20 && picture <= 26) return 0;  // the backgrounds
  if (stage == 1 && slot >= 1 && slot <= 3) return 10 + 3 * (slot - 1);
  if (stage == 10 && slot == 2) return 13;
  if (stage == 20 && slot == 2) return 20;
  return 10 + 5 * (slot - 1);
}

// ---- balloon rows as the game draws them ----

struct Box {
  int width = 0, height = 0, font = 0, lineHeight = 0;
};

// The box and font the game gives a balloon of a kind and variant on a slot, from
// the mode's own balloon style: speech balloons start at 16 points, thought
// balloons and the narration box at 14, before a line's "フFo".
Box BalloonBox(int kind, int variant, int slot, int lineFont) {
  BalloonGeometryRecord& g = BalloonGeometry;
  g.FaceHeight = 300;
  g.TailWidth = 32;
  g.TailHeight = 23;
  LineState.LineFontSize = lineFont;
  LineState.CurrentSlot = slot;
  LineCode.MainParam = kind;
  LineCode.SubParam = variant;
  const bool thought = kind >= 30 && kind <= 49;
  TextStyle.TextFontSize = thought || kind == 60 ? 14 : 16;
  if (kind == 60) {
    g.BalloonWidth = tq::kWindowWidth / 2;
    g.BalloonHeight = tq::kWindowHeight / 4;
  }
  D20_BalloonStyle();
  Box b{g.BalloonWidth, g.BalloonHeight, TextStyle.TextFontSize, TextStyle.LineHeight};
  if (thought) {
    const size_t v = static_cast<size_t>(kind % 10);
    b.width = ThoughtLayout.ThoughtWidth[v];
    b.height = ThoughtLayout.ThoughtHeight[v];
  }
  return b;
}

tq::TextExtent Measure(int font, const std::string& text) {
  return tq::MeasureTextExtent({tq::kFontProportional, font, true, false}, text);
}

// Whether a balloon's rows fit inside it: text starts 15 pixels in and 12 down, rows
// are the line height apart, and the bevel frame takes the last 8 pixels on the
// right and 6 at the bottom. A caption box is as wide as its one row and 60 more,
// centred on the window; caption and narration events centre each row.
std::string RowsFit(const Line& line, int kind, int variant) {
  constexpr int kLeft = 15, kTop = 12, kRightMargin = 8, kBottomMargin = 6, kCaptionMargin = 60, kEventFont = 24;
  const int lineFont = line.Number("フFo");
  if (line.command == "[通常イベ]" || kind == 50) {
    const int font = lineFont > 0 ? lineFont : (kind == 50 ? 19 : kEventFont);
    const int margin = kind == 50 ? kCaptionMargin : 0;
    for (const std::string& row : line.texts) {
      if (Measure(font, row).width + margin > tq::kWindowWidth) return "a row wider than the window: " + row;
    }
    return "";
  }
  const Box b = BalloonBox(kind, variant, line.slot, lineFont);
  int textHeight = 0;
  for (const std::string& row : line.texts) {
    const tq::TextExtent e = Measure(b.font, row);
    textHeight = e.height;
    if (kLeft + e.width > b.width - kRightMargin) {
      return "a row too long (" + std::to_string(tq::CodePointCount(row)) + " characters at " + std::to_string(b.font) +
             " points in " + std::to_string(b.width) + " pixels): " + row;
    }
  }
  const int bottom = kTop + b.lineHeight * (static_cast<int>(line.texts.size()) - 1) + textHeight;
  if (bottom > b.height - kBottomMargin) {
    return std::to_string(line.texts.size()) + " rows do not fit a balloon " + std::to_string(b.height) + " high";
  }
  return "";
}

// ---- the shapes ----

// The opening of a conversation or scene stage, and the faults of stage 90's.
Lines OpeningFaults(const VadrimStageRow& row, const Lines& lines) {
  Lines faults;
  auto expectAt = [&](size_t at, const Lines& want) {
    const Lines got(lines.begin() + static_cast<std::ptrdiff_t>(std::min(at, lines.size())),
                    lines.begin() + static_cast<std::ptrdiff_t>(std::min(at + want.size(), lines.size())));
    if (got != want) faults.push_back("opening lines " + std::to_string(at + 1) + " on: " + QuotedLines(got) + ", not " + QuotedLines(want));
  };
  if (row.family == VadrimFamily::Conversation) {
    if (row.stage == 60) {
      expectAt(0, {kShortWait, Background(21), "●1：[通常イベ]：Ｚ：Ev種=15：Ev分=00"});
    } else if (row.stage == 90) {
      // The title card, its caption shown and erased, then the route's background.
      expectAt(0, {Background(20)});
      const auto route = std::find(lines.begin(), lines.end(), Background(23));
      const size_t at = static_cast<size_t>(route - lines.begin());
      bool caption = false, erased = false, cast = false;
      for (size_t i = 1; i < at && i < lines.size(); ++i) {
        const Line l = Parse(lines[i]);
        caption |= kBalloonCommands.count(l.command) != 0 && l.Has("フ種") && ReadScriptList(l.keys.at("フ種"))[0] == 50;
        erased |= caption && l.command == "[フキ消去]";
        cast |= l.command == "[顔の設定]";
      }
      if (route == lines.end() || !caption || !erased || cast) faults.push_back("the opening is not the title card with its caption, then background 23");
      if (at + 2 < lines.size()) {
        const Line event = Parse(lines[at + 1]);
        if (event.command != "[通常イベ]" || event.Number("Ev種") != 15 || lines[at + 2] != kShortWait) {
          faults.push_back("background 23 is not shown with event 15 and a wait of 0.2 seconds");
        }
      }
    } else {
      expectAt(0, {Background(row.background), kPaintBackground, kShortWait});
    }
    return faults;
  }
  if (row.family != VadrimFamily::Scene) return faults;
  const bool character = row.stage == 33 || row.stage == 43;
  const bool fourth = row.stage >= 51 && row.stage <= 56;
  Lines settings = {Background(row.background), kPaintBackground, SlotSetting(1, row.scene, 10), SlotSetting(2, 0, 15),
                    SlotSetting(3, character ? 35 : 0, 20)};
  if (fourth) settings.push_back(SlotSetting(4, 0, 25));
  expectAt(0, settings);
  // The speakers' faces hidden, in any order.
  Lines erases = {"●2：[顔の消去]"};
  if (!character) erases.push_back("●3：[顔の消去]");
  if (row.stage == 54 || row.stage == 56) erases.push_back("●4：[顔の消去]");
  size_t at = settings.size();
  Lines got(lines.begin() + static_cast<std::ptrdiff_t>(std::min(at, lines.size())),
            lines.begin() + static_cast<std::ptrdiff_t>(std::min(at + erases.size(), lines.size())));
  std::sort(got.begin(), got.end());
  std::sort(erases.begin(), erases.end());
  if (got != erases) faults.push_back("the speakers' faces are not hidden after the settings: " + QuotedLines(got));
  at += erases.size();
  // The scene slides in over 40 frames from the side its stage takes.
  const bool fromLeft = row.stage == 13 || row.stage == 24 || row.stage == 54 || row.stage == 56;
  const std::regex slide(std::string("●1：\\[顔の移動\\]：Ｚ：■\\(") + (fromLeft ? "外左" : "外右") +
                         "[^)]*\\)→\\([^)]*\\)：■Ty=11：回=40：反動=1：顔音=1");
  if (at >= lines.size() || !std::regex_match(lines[at], slide)) {
    faults.push_back(std::string("the scene does not slide in from ") + (fromLeft ? "外左" : "外右") + " next: " +
                     (at < lines.size() ? lines[at] : "(no line)"));
  }
  // Then each speaker is put at once where its balloons appear.
  std::set<int> speakers = {2};
  if (!character) speakers.insert(3);
  if (fourth) speakers.insert(4);
  static const std::regex instant("●([1-6])：\\[顔の移動\\]：Ｚ：■\\(,\\)→\\(-?[0-9]+,-?[0-9]+\\)：■Ty=10：回=1");
  for (size_t i = at + 1; i < lines.size(); ++i) {
    std::smatch m;
    if (!std::regex_match(lines[i], m, instant)) break;
    speakers.erase(std::atoi(m[1].str().c_str()));
  }
  for (int s : speakers) faults.push_back("speaker slot " + std::to_string(s) + " is not put in place after the slide");
  return faults;
}

// Stage 0: its captions, the closing words, background 21 and the chain to stage 1.
Lines StageZeroFaults(const Lines& lines) {
  Lines faults;
  if (lines.size() != 14) return faults;  // the count is reported already
  auto event = [&](size_t i, int kind, int branch, size_t rows, const char* what) {
    const Line l = Parse(lines[i]);
    if (l.command != "[通常イベ]" || l.Number("Ev種") != kind || l.Number("Ev分") != branch || l.texts.size() != rows ||
        (kind == 20 && !l.z) || (kind == 23 && l.Number("Tc0") != 1)) {
      faults.push_back(std::string("line ") + std::to_string(i + 1) + " is not " + what + ": " + lines[i]);
    }
  };
  if (lines[0] != kHalfSecond) faults.push_back("it does not open with a wait of 0.5 seconds");
  const char* waits[] = {"[ウェイト]：Fu=10", "[ウェイト]：Fu=10", "[ウェイト]：Fu=10", "[ウェイト]：Fu=20"};
  for (size_t k = 0; k < 4; ++k) {
    event(1 + 2 * k, 20, 41 + static_cast<int>(k), 1, "a caption event with one row");
    if (lines[2 + 2 * k] != waits[k]) faults.push_back("line " + std::to_string(3 + 2 * k) + " is not " + waits[k]);
  }
  event(9, 23, 4, 4, "event 23 with four rows");
  if (lines[10] != kHalfSecond) faults.push_back("line 11 is not a wait of 0.5 seconds");
  if (lines[11] != Background(21)) faults.push_back("line 12 does not set background 21");
  const Line shown = Parse(lines[12]);
  if (shown.command != "[通常イベ]" || shown.Number("Ev種") != 15) faults.push_back("line 13 does not show it with event 15");
  return faults;
}

// Stage 1: the prologue's boxes, cast and sound; its own closing is checked apart.
Lines StageOneFaults(const Lines& lines) {
  Lines faults;
  bool caption = false, narration = false, sound = false;
  int fromLeft = 0;
  for (const std::string& raw : lines) {
    const Line l = Parse(raw);
    const int kind = l.Has("フ種") ? ReadScriptList(l.keys.at("フ種"))[0] : 0;
    caption |= kind == 50;
    narration |= kind == 60 && l.Number("フFo") == 20;
    sound |= l.command == "[効果音]" && l.Number("サウ番") == 55;
    fromLeft += l.command.find("顔の移動") != std::string::npos && raw.find("(外左") != std::string::npos;
  }
  if (lines.empty() || Parse(lines[0]).command != "[通常イベ]" || Parse(lines[0]).Number("Ev種") != 16) faults.push_back("it does not open with event 16");
  if (!caption) faults.push_back("no caption box");
  if (!narration) faults.push_back("no narration box of 20 points");
  if (!sound) faults.push_back("no sound 55");
  if (fromLeft < 3) faults.push_back("fewer than three entrances from the left");
  for (int picture : {30, 32, 34, 36, 37}) {
    bool named = false;
    for (const std::string& raw : lines) named |= Parse(raw).Number("[顔BMPNo]") == picture;
    if (!named) faults.push_back("picture " + std::to_string(picture) + " never comes on");
  }
  return faults;
}

// Stage 61: the ending's pictures, events, sounds and moves.
Lines StageSixtyOneFaults(const Lines& lines) {
  Lines faults;
  int pages = 0, lastPage = 0, clears = 0, drops = 0, scroll = 0, slides300 = 0, slides150 = 0, s210 = 0, s212 = 0;
  bool caption = false, narration = false;
  for (const std::string& raw : lines) {
    const Line l = Parse(raw);
    const int kind = l.Has("フ種") ? ReadScriptList(l.keys.at("フ種"))[0] : 0;
    const int frames = l.Has("回") ? l.Number("回") : l.Number("回数");
    const bool move = l.command.find("顔の移動") != std::string::npos;
    if (l.command == "[通常イベ]" && l.Number("Ev種") == 50) {
      pages += l.Number("Ev細分") == 10 && l.Number("フFo") == 22;
      lastPage += l.Number("Ev細分") == 11 && l.Number("フFo") == 50;
    }
    clears += l.command == "[通常イベ]" && l.Number("Ev種") == 51;
    drops += move && l.Number("顔音") == 211;
    scroll += move && l.Number("Ty") == 10 && frames == 500;
    slides300 += move && frames == 300;
    slides150 += move && frames == 150;
    s210 += l.command == "[効果音]" && l.Number("サウ番") == 210;
    s212 += l.command == "[効果音]" && l.Number("サウ番") == 212;
    caption |= kind == 50 && l.Number("フFo") == 32;
    narration |= kind == 60;
  }
  if (lines.size() < 2 || lines[0] != Background(25) || Parse(lines[1]).command != "[通常イベ]" ||
      Parse(lines[1]).Number("Ev種") != 15 || Parse(lines[1]).Number("Ev分") != 50) {
    faults.push_back("it does not open on background 25 shown with event 15 (Ev分=50)");
  }
  if (!caption) faults.push_back("no caption box of 32 points");
  if (scroll != 1) faults.push_back("the background does not scroll once (type 10 over 500 frames)");
  if (pages != 10 || lastPage != 1) faults.push_back("not ten narration lines of 22 points and one last page of 50");
  if (clears < 2) faults.push_back("the narration pages are not cleared by event 51");
  if (drops != 1) faults.push_back("picture 16 does not drop in once with face sound 211");
  if (s210 != 1 || s212 != 1) faults.push_back("sounds 210 and 212 do not play once each");
  if (!narration) faults.push_back("no narration box");
  if (slides300 != 2 || slides150 != 1) faults.push_back("slots 2 to 4 do not slide over 300, 300 and 150 frames");
  return faults;
}

// ---- the staging plan ----

const Lines kPlanColumns = {
    "stage",       "lines",       "Ｚ",          "[フキA]",     "[フキ移動]",       "[フキバック]",     "[顔の移動]",
    "[同時・顔の移動]", "[ウェイト]", "[顔の設定]", "[同時スタートのみ]", "[通常イベ]",   "[同時・フキ表示]", "[フキ表示]",
    "[フキ消去]",  "[フキ複数消去]", "[同時・フ別移動]", "[効果音]",  "[同時・ミニ表示]", "[顔の消去]",     "[同時・ミニ消去]",
    "[画面の消去]", "[別のゲームへ]", "[BMP変更]", "[ミニ消去]",   "[思フ移動]",       "[同時・フキ消去]", "[ミニ表示]",
    "[同時・BMP変更]", "[同時・フキA]", "[最前面へ]", "[別のシーンへ]", "[Tanselイベ]", "[フキジャンプ]", "「・・・」右",
    "「？」左",    "「！」右",    "「！黄」右",
};

// The faults of a stage's counts against its plan row.
Lines PlanRowFaults(const VadrimCounts& row, const Lines& lines) {
  Lines faults;
  VadrimCounts got = VadrimCountsOf(lines);
  for (size_t i = 1; i < kPlanColumns.size(); ++i) {
    const std::string& column = kPlanColumns[i];
    const int want = row.count(column) ? row.at(column) : 0;
    if (got[column] != want) faults.push_back(column + ": " + std::to_string(got[column]) + " lines, the plan says " + std::to_string(want));
    got.erase(column);
  }
  for (const auto& [command, n] : got) {
    if (n != 0) faults.push_back(command + ": " + std::to_string(n) + " lines, a command the plan has no column for");
  }
  return faults;
}

// ---- one stage ----

// Queued lines join groups as the engine numbers them: a named group "○N", else the
// slot's group in this batch, else the next number (the count of slots holding one).
// A plain face or balloon move that starts the batch runs as group 0 and takes that
// group over, so a queued item of another slot that took group 0 is left out of the
// run. The faults name the starting line.
Lines GroupTakeoverFaults(const Lines& lines) {
  Lines faults;
  std::map<int, int> slotGroup;               // slot -> group, this batch
  std::map<int, std::pair<int, bool>> holder;  // group -> (slot, holds a face, balloon or mini item)
  for (size_t i = 0; i < lines.size(); ++i) {
    const Line l = Parse(lines[i]);
    const bool queued = l.command.rfind("[同時・", 0) == 0;
    if (queued) {
      int g = l.group;
      if (g < 0) g = slotGroup.count(l.slot) ? slotGroup[l.slot] : static_cast<int>(slotGroup.size());
      slotGroup.emplace(l.slot, g);
      const bool bound = l.command != "[同時・BMP変更]";
      auto& h = holder[g];
      h = {l.slot, h.second || bound};
      continue;
    }
    const bool plainStart = (l.command == "[顔の移動]" || l.command == "[フ別移動]") && l.group < 0;
    if (plainStart && holder.count(0) && holder[0].first != l.slot && holder[0].second) {
      faults.push_back("line " + std::to_string(i + 1) + " " + lines[i] + ": starts the queued lines as group 0 and leaves out slot " +
                       std::to_string(holder[0].first) + "'s queued items; name their group with ○N");
    }
    if (plainStart || l.command == "[同時スタートのみ]" || l.command == "[同時スタート・顔の移動]") {
      slotGroup.clear();
      holder.clear();
    }
  }
  return faults;
}

}  // namespace

const VadrimStageRow& VadrimStageRowOf(int stage) {
  for (const VadrimStageRow& row : StageTable()) {
    if (row.stage == stage) return row;
  }
  static const VadrimStageRow none{-1, 0, VadrimFamily::Special, 0, 0, {}, {}, {}};
  return none;
}

// Stages 33, 43, 53 and 56 drop their closing's sound 11 and event 07 outside the
// story and the stage gallery.
bool VadrimClosingByPlayMode(int stage) { return stage == 33 || stage == 43 || stage == 53 || stage == 56; }

// The faults of one line of a stage.
Lines VadrimLineFaults(const VadrimStageRow& row, const std::string& raw) {
  const Line line = Parse(raw);
  Lines faults = line.faults;
  if (line.fieldCount > kMostFields) faults.push_back(std::to_string(line.fieldCount) + " fields, more than 9");
  if (line.command == "[ミュージック再生]" || line.Has("ミュ番")) {
    faults.push_back("a music command: no script starts, changes or stops music");
    return faults;
  }
  if (line.slot != 0 && (line.slot < 1 || line.slot > 6)) faults.push_back("slot " + std::to_string(line.slot));
  const bool macro = line.command == kJump ||
                     std::find(kMarkMacros.begin(), kMarkMacros.end(), line.command) != kMarkMacros.end();
  if (macro) {
    if (!line.keys.empty() || !line.texts.empty()) faults.push_back("a macro takes nothing but Ｚ");
    return faults;
  }
  if (!kCommands.count(line.command)) {
    faults.push_back("unknown command " + line.command);
    return faults;
  }
  for (const auto& [key, value] : line.keys) {
    if (!kKeys.count(key)) faults.push_back("unknown key " + key);
  }
  const std::string& c = line.command;
  const int eventKind = line.Number("Ev種");
  // Texts: balloon rows, and the caption and narration events' rows.
  const bool balloon = kBalloonCommands.count(c) != 0;
  const bool eventText = c == "[通常イベ]" && (eventKind == 20 || eventKind == 23 || eventKind == 50);
  if (!balloon && !eventText && !line.texts.empty()) faults.push_back("text with " + c + ": " + line.texts.front());
  int kind = 0, variant = 0;
  if (line.Has("フ種")) {
    const std::string& v = line.keys.at("フ種");
    const std::array<int, 3> kvt = ReadScriptList(v);
    kind = kvt[0], variant = kvt[1];
    if (kvt[2] != -1 && kvt[2] != -2) faults.push_back("balloon tail " + v);
    if (!row.kinds.count(kind)) faults.push_back("balloon kind " + std::to_string(kind) + " is not one of the stage's");
    if (kind == 6 && !row.variants.count(variant)) {
      faults.push_back("scene balloon variant " + std::to_string(variant) + " is not one of the stage's");
    }
    if (kind >= 10 && kind <= 49 && (variant < -20 || variant > 5)) faults.push_back("balloon variant " + v);
  } else if (balloon) {
    faults.push_back("a balloon line without フ種");
  }
  if (balloon || eventText) {
    const bool caption = kind == 50 || kind == 60 || eventText;
    const size_t rows = line.texts.size();
    const size_t most = eventText ? (eventKind == 23 ? 4 : 1) : (kind == 50 ? 1 : kMostRows);
    const size_t least = eventText && eventKind == 23 ? 4 : 1;
    if (rows < least || rows > most) {
      faults.push_back(std::to_string(rows) + " rows, " + (least == most ? "not " + std::to_string(most)
                                                                         : "not 1 to " + std::to_string(most)));
    }
    const int longest = caption ? kCaptionRowChars : kBalloonRowChars;
    for (const std::string& t : line.texts) {
      const int chars = tq::CodePointCount(t);
      if (chars > longest) faults.push_back("a row of " + std::to_string(chars) + " characters, more than " + std::to_string(longest) + ": " + t);
    }
  }
  if (line.Has("フFo") && (line.Number("フFo") < 14 || line.Number("フFo") > 50)) faults.push_back("font size " + line.keys.at("フFo"));
  if (line.Has("フ音") && !kBalloonSounds.count(line.Number("フ音"))) faults.push_back("balloon sound " + line.keys.at("フ音"));
  if (line.Has("顔音") && !kFaceSounds.count(line.Number("顔音"))) faults.push_back("face sound " + line.keys.at("顔音"));
  if (c == "[効果音]") {
    const auto it = kSoundIds.find(line.Number("サウ番"));
    if (it == kSoundIds.end()) faults.push_back("sound " + std::to_string(line.Number("サウ番")));
    else if (line.Number("サウID") != it->second) faults.push_back("sound " + std::to_string(it->first) + " with ID " + std::to_string(line.Number("サウID")));
    // Stage 61 plays 210 and 212 besides its closing's sound 10; no other stage plays them.
    if (it != kSoundIds.end() && it->first >= 210 && row.stage != 61) faults.push_back("sounds 210 and 212 are stage 61's alone");
  }
  if (c == "[通常イベ]" && !kNormalEvents.count(eventKind)) faults.push_back("event " + std::to_string(eventKind));
  // The face shake has frames for its variant 10 alone; any other draws nothing.
  if (c == "[通常イベ]" && eventKind == 31 && line.Number("Ev分") != 10) {
    faults.push_back("event 31 with variant " + std::to_string(line.Number("Ev分")) + ", not 10");
  }
  if (c == "[画面の消去]" && eventKind != 0 && eventKind != 1) faults.push_back("screen erase " + std::to_string(eventKind));
  if (c == "[Tanselイベ]" && (row.stage != 1 || eventKind != 10)) faults.push_back("the Marbrook event is stage 1's, kind 10");
  if (c == "[ウェイト]") {
    static const std::regex plain("-?[0-9]+");
    const std::string fu = line.keys.count("Fu") ? line.keys.at("Fu") : "";
    if (!std::regex_match(fu, plain) && !NotedWait(line)) faults.push_back("a wait of " + fu);
  }
  for (int picture : PicturesOf(line)) {
    if (!row.pictures.count(picture)) faults.push_back("picture " + std::to_string(picture) + " is not one of the stage's");
  }
  if (c == "[顔の設定]") {
    const int slot = line.Number("[顔No]");
    if (slot < 1 || slot > 6) faults.push_back("face slot " + std::to_string(slot));
    const int layer = FaceLayerFor(row.stage, slot, line.Number("[顔BMPNo]"));
    if (line.Number("[顔FXNo]") != layer) {
      faults.push_back("slot " + std::to_string(slot) + " on layer " + std::to_string(line.Number("[顔FXNo]")) + ", not " + std::to_string(layer));
    }
    if (line.Has("[ミニFXNo]") && line.Number("[ミニFXNo]") != 13 + 5 * (slot - 1)) {
      faults.push_back("slot " + std::to_string(slot) + " with mini layer " + line.keys.at("[ミニFXNo]"));
    }
  }
  return faults;
}

// The rows that do not fit their balloon or the window, line by line. Kind 99 writes
// into the balloon its slot last opened.
Lines VadrimRowFitFaults(const Lines& lines) {
  Lines faults;
  int kinds[10] = {}, variants[10] = {};
  for (size_t i = 0; i < lines.size(); ++i) {
    const Line l = Parse(lines[i]);
    const bool balloon = kBalloonCommands.count(l.command) != 0 && l.Has("フ種");
    if ((!balloon && l.command != "[通常イベ]") || l.texts.empty()) continue;
    const size_t s = static_cast<size_t>(std::clamp(l.slot, 0, 9));
    if (balloon) {
      const std::array<int, 3> kvt = ReadScriptList(l.keys.at("フ種"));
      if (kvt[0] != 99) kinds[s] = kvt[0], variants[s] = kvt[1];
      if (kinds[s] == 0) {
        faults.push_back("line " + std::to_string(i + 1) + " " + lines[i] + ": kind 99 on a slot that has opened no balloon");
        continue;
      }
    }
    const std::string fit = RowsFit(l, balloon ? kinds[s] : 0, balloon ? variants[s] : 0);
    if (!fit.empty()) faults.push_back("line " + std::to_string(i + 1) + " " + lines[i] + ": " + fit);
  }
  return faults;
}

std::string QuotedLines(const Lines& lines) {
  std::string out;
  for (const std::string& l : lines) out += (out.empty() ? "" : " / ") + l;
  return out;
}

// What a stage's pushed lines hold, by the plan's columns.
VadrimCounts VadrimCountsOf(const Lines& lines) {
  VadrimCounts counts;
  for (const std::string& raw : lines) {
    const Line l = Parse(raw);
    counts["lines"] += 1;
    counts["Ｚ"] += l.z;
    counts[l.command] += 1;
  }
  return counts;
}

VadrimPlan ReadVadrimPlan(const std::string& text) {
  VadrimPlan plan;
  std::istringstream in(text);
  bool header = false;
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    Lines cells;
    std::istringstream cellsIn(line);
    for (std::string cell; std::getline(cellsIn, cell, '\t');) cells.push_back(cell);
    const std::string where = "plan line " + std::to_string(number);
    if (!header) {
      header = true;
      if (cells != kPlanColumns) plan.faults.push_back(where + ": the header is not the fixed one");
      continue;
    }
    if (cells.size() != kPlanColumns.size()) {
      plan.faults.push_back(where + ": " + std::to_string(cells.size()) + " columns, not " + std::to_string(kPlanColumns.size()));
      continue;
    }
    VadrimCounts row;
    bool whole = true;
    for (size_t i = 0; i < cells.size(); ++i) {
      static const std::regex wholeNumber("[0-9]+");
      if (!std::regex_match(cells[i], wholeNumber)) {
        plan.faults.push_back(where + ": " + kPlanColumns[i] + " is not a whole number: " + cells[i]);
        whole = false;
      }
      row[kPlanColumns[i]] = std::atoi(cells[i].c_str());
    }
    if (!whole) continue;
    const int stage = row["stage"];
    if (!IsVadrimStage(stage)) plan.faults.push_back(where + ": stage " + std::to_string(stage) + " has no script");
    else if (plan.rows.count(stage)) plan.faults.push_back(where + ": stage " + std::to_string(stage) + " again");
    else if (VadrimStageRowOf(stage).lines != row["lines"]) {
      plan.faults.push_back(where + ": stage " + std::to_string(stage) + " with " + std::to_string(row["lines"]) +
                            " lines, the stage table says " + std::to_string(VadrimStageRowOf(stage).lines));
    }
    int commands = 0;
    for (size_t i = 3; i < kPlanColumns.size(); ++i) commands += row[kPlanColumns[i]];
    if (commands != row["lines"]) {
      plan.faults.push_back(where + ": the commands of stage " + std::to_string(stage) + " add up to " + std::to_string(commands) +
                            ", not its " + std::to_string(row["lines"]) + " lines");
    }
    if (row["Ｚ"] > row["lines"]) plan.faults.push_back(where + ": more Ｚ lines than lines");
    row.erase("stage");
    plan.rows[stage] = row;
  }
  if (!header) plan.faults.push_back("the plan has no header");
  for (int stage : VadrimStages()) {
    if (!plan.rows.count(stage)) plan.faults.push_back("the plan has no row for stage " + std::to_string(stage));
  }
  VadrimCounts sums;
  for (const auto& [stage, row] : plan.rows) {
    for (const auto& [column, n] : row) sums[column] += n;
  }
  for (const std::string& m : kMarkMacros) sums["marks"] += sums[m];
  for (const auto& [column, total] : VadrimTotals()) {
    if (sums[column] != total) {
      plan.faults.push_back("the plan's " + column + " add up to " + std::to_string(sums[column]) + ", not " + std::to_string(total));
    }
  }
  return plan;
}

// Every fault of a stage's lines as pushed with a PlayMode, against its row (and its
// plan row when there is one), each naming the line it is on.
Lines VadrimStageFaults(const VadrimStageRow& row, const Lines& lines, int playMode, const VadrimCounts* planRow) {
  Lines faults;
  const int want = LinesWith(row, playMode);
  if (static_cast<int>(lines.size()) != want) {
    faults.push_back("pushes " + std::to_string(lines.size()) + " lines, not " + std::to_string(want));
  }
  for (std::string& f : OpeningFaults(row, lines)) faults.push_back(std::move(f));
  const Lines closing = ClosingOf(row.stage, playMode);
  const Lines end(lines.end() - static_cast<std::ptrdiff_t>(std::min(closing.size(), lines.size())), lines.end());
  if (end != closing) faults.push_back("closing: " + QuotedLines(end) + ", not " + QuotedLines(closing));
  int noted = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string where = "line " + std::to_string(i + 1) + " " + lines[i] + ": ";
    for (const std::string& f : VadrimLineFaults(row, lines[i])) faults.push_back(where + f);
    const Line l = Parse(lines[i]);
    const bool last = i + 1 == lines.size();
    if ((l.command == kLeave || l.command == "[別のシーンへ]") && !last) faults.push_back(where + "a stage end before the last line");
    noted += NotedWait(l);
  }
  for (std::string& f : VadrimRowFitFaults(lines)) faults.push_back(std::move(f));
  for (std::string& f : GroupTakeoverFaults(lines)) faults.push_back(std::move(f));
  // Every balloon kind and scene variant of the stage's row is used, as the row gives.
  std::set<int> kinds, variants;
  for (const std::string& raw : lines) {
    const Line l = Parse(raw);
    if (!l.Has("フ種")) continue;
    const std::array<int, 3> kvt = ReadScriptList(l.keys.at("フ種"));
    kinds.insert(kvt[0]);
    if (kvt[0] == 6) variants.insert(kvt[1]);
  }
  for (int kind : row.kinds) {
    if (!kinds.count(kind)) faults.push_back("balloon kind " + std::to_string(kind) + " of the stage's row is never used");
  }
  for (int variant : row.variants) {
    if (!variants.count(variant)) faults.push_back("scene balloon variant " + std::to_string(variant) + " of the stage's row is never used");
  }
  const bool flipBook = row.stage == 54 || row.stage == 56;
  if (noted != (flipBook ? 3 : 0)) faults.push_back(std::to_string(noted) + " waits carry a note after their number");
  if (flipBook) {
    // The group appended from a copy: a vector inserted into itself is undefined.
    const Lines once = FlipBookGroup(row.stage);
    Lines twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    if (std::search(lines.begin(), lines.end(), twice.begin(), twice.end()) == lines.end()) {
      faults.push_back("the flip-book's group of four is not pushed twice in a row");
    }
    std::string last;
    for (const std::string& raw : lines) {
      if (Parse(raw).command == "[BMP変更]") last = raw;
    }
    if (Parse(last).Number("BMP番号") != (row.stage == 54 ? 162 : 167)) faults.push_back("the flip-book does not end on its third picture");
  }
  if (row.stage == 33 || row.stage == 43) {
    int changes = 0;
    for (const std::string& raw : lines) {
      const Line l = Parse(raw);
      changes += l.command == "[BMP変更]";
      if (l.command == "[BMP変更]" && l.Number("BMP番号") != (row.stage == 33 ? 132 : 142)) faults.push_back("the scene changes to " + std::to_string(l.Number("BMP番号")));
    }
    if (changes != 1) faults.push_back("the scene changes " + std::to_string(changes) + " times, not once");
  }
  if (row.stage == 0) {
    for (std::string& f : StageZeroFaults(lines)) faults.push_back(std::move(f));
  }
  if (row.stage == 1) {
    for (std::string& f : StageOneFaults(lines)) faults.push_back(std::move(f));
  }
  if (row.stage == 61) {
    for (std::string& f : StageSixtyOneFaults(lines)) faults.push_back(std::move(f));
  }
  if (planRow != nullptr && playMode == 0) {
    for (std::string& f : PlanRowFaults(*planRow, lines)) faults.push_back("plan: " + f);
  }
  return faults;
}

// The PlayModes whose line counts a stage is checked with.
std::vector<int> VadrimPlayModesOf(int stage) {
  if (VadrimClosingByPlayMode(stage)) return {0, 1, 2, 3};
  return {0};
}

// The column sums over the thirty stages; the four mark macros are summed together.
const std::map<std::string, int>& VadrimTotals() {
  static const std::map<std::string, int> totals = {
      {"lines", 4613},         {"Ｚ", 1646},            {"[フキA]", 1332},       {"[フキ移動]", 769},
      {"[フキバック]", 358},   {"[顔の移動]", 329},     {"[同時・顔の移動]", 230}, {"[ウェイト]", 206},
      {"[顔の設定]", 141},     {"[同時スタートのみ]", 121}, {"[通常イベ]", 112},   {"[同時・フキ表示]", 107},
      {"[フキ表示]", 91},      {"[フキ消去]", 84},      {"[フキ複数消去]", 81},  {"[同時・フ別移動]", 78},
      {"[効果音]", 62},        {"[同時・ミニ表示]", 47}, {"[顔の消去]", 42},      {"[同時・ミニ消去]", 38},
      {"[画面の消去]", 29},    {"[別のゲームへ]", 29},  {"[BMP変更]", 24},       {"[ミニ消去]", 16},
      {"[思フ移動]", 14},      {"[同時・フキ消去]", 13}, {"[ミニ表示]", 11},      {"[同時・BMP変更]", 10},
      {"[同時・フキA]", 6},    {"[最前面へ]", 3},       {"[別のシーンへ]", 1},   {"[Tanselイベ]", 1},
      {"[フキジャンプ]", 202}, {"marks", 26},
  };
  return totals;
}

const std::vector<std::string>& VadrimMarkMacros() { return kMarkMacros; }

}  // namespace tq::testing
