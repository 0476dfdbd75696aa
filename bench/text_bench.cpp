// Text drawing: one outlined balloon line, and a full balloon of lines, as the
// conversations print them. A balloon must print well inside one 13 ms frame.
#include <benchmark/benchmark.h>

#include <string>

#include "app/headless_session.h"
#include "engine/layers.h"
#include "engine/text.h"

namespace {

// Thirty characters of a balloon line.
const char* const kLines[4] = {
    "「ここから先は危険だ。気をつけて進むんだぞ、いいな？」と彼は",
    "森の奥には古い城があり、誰も知らない秘密が眠っている。本当だ",
    "私たちは夜明けまでに峠を越えなければならない。急ごう、時間が",
    "風が強くなってきた。雨が降る前に、宿を見つけておきたいところ",
};

tq::SessionOptions Options() {
  tq::SessionOptions options;
  options.mode = "Test";
  return options;
}

void SetUpBalloon() {
  DrawState.CurrentLayer = 30;
  DrawState.CurrentRect = {0, 0, 640, 160};
  TextStyle.TextFontSize = 16;
  TextStyle.TextBold = -1;
  PrepareLayer(0);
  TextStyle.TextX = 20;
  TextStyle.TextColor = RgbColor(255, 255, 255);
  TextStyle.ShadeColor1 = RgbColor(90, 140, 220);
  TextStyle.ShadeColor2 = RgbColor(40, 70, 160);
  TextStyle.ShadeColor3 = RgbColor(20, 30, 80);
  TextStyle.ShadeColor4 = RgbColor(10, 10, 40);
  TextStyle.ShadeColor5 = RgbColor(10, 10, 40);
}

// PrintText kind 11: seven outline passes and the face.
void BM_PrintTextLine(benchmark::State& state) {
  tq::HeadlessSession session(Options());
  session.Start();
  SetUpBalloon();
  TextStyle.CurrentText = kLines[0];
  TextStyle.TextY = 20;
  for (auto _ : state) {
    PrintText(11, 30);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PrintTextLine)->Unit(benchmark::kMicrosecond);

// A whole balloon: frame cleared and four lines printed, each line new to the
// font cache on the first round only (as a balloon's text is printed again on redraws).
void BM_PrintTextBalloon(benchmark::State& state) {
  tq::HeadlessSession session(Options());
  session.Start();
  SetUpBalloon();
  for (auto _ : state) {
    ClearLayerImage(30);
    for (int i = 0; i < 4; ++i) {
      TextStyle.CurrentText = kLines[i];
      TextStyle.TextY = 12 + 36 * i;
      PrintText(11, 30);
    }
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PrintTextBalloon)->Unit(benchmark::kMicrosecond);

// The same balloon with every line's glyphs rendered afresh: the cost of the first
// print of a line.
void BM_PrintTextBalloonUncached(benchmark::State& state) {
  tq::HeadlessSession session(Options());
  session.Start();
  SetUpBalloon();
  int round = 0;
  for (auto _ : state) {
    ClearLayerImage(30);
    for (int i = 0; i < 4; ++i) {
      // A different text each round, so the rendered text cache cannot serve it.
      TextStyle.CurrentText = std::string(kLines[i]) + std::to_string(round);
      TextStyle.TextY = 12 + 36 * i;
      PrintText(11, 30);
    }
    ++round;
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PrintTextBalloonUncached)->Unit(benchmark::kMicrosecond);

}  // namespace
