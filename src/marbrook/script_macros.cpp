#include "marbrook/script_macros.h"

#include <utility>

#include "engine/string_utils.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"

namespace {

struct MacroRow {
  std::string name;
  std::string expansion;
};

// The fixed macros, names and expansions as the scripts write them.
constexpr const char* kFixedMacros[][2] = {
    {"「カーテン閉じウェイト」", "[ウェイト]：Fu=3"},
    {"「フキジャンプ」", "[フキ移動]：■種No=25：分岐=1：フ移動ALL=(0,-40)：回数=20"},
    {"「フキジャンプ*2」", "[フキ移動]：■種No=25：分岐=2：フ移動ALL=(0,-40)：回数=20"},
    {"「フキがく」", "[フキ移動]：■種No=11：回数=8：フ移動インタ=50：■フ移動ALL=(0,+5)"},
    {"「フキぶる」", "[フキ移動]：■種No=10：分岐=0：フ移動Px1=3：回数=30"},
    {"「・・・」右", "[ミニ表示]：■ミ種=(30,00,1)"},
    {"「・・・」左", "[ミニ表示]：■ミ種=(30,01,1)"},
    {"「？」右", "[ミニ表示]：■ミ種=(31,00,1)"},
    {"「？」左", "[ミニ表示]：■ミ種=(31,01,1)"},
    {"「！」右", "[ミニ表示]：■ミ種=(32,00,1)"},
    {"「！」左", "[ミニ表示]：■ミ種=(32,01,1)"},
    {"「！黄」右", "[ミニ表示]：■ミ種=(33,00,1)"},
    {"「！黄」左", "[ミニ表示]：■ミ種=(33,01,1)"},
};

// Balloon back-and-forth moves: direction word and its step.
struct Direction {
  const char* word;
  const char* step;
};
constexpr Direction kDirections[] = {{"左", "(-20,0)"}, {"右", "(20,0)"}, {"上", "(0,-20)"}, {"下", "(0,20)"}};
// Their names in table order: count-times pairs of (回, 分岐).
constexpr std::pair<int, int> kBackAndForth[] = {{20, 2}, {20, 1}, {10, 2}, {10, 1}};

// Balloon shakes: size word and amplitude; lengths 15, 30, 50.
constexpr std::pair<const char*, int> kShakeSizes[] = {{"小", 1}, {"中", 3}, {"大", 5}};
constexpr int kShakeLengths[] = {15, 30, 50};

// Picture animations: group, variant, interval and the frame pictures.
struct FlipBookRow {
  int group, variant, interval;
  int frames[3];  // -1: no third frame
};
constexpr FlipBookRow kFlipBooks[] = {
    {124, 1, 200, {0, 1, -1}},  {124, 2, 200, {4, 5, -1}},  {124, 3, 200, {4, 5, 6}},
    {130, 1, 200, {5, 6, 7}},   {130, 2, 200, {15, 16, -1}}, {130, 3, 200, {20, 21, 22}},
    {132, 1, 200, {0, 1, -1}},  {132, 2, 200, {5, 6, -1}},  {132, 3, 200, {10, 11, -1}},
    {132, 4, 100, {15, 16, -1}}, {133, 1, 200, {0, 1, -1}}, {135, 1, 200, {0, 1, -1}},
    {135, 2, 200, {5, 6, -1}},  {136, 1, 200, {0, 1, 2}},   {136, 2, 200, {5, 6, 7}},
    {136, 3, 200, {5, 6, 10}},  {136, 4, 120, {5, 6, 7}},   {151, 1, 200, {0, 1, -1}},
    {151, 2, 200, {5, 6, -1}},
};
static_assert(std::size(kFlipBooks) == 19);

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

std::vector<MacroRow> BuildTable() {
  std::vector<MacroRow> rows;
  for (const auto& fixed : kFixedMacros) rows.push_back({fixed[0], fixed[1]});
  for (const auto& [count, branch] : kBackAndForth) {
    for (const Direction& d : kDirections) {
      rows.push_back({std::string("「フキ往復・") + d.word + "=" + std::to_string(count) + "-" +
                          std::to_string(branch) + "回」",
                      std::string("[フキ移動]：■種No=50：フ移動ALL=") + d.step + "：回=" + std::to_string(count) +
                          "：分岐=" + std::to_string(branch)});
    }
  }
  for (const auto& [size, amplitude] : kShakeSizes) {
    for (int length : kShakeLengths) {
      rows.push_back({std::string("「フキぶる") + size + "-" + std::to_string(length) + "」",
                      "[フキ移動]：■種No=10：分岐=0：フ移動Px1=" + std::to_string(amplitude) +
                          "：回数=" + std::to_string(length)});
    }
  }
  for (const FlipBookRow& f : kFlipBooks) {
    std::string text = "[ぴくアニメ]：■分岐=0：間隔=" + std::to_string(f.interval);
    for (int k = 0; k < 3; ++k) {
      if (f.frames[k] < 0) continue;
      const std::string n = std::to_string(k + 1);
      text += "：■第" + n + "_BMP番号=0" + std::to_string(f.group) + "：第" + n + "_BMP番号2=" + TwoDigits(f.frames[k]);
    }
    rows.push_back({"「アニメ-" + std::to_string(f.group) + "-" + std::to_string(f.variant) + "」", text});
  }
  return rows;
}

const std::vector<MacroRow>& Table() {
  static const std::vector<MacroRow> table = BuildTable();
  return table;
}

}  // namespace

std::optional<std::string> MacroExpansion(std::string_view name) {
  for (const MacroRow& row : Table()) {
    if (row.name == name) return row.expansion;
  }
  return std::nullopt;
}

const std::vector<std::string>& MacroNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> out;
    for (const MacroRow& row : Table()) out.push_back(row.name);
    return out;
  }();
  return names;
}

void C15_Macro() {
  const int n = ScriptStore.CurrentScriptLine;
  if (n < 0 || n >= kScriptLineCapacity) return;
  std::string& line = ScriptStore.ScriptText[static_cast<size_t>(n)];
  std::vector<std::string> fields;
  int count = 0;
  SplitFields(line, "：", kMaxLineFields, fields, count);
  std::string rebuilt;
  for (int i = 1; i <= count; ++i) {
    const std::string& field = fields[static_cast<size_t>(i)];
    const std::optional<std::string> expansion = MacroExpansion(field);
    rebuilt += "：";
    rebuilt += expansion ? *expansion : field;
  }
  line = std::move(rebuilt);
}
