#include "scenario/command_table.h"

#include <unordered_map>

using E = CommandExtra;

constexpr std::array<CommandRow, kCommandCount> kCommandTable = {{
    {"[デバグ・Tt変更]", "* ** ** -9 5 2", kActionDebugFrameLength, E::None},
    {"[直接・背景表示]", "* ** 05 05 5 2", kActionDirectBackground, E::None},
    {"[別のゲームへ]", "* ** ** 03 5 1", kActionToOtherGame, E::None},
    {"[別のシーンへ]", "* ** ** 04 5 1", kActionToOtherScene, E::None},
    {"[即実行イベ]", "* ** ** 07 5 1", kActionImmediateEvent, E::None},
    {"[顔の移動]", "* ** ** 20 5 *", kActionFaceMove, E::None},
    {"[最前面へ]", "* ** ** 24 5 2", kActionToFront, E::None},
    {"[顔の設定]", "* ** ** 15 5 2", kActionFaceSetting, E::None},
    {"[イベ直接・基本]", "* ** 01 11 5 2", kActionDirectEvent, E::None},
    {"[イベ直接・ピク]", "* ** 10 11 5 2", kActionDirectEvent, E::None},
    {"[効果音]", "* ** ** 12 5 2", kActionSoundEffect, E::None},
    {"[ミュージック再生]", "* ** ** 13 5 *", kActionMusic, E::None},
    {"[BMP変更]", "* ** ** 18 5 2", kActionChangeBitmap, E::None},
    {"[画面の消去]", "* ** ** 06 5 2", kActionClearScreen, E::None},
    {"[顔の消去]", "* ** 20 11 5 2", kActionDirectEvent, E::None},
    {"[フ別移動]", "* ** ** 27 5 *", kActionSeparateMove, E::None},
    {"[フキ移動]", "* ** ** 17 5 *", kActionBalloonMove, E::BalloonMoveSpeech},
    {"[思フ移動]", "* ** ** 17 5 *", kActionBalloonMove, E::BalloonMoveThought},
    {"[通常イベ]", "* ** ** 50 5 0", kActionNormalEvent, E::None},
    {"[特殊イベ]", "* ** ** 51 5 0", kActionSpecialEvent, E::None},
    {"[ウェイト]", "* ** ** 02 5 2", kActionWait, E::None},
    {"[Tanselイベ]", "* ** ** 52 5 0", kActionTanselEvent, E::None},
    {"[音声待ち]", "* ** ** 62 5 2", kActionVoiceWait, E::None},
    {"[ぴくアニメ]", "* ** ** 63 5 0", kActionPicAnimation, E::None},
    {"[フキ表示]", "* ** ** -1 1 *", kBalloonTextKept, E::None},
    {"[フキA]", "* ** ** -1 1 *", kBalloonTextKept, E::None},
    {"[フキ直接]", "* ** ** -1 * *", kBalloonTextKept, E::None},
    {"[フキC]", "* ** ** -1 * *", kBalloonTextKept, E::None},
    {"[同時・フキ表示]", "* ** ** -2 4 2", kBalloonTextKeptForBack, E::Queued},
    {"[同時・フキA]", "* ** ** -2 4 2", kBalloonTextKeptForBack, E::Queued},
    {"[フキ消去]", "* ** 99 ** 9 1", kActionNone, E::None},
    {"[同時・フキ消去]", "* ** 99 ** 8 2", kActionNone, E::Queued},
    {"[フキバック]", "* ** 00 01 5 2", kActionBalloonBack, E::None},
    {"[フキバック全]", "* ** 01 01 5 2", kActionBalloonBack, E::None},
    {"[フキ複数消去]", "* ** ** 60 5 2", kActionEraseBalloons, E::None},
    {"[ミニ表示]", "* 01 ** ** 5 0", kActionNone, E::None},
    {"[ミニ消去]", "* 01 88 ** 9 1", kActionNone, E::None},
    {"[同時・ミニ表示]", "* 01 ** ** 6 2", kActionNone, E::Queued},
    {"[同時・ミニ消去]", "* 01 88 ** 8 2", kActionNone, E::Queued},
    {"[同時スタート・顔の移動]", "* ** ** 20 5 *", kActionFaceMove, E::Queued},
    {"[同時・顔の移動]", "* ** ** 21 5 2", kActionQueuedFaceMove, E::Queued},
    {"[同時・フ別移動]", "* ** ** 23 5 2", kActionQueuedSeparateMove, E::Queued},
    // The four below start with "同時" but are not queued lines.
    {"[同時スタートのみ]", "* ** ** 22 5 *", kActionStartOnly, E::None},
    {"[同時・イベ発生]", "* ** ** 25 5 2", kActionQueuedEvent, E::None},
    {"[同時・効果音]", "* ** ** 26 5 2", kActionQueuedSound, E::None},
    {"[同時・BMP変更]", "* ** ** 28 5 2", kActionQueuedBitmap, E::None},
}};

