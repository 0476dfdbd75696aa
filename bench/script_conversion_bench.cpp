// Conversion cost of one stage: a 1000-line script pushed and every line converted
// and its prefixes read, as the executor does when the lines run. A frame is 13 ms;
// a whole stage should take a small fraction of that.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "scenario/face_slots.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"
#include "scenario/simultaneous_groups.h"

namespace {

const char* const kLineKinds[] = {
    "●1：[顔の移動]：Ｚ：■(外右,中央)→(中央,元)：■Ty=11：回=40：反動=1：顔音=1",
    "●1：[フキA]：■フ種=(06,40,-1)：フFo=20：■よく来たな。：ここから先は通さんぞ。",
    "[同時・効果音]：■順番=0：サウ番=06：サウID=00：開始=05",
    "[ウェイト]：Fu=3",
    "[Tanselイベ]：Ｚ：Ev種=30：Ev分=02：Ev細分=10",
    "[即実行イベ]：Ev種=00：Ev分岐0=30：Ev分岐1=-1：Ev分岐2=07：Ev分岐3=08",
    "[ミニ表示]：■ミ種=(31,01,1)",
    "[フキ移動]：■種No=10：分岐=0：フ移動Px1=3：回数=30",
    "[顔の設定]：■[顔No]=01：[顔BMPNo]=0111：[顔FXNo]=10",
    "●2：○1：[同時・フキA]：フ種=(10,0,-2)：開始=25：連続=2：■二人同時",
    "(ユー)：フ音=驚き：あっ！：謎の暗殺者が",
    "[通常イベ]：Ev種=07：Ev分=00：Ev細分=5：Ｚ",
};

std::vector<std::string> StageScript() {
  std::vector<std::string> lines;
  for (int i = 0; i < 1000; ++i) lines.emplace_back(kLineKinds[i % std::size(kLineKinds)]);
  return lines;
}

void PushStage(const std::vector<std::string>& lines) {
  ScriptStore.ScriptLineCount = 0;
  ScriptStore.CurrentScriptLine = 0;
  for (const std::string& line : lines) PushScriptLine(line);
}

// The stage load alone, to set against the stage below.
void BM_PushStage(benchmark::State& state) {
  const std::vector<std::string> lines = StageScript();
  for (auto _ : state) {
    PushStage(lines);
    benchmark::DoNotOptimize(ScriptStore.ScriptLineCount);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(lines.size()));
}
BENCHMARK(BM_PushStage)->Unit(benchmark::kMicrosecond);

void BM_ConvertStage(benchmark::State& state) {
  const std::vector<std::string> lines = StageScript();
  for (auto _ : state) {
    ResetSimultaneousState();
    ResetFaceSlotState();
    PushStage(lines);
    for (int n = 0; n < ScriptStore.ScriptLineCount; ++n) {
      ScriptStore.CurrentScriptLine = n;
      LineState.SimultaneousLine = 0;
      ConvertScriptLine();
      ReadLinePrefixes(5);
      if (LineCode.Speaker >= 0 && LineCode.Speaker <= 9) LineState.CurrentSlot = LineCode.Speaker;
      ReadLinePrefixes(6);
      ReadLinePrefixes(0);
      ReadLinePrefixes(11);
    }
    benchmark::DoNotOptimize(LineCode);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(lines.size()));
}
BENCHMARK(BM_ConvertStage)->Unit(benchmark::kMicrosecond);

}  // namespace
