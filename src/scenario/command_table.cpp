#include "scenario/command_table.h"

#include <unordered_map>

using E = CommandExtra;

const std::array<CommandRow, kCommandCount> kCommandTable = {{
    {"[デバグ・Tt変更]", "* ** ** -9 5 2", E::None},
    {"[直接・背景表示]", "* ** 05 05 5 2", E::None},
    {"[別のゲームへ]", "* ** ** 03 5 1", E::None},
    {"[別のシーンへ]", "* ** ** 04 5 1", E::None},
    {"[即実行イベ]", "* ** ** 07 5 1", E::None},
    {"[顔の移動]", "* ** ** 20 5 *", E::None},
    {"[最前面へ]", "* ** ** 24 5 2", E::None},
    {"[顔の設定]", "* ** ** 15 5 2", E::None},
    {"[イベ直接・基本]", "* ** 01 11 5 2", E::None},
    {"[イベ直接・ピク]", "* ** 10 11 5 2", E::None},
    {"[効果音]", "* ** ** 12 5 2", E::None},
    {"[ミュージック再生]", "* ** ** 13 5 *", E::None},
    {"[BMP変更]", "* ** ** 18 5 2", E::None},
    {"[画面の消去]", "* ** ** 06 5 2", E::None},
    {"[顔の消去]", "* ** 20 11 5 2", E::None},
    {"[フ別移動]", "* ** ** 27 5 *", E::None},
    {"[フキ移動]", "* ** ** 17 5 *", E::BalloonMoveSpeech},
    {"[思フ移動]", "* ** ** 17 5 *", E::BalloonMoveThought},
    {"[通常イベ]", "* ** ** 50 5 0", E::None},
    {"[特殊イベ]", "* ** ** 51 5 0", E::None},
    {"[ウェイト]", "* ** ** 02 5 2", E::None},
    {"[Tanselイベ]", "* ** ** 52 5 0", E::None},
    {"[音声待ち]", "* ** ** 62 5 2", E::None},
    {"[ぴくアニメ]", "* ** ** 63 5 0", E::None},
    {"[フキ表示]", "* ** ** -1 1 *", E::None},
    {"[フキA]", "* ** ** -1 1 *", E::None},
    {"[フキ直接]", "* ** ** -1 * *", E::None},
    {"[フキC]", "* ** ** -1 * *", E::None},
    {"[同時・フキ表示]", "* ** ** -2 4 2", E::Queued},
    {"[同時・フキA]", "* ** ** -2 4 2", E::Queued},
    {"[フキ消去]", "* ** 99 ** 9 1", E::None},
    {"[同時・フキ消去]", "* ** 99 ** 8 2", E::Queued},
    {"[フキバック]", "* ** 00 01 5 2", E::None},
    {"[フキバック全]", "* ** 01 01 5 2", E::None},
    {"[フキ複数消去]", "* ** ** 60 5 2", E::None},
    {"[ミニ表示]", "* 01 ** ** 5 0", E::None},
    {"[ミニ消去]", "* 01 88 ** 9 1", E::None},
    {"[同時・ミニ表示]", "* 01 ** ** 6 2", E::Queued},
    {"[同時・ミニ消去]", "* 01 88 ** 8 2", E::Queued},
    {"[同時スタート・顔の移動]", "* ** ** 20 5 *", E::Queued},
    {"[同時・顔の移動]", "* ** ** 21 5 2", E::Queued},
    {"[同時・フ別移動]", "* ** ** 23 5 2", E::Queued},
    // The four below start with "同時" but are not queued lines.
    {"[同時スタートのみ]", "* ** ** 22 5 *", E::None},
    {"[同時・イベ発生]", "* ** ** 25 5 2", E::None},
    {"[同時・効果音]", "* ** ** 26 5 2", E::None},
    {"[同時・BMP変更]", "* ** ** 28 5 2", E::None},
}};

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