namespace {

// C3 of a code string as the conversion reads it: the fourth token, "*" and "**" as 0.
constexpr int ActionOf(std::string_view code) {
  for (int token = 1; token < 4; ++token) code.remove_prefix(code.find(' ') + 1);
  code = code.substr(0, code.find(' '));
  if (code.front() == '*') return 0;
  const bool negative = code.front() == '-';
  if (negative) code.remove_prefix(1);
  int value = 0;
  for (char digit : code) value = value * 10 + (digit - '0');
  return negative ? -value : value;
}

constexpr bool ActionsMatchCodeStrings() {
  for (const CommandRow& row : kCommandTable) {
    if (ActionOf(row.CodeString) != row.Action) return false;
  }
  return true;
}
static_assert(ActionsMatchCodeStrings(), "a command's Action differs from C3 of its code string");

}  // namespace

const std::array<SpeakerTagRow, 4> kSpeakerTags = {{
    {"[ユー]", "(ユー)", 1},
    {"[泣男1]", "(泣男1)", 2},
    {"[泣男2]", "(泣男2)", 3},
    {"[泣男3]", "(泣男3)", 4},
}};

using K = KeyEffect;

const std::array<KeyRow, 23> kKeyTable = {{
    {{"Tc0"}, K::Speaker},
    {{"Pc"}, K::SubParam},
    {{"Fu"}, K::MainParam},
    {{"ミュ番"}, K::MusicNumber},
    {{"送", "続", "続1"}, K::Continue100ms},
    {{"速続", "続2", "Ｚ"}, K::Continue1ms},
    {{"続なし", "Ｔ", "Ｓ"}, K::WaitForClick},
    {{"変数"}, K::Variables},
    {{"Ev種"}, K::EventKind},
    {{"Ev分岐", "Ev分"}, K::EventBranch},
    {{"Ev細分"}, K::EventDetail},
    {{"Ev変数"}, K::EventVariables},
    {{"Ev分岐0"}, K::BranchTable0},
    {{"Ev分岐1"}, K::BranchTable1},
    {{"Ev分岐2"}, K::BranchTable2},
    {{"Ev分岐3"}, K::BranchTable3},
    {{"フ種"}, K::BalloonKind},
    {{"フFo"}, K::FontSize},
    {{"フ音"}, K::Voice},
    {{"バッ", "Ba"}, K::Action},
    {{"ミ種"}, K::MiniKind},
    {{"枚1", "ミ番"}, K::MiniNumber},
    {{"ミ音"}, K::MiniSound},
}};

const std::array<VoiceWordRow, 5> kVoiceWords = {{
    {"中声", 42},
    {"中声B", 43},
    {"驚き", 44},
    {"大声", 56},
    {"最大声", 57},
}};

namespace {

// A map built from the tables above at first use; it keeps the first row of a word,
// so it answers exactly as a scan in table order would.
template <typename Row, typename AddWords>
std::unordered_map<std::string_view, const Row*> IndexRows(const auto& table, AddWords add) {
  std::unordered_map<std::string_view, const Row*> index;
  for (const Row& row : table) add(index, row);
  return index;
}

}  // namespace

const CommandRow* FindCommand(std::string_view field) {
  static const auto index = IndexRows<CommandRow>(kCommandTable, [](auto& map, const CommandRow& row) {
    map.emplace(row.Word, &row);
  });
  auto it = index.find(field);
  return it == index.end() ? nullptr : it->second;
}

int FindSpeakerTag(std::string_view field) {
  for (const SpeakerTagRow& row : kSpeakerTags) {
    if (row.Bracketed == field || row.Parenthesised == field) return row.Speaker;
  }
  return 0;
}

const KeyRow* FindKey(std::string_view key) {
  static const auto index = IndexRows<KeyRow>(kKeyTable, [](auto& map, const KeyRow& row) {
    for (std::string_view word : row.Words) {
      if (!word.empty()) map.emplace(word, &row);
    }
  });
  auto it = index.find(key);
  return it == index.end() ? nullptr : it->second;
}

int FindVoiceWord(std::string_view word) {
  for (const VoiceWordRow& row : kVoiceWords) {
    if (row.Word == word) return row.Voice;
  }
  return 0;
}
